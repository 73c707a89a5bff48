// The document's circuit queries and the propagation of circuit values along
// the skeleton, on diagrams given as cells.

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A document whose tree holds one leaf group for each placed element.
class DocDiagram {
public:
    CObjElement* Place(int32_t kind, int col, int row) {
        CObjGroup* group = doc.m_listGroups.AddNewGroup();
        auto e = std::make_unique<CObjElement>(kind);
        fw::CPoint at(40 * col + 1, 40 * row + 1);
        e->SetSymbolRect(&at, nullptr);
        CObjElement* raw = e.get();
        group->SetElement(std::move(e));
        return raw;
    }
    CTovarineDocData doc;
};

TEST(CircuitQueries, VoltageComesFromTheSupplyAboveElseFromTheTransformerBelow) {
    DocDiagram d;
    CObjElement* source = d.Place(kKindSource, 0, 0); // rows 0-1
    CObjElement* bar = d.Place(kKindBusBar, 0, 2);    // rows 2-5
    CObjElement* trans = d.Place(kKindTrans3, 0, 6);  // rows 6-8
    source->SetVoltage(6600, 1);
    trans->SetVoltage(6000, 0);
    trans->SetVoltage(400, 1);
    int32_t single = -1;
    EXPECT_EQ(d.doc.FindVoltage(bar, &single, 16 | 64), 6600);
    EXPECT_EQ(single, 0);
    // Without the source the primary of the transformer below answers.
    DocDiagram e;
    CObjElement* bar2 = e.Place(kKindBusBar, 0, 2);
    CObjElement* trans2 = e.Place(kKindTrans3, 0, 6);
    trans2->SetVoltage(6000, 0);
    EXPECT_EQ(e.doc.FindVoltage(bar2, nullptr, 16 | 64), 6000);
}

TEST(Propagation, ZeroCodesAndMinusOnePolesLeaveEveryCodeAsItWas) {
    DocDiagram d;
    CObjElement* trans = d.Place(kKindTrans3, 0, 0); // rows 0-2
    CObjElement* bar = d.Place(kKindBusBar, 0, 3);   // rows 3-6
    CObjElement* wire = d.Place(kKindWire, 0, 7);    // rows 7-10
    for (CObjElement* e : {bar, wire}) {
        e->SetEarthingSystem(4);
        e->SetWireSystem(1);
    }
    d.doc.SetModifiedFlag(false);
    d.doc.DoPropagateDown(trans, 0, 400, 0, 0, -1);
    for (CObjElement* e : {bar, wire}) {
        EXPECT_EQ(e->GetVoltage(0), 400);
        EXPECT_EQ(e->GetEarthingSystem(), 4u);
        EXPECT_EQ(e->GetWireSystem(), 1u);
    }
    EXPECT_TRUE(d.doc.IsModified());
    // Codes given are applied.
    d.doc.DoPropagateDown(trans, 0, 400, 1, 3, -1);
    EXPECT_EQ(wire->GetEarthingSystem(), 1u);
    EXPECT_EQ(wire->GetWireSystem(), 3u);
}

TEST(Propagation, UpwardStopsAtTheTransformer) {
    DocDiagram d;
    CObjElement* source = d.Place(kKindSource, 0, 0); // rows 0-1
    CObjElement* trans = d.Place(kKindTrans3, 0, 2);  // rows 2-4
    CObjElement* bar = d.Place(kKindBusBar, 0, 5);    // rows 5-8
    CObjElement* wire = d.Place(kKindWire, 0, 9);     // rows 9-12
    source->SetVoltage(6600, 1);
    trans->SetVoltage(6600, 0);
    trans->SetVoltage(400, 1);
    d.doc.DoPropagateUp(wire, 0, 415, 0, 0, -1);
    EXPECT_EQ(bar->GetVoltage(0), 415);
    EXPECT_EQ(trans->GetVoltage(1), 415); // the secondary, which faces down
    EXPECT_EQ(trans->GetVoltage(0), 6600);
    EXPECT_EQ(source->GetVoltage(1), 6600);
}

} // namespace
