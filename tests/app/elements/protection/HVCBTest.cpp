// The high-voltage breaker: its record at every file version against
// hand-written fixtures, its set-up from the databases, its checks, texts,
// labels and symbol fill, its curve on graphs and its edit.

#include "app/elements/protection/CEleHVCB.h"
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
    return std::string("app/elements/protection/fixtures/CEleHVCB_") + tag + ".hex";
}

// The breaker of the fixtures (see fixtures/README.md), as a file of the
// version holds it.
CEleHVCB FixtureBreaker(double version) {
    CEleHVCB b;
    b.m_rectSymbol = fw::CRect(80, 80, 159, 159);
    b.m_strName = "HCB2";
    b.m_nNumber = 2;
    b.m_nSelected = 1;
    b.m_nDefaultsSet = 1;
    b.m_dBreakingCapacity = 12.5;
    b.m_dRatedCurrent = 600.0;
    b.m_nCalcPoint = 1;
    CCalcPoint& p = b.m_calcPoint;
    p.m_crMark = 0x0000FF;
    p.m_nMarkWidth = 2;
    p.m_dBaseCapacity = 1000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.2;
    p.m_zSource.m_dX = 1.0;
    CObjAdjust* a = b.DoAddNewObjAdjust();
    a->m_nInitialised = 1;
    a->m_nSelected = 1;
    CInfoBase& i = a->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_strManufactureName = "KESTRAVAL";
    i.m_lGroupID = 9;
    i.m_strGroupName = "Digital over-current relays";
    i.m_nKindFlag = 1;
    i.m_lTypeID = 301;
    i.m_strTypeName = "KOR-D1";
    i.m_lOpeKindID = 31;
    i.m_strOpeKindName = "Relay";
    i.m_lBreakRatedID = 61;
    i.m_strRatedName = "5A";
    i.m_dRatedValue = 5.0;
    i.m_dMagniValue = 1.0;
    i.m_nVoltage = 6600;
    i.m_bUseCT = 1;
    i.m_nCT1Current = 200;
    i.m_nCT2Current = 5;
    adjust_fields::BreakTimeFlag(i) = 1;
    adjust_fields::BreakTimeFlag2(i) = 1;
    adjust_fields::BreakCycles(i) = 3;
    CInfoPart* inverse = a->m_listInfoPart.DoAddNewInfoPart();
    inverse->m_lDialCharID = 40;
    inverse->m_strCharacterName = "Inverse";
    inverse->m_dCurrent = 4.0;
    inverse->m_dTime = 0.3;
    CInfoPart* inst = a->m_listInfoPart.DoAddNewInfoPart();
    inst->m_lDialCharID = 41;
    inst->m_strCharacterName = "Instantaneous";
    inst->m_dCurrent = 40.0;
    adjust_fields::LockFlag(*inst) = 1;
    a->m_infoLine.m_nBandFlag = 0;
    a->m_infoLine.m_crColor = 0xFF0000;
    a->m_infoLine.m_nWidth = 5;
    a->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(3, 1);
    if (version >= 1.1) {
        b.m_nEarthing = 3;
        b.m_nWireSystem = 2;
    } else {
        b.m_nEarthing = 4;
        b.m_nWireSystem = 1;
    }
    if (version >= 1.15)
        b.m_nErrorMark = 1;
    b.m_nVoltage = 6600;
    return b;
}

TEST(HVCBRecord, StoresTheHandWrittenRecord) {
    CEleHVCB b = FixtureBreaker(1.2);
    EXPECT_EQ(Store(b), Fixture(FixturePath("v120")));
}

TEST(HVCBRecord, ReadsEveryVersionWithTheDefaultsOfWhatIsMissing) {
    for (auto [tag, version] : {std::pair{"v120", 1.2}, std::pair{"v115", 1.15},
                                std::pair{"v110", 1.1}, std::pair{"v100", 1.0}}) {
        CEleHVCB b;
        Load(b, Fixture(FixturePath(tag)), version);
        CEleHVCB want = FixtureBreaker(version);
        EXPECT_EQ(Store(b), Store(want)) << tag;
        EXPECT_EQ(b.GetVoltage(), 6600) << tag;
        EXPECT_EQ(b.m_nVoltage, 6600) << tag;
        EXPECT_EQ(b.GetCT1Current(), 200) << tag;
        EXPECT_EQ(b.m_dBreakingCapacity, 12.5) << tag;
        EXPECT_EQ(b.m_dRatedCurrent, 600.0) << tag;
    }
    // 1.0: TT with three phases; 1.0 and 1.1 carry no error mark.
    CEleHVCB old;
    Load(old, Fixture(FixturePath("v100")), 1.0);
    EXPECT_EQ(old.m_nEarthing, 4u);
    EXPECT_EQ(old.m_nWireSystem, 1u);
    EXPECT_EQ(old.m_nErrorMark, 0u);
    CEleHVCB v110;
    Load(v110, Fixture(FixturePath("v110")), 1.1);
    EXPECT_EQ(v110.m_nEarthing, 3u);
    EXPECT_EQ(v110.m_nWireSystem, 2u);
    EXPECT_EQ(v110.m_nErrorMark, 0u);
}

TEST(HVCBRecord, CutShortRecordsRaiseTheArchiveError) {
    ExpectCutShortRefused<CEleHVCB>(Fixture(FixturePath("v120")), 1.2);
    ExpectCutShortRefused<CEleHVCB>(Fixture(FixturePath("v100")), 1.0);
}

TEST(HVCBRecord, CopyIsDeep) {
    CEleHVCB a = FixtureBreaker(1.2);
    CEleHVCB b(a);
    a.m_listAdjust.DoDeleteAllObjAdjust();
    a.m_calcPoint.m_zSource.m_dR = 9.0;
    EXPECT_EQ(Store(b), Fixture(FixturePath("v120")));
    CEleHVCB c;
    c = b;
    b.m_listAdjust.GetAt(0)->m_infoBase.m_nCT1Current = 400;
    EXPECT_EQ(Store(c), Fixture(FixturePath("v120")));
}

TEST(HVCBValues, NewBreakerHasTheSquareSymbolAndNoCharacteristic) {
    CEleHVCB b;
    EXPECT_EQ(b.m_rectSymbol, fw::CRect(0, 0, 79, 79));
    EXPECT_EQ(b.m_crFill, 0xFFFFFFu);
    EXPECT_EQ(b.GetAdjust(), nullptr);
    EXPECT_EQ(b.GetVoltage(), 0);
    EXPECT_EQ(b.DoCheckData(), 0);
    // Without a characteristic nothing that needs one answers.
    for (const std::string& text :
         {b.DoGetTextVoltage(1), b.DoGetTextCTPrimary(1), b.DoGetTextCTSecondary(1),
          b.DoGetTextTypeName(), b.DoGetTextGroupName(), b.DoGetTextTotalIk3Sym(1),
          b.DoGetTextTotalResistance(1000.0, 1), b.DoGetTextDirectImpedance(1000.0, 1),
          b.DoGetTextPartName(), b.DoGetTextSetCurrent(), b.DoGetTextSetTime(),
          b.DoGetTextSettingInst(), b.DoGetTextCurveLabel(), b.DoGetLabelText(3)})
        EXPECT_EQ(text, "");
    CObjGraph graph;
    graph.m_nGraphNo = 3;
    b.AddToGraph(3, 1);
    EXPECT_EQ(b.IsOnGraph(3), 0);
    EXPECT_EQ(b.IsSelectedCurve(&graph, 0), 0);
    EXPECT_EQ(b.SetVoltage(6600), 0);
    // Its edit opens no dialog.
    bool opened = false;
    DialogSeam<CEleHVCB>::run = [&opened](CEleHVCB&) { return opened = true; };
    EXPECT_EQ(b.DoEditElement(CEleEditContext{}), 2);
    EXPECT_FALSE(opened);
    DialogSeam<CEleHVCB>::run = nullptr;
}

TEST(HVCBValues, DataCheckNamesTheFirstBadValue) {
    struct Case {
        int32_t volts;
        double rated;
        double capacity;
        int32_t ct1;
        int32_t ct2;
        int32_t control;
    };
    const Case cases[] = {
        {6600, 600.0, 12.5, 200, 5, 0},  {6600, 0.0, 0.0, 200, 5, 0},
        {0, -1.0, -1.0, 0, 0, 1089},     {6600, -1.0, -1.0, 0, 0, 1100},
        {6600, 0.0, -0.5, 0, 0, 1106},   {6600, 0.0, 0.0, 0, 0, 1101},
        {6600, 0.0, 0.0, 200, -5, 1102}, {-6600, 600.0, 12.5, 200, 5, 1089},
    };
    for (const Case& c : cases) {
        CEleHVCB b = FixtureBreaker(1.2);
        CInfoBase& i = b.GetAdjust()->m_infoBase;
        i.m_nVoltage = c.volts;
        i.m_nCT1Current = c.ct1;
        i.m_nCT2Current = c.ct2;
        b.m_dRatedCurrent = c.rated;
        b.m_dBreakingCapacity = c.capacity;
        EXPECT_EQ(b.DoCheckData(), c.control)
            << c.volts << " " << c.rated << " " << c.capacity << " " << c.ct1 << " " << c.ct2;
    }
}

TEST(HVCBValues, VoltageGoesToEveryCharacteristic) {
    CEleHVCB b = FixtureBreaker(1.2);
    b.DoAddNewObjAdjust();
    EXPECT_EQ(b.SetVoltage(3300), 6600);
    EXPECT_EQ(b.GetVoltage(), 3300);
    EXPECT_EQ(b.m_listAdjust.GetAt(1)->m_infoBase.m_nVoltage, 3300);
    EXPECT_EQ(b.SetVoltage(0), 0); // refused
    EXPECT_EQ(b.GetVoltage(), 3300);
}

TEST(HVCBValues, CalculationPointOnlyWhileSwitchedOn) {
    CEleHVCB b = FixtureBreaker(1.2);
    EXPECT_EQ(b.IsCalcPoint(), 1);
    b.m_nOff = 1;
    EXPECT_EQ(b.IsCalcPoint(), 0);
    EXPECT_EQ(b.IsOff(), 1);
    b.m_nOff = 0;
    b.m_nCalcPoint = 0;
    EXPECT_EQ(b.IsCalcPoint(), 0);
}

TEST(HVCBValues, FillColourOfTheSymbol) {
    CEleHVCB b = FixtureBreaker(1.2); // error mark 1
    EXPECT_EQ(b.GetFillColour(true, 0), 0xFFFFFFu);
    EXPECT_EQ(b.GetFillColour(false, 0), 0xFF00FFu);
    EXPECT_EQ(b.GetFillColour(false, 1), 0xFFFFFFu);
    b.m_nOff = 1;
    EXPECT_EQ(b.GetFillColour(false, 1), 0x408000u);
    b.m_nErrorMark = 0;
    EXPECT_EQ(b.GetFillColour(false, 0), 0x408000u);
    EXPECT_EQ(b.GetFillColour(true, 0), 0xFFFFFFu);
    b.m_nOff = 0;
    EXPECT_EQ(b.GetFillColour(false, 0), 0xFFFFFFu);
}

TEST(HVCBTexts, RatingsAndSelection) {
    CEleHVCB b = FixtureBreaker(1.2);
    EXPECT_EQ(b.DoGetTextVoltage(1), "6600V");
    EXPECT_EQ(b.DoGetTextRatedCurrent(1), "600A");
    EXPECT_EQ(b.DoGetTextRatedCurrent(0), "600");
    EXPECT_EQ(b.DoGetTextBreakingCapacity(1), "12.5kA");
    EXPECT_EQ(b.DoGetTextCTPrimary(1), "200A");
    EXPECT_EQ(b.DoGetTextCTSecondary(0), "5");
    EXPECT_EQ(b.DoGetTextGroupName(), "Digital over-current relays");
    EXPECT_EQ(b.DoGetTextTypeName(), "KOR-D1");
    EXPECT_EQ(b.DoGetTextOnOff(0), "");
    EXPECT_EQ(b.DoGetTextOnOff(1), "ON");
    EXPECT_EQ(b.DoGetTextPartName(), "Inverse");
    // A rating or capacity of 0 is not given, and not a fault.
    b.m_dRatedCurrent = 0.0;
    b.m_dBreakingCapacity = 0.0;
    EXPECT_EQ(b.DoGetTextRatedCurrent(1), "");
    EXPECT_EQ(b.DoGetTextBreakingCapacity(1), "");
    EXPECT_EQ(b.DoCheckData(), 0);
    b.m_nOff = 1;
    EXPECT_EQ(b.DoGetTextOnOff(0), "OFF");
    EXPECT_EQ(b.DoGetTextOnOff(1), "OFF");
}

TEST(HVCBTexts, ShortCircuitValuesWorkedByHand) {
    CEleHVCB b = FixtureBreaker(1.2);
    // The source side 0.2 + j1.0 % on 1000 kVA at 6600 V:
    // R = 0.2 x 6600^2 / 1000 / 1000 x 10 = 87.12 mohm, X = 435.6 mohm,
    // |Z| = 444.23 mohm; I"k3 = 1000 / (sqrt3 x 6.6 x 0.010198) = 8.5779 kA.
    EXPECT_EQ(b.DoGetTextDirectPercentR(1), "0.2000%r");
    EXPECT_EQ(b.DoGetTextDirectPercentX(0), "1.000");
    EXPECT_EQ(b.DoGetTextDirectPercentZ(0), "1.020");
    EXPECT_EQ(b.DoGetTextDirectResistance(1000.0, 1), "87.12mohms");
    EXPECT_EQ(b.DoGetTextDirectReactance(1000.0, 0), "435.6");
    EXPECT_EQ(b.DoGetTextDirectImpedance(1000.0, 0), "444.2");
    EXPECT_EQ(b.DoGetTextDirectIk3Sym(1), "8.5779kA");
    // Nothing on the motor side: the total is the direct.
    EXPECT_EQ(b.DoGetTextTotalPercentR(0), "0.2000");
    EXPECT_EQ(b.DoGetTextTotalPercentX(1), "1.000%r");
    EXPECT_EQ(b.DoGetTextTotalPercentZ(0), "1.020");
    EXPECT_EQ(b.DoGetTextTotalResistance(1000.0, 0), "87.12");
    EXPECT_EQ(b.DoGetTextTotalReactance(1000.0, 1), "435.6mohms");
    EXPECT_EQ(b.DoGetTextTotalImpedance(1000.0, 0), "444.2");
    EXPECT_EQ(b.DoGetTextTotalIk3Sym(1), "8.5779kA");
    EXPECT_EQ(b.DoGetTextTotalIk3Asym(0), b.DoGetTextDirectIk3Asym(0));
    EXPECT_EQ(b.DoGetTextTotalIk3Peak(0), b.DoGetTextDirectIk3Peak(0));
    // A base of 0 gives no ohms (and no division by it).
    EXPECT_EQ(b.DoGetTextDirectResistance(0.0, 0), "0.000");
}

TEST(HVCBTexts, SkeletonLabelByStateAndMode) {
    CEleHVCB b = FixtureBreaker(1.2);
    const std::string ratings = "200A/5A\r\nKOR-D1\r\n12.5kA";
    // The short-circuit line only after the calculation.
    EXPECT_EQ(b.DoGetLabelText(2), ratings);
    EXPECT_EQ(b.DoGetLabelText(3), ratings + "\r\nI\"k3total=8.5779kA");
    EXPECT_EQ(b.DoGetLabelText(5), ratings + "\r\nI\"k3total=8.5779kA");
    // Switched off: "OFF" first and no short-circuit line, even as a
    // calculation point.
    b.m_nOff = 1;
    EXPECT_EQ(b.DoGetLabelText(3), "OFF\r\n" + ratings);
    EXPECT_EQ(b.DoGetLabelTextV4(), "OFF");
    b.m_nOff = 0;
    EXPECT_EQ(b.DoGetLabelTextV4(), "");
    // No capacity: no capacity line.
    b.m_dBreakingCapacity = 0.0;
    EXPECT_EQ(b.DoGetLabelText(2), "200A/5A\r\nKOR-D1");
    // Without a characteristic only the short-circuit line remains.
    b.m_listAdjust.DoDeleteAllObjAdjust();
    EXPECT_EQ(b.DoGetLabelText(2), "");
    EXPECT_EQ(b.DoGetLabelText(3), "I\"k3total=");
}

// The setting texts fall back from the reference dial's text to the dial's
// fixed text, the setting's name and "-"; a locked instantaneous element
// reads "Lock".
TEST(HVCBTexts, SettingTextsAndTheirFallBacks) {
    CEleHVCB b = FixtureBreaker(1.2);
    CObjAdjust& a = *b.GetAdjust();
    // No reference parts read yet: nothing to show.
    EXPECT_EQ(b.DoGetTextSetCurrent(), "");
    EXPECT_EQ(b.DoGetTextSetTime(), "");
    EXPECT_EQ(b.DoGetTextSettingInst(), "");
    CReadPart* first = a.m_listReadPart.DoAddNewReadPart();
    CReadPart* second = a.m_listReadPart.DoAddNewReadPart();
    // Dials without values: the name for the current, "-" for the time.
    EXPECT_EQ(b.DoGetTextSetCurrent(), "Inverse");
    EXPECT_EQ(b.DoGetTextSetTime(), "-");
    EXPECT_EQ(b.DoGetTextSettingInst(), "Lock");
    adjust_fields::LockFlag(*a.m_listInfoPart.GetAt(1)) = 0;
    EXPECT_EQ(b.DoGetTextSettingInst(), "Instantaneous");
    // Fixed texts with their units.
    first->m_dialCurrent.m_strNotes = "3-5";
    first->m_dialCurrent.m_strUnit = "A";
    first->m_dialTime.m_strNotes = "0.1-1";
    first->m_dialTime.m_strUnit = "s";
    EXPECT_EQ(b.DoGetTextSetCurrent(), "3-5A");
    EXPECT_EQ(b.DoGetTextSetTime(), "0.1-1s");
    // The dial's own value text wins.
    first->m_dialCurrent.m_nKind = 2;
    CReadValue* four = first->m_dialCurrent.m_listValue.DoAddNewReadValue();
    four->m_strName = "4";
    four->m_dValue = 4.0;
    EXPECT_EQ(b.DoGetTextSetCurrent(), "4(A)");
    // No name and no dial: "-"; no second part: nothing.
    a.m_listInfoPart.GetAt(1)->m_strCharacterName.clear();
    EXPECT_EQ(b.DoGetTextSettingInst(), "-");
    (void)second;
    a.m_listInfoPart.DeleteAt(std::next(a.m_listInfoPart.begin()));
    EXPECT_EQ(b.DoGetTextSettingInst(), "");
}

TEST(HVCBCurve, LabelNamesTheRelayTheCTAndTheSettings) {
    CEleHVCB b = FixtureBreaker(1.2);
    const CObjAdjust& a = *b.GetAdjust();
    EXPECT_EQ(b.DoGetTextCurveLabel(),
              "HCB2\r\nKOR-D1\r\n200(A)/5(A)\r\nInverse" + a.DoGetAdjustSettingText());
}

TEST(HVCBCurve, GraphRegistrationAndSelection) {
    CEleHVCB b = FixtureBreaker(1.2); // on graph 3, selected
    CObjAdjust& a = *b.GetAdjust();
    CObjGraph g3, g4;
    g3.m_nGraphNo = 3;
    g4.m_nGraphNo = 4;
    EXPECT_EQ(b.IsOnGraph(3), 1);
    EXPECT_EQ(b.IsOnGraph(4), 0);
    EXPECT_EQ(b.IsAddableToGraph(3), 0);
    EXPECT_EQ(b.IsAddableToGraph(4), 1);
    EXPECT_EQ(b.IsAddableToGraph(0), 0);
    EXPECT_EQ(b.IsSelectedCurve(&g3, 0), 1);
    EXPECT_EQ(b.IsSelectedCurve(&g4, 0), 0); // not on that graph
    EXPECT_EQ(b.IsSelectedCurve(&g3, 100), 0);
    EXPECT_EQ(b.IsSelectedCurve(&g3, 200), 0);
    // Adding to a graph it is on changes nothing; a new graph gets one
    // label placement and the selection given.
    b.AddToGraph(3, 0);
    EXPECT_EQ(a.m_nSelected, 1u);
    b.AddToGraph(4, 0);
    EXPECT_EQ(a.m_nSelected, 0u);
    ASSERT_NE(a.m_listGraphNo.DoFindGraphNo(4), nullptr);
    EXPECT_EQ(a.m_listGraphNo.DoFindGraphNo(4)->m_listRefV2.GetCount(), 1);
    // The label selected on one graph; its placement handed out only then.
    EXPECT_EQ(b.GetCurveRefV2(&g4), nullptr);
    b.DoSelectCurve(&g4, 1, 0, 100);
    EXPECT_EQ(b.IsSelectedCurve(&g4, 100), 1);
    EXPECT_NE(b.GetCurveRefV2(&g4), nullptr);
    EXPECT_EQ(b.IsSelectedCurve(&g3, 100), 0);
    // Code 200 does nothing.
    b.DoSelectCurve(&g4, 1, 0, 200);
    EXPECT_EQ(a.m_nSelected, 0u);
    b.DoSelectCurve(&g4, 1, 0, 0);
    EXPECT_EQ(a.m_nSelected, 1u);
    b.DoSelectCurve(&g4, 1, 4, 0); // shift toggles
    EXPECT_EQ(a.m_nSelected, 0u);
    // Only the selected curves leave with the flag; the plain removal
    // always takes the graph away and clears the selection.
    b.RemoveFromGraph(4, 1);
    EXPECT_EQ(b.IsOnGraph(4), 1);
    b.SetSelectCurve(1);
    b.RemoveFromGraph(4, 1);
    EXPECT_EQ(b.IsOnGraph(4), 0);
    EXPECT_EQ(a.m_nSelected, 0u);
    b.SetSelectCurve(1);
    b.RemoveFromGraph(9);
    EXPECT_EQ(a.m_nSelected, 1u); // nothing was removed
    b.RemoveFromGraph(3);
    EXPECT_EQ(b.IsOnGraph(3), 0);
    EXPECT_EQ(a.m_nSelected, 0u);
    // The band flag and the placement lists for old files.
    b.SetCurveBand(1);
    EXPECT_EQ(a.m_infoLine.m_nBandFlag, 1);
    std::vector<CGraphNoList*> lists;
    b.GetGraphNoLists(lists);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0], &a.m_listGraphNo);
}

TEST(HVCBCurve, CurveOperationsAnswerOnlyTheCurveAndItsLabel) {
    CEleHVCB b = FixtureBreaker(1.2);
    CObjGraph g3;
    g3.m_nGraphNo = 3;
    fw::CRecordingDC dc;
    std::vector<fw::CRect> erased;
    CEleInvalidate invalidate = [&erased](const fw::CRect& r) { erased.push_back(r); };
    b.DoInvalidateCurve(&dc, &g3, 200, invalidate);
    b.DoInvalidateCurve(&dc, &g3, 300, invalidate);
    EXPECT_TRUE(erased.empty());
    b.DoInvalidateCurve(&dc, &g3, 100, invalidate);
    EXPECT_EQ(erased.size(), 1u);
    EXPECT_EQ(b.IsHittedCurve(&dc, &g3, fw::CPoint(0, 0), 300), 0);
    // A curve on no graph: nothing to invalidate and no DXF.
    CObjGraph g7;
    g7.m_nGraphNo = 7;
    b.DoInvalidateCurve(&dc, &g7, 0, invalidate);
    EXPECT_EQ(erased.size(), 1u);
    std::ostringstream dxf;
    b.DoDXFOutCurve(dxf, &g7, CEleDocSettings{});
    EXPECT_TRUE(dxf.str().empty());
    // On its graph the label goes to layer 5 with the curve label's lines.
    b.DoDXFOutCurve(dxf, &g3, CEleDocSettings{});
    EXPECT_NE(dxf.str().find("\n5\n"), std::string::npos) << dxf.str();
    EXPECT_NE(dxf.str().find("KOR-D1"), std::string::npos);
    EXPECT_NE(dxf.str().find("200(A)/5(A)"), std::string::npos);
}

class HVCBDb : public WithAllDatabases {};

// A new breaker takes the breaker database's default relay for the
// high-voltage defaults: the default group of relays (kind 1) and its
// default type, on a CT of the list's default primary over 5 A.
TEST_F(HVCBDb, NewBreakerTakesTheDefaultRelay) {
    CEleHVCB b;
    b.DoAddNewObjAdjust();
    CEleInitArgs args;
    args.nNumber = 4;
    args.nVoltage = 6600;
    args.nFrequency = 50;
    b.DoInitNewElement(args);
    EXPECT_EQ(b.m_strName, "HCB4");
    EXPECT_EQ(b.GetNumber(), 4u);
    EXPECT_EQ(b.GetVoltage(), 6600);
    EXPECT_EQ(b.DoGetTextTypeName(), "KOR-D1");
    EXPECT_EQ(b.DoGetTextGroupName(), "Digital over-current relays");
    EXPECT_EQ(b.GetCT2Current(), 5);
    EXPECT_GT(b.GetCT1Current(), 0);
    EXPECT_EQ(b.m_nDefaultsSet, 1u);
    EXPECT_NE(b.m_nEarthing, 0u); // the list's default
    EXPECT_NE(b.m_nWireSystem, 0u);
    EXPECT_EQ(b.IsCalcPoint(), 0);
    EXPECT_EQ(b.IsOff(), 0);
    EXPECT_EQ(b.DoCheckData(), 0);
    const CObjAdjust& a = *b.GetAdjust();
    EXPECT_FALSE(a.m_listInfoPart.IsEmpty());
    EXPECT_FALSE(a.m_listTypicalCurve.IsEmpty());
    EXPECT_NE(b.DoGetTextSetCurrent(), "");
    // Set up again (a copy, a renumbering): the circuit stays as it was.
    b.m_nEarthing = 5;
    b.m_nCalcPoint = 1;
    args.nNumber = 5;
    b.DoInitNewElement(args);
    EXPECT_EQ(b.m_strName, "HCB5");
    EXPECT_EQ(b.m_nEarthing, 5u);
    EXPECT_EQ(b.IsCalcPoint(), 1);
    // Keep: only the name.
    b.GetAdjust()->m_infoBase.m_nCT1Current = 123;
    args.nNumber = 6;
    b.DoSetDefault(args, 1);
    EXPECT_EQ(b.m_strName, "HCB6");
    EXPECT_EQ(b.GetCT1Current(), 123);
}

TEST_F(HVCBDb, EditReturnsToCheckingWhenTheCircuitChanged) {
    struct Case {
        int32_t mode;
        uint32_t off;
        uint32_t calc;
        bool back;
    };
    const Case cases[] = {
        {3, 1, 0, true},  // switched off after a calculation
        {4, 0, 1, true},  // made a calculation point
        {2, 1, 1, false}, // before the calculation nothing to undo
        {3, 0, 0, false}, // nothing that matters changed
    };
    for (const Case& c : cases) {
        CEleHVCB b;
        b.DoAddNewObjAdjust();
        CEleInitArgs args;
        args.nNumber = 1;
        args.nVoltage = 6600;
        b.DoInitNewElement(args);
        int undo = 0, back = 0;
        CEleEditContext ctx;
        ctx.settings.nMode = c.mode;
        ctx.settings.nFrequency = 60;
        ctx.saveUndo = [&undo] { ++undo; };
        ctx.returnToCheckMode = [&back] { ++back; };
        DialogSeam<CEleHVCB>::run = [&c](CEleHVCB& copy) {
            copy.m_nOff = c.off;
            copy.m_nCalcPoint = c.calc;
            copy.GetAdjust()->m_listTypicalCurve.DoDeleteAllOneCurves();
            return true;
        };
        EXPECT_EQ(b.DoEditElement(ctx), 1);
        EXPECT_EQ(undo, 1);
        EXPECT_EQ(back, c.back ? 1 : 0) << c.mode << " " << c.off << " " << c.calc;
        // The curves were computed again, for the document's frequency.
        EXPECT_FALSE(b.GetAdjust()->m_listTypicalCurve.IsEmpty());
        EXPECT_EQ(b.m_nCurveFrequency, 60);
    }
    // Cancelled: nothing changes.
    CEleHVCB b = FixtureBreaker(1.2);
    DialogSeam<CEleHVCB>::run = [](CEleHVCB& copy) {
        copy.m_nOff = 1;
        return false;
    };
    EXPECT_EQ(b.DoEditElement(CEleEditContext{}), 2);
    EXPECT_EQ(b.m_nOff, 0u);
    DialogSeam<CEleHVCB>::run = nullptr;
}

// The element object reaches the breaker by its kind: a new one starts with
// its characteristic and answers the breaker's members.
TEST_F(HVCBDb, ElementObjectDispatchesToTheBreaker) {
    CObjElement e(kKindHVCB);
    ASSERT_NE(e.GetObjAdjust(), nullptr);
    auto* b = dynamic_cast<CEleHVCB*>(e.GetElement());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetObjAdjust(), e.GetObjAdjust());
    EXPECT_EQ(e.SetVoltage(6600), 0);
    EXPECT_EQ(e.GetVoltage(), 6600);
    b->GetAdjust()->m_infoBase.m_nCT1Current = 0;
    EXPECT_EQ(e.DoCheckData(), 1101);
    b->m_nCalcPoint = 1;
    EXPECT_EQ(e.IsCalcPoint(), 1);
    b->m_nOff = 1;
    EXPECT_EQ(e.IsOff(), 1);
    EXPECT_EQ(e.IsCalcPoint(), 0);
    b->m_dBreakingCapacity = 20.0;
    EXPECT_EQ(e.GetCapacity(), 20.0);
    b->GetAdjust()->m_infoBase.m_lTypeID = 301;
    e.AddToGraph(2, 1);
    EXPECT_EQ(e.IsOnGraph(2), 1);
    CObjElement copy(e);
    EXPECT_EQ(copy.IsOnGraph(2), 1);
    EXPECT_EQ(copy.GetVoltage(), 6600);
}

} // namespace
