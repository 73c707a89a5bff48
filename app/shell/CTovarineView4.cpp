#include "CTovarineView4.h"

#include "CChildFrame4.h"
#include "CTovarineApp.h"
#include "CTovarineDoc.h"
#include "ZoomBox.h"

#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjGroup.h"

#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"

#include <QComboBox>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>

FW_IMPLEMENT_VIEW(CTovarineView4)

namespace {

constexpr int32_t kCell = kGridUnit; // 40 logical units
// The title block's room above the map on the printed page, 0.1 mm: the map
// starts under the whole block, so the box is the height the block leaves
// (29 mm given up with a 32 mm drop put the map's foot 3 mm into the bottom
// margin).
constexpr int32_t kBlockRoom = 320;
constexpr int32_t kBlockDrop = 320;

} // namespace

CTovarineView4::CTovarineView4() {
    EnablePrintCommands();
}

CTovarineView4::~CTovarineView4() = default;

CTovarineDoc* CTovarineView4::GetDocument() const {
    return dynamic_cast<CTovarineDoc*>(fw::CScrollView::GetDocument());
}

QComboBox* CTovarineView4::GetZoomBox() const {
    auto* frame = dynamic_cast<CChildFrame4*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_IMPEMAP_ZOOM)
               : nullptr;
}

int32_t CTovarineView4::GetZoomOfCombo() const {
    return ZoomOfBox(GetZoomBox());
}

void CTovarineView4::DoSetZoomText(int32_t zoom) {
    SelectZoomText(GetZoomBox(), zoom);
}

// ---------------------------------------------------------------- updates

void CTovarineView4::OnInitialUpdate() {
    fw::CScrollView::OnInitialUpdate();
    m_nFlag = 0;
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    if (QComboBox* box = GetZoomBox(); box && !m_bZoomConnected) {
        // Only the user's choice counts as a change of the zoom.
        connect(box, &QComboBox::activated, this, [this] { OnSelchangeZoom(); });
        m_bZoomConnected = true;
    }
    DoScrollToStored();
    DoSetZoomText(doc->m_infoImpeMap.m_nZoom);
}

void CTovarineView4::OnUpdate(fw::CView* sender, long hint, fw::CObject* hintObject) {
    CTovarineDoc* doc = GetDocument();
    switch (hint) {
    case 0:
        fw::CScrollView::OnUpdate(sender, hint, hintObject);
        break;
    case 1:
    case 4:
    case 5:
        if (!doc)
            break;
        DoScrollToStored();
        DoSetZoomText(doc->m_infoImpeMap.m_nZoom);
        update();
        break;
    case 2:
    case 3:
    case 6:
    case 7:
        update();
        break;
    default:
        break;
    }
}

void CTovarineView4::DoScrollToStored() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->m_infoImpeMap.m_ptScroll = DoSetScrollSizes();
    ScrollToPosition(doc->m_infoImpeMap.m_ptScroll);
}

void CTovarineView4::OnSize(int cx, int cy) {
    if (cx != 0 && cy != 0)
        DoSetScrollSizes();
}

void CTovarineView4::OnSelchangeZoom() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    const int32_t zoom = GetZoomOfCombo();
    if (zoom == doc->m_infoImpeMap.m_nZoom || zoom <= 0)
        return;
    doc->SaveUndo();
    doc->m_infoImpeMap.m_nZoom = zoom;
    update();
    doc->m_infoImpeMap.m_ptScroll = fw::CPoint(0, 0);
    DoScrollToStored();
    doc->SetModifiedFlag();
}

fw::CPoint CTovarineView4::DoSetScrollSizes() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return fw::CPoint();
    const CInfoImpeMap& info = doc->m_infoImpeMap;
    const int32_t zoom = info.m_nZoom > 0 ? info.m_nZoom : 100;
    int32_t cellsX = 0;
    int32_t cellsY = 0;
    doc->m_listGroups.GetUnionRect(&cellsX, &cellsY);
    auto scaled = [zoom](long long v, long long by) {
        return static_cast<int32_t>(std::clamp<long long>(v * zoom / by, 0, 1LL << 30));
    };
    const fw::CSize total(scaled(static_cast<long long>(cellsX) * kCell, 200),
                          scaled(static_cast<long long>(cellsY) * kCell, 200));
    const fw::CRect client = GetClientRect();
    const fw::CSize page(scaled(client.Width(), 400), scaled(client.Height(), 200));
    const fw::CSize line(scaled(kCell, 200), scaled(kCell, 200));
    SetScrollSizes(fw::MM_TEXT, total, page, line);
    const fw::CRect after = GetClientRect();
    fw::CPoint position = info.m_ptScroll;
    if (after.Width() >= total.cx)
        position.x = 0;
    if (after.Height() >= total.cy)
        position.y = 0;
    return position;
}

// ---------------------------------------------------------------- drawing

void CTovarineView4::OnPrepareDC(fw::CDC* pDC) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    const CInfoSkeleton& sheet = doc->m_infoSkeleton;
    const int32_t width = sheet.m_nFrameCountX * kCell;
    const int32_t height = sheet.m_nFrameCountY * kCell;
    if (!pDC->IsPrinting()) {
        fw::CScrollView::OnPrepareDC(pDC);
        const int32_t zoom = doc->m_infoImpeMap.m_nZoom > 0 ? doc->m_infoImpeMap.m_nZoom : 100;
        pDC->SetMapMode(fw::MM_ISOTROPIC);
        pDC->SetWindowExt(width, height);
        pDC->SetWindowOrg(0, 0);
        pDC->SetViewportExt(static_cast<int>(static_cast<long long>(zoom) * width / 200),
                            static_cast<int>(static_cast<long long>(zoom) * height / 200));
        return;
    }

    fw::CSize box;
    if (!GetPrintBox(pDC->GetDeviceCaps(fw::LOGPIXELSX), pDC->GetDeviceCaps(fw::LOGPIXELSY),
                     &box)) {
        if (fw::CPrintInfo* info = GetPrintInfo())
            info->m_bContinuePrinting = false;
        return;
    }
    fw::CSize page;
    fw::CPoint offsets;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, &offsets);
    const fw::CRect& margins = doc->m_infoImpeMap.m_rectMargins;
    pDC->SetMapMode(fw::MM_LOMETRIC);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);
    fw::CSize left(margins.left * 10, margins.top * 10);
    pDC->LPtoDP(&left);
    fw::CSize drop(0, kBlockDrop);
    pDC->LPtoDP(&drop);

    pDC->SetMapMode(fw::MM_ISOTROPIC);
    pDC->SetWindowExt(width, height);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportExt(box.cx, box.cy);
    // The sheet as the isotropic mapping fitted it, centred across the box.
    const int32_t fitted = std::abs(pDC->GetViewportExt().cx);
    pDC->SetViewportOrg((box.cx - fitted) / 2 - offsets.x + left.cx, left.cy - offsets.y + drop.cy);
}

bool CTovarineView4::GetPrintBox(int dpiX, int dpiY, fw::CSize* box) const {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return false;
    fw::CSize page;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, nullptr);
    const double scaleX = std::max(1, dpiX) / 254.0;
    const double scaleY = std::max(1, dpiY) / 254.0;
    const fw::CRect& margins = doc->m_infoImpeMap.m_rectMargins;
    const long widthLm = std::lround(page.cx / scaleX) - (margins.left + margins.right) * 10;
    const long heightLm =
        std::lround(page.cy / scaleY) - (margins.top + margins.bottom) * 10 - kBlockRoom;
    const fw::CSize result(static_cast<int32_t>(std::lround(widthLm * scaleX)),
                           static_cast<int32_t>(std::lround(heightLm * scaleY)));
    if (result.cx <= 0 || result.cy <= 0) {
        // A box of no size would map the whole sheet onto nothing (or
        // mirror it): the job is refused.
        fw::AppMessageBox("The page margins leave no room for the impedance map on the paper. "
                          "Please make the margins smaller in the page setup.",
                          fw::mb::IconExclamation);
        return false;
    }
    if (box)
        *box = result;
    return true;
}

void CTovarineView4::OnDraw(fw::CDC* pDC) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    int32_t cellsX = 0;
    int32_t cellsY = 0;
    const fw::CRect used = doc->m_listGroups.GetUnionRect(&cellsX, &cellsY);
    if (used.Width() != 0 && used.Height() != 0)
        doc->DoDrawImpeMap(pDC);
}

// ---------------------------------------------------------------- printing

bool CTovarineView4::OnPreparePrinting(fw::CPrintInfo* pInfo) {
    CTovarineDoc* doc = GetDocument();
    if (CTovarineApp* app = TovarineApp(); app && doc)
        app->SetPrinterOrientation(static_cast<int16_t>(doc->m_infoImpeMap.m_nOrientation),
                                   static_cast<int16_t>(doc->m_infoImpeMap.m_nPaperSize));
    pInfo->SetMaxPage(1);
    if (!DoPreparePrinting(pInfo))
        return false;
    // The paper chosen in the dialog must leave the map a box.
    QPrinter* printer = pInfo->m_pPrinter;
    return !printer || GetPrintBox(printer->logicalDpiX(), printer->logicalDpiY(), nullptr);
}

void CTovarineView4::OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) {
    fw::CScrollView::OnPrint(pDC, pInfo);
    // The map was clipped to its sheet; the frame lies above it.
    pDC->SelectClipRgn(nullptr);
    if (CTovarineDoc* doc = GetDocument()) {
        fw::CSize block;
        doc->DoDrawPageFrame(&block, pDC, 4, 0, nullptr);
    }
}
