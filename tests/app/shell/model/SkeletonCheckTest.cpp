// The skeleton checks that involve no breaker: overlaps, single-phase
// circuits, the numbering in drawing order, element data, the earthing and
// wire systems of the conductors, and the breaker passes on a skeleton
// without breakers.

#include "CalcNetwork.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleText.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace {

using tvtest::NetItem;
using tvtest::PlaceElement;

CObjElementList AllOf(const CTovarineDocData& doc) {
    CObjElementList all;
    doc.CollectElements(all);
    return all;
}

TEST(Overlap, ATouchingEdgeIsNoOverlapAndATextBoxOverASymbolIs) {
    CTovarineDocData doc;
    // A wire (1, 1, 40, 160) and a load right below it touch: no overlap.
    CObjElement* wire = PlaceElement(doc, {"W", kKindWire, 0, 0, 0, {10}});
    CObjElement* load = PlaceElement(doc, {"L", kKindLoad, 0, 4});
    wire->SetErrorMark(1); // an old mark goes
    EXPECT_EQ(doc.IsOverlapped(), 0);
    EXPECT_EQ(wire->GetErrorMark(), 0u);
    // A text box (two cells wide) laid over the load.
    auto text = std::make_unique<CObjElement>(kKindText);
    fw::CPoint at(21, 171);
    text->SetSymbolRect(&at, nullptr);
    doc.m_listGroups.AddNewGroup()->SetElement(std::move(text));
    EXPECT_EQ(doc.IsOverlapped(), 1);
    EXPECT_EQ(load->GetErrorMark(), 1u);
    EXPECT_EQ(wire->GetErrorMark(), 0u);
}

TEST(Overlap, EverySymbolOfEveryOverlappingPairIsMarked) {
    CTovarineDocData doc;
    CObjElement* a = PlaceElement(doc, {"A", kKindWire, 0, 0});
    CObjElement* b = PlaceElement(doc, {"B", kKindWire, 0, 2});  // over A's lower half
    CObjElement* c = PlaceElement(doc, {"C", kKindMotor, 0, 5}); // over B's lower cells
    CObjElement* d = PlaceElement(doc, {"D", kKindMotor, 3, 0}); // alone
    EXPECT_EQ(doc.IsOverlapped(), 1);
    EXPECT_EQ(a->GetErrorMark(), 1u);
    EXPECT_EQ(b->GetErrorMark(), 1u);
    EXPECT_EQ(c->GetErrorMark(), 1u);
    EXPECT_EQ(d->GetErrorMark(), 0u);
}

TEST(SinglePhase, AMotorBelowASinglePhaseTransformerMustBeSinglePhase) {
    CTovarineDocData doc;
    PlaceElement(doc, {"T", kKindTrans1, 0, 0});
    CObjElement* wire = PlaceElement(doc, {"W", kKindWire, 0, 4});
    CObjElement* motor = PlaceElement(doc, {"M", kKindMotor, 0, 8});
    wire->SetSinglePhase(1);
    CObjElementList all = AllOf(doc);
    EXPECT_EQ(doc.IsOkSinglePhase(all), 0);
    EXPECT_EQ(motor->GetErrorMark(), 1u);
    EXPECT_EQ(wire->GetErrorMark(), 0u);
    motor->SetErrorMark(0);
    motor->SetSinglePhase(1);
    EXPECT_EQ(doc.IsOkSinglePhase(all), 1);
}

TEST(SinglePhase, ASinglePhaseBusAcceptsNoThreePhaseSupplyAboveNorMotorEffectBelow) {
    CTovarineDocData doc;
    PlaceElement(doc, {"T", kKindTrans3, 0, 0});
    CObjElement* zc = PlaceElement(doc, {"ZC", kKindZeroCond, 0, 3, 0, {6}});
    PlaceElement(doc, {"W", kKindWire, 2, 4});
    zc->SetSinglePhase(1);
    CObjElementList all = AllOf(doc);
    // The three-phase transformer feeds it from above.
    EXPECT_EQ(doc.IsOkSinglePhase(all), 0);
    EXPECT_EQ(all.GetAt(0)->GetErrorMark(), 1u);

    CTovarineDocData doc2;
    PlaceElement(doc2, {"T", kKindTrans1, 0, 0});
    CObjElement* zc2 = PlaceElement(doc2, {"ZC", kKindZeroCond, 0, 4, 0, {6}});
    PlaceElement(doc2, {"W", kKindWire, 2, 5})->SetSinglePhase(1);
    CObjElement* me = PlaceElement(doc2, {"ME", kKindMotorEff, 4, 5});
    zc2->SetSinglePhase(1);
    CObjElementList all2 = AllOf(doc2);
    EXPECT_EQ(doc2.IsOkSinglePhase(all2), 0);
    EXPECT_EQ(me->GetErrorMark(), 1u);
}

// A single-phase transformer is single-phase by itself, yet none may hang
// below another: the kind decides, not the flag.
TEST(SinglePhase, NoSinglePhaseTransformerBelowAnother) {
    CTovarineDocData doc;
    PlaceElement(doc, {"T1", kKindTrans1, 0, 0});
    PlaceElement(doc, {"W", kKindWire, 0, 4})->SetSinglePhase(1);
    CObjElement* second = PlaceElement(doc, {"T2", kKindTrans1, 0, 8});
    ASSERT_EQ(second->IsSinglePhase(), 1);
    CObjElementList all = AllOf(doc);
    EXPECT_EQ(doc.IsOkSinglePhase(all), 0);
    EXPECT_EQ(second->GetErrorMark(), 1u);
}

// Source S, three-phase transformer T3 and single-phase transformer T1 feed
// the single-phase bus ZC (columns 0 to 5); below it the single-phase wire
// W1 (column 0, first in the list) and the wire W2 (column 3) with a
// three-phase transformer below. Up from the bus the walk ends at T1, so
// the three-phase supply above T1 is allowed; down, W2's branch meets the
// three-phase transformer, which the walk straight down from T1 (through W1,
// the bus's first branch) never sees.
TEST(SinglePhase, ASinglePhaseBusLooksUpToItsTransformerAndDownEveryBranch) {
    for (bool withTransformerBelow : {false, true}) {
        CTovarineDocData doc;
        PlaceElement(doc, {"S", kKindSource, 0, 0});
        PlaceElement(doc, {"T3", kKindTrans3, 0, 2});
        PlaceElement(doc, {"T1", kKindTrans1, 0, 5});
        CObjElement* zc = PlaceElement(doc, {"ZC", kKindZeroCond, 0, 9, 0, {6}});
        CObjElement* w1 = PlaceElement(doc, {"W1", kKindWire, 0, 10});
        CObjElement* w2 = PlaceElement(doc, {"W2", kKindWire, 3, 10});
        zc->SetSinglePhase(1);
        w1->SetSinglePhase(1);
        w2->SetSinglePhase(1);
        CObjElement* below =
            withTransformerBelow ? PlaceElement(doc, {"T4", kKindTrans3, 3, 14}) : nullptr;
        CObjElementList all = AllOf(doc);
        EXPECT_EQ(doc.IsOkSinglePhase(all), withTransformerBelow ? 0 : 1);
        for (CObjElement* e : all)
            EXPECT_EQ(e->GetErrorMark(), e == below ? 1u : 0u) << e->GetKind();
    }
}

TEST(Renumber, NumbersRowByRowAndKeepsTheCountersInTheCheck) {
    CTovarineDocData doc;
    // Placed in this order: the motor of row 2 first, then the one of row 1.
    CObjElement* lower = PlaceElement(doc, {"M2", kKindMotor, 0, 2});
    CObjElement* upper = PlaceElement(doc, {"M1", kKindMotor, 3, 1});
    CObjElement* wire = PlaceElement(doc, {"W", kKindWire, 5, 1});
    lower->DoSetNewNumber(doc); // 1
    lower->DoSetName(doc);      // "M1"
    upper->DoSetNewNumber(doc); // 2
    wire->DoSetNewNumber(doc);
    doc.SetCounter(kKindMotor, 7); // later motors go on from 8
    ASSERT_EQ(lower->GetNumber(), 1u);

    CObjElementList list = AllOf(doc);
    doc.DoRenumber(list, 0);
    EXPECT_EQ(upper->GetNumber(), 1u);
    EXPECT_EQ(lower->GetNumber(), 2u);
    EXPECT_EQ(wire->GetNumber(), 1u);
    EXPECT_EQ(doc.GetCounter(kKindMotor), 7);
    EXPECT_EQ(lower->GetName(), "M1"); // names stay in the check
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list.GetAt(0), upper); // row 1, column 3
    EXPECT_EQ(list.GetAt(1), wire);  // row 1, column 5
    EXPECT_EQ(list.GetAt(2), lower); // row 2

    // The renumber command renames and leaves the counters at the new numbers.
    doc.DoRenumber(list, 1);
    EXPECT_EQ(lower->GetName(), "M2");
    EXPECT_EQ(upper->GetName(), "M1");
    EXPECT_EQ(doc.GetCounter(kKindMotor), 2);
}

// The check keeps all sixteen counters, bus-ducts and single-phase
// transformers included; the text boxes' counter is none of them and no
// renumbering touches it.
TEST(Renumber, KeepsTheCountersOfTheLaterKindsAndLeavesTheTextBoxes) {
    CTovarineDocData doc;
    CObjElement* duct = PlaceElement(doc, {"BD", kKindBusDuct, 0, 0});
    CObjElement* trans = PlaceElement(doc, {"T1", kKindTrans1, 2, 0});
    doc.SetCounter(kKindBusDuct, 9);
    doc.SetCounter(kKindTrans1, 4);
    doc.SetCounter(kKindText, 5);
    CObjElementList list = AllOf(doc);
    doc.DoRenumber(list, 0);
    EXPECT_EQ(duct->GetNumber(), 1u); // each kind counts from 1
    EXPECT_EQ(trans->GetNumber(), 1u);
    EXPECT_EQ(doc.GetCounter(kKindBusDuct), 9);
    EXPECT_EQ(doc.GetCounter(kKindTrans1), 4);
    EXPECT_EQ(doc.GetCounter(kKindText), 5);
    doc.DoRenumber(list, 1);
    EXPECT_EQ(doc.GetCounter(kKindBusDuct), 1);
    EXPECT_EQ(doc.GetCounter(kKindTrans1), 1);
    EXPECT_EQ(doc.GetCounter(kKindText), 5);
    EXPECT_EQ(duct->GetName(), "BD1");
}

// The mend: a symbol whose corner is not on a grid point (a text box is
// never snapped) stays in the list, after the numbered ones; dropped, it
// would escape every later check of the list.
TEST(Renumber, KeepsASymbolOffTheGridAfterTheOthers) {
    CTovarineDocData doc;
    auto text = std::make_unique<CObjElement>(kKindText);
    fw::CPoint at(57, 13);
    text->SetSymbolRect(&at, nullptr);
    CObjElement* textBox = text.get();
    doc.m_listGroups.AddNewGroup()->SetElement(std::move(text));
    CObjElement* motor = PlaceElement(doc, {"M", kKindMotor, 1, 1});
    CObjElementList list = AllOf(doc);
    ASSERT_EQ(list.GetAt(0), textBox);
    doc.DoRenumber(list, 0);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetAt(0), motor);
    EXPECT_EQ(list.GetAt(1), textBox);
    EXPECT_EQ(motor->GetNumber(), 1u);
}

TEST(ElementData, TheFirstIncompleteElementNamesItsKind) {
    CTovarineDocData doc;
    CObjElement* source = PlaceElement(doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
    CObjElement* motor = PlaceElement(doc, {"M", kKindMotor, 0, 3});
    CObjElementList list = AllOf(doc);
    // The motor has no capacity; the source is complete.
    EXPECT_EQ(doc.IsOkElementData(list), 25368u);
    static_cast<CEleSource*>(source->GetElement())->m_nVoltage = 0;
    EXPECT_EQ(doc.IsOkElementData(list), 25357u); // the source comes first
    static_cast<CEleSource*>(source->GetElement())->m_nVoltage = 6600;
    auto* m = static_cast<CEleMotor*>(motor->GetElement());
    m->m_dCapacity = 7.5;
    m->m_dPowerFactor = 0.85;
    m->m_dStartingCurrent = 6.0;
    m->m_dStartingTime = 5.0;
    m->m_dInrushCurrent = 10.0;
    EXPECT_EQ(doc.IsOkElementData(list), 0u);
}

// Each kind with nothing entered names itself (a load has a default for
// everything it needs, so it is given a power factor above 1); a zero
// conductor has nothing to enter and a text box is no part of the test.
TEST(ElementData, EveryKindHasItsOwnMessage) {
    const std::pair<int32_t, uint32_t> rows[] = {
        {kKindSource, 25357},   {kKindTrans3, 25359}, {kKindGenerator, 25360},
        {kKindMotorEff, 25361}, {kKindBusBar, 25363}, {kKindWire, 25364},
        {kKindMotor, 25368},    {kKindLoad, 25369},   {kKindCapacitor, 25370},
        {kKindBusDuct, 25371},  {kKindTrans1, 25372}, {kKindZeroCond, 0},
        {kKindText, 0},
    };
    for (const auto& [kind, message] : rows) {
        CTovarineDocData doc;
        auto owned = std::make_unique<CObjElement>(kind);
        fw::CPoint at(1, 1);
        owned->SetSymbolRect(&at, nullptr);
        if (kind == kKindLoad)
            static_cast<CEleLoad*>(owned->GetElement())->m_dPowerFactor = 1.5;
        doc.m_listGroups.AddNewGroup()->SetElement(std::move(owned));
        CObjElementList list = AllOf(doc);
        EXPECT_EQ(doc.IsOkElementData(list), message) << "kind " << kind;
    }
}

struct EarthingCase {
    uint32_t earthing;
    uint32_t wires;
    bool ok;
};

TEST(Earthing, EachEarthingSystemAsksItsWireSystemOfAConductor) {
    // TN-S needs N and PE, TN-C the neutral alone, TT and IT no separate PE;
    // TN-C-S and unknown codes are not tested.
    const EarthingCase cases[] = {{1, 3, true},  {1, 2, false}, {1, 1, false}, {3, 2, true},
                                  {3, 3, false}, {3, 1, false}, {4, 1, true},  {4, 2, true},
                                  {4, 3, false}, {5, 3, false}, {5, 2, true},  {2, 1, true},
                                  {0, 3, true}};
    for (const EarthingCase& c : cases) {
        CTovarineDocData doc;
        CObjElement* wire = PlaceElement(doc, {"W", kKindWire, 0, 0});
        auto* w = static_cast<CEleWire*>(wire->GetElement());
        w->m_nEarthing = c.earthing;
        w->m_basic.m_nWireSystem = c.wires;
        CObjElementList list = AllOf(doc);
        std::string name = "unchanged";
        const uint32_t result = doc.IsOkEarthingSystem(list, name);
        EXPECT_EQ(result, c.ok ? 0u : tvid::IDS_WIRE_SYSTEM_FOR_EARTHING)
            << "earthing " << c.earthing << ", wire system " << c.wires;
        EXPECT_EQ(wire->GetErrorMark(), c.ok ? 0u : 1u);
        EXPECT_EQ(name, "unchanged");
    }
}

// Bus-bars and bus-ducts answer to the earthing system as wires do.
TEST(Earthing, BusBarsAndBusDuctsToo) {
    const EarthingCase cases[] = {
        {1, 2, false}, {1, 3, true}, {3, 3, false}, {4, 3, false}, {5, 1, true}};
    for (int32_t kind : {kKindBusBar, kKindBusDuct}) {
        for (const EarthingCase& c : cases) {
            CTovarineDocData doc;
            CObjElement* bar = PlaceElement(doc, {"B", kind, 0, 0});
            bar->SetEarthingSystem(c.earthing); // may reset the wire system
            bar->SetWireSystem(c.wires);
            ASSERT_EQ(bar->GetWireSystem(), c.wires);
            CObjElementList list = AllOf(doc);
            std::string name;
            EXPECT_EQ(doc.IsOkEarthingSystem(list, name),
                      c.ok ? 0u : tvid::IDS_WIRE_SYSTEM_FOR_EARTHING)
                << "kind " << kind << ", earthing " << c.earthing << ", wire system " << c.wires;
            EXPECT_EQ(bar->GetErrorMark(), c.ok ? 0u : 1u);
        }
    }
}

TEST(BreakerPasses, PassWhereThereIsNoBreaker) {
    CTovarineDocData doc;
    PlaceElement(doc, {"S", kKindSource, 0, 0, 0, {500, 25}});
    PlaceElement(doc, {"W", kKindWire, 0, 2, 0, {10}});
    PlaceElement(doc, {"L", kKindLoad, 0, 6});
    CObjElementList list = AllOf(doc);
    doc.DoSetBreakerFeed(list);
    EXPECT_EQ(doc.IsOkConductorCapacity(list), 1);
    EXPECT_EQ(doc.IsOkLoadCurrent(list), 1);
}

} // namespace
