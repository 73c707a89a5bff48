// The low-voltage breaker: its record at every file version against
// hand-written fixtures, its set-up, its circuit values and checks, its
// symbol fill, its texts and the hand values of the shock check.

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace protecttest;

namespace {

std::string FixturePath(const char* tag) {
    return std::string("app/elements/protection/fixtures/CEleLVCB_") + tag + ".hex";
}

void SetPoint(CCalcPoint& p, double r, double x) {
    p.m_crMark = 0x0000FF;
    p.m_nMarkWidth = 2;
    p.m_dBaseCapacity = 1000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = r;
    p.m_zSource.m_dX = x;
}

// The breaker of the fixtures (see fixtures/README.md), as a file of the
// version holds it.
CEleLVCB FixtureBreaker(double version) {
    CEleLVCB b;
    b.m_rectSymbol = fw::CRect(360, 240, 399, 359);
    b.m_crFill = 0xC0C0C0;
    b.m_strName = "CB3";
    b.m_nNumber = 3;
    b.m_nDefaultsSet = 1;
    b.m_nPoles = 4;
    b.m_nCalcPoint = 1;
    b.m_nUseCode = 1;
    b.m_nCriterion = 2;
    b.m_nErrorMark = 1;
    SetPoint(b.m_calcPoint, 0.5, 2.0);
    b.m_calcPoint.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(2, 1);
    CObjAdjust* a = b.DoAddNewObjAdjust();
    a->m_nInitialised = 1;
    CInfoBase& i = a->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_strManufactureName = "KESTRAVAL";
    i.m_lGroupID = 2;
    i.m_strGroupName = "MCCB";
    i.m_nKindFlag = 2;
    i.m_nLVCBCode = 11;
    i.m_lTypeID = 124;
    i.m_strTypeName = "KVC-125S";
    i.m_lOpeKindID = 9;
    i.m_strOpeKindName = "Supply";
    i.m_lBreakRatedID = 33;
    i.m_strRatedName = "100A";
    i.m_dRatedValue = 100.0;
    i.m_dMagniValue = 1.0;
    i.m_nVoltage = 400;
    CInfoPart* part = a->m_listInfoPart.DoAddNewInfoPart();
    part->m_lDialCharID = 3;
    part->m_strCharacterName = "Long";
    part->m_dCurrent = 1.0;
    part->m_dTime = 10.0;
    a->m_infoLine.m_nBandFlag = 1;
    a->m_infoLine.m_crColor = 0x0000FF;
    a->m_infoLine.m_nWidth = 10;
    a->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(2, 1);
    CCandidate* c = b.m_listCandidate.DoAddNewCandidate();
    c->m_lManufactureID = 1;
    c->m_lGroupID = 2;
    c->m_nLVCBCode = 11;
    c->m_lTypeID = 124;
    c->m_dIcs = 30000.0;
    c->m_dIcu = 36000.0;
    b.m_currentOwn.m_dIcs = 30000.0;
    b.m_currentOwn.m_dIcu = 36000.0;
    CCurrent& s = b.m_currentSelect;
    s.m_nMargin = 3;
    s.m_nLabel = 1;
    s.m_nSelectedBy = CCurrent::kCascade;
    s.m_nUpstreamKind = 2;
    s.m_nUpstreamNumber = 4;
    s.m_nUpstreamMakerID = 1;
    s.m_nUpstreamGroupID = 7;
    s.m_nUpstreamTypeID = 345;
    s.m_dUpstreamCurrent = 8000.0;
    s.m_dIcs = 25000.0;
    s.m_dIcu = 50000.0;
    s.m_dIcuBack = 36000.0;
    s.m_dIs = -1.0;
    s.m_nBand = 1;
    s.m_ptFirst = CdPoint(120.0, 300.0);
    s.m_ptSecond = CdPoint(120.0, 1800.0);
    s.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(4, 1);
    if (version >= 1.1) {
        b.m_nEarthing = 1;
        b.m_nWireSystem = 3;
        b.m_strSecondPoint = "W2";
        SetPoint(b.m_calcPoint2, 1.0, 3.0);
        b.m_nShockCheck = 1;
        b.m_dDisconnectTime = 0.4;
        b.m_dIa = 1000.0;
        b.m_strShockPoint = "W2";
        SetPoint(b.m_calcPointShock, 4.0, 3.0);
        b.m_listGraphNoLimit.DoAddNewGraphNo()->DoSetGraphNo(10, 1);
        b.m_listGraphNoI2t.DoAddNewGraphNo()->DoSetGraphNo(11, 1);
        b.m_nLimitVoltage = 400;
        b.m_nI2tVoltage = 415;
    } else {
        b.m_nEarthing = 4;
        b.m_nWireSystem = 1;
        b.m_dDisconnectTime = 0.4;
    }
    if (version >= 1.2)
        b.m_nSinglePhase = 1;
    return b;
}

TEST(LVCBRecord, StoresTheHandWrittenRecord) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.m_nCheckFlag = 1; // not stored
    EXPECT_EQ(Store(b), Fixture(FixturePath("v120")));
}

TEST(LVCBRecord, ReadsEveryVersionWithTheDefaultsOfWhatIsMissing) {
    for (auto [tag, version] : {std::pair{"v120", 1.2}, std::pair{"v115", 1.15},
                                std::pair{"v110", 1.1}, std::pair{"v100", 1.0}}) {
        CEleLVCB b;
        Load(b, Fixture(FixturePath(tag)), version);
        CEleLVCB want = FixtureBreaker(version);
        EXPECT_EQ(Store(b), Store(want)) << tag;
        EXPECT_EQ(b.m_nErrorMark, 1u) << tag; // not gated by the version
        EXPECT_EQ(b.GetVoltage(), 400) << tag;
        EXPECT_EQ(b.GetTypeID(), 124) << tag;
        EXPECT_EQ(b.m_currentSelect.m_dIcuBack, 36000.0) << tag;
    }
    // A 1.0 file: TT with three phases, and the disconnection time of those
    // settings at 400 V.
    CEleLVCB old;
    Load(old, Fixture(FixturePath("v100")), 1.0);
    EXPECT_EQ(old.m_nEarthing, 4u);
    EXPECT_EQ(old.m_nWireSystem, 1u);
    EXPECT_EQ(old.m_dDisconnectTime, 0.4);
    EXPECT_TRUE(old.m_listGraphNoLimit.IsEmpty());
    EXPECT_EQ(old.m_nSinglePhase, 0u);
}

TEST(LVCBRecord, CutShortRecordsRaiseTheArchiveError) {
    ExpectCutShortRefused<CEleLVCB>(Fixture(FixturePath("v120")), 1.2);
    ExpectCutShortRefused<CEleLVCB>(Fixture(FixturePath("v100")), 1.0);
}

// Fault mended: a damaged orientation word would make the breaker a
// horizontal symbol of no known turn; it reads as upright.
TEST(LVCBRecord, DamagedOrientationWordIsReadAsUpright) {
    std::vector<uint8_t> bytes = Fixture(FixturePath("v120"));
    // The rotation word follows the head: 16 + 4 * 4 + 4 ("CB3") + 4 * 4.
    const size_t at = 16 + 16 + 4 + 16;
    ASSERT_EQ(bytes[at], 0u);
    bytes[at] = 7;
    CEleLVCB b;
    Load(b, bytes, 1.2);
    EXPECT_EQ(b.GetHorizontal(), 0);
    bytes[at] = 2;
    Load(b, bytes, 1.2);
    EXPECT_EQ(b.GetHorizontal(), 2);
}

TEST(LVCBRecord, CopyIsDeep) {
    CEleLVCB a = FixtureBreaker(1.2);
    CEleLVCB b(a);
    a.m_listAdjust.DoDeleteAllObjAdjust();
    a.m_listCandidate.DoDeleteAllCandidate();
    EXPECT_EQ(Store(b), Fixture(FixturePath("v120")));
    CEleLVCB c;
    c = b;
    EXPECT_EQ(Store(c), Fixture(FixturePath("v120")));
}

TEST(LVCBValues, NewBreakerDrawsGreyOnItsDefaultRectangle) {
    CEleLVCB b;
    EXPECT_EQ(b.m_rectSymbol, fw::CRect(0, 0, 39, 119));
    EXPECT_EQ(b.m_crFill, 0xC0C0C0u);
    EXPECT_EQ(b.IsCalcPoint(), 1);
    EXPECT_EQ(b.GetAdjust(), nullptr);
}

// The hand values of the loop impedance at 400 V with Ia = 1000 A.
TEST(LVCBValues, LoopImpedanceZs) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.m_dIa = 1000.0;
    struct Row {
        uint32_t earthing, wire;
        double zs;
        const char* text;
    };
    for (Row row : {Row{1, 3, 0.2309, "0.2309ohms"}, Row{3, 2, 0.2309, "0.2309ohms"},
                    Row{5, 1, 0.2000, "0.2000ohms"}, Row{5, 2, 0.1155, "0.1155ohms"},
                    Row{5, 3, 0.1155, "0.1155ohms"}, Row{4, 1, 0.0, "0.000ohms"}}) {
        b.m_nEarthing = row.earthing;
        b.m_nWireSystem = row.wire;
        EXPECT_NEAR(b.GetLoopImpedanceZs(row.earthing), row.zs, 5e-5) << row.earthing;
        EXPECT_EQ(b.DoGetTextZs(1), row.text) << row.earthing << " " << row.wire;
    }
}

// Fault mended: without a trip current the quotient was infinite and the
// report printed "inf"; it gives "-".
TEST(LVCBValues, ZsWithoutATripCurrentIsADash) {
    CEleLVCB b = FixtureBreaker(1.2);
    for (double ia : {0.0, -5.0}) {
        b.m_dIa = ia;
        EXPECT_EQ(b.GetLoopImpedanceZs(1), 0.0);
        EXPECT_EQ(b.DoGetTextZs(1), "-") << ia;
    }
    CEleLVCB empty;
    EXPECT_EQ(empty.DoGetTextZs(1), "");
}

TEST(LVCBValues, DisconnectionTimeTable) {
    CEleLVCB b = FixtureBreaker(1.2);
    struct Row {
        uint32_t earthing, wire;
        int32_t volts;
        double seconds;
    };
    for (Row row :
         {Row{5, 2, 230, 5.0}, Row{5, 1, 230, 0.8}, Row{2, 3, 230, 0.4}, Row{2, 3, 1000, 0.4},
          Row{1, 3, 240, 0.8}, Row{1, 3, 480, 0.4}, Row{1, 3, 690, 0.2}, Row{3, 2, 691, 0.1},
          Row{5, 2, 480, 0.8}, Row{5, 3, 100, 0.4}, Row{4, 1, 230, 0.4}}) {
        b.SetEarthingSystem(row.earthing);
        b.SetWireSystem(row.wire);
        b.SetVoltage(row.volts);
        EXPECT_EQ(b.GetDisconnectTime(), row.seconds)
            << row.earthing << " " << row.wire << " " << row.volts;
        EXPECT_EQ(b.m_dDisconnectTime, row.seconds);
    }
    EXPECT_EQ(CEleLVCB().GetDisconnectTime(), 0.4);
}

TEST(LVCBValues, PolesDefaultByEarthingUntilATypeIsChosen) {
    CEleLVCB b;
    b.DoAddNewObjAdjust();
    b.m_nEarthing = 3;
    EXPECT_EQ(b.DoSetPoles(0), 0);
    EXPECT_EQ(b.m_nPoles, 4u);
    b.m_nEarthing = 4;
    EXPECT_EQ(b.DoSetPoles(0), 4);
    EXPECT_EQ(b.m_nPoles, 3u);
    EXPECT_EQ(b.DoSetPoles(-1), -1);
    EXPECT_EQ(b.DoSetPoles(2), 3);
    EXPECT_EQ(b.m_nPoles, 2u);
    b.GetAdjust()->m_infoBase.m_lTypeID = 124;
    EXPECT_EQ(b.DoSetPoles(0), 0);
    EXPECT_EQ(b.m_nPoles, 2u);
    EXPECT_EQ(CEleLVCB().DoSetPoles(3), 3);
}

TEST(LVCBValues, DataCheck) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.GetAdjust()->m_infoBase.m_nVoltage = 1000;
    EXPECT_EQ(b.DoCheckData(1, 0), 1089);
    EXPECT_EQ(b.m_nErrorMark, 1u);
    EXPECT_EQ(b.DoCheckData(0, 0), 0);
    b.GetAdjust()->m_infoBase.m_nVoltage = 690;
    EXPECT_EQ(b.DoCheckData(1, 0), 0);
    EXPECT_EQ(b.m_nErrorMark, 0u);
    b.GetAdjust()->m_infoBase.m_dRatedValue = 0.0;
    EXPECT_EQ(b.DoCheckData(1, 0), 1015);
    b.GetAdjust()->m_infoBase.m_dRatedValue = 100.0;
    b.GetAdjust()->m_infoBase.m_lTypeID = 0;
    EXPECT_EQ(b.DoCheckData(0, 1), 1011);
    b.GetAdjust()->m_infoBase.m_nVoltage = 0;
    EXPECT_EQ(b.DoCheckData(0, 0), 1089);
    EXPECT_EQ(CEleLVCB().DoCheckData(1, 1), 0);
}

TEST(LVCBValues, FillColourOfTheSymbol) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.m_nErrorMark = 0;
    b.m_currentSelect.m_nSelectedBy = 0;
    EXPECT_EQ(b.GetFillColour(3, true, 0), 0xFFFFFFu); // printing
    EXPECT_EQ(b.GetFillColour(3, false, 0), 0xC0C0C0u);
    // Selection modes: criterion 2 with the type among the candidates.
    EXPECT_EQ(b.GetFillColour(4, false, 0), 0xFFFF00u);
    b.m_nCriterion = 1;
    EXPECT_EQ(b.GetFillColour(4, false, 0), 0xFF0000u);
    b.m_listCandidate.DoDeleteAllCandidate();
    EXPECT_EQ(b.GetFillColour(4, false, 0), 0xC0C0C0u);
    // A pair result paints the breaker while it holds: a cascade whose
    // Icu-back covers the point's current, an established discrimination.
    b.m_currentSelect.m_nSelectedBy = 3;
    b.m_currentSelect.m_dIcuBack = 1.0e9;
    b.m_currentOwn.m_dIcu = 1.0e9;
    EXPECT_EQ(b.GetFillColour(5, false, 0), 0x00FFFFu);
    b.m_currentSelect.m_dIcuBack = 1.0;
    EXPECT_EQ(b.GetFillColour(5, false, 0), 0xC0C0C0u);
    b.m_currentSelect.m_nSelectedBy = 6;
    b.m_currentSelect.m_nResult = 1;
    b.m_currentSelect.m_dIs = 1000.0;
    EXPECT_EQ(b.GetFillColour(6, false, 0), 0x00FF00u);
    b.m_currentSelect.m_dIs = -1.0;
    EXPECT_EQ(b.GetFillColour(6, false, 0), 0xC0C0C0u);
    b.m_nErrorMark = 1;
    EXPECT_EQ(b.GetFillColour(3, false, 0), 0xFF00FFu);
    EXPECT_EQ(b.GetFillColour(3, false, 1), 0xC0C0C0u);
    b.m_nErrorMark = 0;
    b.m_nOff = 1;
    EXPECT_EQ(b.GetFillColour(3, false, 0), 0x408000u);
    b.m_nOff = 0;
    b.m_nCalcPoint = 0;
    EXPECT_EQ(b.GetFillColour(3, false, 0), 0xFFFFFFu);
}

TEST(LVCBValues, RotationSnapsToTheGrid) {
    CEleLVCB b;
    b.m_rectSymbol = fw::CRect(160, 240, 199, 359); // centre (179, 299)
    // top = ((299 + 1) / 40) * 40 - 39 = 241; left = ((179 - 59) / 40) * 40 + 41 = 161.
    EXPECT_EQ(b.DoRotate(nullptr, 0), fw::CRect(161, 241, 280, 280));
    EXPECT_EQ(b.GetHorizontal(), 1);
    EXPECT_EQ(b.DoRotate(nullptr, 0), fw::CRect(161, 241, 280, 280));
    EXPECT_EQ(b.GetHorizontal(), 2);
    // Back: centre (220, 260); left = (221 / 40) * 40 - 39 = 161, top =
    // ((260 - 59) / 40) * 40 + 41 = 241.
    EXPECT_EQ(b.DoRotate(nullptr, 0), fw::CRect(161, 241, 200, 360));
    EXPECT_EQ(b.GetHorizontal(), 0);
}

TEST(LVCBTexts, SelectionAndResultTexts) {
    CEleLVCB b = FixtureBreaker(1.2);
    EXPECT_EQ(b.DoGetTextIcuBack(1), "36.00kA");
    EXPECT_EQ(b.DoGetTextLimitCurrent(1), "-"); // a cascade result
    EXPECT_EQ(b.DoGetTextSelectiveKind(), "");
    EXPECT_EQ(b.DoGetTextSelectBasis(1), "Icu-back:");
    b.m_currentSelect.m_nSelectedBy = 5;
    b.m_currentSelect.m_dIs = 6500.0;
    EXPECT_EQ(b.DoGetTextIcuBack(1), "-");
    EXPECT_EQ(b.DoGetTextLimitCurrent(1), "6.5kA");
    EXPECT_EQ(b.DoGetTextSelectiveKind(), "Inst.");
    EXPECT_EQ(b.DoGetTextSelectBasis(0), "Inst.");
    b.m_currentSelect.m_dIs = -1.0;
    EXPECT_EQ(b.DoGetTextLimitCurrent(1), "No data");
    b.m_currentSelect.m_dIs = 0.0;
    EXPECT_EQ(b.DoGetTextLimitCurrent(1), "-");
    // A damaged selected-by code names no method.
    b.m_currentSelect.m_nSelectedBy = 99;
    EXPECT_EQ(b.DoGetTextSelectiveKind(), "");
    b.m_currentSelect.m_nSelectedBy = 0;
    EXPECT_EQ(b.DoGetTextSelectBasis(0), "Icu");
    b.m_nCriterion = 1;
    EXPECT_EQ(b.DoGetTextSelectBasis(0), "Ics");
    b.m_nCalcPoint = 0;
    EXPECT_EQ(b.DoGetTextSelectBasis(0), "-");
}

// The setting columns of the reports, from the breaker data's default
// product of each type at 400 V and its default dial settings:
// - KVC-125S (type 124, rating 100 A): Overload, current dial fixed text
//   "1.05-1.30" in "xIn", no time dial; Instantaneous, fixed text "10" "xIn".
// - KVC-400H (type 130, rating 400 A): Overload as above; Instantaneous,
//   continuous dial 500-1000 shown as multiples, default 1000: 1000 / 100 = 10.
// - type 151 (rating 250 A): Long time, fixed text "1.05-1.20" "xIr" with a
//   time dial of fixed values, default "10" s; Short time, continuous
//   200-1000 shown as multiples, default 600 (600 / 100 = 6), time default
//   "0.2" s; Instantaneous, fixed values, default "10" "xIn".
// A fixed dial holds no setting value, so its own text stands for it.
TEST(LVCBTexts, SettingsFromTheDialsOfTheBreakerData) {
    protecttest::BreakerDatabasesScope databases;
    ASSERT_TRUE(databases.IsOpen());
    struct Case {
        int32_t type;
        const char* first;
        const char* middle;
        const char* inst;
    };
    const Case cases[] = {
        {124, "1.05-1.30(xIn)\r\n-", "-\r\n-", "10(xIn)"},
        {130, "1.05-1.30(xIn)\r\n-", "-\r\n-", "10(xIn)"},
        {151, "1.05-1.20(xIr)\r\n10(s)", "6(xIn)\r\n0.2(s)", "10(xIn)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CEleLVCB b;
        CObjAdjust* a = b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*a, 2, c.type, 400);
        ASSERT_EQ(a->DoReadAdjustFromDB(), 1);
        EXPECT_EQ(b.DoGetTextSettingFirst(), c.first);
        EXPECT_EQ(b.DoGetTextSettingMiddle(), c.middle);
        EXPECT_EQ(b.DoGetTextSettingInst(), c.inst);
    }
}

TEST(LVCBTexts, EarthingAndVoltage) {
    CEleLVCB b = FixtureBreaker(1.2);
    EXPECT_EQ(b.DoGetTextVoltage(1), "400-200V");
    b.m_nSinglePhase = 0;
    EXPECT_EQ(b.DoGetTextVoltage(0), "400");
    struct Row {
        uint32_t earthing, wire;
        const char* text;
    };
    for (Row row : {Row{1, 3, "TN-S"}, Row{2, 3, "TN-C-S"}, Row{3, 2, "TN-C"}, Row{4, 1, "TT"},
                    Row{5, 1, "IT\r\nwithout neutral"}, Row{5, 2, "IT\r\nwith neutral"},
                    Row{5, 3, "IT\r\n"}, Row{9, 1, ""}, Row{0, 1, ""}}) {
        b.m_nEarthing = row.earthing;
        b.m_nWireSystem = row.wire;
        EXPECT_EQ(b.DoGetTextEarthing(), row.text) << row.earthing;
    }
}

// The hand value of the conversion: 5 % on 1000 kVA at 400 V is 8 mohm.
TEST(LVCBTexts, DirectValuesInMilliohms) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.m_calcPoint.m_zSource.m_dR = 5.0;
    b.m_calcPoint.m_zSource.m_dX = 5.0;
    b.m_calcPoint.m_zSource.m_dRHalf = 1.0;
    b.m_calcPoint.m_zSource.m_dXHalf = 2.0;
    EXPECT_EQ(b.DoGetTextDirectResistance(2, 1000.0, 1), "8.000mohms");
    EXPECT_EQ(b.DoGetTextDirectPercentR(2, 1), "5.000%r");
    // Mode 1: half the voltage, the return conductor subtracted: 4 % at
    // 200 V = 4 x 40 / 1000 x 10 = 1.6 mohm; %X 3.
    EXPECT_EQ(b.DoGetTextDirectResistance(1, 1000.0, 0), "1.60");
    EXPECT_EQ(b.DoGetTextDirectPercentX(1, 0), "3.000");
    EXPECT_EQ(b.DoGetTextDirectPercentZ(1, 0), "5.000");
}

TEST(LVCBTexts, RatingsLabel) {
    CEleLVCB b = FixtureBreaker(1.2);
    b.m_nSinglePhase = 0;
    EXPECT_EQ(b.DoGetRatingsText(2), "100A\r\nKVC-125S 4Poles");
    b.m_nOff = 1;
    EXPECT_EQ(b.DoGetRatingsText(2), "OFF\r\n100A\r\nKVC-125S 4Poles");
    b.m_nOff = 0;
    // After the calculation: the direct I"k3 at 400 V through |0.5 + j2| %
    // = 2.0616 %: 1000 / (sqrt(3) x 0.4 x 0.020616) = 70.014 kA; the total is
    // the same (no motor side); TN-S adds the two single-phase lines.
    const std::string text = b.DoGetRatingsText(3);
    EXPECT_EQ(text.rfind("100A\r\nKVC-125S 4Poles\r\nI\"k3direct=70.014kA\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("I\"k1direct="), std::string::npos);
    EXPECT_NE(text.find("I\"k1direct(PE)="), std::string::npos);
    EXPECT_EQ(text.find("total"), std::string::npos);
}

} // namespace

// Taking the breaker off a graph: forced, or with its curve selected,
// everything of it leaves the graph, its selection marker and a let-through
// list naming the graph included; neither forced nor selected, only the
// selection marker goes.
namespace {

struct RemoveCase {
    const char* what;
    int32_t force;
    uint32_t selected;
    bool curveGoes;
};

} // namespace

TEST(LVCBGraphs, RemovingFromAGraphTakesWhatBelongsToTheCurve) {
    const RemoveCase cases[] = {
        {"forced", 1, 0, true}, {"selected", 0, 1, true}, {"neither", 0, 0, false}};
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        CEleLVCB b;
        CObjAdjust* a = b.DoAddNewObjAdjust();
        b.AddToGraph(2, 0, CObjGraph::kCascade);
        b.m_listGraphNoLimit.DoAddNewGraphNo()->DoSetGraphNo(3, 1);
        b.m_listGraphNoI2t.DoAddNewGraphNo()->DoSetGraphNo(4, 1);
        const std::vector<const CGraphNoList*> curve = {
            &a->m_listGraphNo, &b.m_calcPoint.m_listGraphNo, &b.m_calcPoint2.m_listGraphNo,
            &b.m_currentOwn.m_listGraphNo};
        for (const CGraphNoList* list : curve)
            ASSERT_NE(list->DoFindGraphNo(2), nullptr);
        ASSERT_NE(b.m_currentSelect.m_listGraphNo.DoFindGraphNo(2), nullptr);

        for (uint32_t number : {2u, 3u, 4u}) {
            a->m_nSelected = c.selected;
            b.RemoveFromGraph(number, c.force);
        }
        for (const CGraphNoList* list : curve)
            EXPECT_EQ(list->DoFindGraphNo(2) == nullptr, c.curveGoes);
        EXPECT_EQ(b.m_currentSelect.m_listGraphNo.DoFindGraphNo(2), nullptr);
        EXPECT_EQ(b.m_listGraphNoLimit.DoFindGraphNo(3) == nullptr, c.curveGoes);
        EXPECT_EQ(b.m_listGraphNoI2t.DoFindGraphNo(4) == nullptr, c.curveGoes);
        EXPECT_EQ(b.IsOnGraph(3) == 0, c.curveGoes);
        // A curve taken off is no longer selected.
        EXPECT_EQ(a->m_nSelected, c.curveGoes ? 0u : c.selected);
    }
}
