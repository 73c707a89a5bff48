// The interactive part of the rectangle tracker: cursors and the drag of a
// handle, which need the window the tracker is drawn on.
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
