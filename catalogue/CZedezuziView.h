#pragma once

#include "catalogue/model/CPrintInfo.h"

#include "framework/Geometry.h"
#include "framework/View.h"

class CZedezuziDoc;
class QPrinter;
class QScrollBar;

// The catalogue document's one view: table X (search kinds 0 to 3) or table
// Y (kind 4) at the zoom of the print settings, scrolled, printed page by
// page and previewed.
class CZedezuziView : public fw::CView {
    FW_DECLARE_VIEW(CZedezuziView)
public:
    CZedezuziView();

    CZedezuziDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) override;
    void OnPrepareDC(fw::CDC* pDC) override;
    void OnDraw(fw::CDC* pDC) override;

    // The scroll sizes of the table at a zoom (percent), in device units of
    // the screen: total, page and line.
    void DoSetScrollSizes(int zoom);
    fw::CSize GetTotalSize() const { return m_sizeTotal; }
    fw::CSize GetPageSize() const { return m_sizePage; }
    fw::CSize GetLineSize() const { return m_sizeLine; }
    fw::CPoint GetScrollPosition() const;
    void ScrollToPosition(fw::CPoint position);

    // Prints the table on a printer, page by page, until the table says no
    // more pages follow; a document without a search prints one empty page.
    // Returns the number of pages printed.
    int DoPrintJob(QPrinter* printer);
    // The print set-up of one page, and the page itself (the table's
    // printing); the result of the last page printed.
    void OnPreparePrinting();
    void OnPrepareDCPrinting(fw::CDC* pDC, const CPrintInfo& info);
    void OnPrint(fw::CDC* pDC, const CPrintInfo& info);
    int GetLastPrintResult() const { return m_nLastPrintResult; }

    // The commands: Print (the print dialog), Print Direct (the
    // application's printer as it is set up), Print Preview.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void DoLayoutScrollBars();

    QScrollBar* m_wndHScroll;
    QScrollBar* m_wndVScroll;
    fw::CSize m_sizeTotal;
    fw::CSize m_sizePage;
    fw::CSize m_sizeLine;
    int m_nLastPrintResult = 0;
};
