#include "RectTracker.h"

#include "DeviceContext.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRubberBand>
#include <QWidget>

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

// Which edges a drag of each handle moves with the x and y of the mouse.
struct HandleEdges {
    int32_t CRect::*x; // null: x does not move an edge
    int32_t CRect::*y;
};

const HandleEdges kEdges[9] = {
    {&CRect::left, &CRect::top},
    {&CRect::right, &CRect::top},
    {&CRect::right, &CRect::bottom},
    {&CRect::left, &CRect::bottom},
    {nullptr, &CRect::top},
    {&CRect::right, nullptr},
    {nullptr, &CRect::bottom},
    {&CRect::left, nullptr},
    {nullptr, nullptr}, // the middle moves the whole rectangle
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

bool CRectTracker::SetCursor(QWidget* window, CPoint point) const {
    int hit = HitTest(point);
    if (hit < 0 || !window)
        return false;
    hit = NormalizeHit(hit);
    Qt::CursorShape shape = Qt::SizeAllCursor;
    switch (hit) {
    case hitTopLeft:
    case hitBottomRight:
        shape = Qt::SizeFDiagCursor;
        break;
    case hitTopRight:
    case hitBottomLeft:
        shape = Qt::SizeBDiagCursor;
        break;
    case hitTop:
    case hitBottom:
        shape = Qt::SizeVerCursor;
        break;
    case hitLeft:
    case hitRight:
        shape = Qt::SizeHorCursor;
        break;
    default:
        break;
    }
    window->setCursor(shape);
    return true;
}

void CRectTracker::AdjustRect(int, CRect*) {}

void CRectTracker::OnChangedRect(const CRect&) {}

bool CRectTracker::Track(QWidget* window, CPoint point, bool allowInvert, QWidget* clipTo) {
    int handle = HitTestHandles(point);
    if (handle < 0)
        return false;
    m_bAllowInvert = allowInvert;
    return TrackHandle(handle, window, point, clipTo);
}

bool CRectTracker::TrackRubberBand(QWidget* window, CPoint point, bool allowInvert) {
    m_bAllowInvert = allowInvert;
    m_rect = CRect(point.x, point.y, point.x, point.y);
    bool changed = TrackHandle(hitBottomRight, window, point, nullptr);
    CRect r = m_rect;
    r.NormalizeRect();
    return changed && !r.IsRectEmpty();
}

namespace {

// The modal part of a drag: follows the mouse over the window until the
// left button is released (done) or Escape or the right button cancels.
class TrackLoop : public QObject {
public:
    enum Result { running, done, cancelled };

    TrackLoop(QWidget* window, std::function<void(CPoint)> onMove)
        : m_window(window), m_onMove(std::move(onMove)) {}

    Result Run() {
        QApplication::instance()->installEventFilter(this);
        if (m_window)
            m_window->grabMouse();
        m_loop.exec();
        if (m_window)
            m_window->releaseMouse();
        QApplication::instance()->removeEventFilter(this);
        return m_result;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (!m_window)
                return true;
            QPoint p = m_window->mapFromGlobal(me->globalPosition().toPoint());
            if (event->type() == QEvent::MouseButtonPress && me->button() == Qt::RightButton) {
                Finish(cancelled);
            } else if (event->type() == QEvent::MouseButtonRelease &&
                       me->button() == Qt::LeftButton) {
                m_onMove(CPoint(p.x(), p.y()));
                Finish(done);
            } else if (event->type() == QEvent::MouseMove) {
                m_onMove(CPoint(p.x(), p.y()));
            }
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                Finish(cancelled);
            return true;
        default:
            return false;
        }
    }

private:
    void Finish(Result result) {
        if (m_result != running)
            return;
        m_result = result;
        m_loop.quit();
    }

    QPointer<QWidget> m_window;
    std::function<void(CPoint)> m_onMove;
    QEventLoop m_loop;
    Result m_result = running;
};

} // namespace

bool CRectTracker::TrackHandle(int handle, QWidget* window, CPoint point, QWidget* clipTo) {
    if (!window || handle < 0 || handle > hitMiddle)
        return false;
    CRect start = m_rect;
    const HandleEdges& edges = kEdges[handle];
    // The grab point's distance from the edges it moves, kept while dragging.
    int offsetX = edges.x ? start.*(edges.x) - point.x : start.left - point.x;
    int offsetY = edges.y ? start.*(edges.y) - point.y : start.top - point.y;
    QWidget* clip = clipTo ? clipTo : window;
    QRect clipArea = clip->rect();
    if (clip != window)
        clipArea.translate(clip->mapTo(window, QPoint(0, 0)));

    auto band = std::make_unique<QRubberBand>(QRubberBand::Rectangle, window);
    auto show = [&](const CRect& r) {
        CRect n = r;
        n.NormalizeRect();
        band->setGeometry(QRect(n.left, n.top, n.Width(), n.Height()).intersected(clipArea));
        band->show();
    };
    show(m_rect);

    auto onMove = [&](CPoint p) {
        CRect old = m_rect;
        CRect r = m_rect;
        if (handle == hitMiddle) {
            int w = r.Width();
            int h = r.Height();
            r.left = p.x + offsetX;
            r.top = p.y + offsetY;
            r.right = r.left + w;
            r.bottom = r.top + h;
        } else {
            if (edges.x)
                r.*(edges.x) = p.x + offsetX;
            if (edges.y)
                r.*(edges.y) = p.y + offsetY;
            if (!m_bAllowInvert) {
                // The moved edge stops at the opposite one (less the minimum).
                if (r.right - r.left < m_sizeMin.cx) {
                    if (edges.x == &CRect::left)
                        r.left = r.right - m_sizeMin.cx;
                    else if (edges.x == &CRect::right)
                        r.right = r.left + m_sizeMin.cx;
                }
                if (r.bottom - r.top < m_sizeMin.cy) {
                    if (edges.y == &CRect::top)
                        r.top = r.bottom - m_sizeMin.cy;
                    else if (edges.y == &CRect::bottom)
                        r.bottom = r.top + m_sizeMin.cy;
                }
            }
        }
        AdjustRect(handle, &r);
        m_rect = r;
        if (!(old == m_rect))
            OnChangedRect(old);
        show(m_rect);
    };

    TrackLoop loop(window, onMove);
    TrackLoop::Result result = loop.Run();
    band.reset();
    if (result != TrackLoop::done) {
        m_rect = start;
        return false;
    }
    return !(m_rect == start);
}

} // namespace fw
