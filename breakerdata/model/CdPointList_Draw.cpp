// Cutting, drawing, hit-testing and DXF output of a curve in the graph's
// logical co-ordinates.

#include "breakerdata/model/CdPointList.h"
#include "breakerdata/model/CurveNumbers.h"

#include "framework/DeviceContext.h"
#include "framework/Region.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

// Dash patterns of the line kinds 1 to 4 in logical units: dashed, dot,
// dash-dot, divide (dash-dot-dot).
const std::vector<uint32_t>& DashPattern(int kind) {
    static const std::vector<uint32_t> patterns[] = {
        {}, {200, 100}, {50, 50}, {100, 100, 50, 100}, {100, 50, 50, 50, 50, 50}};
    return patterns[kind];
}

// Numbers of the DXF file are written with a point whatever the locale.
std::string WithPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

} // namespace

void CdPointList::DoRectifiesCapacity(int x) {
    if (x <= 0)
        return;
    auto& e = Items();
    if (e.empty())
        return;
    iterator itQ = std::prev(e.end());
    while (itQ != e.begin()) {
        iterator itR = std::prev(itQ);
        CdPoint& q = **itQ;
        const CdPoint& r = **itR;
        if (x == q.m_dX)
            return;
        if (x > q.m_dX) {
            // Extend the last segment to x, unless it is vertical.
            if (q.m_dX == r.m_dX)
                return;
            double y = q.m_dY - (r.m_dY - q.m_dY) / (q.m_dX - r.m_dX) * (x - q.m_dX);
            AddTail(std::make_unique<CdPoint>(x, y));
            return;
        }
        if (r.m_dX < x) {
            q = CdPoint(x, q.m_dY - (r.m_dY - q.m_dY) / (q.m_dX - r.m_dX) * (x - q.m_dX));
            return;
        }
        DeleteAt(itQ);
        itQ = itR;
    }
}

bool CdPointList::DoCreateCurevePen(fw::CPen* pen, uint32_t colour, int kind, int width) {
    if (kind >= 1 && kind <= 4)
        *pen = fw::CPen::Geometric(fw::PS_USERSTYLE, width, colour, DashPattern(kind));
    else
        *pen = fw::CPen(fw::PS_SOLID, width, colour);
    return true;
}

void CdPointList::DoDrawAllPoints(fw::CDC* dc, int rop2, uint32_t colour, int kind,
                                  int width) const {
    std::vector<fw::CPoint> points;
    points.reserve(static_cast<size_t>(GetCount()));
    for (const auto& p : *this)
        points.emplace_back(RoundAsText(p->m_dX), RoundAsText(p->m_dY));
    // Curve widths are given for the screen; on the 0.1 mm mapping of the
    // printer a third of it looks the same.
    int w = dc->GetMapMode() == fw::MM_LOMETRIC ? width / 3 : width;
    fw::CPen pen;
    if (!DoCreateCurevePen(&pen, colour, kind, w))
        return;
    fw::CPen oldPen = dc->SelectObject(pen);
    int oldRop = dc->SetROP2(rop2);
    dc->Polyline(points.data(), static_cast<int>(points.size()));
    dc->SetROP2(oldRop);
    dc->SelectObject(oldPen);
}

int CdPointList::IsHittedCurve(fw::CDC* dc, fw::CPoint point) const {
    for (auto b = begin(); b != end(); ++b) {
        if (b == begin())
            continue;
        const CdPoint& pa = **std::prev(b);
        const CdPoint& pb = **b;
        fw::CPoint a(TruncToInt(pa.m_dX), TruncToInt(pa.m_dY));
        fw::CPoint c(TruncToInt(pb.m_dX), TruncToInt(pb.m_dY));
        if (DoSearchNearPoint(dc, point, a, c))
            return 1;
    }
    return 0;
}

int CdPointList::DoSearchNearPoint(fw::CDC*, fw::CPoint point, fw::CPoint a, fw::CPoint b) {
    // A band 50 units either side of the segment, tested as a region. The
    // device context's clipping is left alone: only the point test is needed.
    const fw::CPoint band[] = {
        {a.x - 50, a.y - 50}, {a.x + 50, a.y + 50}, {b.x + 50, b.y + 50}, {b.x - 50, b.y - 50}};
    fw::CRgn region;
    if (!region.CreatePolygonRgn(band, 4, fw::WINDING))
        return 0;
    return region.PtInRegion(point) ? 1 : 0;
}

fw::CRect CdPointList::DoGetCurveRectLP() const {
    fw::CRect r(0, 0, 0, 0);
    if (IsEmpty())
        return r;
    for (const auto& p : *this) {
        int32_t x = TruncToInt(p->m_dX);
        int32_t y = TruncToInt(p->m_dY);
        if (r.IsRectNull()) {
            r = fw::CRect(x, y, x, y);
            continue;
        }
        if (x < r.left)
            r.left = x;
        else if (x > r.right)
            r.right = x;
        if (y > r.bottom)
            r.bottom = y;
        else if (y < r.top)
            r.top = y;
    }
    r.left -= 50;
    r.right += 50;
    r.bottom += 50;
    r.top -= 50;
    r.NormalizeRect();
    return r;
}

void CdPointList::DoDXFOutAllPoints(std::ostream& file, int layer, const std::string& lineType,
                                    double scale) const {
    const std::string layerText = WithPoint(DLLGetTextByBeams(layer, 0));
    auto line = [&file](const std::string& text) { file << text << "\n"; };
    for (const char* s : {"0", "POLYLINE", "8"})
        line(s);
    line(layerText);
    line("6");
    line(lineType);
    for (const char* s : {"66", "1", "10", "0", "20", "0"})
        line(s);
    for (const auto& p : *this) {
        line("0");
        line("VERTEX");
        line("8");
        line(layerText);
        line("6");
        line(lineType);
        line("10");
        line(WithPoint(DLLGetTextByBeamsEx(p->m_dX * scale, 5, 0)));
        line("20");
        line(WithPoint(DLLGetTextByBeamsEx(p->m_dY * scale, 5, 0)));
    }
    line("0");
    line("SEQEND");
    line("8");
    line(layerText);
    line("6");
    line(lineType);
}
