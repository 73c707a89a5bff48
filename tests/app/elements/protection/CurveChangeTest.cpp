// What a protective element does after one of its settings was changed on a
// co-ordination graph: the low-voltage breaker places its labels beside the
// new curves, reads its own capacities again for a changed dial character or
// lock, lets the results worked out against it go, brings its second
// characteristic into step with a new rating, reads its let-through curves
// again on their graphs and runs its shock check again; the high-voltage
// breaker lets the results worked out against it go too.
//
// The breakers are real types of the reference breaker database on the
// worked graph (1 A to 100 kA, 0.01 s to 10 000 s laid out in (1000, 600,
// 9500, 9800): decades of 1840 units of current and 1533 of time).

#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CObjRefV2.h"
#include "framework/DeviceContext.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

class CurveChange : public protecttest::WithAllDatabases {
protected:
    // A breaker of the type at 400 V with its default product, on graph 3.
    static CObjAdjust& Make(CEleLVCB& b, int32_t type, uint32_t number = 1) {
        b.m_strName = "CB" + std::to_string(number);
        b.m_nNumber = number;
        CObjAdjust* a = b.GetAdjust() ? b.GetAdjust() : b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*a, 2, type, 400);
        b.AddToGraph(3, 0);
        b.DoCalcCurve(0);
        return *a;
    }

    // The change with every call to the document recorded.
    CCurveChange Change(int32_t code) {
        CCurveChange change;
        change.nCode = code;
        change.clearUpstreamMarkers = [this](uint32_t kind, uint32_t number) {
            cleared.emplace_back(kind, number);
        };
        change.redrawAllViews = [this] { ++redraws; };
        return change;
    }

    static const CObjRefV2& Label(const CObjAdjust& a, uint32_t graphNo = 3) {
        return *a.m_listGraphNo.DoFindGraphNo(graphNo)->m_listRefV2.GetAtIndex(0);
    }

    std::vector<std::pair<uint32_t, uint32_t>> cleared;
    int redraws = 0;
    CObjGraph graph = adjusttest::WorkedGraph(400);
    fw::CRecordingDC dc;
};

// KVA-16N (type 172) of 1600 A, its typical curve shown: the long time
// starts at 1.125 x Ir and 10 000 s, the head of the curve the label stands
// beside. Turning Ir/In from 1.0 to 0.9 moves the head from 1800 A to
// 1.125 x 0.9 x 1600 = 1620 A, x = 1000 + 1840 log10(1620) = 6905.5; the
// label's left edge stands 50 units right of it and its top at 10 000 s,
// y = 600 + 6 x 1533 = 9798.
TEST_F(CurveChange, LabelStandsBesideTheNewHeadOfTheCurve) {
    CEleLVCB b;
    CObjAdjust& a = Make(b, 172);
    ASSERT_EQ(a.m_infoBase.m_dRatedValue, 1600.0);
    ASSERT_EQ(a.m_infoBase.m_dMagniValue, 1.0);
    a.m_infoLine.m_nBandFlag = 0;
    b.DoDrawCurve(&dc, &graph, CEleDocSettings{});
    EXPECT_NEAR(Label(a).m_ptAnchor.m_dX, 1800.0, 1800.0 * 0.002);
    EXPECT_NEAR(Label(a).m_ptAnchor.m_dY, 10000.0, 10000.0 * 0.003);

    a.m_infoBase.m_dMagniValue = 0.9;
    b.DoDrawCurveLabel(&dc, &graph, Change(16));
    EXPECT_NEAR(Label(a).m_ptAnchor.m_dX, 1620.0, 1620.0 * 0.002);
    EXPECT_NEAR(Label(a).m_ptAnchor.m_dY, 10000.0, 10000.0 * 0.003);
    EXPECT_NEAR(Label(a).m_rect.left, 6955.5, 1.0);
    EXPECT_NEAR(Label(a).m_rect.top, 9798.0, 1.0);
}

// The own capacities of KVA-16N at 400 V (capacity row 206): Icu and Ics
// 65 kA, 50 kA each while the instantaneous release is locked, where the
// making-current release acts. A new dial character or lock reads them
// again; an ordinary setting leaves them.
TEST_F(CurveChange, NewDialCharacterOrLockReadsTheOwnCapacitiesAgain) {
    struct Case {
        int32_t code;
        double capacity;
    };
    for (const Case c : {Case{14, 65000.0}, Case{17, 50000.0}, Case{18, 50000.0}}) {
        SCOPED_TRACE(c.code);
        CEleLVCB b;
        CObjAdjust& a = Make(b, 172);
        b.DoReadOwnCapacity();
        ASSERT_EQ(b.m_currentOwn.m_dIcu, 65000.0);
        ASSERT_EQ(b.m_currentOwn.m_dIcs, 65000.0);
        adjust_fields::LockFlag(*a.m_listInfoPart.GetTail()) = 1;
        b.DoDrawCurveLabel(&dc, &graph, Change(c.code));
        EXPECT_EQ(b.m_currentOwn.m_dIcu, c.capacity);
        EXPECT_EQ(b.m_currentOwn.m_dIcs, c.capacity);
    }
}

// A result worked out with the breaker as upstream was for its old setting:
// the document clears the markers that name it, by kind and number.
TEST_F(CurveChange, ResultsWorkedOutAgainstTheBreakerGo) {
    CEleLVCB lv;
    Make(lv, 172, 4);
    lv.DoDrawCurveLabel(&dc, &graph, Change(14));
    CEleHVCB hv;
    hv.m_nNumber = 2;
    CObjAdjust* a = hv.m_listAdjust.DoAddNewObjAdjust();
    a->DoSetDefaultAdjustHV(50, 6600);
    hv.AddToGraph(3, 0);
    hv.DoDrawCurveLabel(&dc, &graph, Change(14));
    EXPECT_EQ(cleared, (std::vector<std::pair<uint32_t, uint32_t>>{{2u, 4u}, {1u, 2u}}));
}

// The second characteristic follows a rating chosen from the list: it takes
// the first one's selection, dial settings and line, is computed for them
// and its label stands where the first one's does. Other changes leave it.
TEST_F(CurveChange, SecondCharacteristicFollowsARatingChosenFromTheList) {
    for (const int32_t code : {14, 15}) {
        SCOPED_TRACE(code);
        CEleLVCB b;
        CObjAdjust& first = Make(b, 172);
        CObjAdjust* second = b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*second, 2, 171, 400); // KVA-08N, 800 A
        second->m_infoLine.m_crColor = 0x00FF00;
        b.m_nSecondAdjust = 1;
        b.AddToGraph(3, 0);
        b.DoCalcCurve(0);
        first.m_infoLine.m_crColor = 0x0000FF;
        first.m_listInfoPart.GetAt(1)->m_dCurrent = 800.0;
        b.DoDrawCurve(&dc, &graph, CEleDocSettings{});
        b.DoDrawCurveLabel(&dc, &graph, Change(code));
        if (code == 14) {
            EXPECT_EQ(second->m_infoBase.m_lTypeID, 171);
            EXPECT_EQ(second->m_infoBase.m_dRatedValue, 800.0);
            EXPECT_EQ(second->m_infoLine.m_crColor, 0x00FF00u);
            continue;
        }
        EXPECT_EQ(second->m_infoBase.m_lTypeID, 172);
        EXPECT_EQ(second->m_infoBase.m_strTypeName, "KVA-16N");
        EXPECT_EQ(second->m_infoBase.m_dRatedValue, 1600.0);
        EXPECT_EQ(second->m_infoLine.m_crColor, 0x0000FFu);
        ASSERT_EQ(second->m_listInfoPart.GetCount(), first.m_listInfoPart.GetCount());
        EXPECT_EQ(second->m_listInfoPart.GetAt(1)->m_dCurrent, 800.0);
        ASSERT_EQ(second->m_listReadPart.GetCount(), first.m_listReadPart.GetCount());
        EXPECT_EQ(second->m_listReadPart.GetHead()->m_strElementName,
                  first.m_listReadPart.GetHead()->m_strElementName);
        // The same curve: the labels stand beside the same head.
        EXPECT_EQ(Label(*second).m_ptAnchor.m_dX, Label(first).m_ptAnchor.m_dX);
        EXPECT_EQ(Label(*second).m_ptAnchor.m_dY, Label(first).m_ptAnchor.m_dY);
    }
}

// The MCB of type 101 at 400 V takes the 415 V curves: for 16 A the
// current-limiting curve MCB6-LTC-16A-415V (500 A: 557.2 A ... 6000 A:
// 2186 A) and the let-through energy curve MCB6-I2T-16A-415V (... 6000 A:
// 25.18 x 1000 A2s), for 32 A the curves of 32 A (686 A ... 2691 A; 43.84 x
// 1000 A2s). After the rating went to 32 A, a change on a graph that shows one
// of its let-through curves reads both again, and so does the new rating
// itself on any graph; another change on another graph leaves them.
TEST_F(CurveChange, LetThroughCurvesAreReadAgainOnTheirGraphsAndForANewRating) {
    struct Case {
        uint32_t graphNo;
        int32_t code;
        double limitHead, limitTail, i2tTail;
    };
    for (const Case c : {Case{3, 14, 557.2, 2186.0, 25180.0}, Case{5, 14, 686.0, 2691.0, 43840.0},
                         Case{6, 14, 686.0, 2691.0, 43840.0}, Case{3, 15, 686.0, 2691.0, 43840.0},
                         Case{3, 16, 686.0, 2691.0, 43840.0}}) {
        SCOPED_TRACE(testing::Message() << c.graphNo << " " << c.code);
        CEleLVCB b;
        CObjAdjust& a = Make(b, 101);
        a.m_infoBase.m_dRatedValue = 16.0;
        b.m_listGraphNoLimit.DoAddNewGraphNo()->DoSetGraphNo(5, 1);
        b.m_listGraphNoI2t.DoAddNewGraphNo()->DoSetGraphNo(6, 1);
        ASSERT_EQ(b.DoReadLimitCurve(), 8);
        ASSERT_EQ(b.DoReadI2tCurve(), 8);
        a.m_infoBase.m_dRatedValue = 32.0;
        CObjGraph on = graph;
        on.m_nGraphNo = c.graphNo;
        b.DoDrawCurveLabel(&dc, &on, Change(c.code));
        ASSERT_EQ(b.m_listLimitPoints.GetCount(), 8);
        EXPECT_EQ(b.m_listLimitPoints.GetHead()->m_dX, 500.0);
        EXPECT_EQ(b.m_listLimitPoints.GetHead()->m_dY, c.limitHead);
        EXPECT_EQ(b.m_listLimitPoints.GetTail()->m_dY, c.limitTail);
        ASSERT_EQ(b.m_listI2tPoints.GetCount(), 8);
        EXPECT_EQ(b.m_listI2tPoints.GetTail()->m_dX, 6000.0);
        EXPECT_DOUBLE_EQ(b.m_listI2tPoints.GetTail()->m_dY, c.i2tTail);
        EXPECT_EQ(b.m_nLimitVoltage, 415u);
    }
}

// TN-S at 400 V asks for disconnection within 0.4 s, which the typical
// curve of KVA-16N reaches on its short-time pick-up: 6 x 1600 = 9600 A.
// The pick-up turned to 8 x Ir moves Ia to 12 800 A once the shock check
// ran, and every view shows the new result; before the check nothing runs.
TEST_F(CurveChange, ShockCheckRunsAgainOnceItRan) {
    for (const uint32_t checked : {0u, 1u}) {
        SCOPED_TRACE(checked);
        redraws = 0;
        CEleLVCB b;
        CObjAdjust& a = Make(b, 172);
        a.m_infoLine.m_nBandFlag = 0;
        b.SetEarthingSystem(1);
        ASSERT_EQ(b.GetDisconnectTime(), 0.4);
        b.DoCalcShockTripCurrent();
        EXPECT_NEAR(b.m_dIa, 9600.0, 0.5);
        b.m_nShockCheck = checked;
        a.m_listInfoPart.GetAt(1)->m_dCurrent = 800.0;
        b.DoDrawCurveLabel(&dc, &graph, Change(14));
        EXPECT_NEAR(b.m_dIa, checked == 1 ? 12800.0 : 9600.0, 0.5);
        EXPECT_EQ(redraws, checked == 1 ? 1 : 0);
    }
}

} // namespace
