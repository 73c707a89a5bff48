// The low-voltage breaker's automatic selection, its let-through energy and
// its electric-shock check, on the build's breaker and curve databases. The
// expected types and values are read by hand from the rows of
// data/dorventa and data/orbelune quoted beside each case.

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace protecttest;

namespace {

// A point whose source-side three-phase current at 400 V is `amps`: base
// 10 000 kVA and a reactance alone, %X = S x 1e5 / (sqrt 3 x V x I).
void SetIk3(CCalcPoint& p, double amps) {
    p.m_dBaseCapacity = 10000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.0;
    p.m_zSource.m_dX = 10000.0 * 1000.0 * 100.0 / (std::sqrt(3.0) * 400.0 * amps);
}

// A 100 A, 3-pole breaker of 400 V chosen by hand in the maker's moulded-case
// group (maker 1, group 2, breaker code 11), without a type yet.
CEleLVCB Mccb(double rated = 100.0) {
    CEleLVCB b;
    b.m_nCalcPoint = 1;
    b.m_nPoles = 3;
    b.m_nUseCode = 1;
    b.m_nEarthing = 1;
    b.m_nWireSystem = 3;
    CInfoBase& i = b.DoAddNewObjAdjust()->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_strManufactureName = "KESTRAVAL";
    i.m_lGroupID = 2;
    i.m_strGroupName = "Moulded-case circuit breakers";
    i.m_nKindFlag = 2;
    i.m_nLVCBCode = 11;
    i.m_nVoltage = 400;
    i.m_dRatedValue = rated;
    b.m_dDisconnectTime = b.GetDisconnectTime();
    return b;
}

class BreakerSelection : public WithAllDatabases {};

// Rows of the 100 A, 3-pole types of group 2 (Break_Capacity, lIcu / lIcs at
// 400 V): KVC-125S (124) 25 000 / 12 500, KVC-125H (125) 50 000 / 37 500;
// both are ordered 125 in type order, the S frame first (sub-order 1).
TEST_F(BreakerSelection, TheSmallestTypeThatReachesTheCurrent) {
    struct Case {
        const char* what;
        uint32_t criterion;
        double ik;
        int32_t type;
        double icu;
        double ics;
        const char* text;
    };
    const Case cases[] = {
        {"20 kA by Icu: the S frame", 2, 20000.0, 124, 25000.0, 12500.0, "Icu"},
        {"30 kA by Icu: only the H frame", 2, 30000.0, 125, 50000.0, 37500.0, "Icu"},
        {"20 kA by Ics: the S frame's Ics is 12.5 kA", 1, 20000.0, 125, 50000.0, 37500.0, "Ics"},
        {"10 kA by Ics: the S frame", 1, 10000.0, 124, 25000.0, 12500.0, "Ics"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CEleLVCB b = Mccb();
        SetIk3(b.m_calcPoint, c.ik);
        ASSERT_EQ(b.DoSelectAutomatic(c.criterion, 0), 1);
        EXPECT_EQ(b.GetTypeID(), c.type);
        EXPECT_EQ(b.m_nCriterion, c.criterion);
        EXPECT_EQ(b.m_currentOwn.m_dIcu, c.icu);
        EXPECT_EQ(b.m_currentOwn.m_dIcs, c.ics);
        EXPECT_GE(b.m_currentOwn.m_dIcu, c.ik);
        // The rated current stays what the load asked for.
        EXPECT_EQ(b.GetAdjust()->m_infoBase.m_dRatedValue, 100.0);
        EXPECT_EQ(b.DoGetTextSelectResult(0), c.text);
        EXPECT_EQ(b.DoGetTextSelectResult(1), std::string(c.text) + ":");
    }
}

TEST_F(BreakerSelection, NothingReachesTheCurrentOrNoRating) {
    // 60 kA is above the H frame's 50 kA: no candidate; the breaker keeps
    // its characteristic and is told as not selected.
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 60000.0);
    EXPECT_EQ(b.DoSelectAutomatic(2, 0), 0);
    EXPECT_EQ(b.m_listCandidate.GetCount(), 0);
    EXPECT_EQ(b.GetTypeID(), 0);
    EXPECT_EQ(b.GetAdjust()->m_infoBase.m_lGroupID, 2);
    EXPECT_EQ(b.m_nCriterion, 2u);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "NG by In or Ue");
    // Without a rated current nothing is searched.
    CEleLVCB none = Mccb(0.0);
    SetIk3(none.m_calcPoint, 1000.0);
    EXPECT_EQ(none.DoSelectAutomatic(2, 0), 0);
    EXPECT_EQ(none.m_nCriterion, 0u);
    EXPECT_EQ(none.DoGetTextSelectResult(0), "-");
}

TEST_F(BreakerSelection, AKeptTypeMustReachTheCurrentToo) {
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 20000.0);
    ASSERT_EQ(b.DoSelectAutomatic(2, 0), 1);
    ASSERT_EQ(b.GetTypeID(), 124);
    // Again at 20 kA: the S frame is a candidate, it stays.
    EXPECT_EQ(b.DoSelectAutomatic(2, 0), 1);
    EXPECT_EQ(b.GetTypeID(), 124);
    // At 30 kA only the H frame is a candidate: the kept S frame fails and
    // says so.
    SetIk3(b.m_calcPoint, 30000.0);
    EXPECT_EQ(b.DoSelectAutomatic(2, 0), 0);
    EXPECT_EQ(b.GetTypeID(), 124);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "NG by Icu");
    // Forced (the far end of the wire), the first candidate replaces it.
    SetIk3(b.m_calcPoint2, 30000.0);
    EXPECT_EQ(b.DoSelectAutomatic(8, 1), 1);
    EXPECT_EQ(b.GetTypeID(), 125);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Icu at wire-end");
}

// A current equal to the capacity is within it, in the search and in the
// verdict alike.
TEST_F(BreakerSelection, ACurrentEqualToTheCapacityPasses) {
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 20000.0);
    ASSERT_EQ(b.DoSelectAutomatic(2, 0), 1);
    b.m_currentOwn.m_dIcu = b.GetSelectionIk(2);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Icu");
    b.m_currentOwn.m_dIcu = b.GetSelectionIk(2) * 0.999;
    EXPECT_EQ(b.DoGetTextSelectResult(0), "NG by Icu");
    // Without any Icu at its voltage the type is not for this circuit.
    b.m_currentOwn.m_dIcu = 0.0;
    EXPECT_EQ(b.DoGetTextSelectResult(0), "NG by Ue");
}

// Once chosen automatically, a breaker without a type is searched among
// every maker and group, miniature breakers first: KVM-125 (104, group 1,
// code 10, Icu 10 000 A at 400 V, nUse 1) for a use that admits it; for use
// 1 (fed from a transformer) only nUse 0 and 11 are admitted, and the
// moulded-case S frame comes first.
TEST_F(BreakerSelection, AnAutomaticBreakerIsSearchedAmongEveryMaker) {
    CEleLVCB any = Mccb();
    any.m_nCriterion = 2;
    any.m_nUseCode = 0;
    SetIk3(any.m_calcPoint, 8000.0);
    ASSERT_EQ(any.DoSelectAutomatic(2, 0), 1);
    EXPECT_EQ(any.GetTypeID(), 104);
    EXPECT_EQ(any.GetAdjust()->m_infoBase.m_nLVCBCode, 10);
    EXPECT_EQ(any.m_currentOwn.m_dIcu, 10000.0);
    // A miniature breaker outside the Icu series is rated by Icn.
    EXPECT_EQ(any.DoGetTextSelectResult(0), "Icn");
    CEleLVCB::SetIcuSeriesCode("KVM-1");
    EXPECT_EQ(any.DoGetTextSelectResult(0), "Icu");
    CEleLVCB::SetIcuSeriesCode("KVM-H");

    CEleLVCB fed = Mccb();
    fed.m_nCriterion = 2;
    SetIk3(fed.m_calcPoint, 8000.0);
    ASSERT_EQ(fed.DoSelectAutomatic(2, 0), 1);
    EXPECT_EQ(fed.GetTypeID(), 124);
}

// The single-phase circuit is judged by the larger of the loop current at
// V/2 and the single-phase current at V.
TEST_F(BreakerSelection, SinglePhaseTakesTheLargerCurrent) {
    CEleLVCB b = Mccb();
    b.SetSinglePhase(1);
    double loop = 0.0, single = 0.0;
    SetIk3(b.m_calcPoint, 20000.0);
    b.m_calcPoint.DoCalcIkSinglePhaseLoop(200, &loop);
    b.m_calcPoint.DoCalcIkSinglePhase(400, &single);
    EXPECT_EQ(b.GetSelectionIk(2), std::max(loop, single));
    EXPECT_EQ(b.GetSelectionIk(5), 0.0);
}

// Energy let through: (k I)^2 t / f. At 8 kA the power factor is 0.5
// (6 kA < I <= 10 kA); over t = 3 cycles, b = 2 pi t = 18.850 and
// k^2 = 1 + tan(phi) sin^2(phi) (1 - e^(-2b / tan phi)) / b = 1.068916,
// so E = 1.068916 x 8000^2 x 3 / 50 = 4 104 638 A2s (with k = 1 it would
// be 3.84e6).
TEST_F(BreakerSelection, LetThroughEnergyByCalculation) {
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 8000.0);
    EXPECT_NEAR(b.GetLetThroughEnergy(50.0, CEleLVCB::kFaultThreePhase, 0, 3.0), 4104638.0, 1.0);
    // Without a loop value the phase-to-PE current is the three-phase one
    // of the source side.
    EXPECT_NEAR(b.GetLetThroughEnergy(50.0, CEleLVCB::kFaultPhasePE, 0, 3.0), 4104638.0, 1.0);
    EXPECT_EQ(b.GetLetThroughEnergy(50.0, 4, 0, 3.0), 0.0);
    CEleLVCB none;
    EXPECT_EQ(none.GetLetThroughEnergy(50.0, 1, 0, 3.0), 0.0);
}

// The I2t curve of KVC-125S at 400 V, 100 A: header 22 (415 V, the lowest
// voltage not below the circuit's). Between (8 kA, 310.0 kA2s) and (10 kA,
// 378.9 kA2s), straight on the log-log axes: at 9 kA 310.0 x (378.9 /
// 310.0)^(log 1.125 / log 1.25) = 344.643 kA2s. On a point: 378 900 A2s.
// Above the last point (70 kA): 0. KVE-250S (151) has no I2t curve: -1.
TEST_F(BreakerSelection, LetThroughI2tFromTheCurve) {
    CEleLVCB b = Mccb();
    b.GetAdjust()->m_infoBase.m_lTypeID = 124;
    SetIk3(b.m_calcPoint, 9000.0);
    EXPECT_NEAR(b.GetLetThroughI2t(), 344643.0, 1.0);
    EXPECT_NEAR(b.GetLetThroughEnergy(50.0, 1, 1, 3.0), 344643.0, 1.0);
    SetIk3(b.m_calcPoint, 10000.0);
    EXPECT_NEAR(b.GetLetThroughI2t(), 378900.0, 0.5);
    SetIk3(b.m_calcPoint, 80000.0);
    EXPECT_EQ(b.GetLetThroughI2t(), 0.0);
    b.GetAdjust()->m_infoBase.m_lTypeID = 151;
    EXPECT_EQ(b.GetLetThroughI2t(), -1.0);
}

// KVC-125S 100 A: its upper band's instantaneous trip current is 1200 A
// (12 x In); at 400 V TN-S the disconnection time 0.4 s lies on the
// instantaneous part of the band, so Ia is 1200 A (to the graph's
// resolution).
TEST_F(BreakerSelection, ShockTripCurrentOnTheCharacteristic) {
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 20000.0);
    ASSERT_EQ(b.DoSelectAutomatic(2, 0), 1);
    ASSERT_EQ(b.GetTypeID(), 124);
    EXPECT_EQ(b.m_dDisconnectTime, 0.4);
    EXPECT_EQ(b.DoGetTextShockResult(), "-"); // never ran
    b.DoCalcShockTripCurrent();
    EXPECT_EQ(b.GetShockCheckFlag(), 1);
    EXPECT_NEAR(b.m_dIa, 1200.0, 1200.0 * 0.005);
}

// The verdict: Ief (the shock point's earth-fault current for the earthing)
// must exceed Ia, and must not exceed the breaker's capacity. Zs for Ia
// 1600 A at 400 V: TN-S 400 / sqrt 3 / 1600 = 0.1443 ohm; IT with neutral
// 400 / sqrt 3 / 3200 = 0.07217 ohm, with 0.8 s.
TEST_F(BreakerSelection, ShockVerdict) {
    CEleLVCB b = Mccb();
    b.m_currentOwn.m_dIcu = 25000.0;
    b.m_currentOwn.m_dIcs = 12500.0;
    b.m_nShockCheck = 1;
    SetIk3(b.m_calcPointShock, 2000.0);
    const double ief = b.GetShockEarthFaultCurrent();
    EXPECT_NEAR(ief, 2000.0, 1e-6);
    b.m_dIa = ief;
    EXPECT_EQ(b.DoGetTextShockResult(), "NG"); // equal is not enough
    b.m_dIa = 1600.0;
    EXPECT_EQ(b.DoGetTextShockResult(), "Good");
    EXPECT_EQ(b.DoGetTextEarthFaultCurrent(1), "2.0000kA");
    EXPECT_EQ(b.DoGetTextZs(0), "0.1443");
    EXPECT_EQ(b.DoGetTextDisconnectTime(0), "0.40");
    // Above the capacity the breaker cannot clear it.
    SetIk3(b.m_calcPointShock, 30000.0);
    EXPECT_EQ(b.DoGetTextShockResult(), "NG");
    // No trip current found: no verdict.
    b.m_dIa = 0.0;
    EXPECT_EQ(b.DoGetTextShockResult(), "-");
    // IT with neutral: the phase-to-neutral current, halved.
    b.SetEarthingSystem(5);
    b.SetWireSystem(2);
    b.m_dIa = 1600.0;
    SetIk3(b.m_calcPointShock, 4000.0);
    EXPECT_NEAR(b.GetShockEarthFaultCurrent(), 2000.0, 1e-6);
    EXPECT_EQ(b.DoGetTextShockResult(), "Good");
    EXPECT_EQ(b.DoGetTextZs(0), "0.07217");
    EXPECT_EQ(b.DoGetTextDisconnectTime(0), "0.80");
}

} // namespace

namespace {

// Messages the pair methods would have shown.
class ShownMessages {
public:
    ShownMessages() {
        m_previous = fw::SetMessageSink([this](const fw::MessageRequest& r) {
            shown.push_back(r.text);
            return fw::mb::IdOk;
        });
    }
    ~ShownMessages() { fw::SetMessageSink(m_previous); }
    std::vector<std::string> shown;

private:
    fw::MessageSink m_previous;
};

// Cascade of KVC-125S (124, 100 A, own Icu 25 kA at 400 V) below KVC-400H
// (130): the table's rows for the pair are 230 V 85 kA and 415 V 50 kA; the
// first not below 400 V gives Icu-back 50 kA. With the upstream Iinst of
// 5 kA (below 25 kA): Ik 30 kA is backed up, Ik 60 kA is not.
TEST_F(BreakerSelection, CascadeFromTheAuthorizedTable) {
    ShownMessages messages;
    CEleLVCB up = Mccb(400.0);
    up.GetAdjust()->m_infoBase.m_lTypeID = 130;
    CEleLVCB::CUpstream upstream;
    upstream.nKind = 2;
    upstream.nNumber = 1;
    upstream.pAdjust = up.GetAdjust();
    upstream.dIinst = 5000.0;

    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 20000.0);
    ASSERT_EQ(b.DoSelectAutomatic(2, 0), 1);
    ASSERT_EQ(b.GetTypeID(), 124);
    SetIk3(b.m_calcPoint, 30000.0);
    EXPECT_EQ(b.DoSelectBackUpByTable(upstream), 50000.0);
    EXPECT_EQ(b.m_currentSelect.m_nSelectedBy, 3u);
    EXPECT_EQ(b.m_currentSelect.m_nUpstreamTypeID, 130u);
    EXPECT_EQ(b.m_currentSelect.m_dUpstreamCurrent, 5000.0);
    EXPECT_TRUE(b.IsSelectionValid());
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Icu-back");
    EXPECT_EQ(b.GetFillColour(5, false, 0), 0x00FFFFu);
    EXPECT_TRUE(messages.shown.empty());

    // 60 kA is above the Icu-back: not good, and the breaker is not painted
    // or labelled as backed up.
    SetIk3(b.m_calcPoint, 60000.0);
    EXPECT_EQ(b.DoSelectBackUpByTable(upstream), -1.0);
    EXPECT_EQ(b.m_currentSelect.m_dIcuBack, 50000.0);
    EXPECT_FALSE(b.IsSelectionValid());
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Not good");
    EXPECT_NE(b.GetFillColour(5, false, 0), 0x00FFFFu);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Icu-back of downstream breaker is below I\"k3.");

    // An upstream Iinst above the downstream Icu.
    upstream.dIinst = 30000.0;
    SetIk3(b.m_calcPoint, 20000.0);
    EXPECT_EQ(b.DoSelectBackUpByTable(upstream), -1.0);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Not good");
    // No row for the pair: KVC-125S below another KVC-125S.
    upstream.dIinst = 5000.0;
    upstream.pAdjust = b.GetAdjust();
    EXPECT_EQ(b.DoSelectBackUpByTable(upstream), -1.0);
    EXPECT_EQ(b.m_currentSelect.m_dIcuBack, -1.0);
    EXPECT_EQ(b.DoGetTextSelectResult(0), "Icu");
    EXPECT_EQ(messages.shown.back(), "This combination is not found in the authorized table.");
}

// The verdict of a discrimination at an own Icu of 25 kA.
TEST_F(BreakerSelection, DiscriminationVerdicts) {
    struct Case {
        double ik, is;
        const char* text;
    };
    const Case cases[] = {
        {20000.0, 25000.0, "Total"},
        {8000.0, 10000.0, "Practically\r\ntotal"},
        {15000.0, 10000.0, "Partial"},
        {30000.0, 25000.0, "No\r\ndiscrimination"},
        {10000.0, -1.0, "No\r\ndiscrimination"},
    };
    for (const Case& c : cases) {
        CEleLVCB b = Mccb();
        b.m_nCriterion = 2;
        b.m_currentOwn.m_dIcu = 25000.0;
        b.m_currentSelect.m_nSelectedBy = 5;
        b.m_currentSelect.m_nResult = c.is > 0.0 ? 1 : 0;
        b.m_currentSelect.m_dIs = c.is;
        SetIk3(b.m_calcPoint, c.ik);
        EXPECT_EQ(b.DoGetTextDiscrimResult(), c.text) << c.ik << " " << c.is;
    }
    CEleLVCB none = Mccb();
    EXPECT_EQ(none.DoGetTextDiscrimResult(), "-");
}

} // namespace

namespace {

// KVC-125S (124, 100 A) below KVC-400H (130, 400 A) by every method: each
// ends with a limit in the marker or with none and a message, the marker
// naming the method and the upstream type, and the flag set only with a limit.
TEST_F(BreakerSelection, EveryDiscriminationMethodEndsWithALimitOrNone) {
    ShownMessages messages;
    CEleLVCB up = Mccb(400.0);
    SetIk3(up.m_calcPoint, 30000.0);
    ASSERT_EQ(up.DoSelectAutomatic(2, 0), 1);
    CEleLVCB b = Mccb();
    SetIk3(b.m_calcPoint, 20000.0);
    ASSERT_EQ(b.DoSelectAutomatic(2, 0), 1);
    ASSERT_EQ(b.GetTypeID(), 124);
    for (uint32_t method : {4u, 5u, 6u, 7u}) {
        SCOPED_TRACE(method);
        CEleLVCB::CUpstream upstream;
        upstream.nKind = 2;
        upstream.nNumber = 1;
        upstream.pAdjust = up.GetAdjust();
        upstream.dRated = 400.0;
        double ics = 0.0, iq = 0.0;
        CEleLVCB::DoReadCapacity(*up.GetAdjust(), &ics, &upstream.dIcu, &iq);
        const size_t before = messages.shown.size();
        const double is = b.DoSelectLimit(method, 50, upstream);
        EXPECT_EQ(b.m_currentSelect.m_nSelectedBy, method);
        EXPECT_EQ(b.m_currentSelect.m_nUpstreamTypeID, static_cast<uint32_t>(up.GetTypeID()));
        if (is > 0.0) {
            EXPECT_EQ(b.m_currentSelect.m_nResult, 1u);
            EXPECT_EQ(b.m_currentSelect.m_dIs, is);
            EXPECT_LE(is, b.m_currentOwn.m_dIcu);
            EXPECT_EQ(messages.shown.size(), before);
        } else {
            EXPECT_EQ(is, -1.0);
            EXPECT_EQ(b.m_currentSelect.m_nResult, 0u);
            EXPECT_EQ(messages.shown.size(), before + 1);
        }
    }
}

} // namespace
