#include "RectTracker.h"

#include "DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace fw {

namespace {

// Where each handle sits: which edges give its corner, whether it is centred
// along x or y, how far it is pulled inside, and which handle it becomes
// when the rectangle is turned over in x or in y.
struct HandleInfo {
    int32_t CRect::*x;
    int32_t CRect::*y;
    int centerX;
    int centerY;
    int handleX;
    int handleY;
    int invertX;
    int invertY;
};

const HandleInfo kHandles[8] = {
    {&CRect::left, &CRect::top, 0, 0, 0, 0, 1, 3},
    {&CRect::right, &CRect::top, 0, 0, -1, 0, 0, 2},
    {&CRect::right, &CRect::bottom, 0, 0, -1, -1, 3, 1},
    {&CRect::left, &CRect::bottom, 0, 0, 0, -1, 2, 0},
    {&CRect::left, &CRect::top, 1, 0, 0, 0, 4, 6},
    {&CRect::right, &CRect::top, 0, 1, -1, 0, 7, 5},
    {&CRect::left, &CRect::bottom, 1, 0, 0, -1, 6, 4},
    {&CRect::left, &CRect::top, 0, 1, 0, 0, 5, 7},
};

// The mapping of a device context, put back after the tracker drew in
// device units.
class MappingGuard {
public:
    explicit MappingGuard(CDC* dc)
        : m_dc(dc), m_mode(dc->GetMapMode()), m_winOrg(dc->GetWindowOrg()),
          m_winExt(dc->GetWindowExt()), m_vpOrg(dc->GetViewportOrg()),
          m_vpExt(dc->GetViewportExt()) {
        dc->SetMapMode(MM_TEXT);
        dc->SetViewportOrg(0, 0);
        dc->SetWindowOrg(0, 0);
    }
    ~MappingGuard() {
        m_dc->SetMapMode(m_mode);
        if (m_mode == MM_ISOTROPIC || m_mode == MM_ANISOTROPIC) {
            m_dc->SetWindowExt(m_winExt.cx, m_winExt.cy);
            m_dc->SetViewportExt(m_vpExt.cx, m_vpExt.cy);
        }
        m_dc->SetWindowOrg(m_winOrg.x, m_winOrg.y);
        m_dc->SetViewportOrg(m_vpOrg.x, m_vpOrg.y);
    }
    MappingGuard(const MappingGuard&) = delete;
    MappingGuard& operator=(const MappingGuard&) = delete;

private:
    CDC* m_dc;
    int m_mode;
    CPoint m_winOrg;
    CSize m_winExt;
    CPoint m_vpOrg;
    CSize m_vpExt;
};

void HatchArea(CDC* dc, const CRect& area) {
    if (area.IsRectEmpty())
        return;
    // Diagonal lines x + y = k every four pixels, cut to the area.
    CPen old = dc->SelectObject(CPen(PS_SOLID, 0, RGB(0, 0, 0)));
    for (int k = area.left + area.top; k <= area.right + area.bottom - 2; k += 4) {
        int x0 = std::max(area.left, k - (area.bottom - 1));
        int x1 = std::min(area.right - 1, k - area.top);
        if (x0 > x1)
            continue;
        dc->MoveTo(x0, k - x0);
        dc->LineTo(x1 + 1, k - x1 - 1);
    }
    dc->SelectObject(old);
}

} // namespace

int CRectTracker::GetHandleSize(const CRect* rect) const {
    CRect r = rect ? *rect : m_rect;
    int size = m_nHandleSize;
    if ((m_nStyle & resizeOutside) == 0) {
        // Handles inside the rectangle never take more than half of it.
        int sizeMax = std::min(std::abs(r.right - r.left), std::abs(r.bottom - r.top));
        if (size * 2 > sizeMax)
            size = sizeMax / 2;
    }
    return size;
}

void CRectTracker::GetTrueRect(CRect* rect) const {
    CRect r = m_rect;
    r.NormalizeRect();
    int inflateBy = 0;
    if ((m_nStyle & (resizeOutside | hatchedBorder)) != 0)
        inflateBy += GetHandleSize() - 1;
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
        ++inflateBy;
    r.InflateRect(inflateBy, inflateBy);
    *rect = r;
}

void CRectTracker::GetHandleRect(int handle, CRect* rect) const {
    CRect r = m_rect;
    r.NormalizeRect();
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
        r.InflateRect(1, 1);
    handle = NormalizeHit(handle);
    int size = GetHandleSize();
    if (m_nStyle & resizeOutside)
        r.InflateRect(size - 1, size - 1);
    int width = r.Width();
    int height = r.Height();
    const HandleInfo& info = kHandles[handle];
    CRect h;
    h.left = r.*(info.x) + size * info.handleX + info.centerX * (width - size) / 2;
    h.top = r.*(info.y) + size * info.handleY + info.centerY * (height - size) / 2;
    h.right = h.left + size;
    h.bottom = h.top + size;
    *rect = h;
}

unsigned CRectTracker::GetHandleMask() const {
    unsigned mask = 0x0F; // the four corners always
    int size = m_nHandleSize * 3;
    if (std::abs(m_rect.Width()) - size > 4)
        mask |= 0x50;
    if (std::abs(m_rect.Height()) - size > 4)
        mask |= 0xA0;
    return mask;
}

int CRectTracker::NormalizeHit(int handle) const {
    if (handle < 0 || handle > 7)
        return handle;
    if (m_rect.Width() < 0)
        handle = kHandles[handle].invertX;
    if (m_rect.Height() < 0)
        handle = kHandles[handle].invertY;
    return handle;
}

int CRectTracker::HitTestHandles(CPoint point) const {
    CRect r;
    GetTrueRect(&r);
    if (!r.PtInRect(point))
        return hitNothing;
    unsigned mask = GetHandleMask();
    for (int i = 0; i < 8; ++i) {
        if (mask & (1u << i)) {
            GetHandleRect(i, &r);
            if (r.PtInRect(point))
                return i;
        }
    }
    if ((m_nStyle & hatchedBorder) == 0) {
        CRect inner = m_rect;
        inner.NormalizeRect();
        if ((m_nStyle & (dottedLine | solidLine)) != 0)
            inner.InflateRect(1, 1);
        if (!inner.PtInRect(point))
            return hitNothing; // between the handles, outside the object
    }
    return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const {
    CRect r;
    GetTrueRect(&r);
    if (!r.PtInRect(point))
        return hitNothing;
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0)
        return HitTestHandles(point);
    return hitMiddle;
}

void CRectTracker::Draw(CDC* pDC) const {
    MappingGuard guard(pDC);
    CRect r = m_rect;
    r.NormalizeRect();
    if ((m_nStyle & (dottedLine | solidLine)) != 0) {
        CPen oldPen =
            pDC->SelectObject(CPen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0)));
        CBrush oldBrush = pDC->SelectObject(CBrush::Null());
        int oldRop = pDC->SetROP2(R2_COPYPEN);
        CRect border = r;
        border.InflateRect(1, 1); // the border lies one pixel outside
        pDC->Rectangle(border);
        pDC->SetROP2(oldRop);
        pDC->SelectObject(oldBrush);
        pDC->SelectObject(oldPen);
    }
    if (m_nStyle & hatchInside)
        HatchArea(pDC, r);
    if (m_nStyle & hatchedBorder) {
        CRect outer;
        GetTrueRect(&outer);
        HatchArea(pDC, CRect(outer.left, outer.top, outer.right, r.top));
        HatchArea(pDC, CRect(outer.left, r.bottom, outer.right, outer.bottom));
        HatchArea(pDC, CRect(outer.left, r.top, r.left, r.bottom));
        HatchArea(pDC, CRect(r.right, r.top, outer.right, r.bottom));
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0) {
        unsigned mask = GetHandleMask();
        for (int i = 0; i < 8; ++i) {
            if (mask & (1u << i)) {
                CRect h;
                GetHandleRect(i, &h);
                pDC->FillSolidRect(h, RGB(0, 0, 0));
            }
        }
    }
}

void CRectTracker::AdjustRect(int, CRect*) {}

void CRectTracker::OnChangedRect(const CRect&) {}

} // namespace fw
