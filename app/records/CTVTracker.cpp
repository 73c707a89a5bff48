#include "CTVTracker.h"

void CTVTracker::SetElementInfo(int32_t kind, int32_t orientation, int32_t handlesEnabled) {
    m_nKind = kind;
    m_nOrientation = orientation;
    m_nHandles = handlesEnabled;
}

unsigned CTVTracker::GetHandleMask() const {
    if (m_nHandles != 1)
        return 0;
    switch (m_nKind) {
    case 2:  // low-voltage circuit breaker
    case 9:  // bus-bar
    case 10: // wire
    case 15: // bus-duct
        return m_nOrientation == 1 ? 160u : 80u;
    case 8: // zero conductor
        return 160u;
    default:
        return 0;
    }
}

int CTVTracker::DoFindHandle(fw::CPoint point) const {
    const fw::CRect& r = m_rect;
    int cx = (r.left + r.right) / 2 - 4;
    int cy = (r.top + r.bottom) / 2 - 4;
    struct Square {
        unsigned bit;
        int hit;
        int x;
        int y;
    };
    // In this order: top-left, top, top-right, bottom-left, bottom,
    // bottom-right, left, right.
    const Square squares[] = {
        {1, hitTopLeft, r.left, r.top},       {16, hitTop, cx, r.top},
        {2, hitTopRight, r.right - 8, r.top}, {8, hitBottomLeft, r.left, r.bottom - 8},
        {64, hitBottom, cx, r.bottom - 8},    {4, hitBottomRight, r.right - 8, r.bottom - 8},
        {128, hitLeft, r.left, cy},           {32, hitRight, r.right - 8, cy},
    };
    unsigned mask = GetHandleMask();
    for (const Square& s : squares) {
        if ((mask & s.bit) && fw::CRect(s.x, s.y, s.x + 8, s.y + 8).PtInRect(point))
            return s.hit;
    }
    return hitNothing;
}
