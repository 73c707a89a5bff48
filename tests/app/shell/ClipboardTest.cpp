// The skeleton's clipboard and drag-and-drop on a started program: copy and
// paste of blocks with new numbers, cut, moving and copying groups with the
// mouse inside one view and into another project, moving a label, the drop
// rules (drawing mode only, labels only within their project), undo after
// each, and the transfer bytes against hand-written fixtures.

#include "ShellTestSupport.h"

#include "app/elements/supply/CEleSource.h"
#include "app/records/CObjRefV1.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineSrvrItem.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/common/HexFixture.h"
#include "tests/common/MessageCapture.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

struct Skeleton {
    Skeleton() {
        previousSeam = DialogSeam<CEleSourceEdit>::run;
        DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit&) { return false; };
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        frame = p.Main()->SkeletonFrame;
        view = frame ? dynamic_cast<CTovarineView1*>(frame->GetActiveView()) : nullptr;
        QGuiApplication::clipboard()->clear();
    }
    ~Skeleton() { DialogSeam<CEleSourceEdit>::run = previousSeam; }

    bool Ready() const { return doc && view && dbs.IsOpen(); }
    void Run(unsigned command) { p.Main()->ExecuteCommand(command); }
    bool IsEnabled(unsigned command) {
        QAction* action = frame->GetAction(command);
        p.Main()->UpdateCommandUI();
        return action->isEnabled();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        CObjElementList list;
        list.CollectFromGroups(doc->m_listGroups, 0, 0);
        for (CObjElement* e : list)
            names.push_back(e->GetName());
        return names;
    }
    fw::CPoint Device(fw::CPoint logical) {
        auto dc = view->GetClientDC();
        dc->LPtoDP(&logical);
        return logical;
    }
    static fw::CRect Rect(const CObjGroup* g) {
        fw::CRect r;
        g->GetElement()->GetSymbolRect(&r);
        return r;
    }
    CObjGroup* At(int i) const { return doc->m_listGroups.GetAt(i); }
    void SelectOnly(CObjGroup* group) {
        doc->m_listGroups.SetSelectAll(0, true, true);
        group->DoSelect(0, true, doc->m_nMode);
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

// A drag that enters the target at one point, moves to another and drops
// there with the effect asked for (the effect the drop reports, or none
// when the target refused it).
CTovarineView1::DragHook DropInto(CTovarineView1* target, fw::CPoint over, fw::CPoint at,
                                  Qt::DropAction effect,
                                  Qt::KeyboardModifiers keys = Qt::NoModifier) {
    return [=](QMimeData* data, Qt::DropActions allowed) {
        if (!(allowed & effect))
            return Qt::IgnoreAction;
        if (target->OnDragEnter(data, keys, over) == Qt::IgnoreAction)
            return Qt::IgnoreAction;
        if (target->OnDragOver(data, keys, at) != effect) {
            target->OnDragLeave();
            return Qt::IgnoreAction;
        }
        return target->OnDrop(data, effect, at) ? effect : Qt::IgnoreAction;
    };
}

// A second project with its own skeleton view, outside the program's frames.
struct OtherProject {
    OtherProject() {
        doc.m_bAutoDelete = false; // it lives on the stack
        doc.AddView(&view);
        view.resize(800, 600);
        view.OnInitialUpdate();
    }
    ~OtherProject() { doc.RemoveView(&view); }
    CTovarineDoc doc;
    CTovarineView1 view;
};

} // namespace

// ---------------------------------------------------------------- copy and paste

TEST(ClipboardPaste, TwoPastesGiveTwoBlocksBelowWithNewNumbersAndEachUndoes) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_SOURCE); // (161, 41) to (240, 120)
    s.Run(tvid::ID_INSERT_TRANS3); // (161, 121) to (240, 240)
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_PASTE));
    s.Run(fw::id::EDIT_SELECT_ALL);
    s.Run(fw::id::EDIT_COPY);
    ASSERT_TRUE(s.IsEnabled(fw::id::EDIT_PASTE));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->text().toStdString(), "SOURCE1\r\nT1\r\n");

    // The insertion point stands at (160, 240): the block's top-left lands
    // on (161, 241), the transformer one unit under the source.
    s.Run(fw::id::EDIT_PASTE);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 4);
    EXPECT_EQ(s.Rect(s.At(2)).TopLeft(), fw::CPoint(161, 241));
    EXPECT_EQ(s.Rect(s.At(3)).TopLeft(), fw::CPoint(161, 321));
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"SOURCE1", "T1", "SOURCE2", "T2"}));
    // Only the pasted block is selected; the point passed the transformer
    // (119 high): 240 + 80 + 40.
    EXPECT_EQ(s.At(0)->GetSelected(), 0);
    EXPECT_EQ(s.At(2)->GetSelected(), 1);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, fw::CPoint(160, 360));
    EXPECT_EQ(s.messages.Count(), 0u);
    EXPECT_TRUE(s.doc->IsModified());

    // The second block starts below the first one's source, on its
    // transformer: the overlap is reported once and the block is pasted.
    s.Run(fw::id::EDIT_PASTE);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 6);
    EXPECT_EQ(s.Rect(s.At(4)).TopLeft(), fw::CPoint(161, 361));
    EXPECT_EQ(s.Names(),
              (std::vector<std::string>{"SOURCE1", "T1", "SOURCE2", "T2", "SOURCE3", "T3"}));
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().text, "Overlaps of element occur.");
    EXPECT_EQ(s.messages.Last().type & fw::mb::IconMask, fw::mb::IconExclamation);

    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"SOURCE1", "T1", "SOURCE2", "T2"}));
}

TEST(ClipboardPaste, CommandsFollowSelectionModeAndClipboard) {
    Skeleton s;
    REQUIRE_READY(s);
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_COPY));
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_CUT));
    s.Run(tvid::ID_INSERT_BUSBAR);
    EXPECT_TRUE(s.IsEnabled(fw::id::EDIT_COPY));
    EXPECT_TRUE(s.IsEnabled(fw::id::EDIT_CUT));
    s.Run(fw::id::EDIT_COPY);
    EXPECT_TRUE(s.IsEnabled(fw::id::EDIT_PASTE));
    // Outside drawing mode only the copy stays.
    s.doc->m_nMode = 2;
    EXPECT_TRUE(s.IsEnabled(fw::id::EDIT_COPY));
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_CUT));
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_PASTE));
    s.Run(fw::id::EDIT_PASTE);
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 1);
    // Text from elsewhere is no symbol data.
    s.doc->m_nMode = 1;
    QGuiApplication::clipboard()->setText("B1\r\n");
    EXPECT_FALSE(s.IsEnabled(fw::id::EDIT_PASTE));
}

TEST(ClipboardPaste, CutKeepsItsDataAfterTheGroupsAreGoneAndUndoes) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    s.Run(fw::id::EDIT_CUT); // the wire
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1"}));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), "W1\r\n");
    ASSERT_TRUE(data->hasFormat(SymbolMimeType()));
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W1"}));
    s.Run(fw::id::EDIT_CUT);
    s.Run(fw::id::EDIT_PASTE);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 2);
    EXPECT_EQ(s.At(1)->GetElement()->GetKind(), kKindWire);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W2"}));
}

TEST(ClipboardPaste, DamagedOrEmptySymbolDataPastesNothing) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    const fw::CPoint insert = s.doc->m_infoSkeleton.m_ptInsert;
    // A list of no groups: nothing, and the insertion point stays.
    EXPECT_EQ(s.view->DoPasteGroups(QByteArray("\0\0", 2), fw::CPoint(161, 401)), 0);
    // A list that promises a group and ends: a message, nothing pasted.
    EXPECT_EQ(s.view->DoPasteGroups(QByteArray("\1\0\xff\xff", 4), fw::CPoint(161, 401)), 0);
    EXPECT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.doc->m_listGroups.GetCount(), 1);
    EXPECT_EQ(s.doc->m_infoSkeleton.m_ptInsert, insert);
}

// ---------------------------------------------------------------- transfer bytes

TEST(ClipboardData, SymbolBytesOfADragAreTheHandWrittenOnes) {
    const std::vector<uint8_t> expected =
        tvtest::ReadHexFixture("app/shell/fixtures/Clipboard_symbol_drag.hex");
    std::vector<uint8_t> element =
        tvtest::ReadHexFixture("app/shell/model/fixtures/Element_Load_v120.hex");
    fw::CArchive ar = fw::CArchive::ForLoading(element);
    ar.SetReadVersion(1.2);
    CObjGroup group;
    group.SetElement(ar.ReadOwned<CObjElement>());
    group.m_rect = fw::CRect(1, 41, 40, 80);
    group.m_nSelected = 1;
    group.m_ptMoveOffset = fw::CPoint(-5, -3);
    group.m_rectMoveStart = group.m_rect;
    group.m_ptAnchorOffset = fw::CPoint(-5, -3);
    group.m_tracker.m_rect = group.m_rect;
    group.m_tracker.m_nStyle = 10;
    const fw::CPoint offset(12, 7);
    EXPECT_EQ(CTovarineSrvrItem1::BuildSymbolBytes({&group}, &offset), expected);

    // The clipboard's copy is the same without the offset; the text is the
    // names, each line ended.
    Skeleton s; // a program: the formats' names are registered
    CTovarineSrvrItem1 item;
    item.SetRenderGroups({&group});
    std::unique_ptr<QMimeData> data(item.GetClipboardData(nullptr));
    const QByteArray bytes = data->data(SymbolMimeType());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()),
              std::vector<uint8_t>(expected.begin(), expected.end() - 8));
    EXPECT_EQ(data->text().toStdString(), "L2\r\n");
    EXPECT_FALSE(data->hasFormat(Reference1MimeType()));
}

TEST(ClipboardData, ALabelRecordOffersOnlyItsReferenceFormat) {
    Skeleton s;
    CObjRefV1 label;
    label.m_ptLabel2Offset = fw::CPoint(2, -2);
    CTovarineSrvrItem1 item;
    item.SetRenderLabel(&label);
    const fw::CPoint offset(3, 4);
    std::unique_ptr<QMimeData> data(item.GetClipboardData(&offset));
    EXPECT_FALSE(data->hasFormat(SymbolMimeType()));
    EXPECT_FALSE(data->hasText());
    const QByteArray bytes = data->data(Reference1MimeType());
    // The record's 92 bytes (no class tag), then the offset.
    ASSERT_EQ(bytes.size(), 92 + 8);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 8, bytes.end()),
              (std::vector<uint8_t>{3, 0, 0, 0, 4, 0, 0, 0}));
    fw::CArchive ar = fw::CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    CObjRefV1 back;
    back.Serialize(ar);
    EXPECT_EQ(back.m_ptLabel2Offset, fw::CPoint(2, -2));

    // Groups given afterwards clear the label.
    CObjGroup group;
    item.SetRenderGroups({&group});
    EXPECT_EQ(item.GetRenderLabel(), nullptr);
    EXPECT_EQ(s.p.app->m_cfReference2, Reference2MimeType());
}

// ---------------------------------------------------------------- dragging groups

TEST(ClipboardDrag, AMoveKeepsTheNumbersACtrlDragCopiesAndRenumbersEachUndoes) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR); // (161, 41) to (200, 200)
    s.Run(tvid::ID_INSERT_WIRE);   // (161, 201) to (200, 360)
    CObjGroup* wire = s.At(1);
    // Grabbed 10 units into it, dropped 4 cells to the right.
    const fw::CPoint grab = s.Device(fw::CPoint(171, 211));
    const fw::CPoint drop = s.Device(fw::CPoint(331, 211));
    s.view->SetDragHook(DropInto(s.view, grab, drop, Qt::MoveAction));
    EXPECT_EQ(s.view->DoDragGroups(grab), Qt::MoveAction);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 2);
    EXPECT_EQ(s.Rect(s.At(1)).TopLeft(), fw::CPoint(321, 201));
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W1"}));
    EXPECT_EQ(s.At(1)->m_nMark, 0);
    EXPECT_TRUE(s.doc->IsModified());
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 2);
    EXPECT_EQ(s.Rect(s.At(1)).TopLeft(), fw::CPoint(161, 201));

    // With Control the drop copies: the original stays, the copy is new.
    wire = s.At(1);
    s.SelectOnly(wire);
    s.view->SetDragHook(DropInto(s.view, grab, drop, Qt::CopyAction, Qt::ControlModifier));
    EXPECT_EQ(s.view->DoDragGroups(grab), Qt::CopyAction);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 3);
    EXPECT_EQ(s.Rect(s.At(1)).TopLeft(), fw::CPoint(161, 201));
    EXPECT_EQ(s.Rect(s.At(2)).TopLeft(), fw::CPoint(321, 201));
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W1", "W2"}));
    EXPECT_EQ(s.At(1)->GetSelected(), 0);
    EXPECT_EQ(s.At(2)->GetSelected(), 1);
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W1"}));
}

TEST(ClipboardDrag, ACancelledDragOrAMoveOutsideTheOriginLeavesEverythingOrLandsAtZero) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.view->SetDragHook([&](QMimeData* data, Qt::DropActions) {
        s.view->OnDragEnter(data, Qt::NoModifier, s.Device(fw::CPoint(171, 51)));
        s.view->OnDragLeave();
        return Qt::IgnoreAction;
    });
    s.doc->SetModifiedFlag(false);
    EXPECT_EQ(s.view->DoDragGroups(s.Device(fw::CPoint(171, 51))), Qt::IgnoreAction);
    EXPECT_EQ(s.Rect(s.At(0)).TopLeft(), fw::CPoint(161, 41));
    EXPECT_TRUE(s.view->DragGroups.IsEmpty());
    EXPECT_FALSE(s.doc->IsModified());

    // Grabbed 50 units right of its left edge, dropped 20 units from the
    // window's left: the block would start at -30 and starts at 0, which
    // the grid puts at 1.
    const fw::CPoint grab = s.Device(fw::CPoint(211, 51));
    const fw::CPoint drop = s.Device(fw::CPoint(20, 51));
    s.view->SetDragHook(DropInto(s.view, grab, drop, Qt::MoveAction));
    EXPECT_EQ(s.view->DoDragGroups(grab), Qt::MoveAction);
    ASSERT_EQ(s.doc->m_listGroups.GetCount(), 1);
    EXPECT_EQ(s.Rect(s.At(0)).left, 1);
}

// Groups enter the skeleton in drawing mode only: a drop in a later mode
// would stand beside results that do not cover it.
TEST(ClipboardDrag, DropOfGroupsOutsideDrawingModeIsRefused) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(fw::id::EDIT_COPY);
    OtherProject other;
    other.doc.m_nMode = 3;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // The clipboard's data has no drag offset; a drag's has.
    s.view->SetDragHook([&](QMimeData* drag, Qt::DropActions) {
        EXPECT_EQ(other.view.OnDragEnter(drag, Qt::NoModifier, fw::CPoint(100, 100)),
                  Qt::IgnoreAction);
        EXPECT_FALSE(other.view.OnDrop(drag, Qt::CopyAction, fw::CPoint(100, 100)));
        return Qt::IgnoreAction;
    });
    s.view->DoDragGroups(s.Device(fw::CPoint(171, 51)));
    EXPECT_TRUE(other.doc.m_listGroups.IsEmpty());
    EXPECT_FALSE(other.doc.HasUndo());
    // Data without the offset is no drag, in any mode.
    other.doc.m_nMode = 1;
    EXPECT_EQ(other.view.OnDragEnter(data, Qt::NoModifier, fw::CPoint(100, 100)), Qt::IgnoreAction);
}

// A move into another project: the elements are new there (numbered in its
// sequence), and the source's deletion can be undone.
TEST(ClipboardDrag, AMoveToAnotherProjectRenumbersThereAndIsUndoableHere) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    s.Run(tvid::ID_INSERT_WIRE);
    OtherProject other;
    other.doc.SetCounter(kKindWire, 4); // W1 to W4 exist there
    s.view->SetDragHook(
        DropInto(&other.view, fw::CPoint(50, 50), fw::CPoint(60, 60), Qt::MoveAction));
    EXPECT_EQ(s.view->DoDragGroups(s.Device(fw::CPoint(171, 211))), Qt::MoveAction);
    ASSERT_EQ(other.doc.m_listGroups.GetCount(), 1);
    EXPECT_EQ(other.doc.m_listGroups.GetHead()->GetElement()->GetName(), "W5");
    EXPECT_TRUE(other.doc.IsModified());
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1"}));
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"BB1", "W1"}));
}

// ---------------------------------------------------------------- dragging a label

TEST(ClipboardDrag, ALabelMovesWithinItsProjectOnly) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    CObjElement* busbar = s.At(0)->GetElement();
    busbar->DoSelect(100, 1, 0); // its label, to find where it stands
    CObjRefV1* ref = busbar->GetOnlyRefV1();
    ASSERT_NE(ref, nullptr);
    const fw::CRect label = ref->GetLabelRect();
    const fw::CPoint grab = s.Device(fw::CPoint(label.left + 2, label.top + 2));
    auto dc = s.view->GetClientDC();
    ASSERT_EQ(s.view->DoSelectLabelAt(dc.get(), grab, 0), busbar);
    const fw::CPoint before = ref->m_ptLabel2Offset;

    // Into another project's view: refused, nothing there or here changes.
    OtherProject other;
    s.view->SetDragHook(DropInto(&other.view, grab, grab, Qt::MoveAction));
    EXPECT_EQ(s.view->DoDragLabel(busbar, grab), Qt::IgnoreAction);
    EXPECT_EQ(ref->m_ptLabel2Offset, before);
    EXPECT_FALSE(other.doc.HasUndo());

    // Within the view: 30 units right and 20 down (one unit a pixel at 100%).
    const fw::CPoint drop(grab.x + 30, grab.y + 20);
    s.view->SetDragHook(DropInto(s.view, grab, drop, Qt::MoveAction));
    EXPECT_EQ(s.view->DoDragLabel(busbar, grab), Qt::MoveAction);
    ref = busbar->GetOnlyRefV1();
    EXPECT_EQ(ref->m_ptLabel2Offset, fw::CPoint(before.x + 30, before.y + 20));
    EXPECT_EQ(ref->GetLabelRect().TopLeft(), fw::CPoint(label.left + 30, label.top + 20));
    EXPECT_EQ(ref->GetAnchorOffset(), fw::CPoint());
    ASSERT_TRUE(s.doc->DoRestoreUndo());
    EXPECT_EQ(s.At(0)->GetElement()->GetOnlyRefV1()->m_ptLabel2Offset, before);
}

TEST(ClipboardDrag, MouseMovesWithTheButtonHeldStartTheDrag) {
    Skeleton s;
    REQUIRE_READY(s);
    s.Run(tvid::ID_INSERT_BUSBAR);
    int drags = 0;
    s.view->SetDragHook([&](QMimeData* data, Qt::DropActions allowed) {
        ++drags;
        EXPECT_TRUE(data->hasFormat(SymbolMimeType()));
        EXPECT_EQ(allowed, Qt::CopyAction | Qt::MoveAction);
        return Qt::IgnoreAction;
    });
    const fw::CPoint at = s.Device(fw::CPoint(171, 51));
    s.view->OnLButtonDown(0, at);
    s.view->OnMouseMove(1, at); // not yet moved
    EXPECT_EQ(drags, 0);
    s.view->OnMouseMove(0, fw::CPoint(at.x + 20, at.y)); // button released
    s.view->OnMouseMove(1, fw::CPoint(at.x + 20, at.y));
    EXPECT_EQ(drags, 0);
    s.view->OnLButtonDown(0, at);
    s.view->OnMouseMove(1, fw::CPoint(at.x + 20, at.y));
    EXPECT_EQ(drags, 1);
}
