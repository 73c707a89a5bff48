// A drawn network with its protective devices: the feeder of the radial
// hand network (source, transformer, bus-bar, wire) with a low-voltage
// breaker between the bus-bar and the wire and a contactor between the wire
// and its motor. The devices add no impedance: the breaker's point carries
// the bus-bar's currents and the contactor's the wire's, the hand values of
// the network without them.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
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
