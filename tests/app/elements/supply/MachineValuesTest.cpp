// Machine values of the generator and the motor effect, their terms for the
// network reduction and their decayed currents, against values worked by
// hand from the formulas (a pocket calculator's figures, rounded as shown).

#include "app/calc/CPercentZ.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CElementMachine.h"
#include "app/shell/model/CObjElement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The default generator of the equipment table: 500 kVA, X'd 22 %, X"d 13 %,
// Tdc 0.025 s, T"d 0.014 s, at 400 V.
CEleGenerator Generator500() {
    CEleGenerator g;
    g.m_nVoltage = 400;
    g.m_dCapacity = 500.0;
    g.m_dTransientReactance = 22.0;
    g.m_dSubReactance = 13.0;
    g.m_dDcConstant = 0.025;
    g.m_dSubConstant = 0.014;
    return g;
}

// The issue's motor effect: 80 % of a 1000 kVA supply, with the equipment
// row of 1000 kVA (X"m 20 %, Rr 1.6 %, Rs 1.3 %), at 400 V.
CEleMotorEff MotorEffect800() {
    CEleMotorEff m;
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    return m;
}

// Relative closeness: the hand values carry five or more digits.
void ExpectClose(double expected, double actual, double relative = 1e-6) {
    EXPECT_NEAR(expected, actual, std::fabs(expected) * relative + 1e-12);
}

} // namespace

// In = 500 000 / 400 / sqrt 3 = 721.6878 A
// Ra = 13 / (2 pi 50 x 0.025) = 13 / 7.853982 = 1.655211 %
// I"kd = 721.6878 x 100 / sqrt(1.655211^2 + 13^2) = 72168.78 / 13.10495 = 5506.986 A
// I'kd = 721.6878 / sqrt(1.655211^2 + 22^2) x 100 = 72168.78 / 22.06218 = 3271.154 A
// Iac0 = 3271.154 + (5506.986 - 3271.154) x e^(-1 / (100 x 0.014)) = 3271.154 + 2235.832 x
//        0.4895417 = 4365.687 A
// IacL = 1.1 x 4365.687 = 4802.256 A
// Ip = sqrt 2 x 5506.986 x e^(-1 / (100 x 0.025)) + sqrt 2 x 4365.687
//    = 7788.08 x 0.6703200 + 6173.98 = 11394.50 A
TEST(GeneratorValues, FiveHundredKvaAtFiftyHertz) {
    CEleGenerator g = Generator500();
    ExpectClose(721.6878, g.GetRatedCurrent(), 1e-6);
    ExpectClose(1.655211, g.GetStatorResistance(50), 1e-6);
    ExpectClose(5506.986, g.GetIkdSubtransient(50), 1e-6);
    ExpectClose(3271.154, g.GetIkdTransient(50), 1e-6);
    ExpectClose(4365.687, g.GetIacNoLoad(50), 1e-6);
    ExpectClose(4802.256, g.GetIacLoad(50), 1e-6);
    ExpectClose(11394.50, g.GetIacPeak(50), 1e-6);
}

// At 60 Hz: Ra = 13 / (2 pi 60 x 0.025) = 1.379343 %; I"kd and I'kd grow a
// little with the smaller Ra and the AC component decays over a shorter
// half period: IacL = 4964.029 A.
TEST(GeneratorValues, FrequencyEntersStatorResistanceAndDecay) {
    CEleGenerator g = Generator500();
    ExpectClose(1.379343, g.GetStatorResistance(60), 1e-6);
    ExpectClose(4964.029, g.GetIacLoad(60), 1e-6);
}

TEST(GeneratorValues, GuardsGiveZeroOrTheirFallback) {
    CEleGenerator g = Generator500();
    g.m_dDcConstant = 0.0; // no Ra, and the peak loses its DC part
    EXPECT_EQ(0.0, g.GetStatorResistance(50));
    ExpectClose(std::sqrt(2.0) * g.GetIacNoLoad(50), g.GetIacPeak(50), 1e-12);

    g = Generator500();
    g.m_dSubConstant = 0.0; // the AC component without load is I'kd
    EXPECT_EQ(g.GetIkdTransient(50), g.GetIacNoLoad(50));

    g = Generator500();
    g.m_nVoltage = 0;
    for (double v :
         {g.GetRatedCurrent(), g.GetIkdSubtransient(50), g.GetIkdTransient(50), g.GetIacNoLoad(50),
          g.GetIacLoad(50), g.GetIacPeak(50), g.DoCalcDecayCurrent(50, 1000, 0, 0),
          g.DoCalcPercentZFromCurrent(50, 1000, 0)})
        EXPECT_EQ(0.0, v);

    g = Generator500();
    g.m_dSubReactance = 0.0;
    g.m_dTransientReactance = 0.0; // Ra 0 too: no current at all
    EXPECT_EQ(0.0, g.GetIkdSubtransient(50));
    EXPECT_EQ(0.0, g.GetIkdTransient(50));
}

// %R = 1000 / 500 x 1.655211 = 3.310423; %X = 1000 / 500 x 13 = 26.
TEST(GeneratorValues, OwnTermOnTheReferenceCapacity) {
    CEleGenerator g = Generator500();
    CPercentZ z = g.DoCalcPercentZ(50, 1000.0);
    ExpectClose(3.310423, z.m_dR, 1e-6);
    ExpectClose(26.0, z.m_dX, 1e-12);
    EXPECT_EQ(0.0, z.m_dRMotor);

    g.m_dCapacity = 0.0;
    z = g.DoCalcPercentZ(50, 1000.0);
    EXPECT_EQ(0.0, z.m_dR);
    EXPECT_EQ(0.0, z.m_dX);
}

// With no external impedance the decayed current is IacL (4802.256 A).
// Through R = 2 %, X = 5 % on 1000 kVA: k = 0.5, R' = 1, X' = 2.5;
// Rt = 2.655211; Zs = sqrt(2.655211^2 + 15.5^2) = 15.72578;
// Zt = sqrt(2.655211^2 + 24.5^2) = 24.64346;
// Is = 500 000 x 100 / (sqrt 3 x 400 x 15.72578) = 4589.202 A;
// It = 2928.517 A; T = 0.014 x (1 + 2.5 / 15.5) / (1 + 2.5 / 24.5) = 0.01475269 s;
// I = 1.1 x (2928.517 + 1660.686 x e^(-1 / (100 x 0.01475269))) = 4148.832 A.
TEST(GeneratorValues, DecayedCurrentThroughTheNetwork) {
    CEleGenerator g = Generator500();
    ExpectClose(4802.256, g.DoCalcDecayCurrent(50, 1000.0, 0.0, 0.0), 1e-6);
    ExpectClose(4148.832, g.DoCalcDecayCurrent(50, 1000.0, 2.0, 5.0), 1e-6);
    // Below 1 V or 1 Hz nothing; a time constant of 0 nothing although the
    // dialog's AC component without load is I'kd then.
    EXPECT_EQ(0.0, g.DoCalcDecayCurrent(0, 1000.0, 0.0, 0.0));
    g.m_dSubConstant = 0.0;
    EXPECT_EQ(0.0, g.DoCalcDecayCurrent(50, 1000.0, 0.0, 0.0));
    EXPECT_GT(g.GetIacNoLoad(50), 0.0);
}

// %Z = 1000 x 1000 x 100 / (sqrt 3 x 400 x 4802.256) = 30.05620 %;
// r = 26 / 3.310423 = 7.853982; %R = 30.05620 / sqrt(r^2 + 1) = 3.796227;
// %X = 29.81550; on the generator's own 500 kVA: 15.02810 %.
TEST(GeneratorValues, EquivalentImpedanceOfTheMachineAlone) {
    CEleGenerator g = Generator500();
    ExpectClose(30.05620, g.GetEquivalentPercentZ(50, 1000.0), 1e-6);
    ExpectClose(3.796227, g.GetEquivalentPercentR(50, 1000.0), 1e-6);
    ExpectClose(29.81550, g.GetEquivalentPercentX(50, 1000.0), 1e-6);
    ExpectClose(15.02810, g.GetEquivalentPercentZRated(50, 1000.0), 1e-6);
}

// A reference capacity of 0 has no percent values: the external impedance
// cannot be put on the generator's capacity (it is left out) and the rated
// equivalent impedance is 0 instead of 0 / 0.
TEST(GeneratorValues, ZeroReferenceCapacityGivesZeroPercentTerms) {
    CEleGenerator g = Generator500();
    EXPECT_EQ(0.0, g.GetEquivalentPercentZRated(50, 0.0));
    EXPECT_EQ(0.0, g.GetEquivalentPercentZ(50, 0.0));
    EXPECT_EQ(0.0, g.GetEquivalentPercentR(50, 0.0));
    EXPECT_EQ(0.0, g.GetEquivalentPercentX(50, 0.0));
    ExpectClose(g.GetIacLoad(50), g.DoCalcDecayCurrent(50, 0.0, 2.0, 5.0), 1e-12);
    EXPECT_FALSE(std::isnan(g.DoCalcDecayCurrent(50, 0.0, 0.0, 0.0)));
}

// The issue's figures (P = 1000 kVA supply, 50 Hz, 400 V):
// In = 800 000 / 400 / sqrt 3 = 1154.701 A
// Z"m = sqrt((1.6 + 1.3)^2 + 20^2) = sqrt 408.41 = 20.20916 %
// T"m = 20 / (2 pi 50 x 1.6) = 0.03978874 s; Tdcm = 20 / (2 pi 50 x 1.3) = 0.04897075 s
// I"m = 1154.701 / 20.20916 x 100 = 5713.749 A
// Iacm = e^(-1 / (100 x 0.03978874)) x 5713.749 = 0.7777676 x 5713.749 = 4443.970 A
// Ipm = sqrt 2 x 5713.749 x e^(-1 / (100 x 0.04897075)) + sqrt 2 x 4443.970
//     = 8080.48 x 0.8152964 + 6284.76 = 12872.69 A
TEST(MotorEffectValues, IssueFiguresUnderAThousandKvaSupply) {
    CEleMotorEff m = MotorEffect800();
    ExpectClose(1154.701, m.GetRatedCurrent(), 1e-6);
    ExpectClose(20.20916, m.GetSubtransientImpedance(), 1e-6);
    ExpectClose(0.03978874, m.GetSubtransientTimeConstant(50), 1e-6);
    ExpectClose(0.04897075, m.GetDcTimeConstant(50), 1e-6);
    ExpectClose(5713.749, m.GetInitialCurrent(), 1e-6);
    ExpectClose(4443.970, m.GetIacm(50), 1e-6);
    ExpectClose(12872.69, m.GetIacPeak(50), 1e-6);
    // The report texts as the issue quotes them.
    EXPECT_EQ("1155", m.DoGetTextRatedCurrent(0));
    EXPECT_EQ("20.21", m.DoGetTextSubtransientImpedance(0));
    EXPECT_EQ("5.714", m.DoGetTextInitialCurrent(0));
    EXPECT_EQ("4.444", m.DoGetTextIacm(50, 0));
    EXPECT_EQ("12.87", m.DoGetTextIacPeak(50, 0));
}

// Own term: k = 1000 / 800 = 1.25; %R = 1.25 x 2.9 = 3.625, %X = 25.0,
// share = 1.25 x 1.3 = 1.625.
TEST(MotorEffectValues, OwnTermWithTheStatorShare) {
    CEleMotorEff m = MotorEffect800();
    CPercentZ z = m.DoCalcPercentZ(1000.0);
    ExpectClose(3.625, z.m_dR, 1e-12);
    ExpectClose(25.0, z.m_dX, 1e-12);
    ExpectClose(1.625, z.m_dRMotor, 1e-12);
    m.m_dCapacity = 0.0;
    z = m.DoCalcPercentZ(1000.0);
    EXPECT_EQ(0.0, z.m_dR);
    EXPECT_EQ(0.0, z.m_dX);
    EXPECT_EQ(0.0, z.m_dRMotor);
}

// With no external impedance the decayed current is Iacm (4443.970 A).
// Through R = 2 %, X = 5 %: R' = 1.6, X' = 4; Xt = 24;
// T = 24 / (2 pi 50 x 1.6) = 0.04774648 s; Zt = sqrt(4.5^2 + 24^2) = 24.41823;
// I = 1154.701 x 100 / 24.41823 x e^(-1 / (100 x 0.04774648)) = 3835.277 A.
TEST(MotorEffectValues, DecayedCurrentThroughTheNetwork) {
    CEleMotorEff m = MotorEffect800();
    ExpectClose(4443.970, m.DoCalcDecayCurrent(50, 1000.0, 0.0, 0.0), 1e-6);
    ExpectClose(3835.277, m.DoCalcDecayCurrent(50, 1000.0, 2.0, 5.0), 1e-6);
    // A negative external resistance drops the whole external impedance.
    ExpectClose(4443.970, m.DoCalcDecayCurrent(50, 1000.0, -0.1, 5.0), 1e-6);
    // No reference capacity: the external part cannot be converted either.
    ExpectClose(4443.970, m.DoCalcDecayCurrent(50, 0.0, 2.0, 5.0), 1e-6);
}

// Rr = 0: no T"m, no Iacm, no decayed current and no equivalent impedance;
// Rs = 0: no Tdcm and the peak is sqrt 2 x Iacm.
TEST(MotorEffectValues, ZeroResistancesGiveZeroes) {
    CEleMotorEff m = MotorEffect800();
    m.m_dRotorResistance = 0.0;
    EXPECT_EQ(0.0, m.GetSubtransientTimeConstant(50));
    EXPECT_EQ(0.0, m.GetIacm(50));
    EXPECT_EQ(0.0, m.DoCalcDecayCurrent(50, 1000.0, 0.0, 0.0));
    EXPECT_EQ(0.0, m.GetEquivalentPercentZ(50, 1000.0));

    m = MotorEffect800();
    m.m_dStatorResistance = 0.0;
    EXPECT_EQ(0.0, m.GetDcTimeConstant(50));
    ExpectClose(std::sqrt(2.0) * m.GetIacm(50), m.GetIacPeak(50), 1e-12);
}

// %Z = 1000 x 1000 x 100 / (sqrt 3 x 400 x 4443.970) = 32.47942 %;
// r = 25 / 3.625 = 6.896552; %R = 32.47942 / sqrt(r^2 + 1) = 4.660775;
// %X = 32.14327; rated on 800 kVA: 25.98354 %.
TEST(MotorEffectValues, EquivalentImpedanceAndRatio) {
    CEleMotorEff m = MotorEffect800();
    ExpectClose(32.47942, m.GetEquivalentPercentZ(50, 1000.0), 1e-6);
    ExpectClose(4.660775, m.GetEquivalentPercentR(50, 1000.0), 1e-6);
    ExpectClose(32.14327, m.GetEquivalentPercentX(50, 1000.0), 1e-6);
    ExpectClose(25.98354, m.GetEquivalentPercentZRated(50, 1000.0), 1e-6);
    EXPECT_EQ("6.897", m.DoGetTextXR(1000.0));
    EXPECT_EQ(0.0, m.GetEquivalentPercentZRated(50, 0.0));
}

// The calculation's machine seam answered by the element: a motor-effect
// node at the fault point (its own %R and %X 0) takes the equivalent
// impedance of Iacm with the ratio Xe / (Re - te) = 25 / (3.625 - 1.625) =
// 12.5: %Z = 32.47942, %R = 32.47942 / sqrt(12.5^2 + 1) = 2.590079,
// %X = 32.37599.
TEST(MachineSeam, MotorEffectNodeAtItsOwnFault) {
    CObjElement element(kKindMotorEff);
    auto* m = static_cast<CEleMotorEff*>(element.GetElement());
    *m = MotorEffect800();
    CEleDocSettings settings;
    CElementMachine machine(element, settings);
    EXPECT_EQ(400, machine.GetVoltage());

    CPercentZ node;
    node.m_nKind = kKindMotorEff;
    node.DoSetByElement(settings.dBaseCapacity, &machine);
    ExpectClose(2.590079, node.m_dR, 1e-6);
    ExpectClose(32.37599, node.m_dX, 1e-6);
}

// A generator node away from the fault: its %R and %X hold the machine and
// the network to the point (3.310423 + 2, 26 + 5 on 1000 kVA), so the
// external part is 2 + j5 and the current 4148.832 A (as above); the ratio
// is that of the node, 31 / 5.310423 = 5.837577;
// %Z = 1000 x 1000 x 100 / (sqrt 3 x 400 x 4148.832) = 34.78993;
// %R = 34.78993 / sqrt(5.837577^2 + 1) = 5.874088, %X = 34.29044.
TEST(MachineSeam, GeneratorNodeThroughTheNetwork) {
    CObjElement element(kKindGenerator);
    auto* g = static_cast<CEleGenerator*>(element.GetElement());
    *g = Generator500();
    CEleDocSettings settings;
    CElementMachine machine(element, settings);

    CPercentZ node = g->DoCalcPercentZ(50, 1000.0);
    node.m_nKind = kKindGenerator;
    node.m_dR += 2.0;
    node.m_dX += 5.0;
    node.DoSetByElement(settings.dBaseCapacity, &machine);
    ExpectClose(5.874088, node.m_dR, 1e-6);
    ExpectClose(34.29044, node.m_dX, 1e-6);
}

// Kinds that are no machines answer nothing through the seam, and the
// element's operations give the neutral results of their rows.
TEST(MachineSeam, OtherKindsAnswerNothing) {
    CObjElement element(kKindMotor);
    CEleDocSettings settings;
    CElementMachine machine(element, settings);
    EXPECT_EQ(0.0, machine.GetDecayCurrent(0.0, 0.0));
    CPercentZ own = machine.GetOwnPercentZ();
    EXPECT_EQ(0.0, own.m_dR);
    EXPECT_EQ(0.0, own.m_dX);
}
