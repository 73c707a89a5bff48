// The label texts of the machines and consumers on the skeleton, the
// impedance map and the co-ordination graph, with the hand values of
// MachineValuesTest and ConsumerValuesTest.

#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"

#include <gtest/gtest.h>

namespace {

CEleDocSettings Settings(int32_t mode) {
    CEleDocSettings s;
    s.nMode = mode;
    s.nFrequency = 50;
    s.dBaseCapacity = 1000.0;
    return s;
}

// A source-side or motor-side term of 10 % reactance on 1000 kVA: at 400 V
// I"k3 = 1000 x 1000 x 100 / (sqrt 3 x 400 x 10) = 14433.76 A, 14.434 kA.
CPercentZ TenPercent() {
    CPercentZ z;
    z.m_dX = 10.0;
    return z;
}

} // namespace

// 500 kVA generator at 400 V, TT: In 721.7 A; the equivalent %Z 30.056 %r
// (%R 3.796, %X 29.82) is 15.03 % on the own 500 kVA.
TEST(MachineLabels, Generator) {
    CEleGenerator g;
    g.m_nVoltage = 400;
    g.m_nEarthing = 4;
    g.m_dCapacity = 500.0;
    g.m_dTransientReactance = 22.0;
    g.m_dSubReactance = 13.0;
    g.m_dDcConstant = 0.025;
    g.m_dSubConstant = 0.014;
    g.m_calcPoint.m_dBaseCapacity = 1000.0;
    g.m_calcPoint.m_zSource = TenPercent();
    const std::string plain = "400V,50Hz\r\nTT\r\n500kVA,721.7A\r\n15.03%e";
    EXPECT_EQ(plain, g.DoGetTextLabelV1(Settings(3))) << "not a calculation point";
    g.m_nCalcPoint = 1;
    EXPECT_EQ(plain, g.DoGetTextLabelV1(Settings(2))) << "not calculated yet";
    EXPECT_EQ(plain + "\r\nI\"k3direct=14.434kA", g.DoGetTextLabelV1(Settings(3)));
    EXPECT_EQ("30.06%r\r\n=3.796\r\n+j29.82", g.DoGetTextLabelV4(Settings(1)));
}

// 800 kVA motor effect: the equivalent %Z 32.479 %r (%R 4.661, %X 32.14) is
// 25.98 % on its own 800 kVA; X/R = 25 / 3.625 = 6.897. Its direct current
// is the motor side's.
TEST(MachineLabels, MotorEffect) {
    CEleMotorEff m;
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    m.m_calcPoint.m_dBaseCapacity = 1000.0;
    m.m_calcPoint.m_zMotor = TenPercent();
    m.m_nCalcPoint = 1;
    EXPECT_EQ("800kVA\r\n25.98%e\r\nX/R=6.897", m.DoGetTextLabelV1(Settings(1)));
    EXPECT_EQ("800kVA\r\n25.98%e\r\nX/R=6.897\r\nI\"k3direct=14.434kA",
              m.DoGetTextLabelV1(Settings(4)));
    EXPECT_EQ("32.48%r\r\n=4.661\r\n+j32.14", m.DoGetTextLabelV4(Settings(1)));
}

// 7.5 kW motor: Im 12.89 A; the graph label lists name, Im, capacity and
// the starting data.
TEST(MachineLabels, MotorAndLoad) {
    CEleMotor m;
    m.m_strName = "M1";
    m.m_nVoltage = 400;
    m.m_dCapacity = 7.5;
    m.m_dPowerFactor = 0.84;
    m.m_dStartingCurrent = 7;
    m.m_dStartingTime = 5;
    m.m_dInrushCurrent = 11.9;
    EXPECT_EQ("7.5kW\r\n12.89A", m.DoGetTextLabelV1());
    EXPECT_EQ("M1\r\n12.89A\r\n7.5kW\r\n7times\r\n5s\r\n11.9times", m.DoGetTextLabelGraph());

    CEleLoad l;
    l.m_dLoadCurrent = 45.0;
    EXPECT_EQ("45A", l.DoGetTextLabelV1());
}
