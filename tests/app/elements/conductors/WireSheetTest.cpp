// The wire's property sheet on the real databases, offscreen: pages by wire
// system, the carry-over from 3Phases to N and PE, the N cores rule, the "*"
// marks, the read-only rules by mode and the checks before a page or the
// sheet may be left.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/dialogs/CDlgEleWire.h"
#include "app/elements/conductors/dialogs/CDlgEleWireGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleWireSheet.h"
#include "app/elements/conductors/dialogs/RegisterConductorDialogs.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "tests/app/elements/conductors/ConductorTestSupport.h"
#include "tests/app/elements/conductors/SheetTestSupport.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace sheettest;
using condtest::TestDocument;
using condtest::WithDatabases;

constexpr double kTwoPi = 6.28318530717958;

// Basic page.
constexpr unsigned IDC_NAME = 1060;
constexpr unsigned IDC_AMBIENT = 1130;
constexpr unsigned IDC_LOAD_CURRENT = 1192;
constexpr unsigned IDC_LENGTH = 1105;
constexpr unsigned IDC_CIRCUITS = 1117;
constexpr unsigned IDC_VOLTAGE_DROP = 1111;
constexpr unsigned IDC_WS1 = 1160, IDC_WS2 = 1161, IDC_WS3 = 1163;
constexpr unsigned IDC_CU = 1183, IDC_AL = 1184;
constexpr unsigned IDC_PVC = 1185, IDC_XLPE = 1186;
constexpr unsigned IDC_SINGLE = 1164, IDC_MULTI = 1165;
constexpr unsigned IDC_E = 1170, IDC_F = 1171, IDC_G = 1173;
constexpr unsigned IDC_CALC_POINT = 1181;
// Group pages.
constexpr unsigned IDC_SIZE = 1177, IDC_CORES = 1123;
constexpr unsigned IDC_R_PER_M = 1081, IDC_DIAMETER = 1139, IDC_INSULATION = 1124;
constexpr unsigned IDC_DISTANCE = 1169, IDC_X_PER_M = 1082;
constexpr unsigned IDC_BASIC_CURRENT = 1132, IDC_AMBIENT_FACTOR = 1138, IDC_GROUP_FACTOR = 1140;
constexpr unsigned IDC_STAR_DIAMETER = 1209, IDC_STAR_X = 1203;

class WireSheet : public WithDatabases {
protected:
    // A wire set up as placed under the earthing code, then a sheet on it.
    void Open(uint32_t earthing, int32_t mode = 1) {
        TestDocument doc;
        doc.foundEarthing = earthing;
        CObjElement element(kKindWire);
        element.DoInitNewElement(doc);
        m_wire = *static_cast<CEleWire*>(element.GetElement());
        m_wire.m_basic.m_dLength = 50.0;
        m_sheet = std::make_unique<CDlgEleWireSheet>("Wire", nullptr, 0);
        m_sheet->GetElement() = m_wire;
        m_sheet->SetDocument(50, mode);
        m_sheet->DoAddPages(m_wire.GetWireSystem());
        m_sheet->DoStart();
    }
    fw::CPropertyPage* Basic() const { return m_sheet->GetBasicPage(); }
    fw::CPropertyPage* Page(uint32_t group) const { return m_sheet->GetGroupPage(group); }
    void Show(uint32_t group) { ASSERT_TRUE(m_sheet->SetActivePage(Page(group))); }
    CEleWire& W() { return m_sheet->GetElement(); }

    CEleWire m_wire;
    std::unique_ptr<CDlgEleWireSheet> m_sheet;
};

TEST_F(WireSheet, PagesFollowTheWireSystem) {
    Open(2); // TN-C-S: no wire system is locked out
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS3);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N", "PE"}), Captions(*m_sheet));
    EXPECT_EQ(3u, W().GetWireSystem());
    Click(Basic(), IDC_WS2); // PE goes, N is made again at the end
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS1);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases"}), Captions(*m_sheet));
    EXPECT_EQ(1u, W().GetWireSystem());
}

TEST_F(WireSheet, EarthingLocksOutWireSystems) {
    struct Case {
        uint32_t earthing;
        bool ws1, ws2, ws3;
    };
    const Case cases[] = {{1, false, false, true},
                          {3, false, true, false},
                          {4, true, true, false},
                          {5, true, true, false},
                          {2, true, true, true}};
    for (const Case& c : cases) {
        Open(c.earthing);
        EXPECT_EQ(c.ws1, Enabled(Basic(), IDC_WS1)) << c.earthing;
        EXPECT_EQ(c.ws2, Enabled(Basic(), IDC_WS2)) << c.earthing;
        EXPECT_EQ(c.ws3, Enabled(Basic(), IDC_WS3)) << c.earthing;
    }
}

TEST_F(WireSheet, CoreKindForcesItsMethods) {
    Open(1);
    Click(Basic(), IDC_SINGLE);
    EXPECT_EQ(1u, W().m_basic.m_nCoreKind);
    EXPECT_EQ(6u, W().m_basic.m_nMethod); // F
    EXPECT_FALSE(Enabled(Basic(), IDC_E));
    EXPECT_TRUE(Enabled(Basic(), IDC_G));
    Show(1);
    EXPECT_TRUE(Enabled(Page(1), IDC_CORES)); // single-core cables may run in parallel
    Choose(Page(1), IDC_CORES, "2");
    EXPECT_EQ(2u, W().m_phaseN.m_nCores); // N runs in each cable
    EXPECT_EQ(1u, W().m_phasePE.m_nCores);
    ASSERT_TRUE(m_sheet->SetActivePage(Basic()));
    Click(Basic(), IDC_MULTI);
    EXPECT_EQ(5u, W().m_basic.m_nMethod); // E
    for (uint32_t g = 1; g <= 3; ++g)
        EXPECT_EQ(1u, W().GetGroup(g)->m_nCores) << g;
    EXPECT_FALSE(Enabled(Basic(), IDC_F));
    EXPECT_FALSE(Enabled(Basic(), IDC_G));
    Show(1);
    EXPECT_FALSE(Enabled(Page(1), IDC_CORES));
}

// A diameter typed on 3Phases goes to N and PE as their override: the
// reactance of all three follows and each page marks the diameter. Default
// 2.5 mm2 multi-core, method E: r = 1.00498620, D = 2 (r + 0.8) = 3.60997241;
// with d = 3 the reactance takes d/2 = 1.5 as the radius:
// X = (0.05 + 0.4605 log10(3.60997241 / 1.5)) x 2 pi 50 / 1000.
TEST_F(WireSheet, TypedDiameterCarriesOverToNAndPE) {
    Open(1);
    Show(1);
    Type(Page(1), IDC_DIAMETER, "3");
    const double x = (0.05 + 0.4605 * std::log10(3.60997241 / 1.5)) * kTwoPi * 50 / 1000;
    for (uint32_t g = 1; g <= 3; ++g) {
        EXPECT_EQ(3.0, W().GetGroup(g)->m_dDiameter) << g;
        EXPECT_NEAR(x, W().GetGroup(g)->m_dXPerMetre, 1e-9) << g;
        EXPECT_EQ(1, W().IsChangedDiameter(g)) << g;
    }
    EXPECT_TRUE(Enabled(Page(1), IDC_STAR_DIAMETER));
    EXPECT_EQ("3", Text(Page(1), IDC_DIAMETER)); // the edit typed in keeps its text
    Show(2);
    EXPECT_TRUE(Enabled(Page(2), IDC_STAR_DIAMETER));
    EXPECT_FALSE(Enabled(Page(2), IDC_STAR_X)); // calculated from the override
    // A change of size computes the group afresh: the mark goes.
    Show(1);
    Choose(Page(1), IDC_SIZE, "16");
    EXPECT_EQ(16.0, W().m_phaseN.m_dCoreSize);
    EXPECT_FALSE(Enabled(Page(1), IDC_STAR_DIAMETER));
    EXPECT_EQ(0, W().IsChangedDiameter(3));
}

TEST_F(WireSheet, TypedValuesAreCopiedAndMarked) {
    Open(1);
    Show(1);
    Type(Page(1), IDC_X_PER_M, "0.2");
    EXPECT_EQ(0.2, W().m_phaseN.m_dXPerMetre);
    EXPECT_EQ(0.2, W().m_phasePE.m_dXPerMetre);
    EXPECT_TRUE(Enabled(Page(1), IDC_STAR_X));
    // X of the group over 50 m: 0.2 x 50 / 1 = 10 mohms.
    EXPECT_EQ("10.00", Text(Page(1), 1080));
    Type(Page(1), IDC_GROUP_FACTOR, "0");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    EXPECT_FALSE(m_sheet->SetActivePage(Basic())); // the page keeps the user
    Type(Page(1), IDC_GROUP_FACTOR, "0.8");
    EXPECT_TRUE(OkEnabled(*m_sheet));
    EXPECT_TRUE(m_sheet->SetActivePage(Basic()));
}

// N cores: from (phase cores x phase size / 2) / N size, whole numbers, one
// more for a remainder; 2 x 35 over 35: 1; over 16: 35 / 16 = 2 rest 3: 3.
TEST_F(WireSheet, NeutralCoresCoverHalfThePhases) {
    Open(1);
    Click(Basic(), IDC_SINGLE);
    Show(1);
    Type(Page(1), IDC_SIZE, "35");
    Choose(Page(1), IDC_CORES, "2");
    Show(2);
    EXPECT_EQ(std::vector<std::string>({"1", "2", "3", "4"}), Entries(Page(2), IDC_CORES));
    EXPECT_EQ("2", Text(Page(2), IDC_CORES));
    Type(Page(2), IDC_SIZE, "16");
    EXPECT_EQ(std::vector<std::string>({"3", "4"}), Entries(Page(2), IDC_CORES));
    EXPECT_EQ(3u, W().m_phaseN.m_nCores); // 2 is no longer offered
    EXPECT_FALSE(OkEnabled(*m_sheet));    // 16 is below half of 2 x 35
}

TEST(WireNeutralCores, MinimumByPhaseAndNeutralSize) {
    struct Case {
        double phase;
        uint32_t cores;
        double neutral;
        uint32_t first;
    };
    const Case cases[] = {
        {35, 2, 35, 1},  {35, 2, 16, 3},   {240, 4, 120, 4}, // 480 / 120 = 4 exactly
        {240, 4, 25, 5},                                     // 480 / 25 = 19 rest 5: none offered
        {240, 4, 16, 4},                                     // 480 / 16 = 30, no rest
        {16, 1, 16, 1},  {1.5, 1, 1.5, 1},                   // half of 1.5 truncates to 0
        {35, 2, 0, 4},                                       // no N size
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.first, CDlgEleWire2::GetMinNeutralCores(c.phase, c.cores, c.neutral))
            << c.phase << " x " << c.cores << " / " << c.neutral;
}

// An N size between 0 and 1 has no whole millimetre: the rule once divided
// by the truncated size, 0, and the program stopped. It offers 4 cores.
TEST_F(WireSheet, FaultNeutralBelowOneSquareMillimetreDoesNotCrash) {
    EXPECT_EQ(4u, CDlgEleWire2::GetMinNeutralCores(35, 2, 0.5));
    Open(1);
    Show(2);
    Type(Page(2), IDC_SIZE, "0.5");
    EXPECT_EQ(std::vector<std::string>({"4"}), Entries(Page(2), IDC_CORES));
    EXPECT_EQ(4u, W().m_phaseN.m_nCores);
    EXPECT_FALSE(OkEnabled(*m_sheet));
}

TEST_F(WireSheet, BasicValuesEnableOkAndRecompute) {
    Open(4);
    Type(Basic(), IDC_AMBIENT, "-5");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    Type(Basic(), IDC_AMBIENT, "40");
    EXPECT_TRUE(OkEnabled(*m_sheet));
    // PVC at 40 degC: k1 = sqrt(30 / 40); R/m = 17.241 / 2.5 x (1 + 0.00393 x 20)
    EXPECT_DOUBLE_EQ(std::sqrt(30.0 / 40.0), W().m_phase3.m_dAmbientFactor);
    EXPECT_NEAR(17.241 / 2.5 * (1 + 0.00393 * 20), W().m_phase3.m_dRPerMetre, 1e-12);
    Type(Basic(), IDC_NAME, "");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    Type(Basic(), IDC_NAME, "W9");
    EXPECT_EQ("W9", W().m_strName);
    Type(Basic(), IDC_LOAD_CURRENT, "20");
    // 400 V, 50 m of 2.5 mm2: R = 7.46155... x 50 = 373.08 mohms,
    // dV = sqrt(3) x 20 x 373.08 x 100 / 1000 / 400 = 3.231 %.
    W().m_nVoltage = 400;
    Type(Basic(), IDC_LENGTH, "50");
    const double r = 17.241 / 2.5 * (1 + 0.00393 * 20) * 50;
    EXPECT_NEAR(std::sqrt(3.0) * 20 * r * 100 / 1000 / 400, W().DoCalcVoltageDrop(), 1e-12);
    EXPECT_EQ(W().GetTextVoltageDrop(0), Text(Basic(), IDC_VOLTAGE_DROP));
    // Three circuits on the tray: method E factor 0.82 in every group.
    Choose(Basic(), IDC_CIRCUITS, "3");
    EXPECT_EQ(0.82, W().m_phasePE.m_dGroupFactor);
    Click(Basic(), IDC_XLPE);
    EXPECT_DOUBLE_EQ(std::sqrt(50.0 / 60.0), W().m_phaseN.m_dAmbientFactor);
    Click(Basic(), IDC_AL); // aluminium starts at 2.5 mm2: the default size stays valid
    EXPECT_NEAR(28.264 / 2.5 * (1 + 0.00403 * 20), W().m_phase3.m_dRPerMetre, 1e-12);
    Click(Basic(), IDC_CALC_POINT);
    EXPECT_EQ(1u, W().m_nCalcPoint);
}

struct LockCase {
    int32_t mode;
    bool basicTemperatureLocked; // ambient read-only, radios and circuits disabled
    bool basicCircuitLocked;     // IB and length read-only
    bool groupTablesLocked;      // size and cores disabled, I0 and factors read-only
    bool groupImpedanceLocked;   // R, d, t, D, X read-only
};

TEST_F(WireSheet, ReadOnlyByMode) {
    const LockCase cases[] = {
        {1, false, false, false, false},
        {2, true, false, true, false},
        {3, true, true, true, true},
        {8, true, true, true, true},
    };
    for (const LockCase& c : cases) {
        Open(4, c.mode);
        Click(Basic(), IDC_SINGLE); // the cores list is open on single-core wires
        Show(1);
        const std::string at = "mode " + std::to_string(c.mode);
        EXPECT_EQ(c.basicTemperatureLocked, ReadOnly(Basic(), IDC_AMBIENT)) << at;
        for (unsigned id : {IDC_WS1, IDC_WS2, IDC_CU, IDC_AL, IDC_PVC, IDC_XLPE, IDC_SINGLE,
                            IDC_MULTI, IDC_F, IDC_G, IDC_CIRCUITS})
            EXPECT_EQ(!c.basicTemperatureLocked, Enabled(Basic(), id)) << at << " control " << id;
        EXPECT_EQ(c.basicCircuitLocked, ReadOnly(Basic(), IDC_LOAD_CURRENT)) << at;
        EXPECT_EQ(c.basicCircuitLocked, ReadOnly(Basic(), IDC_LENGTH)) << at;
        EXPECT_FALSE(ReadOnly(Basic(), IDC_NAME)) << at;
        EXPECT_TRUE(Enabled(Basic(), IDC_CALC_POINT)) << at;
        EXPECT_EQ(!c.groupTablesLocked, Enabled(Page(1), IDC_SIZE)) << at;
        EXPECT_EQ(!c.groupTablesLocked, Enabled(Page(1), IDC_CORES)) << at;
        for (unsigned id : {IDC_BASIC_CURRENT, IDC_AMBIENT_FACTOR, IDC_GROUP_FACTOR})
            EXPECT_EQ(c.groupTablesLocked, ReadOnly(Page(1), id)) << at << " control " << id;
        for (unsigned id : {IDC_R_PER_M, IDC_DIAMETER, IDC_INSULATION, IDC_DISTANCE, IDC_X_PER_M})
            EXPECT_EQ(c.groupImpedanceLocked, ReadOnly(Page(1), id)) << at << " control " << id;
    }
}

// OK checks every page, not only the one on show: a bad N value found while
// the Basic page shows keeps the sheet open on the N page.
TEST_F(WireSheet, OkChecksThePagesNotShowing) {
    Open(1);
    W().m_phaseN.m_dDistance = 0.0; // as a damaged file may hold it
    m_sheet->GetOkButton()->click();
    EXPECT_NE(QDialog::Accepted, m_sheet->result());
    EXPECT_EQ(m_sheet->GetPageIndex(Page(2)), m_sheet->GetActiveIndex());
    EXPECT_EQ(static_cast<unsigned>(m_sheet->GetActiveIndex()), W().m_nActivePage);
    Type(Page(2), IDC_DISTANCE, "12");
    m_sheet->GetOkButton()->click();
    EXPECT_EQ(QDialog::Accepted, m_sheet->result());
}

// The element's edit runs the registered sheet on a copy and takes it back
// on OK.
TEST_F(WireSheet, ElementEditRunsTheSheet) {
    RegisterConductorDialogs();
    TestDocument doc;
    doc.foundEarthing = 4;
    CObjElement element(kKindWire);
    element.DoInitNewElement(doc);
    QTimer::singleShot(0, [] {
        auto* sheet = dynamic_cast<CDlgEleWireSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, sheet);
        Type(sheet->GetBasicPage(), IDC_NAME, "W42");
        sheet->GetOkButton()->click();
    });
    int32_t oldVolts[2];
    int32_t newVolts[2];
    EXPECT_EQ(1, element.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ("W42", element.GetName());
    EXPECT_EQ(1, doc.undoSnapshots);
    DialogSeam<CEleWire>::run = nullptr;
}

} // namespace
