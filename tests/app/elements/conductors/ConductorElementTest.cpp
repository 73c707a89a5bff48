// The three conductor models through the element object: set-up, percent
// impedance with the single-phase modes, voltage drops side by side, data
// and capacity checks, frequency, earthing, rotation, the edit flow and the
// labels. Expected values are worked by hand beside each case.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "tests/app/elements/conductors/ConductorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using condtest::TestDocument;
using condtest::WithDatabases;

template <class Model> Model& ModelOf(CObjElement& element) {
    return *static_cast<Model*>(element.GetElement());
}

// Sets every group's values in use to R and X per metre (and, for the wire,
// the cores) without the database.
void SetGroups(CEleWire& w, double r, double x, uint32_t cores = 1) {
    for (CEleWirePhase* g : {&w.m_phase3, &w.m_phaseN, &w.m_phasePE}) {
        g->m_dRPerMetre = r;
        g->m_dXPerMetre = x;
        g->m_nCores = cores;
    }
}
void SetGroups(CEleBusBar& b, double r, double x) {
    for (CEleBusBarPhase* g : {&b.m_phase3, &b.m_phaseN, &b.m_phasePE}) {
        g->m_dRPerMetre = r;
        g->m_dXPerMetre = x;
    }
}
void SetGroups(CEleBusDuct& d, double r, double x) {
    for (CEleBusDuctPhase* g : {&d.m_phase3, &d.m_phaseN, &d.m_phasePE}) {
        g->m_dRPerMetre = r;
        g->m_dXPerMetre = x;
    }
}

class WireElement : public WithDatabases {};

// Copper 240 mm2 single-core at 30 degC, 50 m, 400 V, 1000 kVA:
//   R/m = 17.241 / 240 x (1 + 0.00393 x 10) = 0.07466071375 mohms/m
//   %R  = R/m x P x L / n / V^2 x 100 = 0.07466071375 x 1000 x 50 / 160000 x 100
//       = 0.07466071375 x 31.25 = 2.3331473
//   X/m typed 0.08: %X = 0.08 x 31.25 = 2.5
TEST_F(WireElement, PercentImpedanceOfTheHandExample) {
    CObjElement element(kKindWire);
    CEleWire& w = ModelOf<CEleWire>(element);
    w.m_nVoltage = 400;
    w.m_basic.m_nWireSystem = 1;
    w.m_basic.m_nMaterial = 1;
    w.m_basic.m_nCoreKind = 1;
    w.m_basic.m_nMethod = 6;
    w.m_basic.m_dAmbientTemp = 30.0;
    w.m_basic.m_dLength = 50.0;
    w.m_phase3.m_dCoreSize = 240.0;
    w.m_phase3.m_nCores = 1;
    w.m_phase3.CalcPhaseImpedance(50.0, w.m_basic, 0.0, 0.0, 0.0);
    EXPECT_NEAR(0.07466071, w.m_phase3.m_dRPerMetre, 5e-9);
    w.m_phase3.m_dXPerMetre = 0.08;

    CEleDocSettings settings;
    settings.dBaseCapacity = 1000.0;
    CPercentZ z = element.DoCalcPercentZ(settings);
    EXPECT_NEAR(2.3331473, z.m_dR, 5e-8);
    EXPECT_NEAR(2.5, z.m_dX, 1e-12);
    EXPECT_EQ(0.0, z.m_dRN); // wire system 1: no N or PE
    CPercentZ npe = element.DoCalcPercentZNPE(settings);
    EXPECT_EQ(0.0, npe.m_dRN);
    EXPECT_EQ(0.0, npe.m_dRPE);
}

// R/m 0.1, X/m 0.05, 10 m, 1000 kVA.
TEST(ConductorPercentZ, SinglePhaseModesUseVAndWholeHalfOfV) {
    struct Case {
        int32_t voltage;
        uint32_t mode;
        double r;    // %R
        double half; // half-voltage pair, %R
    };
    const Case cases[] = {
        // mode 1 at V/2 = 100: 2 x 0.1 x 1000 x 10 / 100^2 x 100 = 20
        {200, 1, 20.0, 0.0},
        // 201 V halves to 100 as well
        {201, 1, 20.0, 0.0},
        // mode 2 at V = 200: 2 x 0.1 x 1000 x 10 / 200^2 x 100 = 5; pair 5 - 20
        {200, 2, 5.0, -15.0},
        // 231 V: V/2 = 115; 2 x 1000 / 115^2 x 100 = 15.1228733, at 231 V 3.7480557
        {231, 2, 3.7480557, 3.7480557 - 15.1228733},
        {200, 3, 0.0, 0.0}, // other modes: nothing
    };
    for (const Case& c : cases) {
        CEleWire w;
        CEleBusBar b;
        CEleBusDuct d;
        w.m_nVoltage = b.m_nVoltage = d.m_nVoltage = c.voltage;
        w.m_nSinglePhase = b.m_nSinglePhase = d.m_nSinglePhase = 1;
        w.m_basic.m_dLength = b.m_basic.m_dLength = d.m_basic.m_dLength = 10.0;
        SetGroups(w, 0.1, 0.05);
        SetGroups(b, 0.1, 0.05);
        SetGroups(d, 0.1, 0.05);
        CPercentZ zw;
        CPercentZ zb;
        CPercentZ zd;
        w.DoCalcPercentZ(zw, 1000.0, 1, c.mode);
        b.DoCalcPercentZ(zb, 1000.0, 1, c.mode);
        d.DoCalcPercentZ(zd, 1000.0, 1, c.mode);
        for (const CPercentZ* z : {&zw, &zb, &zd}) {
            EXPECT_NEAR(c.r, z->m_dR, 1e-6) << c.voltage << " mode " << c.mode;
            EXPECT_NEAR(c.r / 2, z->m_dX, 1e-6) << c.voltage << " mode " << c.mode;
            EXPECT_NEAR(c.half, z->m_dRHalf, 1e-6) << c.voltage << " mode " << c.mode;
        }
    }
}

TEST(ConductorPercentZ, GroupsByWireSystemAndTheWireCores) {
    CEleWire w;
    w.m_nVoltage = 400;
    w.m_basic.m_dLength = 10.0;
    SetGroups(w, 0.1, 0.05, 2);
    // Three-phase, 2 cores: 0.1 x 1000 x 10 / 2 / 400^2 x 100 = 0.3125
    for (uint32_t ws : {1u, 2u, 3u}) {
        w.m_basic.m_nWireSystem = ws;
        CPercentZ z;
        w.DoCalcPercentZ(z, 1000.0, 1, 2);
        EXPECT_DOUBLE_EQ(0.3125, z.m_dR);
        CPercentZ n;
        w.DoCalcPercentZ(n, 1000.0, 2, 2);
        EXPECT_DOUBLE_EQ(ws >= 2 ? 0.3125 : 0.0, n.m_dRN) << ws;
        CPercentZ pe;
        w.DoCalcPercentZ(pe, 1000.0, 3, 2);
        EXPECT_DOUBLE_EQ(ws == 3 ? 0.15625 : 0.0, pe.m_dXPE) << ws;
    }
    w.m_nVoltage = 0; // no voltage: no impedance, no division by zero
    CPercentZ z;
    w.DoCalcPercentZ(z, 1000.0, 1, 2);
    EXPECT_EQ(0.0, z.m_dR);
}

// The three kinds side by side: R/m 0.1 over 100 m is 10 mohms, IB 100 A,
// 400 V. Three-phase sqrt(3) x 100 x 10 x 100 / 1000 / 400 = 0.4330127 %;
// single-phase the way out and back, 2 x 10 x 100 x 100 / 1000 / 400 = 0.5 %.
// The bus-bar once left the 2 out of its single-phase drop (0.25 %).
TEST(ConductorVoltageDrop, FaultBusBarSinglePhaseCountsBothWaysLikeTheOthers) {
    for (uint32_t single : {0u, 1u}) {
        CEleWire w;
        CEleBusBar b;
        CEleBusDuct d;
        w.m_nVoltage = b.m_nVoltage = d.m_nVoltage = 400;
        w.m_nSinglePhase = b.m_nSinglePhase = d.m_nSinglePhase = single;
        w.m_basic.m_dLength = b.m_basic.m_dLength = d.m_basic.m_dLength = 100.0;
        w.m_basic.m_dLoadCurrent = b.m_basic.m_dLoadCurrent = d.m_basic.m_dLoadCurrent = 100.0;
        SetGroups(w, 0.1, 0.05);
        SetGroups(b, 0.1, 0.05);
        SetGroups(d, 0.1, 0.05);
        const double expected = single == 1 ? 0.5 : 0.4330127019;
        EXPECT_NEAR(expected, w.DoCalcVoltageDrop(), 1e-9) << "wire " << single;
        EXPECT_NEAR(expected, b.DoCalcVoltageDrop(), 1e-9) << "bus-bar " << single;
        EXPECT_NEAR(expected, d.DoCalcVoltageDrop(), 1e-9) << "bus-duct " << single;
        // The wire's parallel cores share the current: 2 cores halve it.
        SetGroups(w, 0.1, 0.05, 2);
        EXPECT_NEAR(expected / 2, w.DoCalcVoltageDrop(), 1e-9) << "wire x2 " << single;
        EXPECT_EQ(single == 1 ? "0.5000%" : "0.4330%", b.GetTextVoltageDrop(1));
        w.m_nVoltage = b.m_nVoltage = d.m_nVoltage = 0;
        EXPECT_EQ(0.0, w.DoCalcVoltageDrop());
        EXPECT_EQ(0.0, b.DoCalcVoltageDrop());
        EXPECT_EQ(0.0, d.DoCalcVoltageDrop());
    }
}

class ConductorSetUp : public WithDatabases {};

TEST_F(ConductorSetUp, NewElementsTakeTheirDefaults) {
    TestDocument doc;
    doc.foundVoltage = 400;
    struct Case {
        uint32_t earthing;
        uint32_t wireSystem; // expected by the earthing's default
    };
    // TN-S three phases, N and PE; TN-C with N; TT three phases; none found:
    // the list database's default TT.
    const Case cases[] = {{1, 3}, {3, 2}, {4, 1}, {5, 1}, {0, 1}};
    for (const Case& c : cases) {
        doc.foundEarthing = c.earthing;
        CObjElement bar(kKindBusBar);
        bar.DoInitNewElement(doc);
        const CEleBusBar& b = ModelOf<CEleBusBar>(bar);
        EXPECT_EQ(c.wireSystem, bar.GetWireSystem()) << c.earthing;
        EXPECT_EQ(c.earthing == 0 ? 4u : c.earthing, b.m_nEarthing);
        EXPECT_EQ(400, b.m_nVoltage);
        for (const CEleBusBarPhase* g : {&b.m_phase3, &b.m_phaseN, &b.m_phasePE}) {
            EXPECT_EQ(100, g->m_nWidth);
            EXPECT_EQ(10, g->m_nThickness);
            EXPECT_EQ(1, g->m_nNumber);
            EXPECT_EQ(200, g->m_nDistance);
        }
        EXPECT_EQ(65.0, b.m_basic.m_dMaxTemp);
        EXPECT_EQ(35.0, b.m_basic.m_dAmbientTemp);
        EXPECT_EQ(0, bar.DoCheckData()) << c.earthing;
    }
    EXPECT_EQ(5, doc.GetCounter(kKindBusBar));

    doc.foundEarthing = 1;
    CObjElement wire(kKindWire);
    wire.DoInitNewElement(doc);
    const CEleWire& w = ModelOf<CEleWire>(wire);
    EXPECT_EQ("W1", w.m_strName);
    EXPECT_EQ(3u, w.m_basic.m_nWireSystem);
    EXPECT_EQ(30.0, w.m_basic.m_dAmbientTemp);
    EXPECT_EQ(2u, w.m_basic.m_nCoreKind);
    EXPECT_EQ(5u, w.m_basic.m_nMethod);
    for (double t : w.m_dDuration)
        EXPECT_EQ(1.0, t);
    EXPECT_EQ(2.5, w.m_phasePE.m_dCoreSize);
    EXPECT_EQ(0, wire.DoCheckData());

    CObjElement duct(kKindBusDuct);
    duct.DoInitNewElement(doc);
    const CEleBusDuct& d = ModelOf<CEleBusDuct>(duct);
    EXPECT_EQ("BD1", d.m_strName);
    EXPECT_EQ(95.0, d.m_basic.m_dMaxTemp);
    EXPECT_EQ(40.0, d.m_basic.m_dAmbientTemp);
    EXPECT_EQ(2u, d.m_basic.m_nInsulation);
    EXPECT_EQ(1000.0, d.m_phasePE.m_dRatedCurrent);
    EXPECT_EQ(0, duct.DoCheckData());

    // Set up again (a copy placed anew): only name and number change.
    CEleBusDuct& dm = ModelOf<CEleBusDuct>(duct);
    dm.m_basic.m_dLength = 12.0;
    dm.m_phase3.m_dRatedCurrent = 2500.0;
    duct.DoInitNewElement(doc);
    EXPECT_EQ("BD2", dm.m_strName);
    EXPECT_EQ(12.0, dm.m_basic.m_dLength);
    EXPECT_EQ(2500.0, dm.m_phase3.m_dRatedCurrent);
}

TEST_F(ConductorSetUp, EarthingChangeResetsTheWireSystemOfBusBarAndWireOnly) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        CObjElement element(kind);
        element.SetWireSystem(3);
        element.SetEarthingSystem(4);
        EXPECT_EQ(kind == kKindBusDuct ? 3u : 1u, element.GetWireSystem()) << kind;
        element.SetWireSystem(2);
        element.SetEarthingSystem(4); // unchanged code: the wire system stays
        EXPECT_EQ(2u, element.GetWireSystem()) << kind;
    }
}

TEST_F(ConductorSetUp, FrequencyChangeThroughTheElementObject) {
    TestDocument doc;
    CObjElement duct(kKindBusDuct);
    duct.DoInitNewElement(doc);
    CEleBusDuct& d = ModelOf<CEleBusDuct>(duct);
    d.m_phaseN.m_dXPerMetre = 0.02; // typed
    duct.DoReadZFromDB(60);
    EXPECT_EQ(0.01609, d.m_phase3.m_dXPerMetre);
    EXPECT_EQ(0.02, d.m_phaseN.m_dXPerMetre);
    EXPECT_EQ(0.01609, d.m_phasePE.m_dXPerMetre);
}

// ---- data checks ----

struct CheckCase {
    const char* what;
    std::function<void(CEleWire&)> spoil;
    uint32_t page;  // 0: all (null pointer / value 0)
    int32_t id;     // expected control id
    uint32_t group; // expected group written back
};

TEST_F(ConductorSetUp, WireDataCheck) {
    TestDocument doc;
    doc.foundEarthing = 1; // three groups
    CObjElement element(kKindWire);
    element.DoInitNewElement(doc);
    const CEleWire base = ModelOf<CEleWire>(element);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CheckCase cases[] = {
        {"all good", [](CEleWire&) {}, 0, 0, 0},
        {"negative ambient", [](CEleWire& w) { w.m_basic.m_dAmbientTemp = -1; }, 0, 1130, 0},
        {"ambient before IB",
         [](CEleWire& w) {
             w.m_basic.m_dAmbientTemp = -1;
             w.m_basic.m_dLoadCurrent = -1;
         },
         0, 1130, 0},
        {"negative IB", [](CEleWire& w) { w.m_basic.m_dLoadCurrent = -1; }, 0, 1192, 0},
        {"negative length", [](CEleWire& w) { w.m_basic.m_dLength = -0.5; }, 0, 1105, 0},
        {"zero length passes", [](CEleWire& w) { w.m_basic.m_dLength = 0; }, 0, 0, 0},
        {"phase size below copper's 1.5", [](CEleWire& w) { w.m_phase3.m_dCoreSize = 1.0; }, 0,
         1177, 1},
        {"phase size above multi-core 300", [](CEleWire& w) { w.m_phase3.m_dCoreSize = 400; }, 1,
         1177, 1},
        {"phase X/m 0", [](CEleWire& w) { w.m_phase3.m_dXPerMetre = 0; }, 1, 1082, 1},
        {"phase ambient factor without a value",
         [nan](CEleWire& w) { w.m_phase3.m_dAmbientFactor = nan; }, 0, 1138, 1},
        {"phase group factor -1", [](CEleWire& w) { w.m_phase3.m_dGroupFactor = -1; }, 0, 1140, 1},
        {"N distance 0", [](CEleWire& w) { w.m_phaseN.m_dDistance = 0; }, 0, 1169, 2},
        // The N minimum follows the phase: 35 mm2 asks at least 17.5 of N.
        {"N below half of a 35 phase",
         [](CEleWire& w) {
             w.m_phase3.m_dCoreSize = 35;
             w.m_phaseN.m_dCoreSize = 16;
         },
         2, 1177, 2},
        {"later group wins",
         [](CEleWire& w) {
             w.m_basic.m_dLength = -1;
             w.m_phasePE.m_dInsulation = 0;
         },
         0, 1124, 3},
        {"wire system 1 skips N and PE",
         [](CEleWire& w) {
             w.m_basic.m_nWireSystem = 1;
             w.m_phaseN.m_dDistance = 0;
             w.m_phasePE.m_dDistance = 0;
         },
         0, 0, 0},
        {"asked for N, wire system 1",
         [](CEleWire& w) {
             w.m_basic.m_nWireSystem = 1;
             w.m_phaseN.m_dDistance = 0;
         },
         2, 1169, 2},
    };
    for (const CheckCase& c : cases) {
        CEleWire w = base;
        c.spoil(w);
        uint32_t group = c.page;
        EXPECT_EQ(c.id, w.DoCheckData(&group)) << c.what;
        if (c.id != 0) {
            EXPECT_EQ(c.group, group) << c.what;
        }
        if (c.page == 0) {
            EXPECT_EQ(c.id, w.DoCheckData()) << c.what;
        }
    }
}

TEST_F(ConductorSetUp, BusBarDataCheck) {
    TestDocument doc;
    doc.foundEarthing = 3; // wire system 2: phases and N
    CObjElement element(kKindBusBar);
    element.DoInitNewElement(doc);
    const CEleBusBar base = ModelOf<CEleBusBar>(element);
    struct Case {
        const char* what;
        std::function<void(CEleBusBar&)> spoil;
        const uint32_t* page;
        int32_t id;
        uint32_t pageBack;
    };
    static const uint32_t p1 = 1;
    static const uint32_t p2 = 2;
    static const uint32_t p3 = 3;
    const Case cases[] = {
        {"good", [](CEleBusBar&) {}, nullptr, 0, 0},
        {"max 45", [](CEleBusBar& b) { b.m_basic.m_dMaxTemp = 45; }, nullptr, 1107, 0},
        {"max 126", [](CEleBusBar& b) { b.m_basic.m_dMaxTemp = 126; }, nullptr, 1107, 0},
        {"ambient 66", [](CEleBusBar& b) { b.m_basic.m_dAmbientTemp = 66; }, nullptr, 1130, 0},
        {"ambient at the maximum",
         [](CEleBusBar& b) {
             b.m_basic.m_dMaxTemp = 60;
             b.m_basic.m_dAmbientTemp = 60;
         },
         nullptr, 1130, 0},
        {"negative IB", [](CEleBusBar& b) { b.m_basic.m_dLoadCurrent = -1; }, nullptr, 1192, 0},
        // With all pages, the later group's finding replaces the Basic one.
        {"bad ambient and bad N distance",
         [](CEleBusBar& b) {
             b.m_basic.m_dAmbientTemp = 70;
             b.m_phaseN.m_nDistance = 0;
         },
         nullptr, 1169, 2},
        {"skin effect 0", [](CEleBusBar& b) { b.m_phase3.m_dSkinEffect = 0; }, &p1, 1090, 1},
        {"negative installation factor",
         [](CEleBusBar& b) { b.m_phase3.m_dInstallationFactor = -0.5; }, nullptr, 1136, 1},
        {"proximity 0 on N", [](CEleBusBar& b) { b.m_phaseN.m_dProximityFactor = 0; }, &p2, 1134,
         2},
        {"PE not in wire system 2", [](CEleBusBar& b) { b.m_phasePE.m_dRPerMetre = 0; }, nullptr, 0,
         0},
        {"PE asked for", [](CEleBusBar& b) { b.m_phasePE.m_dRPerMetre = 0; }, &p3, 1081, 3},
    };
    for (const Case& c : cases) {
        CEleBusBar b = base;
        c.spoil(b);
        uint32_t page = c.page ? *c.page : 99;
        EXPECT_EQ(c.id, b.DoCheckData(c.page ? &page : nullptr)) << c.what;
        if (c.page && c.id != 0) {
            EXPECT_EQ(c.pageBack, page) << c.what;
        }
    }
}

TEST_F(ConductorSetUp, BusDuctDataCheck) {
    TestDocument doc;
    doc.foundEarthing = 1; // wire system 3
    CObjElement element(kKindBusDuct);
    element.DoInitNewElement(doc);
    const CEleBusDuct base = ModelOf<CEleBusDuct>(element);
    struct Case {
        const char* what;
        std::function<void(CEleBusDuct&)> spoil;
        int32_t id;
    };
    const Case cases[] = {
        {"good", [](CEleBusDuct&) {}, 0},
        // The data hold for exactly 95 and 40 degC: equality, not a bound.
        {"maximum 90", [](CEleBusDuct& d) { d.m_basic.m_dMaxTemp = 90; }, 1222},
        {"maximum 100", [](CEleBusDuct& d) { d.m_basic.m_dMaxTemp = 100; }, 1222},
        {"ambient 35", [](CEleBusDuct& d) { d.m_basic.m_dAmbientTemp = 35; }, 1130},
        {"negative length", [](CEleBusDuct& d) { d.m_basic.m_dLength = -1; }, 1105},
        {"rated current 0", [](CEleBusDuct& d) { d.m_phase3.m_dRatedCurrent = 0; }, 1100},
        {"basic and PE bad: PE",
         [](CEleBusDuct& d) {
             d.m_basic.m_dMaxTemp = 90;
             d.m_phasePE.m_dXPerMetre = 0;
         },
         1082},
        {"wire system 1 ignores N and PE",
         [](CEleBusDuct& d) {
             d.m_basic.m_nWireSystem = 1;
             d.m_phaseN.m_dRPerMetre = 0;
             d.m_phasePE.m_dRatedCurrent = 0;
         },
         0},
    };
    for (const Case& c : cases) {
        CEleBusDuct d = base;
        c.spoil(d);
        EXPECT_EQ(c.id, d.DoCheckData()) << c.what;
    }
    CEleBusDuct d = base;
    d.m_phaseN.m_dRPerMetre = -1;
    uint32_t page = 2;
    EXPECT_EQ(1081, d.DoCheckData(&page));
    EXPECT_EQ(2u, page);
}

// ---- capacity ----

TEST_F(ConductorSetUp, CurrentCapacityMarksTheElement) {
    TestDocument doc;
    CObjElement bar(kKindBusBar);
    bar.DoInitNewElement(doc);
    CEleBusBar& b = ModelOf<CEleBusBar>(bar);
    // Cu bare 100 x 10: 1490 A x 1 x 1 x 1.
    EXPECT_EQ(1, b.DoCheckCurrentCapacity(1490.0, 1));
    EXPECT_EQ(0u, b.m_nErrorMark);
    EXPECT_EQ(0, b.DoCheckCurrentCapacity(1490.5, 1));
    EXPECT_EQ(1u, b.m_nErrorMark);
    EXPECT_EQ(0, b.DoCheckCurrentCapacity(1.0, 4)); // no such group: no capacity
    EXPECT_EQ(1, b.DoCheckCurrentCapacity(1.0, 1)); // and the mark goes again
    EXPECT_EQ(0u, b.m_nErrorMark);

    CObjElement duct(kKindBusDuct);
    duct.DoInitNewElement(doc);
    CEleBusDuct& d = ModelOf<CEleBusDuct>(duct);
    EXPECT_EQ(1, d.DoCheckCurrentCapacity(1000.0, 1)); // its rated current
    EXPECT_EQ(0, d.DoCheckCurrentCapacity(1000.5, 1));
    EXPECT_EQ(1u, d.m_nErrorMark);

    CObjElement wire(kKindWire);
    wire.DoInitNewElement(doc);
    CEleWire& w = ModelOf<CEleWire>(wire);
    // Cu PVC E 2.5 mm2 at 30 degC, one circuit: I0 = 14.28 x 2.5^0.621 = 25.226 A,
    // k1 = 1, k2 = 1 (E, one circuit): Iz 25.226 A.
    EXPECT_EQ(1, w.DoCheckCurrentCapacity(25.2, 1));
    EXPECT_EQ(0, w.DoCheckCurrentCapacity(25.3, 1));
    EXPECT_EQ(1u, w.m_nErrorMark);
}

// A maximum temperature below the ambient has no temperature factor; such a
// bus-bar's capacity has no value and must not pass as unlimited.
TEST_F(ConductorSetUp, FaultBusBarWithoutATemperatureFactorCarriesNothing) {
    TestDocument doc;
    CObjElement bar(kKindBusBar);
    bar.DoInitNewElement(doc);
    CEleBusBar& b = ModelOf<CEleBusBar>(bar);
    b.m_basic.m_dMaxTemp = 30.0; // ambient 35
    for (CEleBusBarPhase* g : {&b.m_phase3, &b.m_phaseN, &b.m_phasePE})
        g->DoRecalcTemperatureFactor(b.m_basic);
    ASSERT_TRUE(std::isnan(b.m_phase3.m_dTemperatureFactor));
    EXPECT_EQ(0, b.DoCheckCurrentCapacity(100.0, 1));
    EXPECT_EQ(1u, b.m_nErrorMark);
    EXPECT_EQ(1138, [&] {
        b.m_basic.m_dMaxTemp = 65.0; // the Basic page passes, the factor does not
        return b.DoCheckData();
    }());
}

// ---- geometry ----

// (0, 0, 39, 159), centre (19, 79): top = (80 / 40) x 40 - 39 = 41,
// left = ((19 - 79) / 40) x 40 + 41 = 1 (the quotient truncated toward 0),
// giving (1, 41, 160, 80). Back: centre (80, 60), w 159, h 39:
// left = (81 / 40) x 40 - 39 = 41, top = ((60 - 79) / 40) x 40 + 41 = 41,
// giving (41, 41, 80, 200).
TEST(ConductorGeometry, RotationSnapsToTheGrid) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        CObjElement element(kind);
        EXPECT_EQ(0, element.GetHorizontal());
        EXPECT_EQ(fw::CRect(1, 41, 160, 80), element.DoRotate(nullptr, 1)) << kind;
        EXPECT_EQ(1, element.GetHorizontal());
        EXPECT_EQ(1, element.IsHorizontal());
        EXPECT_EQ(fw::CRect(41, 41, 80, 200), element.DoRotate(nullptr, 1)) << kind;
        EXPECT_EQ(0, element.GetHorizontal());
    }
}

// ---- editing ----

TEST(ConductorEdit, NewCalculationPointInACalculatedModeGoesBackToChecking) {
    TestDocument doc;
    doc.mode = 3;
    CObjElement element(kKindWire);
    CEleWire& w = ModelOf<CEleWire>(element);
    w.m_nFailingGroup = 2;
    DialogSeam<CEleWire>::run = [](CEleWire& copy) {
        copy.m_nCalcPoint = 1;
        copy.m_strName = "W77";
        return true;
    };
    int32_t oldVolts[2] = {0, 0};
    int32_t newVolts[2] = {0, 0};
    std::vector<fw::CRect> invalidated;
    EXPECT_EQ(1, element.DoEditElement(
                     doc, nullptr, [&](const fw::CRect& r) { invalidated.push_back(r); }, oldVolts,
                     newVolts));
    EXPECT_EQ("W77", w.m_strName);
    EXPECT_EQ(0u, w.m_nFailingGroup); // an accepted edit clears the check's verdict
    EXPECT_EQ(1, doc.undoSnapshots);
    EXPECT_EQ(1, doc.returnsToCheck);
    EXPECT_EQ(2, doc.mode);
    EXPECT_FALSE(invalidated.empty());

    // Already a calculation point: the mode stays.
    doc.mode = 3;
    EXPECT_EQ(1, element.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ(1, doc.returnsToCheck);
    EXPECT_EQ(3, doc.mode);

    // Cancel: nothing changes.
    DialogSeam<CEleWire>::run = [](CEleWire& copy) {
        copy.m_strName = "X";
        return false;
    };
    EXPECT_EQ(kEditCancelled, element.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ("W77", w.m_strName);
    EXPECT_EQ(2, doc.undoSnapshots);
    DialogSeam<CEleWire>::run = nullptr;
}

TEST(ConductorEdit, BusBarAndBusDuctGoBackToCheckingToo) {
    TestDocument doc;
    doc.mode = 5;
    DialogSeam<CEleBusBar>::run = [](CEleBusBar& copy) {
        copy.m_nCalcPoint = 1;
        return true;
    };
    DialogSeam<CEleBusDuct>::run = [](CEleBusDuct& copy) {
        copy.m_nCalcPoint = 1;
        return true;
    };
    int32_t oldVolts[2];
    int32_t newVolts[2];
    CObjElement bar(kKindBusBar);
    EXPECT_EQ(1, bar.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ(1, bar.IsCalcPoint());
    EXPECT_EQ(1, doc.returnsToCheck);
    doc.mode = 1; // drawing: nothing to go back from
    CObjElement duct(kKindBusDuct);
    EXPECT_EQ(1, duct.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ(1, doc.returnsToCheck);
    DialogSeam<CEleBusBar>::run = nullptr;
    DialogSeam<CEleBusDuct>::run = nullptr;
}

// ---- labels ----

TEST_F(ConductorSetUp, BusDuctLabelWithItsImpedanceLine) {
    TestDocument doc;
    doc.foundEarthing = 1;
    CObjElement element(kKindBusDuct);
    element.DoInitNewElement(doc);
    CEleBusDuct& d = ModelOf<CEleBusDuct>(element);
    d.m_basic.m_dLength = 100.0;
    // R = 0.02791 x 100 = 2.791, X = 0.01341 x 100 = 1.341 mohms,
    // |Z| = sqrt(2.791^2 + 1.341^2) = 3.0964434
    EXPECT_EQ("3Ph 1000A\r\nN 1000A\r\nPE 1000A\r\n100m,Cu\r\n3.096=2.791+j1.341",
              d.GetTextLabel(1));
    d.m_nVoltage = 0; // no voltage: no length and impedance lines
    EXPECT_EQ("3Ph 1000A\r\nN 1000A\r\nPE 1000A", d.GetTextLabel(1));
}

// The fault-current lines by earthing code and wire system, with a
// source-side term of %R 3, %X 4 (|Z| 5) on 1000 kVA at 400 V:
// I"k3 = 1000 x 1000 x 100 / (sqrt(3) x 400 x 5) = 28867.5 A, and with no
// loop terms the earth-fault currents come out the same; I"k2 = sqrt(3) x
// I"k3 x 0.5 = 25000 A.
TEST(ConductorLabels, FaultCurrentLinesByEarthingAndWireSystem) {
    const std::string ik3 = "\r\nI\"k3=28.868kA";
    const std::string ik1 = "\r\nI\"k1=28.868kA";
    const std::string ik1pe = "\r\nI\"k1(PE)=28.868kA";
    const std::string ik2 = "\r\nI\"k2=25.000kA";
    struct Case {
        uint32_t earthing;
        uint32_t wireSystem;
        std::string lines;
    };
    const Case cases[] = {
        {1, 3, ik3 + ik1 + ik1pe}, {3, 2, ik3 + ik1}, {4, 2, ik3 + ik1}, {4, 1, ik3},
        {5, 1, ik3 + ik2},         {5, 2, ik3 + ik1}, {2, 2, ik3},
    };
    for (const Case& c : cases) {
        CEleBusBar b;
        b.m_nVoltage = 400;
        b.m_nCalcPoint = 1;
        b.m_nEarthing = c.earthing;
        b.m_basic.m_nWireSystem = c.wireSystem;
        b.m_calcPoint.m_dBaseCapacity = 1000.0;
        b.m_calcPoint.m_zSource.m_dR = 3.0;
        b.m_calcPoint.m_zSource.m_dX = 4.0;
        const std::string label = b.GetTextLabel(3);
        const std::string tail = label.substr(label.find("\r\nI\""));
        EXPECT_EQ(c.lines, tail) << c.earthing << "/" << c.wireSystem;
        EXPECT_EQ(std::string::npos, b.GetTextLabel(2).find("I\"")); // before calculating
    }
}

TEST(ConductorLabels, WireNameLineAndSizes) {
    CEleWire w;
    w.m_strName = "W5";
    w.m_basic.m_nWireSystem = 2;
    w.m_phase3.m_dCoreSize = 240;
    w.m_phase3.m_nCores = 2;
    w.m_phaseN.m_dCoreSize = 120;
    w.m_phaseN.m_nCores = 1;
    EXPECT_EQ("3Ph 240mm²x2\r\nN 120mm²x1", w.GetTextLabel(1));
    w.m_nSinglePhase = 1;
    EXPECT_EQ("1Ph 240mm²x2\r\nN 120mm²x1", w.GetTextLabel(1));
    EXPECT_EQ("W5", w.GetTextNameLine());
    w.m_nFailingGroup = 3;
    EXPECT_EQ("W5\r\nNG by\r\nshort-circuit", w.GetTextNameLine());
    // 201 V halves to 100 (whole-number division).
    w.m_nVoltage = 201;
    EXPECT_EQ("201-100V", w.GetTextVoltage(1));
    EXPECT_EQ("201-100", w.GetTextVoltage(0));
}

} // namespace
