#include "framework/Region.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

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
