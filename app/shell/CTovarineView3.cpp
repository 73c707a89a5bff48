#include "CTovarineView3.h"

#include "CChildFrame3.h"
#include "CTovarineApp.h"
#include "CTovarineDoc.h"
#include "ZoomBox.h"

#include "app/records/TovarineIds.h"

#include "framework/DeviceContext.h"
#include "framework/Resources.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>

FW_IMPLEMENT_VIEW(CTovarineView3)

namespace {

// The screen shows 297 mm of the report as 297 mm of the display at zoom
// 100.
constexpr int32_t kReference = 2970;

const char* const kReportTabs[CTovarineView3::kReportKinds] = {"Data of elements",
                                                               "Calculation results",
                                                               "Results of automatic selection",
                                                               "Back-up protection",
                                                               "Discrimination results",
                                                               "Electromagnetic force/Voltage drop",
                                                               "Wire Protection",
                                                               "Protection against electric shock"};

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The mapping of a context, put back after the page frame drew with its own.
struct SavedMapping {
    explicit SavedMapping(fw::CDC* dc)
        : pDC(dc), mode(dc->GetMapMode()), winOrg(dc->GetWindowOrg()), winExt(dc->GetWindowExt()),
          vpOrg(dc->GetViewportOrg()), vpExt(dc->GetViewportExt()) {}
    ~SavedMapping() {
        pDC->SetMapMode(mode);
        pDC->SetWindowExt(winExt.cx, winExt.cy);
        pDC->SetViewportExt(vpExt.cx, vpExt.cy);
        pDC->SetWindowOrg(winOrg.x, winOrg.y);
        pDC->SetViewportOrg(vpOrg.x, vpOrg.y);
    }
    SavedMapping(const SavedMapping&) = delete;
    SavedMapping& operator=(const SavedMapping&) = delete;
    fw::CDC* pDC;
    int mode;
    fw::CPoint winOrg;
    fw::CSize winExt;
    fw::CPoint vpOrg;
    fw::CSize vpExt;
};

} // namespace

CTovarineView3::CTovarineView3() {
    EnablePrintCommands();
}

CTovarineView3::~CTovarineView3() {
    for (CPrintDataList& list : m_listPrintData)
        list.DoDeleteAll();
}

CTovarineDoc* CTovarineView3::GetDocument() const {
    return dynamic_cast<CTovarineDoc*>(fw::CScrollView::GetDocument());
}

int32_t CTovarineView3::CurrentKind() const {
    CTovarineDoc* doc = GetDocument();
    return doc ? doc->m_infoReport.m_nReportKind : 0;
}

// ---------------------------------------------------------------- the bar

QTabBar* CTovarineView3::GetTabBar() const {
    auto* frame = dynamic_cast<CChildFrame3*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QTabBar>(frame->m_wndDlgBar, tvid::IDC_REPORT_TAB)
               : nullptr;
}

QComboBox* CTovarineView3::GetZoomBox() const {
    auto* frame = dynamic_cast<CChildFrame3*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_REPORT_ZOOM)
               : nullptr;
}

void CTovarineView3::DoInsertReportTabs() {
    QTabBar* tabs = GetTabBar();
    if (!tabs)
        return;
    const QSignalBlocker quiet(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (const char* text : kReportTabs)
        tabs->addTab(QString::fromUtf8(text));
}

int32_t CTovarineView3::GetZoomOfCombo() const {
    return ZoomOfBox(GetZoomBox());
}

void CTovarineView3::DoSetZoomText(int32_t zoom) {
    SelectZoomText(GetZoomBox(), zoom);
}

// ---------------------------------------------------------------- updates

void CTovarineView3::OnInitialUpdate() {
    fw::CScrollView::OnInitialUpdate();
    m_nFlag = 0;
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    DoInsertReportTabs();
    if (QTabBar* tabs = GetTabBar()) {
        const QSignalBlocker quiet(tabs);
        tabs->setCurrentIndex(CurrentKind());
    }
    DoSetZoomText(doc->m_infoReport.m_nZoom);
    if (!m_bBarConnected) {
        // Only the user's choices count, not the view showing its own.
        if (QTabBar* tabs = GetTabBar())
            connect(tabs, &QTabBar::currentChanged, this, [this] { OnSelchangeReportKind(); });
        if (QComboBox* box = GetZoomBox())
            connect(box, &QComboBox::activated, this, [this] { OnSelchangeZoom(); });
        m_bBarConnected = true;
    }
    DoRebuildCurrent();
    DoSetScrollSizes(doc->m_infoReport.m_nZoom);
}

void CTovarineView3::DoRebuildCurrent() {
    WaitCursor wait;
    DoMakeReport(CurrentKind());
}

void CTovarineView3::OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) {
    CTovarineDoc* doc = GetDocument();
    if ((hint >= 3 && hint <= 8) || (hint >= 14 && hint <= 18)) {
        if (!doc)
            return;
        // The rows first: the scroll sizes are those of the rebuilt report.
        DoRebuildCurrent();
        DoSetScrollSizes(doc->m_infoReport.m_nZoom);
        update();
        fw::CScrollView::OnUpdate(sender, hint, hintObject);
    } else if (hint == 0 || hint == 1) {
        fw::CScrollView::OnUpdate(sender, hint, hintObject);
    }
}

void CTovarineView3::OnSize(int, int) {
    if (CTovarineDoc* doc = GetDocument())
        DoSetScrollSizes(doc->m_infoReport.m_nZoom);
}

void CTovarineView3::OnSelchangeReportKind() {
    CTovarineDoc* doc = GetDocument();
    QTabBar* tabs = GetTabBar();
    if (!doc || !tabs)
        return;
    const int index = tabs->currentIndex();
    if (index < 0 || index >= kReportKinds || index == doc->m_infoReport.m_nReportKind)
        return;
    doc->m_infoReport.m_nReportKind = index;
    DoRebuildCurrent();
    DoSetScrollSizes(doc->m_infoReport.m_nZoom);
    update();
}

void CTovarineView3::OnSelchangeZoom() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    const int32_t zoom = GetZoomOfCombo();
    if (zoom == doc->m_infoReport.m_nZoom || zoom <= 0)
        return;
    doc->SaveUndo();
    doc->m_infoReport.m_nZoom = zoom;
    DoSetScrollSizes(zoom);
    update();
    doc->SetModifiedFlag();
}

// ---------------------------------------------------------------- reports

void CTovarineView3::DoMakeReport(int32_t reportKind) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || reportKind < 0 || reportKind >= kReportKinds)
        return;
    CPrintDataList& list = m_listPrintData[static_cast<size_t>(reportKind)];
    list.DoDeleteAll();
    list.DoMakeRows(reportKind, *doc);
}

fw::CSize CTovarineView3::DoGetReportExtent() const {
    const int32_t kind = CurrentKind();
    if (kind < 0 || kind >= kReportKinds)
        return fw::CSize();
    return m_listPrintData[static_cast<size_t>(kind)].DoGetExtent(kind);
}

void CTovarineView3::DoSetScrollSizes(int32_t zoom) {
    if (zoom <= 0)
        zoom = 100;
    const fw::CSize extent = DoGetReportExtent();
    const long long h = static_cast<long long>(extent.cy) + 20;
    fw::CDC client(nullptr);
    client.SetMapMode(fw::MM_LOMETRIC);
    fw::CSize reference(kReference, kReference);
    client.LPtoDP(&reference);
    const double ratio = static_cast<double>(reference.cx) / std::max(1, reference.cy);
    const long long heightLm = static_cast<long long>(ratio * static_cast<double>(h)) * zoom / 100;
    const long long widthLm = (static_cast<long long>(extent.cx) + 52) * zoom / 100;
    // The totals are 0.1 mm: the bars count the window's pixels.
    auto toDevice = [](long long tenths, int dpi) {
        return static_cast<int32_t>(std::min<long long>(tenths * dpi / 254, 1LL << 30));
    };
    const fw::CSize total(toDevice(widthLm, client.GetDeviceCaps(fw::LOGPIXELSX)),
                          toDevice(heightLm, client.GetDeviceCaps(fw::LOGPIXELSY)));
    SetScrollSizes(fw::MM_LOMETRIC, total, fw::CSize(total.cx / 10, total.cy / 10),
                   fw::CSize(total.cx / 100, total.cy / 100));
}

// ---------------------------------------------------------------- drawing

void CTovarineView3::OnPrepareDC(fw::CDC* pDC) {
    CTovarineDoc* doc = GetDocument();
    if (!pDC->IsPrinting()) {
        fw::CScrollView::OnPrepareDC(pDC);
        const int32_t zoom = doc && doc->m_infoReport.m_nZoom > 0 ? doc->m_infoReport.m_nZoom : 100;
        const int mode = pDC->SetMapMode(fw::MM_LOMETRIC);
        fw::CSize device(kReference, kReference);
        pDC->LPtoDP(&device);
        pDC->SetMapMode(mode);
        // 297 mm of the report on 297 mm of the device at zoom 100: the
        // window is in 0.1 mm, as the rows and the scroll sizes are.
        pDC->SetMapMode(fw::MM_ISOTROPIC);
        pDC->SetWindowExt(kReference * 100 / zoom, kReference * 100 / zoom);
        pDC->SetWindowOrg(0, 0);
        pDC->SetViewportExt(device.cx, -device.cy);
        return;
    }

    fw::CPrintInfo* info = GetPrintInfo();
    if (info)
        info->m_bContinuePrinting = info->m_bPreview || m_nMoreStuff == 1;
    if (!doc)
        return;
    fw::CSize page;
    fw::CPoint offsets;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, &offsets);
    const fw::CRect& margins = doc->m_infoReport.m_rectMargins;
    pDC->SetMapMode(fw::MM_LOMETRIC);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);
    fw::CSize pageLm = page;
    pDC->DPtoLP(&pageLm);
    fw::CSize printable(pageLm.cx - (margins.left + margins.right) * 10,
                        pageLm.cy - (margins.top + margins.bottom) * 10);
    pDC->LPtoDP(&printable);
    // The report's widest table across the printable width less 15 device
    // units. The window is the table's width in its own units (a window of
    // its width in device units would print it at 254 / dpi of the width);
    // an empty report keeps 0.1 mm.
    int32_t width = DoGetReportExtent().cx;
    if (width <= 0)
        width = std::max(1, pageLm.cx - (margins.left + margins.right) * 10);
    const int32_t across = std::max(1, printable.cx - 15);
    pDC->SetMapMode(fw::MM_ISOTROPIC);
    pDC->SetWindowExt(width, width);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportExt(across, -across);
    pDC->SetViewportOrg(-offsets.x, -offsets.y);
}

void CTovarineView3::OnDraw(fw::CDC* pDC) {
    const int32_t kind = CurrentKind();
    if (kind >= 0 && kind < kReportKinds)
        m_listPrintData[static_cast<size_t>(kind)].DoDrawAll(pDC);
}

// ---------------------------------------------------------------- printing

bool CTovarineView3::OnPreparePrinting(fw::CPrintInfo* pInfo) {
    CTovarineDoc* doc = GetDocument();
    if (CTovarineApp* app = TovarineApp(); app && doc)
        app->SetPrinterOrientation(static_cast<int16_t>(doc->m_infoReport.m_nOrientation),
                                   static_cast<int16_t>(doc->m_infoReport.m_nPaperSize));
    m_nMoreStuff = 1;
    return DoPreparePrinting(pInfo);
}

void CTovarineView3::OnBeginPrinting(fw::CDC* pDC, fw::CPrintInfo* pInfo) {
    fw::CScrollView::OnBeginPrinting(pDC, pInfo);
    m_nMoreStuff = 1;
    // Every page lays the report out below the first page's frame: a job
    // that starts at a later page needs the frame's depth as well.
    m_ptFrameOrigin = fw::CPoint();
    if (CTovarineDoc* doc = GetDocument()) {
        const fw::CSize block = doc->GetPageFrameSize(pDC, 3, nullptr);
        m_ptFrameOrigin = fw::CPoint(block.cx, block.cy);
    }
}

void CTovarineView3::OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !pInfo)
        return;
    const int32_t kind = CurrentKind();
    if (pInfo->m_nCurPage == 1) {
        SavedMapping saved(pDC);
        fw::CSize block;
        doc->DoDrawPageFrame(&block, pDC, 3, kind, nullptr);
        m_ptFrameOrigin = fw::CPoint(block.cx, block.cy);
    }
    if (kind >= 0 && kind < kReportKinds) {
        CPrintPage page;
        if (CTovarineApp* app = TovarineApp())
            app->GetPrinterPageSize(page.size, &page.offset);
        m_nMoreStuff = m_listPrintData[static_cast<size_t>(kind)].DoPrintPage(
            pDC, pInfo, doc->m_infoReport, m_ptFrameOrigin.x, m_ptFrameOrigin.y, page);
    } else {
        m_nMoreStuff = 0; // nothing to print: the frame's page ends the job
    }
    if (m_nMoreStuff != 1)
        pInfo->SetMaxPage(pInfo->m_nCurPage);
}
