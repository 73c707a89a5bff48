#include "catalogue/CZedezuziView.h"

#include "catalogue/CZedezuziApp.h"
#include "catalogue/CZedezuziDoc.h"
#include "catalogue/model/PrintMapping.h"

#include "shellcommon/PrinterServices.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>

FW_IMPLEMENT_VIEW(CZedezuziView)

namespace {

// 297 mm, the reference length of the screen mapping.
constexpr int kReference = 2970;
// Pages of one job at most: a table never has this many, so a job that
// would not end is ended here.
constexpr int kMaxPages = 10000;

} // namespace

CZedezuziView::CZedezuziView() {
    m_wndHScroll = new QScrollBar(Qt::Horizontal, this);
    m_wndVScroll = new QScrollBar(Qt::Vertical, this);
    connect(m_wndHScroll, &QScrollBar::valueChanged, this, [this] { update(); });
    connect(m_wndVScroll, &QScrollBar::valueChanged, this, [this] { update(); });

    OnCommand(fw::id::FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(fw::id::FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
    OnCommand(fw::id::FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CZedezuziDoc* CZedezuziView::GetDocument() const {
    return dynamic_cast<CZedezuziDoc*>(fw::CView::GetDocument());
}

void CZedezuziView::OnInitialUpdate() {
    CZedezuziDoc* doc = GetDocument();
    if (doc)
        doc->DoRebuildTables();
    DoSetScrollSizes(doc ? doc->m_infoPrint.m_nZoom : 100);
    update();
}

void CZedezuziView::OnUpdate(fw::CView*, long, fw::CObject*) {
    CZedezuziDoc* doc = GetDocument();
    DoSetScrollSizes(doc ? doc->m_infoPrint.m_nZoom : 100);
    update();
}

void CZedezuziView::DoSetScrollSizes(int zoom) {
    CZedezuziDoc* doc = GetDocument();
    fw::CSize extent;
    if (doc && doc->m_nSearchKind == kSearchCoordination)
        extent = doc->m_listDrawDataY.GetExtent();
    else if (doc)
        extent = doc->m_listDrawDataX.GetExtent(doc->m_listCandidate.GetCount());
    // In 0.1 mm; square pixels make the ratio of the device's horizontal to
    // vertical size of 297 mm exactly 1, as the screen's two resolutions
    // tell it.
    double ratio = static_cast<double>(logicalDpiX()) / std::max(logicalDpiY(), 1);
    int64_t totalX = (int64_t{extent.cx} + 52) * zoom / 100;
    int64_t totalY = static_cast<int64_t>((extent.cy + 20) * ratio) * zoom / 100;
    // Scroll bars count in int: a table too large for them scrolls to its
    // first 2^30 pixels.
    auto toDevice = [](int64_t lometric, int dpi) {
        return static_cast<int32_t>(std::min<int64_t>(lometric * dpi / 254, int64_t{1} << 30));
    };
    m_sizeTotal = fw::CSize(toDevice(totalX, logicalDpiX()), toDevice(totalY, logicalDpiY()));
    m_sizePage = fw::CSize(m_sizeTotal.cx / 10, m_sizeTotal.cy / 10);
    m_sizeLine = fw::CSize(m_sizeTotal.cx / 100, m_sizeTotal.cy / 100);
    DoLayoutScrollBars();
}

void CZedezuziView::DoLayoutScrollBars() {
    int bar = m_wndVScroll->sizeHint().width();
    int barH = m_wndHScroll->sizeHint().height();
    int clientW = width();
    int clientH = height();
    bool needH = m_sizeTotal.cx > clientW;
    bool needV = m_sizeTotal.cy > clientH;
    if (needH)
        clientH -= barH;
    if (needV)
        clientW -= bar;
    needH = m_sizeTotal.cx > clientW;
    m_wndHScroll->setVisible(needH);
    m_wndVScroll->setVisible(needV);
    m_wndHScroll->setGeometry(0, height() - barH, clientW, barH);
    m_wndVScroll->setGeometry(width() - bar, 0, bar, clientH);
    m_wndHScroll->setRange(0, std::max(0, m_sizeTotal.cx - clientW));
    m_wndVScroll->setRange(0, std::max(0, m_sizeTotal.cy - clientH));
    m_wndHScroll->setPageStep(std::max(1, m_sizePage.cx));
    m_wndVScroll->setPageStep(std::max(1, m_sizePage.cy));
    m_wndHScroll->setSingleStep(std::max(1, m_sizeLine.cx));
    m_wndVScroll->setSingleStep(std::max(1, m_sizeLine.cy));
}

fw::CPoint CZedezuziView::GetScrollPosition() const {
    return fw::CPoint(m_wndHScroll->value(), m_wndVScroll->value());
}

void CZedezuziView::ScrollToPosition(fw::CPoint position) {
    m_wndHScroll->setValue(position.x);
    m_wndVScroll->setValue(position.y);
}

void CZedezuziView::resizeEvent(QResizeEvent* event) {
    fw::CView::resizeEvent(event);
    DoLayoutScrollBars();
}

void CZedezuziView::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = event->modifiers() & Qt::ShiftModifier ? m_wndHScroll : m_wndVScroll;
    int steps = event->angleDelta().y() / 120;
    bar->setValue(bar->value() - steps * 3 * bar->singleStep());
    event->accept();
}

void CZedezuziView::OnPrepareDC(fw::CDC* pDC) {
    if (pDC->IsPrinting())
        return; // the print job sets its page's mapping
    CZedezuziDoc* doc = GetDocument();
    int zoom = doc ? doc->m_infoPrint.m_nZoom : 100;
    if (zoom <= 0)
        zoom = 100;
    // 297 mm on the device, and the window over it shrunk by the zoom.
    pDC->SetMapMode(fw::MM_LOMETRIC);
    fw::CPoint device(kReference, kReference);
    pDC->LPtoDP(&device, 1);
    int deviceX = std::abs(device.x - pDC->GetViewportOrg().x);
    int deviceY = std::abs(device.y - pDC->GetViewportOrg().y);
    pDC->SetMapMode(fw::MM_ANISOTROPIC);
    pDC->SetWindowExt(kReference * 100 / zoom, kReference * 100 / zoom);
    pDC->SetViewportExt(deviceX, -deviceY);
    fw::CPoint scroll = GetScrollPosition();
    pDC->SetViewportOrg(-scroll.x, -scroll.y);
}

void CZedezuziView::OnDraw(fw::CDC* pDC) {
    CZedezuziDoc* doc = GetDocument();
    if (!doc)
        return;
    if (doc->m_nSearchKind == kSearchCoordination)
        doc->m_listDrawDataY.DoDraw(pDC);
    else
        doc->m_listDrawDataX.DoDraw(pDC);
}

void CZedezuziView::OnPreparePrinting() {
    CZedezuziDoc* doc = GetDocument();
    if (CZedezuziApp* app = ZedezuziApp(); app && doc)
        app->SetPrinterOrientation(static_cast<int16_t>(doc->m_infoPrint.m_nOrientation),
                                   static_cast<int16_t>(doc->m_infoPrint.m_nPaperSize));
    m_nLastPrintResult = 1;
}

void CZedezuziView::OnPrepareDCPrinting(fw::CDC* pDC, const CPrintInfo& info) {
    CZedezuziDoc* doc = GetDocument();
    if (!doc)
        return;
    DoSetPrintMapping(pDC, doc->m_nSearchKind, info, doc->m_infoPrint,
                      doc->m_listDrawDataX.GetExtent(doc->m_listCandidate.GetCount()).cy,
                      doc->m_listDrawDataY.GetExtent().cx);
}

void CZedezuziView::OnPrint(fw::CDC* pDC, const CPrintInfo& info) {
    CZedezuziDoc* doc = GetDocument();
    if (!doc)
        return;
    int kind = doc->m_nSearchKind;
    if (kind >= kSearchOptional && kind <= kSearchSelective)
        m_nLastPrintResult = doc->m_listDrawDataX.DoPrint(pDC, info, doc->m_infoPrint);
    else if (kind == kSearchCoordination)
        m_nLastPrintResult = doc->m_listDrawDataY.DoPrint(pDC, info, doc->m_infoPrint);
    else
        m_nLastPrintResult = 0; // nothing to print: the job ends with its one empty page
}

int CZedezuziView::DoPrintJob(QPrinter* printer) {
    if (!printer)
        return 0;
    OnPreparePrinting();
    QPainter painter;
    if (!painter.begin(printer))
        return 0;
    CPrintInfo info;
    ::GetPrinterPageSize(printer, info.m_sizePage, &info.m_ptOffset);
    int pages = 0;
    for (int page = 1; page <= kMaxPages; ++page) {
        if (page > 1 && !printer->newPage())
            break;
        info.m_nCurPage = static_cast<unsigned>(page);
        fw::CDC dc(&painter, true);
        OnPrepareDCPrinting(&dc, info);
        OnPrint(&dc, info);
        ++pages;
        if (m_nLastPrintResult != 1)
            break;
    }
    painter.end();
    return pages;
}

void CZedezuziView::OnFilePrint() {
    CZedezuziApp* app = ZedezuziApp();
    if (!app)
        return;
    OnPreparePrinting();
    QPrinter* printer = app->GetPrinter();
    QPrintDialog dialog(printer, this);
    if (CZedezuziDoc::RunDialog(dialog) != QDialog::Accepted)
        return;
    DoPrintJob(printer);
}

void CZedezuziView::OnFilePrintDirect() {
    if (CZedezuziApp* app = ZedezuziApp())
        DoPrintJob(app->GetPrinter());
}

void CZedezuziView::OnFilePrintPreview() {
    CZedezuziApp* app = ZedezuziApp();
    if (!app)
        return;
    OnPreparePrinting();
    QPrintPreviewDialog dialog(app->GetPrinter(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { DoPrintJob(printer); });
    CZedezuziDoc::RunDialog(dialog);
}
