#pragma once

#include "framework/Geometry.h"

#include <QRegion>

#include <cstdint>

namespace fw {

// Kinds of a region, as region operations report them.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Combination modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// An area of whole units, built from polygons and rectangles and combined.
// A polygon covers the units (x, y) whose point lies inside it, points on a
// left or top edge counting as inside and those on a right or bottom edge as
// outside: the left and top edges of a rectangle belong to it, the right and
// bottom edges do not. The curve algorithms rely on this rule: a curve lying
// exactly on another does not overlap it.
class CRgn {
public:
    CRgn() = default;

    static constexpr int64_t kMaxPolygonHeight = 100000;

    // polyFillMode is ALTERNATE or WINDING (framework/DeviceContext.h).
    // Fails (false, no region) for fewer than two points, for a polygon
    // more than kMaxPolygonHeight units high, and for one wider than a
    // region's rectangle holds (more than INT32_MAX units).
    bool CreatePolygonRgn(const CPoint* points, int count, int polyFillMode);
    bool CreateRectRgn(int l, int t, int r, int b);
    // Whether two polygons (made as by CreatePolygonRgn) share a unit,
    // without making their regions: only their common rows are scanned, and
    // the first shared unit ends the search. made (optional) tells whether
    // both polygons could be made; false is returned when not.
    static bool PolygonsOverlap(const CPoint* a, int countA, const CPoint* b, int countB,
                                int polyFillMode, bool* made = nullptr);
    // Makes this region the combination of two others; returns its kind, or
    // RGN_ERROR when either source was never created.
    int CombineRgn(const CRgn& a, const CRgn& b, int mode);
    bool PtInRegion(int x, int y) const;
    bool PtInRegion(CPoint p) const { return PtInRegion(p.x, p.y); }
    bool IsCreated() const { return m_created; }
    bool IsEmpty() const { return m_region.isEmpty(); }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION; RGN_ERROR when not created.
    int GetRegionType() const;
    CRect GetRgnBox() const;
    void DeleteObject();

    const QRegion& Region() const { return m_region; }

private:
    bool m_created = false;
    QRegion m_region;
};

} // namespace fw
