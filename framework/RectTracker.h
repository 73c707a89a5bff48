#pragma once

#include "Geometry.h"

class QWidget;

namespace fw {

class CDC;

// The rectangle tracker: a frame around a selected object with optional
// resize handles, its hit tests and cursor, and the interactive drag that
// moves or resizes the rectangle. The rectangle is in device units of the
// window it is drawn on.
class CRectTracker {
public:
    enum StyleFlags : unsigned {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Handle numbers; a handle's bit in the handle mask is 1 << number.
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(const CRect& rect, unsigned style) : m_rect(rect), m_nStyle(style) {}
    virtual ~CRectTracker() = default;
    CRectTracker(const CRectTracker&) = default;
    CRectTracker& operator=(const CRectTracker&) = default;

    // Draws the frame, hatching and handles of the style on the device
    // context (in its device units, whatever its mapping).
    void Draw(CDC* pDC) const;
    // The rectangle with everything the style draws around it.
    void GetTrueRect(CRect* rect) const;
    // The handle at point, hitMiddle inside the rectangle, else hitNothing.
    int HitTest(CPoint point) const;
    // A handle number as it reads on the rectangle turned the right way.
    int NormalizeHit(int handle) const;
    // Gives the window the resize or move cursor of the handle under point;
    // false (cursor untouched) when the point is not on the tracker.
    bool SetCursor(QWidget* window, CPoint point) const;
    // Runs the drag of the handle (or the middle) under point until the
    // button is released: true when the rectangle changed; Escape or the
    // right button put it back and give false.
    bool Track(QWidget* window, CPoint point, bool allowInvert = false, QWidget* clipTo = nullptr);
    // Drags a new rectangle from point; true when it is not empty.
    bool TrackRubberBand(QWidget* window, CPoint point, bool allowInvert = true);

    // The handles offered, one bit each (bit 1 << handle number).
    virtual unsigned GetHandleMask() const;
    // Lets a subclass correct the rectangle while a handle is dragged.
    virtual void AdjustRect(int handle, CRect* rect);
    // Called after every change of the rectangle during a drag.
    virtual void OnChangedRect(const CRect& oldRect);

    CRect m_rect;
    unsigned m_nStyle = 0;
    int m_nHandleSize = 4;
    CSize m_sizeMin;

protected:
    int GetHandleSize(const CRect* rect = nullptr) const;
    void GetHandleRect(int handle, CRect* rect) const;
    int HitTestHandles(CPoint point) const;
    bool TrackHandle(int handle, QWidget* window, CPoint point, QWidget* clipTo);

private:
    bool m_bAllowInvert = false;
};

} // namespace fw
