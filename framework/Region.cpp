#include "framework/Region.h"

#include "framework/DeviceContext.h"

#include <QPolygon>

namespace fw {

bool CRgn::CreatePolygonRgn(const CPoint* points, int count, int polyFillMode) {
    DeleteObject();
    if (!points || count < 2)
        return false;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, points[i].x, points[i].y);
    // QRegion's polygon scan conversion follows the same half-open rule as the
    // platform's polygon regions.
    m_region = QRegion(polygon, polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    m_created = true;
    return true;
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
