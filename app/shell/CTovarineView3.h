#pragma once

#include "app/reports/CPrintDataList.h"

#include "framework/Geometry.h"
#include "framework/ScrollView.h"

#include <array>
#include <cstdint>

class CTovarineDoc;
class QComboBox;
class QTabBar;

// The report view: one report at a time as a ruled table, its kind chosen
// with the tab bar of the frame's dialog bar and its zoom with the bar's zoom
// box, scrolled over the report's extent; printed page by page below the
// page frame of the document.
class CTovarineView3 : public fw::CScrollView {
    FW_DECLARE_VIEW(CTovarineView3)
public:
    static constexpr int32_t kReportKinds = 8;

    CTovarineView3();
    ~CTovarineView3() override;

    CTovarineDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) override;
    void OnPrepareDC(fw::CDC* pDC) override;
    void OnDraw(fw::CDC* pDC) override;
    bool OnPreparePrinting(fw::CPrintInfo* pInfo) override;
    void OnBeginPrinting(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;
    void OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) override;

    // Empties the rows of a report kind (0 to 7) and runs its producer on the
    // document; other kinds do nothing.
    void DoMakeReport(int32_t reportKind);
    // The extent of the current report, 0.1 mm.
    fw::CSize DoGetReportExtent() const;
    // The scroll sizes of the current report at a zoom (percent).
    void DoSetScrollSizes(int32_t zoom);
    void DoSetZoomText(int32_t zoom);
    // The zoom of the box's selected entry; 100 without bar, box or
    // selection.
    int32_t GetZoomOfCombo() const;
    void DoInsertReportTabs();
    // The bar's tab and zoom box changed their selection.
    void OnSelchangeReportKind();
    void OnSelchangeZoom();

    const CPrintDataList& GetReport(int32_t reportKind) const {
        return m_listPrintData[reportKind];
    }
    // The point below the page frame's title block, device units.
    fw::CPoint GetFrameOrigin() const { return m_ptFrameOrigin; }

protected:
    void OnSize(int cx, int cy) override;

private:
    QTabBar* GetTabBar() const;
    QComboBox* GetZoomBox() const;
    int32_t CurrentKind() const;
    // The current report rebuilt under the wait cursor.
    void DoRebuildCurrent();

    int32_t m_nFlag = 0;
    int32_t m_nMoreStuff = 1;
    fw::CPoint m_ptFrameOrigin;
    std::array<CPrintDataList, kReportKinds> m_listPrintData;
    bool m_bBarConnected = false;
};
