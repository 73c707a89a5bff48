#pragma once

#include "framework/Geometry.h"
#include "framework/ScrollView.h"

#include <cstdint>

class CTovarineDoc;
class QComboBox;

// The impedance-map view: the document's impedance map of the diagram at the
// zoom of the frame's zoom box, scrolled over the diagram's used area, and
// printed on one page inside the document's page frame. Zoom and scroll
// position live in the document.
class CTovarineView4 : public fw::CScrollView {
    FW_DECLARE_VIEW(CTovarineView4)
public:
    CTovarineView4();
    ~CTovarineView4() override;

    CTovarineDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) override;
    void OnPrepareDC(fw::CDC* pDC) override;
    void OnDraw(fw::CDC* pDC) override;
    bool OnPreparePrinting(fw::CPrintInfo* pInfo) override;
    void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;

    // Sets the scroll sizes of the used area at the stored zoom and returns
    // the stored scroll position, an axis that fits the window brought back
    // to 0.
    fw::CPoint DoSetScrollSizes();
    void DoSetZoomText(int32_t zoom);
    // The zoom of the box's selected entry; 100 without bar, box or
    // selection.
    int32_t GetZoomOfCombo() const;
    void OnSelchangeZoom();

    // The printable box of the page (device units of the printer): the page
    // less the margins, and less 29 mm of the height for the title block.
    // False, with a message, when the margins leave no box.
    bool GetPrintBox(int dpiX, int dpiY, fw::CSize* box) const;

protected:
    void OnSize(int cx, int cy) override;

private:
    QComboBox* GetZoomBox() const;
    void DoScrollToStored();

    int32_t m_nFlag = 0;
    bool m_bZoomConnected = false;
};
