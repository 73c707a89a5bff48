// The skeleton view of a started program on the reference databases, driven
// through its commands and mouse handlers: placing at the insertion point
// and the advance that connects successive elements, the neighbour check,
// commands of kinds still missing shown disabled, selection by click, Shift
// and rubber band, the context menu of each mode, delete with its question,
// grouping, release and rotation, double-click edits and their hints, the
// zoom box, scroll sizes, update hints, drawing at three zooms and printing.

#include "ShellTestSupport.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/supply/CEleSource.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/CTVUpdate.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/common/MessageCapture.h"
#include "tests/common/PdfFile.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "tests/common/FixtureDb.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

// Records what the document tells a second view.
class RecordingView : public fw::CView {
public:
    struct Update {
        long hint;
        uint32_t first;
        uint32_t second;
        fw::CRect rect;
    };
    void OnUpdate(fw::CView*, long hint, fw::CObject* object) override {
        Update u{hint, 0, 0, fw::CRect()};
        if (auto* upd = dynamic_cast<CTVUpdate*>(object)) {
            u.first = upd->m_dwFirst;
            u.second = upd->m_dwSecond;
            u.rect = fw::CRect(upd->m_nLeft, upd->m_nTop, upd->m_nRight, upd->m_nBottom);
        }
        updates.push_back(u);
    }
    std::vector<Update> updates;
};

// A started program with a new project, its skeleton view at a known size,
// and the reference databases behind the element models.
struct Skeleton {
    Skeleton() {
        // The program registered the real dialogs; tests answer them.
        previousSeam = DialogSeam<CEleSourceEdit>::run;
        DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit&) { return false; };
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        frame = p.Main()->SkeletonFrame;
        view = frame ? dynamic_cast<CTovarineView1*>(frame->GetActiveView()) : nullptr;
    }
    ~Skeleton() { DialogSeam<CEleSourceEdit>::run = previousSeam; }

    bool Ready() const { return doc && view && dbs.IsOpen(); }
    void Run(unsigned command) { p.Main()->ExecuteCommand(command); }
    CObjGroup* Last() const { return doc->m_listGroups.GetTail(); }
    CObjElement* LastElement() const { return Last() ? Last()->GetElement() : nullptr; }
    fw::CRect Rect(CObjElement* e) const {
        fw::CRect r;
        e->GetSymbolRect(&r);
        return r;
    }
    // The window point over a logical point of the diagram.
    fw::CPoint Device(fw::CPoint logical) {
        auto dc = view->GetClientDC();
        dc->LPtoDP(&logical);
        return logical;
    }
    fw::CPoint Centre(CObjElement* e) { return Device(Rect(e).CenterPoint()); }
    bool IsEnabled(unsigned command) {
        QAction* action = frame->GetAction(command);
        p.Main()->UpdateCommandUI();
        return action->isEnabled();
    }

    StartedProgram p;
    elementtest::ModelDatabasesScope dbs;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CChildFrame1* frame = nullptr;
    CTovarineView1* view = nullptr;
    std::function<bool(CEleSourceEdit&)> previousSeam;
};

#define REQUIRE_READY(s) ASSERT_TRUE((s).Ready()) << "program, view or databases missing"

} // namespace

// ---------------------------------------------------------------- placing

TEST(SkeletonPlacing, FirstElementOfANewProjectLandsAt161_41) {
    Skeleton s;
    REQUIRE_READY(s);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(160, 40));
    s.Run(tvid::ID_INSERT_SOURCE);
    ASSERT_NE(s.LastElement(), nullptr);
    EXPECT_EQ(s.LastElement()->GetKind(), kKindSource);
    // The cell of (160, 40) has its corner at (160, 40): one unit inside it.
    EXPECT_EQ(s.Rect(s.LastElement()).TopLeft(), fw::CPoint(161, 41));
    EXPECT_EQ(s.Last()->GetSelected(), 1);
    EXPECT_TRUE(s.doc->IsModified());
    EXPECT_TRUE(s.doc->HasUndo());
    // The new element took its number.
    EXPECT_EQ(s.LastElement()->GetName(), "SOURCE1");
}

TEST(SkeletonPlacing, SuccessiveVerticalInsertionsConnect) {
    // A source 80 high (79 from its corner): the point goes down by
    // 79 / 40 * 40 + 40 = 80, so the transformer's top (121) is one unit
    // below the source's bottom (120): touching, connected. The same down
    // the column; no empty cell is left between them.
    Skeleton s;
    REQUIRE_READY(s);
    const unsigned column[] = {tvid::ID_INSERT_SOURCE, tvid::ID_INSERT_TRANS3,
                               tvid::ID_INSERT_BUSBAR, tvid::ID_INSERT_WIRE, tvid::ID_INSERT_MOTOR};
    const int32_t tops[] = {41, 121, 241, 401, 561};
    const int32_t bottoms[] = {120, 240, 400, 560, 600};
    std::vector<CObjElement*> placed;
    for (size_t i = 0; i < std::size(column); ++i) {
        s.Run(column[i]);
        ASSERT_NE(s.LastElement(), nullptr);
        placed.push_back(s.LastElement());
        EXPECT_EQ(s.Rect(placed.back()).top, tops[i]) << i;
        EXPECT_EQ(s.Rect(placed.back()).bottom, bottoms[i]) << i;
    }
    for (size_t i = 1; i < placed.size(); ++i) {
        CObjElementList list;
        list.CollectFromGroups(s.doc->m_listGroups, 0, 0);
        EXPECT_EQ(list.FindNeighbour(placed[i], 16, 0), placed[i - 1]) << i;
    }
    // Only the last one is selected.
    EXPECT_EQ(s.doc->m_listGroups.GetSelected(), 1);
    // Past the motor (39 high): 560 + 0 + 40.
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(160, 600));
}

TEST(SkeletonPlacing, HorizontalVariantsTurnOnceAndAdvanceToTheRight) {
    // A bus-bar 39 x 159 turned once is 159 x 39 at the same corner; the
    // point moves right by 159 / 40 * 40 + 40 = 160 and the next one
    // touches it at x 320 / 321.
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR_H);
    CObjElement* first = s.LastElement();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(s.Rect(first), fw::CRect(161, 41, 320, 80));
    EXPECT_EQ(first->GetHorizontal(), 1);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(320, 40));
    s.Run(tvid::ID_INSERT_WIRE_H);
    CObjElement* second = s.LastElement();
    EXPECT_EQ(s.Rect(second), fw::CRect(321, 41, 480, 80));
    EXPECT_EQ(second->GetHorizontal(), 1);
    CObjElementList list;
    list.CollectFromGroups(s.doc->m_listGroups, 0, 0);
    EXPECT_EQ(list.FindNeighbour(second, 128, 0), first);
}

TEST(SkeletonPlacing, TextBoxIsMeasuredAndPlacedUnsnapped) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_TEXT);
    CObjElement* text = s.LastElement();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetKind(), kKindText);
    fw::CRect r = s.Rect(text);
    EXPECT_EQ(r.TopLeft(), fw::CPoint(161, 41));
    EXPECT_GT(r.Width(), 0);
    // Advanced downward past its height.
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert.y, 40 + (r.bottom - r.top) / 40 * 40 + 40);
}

TEST(SkeletonPlacing, SingleSidedNeighbourIsMarkedAndReported) {
    // The capacitor checks the element above it: under a single-phase
    // transformer it is marked and the warning shows once. A bus-bar has
    // no check at all.
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_TRANS1);
    s.messages.Clear();
    s.Run(tvid::ID_INSERT_CAPACITOR);
    CObjElement* capacitor = s.LastElement();
    ASSERT_NE(capacitor, nullptr);
    EXPECT_EQ(capacitor->GetErrorMark(), 1u);
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().text, fw::LoadString(tvid::IDS_SINGLE_PHASE_NEIGHBOUR));
    EXPECT_EQ(s.messages.Last().type & fw::mb::IconMask, fw::mb::IconExclamation);
    // Nothing is undone: it stays placed.
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 2);
}

TEST(SkeletonPlacing, NoNeighbourCheckWithoutASinglePhaseNeighbour) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_TRANS3);
    s.messages.Clear();
    s.Run(tvid::ID_INSERT_CAPACITOR);
    EXPECT_EQ(s.LastElement()->GetErrorMark(), 0u);
    EXPECT_EQ(s.messages.Count(), 0u);
}

TEST(SkeletonPlacing, EveryInsertCommandIsEnabledInDrawingMode) {
    Skeleton s;
    REQUIRE_READY(s);
    for (unsigned command :
         {tvid::ID_INSERT_SOURCE, tvid::ID_INSERT_BUSDUCT_H, tvid::ID_INSERT_TRANS1,
          tvid::ID_INSERT_TEXT, tvid::ID_INSERT_LVCB, tvid::ID_INSERT_LVCB_LEFT,
          tvid::ID_INSERT_LVCB_RIGHT, tvid::ID_INSERT_HVCB, tvid::ID_INSERT_CONTACTOR})
        EXPECT_TRUE(s.IsEnabled(command)) << command;
}

// The contactor comes with its thermal relay one unit below it: connected,
// both numbered, the relay taking the contactor's voltage.
TEST(SkeletonPlacing, ContactorComesWithItsThermalRelay) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_CONTACTOR);
    CObjElementList all;
    s.doc->CollectElements(all);
    CObjElement* contactor = nullptr;
    CObjElement* thermal = nullptr;
    for (CObjElement* e : all) {
        if (e->GetKind() == kKindContactor)
            contactor = e;
        if (e->GetKind() == kKindThermal)
            thermal = e;
    }
    ASSERT_NE(contactor, nullptr);
    ASSERT_NE(thermal, nullptr);
    EXPECT_EQ(contactor->GetName(), "MC1");
    EXPECT_EQ(thermal->GetName(), "THR1");
    fw::CRect c, t;
    contactor->GetSymbolRect(&c);
    thermal->GetSymbolRect(&t);
    EXPECT_EQ(t.top, c.bottom + 1);
    EXPECT_EQ(t.left, c.left);
    ASSERT_NE(thermal->GetObjAdjust(), nullptr);
    EXPECT_EQ(thermal->IsCalcPoint(), 1);
}

// The high-voltage breaker is placed with its characteristic: the list's
// default high voltage and CT, named by its number.
TEST(SkeletonPlacing, HighVoltageBreakerComesWithItsRelay) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_HVCB);
    CObjElement* e = s.LastElement();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetKind(), kKindHVCB);
    EXPECT_EQ(e->GetName(), "HCB1");
    ASSERT_NE(e->GetObjAdjust(), nullptr);
    EXPECT_EQ(e->GetObjAdjust()->m_infoBase.m_nCT2Current, 5);
    EXPECT_GE(e->GetVoltage(), 1000);
    EXPECT_EQ(e->DoCheckData(), 0);
}

TEST(SkeletonPlacing, InsertingOutsideDrawingModeIsDisabledAndDoesNothing) {
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_nMode = 3;
    EXPECT_FALSE(s.IsEnabled(tvid::ID_INSERT_SOURCE));
    s.Run(tvid::ID_INSERT_SOURCE);
    s.Run(tvid::ID_INSERT_TEXT);
    EXPECT_TRUE(s.doc->m_listGroups.IsEmpty());
    EXPECT_FALSE(s.doc->HasUndo());
}

TEST(SkeletonPlacing, FrameGrowsWithAnElementBeyondIt) {
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_infoSkeleton.m_ptInsert = fw::CPoint(2960, 40); // the frame is 2000 wide
    s.Run(tvid::ID_INSERT_BUSBAR_H);
    // Union 2961..3120 grown by 1: right 3121, 3121 / 40 + 1 = 79 columns.
    EXPECT_EQ(s.doc->m_infoSkeleton.m_nFrameCountX, 79);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_nFrameCountY, 35);
}

// ---------------------------------------------------------------- delete, group, rotate

TEST(SkeletonEditing, DeleteAnsweredNoChangesNothingNotEvenTheUndo) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    ASSERT_EQ(s.doc->m_listGroups.GetSelected(), 1);
    s.doc->SetModifiedFlag(false);
    s.messages.Answer(fw::mb::IdNo);
    s.Run(fw::id::EDIT_CLEAR);
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().text, "May I delete the element chosen?");
    EXPECT_EQ(s.messages.Last().type & fw::mb::ButtonMask, fw::mb::YesNo);
    EXPECT_EQ(s.messages.Last().type & fw::mb::IconMask, fw::mb::IconQuestion);
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 1);
    EXPECT_FALSE(s.doc->IsModified());
    // The snapshot is still the insertion's: undo takes the bus-bar away.
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_TRUE(s.doc->m_listGroups.IsEmpty());
}

TEST(SkeletonEditing, DeleteAnsweredYesIsUndoable) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    RecordingView other;
    s.doc->AddView(&other);
    s.messages.Answer(fw::mb::IdYes);
    s.Run(fw::id::EDIT_CLEAR); // the wire is the one selected
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 1);
    EXPECT_EQ(s.LastElement()->GetKind(), kKindBusBar);
    bool deleted = false;
    for (const auto& u : other.updates)
        deleted = deleted || u.hint == tvhint::kDeleted;
    EXPECT_TRUE(deleted);
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 2);
    s.doc->RemoveView(&other);
}

TEST(SkeletonEditing, DeleteKeyOnlyWithASelectionInDrawingMode) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    EXPECT_TRUE(s.IsEnabled(fw::id::EDIT_CLEAR));
    s.doc->m_nMode = 2;
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_CLEAR));
    s.Run(fw::id::EDIT_CLEAR);
    EXPECT_EQ(s.messages.Count(), 0u);
    s.doc->m_nMode = 1;
    s.doc->m_listGroups.DoClearSelection(*s.doc);
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_CLEAR));
}

TEST(SkeletonEditing, GroupThenReleaseAndGroupingInEveryMode) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    EXPECT_FALSE(s.IsEnabled(tvid::ID_EDIT_GROUP)); // one selected
    s.Run(fw::id::EDIT_SELECT_ALL);
    EXPECT_EQ(s.doc->m_listGroups.GetSelected(), 2);
    s.doc->m_nMode = 5;
    EXPECT_TRUE(s.IsEnabled(tvid::ID_EDIT_GROUP));
    EXPECT_FALSE(s.IsEnabled(tvid::ID_EDIT_ROTATE));
    s.doc->m_nMode = 1;
    s.Run(tvid::ID_EDIT_GROUP);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 1);
    CObjGroup* group = s.Last();
    EXPECT_EQ(group->GetChildren().GetCount(), 2);
    EXPECT_EQ(group->GetSelected(), 1);
    // The union of bus-bar (161, 41, 200, 200) and wire (161, 201, 200, 360).
    EXPECT_EQ(group->m_rect, fw::CRect(161, 41, 200, 360));
    EXPECT_TRUE(s.IsEnabled(tvid::ID_EDIT_UNGROUP));
    s.Run(tvid::ID_EDIT_UNGROUP);
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 2);
    EXPECT_FALSE(s.IsEnabled(tvid::ID_EDIT_UNGROUP));
    // Undo brings the group back.
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 1);
}

TEST(SkeletonEditing, RotateTogglesAConductorAndLeavesOthers) {
    // Rotation turns each selected conductor by a quarter: its orientation
    // word steps to the next state (0 and 1 for conductors), so twice is
    // back to vertical. The wire (161, 41, 200, 200), centre (180, 120),
    // turns to top (121 / 40) * 40 - 39 = 81, left ((180 - 79) / 40) * 40 +
    // 41 = 121: (121, 81, 280, 120).
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_WIRE);
    CObjElement* wire = s.LastElement();
    EXPECT_TRUE(s.IsEnabled(tvid::ID_EDIT_ROTATE));
    s.Run(tvid::ID_EDIT_ROTATE);
    EXPECT_EQ(wire->GetHorizontal(), 1);
    EXPECT_EQ(s.Rect(wire), fw::CRect(121, 81, 280, 120));
    EXPECT_EQ(s.Last()->m_rect, fw::CRect(121, 81, 280, 120));
    s.Run(tvid::ID_EDIT_ROTATE);
    EXPECT_EQ(wire->GetHorizontal(), 0);
    s.Run(tvid::ID_INSERT_MOTOR);
    EXPECT_FALSE(s.IsEnabled(tvid::ID_EDIT_ROTATE)); // a motor does not turn
}

// ---------------------------------------------------------------- mouse

TEST(SkeletonMouse, ClickSelectsShiftTogglesAndEmptyClickMovesTheInsertionPoint) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    CObjGroup* busbar = s.doc->m_listGroups.GetHead();
    CObjGroup* wire = s.Last();
    s.view->OnLButtonDown(0, s.Centre(busbar->GetElement()));
    EXPECT_EQ(busbar->GetSelected(), 1);
    EXPECT_EQ(wire->GetSelected(), 0);
    s.view->OnLButtonDown(4, s.Centre(wire->GetElement()));
    EXPECT_EQ(wire->GetSelected(), 1);
    EXPECT_EQ(busbar->GetSelected(), 1);
    s.view->OnLButtonDown(4, s.Centre(busbar->GetElement()));
    EXPECT_EQ(busbar->GetSelected(), 0);

    // An empty place: everything deselected, the insertion point moves there
    // and a rubber band starts (here an empty one).
    int bands = 0;
    s.view->SetRubberBandHook([&](fw::CPoint) {
        ++bands;
        return fw::CRect();
    });
    s.view->OnLButtonDown(0, s.Device(fw::CPoint(610, 95)));
    EXPECT_EQ(s.doc->m_listGroups.GetSelected(), 0);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(610, 95));
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptClick, fw::CPoint(610, 95));
    EXPECT_EQ(bands, 1);
    s.Run(tvid::ID_INSERT_MOTOR);
    EXPECT_EQ(s.Rect(s.LastElement()).TopLeft(), fw::CPoint(601, 81));
}

TEST(SkeletonMouse, RubberBandSelectsTheSameEitherWay) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR_H); // (161, 41, 320, 80)
    s.doc->m_infoSkeleton.m_ptInsert = fw::CPoint(160, 400);
    s.Run(tvid::ID_INSERT_MOTOR); // (161, 401, 200, 440)
    const fw::CPoint from = s.Device(fw::CPoint(100, 20));
    const fw::CPoint to = s.Device(fw::CPoint(250, 100));
    for (bool reversed : {false, true}) {
        s.doc->m_listGroups.DoClearSelection(*s.doc);
        s.view->SetRubberBandHook([&](fw::CPoint) {
            return reversed ? fw::CRect(to.x, to.y, from.x, from.y)
                            : fw::CRect(from.x, from.y, to.x, to.y);
        });
        s.view->OnLButtonDown(0, from);
        EXPECT_EQ(s.doc->m_listGroups.GetHead()->GetSelected(), 1) << reversed;
        EXPECT_EQ(s.Last()->GetSelected(), 0) << reversed;
    }
}

TEST(SkeletonMouse, ContextMenuOfEachMode) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    struct Shown {
        unsigned menu;
        std::string popup;
    };
    std::vector<Shown> shown;
    s.view->SetPopupHook([&](unsigned menu, const std::string& popup, fw::CPoint) {
        shown.push_back({menu, popup});
    });
    const fw::CPoint empty = s.Device(fw::CPoint(900, 900));
    const fw::CPoint onBar = s.Centre(s.LastElement());
    struct Case {
        int32_t mode;
        bool onElement;
        unsigned menu; // 0: none
        const char* popup;
    } cases[] = {
        {1, false, 140, "Un-selecting"},
        {1, true, 140, "SomeSelecting"},
        {2, false, 0, ""},
        {2, true, 141, "SomeSelecting"},
        {3, true, 141, "SomeSelecting"},
        {4, false, 142, "Un-Selecting"},
        {4, true, 142, "SomeSelecting"},
        {5, false, 0, ""},
        {5, true, 143, "SomeSelecting"},
        {6, true, 144, "SomeSelecting"},
        {7, true, 145, "SomeSelecting"},
        {8, false, 0, ""},
        {8, true, 146, "OneSelecting"},
    };
    for (const Case& c : cases) {
        s.doc->m_nMode = c.mode;
        shown.clear();
        s.view->OnRButtonDown(0, c.onElement ? onBar : empty);
        if (c.menu == 0) {
            EXPECT_TRUE(shown.empty()) << c.mode;
            continue;
        }
        ASSERT_EQ(shown.size(), 1u) << c.mode;
        EXPECT_EQ(shown[0].menu, c.menu) << c.mode;
        EXPECT_EQ(shown[0].popup, c.popup) << c.mode;
    }
    // Every menu and popup the view asks for exists.
    for (unsigned menu = 140; menu <= 146; ++menu)
        EXPECT_NE(fw::FindMenuResource(menu), nullptr) << menu;
}

TEST(SkeletonMouse, TheDrawingModesMenuOffersTheInsertCommandsByState) {
    // The menu itself, as the user sees it: the insert popup first, a kind
    // still missing disabled, a present one enabled; choosing runs it.
    Skeleton s;
    REQUIRE_READY(s);
    QStringList texts;
    bool sourceEnabled = false;
    bool singlePhaseOffered = false;
    bool breakerEnabled = false;
    bool breakerVisible = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            texts << a->text();
        QAction* insertAction = menu->actions().value(0);
        QMenu* insert = insertAction ? insertAction->menu() : nullptr;
        QAction* source = nullptr;
        if (insert) {
            for (QAction* a : insert->actions()) {
                if (a->text() == "&Source")
                    source = a;
                if (a->text() == "Single-&phase transformer")
                    singlePhaseOffered = a->isEnabled() && a->isVisible();
                if (a->text() == "&HV circuit breaker") {
                    breakerEnabled = a->isEnabled();
                    breakerVisible = a->isVisible();
                }
            }
        }
        sourceEnabled = source && source->isEnabled();
        if (source)
            source->trigger();
        menu->close();
    });
    s.view->OnRButtonDown(0, s.Device(fw::CPoint(400, 400)));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.first(), QString("[&Insert]"));
    EXPECT_TRUE(texts.contains("Select &All"));
    EXPECT_TRUE(sourceEnabled);
    // The single-phase transformer has no button: the menu is where the
    // user finds it.
    EXPECT_TRUE(singlePhaseOffered);
    EXPECT_TRUE(breakerEnabled);
    EXPECT_TRUE(breakerVisible);
    // The chosen entry placed a source at the clicked cell.
    ASSERT_NE(s.LastElement(), nullptr);
    EXPECT_EQ(s.LastElement()->GetKind(), kKindSource);
    EXPECT_EQ(s.Rect(s.LastElement()).TopLeft(), fw::CPoint(401, 401));
}

TEST(SkeletonMouse, RightClickInDrawingModeMovesTheInsertionPoint) {
    Skeleton s;
    REQUIRE_READY(s);
    s.view->SetPopupHook([](unsigned, const std::string&, fw::CPoint) {});
    s.view->OnRButtonDown(0, s.Device(fw::CPoint(450, 330)));
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(450, 330));
    s.doc->m_nMode = 4;
    s.view->OnRButtonDown(0, s.Device(fw::CPoint(90, 90)));
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(450, 330));
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptClick, fw::CPoint(90, 90));
}

TEST(SkeletonMouse, RightClickOnALabelSelectsItAndShowsNoMenu) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    CObjElement* busbar = s.LastElement();
    s.doc->m_listGroups.DoClearSelection(*s.doc);
    auto* model = static_cast<CEleFrame*>(busbar->GetElement());
    ASSERT_NE(model->m_listRefV1.GetAtIndex(0), nullptr);
    const fw::CRect label = model->m_listRefV1.GetAtIndex(0)->GetLabelRect();
    ASSERT_FALSE(label.IsRectEmpty());
    int menus = 0;
    s.view->SetPopupHook([&](unsigned, const std::string&, fw::CPoint) { ++menus; });
    s.doc->SetModifiedFlag(false);
    const fw::CPoint insertBefore = s.doc->m_infoSkeleton.m_ptInsert;
    s.view->OnRButtonDown(0, s.Device(label.CenterPoint()));
    EXPECT_EQ(busbar->IsSelected(100), 1);
    EXPECT_EQ(menus, 0);
    EXPECT_TRUE(s.doc->IsModified()); // a label's selection is kept with the project
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, insertBefore);
    // A plain left click elsewhere takes the label's selection away.
    s.view->SetRubberBandHook([](fw::CPoint) { return fw::CRect(); });
    s.view->OnLButtonDown(0, s.Device(fw::CPoint(900, 900)));
    EXPECT_EQ(busbar->IsSelected(100), 0);
}

TEST(SkeletonMouse, WindowEventsReachTheHandlers) {
    // The window's own mouse and key events: a press selects, Shift adds,
    // the Delete key asks and deletes, a right press shows the menu.
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    CObjGroup* busbar = s.doc->m_listGroups.GetHead();
    auto press = [&](Qt::MouseButton button, fw::CPoint p, Qt::KeyboardModifiers mods) {
        QPointF local(p.x, p.y);
        QMouseEvent event(QEvent::MouseButtonPress, local, s.view->mapToGlobal(local), button,
                          button, mods);
        QApplication::sendEvent(s.view, &event);
    };
    press(Qt::LeftButton, s.Centre(busbar->GetElement()), Qt::NoModifier);
    EXPECT_EQ(busbar->GetSelected(), 1);
    EXPECT_EQ(s.doc->m_listGroups.GetSelected(), 1);
    press(Qt::LeftButton, s.Centre(s.LastElement()), Qt::ShiftModifier);
    EXPECT_EQ(s.doc->m_listGroups.GetSelected(), 2);
    std::vector<unsigned> menus;
    s.view->SetPopupHook(
        [&](unsigned menu, const std::string&, fw::CPoint) { menus.push_back(menu); });
    press(Qt::RightButton, s.Centre(busbar->GetElement()), Qt::NoModifier);
    EXPECT_EQ(menus, std::vector<unsigned>{140});
    s.messages.Answer(fw::mb::IdYes);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(s.view, &del);
    EXPECT_EQ(s.messages.Count(), 1u);
    EXPECT_TRUE(s.doc->m_listGroups.IsEmpty());
}

TEST(SkeletonMouse, CursorOverSymbolsAndHandles) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR); // selected, with top and bottom handles
    s.Run(tvid::ID_INSERT_MOTOR);  // selected now; the bus-bar is not
    CObjElement* motor = s.LastElement();
    CObjElement* busbar = s.doc->m_listGroups.GetHead()->GetElement();
    EXPECT_EQ(s.view->GetCursorAt(s.Centre(busbar)), Qt::CrossCursor);
    // A selected symbol in drawing mode is moved, not crossed.
    EXPECT_EQ(s.view->GetCursorAt(s.Centre(motor)), Qt::ArrowCursor);
    EXPECT_EQ(s.view->GetCursorAt(s.Device(fw::CPoint(900, 900))), Qt::ArrowCursor);
    // Select the bus-bar alone: its bottom handle gives the resize cursor.
    s.view->OnLButtonDown(0, s.Centre(busbar));
    fw::CRect tracker = s.doc->m_listGroups.GetHead()->m_tracker.m_rect;
    fw::CPoint bottomHandle((tracker.left + tracker.right) / 2, tracker.bottom - 2);
    EXPECT_EQ(s.view->GetCursorAt(bottomHandle), Qt::SizeVerCursor);
    s.doc->m_nMode = 2;
    EXPECT_EQ(s.view->GetCursorAt(s.Centre(busbar)), Qt::CrossCursor);
}

TEST(SkeletonMouse, DraggingAHandleResizesTheBusBar) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR); // (161, 41, 200, 200)
    CObjGroup* group = s.Last();
    fw::CRect tracker = group->m_tracker.m_rect;
    fw::CPoint handle((tracker.left + tracker.right) / 2, tracker.bottom - 2);
    // The drag pulls the bottom edge 70 units down; it snaps to 280.
    s.view->SetResizeHook([&](CObjGroup& g, fw::CPoint) {
        fw::CRect r = g.m_tracker.m_rect;
        fw::CSize down(0, 70);
        s.view->GetClientDC()->LPtoDP(&down);
        r.bottom += down.cy;
        g.m_tracker.m_rect = r;
        return true;
    });
    s.view->OnLButtonDown(0, handle);
    EXPECT_EQ(s.Rect(group->GetElement()), fw::CRect(161, 41, 200, 280));
}

TEST(SkeletonMouse, DoubleClickEditSendsOldThenNewVoltage) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_SOURCE);
    CObjElement* source = s.LastElement();
    const int32_t before = source->GetVoltage();
    ASSERT_GT(before, 0);
    const int32_t after = before == 6600 ? 3300 : 6600;
    DialogSeam<CEleSourceEdit>::run = [&](CEleSourceEdit& edit) {
        edit.source.m_nVoltage = after;
        return true;
    };
    RecordingView other;
    s.doc->AddView(&other);
    s.doc->SetModifiedFlag(false);
    s.view->OnLButtonDblClk(0, s.Centre(source));
    EXPECT_EQ(source->GetVoltage(), after);
    EXPECT_TRUE(s.doc->IsModified());
    // Hint 3 carries the old value in its first word and the new one in its
    // second; hint 6 follows.
    std::vector<RecordingView::Update> voltage;
    size_t edited = 0;
    for (size_t i = 0; i < other.updates.size(); ++i) {
        if (other.updates[i].hint == tvhint::kVoltage)
            voltage.push_back(other.updates[i]);
        if (other.updates[i].hint == tvhint::kEdited)
            edited = i + 1;
    }
    ASSERT_EQ(voltage.size(), 1u);
    EXPECT_EQ(voltage[0].first, static_cast<uint32_t>(before));
    EXPECT_EQ(voltage[0].second, static_cast<uint32_t>(after));
    EXPECT_GT(edited, 0u);
    // A cancelled dialog sends nothing.
    other.updates.clear();
    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit&) { return false; };
    s.view->OnLButtonDblClk(0, s.Centre(source));
    EXPECT_TRUE(other.updates.empty());
    s.doc->RemoveView(&other);
}

// ---------------------------------------------------------------- scrolling and zoom

TEST(SkeletonZoom, ScrollSizesAtTheZooms) {
    // The default frame (50 x 35 cells) at 100 % is 2000 x 1400; a line is
    // one cell at the zoom; a page is the window's client area.
    Skeleton s;
    REQUIRE_READY(s);
    struct Case {
        int32_t zoom;
        fw::CSize total;
        int32_t line;
    } cases[] = {{100, {2000, 1400}, 40}, {50, {1000, 700}, 20}, {200, {4000, 2800}, 80}};
    for (const Case& c : cases) {
        s.doc->m_infoSkeleton.m_nZoom = c.zoom;
        s.view->DoSetScrollSizes();
        EXPECT_EQ(s.view->GetTotalSize(), c.total) << c.zoom;
        EXPECT_EQ(s.view->GetLineSize(), fw::CSize(c.line, c.line)) << c.zoom;
        fw::CRect client = s.view->GetClientRect();
        EXPECT_EQ(s.view->GetPageSize(), fw::CSize(client.Width(), client.Height())) << c.zoom;
    }
}

TEST(SkeletonZoom, GroupsBeyondTheFrameScrollOverTheirExtent) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    // Pulled outside the frame without growing it: the extent still counts.
    s.Last()->DoMoveTo(nullptr, 2441, 1601);
    s.view->DoSetScrollSizes();
    // Union right 2480 + 1 -> 2481 / 40 + 1 = 63 columns; bottom 1760 + 1 ->
    // 1761 / 40 = 44 rows.
    EXPECT_EQ(s.view->GetTotalSize(), fw::CSize(63 * 40, 44 * 40));
}

TEST(SkeletonZoom, ZoomBoxIsUndoableAndShowsTheViewsZoom) {
    Skeleton s;
    REQUIRE_READY(s);
    QComboBox* box = s.frame->m_wndZoomBox;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentText(), QString("100%"));
    EXPECT_EQ(s.view->GetZoomOfCombo(), 100);
    s.doc->SetModifiedFlag(false);
    box->setCurrentIndex(3); // "75%"
    emit box->activated(3);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_nZoom, 75);
    EXPECT_TRUE(s.doc->IsModified());
    EXPECT_EQ(s.view->GetTotalSize(), fw::CSize(1500, 1050));
    // Undo: the zoom and the box go back.
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.doc->m_infoSkeleton.m_nZoom, 100);
    EXPECT_EQ(box->currentText(), QString("100%"));
    EXPECT_EQ(s.view->GetTotalSize(), fw::CSize(2000, 1400));
    // The same zoom again changes nothing and keeps no snapshot.
    s.doc->SetModifiedFlag(false);
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_FALSE(s.doc->IsModified());
}

TEST(SkeletonZoom, ZoomTextSelectsOnlyTheEntryOfThatZoom) {
    Skeleton s;
    REQUIRE_READY(s);
    QComboBox* box = s.frame->m_wndZoomBox;
    s.view->DoSetZoomText(50);
    EXPECT_EQ(box->currentText(), QString("50%"));
    // 20 is not "200%", nor 15 "150%": the box keeps what it showed.
    s.view->DoSetZoomText(20);
    EXPECT_EQ(box->currentText(), QString("50%"));
    s.view->DoSetZoomText(15);
    EXPECT_EQ(box->currentText(), QString("50%"));
    s.view->DoSetZoomText(200);
    EXPECT_EQ(box->currentText(), QString("200%"));
}

TEST(SkeletonZoom, ScrollingIsStoredButNeitherModifiesNorUndoes) {
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_infoSkeleton.m_nZoom = 200;
    s.view->DoSetScrollSizes();
    s.doc->SetModifiedFlag(false);
    QScrollBar* bar = s.view->GetScrollBarCtrl(true);
    ASSERT_GT(bar->maximum(), 0);
    bar->triggerAction(QScrollBar::SliderPageStepAdd);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptScroll.y, s.view->GetScrollPosition().y);
    EXPECT_GT(s.doc->m_infoSkeleton.m_ptScroll.y, 0);
    EXPECT_FALSE(s.doc->IsModified());
    EXPECT_FALSE(s.doc->HasUndo());
}

TEST(SkeletonUpdates, ModeHintClearsResultsAndShowsTheElementBarInDrawingOnly) {
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_nMode = 3;
    s.doc->UpdateAllViews(tvhint::kModeChanged, nullptr);
    EXPECT_FALSE(s.frame->IsElementBarVisible());
    s.doc->m_nMode = 1;
    s.doc->UpdateAllViews(tvhint::kModeChanged, nullptr);
    EXPECT_TRUE(s.frame->IsElementBarVisible());
}

TEST(SkeletonUpdates, InsertionCellHintsOnlyWhenTheCellChanges) {
    // A document on its own, told to a recording view: the old cell, then
    // the new one, each one unit inside its corner.
    CTovarineDoc doc;
    RecordingView view;
    doc.AddView(&view);
    doc.SetCursorPoint(nullptr, fw::CPoint(175, 75)); // still the cell (160, 40)
    EXPECT_TRUE(view.updates.empty());
    doc.SetCursorPoint(nullptr, fw::CPoint(250, 130));
    ASSERT_EQ(view.updates.size(), 2u);
    EXPECT_EQ(view.updates[0].rect, fw::CRect(161, 41, 200, 80));
    EXPECT_EQ(view.updates[1].rect, fw::CRect(241, 121, 280, 160));
    // Moving on past a rectangle 79 high: 79 / 40 * 40 + 40 = 80 down.
    view.updates.clear();
    doc.DoMoveCursorDown(fw::CRect(241, 121, 280, 200));
    EXPECT_EQ(doc.m_infoSkeleton.m_ptInsert, fw::CPoint(250, 210));
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].rect, fw::CRect(240, 200, 280, 240));
    doc.DoMoveCursorRight(fw::CRect(241, 121, 400, 160)); // 159 wide: 160 right
    EXPECT_EQ(doc.m_infoSkeleton.m_ptInsert, fw::CPoint(410, 210));
    // Without a skeleton view nothing is measured, so nothing is redrawn.
    view.updates.clear();
    CObjGroup group;
    doc.InvalidateElement(&group);
    EXPECT_TRUE(view.updates.empty());
    doc.RemoveView(&view);
}

TEST(SkeletonUpdates, InvalidatingAGroupCoversItsLabelsAndHandles) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    CObjGroup* group = s.Last();
    RecordingView other;
    s.doc->AddView(&other);
    s.doc->InvalidateElement(group);
    ASSERT_EQ(other.updates.size(), 1u);
    EXPECT_EQ(other.updates[0].hint, tvhint::kRect);
    const fw::CRect area = other.updates[0].rect;
    const fw::CRect labels = group->GetUnionRect();
    EXPECT_LE(area.left, labels.left);
    EXPECT_LE(area.top, std::min(labels.top, group->m_rect.top));
    EXPECT_GE(area.right, labels.right);
    EXPECT_GE(area.bottom, std::max(labels.bottom, group->m_rect.bottom));
    s.doc->RemoveView(&other);
}

// ---------------------------------------------------------------- drawing

namespace {

bool IsGrey(QRgb c) {
    return qRed(c) == 192 && qGreen(c) == 192 && qBlue(c) == 192;
}
bool IsDark(QRgb c) {
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

} // namespace

TEST(SkeletonDrawing, GridCursorSymbolsAndLabelsAtThreeZooms) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR); // (161, 41, 200, 200), the cursor then at (160, 200)
    CObjElement* busbar = s.LastElement();
    fw::CRect labels;
    busbar->GetUnionRect(&labels);
    for (int32_t zoom : {50, 100, 200}) {
        s.doc->m_infoSkeleton.m_nZoom = zoom;
        s.view->DoSetScrollSizes();
        s.view->ScrollToPosition(fw::CPoint(0, 0));
        QImage image(2000 * zoom / 100, 1400 * zoom / 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            fw::CDC dc(&painter);
            s.view->OnPrepareDC(&dc);
            s.view->OnDraw(&dc);
        }
        auto at = [&](int32_t x, int32_t y) { return image.pixel(x * zoom / 100, y * zoom / 100); };
        // A grid line at x = 1200 in an empty row; the middle of a cell is
        // background.
        bool line = false;
        for (int dx = -1; dx <= 1; ++dx)
            line = line || IsGrey(image.pixel(1200 * zoom / 100 + dx, 1220 * zoom / 100));
        EXPECT_TRUE(line) << zoom;
        EXPECT_EQ(at(1220, 1220), qRgb(255, 255, 255)) << zoom;
        // The insertion cell (161..200, 201..240) is filled grey.
        EXPECT_TRUE(IsGrey(at(170, 230))) << zoom;
        // The bus-bar's bar runs down its middle (x = 180).
        int dark = 0;
        for (int32_t y = 60; y < 190; y += 10) {
            for (int dx = -2; dx <= 2; ++dx)
                dark += IsDark(image.pixel(180 * zoom / 100 + dx, y * zoom / 100)) ? 1 : 0;
        }
        EXPECT_GE(dark, 13) << zoom;
        // Its name and label beside the symbol (red while it is selected):
        // ink that is neither background nor grid in the labels' area right
        // of the symbol.
        int text = 0;
        for (int32_t y = labels.top; y < labels.bottom; ++y) {
            for (int32_t x = 201; x < labels.right; ++x) {
                if (x * zoom / 100 < image.width() && y * zoom / 100 < image.height())
                    text += at(x, y) != qRgb(255, 255, 255) && !IsGrey(at(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GT(labels.right, 201) << zoom;
        EXPECT_GT(text, 0) << zoom;
    }
}

TEST(SkeletonDrawing, TheWindowPaintsTheScrolledPart) {
    // At 200 % the window shows the diagram from the scroll position: the
    // grid line at logical x = 400 is at device 800 less the position.
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_infoSkeleton.m_nZoom = 200;
    s.view->DoSetScrollSizes();
    s.view->ScrollToPosition(fw::CPoint(300, 0));
    ASSERT_EQ(s.view->GetScrollPosition().x, 300);
    QImage shot = s.view->grab().toImage();
    ASSERT_GT(shot.width(), 520);
    bool line = false;
    for (int dx = -1; dx <= 2; ++dx)
        line = line || IsGrey(shot.pixel(800 - 300 + dx, 301));
    EXPECT_TRUE(line);
    EXPECT_EQ(shot.pixel(800 - 300 + 40, 341), qRgb(255, 255, 255));
}

// A paint draws the members of a group that the area it paints touches,
// and no other: a grouped wire below the painted area is not drawn, the
// bus-bar of the same group inside it is drawn as a paint of everything
// draws it.
TEST(SkeletonDrawing, AGroupsMemberOutsideThePaintedAreaIsNotDrawn) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR); // (161, 41, 200, 200)
    s.Run(tvid::ID_INSERT_WIRE);   // (161, 201, 200, 360)
    s.Run(fw::id::EDIT_SELECT_ALL);
    s.Run(tvid::ID_EDIT_GROUP);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 1);
    ASSERT_EQ(s.Last()->GetChildren().GetCount(), 2);
    s.Last()->m_nSelected = 0;
    // The records drawn wholly inside a rectangle.
    auto inside = [](const fw::CRecordingDC& dc, const fw::CRect& r) {
        std::vector<std::vector<fw::CPoint>> drawn;
        for (const fw::CDrawRecord& rec : dc.Records()) {
            bool in = !rec.points.empty();
            for (const fw::CPoint& p : rec.points)
                in = in && p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
            if (in)
                drawn.push_back(rec.points);
        }
        return drawn;
    };
    const fw::CRect busbar(146, 26, 215, 200);
    const fw::CRect wire(146, 201, 215, 375);
    fw::CRecordingDC all;
    s.doc->DoDrawSkeleton(&all, 1);
    fw::CRecordingDC top;
    top.IntersectClipRect(fw::CRect(0, 0, 2000, 200));
    s.doc->DoDrawSkeleton(&top, 1);
    EXPECT_FALSE(inside(all, wire).empty());
    EXPECT_TRUE(inside(top, wire).empty());
    EXPECT_FALSE(inside(all, busbar).empty());
    EXPECT_EQ(inside(top, busbar), inside(all, busbar));
}

TEST(SkeletonDrawing, GridOnlyInDrawingModeAndNothingOfItPrinted) {
    // A 50 x 35 frame has 51 vertical and 36 horizontal grid lines.
    Skeleton s;
    REQUIRE_READY(s);
    auto lines = [](const fw::CRecordingDC& dc) {
        int count = 0;
        for (const fw::CDrawRecord& r : dc.Records())
            count += r.kind == fw::CDrawRecord::Polyline && r.pen.color == fw::RGB(192, 192, 192);
        return count;
    };
    auto cursorCells = [](const fw::CRecordingDC& dc) {
        int count = 0;
        for (const fw::CDrawRecord& r : dc.Records())
            count += r.kind == fw::CDrawRecord::FillRect && r.brush.color == fw::RGB(192, 192, 192);
        return count;
    };
    fw::CRecordingDC screen;
    s.doc->DoDrawSkeleton(&screen, 0);
    EXPECT_EQ(lines(screen), 51 + 36);
    EXPECT_EQ(cursorCells(screen), 1);
    fw::CRecordingDC noCursor;
    s.doc->DoDrawSkeleton(&noCursor, 1);
    EXPECT_EQ(cursorCells(noCursor), 0);
    fw::CRecordingDC printing(254, true);
    s.doc->DoDrawSkeleton(&printing, 0);
    EXPECT_EQ(lines(printing), 0);
    EXPECT_EQ(cursorCells(printing), 0);
    s.doc->m_nMode = 2;
    fw::CRecordingDC checking;
    s.doc->DoDrawSkeleton(&checking, 0);
    EXPECT_EQ(lines(checking), 0);
    EXPECT_EQ(cursorCells(checking), 0);
}

// ---------------------------------------------------------------- printing

namespace {

using tvtest::PdfPages;
using tvtest::PdfText;

// The dark pixels of the page rendered at 72 dpi inside the box that
// pdftotext gives the first occurrence of a word (points at 72 dpi are
// pixels).
int DarkPixelsOfWord(const std::string& path, const std::string& word) {
    QProcess box;
    box.start("pdftotext", {"-bbox", QString::fromStdString(path), "-"});
    box.waitForFinished(20000);
    const QString html = QString::fromUtf8(box.readAllStandardOutput());
    QRegularExpression re(QString("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                  "yMax=\"([0-9.]+)\">%1<")
                              .arg(QString::fromStdString(word)));
    QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch())
        return -1;
    const std::string png = path + "-page";
    QProcess render;
    render.start("pdftoppm", {"-r", "72", "-png", "-singlefile", QString::fromStdString(path),
                              QString::fromStdString(png)});
    render.waitForFinished(20000);
    QImage image(QString::fromStdString(png + ".png"));
    if (image.isNull())
        return -1;
    int dark = 0;
    for (int y = static_cast<int>(m.captured(2).toDouble());
         y <= static_cast<int>(m.captured(4).toDouble()) && y < image.height(); ++y) {
        for (int x = static_cast<int>(m.captured(1).toDouble());
             x <= static_cast<int>(m.captured(3).toDouble()) && x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

} // namespace

TEST(SkeletonPrinting, ASkeletonTwoFramesWideIsPrintedOnOnePageAndTheJobsEnd) {
    tvtest::TempFolder folder;
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_infoProject.m_strCustomer = "Harbour Works";
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.doc->m_infoSkeleton.m_ptInsert = fw::CPoint(3800, 40); // beyond the first frame
    s.Run(tvid::ID_INSERT_WIRE);
    EXPECT_GE(s.doc->m_infoSkeleton.m_nFrameCountX, 96);
    QPrinter* printer = s.p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    for (int job = 1; job <= 2; ++job) {
        std::string path = folder.Path() + "skeleton" + std::to_string(job) + ".pdf";
        printer->setOutputFileName(QString::fromStdString(path));
        s.Run(fw::id::FILE_PRINT_DIRECT);
        EXPECT_EQ(s.view->GetPrintInfo(), nullptr);
        // The job ended: the file is complete, with one page.
        EXPECT_EQ(PdfPages(path), 1) << job;
        std::string text = PdfText(path);
        EXPECT_NE(text.find("SINGLE-LINE DIAGRAM(SKELETON)"), std::string::npos) << job;
        EXPECT_NE(text.find("STEP1"), std::string::npos) << job;
        EXPECT_NE(text.find("Harbour Works"), std::string::npos) << job;
        // The title block is ink on the page, not only text in the file: the
        // title's box (from pdftotext) holds dark pixels of the page image.
        EXPECT_GT(DarkPixelsOfWord(path, "SINGLE-LINE"), 20) << job;
        // Both ends of the skeleton are on the page.
        EXPECT_NE(text.find("BB1"), std::string::npos) << job;
        EXPECT_NE(text.find("W1"), std::string::npos) << job;
    }
    EXPECT_EQ(s.messages.Count(), 0u);
}

TEST(SkeletonPrinting, PreviewRunsItsJobAndALaterStepIsShown) {
    tvtest::TempFolder folder;
    Skeleton s;
    REQUIRE_READY(s);
    s.doc->m_nMode = 5;
    int previews = 0;
    fw::CView::DialogHook old = fw::CView::SetPrintDialogHook([&](QDialog& dialog) {
        if (dynamic_cast<QPrintPreviewDialog*>(&dialog)) {
            ++previews;
            dialog.show();
            QApplication::processEvents();
            dialog.hide();
        }
        return false;
    });
    s.Run(fw::id::FILE_PRINT_PREVIEW);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(s.view->GetPrintInfo(), nullptr);
    fw::CView::SetPrintDialogHook(old);

    std::string path = folder.Path() + "step.pdf";
    QPrinter* printer = s.p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    s.Run(fw::id::FILE_PRINT_DIRECT);
    EXPECT_NE(PdfText(path).find("STEP4 or later"), std::string::npos);
}

TEST(SkeletonPrinting, TheSkeletonFitsUnderTheTitleBlockInsideTheMargins) {
    // Landscape A4 (the skeleton's default), margins left 10, top 20, right
    // 10, bottom 10 mm. The skeleton starts 32 mm under the top margin and
    // must end above the bottom margin; it is centred in the width between
    // the side margins.
    Skeleton s;
    REQUIRE_READY(s);
    fw::CPrintInfo info;
    info.m_bDirect = true;
    ASSERT_TRUE(s.view->OnPreparePrinting(&info));
    QPrinter* printer = s.p.app->GetPrinter();
    fw::CSize page;
    fw::CPoint offsets;
    s.p.app->GetPrinterPageSize(page, &offsets);
    ASSERT_GT(page.cx, page.cy); // landscape
    const double dpi = printer->resolution();
    auto px = [dpi](double mm) { return mm * dpi / 25.4; };
    fw::CRecordingDC dc(static_cast<int>(dpi), true);
    s.view->OnPrepareDC(&dc);
    fw::CPoint corners[2] = {fw::CPoint(0, 0), fw::CPoint(2000, 1400)};
    dc.LPtoDP(corners, 2);
    const double left = corners[0].x + offsets.x, top = corners[0].y + offsets.y;
    const double right = corners[1].x + offsets.x, bottom = corners[1].y + offsets.y;
    EXPECT_NEAR(top, px(20 + 32), 2.0);
    EXPECT_LE(bottom, page.cy - px(10) + 1.0);
    EXPECT_GE(left, px(10) - 1.0);
    EXPECT_LE(right, page.cx - px(10) + 1.0);
    // Centred: as much room on the left as on the right.
    EXPECT_NEAR(left - px(10), page.cx - px(10) - right, 2.0);
}
