// A drawn network with its protective devices: the feeder of the radial
// hand network (source, transformer, bus-bar, wire) with a low-voltage
// breaker between the bus-bar and the wire and a contactor between the wire
// and its motor. The devices add no impedance: the breaker's point carries
// the bus-bar's currents and the contactor's the wire's, the hand values of
// the network without them.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include <gtest/gtest.h>

namespace {

using tvtest::CalcNet;
using tvtest::NetItem;

// Source 500 MVA X/R 25; transformer 1000 kVA 5 % X/R 5; bus-bar 10 m;
// wire 50 m (the values of the calculation's hand networks).
std::vector<NetItem> Feeder(bool devices) {
    const std::vector<double> source{500, 25};
    const std::vector<double> trans{1000, 5, 5};
    const std::vector<double> bar{10, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18};
    const std::vector<double> wire{50, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
    if (!devices)
        return {{"S", kKindSource, 0, 0, 0, source},
                {"T", kKindTrans3, 0, 2, 0, trans, true},
                {"BB", kKindBusBar, 0, 5, 0, bar, true},
                {"W", kKindWire, 0, 9, 0, wire, true},
                {"M", kKindMotor, 0, 13}};
    return {{"S", kKindSource, 0, 0, 0, source},
            {"T", kKindTrans3, 0, 2, 0, trans, true},
            {"BB", kKindBusBar, 0, 5, 0, bar, true},
            {"CB", kKindLVCB, 0, 9, 0, {100}, true},
            {"W", kKindWire, 0, 12, 0, wire, true},
            {"MC", kKindContactor, 0, 16, 0, {}, true},
            {"M", kKindMotor, 0, 18}};
}

TEST(ProtectedNetwork, DevicesAddNoImpedance) {
    CalcNet plain(Feeder(false));
    plain.doc.DoCalculateAll();
    CalcNet net(Feeder(true));
    net.doc.DoCalculateAll();
    // The hand values of the radial network: bus-bar 23 691.7 A, wire
    // 15 715.9 A three-phase, wire 10 678.5 A phase to neutral.
    EXPECT_NEAR(plain.Ik3("BB"), 23691.7, 0.05);
    EXPECT_NEAR(plain.Ik3("W"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik3("BB"), 23691.7, 0.05);
    EXPECT_NEAR(net.Ik3("CB"), 23691.7, 0.05);
    EXPECT_NEAR(net.Ik3("W"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik3("MC"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik1N("W"), 10678.5, 0.05);
    EXPECT_NEAR(net.Ik1N("MC"), 10678.5, 0.05);
    EXPECT_NEAR(net.Ik1N("CB"), plain.Ik1N("BB"), 0.05);
    // A breaker switched off ends the circuit below it.
    std::vector<NetItem> items = Feeder(true);
    items[3].off = true;
    CalcNet off(items);
    off.doc.DoCalculateAll();
    EXPECT_EQ(off.Ik3("W"), 0.0);
}

// The whole feeder with every protective device: a high-voltage breaker
// between the source and the transformer, a low-voltage breaker below the
// bus-bar, the contactor with its thermal relay above the motor. None adds
// impedance: the high-voltage breaker's point carries the source's own
// three-phase current at 6600 V, 500 MVA / (sqrt3 x 6.6 kV) = 43 738.7 A,
// and the relay's the wire's.
TEST(ProtectedNetwork, EveryDeviceOfTheFeederAddsNoImpedance) {
    const std::vector<double> source{500, 25};
    const std::vector<double> trans{1000, 5, 5};
    const std::vector<double> bar{10, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18};
    const std::vector<double> wire{50, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
    std::vector<NetItem> items{{"S", kKindSource, 0, 0, 0, source},
                               {"HCB", kKindHVCB, 0, 2, 0, {}, true},
                               {"T", kKindTrans3, 0, 4, 0, trans, true},
                               {"BB", kKindBusBar, 0, 7, 0, bar, true},
                               {"CB", kKindLVCB, 0, 11, 0, {100}, true},
                               {"W", kKindWire, 0, 14, 0, wire, true},
                               {"MC", kKindContactor, 0, 18, 0, {}, true},
                               {"THR", kKindThermal, 0, 20, 0, {}, true},
                               {"M", kKindMotor, 0, 22}};
    CalcNet net(items);
    net.doc.DoCalculateAll();
    double atHvcb = 0.0;
    net.PointOf("HCB")->DoCalcIk3Total(6600, &atHvcb);
    EXPECT_NEAR(atHvcb, 43738.7, 0.05);
    EXPECT_EQ(tvtest::ModelOf<CEleHVCB>(net["HCB"]).DoGetTextTotalIk3Sym(1), "43.739kA");
    EXPECT_NEAR(net.Ik3("BB"), 23691.7, 0.05);
    EXPECT_NEAR(net.Ik3("CB"), 23691.7, 0.05);
    EXPECT_NEAR(net.Ik3("W"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik3("MC"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik3("THR"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik1N("THR"), 10678.5, 0.05);
    // The high-voltage breaker switched off ends everything below it.
    items[1].off = true;
    CalcNet off(items);
    off.doc.DoCalculateAll();
    EXPECT_EQ(off.Ik3("BB"), 0.0);
    EXPECT_EQ(off.Ik3("THR"), 0.0);
}

} // namespace

namespace {

// Drawn symbol by symbol as the skeleton view places them, each set up from
// the databases and its neighbours: source, transformer, zero conductor, a
// breaker, a wire, a contactor and a motor.
class DrawnProtectedNetwork : public protecttest::WithAllDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        auto owned = std::make_unique<CObjElement>(kind);
        CObjElement* e = owned.get();
        if (cells > 0) {
            fw::CRect r(0, 0, 40 * cells - 1, 39);
            e->SetSymbolRect(nullptr, &r);
        }
        fw::CPoint at(40 * col + 1, 40 * row + 1);
        e->SetSymbolRect(&at, nullptr);
        doc.m_listGroups.AddNewGroup()->SetElement(std::move(owned));
        e->DoInitNewElement(doc);
        return e;
    }
    CTovarineDocData doc;
};

TEST_F(DrawnProtectedNetwork, PassesCheckAndCalculation) {
    Draw(kKindSource, 0, 0);
    Draw(kKindTrans3, 0, 2);
    Draw(kKindZeroCond, 0, 5, 6);
    CObjElement* cb = Draw(kKindLVCB, 1, 6);
    CObjElement* w = Draw(kKindWire, 1, 9);
    CObjElement* mc = Draw(kKindContactor, 1, 13);
    Draw(kKindMotor, 1, 15);
    // The breaker's rating, as its dialog would choose it: what the wire
    // carries.
    CEleLVCB* breaker = static_cast<CEleLVCB*>(cb->GetElement());
    ASSERT_NE(breaker->GetAdjust(), nullptr);
    const double iz = static_cast<CEleWire*>(w->GetElement())->m_phase3.GetCurrentCapacity();
    ASSERT_GT(iz, 0.0);
    breaker->GetAdjust()->m_infoBase.m_dRatedValue = iz;
    static_cast<CEleContactor*>(mc->GetElement())->m_nCalcPoint = 1;
    CTovarineDocData::CModeResult check = doc.DoModeCheck();
    ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
    // The breaker below the zero conductor is marked as fed from a
    // transformer.
    EXPECT_EQ(cb->GetFeedMark(), 1);
    CTovarineDocData::CModeResult calc = doc.DoModeCalculation();
    EXPECT_TRUE(calc.bRan);
    EXPECT_EQ(doc.m_nMode, 3);
    // The breaker's point holds the zero conductor's currents.
    double atBreaker = 0.0;
    breaker->m_calcPoint.DoCalcIk3Total(400, &atBreaker);
    EXPECT_GT(atBreaker, 0.0);
    EXPECT_NE(breaker->DoGetRatingsText(3).find("I\"k3"), std::string::npos);
}

} // namespace

namespace {

// The whole feeder drawn with every protective device: source, high-voltage
// breaker, transformer, zero conductor, low-voltage breaker, wire, the
// contactor with its thermal relay, motor; each set up from the databases
// and its neighbours as the skeleton view sets it up.
class DrawnFeeder : public protecttest::WithAllDatabases {
protected:
    CObjElement* Draw(int32_t kind, int col, int row, int cells = 0) {
        CObjElement* e = tvtest::Place(doc, kind, col, row, 0, cells);
        e->DoInitNewElement(doc);
        return e;
    }
    CTovarineDocData doc;
};

TEST_F(DrawnFeeder, EveryDevicePassesCheckAndCalculation) {
    Draw(kKindSource, 0, 0);
    CObjElement* hcb = Draw(kKindHVCB, 0, 2);
    CObjElement* t = Draw(kKindTrans3, 0, 4);
    Draw(kKindZeroCond, 0, 7, 6);
    CObjElement* cb = Draw(kKindLVCB, 1, 8);
    CObjElement* w = Draw(kKindWire, 1, 11);
    CObjElement* mc = Draw(kKindContactor, 1, 15);
    CObjElement* thr = Draw(kKindThermal, 1, 17);
    Draw(kKindMotor, 1, 19);
    // The breakers and the relay took their circuits' voltages from their
    // neighbours, and their relays from the breaker database.
    auto& hv = tvtest::ModelOf<CEleHVCB>(hcb);
    auto& relay = tvtest::ModelOf<CEleThermal>(thr);
    EXPECT_EQ(hv.GetVoltage(), t->GetVoltage(0));
    EXPECT_EQ(relay.GetVoltage(), 400);
    EXPECT_EQ(hv.DoGetTextTypeName(), "KOR-D1");
    EXPECT_EQ(relay.DoGetTextTypeName(), "KTH-12");
    // The low-voltage breaker's rating as its dialog would choose it.
    auto& breaker = tvtest::ModelOf<CEleLVCB>(cb);
    breaker.GetAdjust()->m_infoBase.m_dRatedValue =
        tvtest::ModelOf<CEleWire>(w).m_phase3.GetCurrentCapacity();
    hv.m_nCalcPoint = 1;
    tvtest::MarkCalcPoint(mc);
    CTovarineDocData::CModeResult check = doc.DoModeCheck();
    ASSERT_TRUE(check.bPassed) << check.nMessage << " " << check.strName;
    CTovarineDocData::CModeResult calc = doc.DoModeCalculation();
    EXPECT_TRUE(calc.bRan);
    EXPECT_EQ(doc.m_nMode, 3);
    // The high-voltage breaker's point holds the source's current at its
    // voltage; the relay's the same current as the contactor's above it.
    double atHvcb = 0.0;
    hv.m_calcPoint.DoCalcIk3Total(hv.GetVoltage(), &atHvcb);
    EXPECT_GT(atHvcb, 0.0);
    double atContactor = 0.0, atRelay = 0.0;
    tvtest::CalcPointOf(mc)->DoCalcIk3Total(400, &atContactor);
    relay.m_calcPoint.DoCalcIk3Total(400, &atRelay);
    EXPECT_GT(atRelay, 0.0);
    EXPECT_NEAR(atRelay, atContactor, 1e-6);
    EXPECT_NE(hv.DoGetLabelText(doc.m_nMode).find("I\"k3total="), std::string::npos);
    EXPECT_NE(relay.DoGetLabelText(doc.m_nMode).find("I\"k3="), std::string::npos);
}

} // namespace
