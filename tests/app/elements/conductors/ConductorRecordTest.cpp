// The records of the three conductors against fixture files written by hand
// from the layout (fixtures/README.md): every field read, the bytes stored
// again, the older versions' layouts and their defaults, and a record cut
// short.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/records/ElementKinds.h"
#include "app/records/FileVersion.h"
#include "app/shell/model/CObjElement.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string("app/elements/conductors/fixtures/") + name);
}

template <class Model> void Load(Model& model, const Bytes& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    model.Serialize(ar);
    EXPECT_EQ(0u, ar.Remaining()) << "the record was not read to its end";
}

template <class Model> Bytes Store(Model& model) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    model.Serialize(ar);
    return ar.Bytes();
}

void ExpectCalcPoint(const CCalcPoint& p) {
    EXPECT_EQ(0x0000FFu, p.m_crMark);
    EXPECT_EQ(1u, p.m_nMarkWidth);
    EXPECT_EQ(1000.0, p.m_dBaseCapacity);
    EXPECT_EQ(2.5, p.m_zSource.m_dR);
    EXPECT_EQ(1.25, p.m_zSource.m_dX);
}

void ExpectWire120Body(const CEleWire& w) {
    EXPECT_EQ(fw::CRect(80, 120, 119, 279), w.m_rectSymbol);
    EXPECT_EQ(2u, w.m_nPenWidth);
    EXPECT_EQ(0xFFFFFFu, w.m_crFill);
    EXPECT_EQ(0x000080u, w.m_crPen);
    EXPECT_EQ("W3", w.m_strName);
    EXPECT_EQ(3u, w.m_nNumber);
    EXPECT_EQ(1u, w.m_nSelected);
    EXPECT_EQ(1u, w.m_nDefaultsSet);
    EXPECT_EQ(0u, w.m_nHorizontal);
    EXPECT_EQ(400, w.m_nVoltage);
    EXPECT_EQ(1u, w.m_nCalcPoint);
    EXPECT_EQ(2u, w.m_nActivePage);
    ExpectCalcPoint(w.m_calcPoint);
    EXPECT_EQ(3u, w.m_basic.m_nWireSystem);
    EXPECT_EQ(1u, w.m_basic.m_nMaterial);
    EXPECT_EQ(2u, w.m_basic.m_nInsulation);
    EXPECT_EQ(1u, w.m_basic.m_nCoreKind);
    EXPECT_EQ(6u, w.m_basic.m_nMethod);
    EXPECT_EQ(2u, w.m_basic.m_nCircuits);
    EXPECT_EQ(30.0, w.m_basic.m_dAmbientTemp);
    EXPECT_EQ(250.0, w.m_basic.m_dLoadCurrent);
    EXPECT_EQ(50.0, w.m_basic.m_dLength);
    EXPECT_EQ(240.0, w.m_phase3.m_dCoreSize);
    EXPECT_EQ(0.078125, w.m_phase3.m_dXPerMetreCalc);
    EXPECT_EQ(0.08, w.m_phase3.m_dXPerMetre);
    EXPECT_EQ(18.5, w.m_phase3.m_dDiameter);
    EXPECT_EQ(0.87, w.m_phase3.m_dGroupFactor);
    EXPECT_EQ(120.0, w.m_phaseN.m_dCoreSize);
    EXPECT_EQ(300.0, w.m_phaseN.m_dBasicCurrentCalc);
    EXPECT_EQ(95.0, w.m_phasePE.m_dCoreSize);
    EXPECT_EQ(2u, w.m_phasePE.m_nCores);
    EXPECT_EQ(-1.0, w.m_phasePE.m_dBasicCurrent);
    EXPECT_EQ(0.84, w.m_phasePE.m_dGroupFactorCalc);
    EXPECT_EQ(0, w.m_listRefV1.GetCount());
    EXPECT_EQ(1, w.IsChangedXPerMetre(1));
    EXPECT_EQ(0, w.IsChangedRPerMetre(1));
}

void SetWireTail(CEleWire& w) {
    w.m_nEarthing = 1;
    w.m_nFailingGroup = 2;
    w.m_nCheckDone = 1;
    w.m_dDuration[0] = 1.0;
    w.m_dDuration[1] = 2.0;
    w.m_dDuration[2] = 0.5;
    w.m_nCheckMode = 1;
    w.m_nEnergySource = 0;
    w.m_nSinglePhase = 1;
}

TEST(WireRecord, LoadsAndStoresTheCurrentLayout) {
    const Bytes bytes = Fixture("CEleWire_120.hex");
    CEleWire w;
    Load(w, bytes, 1.2);
    ExpectWire120Body(w);
    EXPECT_EQ(1u, w.m_nEarthing);
    EXPECT_EQ(2u, w.m_nFailingGroup);
    EXPECT_EQ(1u, w.m_nCheckDone);
    EXPECT_EQ(2.0, w.m_dDuration[1]);
    EXPECT_EQ(0.5, w.m_dDuration[2]);
    EXPECT_EQ(1u, w.m_nCheckMode);
    EXPECT_EQ(1u, w.m_nSinglePhase);
    EXPECT_EQ(bytes, Store(w));
}

// Before 1.1 a wire had no protection check: one cycle for each fault and
// no tail words; before 1.2 it is a three-phase circuit.
TEST(WireRecord, BeforeVersion11TakesTheTailDefaults) {
    CEleWire w;
    w.m_nSinglePhase = 1;
    w.m_nEarthing = 5;
    Load(w, Fixture("CEleWire_102.hex"), 1.02);
    ExpectWire120Body(w);
    EXPECT_EQ(0u, w.m_nEarthing);
    EXPECT_EQ(0u, w.m_nFailingGroup);
    EXPECT_EQ(0u, w.m_nCheckDone);
    for (double t : w.m_dDuration)
        EXPECT_EQ(1.0, t);
    EXPECT_EQ(0u, w.m_nCheckMode);
    EXPECT_EQ(0u, w.m_nEnergySource);
    EXPECT_EQ(0u, w.m_nSinglePhase);
    // Stored again it takes the current layout.
    SetWireTail(w);
    EXPECT_EQ(Fixture("CEleWire_120.hex"), Store(w));
}

void ExpectBusBarBody(const CEleBusBar& b) {
    EXPECT_EQ(fw::CRect(0, 40, 159, 79), b.m_rectSymbol);
    EXPECT_EQ("BB2", b.m_strName);
    EXPECT_EQ(2u, b.m_nNumber);
    EXPECT_EQ(1u, b.m_nHorizontal);
    EXPECT_EQ(200, b.m_nVoltage);
    EXPECT_EQ(0u, b.m_nCalcPoint);
    EXPECT_EQ(1u, b.m_nErrorMark);
    EXPECT_EQ(1u, b.m_nActivePage);
    ExpectCalcPoint(b.m_calcPoint);
    EXPECT_EQ(2u, b.m_basic.m_nWireSystem);
    EXPECT_EQ(2u, b.m_basic.m_nMaterial);
    EXPECT_EQ(2u, b.m_basic.m_nSurface);
    EXPECT_EQ(2u, b.m_basic.m_nInstallation);
    EXPECT_EQ(65.0, b.m_basic.m_dMaxTemp);
    EXPECT_EQ(35.0, b.m_basic.m_dAmbientTemp);
    EXPECT_EQ(800.0, b.m_basic.m_dLoadCurrent);
    EXPECT_EQ(12.5, b.m_basic.m_dLength);
    EXPECT_EQ(100, b.m_phase3.m_nWidth);
    EXPECT_EQ(10, b.m_phase3.m_nThickness);
    EXPECT_EQ(2, b.m_phase3.m_nNumber);
    EXPECT_EQ(200, b.m_phase3.m_nDistance);
    EXPECT_EQ(1.25, b.m_phase3.m_dSkinEffect);
    EXPECT_EQ(0.125, b.m_phase3.m_dXPerMetreCalc);
    EXPECT_EQ(0.15, b.m_phase3.m_dXPerMetre);
    EXPECT_EQ(2480.0, b.m_phase3.m_dBasicCurrent);
    EXPECT_EQ(0.95, b.m_phase3.m_dProximityFactor);
    EXPECT_EQ(1, b.m_phaseN.m_nNumber);
    EXPECT_EQ(1410.0, b.m_phaseN.m_dBasicCurrentCalc);
    EXPECT_EQ(60, b.m_phasePE.m_nWidth);
    EXPECT_EQ(150, b.m_phasePE.m_nDistance);
    EXPECT_EQ(920.0, b.m_phasePE.m_dBasicCurrent);
    EXPECT_EQ(1, b.IsChangedXPerMetre(1));
    EXPECT_EQ(0, b.IsChangedXPerMetre(2));
}

TEST(BusBarRecord, LoadsAndStoresTheCurrentLayout) {
    const Bytes bytes = Fixture("CEleBusBar_120.hex");
    CEleBusBar b;
    Load(b, bytes, 1.2);
    ExpectBusBarBody(b);
    EXPECT_EQ(3u, b.m_nEarthing);
    EXPECT_EQ(1u, b.m_nSinglePhase);
    EXPECT_EQ(bytes, Store(b));
}

TEST(BusBarRecord, Version110ReadsTheEarthingButNoSinglePhaseFlag) {
    CEleBusBar b;
    b.m_nSinglePhase = 1;
    Load(b, Fixture("CEleBusBar_110.hex"), 1.1);
    ExpectBusBarBody(b);
    EXPECT_EQ(3u, b.m_nEarthing);
    EXPECT_EQ(0u, b.m_nSinglePhase);
    b.m_nSinglePhase = 1;
    EXPECT_EQ(Fixture("CEleBusBar_120.hex"), Store(b));
}

void ExpectBusDuctBody(const CEleBusDuct& d) {
    EXPECT_EQ(1u, d.m_nPenWidth);
    EXPECT_EQ(2u, d.m_nPenStyle);
    EXPECT_EQ(0x000080u, d.m_crPen);
    EXPECT_EQ(0xFFFFFFu, d.m_crFill);
    EXPECT_EQ(fw::CRect(40, 40, 79, 199), d.m_rectSymbol);
    EXPECT_EQ("BD4", d.m_strName);
    EXPECT_EQ(4u, d.m_nNumber);
    EXPECT_EQ(400, d.m_nVoltage);
    EXPECT_EQ(1u, d.m_nCalcPoint);
    EXPECT_EQ(3u, d.m_nActivePage);
    EXPECT_EQ(4u, d.m_nEarthing);
    ExpectCalcPoint(d.m_calcPoint);
    EXPECT_EQ(3u, d.m_basic.m_nWireSystem);
    EXPECT_EQ(1u, d.m_basic.m_nMaterial);
    EXPECT_EQ(2u, d.m_basic.m_nInsulation);
    EXPECT_EQ(95.0, d.m_basic.m_dMaxTemp);
    EXPECT_EQ(40.0, d.m_basic.m_dAmbientTemp);
    EXPECT_EQ(900.0, d.m_basic.m_dLoadCurrent);
    EXPECT_EQ(25.0, d.m_basic.m_dLength);
    EXPECT_EQ(1000.0, d.m_phase3.m_dRatedCurrent);
    EXPECT_EQ(1u, d.m_phase3.m_nNumber);
    EXPECT_EQ(0.02791, d.m_phase3.m_dRPerMetreTable);
    EXPECT_EQ(0.03, d.m_phase3.m_dRPerMetre);
    EXPECT_EQ(110.0, d.m_phase3.m_dWidth);
    EXPECT_EQ(6.0, d.m_phase3.m_dThickness);
    EXPECT_EQ(0.0125, d.m_phaseN.m_dXPerMetre);
    EXPECT_EQ(630.0, d.m_phasePE.m_dRatedCurrent);
    EXPECT_EQ(70.0, d.m_phasePE.m_dWidth);
    EXPECT_EQ(0.01576, d.m_phasePE.m_dXPerMetreTable);
    EXPECT_EQ(1, d.IsChangedRPerMetre(1));
    EXPECT_EQ(1, d.IsChangedXPerMetre(2));
    EXPECT_EQ(0, d.IsChangedXPerMetre(3));
}

TEST(BusDuctRecord, LoadsAndStoresTheCurrentLayout) {
    const Bytes bytes = Fixture("CEleBusDuct_120.hex");
    CEleBusDuct d;
    Load(d, bytes, 1.2);
    ExpectBusDuctBody(d);
    EXPECT_EQ(1u, d.m_nSinglePhase);
    EXPECT_EQ(bytes, Store(d));
}

// Before 1.2 a group held width and thickness as whole millimetres ahead of
// the number; a file of 1.15 loads them so and is stored in the new layout.
TEST(BusDuctRecord, Version115GroupsHoldWholeMillimetresBeforeTheNumber) {
    CEleBusDuct d;
    d.m_nSinglePhase = 1;
    Load(d, Fixture("CEleBusDuct_115.hex"), 1.15);
    ExpectBusDuctBody(d);
    EXPECT_EQ(0u, d.m_nSinglePhase);
    d.m_nSinglePhase = 1;
    EXPECT_EQ(Fixture("CEleBusDuct_120.hex"), Store(d));
}

// A record cut short anywhere raises the archive's error; nothing is read
// beyond the bytes there are.
TEST(ConductorRecords, CutShortRaisesTheArchiveError) {
    struct Case {
        const char* file;
        double version;
        std::function<void(fw::CArchive&)> load;
    };
    const Case cases[] = {
        {"CEleWire_120.hex", 1.2,
         [](fw::CArchive& ar) {
             CEleWire m;
             m.Serialize(ar);
         }},
        {"CEleWire_102.hex", 1.02,
         [](fw::CArchive& ar) {
             CEleWire m;
             m.Serialize(ar);
         }},
        {"CEleBusBar_120.hex", 1.2,
         [](fw::CArchive& ar) {
             CEleBusBar m;
             m.Serialize(ar);
         }},
        {"CEleBusDuct_120.hex", 1.2,
         [](fw::CArchive& ar) {
             CEleBusDuct m;
             m.Serialize(ar);
         }},
        {"CEleBusDuct_115.hex", 1.15,
         [](fw::CArchive& ar) {
             CEleBusDuct m;
             m.Serialize(ar);
         }},
    };
    for (const Case& c : cases) {
        Bytes bytes = Fixture(c.file);
        for (size_t cut : {size_t(1), size_t(9), bytes.size() / 2, bytes.size() - 1}) {
            Bytes part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
            fw::CArchive ar = fw::CArchive::ForLoading(part);
            ar.SetReadVersion(c.version);
            EXPECT_THROW(c.load(ar), fw::CArchiveException) << c.file << " cut at " << cut;
        }
    }
}

// Through the element object: the kind first, then the model's record.
TEST(ConductorRecords, ElementObjectWritesKindThenRecord) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        CObjElement element(kind);
        element.SetVoltage(230);
        fw::CArchive out = fw::CArchive::ForStoring();
        element.Serialize(out);
        const Bytes bytes = out.Bytes();
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(kind, static_cast<int32_t>(bytes[0] | bytes[1] << 8)) << kind;
        CObjElement back;
        fw::CArchive in = fw::CArchive::ForLoading(bytes);
        back.Serialize(in);
        EXPECT_EQ(kind, back.GetKind());
        EXPECT_EQ(230, back.GetVoltage());
        fw::CArchive again = fw::CArchive::ForStoring();
        back.Serialize(again);
        EXPECT_EQ(bytes, again.Bytes()) << kind;
    }
}

} // namespace
