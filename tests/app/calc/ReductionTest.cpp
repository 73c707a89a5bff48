// The network reduction rule by rule on node lists laid out by hand: the
// neighbour rule with long branches, the junction preparation, the parallel
// pass, the start node's links, the junction walk, the directional
// reductions and the rows of the reduction drivers. Every value is resistive
// (X = 0), so that a parallel pair is R1 R2 / (R1 + R2) and |Z| = R, and is
// worked out by hand beside the test from the rules of the reduction.
//
// Rectangles are inclusive and on a 40-unit grid: a cell at column c, row r
// spans (40c, 40r, 40c + 39, 40r + 39).

#include "app/calc/CPercentZ.h"
#include "app/calc/CPercentZList.h"
#include "app/shell/model/CObjElement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

constexpr uint32_t kSource = 4;
constexpr uint32_t kTrans3 = 5;
constexpr uint32_t kMotorEffect = 7;
constexpr uint32_t kJunction = 8;
constexpr uint32_t kBranch = CPercentZ::kindBranch;

// A node list laid out by hand.
struct Nodes {
    CPercentZ* Add(uint32_t kind, int l, int t, int r, int b, double R = 0.0,
                   CObjElement* element = nullptr) {
        CPercentZ* n = list.DoAddNew();
        n->m_nKind = kind;
        n->m_rect = fw::CRect(l, t, r, b);
        n->m_dR = R;
        n->m_pElement = element;
        return n;
    }
    // Loop values: the N pair and the PE pair, resistive.
    CPercentZ* AddLoop(uint32_t kind, int l, int t, int r, int b, double n, double pe) {
        CPercentZ* node = Add(kind, l, t, r, b);
        node->m_dRN = n;
        node->m_dRPE = pe;
        return node;
    }
    CPercentZList list;
};

// The document as a reduction sees it: a fixed orientation, and a fixed
// answer for a calculation started at a junction, whose calls are kept.
class FakeHost : public CReductionHost {
public:
    int32_t GetOrientation(const CObjElement*) const override { return orientation; }
    CPercentZ CalcAt(CObjElement* element, bool loop) override {
        calls.emplace_back(element, loop);
        return answer;
    }
    int32_t orientation = 0;
    CPercentZ answer;
    std::vector<std::pair<CObjElement*, bool>> calls;
};

constexpr double kEps = 1e-9;

// ---- neighbour rule -----------------------------------------------------------------

struct NeighbourCase {
    const char* name;
    uint32_t kindN;
    fw::CRect n;
    uint32_t kindM;
    fw::CRect m;
    int32_t direction;
    bool found;
};

void PrintTo(const NeighbourCase& c, std::ostream* os) {
    *os << c.name;
}

// A long branch (width 119) is entered from above over its left 40 units
// only and left downward over its right 40 units only; a short node meets a
// long one at the long one's right end above it and its left end below it.
//   N long, up: l' <= l and l + 39 <= r'; N long, down: r - 39 >= l' and
//   r <= r'; M long above: l <= r' - 39 and l + w >= r'; M long below:
//   l <= l' and l' + 39 <= l + w.
const NeighbourCase kNeighbourCases[] = {
    {"LongUpAtItsLeftEnd", kBranch, {0, 100, 119, 139}, kBranch, {0, 60, 39, 99}, kUp, true},
    // 0 <= 80 and 119 <= 119 would hold for the right end; the rule asks
    // for l' <= 0, and 80 is not.
    {"LongUpNotAtItsRightEnd", kBranch, {0, 100, 119, 139}, kBranch, {80, 60, 119, 99}, kUp, false},
    // r - 39 = 80 >= 80 and 119 <= 119.
    {"LongDownAtItsRightEnd",
     kBranch,
     {0, 100, 119, 139},
     kBranch,
     {80, 140, 119, 179},
     kDown,
     true},
    // 119 <= 39 fails.
    {"LongDownNotAtItsLeftEnd",
     kBranch,
     {0, 100, 119, 139},
     kBranch,
     {0, 140, 39, 179},
     kDown,
     false},
    // Short N below long M: 80 <= 119 - 39 and 80 + 39 >= 119.
    {"UnderTheRightEndOfALongOne",
     kBranch,
     {80, 140, 119, 179},
     kBranch,
     {0, 100, 119, 139},
     kUp,
     true},
    // 0 + 39 >= 119 fails.
    {"NotUnderTheLeftEndOfALongOne",
     kBranch,
     {0, 140, 39, 179},
     kBranch,
     {0, 100, 119, 139},
     kUp,
     false},
    // Short N above long M: 0 <= 0 and 0 + 39 <= 0 + 39.
    {"OverTheLeftEndOfALongOne",
     kBranch,
     {0, 60, 39, 99},
     kBranch,
     {0, 100, 119, 139},
     kDown,
     true},
    // 80 <= 0 fails.
    {"NotOverTheRightEndOfALongOne",
     kBranch,
     {80, 60, 119, 99},
     kBranch,
     {0, 100, 119, 139},
     kDown,
     false},
    // A junction meets any node its span overlaps: 120 < 239 and 0 < 159.
    {"JunctionByOverlap", kJunction, {0, 100, 239, 139}, kBranch, {120, 60, 159, 99}, kUp, true},
    // Two short nodes need the same left edge.
    {"ShortNodesNeedTheSameLeftEdge",
     kBranch,
     {0, 100, 39, 139},
     kBranch,
     {1, 60, 40, 99},
     kUp,
     false},
    // A motor effect has no lower terminal.
    {"NoLowerTerminalAbove", kBranch, {0, 100, 39, 139}, kMotorEffect, {0, 60, 39, 99}, kUp, false},
    // Sideways: same top, l' = l + w + 1 = 0 + 79 + 1.
    {"RightNeighbour", kBranch, {0, 100, 79, 139}, kJunction, {80, 100, 119, 139}, kRight, true},
    {"RightNeedsSideTerminals",
     kBranch,
     {0, 100, 79, 139},
     kTrans3,
     {80, 100, 119, 139},
     kRight,
     false},
    // l = l' + w' + 1: 80 = 0 + 79 + 1.
    {"LeftNeighbour", kJunction, {80, 100, 119, 139}, kBranch, {0, 100, 79, 139}, kLeft, true},
};

class NeighbourRule : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighbourRule, FindsTheNodeWhereTheRectanglesTouch) {
    const NeighbourCase& c = GetParam();
    Nodes nodes;
    CPercentZ* n = nodes.Add(c.kindN, c.n.left, c.n.top, c.n.right, c.n.bottom);
    CPercentZ* m = nodes.Add(c.kindM, c.m.left, c.m.top, c.m.right, c.m.bottom);
    EXPECT_EQ(nodes.list.DoFindNeighbour(n, c.direction, 0), c.found ? m : nullptr);
    EXPECT_EQ(nodes.list.GetCount(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, NeighbourRule, ::testing::ValuesIn(kNeighbourCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- junction preparation --------------------------------------------------------------

// A zero-impedance node on the left of a junction goes and the junction
// reaches to its left edge; a faulted or non-zero one stays.
TEST(JunctionPreparation, ZeroLinkOnTheLeftWidensTheJunction) {
    struct Case {
        double r;
        bool fault;
        size_t count;
        int left;
    };
    for (const Case& c :
         {Case{0.0, false, 1, 0}, Case{0.0, true, 2, 80}, Case{1.0, false, 2, 80}}) {
        SCOPED_TRACE(testing::Message() << "R " << c.r << " fault " << c.fault);
        Nodes nodes;
        CPercentZ* j = nodes.Add(kJunction, 80, 100, 199, 139);
        CPercentZ* l = nodes.Add(kBranch, 0, 100, 79, 139, c.r);
        l->m_nFaultPoint = c.fault ? 1 : 0;
        nodes.list.DoPrepareZeroCond();
        EXPECT_EQ(nodes.list.GetCount(), c.count);
        EXPECT_EQ(j->m_rect.left, c.left);
        EXPECT_EQ(j->m_rect.right, 199);
    }
}

// A zero-impedance fault junction on the right takes the junction in (its
// left edge moves to the junction's); a zero-impedance fault branch there
// takes nothing and is taken by nothing.
TEST(JunctionPreparation, FaultOnTheRightIsNeverAbsorbed) {
    {
        Nodes nodes;
        nodes.Add(kJunction, 0, 100, 79, 139);
        CPercentZ* r = nodes.Add(kJunction, 80, 100, 199, 139);
        r->m_nFaultPoint = 1;
        nodes.list.DoPrepareZeroCond();
        ASSERT_EQ(nodes.list.GetCount(), 1u);
        EXPECT_EQ(nodes.list.GetHead(), r);
        EXPECT_EQ(r->m_rect.left, 0);
        EXPECT_EQ(r->m_rect.right, 199);
    }
    {
        Nodes nodes;
        CPercentZ* j = nodes.Add(kJunction, 0, 100, 79, 139);
        CPercentZ* r = nodes.Add(kBranch, 80, 100, 159, 139);
        r->m_nFaultPoint = 1;
        nodes.list.DoPrepareZeroCond();
        EXPECT_EQ(nodes.list.GetCount(), 2u);
        EXPECT_EQ(j->m_rect.right, 79);
        EXPECT_EQ(r->m_rect.left, 80);
    }
}

// A junction that took a zero link in is met at its new edge by the next
// junction along: one that takes links but has impedance of its own (1 %)
// finds the widened junction of no impedance beside it and takes it in.
TEST(JunctionPreparation, AWidenedJunctionIsMetAtItsNewEdge) {
    {
        // J (0..79) takes Z (80..119) and ends at 119; K (120..199) then
        // has J on its left (119 + 1 = 120) and reaches to J's left edge.
        Nodes nodes;
        nodes.Add(kJunction, 0, 100, 79, 139);
        nodes.Add(kBranch, 80, 100, 119, 139);
        CPercentZ* k = nodes.Add(kJunction, 120, 100, 199, 139, 1.0);
        nodes.list.DoPrepareZeroCond();
        ASSERT_EQ(nodes.list.GetCount(), 1u);
        EXPECT_EQ(nodes.list.GetHead(), k);
        EXPECT_EQ(k->m_rect.left, 0);
        EXPECT_EQ(k->m_rect.right, 199);
    }
    {
        // J (120..199) takes Z (80..119) and starts at 80; K (0..79) then
        // has J on its right (0 + 79 + 1 = 80) and reaches to J's right end.
        Nodes nodes;
        nodes.Add(kJunction, 120, 100, 199, 139);
        nodes.Add(kBranch, 80, 100, 119, 139);
        CPercentZ* k = nodes.Add(kJunction, 0, 100, 79, 139, 1.0);
        nodes.list.DoPrepareZeroCond();
        ASSERT_EQ(nodes.list.GetCount(), 1u);
        EXPECT_EQ(nodes.list.GetHead(), k);
        EXPECT_EQ(k->m_rect.left, 0);
        EXPECT_EQ(k->m_rect.right, 199);
    }
}

// The first junction of the list that can take a neighbour in takes it, and
// goes on while it can: B (first in the list) takes Z on its left and then
// A, though A could have taken Z from its right.
TEST(JunctionPreparation, TheFirstJunctionOfTheListTakesItsNeighboursFirst) {
    Nodes nodes;
    CPercentZ* b = nodes.Add(kJunction, 80, 100, 119, 139);
    nodes.Add(kJunction, 0, 100, 39, 139); // A
    nodes.Add(kBranch, 40, 100, 79, 139);  // Z
    nodes.list.DoPrepareZeroCond();
    ASSERT_EQ(nodes.list.GetCount(), 1u);
    EXPECT_EQ(nodes.list.GetHead(), b);
    EXPECT_EQ(b->m_rect, fw::CRect(0, 100, 119, 139));
}

// ---- series pass -----------------------------------------------------------------------

// J1 (columns 0 and 1, row 3) has a branch K on its right and so cannot
// pass current through at first. J3 above K leads nowhere upward and goes
// with K; J1, asked again, then passes through: one way up (B1 to J0) and
// one way down (B2 to J2). It becomes a branch from B1's corner to B2's,
// of 1 + 2 = 3 %. J0 (a source above) and J2 (a motor effect below) have
// two ways on one side and stay.
TEST(SeriesPass, AJunctionIsAskedAgainWhenANeighbourBesideItGoes) {
    Nodes nodes;
    CPercentZ* j1 = nodes.Add(kJunction, 0, 120, 79, 159);
    nodes.Add(kBranch, 80, 120, 119, 159, 4.0); // K
    nodes.Add(kSource, 0, 0, 39, 39, 5.0);      // S
    CPercentZ* j0 = nodes.Add(kJunction, 0, 40, 39, 79);
    nodes.Add(kBranch, 0, 80, 39, 119, 1.0);  // B1
    nodes.Add(kBranch, 0, 160, 39, 199, 2.0); // B2
    CPercentZ* j2 = nodes.Add(kJunction, 0, 200, 39, 239);
    nodes.Add(kMotorEffect, 0, 240, 39, 279, 9.0); // M
    nodes.Add(kJunction, 80, 80, 119, 119);        // J3
    nodes.list.DoSeriesPhase();
    ASSERT_EQ(nodes.list.GetCount(), 5u);
    EXPECT_EQ(nodes.list.GetHead(), j1);
    EXPECT_EQ(j1->m_nKind, kBranch);
    EXPECT_EQ(j1->m_rect, fw::CRect(0, 80, 39, 199));
    EXPECT_NEAR(j1->m_dR, 3.0, kEps);
    EXPECT_TRUE(nodes.list.Contains(j0));
    EXPECT_TRUE(nodes.list.Contains(j2));
}

// A source S over J0 (columns 0 and 1); A (2 %) and B below J0, down to
// J1; C (3 %) from J1 down to J2, a motor effect M under J2.
struct TwoWaysDown {
    TwoWaysDown(double rB) {
        nodes.Add(kSource, 0, 0, 39, 39, 5.0);
        nodes.Add(kJunction, 0, 40, 79, 79); // J0
        a = nodes.Add(kBranch, 0, 80, 39, 119, 2.0);
        b = nodes.Add(kBranch, 40, 80, 79, 119, rB);
        j1 = nodes.Add(kJunction, 0, 120, 79, 159);
        nodes.Add(kBranch, 0, 160, 39, 199, 3.0); // C
        nodes.Add(kJunction, 0, 200, 39, 239);    // J2
        nodes.Add(kMotorEffect, 0, 240, 39, 279, 9.0);
    }
    Nodes nodes;
    CPercentZ* a;
    CPercentZ* b;
    CPercentZ* j1;
};

// J1 has two ways up (A and B to J0) and stays; the parallel pass puts B
// (2 %) beside A (1 % left), and the next series pass finds J1 passing
// current through: a branch from A's corner to C's of 1 + 3 = 4 %.
TEST(SeriesPass, AJunctionIsAskedAgainWhenAParallelMergeTookAWayAway) {
    TwoWaysDown net(2.0);
    net.nodes.list.DoSeriesPhase();
    EXPECT_EQ(net.nodes.list.GetCount(), 8u);
    EXPECT_EQ(net.j1->m_nKind, kJunction);
    EXPECT_EQ(net.nodes.list.DoParallelPhase(), 1);
    net.nodes.list.DoSeriesPhase();
    ASSERT_EQ(net.nodes.list.GetCount(), 5u);
    EXPECT_EQ(net.j1->m_nKind, kBranch);
    EXPECT_EQ(net.j1->m_rect, fw::CRect(0, 80, 39, 199));
    EXPECT_NEAR(net.j1->m_dR, 4.0, kEps);
    EXPECT_FALSE(net.nodes.list.Contains(net.a));
    EXPECT_FALSE(net.nodes.list.Contains(net.b));
}

// Between two series passes B leaves the list, or moves away from J0 and
// J1, by other hands than the passes': the next pass sees J1 with A as its
// only way up, and makes it a branch of A (2 %) and C (3 %).
TEST(SeriesPass, SeesTheListAsItIsAfterAChangeByOtherHands) {
    for (bool moved : {false, true}) {
        SCOPED_TRACE(moved ? "B moved" : "B taken out");
        TwoWaysDown net(7.0);
        net.nodes.list.DoSeriesPhase();
        EXPECT_EQ(net.j1->m_nKind, kJunction);
        if (moved)
            net.b->m_rect = fw::CRect(400, 80, 439, 119);
        else
            net.nodes.list.Remove(net.b);
        net.nodes.list.DoSeriesPhase();
        EXPECT_EQ(net.nodes.list.GetCount(), moved ? 6u : 5u);
        EXPECT_EQ(net.j1->m_nKind, kBranch);
        EXPECT_EQ(net.j1->m_rect, fw::CRect(0, 80, 39, 199));
        EXPECT_NEAR(net.j1->m_dR, 5.0, kEps);
    }
}

// J (columns 0 to 4) has nothing above it and five branches below that
// lead nowhere: it is dead, and goes with the first of them in the list's
// order (the one at column 3), however many more of its edge meet J's
// columns; the others stay.
TEST(SeriesPass, ADeadJunctionGoesWithTheFirstNeighbourOfTheList) {
    Nodes nodes;
    CPercentZ* j = nodes.Add(kJunction, 0, 100, 199, 139);
    std::vector<CPercentZ*> below;
    for (int column : {3, 1, 0, 4, 2})
        below.push_back(nodes.Add(kBranch, 40 * column, 140, 40 * column + 39, 179, 1.0));
    nodes.list.DoSeriesPhase();
    ASSERT_EQ(nodes.list.GetCount(), 4u);
    EXPECT_FALSE(nodes.list.Contains(j));
    EXPECT_FALSE(nodes.list.Contains(below[0]));
    for (size_t k = 1; k < below.size(); ++k)
        EXPECT_TRUE(nodes.list.Contains(below[k])) << k;
}

// ---- parallel pass ---------------------------------------------------------------------

// Two branches of 2 % between the same two junctions become one of
// 2 x 2 / 4 = 1 %; when one of them holds the fault neither is merged.
TEST(ParallelPass, MergesBranchesBetweenTheSameJunctionsButNeverTheFault) {
    for (bool fault : {false, true}) {
        SCOPED_TRACE(fault ? "fault on the second" : "no fault");
        Nodes nodes;
        nodes.Add(kJunction, 0, 20, 239, 59);
        CPercentZ* a = nodes.Add(kBranch, 0, 60, 39, 99, 2.0);
        CPercentZ* b = nodes.Add(kBranch, 80, 60, 119, 99, 2.0);
        nodes.Add(kJunction, 0, 100, 239, 139);
        b->m_nFaultPoint = fault ? 1 : 0;
        EXPECT_EQ(nodes.list.DoParallelPhase(), fault ? 0 : 1);
        EXPECT_EQ(nodes.list.GetCount(), fault ? 4u : 3u);
        EXPECT_NEAR(a->m_dR, fault ? 2.0 : 1.0, kEps);
    }
}

// Three branches of 3, 1 and 2 % between the same junctions: the first of
// them in the list (C, of 3 %) takes the others in, one by one, and is left
// with 1 / (1/3 + 1/1 + 1/2) = 6/11 %.
TEST(ParallelPass, TheFirstBranchOfTheListTakesTheOthersIn) {
    Nodes nodes;
    nodes.Add(kJunction, 0, 20, 239, 59);
    CPercentZ* c = nodes.Add(kBranch, 160, 60, 199, 99, 3.0);
    CPercentZ* a = nodes.Add(kBranch, 0, 60, 39, 99, 1.0);
    CPercentZ* b = nodes.Add(kBranch, 80, 60, 119, 99, 2.0);
    nodes.Add(kJunction, 0, 100, 239, 139);
    EXPECT_EQ(nodes.list.DoParallelPhase(), 1);
    ASSERT_EQ(nodes.list.GetCount(), 3u);
    EXPECT_TRUE(nodes.list.Contains(c));
    EXPECT_FALSE(nodes.list.Contains(a));
    EXPECT_FALSE(nodes.list.Contains(b));
    EXPECT_NEAR(c->m_dR, 6.0 / 11.0, kEps);
}

// ---- start node and links ----------------------------------------------------------------

// The fault branch S has a junction straight above (link up) and on its
// left (link 128); below and on its right a node b (h) lies between it and
// the next junction: a link down (32) only when that node has |Z| = 0.
TEST(StartNode, LinksBelowAndRightOnlyThroughZeroImpedance) {
    for (double between : {0.0, 1.0}) {
        SCOPED_TRACE(testing::Message() << "R between " << between);
        CObjElement up, down, left, right;
        Nodes nodes;
        nodes.Add(kJunction, 0, 60, 239, 99, 0.0, &up);
        CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 3.0);
        s->m_nFaultPoint = 1;
        nodes.Add(kBranch, 0, 140, 39, 179, between);
        nodes.Add(kJunction, 0, 180, 239, 219, 0.0, &down);
        nodes.Add(kBranch, 40, 100, 119, 139, between);
        nodes.Add(kJunction, 120, 100, 199, 139, 0.0, &right);
        nodes.Add(kJunction, -80, 100, -1, 139, 0.0, &left);
        ASSERT_EQ(nodes.list.DoGetStartNode(), s);
        EXPECT_EQ(s->m_pLinkUp, &up);
        EXPECT_EQ(s->m_pLinkSide128, &left);
        EXPECT_EQ(s->m_pLinkDown, between == 0.0 ? &down : nullptr);
        EXPECT_EQ(s->m_pLinkSide32, between == 0.0 ? &right : nullptr);
    }
}

// ---- junction walk, three-phase --------------------------------------------------------

// Junction Z with a source s (2 %) on it and a branch c (4 %) below it that
// ends; a branch b (1 %) from Z down to junction J; a motor effect m (10 %)
// below J. Walked from J:
//   up: U = b; the walk at Z gives X2 = s = 2, Y2 = 0, T2 = c = 4; with
//     |X| = 0: X = 2, Y2 = U = 1, with F = 0 Y2 = 1 par 4 = 0.8, Y = Y2,
//     U = T2 = 4;
//   down (after up): |X| and |Y| non-zero: X = (X + Y) par m, Y = 0:
//     F = 1: 3 par 10 = 30 / 13; F = 0: 2.8 par 10 = 28 / 12.8 = 2.1875;
//   through: U = 4.
// Walking down first would give X = 10 par (1 par 4 + 2) = 2.1875 and a
// through term of 0 with F = 1.
TEST(WalkPhase, UpBeforeDownAndTheFlagOnTheThroughPath) {
    struct Case {
        int32_t flag;
        double x;
    };
    for (const Case& c : {Case{1, 30.0 / 13.0}, Case{0, 2.1875}}) {
        SCOPED_TRACE(testing::Message() << "F " << c.flag);
        Nodes nodes;
        nodes.Add(kSource, 0, 60, 39, 99, 2.0);
        nodes.Add(kJunction, 0, 100, 239, 139);
        nodes.Add(kBranch, 0, 140, 39, 179, 1.0);
        nodes.Add(kBranch, 160, 140, 199, 179, 4.0);
        CPercentZ* j = nodes.Add(kJunction, 0, 180, 79, 219);
        nodes.Add(kMotorEffect, 0, 220, 39, 259, 10.0);
        CPercentZList copy = nodes.list.MakeWorkingCopy();
        CPercentZ x, y;
        CPercentZ t = copy.DoWalkPhase(j, x, y, c.flag);
        EXPECT_NEAR(x.m_dR, c.x, kEps);
        EXPECT_NEAR(y.m_dR, 0.0, kEps);
        EXPECT_NEAR(t.m_dR, 4.0, kEps);
    }
}

// The same upper part with a source s1 (5 %) straight on J found first:
// X = 5 when the walk reaches Z; then Y2 = U = 1, Y2 = Y2 par T2 = 0.8,
// Y2 + X2 = 2.8, X = 5 par 2.8 = 14 / 7.8, and U = 0: no through term.
TEST(WalkPhase, InFeedBeyondAJunctionJoinsAnInFeedAlreadyFound) {
    Nodes nodes;
    nodes.Add(kSource, 0, 60, 39, 99, 2.0);
    nodes.Add(kJunction, 0, 100, 239, 139);
    nodes.Add(kSource, 40, 140, 79, 179, 5.0);
    nodes.Add(kBranch, 0, 140, 39, 179, 1.0);
    nodes.Add(kBranch, 160, 140, 199, 179, 4.0);
    CPercentZ* j = nodes.Add(kJunction, 0, 180, 79, 219);
    CPercentZList copy = nodes.list.MakeWorkingCopy();
    CPercentZ x, y;
    CPercentZ t = copy.DoWalkPhase(j, x, y, 1);
    EXPECT_NEAR(x.m_dR, 14.0 / 7.8, kEps);
    EXPECT_NEAR(y.m_dR, 0.0, kEps);
    EXPECT_NEAR(t.m_dR, 0.0, kEps);
}

// Sideways: a branch h (3 %) on the left of J leads to junction Z, which has
// a dead-end branch c (4 %) below it and, through a branch b2 (1 %), the
// junction Z3 with a source s3 (2 %) above it. The walk at Z: up gives
// X = 2, Y = b2 = 1; down gives T2 = c = 4. At J's left: P = 2, Q = 1:
//   Q = Q par T2 = 0.8; P = 2 + 0.8 + Lt (3) = 5.8; Y = P (Y was 0);
//   X = Y = 5.8, Y = 0; Lt = T2 = 4, the through term.
TEST(WalkPhase, LeftJunctionFeedsThroughItsPathAndKeepsItsThroughTerm) {
    Nodes nodes;
    nodes.Add(kSource, 0, -20, 39, 19, 2.0);
    nodes.Add(kJunction, 0, 20, 79, 59);
    nodes.Add(kBranch, 0, 60, 39, 99, 1.0);
    nodes.Add(kJunction, 0, 100, 79, 139);
    nodes.Add(kBranch, 40, 140, 79, 179, 4.0);
    nodes.Add(kBranch, 80, 100, 159, 139, 3.0);
    CPercentZ* j = nodes.Add(kJunction, 160, 100, 239, 139);
    CPercentZList copy = nodes.list.MakeWorkingCopy();
    CPercentZ x, y;
    CPercentZ t = copy.DoWalkPhase(j, x, y, 1);
    EXPECT_NEAR(x.m_dR, 5.8, kEps);
    EXPECT_NEAR(y.m_dR, 0.0, kEps);
    EXPECT_NEAR(t.m_dR, 4.0, kEps);
}

// ---- directional reductions ---------------------------------------------------------------

// A motor effect (10 %) straight below the start node is the downward out
// term: R = 10, O = R, and the chain ends there.
TEST(ReduceDown, MotorEffectBelowIsTheOutTerm) {
    Nodes nodes;
    CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 3.0);
    s->m_nFaultPoint = 1;
    nodes.Add(kMotorEffect, 0, 140, 39, 179, 10.0);
    CPercentZ out;
    CPercentZ r = nodes.list.DoReduceDown(s, out, 1);
    EXPECT_NEAR(out.m_dR, 10.0, kEps);
    EXPECT_NEAR(r.m_dR, 10.0, kEps);
}

// S (6 %), below it b (1 %) to junction J, a branch e (2 %) from J down to
// junction K and a motor effect m (10 %) below K. The walk at J: down, e
// reaches K whose walk gives X2 = m = 10, T2 = 0; with |X| = 0: X = 10,
// Y = D = 2. Back with R = b = 1, |X| != 0 and |T| = 0:
//   F = 1: R = R + X + Y = 13;
//   F = 0 (downward): R = X + ((Y + R) par S) = 10 + (3 par 6) = 12;
// then O = R and R = 0.
TEST(ReduceDown, InFeedBeyondAJunctionByTheFlag) {
    struct Case {
        int32_t flag;
        double out;
    };
    for (const Case& c : {Case{1, 13.0}, Case{0, 12.0}}) {
        SCOPED_TRACE(testing::Message() << "F " << c.flag);
        Nodes nodes;
        CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 6.0);
        s->m_nFaultPoint = 1;
        nodes.Add(kBranch, 0, 140, 39, 179, 1.0);
        nodes.Add(kJunction, 0, 180, 79, 219);
        nodes.Add(kBranch, 0, 220, 39, 259, 2.0);
        nodes.Add(kJunction, 0, 260, 79, 299);
        nodes.Add(kMotorEffect, 0, 300, 39, 339, 10.0);
        CPercentZ out;
        CPercentZ r = nodes.list.DoReduceDown(s, out, c.flag);
        EXPECT_NEAR(out.m_dR, c.out, kEps);
        EXPECT_NEAR(r.m_dR, 0.0, kEps);
        EXPECT_EQ(nodes.list.GetCount(), 6u); // the reduction works on a copy
    }
}

// ---- three-phase reduction driver -----------------------------------------------------------

// A long fault branch S (3 %) with junction JR straight on its right (link
// 32) and a source (2 %) on JR. calc(JR) answers 100 %. Rightward with
// F = 0: the walk at JR gives X = 2, T = 0, so O = X + R + Y = 2.
//   orientation 1: A = out of left, nothing there: 0; B = calc = 100;
//   orientation 2: A = out of right = 2, A += S: 5; B = 100;
//   orientation 0: calc only: A = 0, B = 100.
TEST(ReducePhase, LinkOnTheRightByOrientation) {
    struct Case {
        int32_t orientation;
        double a;
    };
    for (const Case& c : {Case{1, 0.0}, Case{2, 5.0}, Case{0, 0.0}}) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation);
        CObjElement jr;
        Nodes nodes;
        CPercentZ* s = nodes.Add(kBranch, 0, 100, 79, 139, 3.0);
        s->m_nFaultPoint = 1;
        nodes.Add(kJunction, 80, 100, 159, 139, 0.0, &jr);
        nodes.Add(kSource, 80, 60, 119, 99, 2.0);
        FakeHost host;
        host.orientation = c.orientation;
        host.answer.m_dR = 100.0;
        CPercentZ a, b;
        ASSERT_EQ(nodes.list.DoReducePhase(host, a, b), s);
        EXPECT_EQ(s->m_pLinkSide32, &jr);
        EXPECT_NEAR(a.m_dR, c.a, kEps);
        EXPECT_NEAR(b.m_dR, 100.0, kEps);
        ASSERT_EQ(host.calls.size(), 1u);
        EXPECT_EQ(host.calls[0].first, &jr);
        EXPECT_FALSE(host.calls[0].second);
    }
}

// A source (5 %) over a junction J over the fault branch F (1 %), beside
// 300 branches that touch nothing (a long list, whose reductions search
// through an index): after the passes, the source side is 5 + 1 = 6 %.
// Taken out of the list by other hands after the passes, the source feeds
// nothing: the source side is F's own 1 %.
TEST(ReducePhase, ALongListIsReducedAsItIsAfterAChangeByOtherHands) {
    for (bool taken : {false, true}) {
        SCOPED_TRACE(taken ? "source taken out" : "as the passes left it");
        Nodes nodes;
        CPercentZ* source = nodes.Add(kSource, 0, 0, 39, 39, 5.0);
        nodes.Add(kJunction, 0, 40, 39, 79);
        CPercentZ* f = nodes.Add(kBranch, 0, 80, 39, 119, 1.0);
        f->m_nFaultPoint = 1;
        for (int i = 0; i < 300; ++i)
            nodes.Add(kBranch, 400 + 80 * i, 400, 439 + 80 * i, 439, 1.0);
        nodes.list.DoPrepareZeroCond();
        nodes.list.DoSeriesPhase();
        EXPECT_EQ(nodes.list.DoParallelPhase(), 0);
        ASSERT_EQ(nodes.list.GetCount(), 303u);
        if (taken)
            nodes.list.Remove(source);
        FakeHost host;
        host.orientation = 0;
        CPercentZ a, b;
        ASSERT_EQ(nodes.list.DoReducePhase(host, a, b), f);
        EXPECT_NEAR(a.m_dR, taken ? 1.0 : 6.0, kEps);
        EXPECT_NEAR(b.m_dR, 0.0, kEps);
    }
}

// Junctions straight above (J1) and below (J2) the fault branch S (3 %):
// A = out of up, S added only when A is non-zero; B = calc(J2) = 100.
//   a source (2 %) on J1: A = 2 + 3 = 5; no source: A = 0.
TEST(ReducePhase, LinksUpAndDownAddTheStartOnlyToASourceSide) {
    for (bool source : {true, false}) {
        SCOPED_TRACE(source ? "source on J1" : "no source");
        CObjElement j1, j2;
        Nodes nodes;
        nodes.Add(kJunction, 0, 60, 239, 99, 0.0, &j1);
        CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 3.0);
        s->m_nFaultPoint = 1;
        nodes.Add(kJunction, 0, 140, 239, 179, 0.0, &j2);
        if (source)
            nodes.Add(kSource, 0, 20, 39, 59, 2.0);
        FakeHost host;
        host.answer.m_dR = 100.0;
        CPercentZ a, b;
        ASSERT_EQ(nodes.list.DoReducePhase(host, a, b), s);
        EXPECT_NEAR(a.m_dR, source ? 5.0 : 0.0, kEps);
        EXPECT_NEAR(b.m_dR, 100.0, kEps);
        ASSERT_EQ(host.calls.size(), 1u);
        EXPECT_EQ(host.calls[0].first, &j2);
    }
}

// Link up only, a fault branch S of no impedance under J1, which has a
// source (2 %) on it and a branch c (4 %) below it that ends; below S a
// branch b (1 %) to J2 with a motor effect (10 %) below J2 (b keeps J2
// from being a link).
//   Q = up (F = 1): at J1 X = 2, T = c = 4: O = A = 2, R = T: Q = 4; A += S.
//   |Q| != 0 and |S| = 0: B = down (F = 1) = b + m = 11; |B| > 0: Q = up
//   (F = 0) with B as out term: B = 2, Q = 4 != 0: link down = link up.
TEST(ReducePhase, LinkUpOnlyWithAThroughPathAboveAndAStartOfNoImpedance) {
    CObjElement j1;
    Nodes nodes;
    nodes.Add(kJunction, 0, 60, 239, 99, 0.0, &j1);
    nodes.Add(kSource, 0, 20, 39, 59, 2.0);
    nodes.Add(kBranch, 160, 100, 199, 139, 4.0);
    CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 0.0);
    s->m_nFaultPoint = 1;
    nodes.Add(kBranch, 0, 140, 39, 179, 1.0);
    nodes.Add(kJunction, 0, 180, 79, 219);
    nodes.Add(kMotorEffect, 0, 220, 39, 259, 10.0);
    FakeHost host;
    CPercentZ a, b;
    ASSERT_EQ(nodes.list.DoReducePhase(host, a, b), s);
    EXPECT_NEAR(a.m_dR, 2.0, kEps);
    EXPECT_NEAR(b.m_dR, 2.0, kEps);
    EXPECT_EQ(s->m_pLinkUp, &j1);
    EXPECT_EQ(s->m_pLinkDown, &j1);
    EXPECT_TRUE(host.calls.empty());
}

// Link up only, a fault branch S of 3 % under J1 with a source (2 %) on it,
// below S b (1 %) to J2 with a motor effect (10 %):
//   Q = up (F = 1): X = 2, T = 0: A = 2, Q = 0; A += S: 5;
//   B = down (F = 1) = 1 + 10 = 11, non-zero with |S| > 0: B = down (F = 0)
//   = 10 + ((0 + 1) par 3) = 10.75, and link down = link up.
TEST(ReducePhase, LinkUpOnlyWithAStartOfImpedanceTakesTheMotorSideByF0) {
    CObjElement j1;
    Nodes nodes;
    nodes.Add(kJunction, 0, 60, 239, 99, 0.0, &j1);
    nodes.Add(kSource, 0, 20, 39, 59, 2.0);
    CPercentZ* s = nodes.Add(kBranch, 0, 100, 39, 139, 3.0);
    s->m_nFaultPoint = 1;
    nodes.Add(kBranch, 0, 140, 39, 179, 1.0);
    nodes.Add(kJunction, 0, 180, 79, 219);
    nodes.Add(kMotorEffect, 0, 220, 39, 259, 10.0);
    FakeHost host;
    CPercentZ a, b;
    ASSERT_EQ(nodes.list.DoReducePhase(host, a, b), s);
    EXPECT_NEAR(a.m_dR, 5.0, kEps);
    EXPECT_NEAR(b.m_dR, 10.75, kEps);
    EXPECT_EQ(s->m_pLinkDown, &j1);
}

// ---- earth-fault loop ------------------------------------------------------------------------

// Two transformer nodes on a junction, the first straight on it with a loop
// pair of zero: the first pair fed is taken as it is (zero, but set), the
// second goes in parallel with it: 0 par 1 = 0 and 0 par 2 = 0.
TEST(WalkLoop, AZeroInFeedStaysInParallel) {
    Nodes nodes;
    CPercentZ* j = nodes.AddLoop(kJunction, 80, 100, 159, 139, 0.0, 0.0);
    nodes.AddLoop(kTrans3, 80, 60, 119, 99, 0.0, 0.0);
    nodes.AddLoop(kTrans3, 120, 60, 159, 99, 1.0, 2.0);
    CPercentZList copy = nodes.list.MakeWorkingCopy();
    CPercentZ x;
    int32_t reached = 0;
    CPercentZ t = copy.DoWalkLoop(j, x, 1, reached);
    EXPECT_EQ(reached, 1);
    EXPECT_NEAR(x.m_dRN, 0.0, kEps);
    EXPECT_NEAR(x.m_dRPE, 0.0, kEps);
    EXPECT_NEAR(t.GetZN(), 0.0, kEps);
}

// A chain below the junction that ends (N 5, PE 5) feeds the loop; one on
// its left that ends (N 3, PE 3) contributes nothing: X = (5, 5), not
// 5 par 3.
TEST(WalkLoop, ChainEndingBelowFeedsOneEndingSidewaysDoesNot) {
    Nodes nodes;
    CPercentZ* j = nodes.AddLoop(kJunction, 80, 100, 159, 139, 0.0, 0.0);
    nodes.AddLoop(kBranch, 0, 100, 79, 139, 3.0, 3.0);
    nodes.AddLoop(kBranch, 80, 140, 119, 179, 5.0, 5.0);
    CPercentZList copy = nodes.list.MakeWorkingCopy();
    CPercentZ x;
    int32_t reached = 0;
    copy.DoWalkLoop(j, x, 1, reached);
    EXPECT_EQ(reached, 0);
    EXPECT_NEAR(x.m_dRN, 5.0, kEps);
    EXPECT_NEAR(x.m_dRPE, 5.0, kEps);
}

// A fault on a transformer node S (N 1, PE 0) whose downward reduction
// meets another transformer node (N 2, PE 3) straight below: A = S,
// B = (2, 3); reached, and S's PE pair is zero, so both PE pairs become 0:
// A = (1, 0), B = (2, 0).
TEST(ReduceLoop, TransformerReachingAnotherZeroesAnOpenPair) {
    Nodes nodes;
    CPercentZ* s = nodes.AddLoop(kTrans3, 0, 100, 39, 139, 1.0, 0.0);
    s->m_nFaultPoint = 1;
    nodes.AddLoop(kTrans3, 0, 140, 39, 179, 2.0, 3.0);
    FakeHost host;
    CPercentZ a, b;
    ASSERT_EQ(nodes.list.DoReduceLoop(host, a, b), s);
    EXPECT_NEAR(a.m_dRN, 1.0, kEps);
    EXPECT_NEAR(a.m_dRPE, 0.0, kEps);
    EXPECT_NEAR(b.m_dRN, 2.0, kEps);
    EXPECT_NEAR(b.m_dRPE, 0.0, kEps);
}

// Link up only: junction J with a transformer node T1 (N 2, PE 4) on it,
// the fault branch S (N 1, PE 1) below J and a transformer node T2 (N 3,
// PE 0) below S (fed from below, so no junction and no link down).
//   A = out of up = T1 = (2, 4); A += S: (3, 5);
//   B = out of down = T2 = (3, 0), reached:
//   N: both non-zero: A = 3 par 3 = 1.5, B = 0; PE: B's is zero: both 0.
TEST(ReduceLoop, LinkUpOnlyReachingATransformerBelow) {
    CObjElement j;
    Nodes nodes;
    nodes.AddLoop(kJunction, 0, 60, 239, 99, 0.0, 0.0)->m_pElement = &j;
    nodes.AddLoop(kTrans3, 0, 20, 39, 59, 2.0, 4.0);
    CPercentZ* s = nodes.AddLoop(kBranch, 0, 100, 39, 139, 1.0, 1.0);
    s->m_nFaultPoint = 1;
    s->m_dR = 1.0;
    nodes.AddLoop(kTrans3, 0, 140, 39, 179, 3.0, 0.0)->m_dR = 1.0;
    FakeHost host;
    CPercentZ a, b;
    ASSERT_EQ(nodes.list.DoReduceLoop(host, a, b), s);
    EXPECT_EQ(s->m_pLinkUp, &j);
    EXPECT_EQ(s->m_pLinkDown, nullptr);
    EXPECT_NEAR(a.m_dRN, 1.5, kEps);
    EXPECT_NEAR(a.m_dRPE, 0.0, kEps);
    EXPECT_NEAR(b.m_dRN, 0.0, kEps);
    EXPECT_NEAR(b.m_dRPE, 0.0, kEps);
}

// Link down only: B = calc(J) = (7, 7) for the loop; with a transformer node
// straight above S both results are zero; with a branch above (N 1) that
// leads nowhere: A = out of up (unassigned, 0) + S = (2, 2), B = (7, 7).
TEST(ReduceLoop, LinkDownOnlyUnderATransformerGivesNothing) {
    for (bool transformer : {true, false}) {
        SCOPED_TRACE(transformer ? "transformer above" : "branch above");
        CObjElement j;
        Nodes nodes;
        nodes.AddLoop(transformer ? kTrans3 : kBranch, 0, 60, 39, 99, 1.0, 1.0)->m_dR = 1.0;
        CPercentZ* s = nodes.AddLoop(kBranch, 0, 100, 39, 139, 2.0, 2.0);
        s->m_nFaultPoint = 1;
        s->m_dR = 1.0;
        nodes.AddLoop(kJunction, 0, 140, 239, 179, 0.0, 0.0)->m_pElement = &j;
        FakeHost host;
        host.answer.m_dRN = 7.0;
        host.answer.m_dRPE = 7.0;
        CPercentZ a, b;
        ASSERT_EQ(nodes.list.DoReduceLoop(host, a, b), s);
        EXPECT_EQ(s->m_pLinkDown, &j);
        ASSERT_EQ(host.calls.size(), 1u);
        EXPECT_EQ(host.calls[0].first, &j);
        EXPECT_TRUE(host.calls[0].second);
        EXPECT_NEAR(a.m_dRN, transformer ? 0.0 : 2.0, kEps);
        EXPECT_NEAR(a.m_dRPE, transformer ? 0.0 : 2.0, kEps);
        EXPECT_NEAR(b.m_dRN, transformer ? 0.0 : 7.0, kEps);
        EXPECT_NEAR(b.m_dRPE, transformer ? 0.0 : 7.0, kEps);
    }
}

} // namespace
