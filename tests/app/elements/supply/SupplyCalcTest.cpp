// Percent and ohmic impedances, rated currents, values read from the
// equipment database, the rush curve and the data checks of the source and
// the transformers, with values worked by hand from the formulas (written
// beside each case), at a reference capacity P = 1000 kVA and 50 Hz unless
// a case says otherwise.

#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/elements/supply/RushCurve.h"
#include "breakerdata/model/CdPointList.h"
#include "tests/app/elements/supply/SupplyTestSupport.h"
#include "tools/Filvaron.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double P = 1000.0;

// Relative closeness for hand values given to 7 or 8 significant digits.
void ExpectRel(double actual, double expected, double rel = 1e-7) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * rel) << "expected " << expected;
}

// ---- Source ----

CEleSource Source(int32_t volts, int32_t mva, double xr) {
    CEleSource s;
    s.m_nVoltage = volts;
    s.m_nCapacity = mva;
    s.m_dXR = xr;
    return s;
}

// 6600 V, 500 MVA, X/R 25: %Z = P·1000·100 / (S·10⁶) = 10⁸ / (5·10⁸) = 0.2;
// %R = 0.2 / √626 = 0.2 / 25.0199920 = 0.0079936077; %X = 25 %R = 0.1998402.
TEST(SupplyCalc, SourcePercentImpedanceOnTheReferenceCapacity) {
    CEleSource s = Source(6600, 500, 25.0);
    CPercentZ z;
    z.m_dRN = 7.0; // a used term: everything but the phase pair comes back 0
    s.DoCalcPercentZ(z, P);
    ExpectRel(z.m_dR, 0.0079936077);
    ExpectRel(z.m_dX, 0.1998401917);
    EXPECT_EQ(z.m_dRN, 0.0);
    EXPECT_EQ(z.m_nKind, 0u);
    ExpectRel(s.GetPercentZ(P), 0.2);
    // Half the reference capacity halves every percent value.
    ExpectRel(s.GetPercentX(500.0), 0.0999200959);
    EXPECT_EQ(s.DoGetTextPercentR(P, 1), "0.007994%r");
    EXPECT_EQ(s.DoGetTextPercentX(P, 1), "0.1998%r");
    EXPECT_EQ(s.DoGetTextPercentZ(P, 0), "0.2000");
}

// The network's impedance is V² / (1000 S) milliohms = 6600² / 500 000 =
// 87.12 mΩ; R = 87.12 / √626 = 3.4820155, X = 25 R = 87.050387. It was
// computed as P V² / (S 10⁶), right only at P = 1000 kVA: at 500 kVA it
// showed half the network's impedance.
TEST(SupplyCalc, SourceOhmicValuesDoNotDependOnTheReferenceCapacity) {
    CEleSource s = Source(6600, 500, 25.0);
    for (double base : {1000.0, 500.0, 2500.0}) {
        SCOPED_TRACE(base);
        ExpectRel(s.GetOhmZ(base), 87.12);
        ExpectRel(s.GetOhmR(base), 3.4820155);
        ExpectRel(s.GetOhmX(base), 87.050387);
    }
    EXPECT_EQ(s.DoGetTextImpedance(500.0, 1), "87.12mohms");
    EXPECT_EQ(s.DoGetTextResistance(P, 0), "3.482");
    EXPECT_EQ(s.DoGetTextReactance(P, 0), "87.05");
}

TEST(SupplyCalc, SourceWithoutCapacityHasNoImpedanceAndAnXRof0PassesTheFormulas) {
    CEleSource none = Source(6600, 0, 25.0);
    CPercentZ z;
    none.DoCalcPercentZ(z, P);
    EXPECT_EQ(z.m_dR, 0.0);
    EXPECT_EQ(z.m_dX, 0.0);
    EXPECT_EQ(none.GetOhmZ(P), 0.0);
    EXPECT_EQ(none.GetOhmR(P), 0.0);
    EXPECT_EQ(none.GetOhmX(P), 0.0);
    // X/R 0: %R = %Z, %X = 0, but the check refuses it.
    CEleSource flat = Source(6600, 500, 0.0);
    ExpectRel(flat.GetPercentR(P), 0.2);
    EXPECT_EQ(flat.GetPercentX(P), 0.0);
    EXPECT_EQ(flat.DoCheckData(), 1086);
}

TEST(SupplyCalc, SourceDataCheckNamesTheFirstBadControl) {
    struct Case {
        int32_t volts, mva;
        double xr;
        int32_t id;
    };
    const Case cases[] = {
        {6600, 500, 25.0, 0},
        {0, 500, 25.0, 1089},
        {0, 0, 0.0, 1089},
        {1, 0, 25.0, 1110},
        {6600, 1, 0.0, 1086},
        {6600, 1, -1.0, 1086},
        {6600, 500, std::numeric_limits<double>::quiet_NaN(), 1086},
        {6600, 1, 0.5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Source(c.volts, c.mva, c.xr).DoCheckData(), c.id)
            << c.volts << " V " << c.mva << " MVA X/R " << c.xr;
}

TEST(SupplyCalc, SourceLabels) {
    CEleSource s = Source(6600, 500, 25.0);
    EXPECT_EQ(s.DoGetTextLabelV1(50), "6600V\r\n500MVA\r\nX/R=25\r\n50Hz");
    EXPECT_EQ(s.DoGetTextLabelV1(60), "6600V\r\n500MVA\r\nX/R=25\r\n60Hz");
    EXPECT_EQ(s.DoGetTextLabelV4(P), "0.2000%r\r\n=0.007994\r\n+j0.1998");
    EXPECT_EQ(s.GetCapacity(), 500000.0);
}

// ---- Three-phase transformer ----

CEleTrans3 Trans3(double kva, double z, double xr) {
    CEleTrans3 t;
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 400;
    t.m_dCapacity = kva;
    t.m_dPercentZ = z;
    t.m_dXR = xr;
    return t;
}

// 6600/400 V, 1000 kVA, %Z 5, X/R 5: %R = 5 / √26 = 0.98058068, %X = 5 %R =
// 4.9029034; on P = 1000 kVA the same, on 500 kVA half, on 2000 kVA twice.
// It = 10⁶ / (√3·400) = 1443.3757 A. Own R = %R·V2² / (100·S) = 0.98058068 ·
// 1.6 = 1.5689291 mΩ, X = 7.8446454 mΩ, Z = 5·1.6 = 8 mΩ.
TEST(SupplyCalc, Trans3PercentImpedanceRatedCurrentAndOhms) {
    CEleTrans3 t = Trans3(1000.0, 5.0, 5.0);
    CPercentZ z;
    t.DoCalcPercentZ(z, P);
    ExpectRel(z.m_dR, 0.98058068);
    ExpectRel(z.m_dX, 4.9029034);
    EXPECT_EQ(z.m_dRHalf, 0.0);
    t.DoCalcPercentZ(z, 500.0);
    ExpectRel(z.m_dR, 0.49029034);
    t.DoCalcPercentZ(z, 2000.0);
    ExpectRel(z.m_dX, 9.8058068);
    ExpectRel(t.GetRatedCurrent(), 1443.3757);
    ExpectRel(t.GetOwnOhmR(), 1.5689291);
    ExpectRel(t.GetOwnOhmX(), 7.8446454);
    ExpectRel(t.GetOwnOhmZ(), 8.0);
    EXPECT_EQ(t.DoGetTextRatedCurrent(1), "1443A");
    EXPECT_EQ(t.DoGetTextOwnPercentR(1), "0.9806%e");
    EXPECT_EQ(t.DoGetTextImpedance(1), "8.000mohms");
    EXPECT_EQ(t.DoGetTextPercentZ(P, 1), "5.000%r");
}

TEST(SupplyCalc, Trans3EdgesOfTheFormulas) {
    // X/R 0: own %R = %Z, %X = 0.
    CEleTrans3 flat = Trans3(1000.0, 5.0, 0.0);
    ExpectRel(flat.GetOwnPercentR(), 5.0);
    EXPECT_EQ(flat.GetOwnPercentX(), 0.0);
    // No capacity: no percent impedance; no secondary voltage: no It, no
    // rush current, no curve.
    CEleTrans3 none = Trans3(0.0, 5.0, 5.0);
    CPercentZ z;
    none.DoCalcPercentZ(z, P);
    EXPECT_EQ(z.m_dR, 0.0);
    EXPECT_EQ(z.m_dX, 0.0);
    CEleTrans3 noVoltage = Trans3(1000.0, 5.0, 5.0);
    noVoltage.m_nVoltage2 = 0;
    noVoltage.m_dRushPeak = 10.0;
    noVoltage.m_dDampingTime = 100.0;
    EXPECT_EQ(noVoltage.GetRatedCurrent(), 0.0);
    EXPECT_EQ(noVoltage.GetRushPeakCurrent(), 0.0);
    EXPECT_EQ(noVoltage.DoCalcRushCurve(), 0);
    EXPECT_EQ(noVoltage.m_listPoints.GetCount(), 0);
    EXPECT_EQ(noVoltage.IsAddableToGraph(1), 0);
    // Rush peak current = k·It = 10 · 1443.3757; 280 ms at 60 Hz is 16.8
    // cycles.
    CEleTrans3 t = Trans3(1000.0, 5.0, 5.0);
    t.m_dRushPeak = 10.0;
    t.m_dDampingTime = 280.0;
    ExpectRel(t.GetRushPeakCurrent(), 14433.757);
    EXPECT_EQ(t.DoGetTextRushPeakCurrent(1), "14434Arms");
    EXPECT_EQ(t.DoGetTextDampingCycles(60, 1), "16.8cycles");
    EXPECT_EQ(t.DoGetTextRushPeakTimes(1), "10times");
    EXPECT_EQ(t.DoGetTextDampingTime(1), "280ms");
}

TEST(SupplyCalc, Trans3DataCheckNamesTheFirstBadControlInItsOrder) {
    struct Case {
        const char* what;
        void (*spoil)(CEleTrans3&);
        int32_t id;
    };
    const Case cases[] = {
        {"all good", [](CEleTrans3&) {}, 0},
        {"primary", [](CEleTrans3& t) { t.m_nVoltage = 0; }, 1103},
        {"secondary", [](CEleTrans3& t) { t.m_nVoltage2 = -1; }, 1104},
        {"capacity", [](CEleTrans3& t) { t.m_dCapacity = 0.0; }, 1110},
        {"%Z", [](CEleTrans3& t) { t.m_dPercentZ = -5.0; }, 1083},
        {"X/R", [](CEleTrans3& t) { t.m_dXR = 0.0; }, 1086},
        {"rush peak", [](CEleTrans3& t) { t.m_dRushPeak = 0.0; }, 1113},
        {"damping", [](CEleTrans3& t) { t.m_dDampingTime = 0.0; }, 1125},
        {"damping infinite",
         [](CEleTrans3& t) { t.m_dDampingTime = std::numeric_limits<double>::infinity(); }, 1125},
        {"secondary and X/R",
         [](CEleTrans3& t) {
             t.m_nVoltage2 = 0;
             t.m_dXR = 0.0;
         },
         1104},
    };
    for (const Case& c : cases) {
        CEleTrans3 t = Trans3(1000.0, 5.0, 5.0);
        t.m_dRushPeak = 10.0;
        t.m_dDampingTime = 280.0;
        c.spoil(t);
        EXPECT_EQ(t.DoCheckData(), c.id) << c.what;
    }
}

class SupplyDatabase : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dbs.IsOpen()); }
    supplytest::ModelDatabasesScope m_dbs;
};

// Rows of Equip_Trans3 (data/sarquine/34_trans3.sql): 1000 kVA %R 1.05,
// %X 5.907, peak 10, 14 cycles; 1250 kVA 1.08, 5.902, 9.5, 15 cycles; 20 kVA
// 3, 2.646, 18, 4 cycles; the catch-all 1.033, 5.91, 7, 25 cycles.
// %Z = √(X² + R²), X/R = X / R, damping = cycles·1000 / f ms.
TEST_F(SupplyDatabase, Trans3ReadsTheFirstRowAtOrAboveTheCapacity) {
    struct Case {
        double asked;
        int32_t f;
        uint32_t id;
        double z, xr, peak, damping;
    };
    const double z1000 = std::sqrt(5.907 * 5.907 + 1.05 * 1.05); // 5.9995957
    const Case cases[] = {
        {1000.0, 50, 0, z1000, 5.907 / 1.05, 10.0, 280.0},
        {999.0, 50, 0, z1000, 5.907 / 1.05, 10.0, 280.0},
        {1000.0, 60, 0, z1000, 5.907 / 1.05, 10.0, 14000.0 / 60.0},
        {1001.0, 50, 0, std::sqrt(5.902 * 5.902 + 1.08 * 1.08), 5.902 / 1.08, 9.5, 300.0},
        {5000.0, 50, 0, std::sqrt(5.91 * 5.91 + 1.033 * 1.033), 5.91 / 1.033, 7.0, 500.0},
        // %Z or X/R being typed: both stay, rush values are read.
        {1000.0, 50, 1083, 7.0, 9.0, 10.0, 280.0},
        {1000.0, 50, 1086, 7.0, 9.0, 10.0, 280.0},
        // No capacity: %Z and X/R are 0 whatever is typed; the rush values
        // come from the first row (20 kVA).
        {0.0, 50, 1083, 0.0, 0.0, 18.0, 80.0},
        // No frequency: no damping time.
        {1000.0, 0, 0, z1000, 5.907 / 1.05, 10.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.asked << " kVA " << c.f << " Hz id " << c.id);
        CEleTrans3 t = Trans3(c.asked, 7.0, 9.0);
        t.DoReadByCapacity(c.asked, c.f, c.id);
        ExpectRel(t.m_dPercentZ, c.z);
        ExpectRel(t.m_dXR, c.xr);
        ExpectRel(t.m_dRushPeak, c.peak);
        ExpectRel(t.m_dDampingTime, c.damping);
        EXPECT_EQ(t.m_dCapacity, c.asked); // the capacity itself is the caller's
    }
}

TEST(SupplyCalc, WithoutTheEquipmentDatabaseTheValuesAreThoseOfAMissingRow) {
    CEleTrans3 t = Trans3(1000.0, 7.0, 9.0);
    t.m_dRushPeak = 3.0;
    t.m_dDampingTime = 3.0;
    t.DoReadByCapacity(1000.0, 50, 0);
    EXPECT_EQ(t.m_dPercentZ, 0.0);
    EXPECT_EQ(t.m_dXR, 0.0);
    EXPECT_EQ(t.m_dRushPeak, 0.0);
    EXPECT_EQ(t.m_dDampingTime, 0.0);
    EXPECT_EQ(t.DoCheckData(), 1083);
}

TEST(SupplyCalc, Trans3LabelsBeforeAndAfterACalculation) {
    CEleTrans3 t = Trans3(1000.0, 5.0, 5.0);
    t.m_nEarthing = 4;
    const std::string before = "6600V/400V\r\nTT\r\n1000kVA,1443A\r\n5.000%e\r\nX/R=5";
    EXPECT_EQ(t.DoGetTextLabelV1(1), before);
    EXPECT_EQ(t.DoGetTextLabelV1(3), before); // not a calculation point
    t.m_nCalcPoint = 1;
    EXPECT_EQ(t.DoGetTextLabelV1(2), before); // not calculated yet
    // The known point: source 0.0079936 + j0.1998402 and this transformer
    // 0.9805807 + j4.9029034 in series, |%Z| = 5.197622 on 1000 kVA:
    // I"k3 = 10⁸ / (√3·400·5.197622) = 27 769.9 A.
    t.m_calcPoint.m_dBaseCapacity = 1000.0;
    t.m_calcPoint.m_zSource.m_dR = 0.0079936077 + 0.9805806757;
    t.m_calcPoint.m_zSource.m_dX = 0.1998401917 + 4.9029033785;
    EXPECT_EQ(t.DoGetTextLabelV1(3), before + "\r\nI\"k3direct=27.770kA");
    EXPECT_EQ(t.DoGetTextLabelV1(8), before + "\r\nI\"k3direct=27.770kA");
    EXPECT_EQ(t.DoGetTextLabelV4(P), "5.000%r\r\n=0.9806\r\n+j4.903");
    EXPECT_EQ(t.DoGetTextDirectIk3Sym(1), "27.770kA");
    EXPECT_EQ(t.DoGetTextDirectPercentZ(0), "5.198");
    t.m_strName = "T1";
    // The curve label on a graph of 400 V: It·V2 / 400 = It.
    t.m_dRushPeak = 10.0;
    t.m_dDampingTime = 280.0;
    EXPECT_EQ(t.DoGetTextCurveLabel(400.0), "T1\r\n1443A\r\n1000kVA\r\n10times\r\n280ms");
    // Referred to 6600 V: 1443.3757·400 / 6600 = 87.477 A.
    EXPECT_EQ(t.DoGetTextCurveLabel(6600.0), "T1\r\n87.48A\r\n1000kVA\r\n10times\r\n280ms");
}

// ---- Rush curve ----

// k = 10, τ = 100 ms, I = 1000 (A·V). The scan runs t_n = 1000·0.9ⁿ s while
// t ≥ 0.01 (n up to 109: 0.9¹⁰⁹·1000 = 0.01029 s). The rush current
// 10·I·e^((0.01 − t)/0.1) reaches I when t ≤ 0.01 + 0.1·ln 10 = 0.2402585 s,
// first at n = 80 (t = 0.2184745 s; n = 79 gives 0.2427494 s). That first
// time is repeated at 1000·t, t + t/5 and (I + I/30) at t + t/10; then one
// point for each n = 80..109: 3 + 30 loop points, and 6 closing points.
TEST(SupplyCalc, RushCurveFollowsTheDecayingCurrentAndClosesAtTenMilliseconds) {
    CdPointList points;
    ASSERT_EQ(DoCalcRushCurvePoints(points, 1000.0, 10.0, 100.0), 1);
    ASSERT_EQ(points.GetCount(), 39);
    const double t80 = 1000.0 * std::pow(0.9, 80);
    auto at = [&](int i) { return points.GetAt(i); };
    ExpectRel(at(0)->m_dX, 1000.0);
    ExpectRel(at(0)->m_dY, 1000.0 * t80, 1e-9);
    ExpectRel(at(1)->m_dY, t80 * 1.2, 1e-9);
    ExpectRel(at(2)->m_dX, 1000.0 + 1000.0 / 30.0);
    ExpectRel(at(2)->m_dY, t80 * 1.1, 1e-9);
    // 10 000·e^((0.01 − 0.2184745)/0.1) = 1243.388 > I + I/30: the current.
    ExpectRel(at(3)->m_dX, 10000.0 * std::exp((0.01 - t80) / 0.1), 1e-9);
    ExpectRel(at(3)->m_dX, 1243.388, 1e-6);
    ExpectRel(at(3)->m_dY, t80, 1e-9);
    for (int n = 81; n <= 109; ++n) {
        const double t = 1000.0 * std::pow(0.9, n);
        ExpectRel(at(n - 77)->m_dY, t, 1e-9);
        ExpectRel(at(n - 77)->m_dX, 10000.0 * std::exp((0.01 - t) / 0.1), 1e-9);
    }
    // k·I = 10 000 at 10 ms, then 9900 (9.5 ms), 9666.67 (9 ms), 9333.33
    // (8.7 ms), 8000 (8.2 ms) and I/10 = 100 at 5 ms.
    const double closing[6][2] = {{10000.0, 0.01},
                                  {9900.0, 0.0095},
                                  {10000.0 - 10000.0 / 30.0, 0.009},
                                  {10000.0 - 10000.0 / 15.0, 0.0087},
                                  {8000.0, 0.0082},
                                  {100.0, 0.005}};
    for (int i = 0; i < 6; ++i) {
        ExpectRel(at(33 + i)->m_dX, closing[i][0]);
        ExpectRel(at(33 + i)->m_dY, closing[i][1]);
    }
}

// k = 1.02, τ = 100 ms: the rush current reaches I only for t ≤ 0.01 +
// 0.1·ln 1.02 = 0.0119803 s: n = 108 (t = 0.0114338 s) and 109. At n = 108
// it is 1020·e^(−0.0143381) = 1005.48, below I + I/30, so the point is
// (I + I/10, t); n = 109 adds (1020·e^(−0.0029043), t) = (1017.04, t).
TEST(SupplyCalc, RushCurveJustAboveTheRatedCurrentStartsAtATenthAbove) {
    CdPointList points;
    DoCalcRushCurvePoints(points, 1000.0, 1.02, 100.0);
    ASSERT_EQ(points.GetCount(), 5 + 6);
    const double t108 = 1000.0 * std::pow(0.9, 108);
    ExpectRel(points.GetAt(0)->m_dY, 1000.0 * t108, 1e-9);
    ExpectRel(points.GetAt(3)->m_dX, 1100.0);
    ExpectRel(points.GetAt(3)->m_dY, t108, 1e-9);
    ExpectRel(points.GetAt(4)->m_dX, 1017.04191, 1e-7);
}

TEST(SupplyCalc, RushCurveBelowTheRatedCurrentHasOnlyItsClosingPoints) {
    CdPointList points;
    for (double k : {0.5, 0.99}) {
        ASSERT_EQ(DoCalcRushCurvePoints(points, 1000.0, k, 100.0), 1);
        EXPECT_EQ(points.GetCount(), 6) << k;
    }
    // No current: no curve, and what was there goes.
    EXPECT_EQ(DoCalcRushCurvePoints(points, 0.0, 10.0, 100.0), 0);
    EXPECT_EQ(points.GetCount(), 0);
    // A damping time of 0 scans nothing; an infinite one ends the scan.
    EXPECT_EQ(DoCalcRushCurvePoints(points, 1000.0, 10.0, 0.0), 1);
    EXPECT_EQ(points.GetCount(), 6);
    EXPECT_EQ(DoCalcRushCurvePoints(points, 1000.0, 10.0, std::numeric_limits<double>::infinity()),
              1);
    EXPECT_EQ(points.GetCount(), 6);
}

// The transformer's curve is the same algorithm on I = It·V2 = 10⁶/√3 with
// its rush peak and damping time.
TEST(SupplyCalc, Trans3CurveUsesTheRatedCurrentTimesTheSecondaryVoltage) {
    CEleTrans3 t = Trans3(1000.0, 5.0, 5.0);
    t.m_dRushPeak = 10.0;
    t.m_dDampingTime = 100.0;
    ASSERT_EQ(t.DoCalcRushCurve(), 1);
    ASSERT_EQ(t.m_listPoints.GetCount(), 39);
    ExpectRel(t.m_listPoints.GetHead()->m_dX, 1.0e6 / std::sqrt(3.0));
    ExpectRel(t.m_listPoints.GetTail()->m_dX, 1.0e5 / std::sqrt(3.0));
    EXPECT_EQ(t.IsAddableToGraph(2), 1);
    t.AddToGraph(2, 1);
    EXPECT_EQ(t.IsOnGraph(2), 1);
    EXPECT_EQ(t.IsAddableToGraph(2), 0);
    EXPECT_EQ(t.m_nCurveSelected, 1u);
    t.RemoveFromGraph(3); // not on it: the selection stays
    EXPECT_EQ(t.m_nCurveSelected, 1u);
    t.RemoveFromGraph(2);
    EXPECT_EQ(t.IsOnGraph(2), 0);
    EXPECT_EQ(t.m_nCurveSelected, 0u);
}

// ---- Single-phase transformer ----

// 50 kVA, 6600/210 V, the database's 50 kVA windings: full (out-out) %R 1.5,
// %X 2.6 on 50 kVA; half (out-in) %R 2.25, %X 4.16 on 25 kVA.
CEleTrans1 Trans1() {
    CEleTrans1 t;
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 210;
    t.m_dCapacity = 50.0;
    t.m_part2.m_dPercentZ = std::sqrt(1.5 * 1.5 + 2.6 * 2.6);
    t.m_part2.m_dXR = 2.6 / 1.5;
    t.m_part1.m_dPercentZ = std::sqrt(2.25 * 2.25 + 4.16 * 4.16);
    t.m_part1.m_dXR = 4.16 / 2.25;
    return t;
}

// n = 2: the phase pair is winding 2 on P: ·1000/50 = 20 → 30 + j52; the
// half winding on P: ·1000/25 = 40 → 90 + j166.4; the difference pair is
// phase − half = −60 − j114.4, so phase − pair gives back 90 + j166.4.
// n = 1: the half winding alone, 90 + j166.4, no pair.
TEST(SupplyCalc, Trans1PercentImpedanceOfBothWindings) {
    CEleTrans1 t = Trans1();
    CPercentZ z;
    t.DoCalcPercentZ(z, P, 2);
    ExpectRel(z.m_dR, 30.0);
    ExpectRel(z.m_dX, 52.0);
    ExpectRel(z.m_dRHalf, -60.0);
    ExpectRel(z.m_dXHalf, -114.4);
    ExpectRel(z.GetZLoop(), std::sqrt(90.0 * 90.0 + 166.4 * 166.4));
    t.DoCalcPercentZ(z, P, 1);
    ExpectRel(z.m_dR, 90.0);
    ExpectRel(z.m_dX, 166.4);
    EXPECT_EQ(z.m_dRHalf, 0.0);
    // Any other selector: nothing.
    t.DoCalcPercentZ(z, P, 3);
    EXPECT_EQ(z.m_dR, 0.0);
    EXPECT_EQ(z.m_dXHalf, 0.0);
    // The container's call is selector 2.
    CEleDocSettings settings;
    settings.dBaseCapacity = P;
    t.DoCalcPercentZ(z, settings);
    ExpectRel(z.m_dRHalf, -60.0);
}

// When the full winding on the full capacity equals the half winding on half
// the capacity (half %R, %X = 1 + j2 against full 2 + j4), the pair is 0.
TEST(SupplyCalc, Trans1EqualWindingsGiveNoHalfVoltagePair) {
    CEleTrans1 t = Trans1();
    t.m_part2.m_dPercentZ = std::sqrt(20.0);
    t.m_part2.m_dXR = 2.0;
    t.m_part1.m_dPercentZ = std::sqrt(5.0);
    t.m_part1.m_dXR = 2.0;
    CPercentZ z;
    t.DoCalcPercentZ(z, P, 2);
    EXPECT_NEAR(z.m_dRHalf, 0.0, 1e-12);
    EXPECT_NEAR(z.m_dXHalf, 0.0, 1e-12);
}

// Without a capacity the phase pair is 0, and so is the half-voltage pair:
// left at winding 1's own unscaled 2.25 + j4.16 it made the half-voltage loop
// (phase − pair) −2.25 − j4.16, an impedance out of nothing.
TEST(SupplyCalc, Trans1WithoutCapacityHasNoHalfVoltagePairEither) {
    CEleTrans1 t = Trans1();
    t.m_dCapacity = 0.0;
    CPercentZ z;
    z.m_dRHalf = 9.0;
    t.DoCalcPercentZ(z, P, 2);
    EXPECT_EQ(z.m_dR, 0.0);
    EXPECT_EQ(z.m_dX, 0.0);
    EXPECT_EQ(z.m_dRHalf, 0.0);
    EXPECT_EQ(z.m_dXHalf, 0.0);
    EXPECT_EQ(z.GetZLoop(), 0.0);
}

// It of winding 2 = 50 000 / 210 = 238.09524 A, of winding 1 = 50 000 / 105 =
// 476.19048 A (no √3). Own R of winding 2 = 1.5·210²/(100·50) = 13.23 mΩ,
// of winding 1 = 2.25·105²/(100·25) = 9.9225 mΩ. Rush peak current = 15·It2.
TEST(SupplyCalc, Trans1RatedCurrentsAndOhmsOfTheWindings) {
    CEleTrans1 t = Trans1();
    t.m_part2.m_dRushPeak = 15.0;
    ExpectRel(t.GetRatedCurrent(2), 238.09524);
    ExpectRel(t.GetRatedCurrent(1), 476.19048);
    EXPECT_EQ(t.GetRatedCurrent(3), 0.0);
    ExpectRel(t.GetOwnOhmR(2), 13.23);
    ExpectRel(t.GetOwnOhmX(2), 2.6 * 210.0 * 210.0 / 5000.0);
    ExpectRel(t.GetOwnOhmR(1), 9.9225);
    ExpectRel(t.GetRushPeakCurrent(), 3571.4286);
    EXPECT_EQ(t.DoGetTextVoltage(1, 1), "105V");
    EXPECT_EQ(t.DoGetTextVoltage(2, 1), "210V");
    EXPECT_EQ(t.DoGetTextVoltage(0, 1), "");
    EXPECT_EQ(t.DoGetTextResistance(2, 1), "13.23mohms");
    // 231 V: the half voltage is 115 V (whole volts), It1 = 50 000/115.
    t.m_nVoltage2 = 231;
    EXPECT_EQ(t.GetHalfVoltage(), 115);
    EXPECT_EQ(t.DoGetTextVoltage(1, 0), "115");
    ExpectRel(t.GetRatedCurrent(1), 434.78261);
}

// Rows of Equip_Trans1: 50 kVA out-in 2.25, 4.16, 15, 5 cycles; out-out
// 1.5, 2.6, 15, 5 cycles (100 ms at 50 Hz).
TEST_F(SupplyDatabase, Trans1ReadsBothWindingsOfTheCapacity) {
    CEleTrans1 t;
    t.DoReadByCapacity(50.0, 50, 0);
    ExpectRel(t.m_part2.m_dPercentZ, std::sqrt(9.01));
    ExpectRel(t.m_part2.m_dXR, 2.6 / 1.5);
    ExpectRel(t.m_part1.m_dPercentZ, std::sqrt(22.3681));
    ExpectRel(t.m_part1.m_dXR, 4.16 / 2.25);
    EXPECT_EQ(t.m_part1.m_dRushPeak, 15.0);
    EXPECT_EQ(t.m_part2.m_dDampingTime, 100.0);
    // Typing keeps both windings' %Z and X/R.
    t.m_part2.m_dPercentZ = 7.0;
    t.m_part1.m_dXR = 8.0;
    t.DoReadByCapacity(100.0, 60, 1086);
    EXPECT_EQ(t.m_part2.m_dPercentZ, 7.0);
    EXPECT_EQ(t.m_part1.m_dXR, 8.0);
    ExpectRel(t.m_part2.m_dDampingTime, 6000.0 / 60.0); // 100 kVA: 6 cycles
}

TEST(SupplyCalc, Trans1DataCheckLooksAtWinding2Only) {
    CEleTrans1 t = Trans1();
    t.m_part2.m_dRushPeak = 15.0;
    t.m_part2.m_dDampingTime = 100.0;
    EXPECT_EQ(t.DoCheckData(), 0);
    t.m_part1.m_dPercentZ = 0.0; // winding 1 is not checked
    EXPECT_EQ(t.DoCheckData(), 0);
    struct Case {
        void (*spoil)(CEleTrans1&);
        int32_t id;
    };
    const Case cases[] = {
        {[](CEleTrans1& x) { x.m_nVoltage = 0; }, 1103},
        {[](CEleTrans1& x) { x.m_nVoltage2 = 0; }, 1104},
        {[](CEleTrans1& x) { x.m_dCapacity = 0.0; }, 1110},
        {[](CEleTrans1& x) { x.m_part2.m_dPercentZ = 0.0; }, 1083},
        {[](CEleTrans1& x) { x.m_part2.m_dXR = 0.0; }, 1086},
        {[](CEleTrans1& x) { x.m_part2.m_dRushPeak = 0.0; }, 1113},
        {[](CEleTrans1& x) { x.m_part2.m_dDampingTime = -1.0; }, 1125},
    };
    for (const Case& c : cases) {
        CEleTrans1 bad = t;
        c.spoil(bad);
        EXPECT_EQ(bad.DoCheckData(), c.id);
    }
}

// Five lines before a calculation, seven after one when winding 2 is a
// calculation point. Winding 2's current: I = P·10⁵ / (V2·|Z|) with the
// point's term 30 + j52 (|Z| = 60.033324): 10⁸ / (210·60.033324) = 7932.1 A;
// winding 1's at V2/2 = 105 V on the loop 90 + j166.4 (|Z| = 189.18032):
// 10⁸ / (105·189.18032) = 5034.3 A.
TEST(SupplyCalc, Trans1LabelsBeforeAndAfterACalculation) {
    CEleTrans1 t = Trans1();
    t.m_nEarthing = 5;
    const std::string before =
        "6600V/210-105V\r\n1Phases,IT\r\n50kVA,238.1A\r\n3.002%e\r\nX/R=1.733333";
    EXPECT_EQ(t.DoGetTextLabelV1(3), before);
    t.m_part2.m_nCalcPoint = 1;
    EXPECT_EQ(t.DoGetTextLabelV1(2), before);
    for (CEleTrans1Part* part : {&t.m_part1, &t.m_part2}) {
        part->m_calcPoint.m_dBaseCapacity = 1000.0;
        part->m_calcPoint.m_zSource.m_dR = 30.0;
        part->m_calcPoint.m_zSource.m_dX = 52.0;
        part->m_calcPoint.m_zSource.m_dRHalf = -60.0;
        part->m_calcPoint.m_zSource.m_dXHalf = -114.4;
    }
    EXPECT_EQ(t.DoGetTextLabelV1(3), before + "\r\nI\"k2=7.9321kA\r\nI\"k1/2=5.0343kA");
    EXPECT_EQ(t.DoGetTextTotalPercentR(1, 0), "90.00");
    EXPECT_EQ(t.DoGetTextTotalPercentZ(2, 0), "60.03");
    EXPECT_EQ(t.DoGetTextLabelV4(P), "60.03%r\r\n=30.00\r\n+j52.00");
}

// ---- Zero conductor ----

// A single-phase bar of 105 V shows "105-52" and computes its half-voltage
// currents at 52 V: with the combined term 1.5 + j6 and the pair 0.5 + j2 the
// loop is 1 + j4 (|Z| = 4.1231056): I = 10⁸ / (52·4.1231056) = 466 414 A; the
// full voltage: 10⁸ / (105·6.1846584) = 153 991 A.
TEST(SupplyCalc, ZeroCondHalfVoltageOfASinglePhaseBar) {
    CEleZeroCond z;
    z.m_nVoltage = 105;
    EXPECT_EQ(z.DoGetTextVoltage(1), "105V");
    z.m_nSinglePhase = 1;
    EXPECT_EQ(z.DoGetTextVoltage(1), "105-52V");
    z.m_calcPoint.m_dBaseCapacity = 1000.0;
    z.m_calcPoint.m_zSource.m_dR = 1.5;
    z.m_calcPoint.m_zSource.m_dX = 6.0;
    z.m_calcPoint.m_zSource.m_dRHalf = 0.5;
    z.m_calcPoint.m_zSource.m_dXHalf = 2.0;
    EXPECT_EQ(z.DoGetTextIk1Sym(1, 1), "466.41kA");
    EXPECT_EQ(z.DoGetTextIk1Sym(2, 1), "153.99kA");
    EXPECT_EQ(z.DoGetTextIk1Sym(3, 0), DLLGetTextByBeamsEx(0.0, 5, 0)); // no such side
    EXPECT_EQ(z.DoGetTextTotalPercentR(1, 1), "1.000%r");
    EXPECT_EQ(z.DoGetTextTotalPercentZ(1, 0), "4.123");
    EXPECT_EQ(z.DoGetTextTotalPercentZ(2, 0), "6.185");
    // mΩ of the loop at 52 V: %·V²/(100·P) = 1·2704/10⁵ = 0.02704.
    EXPECT_EQ(z.DoGetTextTotalResistance(1, P, 1), "0.02704mohms");
    EXPECT_EQ(z.DoGetTextLabel(2), "");
    z.m_nCalcPoint = 1;
    EXPECT_EQ(z.DoGetTextLabel(2), "");
    EXPECT_EQ(z.DoGetTextLabel(3), "I\"k2=153.99kA\r\nI\"k1/2=466.41kA");
    // Three-phase: I"k3 = 10⁸ / (√3·105·6.1846584) = 10⁸ / 1124.7631 = 88 907 A.
    z.m_nSinglePhase = 0;
    EXPECT_EQ(z.DoGetTextLabel(3), "I\"k3=88.907kA");
    EXPECT_EQ(z.DoCheckData(), 0);
}

} // namespace
