#include "breakerdata/model/PolygonIntersection.h"

#include "framework/DeviceContext.h"
#include "framework/Region.h"

#include <algorithm>
#include <cstdint>

namespace {

// Moves the far top (up = false: y largest) or bottom edge of a polygon to
// the level `to`, when the vertices beyond `to` are exactly two at one level,
// next to each other (cyclically), each joined to its outer neighbour by a
// vertical edge.
void LimitFarEdge(std::vector<fw::CPoint>& poly, int32_t to, bool top) {
    const int n = static_cast<int>(poly.size());
    if (n < 4)
        return;
    auto beyond = [&](const fw::CPoint& p) { return top ? p.y > to : p.y < to; };
    int count = 0;
    for (const fw::CPoint& p : poly)
        count += beyond(p) ? 1 : 0;
    if (count != 2)
        return;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        if (!beyond(poly[i]) || !beyond(poly[j]))
            continue;
        const fw::CPoint& before = poly[(i + n - 1) % n];
        const fw::CPoint& after = poly[(j + 1) % n];
        if (poly[i].y != poly[j].y || before.x != poly[i].x || after.x != poly[j].x)
            return;
        poly[i].y = to;
        poly[j].y = to;
        return;
    }
}

void Range(const std::vector<fw::CPoint>& poly, int32_t fw::CPoint::*axis, int32_t& lo,
           int32_t& hi) {
    lo = poly.front().*axis;
    hi = poly.front().*axis;
    for (const fw::CPoint& p : poly) {
        lo = std::min(lo, p.*axis);
        hi = std::max(hi, p.*axis);
    }
}

} // namespace

int DoIntersectPolygonRegions(std::vector<fw::CPoint> a, std::vector<fw::CPoint> b) {
    if (a.size() >= 2 && b.size() >= 2) {
        // A polygon covers the units of the rows and columns from its lowest
        // vertex co-ordinate up to, but not including, its highest.
        int32_t loA, hiA, loB, hiB;
        Range(a, &fw::CPoint::x, loA, hiA);
        Range(b, &fw::CPoint::x, loB, hiB);
        if (std::max(loA, loB) >= std::min(hiA, hiB))
            return fw::NULLREGION;
        Range(a, &fw::CPoint::y, loA, hiA);
        Range(b, &fw::CPoint::y, loB, hiB);
        const int64_t lo = std::max(loA, loB);
        const int64_t hi = std::min(hiA, hiB);
        if (lo >= hi)
            return fw::NULLREGION;
        const auto top = static_cast<int32_t>(std::min<int64_t>(hi + 2, INT32_MAX));
        const auto bottom = static_cast<int32_t>(std::max<int64_t>(lo - 2, INT32_MIN));
        for (auto* poly : {&a, &b}) {
            LimitFarEdge(*poly, top, true);
            LimitFarEdge(*poly, bottom, false);
        }
    }
    fw::CRgn ra, rb, both;
    if (!ra.CreatePolygonRgn(a.data(), static_cast<int>(a.size()), fw::WINDING) ||
        !rb.CreatePolygonRgn(b.data(), static_cast<int>(b.size()), fw::WINDING))
        return fw::RGN_ERROR;
    return both.CombineRgn(ra, rb, fw::RGN_AND);
}
