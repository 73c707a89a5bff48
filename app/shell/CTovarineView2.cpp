#include "CTovarineView2.h"

#include "CChildFrame2.h"
#include "CTovarineApp.h"
#include "CTovarineDoc.h"
#include "CTovarineSrvrItem.h"

#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/protection/dialogs/CAdjustSheet.h"
#include "app/records/CTVUpdate.h"
#include "app/records/TovarineIds.h"
#include "app/shell/ContextMenu.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/GapReference.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"
#include "framework/MessageBox.h"
#include "framework/PrintInfo.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolBar>
#include <QWidget>

#include <algorithm>
#include <limits>

FW_IMPLEMENT_VIEW(CTovarineView2)

CTovarineView2::SheetFactory CTovarineView2::s_gapSheetFactory;

namespace {

constexpr uint32_t kShift = 4;
constexpr unsigned IDS_DELETE_CURVE_ASK = 25353;
// Hints of this view's table.
constexpr long kHintSettingFirst = 14;
constexpr long kHintSettingLast = 18;
constexpr long kHintCurve = 21;
constexpr long kHintLabel = 22;
constexpr long kHintLast = 25;

uint32_t KeysOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier) ? kShift : 0u;
}

std::vector<uint8_t> BytesOf(const QByteArray& data) {
    return std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(data.constData()),
                                reinterpret_cast<const uint8_t*>(data.constData()) + data.size());
}

bool IsPrintMode12(const CObjGraph* graph) {
    return graph && (graph->m_nPrintMode == 1 || graph->m_nPrintMode == 2);
}

} // namespace

CTovarineView2::CTovarineView2() {
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    EnablePrintCommands();
    RegisterCommands();
}

CTovarineView2::~CTovarineView2() {
    DoCloseGapLineSheet(0);
    DoCloseAdjustSheet(0);
}

CTovarineDoc* CTovarineView2::GetDocument() const {
    return dynamic_cast<CTovarineDoc*>(fw::CScrollView::GetDocument());
}

CObjGraph* CTovarineView2::GetCurrentGraph() const {
    CTovarineDoc* doc = GetDocument();
    return doc ? doc->m_listGraphs.GetCurrentGraph() : nullptr;
}

std::vector<CObjElement*> CTovarineView2::GetElementsOnGraph(const CObjGraph* graph) const {
    CTovarineDoc* doc = GetDocument();
    return doc ? doc->GetElementsOnGraph(graph) : std::vector<CObjElement*>();
}

std::vector<CCurveOwner*> CTovarineView2::AsOwners(const std::vector<CObjElement*>& elements) {
    return std::vector<CCurveOwner*>(elements.begin(), elements.end());
}

int32_t CTovarineView2::GetSafeZoom(const CObjGraph* graph) {
    return graph && graph->m_nZoom > 0 ? graph->m_nZoom : 100;
}

void CTovarineView2::RegisterCommands() {
    auto hasGraph = [this] { return GetCurrentGraph() != nullptr; };
    auto selectedCount = [this] {
        CObjGraph* graph = GetCurrentGraph();
        CTovarineDoc* doc = GetDocument();
        return graph && doc ? doc->GetElementsOnGraph(graph, 1).size() : size_t{0};
    };
    OnCommand(tvid::ID_COORD_ADJUSTMENT, [this] { OnAdjustment(); });
    OnUpdateCommandUI(tvid::ID_COORD_ADJUSTMENT,
                      [selectedCount](fw::CCmdUI& ui) { ui.Enable(selectedCount() > 0); });
    OnCommand(tvid::ID_COORD_BAND, [this] { OnBandTypical(); });
    OnUpdateCommandUI(tvid::ID_COORD_BAND, [this](fw::CCmdUI& ui) {
        ui.Enable(!GetElementsOnGraph(GetCurrentGraph()).empty());
    });
    OnCommand(tvid::ID_COORD_MEASURE, [this] { OnMeasure(); });
    OnUpdateCommandUI(tvid::ID_COORD_MEASURE, [this, hasGraph](fw::CCmdUI& ui) {
        ui.Enable(hasGraph());
        ui.SetCheck(IsGapSheetOpen() ? 1 : 0);
    });
    OnCommand(fw::id::EDIT_CLEAR, [this] { OnDeleteCurves(); });
    OnUpdateCommandUI(fw::id::EDIT_CLEAR,
                      [selectedCount](fw::CCmdUI& ui) { ui.Enable(selectedCount() > 0); });
    OnUpdateCommandUI(fw::id::FILE_PRINT_SETUP,
                      [hasGraph](fw::CCmdUI& ui) { ui.Enable(hasGraph()); });
}

// ---------------------------------------------------------------- the dialog bar

QComboBox* CTovarineView2::GetZoomBox() const {
    auto* frame = dynamic_cast<CChildFrame2*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_COORD_ZOOM)
               : nullptr;
}

QComboBox* CTovarineView2::GetGraphBox() const {
    auto* frame = dynamic_cast<CChildFrame2*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_COORD_GRAPH)
               : nullptr;
}

QComboBox* CTovarineView2::GetVoltageBox() const {
    auto* frame = dynamic_cast<CChildFrame2*>(GetParentFrame());
    return frame && frame->m_wndDlgBar
               ? fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_COORD_VOLTAGE)
               : nullptr;
}

void CTovarineView2::ConnectCombos() {
    if (m_bCombosConnected)
        return;
    QComboBox* zoom = GetZoomBox();
    QComboBox* graph = GetGraphBox();
    QComboBox* voltage = GetVoltageBox();
    if (!zoom || !graph || !voltage)
        return;
    if (zoom->count() == 0)
        for (const char* text : {"200%", "150%", "100%", "75%", "50%"})
            zoom->addItem(QString::fromLatin1(text));
    connect(zoom, QOverload<int>::of(&QComboBox::activated), this, [this](int) { OnZoom(); });
    connect(graph, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { OnChangeGraph(); });
    connect(voltage, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { OnChangeVoltage(); });
    m_bCombosConnected = true;
}

void CTovarineView2::DoFillGraphCombo() {
    QComboBox* box = GetGraphBox();
    CTovarineDoc* doc = GetDocument();
    if (!box || !doc)
        return;
    QSignalBlocker block(box);
    box->clear();
    for (const auto& graph : doc->m_listGraphs) {
        box->addItem(QString::fromStdString(graph->m_strName), graph->m_nGraphNo);
        if (graph->m_nCurrent == 1)
            box->setCurrentIndex(box->count() - 1);
    }
}

int32_t CTovarineView2::DoFillVoltageCombo(CObjGraph* graph, int32_t voltage, int32_t oldVoltage) {
    QComboBox* box = GetVoltageBox();
    if (!box || !graph)
        return 0;
    QSignalBlocker block(box);
    if (graph->m_nKind == CObjGraph::kCurrentLimiting || graph->m_nKind == CObjGraph::kLetThrough) {
        box->clear();
        box->setEnabled(false);
        return 0;
    }
    box->setEnabled(true);
    auto textOf = [](int32_t v) { return QString::fromStdString(fw::Format("%d", v) + "V"); };
    // Inserted so that the list stays in ascending order of voltage.
    auto insert = [box, &textOf](int32_t v) {
        if (box->findText(textOf(v), Qt::MatchExactly) >= 0)
            return;
        int at = box->count();
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemData(i).toInt() > v) {
                at = i;
                break;
            }
        }
        box->insertItem(at, textOf(v), v);
    };
    if (oldVoltage == 0) {
        box->clear();
        int32_t lowest = 0;
        bool any = false;
        for (CObjElement* e : GetElementsOnGraph(graph)) {
            const int32_t v = e->GetVoltage();
            insert(v);
            if (!any || v < lowest)
                lowest = v;
            any = true;
        }
        const int32_t wanted = voltage != 0 ? voltage : lowest;
        int index = box->findText(textOf(wanted), Qt::MatchExactly);
        if (index < 0) {
            if (box->count() == 0)
                return wanted;
            index = 0;
        }
        box->setCurrentIndex(index);
        return box->itemData(index).toInt();
    }
    const int selected = box->currentIndex();
    const int32_t selectedVoltage = selected >= 0 ? box->itemData(selected).toInt() : 0;
    if (selected >= 0 && selectedVoltage != oldVoltage) {
        const int old = box->findText(textOf(oldVoltage), Qt::MatchExactly);
        if (old >= 0)
            box->removeItem(old);
        insert(voltage);
        return box->itemData(box->currentIndex()).toInt();
    }
    const int existing = box->findText(textOf(voltage), Qt::MatchExactly);
    if (existing >= 0) {
        if (selected >= 0 && existing != selected)
            box->removeItem(selected);
        box->setCurrentIndex(box->findText(textOf(voltage), Qt::MatchExactly));
    } else if (selected >= 0) {
        box->removeItem(selected);
        insert(voltage);
        box->setCurrentIndex(box->findText(textOf(voltage), Qt::MatchExactly));
    } else {
        insert(voltage);
        box->setCurrentIndex(box->findText(textOf(voltage), Qt::MatchExactly));
    }
    return voltage;
}

void CTovarineView2::DoSetZoomText(int32_t zoom) {
    QComboBox* box = GetZoomBox();
    if (!box)
        return;
    QSignalBlocker block(box);
    const std::string number = fw::Format("%d", zoom);
    for (int i = 0; i < box->count(); ++i) {
        const std::string text = box->itemText(i).toStdString();
        if (text.compare(0, number.size(), number) != 0)
            continue;
        if (text.size() > number.size() && text[number.size()] >= '0' && text[number.size()] <= '9')
            continue;
        box->setCurrentIndex(i);
        return;
    }
}

int32_t CTovarineView2::GetZoomOfCombo() const {
    QComboBox* box = GetZoomBox();
    if (!box || box->currentIndex() < 0)
        return 100;
    int32_t zoom = 0;
    for (char c : box->currentText().toStdString()) {
        if (c < '0' || c > '9')
            break;
        zoom = zoom * 10 + (c - '0');
        if (zoom > 100000)
            break;
    }
    return zoom > 0 ? zoom : 100;
}

fw::CPoint CTovarineView2::DoSetScrollSizes(const fw::CRect& plot, int32_t zoom, int32_t keepX,
                                            int32_t keepY) {
    const fw::CRect client = GetClientRect();
    const int64_t w = client.Width();
    const int64_t h = client.Height();
    if ((plot.left == 0 && plot.top == 0 && plot.right == 0) || zoom <= 0) {
        SetScrollSizes(fw::MM_TEXT, fw::CSize(static_cast<int>(w), static_cast<int>(h)));
        return fw::CPoint();
    }
    const int64_t width = (int64_t{plot.right} - plot.left) * h * zoom / 1000000 * 125 / 100;
    const int64_t height = h * zoom / 100;
    auto clamp = [](int64_t v) {
        return static_cast<int>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
    };
    const fw::CSize total(clamp(width), clamp(height));
    SetScrollSizes(fw::MM_TEXT, total, fw::CSize(clamp(w * zoom / 400), clamp(h * zoom / 200)),
                   fw::CSize(clamp(w * zoom / 2000), clamp(h * zoom / 1000)));
    fw::CPoint position(keepX, keepY);
    if (w >= total.cx)
        position.x = 0;
    if (h >= total.cy)
        position.y = 0;
    return position;
}

void CTovarineView2::OnZoom() {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph)
        return;
    // Only the way the graph is shown changes: no undo snapshot, which would
    // throw away the one of the last real edit.
    const int32_t zoom = GetZoomOfCombo();
    graph->m_nZoom = zoom;
    fw::CPoint position =
        DoSetScrollSizes(graph->m_rectGraph, zoom, graph->m_ptScroll.x, graph->m_ptScroll.y);
    graph->m_ptScroll.x = position.x;
    graph->m_ptScroll.y = zoom > 100 ? GetClientRect().Height() * zoom / 100 : 0;
    ScrollToPosition(graph->m_ptScroll);
    update();
    doc->SetModifiedFlag();
}

void CTovarineView2::OnChangeGraph() {
    CTovarineDoc* doc = GetDocument();
    QComboBox* box = GetGraphBox();
    CObjGraph* current = GetCurrentGraph();
    if (!doc || !box || box->currentIndex() < 0)
        return;
    const uint32_t number = box->currentData().toUInt();
    if (current && current->m_nGraphNo == number)
        return;
    CObjGraph* chosen = nullptr;
    for (const auto& graph : doc->m_listGraphs)
        if (graph->m_nGraphNo == number)
            chosen = graph.get();
    if (!chosen)
        return;
    doc->SaveUndo();
    if (current)
        current->m_nCurrent = 0;
    chosen->m_nCurrent = 1;
    DoCloseAdjustSheet(0);
    doc->DoSelectByCurves(doc->m_listGroups, chosen);
    doc->SetModifiedFlag();
    doc->UpdateAllViews(10, nullptr);
}

void CTovarineView2::OnChangeVoltage() {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    QComboBox* box = GetVoltageBox();
    if (!doc || !graph || !box || box->currentIndex() < 0)
        return;
    const int32_t voltage = std::atoi(box->currentText().toStdString().c_str());
    if (voltage == graph->m_nStdVoltage)
        return;
    doc->SaveUndo();
    graph->m_nStdVoltage = voltage;
    update();
    doc->SetModifiedFlag();
    doc->UpdateAllItems();
}

// ---------------------------------------------------------------- mapping

void CTovarineView2::OnPrepareDC(fw::CDC* pDC) {
    fw::CScrollView::OnPrepareDC(pDC);
    CObjGraph* graph = GetCurrentGraph();
    if (!graph)
        return;
    if (!pDC->IsPrinting()) {
        // A print of this graph to a scale lays it out for the paper while
        // it runs; the screen waits.
        if (graph->m_nPrint == 1 && IsPrintMode12(graph))
            return;
        const int32_t zoom = GetSafeZoom(graph);
        pDC->SetMapMode(fw::MM_ISOTROPIC);
        pDC->SetWindowExt(10000, 10000);
        if (zoom <= 100)
            pDC->SetWindowOrg(0, 1000000 / zoom);
        else
            pDC->SetWindowOrg(100 - 3 * zoom, 10000);
        const fw::CRect plot = graph->DoCalcGraphRect(100000 / zoom, 60000 / zoom, 9500, 9800);
        const int64_t width = std::max<int64_t>(1, int64_t{plot.Width()} * zoom / 100);
        const int64_t height = std::max<int64_t>(1, int64_t{GetClientRect().Height()} * zoom / 100);
        pDC->SetViewportExt(static_cast<int>(std::min<int64_t>(width, 1 << 30)),
                            -static_cast<int>(std::min<int64_t>(height, 1 << 30)));
        return;
    }

    fw::CSize page;
    fw::CPoint offsets;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, &offsets);
    pDC->SetMapMode(fw::MM_LOMETRIC);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    fw::CSize pageLm = page;
    pDC->DPtoLP(&pageLm);
    pageLm.cx = std::abs(pageLm.cx);
    pageLm.cy = std::abs(pageLm.cy);
    const fw::CRect& m = graph->m_rectMargins;
    fw::CSize leftTop(m.left * 10, m.top * 10);
    pDC->LPtoDP(&leftTop);
    leftTop.cx = std::abs(leftTop.cx);
    leftTop.cy = std::abs(leftTop.cy);
    const int32_t boxW = std::max(1, pageLm.cx - 10 * (m.left + m.right));
    const int32_t boxH = std::max(1, pageLm.cy - 10 * (m.top + m.bottom));
    if (graph->m_nPrintMode == 1 || graph->m_nPrintMode == 2) {
        const fw::CRect plot = graph->DoCalcGraphRect(50, 60, 950, 1000);
        if (graph->m_nPrintMode == 1) {
            pDC->SetWindowOrg(0, boxH - 40);
        } else {
            // The laid-out graph with its scales (390 wide and 420 high more)
            // in the middle of the area inside the margins.
            const int32_t spareX = (boxW - plot.Width() - 390) / 2;
            const int32_t spareY = (boxH - plot.Height() - 420) / 2;
            pDC->SetWindowOrg(-spareX - 250, plot.bottom + 60 + spareY + 200);
        }
        pDC->SetViewportOrg(leftTop.cx - offsets.x, leftTop.cy - offsets.y);
        return;
    }
    // Print mode 0: the graph with its scales and titles fitted, centred,
    // into the page below the title block.
    const fw::CRect plot = graph->DoCalcGraphRect(1000, 600, 9500, 10000);
    const int32_t lw = plot.Width();
    const int32_t lh = plot.Height();
    fw::CSize boxDev(boxW * 11 / 10, std::max(1, boxH - 290 - CTovarineDoc::kTitleBlockHeight));
    pDC->LPtoDP(&boxDev);
    boxDev.cx = std::max(1, std::abs(boxDev.cx));
    boxDev.cy = std::max(1, std::abs(boxDev.cy));
    fw::CSize title(0, CTovarineDoc::kTitleBlockHeight + 370);
    pDC->LPtoDP(&title);
    pDC->SetMapMode(fw::MM_ISOTROPIC);
    pDC->SetWindowExt(lw + 1500, lh + 600);
    // The window runs from y = 0, below the plot's lower edge at 600, so that
    // the current axis's numbers and title under the plot are on the page.
    pDC->SetWindowOrg(0, lh + 600);
    pDC->SetViewportExt(boxDev.cx, -boxDev.cy);
    const int32_t fittedW = std::abs(pDC->GetViewportExt().cx);
    pDC->SetViewportOrg(leftTop.cx + (boxDev.cx - fittedW) / 2 - offsets.x,
                        leftTop.cy + std::abs(title.cy) - offsets.y);
}

std::unique_ptr<fw::CDC> CTovarineView2::GetClientDC() {
    auto dc = std::make_unique<fw::CDC>(nullptr);
    OnPrepareDC(dc.get());
    return dc;
}

// ---------------------------------------------------------------- drawing

void CTovarineView2::OnDraw(fw::CDC* pDC) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph)
        return;
    const bool printing = pDC->IsPrinting();
    if (!printing && graph->m_nPrint == 1 && IsPrintMode12(graph))
        return;
    if (!printing) {
        fw::CRect client = GetClientRect();
        pDC->DPtoLP(&client);
        client.NormalizeRect();
        client.InflateRect(1, 1);
        pDC->FillSolidRect(client, graph->m_crBack);
    }
    fw::CSize page;
    if (printing) {
        if (CTovarineApp* app = TovarineApp())
            app->GetPrinterPageSize(page);
        pDC->DPtoLP(&page);
        page.cx = std::abs(page.cx);
        page.cy = std::abs(page.cy);
    }
    const fw::CRect& plot = graph->m_rectGraph;
    const fw::CRect frame =
        graph->DrawGraph(pDC, plot.left, plot.top, plot.right, plot.bottom, page);
    const std::vector<CObjElement*> elements = GetElementsOnGraph(graph);
    graph->DoDrawAllCurves(pDC, doc->GetEleSettings(), AsOwners(elements), frame);
    if (printing && IsPrintMode12(graph))
        return;
    if (IsGapSheetOpen())
        DoDrawGapReference(pDC, elements);
}

void CTovarineView2::DoDrawGapReference(fw::CDC* pDC, const std::vector<CObjElement*>& elements) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph)
        return;
    CObjElementList list;
    for (CObjElement* element : elements)
        list.AddTail(element);
    gapref::DoDrawReference(pDC, *graph, doc->m_gapLine, list);
}

void CTovarineView2::DoInvalidateLogical(const fw::CRect& rect) {
    auto dc = GetClientDC();
    fw::CRect r = rect;
    dc->LPtoDP(&r);
    r.NormalizeRect();
    r.InflateRect(2, 2);
    update(QRect(r.left, r.top, r.Width(), r.Height()));
}

void CTovarineView2::DoInvalidateParts(CObjElement* element, std::initializer_list<int32_t> codes) {
    CObjGraph* graph = GetCurrentGraph();
    if (!element || !graph)
        return;
    auto dc = GetClientDC();
    const CEleInvalidate invalidate = [this](const fw::CRect& r) { DoInvalidateLogical(r); };
    for (int32_t code : codes)
        element->DoInvalidateCurve(dc.get(), graph, code, invalidate);
    // Labels are laid out when drawn: their old place may lie elsewhere.
    update();
}

// ---------------------------------------------------------------- updates

void CTovarineView2::OnInitialUpdate() {
    fw::CScrollView::OnInitialUpdate();
    ConnectCombos();
    DoFillGraphCombo();
    CObjGraph* graph = GetCurrentGraph();
    if (graph) {
        DoSetZoomText(GetSafeZoom(graph));
        graph->m_nStdVoltage = DoFillVoltageCombo(graph, graph->m_nStdVoltage, 0);
        ScrollToPosition(DoSetScrollSizes(graph->m_rectGraph, GetSafeZoom(graph),
                                          graph->m_ptScroll.x, graph->m_ptScroll.y));
    } else {
        if (QComboBox* box = GetVoltageBox())
            box->clear();
        DoSetZoomText(100);
        DoSetScrollSizes(fw::CRect(), 0, 0, 0);
    }
}

void CTovarineView2::DoRefreshGraph(bool closeSheet) {
    if (closeSheet)
        DoCloseAdjustSheet(0);
    ConnectCombos();
    DoFillGraphCombo();
    CObjGraph* graph = GetCurrentGraph();
    if (graph) {
        DoSetZoomText(GetSafeZoom(graph));
        graph->m_nStdVoltage = DoFillVoltageCombo(graph, graph->m_nStdVoltage, 0);
        // The layout the scroll sizes are taken from.
        GetClientDC();
        graph->m_ptScroll = DoSetScrollSizes(graph->m_rectGraph, GetSafeZoom(graph),
                                             graph->m_ptScroll.x, graph->m_ptScroll.y);
        ScrollToPosition(graph->m_ptScroll);
    } else {
        if (QComboBox* box = GetVoltageBox())
            box->clear();
        DoSetScrollSizes(fw::CRect(), 0, 0, 0);
    }
    update();
}

void CTovarineView2::OnUpdate(fw::CView*, long hint, fw::CObject* hintObject) {
    if (hint < 0 || hint > kHintLast)
        return;
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    auto* element = dynamic_cast<CObjElement*>(hintObject);
    // The sheet closes on the hints that delete or replace its element.
    if (m_pAdjustSheet)
        m_pAdjustSheet->OnUpdate(static_cast<int32_t>(hint));
    switch (hint) {
    case 0:
        update();
        break;
    case 1:
        DoRefreshGraph(true);
        break;
    case 3:
        if (auto* upd = dynamic_cast<CTVUpdate*>(hintObject); upd && graph)
            graph->m_nStdVoltage = DoFillVoltageCombo(graph, static_cast<int32_t>(upd->m_dwSecond),
                                                      static_cast<int32_t>(upd->m_dwFirst));
        update();
        break;
    case 5:
    case 13:
        if (graph)
            graph->m_nStdVoltage = DoFillVoltageCombo(graph, 0, 0);
        update();
        break;
    case 6:
    case 7:
        if (doc) {
            CObjElementList all;
            doc->CollectElements(all);
            for (CObjElement* e : all)
                if (e->GetKind() == 1)
                    e->DoCalcCurve(doc->m_infoSkeleton.m_nFrequency);
        }
        update();
        break;
    case 8:
        if (doc && doc->m_nMode != 2)
            update();
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        DoRefreshGraph(false);
        break;
    case kHintLabel:
        DoInvalidateParts(element, {100, 101});
        break;
    case 23:
    case 24:
    case 25:
        DoInvalidateParts(element, {static_cast<int32_t>((hint - 21) * 100)});
        break;
    default:
        if ((hint >= kHintSettingFirst && hint <= kHintSettingLast) || hint == kHintCurve)
            DoInvalidateParts(element, {0, 1, 100, 101, 200, 300, 400});
        break;
    }
}

// ---------------------------------------------------------------- scrolling

void CTovarineView2::StoreScrollPosition() {
    if (CObjGraph* graph = GetCurrentGraph())
        graph->m_ptScroll = GetScrollPosition();
}

void CTovarineView2::OnHScroll() {
    StoreScrollPosition();
}

void CTovarineView2::OnVScroll() {
    StoreScrollPosition();
}

bool CTovarineView2::OnMouseWheel(Qt::KeyboardModifiers modifiers, int delta, fw::CPoint point) {
    fw::CScrollView::OnMouseWheel(modifiers, delta, point);
    StoreScrollPosition();
    return true;
}

void CTovarineView2::OnSize(int cx, int cy) {
    CObjGraph* graph = GetCurrentGraph();
    if (cx == 0 || cy == 0 || !graph)
        return;
    DoSetScrollSizes(graph->m_rectGraph, GetSafeZoom(graph), graph->m_ptScroll.x,
                     graph->m_ptScroll.y);
}

// ---------------------------------------------------------------- commands

void CTovarineView2::OnAdjustment() {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph)
        return;
    const std::vector<CObjElement*> selected = doc->GetElementsOnGraph(graph, 1);
    if (selected.empty())
        return;
    DoOpenAdjustSheet(selected.front());
}

void CTovarineView2::OnBandTypical() {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph || GetElementsOnGraph(graph).empty())
        return;
    doc->SaveUndo();
    for (CObjElement* e : GetElementsOnGraph(graph))
        doc->UpdateAllViews(14, e);
    doc->DoToggleBand(*graph);
    doc->SetModifiedFlag();
    for (CObjElement* e : GetElementsOnGraph(graph))
        doc->UpdateAllViews(14, e);
    doc->UpdateAllItems();
}

void CTovarineView2::OnMeasure() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !GetCurrentGraph())
        return;
    doc->SaveUndo();
    if (IsGapSheetOpen())
        DoCloseGapLineSheet(0);
    else
        DoOpenGapLineSheet();
    update();
}

void CTovarineView2::OnDeleteCurves() {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph || doc->GetElementsOnGraph(graph, 1).empty())
        return;
    if (fw::AppMessageBox(fw::LoadString(IDS_DELETE_CURVE_ASK),
                          fw::mb::YesNo | fw::mb::IconQuestion) != fw::mb::IdYes)
        return;
    DoCloseAdjustSheet(0);
    doc->SaveUndo();
    doc->DoRemoveSelectedCurves(*graph);
    doc->SetModifiedFlag();
    doc->UpdateAllViews(13, nullptr);
    doc->UpdateAllItems();
    doc->DoSelectByCurves(doc->m_listGroups, graph);
    const int32_t voltage = DoFillVoltageCombo(graph, graph->m_nStdVoltage, 0);
    if (voltage != graph->m_nStdVoltage) {
        graph->m_nStdVoltage = voltage;
        update();
        doc->SetModifiedFlag();
    }
}

// ---------------------------------------------------------------- mouse

void CTovarineView2::DoNotifySelection(long hint, CCurveOwner* owner) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->SetModifiedFlag();
    doc->UpdateAllViews(hint, dynamic_cast<CObjElement*>(owner));
}

CObjElement* CTovarineView2::FindSelectedLabelOwner(CObjGraph* graph) const {
    for (CObjElement* e : GetElementsOnGraph(graph))
        if (e->GetCurveRefV2(graph))
            return e;
    return nullptr;
}

void CTovarineView2::OnLButtonDown(uint32_t keys, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    DoCloseAdjustSheet(0);
    if (!doc || !graph)
        return;
    // A click chooses curves; it edits nothing, so it keeps the undo
    // snapshot of the last edit.
    CCurveOwner* single = nullptr;
    {
        auto dc = GetClientDC();
        fw::CPoint logical = point;
        dc->DPtoLP(&logical);
        single = graph->DoSelectSingleAt(
            dc.get(), AsOwners(GetElementsOnGraph(graph)), keys, logical,
            [this](int32_t hint, CCurveOwner* owner) { DoNotifySelection(hint, owner); });
    }
    doc->DoSelectByCurves(doc->m_listGroups, graph);
    auto* element = dynamic_cast<CObjElement*>(single);
    if (element && !(keys & kShift))
        DoOpenAdjustSheet(element);
    else if (!element && !(keys & kShift))
        DoDragLabel(point);
    doc->SetModifiedFlag();
    doc->UpdateAllItems();
}

void CTovarineView2::OnRButtonDown(uint32_t keys, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    DoCloseAdjustSheet(0);
    if (!doc || !graph)
        return;
    if (graph->m_nKind == CObjGraph::kCurrentLimiting || graph->m_nKind == CObjGraph::kLetThrough)
        return;
    int32_t n = 0;
    {
        auto dc = GetClientDC();
        fw::CPoint logical = point;
        dc->DPtoLP(&logical);
        n = graph->DoSelectCurvesAt(
            dc.get(), AsOwners(GetElementsOnGraph(graph)), keys, logical,
            [this](int32_t hint, CCurveOwner* owner) { DoNotifySelection(hint, owner); });
    }
    doc->DoSelectByCurves(doc->m_listGroups, graph);
    if ((keys & kShift) || doc->m_nMode < 1 || doc->m_nMode > 8 || doc->m_nMode == 2)
        return;
    unsigned menu = 0;
    std::string popup;
    switch (doc->m_nMode) {
    case 1:
    case 3:
    case 4:
        menu = doc->m_nMode == 1 ? 147 : 148;
        popup = n == 0 ? "[Un-Selecting]" : n == 1 ? "[OneSelecting]" : "[SomeSelecting]";
        break;
    case 5:
    case 6:
        if (n > 2)
            return;
        menu = doc->m_nMode == 5 ? 149 : 150;
        popup = n == 0 ? "[Un-Selecting]" : n == 1 ? "[OneSelecting]" : "[TwoSelecting]";
        break;
    default:
        if (n > 1)
            return;
        menu = doc->m_nMode == 7 ? 151 : 152;
        popup = n == 0 ? "[Un-Selecting]" : "[OneSelecting]";
        break;
    }
    DoTrackPopup(menu, popup, point);
}

void CTovarineView2::DoTrackPopup(unsigned menu, const std::string& popup, fw::CPoint point) {
    if (m_fnPopup) {
        m_fnPopup(menu, popup, point);
        return;
    }
    DoTrackContextMenu(this, GetParentFrame(), menu, popup, point);
}

void CTovarineView2::OnMouseMove(uint32_t, fw::CPoint point) {
    CObjGraph* graph = GetCurrentGraph();
    if (!graph) {
        unsetCursor();
        return;
    }
    auto dc = GetClientDC();
    const bool cross = graph->DoSetHitCursor(dc.get(), AsOwners(GetElementsOnGraph(graph)), point);
    // Over a selected label the tracker's move cursor.
    bool overLabel = false;
    if (!cross)
        for (CObjElement* e : GetElementsOnGraph(graph))
            if (CObjRefV2* ref = e->GetCurveRefV2(graph))
                overLabel = overLabel || ref->GetLabelRect().PtInRect(point);
    if (cross)
        setCursor(Qt::CrossCursor);
    else if (overLabel)
        setCursor(Qt::SizeAllCursor);
    else
        unsetCursor();
}

void CTovarineView2::mousePressEvent(QMouseEvent* event) {
    const QPoint q = event->position().toPoint();
    const uint32_t keys = KeysOf(event->modifiers());
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(keys, fw::CPoint(q.x(), q.y()));
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(keys, fw::CPoint(q.x(), q.y()));
}

void CTovarineView2::mouseMoveEvent(QMouseEvent* event) {
    const QPoint q = event->position().toPoint();
    OnMouseMove(KeysOf(event->modifiers()), fw::CPoint(q.x(), q.y()));
}

void CTovarineView2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        CTovarineDoc* doc = GetDocument();
        CObjGraph* graph = GetCurrentGraph();
        if (doc && graph && !doc->GetElementsOnGraph(graph, 1).empty())
            OnDeleteCurves();
        return;
    }
    fw::CScrollView::keyPressEvent(event);
}

// ---------------------------------------------------------------- sheets

void CTovarineView2::DoOpenAdjustSheet(CObjElement* element) {
    CTovarineDoc* doc = GetDocument();
    if (!element || !doc)
        return;
    DoCloseAdjustSheet(0);
    auto* sheet = new CAdjustSheet(*doc, element, this, this);
    sheet->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    m_pAdjustSheet = sheet;
    sheet->DoCreate();
    if (m_ptAdjustSheet.x != 0 || m_ptAdjustSheet.y != 0) {
        sheet->move(m_ptAdjustSheet.x, m_ptAdjustSheet.y);
    } else if (QWidget* frame = window()) {
        const QRect r = frame->frameGeometry();
        sheet->move(r.right() - 20 - sheet->frameGeometry().width(), r.top() + 20);
    }
}

void CTovarineView2::DoCloseAdjustSheet(int32_t) {
    CAdjustSheet* sheet = m_pAdjustSheet;
    if (!sheet)
        return;
    m_ptAdjustSheet = fw::CPoint(sheet->pos().x(), sheet->pos().y());
    m_pAdjustSheet = nullptr;
    // The sheet goes once control is back in the event loop, so that a
    // handler of the sheet itself may be what closes it.
    sheet->ClearHost();
    sheet->DoClose();
}

void CTovarineView2::OnAdjustSheetClosed() {
    if (m_pAdjustSheet)
        m_ptAdjustSheet = fw::CPoint(m_pAdjustSheet->pos().x(), m_pAdjustSheet->pos().y());
    m_pAdjustSheet = nullptr;
}

void CTovarineView2::DoOpenGapLineSheet() {
    if (m_pGapSheet || !s_gapSheetFactory)
        return;
    QWidget* sheet = s_gapSheetFactory(*this, nullptr);
    if (!sheet)
        return;
    m_pGapSheet = sheet;
    if (m_ptGapSheet.x != 0 || m_ptGapSheet.y != 0) {
        sheet->move(m_ptGapSheet.x, m_ptGapSheet.y);
    } else if (QWidget* frame = window()) {
        const QRect r = frame->frameGeometry();
        sheet->move(r.right() - 20 - sheet->frameGeometry().width(), r.top() + 170);
    }
    m_nGapSheetOpen = 1;
    sheet->show();
}

void CTovarineView2::DoCloseGapLineSheet(int32_t post) {
    if (!m_pGapSheet) {
        m_nGapSheetOpen = 0;
        return;
    }
    QWidget* sheet = m_pGapSheet;
    OnGapSheetClosed();
    if (post == 1)
        sheet->deleteLater();
    else
        delete sheet;
}

void CTovarineView2::OnGapSheetClosed() {
    if (m_pGapSheet)
        m_ptGapSheet = fw::CPoint(m_pGapSheet->pos().x(), m_pGapSheet->pos().y());
    m_pGapSheet = nullptr;
    m_nGapSheetOpen = 0;
    update();
}

void CTovarineView2::OnElementChanging(CObjElement* element, int32_t hint) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->SetModifiedFlag();
    doc->UpdateAllViews(hint, element);
    doc->UpdateAllItems();
}

void CTovarineView2::OnElementChanged(CObjElement* element, int32_t hint) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !element)
        return;
    if (CObjGraph* graph = GetCurrentGraph()) {
        CCurveChange change;
        change.nCode = hint;
        change.nFrequency = doc->m_infoSkeleton.m_nFrequency;
        change.clearUpstreamMarkers = [doc](uint32_t kind, uint32_t number) {
            doc->DoClearUpstreamMarkers(kind, number);
        };
        change.redrawAllViews = [doc] { doc->UpdateAllViews(tvhint::kAll, nullptr); };
        auto dc = GetClientDC();
        element->DoDrawCurveLabel(dc.get(), graph, change);
    }
    doc->SetModifiedFlag();
    doc->UpdateAllViews(hint, element);
    if (hint == 15 || hint == 16) {
        if (doc->m_nMode == 1) {
            fw::CRect r;
            element->GetUnionRect(&r);
            CTVUpdate area(r.left, r.top, r.right, r.bottom);
            doc->UpdateAllViews(tvhint::kRect, &area);
        } else if (element->GetKind() == 2) {
            doc->m_nMode = 1;
            doc->UpdateAllViews(tvhint::kModeChanged, nullptr);
        }
    }
    doc->UpdateAllItems();
}

// ---------------------------------------------------------------- label drag and drop

Qt::DropAction CTovarineView2::DoDragLabel(fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    if (!doc || !graph)
        return Qt::IgnoreAction;
    CObjElement* element = FindSelectedLabelOwner(graph);
    if (!element)
        return Qt::IgnoreAction;
    CObjRefV2* ref = element->GetCurveRefV2(graph);
    QMimeData* data = nullptr;
    {
        auto dc = GetClientDC();
        fw::CRect label = ref->m_rect;
        dc->LPtoDP(&label);
        label.NormalizeRect();
        DragLabel = *ref;
        DragLabel.SetLabelRect(label);
        const fw::CPoint offset(point.x - label.left, point.y - label.top);
        DragLabel.SetOffset(offset);
        m_bDragReady = true;
        if (!doc->GraphDragItem)
            doc->GraphDragItem = std::make_unique<CTovarineSrvrItem2>(doc->GetSerial());
        doc->GraphDragItem->SetRenderObject(&DragLabel);
        data = doc->GraphDragItem->GetClipboardData(&offset);
        doc->GraphDragItem->SetRenderObject(nullptr);
    }
    if (!data)
        return Qt::IgnoreAction;
    Qt::DropAction effect = Qt::IgnoreAction;
    if (m_fnDrag) {
        std::unique_ptr<QMimeData> owned(data);
        effect = m_fnDrag(data);
    } else {
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        effect = drag->exec(Qt::MoveAction, Qt::MoveAction);
    }
    doc = GetDocument();
    if (effect == Qt::MoveAction && doc) {
        doc->SetModifiedFlag();
        for (long hint : {22L, 23L, 24L, 25L})
            doc->UpdateAllViews(hint, element);
        doc->UpdateAllItems();
    }
    return effect;
}

Qt::DropAction CTovarineView2::OnDragEnter(const QMimeData* data, fw::CPoint point) {
    m_bDragReady = false;
    if (!data || !data->hasFormat(Reference2MimeType()) || !GetCurrentGraph())
        return Qt::IgnoreAction;
    // The data may come from any program: what does not read back as a
    // label record with its 8-byte offset is refused, never raised.
    try {
        fw::CArchive ar = fw::CArchive::ForLoading(BytesOf(data->data(Reference2MimeType())));
        CObjRefV2 record;
        record.Serialize(ar);
        int32_t x = 0;
        int32_t y = 0;
        ar >> x >> y;
        // A label dragged in this view keeps its device rectangle.
        if (DragLabel.GetLabelRect().IsRectEmpty())
            DragLabel = record;
        DragLabel.SetOffset(fw::CPoint(x, y));
    } catch (const fw::CArchiveException&) {
        return Qt::IgnoreAction;
    }
    m_bDragReady = true;
    return OnDragOver(data, point);
}

Qt::DropAction CTovarineView2::OnDragOver(const QMimeData* data, fw::CPoint point) {
    if (!m_bDragReady || !data || !data->hasFormat(Reference2MimeType()))
        return Qt::IgnoreAction;
    const fw::CRect label = DragLabel.GetLabelRect();
    const fw::CPoint offset = DragLabel.GetOffset();
    fw::CRect moved(point.x - offset.x, point.y - offset.y, point.x - offset.x + label.Width(),
                    point.y - offset.y + label.Height());
    const fw::CRect client = GetClientRect();
    if (moved.left >= client.left && moved.top >= client.top && moved.right <= client.right &&
        moved.bottom <= client.bottom && moved != m_rectFocus) {
        if (m_bFocusShown)
            update(QRect(m_rectFocus.left - 1, m_rectFocus.top - 1, m_rectFocus.Width() + 2,
                         m_rectFocus.Height() + 2));
        m_rectFocus = moved;
        m_bFocusShown = true;
        update(QRect(moved.left - 1, moved.top - 1, moved.Width() + 2, moved.Height() + 2));
    }
    return Qt::MoveAction;
}

void CTovarineView2::OnDragLeave() {
    if (m_bFocusShown)
        update();
    m_bFocusShown = false;
    m_rectFocus = fw::CRect();
    m_bDragReady = false;
    DragLabel = CObjRefV2();
}

bool CTovarineView2::OnDrop(const QMimeData* data, Qt::DropAction effect, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    CObjGraph* graph = GetCurrentGraph();
    const bool ready = m_bDragReady;
    const CObjRefV2 label = DragLabel;
    OnDragLeave();
    if (!doc || !graph || !ready || effect != Qt::MoveAction || !data ||
        !data->hasFormat(Reference2MimeType()))
        return false;
    CObjElement* element = FindSelectedLabelOwner(graph);
    CObjRefV2* ref = element ? element->GetCurveRefV2(graph) : nullptr;
    if (!ref)
        return false;
    // The new rectangle in device units, kept inside the window.
    const fw::CRect old = label.GetLabelRect();
    const fw::CPoint offset = label.GetOffset();
    const fw::CRect client = GetClientRect();
    int32_t left = point.x - offset.x;
    int32_t top = point.y - offset.y;
    left = std::clamp(left, client.left, std::max(client.left, client.right - old.Width()));
    top = std::clamp(top, client.top, std::max(client.top, client.bottom - old.Height()));
    fw::CRect device(left, top, left + old.Width(), top + old.Height());
    doc->SaveUndo();
    auto dc = GetClientDC();
    fw::CRect logical = device;
    dc->DPtoLP(&logical);
    // The label's text rectangle runs down from its top in the graph's y-up
    // mapping.
    fw::CRect placed(std::min(logical.left, logical.right), std::max(logical.top, logical.bottom),
                     std::max(logical.left, logical.right), std::min(logical.top, logical.bottom));
    curvelabel::DoPlaceAt(*ref, placed, *graph);
    ref->SetLabelRect(device);
    doc->SetModifiedFlag();
    for (long hint : {22L, 23L, 24L, 25L})
        doc->UpdateAllViews(hint, element);
    doc->UpdateAllItems();
    doc->GraphDragItem.reset();
    update();
    return true;
}

void CTovarineView2::dragEnterEvent(QDragEnterEvent* event) {
    const QPoint q = event->position().toPoint();
    if (OnDragEnter(event->mimeData(), fw::CPoint(q.x(), q.y())) == Qt::MoveAction) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CTovarineView2::dragMoveEvent(QDragMoveEvent* event) {
    const QPoint q = event->position().toPoint();
    if (OnDragOver(event->mimeData(), fw::CPoint(q.x(), q.y())) == Qt::MoveAction) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CTovarineView2::dragLeaveEvent(QDragLeaveEvent*) {
    OnDragLeave();
}

void CTovarineView2::dropEvent(QDropEvent* event) {
    const QPoint q = event->position().toPoint();
    if (OnDrop(event->mimeData(), Qt::MoveAction, fw::CPoint(q.x(), q.y()))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

// ---------------------------------------------------------------- printing

bool CTovarineView2::OnPreparePrinting(fw::CPrintInfo* pInfo) {
    CObjGraph* graph = GetCurrentGraph();
    if (!graph)
        return false;
    if (CTovarineApp* app = TovarineApp()) {
        if (graph->m_nPrintMode == 1)
            app->SetPrinterOrientation(2, static_cast<int16_t>(graph->m_nPaperSize));
        else if (graph->m_nPrintMode == 2)
            app->SetPrinterOrientation(1, 12);
        else
            app->SetPrinterOrientation(static_cast<int16_t>(graph->m_nOrientation),
                                       static_cast<int16_t>(graph->m_nPaperSize));
    }
    pInfo->SetMaxPage(1);
    return DoPreparePrinting(pInfo);
}

void CTovarineView2::OnBeginPrinting(fw::CDC*, fw::CPrintInfo*) {
    if (CObjGraph* graph = GetCurrentGraph())
        graph->m_nPrint = 1;
}

void CTovarineView2::OnPrint(fw::CDC* pDC, fw::CPrintInfo*) {
    OnDraw(pDC);
    pDC->SelectClipRgn(nullptr);
    if (CTovarineDoc* doc = GetDocument()) {
        fw::CSize block;
        doc->DoDrawPageFrame(&block, pDC, 2, 0, GetCurrentGraph());
    }
}

void CTovarineView2::OnEndPrinting(fw::CDC*, fw::CPrintInfo*) {
    if (CObjGraph* graph = GetCurrentGraph()) {
        graph->m_nPrint = 0;
        // The screen lays the graph out again at its zoom.
        GetClientDC();
    }
    update();
}
