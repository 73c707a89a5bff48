// Curves of devices of the reference databases, computed at their default
// settings and merged on a log-log graph (500 units a decade from 10 A and
// 1 ms), compared with values worked out by hand from the curve rows and the
// settings.

#include "CurveDevices.h"
#include "CurveTestAccess.h"

#include "framework/DeviceContext.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <cmath>

using dvtest::CurveDevice;
using dvtest::DeviceCurves;
using dvtest::Graph;
using dvtest::PointsOf;
using P = std::vector<std::pair<double, double>>;

namespace {

class CurveRealDevices : public ::testing::Test {
protected:
    dvtest::OpenDatabases m_db;
    tvtest::MessageCapture m_messages;
};

void ExpectPoint(const CdPoint* p, double x, double y) {
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->m_dX, x, std::abs(x) * 1e-12);
    EXPECT_NEAR(p->m_dY, y, std::abs(y) * 1e-12);
}

bool FiniteAndFalling(const CdPointList& list) {
    double lastX = -INFINITY, lastY = INFINITY;
    for (const auto& p : list) {
        if (!std::isfinite(p->m_dX) || !std::isfinite(p->m_dY) || p->m_dX < lastX ||
            p->m_dY > lastY)
            return false;
        lastX = p->m_dX;
        lastY = p->m_dY;
    }
    return true;
}

} // namespace

// Moulded-case breaker KVC-125S, 100 A at 400 V: the thermal curve in
// multiples of In (1.15 x In at 10000 s ... 10 x In at 3.328 s ...) and the
// magnetic trip at 10 x In (60 s down to 0.03 s, then 15 x at 0.018 s ...).
TEST_F(CurveRealDevices, ThermalMagneticBreaker) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 124, 400);
    ASSERT_EQ(d.info.m_dRatedValue, 100.0);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 2);
    // X = 100 / 1 * 100 A / 100 * multiple * 400 V.
    const CdPointList& thermal = c.typical.GetAt(0)->m_listPoint;
    ASSERT_EQ(thermal.GetCount(), 22);
    ExpectPoint(thermal.GetAt(0), 115 * 400.0, 10000);
    ExpectPoint(thermal.GetAt(16), 1000 * 400.0, 3.328);
    const COneCurve& magnetic = *c.typical.GetAt(1);
    ExpectPoint(magnetic.m_listPoint.GetAt(1), 1000 * 400.0, 0.03);
    EXPECT_DOUBLE_EQ(magnetic.m_dInstValue, 1000 * 400.0);
    // The thermal element has its own upper curve; the magnetic one is
    // derived from its +-20 % X tolerance.
    ASSERT_EQ(c.upper.GetCount(), 2);
    ExpectPoint(c.upper.GetAt(1)->m_listPoint.GetAt(1), 1200 * 400.0, 0.03);
    EXPECT_DOUBLE_EQ(c.upper.GetAt(1)->m_dInstValue, 1200 * 400.0);
    EXPECT_DOUBLE_EQ(c.lower.GetAt(1)->m_dInstValue, 800 * 400.0);

    // On the graph: 115 A is x = 500 log10(11.5) = 530, 10000 s is y = 3500;
    // 10 x In = 1000 A is x = 1000, where the thermal curve stands at 3.328 s
    // (y = 1761) and the magnetic drop goes down to 0.03 s (y = 739). The
    // thermal point at the drop is kept twice: once as the cut point and once
    // as the crossing appended at it.
    Graph g;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    EXPECT_EQ(PointsOf(e),
              (P{{530, 3500}, {533, 2996}, {537, 2927}, {543, 2871}, {551, 2821},  {561, 2774},
                 {588, 2673}, {622, 2575}, {651, 2501}, {699, 2387}, {739, 2300},  {801, 2167},
                 {849, 2067}, {889, 1986}, {923, 1918}, {952, 1859}, {1000, 1761}, {1000, 1761},
                 {1000, 739}, {1088, 628}, {1239, 540}, {1500, 438}, {1739, 389}}));

    // Cut at a breaking current of 25 kA (x = 500 log10(2500) = 1699).
    e.DoRectifiesCapacity(1699);
    ASSERT_EQ(e.GetTail()->m_dX, 1699);
    EXPECT_NEAR(e.GetTail()->m_dY, 438 - (438 - 389) * (1699 - 1500) / 239.0, 1e-9);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Air circuit breaker KVA-16N, 1600 A at 400 V, long time (tR 10 s at 6 x Ir,
// X +-6.67 %, Y +-20 %), short time 6 x Ir at 0.2 s (curves of its own for
// the band), instantaneous 12 x Ir (X +-15 %).
TEST_F(CurveRealDevices, ElectronicTripUnitWithThreeElementsAndBand) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 172, 400);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    ASSERT_EQ(c.typical.GetCount(), 3);
    ASSERT_EQ(c.upper.GetCount(), 3);
    ASSERT_EQ(c.lower.GetCount(), 3);
    // Long time, linked to the rating: 100 * 1600 / 100 * multiple * 400 V;
    // the time dial 10 s over the standard time 10 s.
    ExpectPoint(c.typical.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 400.0, 10);
    ExpectPoint(c.upper.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 1.0667 * 400, 12);
    ExpectPoint(c.lower.GetAt(0)->m_listPoint.GetAt(11), 1600 * 6 * 0.9333 * 400, 8);
    // Short time at 600 % of Ir: 9600 A, 0.2 s; its upper curve 10560 A, 0.25 s.
    ExpectPoint(c.typical.GetAt(1)->m_listPoint.GetAt(1), 9600 * 400.0, 0.2);
    ExpectPoint(c.upper.GetAt(1)->m_listPoint.GetAt(1), 10560 * 400.0, 0.25);
    ExpectPoint(c.lower.GetAt(1)->m_listPoint.GetAt(1), 8640 * 400.0, 0.18);
    // Instantaneous at 1200 %: 19200 A, band 22080 A and 16320 A.
    EXPECT_DOUBLE_EQ(c.typical.GetAt(2)->m_dInstValue, 19200 * 400.0);
    EXPECT_DOUBLE_EQ(c.upper.GetAt(2)->m_dInstValue, 22080 * 400.0);
    EXPECT_DOUBLE_EQ(c.lower.GetAt(2)->m_dInstValue, 16320 * 400.0);

    // Merged with the short time's definite time as its saturation level
    // (the level the envelope steps along before the instantaneous curve):
    // 9600 A is x = 1491 where the long time stands at 10 s (y = 2000); the
    // flat at 0.2 s (y = 1151) runs to 19200 A (x = 1642), which drops to
    // 0.05 s (y = 849) and follows the instantaneous curve to 576 kA at
    // 0.01 s (2380, 500).
    Graph g;
    c.typical.GetAt(1)->m_dSaturation = 0.2;
    c.typical.GetAt(2)->m_dSaturation = 0.01;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    ASSERT_EQ(e.GetCount(), 19);
    const P all = PointsOf(e);
    EXPECT_EQ(all.front(), (std::pair<double, double>{1128, 3500}));
    const P tail(all.begin() + 11, all.end());
    EXPECT_EQ(tail, (P{{1491, 2000},
                       {1491, 1151},
                       {1642, 1151},
                       {1642, 849},
                       {1730, 739},
                       {1880, 651},
                       {2142, 548},
                       {2380, 500}}));
    EXPECT_TRUE(FiniteAndFalling(e));

    // The band curves merge into finite polylines from the long time's
    // first point to the instantaneous curve's last.
    CdPointList upper, lower;
    dvtest::MergeOnGraph(c.upper, g, upper);
    dvtest::MergeOnGraph(c.lower, g, lower);
    for (const CdPointList* band : {&upper, &lower}) {
        ASSERT_FALSE(band->IsEmpty());
        EXPECT_TRUE(FiniteAndFalling(*band));
        EXPECT_EQ(band->GetTail()->m_dY, 500);
    }
    EXPECT_EQ(upper.GetHead()->m_dX, g.X(1600 * 1.125 * 1.0667 * 400));
    EXPECT_EQ(upper.GetHead()->m_dY, g.Y(12000));
    EXPECT_EQ(lower.GetHead()->m_dY, g.Y(8000));
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Over-current relay KOR-D1 behind a 200/5 A transformer at 6600 V: inverse
// time with a 5 A tap and a time multiplier 0.5, instantaneous at 50 A.
TEST_F(CurveRealDevices, RelayBehindACurrentTransformer) {
    CurveDevice d;
    d.info.m_bUseCT = 1;
    d.info.m_nCT1Current = 200;
    d.info.m_nCT2Current = 5;
    dvtest::ReadDevice(m_db, d, 1, 0, 6600);
    ASSERT_EQ(d.settings.GetAt(0)->m_dCurrent, 5.0);
    ASSERT_EQ(d.settings.GetAt(0)->m_dTime, 0.5);
    ASSERT_EQ(d.settings.GetAt(1)->m_dMagniCurrent, 50.0);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    // The formula curve is left out: one inverse-time curve, one instantaneous.
    ASSERT_EQ(c.typical.GetCount(), 2);
    // Primary current = 40 * tap 5 A * multiple; time = 73.37 s * 0.5 / 1 s.
    const CdPointList& inverse = c.typical.GetAt(0)->m_listPoint;
    ExpectPoint(inverse.GetAt(0), 40 * 5 * 1.1 * 6600, 73.37 * 0.5);
    ExpectPoint(inverse.GetAt(13), 40 * 5 * 10.0 * 6600, 2.971 * 0.5);
    EXPECT_DOUBLE_EQ(c.typical.GetAt(1)->m_dInstValue, 40 * 50 * 6600.0);
    // The band of the inverse-time curve: X +-5 %, Y +-7.5 %.
    ExpectPoint(c.upper.GetAt(0)->m_listPoint.GetAt(13), 40 * 5 * 10.5 * 6600, 2.971 * 1.075 * 0.5);

    // 220 A is x = 671 at 36.685 s (y = 2282); at 2000 A (x = 1151, ten
    // times the tap) the inverse curve stands at 1.4855 s (y = 1586) and the
    // instantaneous trip drops to 0.04 s (y = 801) and runs to 60 kA.
    Graph g;
    g.voltage = 6600;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);
    ASSERT_GE(e.GetCount(), 4);
    EXPECT_EQ(PointsOf(e).front(), (std::pair<double, double>{671, 2282}));
    const P all = PointsOf(e);
    EXPECT_EQ(P(all.end() - 4, all.end()),
              (P{{1151, 1586}, {1151, 1586}, {1151, 801}, {1889, 801}}));
    EXPECT_TRUE(FiniteAndFalling(e));
    EXPECT_EQ(m_messages.Count(), 0u);
}

// A merged curve drawn, hit and written as a whole.
TEST_F(CurveRealDevices, DrawAndHitAMergedCurve) {
    CurveDevice d;
    dvtest::ReadDevice(m_db, d, 2, 124, 400);
    DeviceCurves c;
    dvtest::ComputeCurves(d, c);
    Graph g;
    CdPointList e;
    dvtest::MergeOnGraph(c.typical, g, e);

    fw::CRecordingDC dc(600, true);
    dc.SetMapMode(fw::MM_LOMETRIC);
    e.DoDrawAllPoints(&dc, fw::R2_COPYPEN, d.line.m_crColor, 3, d.line.m_nWidth);
    ASSERT_EQ(dc.Records().size(), 1u);
    const fw::CDrawRecord& r = dc.Records()[0];
    EXPECT_EQ(r.points.size(), static_cast<size_t>(e.GetCount()));
    EXPECT_EQ(r.points.front(), fw::CPoint(530, 3500));
    EXPECT_EQ(r.pen.width, 10 / 3);
    EXPECT_EQ(r.pen.dashes, (std::vector<uint32_t>{100, 100, 50, 100}));

    EXPECT_EQ(e.IsHittedCurve(&dc, {1000, 1200}), 1); // on the magnetic drop
    EXPECT_EQ(e.IsHittedCurve(&dc, {1100, 1200}), 0);
    EXPECT_EQ(e.DoGetCurveRectLP(), fw::CRect(480, 339, 1789, 3550));
}
