// The device characteristic on real devices of the breaker database: the
// adjusted curves on a graph worked by hand, the tolerance band, the cut at
// the breaking current, trip and no-trip regions, start currents across
// voltages, and the faults mended in them.

#include "AdjustTestSupport.h"

#include "app/protection/CObjGraph.h"
#include "framework/Region.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using adjusttest::ReadLoaded;
using adjusttest::WorkedGraph;

// The worked graph's mapping at 400 V: x = 1000 + 1840 log10(I),
// y = 600 + 1533 (log10(t) + 2).
double X(double current) {
    return 1000.0 + 1840.0 * std::log10(current);
}
double Y(double time) {
    return 600.0 + 1533.0 * (std::log10(time) + 2.0);
}

bool HasPoint(const CdPointList& points, double x, double y) {
    for (const auto& p : points) {
        if (std::fabs(p->m_dX - x) < 1e-6 && std::fabs(p->m_dY - y) < 1e-6)
            return true;
    }
    return false;
}

class AdjustCurve : public ::testing::Test {
protected:
    adjusttest::BreakerDatabasesScope m_dbs;
    tvtest::MessageCapture m_messages;
};

// Air circuit breaker KVA-16N (type 172), 1600 A: short time at 6 x Ir and
// 0.2 s (band 1.1 x at 0.25 s, 0.9 x at 0.18 s), instantaneous 12 x Ir
// (band 1.15 x, 0.85 x).
TEST_F(AdjustCurve, ElectronicTripUnitOnTheWorkedGraph) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    EXPECT_TRUE(adjust.m_listTypicalCurve.IsEmpty());
    adjust.DoCalcCurve(50);
    ASSERT_EQ(adjust.m_listTypicalCurve.GetCount(), 3);
    ASSERT_EQ(adjust.m_listUpperCurve.GetCount(), 3);
    ASSERT_EQ(adjust.m_listLowerCurve.GetCount(), 3);

    const CObjGraph graph = WorkedGraph(400);
    adjust.DoMakeAdjustCurve(graph, 0.0);
    // Typical: the short-time plateau at 0.2 s from 9600 A to 19200 A, the
    // drop there to 0.05 s.
    const CdPointList& typical = adjust.m_listTypicalPoint;
    EXPECT_TRUE(HasPoint(typical, X(9600), Y(0.2)));
    EXPECT_TRUE(HasPoint(typical, X(19200), Y(0.2)));
    EXPECT_TRUE(HasPoint(typical, X(19200), Y(0.05)));
    // The band: 10560 A to 22080 A at 0.25 s above, 8640 A to 16320 A at
    // 0.18 s below.
    EXPECT_TRUE(HasPoint(adjust.m_listUpperPoint, X(10560), Y(0.25)));
    EXPECT_TRUE(HasPoint(adjust.m_listUpperPoint, X(22080), Y(0.25)));
    EXPECT_TRUE(HasPoint(adjust.m_listLowerPoint, X(8640), Y(0.18)));
    EXPECT_TRUE(HasPoint(adjust.m_listLowerPoint, X(16320), Y(0.18)));
    // Uncut, the curves go on to 30 x the instantaneous pick-up.
    EXPECT_NEAR(typical.GetTail()->m_dX, X(30 * 19200), 1e-6);

    // Cut at 25 kA: x = 1000 + 1840 log10(25000) = 9092.2, rounded.
    adjust.DoMakeAdjustCurve(graph, 25000.0);
    for (const CdPointList* list :
         {&adjust.m_listTypicalPoint, &adjust.m_listUpperPoint, &adjust.m_listLowerPoint})
        EXPECT_EQ(list->GetTail()->m_dX, 9092.0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// The cut goes through the graph's mapping: on a graph without a voltage the
// curve currents (A x V) are plotted as they are, 25 kA x 400 V at
// x = 1000 + 1840 x 7. Dividing by the graph's voltage of 0 gave no cut.
TEST_F(AdjustCurve, CutOnAGraphWithoutVoltage) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    adjust.DoCalcCurve(50);
    adjust.DoMakeAdjustCurve(WorkedGraph(0), 25000.0);
    ASSERT_FALSE(adjust.m_listTypicalPoint.IsEmpty());
    EXPECT_EQ(adjust.m_listTypicalPoint.GetTail()->m_dX, 13880.0);
}

// Instantaneous trip currents of the typical curve and the band edges.
TEST_F(AdjustCurve, StartCurrents) {
    struct Row {
        int32_t type;
        double upper, lower, typical;
    };
    // MCCB KVC-125S, 100 A: magnetic trip at 10 x In, +-20 %.
    for (Row row : {Row{124, 1200.0, 800.0, 1000.0}, Row{172, 22080.0, 16320.0, 19200.0}}) {
        CObjAdjust adjust;
        ReadLoaded(adjust, 2, row.type, 400);
        double upper = -1.0;
        double lower = -1.0;
        double typical = -1.0;
        adjust.DoCalcGetStartCurrents(50, &upper, &lower, &typical);
        EXPECT_NEAR(upper, row.upper, 1e-9) << row.type;
        EXPECT_NEAR(lower, row.lower, 1e-9) << row.type;
        EXPECT_NEAR(typical, row.typical, 1e-9) << row.type;
    }
    // Without a rated value the out-values are left alone.
    CObjAdjust empty;
    double value = -1.0;
    empty.DoCalcGetStartCurrents(50, &value, &value, &value);
    EXPECT_EQ(value, -1.0);
}

// The trip region's current is referred to the graph's voltage by the ratio
// of the voltages; the whole-number quotient made 400 V on a 415 V graph and
// 230 V on a 400 V graph 0, and 6600 V on 400 V 16 instead of 16.5.
TEST_F(AdjustCurve, StartCurrentReferredToTheGraphVoltage) {
    struct Row {
        int32_t device;
        int32_t graph;
        double current;
    };
    const Row rows[] = {{400, 415, 16320.0 * 400 / 415},
                        {230, 400, 16320.0 * 230 / 400},
                        {6600, 400, 16320.0 * 16.5},
                        {400, 400, 16320.0},
                        {400, 0, 16320.0}};
    for (const Row& row : rows) {
        CObjAdjust adjust;
        ReadLoaded(adjust, 2, 172, row.device);
        const double band = adjust.DoMakeTripRegion(50, WorkedGraph(row.graph), nullptr, 0.0);
        EXPECT_NEAR(band, row.current, row.current * 1e-12) << row.device << " " << row.graph;
        adjust.m_infoLine.m_nBandFlag = 0;
        const double typical = adjust.DoMakeTripRegion(50, WorkedGraph(row.graph), nullptr, 0.0);
        EXPECT_NEAR(typical, row.current / 16320 * 19200, row.current * 1e-12);
    }
}

// Right of the lower edge the device trips; left of it, it does not.
TEST_F(AdjustCurve, TripAndNoTripRegions) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    const CObjGraph graph = WorkedGraph(400);
    fw::CRgn trip;
    EXPECT_NEAR(adjust.DoMakeTripRegion(50, graph, &trip, 0.0), 16320.0, 1e-9);
    ASSERT_TRUE(trip.IsCreated());
    // 30 kA at 1 s lies right of every curve; 5 kA at 1 s left of them
    // (the long time holds for tens of seconds at 3 x Ir).
    const fw::CPoint right(static_cast<int>(X(30000)), static_cast<int>(Y(1.0)));
    const fw::CPoint left(static_cast<int>(X(5000)), static_cast<int>(Y(1.0)));
    EXPECT_TRUE(trip.PtInRegion(right));
    EXPECT_FALSE(trip.PtInRegion(left));

    fw::CRgn noTrip;
    EXPECT_NEAR(adjust.DoMakeNoTripRegion(50, graph, &noTrip, 0.0, 1), 22080.0, 1e-9);
    ASSERT_TRUE(noTrip.IsCreated());
    EXPECT_TRUE(noTrip.PtInRegion(left));
    EXPECT_FALSE(noTrip.PtInRegion(right));
    // Bounded at the upper edge's instantaneous pick-up: 0.02 s at 30 kA is
    // beyond it.
    EXPECT_FALSE(
        noTrip.PtInRegion(fw::CPoint(static_cast<int>(X(30000)), static_cast<int>(Y(0.02)))));
    EXPECT_TRUE(
        noTrip.PtInRegion(fw::CPoint(static_cast<int>(X(20000)), static_cast<int>(Y(0.02)))));
}

// The current at which the shown curve reaches a time: on the vertical drop
// at the instantaneous pick-up, 0.1 s meets 19200 A (typical) or 22080 A
// (the upper edge in band mode), as curve currents on a 400 V graph.
TEST_F(AdjustCurve, CurrentAtATime) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    adjust.DoCalcCurve(50);
    const CObjGraph graph = WorkedGraph(400);
    EXPECT_NEAR(adjust.GetCurrentAtY(Y(0.1), graph, 0.0), 22080.0 * 400, 1e-3);
    adjust.m_infoLine.m_nBandFlag = 0;
    EXPECT_NEAR(adjust.GetCurrentAtY(Y(0.1), graph, 0.0), 19200.0 * 400, 1e-3);
    // Below the curve's last time: not reached.
    EXPECT_EQ(adjust.GetCurrentAtY(Y(0.001), graph, 0.0), 0.0);
}

// A characteristic without curves reaches no time: 0, where the last point
// of an empty list was read.
TEST_F(AdjustCurve, CurrentAtATimeWithoutCurvesIsZero) {
    CObjAdjust adjust;
    const CObjGraph graph = WorkedGraph(400);
    EXPECT_EQ(adjust.GetCurrentAtY(Y(0.1), graph, 0.0), 0.0);
    adjust.m_infoLine.m_nBandFlag = 0;
    EXPECT_EQ(adjust.GetCurrentAtY(Y(0.1), graph, 0.0), 0.0);
}

// A reference read that fails (here a maker, group and type the database
// does not have) keeps the curves computed before instead of computing from the reference
// data the failed read left.
TEST_F(AdjustCurve, FailedReadKeepsTheCurves) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    adjust.DoCalcCurve(50);
    ASSERT_EQ(adjust.m_listTypicalCurve.GetCount(), 3);
    const double inst = adjust.m_listTypicalCurve.GetTail()->m_dInstValue;
    adjust.m_readBase = CReadBase();
    adjust.m_infoBase.m_lTypeID = 999999;
    adjust.m_infoBase.m_lManufactureID = 999;
    adjust.m_infoBase.m_lGroupID = 999;
    adjust.DoCalcCurve(50);
    ASSERT_EQ(adjust.m_listTypicalCurve.GetCount(), 3);
    EXPECT_EQ(adjust.m_listTypicalCurve.GetTail()->m_dInstValue, inst);
    EXPECT_GT(m_messages.Count(), 0u); // the reader's own warning
}

// Settings and reference parts are walked in step up to the shorter list.
TEST_F(AdjustCurve, MoreSettingsThanPartsStopAtTheParts) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    ASSERT_EQ(adjust.DoReadAdjustFromDB(), 1);
    ASSERT_EQ(adjust.m_listReadPart.GetCount(), 3);
    adjust.m_listReadPart.DeleteAt(std::prev(adjust.m_listReadPart.end()));
    EXPECT_EQ(adjust.DoCalcAdjustCurves(50), 1);
    EXPECT_EQ(adjust.m_listTypicalCurve.GetCount(), 2);
}

// A locked element draws no curve; all locked, none at all, and the setting
// text says "Lock" for each.
TEST_F(AdjustCurve, LockedElements) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    ASSERT_EQ(adjust.m_listInfoPart.GetCount(), 3);
    adjust_fields::LockFlag(*adjust.m_listInfoPart.GetAt(2)) = 1;
    adjust.DoCalcCurve(50);
    EXPECT_EQ(adjust.m_listTypicalCurve.GetCount(), 2);
    for (auto& part : adjust.m_listInfoPart)
        adjust_fields::LockFlag(*part) = 1;
    adjust.DoCalcCurve(50);
    EXPECT_TRUE(adjust.m_listTypicalCurve.IsEmpty());
    EXPECT_TRUE(adjust.m_listUpperCurve.IsEmpty());
    std::string expected;
    for (const auto& part : adjust.m_listReadPart)
        expected += "\r\n" + part->m_strElementName + "  Lock";
    EXPECT_EQ(adjust.DoGetAdjustSettingText(), expected);
    adjust.m_infoBase.m_nLVCBCode = 14;
    EXPECT_EQ(adjust.DoGetAdjustSettingText(), expected + "\r\nInst. Only");
}

// The breaking time moves every curve by cycles / frequency when the type
// allows it and both flags are on.
TEST_F(AdjustCurve, BreakingTimeOffset) {
    CObjAdjust adjust;
    ReadLoaded(adjust, 2, 172, 400);
    adjust.DoCalcCurve(50);
    const double before = adjust.m_listTypicalCurve.GetAt(1)->m_listPoint.GetAt(1)->m_dY;
    adjust_fields::BreakTimeFlag(adjust.m_infoBase) = 1;
    adjust_fields::BreakTimeFlag2(adjust.m_infoBase) = 1;
    adjust_fields::BreakCycles(adjust.m_infoBase) = 3;
    adjust.m_readBase.m_bUseBreakingTime = 1;
    adjust.DoCalcAdjustCurves(50);
    EXPECT_NEAR(adjust.m_listTypicalCurve.GetAt(1)->m_listPoint.GetAt(1)->m_dY, before + 0.06,
                1e-12);
    adjust.DoCalcAdjustCurves(0); // no frequency: no offset
    EXPECT_NEAR(adjust.m_listTypicalCurve.GetAt(1)->m_listPoint.GetAt(1)->m_dY, before, 1e-12);
}

} // namespace
