#include "CTovarineView1.h"

#include "CChildFrame1.h"
#include "CTovarineApp.h"
#include "CTovarineDoc.h"
#include "CTovarineSrvrItem.h"
#include "ZoomBox.h"

#include "app/records/CTVUpdate.h"
#include "app/records/TovarineIds.h"
#include "app/shell/ContextMenu.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "framework/MdiFrame.h"
#include "framework/MessageBox.h"
#include "framework/RectTracker.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>
#include <vector>

FW_IMPLEMENT_VIEW(CTovarineView1)

namespace {

constexpr int32_t kCell = kGridUnit; // 40 logical units
constexpr uint32_t kShift = 4;
constexpr uint32_t kLeftButton = 1;

// The wait cursor for the time of a command.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

uint32_t KeysOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier) ? kShift : 0u;
}

} // namespace

// One insert command: the kind it places, how often the new symbol is
// turned, and the directions (16 above, 64 below) in which a single-phase
// neighbour is an error.
struct CTovarineView1::InsertRow {
    unsigned command;
    int32_t kind;
    int32_t variant;
    int32_t checks[2];
};

const CTovarineView1::InsertRow* CTovarineView1::FindInsertRow(unsigned command) {
    static const InsertRow rows[] = {
        {tvid::ID_INSERT_SOURCE, kKindSource, 0, {64, 0}},
        {tvid::ID_INSERT_HVCB, kKindHVCB, 0, {16, 64}},
        {tvid::ID_INSERT_TRANS3, kKindTrans3, 0, {16, 64}},
        {tvid::ID_INSERT_GENERATOR, kKindGenerator, 0, {64, 0}},
        {tvid::ID_INSERT_MOTOREFF, kKindMotorEff, 0, {16, 0}},
        {tvid::ID_INSERT_ZEROCOND, kKindZeroCond, 0, {0, 0}},
        {tvid::ID_INSERT_BUSBAR, kKindBusBar, 0, {0, 0}},
        {tvid::ID_INSERT_BUSBAR_H, kKindBusBar, 1, {0, 0}},
        {tvid::ID_INSERT_WIRE, kKindWire, 0, {0, 0}},
        {tvid::ID_INSERT_WIRE_H, kKindWire, 1, {0, 0}},
        {tvid::ID_INSERT_LVCB, kKindLVCB, 0, {0, 0}},
        {tvid::ID_INSERT_LVCB_LEFT, kKindLVCB, 1, {0, 0}},
        {tvid::ID_INSERT_LVCB_RIGHT, kKindLVCB, 2, {0, 0}},
        {tvid::ID_INSERT_LOAD, kKindLoad, 0, {0, 0}},
        {tvid::ID_INSERT_MOTOR, kKindMotor, 0, {0, 0}},
        {tvid::ID_INSERT_CAPACITOR, kKindCapacitor, 0, {16, 0}},
        {tvid::ID_INSERT_BUSDUCT, kKindBusDuct, 0, {0, 0}},
        {tvid::ID_INSERT_BUSDUCT_H, kKindBusDuct, 1, {0, 0}},
        {tvid::ID_INSERT_TRANS1, kKindTrans1, 0, {16, 0}},
    };
    for (const InsertRow& row : rows) {
        if (row.command == command)
            return &row;
    }
    return nullptr;
}

bool CTovarineView1::IsInsertAvailable(unsigned command) {
    if (command == tvid::ID_INSERT_TEXT)
        return ElementKindTable::HasModel(kKindText);
    if (command == tvid::ID_INSERT_CONTACTOR)
        return ElementKindTable::HasModel(kKindContactor) &&
               ElementKindTable::HasModel(kKindThermal);
    const InsertRow* row = FindInsertRow(command);
    return row && ElementKindTable::HasModel(row->kind);
}

CTovarineView1::CTovarineView1() {
    setMouseTracking(true);
    setAcceptDrops(true);
    EnablePrintCommands();
    RegisterCommands();
}

CTovarineView1::~CTovarineView1() = default;

CTovarineDoc* CTovarineView1::GetDocument() const {
    return dynamic_cast<CTovarineDoc*>(fw::CScrollView::GetDocument());
}

void CTovarineView1::RegisterCommands() {
    // Every insert command is enabled in drawing mode only, and only when
    // the program has the kinds it places.
    auto updateInsert = [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_nMode == 1 && IsInsertAvailable(ui.m_nID));
    };
    for (unsigned command = tvid::ID_INSERT_SOURCE; command <= tvid::ID_INSERT_CAPACITOR;
         ++command) {
        OnCommand(command, [this, command] { OnInsertElement(command); });
        OnUpdateCommandUI(command, updateInsert);
    }
    for (unsigned command :
         {tvid::ID_INSERT_BUSDUCT, tvid::ID_INSERT_BUSDUCT_H, tvid::ID_INSERT_TRANS1}) {
        OnCommand(command, [this, command] { OnInsertElement(command); });
        OnUpdateCommandUI(command, updateInsert);
    }
    OnCommand(tvid::ID_INSERT_CONTACTOR, [this] { OnInsertContactorThermal(); });
    OnUpdateCommandUI(tvid::ID_INSERT_CONTACTOR, updateInsert);
    OnCommand(tvid::ID_INSERT_TEXT, [this] { OnInsertTextBox(); });
    OnUpdateCommandUI(tvid::ID_INSERT_TEXT, updateInsert);

    OnCommand(fw::id::EDIT_CLEAR, [this] { OnEditDelete(); });
    OnUpdateCommandUI(fw::id::EDIT_CLEAR, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_nMode == 1 && doc->m_listGroups.GetSelected() > 0);
    });
    OnCommand(fw::id::EDIT_SELECT_ALL, [this] { OnEditSelectAll(); });
    OnUpdateCommandUI(fw::id::EDIT_SELECT_ALL, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && !doc->m_listGroups.IsEmpty());
    });
    OnCommand(fw::id::EDIT_COPY, [this] { OnEditCopy(); });
    OnUpdateCommandUI(fw::id::EDIT_COPY, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_listGroups.GetSelected() > 0);
    });
    OnCommand(fw::id::EDIT_CUT, [this] { OnEditCut(); });
    OnUpdateCommandUI(fw::id::EDIT_CUT, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_nMode == 1 && doc->m_listGroups.GetSelected() > 0);
    });
    OnCommand(fw::id::EDIT_PASTE, [this] { OnEditPaste(); });
    OnUpdateCommandUI(fw::id::EDIT_PASTE, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ui.Enable(doc && doc->m_nMode == 1 && data && data->hasFormat(SymbolMimeType()));
    });
    OnCommand(tvid::ID_EDIT_GROUP, [this] { OnGroup(); });
    OnUpdateCommandUI(tvid::ID_EDIT_GROUP, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_listGroups.GetSelected() >= 2);
    });
    OnCommand(tvid::ID_EDIT_UNGROUP, [this] { OnUngroup(); });
    OnUpdateCommandUI(tvid::ID_EDIT_UNGROUP, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && !doc->m_listGroups.IsNoSelectedCompound());
    });
    OnCommand(tvid::ID_EDIT_ROTATE, [this] { OnRotate(); });
    OnUpdateCommandUI(tvid::ID_EDIT_ROTATE, [this](fw::CCmdUI& ui) {
        CTovarineDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_nMode == 1 &&
                  doc->m_listGroups.CollectRotatable(nullptr, nullptr, 1) > 0);
    });
}

// ---------------------------------------------------------------- mapping

void CTovarineView1::OnPrepareDC(fw::CDC* pDC) {
    DoPrepareMapping(pDC);
    CTovarineDoc* doc = GetDocument();
    if (!doc || pDC->IsPrinting())
        return;
    // The trackers follow the mapping: they are in device units.
    for (auto& group : doc->m_listGroups)
        group->DoCalcTrackerRect(pDC);
}

void CTovarineView1::DoPrepareMapping(fw::CDC* pDC) {
    fw::CScrollView::OnPrepareDC(pDC);
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    const CInfoSkeleton& info = doc->m_infoSkeleton;
    const int32_t width = info.m_nFrameCountX * kCell;
    const int32_t height = info.m_nFrameCountY * kCell;
    if (!pDC->IsPrinting()) {
        pDC->SetMapMode(fw::MM_ISOTROPIC);
        pDC->SetWindowExt(width, height);
        pDC->SetWindowOrg(0, 0);
        pDC->SetViewportExt(width * info.m_nZoom / 100, height * info.m_nZoom / 100);
        return;
    }

    // The page in 0.1 mm: the printable width between the side margins, and
    // the height left under the title block above the bottom margin.
    fw::CSize page;
    fw::CPoint offsets;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, &offsets);
    pDC->SetMapMode(fw::MM_LOMETRIC);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);
    fw::CSize pageLm = page;
    pDC->DPtoLP(&pageLm);
    fw::CSize offsetLm(offsets.x, offsets.y);
    pDC->DPtoLP(&offsetLm);
    const fw::CRect& margins = info.m_rectMargins;
    const int32_t boxWidth = pageLm.cx - (margins.left + margins.right) * 10;
    // The skeleton starts under the whole title block (32 mm), so the box
    // is the height the block leaves above the bottom margin.
    const int32_t boxHeight =
        pageLm.cy - (margins.top + margins.bottom) * 10 - CTovarineDoc::kTitleBlockHeight;
    fw::CSize boxDev(std::max(1, boxWidth), std::max(1, boxHeight));
    pDC->LPtoDP(&boxDev);
    fw::CSize leftDev(margins.left * 10, 0);
    pDC->LPtoDP(&leftDev);
    fw::CSize topDev(0, margins.top * 10 + CTovarineDoc::kTitleBlockHeight);
    pDC->LPtoDP(&topDev);

    pDC->SetMapMode(fw::MM_ISOTROPIC);
    pDC->SetWindowExt(width, height);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportExt(boxDev.cx, boxDev.cy);
    const int32_t fitted = std::abs(pDC->GetViewportExt().cx);
    pDC->SetViewportOrg(leftDev.cx + (boxDev.cx - fitted) / 2 - offsets.x, topDev.cy - offsets.y);
}

void CTovarineView1::OnDraw(fw::CDC* pDC) {
    if (CTovarineDoc* doc = GetDocument())
        doc->DoDrawSkeleton(pDC, 0);
    if (!pDC->IsPrinting())
        DoDrawDragFeedback(pDC);
}

std::unique_ptr<fw::CDC> CTovarineView1::GetClientDC() {
    auto dc = std::make_unique<fw::CDC>(nullptr);
    OnPrepareDC(dc.get());
    return dc;
}

std::unique_ptr<fw::CDC> CTovarineView1::GetMappingDC() {
    auto dc = std::make_unique<fw::CDC>(nullptr);
    DoPrepareMapping(dc.get());
    return dc;
}

// ---------------------------------------------------------------- printing

bool CTovarineView1::OnPreparePrinting(fw::CPrintInfo* pInfo) {
    CTovarineDoc* doc = GetDocument();
    if (CTovarineApp* app = TovarineApp(); app && doc)
        app->SetPrinterOrientation(static_cast<int16_t>(doc->m_infoSkeleton.m_nOrientation),
                                   static_cast<int16_t>(doc->m_infoSkeleton.m_nPaperSize));
    // The whole skeleton is fitted onto one page.
    pInfo->SetMaxPage(1);
    return DoPreparePrinting(pInfo);
}

void CTovarineView1::OnPrint(fw::CDC* pDC, fw::CPrintInfo* pInfo) {
    fw::CScrollView::OnPrint(pDC, pInfo);
    // The skeleton was clipped to its own area; the title block lies above
    // it and would be clipped away with it.
    pDC->SelectClipRgn(nullptr);
    if (CTovarineDoc* doc = GetDocument()) {
        fw::CSize block;
        doc->DoDrawPageFrame(&block, pDC, 1, 0, nullptr);
    }
}

// ---------------------------------------------------------------- scrolling and zoom

fw::CPoint CTovarineView1::DoSetScrollSizes() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return fw::CPoint();
    const CInfoSkeleton& info = doc->m_infoSkeleton;
    int32_t usedX = 0;
    int32_t usedY = 0;
    doc->m_listGroups.GetUnionRect(&usedX, &usedY);
    const int32_t logicalX = std::max(info.m_nFrameCountX, usedX) * kCell;
    const int32_t logicalY = std::max(info.m_nFrameCountY, usedY) * kCell;
    const fw::CSize total(logicalX * info.m_nZoom / 100, logicalY * info.m_nZoom / 100);
    // A page is what the window shows, a line one grid cell at the zoom.
    const int32_t line = std::max(1, kCell * info.m_nZoom / 100);
    fw::CRect client = GetClientRect();
    SetScrollSizes(fw::MM_TEXT, total, fw::CSize(client.Width(), client.Height()),
                   fw::CSize(line, line));
    // The bars took their room: the page is the client that is left.
    fw::CRect after = GetClientRect();
    if (after.Width() != client.Width() || after.Height() != client.Height())
        SetScrollSizes(fw::MM_TEXT, total, fw::CSize(after.Width(), after.Height()),
                       fw::CSize(line, line));
    fw::CPoint position = info.m_ptScroll;
    if (after.Width() >= total.cx)
        position.x = 0;
    if (after.Height() >= total.cy)
        position.y = 0;
    return position;
}

void CTovarineView1::DoScrollToStored() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->m_infoSkeleton.m_ptScroll = DoSetScrollSizes();
    ScrollToPosition(doc->m_infoSkeleton.m_ptScroll);
}

void CTovarineView1::StoreScrollPosition() {
    if (CTovarineDoc* doc = GetDocument())
        doc->m_infoSkeleton.m_ptScroll = GetScrollPosition();
}

void CTovarineView1::OnHScroll() {
    StoreScrollPosition();
}

void CTovarineView1::OnVScroll() {
    StoreScrollPosition();
}

bool CTovarineView1::OnMouseWheel(Qt::KeyboardModifiers modifiers, int delta, fw::CPoint point) {
    fw::CScrollView::OnMouseWheel(modifiers, delta, point);
    StoreScrollPosition();
    return true;
}

void CTovarineView1::OnSize(int cx, int cy) {
    if (cx != 0 && cy != 0)
        DoSetScrollSizes();
}

QComboBox* CTovarineView1::GetZoomBox() const {
    auto* frame = dynamic_cast<CChildFrame1*>(GetParentFrame());
    return frame ? frame->m_wndZoomBox : nullptr;
}

int32_t CTovarineView1::GetZoomOfCombo() const {
    return ZoomOfBox(GetZoomBox());
}

void CTovarineView1::DoSetZoomText(int32_t zoom) {
    SelectZoomText(GetZoomBox(), zoom);
}

void CTovarineView1::OnSelchangeZoom() {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    const int32_t zoom = GetZoomOfCombo();
    if (zoom == doc->m_infoSkeleton.m_nZoom || zoom <= 0)
        return;
    doc->SaveUndo();
    doc->m_infoSkeleton.m_nZoom = zoom;
    update();
    doc->m_infoSkeleton.m_ptScroll = fw::CPoint(0, 0);
    doc->m_infoSkeleton.m_ptScroll = DoSetScrollSizes();
    ScrollToPosition(doc->m_infoSkeleton.m_ptScroll);
    doc->SetModifiedFlag();
}

// ---------------------------------------------------------------- updates

void CTovarineView1::OnInitialUpdate() {
    fw::CScrollView::OnInitialUpdate();
    m_pSelection = nullptr;
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    if (QComboBox* box = GetZoomBox(); box && !m_bZoomConnected) {
        // Only the user's choice counts as a change of the zoom, not the
        // view showing its own.
        connect(box, &QComboBox::activated, this, [this] { OnSelchangeZoom(); });
        m_bZoomConnected = true;
    }
    if (doc->m_nMode > 1)
        doc->ShowElementBar(0);
    DoScrollToStored();
    DoSetZoomText(doc->m_infoSkeleton.m_nZoom);
}

void CTovarineView1::OnUpdate(fw::CView*, long hint, fw::CObject* hintObject) {
    CTovarineDoc* doc = GetDocument();
    switch (hint) {
    case tvhint::kAll:
        update();
        break;
    case tvhint::kModeChanged:
        if (!doc)
            break;
        if (doc->m_nMode == 1 || doc->m_nMode == 2)
            doc->DoClearResults();
        doc->ShowElementBar(doc->m_nMode == 1 ? 1 : 0);
        [[fallthrough]];
    case tvhint::kUndo:
    case tvhint::kPagesGrown:
        if (!doc)
            break;
        DoScrollToStored();
        DoSetZoomText(doc->m_infoSkeleton.m_nZoom);
        update();
        break;
    case tvhint::kRect:
        if (auto* upd = dynamic_cast<CTVUpdate*>(hintObject))
            DoInvalidateLogical(
                fw::CRect(upd->m_nLeft, upd->m_nTop, upd->m_nRight, upd->m_nBottom));
        break;
    default:
        break;
    }
}

void CTovarineView1::DoInvalidateLogical(const fw::CRect& rect) {
    fw::CRect r = rect;
    r.NormalizeRect();
    r.right = r.left + ((r.right - r.left) / kCell + 1) * kCell;
    r.bottom = r.top + ((r.bottom - r.top) / kCell + 1) * kCell;
    auto dc = GetMappingDC();
    dc->LPtoDP(&r);
    r.NormalizeRect();
    r.InflateRect(1, 1);
    update(QRect(r.left, r.top, r.Width(), r.Height()));
}

// ---------------------------------------------------------------- inserting

void CTovarineView1::DoBeginInsert(fw::CDC*) {
    CTovarineDoc* doc = GetDocument();
    doc->SaveUndo();
    doc->m_listGroups.DoClearSelection(*doc);
}

void CTovarineView1::DoEndInsert(fw::CDC* pDC, CObjGroup* group, const fw::CRect& symbol,
                                 bool vertical) {
    CTovarineDoc* doc = GetDocument();
    doc->InvalidateElement(group);
    // The labels once more, each element's area redrawn.
    group->DoCalcLabelV1(pDC, *doc);
    std::vector<CObjElement*> placed;
    std::function<void(CObjGroup&)> collect = [&](CObjGroup& g) {
        for (auto& child : g.GetChildren())
            collect(*child);
        if (g.GetElement())
            placed.push_back(g.GetElement());
    };
    collect(*group);
    for (CObjElement* e : placed) {
        fw::CRect r;
        e->GetUnionRect(&r);
        CTVUpdate area(r.left, r.top, r.right, r.bottom);
        doc->UpdateAllViews(tvhint::kRect, &area);
    }
    if (vertical)
        doc->DoMoveCursorDown(symbol);
    else
        doc->DoMoveCursorRight(symbol);
    doc->DoGrowSkeletonPages();
    doc->SetModifiedFlag();
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kInserted, nullptr);
}

void CTovarineView1::OnInsertElement(unsigned command) {
    CTovarineDoc* doc = GetDocument();
    const InsertRow* row = FindInsertRow(command);
    if (!doc || !row || doc->m_nMode != 1 || !IsInsertAvailable(command))
        return;
    CObjElement* element = nullptr;
    {
        WaitCursor wait;
        auto dc = GetClientDC();
        DoBeginInsert(dc.get());
        CObjGroup* group = doc->m_listGroups.AddNewGroup();
        element = group->InsertElement(dc.get(), *doc, row->kind, row->variant);
        fw::CRect symbol;
        element->GetSymbolRect(&symbol);
        DoEndInsert(dc.get(), group, symbol, row->variant == 0);
    }
    for (int32_t direction : row->checks) {
        if (direction != 0)
            DoCheckNeighbour(element, direction);
    }
}

void CTovarineView1::DoCheckNeighbour(CObjElement* element, int32_t direction) {
    CTovarineDoc* doc = GetDocument();
    CObjElementList list;
    list.CollectFromGroups(doc->m_listGroups, 0, 0);
    CObjElement* neighbour = list.FindNeighbour(element, direction, 0);
    if (!neighbour || neighbour->IsSinglePhase() != 1)
        return;
    element->SetErrorMark(1);
    fw::CRect r;
    element->GetUnionRect(&r);
    DoInvalidateLogical(r);
    fw::AppMessageBox(fw::LoadString(tvid::IDS_SINGLE_PHASE_NEIGHBOUR),
                      fw::mb::Ok | fw::mb::IconExclamation);
}

void CTovarineView1::OnInsertContactorThermal() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1 || !IsInsertAvailable(tvid::ID_INSERT_CONTACTOR))
        return;
    WaitCursor wait;
    auto dc = GetClientDC();
    DoBeginInsert(dc.get());
    CObjGroup* parent = doc->m_listGroups.AddNewGroup();
    fw::CRect pair;
    CObjElement* contactor = nullptr;
    CObjElement* thermal = nullptr;
    const fw::CPoint insert = doc->m_infoSkeleton.m_ptInsert;
    parent->InsertContactorThermal(&pair, dc.get(), *doc, insert.x, insert.y, &contactor, &thermal);
    parent->DoSetTrackerStyle(doc->m_nMode);
    // Both take their numbers and their neighbours' circuit values as any
    // new element does: a pair left unnumbered would read "MC0" and "THR0".
    parent->DoInitNewElements(*doc);
    parent->DoCalcLabelV1(dc.get(), *doc);
    DoEndInsert(dc.get(), parent, pair, true);
}

void CTovarineView1::OnInsertTextBox() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1 || !IsInsertAvailable(tvid::ID_INSERT_TEXT))
        return;
    WaitCursor wait;
    auto dc = GetClientDC();
    DoBeginInsert(dc.get());
    CObjGroup* group = doc->m_listGroups.AddNewGroup();
    CObjElement* text = group->DoCreateElement(dc.get(), *doc, kKindText);
    fw::CRect symbol;
    text->GetSymbolRect(&symbol);
    DoEndInsert(dc.get(), group, symbol, true);
}

// ---------------------------------------------------------------- edit commands

void CTovarineView1::OnEditDelete() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1 || doc->m_listGroups.GetSelected() == 0)
        return;
    if (fw::AppMessageBox(fw::LoadString(tvid::IDS_DELETE_ASK),
                          fw::mb::YesNo | fw::mb::IconQuestion) != fw::mb::IdYes)
        return;
    doc->SaveUndo();
    auto dc = GetClientDC();
    doc->m_listGroups.DoDeleteSelected(*doc, dc.get(), 0);
    doc->SetModifiedFlag();
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kDeleted, nullptr);
}

void CTovarineView1::OnEditSelectAll() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_listGroups.IsEmpty())
        return;
    doc->m_listGroups.DoSelectAll(*doc);
}

void CTovarineView1::OnGroup() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_listGroups.GetSelected() < 2)
        return;
    doc->SaveUndo();
    auto dc = GetClientDC();
    CObjGroup* group = doc->m_listGroups.AddNewGroup();
    group->DoGroupSelected(dc.get(), doc->m_listGroups);
    group->DoSelect(0, true, doc->m_nMode);
    doc->InvalidateElement(group);
    doc->SetModifiedFlag();
}

void CTovarineView1::OnUngroup() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_listGroups.IsNoSelectedCompound())
        return;
    doc->SaveUndo();
    fw::CRect area = doc->m_listGroups.DoUngroupSelected();
    CTVUpdate hint(area.left, area.top, area.right, area.bottom);
    doc->UpdateAllViews(tvhint::kRect, &hint);
    doc->SetModifiedFlag();
}

void CTovarineView1::OnRotate() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1)
        return;
    std::vector<CObjGroup*> groups;
    if (doc->m_listGroups.CollectRotatable(nullptr, &groups, 1) == 0)
        return;
    doc->SaveUndo();
    auto dc = GetClientDC();
    for (CObjGroup* group : groups) {
        doc->InvalidateElement(group);
        group->DoCalcLabelV1(dc.get(), *doc);
        group->m_rect = group->GetElement()->DoRotate(dc.get(), doc->m_nMode);
        fw::CRect device = group->m_rect;
        dc->LPtoDP(&device);
        group->m_tracker.m_rect = device;
        group->DoSetTrackerStyle(doc->m_nMode);
        doc->InvalidateElement(group);
        group->DoCalcLabelV1(dc.get(), *doc);
    }
    doc->SetModifiedFlag();
}

// ---------------------------------------------------------------- mouse

void CTovarineView1::DoStoreClickPoint(fw::CDC* pDC, fw::CPoint point) {
    fw::CPoint logical = point;
    pDC->DPtoLP(&logical);
    GetDocument()->m_infoSkeleton.m_ptClick = logical;
}

void CTovarineView1::DoMoveInsertionPoint(fw::CDC* pDC, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (doc->m_nMode == 1)
        doc->SetCursorPoint(pDC, point);
}

bool CTovarineView1::IsGroupHitAt(fw::CDC* pDC, fw::CPoint point) {
    for (const auto& group : GetDocument()->m_listGroups) {
        if (group->IsHitted(pDC, point))
            return true;
    }
    return false;
}

CObjElement* CTovarineView1::DoSelectLabelAt(fw::CDC* pDC, fw::CPoint point, uint32_t keys) {
    CTovarineDoc* doc = GetDocument();
    CObjElementList list;
    list.CollectFromGroups(doc->m_listGroups, 0, 0);
    CObjElement* only = nullptr;
    int selected = 0;
    for (CObjElement* e : list) {
        const int32_t isSelected = e->IsSelected(100) == 1 ? 1 : 0;
        const int32_t hit = e->IsHittedSymbol(pDC, point, 100) != 0 ? 1 : 0;
        bool changed = false;
        if (keys & kShift) {
            if (hit) {
                e->DoSelect(100, isSelected ? 0 : 1, 0);
                changed = true;
            }
        } else if (isSelected != hit) {
            e->DoSelect(100, hit, 0);
            changed = true;
        }
        if (changed) {
            doc->SetModifiedFlag();
            fw::CRect r;
            e->GetUnionRect(&r);
            CTVUpdate area(r.left, r.top, r.right, r.bottom);
            doc->UpdateAllViews(tvhint::kRect, &area);
        }
        if (e->IsSelected(100) == 1) {
            ++selected;
            only = e;
        }
    }
    return selected == 1 ? only : nullptr;
}

void CTovarineView1::OnLButtonDown(uint32_t keys, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    m_pendingDrag = PendingDrag::none;
    auto dc = GetClientDC();
    DoStoreClickPoint(dc.get(), point);
    CObjGroupList& groups = doc->m_listGroups;
    if (keys & kShift) {
        groups.DoSelectAtPoint(dc.get(), *doc, point, kShift);
        DoSelectLabelAt(dc.get(), point, kShift);
        return;
    }
    const bool hit = IsGroupHitAt(dc.get(), point);
    if (groups.GetSelected() < 2)
        groups.DoSelectFirstAtPoint(dc.get(), *doc, point, 0);
    else
        groups.DoSelectAtPointKeep(dc.get(), *doc, point, 0);
    if (hit && doc->m_nMode == 1) {
        // A resize handle of a selected group resizes it.
        for (const auto& group : groups) {
            if (group->GetSelected() == 1 &&
                group->m_tracker.DoFindHandle(point) != fw::CRectTracker::hitNothing) {
                groups.DoTrackSelected(dc.get(), *doc, point, [this, point](CObjGroup& g) {
                    if (m_fnResize)
                        return m_fnResize(g, point);
                    return g.m_tracker.DoTrackHandle(this, point, false, this);
                });
                return;
            }
        }
        // Anywhere else the selected groups are dragged, once the mouse
        // moves with the button held.
        if (groups.GetSelected() > 0) {
            m_pendingDrag = PendingDrag::groups;
            m_ptPress = point;
        }
        return;
    }
    if (DoSelectLabelAt(dc.get(), point, 0) != nullptr) {
        // The one selected label is dragged once the mouse moves.
        m_pendingDrag = PendingDrag::label;
        m_ptPress = point;
        return;
    }
    bool anyLabel = false;
    {
        CObjElementList list;
        list.CollectFromGroups(groups, 0, 0);
        for (CObjElement* e : list)
            anyLabel = anyLabel || e->IsSelected(100) == 1;
    }
    if (anyLabel || doc->m_nMode != 1)
        return;
    DoMoveInsertionPoint(dc.get(), point);
    fw::CRect band;
    if (m_fnRubberBand) {
        band = m_fnRubberBand(point);
    } else {
        fw::CRectTracker tracker;
        if (tracker.TrackRubberBand(this, point, true))
            band = tracker.m_rect;
    }
    band.NormalizeRect();
    if (band.IsRectEmpty())
        return;
    auto after = GetClientDC();
    groups.DoSelectInRect(after.get(), *doc, band);
}

void CTovarineView1::OnRButtonDown(uint32_t keys, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    auto dc = GetClientDC();
    DoStoreClickPoint(dc.get(), point);
    CObjGroupList& groups = doc->m_listGroups;
    if (keys & kShift) {
        groups.DoSelectAtPoint(dc.get(), *doc, point, kShift);
        DoSelectLabelAt(dc.get(), point, kShift);
        return;
    }
    if (groups.GetSelected() < 2)
        groups.DoSelectFirstAtPoint(dc.get(), *doc, point, 0);
    else
        groups.DoSelectAtPointKeep(dc.get(), *doc, point, 0);
    if (groups.GetSelected() == 0) {
        if (DoSelectLabelAt(dc.get(), point, 0) != nullptr)
            return; // a label: no menu
        DoMoveInsertionPoint(dc.get(), point);
    }
    const bool someSelected = groups.GetSelected() > 0;
    unsigned menu = 0;
    const char* popup = "SomeSelecting";
    switch (doc->m_nMode) {
    case 1:
        menu = tvid::IDR_POPUP_DRAWING;
        popup = someSelected ? "SomeSelecting" : "Un-selecting";
        break;
    case 2:
    case 3:
        menu = someSelected ? tvid::IDR_POPUP_CALCULATION : 0;
        break;
    case 4:
        menu = tvid::IDR_POPUP_SELECTION;
        popup = someSelected ? "SomeSelecting" : "Un-Selecting";
        break;
    case 5:
        menu = someSelected ? tvid::IDR_POPUP_CASCADE : 0;
        break;
    case 6:
        menu = someSelected ? tvid::IDR_POPUP_DISCRIMINATION : 0;
        break;
    case 7:
        menu = someSelected ? tvid::IDR_POPUP_WIREPROTECTION : 0;
        break;
    case 8:
        menu = someSelected ? tvid::IDR_POPUP_ELECTRICSHOCK : 0;
        popup = "OneSelecting";
        break;
    default:
        break;
    }
    if (menu == 0)
        return;
    DoTrackPopup(menu, popup, point);
    // The document may have changed through the menu's command, and the
    // click moved the insertion point, which the project keeps.
    if (CTovarineDoc* after = GetDocument())
        after->SetModifiedFlag();
}

void CTovarineView1::DoTrackPopup(unsigned menu, const std::string& popup, fw::CPoint point) {
    if (m_fnPopup) {
        m_fnPopup(menu, popup, point);
        return;
    }
    DoTrackContextMenu(this, GetParentFrame(), menu, popup, point);
}

void CTovarineView1::OnLButtonDblClk(uint32_t, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return;
    auto dc = GetClientDC();
    CObjElementList list;
    list.CollectFromGroups(doc->m_listGroups, 0, 0);
    CObjElement* target = nullptr;
    for (CObjElement* e : list) {
        if (e->IsHittedSymbol(dc.get(), point, 0) != 0) {
            target = e;
            break;
        }
    }
    if (!target)
        return;
    int32_t oldVolts[2] = {0, 0};
    int32_t newVolts[2] = {0, 0};
    CEleInvalidate invalidate = [this](const fw::CRect& r) { DoInvalidateLogical(r); };
    if (target->DoEditElement(*doc, dc.get(), invalidate, oldVolts, newVolts) != 1)
        return;
    doc->SetModifiedFlag();
    for (int i = 0; i < 2; ++i) {
        if (oldVolts[i] == 0 || newVolts[i] == 0 || oldVolts[i] == newVolts[i])
            continue;
        // The old value first, then the new, as every receiver reads them.
        CTVUpdate change;
        change.m_dwFirst = static_cast<uint32_t>(oldVolts[i]);
        change.m_dwSecond = static_cast<uint32_t>(newVolts[i]);
        doc->fw::CDocument::UpdateAllViews(this, tvhint::kVoltage, &change);
    }
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kEdited, nullptr);
    // An edit can change a symbol's size (a text box's text): the group
    // follows its element.
    auto after = GetClientDC();
    std::function<void(CObjGroupList&)> follow = [&](CObjGroupList& level) {
        for (auto& group : level) {
            follow(group->GetChildren());
            const fw::CRect old = group->m_rect;
            const fw::CRect now = group->GetSymbolRect();
            if (old == now)
                continue;
            group->m_rect = now;
            fw::CRect device = now;
            after->LPtoDP(&device);
            group->m_tracker.m_rect = device;
            DoInvalidateLogical(old);
            DoInvalidateLogical(now);
        }
    };
    follow(doc->m_listGroups);
}

Qt::CursorShape CTovarineView1::GetCursorAt(fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc)
        return Qt::ArrowCursor;
    auto dc = GetClientDC();
    if (doc->m_nMode == 1) {
        // Resize handles first: the trackers of the selected groups, then
        // the label trackers of selected labels.
        for (const auto& group : doc->m_listGroups) {
            if (group->GetSelected() != 1)
                continue;
            int handle = group->m_tracker.DoFindHandle(point);
            if (handle == fw::CRectTracker::hitTop || handle == fw::CRectTracker::hitBottom)
                return Qt::SizeVerCursor;
            if (handle == fw::CRectTracker::hitLeft || handle == fw::CRectTracker::hitRight)
                return Qt::SizeHorCursor;
            if (handle != fw::CRectTracker::hitNothing)
                return Qt::SizeAllCursor;
        }
    }
    CObjElementList list;
    list.CollectFromGroups(doc->m_listGroups, 0, 0);
    if (doc->m_nMode == 1) {
        for (CObjElement* e : list) {
            CObjRefV1* ref = e->GetOnlyRefV1();
            if (!ref)
                continue;
            fw::CRectTracker tracker(ref->GetTrackerRect(),
                                     static_cast<unsigned>(ref->m_nTrackerStyle));
            int hit = tracker.HitTest(point);
            if (hit >= 0 && hit != fw::CRectTracker::hitMiddle)
                return Qt::SizeAllCursor;
        }
    }
    for (CObjElement* e : list) {
        if (e->IsHittedSymbol(dc.get(), point, 0) != 0 &&
            !(e->IsSelected(0) == 1 && doc->m_nMode == 1))
            return Qt::CrossCursor;
        if (e->IsHittedSymbol(dc.get(), point, 100) != 0 && e->IsSelected(100) != 1)
            return Qt::CrossCursor;
    }
    return Qt::ArrowCursor;
}

void CTovarineView1::OnMouseMove(uint32_t keys, fw::CPoint point) {
    if (!(keys & kLeftButton))
        m_pendingDrag = PendingDrag::none;
    if (m_pendingDrag != PendingDrag::none &&
        std::abs(point.x - m_ptPress.x) + std::abs(point.y - m_ptPress.y) >=
            QApplication::startDragDistance()) {
        const PendingDrag pending = m_pendingDrag;
        m_pendingDrag = PendingDrag::none;
        if (pending == PendingDrag::groups) {
            DoDragGroups(m_ptPress);
        } else if (CTovarineDoc* doc = GetDocument()) {
            // The element whose label is the one selected.
            CObjElementList list;
            list.CollectFromGroups(doc->m_listGroups, 0, 0);
            CObjElement* only = nullptr;
            int selected = 0;
            for (CObjElement* e : list) {
                if (e->IsSelected(100) == 1) {
                    only = e;
                    ++selected;
                }
            }
            if (selected == 1)
                DoDragLabel(only, m_ptPress);
        }
        return;
    }
    setCursor(GetCursorAt(point));
}

void CTovarineView1::mousePressEvent(QMouseEvent* event) {
    const fw::CPoint p(event->position().toPoint().x(), event->position().toPoint().y());
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(KeysOf(event->modifiers()), p);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(KeysOf(event->modifiers()), p);
    event->accept();
}

void CTovarineView1::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint q = event->position().toPoint();
        OnLButtonDblClk(KeysOf(event->modifiers()), fw::CPoint(q.x(), q.y()));
    }
    event->accept();
}

void CTovarineView1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint q = event->position().toPoint();
    const uint32_t buttons = (event->buttons() & Qt::LeftButton) ? kLeftButton : 0u;
    OnMouseMove(KeysOf(event->modifiers()) | buttons, fw::CPoint(q.x(), q.y()));
}

void CTovarineView1::keyPressEvent(QKeyEvent* event) {
    CTovarineDoc* doc = GetDocument();
    if (event->key() == Qt::Key_Delete && doc && doc->m_nMode == 1 &&
        doc->m_listGroups.GetSelected() > 0) {
        OnEditDelete();
        event->accept();
        return;
    }
    fw::CScrollView::keyPressEvent(event);
}
