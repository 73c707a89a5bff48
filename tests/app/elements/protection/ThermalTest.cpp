// The thermal relay: its record at every file version against hand-written
// fixtures, its set-up from the databases, check, texts, labels, symbol and
// curve on graphs, its edit, and its place beside the contactor.

#include "app/elements/protection/CEleThermal.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace protecttest;

namespace {

std::string FixturePath(const char* tag) {
    return std::string("app/elements/protection/fixtures/CEleThermal_") + tag + ".hex";
}

// The relay of the fixtures (see fixtures/README.md), as a file of the
// version holds it.
CEleThermal FixtureRelay(double version) {
    CEleThermal t;
    t.m_rectSymbol = fw::CRect(40, 400, 79, 479);
    t.m_strName = "THR5";
    t.m_nNumber = 5;
    t.m_nDefaultsSet = 1;
    t.m_strText2 = "spare";
    t.m_nPoles = 3;
    t.m_nCoordination = 1;
    t.m_nCalcPoint = 1;
    CCalcPoint& p = t.m_calcPoint;
    p.m_crMark = 0x0000FF;
    p.m_nMarkWidth = 2;
    p.m_dBaseCapacity = 1000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.6;
    p.m_zSource.m_dX = 2.4;
    CObjAdjust* a = t.DoAddNewObjAdjust();
    a->m_nInitialised = 1;
    CInfoBase& i = a->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_strManufactureName = "KESTRAVAL";
    i.m_lGroupID = 11;
    i.m_strGroupName = "Thermal overload relays";
    i.m_nKindFlag = 3;
    i.m_lTypeID = 401;
    i.m_strTypeName = "KTH-12";
    i.m_lOpeKindID = 51;
    i.m_strOpeKindName = "Heater";
    i.m_lBreakRatedID = 81;
    i.m_strRatedName = "7-10A";
    i.m_dRatedValue = 10.0;
    i.m_dMagniValue = 1.0;
    i.m_nVoltage = 400;
    CInfoPart* part = a->m_listInfoPart.DoAddNewInfoPart();
    part->m_lDialCharID = 50;
    part->m_strCharacterName = "Heater";
    part->m_dCurrent = 8.0;
    a->m_infoLine.m_nBandFlag = 1;
    a->m_infoLine.m_crColor = 0x00FF00;
    a->m_infoLine.m_nWidth = 5;
    a->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(5, 1);
    if (version >= 1.1) {
        t.m_nEarthing = 1;
        t.m_nWireSystem = 3;
    }
    if (version >= 1.15)
        t.m_nErrorMark = 1;
    if (version >= 1.2)
        t.m_nSinglePhase = 1;
    t.m_nVoltage = 400;
    return t;
}

TEST(ThermalRecord, StoresTheHandWrittenRecord) {
    CEleThermal t = FixtureRelay(1.2);
    EXPECT_EQ(Store(t), Fixture(FixturePath("v120")));
}

TEST(ThermalRecord, ReadsEveryVersionWithTheDefaultsOfWhatIsMissing) {
    for (auto [tag, version] : {std::pair{"v120", 1.2}, std::pair{"v115", 1.15},
                                std::pair{"v110", 1.1}, std::pair{"v100", 1.0}}) {
        CEleThermal t;
        Load(t, Fixture(FixturePath(tag)), version);
        CEleThermal want = FixtureRelay(version);
        EXPECT_EQ(Store(t), Store(want)) << tag;
        EXPECT_EQ(t.GetVoltage(), 400) << tag;
        EXPECT_EQ(t.m_nVoltage, 400) << tag;
        EXPECT_EQ(t.m_strText2, "spare") << tag;
        EXPECT_EQ(t.m_nCoordination, 1u) << tag;
    }
    // 1.0: TT, three phases, no error mark; 1.1 has no error mark and is
    // three-phase.
    CEleThermal old;
    Load(old, Fixture(FixturePath("v100")), 1.0);
    EXPECT_EQ(old.m_nEarthing, 4u);
    EXPECT_EQ(old.m_nWireSystem, 1u);
    EXPECT_EQ(old.m_nErrorMark, 0u);
    EXPECT_EQ(old.IsSinglePhase(), 0);
    CEleThermal v110;
    Load(v110, Fixture(FixturePath("v110")), 1.1);
    EXPECT_EQ(v110.m_nEarthing, 1u);
    EXPECT_EQ(v110.m_nErrorMark, 0u);
    EXPECT_EQ(v110.IsSinglePhase(), 0);
}

TEST(ThermalRecord, CutShortRecordsRaiseTheArchiveError) {
    ExpectCutShortRefused<CEleThermal>(Fixture(FixturePath("v120")), 1.2);
    ExpectCutShortRefused<CEleThermal>(Fixture(FixturePath("v100")), 1.0);
}

TEST(ThermalRecord, CopyIsDeep) {
    CEleThermal a = FixtureRelay(1.2);
    CEleThermal b(a);
    a.m_listAdjust.DoDeleteAllObjAdjust();
    a.m_strText2 = "other";
    EXPECT_EQ(Store(b), Fixture(FixturePath("v120")));
    CEleThermal c;
    c = b;
    b.GetAdjust()->m_infoBase.m_nVoltage = 200;
    EXPECT_EQ(Store(c), Fixture(FixturePath("v120")));
}

TEST(ThermalValues, VoltageCheckAndNoCharacteristic) {
    CEleThermal t = FixtureRelay(1.2);
    EXPECT_EQ(t.DoCheckData(), 0);
    EXPECT_EQ(t.SetVoltage(0), 0); // refused
    t.GetAdjust()->m_infoBase.m_nVoltage = 0;
    EXPECT_EQ(t.DoCheckData(), 1089);
    EXPECT_EQ(t.SetVoltage(230), 0);
    EXPECT_EQ(t.GetVoltage(), 230);
    EXPECT_EQ(t.DoCheckData(), 0);
    CEleThermal none;
    EXPECT_EQ(none.m_rectSymbol, fw::CRect(0, 0, 39, 79));
    EXPECT_EQ(none.m_nEarthing, 4u);
    EXPECT_EQ(none.m_nWireSystem, 1u);
    EXPECT_EQ(none.DoCheckData(), 0);
    EXPECT_EQ(none.GetVoltage(), 0);
    EXPECT_EQ(none.DoGetTextCurveLabel(), "");
    EXPECT_EQ(none.DoGetTextVoltage(1), "");
    EXPECT_EQ(none.DoGetTextSetting(1), "");
    CEleInitArgs args;
    args.nNumber = 2;
    none.DoInitNewElement(args);
    EXPECT_EQ(none.m_strName, "THR2");
    EXPECT_EQ(none.m_nDefaultsSet, 0u); // nothing more without a characteristic
    fw::CRecordingDC dc;
    CObjGraph graph;
    graph.m_nGraphNo = 1;
    none.AddToGraph(1, 1);
    EXPECT_EQ(none.IsOnGraph(1), 0);
    none.DoDrawCurve(&dc, &graph, CEleDocSettings{});
    none.DoDrawCurveLabel(&dc, &graph, CCurveChange{});
    EXPECT_TRUE(dc.Records().empty());
}

TEST(ThermalTexts, ReportAndLabelTexts) {
    CEleThermal t = FixtureRelay(1.2);
    EXPECT_EQ(t.DoGetTextTypeName(), "KTH-12");
    EXPECT_EQ(t.DoGetTextPoles(1), "3Poles");
    // Single-phase: the voltage and its half.
    EXPECT_EQ(t.DoGetTextVoltage(1), "400-200V");
    t.m_nSinglePhase = 0;
    EXPECT_EQ(t.DoGetTextVoltage(0), "400");
    // No reference part read: the setting's name.
    EXPECT_EQ(t.DoGetTextSetCurrent(1), "Heater");
    // The three-phase total of 0.6 + j2.4 % on 1000 kVA at 400 V:
    // |Z| = 2.4739 %, R = 0.6 x 160 / 1000 x 10 = 0.96 mohm, X = 3.84 mohm,
    // I"k3 = 1000 / (sqrt3 x 0.4 x 0.024739) = 58.345 kA.
    EXPECT_EQ(t.DoGetTextTotalPercentR(2, 1), "0.6000%r");
    EXPECT_EQ(t.DoGetTextTotalPercentX(2, 0), "2.40"); // 4 characters, as the tools write
    EXPECT_EQ(t.DoGetTextTotalPercentZ(2, 0), "2.474");
    EXPECT_EQ(t.DoGetTextTotalResistance(2, 1000.0, 1), "0.9600mohms");
    EXPECT_EQ(t.DoGetTextTotalReactance(2, 1000.0, 0), "3.840");
    EXPECT_EQ(t.DoGetTextTotalIk3Sym(1), "58.345kA");
    // The label: the short-circuit line only at a calculation point after
    // the calculation.
    EXPECT_EQ(t.DoGetLabelText(2), "KTH-12\r\nHeater");
    EXPECT_EQ(t.DoGetLabelText(3), "KTH-12\r\nHeater\r\nI\"k3=58.345kA");
    t.m_nCalcPoint = 0;
    EXPECT_EQ(t.DoGetLabelText(4), "KTH-12\r\nHeater");
    // Single-phase: the full-voltage line, then the half-voltage one.
    t.m_nCalcPoint = 1;
    t.m_nSinglePhase = 1;
    const std::string single = t.DoGetLabelText(3);
    EXPECT_EQ(single.rfind("KTH-12\r\nHeater\r\nI\"k2=", 0), 0u) << single;
    EXPECT_NE(single.find("\r\n="), std::string::npos) << single;
}

TEST(ThermalTexts, SettingFromTheRatingDial) {
    CEleThermal t = FixtureRelay(1.2);
    CObjAdjust& a = *t.GetAdjust();
    CReadDial& dial = a.m_readBase.m_dialRated;
    EXPECT_EQ(t.DoGetTextSetting(1), ""); // the dial holds nothing yet
    dial.m_strUnit = "A";
    for (auto [name, value] : {std::pair{"5.5-8", 8.0}, std::pair{"7-10", 10.0}}) {
        CReadValue* v = dial.m_listValue.DoAddNewReadValue();
        v->m_strName = name;
        v->m_dValue = value;
    }
    // Looked up by the rated value...
    dial.m_nKind = 4;
    EXPECT_EQ(t.DoGetTextSetting(1), "7-10(A)");
    EXPECT_EQ(t.DoGetTextSetting(0), "7-10");
    // ...or by the rating's dial id where the dial holds fixed values.
    dial.m_nKind = 2;
    dial.m_listValue.GetAt(0)->m_lID = 81;
    dial.m_listValue.GetAt(1)->m_lID = 82;
    EXPECT_EQ(t.DoGetTextSetting(1), "5.5-8(A)");
    // The curve label: name, the setting part, the rating and the settings.
    EXPECT_EQ(t.DoGetTextCurveLabel(), "THR5\r\nHeater\r\n5.5-8(A)" + a.DoGetAdjustSettingText());
}

TEST(ThermalCurve, GraphOperationsOnTheCharacteristic) {
    CEleThermal t = FixtureRelay(1.2); // on graph 5, not selected
    CObjAdjust& a = *t.GetAdjust();
    CObjGraph g5, g6;
    g5.m_nGraphNo = 5;
    g6.m_nGraphNo = 6;
    EXPECT_EQ(t.IsOnGraph(5), 1);
    EXPECT_EQ(t.IsAddableToGraph(6), 1);
    t.AddToGraph(6, 1);
    EXPECT_EQ(t.IsOnGraph(6), 1);
    EXPECT_EQ(t.IsSelectedCurve(&g6, 0), 1);
    EXPECT_EQ(t.IsSelectedCurve(&g6, 200), 0);
    t.DoSelectCurve(&g5, 1, 0, 100);
    EXPECT_EQ(t.IsSelectedCurve(&g5, 100), 1);
    EXPECT_NE(t.GetCurveRefV2(&g5), nullptr);
    EXPECT_EQ(t.GetCurveRefV2(&g6), nullptr);
    t.RemoveFromGraph(6);
    EXPECT_EQ(t.IsOnGraph(6), 0);
    EXPECT_EQ(a.m_nSelected, 0u);
    t.SetCurveBand(0);
    EXPECT_EQ(a.m_infoLine.m_nBandFlag, 0);
    std::vector<CGraphNoList*> lists;
    t.GetGraphNoLists(lists);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0], &a.m_listGraphNo);
    // DXF on the relay's layer 6.
    std::ostringstream dxf;
    t.DoDXFOutCurve(dxf, &g6, CEleDocSettings{});
    EXPECT_TRUE(dxf.str().empty());
    t.DoDXFOutCurve(dxf, &g5, CEleDocSettings{});
    EXPECT_NE(dxf.str().find("TEXT\n8\n6\n"), std::string::npos) << dxf.str();
}

TEST(ThermalValues, SymbolFillAndArrow) {
    CEleThermal t = FixtureRelay(1.2); // error mark 1, calculation point
    fw::CRecordingDC dc;
    t.DoDrawSymbol(&dc, 0);
    EXPECT_EQ(t.m_crFill, 0xFF00FFu);
    t.DoDrawSymbol(&dc, 1);
    EXPECT_EQ(t.m_crFill, 0xFFFFFFu);
    t.m_nErrorMark = 0;
    t.DoDrawSymbol(&dc, 0);
    EXPECT_EQ(t.m_crFill, 0xFFFFFFu);
    EXPECT_FALSE(dc.Records().empty());
}

class ThermalDb : public WithAllDatabases {};

// A new relay takes the breaker database's default thermal relay: the
// default group of kind 3 and its default type KTH-12, whose default heater
// range 4-6 A is set at its default 5 A.
TEST_F(ThermalDb, NewRelayTakesTheDefaultRelay) {
    CEleThermal t;
    t.DoAddNewObjAdjust();
    CEleInitArgs args;
    args.nNumber = 1;
    args.nVoltage = 400;
    t.DoInitNewElement(args);
    EXPECT_EQ(t.m_strName, "THR1");
    EXPECT_EQ(t.GetVoltage(), 400);
    EXPECT_EQ(t.DoGetTextTypeName(), "KTH-12");
    EXPECT_EQ(t.DoGetTextSetting(1), "5.0(A)");
    EXPECT_EQ(t.m_nPoles, 3u);
    EXPECT_EQ(t.m_nCoordination, 0u);
    EXPECT_EQ(t.IsCalcPoint(), 1);
    EXPECT_NE(t.m_nEarthing, 0u);
    EXPECT_FALSE(t.GetAdjust()->m_listInfoPart.IsEmpty());
    // Set up again: the circuit stays.
    t.m_nPoles = 4;
    t.DoInitNewElement(args);
    EXPECT_EQ(t.m_nPoles, 4u);
}

TEST_F(ThermalDb, EditReturnsToCheckingForANewCalculationPoint) {
    for (int32_t mode : {2, 3}) {
        CEleThermal t;
        t.DoAddNewObjAdjust();
        CEleInitArgs args;
        args.nNumber = 1;
        args.nVoltage = 400;
        t.DoInitNewElement(args);
        t.m_nCalcPoint = 0;
        int back = 0;
        CEleEditContext ctx;
        ctx.settings.nMode = mode;
        ctx.returnToCheckMode = [&back] { ++back; };
        DialogSeam<CEleThermal>::run = [](CEleThermal& copy) {
            copy.m_nCalcPoint = 1;
            copy.m_nCoordination = 1;
            return true;
        };
        EXPECT_EQ(t.DoEditElement(ctx), 1);
        EXPECT_EQ(t.m_nCoordination, 1u);
        EXPECT_EQ(back, mode >= 3 ? 1 : 0) << mode;
    }
    DialogSeam<CEleThermal>::run = nullptr;
}

// The element object reaches the relay by its kind.
TEST_F(ThermalDb, ElementObjectDispatchesToTheRelay) {
    CObjElement e(kKindThermal);
    ASSERT_NE(e.GetObjAdjust(), nullptr);
    EXPECT_EQ(e.SetVoltage(400), 0);
    EXPECT_EQ(e.GetVoltage(), 400);
    e.SetSinglePhase(1);
    EXPECT_EQ(e.IsSinglePhase(), 1);
    auto* t = dynamic_cast<CEleThermal*>(e.GetElement());
    ASSERT_NE(t, nullptr);
    t->m_nCalcPoint = 1;
    EXPECT_EQ(e.IsCalcPoint(), 1);
    t->GetAdjust()->m_infoBase.m_nVoltage = 0;
    EXPECT_EQ(e.DoCheckData(), 1089);
}

} // namespace
