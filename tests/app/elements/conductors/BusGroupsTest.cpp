// The bus-bar's formulas and conductor group against the flat-bar table, and
// the bus-duct's group against the bus-duct table. Expected values are worked
// by hand from the formulas and the rows quoted beside them.

#include "app/elements/conductors/BusBarFormulas.h"
#include "app/elements/conductors/CEleBusBarBasic.h"
#include "app/elements/conductors/CEleBusBarPhase.h"
#include "app/elements/conductors/CEleBusDuctBasic.h"
#include "app/elements/conductors/CEleBusDuctPhase.h"
#include "tests/app/elements/conductors/ConductorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using condtest::WithDatabases;

constexpr double kTwoPi = 6.28318530717958;

CEleBusBarBasic BarBasic(uint32_t material, uint32_t surface, uint32_t installation,
                         double maxTemp = 65.0, double ambient = 35.0) {
    CEleBusBarBasic b;
    b.m_nWireSystem = 3;
    b.m_nMaterial = material;
    b.m_nSurface = surface;
    b.m_nInstallation = installation;
    b.m_dMaxTemp = maxTemp;
    b.m_dAmbientTemp = ambient;
    return b;
}

TEST(BusBarFormulas, ResistanceReactanceAndFactors) {
    // Cu 100 x 10, one bar, ks 1.08 at 35 degC:
    // 1.08 x 1000 / 56 / 1000 x (1 + 0.00393 x 15) = 0.0192857 x 1.05895
    EXPECT_NEAR(0.0204226071, DoCalcRPerMetreCu(35.0, 100, 10, 1, 1.08), 1e-10);
    // Al: 1.08 x 1000 / 35.1 / 1000 x (1 + 0.00403 x 15) = 0.0307692 x 1.06045
    EXPECT_NEAR(0.0326292308, DoCalcRPerMetreAl(35.0, 100, 10, 1, 1.08), 1e-10);
    EXPECT_EQ(0.0, DoCalcRPerMetreCu(35.0, 0, 10, 1, 1.08));
    EXPECT_EQ(0.0, DoCalcRPerMetreAl(35.0, 100, 10, 0, 1.08));
}

// A damaged file's bar of 100 000 x 100 000 mm, four of them: the section
// 4e10 mm2 is beyond a 32-bit integer. Cu at 35 degC, ks 1.08:
// 1.08 x 1000 / 56 x 1.05895 = 20.42260714286, over 4e10: 5.105651786e-10 ohm/m.
TEST(BusBarFormulas, SectionBeyondA32BitInteger_FaultSectionOverflow) {
    EXPECT_NEAR(5.105651786e-10, DoCalcRPerMetreCu(35.0, 100000, 100000, 4, 1.08), 1e-18);
    // The largest sizes a file can hold: 20.42260714286 / (2^31 - 1)^3.
    const double most = 2147483647.0;
    const double r = DoCalcRPerMetreCu(35.0, 2147483647, 2147483647, 2147483647, 1.08);
    EXPECT_NEAR(20.42260714286 / (most * most * most) / r, 1.0, 1e-11);
    // a 200, b 100, dm 10: (0.4605 log10(200 / 110 / 0.2235) + 0.04615) x 2 pi 50 / 1000
    //   = (0.4605 x 0.910367 + 0.04615) x 0.314159 = 0.146200511
    EXPECT_NEAR(0.146200511, DoCalcXPerMetre(50.0, 100, 200, 10.0), 1e-9);
    EXPECT_EQ(0.0, DoCalcXPerMetre(50.0, 100, 0, 10.0));
    EXPECT_EQ(0.0, DoCalcXPerMetre(50.0, 0, 200, 0.0));
    // 65/35: (30/30 x 1.18 / (1 + 0.004 x 45))^(1/1.7) = 1^(1/1.7) = 1
    EXPECT_NEAR(1.0, DoCalcTemperatureFactor(65.0, 35.0), 1e-15);
    // 85/35: (50/30 x 1.18 / 1.26)^(1/1.7) = 1.5608466^0.588235 = 1.29939533
    EXPECT_NEAR(1.29939533, DoCalcTemperatureFactor(85.0, 35.0), 1e-8);
    EXPECT_EQ(0.0, DoCalcTemperatureFactor(50.0, 50.0));
    EXPECT_TRUE(std::isnan(DoCalcTemperatureFactor(30.0, 35.0)));
    EXPECT_DOUBLE_EQ(1000.0 * 0.9 * 0.8 * 0.95, DoCalcIz(1000.0, 0.9, 0.8, 0.95));
    EXPECT_DOUBLE_EQ(1000.0 * 0.8, DoCalcIz(1000.0, 0.0, 0.8, -1.0)); // skipped factors
    EXPECT_TRUE(std::isnan(DoCalcIz(1000.0, std::nan(""), 1.0, 1.0)));
}

class BusBarGroup : public WithDatabases {};

// The default row (id 46): 100 x 10 mm, one bar; dm 10, ks 1.08,
// Cu bare 1490 A, Cu painted 1810 A, k3 painted 0.9, bare 0.88, k4 1.
TEST_F(BusBarGroup, DefaultGeometryFromTheTable) {
    CEleBusBarPhase g;
    g.DoSetDefault(50.0, BarBasic(1, 1, 1));
    EXPECT_EQ(1u, g.m_nLookedUp);
    EXPECT_EQ(100, g.m_nWidth);
    EXPECT_EQ(10, g.m_nThickness);
    EXPECT_EQ(1, g.m_nNumber);
    EXPECT_EQ(200, g.m_nDistance);
    EXPECT_EQ(1.08, g.m_dSkinEffect);
    EXPECT_EQ(1.08, g.m_dSkinEffectCalc);
    EXPECT_NEAR(0.0204226071, g.m_dRPerMetre, 1e-10);
    EXPECT_NEAR(0.146200511, g.m_dXPerMetre, 1e-9);
    EXPECT_EQ(1490.0, g.m_dBasicCurrent);
    EXPECT_NEAR(1.0, g.m_dTemperatureFactor, 1e-15);
    EXPECT_EQ(1.0, g.m_dInstallationFactor); // vertical
    EXPECT_EQ(1.0, g.m_dProximityFactor);
    EXPECT_NEAR(1490.0, g.GetCurrentCapacity(), 1e-9);

    g.m_nWidth = 60;
    g.DoSetDefault(50.0, BarBasic(1, 1, 1)); // looked up once
    EXPECT_EQ(60, g.m_nWidth);
}

TEST_F(BusBarGroup, CurrentDataByMaterialSurfaceAndInstallation) {
    struct Case {
        uint32_t material, surface, installation;
        double i0, k2;
    };
    // Row 46: Al painted 1410, Al bare 1160; laid flat the factor of the surface.
    const Case cases[] = {
        {1, 1, 1, 1490.0, 1.0}, {1, 2, 1, 1810.0, 1.0},  {2, 1, 1, 1160.0, 1.0},
        {2, 2, 1, 1410.0, 1.0}, {1, 1, 2, 1490.0, 0.88}, {1, 2, 2, 1810.0, 0.9},
    };
    for (const Case& c : cases) {
        CEleBusBarPhase g;
        g.DoCalcIByValues(BarBasic(c.material, c.surface, c.installation), 100, 10, 1);
        EXPECT_EQ(c.i0, g.m_dBasicCurrent) << c.material << c.surface << c.installation;
        EXPECT_EQ(c.k2, g.m_dInstallationFactor) << c.material << c.surface << c.installation;
        EXPECT_EQ(g.m_dBasicCurrentCalc, g.m_dBasicCurrent);
    }
}

TEST_F(BusBarGroup, TypedSkinEffectAndMissingRow) {
    CEleBusBarBasic basic = BarBasic(1, 1, 1);
    CEleBusBarPhase g;
    g.DoSetDefault(50.0, basic);
    // A typed ks of 1.5 enters R/m; the table's stays the calculated factor.
    g.DoCalcZByValues(50.0, basic, 100, 10, 1, 200, 1.5);
    EXPECT_EQ(1.08, g.m_dSkinEffectCalc);
    EXPECT_EQ(1.5, g.m_dSkinEffect);
    EXPECT_NEAR(1.5 / 56 * (1 + 0.00393 * 15), g.m_dRPerMetre, 1e-15);
    EXPECT_EQ(g.m_dRPerMetreCalc, g.m_dRPerMetre);
    // 99 x 9 x 1 is not in the table: ks and dm are 0, so R/m is 0 and X/m
    // is computed from the width alone:
    // (0.4605 log10(200 / 99 / 0.2235) + 0.04615) x 0.314159265
    g.DoCalcZByValues(50.0, basic, 99, 9, 1, 200, 0.0);
    g.DoCalcIByValues(basic, 99, 9, 1);
    EXPECT_EQ(0.0, g.m_dSkinEffect);
    EXPECT_EQ(0.0, g.m_dRPerMetre);
    EXPECT_NEAR((0.4605 * std::log10(200.0 / 99.0 / 0.2235) + 0.04615) * 50 * kTwoPi / 1000,
                g.m_dXPerMetre, 1e-15);
    EXPECT_EQ(0.0, g.m_dBasicCurrent);
    EXPECT_EQ(0.0, g.GetCurrentCapacity());
}

TEST_F(BusBarGroup, FrequencyChangeKeepsTypedReactanceAndResistance) {
    CEleBusBarBasic basic = BarBasic(1, 1, 1);
    CEleBusBarPhase g;
    g.DoSetDefault(50.0, basic);
    g.m_dRPerMetre = 0.5; // typed
    g.DoReadXForFrequency(60.0);
    // (0.4605 log10(200 / 110 / 0.2235) + 0.04615) x 2 pi 60 / 1000
    EXPECT_NEAR(0.175440613, g.m_dXPerMetre, 1e-9);
    EXPECT_EQ(g.m_dXPerMetreCalc, g.m_dXPerMetre);
    EXPECT_EQ(0.5, g.m_dRPerMetre);
    g.m_dXPerMetre = 0.2; // typed
    g.DoReadXForFrequency(50.0);
    EXPECT_EQ(0.2, g.m_dXPerMetre);
    EXPECT_NEAR(0.175440613, g.m_dXPerMetreCalc, 1e-9);
}

class BusDuctGroup : public WithDatabases {};

CEleBusDuctBasic DuctBasic(uint32_t material) {
    CEleBusDuctBasic b;
    b.m_nWireSystem = 3;
    b.m_nMaterial = material;
    b.m_nInsulation = 2;
    b.m_dMaxTemp = 95.0;
    b.m_dAmbientTemp = 40.0;
    return b;
}

// Default rows: copper 1000 A (110 x 6, one bar, R 0.02791, X 0.01341 at
// 50 Hz and 0.01609 at 60 Hz), aluminium 1000 A (170 x 6, R 0.02975).
TEST_F(BusDuctGroup, DefaultRowByMaterialAndFrequency) {
    CEleBusDuctPhase g;
    g.DoSetDefault(50.0, DuctBasic(1));
    EXPECT_EQ(1u, g.m_nLookedUp);
    EXPECT_EQ(1000.0, g.m_dRatedCurrent);
    EXPECT_EQ(110.0, g.m_dWidth);
    EXPECT_EQ(6.0, g.m_dThickness);
    EXPECT_EQ(1u, g.m_nNumber);
    EXPECT_EQ(0.02791, g.m_dRPerMetre);
    EXPECT_EQ(0.02791, g.m_dRPerMetreTable);
    EXPECT_EQ(0.01341, g.m_dXPerMetre);
    CEleBusDuctPhase al;
    al.DoSetDefault(60.0, DuctBasic(2));
    EXPECT_EQ(170.0, al.m_dWidth);
    EXPECT_EQ(0.02975, al.m_dRPerMetre);
    EXPECT_EQ(0.01609, al.m_dXPerMetre);
}

TEST_F(BusDuctGroup, LookUpByRatedCurrent) {
    CEleBusDuctPhase g;
    g.DoSetDefault(50.0, DuctBasic(1));
    g.m_dRatedCurrent = 2500.0; // copper 2500 A: 135 x 6, two bars
    g.m_dRPerMetre = 0.1;       // typed before: replaced by the table's
    g.DoReadByRatedCurrent(50.0, DuctBasic(1));
    EXPECT_EQ(135.0, g.m_dWidth);
    EXPECT_EQ(2u, g.m_nNumber);
    EXPECT_EQ(0.01157, g.m_dRPerMetre);
    EXPECT_EQ(0.00973, g.m_dXPerMetre);
    g.m_dRatedCurrent = 999.0; // no row: everything stays
    g.m_dXPerMetre = 0.5;
    g.DoReadByRatedCurrent(50.0, DuctBasic(1));
    EXPECT_EQ(135.0, g.m_dWidth);
    EXPECT_EQ(0.01157, g.m_dRPerMetre);
    EXPECT_EQ(0.5, g.m_dXPerMetre);
}

TEST_F(BusDuctGroup, FrequencyChangeReadsOnlyUntypedReactance) {
    CEleBusDuctPhase g;
    g.DoSetDefault(50.0, DuctBasic(1));
    g.m_dRPerMetre = 0.05; // typed: a frequency change never touches R
    g.DoReadXForFrequency(60.0, DuctBasic(1));
    EXPECT_EQ(0.01609, g.m_dXPerMetre);
    EXPECT_EQ(0.01609, g.m_dXPerMetreTable);
    EXPECT_EQ(0.05, g.m_dRPerMetre);
    g.DoReadXForFrequency(55.0, DuctBasic(1)); // neither column
    EXPECT_EQ(0.01609, g.m_dXPerMetre);
    g.m_dXPerMetre = 0.02; // typed
    g.DoReadXForFrequency(50.0, DuctBasic(1));
    EXPECT_EQ(0.02, g.m_dXPerMetre);
    EXPECT_EQ(0.01609, g.m_dXPerMetreTable);
}

} // namespace
