#include "app/calc/CCalcPoint.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>
#include <vector>

using fw::CArchive;

namespace {

struct RX {
    double r = 0.0;
    double x = 0.0;
};

RX Add(RX a, RX b) {
    return {a.r + b.r, a.x + b.x};
}

// Hand-worked network at a reference capacity of 1000 kVA, 400 V side:
// a 6600 V source of 500 MVA with X/R 25: %Z = 1000 / 500000 * 100 = 0.2,
// %R = 0.2 / sqrt(626), %X = 25 %R; a 1000 kVA transformer of %Z 5 and X/R 5:
// %R = 5 / sqrt(26), %X = 5 %R.
const RX kSource{0.0079936076697743, 0.1998401917443579};
const RX kTransformer{0.9805806756909202, 4.9029033784546010};
const RX kSupply = Add(kSource, kTransformer); // |%Z| = 5.197622
// Two such transformers in parallel under the same source, then a feeder
// of 0.8 + j0.3.
const RX kTwinSupply{1.2982839455152344, 2.9512918809716577};
// The contribution of the motor effects below the point.
const RX kMotors{10.0, 40.0};
// Earth-fault loop pairs (the return-conductor parts of the loops).
const RX kN1{3.0, 1.0};
const RX kPE1{6.0, 1.5};
const RX kN2{20.0, 5.0};
const RX kPE2{30.0, 8.0};

struct CurrentCase {
    const char* name;
    RX source, motor;
    RX n1, pe1, n2, pe2;
    uint32_t junctionBelow; // as the reduction leaves it in both results
    // Expected currents in A at 400 V.
    double ik3[3];      // source side: symmetrical, asymmetrical, peak
    double ik3Total[3]; // combined
    double ik2, ik2Total;
    double ik1N, ik1PE, ik1NTotal, ik1PETotal;
};

// Cases print as their names, so test listings stay readable and stable.
void PrintTo(const CurrentCase& c, std::ostream* os) {
    *os << c.name;
}

const CurrentCase kCurrentCases[] = {
    {"NeverCalculated", {}, {}, {}, {}, {}, {}, 0, {0, 0, 0}, {0, 0, 0}, 0, 0, 0, 0, 0, 0},
    // The textbook point below the transformer: I"k3 27 769.9 A.
    {"SourceAndTransformer",
     kSupply,
     {},
     {},
     {},
     {},
     {},
     0,
     {27769.93, 31515.98, 60640.60},
     {27769.93, 31515.98, 60640.60},
     24049.46,
     24049.46,
     27769.93,
     27769.93,
     27769.93,
     27769.93},
    {"ParallelTransformers",
     kTwinSupply,
     {},
     {2.5, 0.6},
     {4.0, 0.9},
     {},
     {},
     0,
     {44766.51, 46145.97, 79204.91},
     {44766.51, 46145.97, 79204.91},
     38768.94,
     38768.94,
     27757.93,
     22035.82,
     27757.93,
     22035.82},
    // Motor effects feed the fault in parallel with the supply; the loop
    // results combine in parallel too.
    {"SupplyAndMotors",
     kSupply,
     kMotors,
     kN1,
     kPE1,
     kN2,
     kPE2,
     0,
     {27769.93, 31515.98, 60640.60},
     {31266.16, 35334.24, 67808.76},
     24049.46,
     27077.29,
     19797.88,
     15012.67,
     22494.84,
     17451.60},
    // A point linked to a junction below: the motor side alone counts in
    // the totals, the source-side values stay as they are.
    {"JunctionBelow",
     kSupply,
     kMotors,
     kN1,
     kPE1,
     kN2,
     kPE2,
     1,
     {27769.93, 31515.98, 60640.60},
     {3500.70, 3840.53, 7207.97},
     24049.46,
     3031.70,
     19797.88,
     15012.67,
     2668.80,
     2310.07},
    {"JunctionBelowWithoutMotors",
     kSupply,
     {},
     kN1,
     kPE1,
     {},
     {},
     1,
     {27769.93, 31515.98, 60640.60},
     {0, 0, 0},
     24049.46,
     0,
     19797.88,
     15012.67,
     0,
     0},
    {"MotorsOnly",
     {},
     kMotors,
     {},
     {},
     kN2,
     kPE2,
     0,
     {0, 0, 0},
     {3500.70, 3840.53, 7207.97},
     0,
     3031.70,
     0,
     0,
     2668.80,
     2310.07},
};

CPercentZ PhaseResult(RX rx, uint32_t junctionBelow) {
    CPercentZ z;
    z.m_dR = rx.r;
    z.m_dX = rx.x;
    z.m_nJunctionBelow = junctionBelow;
    return z;
}

CPercentZ LoopResult(RX n, RX pe, uint32_t junctionBelow) {
    CPercentZ z;
    z.m_dRN = n.r;
    z.m_dXN = n.x;
    z.m_dRPE = pe.r;
    z.m_dXPE = pe.x;
    z.m_nJunctionBelow = junctionBelow;
    return z;
}

// What the calculation drivers store for a case.
CCalcPoint PointOf(const CurrentCase& c) {
    CCalcPoint point;
    CPercentZ source = PhaseResult(c.source, c.junctionBelow);
    CPercentZ motor = PhaseResult(c.motor, c.junctionBelow);
    CPercentZ out;
    point.DoSetCalcZ(out, 1000.0, &source, &motor);
    CPercentZ loop1 = LoopResult(c.n1, c.pe1, c.junctionBelow);
    CPercentZ loop2 = LoopResult(c.n2, c.pe2, c.junctionBelow);
    point.DoSetCalcZ2Ex(out, 1000.0, &loop1, &loop2);
    return point;
}

class CurrentTest : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(CurrentTest, FaultCurrentsAt400V) {
    const CurrentCase& c = GetParam();
    const CCalcPoint point = PointOf(c);
    const double tol = 0.006; // the table holds amperes to two decimals
    double sym = -1, asym = -1, peak = -1;
    point.DoCalcIk3Source(400.0, &sym, &asym, &peak);
    EXPECT_NEAR(sym, c.ik3[0], tol);
    EXPECT_NEAR(asym, c.ik3[1], tol);
    EXPECT_NEAR(peak, c.ik3[2], tol);
    point.DoCalcIk3Total(400.0, &sym, &asym, &peak);
    EXPECT_NEAR(sym, c.ik3Total[0], tol);
    EXPECT_NEAR(asym, c.ik3Total[1], tol);
    EXPECT_NEAR(peak, c.ik3Total[2], tol);
    EXPECT_NEAR(point.GetCurrentIk2(400.0), c.ik2, tol);
    EXPECT_NEAR(point.GetCurrentIk2Total(400.0), c.ik2Total, tol);
    EXPECT_NEAR(point.GetCurrentIk1N(400.0), c.ik1N, tol);
    EXPECT_NEAR(point.GetCurrentIk1PE(400.0), c.ik1PE, tol);
    EXPECT_NEAR(point.GetCurrentIk1NTotal(400.0), c.ik1NTotal, tol);
    EXPECT_NEAR(point.GetCurrentIk1PETotal(400.0), c.ik1PETotal, tol);

    // The motor side alone, as the motor-effect labels show it.
    CCalcPoint motorOnly;
    motorOnly.m_dBaseCapacity = 1000.0;
    motorOnly.m_zSource = point.m_zMotor;
    double expect[3] = {-1, -1, -1};
    motorOnly.DoCalcIk3Source(400.0, &expect[0], &expect[1], &expect[2]);
    point.DoCalcIk3Motor(400.0, &sym, &asym, &peak);
    EXPECT_EQ(sym, expect[0]);
    EXPECT_EQ(asym, expect[1]);
    EXPECT_EQ(peak, expect[2]);

    // Currents follow the voltage asked for; nothing is kept from before.
    point.DoCalcIk3Source(200.0, &sym);
    EXPECT_NEAR(sym, 2.0 * c.ik3[0], 2 * tol);
}

INSTANTIATE_TEST_SUITE_P(Networks, CurrentTest, ::testing::ValuesIn(kCurrentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcPointTest, TextbookPointImpedance) {
    CCalcPoint point = PointOf(kCurrentCases[1]);
    CPercentZ total;
    point.GetPercentZ3Total(total);
    EXPECT_NEAR(kSource.r, 0.0079936, 5e-8);
    EXPECT_NEAR(kSource.x, 0.1998402, 5e-8);
    EXPECT_NEAR(kTransformer.r, 0.9805807, 5e-8);
    EXPECT_NEAR(kTransformer.x, 4.9029034, 5e-8);
    EXPECT_NEAR(total.GetZ(), 5.197622, 5e-7);
    // Rounded to 0.1 A, as the hand calculation gives them.
    double sym = 0, asym = 0, peak = 0;
    point.DoCalcIk3Total(400.0, &sym, &asym, &peak);
    EXPECT_EQ(std::round(sym * 10) / 10, 27769.9);
    EXPECT_EQ(std::round(point.GetCurrentIk2(400.0) * 10) / 10, 24049.5);
    EXPECT_EQ(std::round(asym * 10) / 10, 31516.0);
    EXPECT_EQ(std::round(peak * 10) / 10, 60640.6);
}

TEST(CalcPointTest, OutputsAreWrittenOnlyWhenGiven) {
    CCalcPoint point = PointOf(kCurrentCases[1]);
    double sym = -1;
    point.DoCalcIk3Total(400.0, &sym, nullptr, nullptr);
    EXPECT_GT(sym, 0.0);
    double peak = -1;
    point.DoCalcIk3Source(400.0, nullptr, nullptr, &peak);
    EXPECT_NEAR(peak, 60640.60, 0.006);
    double i = -1;
    point.DoCalcIkSinglePhase(230.0, nullptr, &i, nullptr);
    EXPECT_GT(i, 0.0);
}

// ---- combination rules -----------------------------------------------------

TEST(CalcPointTest, CombinedTermIsTheParallelOfBothSides) {
    CCalcPoint point = PointOf(kCurrentCases[3]);
    CPercentZ total;
    point.GetPercentZ3Total(total);
    CPercentZ expected = point.m_zSource;
    expected.DoParallel(point.m_zMotor);
    EXPECT_EQ(total.m_dR, expected.m_dR);
    EXPECT_EQ(total.m_dX, expected.m_dX);
    EXPECT_NEAR(total.m_dR, 0.9052080471768049, 1e-12);
    EXPECT_NEAR(total.m_dX, 4.526796591095911, 1e-12);
}

TEST(CalcPointTest, OneSidedResultsAreCopiedWhole) {
    CCalcPoint point;
    point.m_zSource.m_dR = 1.0;
    point.m_zSource.m_dX = 2.0;
    point.m_zSource.m_dRHalf = 0.5;
    point.m_zSource.m_dRN = 7.0;
    CPercentZ total;
    point.GetPercentZ3Total(total);
    EXPECT_EQ(total.m_dR, 1.0);
    EXPECT_EQ(total.m_dRHalf, 0.5);
    EXPECT_EQ(total.m_dRN, 7.0);

    CCalcPoint motors;
    motors.m_zMotor.m_dR = 3.0;
    motors.m_zMotor.m_dX = 4.0;
    motors.m_zMotor.m_dRMotor = 1.0;
    motors.GetPercentZ3Total(total);
    EXPECT_EQ(total.m_dR, 3.0);
    EXPECT_EQ(total.m_dX, 4.0);
    EXPECT_EQ(total.m_dRMotor, 1.0);

    // Neither side: a zeroed term, whatever the out term held.
    CCalcPoint empty;
    total.m_dR = 5.0;
    total.m_nKind = 100;
    empty.GetPercentZ3Total(total);
    EXPECT_EQ(total.m_dR, 0.0);
    EXPECT_EQ(total.m_nKind, 0u);
}

TEST(CalcPointTest, LoopTotalUsesThePhaseValuesOfTheLoopTerms) {
    CCalcPoint point;
    CPercentZ first;
    first.m_dR = 2.0;
    first.m_dX = 4.0;
    CPercentZ second;
    second.m_dR = 1.0;
    second.m_dX = 3.0;
    second.m_nJunctionBelow = 1; // no junction rule for the loop total
    CPercentZ out;
    point.DoSetCalcZ2(out, 500.0, &first, &second);
    EXPECT_EQ(point.m_dBaseCapacity, 500.0);
    EXPECT_NEAR(out.m_dR, 40.0 / 58.0, 1e-12);
    EXPECT_NEAR(out.m_dX, 100.0 / 58.0, 1e-12);
    EXPECT_EQ(point.m_zLoop2.m_nJunctionBelow, 1u);
    // The three-phase terms are not touched.
    EXPECT_EQ(point.m_zSource.GetZ(), 0.0);
}

TEST(CalcPointTest, WritingTouchesOnlyTheValuesOfItsPass) {
    CCalcPoint point;
    point.m_zSource.m_nKind = 5;
    point.m_zSource.m_rect = fw::CRect(1, 2, 3, 4);
    point.m_zSource.m_dRN = 8.0;
    CPercentZ result;
    result.m_nKind = 100;
    result.m_nFaultPoint = 1;
    result.m_nJunctionAbove = 1;
    result.m_dR = 1.0;
    result.m_dX = 2.0;
    result.m_dRMotor = 0.5;
    result.m_dRHalf = 0.25;
    result.m_dXHalf = 0.75;
    result.m_dRN = 99.0;
    CPercentZ out;
    // An absent side stays as it is.
    point.m_zMotor.m_dR = 6.0;
    point.DoSetCalcZ(out, 1000.0, &result, nullptr);
    EXPECT_EQ(point.m_zSource.m_nKind, 5u);
    EXPECT_EQ(point.m_zSource.m_rect, (fw::CRect(1, 2, 3, 4)));
    EXPECT_EQ(point.m_zSource.m_nFaultPoint, 0u);
    EXPECT_EQ(point.m_zSource.m_nJunctionAbove, 1u);
    EXPECT_EQ(point.m_zSource.m_dR, 1.0);
    EXPECT_EQ(point.m_zSource.m_dX, 2.0);
    EXPECT_EQ(point.m_zSource.m_dRMotor, 0.5);
    EXPECT_EQ(point.m_zSource.m_dRHalf, 0.25);
    EXPECT_EQ(point.m_zSource.m_dXHalf, 0.75);
    EXPECT_EQ(point.m_zSource.m_dRN, 8.0);
    EXPECT_EQ(point.m_zMotor.m_dR, 6.0);

    // The loop pass writes the loop values and junction flags only.
    CPercentZ loop;
    loop.m_nJunctionBelow = 1;
    loop.m_dR = 50.0;
    loop.m_dRN = 3.0;
    loop.m_dXN = 1.0;
    loop.m_dRPE = 6.0;
    loop.m_dXPE = 1.5;
    point.m_zLoop1.m_dR = 4.0;
    point.DoSetCalcZ2Ex(out, 750.0, &loop, nullptr);
    EXPECT_EQ(point.m_dBaseCapacity, 750.0);
    EXPECT_EQ(point.m_zLoop1.m_dR, 4.0);
    EXPECT_EQ(point.m_zLoop1.m_dRN, 3.0);
    EXPECT_EQ(point.m_zLoop1.m_dXPE, 1.5);
    EXPECT_EQ(point.m_zLoop1.m_nJunctionBelow, 1u);
    // Its result: only the combined loop pairs, the phase values 0.
    EXPECT_EQ(out.m_dR, 0.0);
    EXPECT_EQ(out.m_dX, 0.0);
    EXPECT_EQ(out.m_dRN, 3.0);
    EXPECT_EQ(out.m_dXN, 1.0);
    EXPECT_EQ(out.m_dRPE, 6.0);
    EXPECT_EQ(out.m_dXPE, 1.5);
}

TEST(CalcPointTest, LoopPairsCombineByTheJunctionRuleOfTheSecondTerm) {
    struct Row {
        const char* name;
        RX n1, n2;
        uint32_t below2;
        RX expected;
    };
    const Row rows[] = {
        {"Both", {2.0, 4.0}, {1.0, 3.0}, 0, {40.0 / 58.0, 100.0 / 58.0}},
        {"FirstOnly", {2.0, 4.0}, {}, 0, {2.0, 4.0}},
        {"SecondOnly", {}, {1.0, 3.0}, 0, {1.0, 3.0}},
        {"JunctionBelowDropsFirst", {2.0, 4.0}, {1.0, 3.0}, 1, {1.0, 3.0}},
        // Neither: the pair of the three-phase total stays.
        {"Neither", {}, {}, 0, {0.5, 0.25}},
        {"JunctionBelowWithoutSecond", {2.0, 4.0}, {}, 1, {0.5, 0.25}},
    };
    for (const Row& row : rows) {
        CCalcPoint point;
        point.m_zSource.m_dR = 1.0;
        point.m_zSource.m_dRN = 0.5;
        point.m_zSource.m_dXN = 0.25;
        point.m_zSource.m_dRPE = 0.5;
        point.m_zSource.m_dXPE = 0.25;
        point.m_zLoop1 = LoopResult(row.n1, row.n1, 0);
        point.m_zLoop2 = LoopResult(row.n2, row.n2, row.below2);
        CPercentZ withN;
        point.GetPercentZ3WithN(withN);
        CPercentZ withPE;
        point.GetPercentZ3WithPE(withPE);
        EXPECT_EQ(withN.m_dR, 1.0) << row.name;
        EXPECT_NEAR(withN.m_dRN, row.expected.r, 1e-12) << row.name;
        EXPECT_NEAR(withN.m_dXN, row.expected.x, 1e-12) << row.name;
        EXPECT_NEAR(withPE.m_dRPE, row.expected.r, 1e-12) << row.name;
        EXPECT_NEAR(withPE.m_dXPE, row.expected.x, 1e-12) << row.name;
    }
}

TEST(CalcPointTest, ClearingKeepsTheOtherPassValues) {
    CCalcPoint point = PointOf(kCurrentCases[3]);
    for (CPercentZ* z : {&point.m_zSource, &point.m_zMotor, &point.m_zLoop1, &point.m_zLoop2}) {
        z->m_dR = 1.0;
        z->m_dX = 2.0;
        z->m_dRMotor = 0.5;
        z->m_dRHalf = 0.1;
        z->m_dXHalf = 0.2;
        z->m_dRN = 3.0;
        z->m_dXN = 4.0;
        z->m_dRPE = 5.0;
        z->m_dXPE = 6.0;
        z->m_nKind = 8;
        z->m_nJunctionBelow = 1;
    }
    CCalcPoint a = point;
    a.DoClearCalcZ();
    for (const CPercentZ* z : {&a.m_zSource, &a.m_zMotor}) {
        EXPECT_EQ(z->m_dR + z->m_dX + z->m_dRMotor + z->m_dRHalf + z->m_dXHalf, 0.0);
        EXPECT_EQ(z->m_dRN, 3.0);
        EXPECT_EQ(z->m_dXPE, 6.0);
        EXPECT_EQ(z->m_nKind, 0u);
        EXPECT_EQ(z->m_nJunctionBelow, 0u);
    }
    EXPECT_EQ(a.m_zLoop1.m_dR, 1.0);

    CCalcPoint b = point;
    b.DoClearCalcZ2();
    for (const CPercentZ* z : {&b.m_zLoop1, &b.m_zLoop2}) {
        EXPECT_EQ(z->m_dR + z->m_dX + z->m_dRMotor + z->m_dRHalf + z->m_dXHalf, 0.0);
        EXPECT_EQ(z->m_dRN, 3.0);
    }
    EXPECT_EQ(b.m_zSource.m_dR, 1.0);

    CCalcPoint c = point;
    c.DoClearCalcZ2Ex();
    for (const CPercentZ* z : {&c.m_zLoop1, &c.m_zLoop2}) {
        EXPECT_EQ(z->m_dRN + z->m_dXN + z->m_dRPE + z->m_dXPE, 0.0);
        EXPECT_EQ(z->m_dR, 1.0);
        EXPECT_EQ(z->m_dRHalf, 0.1);
        EXPECT_EQ(z->m_nJunctionBelow, 0u);
    }
    EXPECT_EQ(c.m_zSource.m_dRN, 3.0);
}

// ---- the current formulas ----------------------------------------------------

TEST(CalcPointTest, SymmetricalFormulas) {
    CCalcPoint point;
    point.m_dBaseCapacity = 1000.0;
    EXPECT_NEAR(point.GetCurrentI3(400.0, 5.0), 28867.51345948129, 1e-8);
    EXPECT_NEAR(point.GetCurrentI2(400.0, 5.0), 25000.0, 1e-8);
    EXPECT_NEAR(point.GetCurrentI1(230.0, 5.0), 86956.52173913043, 1e-8);
    // Exact zero tests only: a negative voltage passes through.
    EXPECT_NEAR(point.GetCurrentI3(-400.0, 5.0), -28867.51345948129, 1e-8);
    for (double v : {0.0, 400.0}) {
        double z = v == 0.0 ? 5.0 : 0.0;
        EXPECT_EQ(point.GetCurrentI3(v, z), 0.0);
        EXPECT_EQ(point.GetCurrentI2(v, z), 0.0);
        EXPECT_EQ(point.GetCurrentI1(v, z), 0.0);
    }
}

struct DecayCase {
    const char* name;
    double r, x;
    double asym3, asym1, peak; // for I = 1000 A
};

// Cases print as their names, so test listings stay readable and stable.
void PrintTo(const DecayCase& c, std::ostream* os) {
    *os << c.name;
}

const DecayCase kDecayCases[] = {
    {"Ordinary", 1.0, 5.0, 1130.0859761429513, 1252.68475151255, 2168.679656158667},
    // No resistance: the DC component does not decay. The asymmetrical
    // three-phase current is (2 sqrt(1.5) + sqrt(3)) / 3 I, the peak 2 sqrt(2) I.
    {"PurelyReactive_FaultPeakZero", 0.0, 5.0, 1393.8468501173518, 1732.0508075688772,
     2828.42712474619},
    // No reactance: no DC component; asymmetrical = I, peak = sqrt(2) I.
    {"NoReactance_FaultAsymAndPeakZero", 2.0, 0.0, 1000.0, 1000.0, 1414.213562373095},
    {"NoImpedance", 0.0, 0.0, 0.0, 0.0, 0.0},
    // A negative reactance gives 0; the single-phase formula used to
    // overflow there.
    {"NegativeReactance_FaultAsym1Overflow", 1.0, -5.0, 0.0, 0.0, 0.0},
    {"TinyNegativeReactance_FaultAsym1Overflow", 1e6, -1e-3, 0.0, 0.0, 0.0},
};

class DecayTest : public ::testing::TestWithParam<DecayCase> {};

TEST_P(DecayTest, AsymmetricalAndPeak) {
    const DecayCase& c = GetParam();
    double asym3 = CCalcPoint::GetCurrentAsym3(c.r, c.x, 1000.0);
    double asym1 = CCalcPoint::GetCurrentAsym1(c.r, c.x, 1000.0);
    double peak = CCalcPoint::GetCurrentPeak(c.r, c.x, 1000.0);
    EXPECT_TRUE(std::isfinite(asym3) && std::isfinite(asym1) && std::isfinite(peak));
    EXPECT_NEAR(asym3, c.asym3, 1e-9);
    EXPECT_NEAR(asym1, c.asym1, 1e-9);
    EXPECT_NEAR(peak, c.peak, 1e-9);
    EXPECT_EQ(CCalcPoint::GetCurrentPeak1(c.r, c.x, 1000.0), peak);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecayTest, ::testing::ValuesIn(kDecayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcPointTest, AngleConstantsAreTheFifteenDigitLiterals) {
    // exp(-6.28318530717958 * 1) differs from exp(-2 pi) in the last digits;
    // the results must follow the literal.
    const double e = std::exp(-6.28318530717958);
    const double expected = (2.0 * std::sqrt(1.0 + 0.5 * e) + std::sqrt(1.0 + 2.0 * e)) / 3.0;
    EXPECT_EQ(CCalcPoint::GetCurrentAsym3(1.0, 1.0, 1.0), expected);
    EXPECT_EQ(CCalcPoint::GetCurrentPeak(1.0, 1.0, 1.0),
              std::sqrt(2.0) * 1.0 * (1.0 + std::exp(-1.0 * 3.14159265358979)));
}

// ---- single-phase circuits --------------------------------------------------

TEST(CalcPointTest, SinglePhaseCircuit) {
    // A 200 V three-wire circuit: %Z 20 + j30 to the outer conductors, the
    // half-voltage pair 7 + j11, so the outer-to-middle loop is 13 + j19.
    CCalcPoint point;
    CPercentZ source;
    source.m_dR = 20.0;
    source.m_dX = 30.0;
    source.m_dRHalf = 7.0;
    source.m_dXHalf = 11.0;
    CPercentZ out;
    point.DoSetCalcZ(out, 1000.0, &source, nullptr);
    EXPECT_EQ(out.m_dRHalf, 7.0);

    struct Row {
        bool loop;
        double voltage;
        double current, asym, peak;
    };
    const Row rows[] = {
        {false, 200.0, 13867.504905630727, 14076.229552314106, 22026.679993596696},
        {true, 100.0, 43437.22427630694, 44091.01306900443, 68994.2311508262},
        {true, 200.0, 21718.61213815347, 22045.506534502216, 34497.1155754131},
        {false, 0.0, 0.0, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        double i = -1, asym = -1, peak = -1;
        if (row.loop)
            point.DoCalcIkSinglePhaseLoop(row.voltage, &i, &asym, &peak);
        else
            point.DoCalcIkSinglePhase(row.voltage, &i, &asym, &peak);
        EXPECT_NEAR(i, row.current, 1e-7) << row.voltage;
        EXPECT_NEAR(asym, row.asym, 1e-7) << row.voltage;
        EXPECT_NEAR(peak, row.peak, 1e-7) << row.voltage;
    }
}

// ---- current by earthing system ----------------------------------------------

TEST(CalcPointTest, CurrentByKind) {
    const CCalcPoint point = PointOf(kCurrentCases[3]);
    struct Row {
        int32_t earthing, wireSystem;
        double voltage;
        double current;
        const char* label; // null: the label stays as it was
    };
    const Row rows[] = {
        {1, 1, 400.0, 15012.67, "I\"k1(PE)"},
        {1, 3, 400.0, 15012.67, "I\"k1(PE)"},
        {3, 2, 400.0, 19797.88, "I\"k1"},
        {5, 1, 400.0, 24049.46, "I\"k2"},
        // The phase-to-neutral current for the voltage passed, here half.
        {5, 2, 200.0, 2 * 19797.88, "I\"k1/2"},
        {5, 3, 400.0, 0.0, nullptr},
        {2, 2, 400.0, 0.0, nullptr},
        {4, 2, 400.0, 0.0, nullptr},
        {0, 1, 400.0, 0.0, nullptr},
    };
    for (const Row& row : rows) {
        std::string label = "before";
        double current = point.GetCurrentByKind(row.earthing, row.wireSystem, row.voltage, label);
        EXPECT_NEAR(current, row.current, 0.012) << row.earthing << "/" << row.wireSystem;
        EXPECT_EQ(label, row.label ? row.label : "before") << row.earthing << "/" << row.wireSystem;
    }
}

// ---- copy and stored record ----------------------------------------------------

CCalcPoint FullPoint() {
    CCalcPoint point = PointOf(kCurrentCases[3]);
    point.m_crMark = 0x0000FF;
    point.m_nMarkWidth = 20;
    point.m_nMarkLineKind = 3;
    point.m_ptMarkStart = CdPoint(1234.5, 1.0);
    point.m_ptMarkEnd = CdPoint(1234.5, 10000.0);
    point.m_zSource.m_dRHalf = 0.7;
    point.m_zMotor.m_dRMotor = 2.5;
    point.m_zLoop1.m_nJunctionAbove = 1;
    CGraphNo* graph = point.m_listGraphNo.DoAddNewGraphNo();
    graph->DoSetGraphNo(3, 1);
    graph->m_listRefV2.GetAtIndex(0)->m_nSelected = 1;
    point.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(7, 2);
    return point;
}

std::vector<uint8_t> Store(CCalcPoint& point) {
    CArchive ar = CArchive::ForStoring();
    point.Serialize(ar);
    return ar.Bytes();
}

TEST(CalcPointTest, CopyTakesEveryField) {
    CCalcPoint point = FullPoint();
    CCalcPoint copy;
    copy = point;
    EXPECT_EQ(Store(copy), Store(point));
    // The graph list is copied deeply.
    ASSERT_EQ(copy.m_listGraphNo.GetCount(), 2);
    EXPECT_NE(copy.m_listGraphNo.GetHead(), point.m_listGraphNo.GetHead());
    EXPECT_EQ(copy.m_listGraphNo.DoFindGraphNo(7)->m_listRefV2.GetCount(), 2);
}

// The point written by hand into fixtures/CCalcPoint_v120.hex.
CCalcPoint FixturePoint() {
    CCalcPoint point;
    point.m_crMark = 0x0000FF;
    point.m_nMarkWidth = 20;
    point.m_nMarkLineKind = 3;
    point.m_dBaseCapacity = 1000.0;
    point.m_ptMarkStart = CdPoint(1600.0, 1.0);
    point.m_ptMarkEnd = CdPoint(1600.0, 10000.0);
    point.m_zLoop1.m_nKind = 1;
    point.m_zLoop1.m_dRN = 3.5;
    point.m_zLoop1.m_dXN = 1.25;
    point.m_zLoop2.m_nKind = 2;
    point.m_zLoop2.m_dRPE = 6.0;
    point.m_zLoop2.m_dXPE = 1.5;
    point.m_zSource.m_nKind = 3;
    point.m_zSource.m_dR = 0.5;
    point.m_zSource.m_dX = 2.0;
    point.m_zSource.m_dRHalf = 0.75;
    point.m_zMotor.m_nKind = 4;
    point.m_zMotor.m_dR = 1.0;
    point.m_zMotor.m_dX = 4.0;
    point.m_zMotor.m_dRMotor = 2.5;
    CGraphNo* graph = point.m_listGraphNo.DoAddNewGraphNo();
    graph->DoSetGraphNo(3, 1);
    graph->m_listRefV2.GetAtIndex(0)->m_nSelected = 1;
    return point;
}

std::vector<uint8_t> Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string("app/calc/fixtures/") + name);
}

// The layout: three mark words, the base capacity, the two mark points, the
// loop terms before the three-phase terms, then the graph list.
TEST(CalcPointTest, StoredRecordMatchesTheHandWrittenOne) {
    const std::vector<uint8_t> fixture = Fixture("CCalcPoint_v120.hex");
    CCalcPoint point = FixturePoint();
    EXPECT_EQ(Store(point), fixture);

    CArchive in = CArchive::ForLoading(fixture);
    CCalcPoint loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.m_crMark, 0x0000FFu);
    EXPECT_EQ(loaded.m_nMarkWidth, 20u);
    EXPECT_EQ(loaded.m_nMarkLineKind, 3u);
    EXPECT_EQ(loaded.m_dBaseCapacity, 1000.0);
    EXPECT_EQ(loaded.m_ptMarkStart.m_dY, 1.0);
    EXPECT_EQ(loaded.m_ptMarkEnd.m_dX, 1600.0);
    EXPECT_EQ(loaded.m_ptMarkEnd.m_dY, 10000.0);
    EXPECT_EQ(loaded.m_zLoop1.m_nKind, 1u);
    EXPECT_EQ(loaded.m_zLoop1.m_dXN, 1.25);
    EXPECT_EQ(loaded.m_zLoop2.m_nKind, 2u);
    EXPECT_EQ(loaded.m_zLoop2.m_dRPE, 6.0);
    EXPECT_EQ(loaded.m_zSource.m_nKind, 3u);
    EXPECT_EQ(loaded.m_zSource.m_dX, 2.0);
    EXPECT_EQ(loaded.m_zSource.m_dRHalf, 0.75);
    EXPECT_EQ(loaded.m_zMotor.m_nKind, 4u);
    EXPECT_EQ(loaded.m_zMotor.m_dRMotor, 2.5);
    ASSERT_NE(loaded.m_listGraphNo.DoFindGraphNo(3), nullptr);
    EXPECT_EQ(loaded.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.IsSelected(0), 1);
    EXPECT_EQ(Store(loaded), fixture);
}

// fixtures/CCalcPoint_v100.hex: the same point as a file older than 1.1
// holds it. Stored again, it takes the newest layout with zeros where the file
// had no values: the whole of CCalcPoint_v120.hex but for the loop and
// half-voltage values, which the old file did not carry.
TEST(CalcPointTest, PointOfAVersion10FileHasNoLoopValues) {
    CArchive in = CArchive::ForLoading(Fixture("CCalcPoint_v100.hex"));
    in.SetReadVersion(1.0);
    CCalcPoint loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    for (const CPercentZ* z :
         {&loaded.m_zLoop1, &loaded.m_zLoop2, &loaded.m_zSource, &loaded.m_zMotor}) {
        EXPECT_EQ(z->GetZN(), 0.0);
        EXPECT_EQ(z->GetZPE(), 0.0);
        EXPECT_EQ(z->m_dRHalf, 0.0);
    }
    EXPECT_EQ(loaded.m_zSource.m_dR, 0.5);
    EXPECT_EQ(loaded.m_zMotor.m_dX, 4.0);
    EXPECT_EQ(loaded.m_zMotor.m_dRMotor, 2.5);
    EXPECT_EQ(loaded.m_ptMarkEnd.m_dY, 10000.0);
    ASSERT_NE(loaded.m_listGraphNo.DoFindGraphNo(3), nullptr);
    EXPECT_EQ(loaded.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.IsSelected(0), 1);

    CCalcPoint expected = FixturePoint();
    expected.m_zLoop1.m_dRN = expected.m_zLoop1.m_dXN = 0.0;
    expected.m_zLoop2.m_dRPE = expected.m_zLoop2.m_dXPE = 0.0;
    expected.m_zSource.m_dRHalf = 0.0;
    EXPECT_EQ(Store(loaded), Store(expected));
}

} // namespace

// The calculation-point arrow with its tip at (100, 200): a red three-segment
// leader from (x + 18, y - 11) over (x + 8, y - 3) and (x + 8, y - 9) to the
// tip, and a red filled head (x + 2, y - 6), (x + 5, y - 2), (x, y); the
// caller's pen and brush come back.
TEST(CalcPointArrow, DrawsTheRedLeaderAndHeadAndRestoresThePen) {
    fw::CRecordingDC dc;
    dc.SelectObject(fw::CPen(fw::PS_DASH, 3, 0x00FF00));
    dc.SelectObject(fw::CBrush(0x123456));
    CCalcPoint::DoDrawArrow(&dc, 100, 200);
    const auto& recs = dc.Records();
    ASSERT_EQ(recs.size(), 4u);
    const std::vector<std::vector<fw::CPoint>> expected = {{{118, 189}, {108, 197}},
                                                           {{108, 197}, {108, 191}},
                                                           {{108, 191}, {100, 200}},
                                                           {{102, 194}, {105, 198}, {100, 200}}};
    for (size_t i = 0; i < recs.size(); ++i) {
        EXPECT_EQ(recs[i].points, expected[i]) << "primitive " << i;
        EXPECT_EQ(recs[i].pen.color, 0x0000FFu);
        EXPECT_EQ(recs[i].pen.BaseStyle(), fw::PS_SOLID);
        EXPECT_EQ(recs[i].pen.width, 1);
    }
    EXPECT_EQ(recs[3].kind, fw::CDrawRecord::Polygon);
    EXPECT_EQ(recs[3].brush.color, 0x0000FFu);
    fw::CPen pen = dc.SelectObject(fw::CPen());
    fw::CBrush brush = dc.SelectObject(fw::CBrush());
    EXPECT_EQ(pen.color, 0x00FF00u);
    EXPECT_EQ(brush.color, 0x123456u);
}
