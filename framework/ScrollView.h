#pragma once

#include "Geometry.h"
#include "View.h"

class QScrollBar;

namespace fw {

// A view larger than its window: it keeps a total size, a page step and a
// line step in device units, shows scroll bars where the total does not fit
// (and scrolls back to 0 on an axis that fits), and moves the viewport origin
// of every context it prepares by the scroll position.
class CScrollView : public CView {
public:
    CScrollView();
    ~CScrollView() override;

    // Sizes in device units of the mapping mode (MM_TEXT: pixels). A page or
    // line of zero takes a tenth of the total, or a tenth of the page.
    void SetScrollSizes(int mapMode, const CSize& sizeTotal, const CSize& sizePage = CSize(),
                        const CSize& sizeLine = CSize());
    int GetMapMode() const { return m_nMapMode; }
    CSize GetTotalSize() const { return m_sizeTotal; }
    CSize GetPageSize() const { return m_sizePage; }
    CSize GetLineSize() const { return m_sizeLine; }

    // The device point of the total area at the client's top-left.
    CPoint GetScrollPosition() const;
    // Scrolls there, kept inside the scroll range.
    void ScrollToPosition(CPoint position);
    // The client area: the window less the scroll bars it shows.
    CRect GetClientRect() const;
    QScrollBar* GetScrollBarCtrl(bool vertical) const;

    // Moves the viewport origin by the scroll position (not when printing).
    void OnPrepareDC(CDC* pDC) override;

protected:
    // Called after the user scrolled (bar, wheel): the view has already
    // moved.
    virtual void OnHScroll();
    virtual void OnVScroll();
    // The wheel scrolls three lines a notch (at most a page), vertically
    // when there is a vertical range, else horizontally. True when handled.
    virtual bool OnMouseWheel(Qt::KeyboardModifiers modifiers, int delta, CPoint point);
    // The window's size changed; the scroll bars are laid out already.
    virtual void OnSize(int cx, int cy);

    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateBars();

    int m_nMapMode = 0;
    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    QScrollBar* m_pHBar;
    QScrollBar* m_pVBar;
    // Set while the framework itself moves a bar: no user notification.
    bool m_bInternal = false;
};

} // namespace fw
