// Discrimination of a pair of low-voltage breakers by the overlap of their
// characteristics (Inst., Inst. DC, Inst. with current-limiting) on the
// build's breaker and curve databases. Every expected value is worked by
// hand from the rows of data/dorventa and data/orbelune quoted beside it.
//
// Rows used (maker KESTRAVAL, 400 V):
// - KVC-125S (124), fixed magnetic release 10 x In, X tolerance +-20 %, so
//   at 100 A the band is 800 A (lower) to 1200 A (upper); Icu 25 kA.
// - KVC-400H (130), adjustable magnetic release, default setting 1000 %
//   (10 x In), X tolerance +-20 %: at 400 A the band is 3200 A to 4800 A;
//   Icu 70 kA. Its thermal release's lower edge is t = 120 ln(M^2 / (M^2 -
//   1.05^2)) (M in multiples of In), which reaches 3200 A (M = 8) at
//   120 ln(64 / 62.8975) = 2.08 s.
// - KVE-250S (151), electronic: long time t = tR x 36 / M^2 (tR 10 s, M in
//   multiples of Ir, X +-6.67 %, time +-20 %), short time and instantaneous
//   that can be locked; Icu 36 kA.
// - Current-limiting curve of KVC-125S 100 A at 400 V: header 22 (415 V),
//   points (3000 A, 4175 A) and (4000 A, 4891 A) among others.
// - Peak factor Kp: 1.44 for 3000 A < I <= 4500 A, 2.07 for 20 kA < I <=
//   50 kA.

#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>

using namespace protecttest;

namespace {

constexpr const char* kOverlap = "The curve of upstream breaker and downstream breaker overlaps.";

// A point whose source-side three-phase current at 400 V is `amps`: base
// 10 000 kVA and a reactance alone, %X = S x 1e5 / (sqrt 3 x V x I).
void SetIk3(CCalcPoint& p, double amps) {
    p.m_dBaseCapacity = 10000.0;
    p.m_zSource.m_nKind = 4;
    p.m_zSource.m_dR = 0.0;
    p.m_zSource.m_dX = 10000.0 * 1000.0 * 100.0 / (std::sqrt(3.0) * 400.0 * amps);
}

// A 400 V, 3-pole breaker of the given rating, chosen by the automatic
// selection among the types of one group of maker 1 at the current ik.
CEleLVCB Chosen(int32_t group, int32_t code, double rated, double ik) {
    CEleLVCB b;
    b.m_nCalcPoint = 1;
    b.m_nPoles = 3;
    b.m_nUseCode = 1;
    b.m_nEarthing = 1;
    b.m_nWireSystem = 3;
    CInfoBase& i = b.DoAddNewObjAdjust()->m_infoBase;
    i.m_lManufactureID = 1;
    i.m_strManufactureName = "KESTRAVAL";
    i.m_lGroupID = group;
    i.m_nKindFlag = 2;
    i.m_nLVCBCode = code;
    i.m_nVoltage = 400;
    i.m_dRatedValue = rated;
    SetIk3(b.m_calcPoint, ik);
    b.DoSelectAutomatic(2, 0);
    return b;
}

CEleLVCB::CUpstream UpstreamOf(CEleLVCB& up) {
    CEleLVCB::CUpstream u;
    u.nKind = 2;
    u.nNumber = 7;
    u.pAdjust = up.GetAdjust();
    u.dRated = up.GetAdjust()->m_infoBase.m_dRatedValue;
    double ics = 0.0, iq = 0.0;
    CEleLVCB::DoReadCapacity(*up.GetAdjust(), &ics, &u.dIcu, &iq);
    return u;
}

// The setting of the trip element `index` (0 the first) of a characteristic.
CInfoPart& Part(CEleLVCB& b, int index) {
    auto at = b.GetAdjust()->m_listInfoPart.begin();
    std::advance(at, index);
    return **at;
}

class Discrimination : public WithAllDatabases {
protected:
    void SetUp() override {
        WithAllDatabases::SetUp();
        up = Chosen(2, 11, 400.0, 60000.0);
        down = Chosen(2, 11, 100.0, 20000.0);
        ASSERT_EQ(up.GetTypeID(), 130);   // KVC-400H: KVC-400S's 50 kA is short of 60 kA
        ASSERT_EQ(down.GetTypeID(), 124); // KVC-125S
        ASSERT_EQ(down.m_currentOwn.m_dIcu, 25000.0);
    }
    CEleLVCB up;
    CEleLVCB down;
};

// KVC-400H 400 A above KVC-125S 100 A: the upstream trip region starts at
// its lower edge, 3200 A, and lies right of the downstream breaker's upper
// edge everywhere: the downstream no-trip region ends at its instantaneous
// 1200 A, which its thermal edge (k 1.25, 500 s) reaches at 5.5 s, where
// the upstream thermal edge is at 1990 A; at 10 s they stand at 888 A and
// 1486 A. No overlap. Iinst 3200 A is below the downstream
// Icu 25 kA and the downstream start 1200 A is not above it.
//   Inst.: Is = Iinst = 3200 A.
//   Inst. DC: Is = 3200 x sqrt 2 / Kp(3200) = 4525.48 / 1.44 = 3142.70 A.
//   Current-limiting: the cut-off sqrt 2 x 3200 = 4525.48 A lies between
//   4175 A (at 3000 A) and 4891 A (at 4000 A); on the log-log axes
//   f = ln(4525.48 / 4175) / ln(4891 / 4175) = 0.080607 / 0.158282 = 0.50928,
//   Is = 3000 x (4000 / 3000)^0.50928 = 3473.36 A.
// At I"k3 20 kA every limit is below the current: "Partial".
TEST_F(Discrimination, ApartCharacteristicsGiveTheUpstreamInstantaneousTrip) {
    tvtest::MessageCapture messages;
    struct Case {
        uint32_t method;
        double is;
        double upstreamCurrent;
    };
    const Case cases[] = {
        {5, 3200.0, 3200.0},
        {6, 3142.6968, 3142.6968},
        {7, 3473.3619, 3200.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        CEleLVCB::CUpstream u = UpstreamOf(up);
        EXPECT_NEAR(down.DoSelectLimit(c.method, 50, u), c.is, 0.01);
        const CCurrent& m = down.m_currentSelect;
        EXPECT_EQ(m.m_nSelectedBy, c.method);
        EXPECT_EQ(m.m_nResult, 1u);
        EXPECT_NEAR(m.m_dIs, c.is, 0.01);
        EXPECT_NEAR(m.m_dUpstreamCurrent, c.upstreamCurrent, 0.01);
        EXPECT_EQ(m.m_nUpstreamKind, 2u);
        EXPECT_EQ(m.m_nUpstreamNumber, 7u);
        EXPECT_EQ(m.m_nUpstreamTypeID, 130u);
        EXPECT_EQ(m.m_nBand, 1u);
        EXPECT_TRUE(down.IsSelectionValid());
        EXPECT_EQ(down.DoGetTextDiscrimResult(), "Partial");
    }
    EXPECT_EQ(messages.Count(), 0u);
    // Below the limit the current is practically always cleared by the
    // downstream breaker alone.
    SetIk3(down.m_calcPoint, 3000.0);
    EXPECT_EQ(down.DoGetTextDiscrimResult(), "Practically\r\ntotal");
}

// Two KVC-125S 100 A: the upstream trip region (right of the lower edge,
// from 800 A) and the downstream no-trip region (left of the upper edge, up
// to 1200 A) overlap in a region that is no rectangle. The downstream
// breaker trips instantaneously, so no method finds a limit: Is -1, flag 0
// and the overlap message each time.
TEST_F(Discrimination, OverlappingCharacteristicsGiveNoLimit) {
    tvtest::MessageCapture messages;
    CEleLVCB same = Chosen(2, 11, 100.0, 20000.0);
    ASSERT_EQ(same.GetTypeID(), 124);
    for (uint32_t method : {5u, 6u, 7u}) {
        SCOPED_TRACE(method);
        messages.Clear();
        EXPECT_EQ(down.DoSelectLimit(method, 50, UpstreamOf(same)), -1.0);
        EXPECT_EQ(down.m_currentSelect.m_nSelectedBy, method);
        EXPECT_EQ(down.m_currentSelect.m_dIs, -1.0);
        EXPECT_EQ(down.m_currentSelect.m_nResult, 0u);
        EXPECT_FALSE(down.IsSelectionValid());
        EXPECT_EQ(down.DoGetTextDiscrimResult(), "No\r\ndiscrimination");
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, kOverlap);
    }
}

// The 0.1 s rule. KVE-250S at Ir 100 A with its short-time and instantaneous
// elements locked trips only by its long-time element: no start current,
// and its upper edge t = 1.2 x 10 x 36 / (I / 106.67)^2 is continued below
// its last point along the same slope. It passes 3200 A at
// 432 x (106.67 / 3200)^2 = 0.48 s; above 2.08 s the upstream thermal edge
// lies right of it (at 10 s: 1486 A against 701 A). So the two regions
// overlap between the upstream vertical at 3200 A and the downstream edge,
// from 0.48 s down past the upstream's own tail, far below 0.1 s: by Inst.
// the limit is the overlap's left edge, with flag 1. On the graph (100 A x
// 400 V at x = 0, a thousand units a decade) 3200 A lies at
// 1000 log10(32) = 1505.15, the region's edge at the whole unit 1505, read
// back as 100 x 10^1.505 = 3198.90 A. Inst. DC and current-limiting have no
// such rule: an overlap is no discrimination.
TEST_F(Discrimination, AnOverlapEndingBelowATenthOfASecondLeavesItsLeftEdgeByInst) {
    tvtest::MessageCapture messages;
    CEleLVCB slow = Chosen(3, 12, 100.0, 20000.0);
    ASSERT_EQ(slow.GetTypeID(), 151);
    ASSERT_EQ(slow.GetAdjust()->m_listInfoPart.GetCount(), 3);
    adjust_fields::LockFlag(Part(slow, 1)) = 1;
    adjust_fields::LockFlag(Part(slow, 2)) = 1;
    SetIk3(slow.m_calcPoint, 20000.0);

    const double is = slow.DoSelectLimit(5, 50, UpstreamOf(up));
    EXPECT_NEAR(is, 3198.90, 0.01);
    EXPECT_EQ(slow.m_currentSelect.m_nResult, 1u);
    EXPECT_EQ(slow.m_currentSelect.m_dIs, is);
    EXPECT_EQ(slow.m_currentSelect.m_dUpstreamCurrent, 3200.0);
    EXPECT_EQ(messages.Count(), 0u);

    for (uint32_t method : {6u, 7u}) {
        SCOPED_TRACE(method);
        messages.Clear();
        EXPECT_EQ(slow.DoSelectLimit(method, 50, UpstreamOf(up)), -1.0);
        EXPECT_EQ(slow.m_currentSelect.m_nResult, 0u);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, kOverlap);
    }
}

// The other side of the rule: an overlap whose lowest time is not below
// 0.1 s. Upstream KVC-250H (128, the first 250 A type of 70 kA; magnetic
// release in steps of 500 % to 1000 %, X +-20 %) at 250 A set to 500 %:
// lower edge 0.8 x 5 x 250 = 1000 A, reached by its thermal edge at
// 120 ln(16 / 14.8975) = 8.57 s. Downstream KVE-250S at Ir 100 A,
// instantaneous locked, short time at its highest pick-up 1000 % (upper edge
// 1.1 x 1000 = 1100 A) and the default 0.2 s (upper edge 0.25 s, flat to
// its Icu). The overlap lies between 1000 A and 1100 A from 0.25 s up to
// where the long-time edge crosses 1000 A (432 x (106.67 / 1000)^2 = 4.9 s),
// with the long-time edge bounding it at the top: no rectangle, and its
// bottom at 0.25 s. No limit, flag 0, the overlap message.
TEST_F(Discrimination, AnOverlapThatLastsATenthOfASecondGivesNoLimit) {
    tvtest::MessageCapture messages;
    CEleLVCB low = Chosen(2, 11, 250.0, 60000.0);
    ASSERT_EQ(low.GetTypeID(), 128);
    ASSERT_EQ(low.GetAdjust()->m_listInfoPart.GetCount(), 2);
    Part(low, 1).m_dCurrent = 500.0;
    CEleLVCB slow = Chosen(3, 12, 100.0, 20000.0);
    ASSERT_EQ(slow.GetTypeID(), 151);
    Part(slow, 1).m_dCurrent = 1000.0;
    adjust_fields::LockFlag(Part(slow, 2)) = 1;
    SetIk3(slow.m_calcPoint, 20000.0);

    EXPECT_EQ(slow.DoSelectLimit(5, 50, UpstreamOf(low)), -1.0);
    EXPECT_EQ(slow.m_currentSelect.m_nResult, 0u);
    EXPECT_EQ(slow.m_currentSelect.m_dIs, -1.0);
    EXPECT_EQ(slow.m_currentSelect.m_dUpstreamCurrent, 1000.0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kOverlap);
}

// No overlap, yet the downstream breaker starts tripping instantaneously
// above the upstream one: nothing is discriminated, and the result flag
// says so as well as the limit does. The upstream device is a high-voltage
// relay KOR-D1 (301) on a 25/5 A transformer, its inverse-time element out
// of service, its instantaneous unit at the lowest setting, 10 A, drawn as
// its typical curve: 50 A on the primary side at 6600 V, that is
// 50 x 6600 / 400 = 825 A on the 400 V graph; from 100 s down to its fixed
// 0.04 s it is a vertical line, then flat: its trip region is a rectangle. Below it KVR-63 (192,
// instantaneous only, 63 A set to the default 1300 %, X +-20 %): its no-trip region is the
// rectangle left of 1.2 x 13 x 63 = 982.8 A. Two rectangles meet in a rectangle, which is no
// overlap; but 982.8 A is above 825 A.
TEST_F(Discrimination, ADownstreamStartAboveTheUpstreamOneIsNoDiscrimination) {
    tvtest::MessageCapture messages;
    CEleHVCB relay;
    relay.DoAddNewObjAdjust();
    CEleInitArgs args;
    args.nNumber = 3;
    args.nVoltage = 6600;
    args.nFrequency = 50;
    relay.DoInitNewElement(args);
    ASSERT_EQ(relay.DoGetTextTypeName(), "KOR-D1");
    CObjAdjust& a = *relay.GetAdjust();
    a.m_infoBase.m_nCT1Current = 25;
    a.m_infoBase.m_nCT2Current = 5;
    ASSERT_EQ(a.m_listInfoPart.GetCount(), 2);
    adjust_fields::LockFlag(*a.m_listInfoPart.GetHead()) = 1;
    a.m_listInfoPart.GetTail()->m_dMagniCurrent = 10.0;
    a.m_infoLine.m_nBandFlag = 0;

    CEleLVCB motor = Chosen(5, 14, 63.0, 20000.0);
    ASSERT_EQ(motor.GetTypeID(), 192);
    CEleLVCB::CUpstream u;
    u.nKind = 1;
    u.nNumber = 3;
    u.pAdjust = &a;
    EXPECT_EQ(motor.DoSelectLimit(5, 50, u), -1.0);
    const CCurrent& m = motor.m_currentSelect;
    EXPECT_EQ(m.m_nUpstreamKind, 1u);
    EXPECT_EQ(m.m_nUpstreamTypeID, 301u);
    EXPECT_NEAR(m.m_dUpstreamCurrent, 825.0, 1e-6);
    EXPECT_EQ(m.m_nBand, 0u);
    EXPECT_EQ(m.m_dIs, -1.0);
    EXPECT_EQ(m.m_nResult, 0u);
    EXPECT_FALSE(motor.IsSelectionValid());
    EXPECT_EQ(motor.DoGetTextDiscrimResult(), "No\r\ndiscrimination");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kOverlap);
}

} // namespace
