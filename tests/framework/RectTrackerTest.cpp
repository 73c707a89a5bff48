// The rectangle tracker: handles, hit tests, drawing and the drag.

#include "framework/RectTracker.h"
#include "framework/DeviceContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using fw::CPoint;
using fw::CRect;
using fw::CRectTracker;

TEST(RectTracker, HandleMaskGrowsWithTheRectangle) {
    CRectTracker t(CRect(0, 0, 10, 10), CRectTracker::resizeInside);
    EXPECT_EQ(t.GetHandleMask(), 0x0Fu); // only the corners fit
    t.m_rect = CRect(0, 0, 100, 10);
    EXPECT_EQ(t.GetHandleMask(), 0x0Fu | 0x50u);
    t.m_rect = CRect(0, 0, 100, 100);
    EXPECT_EQ(t.GetHandleMask(), 0xFFu);
}

TEST(RectTracker, HitTestFindsHandlesInsideTheRectangle) {
    CRectTracker t(CRect(100, 100, 200, 180), CRectTracker::resizeInside);
    t.m_nHandleSize = 8;
    struct Case {
        CPoint p;
        int hit;
    } cases[] = {
        {{100, 100}, CRectTracker::hitTopLeft},     {{107, 107}, CRectTracker::hitTopLeft},
        {{108, 108}, CRectTracker::hitMiddle},      {{199, 100}, CRectTracker::hitTopRight},
        {{199, 179}, CRectTracker::hitBottomRight}, {{100, 179}, CRectTracker::hitBottomLeft},
        {{150, 100}, CRectTracker::hitTop},         {{150, 179}, CRectTracker::hitBottom},
        {{100, 140}, CRectTracker::hitLeft},        {{199, 140}, CRectTracker::hitRight},
        {{200, 140}, CRectTracker::hitNothing},     {{99, 99}, CRectTracker::hitNothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(t.HitTest(c.p), c.hit) << c.p.x << "," << c.p.y;
    // A turned-over rectangle names its handles as they look.
    CRectTracker turned(CRect(200, 100, 100, 180), CRectTracker::resizeInside);
    EXPECT_EQ(turned.NormalizeHit(CRectTracker::hitTopLeft), CRectTracker::hitTopRight);
}

TEST(RectTracker, DrawsDottedFrameOutsideAndHandles) {
    fw::CRecordingDC dc;
    dc.SetMapMode(fw::MM_LOMETRIC); // the tracker draws in device units all the same
    CRectTracker t(CRect(10, 10, 60, 40), CRectTracker::dottedLine | CRectTracker::resizeInside);
    t.Draw(&dc);
    EXPECT_EQ(dc.GetMapMode(), fw::MM_LOMETRIC);
    ASSERT_FALSE(dc.Records().empty());
    const fw::CDrawRecord& frame = dc.Records().front();
    EXPECT_EQ(frame.kind, fw::CDrawRecord::Rectangle);
    EXPECT_EQ(frame.pen.BaseStyle(), fw::PS_DOT);
    EXPECT_EQ(frame.points.at(0), CPoint(9, 9));
    EXPECT_EQ(frame.points.at(1), CPoint(61, 41));
    int handles = 0;
    for (const fw::CDrawRecord& r : dc.Records())
        handles += r.kind == fw::CDrawRecord::FillRect;
    EXPECT_EQ(handles, 8);
}

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button) {
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(RectTracker, DragOfACornerResizesAndEscapePutsItBack) {
    QWidget window;
    window.resize(400, 300);
    CRectTracker t(CRect(100, 100, 200, 180), CRectTracker::resizeInside);
    t.m_nHandleSize = 8;
    QTimer::singleShot(0, [&] {
        Mouse(&window, QEvent::MouseMove, QPoint(230, 200), Qt::NoButton);
        Mouse(&window, QEvent::MouseButtonRelease, QPoint(230, 200), Qt::LeftButton);
    });
    EXPECT_TRUE(t.Track(&window, CPoint(198, 178)));
    EXPECT_EQ(t.m_rect, CRect(100, 100, 232, 202));

    CRect before = t.m_rect;
    QTimer::singleShot(0, [&] {
        Mouse(&window, QEvent::MouseMove, QPoint(300, 250), Qt::NoButton);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &esc);
    });
    EXPECT_FALSE(t.Track(&window, CPoint(150, 140)));
    EXPECT_EQ(t.m_rect, before);
    // A point off the tracker starts nothing.
    EXPECT_FALSE(t.Track(&window, CPoint(5, 5)));
}
