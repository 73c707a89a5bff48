#include "View.h"

#include "CommandIds.h"
#include "DeviceContext.h"
#include "Document.h"
#include "MdiChildFrame.h"
#include "MessageBox.h"
#include "Region.h"
#include "WinApp.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace fw {

namespace {

CView::DialogHook& PrintDialogHook() {
    static CView::DialogHook hook;
    return hook;
}

bool RunPrintDialog(QDialog& dialog) {
    if (PrintDialogHook())
        return PrintDialogHook()(dialog);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CView::CView() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

CView::~CView() {
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CMDIChildWnd* CView::GetParentFrame() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(w))
            return frame;
    }
    return nullptr;
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, long, CObject*) {
    update();
}

void CView::OnPrepareDC(CDC*) {}

void CView::OnDraw(CDC*) {}

void CView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    CDC dc(&painter);
    // Only what needs painting is drawn: drawings skip what lies outside.
    QRect box = event->rect();
    CRgn clip;
    clip.CreateRectRgn(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    dc.SelectClipRgn(&clip);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

// ---------------------------------------------------------------- printing

CView::DialogHook CView::SetPrintDialogHook(DialogHook hook) {
    DialogHook old = std::move(PrintDialogHook());
    PrintDialogHook() = std::move(hook);
    return old;
}

void CView::EnablePrintCommands() {
    OnCommand(id::FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(id::FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
    OnCommand(id::FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

bool CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

bool CView::DoPreparePrinting(CPrintInfo* pInfo) {
    CWinApp* app = AfxGetApp();
    QPrinter* printer = app ? app->GetPrinter() : nullptr;
    if (!printer)
        return false;
    pInfo->m_pPrinter = printer;
    if (pInfo->m_bDirect || pInfo->m_bPreview)
        return true;
    QPrintDialog dialog(printer, this);
    // An unknown page count lets the user ask for any range.
    dialog.setMinMax(static_cast<int>(pInfo->m_nMinPage), static_cast<int>(pInfo->m_nMaxPage));
    return RunPrintDialog(dialog);
}

int CView::DoPrintPages(QPrinter* printer, CPrintInfo& info) {
    if (!printer)
        return 0;
    QPainter painter;
    if (!painter.begin(printer)) {
        AppMessageBox("The printer could not be started: nothing was printed.",
                      mb::Ok | mb::IconExclamation);
        return 0;
    }
    // The job ends (the painter closes the printer's output) whatever a page
    // does, and the view forgets the job.
    struct JobEnd {
        QPainter& painter;
        CPrintInfo*& current;
        ~JobEnd() {
            current = nullptr;
            if (painter.isActive())
                painter.end();
        }
    } jobEnd{painter, m_pPrintInfo};

    info.m_pPrinter = printer;
    info.m_rectDraw = CRect(0, 0, printer->width(), printer->height());
    // The print dialog's range narrows the pages. With an unknown page count
    // the first page is printed, and later ones while the view's OnPrepareDC
    // lets the job continue; a view may end the job by lowering the maximum
    // page while it prints.
    unsigned first = info.m_nMinPage;
    unsigned last = info.m_nMaxPage;
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = std::max(first, static_cast<unsigned>(printer->fromPage()));
        last = std::min(last, static_cast<unsigned>(printer->toPage()));
    }
    CDC jobDC(&painter, true);
    OnBeginPrinting(&jobDC, &info);
    int pages = 0;
    for (unsigned page = first; page <= last && page <= info.m_nMaxPage; ++page) {
        info.m_nCurPage = page;
        info.m_bContinuePrinting = info.m_nMaxPage != CPrintInfo::kUnknownPages || page == first;
        CDC dc(&painter, true);
        m_pPrintInfo = &info;
        OnPrepareDC(&dc);
        if (!info.m_bContinuePrinting)
            break;
        if (pages > 0 && !printer->newPage())
            break;
        OnPrint(&dc, &info);
        ++pages;
    }
    m_pPrintInfo = nullptr;
    OnEndPrinting(&jobDC, &info);
    painter.end();
    return pages;
}

void CView::RunPrintJob(CPrintInfo& info) {
    if (!OnPreparePrinting(&info) || !info.m_pPrinter)
        return;
    if (!info.m_bPreview) {
        DoPrintPages(info.m_pPrinter, info);
        return;
    }
    QPrintPreviewDialog preview(info.m_pPrinter, this);
    // The preview asks for the pages again whenever it redraws; each time is
    // a job of its own.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                     [this, info](QPrinter* printer) {
                         CPrintInfo job = info;
                         DoPrintPages(printer, job);
                     });
    RunPrintDialog(preview);
}

void CView::OnFilePrint() {
    CPrintInfo info;
    RunPrintJob(info);
}

void CView::OnFilePrintDirect() {
    CPrintInfo info;
    info.m_bDirect = true;
    RunPrintJob(info);
}

void CView::OnFilePrintPreview() {
    CPrintInfo info;
    info.m_bPreview = true;
    RunPrintJob(info);
}

} // namespace fw
