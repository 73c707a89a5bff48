// The settings dialogs (project information, page set-up, skeleton set-up)
// driven by control id, and the document's commands that open them.

#include "ShellTestSupport.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/dialogs/CDlgSetup.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "shellcommon/CDlgSetupPage.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"
#include "tests/common/MessageCapture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using shelltest::StartedProgram;

namespace {

QWidget* Control(QWidget* dlg, unsigned id) {
    return fw::FindControlAs<QWidget>(dlg, id);
}

void Type(QWidget* dlg, unsigned id, const char* text) {
    auto* edit = fw::FindControlAs<QLineEdit>(dlg, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(QString::fromLatin1(text));
}

void Click(QWidget* dlg, unsigned id) {
    auto* button = fw::FindControlAs<QAbstractButton>(dlg, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

struct SkeletonCase {
    const char* what;
    const char* capacity;
    const char* x;
    const char* y;
    unsigned focus; // 0: accepted
};

void PrintTo(const SkeletonCase& c, std::ostream* os) {
    *os << c.what;
}

class SkeletonSetup : public ::testing::TestWithParam<SkeletonCase> {};

TEST_P(SkeletonSetup, OkTestsCapacityThenTheFrameCounts) {
    const SkeletonCase& c = GetParam();
    CInfoSkeleton info;
    CDlgSetupSkeleton dlg(info, 1);
    dlg.show();
    Type(&dlg, setupid::kCapacity, c.capacity);
    Type(&dlg, setupid::kFrameX, c.x);
    Type(&dlg, setupid::kFrameY, c.y);
    Click(&dlg, 1);
    if (c.focus == 0) {
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.what;
    } else {
        EXPECT_NE(dlg.result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(dlg.focusWidget(), Control(&dlg, c.focus)) << c.what;
        EXPECT_EQ(info.m_nFrameCountX, 50) << c.what; // nothing stored
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkeletonSetup,
    ::testing::Values(SkeletonCase{"all fine", "1500", "60", "40", 0},
                      SkeletonCase{"capacity 0", "0", "60", "40", setupid::kCapacity},
                      SkeletonCase{"capacity first", "0", "-1", "40", setupid::kCapacity},
                      SkeletonCase{"X frame count -1", "1000", "-1", "40", setupid::kFrameX},
                      SkeletonCase{"Y frame count 0", "1000", "50", "0", setupid::kFrameY},
                      SkeletonCase{"X beyond the limit", "1000", "100000000", "35",
                                   setupid::kFrameX},
                      SkeletonCase{"not a number", "abc", "50", "35", setupid::kCapacity}));

TEST(SkeletonSetupDialog, StoresFrequencyCountsAndAChangedCapacity) {
    CInfoSkeleton info;
    info.m_dCapacity = 1000.5;
    {
        CDlgSetupSkeleton dlg(info, 1);
        EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, setupid::kCapacity)->text(), "1000");
        EXPECT_TRUE(fw::FindControlAs<QAbstractButton>(&dlg, setupid::kFreq50)->isChecked());
        Click(&dlg, setupid::kFreq60);
        Type(&dlg, setupid::kFrameX, "70");
        Click(&dlg, 1);
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(info.m_nFrequency, 60);
    EXPECT_EQ(info.m_nFrameCountX, 70);
    // The untouched field shows the capacity cut to a whole number but keeps it.
    EXPECT_EQ(info.m_dCapacity, 1000.5);
    CDlgSetupSkeleton dlg(info, 1);
    Type(&dlg, setupid::kCapacity, "2000");
    Click(&dlg, 1);
    EXPECT_EQ(info.m_dCapacity, 2000.0);
}

TEST(SkeletonSetupDialog, AfterACalculationFrequencyAndCapacityAreLocked) {
    CInfoSkeleton info;
    for (int32_t mode : {1, 2, 3, 8}) {
        CDlgSetupSkeleton dlg(info, mode);
        const bool locked = mode >= 3;
        EXPECT_EQ(Control(&dlg, setupid::kFreq50)->isEnabled(), !locked) << mode;
        EXPECT_EQ(Control(&dlg, setupid::kFreq60)->isEnabled(), !locked) << mode;
        EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, setupid::kCapacity)->isReadOnly(), locked)
            << mode;
        EXPECT_FALSE(fw::FindControlAs<QLineEdit>(&dlg, setupid::kFrameX)->isReadOnly()) << mode;
    }
}

TEST(ProjectDialog, EightTextsComeBackOnOkAndCommentsKeepTheirLines) {
    CInfoProject info;
    info.m_strCustomer = "Acme";
    info.m_strComments = "first\r\nsecond";
    CDlgSetupProject dlg(info);
    EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dlg, setupid::kProjectFirst)->text(), "Acme");
    auto* comments = fw::FindControlAs<QPlainTextEdit>(&dlg, setupid::kProjectFirst + 7);
    ASSERT_NE(comments, nullptr);
    EXPECT_EQ(comments->toPlainText(), "first\nsecond");
    Type(&dlg, setupid::kProjectFirst + 1, "Plant");
    comments->setPlainText("a\nb");
    Click(&dlg, 1);
    EXPECT_EQ(info.m_strProject, "Plant");
    EXPECT_EQ(info.m_strComments, "a\r\nb");
}

// Answers the next settings dialog through a function and restores the runner.
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<int(QDialog&)> answer) {
        m_previous = CTovarineDoc::s_execDialog;
        CTovarineDoc::s_execDialog = std::move(answer);
    }
    ~DialogAnswer() { CTovarineDoc::s_execDialog = m_previous; }

private:
    std::function<int(QDialog&)> m_previous;
};

TEST(SetupCommands, SkeletonSetupPushesUndoAndANewFrequencyRereadsTheConductors) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    CObjGroup* g = doc->m_listGroups.AddNewGroup();
    g->SetElement(std::make_unique<CObjElement>(kKindWire));
    CObjElement* wire = g->GetElement();
    wire->DoInitNewElement(*doc);
    wire->SetVoltage(400, 0);
    static_cast<CEleWire*>(wire->GetElement())->m_basic.m_dLength = 50.0;
    wire->DoReadZFromDB(50);
    const double x50 = wire->DoCalcPercentZ(doc->GetEleSettings()).m_dX;
    ASSERT_GT(x50, 0.0);
    DialogAnswer answer([](QDialog& dlg) {
        Click(&dlg, setupid::kFreq60);
        Click(&dlg, 1);
        return dlg.result();
    });
    EXPECT_FALSE(doc->HasUndo());
    p.Main()->ExecuteCommand(tvid::ID_SETUP_SKELETON);
    EXPECT_EQ(doc->m_infoSkeleton.m_nFrequency, 60);
    EXPECT_TRUE(doc->HasUndo());
    EXPECT_TRUE(doc->IsModified());
    p.Main()->UpdateCommandUI();
    EXPECT_TRUE(p.Main()->GetAction(fw::id::EDIT_UNDO)->isEnabled());
    // Reactance grows with the frequency: 60 / 50 of the 50 Hz value.
    EXPECT_NEAR(wire->DoCalcPercentZ(doc->GetEleSettings()).m_dX, x50 * 60.0 / 50.0, 1e-9);
    // Undo brings 50 Hz back; a second undo is disabled.
    p.Main()->ExecuteCommand(fw::id::EDIT_UNDO);
    EXPECT_EQ(doc->m_infoSkeleton.m_nFrequency, 50);
    EXPECT_FALSE(doc->HasUndo());
    p.Main()->UpdateCommandUI();
    EXPECT_FALSE(p.Main()->GetAction(fw::id::EDIT_UNDO)->isEnabled());
}

TEST(SetupCommands, CancelChangesNothingAndPushesNoUndo) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    DialogAnswer answer([](QDialog& dlg) {
        Type(&dlg, CDlgSetupPage::IDC_LEFT, "33");
        Click(&dlg, 2);
        return dlg.result();
    });
    p.Main()->ExecuteCommand(tvid::ID_PAGE_SETUP_SKELETON);
    EXPECT_EQ(doc->m_infoSkeleton.m_rectMargins.left, 10);
    EXPECT_FALSE(doc->HasUndo());
    DialogAnswer ok([](QDialog& dlg) {
        Type(&dlg, CDlgSetupPage::IDC_LEFT, "33");
        Click(&dlg, 1);
        return dlg.result();
    });
    p.Main()->ExecuteCommand(tvid::ID_PAGE_SETUP_SKELETON);
    EXPECT_EQ(doc->m_infoSkeleton.m_rectMargins.left, 33);
    EXPECT_EQ(doc->m_infoImpeMap.m_rectMargins.left, 33); // the map prints with the skeleton
    EXPECT_TRUE(doc->HasUndo());
}

} // namespace
