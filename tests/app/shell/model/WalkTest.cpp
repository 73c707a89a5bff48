// Adjacency and circuit walks on small diagrams given as data: kinds and grid
// cells. Elements are connected only by touching rectangles, so every case
// is a picture of a few symbols.

#include "app/records/ElementKinds.h"
#include "app/shell/model/CCalcSkeleton.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/frame/CEleFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A diagram of elements owned by the test; Place puts a symbol's top-left
// corner on a grid cell (column, row), keeping its size.
class Diagram {
public:
    CObjElement* Place(int32_t kind, int col, int row, bool horizontal = false) {
        auto e = std::make_unique<CObjElement>(kind);
        if (horizontal)
            e->DoRotate(nullptr, 1);
        fw::CPoint at(40 * col + 1, 40 * row + 1);
        e->SetSymbolRect(&at, nullptr);
        m_elements.push_back(std::move(e));
        return m_elements.back().get();
    }
    // A symbol at an exact logical point, for off-grid cases.
    CObjElement* PlaceAt(int32_t kind, int32_t x, int32_t y) {
        auto e = std::make_unique<CObjElement>(kind);
        fw::CPoint at(x, y);
        e->SetSymbolRect(&at, nullptr);
        m_elements.push_back(std::move(e));
        return m_elements.back().get();
    }
    CObjElementList List() const {
        CObjElementList list;
        for (const auto& e : m_elements)
            list.AddTail(e.get());
        return list;
    }

private:
    std::vector<std::unique_ptr<CObjElement>> m_elements;
};

fw::CRect RectOf(const CObjElement* e) {
    fw::CRect r;
    e->GetSymbolRect(&r);
    return r;
}

TEST(Adjacency, SymbolsTouchOnTheGridOrAreNotConnected) {
    Diagram d;
    // A bus-bar is one cell wide and four high: (1, 1, 40, 160).
    CObjElement* upper = d.Place(kKindBusBar, 0, 0);
    ASSERT_EQ(RectOf(upper), fw::CRect(1, 1, 40, 160));
    CObjElement* below = d.Place(kKindBusBar, 0, 4);
    CObjElement* offByOne = d.PlaceAt(kKindBusBar, 42, 161);
    CObjElementList list = d.List();
    EXPECT_EQ(list.FindNeighbour(upper, 64, 0), below);
    EXPECT_EQ(list.FindNeighbour(below, 16, 0), upper);
    // Left edges one unit apart: not connected.
    CObjElement* besideUpper = d.Place(kKindBusBar, 1, 0);
    CObjElementList list2 = d.List();
    EXPECT_EQ(list2.FindNeighbour(besideUpper, 64, 0), nullptr);
    EXPECT_EQ(list2.FindNeighbour(offByOne, 16, 0), nullptr);
}

TEST(Adjacency, ZeroConductorTakesAnythingOverItsSpan) {
    Diagram d;
    // A zero conductor is six cells wide and one high: (41, 161, 280, 200).
    CObjElement* zc = d.Place(kKindZeroCond, 1, 4);
    ASSERT_EQ(RectOf(zc), fw::CRect(41, 161, 280, 200));
    CObjElement* above = d.Place(kKindBusBar, 4, 0);   // left edge 161, inside the span
    CObjElement* outside = d.Place(kKindBusBar, 7, 0); // left edge 281, past its right end
    CObjElementList list = d.List();
    EXPECT_EQ(list.FindNeighbour(above, 64, 0), zc);
    EXPECT_EQ(list.FindNeighbour(outside, 64, 0), nullptr);
    EXPECT_EQ(list.FindNeighbour(zc, 16, 0), above);
}

TEST(Adjacency, NoNeighbourWhereTheSymbolHasNoTerminal) {
    Diagram d;
    CObjElement* motor = d.Place(kKindMotor, 0, 0); // one cell, no lower terminal
    d.Place(kKindBusBar, 0, 1);                     // touches the motor's bottom
    CObjElementList list = d.List();
    EXPECT_EQ(list.FindNeighbour(motor, 64, 0), nullptr);
    EXPECT_EQ(list.FindNeighbour(motor, 32, 0), nullptr);
}

TEST(Adjacency, ConsumingSearchesFindTheBranchesOfAJunctionOneByOne) {
    Diagram d;
    CObjElement* zc = d.Place(kKindZeroCond, 0, 0);
    CObjElement* a = d.Place(kKindWire, 0, 1);
    CObjElement* b = d.Place(kKindWire, 2, 1);
    CObjElement* c = d.Place(kKindWire, 5, 1);
    CObjElementList list = d.List();
    EXPECT_EQ(list.FindNeighbour(zc, 64, 1), a);
    EXPECT_EQ(list.FindNeighbour(zc, 64, 1), b);
    EXPECT_EQ(list.FindNeighbour(zc, 64, 1), c);
    EXPECT_EQ(list.FindNeighbour(zc, 64, 1), nullptr);
    EXPECT_TRUE(list.IsEmpty()); // the junction and its three branches were taken
}

// A junction's branches asked for one after another while the walks take
// them out, as the list building does: the search that goes on where the
// last stopped finds what a new search would. Two bus-bars above the zero
// conductor, four wires below it at columns 0, 2, 3 and 5.
TEST(Adjacency, RepeatedSearchOfAJunctionFindsWhatANewSearchFinds) {
    Diagram d;
    CObjElement* zc = d.Place(kKindZeroCond, 0, 4);
    CObjElement* up1 = d.Place(kKindBusBar, 1, 0);
    CObjElement* up2 = d.Place(kKindBusBar, 4, 0);
    CObjElement* a = d.Place(kKindWire, 0, 5);
    CObjElement* b = d.Place(kKindWire, 2, 5);
    CObjElement* c = d.Place(kKindWire, 3, 5);
    CObjElement* e = d.Place(kKindWire, 5, 5);
    const CObjElementList all = d.List();
    CCalcSkeleton skeleton(all);
    for (bool indexed : {true, false}) {
        SCOPED_TRACE(indexed ? "with the skeleton" : "without");
        CObjElementList list(all);
        if (indexed)
            list.AttachSkeleton(&skeleton);
        CObjElementList::NeighbourScan below;
        EXPECT_EQ(list.FindNeighbourAgain(zc, 64, below), a);
        // Asked again with nothing taken out: the same wire.
        EXPECT_EQ(list.FindNeighbourAgain(zc, 64, below), a);
        list.Remove(a);
        // A walk that takes out a later branch with its own.
        list.Remove(c);
        EXPECT_EQ(list.FindNeighbourAgain(zc, 64, below), b);
        list.Remove(b);
        EXPECT_EQ(list.FindNeighbourAgain(zc, 64, below), e);
        list.Remove(e);
        EXPECT_EQ(list.FindNeighbourAgain(zc, 64, below), nullptr);
        // The other side has its own scan.
        CObjElementList::NeighbourScan above;
        EXPECT_EQ(list.FindNeighbourAgain(zc, 16, above), up1);
        list.Remove(up1);
        EXPECT_EQ(list.FindNeighbourAgain(zc, 16, above), up2);
    }
}

TEST(Collections, CalculationOrderPutsTheMachinesFirstInReverse) {
    Diagram d;
    CObjElement* wire = d.Place(kKindWire, 0, 0);
    static_cast<CEleWire*>(wire->GetElement())->m_nCalcPoint = 1; // marked by the user
    CObjElement* genA = d.Place(kKindGenerator, 2, 0);
    CObjElement* cap = d.Place(kKindCapacitor, 4, 0);
    CObjElement* genB = d.Place(kKindGenerator, 6, 0);
    CObjElementList order;
    order.CollectCalcOrder(d.List());
    ASSERT_EQ(order.GetCount(), 4u);
    EXPECT_EQ(order.GetAt(0), genB);
    EXPECT_EQ(order.GetAt(1), cap);
    EXPECT_EQ(order.GetAt(2), genA);
    EXPECT_EQ(order.GetAt(3), wire);
}

TEST(Collections, NumberingOrderStopsAtTheFirstGap) {
    Diagram d;
    CTovarineDocData doc;
    CObjElement* wires[3];
    for (int i = 0; i < 3; ++i) {
        wires[i] = d.Place(kKindWire, 2 * i, 0);
        wires[i]->DoSetNewNumber(doc);
    }
    wires[2]->DoSetNewNumber(doc); // numbers 1, 2 and 4
    ASSERT_EQ(wires[2]->GetNumber(), 4u);
    CObjElementList inOrder;
    EXPECT_EQ(inOrder.CollectByKind(d.List(), kKindWire, 1, 0), 2);
    EXPECT_EQ(inOrder.GetAt(0), wires[0]);
    EXPECT_EQ(inOrder.GetAt(1), wires[1]);
}

TEST(DeadEnds, AJunctionNeedsTwoNeighbours) {
    Diagram d;
    CObjElement* zc = d.Place(kKindZeroCond, 0, 4);
    d.Place(kKindBusBar, 0, 0);
    {
        CObjElementList list = d.List();
        EXPECT_TRUE(list.IsDeadEndLoop(zc));
        EXPECT_TRUE(list.IsDeadEndPhase(zc, 0));
        EXPECT_EQ(list.GetCount(), 2u); // the tests do not consume
    }
    d.Place(kKindWire, 0, 5);
    CObjElementList list = d.List();
    EXPECT_FALSE(list.IsDeadEndLoop(zc));
    EXPECT_FALSE(list.IsDeadEndPhase(zc, 0));
}

TEST(DeadEnds, ConsumersAndSupplies) {
    Diagram d;
    CObjElement* gen = d.Place(kKindGenerator, 0, 0); // two cells high
    CObjElement* bar = d.Place(kKindBusBar, 0, 2);
    CObjElement* me = d.Place(kKindMotorEff, 0, 6);
    CObjElementList list = d.List();
    EXPECT_FALSE(list.IsDeadEndPhase(gen, 0)); // fed below
    EXPECT_FALSE(list.IsDeadEndPhase(bar, 0));
    EXPECT_TRUE(list.IsDeadEndPhase(me, 0));  // a motor effect is dropped...
    EXPECT_FALSE(list.IsDeadEndPhase(me, 1)); // ...unless kept, and it has a neighbour above
    EXPECT_TRUE(list.IsDeadEndLoop(me));
}

// Transformer T (three cells), bus-bar, wire, hung below a source.
struct Radial {
    Diagram d;
    CObjElement* source = d.Place(kKindSource, 0, 0); // rows 0-1
    CObjElement* trans = d.Place(kKindTrans3, 0, 2);  // rows 2-4
    CObjElement* bar = d.Place(kKindBusBar, 0, 5);    // rows 5-8
    CObjElement* wire = d.Place(kKindWire, 0, 9);     // rows 9-12
};

CEleDocSettings Settings() {
    CEleDocSettings s;
    s.dBaseCapacity = 1000.0;
    s.nFrequency = 50;
    return s;
}

TEST(PercentZRun, PhaseRunPassesThroughTheTransformerAndTheLoopRunStopsBeforeIt) {
    Radial r;
    const CEleDocSettings s = Settings();
    double expectedR = 0.0;
    for (CObjElement* e : {r.wire, r.bar, r.trans, r.source})
        expectedR += e->DoCalcPercentZ(s).m_dR;
    CObjElementList phaseList = r.d.List();
    CPercentZ phase = phaseList.CollectPercentZ1(s, r.wire, nullptr, 16);
    EXPECT_DOUBLE_EQ(phase.m_dR, expectedR);
    // The run spans the four symbols: from the source's top to the wire's bottom.
    EXPECT_EQ(phase.m_rect, fw::CRect(1, 1, 40, 13 * 40));
    EXPECT_TRUE(phaseList.IsEmpty());

    CObjElementList loopList = r.d.List();
    CPercentZ loop = loopList.CollectPercentZ(s, r.wire, nullptr, 16);
    const double expectedN = r.wire->DoCalcPercentZNPE(s).m_dRN + r.bar->DoCalcPercentZNPE(s).m_dRN;
    EXPECT_DOUBLE_EQ(loop.m_dRN, expectedN);
    EXPECT_EQ(loop.m_rect.top, 5 * 40 + 1); // the bus-bar's top: the transformer is not in it
    EXPECT_TRUE(loopList.Contains(r.trans));
}

TEST(PercentZRun, SoughtElementAboveEndsTheRunBeforeIt) {
    Radial r;
    const CEleDocSettings s = Settings();
    CObjElementList list = r.d.List();
    int32_t reached = 0;
    CPercentZ run = list.CollectPercentZ1(s, r.wire, r.bar, 16, &reached);
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(run.m_nFaultPoint, 0u);
    EXPECT_DOUBLE_EQ(run.m_dR, r.wire->DoCalcPercentZ(s).m_dR);
}

TEST(PercentZRun, SoughtElementBelowIsAddedAndMarksTheRun) {
    Radial r;
    const CEleDocSettings s = Settings();
    CObjElementList list = r.d.List();
    int32_t reached = 0;
    CPercentZ run = list.CollectPercentZ1(s, r.bar, r.wire, 64 | 16, &reached);
    // 16 + 64 walks up only: the wire below is never met.
    EXPECT_EQ(reached, 0);
    CObjElementList list2 = r.d.List();
    run = list2.CollectPercentZ1(s, r.bar, r.wire, 64, &reached);
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(run.m_nFaultPoint, 1u);
    EXPECT_EQ(run.m_pElement, r.wire);
    EXPECT_DOUBLE_EQ(run.m_dR, r.bar->DoCalcPercentZ(s).m_dR + r.wire->DoCalcPercentZ(s).m_dR);
}

TEST(PercentZRun, ADownwardRunEndsAtAJunctionOneColumnWide) {
    Diagram d;
    CObjElement* bar = d.Place(kKindBusBar, 2, 0);
    CObjElement* zc = d.Place(kKindZeroCond, 1, 4);
    const CEleDocSettings s = Settings();
    CObjElementList list = d.List();
    CPercentZ run = list.CollectPercentZ1(s, bar, nullptr, 64);
    EXPECT_EQ(run.m_rect.right - run.m_rect.left, 39);
    EXPECT_DOUBLE_EQ(run.m_dR, bar->DoCalcPercentZ(s).m_dR);
    EXPECT_TRUE(list.Contains(zc));
}

TEST(Walks, SupplyAndTransformerFoundAcrossAJunction) {
    Radial r;
    CObjElement* zc = r.d.Place(kKindZeroCond, 0, 13); // columns 0-5, under the wire
    CObjElement* wire2 = r.d.Place(kKindWire, 3, 14);
    CObjElement* load2 = r.d.Place(kKindLoad, 3, 18);
    CObjElement* stray = r.d.Place(kKindLoad, 8, 14); // past the junction's right end
    {
        CObjElementList list = r.d.List();
        EXPECT_EQ(list.FindTransformer(stray), nullptr);
    }
    {
        CObjElementList list = r.d.List();
        EXPECT_EQ(list.FindTransformer(load2), r.trans);
    }
    {
        CObjElementList list = r.d.List();
        EXPECT_EQ(list.FindSupply(wire2), r.source);
    }
    {
        CObjElementList list = r.d.List();
        EXPECT_TRUE(list.IsConnected(load2, r.source));
    }
    {
        CObjElementList list = r.d.List();
        EXPECT_FALSE(list.IsConnected(stray, r.source));
    }
    {
        // Up from the junction the transformer ends the chain: its capacity
        // alone, the source's is behind it.
        CObjElementList list = r.d.List();
        EXPECT_DOUBLE_EQ(list.GetSupplyCapacity(zc), r.trans->GetCapacity());
    }
}

} // namespace
