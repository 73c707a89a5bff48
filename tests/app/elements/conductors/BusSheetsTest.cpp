// The bus-bar's and the bus-duct's property sheets on the real databases,
// offscreen: pages by wire system, recalculation and carry-over from
// 3Phases to N and PE, the lists of the tables, "*" marks, locks by level,
// and the checks at OK. Table rows quoted beside the cases.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBar.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarSheet.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuct.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctSheet.h"
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

constexpr unsigned IDC_NAME = 1060;
constexpr unsigned IDC_WS1 = 1160, IDC_WS2 = 1161, IDC_WS3 = 1163;
constexpr unsigned IDC_CU = 1183, IDC_AL = 1184;
constexpr unsigned IDC_LOAD_CURRENT = 1192, IDC_LENGTH = 1105, IDC_AMBIENT = 1130;
constexpr unsigned IDC_CALC_POINT = 1181;
constexpr unsigned IDC_R_PER_M = 1081, IDC_X_PER_M = 1082;
constexpr unsigned IDC_STAR_R = 1202;

// ---- bus-bar ----

constexpr unsigned IDC_BB_MAX_TEMP = 1107;
constexpr unsigned IDC_BARE = 1175, IDC_PAINTED = 1180, IDC_VERTICAL = 1167, IDC_HORIZONTAL = 1166;
constexpr unsigned IDC_WIDTH = 1168, IDC_THICKNESS = 1124, IDC_NUMBER = 1123;
constexpr unsigned IDC_DISTANCE = 1169, IDC_SKIN = 1090;
constexpr unsigned IDC_BASIC_CURRENT = 1132, IDC_TEMP_FACTOR = 1138, IDC_INSTALL = 1136,
                   IDC_PROXIMITY = 1134;

class BusBarSheet : public WithDatabases {
protected:
    void Open(uint32_t earthing, int32_t level = 1) {
        TestDocument doc;
        doc.foundEarthing = earthing;
        CObjElement element(kKindBusBar);
        element.DoInitNewElement(doc);
        CEleBusBar bar = *static_cast<CEleBusBar*>(element.GetElement());
        bar.m_basic.m_dLength = 10.0;
        m_sheet = std::make_unique<CDlgEleBusBarSheet>("Bus-bar", nullptr, 0);
        m_sheet->GetElement() = bar;
        m_sheet->SetDocument(50, level);
        m_sheet->DoAddPages(bar.GetWireSystem());
        m_sheet->DoStart();
    }
    fw::CPropertyPage* Basic() const { return m_sheet->GetBasicPage(); }
    fw::CPropertyPage* Page(uint32_t group) const { return m_sheet->GetGroupPage(group); }
    void Show(uint32_t group) { ASSERT_TRUE(m_sheet->SetActivePage(Page(group))); }
    CEleBusBar& B() { return m_sheet->GetElement(); }

    std::unique_ptr<CDlgEleBusBarSheet> m_sheet;
};

TEST_F(BusBarSheet, PagesFollowTheWireSystem) {
    Open(2);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS3);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N", "PE"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS2);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS3); // PE after N
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N", "PE"}), Captions(*m_sheet));
    Click(Basic(), IDC_WS1);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases"}), Captions(*m_sheet));
    // TN-S leaves three phases with N and PE only, TN-C three phases with N.
    Open(1);
    EXPECT_FALSE(Enabled(Basic(), IDC_WS1));
    EXPECT_FALSE(Enabled(Basic(), IDC_WS2));
    EXPECT_TRUE(Enabled(Basic(), IDC_WS3));
    Open(3);
    EXPECT_TRUE(Enabled(Basic(), IDC_WS2));
    EXPECT_FALSE(Enabled(Basic(), IDC_WS3));
}

// Typed values of every group give way to the table's when the material
// changes; every "*" goes dark.
TEST_F(BusBarSheet, AluminiumReplacesEveryOverride) {
    Open(1);
    Show(1);
    Type(Page(1), IDC_R_PER_M, "0.05");
    Type(Page(1), IDC_PROXIMITY, "0.9");
    EXPECT_TRUE(Enabled(Page(1), IDC_STAR_R));
    for (uint32_t g = 1; g <= 3; ++g) {
        EXPECT_EQ(0.05, B().GetGroup(g)->m_dRPerMetre) << g; // copied without a look-up
        EXPECT_EQ(1, B().IsChangedRPerMetre(g)) << g;
    }
    ASSERT_TRUE(m_sheet->SetActivePage(Basic()));
    Click(Basic(), IDC_AL);
    // Row 46 (100 x 10 x 1): Al bare 1160 A; ks 1.08 at 35 degC:
    // 1.08 x 1000 / 35.1 / 1000 x (1 + 0.00403 x 15)
    for (uint32_t g = 1; g <= 3; ++g) {
        const CEleBusBarPhase& p = *B().GetGroup(g);
        EXPECT_EQ(1160.0, p.m_dBasicCurrent) << g;
        EXPECT_NEAR(1.08 / 35.1 * (1 + 0.00403 * 15), p.m_dRPerMetre, 1e-15) << g;
        EXPECT_EQ(0, B().IsChangedRPerMetre(g));
        EXPECT_EQ(0, B().IsChangedProximityFactor(g));
    }
    Show(1);
    EXPECT_FALSE(Enabled(Page(1), IDC_STAR_R));
    // The surface and the installation recompute too: painted, laid flat.
    ASSERT_TRUE(m_sheet->SetActivePage(Basic()));
    Click(Basic(), IDC_PAINTED);
    Click(Basic(), IDC_HORIZONTAL);
    EXPECT_EQ(1410.0, B().m_phaseN.m_dBasicCurrent);
    EXPECT_EQ(0.9, B().m_phaseN.m_dInstallationFactor);
}

// Phases 100 x 10 x 2 (2000 mm2): the N bars must give at least 1000 mm2.
// With N 10 mm thick in one bar its widths start at 2000 x 0.5 / (1 x 10)
// = 100: the table's 100, 120, 160 and 200.
TEST_F(BusBarSheet, NeutralListsOfferHalfThePhases) {
    Open(1);
    Show(1);
    Choose(Page(1), IDC_NUMBER, "2");
    EXPECT_EQ(2, B().m_phaseN.m_nNumber); // N and PE take the phases' bars
    Show(2);
    EXPECT_EQ(std::vector<std::string>({"1", "2", "3", "4"}), Entries(Page(2), IDC_NUMBER));
    Choose(Page(2), IDC_NUMBER, "1");
    EXPECT_EQ(1, B().m_phaseN.m_nNumber);
    EXPECT_EQ(2, B().m_phase3.m_nNumber);
    Show(1);
    Show(2); // lists filled afresh on activation
    EXPECT_EQ(std::vector<std::string>({"100", "120", "160", "200"}), Entries(Page(2), IDC_WIDTH));
    // Row 46 again: 1810 / 1490 A of one bar.
    EXPECT_EQ(1490.0, B().m_phaseN.m_dBasicCurrent);
}

// 60 x 10 x 1 (row 34): ks 1.05, Cu bare 985 A;
// R/m = 1.05 x 1000 / 56 / 600 x (1 + 0.00393 x 15) = 0.0330921875.
TEST_F(BusBarSheet, WidthOnThePhasesRecomputesAllGroups) {
    Open(1);
    Show(1);
    Choose(Page(1), IDC_WIDTH, "60");
    EXPECT_EQ(std::vector<std::string>({"5", "10"}), Entries(Page(1), IDC_THICKNESS));
    EXPECT_EQ("10", Text(Page(1), IDC_THICKNESS));
    for (uint32_t g = 1; g <= 3; ++g) {
        const CEleBusBarPhase& p = *B().GetGroup(g);
        EXPECT_EQ(60, p.m_nWidth) << g;
        EXPECT_EQ(1.05, p.m_dSkinEffect) << g;
        EXPECT_NEAR(0.0330921875, p.m_dRPerMetre, 1e-12) << g;
        EXPECT_EQ(985.0, p.m_dBasicCurrent) << g;
    }
}

// A typed distance computes the group again with the table's skin effect,
// which takes the place of a typed one, on all three groups.
TEST_F(BusBarSheet, TypedDistanceTakesTheTableSkinEffectAgain) {
    Open(1);
    Show(1);
    Type(Page(1), IDC_SKIN, "1.5");
    for (uint32_t g = 1; g <= 3; ++g) {
        EXPECT_EQ(1.5, B().GetGroup(g)->m_dSkinEffect) << g;
        EXPECT_EQ(1.08, B().GetGroup(g)->m_dSkinEffectCalc) << g;
        // R/m follows the typed factor: 1.5 / 56 x 1.05895
        EXPECT_NEAR(1.5 / 56 * (1 + 0.00393 * 15), B().GetGroup(g)->m_dRPerMetre, 1e-15);
    }
    Type(Page(1), IDC_DISTANCE, "250");
    // (0.4605 log10(250 / 110 / 0.2235) + 0.04615) x 2 pi 50 / 1000
    const double x =
        (0.4605 * std::log10(250.0 / 110.0 / 0.2235) + 0.04615) * 50 * 6.28318530717958 / 1000;
    for (uint32_t g = 1; g <= 3; ++g) {
        EXPECT_EQ(250, B().GetGroup(g)->m_nDistance) << g;
        EXPECT_EQ(1.08, B().GetGroup(g)->m_dSkinEffect) << g;
        EXPECT_NEAR(x, B().GetGroup(g)->m_dXPerMetre, 1e-12) << g;
    }
    Type(Page(1), IDC_DISTANCE, "0");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    EXPECT_FALSE(m_sheet->SetActivePage(Basic())); // the data check keeps the page
}

TEST_F(BusBarSheet, TemperaturesEnableOkAndTheirFactors) {
    Open(4);
    Type(Basic(), IDC_BB_MAX_TEMP, "45");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    Type(Basic(), IDC_BB_MAX_TEMP, "85");
    EXPECT_TRUE(OkEnabled(*m_sheet));
    // (50/30 x 1.18 / 1.26)^(1/1.7) = 1.29939533 in every group, in use.
    for (uint32_t g = 1; g <= 3; ++g)
        EXPECT_NEAR(1.29939533, B().GetGroup(g)->m_dTemperatureFactor, 1e-8) << g;
    Type(Basic(), IDC_AMBIENT, "70");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    Type(Basic(), IDC_AMBIENT, "40");
    EXPECT_TRUE(OkEnabled(*m_sheet));
    Type(Basic(), IDC_LENGTH, "-1");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    EXPECT_FALSE(m_sheet->SetActivePage(Page(1)));
    Type(Basic(), IDC_LENGTH, "20");
    EXPECT_TRUE(m_sheet->SetActivePage(Page(1)));
}

TEST_F(BusBarSheet, LocksByLevel) {
    struct Case {
        int32_t level;
        bool temperatures, circuit, tables, impedances;
    };
    const Case cases[] = {{1, false, false, false, false},
                          {2, true, false, true, false},
                          {3, true, true, true, true},
                          {8, true, true, true, true}};
    for (const Case& c : cases) {
        Open(2, c.level);
        Show(1);
        const std::string at = "level " + std::to_string(c.level);
        EXPECT_EQ(c.temperatures, ReadOnly(Basic(), IDC_BB_MAX_TEMP)) << at;
        EXPECT_EQ(c.temperatures, ReadOnly(Basic(), IDC_AMBIENT)) << at;
        EXPECT_EQ(c.circuit, ReadOnly(Basic(), IDC_LOAD_CURRENT)) << at;
        EXPECT_EQ(c.circuit, ReadOnly(Basic(), IDC_LENGTH)) << at;
        for (unsigned id : {IDC_WS1, IDC_WS2, IDC_WS3, IDC_CU, IDC_AL, IDC_BARE, IDC_PAINTED,
                            IDC_VERTICAL, IDC_HORIZONTAL})
            EXPECT_EQ(!c.temperatures, Enabled(Basic(), id)) << at << " control " << id;
        EXPECT_FALSE(ReadOnly(Basic(), IDC_NAME)) << at;
        EXPECT_TRUE(Enabled(Basic(), IDC_CALC_POINT)) << at;
        for (unsigned id : {IDC_WIDTH, IDC_THICKNESS, IDC_NUMBER})
            EXPECT_EQ(!c.tables, Enabled(Page(1), id)) << at << " control " << id;
        for (unsigned id : {IDC_BASIC_CURRENT, IDC_TEMP_FACTOR, IDC_INSTALL, IDC_PROXIMITY})
            EXPECT_EQ(c.tables, ReadOnly(Page(1), id)) << at << " control " << id;
        for (unsigned id : {IDC_DISTANCE, IDC_SKIN, IDC_R_PER_M, IDC_X_PER_M})
            EXPECT_EQ(c.impedances, ReadOnly(Page(1), id)) << at << " control " << id;
    }
}

// OK once checked only the page on show: a bad PE value from a file went
// through while the Basic page showed. Every page is checked now.
TEST_F(BusBarSheet, FaultOkChecksThePagesNotShowing) {
    Open(1);
    B().m_phasePE.m_dProximityFactor = 0.0;
    m_sheet->GetOkButton()->click();
    EXPECT_NE(QDialog::Accepted, m_sheet->result());
    EXPECT_EQ(m_sheet->GetPageIndex(Page(3)), m_sheet->GetActiveIndex());
    Type(Page(3), IDC_PROXIMITY, "1");
    m_sheet->GetOkButton()->click();
    EXPECT_EQ(QDialog::Accepted, m_sheet->result());
}

// ---- bus-duct ----

constexpr unsigned IDC_BD_MAX_TEMP = 1222;
constexpr unsigned IDC_BD_BARE = 1175, IDC_BD_INSULATED = 1221;
constexpr unsigned IDC_RATED = 1100, IDC_BD_WIDTH = 1168, IDC_BD_NUMBER = 1123, IDC_IZ = 1110;

class BusDuctSheet : public WithDatabases {
protected:
    void Open(uint32_t earthing, int32_t level = 1) {
        TestDocument doc;
        doc.foundEarthing = earthing;
        CObjElement element(kKindBusDuct);
        element.DoInitNewElement(doc);
        m_duct = *static_cast<CEleBusDuct*>(element.GetElement());
        m_duct.m_basic.m_dLength = 20.0;
        Start(level);
    }
    void Start(int32_t level = 1) {
        m_sheet = std::make_unique<CDlgEleBusDuctSheet>("Bus-duct", nullptr, 0);
        m_sheet->GetElement() = m_duct;
        m_sheet->SetDocument(50, level);
        m_sheet->DoAddPages(m_duct.GetWireSystem());
        m_sheet->DoStart();
    }
    fw::CPropertyPage* Basic() const { return m_sheet->GetBasicPage(); }
    fw::CPropertyPage* Page(uint32_t group) const { return m_sheet->GetGroupPage(group); }
    void Show(uint32_t group) { ASSERT_TRUE(m_sheet->SetActivePage(Page(group))); }
    CEleBusDuct& D() { return m_sheet->GetElement(); }

    CEleBusDuct m_duct;
    std::unique_ptr<CDlgEleBusDuctSheet> m_sheet;
};

TEST_F(BusDuctSheet, PagesFollowTheWireSystem) {
    Open(2);
    Click(Basic(), IDC_WS3);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N", "PE"}), Captions(*m_sheet));
    D().m_phaseN.m_dXPerMetre = 0.02;
    Click(Basic(), IDC_WS2); // both go, a fresh N page comes back
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases", "N"}), Captions(*m_sheet));
    EXPECT_EQ(0.02, D().m_phaseN.m_dXPerMetre); // the data stay in the copy
    Click(Basic(), IDC_WS1);
    EXPECT_EQ(std::vector<std::string>({"Basic", "3Phases"}), Captions(*m_sheet));
}

// Copper 2500 A: 135 x 6 mm, two bars, R 0.01157, X 0.00973 at 50 Hz.
TEST_F(BusDuctSheet, RatingOnThePhasesGoesToNAndPEWhateverTheWireSystem) {
    Open(4); // TT: three phases only
    ASSERT_EQ(1u, D().GetWireSystem());
    Show(1);
    Choose(Page(1), IDC_RATED, "2500");
    for (uint32_t g = 1; g <= 3; ++g) {
        const CEleBusDuctPhase& p = *D().GetGroup(g);
        EXPECT_EQ(2500.0, p.m_dRatedCurrent) << g;
        EXPECT_EQ(135.0, p.m_dWidth) << g;
        EXPECT_EQ(2u, p.m_nNumber) << g;
        EXPECT_EQ(0.01157, p.m_dRPerMetre) << g;
        EXPECT_EQ(0.00973, p.m_dXPerMetre) << g;
    }
    EXPECT_EQ("135", Text(Page(1), IDC_BD_WIDTH));
    EXPECT_EQ("2", Text(Page(1), IDC_BD_NUMBER));
    EXPECT_EQ("2500", Text(Page(1), IDC_IZ));
    // R over 20 m: 0.01157 x 20 = 0.2314 mohms.
    EXPECT_EQ("0.2314", Text(Page(1), 1079));
}

TEST_F(BusDuctSheet, NeutralListStartsAtThePhaseRating) {
    Open(1);
    Show(1);
    Choose(Page(1), IDC_RATED, "800");
    Show(2);
    const std::vector<std::string> expected = {"800",  "1000", "1250", "1600", "2000",
                                               "2500", "3200", "4000", "5000"};
    EXPECT_EQ(expected, Entries(Page(2), IDC_RATED));
    EXPECT_EQ("800", Text(Page(2), IDC_RATED));
}

// A rating the list does not offer (N of 630 A under phases of 800 A) took
// the first entry's item data, a row id, as its rating. It takes the
// first listed rating and that row's data: 800 A copper, 90 x 6, R 0.034.
TEST_F(BusDuctSheet, FaultRatingOutsideTheListTakesARating) {
    Open(1);
    m_duct = D();
    m_duct.m_phase3.m_dRatedCurrent = 800.0;
    m_duct.m_phase3.DoReadByRatedCurrent(50.0, m_duct.m_basic);
    m_duct.m_phaseN.m_dRatedCurrent = 630.0;
    m_duct.m_phaseN.DoReadByRatedCurrent(50.0, m_duct.m_basic);
    Start();
    Show(2);
    EXPECT_EQ("800", Text(Page(2), IDC_RATED));
    EXPECT_EQ(800.0, D().m_phaseN.m_dRatedCurrent);
    EXPECT_EQ(90.0, D().m_phaseN.m_dWidth);
    EXPECT_EQ(0.034, D().m_phaseN.m_dRPerMetre);
}

// The insulation buttons once had no handler: the choice was shown and
// dropped. It is stored, and OK takes it back into the element.
TEST_F(BusDuctSheet, FaultInsulationChoiceIsStored) {
    RegisterConductorDialogs();
    TestDocument doc;
    CObjElement element(kKindBusDuct);
    element.DoInitNewElement(doc);
    ASSERT_EQ(2u, static_cast<CEleBusDuct*>(element.GetElement())->m_basic.m_nInsulation);
    QTimer::singleShot(0, [] {
        auto* sheet = dynamic_cast<CDlgEleBusDuctSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, sheet);
        Click(sheet->GetBasicPage(), IDC_BD_BARE);
        sheet->GetOkButton()->click();
    });
    int32_t oldVolts[2];
    int32_t newVolts[2];
    EXPECT_EQ(1, element.DoEditElement(doc, nullptr, {}, oldVolts, newVolts));
    EXPECT_EQ(1u, static_cast<CEleBusDuct*>(element.GetElement())->m_basic.m_nInsulation);
    DialogSeam<CEleBusDuct>::run = nullptr;
}

TEST_F(BusDuctSheet, MaterialAndTypedValues) {
    Open(1);
    Click(Basic(), IDC_AL); // aluminium 1000 A: 170 x 6, R 0.02975
    for (uint32_t g = 1; g <= 3; ++g) {
        EXPECT_EQ(170.0, D().GetGroup(g)->m_dWidth) << g;
        EXPECT_EQ(0.02975, D().GetGroup(g)->m_dRPerMetre) << g;
    }
    Show(1);
    Type(Page(1), IDC_R_PER_M, "0");
    EXPECT_FALSE(OkEnabled(*m_sheet));
    EXPECT_FALSE(m_sheet->SetActivePage(Basic()));
    Type(Page(1), IDC_R_PER_M, "0.05");
    EXPECT_TRUE(OkEnabled(*m_sheet));
    EXPECT_EQ(0.05, D().m_phaseN.m_dRPerMetre);
    EXPECT_EQ(0.05, D().m_phasePE.m_dRPerMetre);
    EXPECT_TRUE(Enabled(Page(1), IDC_STAR_R));
    Show(3);
    Type(Page(3), IDC_X_PER_M, "0.02"); // N and PE pages touch their own group only
    EXPECT_EQ(0.02, D().m_phasePE.m_dXPerMetre);
    EXPECT_EQ(0.01341, D().m_phaseN.m_dXPerMetre);
    EXPECT_EQ(0.01341, D().m_phase3.m_dXPerMetre);
}

TEST_F(BusDuctSheet, LocksByLevel) {
    struct Case {
        int32_t level;
        bool radios, circuit, list, impedances;
    };
    const Case cases[] = {{1, false, false, false, false},
                          {2, true, false, true, false},
                          {3, true, true, true, true},
                          {7, true, true, true, true}};
    for (const Case& c : cases) {
        Open(2, c.level);
        Show(1);
        const std::string at = "level " + std::to_string(c.level);
        EXPECT_TRUE(ReadOnly(Basic(), IDC_BD_MAX_TEMP)) << at; // shown only, always
        EXPECT_TRUE(ReadOnly(Basic(), IDC_AMBIENT)) << at;
        EXPECT_EQ(c.circuit, ReadOnly(Basic(), IDC_LOAD_CURRENT)) << at;
        EXPECT_EQ(c.circuit, ReadOnly(Basic(), IDC_LENGTH)) << at;
        for (unsigned id :
             {IDC_WS1, IDC_WS2, IDC_WS3, IDC_CU, IDC_AL, IDC_BD_BARE, IDC_BD_INSULATED})
            EXPECT_EQ(!c.radios, Enabled(Basic(), id)) << at << " control " << id;
        EXPECT_FALSE(ReadOnly(Basic(), IDC_NAME)) << at;
        EXPECT_EQ(!c.list, Enabled(Page(1), IDC_RATED)) << at;
        EXPECT_EQ(c.impedances, ReadOnly(Page(1), IDC_R_PER_M)) << at;
        EXPECT_EQ(c.impedances, ReadOnly(Page(1), IDC_X_PER_M)) << at;
    }
}

TEST_F(BusDuctSheet, OkChecksThePagesNotShowing) {
    Open(1);
    D().m_phaseN.m_dXPerMetre = 0.0;
    m_sheet->GetOkButton()->click();
    EXPECT_NE(QDialog::Accepted, m_sheet->result());
    EXPECT_EQ(m_sheet->GetPageIndex(Page(2)), m_sheet->GetActiveIndex());
    Type(Page(2), IDC_X_PER_M, "0.013");
    m_sheet->GetOkButton()->click();
    EXPECT_EQ(QDialog::Accepted, m_sheet->result());
}

} // namespace
