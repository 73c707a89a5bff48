// The source, the transformers and the zero conductor through the element
// object: creation by kind, the first set-up with the list and equipment
// databases' defaults, the dispatch of their operations, the edit flow with
// its mode and frequency rules, the symbols and the zero conductor's labels.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/protection/CObjGraph.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/DeviceContext.h"
#include "tests/app/elements/supply/SupplyTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using supplytest::TestDocument;

namespace {

template <class Model> Model& ModelOf(CObjElement& element) {
    return *static_cast<Model*>(element.GetElement());
}

class SupplyElement : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dbs.IsOpen()); }
    void TearDown() override {
        DialogSeam<CEleSourceEdit>::run = nullptr;
        DialogSeam<CEleTrans3>::run = nullptr;
        DialogSeam<CEleTrans1>::run = nullptr;
        DialogSeam<CEleZeroCond>::run = nullptr;
    }
    // Edits the element on the document; the invalidated areas are counted.
    int32_t Edit(CObjElement& element, CElementDocument& doc) {
        int32_t oldVolts[2], newVolts[2];
        return element.DoEditElement(
            doc, nullptr, [this](const fw::CRect&) { ++m_invalidated; }, oldVolts, newVolts);
    }

    supplytest::ModelDatabasesScope m_dbs;
    int m_invalidated = 0;
};

TEST_F(SupplyElement, EachKindIsCreatedWithItsSymbolAndOnePlacementOfEachList) {
    struct Case {
        int32_t kind;
        fw::CRect rect;
    };
    for (const Case& c :
         {Case{kKindSource, {0, 0, 39, 79}}, Case{kKindTrans3, {0, 0, 39, 119}},
          Case{kKindZeroCond, {0, 0, 239, 39}}, Case{kKindTrans1, {0, 0, 39, 159}}}) {
        CObjElement element(c.kind);
        ASSERT_NE(element.GetElement(), nullptr) << c.kind;
        fw::CRect rect;
        element.GetSymbolRect(&rect);
        EXPECT_EQ(rect, c.rect) << c.kind;
        auto* frame = static_cast<CEleFrame*>(element.GetElement());
        EXPECT_EQ(frame->m_listRefV1.GetCount(), 1);
        EXPECT_EQ(frame->m_listRefV4.GetCount(), 1);
        EXPECT_EQ(frame->m_nPenWidth, 1u);
        EXPECT_EQ(frame->m_crFill, 0xFFFFFFu);
    }
}

// Nothing found around a new source: the list database's defaults, 6600 V
// and TT, whose wire system is three phases; X/R 25 and 500 MVA.
TEST_F(SupplyElement, NewSourceTakesTheListDefaultsAndItsOwn) {
    TestDocument doc;
    CObjElement element(kKindSource);
    element.DoInitNewElement(doc);
    CEleSource& s = ModelOf<CEleSource>(element);
    EXPECT_EQ(s.m_strName, "SOURCE1");
    EXPECT_EQ(s.m_nNumber, 1u);
    EXPECT_EQ(s.m_nVoltage, 6600);
    EXPECT_EQ(s.m_nEarthing, 4u);
    EXPECT_EQ(s.m_nWireSystem, 1u);
    EXPECT_EQ(s.m_dXR, 25.0);
    EXPECT_EQ(s.m_nCapacity, 500);
    EXPECT_EQ(element.GetCapacity(), 500000.0);
    EXPECT_EQ(element.DoCheckData(), 0);

    // Values found below it win; a second set-up renames only.
    TestDocument found;
    found.voltageDown = 11000;
    found.earthing = 1;
    found.wireSystem = 3;
    CObjElement second(kKindSource);
    second.DoInitNewElement(found);
    CEleSource& t = ModelOf<CEleSource>(second);
    EXPECT_EQ(t.m_nVoltage, 11000);
    EXPECT_EQ(t.m_nEarthing, 1u);
    EXPECT_EQ(t.m_nWireSystem, 3u);
    t.m_dXR = 10.0;
    found.voltageDown = 3300;
    second.DoInitNewElement(found);
    EXPECT_EQ(t.m_strName, "SOURCE2");
    EXPECT_EQ(t.m_nVoltage, 11000);
    EXPECT_EQ(t.m_dXR, 10.0);
}

// A new transformer under 6600 V with nothing below: the low-voltage list's
// 400 V, TT, and the default 500 kVA row: %R 1.1, %X 3.846 → %Z =
// √(1.21 + 14.791716) = 4.0002145, X/R = 3.4963636; peak 12; 10 cycles at
// 60 Hz = 166.67 ms.
TEST_F(SupplyElement, NewTrans3TakesItsVoltagesTheLowVoltageDefaultAndTheDefaultRow) {
    TestDocument doc;
    doc.voltageUp = 6600;
    doc.frequency = 60;
    CObjElement element(kKindTrans3);
    element.DoInitNewElement(doc);
    CEleTrans3& t = ModelOf<CEleTrans3>(element);
    EXPECT_EQ(t.m_strName, "T1");
    EXPECT_EQ(element.GetVoltage(0), 6600);
    EXPECT_EQ(element.GetVoltage(1), 400);
    EXPECT_EQ(t.m_nEarthing, 4u);
    EXPECT_EQ(t.m_nWireSystem, 1u);
    EXPECT_EQ(element.GetCapacity(), 500.0);
    EXPECT_NEAR(t.m_dPercentZ, 4.0002145, 1e-6);
    EXPECT_NEAR(t.m_dXR, 3.4963636, 1e-6);
    EXPECT_EQ(t.m_dRushPeak, 12.0);
    EXPECT_NEAR(t.m_dDampingTime, 166.666667, 1e-5);
    EXPECT_EQ(t.m_nCalcPoint, 0u);
    EXPECT_EQ(element.IsCalcPoint(), 0);
    EXPECT_EQ(element.DoCheckData(), 0);
    // A voltage found below is the secondary's.
    TestDocument below;
    below.voltageUp = 11000;
    below.voltageDown = 415;
    CObjElement other(kKindTrans3);
    other.DoInitNewElement(below);
    EXPECT_EQ(other.GetVoltage(1), 415);
    // The setter by side refuses a voltage below 1.
    EXPECT_EQ(other.SetVoltage(0, 1), 0);
    EXPECT_EQ(other.SetVoltage(440, 1), 415);
    EXPECT_EQ(other.GetVoltage(1), 440);
    EXPECT_EQ(other.GetVoltage(0), 11000);
}

// The single-phase transformer: 210 V when nothing is below, the
// single-phase earthing list's default (TT), the 50 kVA row for both
// windings, and winding 2 is not a calculation point.
TEST_F(SupplyElement, NewTrans1TakesTheSinglePhaseDefaults) {
    TestDocument doc;
    doc.voltageUp = 6600;
    CObjElement element(kKindTrans1);
    element.DoInitNewElement(doc);
    CEleTrans1& t = ModelOf<CEleTrans1>(element);
    EXPECT_EQ(t.m_strName, "ST1");
    EXPECT_EQ(element.GetVoltage(0), 6600);
    EXPECT_EQ(element.GetVoltage(1), 210);
    EXPECT_EQ(t.m_nEarthing, 4u);
    EXPECT_EQ(t.m_nWireSystem, 1u);
    EXPECT_EQ(element.GetCapacity(), 50.0);
    EXPECT_NEAR(t.m_part2.m_dPercentZ, std::sqrt(9.01), 1e-9);
    EXPECT_NEAR(t.m_part1.m_dPercentZ, std::sqrt(22.3681), 1e-9);
    EXPECT_EQ(t.m_part2.m_dDampingTime, 100.0);
    EXPECT_EQ(element.IsCalcPoint(), 0);
    EXPECT_EQ(element.IsSinglePhase(), 1);
    EXPECT_EQ(element.DoCheckData(), 0);
}

TEST_F(SupplyElement, NewZeroCondTakesTheCircuitValuesAndIsNoCalculationPoint) {
    TestDocument doc;
    doc.voltage = 400;
    doc.earthing = 3;
    doc.wireSystem = 2;
    CObjElement element(kKindZeroCond);
    CEleZeroCond& z = ModelOf<CEleZeroCond>(element);
    z.m_nCalcPoint = 1;
    element.DoInitNewElement(doc);
    EXPECT_EQ(z.m_strName, "ZC1");
    EXPECT_EQ(z.m_nVoltage, 400);
    EXPECT_EQ(z.m_nEarthing, 3u);
    EXPECT_EQ(z.m_nWireSystem, 2u);
    EXPECT_EQ(z.m_nCalcPoint, 0u);
    EXPECT_EQ(element.IsSinglePhase(), 0);
    element.SetSinglePhase(1);
    EXPECT_EQ(element.IsSinglePhase(), 1);
    EXPECT_EQ(element.DoCheckData(), 0);
    // Under a single-phase supply the bar is single-phase; a second set-up
    // keeps what the first gave.
    TestDocument single;
    single.voltage = 210;
    single.foundSinglePhase = 1;
    CObjElement bar(kKindZeroCond);
    bar.DoInitNewElement(single);
    EXPECT_EQ(bar.IsSinglePhase(), 1);
    EXPECT_EQ(ModelOf<CEleZeroCond>(bar).DoGetTextVoltage(1), "210-105V");
    single.foundSinglePhase = 0;
    single.voltage = 400;
    bar.DoInitNewElement(single);
    EXPECT_EQ(bar.IsSinglePhase(), 1);
    EXPECT_EQ(bar.GetVoltage(0), 210);
    EXPECT_EQ(bar.GetName(), "ZC2");
    EXPECT_EQ(element.HasUpperTerminal(), 1);
    EXPECT_EQ(element.HasLowerTerminal(), 1);
    EXPECT_EQ(element.HasSideTerminal(), 1);
}

// The network asks the single-phase transformer for selector 2, with the
// half-voltage pair; the three-phase result goes to both windings' points,
// the loop results to winding 2's, and clearing clears both.
TEST_F(SupplyElement, CalculationPointsOfTheSinglePhaseTransformer) {
    CObjElement element(kKindTrans1);
    CEleTrans1& t = ModelOf<CEleTrans1>(element);
    t.m_nVoltage2 = 210;
    t.m_dCapacity = 50.0;
    t.m_part2.m_dPercentZ = std::sqrt(9.01);
    t.m_part2.m_dXR = 2.6 / 1.5;
    t.m_part1.m_dPercentZ = std::sqrt(22.3681);
    t.m_part1.m_dXR = 4.16 / 2.25;
    CEleDocSettings settings;
    CPercentZ z = element.DoCalcPercentZ(settings);
    EXPECT_NEAR(z.m_dR, 30.0, 1e-9);
    EXPECT_NEAR(z.m_dRHalf, -60.0, 1e-9);

    CPercentZ term;
    term.m_dR = 1.0;
    term.m_dX = 2.0;
    element.DoSetCalcZ(1000.0, &term, nullptr);
    EXPECT_EQ(t.m_part1.m_calcPoint.m_zSource.m_dX, 2.0);
    EXPECT_EQ(t.m_part2.m_calcPoint.m_zSource.m_dX, 2.0);
    CPercentZ loop;
    loop.m_dR = 3.0;
    element.DoSetCalcZ2(1000.0, &loop, nullptr);
    EXPECT_EQ(t.m_part2.m_calcPoint.m_zLoop1.m_dR, 3.0);
    EXPECT_EQ(t.m_part1.m_calcPoint.m_zLoop1.m_dR, 0.0);
    element.DoClearCalcZ();
    EXPECT_EQ(t.m_part1.m_calcPoint.m_zSource.m_dX, 0.0);
    EXPECT_EQ(t.m_part2.m_calcPoint.m_zSource.m_dX, 0.0);
    // Winding 2 is the element's calculation point.
    t.m_part1.m_nCalcPoint = 1;
    EXPECT_EQ(element.IsCalcPoint(), 0);
    t.m_part2.m_nCalcPoint = 1;
    EXPECT_EQ(element.IsCalcPoint(), 1);
}

TEST_F(SupplyElement, SourceAndTrans3AnswerThePercentImpedanceOfTheDispatch) {
    CObjElement source(kKindSource);
    CEleSource& s = ModelOf<CEleSource>(source);
    s.m_nCapacity = 500;
    s.m_dXR = 25.0;
    CEleDocSettings settings;
    CPercentZ z = source.DoCalcPercentZ(settings);
    EXPECT_NEAR(z.m_dX, 0.1998401917, 1e-9);
    CObjElement trans(kKindTrans3);
    CEleTrans3& t = ModelOf<CEleTrans3>(trans);
    t.m_dCapacity = 1000.0;
    t.m_dPercentZ = 5.0;
    t.m_dXR = 5.0;
    settings.dBaseCapacity = 500.0;
    z = trans.DoCalcPercentZ(settings);
    EXPECT_NEAR(z.m_dR, 0.49029034, 1e-8);
    // The zero conductor has no impedance of its own.
    EXPECT_EQ(CObjElement(kKindZeroCond).DoCalcPercentZ(settings).m_dR, 0.0);
}

// ---- Editing ----

struct EditCase {
    const char* name;
    int32_t kind;
    int32_t mode;
    uint32_t flagBefore, flagAfter;
    bool ok;
    int returns;    // back to the check mode
    int32_t result; // of the edit
};

void SetFlag(CObjElement& e, uint32_t flag) {
    switch (e.GetKind()) {
    case kKindTrans3:
        ModelOf<CEleTrans3>(e).m_nCalcPoint = flag;
        break;
    case kKindTrans1:
        ModelOf<CEleTrans1>(e).m_part2.m_nCalcPoint = flag;
        break;
    case kKindZeroCond:
        ModelOf<CEleZeroCond>(e).m_nCalcPoint = flag;
        break;
    }
}

class SupplyEdit : public SupplyElement, public ::testing::WithParamInterface<EditCase> {};

// Only a calculation point that appears after a calculation (mode 3 or
// later) sends the document back to the check mode; cancel changes nothing
// and takes no undo snapshot.
TEST_P(SupplyEdit, CalculationPointRules) {
    const EditCase& c = GetParam();
    TestDocument doc;
    doc.mode = c.mode;
    CObjElement element(c.kind);
    SetFlag(element, c.flagBefore);
    const bool ok = c.ok;
    const uint32_t after = c.flagAfter;
    DialogSeam<CEleTrans3>::run = [&](CEleTrans3& m) {
        m.m_nCalcPoint = after;
        m.m_strName = "edited";
        return ok;
    };
    DialogSeam<CEleTrans1>::run = [&](CEleTrans1& m) {
        m.m_part2.m_nCalcPoint = after;
        m.m_strName = "edited";
        return ok;
    };
    DialogSeam<CEleZeroCond>::run = [&](CEleZeroCond& m) {
        m.m_nCalcPoint = after;
        m.m_strName = "edited";
        return ok;
    };
    EXPECT_EQ(Edit(element, doc), c.result);
    EXPECT_EQ(doc.checkModeReturns, c.returns);
    EXPECT_EQ(doc.undoSnapshots, c.ok ? 1 : 0);
    EXPECT_EQ(element.GetName(), c.ok ? "edited" : "");
    EXPECT_EQ(element.IsCalcPoint(), static_cast<int32_t>(c.ok ? c.flagAfter : c.flagBefore));
    EXPECT_EQ(m_invalidated, c.ok ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SupplyEdit,
    ::testing::Values(EditCase{"Trans3OnAfterCalculation", kKindTrans3, 3, 0, 1, true, 1, 1},
                      EditCase{"Trans3OnInMode8", kKindTrans3, 8, 0, 1, true, 1, 1},
                      EditCase{"Trans3OnWhileDrawing", kKindTrans3, 1, 0, 1, true, 0, 1},
                      EditCase{"Trans3OnWhileChecking", kKindTrans3, 2, 0, 1, true, 0, 1},
                      EditCase{"Trans3StaysOn", kKindTrans3, 3, 1, 1, true, 0, 1},
                      EditCase{"Trans3Off", kKindTrans3, 4, 1, 0, true, 0, 1},
                      EditCase{"Trans3Cancelled", kKindTrans3, 3, 0, 1, false, 0, 2},
                      EditCase{"Trans1OnAfterCalculation", kKindTrans1, 5, 0, 1, true, 1, 1},
                      EditCase{"Trans1Off", kKindTrans1, 5, 1, 0, true, 0, 1},
                      EditCase{"ZeroCondOnAfterCalculation", kKindZeroCond, 3, 0, 1, true, 1, 1},
                      EditCase{"ZeroCondOff", kKindZeroCond, 3, 1, 0, true, 0, 1},
                      EditCase{"ZeroCondCancelled", kKindZeroCond, 6, 0, 1, false, 0, 2}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST_F(SupplyElement, SourceEditPassesANewFrequencyToTheDocumentOnly) {
    for (int32_t chosen : {60, 50}) {
        SCOPED_TRACE(chosen);
        TestDocument doc;
        CObjElement element(kKindSource);
        DialogSeam<CEleSourceEdit>::run = [&](CEleSourceEdit& edit) {
            EXPECT_EQ(edit.nFrequency, 50);
            edit.nFrequency = chosen;
            edit.source.m_dXR = 20.0;
            return true;
        };
        EXPECT_EQ(Edit(element, doc), 1);
        EXPECT_EQ(doc.frequencyChanges, chosen == 50 ? 0 : 1);
        EXPECT_EQ(doc.frequency, chosen);
        EXPECT_EQ(doc.undoSnapshots, 1);
        EXPECT_EQ(ModelOf<CEleSource>(element).m_dXR, 20.0);
    }
    // Cancelled: neither the source nor the frequency change.
    TestDocument doc;
    CObjElement element(kKindSource);
    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit& edit) {
        edit.nFrequency = 60;
        edit.source.m_dXR = 20.0;
        return false;
    };
    EXPECT_EQ(Edit(element, doc), 2);
    EXPECT_EQ(doc.frequencyChanges, 0);
    EXPECT_EQ(doc.undoSnapshots, 0);
    EXPECT_EQ(ModelOf<CEleSource>(element).m_dXR, 0.0);
}

// On the project's own document: a new frequency from the source's dialog
// makes every conductor read its reactance for it, and the document keeps
// it; the same frequency changes nothing.
TEST_F(SupplyElement, SourceFrequencyReachesEveryConductorOfTheDocument) {
    CTovarineDocData doc;
    CObjElement* source =
        doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindSource, 0);
    CObjElement* wire = doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindWire, 0);
    ASSERT_NE(source, nullptr);
    ASSERT_NE(wire, nullptr);
    wire->SetVoltage(400);
    ModelOf<CEleWire>(*wire).m_basic.m_dLength = 50.0;
    CEleDocSettings settings = doc.GetEleSettings();
    const double x50 = wire->DoCalcPercentZ(settings).m_dX;
    CObjElement wireAt60(*wire);
    wireAt60.DoReadZFromDB(60);
    const double x60 = wireAt60.DoCalcPercentZ(settings).m_dX;
    ASSERT_NE(x50, x60) << "the wire's reactance depends on the frequency";

    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit&) { return true; };
    EXPECT_EQ(Edit(*source, doc), 1);
    EXPECT_EQ(wire->DoCalcPercentZ(settings).m_dX, x50);
    EXPECT_EQ(doc.m_infoSkeleton.m_nFrequency, 50);

    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit& edit) {
        edit.nFrequency = 60;
        return true;
    };
    EXPECT_EQ(Edit(*source, doc), 1);
    EXPECT_EQ(doc.m_infoSkeleton.m_nFrequency, 60);
    EXPECT_EQ(wire->DoCalcPercentZ(settings).m_dX, x60);
}

// On the project's own document: a transformer made a calculation point
// after a calculation sends it back to the check mode, modified.
TEST_F(SupplyElement, NewCalculationPointReturnsTheDocumentToTheCheckMode) {
    CTovarineDocData doc;
    CObjElement* trans =
        doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindTrans3, 0);
    ASSERT_NE(trans, nullptr);
    doc.m_nMode = 4;
    doc.m_nSubMode = 2;
    doc.SetModifiedFlag(false);
    DialogSeam<CEleTrans3>::run = [](CEleTrans3& m) {
        m.m_nCalcPoint = 1;
        return true;
    };
    EXPECT_EQ(Edit(*trans, doc), 1);
    EXPECT_EQ(doc.m_nMode, 2);
    EXPECT_EQ(doc.m_nSubMode, 0);
    EXPECT_TRUE(doc.IsModified());
}

// ---- Symbols ----

std::vector<const fw::CDrawRecord*> Of(const fw::CRecordingDC& dc, fw::CDrawRecord::Kind kind) {
    std::vector<const fw::CDrawRecord*> found;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == kind)
            found.push_back(&rec);
    return found;
}

// The error mark fills the symbol magenta on a screen drawing of the
// skeleton only; printed or on the impedance map it is white.
TEST_F(SupplyElement, MarkedSymbolsAreMagentaOnlyOnTheSkeletonScreen) {
    struct Case {
        bool printing;
        int32_t mode;
        fw::COLORREF fill;
    };
    for (int32_t kind : {kKindSource, kKindTrans3, kKindZeroCond, kKindTrans1}) {
        for (const Case& c :
             {Case{false, 0, 0xFF00FF}, Case{true, 0, 0xFFFFFF}, Case{false, 1, 0xFFFFFF}}) {
            SCOPED_TRACE(::testing::Message()
                         << "kind " << kind << " printing " << c.printing << " mode " << c.mode);
            CObjElement element(kind);
            element.SetErrorMark(1);
            fw::CRecordingDC dc(96, c.printing);
            if (c.mode == 0)
                element.DoDrawSkeleton(&dc, CEleDocSettings());
            else
                element.DoDrawImpeMap(&dc, CEleDocSettings());
            std::vector<const fw::CDrawRecord*> fills = Of(dc, fw::CDrawRecord::FillRect);
            ASSERT_FALSE(fills.empty());
            EXPECT_EQ(fills.front()->brush.color, c.fill);
            EXPECT_EQ(static_cast<CEleHead*>(element.GetElement())->m_crFill, c.fill);
        }
    }
}

// The three-phase transformer at its default rectangle, centre (19, 59): a
// line (19, −1)–(19, 31), circles (6, 31, 32, 58) and (6, 49, 32, 76) with no
// fill, a line (19, 119)–(19, 75); the red arrow at (19, 95) only as a
// calculation point.
TEST_F(SupplyElement, Trans3SymbolGeometry) {
    CEleTrans3 t;
    t.m_nPenWidth = 2;
    t.m_crPen = 0x123456;
    fw::CRecordingDC dc;
    t.DoDrawSymbol(&dc, 0);
    std::vector<const fw::CDrawRecord*> lines = Of(dc, fw::CDrawRecord::Polyline);
    std::vector<const fw::CDrawRecord*> circles = Of(dc, fw::CDrawRecord::Ellipse);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{19, -1}, {19, 31}}));
    EXPECT_EQ(lines[1]->points, (std::vector<fw::CPoint>{{19, 119}, {19, 75}}));
    EXPECT_EQ(circles[0]->points, (std::vector<fw::CPoint>{{6, 31}, {32, 58}}));
    EXPECT_EQ(circles[1]->points, (std::vector<fw::CPoint>{{6, 49}, {32, 76}}));
    for (const fw::CDrawRecord* rec : circles) {
        EXPECT_EQ(rec->brush.style, fw::BS_NULL);
        EXPECT_EQ(rec->pen.width, 2);
        EXPECT_EQ(rec->pen.color, 0x123456u);
    }
    t.m_nCalcPoint = 1;
    fw::CRecordingDC withArrow;
    t.DoDrawSymbol(&withArrow, 0);
    std::vector<const fw::CDrawRecord*> head = Of(withArrow, fw::CDrawRecord::Polygon);
    ASSERT_EQ(head.size(), 1u);
    EXPECT_EQ(head[0]->points.back(), fw::CPoint(19, 95));
}

// The single-phase transformer, centre (19, 79): a line from one above the
// top to (19, 51), the circles, the centre tap (19, 69)–(19, 60)–(37, 60) and a
// line from one below the bottom to (19, 95).
TEST_F(SupplyElement, Trans1SymbolHasTheCentreTap) {
    CEleTrans1 t;
    fw::CRecordingDC dc;
    t.DoDrawSymbol(&dc, 0);
    std::vector<const fw::CDrawRecord*> lines = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{19, -1}, {19, 51}}));
    EXPECT_EQ(lines[1]->points, (std::vector<fw::CPoint>{{19, 69}, {19, 60}}));
    EXPECT_EQ(lines[2]->points, (std::vector<fw::CPoint>{{19, 60}, {37, 60}}));
    EXPECT_EQ(lines[3]->points, (std::vector<fw::CPoint>{{19, 160}, {19, 95}}));
    std::vector<const fw::CDrawRecord*> circles = Of(dc, fw::CDrawRecord::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0]->points, (std::vector<fw::CPoint>{{6, 51}, {32, 78}}));
}

// The source, centre (19, 39): the circle (6, 7, 32, 34), the two wave arcs
// and the line (19, 79)–(19, 33).
TEST_F(SupplyElement, SourceSymbolGeometry) {
    CEleSource s;
    fw::CRecordingDC dc;
    s.DoDrawSymbol(&dc, 0);
    std::vector<const fw::CDrawRecord*> circles = Of(dc, fw::CDrawRecord::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0]->points, (std::vector<fw::CPoint>{{6, 7}, {32, 34}}));
    std::vector<const fw::CDrawRecord*> arcs = Of(dc, fw::CDrawRecord::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0]->points, (std::vector<fw::CPoint>{{10, 17}, {19, 26}, {19, 22}, {10, 22}}));
    EXPECT_EQ(arcs[1]->points, (std::vector<fw::CPoint>{{19, 17}, {28, 26}, {19, 22}, {28, 22}}));
    std::vector<const fw::CDrawRecord*> lines = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{19, 79}, {19, 33}}));
}

// The bar of a zero conductor at (0, 200, 239, 239), centre y 219: filled in
// the pen colour over (−1, 216, 240, 222). A line goes to every element that
// touches it at a 40-unit step: from above (bottom 199) at left 40 up to
// (59, 198); from below (top 240) at left 80 down to (99, 240). An element
// off the steps (left 20), one above without a lower terminal, and one a unit
// away get none.
TEST_F(SupplyElement, ZeroCondBarAndConnectionLines) {
    CEleZeroCond z;
    z.m_rectSymbol = fw::CRect(0, 200, 239, 239);
    z.m_crPen = 0x00AA00;
    std::vector<CEleZeroCond::CConnected> others = {
        {fw::CRect(40, 120, 79, 199), true, true},    // above, on the step at 40
        {fw::CRect(80, 240, 119, 279), true, false},  // below, on the step at 80
        {fw::CRect(20, 120, 59, 199), true, true},    // above, off the steps
        {fw::CRect(120, 120, 159, 199), true, false}, // above, no lower terminal
        {fw::CRect(160, 241, 199, 280), true, true},  // a unit below
    };
    fw::CRecordingDC dc;
    z.DoDrawSymbol(&dc, 0, others);
    std::vector<const fw::CDrawRecord*> fills = Of(dc, fw::CDrawRecord::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1]->points, (std::vector<fw::CPoint>{{-1, 216}, {240, 222}}));
    EXPECT_EQ(fills[1]->brush.color, 0x00AA00u);
    std::vector<const fw::CDrawRecord*> lines = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{59, 219}, {59, 198}}));
    EXPECT_EQ(lines[1]->points, (std::vector<fw::CPoint>{{99, 219}, {99, 240}}));
    // As a calculation point, the arrow's tip at the centre, one above.
    z.m_nCalcPoint = 1;
    fw::CRecordingDC withArrow;
    z.DoDrawSymbol(&withArrow, 0);
    std::vector<const fw::CDrawRecord*> head = Of(withArrow, fw::CDrawRecord::Polygon);
    ASSERT_EQ(head.size(), 1u);
    EXPECT_EQ(head[0]->points.back(), fw::CPoint(119, 218));
}

// The sides of the name and the label by the neighbours at the two ends:
// none: 128 and 32; right only: 128 and 64; left only: 32 and 32; both: 16
// and 64. The impedance map has no label text.
TEST_F(SupplyElement, ZeroCondLabelSidesFollowTheNeighbours) {
    struct Case {
        bool left, right;
        uint32_t name, label;
    };
    const Case cases[] = {{false, false, 128, 32},
                          {false, true, 128, 64},
                          {true, false, 32, 32},
                          {true, true, 16, 64}};
    CEleDocSettings calculated;
    calculated.nMode = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.left << c.right);
        CEleZeroCond z;
        z.m_strName = "ZC1";
        z.m_nVoltage = 400;
        z.m_nCalcPoint = 1;
        z.m_listRefV1.DoAddNew();
        z.m_listRefV4.DoAddNew();
        fw::CRecordingDC dc;
        z.DoLayoutRefV1List(&dc, calculated, {c.left, c.right});
        z.DoLayoutRefV4List(&dc, calculated, {c.left, c.right});
        CObjRefV1List v1;
        v1.DoAddNew();
        v1.DoCalcLabelRect(&dc, z.m_rectSymbol, "ZC1", c.name, z.DoGetTextLabel(3), c.label);
        EXPECT_EQ(z.m_listRefV1.GetAtIndex(0)->m_labels, v1.GetAtIndex(0)->m_labels);
        CObjRefV4List v4;
        v4.DoAddNew();
        v4.DoCalcLabelRect(&dc, z.m_rectSymbol, "ZC1", c.name, "", c.label);
        EXPECT_EQ(z.m_listRefV4.GetAtIndex(0)->m_labels, v4.GetAtIndex(0)->m_labels);
    }
}

} // namespace

namespace {

// In a document, the zero conductor finds the elements around it by itself:
// a wire standing on its bar at the second step gets its connection line,
// and a second bar joined at its right end moves its label below it.
TEST_F(SupplyElement, ZeroCondInADocumentDrawsToItsNeighboursAndPlacesItsLabels) {
    CTovarineDocData doc;
    CObjElement* zc = doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindZeroCond, 0);
    CObjElement* wire = doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindWire, 0);
    CObjElement* right =
        doc.m_listGroups.AddNewGroup()->InsertElement(nullptr, doc, kKindZeroCond, 0);
    ASSERT_TRUE(zc && wire && right);
    const fw::CRect bar(0, 200, 239, 239);
    const fw::CRect above(40, 40, 79, 199);
    const fw::CRect beside(240, 200, 479, 239);
    zc->SetSymbolRect(nullptr, &bar);
    wire->SetSymbolRect(nullptr, &above);
    right->SetSymbolRect(nullptr, &beside);
    for (auto& group : doc.m_listGroups)
        group->m_rect = group->GetSymbolRect();

    fw::CRecordingDC dc;
    doc.m_listGroups.GetHead()->DoDrawSkeleton(&dc, doc);
    std::vector<const fw::CDrawRecord*> lines = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{59, 219}, {59, 198}}));

    // Right end taken, left free: the name at the left (128), the label
    // below (64).
    CEleZeroCond& model = ModelOf<CEleZeroCond>(*zc);
    CObjRefV1List expected;
    expected.DoAddNew();
    expected.DoCalcLabelRect(&dc, bar, model.m_strName, 128, model.DoGetTextLabel(1), 64);
    // (The drawing has given the placement its colours since; the places
    // are what the neighbours decide.)
    EXPECT_EQ(model.m_listRefV1.GetAtIndex(0)->m_labels.m_rectLabel1,
              expected.GetAtIndex(0)->m_labels.m_rectLabel1);
    EXPECT_EQ(model.m_listRefV1.GetAtIndex(0)->m_labels.m_rectLabel2,
              expected.GetAtIndex(0)->m_labels.m_rectLabel2);
}

} // namespace

namespace {

CObjGraph Graph3() {
    CObjGraph graph;
    graph.m_nGraphNo = 3;
    graph.m_nStdVoltage = 400;
    graph.m_dCurrentMin = 1.0;
    graph.m_dCurrentMax = 100000.0;
    graph.m_dTimeMin = 0.001;
    graph.m_dTimeMax = 10000.0;
    graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    return graph;
}

int Count(const std::string& text, const std::string& word) {
    int n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

// The rush curve of 1000 kVA at 400 V with k = 10, τ = 100 ms has the 39
// points worked out in SupplyCalc; on a graph it is one polyline of them,
// red while selected on screen, and a DXF polyline of 39 vertices. Off the
// graph nothing is drawn or written.
TEST_F(SupplyElement, TransformerRushCurvesOnAGraph) {
    for (int32_t kind : {kKindTrans3, kKindTrans1}) {
        SCOPED_TRACE(kind);
        CObjElement element(kind);
        if (kind == kKindTrans3) {
            CEleTrans3& t = ModelOf<CEleTrans3>(element);
            t.m_nVoltage2 = 400;
            t.m_dCapacity = 1000.0;
            t.m_dRushPeak = 10.0;
            t.m_dDampingTime = 100.0;
        } else {
            CEleTrans1& t = ModelOf<CEleTrans1>(element);
            t.m_nVoltage2 = 210;
            t.m_dCapacity = 50.0;
            t.m_part2.m_dRushPeak = 10.0;
            t.m_part2.m_dDampingTime = 100.0;
            t.m_part1.m_dRushPeak = 3.0; // winding 1's curve is never shown
        }
        CObjGraph graph = Graph3();
        CEleDocSettings settings;
        fw::CRecordingDC off;
        element.DoDrawCurve(&off, &graph, settings);
        EXPECT_TRUE(off.Records().empty());
        ASSERT_EQ(element.IsAddableToGraph(3), 1);
        element.AddToGraph(3, 0);
        EXPECT_EQ(element.IsAddableToGraph(3), 0);

        fw::CRecordingDC dc;
        element.DoDrawCurve(&dc, &graph, settings);
        std::vector<const fw::CDrawRecord*> curves = Of(dc, fw::CDrawRecord::Polyline);
        ASSERT_EQ(curves.size(), 1u);
        EXPECT_EQ(curves[0]->points.size(), 39u);
        EXPECT_EQ(curves[0]->pen.color, 0u);
        element.SetSelectCurve(1);
        fw::CRecordingDC selected;
        element.DoDrawCurve(&selected, &graph, settings);
        EXPECT_EQ(Of(selected, fw::CDrawRecord::Polyline).at(0)->pen.color, 255u);
        // The point drawn at 10 ms (the peak) is hit, one far away is not.
        const fw::CPoint peak = curves[0]->points[33];
        EXPECT_EQ(element.IsHittedCurve(&dc, &graph, peak, 0), 1);
        EXPECT_EQ(element.IsHittedCurve(&dc, &graph, fw::CPoint(peak.x + 5000, peak.y), 0), 0);

        std::ostringstream dxf;
        element.DoDXFOutCurve(dxf, &graph, settings);
        EXPECT_EQ(Count(dxf.str(), "POLYLINE"), 1);
        EXPECT_EQ(Count(dxf.str(), "VERTEX"), 39);
        EXPECT_EQ(Count(dxf.str(), "SEQEND"), 1);

        int invalidated = 0;
        element.DoInvalidateCurve(&dc, &graph, 0, [&](const fw::CRect&) { ++invalidated; });
        EXPECT_EQ(invalidated, 1);
    }
}

} // namespace
