// The motor, the general load and the capacitor: currents, phase texts, the
// starting and inrush curves and the data checks, against values worked by
// hand from the formulas.

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "tools/Filvaron.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

void ExpectClose(double expected, double actual, double relative = 1e-6) {
    EXPECT_NEAR(expected, actual, std::fabs(expected) * relative + 1e-12);
}

// The motor of a new element: 7.5 kW with the equipment row of 7.5 kW
// (power factor 0.84, starting current 7 x Im, 5 s at 600 %, inrush
// 11.9 x Im), at 400 V.
CEleMotor Motor75() {
    CEleMotor m;
    m.m_nVoltage = 400;
    m.m_dCapacity = 7.5;
    m.m_dPowerFactor = 0.84;
    m.m_dStartingCurrent = 7.0;
    m.m_dStartingTime = 5.0;
    m.m_dInrushCurrent = 11.9;
    return m;
}

// 100 kvar at 400 V with a 6 % reactor, 2 + j10 milliohms up-stream.
CEleCapacitor Capacitor100() {
    CEleCapacitor c;
    c.m_nVoltage = 400;
    c.m_dCapacity = 100.0;
    c.m_dReactor = 6.0;
    c.m_dUpstreamResistance = 2.0;
    c.m_dUpstreamReactance = 10.0;
    c.m_nLeading = 1;
    return c;
}

std::vector<CdPoint> Points(const CdPointList& list) {
    std::vector<CdPoint> points;
    for (const auto& p : list)
        points.push_back(*p);
    return points;
}

} // namespace

// Im = 7500 / 400 / 0.84 / sqrt 3 = 12.88728 A; single-phase at 200 V:
// 7500 / 200 / 0.84 = 44.64286 A; power factor 0 is not divided by:
// 7500 / 400 / sqrt 3 = 10.82532 A. Below 1 V nothing.
TEST(MotorValues, FullLoadCurrent) {
    CEleMotor m = Motor75();
    ExpectClose(12.88728, m.GetFullLoadCurrent());
    ExpectClose(7.0 * 12.88728, m.GetStartingCurrent());
    ExpectClose(11.9 * 12.88728, m.GetInrushCurrent());
    EXPECT_EQ("12.89A", m.DoGetTextFullLoadCurrent(1));

    m.m_nSinglePhase = 1;
    m.m_nVoltage = 200;
    ExpectClose(44.64286, m.GetFullLoadCurrent());
    EXPECT_EQ("200-100V", m.DoGetTextVoltage(1));

    m = Motor75();
    m.m_dPowerFactor = 0.0;
    ExpectClose(10.82532, m.GetFullLoadCurrent());
    // arccos 0 = 90 degrees, lagging.
    EXPECT_EQ("-90.00deg.", m.DoGetTextPhaseAngle(1));

    m.m_nVoltage = 0;
    EXPECT_EQ(0.0, m.GetFullLoadCurrent());
    EXPECT_EQ(0, m.DoCalcCurve());
    EXPECT_EQ(0, m.m_listPoints.GetCount());
    EXPECT_EQ(0, m.IsAddableToGraph(1));
}

// arccos 0.84 = 32.85988 degrees.
TEST(MotorValues, PhaseAngleText) {
    CEleMotor m = Motor75();
    EXPECT_EQ("-32.86deg.", m.DoGetTextPhaseAngle(1));
    m.m_nLeading = 1;
    EXPECT_EQ("+32.86", m.DoGetTextPhaseAngle(0));
}

// a = Im x V = 12.88728 x 400 = 5154.913; S a = 36084.39; N a = 61343.47;
// N - S = 4.9 > 4 gives F = 1.
TEST(MotorCurve, NineteenPointsOfTheStartingCurve) {
    CEleMotor m = Motor75();
    ASSERT_EQ(1, m.DoCalcCurve());
    std::vector<CdPoint> p = Points(m.m_listPoints);
    ASSERT_EQ(19u, p.size());
    const double a = 5154.913, sa = 36084.39, na = 61343.47;
    struct Expected {
        int index;
        double x;
        double y;
    };
    for (Expected e :
         {Expected{0, a, 25000.0}, Expected{1, a, 25.0}, Expected{2, a * 1.02, 22.5},
          Expected{3, a * 1.1, 20.0}, Expected{4, sa * 0.9, 6.0}, Expected{5, sa * 0.98, 5.5},
          Expected{6, sa, 5.0}, Expected{7, sa, 0.055}, Expected{8, sa * 1.01, 0.052},
          Expected{9, sa * 1.1, 0.05}, Expected{10, na * 0.9, 0.045},
          Expected{11, na * 0.98, 0.043}, Expected{12, na, 0.04}, Expected{13, na, 0.01},
          Expected{14, na * (1 - 1.0 / 80), 0.0095}, Expected{15, na * 0.95, 0.009},
          Expected{16, na * 0.9, 0.0085}, Expected{17, na * 0.8, 0.008},
          Expected{18, a / 10, 0.005}}) {
        SCOPED_TRACE(e.index + 1);
        ExpectClose(e.x, p[e.index].m_dX, 1e-6);
        ExpectClose(e.y, p[e.index].m_dY, 1e-12);
    }
}

// N - S = 2 gives F = 0.25 x 2 = 0.5: points 9 to 12 lie half as far from
// S a and N a: S a x 1.005, S a x 1.05, N a x 0.95, N a x 0.99.
TEST(MotorCurve, NarrowBendBetweenStartingAndInrush) {
    CEleMotor m = Motor75();
    m.m_dInrushCurrent = 9.0; // N - S = 2
    ASSERT_EQ(1, m.DoCalcCurve());
    std::vector<CdPoint> p = Points(m.m_listPoints);
    const double sa = 36084.39, na = 9.0 * 5154.913;
    ExpectClose(sa * 1.005, p[8].m_dX);
    ExpectClose(sa * 1.05, p[9].m_dX);
    ExpectClose(na * 0.95, p[10].m_dX);
    ExpectClose(na * 0.99, p[11].m_dX);
}

// An inrush below the starting current (N 5 < S 7) would make F = 0.25 x
// (5 - 7) = -0.5 and fold the bend back past its corners. F stays at 0:
// points 9 and 10 stand at S a, points 11 and 12 at N a, and the curve from
// point 7 on never turns back toward higher currents once it has started
// to fall.
TEST(MotorCurve, InrushBelowStartingCurrentKeepsTheBendFlat) {
    CEleMotor m = Motor75();
    m.m_dInrushCurrent = 5.0;
    ASSERT_EQ(1, m.DoCalcCurve());
    std::vector<CdPoint> p = Points(m.m_listPoints);
    const double sa = 7.0 * 5154.913, na = 5.0 * 5154.913;
    ExpectClose(sa, p[8].m_dX);
    ExpectClose(sa, p[9].m_dX);
    ExpectClose(na, p[10].m_dX);
    ExpectClose(na, p[11].m_dX);
    for (size_t i = 7; i + 1 < p.size(); ++i)
        EXPECT_LE(p[i + 1].m_dX, p[i].m_dX) << "point " << i + 2;
    // The data check still takes such a motor: the curve is drawable.
    EXPECT_EQ(0u, m.DoCheckData());
}

TEST(MotorValues, DataCheckInItsOrder) {
    struct Case {
        const char* what;
        double capacity, powerFactor, starting, time, inrush;
        uint32_t id;
    };
    for (Case c : {Case{"all good", 7.5, 0.84, 7, 5, 11.9, 0},
                   Case{"power factor 0 is accepted", 7.5, 0.0, 7, 5, 11.9, 0},
                   Case{"power factor 1 is accepted", 7.5, 1.0, 7, 5, 11.9, 0},
                   Case{"capacity 0", 0.0, -1.0, 0, 0, 0, 1110},
                   Case{"capacity not a number", NAN, 0.84, 7, 5, 11.9, 1110},
                   Case{"power factor above 1", 7.5, 1.01, 0, 0, 0, 1190},
                   Case{"power factor below 0", 7.5, -0.01, 7, 5, 11.9, 1190},
                   Case{"starting current 0", 7.5, 0.84, 0, 0, 0, 1108},
                   Case{"starting time 0", 7.5, 0.84, 7, 0, 0, 1194},
                   Case{"inrush 0", 7.5, 0.84, 7, 5, 0, 1113}}) {
        CEleMotor m;
        m.m_dCapacity = c.capacity;
        m.m_dPowerFactor = c.powerFactor;
        m.m_dStartingCurrent = c.starting;
        m.m_dStartingTime = c.time;
        m.m_dInrushCurrent = c.inrush;
        EXPECT_EQ(c.id, m.DoCheckData()) << c.what;
    }
}

TEST(ConsumerValues, RatedCurrentCheckIncludesEquality) {
    CEleMotor m = Motor75();
    const double im = m.GetFullLoadCurrent();
    EXPECT_EQ(1, m.IsOkRatedCurrent(im));
    EXPECT_EQ(0, m.IsOkRatedCurrent(im - 0.001));

    CEleLoad l;
    l.m_dLoadCurrent = 63.0;
    EXPECT_EQ(1, l.IsOkRatedCurrent(63.0));
    EXPECT_EQ(0, l.IsOkRatedCurrent(62.9));

    CEleCapacitor c = Capacitor100(); // Ic 144.3376 A
    EXPECT_EQ(1, c.IsOkRatedCurrent(160.0));
    EXPECT_EQ(0, c.IsOkRatedCurrent(125.0));
}

// Power factor 0 and 1 pass, -0.01 and 1.01 do not; nothing else is
// checked.
TEST(LoadValues, DataCheckAndTexts) {
    CEleLoad l;
    for (auto [pf, id] : {std::pair{0.0, 0u}, std::pair{1.0, 0u}, std::pair{-0.01, 1190u},
                          std::pair{1.01, 1190u}, std::pair{double(NAN), 1190u}}) {
        l.m_dPowerFactor = pf;
        EXPECT_EQ(id, l.DoCheckData()) << pf;
    }
    // 231 V single-phase reads "231-115V"; arccos 0.8 = 36.86990 degrees,
    // minus while lagging, plus while leading.
    l.m_nVoltage = 231;
    l.m_nSinglePhase = 1;
    EXPECT_EQ("231-115V", l.GetTextVoltage(1));
    l.m_dPowerFactor = 0.8;
    EXPECT_EQ("-36.87deg.", l.GetTextPhaseAngle(1));
    l.m_nLeading = 1;
    EXPECT_EQ("+36.87", l.GetTextPhaseAngle(0));
    // Starting current 2.5 x IL at IL 40 A: 100.0 A; the multiple itself
    // is a multiple, shown with "times".
    l.m_dLoadCurrent = 40.0;
    l.m_dStartingCurrent = 2.5;
    EXPECT_EQ("100.0A", l.GetTextStartingCurrent(1));
    EXPECT_EQ("2.5times", l.GetTextStartingTimes(1));
    EXPECT_EQ("40A", l.DoGetTextLabelV1());
}

// Ic = 100 000 / 400 / sqrt 3 = 144.3376 A
// w = 50 x 2 pi = 314.1593; C = 100 000 / 400 / 400 / 314.1593 = 0.001989437 F
// Z = sqrt(2^2 + 10^2) = 10.19804 mohm; R = Z / sqrt(5^2 + 1) = 2.000000 mohm
// L = (400 / sqrt 3 / 144.3376 x 1000 x 6 / 100) / w + 2 x 5 / w
//   = 96 / 314.1593 + 10 / 314.1593 = 0.3374085 mH
// b = sqrt(0.3374085 x 4000 / 0.001989437 - 4) / 2 = sqrt(678396) / 2 = 411.8240
// peak = (sqrt 2 x 400 / sqrt 3) / sqrt(0.3374085 x 1000 / 0.001989437)
//        x e^(atan(b) x (-1 / b)) x 1000 / sqrt 2 = 558.6406 A
// t0 = atan(b) x (2 x 0.3374085 / 2 / b) x 1000 = 1.284968 ms
TEST(CapacitorValues, InrushOfAnOscillatingLoop) {
    CEleCapacitor c = Capacitor100();
    ExpectClose(144.3376, c.DoCalcRatedCurrent());
    ExpectClose(0.001989437, c.DoCalcCapacitance(50));
    ExpectClose(2.0, c.DoCalcResistanceFromZ());
    ExpectClose(0.3374085, c.DoCalcInductance(50));
    ExpectClose(411.8240, c.DoCalcOscillationRatio(50));
    ExpectClose(558.6406, c.DoCalcPeakCurrent(50));
    ExpectClose(1.284968, c.DoCalcPeakTime(50));
    EXPECT_EQ("558.6A", c.DoGetTextPeakCurrent(50, 1));
    EXPECT_EQ("1.285ms", c.DoGetTextPeakTime(50, 1));
    EXPECT_EQ("0.001989F", c.DoGetTextElectrostaticCapacity(50, 1));
    EXPECT_EQ("100kvar\r\n144.3A\r\n6%", c.DoGetTextLabelV1());
    EXPECT_EQ("+90.00deg.", c.DoGetTextPhaseAngle(1));
}

// Reactor 0 %: the loop inductance is the up-stream part alone,
// R x 5 / w = 10 / 314.1593 = 0.03183099 mH.
TEST(CapacitorValues, WithoutReactorOnlyTheNetworkInductance) {
    CEleCapacitor c = Capacitor100();
    c.m_dReactor = 0.0;
    ExpectClose(0.03183099, c.DoCalcInductance(50));
}

// a = 144.3376 x 400 = 57735.03; b = 558.6406 x 400 = 223456.2;
// t = 0.001284968 s, h = t / 2.
TEST(CapacitorCurve, ThirteenPointsOfTheInrushCurve) {
    CEleCapacitor c = Capacitor100();
    ASSERT_EQ(1, c.DoCalcCurve(50));
    std::vector<CdPoint> p = Points(c.m_listPoints);
    ASSERT_EQ(13u, p.size());
    const double a = 57735.03, b = 223456.2, t = 0.001284968, h = t / 2;
    struct Expected {
        int index;
        double x;
        double y;
    };
    for (Expected e :
         {Expected{0, a, 2 * t * 1000}, Expected{1, a, 2 * t},
          Expected{2, a + a / 30, 2 * t - 2 * t / 20}, Expected{3, a * 1.1, 2 * t - 2 * t / 9},
          Expected{4, b * 0.9, t * 1.2}, Expected{5, b - b / 40, t * 1.1}, Expected{6, b, t},
          Expected{7, b, h}, Expected{8, b - b / 60, h - h / 6}, Expected{9, b * 0.9, h * 0.75},
          Expected{10, a + a / 6, t / 10 + t / 300}, Expected{11, a, t / 10},
          Expected{12, a / 10, t / 10}}) {
        SCOPED_TRACE(e.index + 1);
        ExpectClose(e.x, p[e.index].m_dX, 1e-6);
        ExpectClose(e.y, p[e.index].m_dY, 1e-6);
    }
}

// 5000 kvar at 400 V without reactor behind 3000 + j3000 milliohms:
// Ic = 7216.878 A, C = 0.09947184 F, Z = 4242.641, R = 832.0503 mohm,
// L = 832.0503 x 5 / 314.1593 = 13.24249 mH; L x 4000 / C = 532512 is below
// R^2 = 692308: the loop does not ring, the square root has no value. No
// peak, no time, no curve, no place on a graph, and texts of 0.
TEST(CapacitorValues, LoopThatDoesNotRingHasNoInrush) {
    CEleCapacitor c;
    c.m_nVoltage = 400;
    c.m_dCapacity = 5000.0;
    c.m_dReactor = 0.0;
    c.m_dUpstreamResistance = 3000.0;
    c.m_dUpstreamReactance = 3000.0;
    ExpectClose(832.0503, c.DoCalcResistanceFromZ());
    ExpectClose(13.24249, c.DoCalcInductance(50));
    EXPECT_FALSE(c.IsOscillating(50));
    EXPECT_EQ(0.0, c.DoCalcOscillationRatio(50));
    EXPECT_EQ(0.0, c.DoCalcPeakCurrent(50));
    EXPECT_EQ(0.0, c.DoCalcPeakTime(50));
    EXPECT_EQ(0, c.DoCalcCurve(50));
    EXPECT_EQ(0, c.m_listPoints.GetCount());
    EXPECT_EQ(0, c.IsAddableToGraph(1));
    EXPECT_EQ(DLLGetTextByBeamsEx(0.0, 4, 0) + "A", c.DoGetTextPeakCurrent(50, 1));
    EXPECT_EQ(DLLGetTextByBeamsEx(0.0, 4, 0) + "ms", c.DoGetTextPeakTime(50, 1));
}

TEST(CapacitorValues, AddableOnlyWithVoltageNetworkAndRinging) {
    CEleCapacitor c = Capacitor100();
    EXPECT_EQ(1, c.IsAddableToGraph(3));
    c.AddToGraph(3, 1);
    EXPECT_EQ(0, c.IsAddableToGraph(3)) << "already on the graph";
    EXPECT_EQ(1, c.IsAddableToGraph(4));

    c = Capacitor100();
    c.m_dUpstreamResistance = 0.0; // before the first calculation
    EXPECT_EQ(0, c.IsAddableToGraph(1));
    c = Capacitor100();
    c.m_nVoltage = 0;
    EXPECT_EQ(0, c.IsAddableToGraph(1));
    EXPECT_EQ(0.0, c.DoCalcRatedCurrent());
    EXPECT_EQ(0.0, c.DoCalcCapacitance(50));
}

// The calculation gives the up-stream values: a source-side term of
// 1 + j5 % on 1000 kVA at 400 V is 1 x 400^2 / 1000 / 1000 x 10 = 1.6 and
// 8.0 milliohms.
TEST(CapacitorValues, UpstreamValuesFromTheCalculation) {
    CEleCapacitor c = Capacitor100();
    CPercentZ source;
    source.m_dR = 1.0;
    source.m_dX = 5.0;
    CPercentZ result;
    c.DoSetCalcZ(result, 1000.0, &source, nullptr);
    ExpectClose(1.6, c.m_dUpstreamResistance);
    ExpectClose(8.0, c.m_dUpstreamReactance);
    // Without a term nothing changes.
    c.DoSetCalcZ(result, 1000.0, nullptr, nullptr);
    ExpectClose(1.6, c.m_dUpstreamResistance);
}

TEST(CapacitorValues, DataCheckInItsOrder) {
    struct Case {
        double capacity, reactor, powerFactor;
        uint32_t id;
    };
    for (Case k : {Case{100, 6, 0, 0}, Case{100, 0, 1, 0}, Case{0, -1, 2, 1110},
                   Case{100, -0.5, 2, 1200}, Case{100, 6, 1.5, 1190}, Case{100, NAN, 0, 1200}}) {
        CEleCapacitor c;
        c.m_dCapacity = k.capacity;
        c.m_dReactor = k.reactor;
        c.m_dPowerFactor = k.powerFactor;
        EXPECT_EQ(k.id, c.DoCheckData()) << k.capacity << " " << k.reactor << " " << k.powerFactor;
    }
}
