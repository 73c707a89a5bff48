#include "framework/Region.h"

#include "framework/DeviceContext.h"

#include <QList>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace fw {

namespace {

// Polygon scan conversion with the platform's rule: the unit (x, y) belongs
// to a polygon when the point (x, y) lies inside it, a point on a left or top
// edge counting as inside and one on a right or bottom edge as outside. An
// edge from (x1, y1) to (x2, y2), y1 < y2, crosses the rows y1 to y2 - 1; in
// row y it starts the units from the ceiling of its exact x on. QRegion's own
// polygon conversion gives the same units (the tests hold the two together)
// but takes time by the square of the rows, so the rows are made here.

struct ScanEdge {
    int64_t yTop, yBottom;  // rows yTop .. yBottom - 1
    int64_t x1, y1, dx, dy; // from the upper end, dy > 0
    int dir;                // +1 drawn downward, -1 upward
};

struct Polygon {
    std::vector<ScanEdge> edges; // by yTop
    int64_t top = 0, bottom = 0, left = 0, right = 0;
    bool winding = true;
};

bool MakePolygon(const CPoint* points, int count, int polyFillMode, Polygon& poly) {
    if (!points || count < 2)
        return false;
    poly.winding = polyFillMode == WINDING;
    poly.top = poly.bottom = points[0].y;
    poly.left = poly.right = points[0].x;
    for (int i = 0; i < count; ++i) {
        poly.top = std::min<int64_t>(poly.top, points[i].y);
        poly.bottom = std::max<int64_t>(poly.bottom, points[i].y);
        poly.left = std::min<int64_t>(poly.left, points[i].x);
        poly.right = std::max<int64_t>(poly.right, points[i].x);
        const CPoint& a = points[i];
        const CPoint& b = points[(i + 1) % count];
        if (a.y == b.y)
            continue; // a level edge starts or ends no unit
        const CPoint& up = a.y < b.y ? a : b;
        const CPoint& down = a.y < b.y ? b : a;
        poly.edges.push_back(ScanEdge{up.y, down.y, up.x, up.y, int64_t{down.x} - up.x,
                                      int64_t{down.y} - up.y, a.y < b.y ? 1 : -1});
    }
    if (poly.bottom - poly.top > CRgn::kMaxPolygonHeight)
        return false;
    std::sort(poly.edges.begin(), poly.edges.end(),
              [](const ScanEdge& a, const ScanEdge& b) { return a.yTop < b.yTop; });
    return true;
}

// Walks the rows of a polygon from a first row on, giving each row's units as
// spans [left, right). Each active edge keeps its crossing as a quotient and a
// remainder that step from row to row, so no row needs a division.
class RowScanner {
public:
    RowScanner(const Polygon& poly, int64_t firstRow) : m_poly(poly), m_row(firstRow) {}

    // The spans of the current row; then moves to the next row.
    const std::vector<std::pair<int64_t, int64_t>>& NextRow() {
        const int64_t y = m_row++;
        if (y >= m_nextChange)
            UpdateActive(y);
        // The crossings, by x (few at a time: sorted by insertion).
        m_cross.clear();
        for (Active& a : m_active) {
            m_cross.emplace_back(a.q + (a.r > 0 ? 1 : 0), a.dir);
            for (size_t i = m_cross.size() - 1; i > 0 && m_cross[i] < m_cross[i - 1]; --i)
                std::swap(m_cross[i], m_cross[i - 1]);
            a.q += a.stepQ;
            a.r += a.stepR;
            if (a.r >= a.dy) {
                a.r -= a.dy;
                ++a.q;
            }
        }
        m_spans.clear();
        int count = 0;
        int64_t start = 0;
        for (const auto& [x, dir] : m_cross) {
            bool wasIn = m_poly.winding ? count != 0 : (count & 1) != 0;
            count += m_poly.winding ? dir : 1;
            bool isIn = m_poly.winding ? count != 0 : (count & 1) != 0;
            if (!wasIn && isIn) {
                start = x;
            } else if (wasIn && !isIn && x > start) {
                if (!m_spans.empty() && m_spans.back().second >= start)
                    m_spans.back().second = std::max(m_spans.back().second, x);
                else
                    m_spans.emplace_back(start, x);
            }
        }
        return m_spans;
    }

private:
    struct Active {
        int64_t q, r;         // crossing numerator = q * dy + r, 0 <= r < dy
        int64_t stepQ, stepR; // dx = stepQ * dy + stepR, 0 <= stepR < dy
        int64_t dy, yBottom;
        int dir;
    };

    static int64_t FloorDiv(int64_t num, int64_t den) {
        int64_t q = num / den;
        return (num % den != 0 && num < 0) ? q - 1 : q;
    }

    // Edges start and end only at some rows: the active list changes there.
    void UpdateActive(int64_t y) {
        m_active.erase(std::remove_if(m_active.begin(), m_active.end(),
                                      [y](const Active& a) { return a.yBottom <= y; }),
                       m_active.end());
        while (m_next < m_poly.edges.size() && m_poly.edges[m_next].yTop <= y) {
            const ScanEdge& e = m_poly.edges[m_next++];
            if (e.yBottom <= y)
                continue;
            int64_t num = e.x1 * e.dy + (y - e.y1) * e.dx;
            Active a{};
            a.q = FloorDiv(num, e.dy);
            a.r = num - a.q * e.dy;
            a.stepQ = FloorDiv(e.dx, e.dy);
            a.stepR = e.dx - a.stepQ * e.dy;
            a.dy = e.dy;
            a.yBottom = e.yBottom;
            a.dir = e.dir;
            m_active.push_back(a);
        }
        m_nextChange = m_next < m_poly.edges.size() ? m_poly.edges[m_next].yTop : INT64_MAX;
        for (const Active& a : m_active)
            m_nextChange = std::min(m_nextChange, a.yBottom);
    }

    const Polygon& m_poly;
    int64_t m_row;
    int64_t m_nextChange = INT64_MIN;
    size_t m_next = 0;
    std::vector<Active> m_active;
    std::vector<std::pair<int64_t, int>> m_cross;
    std::vector<std::pair<int64_t, int64_t>> m_spans;
};

bool SpansOverlap(const std::vector<std::pair<int64_t, int64_t>>& a,
                  const std::vector<std::pair<int64_t, int64_t>>& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].second <= b[j].first)
            ++i;
        else if (b[j].second <= a[i].first)
            ++j;
        else
            return true;
    }
    return false;
}

QRegion RegionOf(const Polygon& poly) {
    // One band of rectangles per run of rows with the same spans.
    QList<QRect> rects;
    std::vector<std::pair<int64_t, int64_t>> band;
    int64_t bandTop = poly.top;
    auto closeBand = [&](int64_t end) {
        for (const auto& [l, r] : band)
            rects.append(QRect(static_cast<int>(l), static_cast<int>(bandTop),
                               static_cast<int>(r - l), static_cast<int>(end - bandTop)));
    };
    RowScanner scan(poly, poly.top);
    for (int64_t y = poly.top; y < poly.bottom; ++y) {
        const auto& spans = scan.NextRow();
        if (spans != band) {
            closeBand(y);
            band = spans;
            bandTop = y;
        }
    }
    closeBand(poly.bottom);
    QRegion region;
    if (!rects.isEmpty())
        region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

} // namespace

bool CRgn::CreatePolygonRgn(const CPoint* points, int count, int polyFillMode) {
    DeleteObject();
    Polygon poly;
    if (!MakePolygon(points, count, polyFillMode, poly))
        return false;
    // The region's rectangles hold their widths in int.
    if (poly.right - poly.left > INT32_MAX)
        return false;
    m_region = RegionOf(poly);
    m_created = true;
    return true;
}

bool CRgn::PolygonsOverlap(const CPoint* a, int countA, const CPoint* b, int countB,
                           int polyFillMode, bool* made) {
    Polygon pa, pb;
    bool ok = MakePolygon(a, countA, polyFillMode, pa) && MakePolygon(b, countB, polyFillMode, pb);
    if (made)
        *made = ok;
    if (!ok)
        return false;
    if (std::max(pa.left, pb.left) >= std::min(pa.right, pb.right))
        return false;
    // Only the rows the two have in common can hold a shared unit.
    const int64_t first = std::max(pa.top, pb.top);
    const int64_t end = std::min(pa.bottom, pb.bottom);
    RowScanner scanA(pa, first), scanB(pb, first);
    for (int64_t y = first; y < end; ++y)
        if (SpansOverlap(scanA.NextRow(), scanB.NextRow()))
            return true;
    return false;
}

bool CRgn::CreateRectRgn(int l, int t, int r, int b) {
    DeleteObject();
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (r > l && b > t)
        m_region = QRegion(l, t, r - l, b - t);
    m_created = true;
    return true;
}

int CRgn::CombineRgn(const CRgn& a, const CRgn& b, int mode) {
    if (!a.m_created || (mode != RGN_COPY && !b.m_created))
        return RGN_ERROR;
    QRegion result;
    switch (mode) {
    case RGN_AND:
        result = a.m_region.intersected(b.m_region);
        break;
    case RGN_OR:
        result = a.m_region.united(b.m_region);
        break;
    case RGN_XOR:
        result = a.m_region.xored(b.m_region);
        break;
    case RGN_DIFF:
        result = a.m_region.subtracted(b.m_region);
        break;
    case RGN_COPY:
        result = a.m_region;
        break;
    default:
        return RGN_ERROR;
    }
    m_region = result;
    m_created = true;
    return GetRegionType();
}

bool CRgn::PtInRegion(int x, int y) const {
    return m_created && m_region.contains(QPoint(x, y));
}

int CRgn::GetRegionType() const {
    if (!m_created)
        return RGN_ERROR;
    if (m_region.isEmpty())
        return NULLREGION;
    return m_region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

CRect CRgn::GetRgnBox() const {
    if (m_region.isEmpty())
        return {};
    QRect r = m_region.boundingRect();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CRgn::DeleteObject() {
    m_region = QRegion();
    m_created = false;
}

} // namespace fw
