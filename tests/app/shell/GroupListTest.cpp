// "Group list View" and "Registration group" on a started program: opening
// without creating the library, registering pasted groups (in reverse order
// at the selection), editing, deleting, the save question on closing (Yes
// writes, No keeps the file, Cancel keeps the dialog), a failed save, a
// damaged library, copying and dragging a registered group into the
// skeleton, and the main frame's command and close.

#include "ShellTestSupport.h"

#include "app/elements/supply/CEleSource.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineSrvrItem.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/dialogs/CDlgViewGroup.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CRegistGroup.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/HexFixture.h"
#include "tests/common/MessageCapture.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// A started program with a project, its skeleton view, a library file in a
// temporary folder and the registration dialog answered by a list of names
// (an empty name is entered as it stands; "-" cancels).
struct GroupList {
    GroupList() {
        previousSeam = DialogSeam<CEleSourceEdit>::run;
        DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit&) { return false; };
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        view = p.Main()->SkeletonFrame
                   ? dynamic_cast<CTovarineView1*>(p.Main()->SkeletonFrame->GetActiveView())
                   : nullptr;
        QGuiApplication::clipboard()->clear();
        CDlgViewGroup::s_execRegist = [this](CDlgViewRegistGroup& dialog) {
            if (names.empty())
                return int(QDialog::Rejected);
            std::string name = names.front();
            names.erase(names.begin());
            if (name == "-")
                return int(QDialog::Rejected);
            dialog.m_editName->setText(QString::fromStdString(name));
            dialog.m_editExplanation->setText(QString::fromStdString("about " + name));
            dialog.accept();
            return dialog.result();
        };
    }
    ~GroupList() {
        CDlgViewGroup::s_execRegist = nullptr;
        CDlgViewGroup::s_drag = nullptr;
        DialogSeam<CEleSourceEdit>::run = previousSeam;
    }
    bool Ready() const { return doc && view && dbs.IsOpen(); }
    std::vector<std::string> Entries(CDlgViewGroup* dialog) const {
        std::vector<std::string> out;
        for (int i = 0; i < dialog->GetEntryCount(); ++i)
            out.push_back(dialog->m_list->topLevelItem(i)->text(0).toStdString() + "|" +
                          dialog->m_list->topLevelItem(i)->text(1).toStdString());
        return out;
    }
    std::vector<std::string> FileNames() const {
        CObjGroupList list;
        CRegistGroup(path).Read(list);
        std::vector<std::string> out;
        for (auto& g : list)
            out.push_back(g->m_strName);
        return out;
    }
    // A library holding the compound group "G".
    void WriteLibraryG() {
        WriteAll(path,
                 tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_compound.hex"));
    }

    StartedProgram p;
    elementtest::ModelDatabasesScope dbs;
    tvtest::MessageCapture messages;
    tvtest::TempFolder folder;
    std::string path = folder.Path() + "tovarine.mgr";
    CTovarineDoc* doc = nullptr;
    CTovarineView1* view = nullptr;
    std::vector<std::string> names;
    std::function<bool(CEleSourceEdit&)> previousSeam;
};

#define REQUIRE_READY(s) ASSERT_TRUE((s).Ready()) << "program, view or databases missing"

} // namespace

TEST(GroupListView, OpensEmptyWithoutCreatingTheLibraryAndEscapeDoesNotClose) {
    GroupList s;
    CDlgViewGroup* dialog = CDlgViewGroup::Open(s.path, s.p.Main());
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    EXPECT_EQ(dialog->GetEntryCount(), 0);
    EXPECT_EQ(dialog->m_list->headerItem()->text(0).toStdString(), "Group");
    EXPECT_EQ(dialog->m_list->headerItem()->text(1).toStdString(), "Explanation");
    EXPECT_FALSE(std::filesystem::exists(s.path));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog, &escape);
    EXPECT_TRUE(dialog->isVisible());
    // Nothing changed: no question, no file.
    EXPECT_TRUE(dialog->close());
    EXPECT_EQ(s.messages.Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(s.path));
    shelltest::FlushDeletes();
}

TEST(GroupListView, PastedGroupsAreNamedAndStandReversedAtTheSelectionThenSaved) {
    GroupList s;
    REQUIRE_READY(s);
    s.WriteLibraryG();
    s.p.Main()->ExecuteCommand(tvid::ID_INSERT_BUSBAR);
    s.p.Main()->ExecuteCommand(tvid::ID_INSERT_WIRE);
    s.p.Main()->ExecuteCommand(fw::id::EDIT_SELECT_ALL);
    s.p.Main()->ExecuteCommand(fw::id::EDIT_COPY);
    CDlgViewGroup* dialog = CDlgViewGroup::Open(s.path, s.p.Main());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(s.Entries(dialog), (std::vector<std::string>{"G|"}));
    EXPECT_TRUE(dialog->IsCommandEnabled(CDlgViewGroup::kPaste));
    EXPECT_FALSE(dialog->IsCommandEnabled(CDlgViewGroup::kCopy));
    EXPECT_FALSE(dialog->IsCommandEnabled(CDlgViewGroup::kEdit));

    // The first name is left empty once: the dialog says so and stays.
    s.names = {"", "Bar", "Feeder"};
    CDlgViewGroup::s_execRegist = [&](CDlgViewRegistGroup& regist) {
        EXPECT_EQ(regist.m_editName->text().toStdString(), ""); // cleared
        std::string name = s.names.front();
        s.names.erase(s.names.begin());
        regist.m_editName->setText(QString::fromStdString(name));
        regist.m_editExplanation->setText(QString::fromStdString("about " + name));
        regist.accept();
        if (regist.result() != QDialog::Accepted) {
            EXPECT_EQ(s.messages.Last().text, "Please name a group. If it names, it can register.");
            EXPECT_EQ(s.messages.Last().type, fw::mb::Ok);
            name = s.names.front();
            s.names.erase(s.names.begin());
            regist.m_editName->setText(QString::fromStdString(name));
            regist.accept();
        }
        return regist.result();
    };
    dialog->OnPaste(); // nothing selected: both at the top, the second first
    EXPECT_EQ(s.Entries(dialog),
              (std::vector<std::string>{"Feeder|about Feeder", "Bar|about ", "G|"}));
    EXPECT_EQ(dialog->GetEntryGroup(0)->m_ptAnchorOffset, fw::CPoint());
    EXPECT_TRUE(dialog->IsModified());

    s.messages.Answer(fw::mb::IdYes);
    EXPECT_TRUE(dialog->close());
    EXPECT_EQ(s.messages.Last().text,
              "The contents of registration of a group are changed. Is change saved?");
    EXPECT_EQ(s.messages.Last().type,
              static_cast<unsigned>(fw::mb::YesNoCancel | fw::mb::IconQuestion));
    EXPECT_EQ(s.FileNames(), (std::vector<std::string>{"Feeder", "Bar", "G"}));
    shelltest::FlushDeletes();
}

TEST(GroupListView, DeleteAsksAndClosingWithNoKeepsTheFileCancelKeepsTheDialog) {
    GroupList s;
    s.WriteLibraryG();
    const std::vector<uint8_t> old = ReadAll(s.path);
    CDlgViewGroup* dialog = CDlgViewGroup::Open(s.path, s.p.Main());
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    dialog->SelectEntry(0);
    s.messages.Answer(fw::mb::IdNo);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(dialog, &del);
    EXPECT_EQ(s.messages.Last().text, "May I delete the group chosen?");
    EXPECT_EQ(s.messages.Last().type, static_cast<unsigned>(fw::mb::YesNo | fw::mb::IconQuestion));
    EXPECT_EQ(dialog->GetEntryCount(), 1);
    s.messages.Answer(fw::mb::IdYes);
    dialog->OnDelete();
    EXPECT_EQ(dialog->GetEntryCount(), 0);

    s.messages.Answer(fw::mb::IdCancel);
    EXPECT_FALSE(dialog->close());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->GetEntryCount(), 0);
    s.messages.Answer(fw::mb::IdNo);
    EXPECT_TRUE(dialog->close());
    EXPECT_EQ(ReadAll(s.path), old);
    shelltest::FlushDeletes();
}

// The library was cleared and then appended to: a write that failed lost
// it. Now the old file stays, and so does the dialog with the changes.
TEST(GroupListView, ASaveThatFailsKeepsTheOldLibraryAndTheDialog) {
    GroupList s;
    s.WriteLibraryG();
    const std::vector<uint8_t> old = ReadAll(s.path);
    CDlgViewGroup* dialog = CDlgViewGroup::Open(s.path, s.p.Main());
    ASSERT_NE(dialog, nullptr);
    dialog->SelectEntry(0);
    s.names = {"Renamed"};
    dialog->OnEdit();
    EXPECT_EQ(s.Entries(dialog), (std::vector<std::string>{"Renamed|about Renamed"}));
    {
        tvtest::FaultyFileOps full(tvtest::FaultyFileOps::AtFirstByte);
        s.messages.Answer(fw::mb::IdYes);
        EXPECT_FALSE(dialog->DoClose());
    }
    EXPECT_EQ(s.messages.Last().type & fw::mb::IconMask, fw::mb::IconStop);
    EXPECT_NE(s.messages.Last().text.find(tvtest::ReasonOf(ENOSPC)), std::string::npos);
    EXPECT_EQ(ReadAll(s.path), old);
    EXPECT_EQ(s.Entries(dialog), (std::vector<std::string>{"Renamed|about Renamed"}));
    s.messages.Answer(fw::mb::IdYes);
    EXPECT_TRUE(dialog->DoClose());
    EXPECT_EQ(s.FileNames(), (std::vector<std::string>{"Renamed"}));
    shelltest::FlushDeletes();
}

// Opened empty, the next save would have overwritten the library it could
// not read.
TEST(GroupListView, ADamagedLibraryIsReportedAndNoListOpens) {
    GroupList s;
    std::vector<uint8_t> cut =
        tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_compound.hex");
    cut.resize(cut.size() / 2);
    WriteAll(s.path, cut);
    EXPECT_EQ(CDlgViewGroup::Open(s.path, s.p.Main()), nullptr);
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().type & fw::mb::IconMask, fw::mb::IconStop);
    EXPECT_EQ(ReadAll(s.path), cut);
}

TEST(GroupListView, ARegisteredGroupIsCopiedOrDraggedIntoTheSkeletonAsNewElements) {
    GroupList s;
    REQUIRE_READY(s);
    s.p.Main()->ExecuteCommand(tvid::ID_INSERT_BUSBAR); // BB1
    s.p.Main()->ExecuteCommand(fw::id::EDIT_COPY);
    CDlgViewGroup* dialog = CDlgViewGroup::Open(s.path, s.p.Main());
    ASSERT_NE(dialog, nullptr);
    s.names = {"Bar"};
    dialog->OnPaste();
    ASSERT_EQ(dialog->GetEntryCount(), 1);
    dialog->SelectEntry(0);
    EXPECT_TRUE(dialog->IsCommandEnabled(CDlgViewGroup::kCopy));
    QGuiApplication::clipboard()->clear();
    dialog->OnCopy();
    s.p.Main()->ExecuteCommand(fw::id::EDIT_PASTE);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 2);
    EXPECT_EQ(s.doc->m_listGroups.GetTail()->GetElement()->GetName(), "BB2");

    // Dragged: its top-left lands 20 units up and left of the cursor (at
    // 100%), and a move from the library is as new as a copy.
    auto dc = s.view->GetClientDC();
    fw::CPoint at(421, 621);
    dc->LPtoDP(&at);
    CDlgViewGroup::s_drag = [&](QMimeData* data, Qt::DropActions) {
        EXPECT_NE(s.view->OnDragEnter(data, Qt::NoModifier, at), Qt::IgnoreAction);
        return s.view->OnDrop(data, Qt::MoveAction, at) ? Qt::MoveAction : Qt::IgnoreAction;
    };
    EXPECT_EQ(dialog->DoDragEntry(), Qt::MoveAction);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 3);
    CObjGroup* dropped = s.doc->m_listGroups.GetTail();
    EXPECT_EQ(dropped->GetElement()->GetName(), "BB3");
    fw::CRect r;
    dropped->GetElement()->GetSymbolRect(&r);
    EXPECT_EQ(r.TopLeft(), fw::CPoint(401, 601));
    // The entry stays in the list.
    EXPECT_EQ(dialog->GetEntryCount(), 1);
    s.messages.Answer(fw::mb::IdNo);
    dialog->close();
    shelltest::FlushDeletes();
}

TEST(GroupListView, TheMainFramesCommandOpensAndClosesAndItsCloseAsksFirst) {
    GroupList s;
    REQUIRE_READY(s);
    CMainFrame* main = s.p.Main();
    main->ExecuteCommand(tvid::ID_VIEW_GROUPLIST);
    auto* dialog = dynamic_cast<CDlgViewGroup*>(main->m_pDlgViewGroup);
    ASSERT_NE(dialog, nullptr);
    main->ExecuteCommand(tvid::ID_VIEW_GROUPLIST);
    EXPECT_EQ(main->m_pDlgViewGroup, nullptr);
    shelltest::FlushDeletes();

    // Unsaved changes: the program's close asks, and Cancel keeps both open.
    main->ExecuteCommand(tvid::ID_VIEW_GROUPLIST);
    dialog = dynamic_cast<CDlgViewGroup*>(main->m_pDlgViewGroup);
    ASSERT_NE(dialog, nullptr);
    s.p.app->GetActiveDocument()->SetModifiedFlag(false);
    main->ExecuteCommand(tvid::ID_INSERT_BUSBAR);
    main->ExecuteCommand(fw::id::EDIT_COPY);
    s.names = {"Bar"};
    dialog->OnPaste();
    s.p.app->GetActiveDocument()->SetModifiedFlag(false);
    s.messages.Answer(fw::mb::IdCancel);
    EXPECT_FALSE(main->OnClose());
    EXPECT_EQ(s.messages.Last().text,
              "The contents of registration of a group are changed. Is change saved?");
    EXPECT_EQ(main->m_pDlgViewGroup, dialog);
    s.messages.Answer(fw::mb::IdNo);
    main->ExecuteCommand(tvid::ID_VIEW_GROUPLIST);
    EXPECT_EQ(main->m_pDlgViewGroup, nullptr);
    shelltest::FlushDeletes();
}
