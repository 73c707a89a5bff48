// The drawing-object tree: grid snapping, the resize snapping of a tracked
// rectangle, and the group record against a record written by hand.

#include "app/protection/CObjGraph.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CObjGroupList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

namespace {

TEST(GroupGrid, PlacingSnapsToTheNearerCornerAndATieGoesDown) {
    // (61, 79): remainders 21 and 39 are over 20, so both go up to 81.
    EXPECT_EQ(DoSnapToGrid(61), 81);
    EXPECT_EQ(DoSnapToGrid(79), 81);
    // (60, 20): 20 is a remainder of exactly 20 and goes down.
    EXPECT_EQ(DoSnapToGrid(60), 41);
    EXPECT_EQ(DoSnapToGrid(20), 1);
    // The insertion point is floored whatever the remainder.
    EXPECT_EQ(DoFloorToGrid(79), 41);
    EXPECT_EQ(DoFloorToGrid(100), 81);
}

struct SnapCase {
    const char* what;
    fw::CRect before;
    fw::CRect dragged;
    unsigned handles;
    fw::CRect expected;
};

void PrintTo(const SnapCase& c, std::ostream* os) {
    *os << c.what;
}

class GroupResize : public ::testing::TestWithParam<SnapCase> {};

TEST_P(GroupResize, MovedEdgesSnapToTheGrid) {
    const SnapCase& c = GetParam();
    CObjGroup group;
    EXPECT_EQ(group.DoSnapTrackRect(c.before, c.dragged, c.handles), c.expected) << c.what;
}

// Cells run from 40k + 1 to 40k + 40: a symbol one cell wide is 1..40.
INSTANTIATE_TEST_SUITE_P(
    Cases, GroupResize,
    ::testing::Values(
        // A one-cell bar dragged 30 left by its right handle stays one cell:
        // the edge goes to the multiple of 40 above.
        SnapCase{
            "one cell, right edge in by 30", {1, 1, 40, 40}, {1, 1, 10, 40}, 32, {1, 1, 40, 40}},
        // Outward, the right edge goes to the nearer multiple of 40.
        SnapCase{"right edge out by 25", {1, 1, 40, 40}, {1, 1, 65, 40}, 32, {1, 1, 80, 40}},
        SnapCase{"right edge out by 15", {1, 1, 40, 40}, {1, 1, 55, 40}, 32, {1, 1, 40, 40}},
        // Two cells shrunk by 45 from the right become one.
        SnapCase{
            "two cells, right edge in by 45", {1, 1, 80, 40}, {1, 1, 35, 40}, 32, {1, 1, 40, 40}},
        // Two cells, the left edge in by 30: rounding would leave one cell
        // or less, so it is floored back.
        SnapCase{
            "two cells, left edge in by 30", {1, 1, 80, 40}, {31, 1, 80, 40}, 128, {1, 1, 80, 40}},
        SnapCase{
            "two cells, left edge in by 45", {1, 1, 80, 40}, {46, 1, 80, 40}, 128, {41, 1, 80, 40}},
        // The bottom edge of a four-cell bus-bar dragged out by 50.
        SnapCase{"bottom out by 50", {1, 1, 40, 160}, {1, 1, 40, 210}, 64, {1, 1, 40, 200}},
        // An edge whose middle handle is not offered keeps its value.
        SnapCase{"no handle on the right", {1, 1, 40, 40}, {1, 1, 95, 40}, 64, {1, 1, 40, 40}}));

std::vector<uint8_t> Store(CObjGroupList& list) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    list.Serialize(ar);
    return ar.Bytes();
}

TEST(GroupRecord, CompoundGroupLoadsAndStoresByteForByte) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_compound.hex");
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CObjGroupList list;
    list.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    ASSERT_EQ(list.GetCount(), 1);
    CObjGroup* top = list.GetHead();
    EXPECT_EQ(top->m_rect, fw::CRect(1, 1, 80, 80));
    EXPECT_EQ(top->m_nSelected, 1);
    EXPECT_EQ(top->m_strName, "G");
    EXPECT_EQ(top->m_tracker.m_rect, fw::CRect(10, 11, 12, 13));
    EXPECT_EQ(top->m_tracker.m_nStyle, 2u);
    EXPECT_EQ(top->GetElement(), nullptr);
    ASSERT_EQ(top->GetChildren().GetCount(), 1);
    CObjGroup* leaf = top->GetChildren().GetHead();
    EXPECT_EQ(leaf->m_rect, fw::CRect(1, 1, 40, 80));
    ASSERT_NE(leaf->GetElement(), nullptr);
    EXPECT_EQ(leaf->GetElement()->GetKind(), 77);
    EXPECT_EQ(Store(list), bytes);
}

TEST(GroupRecord, AnElementReadBeforeCannotBeOwnedAgain) {
    fw::CArchive ar = fw::CArchive::ForLoading(
        tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_sharedElement.hex"));
    CObjGroupList list;
    EXPECT_THROW(list.Serialize(ar), fw::CArchiveException);
}

TEST(GroupRecord, HasElementOtherThanOneLeavesTheNodeWithoutElement) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_compound.hex");
    // The leaf's has-element word (1) becomes 2, and its element record goes.
    static const char kName[] = "CObjElement";
    auto at = std::search(bytes.begin(), bytes.end(), kName, kName + 11) - 6;
    at = bytes.erase(at, at + 6 + 11 + 4);
    at[-4] = 2;
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CObjGroupList list;
    list.Serialize(ar);
    ASSERT_EQ(list.GetHead()->GetChildren().GetCount(), 1);
    EXPECT_EQ(list.GetHead()->GetChildren().GetHead()->GetElement(), nullptr);
}

// Groups nested n deep, each holding the next as its one child.
std::vector<uint8_t> Nested(int depth) {
    std::vector<uint8_t> head = {0x01, 0x00, 0xff, 0xff, 0x00, 0x00, 0x09, 0x00};
    const char* name = "CObjGroup";
    head.insert(head.end(), name, name + 9);
    std::vector<uint8_t> body(16 + 4 + 4 + 8 + 16 + 8, 0); // rectangles, words, offsets
    body.push_back(0);                                     // name ""
    body.push_back(0);                                     // explanation ""
    body.insert(body.end(), 16 + 4 + 4, 0);                // tracker, style, no element
    std::vector<uint8_t> bytes = head;
    for (int i = 0; i < depth; ++i) {
        bytes.insert(bytes.end(), body.begin(), body.end());
        if (i + 1 < depth) {
            bytes.push_back(0x01); // one child
            bytes.push_back(0x00);
            bytes.push_back(0x01); // class back-reference to CObjGroup
            bytes.push_back(0x80);
        }
    }
    bytes.push_back(0x00); // the innermost has no children
    bytes.push_back(0x00);
    return bytes;
}

TEST(GroupRecord, NestingIsBoundedAndADeeperFileIsRefused) {
    {
        fw::CArchive ar = fw::CArchive::ForLoading(Nested(CObjGroup::kMaxNestingDepth));
        CObjGroupList list;
        EXPECT_NO_THROW(list.Serialize(ar));
        EXPECT_EQ(ar.Remaining(), 0u);
    }
    {
        fw::CArchive ar = fw::CArchive::ForLoading(Nested(100000));
        CObjGroupList list;
        EXPECT_THROW(list.Serialize(ar), fw::CArchiveException);
    }
}

} // namespace

namespace {

TEST(GroupCollections, ElementsOnAGraphAndCopiesThatOwnThemselves) {
    CObjGroupList tree;
    CObjGroup* compound = tree.AddNewGroup();
    CObjGroup* leafMotor = compound->GetChildren().AddNewGroup();
    leafMotor->SetElement(std::make_unique<CObjElement>(kKindMotor));
    CObjGroup* leafLoad = tree.AddNewGroup();
    leafLoad->SetElement(std::make_unique<CObjElement>(kKindLoad));
    CObjElement* motor = leafMotor->GetElement();
    motor->SetVoltage(400, 0); // a motor's curve needs its voltage
    ASSERT_EQ(motor->IsAddableToGraph(3), 1);
    motor->AddToGraph(3, 1);

    CObjGraph graph3;
    graph3.m_nGraphNo = 3;
    CObjGraph graph5;
    graph5.m_nGraphNo = 5;
    CObjElementList onGraph;
    EXPECT_EQ(onGraph.CollectFromGroupsFiltered(tree, &graph3, 0, 0), 1);
    EXPECT_EQ(onGraph.GetAt(0), motor); // found inside the compound group
    CObjElementList none;
    EXPECT_EQ(none.CollectFromGroupsFiltered(tree, &graph5, 0, 0), 0);

    CObjElementList copies;
    EXPECT_EQ(copies.CollectFromGroups(tree, 0, 1), 2);
    EXPECT_NE(copies.GetAt(0), motor);
    EXPECT_EQ(copies.GetAt(0)->GetKind(), kKindMotor);
    copies.DoDeleteElements(); // the copies are the caller's
    EXPECT_EQ(motor->IsOnGraph(3), 1);
}

TEST(GroupCollections, AddableCountsOnlySelectedGroups) {
    CObjGroupList tree;
    CObjGroup* a = tree.AddNewGroup();
    a->SetElement(std::make_unique<CObjElement>(kKindMotor));
    CObjGroup* b = tree.AddNewGroup();
    b->SetElement(std::make_unique<CObjElement>(kKindMotor));
    for (CObjGroup* g : {a, b}) {
        g->GetElement()->SetVoltage(400, 0);
        g->GetElement()->GetSymbolRect(&g->m_rect);
    }
    a->m_nSelected = 1;
    EXPECT_EQ(tree.CountAddableToGraph(1), 1);
    b->m_nSelected = 1;
    EXPECT_EQ(tree.CountAddableToGraph(1), 2);
    fw::CRect area = tree.DoAddToGraph(1, 1);
    EXPECT_EQ(area, tree.GetGroupsRect());
    EXPECT_EQ(tree.CountAddableToGraph(1), 0); // already on it
}

} // namespace

namespace {

TEST(GroupOperations, InsertedElementLandsOnTheFlooredInsertionPointSelected) {
    CTovarineDocData doc;
    doc.m_infoSkeleton.m_ptInsert =
        fw::CPoint(179, 58); // inside the cell whose corner is (161, 41)
    CObjGroup* g = doc.m_listGroups.AddNewGroup();
    CObjElement* bar = g->InsertElement(nullptr, doc, kKindBusBar, 0);
    fw::CRect r;
    bar->GetSymbolRect(&r);
    EXPECT_EQ(r, fw::CRect(161, 41, 200, 200));
    EXPECT_EQ(g->m_rect, r);
    EXPECT_EQ(g->GetSelected(), 1);
    EXPECT_EQ(bar->GetSelect(), 1);
    EXPECT_EQ(bar->GetNumber(), 1u); // set up: numbered and named
    EXPECT_EQ(bar->GetName(), "BB1");
    // Variant 1 turns it once: lying, four cells wide.
    CObjGroup* h = doc.m_listGroups.AddNewGroup();
    CObjElement* lying = h->InsertElement(nullptr, doc, kKindBusBar, 1);
    EXPECT_EQ(lying->IsHorizontal(), 1);
    lying->GetSymbolRect(&r);
    EXPECT_EQ(r.left, 161);
    EXPECT_EQ(r.top, 41);
    EXPECT_EQ(r.right - r.left, 159);
}

TEST(GroupOperations, ShiftClickTogglesAndAPlainClickElsewhereDeselects) {
    CObjGroup g;
    g.SetElement(std::make_unique<CObjElement>(kKindMotor));
    EXPECT_EQ(g.DoSelect(0, true, 1), 1);
    EXPECT_EQ(g.GetSelected(), 1);
    EXPECT_EQ(g.DoSelect(0, true, 1), 0); // already selected
    EXPECT_EQ(g.DoSelect(4, true, 1), 1); // Shift toggles it off
    EXPECT_EQ(g.GetSelected(), 0);
    g.DoSelect(0, true, 1);
    EXPECT_EQ(g.DoSelect(4, false, 1), 0); // Shift-click elsewhere keeps it
    EXPECT_EQ(g.DoSelect(0, false, 1), 1); // a plain click elsewhere clears it
    EXPECT_EQ(g.GetElement()->GetSelect(), 0);
}

TEST(GroupOperations, DeletingWithFlagTwoKeepsMarkedGroups) {
    CTovarineDocData doc;
    for (int i = 0; i < 3; ++i) {
        CObjGroup* g = doc.m_listGroups.AddNewGroup();
        g->SetElement(std::make_unique<CObjElement>(kKindLoad));
        g->m_nSelected = 1;
    }
    doc.m_listGroups.GetAt(1)->m_nMark = 1;
    doc.m_listGroups.DoDeleteSelected(doc, nullptr, 2);
    ASSERT_EQ(doc.m_listGroups.GetCount(), 1);
    EXPECT_EQ(doc.m_listGroups.GetHead()->m_nMark, 1);
    doc.m_listGroups.DoDeleteSelected(doc, nullptr, 0);
    EXPECT_EQ(doc.m_listGroups.GetCount(), 0);
}

TEST(GroupOperations, AGroupMovesAsOneAndUngroupsIntoItsMembers) {
    CObjGroupList list;
    CObjGroup* a = list.AddNewGroup();
    a->SetElement(std::make_unique<CObjElement>(kKindBusBar));
    a->DoMoveTo(nullptr, 41, 41); // (41, 41, 80, 200)
    CObjGroup* b = list.AddNewGroup();
    b->SetElement(std::make_unique<CObjElement>(kKindWire));
    b->DoMoveTo(nullptr, 41, 201); // right below: (41, 201, 80, 360)
    a->m_nSelected = 1;
    b->m_nSelected = 1;
    CObjGroup* group = list.AddNewGroup();
    group->DoGroupSelected(nullptr, list);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(group->m_rect, fw::CRect(41, 41, 80, 360));
    // Moved by its own top-left, the members keep their places relative to it.
    group->DoMoveTo(nullptr, 121, 81);
    EXPECT_EQ(group->m_rect, fw::CRect(121, 81, 160, 400));
    fw::CRect r;
    group->GetChildren().GetTail()->GetElement()->GetSymbolRect(&r);
    EXPECT_EQ(r, fw::CRect(121, 241, 160, 400));
    group->m_nSelected = 1;
    list.DoUngroupSelected();
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(GroupOperations, TouchingElementsOfAGroup) {
    CObjGroupList list;
    auto place = [&list](int32_t kind, int32_t x, int32_t y) {
        CObjGroup* g = list.AddNewGroup();
        g->SetElement(std::make_unique<CObjElement>(kind));
        g->DoMoveTo(nullptr, x, y);
        return g;
    };
    CObjGroup* bar = place(kKindBusBar, 41, 41); // (41, 41, 80, 200)
    place(kKindWire, 41, 201);                   // below, touching
    place(kKindWire, 81, 41);                    // right, touching
    place(kKindWire, 161, 41);                   // one cell away
    CObjElementList touching;
    EXPECT_EQ(touching.CollectTouching(list, bar), 2);
}

} // namespace
