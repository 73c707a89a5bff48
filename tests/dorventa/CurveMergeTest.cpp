// Merging computed curves into the envelope, on logical co-ordinates worked
// out by hand.

#include "CurveTestAccess.h"

#include "breakerdata/model/COneCurve.h"

#include "framework/DeviceContext.h"
#include "framework/Region.h"

#include <gtest/gtest.h>

#include <cmath>

using dvtest::MakePoints;
using dvtest::PointsOf;
using P = std::vector<std::pair<double, double>>;

namespace {

COneCurve* AddCurve(COneCurveList& list, std::initializer_list<std::pair<double, double>> pts,
                    double saturation = 0) {
    COneCurve* c = list.DoAddNewOneCurve();
    c->m_listPoint = MakePoints(pts);
    c->m_dSaturation = saturation;
    return c;
}

bool AllFinite(const CdPointList& list) {
    for (const auto& p : list)
        if (!std::isfinite(p->m_dX) || !std::isfinite(p->m_dY))
            return false;
    return true;
}

} // namespace

TEST(CurveMerge, EmptyInputLeavesTheEnvelopeEmpty) {
    COneCurveList curves;
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CurveMerge, SingleCurveIsCopied) {
    COneCurveList curves;
    AddCurve(curves, {{100, 3000}, {400, 1200}, {400, 1200}, {900, 300}, {900, 100}}, 0.5);
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_EQ(PointsOf(e), PointsOf(curves.GetHead()->m_listPoint));
}

// The thermal curve meets the instantaneous drop at x = 900, where the line
// from (800, 600) to (1000, 450) stands at 525; the envelope follows the drop
// and the instantaneous curve's foot.
TEST(CurveMerge, ThermalThenInstantaneous) {
    COneCurveList curves;
    AddCurve(curves, {{100, 3000}, {200, 2000}, {400, 1200}, {800, 600}, {1000, 450}});
    AddCurve(curves, {{900, 700}, {900, 100}, {1500, 100}});
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_EQ(PointsOf(e), (P{{100, 3000},
                              {200, 2000},
                              {400, 1200},
                              {800, 600},
                              {900, 525},
                              {900, 100},
                              {1500, 100}}));
}

// A curve lying wholly above the envelope is skipped, even where it reaches
// further right than the envelope.
TEST(CurveMerge, CurveAboveTheEnvelopeIsSkipped) {
    COneCurveList curves;
    AddCurve(curves, {{100, 1000}, {1000, 100}});
    AddCurve(curves, {{200, 2000}, {3000, 1500}});
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_EQ(PointsOf(e), (P{{100, 1000}, {1000, 100}}));

    CdPointList env = MakePoints({{100, 1000}, {1000, 100}});
    struct Case {
        CdPointList curve;
        int skip;
    };
    Case cases[] = {
        {MakePoints({{200, 2000}, {3000, 1500}}), 1},
        {MakePoints({{100, 1000}, {1000, 100}}), 1}, // lying on the envelope
        {MakePoints({{100, 999}, {1000, 99}}), 0},   // one unit below
        {MakePoints({{5000, 101}, {6000, 101}}), 1}, // right of it, above its level
        {MakePoints({{5000, 99}, {6000, 99}}), 0},   // right of it, below its level
        {CdPointList(), 1},                          // nothing to merge
    };
    for (Case& c : cases)
        EXPECT_EQ(CdPointListTestAccess::CheckSkip(env, c.curve), c.skip)
            << PointsOf(c.curve).size();
    EXPECT_EQ(CdPointListTestAccess::CheckSkip(CdPointList(), cases[0].curve), 0);
}

// The crossing is taken at the height of c-d halfway along the overlap of
// the segments, not at the exact intersection of the lines.
TEST(CurveMerge, CrossPoint) {
    struct Case {
        CdPoint a, b, c, d;
        bool found;
        CdPoint x;
    };
    const Case cases[] = {
        // h = 20 - 50 * 0.1 = 15; X = 0 + 85; Y = 20 - 0.1 * 85.
        {{0, 100}, {100, 0}, {0, 20}, {100, 10}, true, {85, 11.5}},
        // a left of c: j = 100 - 90, X0 = 90, h = 12 - 5 * 0.1; X = 88.5 left of c.
        {{0, 100}, {100, 0}, {90, 12}, {100, 11}, false, {}},
        // Whole units cannot tell these apart: one lies on the other.
        {{0, 100}, {100, 0}, {0, 100.0005}, {100, -0.0005}, false, {}},
        // Slopes 1 and 1.0000001 agree in six decimals: parallel.
        {{0, 100}, {100, 0}, {0, 100.000005}, {100, -0.000005}, false, {}},
        // The falling segment ends before the other starts.
        {{0, 100}, {10, 90}, {20, 50}, {100, 0}, false, {}},
        // c-d starts below the end of a-b.
        {{0, 100}, {40, 60}, {0, 58}, {100, 48}, false, {}},
        // Slopes -0.0000000001 and 0.0000000003 agree in six decimals
        // ("-0.000000" reads back as 0): parallel.
        {{0, 100}, {1000000, 100.0001}, {0, 100.0002}, {1000000, 99.9999}, false, {}},
        // A vertical drop through a falling line: the drop's X, the line's Y.
        {{900, 700}, {900, 100}, {800, 600}, {1000, 450}, true, {900, 525}},
        // A point of c-d touching a-b is no crossing (no area between them).
        {{800, 600}, {1000, 450}, {900, 525}, {900, 100}, false, {}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CdPoint> x = CdPointListTestAccess::Cross(c.a, c.b, c.c, c.d);
        ASSERT_EQ(x != nullptr, c.found) << c.a.m_dX << "," << c.a.m_dY << " " << c.c.m_dX;
        if (x) {
            EXPECT_DOUBLE_EQ(x->m_dX, c.x.m_dX);
            EXPECT_DOUBLE_EQ(x->m_dY, c.x.m_dY);
        }
    }
}

// A curve whose first segment is level puts no point at an infinite X into
// the envelope when the predecessor ends on its saturation level.
TEST(CurveMerge, HorizontalFirstSegment_FaultDivisionByZero) {
    COneCurveList curves;
    AddCurve(curves, {{100, 1000}, {500, 200}}, 200);
    AddCurve(curves, {{600, 400}, {800, 400}, {1000, 50}});
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_TRUE(AllFinite(e));
    // The step at the level starts at the curve's first point.
    EXPECT_EQ(PointsOf(e), (P{{100, 1000}, {500, 200}, {600, 200}, {1000, 50}}));
}

// A vertical segment of the envelope has no slope to continue along towards
// the next curve: the envelope keeps finite points.
TEST(CurveMerge, VerticalSegment_FaultDivisionByZero) {
    COneCurveList curves;
    AddCurve(curves, {{100, 2000}, {400, 800}, {400, 300}});
    AddCurve(curves, {{600, 250}, {700, 240}, {900, 100}});
    AddCurve(curves, {{1000, 80}, {2000, 80}});
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_TRUE(AllFinite(e)) << e.GetCount();
    ASSERT_FALSE(e.IsEmpty());
    EXPECT_EQ(e.GetHead()->m_dX, 100);
    EXPECT_EQ(e.GetTail()->m_dX, 2000);
}

// Cutting and continuing along a curve that zigzags across the envelope
// many times ends after a bounded number of rounds.
TEST(CurveMerge, RectifyRecursion_FaultUnboundedDepth) {
    CdPointList e = MakePoints({{0, 50000}, {50000, 0}});
    CdPointList zigzag;
    for (int i = 0; i <= 200; ++i) {
        double x = 10 + i * 20.0;
        double y = 50000 - x + (i % 2 == 0 ? 15 : -15);
        *zigzag.DoAddNewPoint() = CdPoint(x, y);
    }
    EXPECT_EQ(CdPointListTestAccess::Rectify4(e, zigzag), 1);
    EXPECT_TRUE(AllFinite(e));
    EXPECT_LT(e.GetCount(), 100000);
}

// Worked by hand through the steps: the short-time curve starts left of the
// envelope's segment (1000, 1200)-(1400, 800) while the points right of its
// start are set aside, so the walk stops there and only the short-time
// curve's last point joins; the predecessor check cuts the long-time curve
// (the working copy) at (1133.3, 1066.7) and ends the step. The
// instantaneous curve then starts inside the segment (1000, 1200)-(1600,
// 300), whose height 450 at x 1500 lies above the curve's first point: the
// envelope drops there and follows the instantaneous curve.
TEST(CurveMerge, ThreeElementsWithSaturationLevel) {
    COneCurveList curves;
    AddCurve(curves,
             {{100, 6000},
              {300, 4000},
              {500, 2500},
              {700, 1800},
              {1000, 1200},
              {1400, 800},
              {2000, 500}},
             150);
    AddCurve(curves, {{900, 3000}, {900, 300}, {1600, 300}}, 300);
    AddCurve(curves, {{1500, 400}, {1500, 20}, {3000, 20}}, 20);
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_EQ(PointsOf(e), (P{{100, 6000},
                              {300, 4000},
                              {500, 2500},
                              {700, 1800},
                              {1000, 1200},
                              {1500, 450},
                              {1500, 400},
                              {1500, 20},
                              {3000, 20}}));
    const CdPointList& longTime = curves.GetHead()->m_listPoint;
    ASSERT_EQ(longTime.GetCount(), 7);
    EXPECT_NEAR(longTime.GetAt(5)->m_dX, 1133.333, 1e-3);
    EXPECT_NEAR(longTime.GetAt(5)->m_dY, 1066.667, 1e-3);
    EXPECT_EQ(longTime.GetTail()->m_dX, 1600);
}
