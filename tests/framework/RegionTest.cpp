#include "framework/Region.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <QPolygon>
#include <QRegion>

#include <cstdint>
#include <random>
#include <vector>

using fw::CPoint;
using fw::CRgn;

namespace {

CRgn Polygon(const std::vector<CPoint>& pts, int mode = fw::WINDING) {
    CRgn r;
    EXPECT_TRUE(r.CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), mode));
    return r;
}

// Everything under a polyline, down to y = -10000, continued 10000 to the
// right: the shape the curve merge tests a new curve against.
CRgn Under(const std::vector<CPoint>& line) {
    std::vector<CPoint> pts = line;
    CPoint last = line.back();
    pts.push_back({last.x + 10000, last.y});
    pts.push_back({last.x + 10000, -10000});
    pts.push_back({line.front().x, -10000});
    return Polygon(pts);
}

// Everything above a polyline, up to y = 10000.
CRgn Over(const std::vector<CPoint>& line) {
    std::vector<CPoint> pts = line;
    pts.push_back({line.back().x, 10000});
    pts.push_back({line.front().x, 10000});
    return Polygon(pts);
}

std::vector<CPoint> Shift(std::vector<CPoint> line, int dy) {
    for (CPoint& p : line)
        p.y += dy;
    return line;
}

} // namespace

// The square (0,0)-(10,10) holds its left and top edges but not its right
// and bottom ones.
TEST(RegionTest, PolygonIsHalfOpen) {
    CRgn r = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{0, 0, true},   {9, 9, true},   {5, 0, true},    {0, 5, true},
                          {10, 5, false}, {5, 10, false}, {10, 10, false}, {-1, 5, false},
                          {5, -1, false}, {9, 10, false}};
    for (const Case& c : cases)
        EXPECT_EQ(r.PtInRegion(c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(r.GetRegionType(), fw::SIMPLEREGION);
    EXPECT_EQ(r.GetRgnBox(), fw::CRect(0, 0, 10, 10));
}

// A curve lying exactly on the envelope does not overlap the area under it;
// one unit lower it does. Flat, falling, rising and broken lines alike.
TEST(RegionTest, CurveOnEnvelopeDoesNotIntersectOneUnitBelowDoes) {
    const std::vector<std::vector<CPoint>> lines = {
        {{0, 500}, {1000, 500}},
        {{0, 3000}, {1000, 1000}, {2500, 900}},
        {{100, 200}, {700, 900}},
        {{0, 4000}, {300, 3000}, {300, 2000}, {900, 2000}, {1500, 100}},
        {{10, 20}, {11, 10}, {3000, 9}},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        CRgn under = Under(lines[i]);
        struct Case {
            int dy;
            bool intersects;
        };
        const Case cases[] = {{0, false}, {1, false}, {50, false}, {-1, true}, {-20, true}};
        for (const Case& c : cases) {
            CRgn over = Over(Shift(lines[i], c.dy));
            CRgn both;
            int kind = both.CombineRgn(under, over, fw::RGN_AND);
            EXPECT_EQ(kind != fw::NULLREGION, c.intersects) << "line " << i << " dy " << c.dy;
            EXPECT_EQ(both.IsEmpty(), !c.intersects) << "line " << i << " dy " << c.dy;
        }
    }
}

TEST(RegionTest, WindingAndAlternateFill) {
    // A pentagram: its centre is inside by the winding rule only.
    const std::vector<CPoint> star = {{50, 0}, {80, 100}, {0, 35}, {100, 35}, {20, 100}};
    EXPECT_TRUE(Polygon(star, fw::WINDING).PtInRegion(50, 50));
    EXPECT_FALSE(Polygon(star, fw::ALTERNATE).PtInRegion(50, 50));
    EXPECT_EQ(Polygon(star, fw::WINDING).GetRegionType(), fw::COMPLEXREGION);
}

TEST(RegionTest, DegenerateAndFailedRegions) {
    CRgn none;
    EXPECT_FALSE(none.IsCreated());
    EXPECT_EQ(none.GetRegionType(), fw::RGN_ERROR);
    CPoint one{5, 5};
    EXPECT_FALSE(none.CreatePolygonRgn(&one, 1, fw::WINDING));
    // A polygon without area is made but empty, and holds no point.
    CRgn flat = Polygon({{0, 0}, {10, 10}, {20, 20}, {10, 10}});
    EXPECT_TRUE(flat.IsCreated());
    EXPECT_TRUE(flat.IsEmpty());
    EXPECT_EQ(flat.GetRegionType(), fw::NULLREGION);
    EXPECT_FALSE(flat.PtInRegion(10, 10));
    CRgn result;
    EXPECT_EQ(result.CombineRgn(flat, none, fw::RGN_AND), fw::RGN_ERROR);
    // Taller than the region code takes: refused, not made empty.
    const CPoint tall[] = {{0, -60000}, {10, -60000}, {10, 60000}, {0, 60000}};
    EXPECT_FALSE(none.CreatePolygonRgn(tall, 4, fw::WINDING));
    EXPECT_FALSE(none.IsCreated());
    const CPoint high[] = {{0, -50000}, {10, -50000}, {10, 50000}, {0, 50000}};
    EXPECT_TRUE(none.CreatePolygonRgn(high, 4, fw::WINDING));
    EXPECT_TRUE(none.PtInRegion(5, 49999));
}

// A polygon wider than the 32-bit range of a rectangle's width is refused
// rather than made with its width narrowed (which gave a wrong region: the
// point (0, 5) of the wide band outside it); one exactly INT32_MAX wide is
// made whole.
TEST(RegionTest, WiderThanARectangleIsRefused_FaultWidthNarrowedToInt) {
    const CPoint wide[] = {{INT32_MIN, 0}, {INT32_MAX, 0}, {INT32_MAX, 10}, {INT32_MIN, 10}};
    CRgn r;
    EXPECT_FALSE(r.CreatePolygonRgn(wide, 4, fw::WINDING));
    EXPECT_FALSE(r.IsCreated());
    const int32_t half = 1 << 30;
    const CPoint widest[] = {{-half, 0}, {half - 1, 0}, {half - 1, 10}, {-half, 10}};
    ASSERT_TRUE(r.CreatePolygonRgn(widest, 4, fw::WINDING));
    EXPECT_TRUE(r.PtInRegion(0, 5));
    EXPECT_TRUE(r.PtInRegion(-half, 5));
    EXPECT_TRUE(r.PtInRegion(half - 2, 9));
    EXPECT_FALSE(r.PtInRegion(half - 1, 5));
}

TEST(RegionTest, Combinations) {
    CRgn a, b, r;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    EXPECT_EQ(r.CombineRgn(a, b, fw::RGN_AND), fw::SIMPLEREGION);
    EXPECT_EQ(r.GetRgnBox(), fw::CRect(5, 5, 10, 10));
    EXPECT_EQ(r.CombineRgn(a, b, fw::RGN_OR), fw::COMPLEXREGION);
    EXPECT_TRUE(r.PtInRegion(14, 14));
    EXPECT_EQ(r.CombineRgn(a, b, fw::RGN_DIFF), fw::COMPLEXREGION);
    EXPECT_FALSE(r.PtInRegion(7, 7));
    b.CreateRectRgn(10, 0, 20, 10); // touching edges share no unit
    EXPECT_EQ(r.CombineRgn(a, b, fw::RGN_AND), fw::NULLREGION);
}

namespace {

QRegion QtPolygonRegion(const std::vector<CPoint>& pts, int mode) {
    QPolygon poly;
    for (const CPoint& p : pts)
        poly << QPoint(p.x, p.y);
    return QRegion(poly, mode == fw::WINDING ? Qt::WindingFill : Qt::OddEvenFill);
}

std::vector<CPoint> RandomPolygon(std::mt19937& rng, int range) {
    std::uniform_int_distribution<int> count(2, 9), coord(-range, range);
    std::vector<CPoint> pts(static_cast<size_t>(count(rng)));
    for (CPoint& p : pts)
        p = CPoint(coord(rng), coord(rng));
    return pts;
}

} // namespace

// The regions made here hold exactly the units of QRegion's own polygon
// conversion, for both fill rules, and are as simple or complex.
TEST(RegionTest, PolygonUnitsAsQRegionMakesThem) {
    std::mt19937 rng(61);
    for (int round = 0; round < 400; ++round) {
        std::vector<CPoint> pts = RandomPolygon(rng, round < 200 ? 12 : 150);
        for (int mode : {fw::WINDING, fw::ALTERNATE}) {
            CRgn mine;
            ASSERT_TRUE(mine.CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), mode));
            QRegion qt = QtPolygonRegion(pts, mode);
            EXPECT_TRUE(mine.Region().xored(qt).isEmpty()) << "round " << round << " mode " << mode;
            EXPECT_EQ(mine.IsEmpty(), qt.isEmpty());
            if (!qt.isEmpty()) {
                EXPECT_EQ(mine.GetRegionType() == fw::SIMPLEREGION, qt.rectCount() == 1)
                    << "round " << round;
            }
        }
    }
}

// Testing two polygons for a shared unit answers as intersecting their
// regions does.
TEST(RegionTest, PolygonsOverlapAsTheirRegionsIntersect) {
    std::mt19937 rng(1210);
    for (int round = 0; round < 400; ++round) {
        std::vector<CPoint> a = RandomPolygon(rng, 40), b = RandomPolygon(rng, 40);
        for (int mode : {fw::WINDING, fw::ALTERNATE}) {
            bool made = false;
            bool overlap = CRgn::PolygonsOverlap(a.data(), static_cast<int>(a.size()), b.data(),
                                                 static_cast<int>(b.size()), mode, &made);
            EXPECT_TRUE(made);
            bool qt = !QtPolygonRegion(a, mode).intersected(QtPolygonRegion(b, mode)).isEmpty();
            EXPECT_EQ(overlap, qt) << "round " << round << " mode " << mode;
        }
    }
    // The curve merge's shapes: on the envelope no overlap, one unit below one.
    std::vector<CPoint> under = {{0, 3000},    {1000, 1000},    {2500, 900},
                                 {12500, 900}, {12500, -10000}, {0, -10000}};
    for (int dy : {0, -1}) {
        std::vector<CPoint> over = {
            {0, 3000 + dy}, {1000, 1000 + dy}, {2500, 900 + dy}, {2500, 10000}, {0, 10000}};
        EXPECT_EQ(CRgn::PolygonsOverlap(under.data(), 6, over.data(), 5, fw::WINDING), dy < 0);
    }
    bool made = true;
    const CPoint one[] = {{0, 0}};
    EXPECT_FALSE(CRgn::PolygonsOverlap(one, 1, under.data(), 6, fw::WINDING, &made));
    EXPECT_FALSE(made);
}
