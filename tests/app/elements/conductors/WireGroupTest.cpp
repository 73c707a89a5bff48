// The wire's formulas and one conductor group against the equipment tables.
// Expected values are worked by hand from the formulas (shown beside each)
// and, for the ampacities, also held against the printed tables of
// IEC 60364-5-52 that the database rows were fitted to.

#include "app/elements/conductors/CEleWireBasic.h"
#include "app/elements/conductors/CEleWirePhase.h"
#include "app/elements/conductors/WireFormulas.h"
#include "tests/app/elements/conductors/ConductorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using condtest::WithDatabases;

// pi and 2 pi as the formulas write them.
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;

CEleWireBasic Basic(uint32_t material, uint32_t insulation, uint32_t coreKind, uint32_t method,
                    uint32_t circuits = 1, double ambient = 30.0) {
    CEleWireBasic b;
    b.m_nWireSystem = 3;
    b.m_nMaterial = material;
    b.m_nInsulation = insulation;
    b.m_nCoreKind = coreKind;
    b.m_nMethod = method;
    b.m_nCircuits = circuits;
    b.m_dAmbientTemp = ambient;
    return b;
}

struct RangeCase {
    uint32_t material;
    uint32_t coreKind;
    double min;
    double max;
};

TEST(WireFormulas, SizeRangeByMaterialAndCoreKind) {
    const RangeCase cases[] = {
        {1, 1, 1.5, 630.0}, // copper single-core
        {1, 2, 1.5, 300.0}, // copper multi-core
        {2, 1, 2.5, 630.0},
        {2, 2, 2.5, 300.0}, // aluminium multi-core
    };
    for (const RangeCase& c : cases) {
        double min = -7.0;
        double max = -7.0;
        GetWireSizeRange(c.material, c.coreKind, min, max);
        EXPECT_EQ(c.min, min) << c.material << "/" << c.coreKind;
        EXPECT_EQ(c.max, max) << c.material << "/" << c.coreKind;
    }
    double min = -7.0;
    double max = -7.0;
    GetWireSizeRange(3, 3, min, max); // unknown codes leave the outputs
    EXPECT_EQ(-7.0, min);
    EXPECT_EQ(-7.0, max);
}

TEST(WireFormulas, NeutralAndProtectiveMinimaHalveAbove16) {
    double min = 0.0;
    double max = 0.0;
    GetNeutralSizeRange(1, 16.0, min, max);
    EXPECT_EQ(16.0, min);
    GetNeutralSizeRange(1, 35.0, min, max);
    EXPECT_EQ(17.5, min);
    GetNeutralSizeRange(2, 25.0, min, max); // aluminium 25: above 16, so halved
    EXPECT_EQ(12.5, min);
    EXPECT_EQ(25.0, max);                   // the aluminium maximum stays S up to 25
    GetProtectiveSizeRange(16.0, min, max); // one core of 16
    EXPECT_EQ(16.0, min);
    EXPECT_EQ(16.0, max);
    GetProtectiveSizeRange(2 * 35.0, min, max); // two phase cores of 35: half of 70
    EXPECT_EQ(35.0, min);
    EXPECT_EQ(630.0, max);
}

TEST(WireFormulas, ResistanceAndReactancePerMetre) {
    // 17.241 / 240 x (1 + 0.00393 x (30 - 20)) = 0.0718375 x 1.0393
    EXPECT_NEAR(0.07466071375, CalcWireResistanceCu(240.0, 30.0), 1e-12);
    // 28.264 / 95 x (1 + 0.00403 x (40 - 20)) = 0.297515789 x 1.0806
    EXPECT_NEAR(0.3214955621, CalcWireResistanceAl(95.0, 40.0), 1e-9);
    EXPECT_EQ(-1.0, CalcWireResistanceCu(0.0, 30.0));
    EXPECT_EQ(-1.0, CalcWireResistanceAl(-1.0, 30.0));
    // D = 4 r: (0.05 + 0.4605 log10 4) x 2 pi 50 / 1000
    //        = (0.05 + 0.4605 x 0.60206) x 0.314159265
    //        = 0.3272486 x 0.314159265 = 0.1028082
    EXPECT_NEAR((0.05 + 0.4605 * std::log10(4.0)) * kTwoPi * 50 / 1000,
                CalcWireReactance(50.0, 10.0, 20.0), 1e-15);
    EXPECT_NEAR(0.1028082, CalcWireReactance(50.0, 10.0, 20.0), 1e-7);
    EXPECT_EQ(-1.0, CalcWireReactance(50.0, 0.0, 20.0));
    EXPECT_EQ(-1.0, CalcWireReactance(50.0, 10.0, 0.0));
}

TEST(WireFormulas, AmbientFactorAndCurrentCapacity) {
    EXPECT_DOUBLE_EQ(std::sqrt(30.0 / 40.0), CalcAmbientFactor(1, 40.0)); // PVC
    EXPECT_DOUBLE_EQ(std::sqrt(50.0 / 60.0), CalcAmbientFactor(2, 40.0)); // XLPE
    EXPECT_EQ(0.0, CalcAmbientFactor(3, 40.0));
    // Iz = I0 k1 n k2
    EXPECT_DOUBLE_EQ(100.0 * 0.9 * 2 * 0.8, CalcCurrentCapacity(100.0, 2, 0.9, 0.8));
    // A group factor of -1.0 or 0 leaves out the cores as well as the factor.
    EXPECT_DOUBLE_EQ(90.0, CalcCurrentCapacity(100.0, 2, 0.9, -1.0));
    EXPECT_DOUBLE_EQ(90.0, CalcCurrentCapacity(100.0, 2, 0.9, 0.0));
    EXPECT_DOUBLE_EQ(160.0, CalcCurrentCapacity(100.0, 2, 0.0, 0.8));
}

// PVC at 80 degC has no ambient factor (the root of a negative number):
// such a wire carries nothing, so its Iz has no value and no current passes.
TEST(WireFormulas, FaultPvcAboveItsTemperatureHasNoCapacity) {
    double k1 = CalcAmbientFactor(1, 80.0);
    EXPECT_TRUE(std::isnan(k1));
    double iz = CalcCurrentCapacity(100.0, 1, k1, 1.0);
    EXPECT_FALSE(iz >= 1.0);
}

class WireGroup : public WithDatabases {};

// Copper 240 mm2 single-core, method F at 30 degC and 50 Hz. The row of
// 240 mm2: c = 1.1079, outside diameter 25.5 mm.
//   r  = sqrt(1.1079 x 240 / pi) = 9.19985465 mm, d = 2r = 18.3997093 mm
//   t' = 25.5 / 2 - r = 3.55014535 mm
//   D  = 2 (r + t') = 25.5 mm (touching cables: one outside diameter)
//   X  = (0.05 + 0.4605 log10(25.5 / 9.19985465)) x 2 pi 50 / 1000
//      = 0.0797620902 mohms/m
TEST_F(WireGroup, ImpedanceOfSingleCoreTouching) {
    CEleWireBasic basic = Basic(1, 1, 1, 6);
    CEleWirePhase g;
    g.m_dCoreSize = 240.0;
    g.m_nCores = 1;
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    double r = std::sqrt(1.1079 * 240.0 / kPi);
    EXPECT_NEAR(0.07466071375, g.m_dRPerMetre, 1e-12);
    EXPECT_EQ(g.m_dRPerMetreCalc, g.m_dRPerMetre);
    EXPECT_NEAR(18.3997093, g.m_dDiameter, 1e-6);
    EXPECT_NEAR(25.5 / 2 - r, g.m_dInsulation, 1e-12);
    EXPECT_NEAR(25.5, g.m_dDistance, 1e-12);
    EXPECT_NEAR(0.0797620902, g.m_dXPerMetre, 1e-9);
    EXPECT_EQ(g.m_dXPerMetreCalc, g.m_dXPerMetre);

    // Method G: cables a diameter apart, D = 6 (r + t') = 76.5 mm,
    // X = (0.05 + 0.4605 log10(76.5 / 9.19985465)) x 0.314159265 = 0.148787385.
    basic.m_nMethod = 7;
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    EXPECT_NEAR(3 * 25.5, g.m_dDistance, 1e-12);
    EXPECT_NEAR(0.148787385, g.m_dXPerMetre, 1e-9);
}

// Copper 2.5 mm2 in a multi-core cable, method E: c = 1.2692, insulation
// 0.8 mm from the table.
//   r = sqrt(1.2692 x 2.5 / pi) = 1.00498620 mm; D = 2 (r + 0.8) = 3.60997241
//   X = (0.05 + 0.4605 log10(3.60997241 / 1.00498620)) x 0.314159265
//     = 0.0960497381; R = 17.241 / 2.5 x 1.0393 = 7.16742852
TEST_F(WireGroup, ImpedanceOfMultiCoreCable) {
    CEleWireBasic basic = Basic(1, 1, 2, 5);
    CEleWirePhase g;
    g.m_dCoreSize = 2.5;
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    EXPECT_NEAR(7.16742852, g.m_dRPerMetre, 1e-8);
    EXPECT_EQ(0.8, g.m_dInsulation);
    EXPECT_NEAR(2.00997241, g.m_dDiameter, 1e-8);
    EXPECT_NEAR(3.60997241, g.m_dDistance, 1e-8);
    EXPECT_NEAR(0.0960497381, g.m_dXPerMetre, 1e-10);
}

// An override is written as the value in use alone; what depends on it
// follows, and the calculated value keeps the table's.
TEST_F(WireGroup, OverridesChangeOnlyTheValueInUse) {
    CEleWireBasic basic = Basic(1, 1, 2, 5);
    CEleWirePhase g;
    g.m_dCoreSize = 2.5;
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    // insulation 1.2 mm: D = 2 (1.00498620 + 1.2) = 4.40997241 in use and
    // calculated (the distance is not overridden itself).
    g.CalcPhaseImpedance(50.0, basic, 1.2, 0.0, 0.0);
    EXPECT_EQ(0.8, g.m_dInsulationCalc);
    EXPECT_EQ(1.2, g.m_dInsulation);
    EXPECT_NEAR(4.40997241, g.m_dDistance, 1e-8);
    EXPECT_EQ(g.m_dDistanceCalc, g.m_dDistance);
    // distance 10 mm typed: X = (0.05 + 0.4605 log10(10 / 1.00498620)) x 0.314159265
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 10.0);
    EXPECT_EQ(10.0, g.m_dDistance);
    EXPECT_NEAR(3.60997241, g.m_dDistanceCalc, 1e-8);
    double r = std::sqrt(1.2692 * 2.5 / kPi);
    EXPECT_NEAR((0.05 + 0.4605 * std::log10(10.0 / r)) * kTwoPi * 50 / 1000, g.m_dXPerMetre, 1e-15);
    // diameter 2 mm typed: the reactance takes d/2 = 1 mm as the radius.
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    g.CalcPhaseImpedance(50.0, basic, 0.0, 2.0, 0.0);
    EXPECT_EQ(2.0, g.m_dDiameter);
    EXPECT_NEAR(2.00997241, g.m_dDiameterCalc, 1e-8);
    EXPECT_NEAR((0.05 + 0.4605 * std::log10(3.60997241 / 1.0)) * kTwoPi * 50 / 1000, g.m_dXPerMetre,
                1e-10);
}

TEST_F(WireGroup, SizeOutsideTheRangeHasNoValues) {
    CEleWireBasic basic = Basic(2, 1, 2, 5); // aluminium starts at 2.5 mm2
    CEleWirePhase g;
    g.m_dCoreSize = 1.5;
    g.m_nCores = 1;
    g.CalcPhaseImpedance(50.0, basic, 0.0, 0.0, 0.0);
    g.CalcPhaseAmpacity(basic, 1.5, 1);
    for (double v :
         {g.m_dRPerMetre, g.m_dRPerMetreCalc, g.m_dDiameter, g.m_dInsulation, g.m_dDistance,
          g.m_dXPerMetre, g.m_dXPerMetreCalc, g.m_dBasicCurrent, g.m_dAmbientFactor})
        EXPECT_EQ(-1.0, v);
}

struct AmpacityCase {
    uint32_t insulation;
    uint32_t method;
    uint32_t material;
    double size;
    double fromRow; // A S^m - B S^n of the row, worked by hand
    double iec;     // IEC 60364-5-52 B.52.10 to B.52.13
};

TEST_F(WireGroup, BasicCurrentFromTheTableRows) {
    const AmpacityCase cases[] = {
        // Cu PVC E 2.5: 14.28 x 2.5^0.621 = 25.2260
        {1, 5, 1, 2.5, 25.2260326, 25.0},
        // Cu PVC F 240: 14.01 x 240^0.642 - 0.0193 x 240^0.82 = 470.9164
        {1, 6, 1, 240.0, 470.9164165, 485.0},
        // Cu XLPE G 95: 22.47 x 95^0.646 - 0.0663 x 95^0.8 = 423.2734
        {2, 7, 1, 95.0, 423.2733964, 430.0},
        // Al PVC E 35: 9.716 x 35^0.6435 = 95.7404
        {1, 5, 2, 35.0, 95.7404121, 96.0},
        // Cu XLPE E 16: 17.94 x 16^0.6193 = 99.8927
        {2, 5, 1, 16.0, 99.8927442, 100.0},
    };
    for (const AmpacityCase& c : cases) {
        uint32_t coreKind = c.method == 5 ? 2 : 1;
        CEleWireBasic basic = Basic(c.material, c.insulation, coreKind, c.method);
        CEleWirePhase g;
        g.CalcPhaseAmpacity(basic, c.size, 1);
        EXPECT_NEAR(c.fromRow, g.m_dBasicCurrent, 1e-6) << c.size;
        EXPECT_EQ(g.m_dBasicCurrentCalc, g.m_dBasicCurrent);
        EXPECT_NEAR(c.iec, g.m_dBasicCurrent, c.iec * 0.031) << c.size;
        // 30 degC: PVC sqrt(40/40) = 1, XLPE sqrt(60/60) = 1.
        EXPECT_DOUBLE_EQ(1.0, g.m_dAmbientFactor);
    }
}

// Group factors: method E looks up the circuits, F and G the circuits times
// the group's cores (B.52.20/21: E 3 circuits 0.82, F 4 circuits 0.84,
// G 6 circuits 0.93).
TEST_F(WireGroup, GroupFactorByMethodAndCircuits) {
    CEleWirePhase g;
    g.CalcPhaseAmpacity(Basic(1, 1, 2, 5, 3), 16.0, 1);
    EXPECT_EQ(0.82, g.m_dGroupFactor);
    g.CalcPhaseAmpacity(Basic(1, 1, 1, 6, 2), 95.0, 2);
    EXPECT_EQ(0.84, g.m_dGroupFactor);
    g.CalcPhaseAmpacity(Basic(1, 1, 1, 7, 3), 95.0, 2);
    EXPECT_EQ(0.93, g.m_dGroupFactor);
    EXPECT_EQ(g.m_dGroupFactorCalc, g.m_dGroupFactor);
    // Iz = I0 x k1 x n x k2 with Cu PVC G 95 mm2 (14.01... row of G):
    // the product of the values in use.
    EXPECT_DOUBLE_EQ(g.m_dBasicCurrent * g.m_dAmbientFactor * 2 * 0.93, g.GetCurrentCapacity());
    // 9 circuits of 4 cores: 36, which the table does not hold.
    g.CalcPhaseAmpacity(Basic(1, 1, 1, 6, 9), 95.0, 4);
    EXPECT_EQ(-1.0, g.m_dGroupFactor);
}

TEST_F(WireGroup, DefaultSizeOnceAndFrequencyKeepsTypedReactance) {
    CEleWireBasic basic = Basic(1, 1, 2, 5);
    CEleWirePhase g;
    g.DoSetDefault(50.0, basic);
    EXPECT_EQ(1u, g.m_nDefaultsSet);
    EXPECT_EQ(2.5, g.m_dCoreSize); // the row flagged default
    EXPECT_EQ(1u, g.m_nCores);
    EXPECT_NEAR(0.0960497381, g.m_dXPerMetre, 1e-10);
    g.m_dCoreSize = 16.0;
    g.DoSetDefault(50.0, basic); // a second call changes nothing
    EXPECT_EQ(16.0, g.m_dCoreSize);

    g.m_dCoreSize = 2.5;
    g.DoReadXForFrequency(60.0); // untouched: 60/50 of the value at 50 Hz
    EXPECT_NEAR(0.0960497381 * 1.2, g.m_dXPerMetre, 1e-10);
    EXPECT_EQ(g.m_dXPerMetreCalc, g.m_dXPerMetre);
    g.m_dXPerMetre = 0.07; // typed
    g.DoReadXForFrequency(50.0);
    EXPECT_EQ(0.07, g.m_dXPerMetre);
    EXPECT_NEAR(0.0960497381 * 1.2, g.m_dXPerMetreCalc, 1e-10);
}

} // namespace
