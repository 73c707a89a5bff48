// The mode commands as the document's command handlers run them: the
// buttons' enabling, the messages with their captions and icons, and the
// wait cursor given back.

#include "ShellTestSupport.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "framework/CmdTarget.h"
#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"
#include "tests/app/TestNetwork.h"
#include "tests/common/MessageCapture.h"

#include <QAction>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

CObjElement* Put(CTovarineDoc& doc, int32_t kind, int col, int row, int cells = 0) {
    return tvtest::Place(doc, kind, col, row, 0, cells);
}

// A source, a transformer with complete data, a bus and a load: a skeleton
// that passes every check.
void DrawComplete(CTovarineDoc& doc) {
    tvtest::PlaceElement(doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
    CObjElement* t = tvtest::PlaceElement(doc, {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true});
    tvtest::ModelOf<CEleTrans3>(t).m_dRushPeak = 10.0;
    tvtest::ModelOf<CEleTrans3>(t).m_dDampingTime = 100.0;
    Put(doc, kKindZeroCond, 0, 5, 6);
    Put(doc, kKindLoad, 2, 6);
}

struct Button {
    bool enabled;
    int check;
};

Button Ask(CTovarineDoc& doc, unsigned id) {
    fw::CCmdUI ui(id);
    EXPECT_TRUE(doc.OnUpdateCmdMsg(ui)) << id;
    return {ui.IsEnabled(), ui.GetCheck().value_or(-1)};
}

TEST(ModeCommands, CheckThenCalculationTellTheUserAndMoveTheButtons) {
    CTovarineDoc doc;
    DrawComplete(doc);
    tvtest::MessageCapture messages;
    EXPECT_TRUE(Ask(doc, tvid::ID_MODE_CHECK).enabled);
    EXPECT_FALSE(Ask(doc, tvid::ID_MODE_CALCULATION).enabled);
    EXPECT_EQ(Ask(doc, tvid::ID_MODE_DRAWING).check, 1);

    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CHECK));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Check skeleton");
    EXPECT_EQ(messages.Last().text, "The check of the skeleton was completed.\r\n"
                                    "In order to calculate short-circuit current, please push "
                                    "button of 3.");
    EXPECT_EQ(messages.Last().type, fw::mb::Ok | fw::mb::IconInformation);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Ask(doc, tvid::ID_MODE_CHECK).check, 1);
    EXPECT_EQ(Ask(doc, tvid::ID_MODE_DRAWING).check, 0);
    EXPECT_TRUE(Ask(doc, tvid::ID_MODE_CALCULATION).enabled);

    // The button of the mode the document is in does nothing.
    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CHECK));
    EXPECT_EQ(messages.Count(), 1u);

    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CALCULATION));
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().caption, "Calculation");
    EXPECT_EQ(messages.Last().text, "The calculation of short-curcuit current was completed.\r\n"
                                    "In order to select automatically by Icu, please push "
                                    "button of Icu.");
    EXPECT_EQ(messages.Last().type, fw::mb::Ok | fw::mb::IconInformation);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(doc.m_nMode, 3);
    EXPECT_EQ(Ask(doc, tvid::ID_MODE_CALCULATION).check, 1);
    EXPECT_FALSE(Ask(doc, tvid::ID_MODE_CHECK).enabled);

    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_DRAWING));
    EXPECT_EQ(messages.Count(), 2u); // Drawing says nothing
    EXPECT_EQ(doc.m_nMode, 1);
}

TEST(ModeCommands, FailedChecksSpeakAsTheirTestsSay) {
    CTovarineDoc doc;
    DrawComplete(doc);
    // Incomplete data: the check's caption, the kind named.
    CObjElement* motor = Put(doc, kKindMotor, 3, 6); // a motor without data
    tvtest::MessageCapture messages;
    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CHECK));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Check skeleton");
    EXPECT_EQ(messages.Last().text, "Please input right data of motors.");
    EXPECT_EQ(messages.Last().type, fw::mb::Ok | fw::mb::IconInformation);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Overlapping symbols: the program's own caption and the exclamation.
    fw::CPoint onTheLoad(81, 241);
    motor->SetSymbolRect(&onTheLoad, nullptr);
    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CHECK));
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "Overlaps of element occur.");
    EXPECT_EQ(messages.Last().caption, fw::AppTitle());
    EXPECT_EQ(messages.Last().type, fw::mb::Ok | fw::mb::IconExclamation);
    EXPECT_EQ(doc.m_nMode, 1);
}

TEST(ModeCommands, TheSinglePhaseTestSpeaksWithTheProgramsCaption) {
    CTovarineDoc doc;
    DrawComplete(doc);
    // A capacitor below a single-phase transformer hung on the bus.
    CObjElement* t1 = Put(doc, kKindTrans1, 4, 6);
    fw::CRect r;
    t1->GetSymbolRect(&r);
    CObjElement* cap = Put(doc, kKindCapacitor, 4, r.bottom / 40);
    tvtest::MessageCapture messages;
    ASSERT_TRUE(doc.OnCmdMsg(tvid::ID_MODE_CHECK));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, fw::LoadString(25399));
    EXPECT_FALSE(messages.Last().text.empty());
    EXPECT_EQ(messages.Last().caption, fw::AppTitle());
    EXPECT_EQ(messages.Last().type, fw::mb::Ok | fw::mb::IconExclamation);
    EXPECT_EQ(cap->GetErrorMark(), 1u);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The snapshot was taken: Undo is offered.
    fw::CCmdUI ui(fw::id::EDIT_UNDO);
    ASSERT_TRUE(doc.OnUpdateCmdMsg(ui));
    EXPECT_TRUE(ui.IsEnabled());
}

// The buttons of the main frame's toolbar, updated through the frame's
// command route, follow the mode of the open project.
TEST(ModeCommands, TheToolbarFollowsTheLadder) {
    shelltest::StartedProgram p;
    ASSERT_TRUE(p.started);
    CMainFrame* main = p.Main();
    CTovarineDoc* doc = p.app->GetActiveDocument();
    ASSERT_NE(doc, nullptr);
    DrawComplete(*doc);
    tvtest::MessageCapture messages;
    struct State {
        bool enabled;
        bool checked;
    };
    auto state = [&](unsigned id) {
        main->UpdateCommandUI();
        QAction* action = main->GetAction(id);
        return State{action->isEnabled(), action->isCheckable() && action->isChecked()};
    };
    auto expect = [&](const char* where, State drawing, State check, State calculation) {
        for (auto [id, want] :
             {std::pair{tvid::ID_MODE_DRAWING, drawing}, std::pair{tvid::ID_MODE_CHECK, check},
              std::pair{tvid::ID_MODE_CALCULATION, calculation}}) {
            const State got = state(id);
            EXPECT_EQ(got.enabled, want.enabled) << where << ", button " << id;
            EXPECT_EQ(got.checked, want.checked) << where << ", button " << id;
        }
    };
    expect("drawing", {true, true}, {true, false}, {false, false});
    main->GetAction(tvid::ID_MODE_CHECK)->trigger();
    ASSERT_EQ(doc->m_nMode, 2);
    expect("checked", {true, false}, {true, true}, {true, false});
    main->GetAction(tvid::ID_MODE_CALCULATION)->trigger();
    ASSERT_EQ(doc->m_nMode, 3);
    expect("calculated", {true, false}, {false, false}, {true, true});
    main->GetAction(tvid::ID_MODE_DRAWING)->trigger();
    ASSERT_EQ(doc->m_nMode, 1);
    expect("drawing again", {true, true}, {true, false}, {false, false});
    EXPECT_EQ(messages.Count(), 2u);
}

} // namespace
