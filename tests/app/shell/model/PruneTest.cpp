// The dead-end rules of every kind and the pruning passes that the
// short-circuit calculation runs before each reduction, on small pictures
// whose outcome is worked out by hand from the rules. (The passes have a
// fast twin for whole skeletons; these pin the plain passes it is compared
// with.)

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

fw::CRect RectOf(const CObjElement* e) {
    fw::CRect r;
    e->GetSymbolRect(&r);
    return r;
}

// Symbols owned by the test, placed on the grid or against another symbol.
class Picture {
public:
    CObjElement* Place(int32_t kind, int col, int row, bool horizontal = false) {
        return PlaceAt(kind, 40 * col + 1, 40 * row + 1, horizontal);
    }
    CObjElement* PlaceAt(int32_t kind, int32_t x, int32_t y, bool horizontal = false) {
        auto e = std::make_unique<CObjElement>(kind);
        if (horizontal)
            e->DoRotate(nullptr, 1);
        fw::CPoint at(x, y);
        e->SetSymbolRect(&at, nullptr);
        m_elements.push_back(std::move(e));
        return m_elements.back().get();
    }
    // Right below `above`, at its left edge or at a column of its own.
    CObjElement* Below(int32_t kind, const CObjElement* above, int col = -1) {
        const fw::CRect r = RectOf(above);
        return PlaceAt(kind, col < 0 ? r.left : 40 * col + 1, r.bottom + 1);
    }
    // A horizontal symbol touching `of` on its left or right side.
    CObjElement* LeftOf(int32_t kind, const CObjElement* of) {
        CObjElement* e = PlaceAt(kind, 0, 0, true);
        const fw::CRect r = RectOf(e);
        fw::CPoint at(RectOf(of).left - 1 - r.Width(), RectOf(of).top);
        e->SetSymbolRect(&at, nullptr);
        return e;
    }
    CObjElement* RightOf(int32_t kind, const CObjElement* of) {
        return PlaceAt(kind, RectOf(of).right + 1, RectOf(of).top, true);
    }
    CObjElementList List(std::initializer_list<const CObjElement*> only = {}) const {
        CObjElementList list;
        for (const auto& e : m_elements) {
            if (only.size() == 0 || std::find(only.begin(), only.end(), e.get()) != only.end())
                list.AddTail(e.get());
        }
        return list;
    }

private:
    std::vector<std::unique_ptr<CObjElement>> m_elements;
};

// What is left of a list, as a set.
std::set<const CObjElement*> Left(const CObjElementList& list) {
    std::set<const CObjElement*> left;
    for (CObjElement* e : list)
        left.insert(e);
    return left;
}

// --- the dead-end rules ------------------------------------------------------------------

// One kind between a vertical bus-bar above and one below, taken with
// neither, the upper one, the lower one or both. The answers are the rules'
// columns read for each case; "x" dead, "-" alive, in the order none, above,
// below, both. A symbol with no terminal on a side never counts a symbol
// touching it there.
struct DeadEndRow {
    int32_t kind;
    const char* loop;
    const char* phase;     // motor effects dropped
    const char* phaseKeep; // motor effects kept
};

TEST(DeadEndRules, EveryKindAboveAndBelow) {
    const DeadEndRow rows[] = {
        // Transformers: the loop keeps one with anything on either side (it
        // closes the loop at its secondary); the phases need both sides.
        {kKindTrans3, "x---", "xxx-", "xxx-"},
        {kKindTrans1, "x---", "xxx-", "xxx-"},
        // A source never carries loop current; for the phases it needs
        // something below (it has no upper terminal).
        {kKindSource, "xxxx", "xx--", "xx--"},
        // A generator feeds both networks from below.
        {kKindGenerator, "xx--", "xx--", "xx--"},
        // A motor effect is kept only for the phases when asked, and then
        // needs what feeds it from above (it has no lower terminal).
        {kKindMotorEff, "xxxx", "xxxx", "x-x-"},
        {kKindMotor, "xxxx", "xxxx", "xxxx"},
        {kKindLoad, "xxxx", "xxxx", "xxxx"},
        {kKindCapacitor, "xxxx", "xxxx", "xxxx"},
        // A junction needs two neighbours, wherever they are.
        {kKindZeroCond, "xxx-", "xxx-", "xxx-"},
        {kKindBusBar, "xxx-", "xxx-", "xxx-"},
        {kKindWire, "xxx-", "xxx-", "xxx-"},
        {kKindBusDuct, "xxx-", "xxx-", "xxx-"},
    };
    for (const DeadEndRow& row : rows) {
        Picture p;
        CObjElement* upper = p.Place(kKindBusBar, 0, 0);
        CObjElement* k = p.Below(row.kind, upper);
        CObjElement* lower = p.Below(kKindBusBar, k);
        const std::vector<CObjElementList> cases = {p.List({k}), p.List({upper, k}),
                                                    p.List({k, lower}), p.List({upper, k, lower})};
        for (size_t c = 0; c < cases.size(); ++c) {
            CObjElementList list = cases[c];
            const size_t count = list.GetCount();
            EXPECT_EQ(list.IsDeadEndLoop(k), row.loop[c] == 'x')
                << "kind " << row.kind << ", case " << c << ", loop";
            EXPECT_EQ(list.IsDeadEndPhase(k, 0), row.phase[c] == 'x')
                << "kind " << row.kind << ", case " << c << ", phases";
            EXPECT_EQ(list.IsDeadEndPhase(k, 1), row.phaseKeep[c] == 'x')
                << "kind " << row.kind << ", case " << c << ", phases keeping motor effects";
            EXPECT_EQ(list.GetCount(), count); // the tests do not consume
        }
    }
}

TEST(DeadEndRules, AHorizontalConductorNeedsBothSides) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        Picture p;
        CObjElement* k = p.Place(kind, 4, 4, true);
        CObjElement* left = p.LeftOf(kKindWire, k);
        CObjElement* right = p.RightOf(kKindWire, k);
        CObjElement* above = p.PlaceAt(kKindBusBar, RectOf(k).left, RectOf(k).top - 160);
        CObjElement* below = p.Below(kKindBusBar, k);
        ASSERT_EQ(RectOf(above).bottom + 1, RectOf(k).top);
        // Above and below touch it, but a horizontal conductor has no
        // terminal there.
        for (bool loop : {true, false}) {
            auto dead = [&](CObjElementList list) {
                return loop ? list.IsDeadEndLoop(k) : list.IsDeadEndPhase(k, 0);
            };
            EXPECT_TRUE(dead(p.List({k, above, below}))) << kind;
            EXPECT_TRUE(dead(p.List({k, left}))) << kind;
            EXPECT_TRUE(dead(p.List({k, right}))) << kind;
            EXPECT_FALSE(dead(p.List({k, left, right}))) << kind;
        }
    }
}

TEST(DeadEndRules, AJunctionCountsEveryNeighbourOnEverySide) {
    Picture p;
    CObjElement* zc = p.Place(kKindZeroCond, 2, 4); // columns 2 to 7
    CObjElement* left = p.LeftOf(kKindWire, zc);
    CObjElement* right = p.RightOf(kKindWire, zc);
    CObjElement* b1 = p.Below(kKindWire, zc, 2);
    CObjElement* b2 = p.Below(kKindWire, zc, 5);
    struct Case {
        std::vector<CObjElement*> others;
        bool dead;
    };
    const Case cases[] = {{{left}, true},         {{right}, true},   {{b1}, true},
                          {{left, right}, false}, {{b1, b2}, false}, {{right, b2}, false}};
    for (const Case& c : cases) {
        CObjElementList list = p.List({zc});
        for (CObjElement* o : c.others)
            list.AddTail(o);
        EXPECT_EQ(list.IsDeadEndLoop(zc), c.dead) << c.others.size();
        EXPECT_EQ(list.IsDeadEndPhase(zc, 0), c.dead) << c.others.size();
    }
}

TEST(DeadEndRules, AKindWithNoRuleIsNeverDead) {
    Picture p;
    CObjElement* text = p.Place(kKindText, 0, 0);
    CObjElementList list = p.List();
    EXPECT_FALSE(list.IsDeadEndLoop(text));
    EXPECT_FALSE(list.IsDeadEndPhase(text, 0));
}

// --- the passes ------------------------------------------------------------------------------

// Source S over transformer T over the bus ZC (columns 0 to 5); below the
// bus: wire W1 with load L1 (column 0), wire W2 with motor M (column 2),
// wire W3 with nothing below (column 4). Apart: a second source S2 with a
// wire W9 and a load L9 (column 10), and a transformer T8 with a bus Z8 and
// a wire W8 with load L8 (column 14), fed by nothing.
struct Plant {
    Picture p;
    CObjElement* S = p.Place(kKindSource, 0, 0);
    CObjElement* T = p.Below(kKindTrans3, S);
    CObjElement* ZC = p.Below(kKindZeroCond, T);
    CObjElement* W1 = p.Below(kKindWire, ZC, 0);
    CObjElement* L1 = p.Below(kKindLoad, W1);
    CObjElement* W2 = p.Below(kKindWire, ZC, 2);
    CObjElement* M = p.Below(kKindMotor, W2);
    CObjElement* W3 = p.Below(kKindWire, ZC, 4);
    CObjElement* S2 = p.Place(kKindSource, 10, 0);
    CObjElement* W9 = p.Below(kKindWire, S2);
    CObjElement* L9 = p.Below(kKindLoad, W9);
    CObjElement* T8 = p.Place(kKindTrans3, 14, 2);
    CObjElement* Z8 = p.Below(kKindZeroCond, T8);
    CObjElement* W8 = p.Below(kKindWire, Z8, 14);
    CObjElement* L8 = p.Below(kKindLoad, W8);
};

TEST(PrunePasses, PhaseDeadEndsGoPassAfterPassButNotTheFault) {
    Plant n;
    CTovarineDocData doc;
    CObjElementList list = n.p.List();
    doc.DoPrunePhaseDeadEnds(list, n.W1, 0);
    // Consumers go first (L1, M, L9, L8); then the wires they left open
    // below (W2, W9, W8) and W3 that never had anything below; then the
    // sources with nothing below any more (S2), and the bus Z8 with only
    // its transformer, and T8 with nothing below. The fault W1 stays
    // though nothing is below it: only switching it off would take it.
    // S, T and the bus with T above and W1 below carry the current.
    EXPECT_EQ(Left(list), (std::set<const CObjElement*>{n.S, n.T, n.ZC, n.W1}));
}

TEST(PrunePasses, AKeptMotorEffectKeepsItsFeeder) {
    Picture p;
    CObjElement* s = p.Place(kKindSource, 0, 0);
    CObjElement* t = p.Below(kKindTrans3, s);
    CObjElement* zc = p.Below(kKindZeroCond, t);
    CObjElement* w1 = p.Below(kKindWire, zc, 0);
    CObjElement* w2 = p.Below(kKindWire, zc, 3);
    CObjElement* me = p.Below(kKindMotorEff, w2);
    CTovarineDocData doc;
    CObjElementList kept = p.List();
    doc.DoPrunePhaseDeadEnds(kept, w1, 1);
    EXPECT_EQ(Left(kept), (std::set<const CObjElement*>{s, t, zc, w1, w2, me}));
    CObjElementList dropped = p.List();
    doc.DoPrunePhaseDeadEnds(dropped, w1, 0);
    // Without the motor effect its wire is open below, and goes after it.
    EXPECT_EQ(Left(dropped), (std::set<const CObjElement*>{s, t, zc, w1}));
}

TEST(PrunePasses, LoopDeadEndsDropTheSupplyAboveTheTransformer) {
    Plant n;
    CTovarineDocData doc;
    CObjElementList list = n.p.List({n.S, n.T, n.ZC, n.W1, n.L1});
    doc.DoPruneLoopDeadEnds(list, n.W1);
    // The source is always dead for the loop, the load too; the transformer
    // stays with the bus below it alone.
    EXPECT_EQ(Left(list), (std::set<const CObjElement*>{n.T, n.ZC, n.W1}));
}

TEST(PrunePasses, WhatCannotReachTheFaultGoes) {
    Plant n;
    CTovarineDocData doc;
    CObjElementList list = n.p.List();
    doc.DoPruneUnconnected(list, n.W1);
    // S walks down through T to the bus, from which W1 hangs; T the same;
    // the bus reaches W1 below it; L1 finds W1 right above; W2 and W3 go up
    // to the bus, M through W2. The island of S2 stops at its source going
    // up and at its load going down; the island of T8 finds only its own
    // bus, from which W1 cannot be reached.
    EXPECT_EQ(Left(list),
              (std::set<const CObjElement*>{n.S, n.T, n.ZC, n.W1, n.L1, n.W2, n.M, n.W3}));
}

TEST(PrunePasses, UnconnectedHorizontalRunsWalkToTheirJunctions) {
    // Two buses joined by a horizontal wire H between them; the fault is a
    // wire below the right-hand bus. A horizontal wire G hanging off the
    // left end of the left bus with nothing further reaches the left bus,
    // which reaches the fault through H.
    Picture p;
    CObjElement* z1 = p.Place(kKindZeroCond, 2, 0); // columns 2 to 7
    CObjElement* h = p.RightOf(kKindWire, z1);
    CObjElement* z2 = p.RightOf(kKindZeroCond, h);
    CObjElement* fault = p.Below(kKindWire, z2);
    CObjElement* g = p.LeftOf(kKindWire, z1);
    CObjElement* lone = p.Place(kKindWire, 30, 0, true); // touches nothing
    CTovarineDocData doc;
    CObjElementList list = p.List();
    doc.DoPruneUnconnected(list, fault);
    EXPECT_EQ(Left(list), (std::set<const CObjElement*>{z1, h, z2, fault, g}));
    EXPECT_FALSE(list.Contains(lone));
}

TEST(PrunePasses, UnfedBySupplyKeepsWhatASourceOrGeneratorFeeds) {
    Plant n;
    CTovarineDocData doc;
    CObjElementList list = n.p.List();
    doc.DoPruneUnfedBySupply(list);
    // Sources stay. T finds S right above; the bus finds S through T; every
    // element below the bus walks up to the bus. S2's wire and load find S2
    // above. T8 has nothing above it and its bus nothing but T8 above: the
    // island of T8 is fed by no source.
    EXPECT_EQ(Left(list), (std::set<const CObjElement*>{n.S, n.T, n.ZC, n.W1, n.L1, n.W2, n.M, n.W3,
                                                        n.S2, n.W9, n.L9}));
}

TEST(PrunePasses, UnfedByTransformerKeepsTheSecondariesOnly) {
    Plant n;
    CTovarineDocData doc;
    CObjElementList list = n.p.List();
    doc.DoPruneUnfedByTransformer(list);
    // Transformers stay. Below each, its bus finds it above, and every
    // element below the bus walks up to the bus. S walks down through T
    // (a transformer met downward does not count) to the bus, whose search
    // no longer finds T (S's walk took it): S goes. S2 and its circuit have
    // no transformer at all.
    EXPECT_EQ(Left(list), (std::set<const CObjElement*>{n.T, n.ZC, n.W1, n.L1, n.W2, n.M, n.W3,
                                                        n.T8, n.Z8, n.W8, n.L8}));
}

} // namespace
