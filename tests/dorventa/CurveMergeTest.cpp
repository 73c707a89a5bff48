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

// Far co-ordinates are held within +-2^29 before the regions' margins are
// added: an envelope ending near 2^31 was continued 10 000 units past the
// 32-bit range, and a crossing's region 1000 units past it.
TEST(CurveMerge, FarEnvelope_FaultMarginOverflow) {
    // The envelope ends at 3e9 (held at 2^29): a curve under it is merged.
    CdPointList env = MakePoints({{0, 1000}, {3e9, 500}});
    EXPECT_EQ(CdPointListTestAccess::CheckSkip(env, MakePoints({{100, 400}, {200, 300}})), 0);
    EXPECT_EQ(CdPointListTestAccess::CheckSkip(env, MakePoints({{100, 2000}, {200, 1500}})), 1);
}

TEST(CurveMerge, FarCrossing_FaultMarginOverflow) {
    // a-b falls from 1000 to 0 over 3e8 (m1 = 1 / 3e5, w1 = 3e5), c-d from
    // 500 to 400 (m2 = 1 / 3e6); ten times b.X lies past 2^31. Halfway
    // along the overlap (1.5e8) c-d stands at h = 500 - 50 = 450, so
    // X = (1000 - 450) * 3e5 = 1.65e8 and Y = 500 - 1.65e8 / 3e6 = 445.
    std::unique_ptr<CdPoint> x =
        CdPointListTestAccess::Cross({0, 1000}, {3e8, 0}, {0, 500}, {3e8, 400});
    ASSERT_TRUE(x);
    EXPECT_NEAR(x->m_dX, 1.65e8, 1e-3);
    EXPECT_NEAR(x->m_dY, 445, 1e-9);
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

// A long-time curve, a short-time curve with its pick-up inside the segment
// (700, 1800)-(1000, 1200) of the long time and a plateau at 300, and an
// instantaneous curve from (1500, 400) down to 20. The envelope is at every X
// the fastest element's time, with a drop at each pick-up:
// - the long time up to the short-time pick-up 900, where it stands at
//   1800 - (1800 - 1200) / 300 * (900 - 700) = 1400;
// - the drop at 900 to the plateau 300, which lies below the long time (it
//   never comes below 500) up to the instantaneous pick-up 1500;
// - the drop at 1500 from the plateau to 20 (the curve's first point, 400,
//   lies above the plateau), then the instantaneous curve to 3000.
// The long time's saturation level (150) and the short time's (300) are
// the levels the curves keep; without levels (0) the envelope is the same.
TEST(CurveMerge, ThreeElementsWithSaturationLevel) {
    for (double levels : {1.0, 0.0}) {
        COneCurveList curves;
        AddCurve(curves,
                 {{100, 6000},
                  {300, 4000},
                  {500, 2500},
                  {700, 1800},
                  {1000, 1200},
                  {1400, 800},
                  {2000, 500}},
                 150 * levels);
        AddCurve(curves, {{900, 3000}, {900, 300}, {1600, 300}}, 300 * levels);
        AddCurve(curves, {{1500, 400}, {1500, 20}, {3000, 20}}, 20 * levels);
        CdPointList e;
        e.DoMakeOneCurve(curves);
        EXPECT_EQ(PointsOf(e), (P{{100, 6000},
                                  {300, 4000},
                                  {500, 2500},
                                  {700, 1800},
                                  {900, 1400},
                                  {900, 300},
                                  {1500, 300},
                                  {1500, 20},
                                  {3000, 20}}))
            << "levels " << levels;
    }
}

// The short-time pick-up of the curves above moved along the long time:
// inside a segment, onto a point of it, and a few per cent further. The
// long time stands at the pick-up x at
//   1000: its point (1000, 1200);
//   1030: 1200 - (1200 - 800) / 400 * 30 = 1170;
//   1100: 1200 - 100 = 1100;
//   1400: its point (1400, 800);
//   1450: 800 - (800 - 500) / 600 * 50 = 775.
// The envelope keeps the long time's points left of x, drops at x to the
// plateau 300 and at 1500 to the instantaneous curve.
TEST(CurveMerge, ShortTimePickUpAnywhereOnTheLongTime) {
    struct Case {
        double x, height;
        P before; // the long time's points left of x
    };
    const P lt = {{100, 6000}, {300, 4000}, {500, 2500}, {700, 1800}};
    auto with = [&lt](P more) {
        P all = lt;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const Case cases[] = {
        {1000, 1200, lt},
        {1030, 1170, with({{1000, 1200}})},
        {1100, 1100, with({{1000, 1200}})},
        {1400, 800, with({{1000, 1200}})},
        {1450, 775, with({{1000, 1200}, {1400, 800}})},
    };
    for (const Case& c : cases) {
        COneCurveList curves;
        AddCurve(curves, {{100, 6000},
                          {300, 4000},
                          {500, 2500},
                          {700, 1800},
                          {1000, 1200},
                          {1400, 800},
                          {2000, 500}});
        AddCurve(curves, {{c.x, 3000}, {c.x, 300}, {1600, 300}}, 300);
        AddCurve(curves, {{1500, 400}, {1500, 20}, {3000, 20}});
        CdPointList e;
        e.DoMakeOneCurve(curves);
        P want = c.before;
        for (auto p : P{{c.x, c.height}, {c.x, 300}, {1500, 300}, {1500, 20}, {3000, 20}})
            want.push_back(p);
        EXPECT_EQ(PointsOf(e), want) << "pick-up " << c.x;
    }
}

// The first step of a curve that starts on or above the envelope, while
// the envelope goes on right of the curve's start: the envelope is kept up
// to where the curve first passes below it. The next curve's start is given,
// so that nothing else joins the curve at this step.
TEST(CurveMerge, ACurveStartingAboveJoinsWhereItPassesBelow) {
    const CdPoint next(5000, 5000);
    struct Case {
        const char* what;
        CdPointList envelope, curve;
        int result;
        P kept, setAside;
    };
    Case cases[] = {
        // Starts inside (100, 600)-(200, 400), where the envelope stands at
        // 500 below the curve's 900; at 200 the curve stands at 610 above
        // 400; at 250 at 320 below the envelope's 350. On (200, 250) the
        // difference runs from 210 to -30: it is 0 at 200 + 50 * 210 / 240
        // = 243.75, where the envelope stands at 400 - 43.75.
        {"crossing beyond the segment of the start",
         MakePoints({{0, 1000}, {100, 600}, {200, 400}, {300, 300}}),
         MakePoints({{150, 900}, {250, 320}, {400, 100}}),
         1,
         {{0, 1000}, {100, 600}, {200, 400}, {243.75, 356.25}},
         {{300, 300}}},
        // Starts at the envelope's point (10, 50) at 80; at 20 the curve is
        // at 45 above 40, at 30 at 20 below 30: the difference 5 at 20 and
        // -10 at 30 is 0 at 20 + 10 / 3, where the envelope is at 40 - 10 / 3.
        {"start at a point of the envelope",
         MakePoints({{0, 100}, {10, 50}, {20, 40}, {30, 30}}),
         MakePoints({{10, 80}, {20, 45}, {30, 20}}),
         1,
         {{0, 100}, {10, 50}, {20, 40}, {20 + 10.0 / 3, 40 - 10.0 / 3}},
         {{30, 30}}},
        // The envelope ends on the level 50; the curve starts right of it at
        // 80 and comes down to the level at 80 - (80 - 40) * 0.75 = 50,
        // x = 30 + 7.5: the level runs on to there.
        {"level end, curve starting right of it",
         MakePoints({{0, 100}, {10, 50}, {20, 50}}),
         MakePoints({{30, 80}, {40, 40}, {50, 10}}),
         1,
         {{0, 100}, {10, 50}, {37.5, 50}},
         {}},
        // The curve stays above the envelope and above its last height 0:
        // it adds nothing and the envelope stays whole.
        {"never below",
         MakePoints({{0, 100}, {100, 0}}),
         MakePoints({{50, 80}, {150, 60}}),
         2,
         {{0, 100}, {100, 0}},
         {}},
    };
    for (Case& c : cases) {
        CdPointList setAside;
        EXPECT_EQ(CdPointListTestAccess::Rectify1(c.envelope, c.curve, &next, 0, setAside),
                  c.result)
            << c.what;
        EXPECT_EQ(PointsOf(c.envelope), c.kept) << c.what;
        EXPECT_EQ(PointsOf(setAside), c.setAside) << c.what;
    }
}

// A definite-time element followed by an instantaneous one whose pick-up
// lies on the plateau, with no saturation levels: the plateau runs to the
// instantaneous pick-up and drops there (not at the definite-time pick-up
// down to the instantaneous curve's foot).
TEST(CurveMerge, PlateauWithoutLevelKeepsItsStep) {
    COneCurveList curves;
    AddCurve(curves, {{600, 3200}, {600, 1700}, {1400, 1700}});
    AddCurve(curves, {{1100, 3000}, {1100, 800}, {1900, 800}});
    CdPointList e;
    e.DoMakeOneCurve(curves);
    EXPECT_EQ(PointsOf(e), (P{{600, 3200}, {600, 1700}, {1100, 1700}, {1100, 800}, {1900, 800}}));
}
