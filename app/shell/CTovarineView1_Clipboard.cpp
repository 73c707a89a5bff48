// The skeleton view's clipboard and drag-and-drop: copy, cut and paste of
// the selected groups, moving and copying them with the mouse within a view,
// between views and between projects, and moving an element's label.

#include "CTovarineView1.h"

#include "CTovarineDoc.h"
#include "CTovarineSrvrItem.h"

#include "app/records/CTVUpdate.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

fw::CRect Union(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

bool Intersects(const fw::CRect& a, const fw::CRect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

void ForEachElement(CObjGroup& group, const std::function<void(CObjElement&)>& fn) {
    for (auto& child : group.GetChildren())
        ForEachElement(*child, fn);
    if (CObjElement* e = group.GetElement())
        fn(*e);
}

CObjGroup* FindLeafOf(CObjGroupList& list, const CObjElement* element) {
    for (auto& group : list) {
        if (group->GetElement() == element)
            return group.get();
        if (CObjGroup* found = FindLeafOf(group->GetChildren(), element))
            return found;
    }
    return nullptr;
}

std::vector<uint8_t> BytesOf(const QByteArray& data) {
    return std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(data.constData()),
                                reinterpret_cast<const uint8_t*>(data.constData()) + data.size());
}

fw::CPoint ReadOffset(fw::CArchive& ar) {
    int32_t x = 0;
    int32_t y = 0;
    ar >> x >> y;
    return fw::CPoint(x, y);
}

// Groups read from transfer data are placed afresh: their offsets say where
// they stood in the block, nothing more.
void ClearOffsets(CObjGroup& group) {
    group.m_ptMoveOffset = fw::CPoint();
    group.m_ptAnchorOffset = fw::CPoint();
}

} // namespace

// ---------------------------------------------------------------- copy, cut, paste

std::vector<CObjGroup*> CTovarineView1::DoCollectForTransfer(fw::CDC* pDC, fw::CRect* unionRect) {
    CTovarineDoc* doc = GetDocument();
    std::vector<CObjGroup*> groups;
    doc->m_listGroups.GetSelected(&groups);
    fw::CRect all;
    for (CObjGroup* group : groups) {
        fw::CRect outer = group->GetTrackerTrueRect();
        pDC->DPtoLP(&outer);
        outer.NormalizeRect();
        all = Union(all, outer);
    }
    // Each group keeps where it stands in the block, so that the block
    // lands as a whole.
    for (CObjGroup* group : groups) {
        group->m_rectMoveStart = group->m_rect;
        group->m_ptMoveOffset =
            fw::CPoint(all.left - group->m_rect.left, all.top - group->m_rect.top);
        group->m_ptAnchorOffset = group->m_ptMoveOffset;
    }
    *unionRect = all;
    return groups;
}

void CTovarineView1::OnEditCopy() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_listGroups.GetSelected() == 0)
        return;
    auto dc = GetClientDC();
    fw::CRect all;
    std::vector<CObjGroup*> groups = DoCollectForTransfer(dc.get(), &all);
    CTovarineSrvrItem1* item = doc->GetClipboardItem();
    item->SetRenderGroups(groups);
    QGuiApplication::clipboard()->setMimeData(item->GetClipboardData(nullptr));
}

void CTovarineView1::OnEditCut() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1 || doc->m_listGroups.GetSelected() == 0)
        return;
    doc->SaveUndo();
    OnEditCopy();
    // The clipboard holds its bytes already; the item must not keep
    // pointing at the groups that go now.
    doc->GetClipboardItem()->SetRenderGroups({});
    auto dc = GetClientDC();
    doc->m_listGroups.DoDeleteSelected(*doc, dc.get(), 0);
    doc->SetModifiedFlag();
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kDeleted, nullptr);
    doc->UpdateAllItems();
}

bool CTovarineView1::IsOverlapping(const CObjGroup* group) const {
    CTovarineDoc* doc = GetDocument();
    for (const auto& other : doc->m_listGroups) {
        if (other.get() == group || other->GetSelected() == 1)
            continue;
        if (Intersects(other->m_rect, group->m_rect))
            return true;
    }
    return false;
}

int CTovarineView1::DoPasteGroups(const QByteArray& bytes, fw::CPoint target) {
    CTovarineDoc* doc = GetDocument();
    // The whole list is read before anything changes: damaged data pastes
    // nothing.
    CObjGroupList list;
    try {
        fw::CArchive ar = fw::CArchive::ForLoading(BytesOf(bytes));
        list.Serialize(ar);
    } catch (const fw::CArchiveException& e) {
        fw::AppMessageBox(e.what(), fw::mb::Ok | fw::mb::IconExclamation);
        return 0;
    }
    auto dc = GetClientDC();
    const int32_t frequency = doc->m_infoSkeleton.m_nFrequency;
    bool warned = false;
    int pasted = 0;
    while (!list.IsEmpty()) {
        std::unique_ptr<CObjGroup> group = list.RemoveHead();
        group->m_nMark = 0;
        group->DoMoveTo(dc.get(), target.x, target.y);
        if (!warned && IsOverlapping(group.get())) {
            warned = true;
            fw::AppMessageBox(fw::LoadString(tvid::IDS_OVERLAPS_PASTE),
                              fw::mb::Ok | fw::mb::IconExclamation);
        }
        group->DoSelect(0, true, doc->m_nMode);
        group->DoCalcLabelV1(dc.get(), *doc);
        ForEachElement(*group, [frequency](CObjElement& e) { e.DoCalcCurve(frequency); });
        doc->InvalidateElement(group.get());
        group->DoCalcLabelV1(dc.get(), *doc);
        group->DoInitNewElements(*doc);
        ClearOffsets(*group);
        doc->m_listGroups.AddTail(std::move(group));
        ++pasted;
    }
    doc->DeleteClipboardItem();
    return pasted;
}

void CTovarineView1::OnEditPaste() {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_nMode != 1)
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(SymbolMimeType()))
        return;
    const QByteArray bytes = data->data(SymbolMimeType());
    WaitCursor wait;
    doc->SaveUndo();
    doc->m_listGroups.DoClearSelection(*doc);
    const fw::CPoint insert = doc->m_infoSkeleton.m_ptInsert;
    const fw::CPoint target(DoFloorToGrid(insert.x), DoFloorToGrid(insert.y));
    if (DoPasteGroups(bytes, target) == 0)
        return;
    doc->DoMoveCursorDown(doc->m_listGroups.GetTail()->m_rect);
    doc->DoGrowSkeletonPages();
    doc->SetModifiedFlag();
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kInserted, nullptr);
    doc->UpdateAllItems();
}

// ---------------------------------------------------------------- drag sources

Qt::DropAction CTovarineView1::DoRunDrag(QMimeData* data, Qt::DropActions allowed) {
    if (m_fnDrag) {
        std::unique_ptr<QMimeData> owned(data);
        return m_fnDrag(data, allowed);
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    return drag->exec(allowed, (allowed & Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction);
}

Qt::DropAction CTovarineView1::DoDragGroups(fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || doc->m_listGroups.GetSelected() == 0)
        return Qt::IgnoreAction;
    const uint64_t serial = doc->GetSerial();
    fw::CPoint offset;
    QMimeData* data = nullptr;
    {
        auto dc = GetClientDC();
        fw::CRect all;
        std::vector<CObjGroup*> groups = DoCollectForTransfer(dc.get(), &all);
        fw::CPoint corner = all.TopLeft();
        dc->LPtoDP(&corner);
        offset = fw::CPoint(point.x - corner.x, point.y - corner.y);
        CTovarineSrvrItem1* item = doc->GetClipboardItem();
        item->SetRenderGroups(groups);
        data = item->GetClipboardData(&offset);
        item->SetRenderGroups({});
    }
    const Qt::DropAction effect = DoRunDrag(data, Qt::CopyAction | Qt::MoveAction);
    doc = GetDocument();
    if (effect != Qt::MoveAction || !doc || doc->GetSerial() != serial)
        return effect;
    // The groups dropped back into this skeleton carry the moved mark; the
    // selected ones without it are the originals that went elsewhere.
    bool droppedHere = false;
    for (const auto& group : doc->m_listGroups)
        droppedHere = droppedHere || group->m_nMark != 0;
    // A drop here took the snapshot before it added the moved groups; a
    // drop into another project did not, and the deletion is undoable too.
    if (!droppedHere)
        doc->SaveUndo();
    auto dc = GetClientDC();
    doc->m_listGroups.DoDeleteSelected(*doc, dc.get(), 2);
    doc->m_listGroups.DoClearMarks();
    doc->DoGrowSkeletonPages();
    doc->SetModifiedFlag();
    doc->fw::CDocument::UpdateAllViews(this, tvhint::kAll, nullptr);
    doc->UpdateAllItems();
    return effect;
}

Qt::DropAction CTovarineView1::DoDragLabel(CObjElement* element, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    CObjRefV1* ref = element ? element->GetOnlyRefV1() : nullptr;
    if (!doc || !ref)
        return Qt::IgnoreAction;
    QMimeData* data = nullptr;
    {
        auto dc = GetClientDC();
        fw::CRect label = ref->GetLabelRect();
        dc->LPtoDP(&label);
        label.NormalizeRect();
        ref->SetTrackerRect(label);
        const fw::CPoint offset(point.x - label.left, point.y - label.top);
        ref->SetAnchorOffset(offset);
        CTovarineSrvrItem1* item = doc->GetClipboardItem();
        item->SetRenderLabel(ref);
        data = item->GetClipboardData(&offset);
        item->SetRenderLabel(nullptr);
    }
    const Qt::DropAction effect = DoRunDrag(data, Qt::MoveAction);
    doc = GetDocument();
    if (effect != Qt::MoveAction || !doc)
        return effect;
    CObjGroup* leaf = FindLeafOf(doc->m_listGroups, element);
    if (!leaf)
        return effect;
    auto dc = GetClientDC();
    leaf->DoCalcLabelV1(dc.get(), *doc);
    doc->SetModifiedFlag();
    fw::CRect r;
    element->GetUnionRect(&r);
    CTVUpdate area(r.left, r.top, r.right, r.bottom);
    doc->UpdateAllViews(tvhint::kRect, &area);
    doc->UpdateAllItems();
    return effect;
}

// ---------------------------------------------------------------- drop target

bool CTovarineView1::IsFromThisDocument(const QMimeData* data) const {
    const auto* ours = qobject_cast<const CTovarineMimeData*>(data);
    CTovarineDoc* doc = GetDocument();
    return ours && doc && ours->GetSourceDocument() == doc->GetSerial();
}

bool CTovarineView1::DoReadDragData(const QMimeData* data) {
    DragGroups.DeleteAll();
    try {
        fw::CArchive ar = fw::CArchive::ForLoading(BytesOf(data->data(SymbolMimeType())));
        DragGroups.Serialize(ar);
        // The offset must follow: data without it is no drag.
        DragOffset = ReadOffset(ar);
    } catch (const fw::CArchiveException&) {
        DragGroups.DeleteAll();
        return false;
    }
    auto dc = GetClientDC();
    DragRect = fw::CRect();
    for (auto& group : DragGroups) {
        group->DoCalcTrackerRect(dc.get());
        fw::CRect outer = group->GetTrackerTrueRect();
        dc->DPtoLP(&outer);
        outer.NormalizeRect();
        DragRect = Union(DragRect, outer);
    }
    fw::CSize offset(DragOffset.x, DragOffset.y);
    dc->DPtoLP(&offset);
    DragOffset = fw::CPoint(offset.cx, offset.cy);
    return true;
}

Qt::DropAction CTovarineView1::OnDragEnter(const QMimeData* data, Qt::KeyboardModifiers keys,
                                           fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !data)
        return Qt::IgnoreAction;
    if (data->hasFormat(SymbolMimeType())) {
        // Groups enter the skeleton in drawing mode only, as a paste does:
        // a later mode's results would not cover them.
        if (doc->m_nMode != 1)
            return Qt::IgnoreAction;
        doc->m_listGroups.DoClearMarks();
        if (!DoReadDragData(data))
            return Qt::IgnoreAction;
        fw::CPoint logical = point;
        auto dc = GetClientDC();
        dc->DPtoLP(&logical);
        const int32_t w = DragRect.Width();
        const int32_t h = DragRect.Height();
        DragRect.left = logical.x - DragOffset.x;
        DragRect.top = logical.y - DragOffset.y;
        DragRect.right = DragRect.left + w;
        DragRect.bottom = DragRect.top + h;
        m_bFeedbackBlock = true;
        m_feedbackGroups.clear();
        for (const auto& group : DragGroups) {
            fw::CRect r = group->m_rect;
            r.OffsetRect(DragRect.left - group->m_ptAnchorOffset.x - r.left,
                         DragRect.top - group->m_ptAnchorOffset.y - r.top);
            m_feedbackGroups.push_back(r);
        }
        update();
    } else if (data->hasFormat(Reference1MimeType())) {
        // A label belongs to an element of this project: from another the
        // record would land on whatever label is selected here.
        if (!IsFromThisDocument(data))
            return Qt::IgnoreAction;
        try {
            fw::CArchive ar = fw::CArchive::ForLoading(BytesOf(data->data(Reference1MimeType())));
            DragLabel = CObjRefV1();
            DragLabel.Serialize(ar);
            DragOffset = ReadOffset(ar);
        } catch (const fw::CArchiveException&) {
            DragLabel = CObjRefV1();
            return Qt::IgnoreAction;
        }
        m_rectLastErased = DragLabel.GetTrackerRect();
        m_bFeedbackLabel = true;
        update();
    }
    return OnDragOver(data, keys, point);
}

Qt::DropAction CTovarineView1::OnDragOver(const QMimeData* data, Qt::KeyboardModifiers keys,
                                          fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !data)
        return Qt::IgnoreAction;
    if (data->hasFormat(SymbolMimeType())) {
        if (doc->m_nMode != 1 || DragGroups.IsEmpty())
            return Qt::IgnoreAction;
        auto dc = GetClientDC();
        DoTrackGroupsFeedback(dc.get(), point);
        return (keys & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    }
    if (data->hasFormat(Reference1MimeType()) && m_bFeedbackLabel) {
        DoTrackLabelFeedback(point);
        return Qt::MoveAction;
    }
    return Qt::IgnoreAction;
}

void CTovarineView1::DoTrackGroupsFeedback(fw::CDC* pDC, fw::CPoint point) {
    fw::CPoint logical = point;
    pDC->DPtoLP(&logical);
    const fw::CPoint to(logical.x - DragOffset.x, logical.y - DragOffset.y);
    if (to == DragRect.TopLeft() || to.x < 0 || to.y < 0)
        return;
    DragRect.OffsetRect(to.x - DragRect.left, to.y - DragRect.top);
    m_feedbackGroups.clear();
    for (const auto& group : DragGroups) {
        fw::CRect r = group->m_rect;
        r.OffsetRect(to.x - group->m_ptAnchorOffset.x - r.left,
                     to.y - group->m_ptAnchorOffset.y - r.top);
        m_feedbackGroups.push_back(r);
    }
    update();
}

void CTovarineView1::DoTrackLabelFeedback(fw::CPoint point) {
    fw::CRect r = m_rectLastErased;
    const int32_t w = r.Width();
    const int32_t h = r.Height();
    const fw::CRect client = GetClientRect();
    int32_t x = std::max(client.left, std::min(point.x - DragOffset.x, client.right - w));
    int32_t y = std::max(client.top, std::min(point.y - DragOffset.y, client.bottom - h));
    if (x == r.left && y == r.top)
        return;
    m_rectLastErased = fw::CRect(x, y, x + w, y + h);
    update();
}

bool CTovarineView1::OnDrop(const QMimeData* data, Qt::DropAction effect, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    if (!doc || !data)
        return false;
    WaitCursor wait;
    const bool groups = data->hasFormat(SymbolMimeType()) && doc->m_nMode == 1;
    const bool label = !groups && data->hasFormat(Reference1MimeType()) && IsFromThisDocument(data);
    if (groups && DragGroups.IsEmpty()) {
        doc->m_listGroups.DoClearMarks();
        if (!DoReadDragData(data)) {
            OnDragLeave();
            return false;
        }
    }
    if ((!groups && !label) || (label && !m_bFeedbackLabel) ||
        (effect != Qt::CopyAction && effect != Qt::MoveAction) ||
        (label && effect != Qt::MoveAction)) {
        OnDragLeave();
        return false;
    }
    doc->SaveUndo();
    auto dc = GetClientDC();
    if (groups && effect == Qt::CopyAction) {
        doc->m_listGroups.DoClearSelection(*doc);
        DoTrackGroupsFeedback(dc.get(), point);
        DoDropGroups(dc.get(), point, 1, true);
        doc->DoGrowSkeletonPages();
        StoreScrollPosition();
        doc->SetModifiedFlag();
        doc->UpdateAllItems();
    } else if (groups) {
        // A move inside the project keeps the elements as they were; into
        // another project they are new there, numbered in its sequence.
        const bool fromHere = IsFromThisDocument(data);
        DoTrackGroupsFeedback(dc.get(), point);
        DoDropGroups(dc.get(), point, 2, !fromHere);
        StoreScrollPosition();
        if (!fromHere) {
            doc->DoGrowSkeletonPages();
            doc->SetModifiedFlag();
            doc->UpdateAllItems();
        }
    } else {
        DoTrackLabelFeedback(point);
        DoDropLabel(dc.get(), point);
    }
    m_bFeedbackBlock = false;
    m_bFeedbackLabel = false;
    m_feedbackGroups.clear();
    update();
    return true;
}

void CTovarineView1::DoDropGroups(fw::CDC* pDC, fw::CPoint point, int32_t mark, bool renumber) {
    CTovarineDoc* doc = GetDocument();
    fw::CPoint logical = point;
    pDC->DPtoLP(&logical);
    const fw::CPoint target(std::max(0, logical.x - DragOffset.x),
                            std::max(0, logical.y - DragOffset.y));
    const int32_t frequency = doc->m_infoSkeleton.m_nFrequency;
    bool warned = false;
    while (!DragGroups.IsEmpty()) {
        CObjGroup* group = doc->m_listGroups.AddTail(DragGroups.RemoveHead());
        group->m_nMark = mark;
        doc->InvalidateElement(group);
        group->DoCalcLabelV1(pDC, *doc);
        group->DoMoveTo(pDC, target.x, target.y);
        if (!warned && IsOverlapping(group)) {
            warned = true;
            fw::AppMessageBox(fw::LoadString(tvid::IDS_OVERLAPS),
                              fw::mb::Ok | fw::mb::IconExclamation);
        }
        group->DoSelect(0, true, doc->m_nMode);
        group->DoCalcLabelV1(pDC, *doc);
        ForEachElement(*group, [frequency](CObjElement& e) { e.DoCalcCurve(frequency); });
        group->SetSelectCurve(*doc, 1);
        doc->InvalidateElement(group);
        group->DoCalcLabelV1(pDC, *doc);
        if (renumber)
            group->DoInitNewElements(*doc);
        ClearOffsets(*group);
    }
    doc->DeleteClipboardItem();
}

void CTovarineView1::DoDropLabel(fw::CDC* pDC, fw::CPoint point) {
    CTovarineDoc* doc = GetDocument();
    (void)point; // the feedback followed the point already
    const fw::CRect oldDevice = DragLabel.GetTrackerRect();
    const fw::CRect newDevice = m_rectLastErased;
    fw::CRect oldLogical = oldDevice;
    pDC->DPtoLP(&oldLogical);
    oldLogical.NormalizeRect();
    fw::CRect newLogical = newDevice;
    pDC->DPtoLP(&newLogical);
    newLogical.NormalizeRect();
    DragLabel.SetTrackerRect(newDevice);
    DragLabel.m_labels.m_rectLabel2 = newLogical;
    DragLabel.DoOffset(newLogical.left - oldLogical.left, newLogical.top - oldLogical.top);
    DragLabel.SetAnchorOffset(fw::CPoint());

    CObjElementList list;
    list.CollectFromGroups(doc->m_listGroups, 0, 0);
    for (CObjElement* e : list) {
        CObjRefV1* ref = e->GetOnlyRefV1();
        if (e->IsSelected(100) != 1 || !ref)
            continue;
        doc->SetModifiedFlag();
        fw::CRect r;
        e->GetUnionRect(&r);
        CTVUpdate area(r.left, r.top, r.right, r.bottom);
        doc->UpdateAllViews(tvhint::kRect, &area);
        doc->UpdateAllItems();
        *ref = DragLabel;
        break;
    }
    DragLabel = CObjRefV1();
    doc->DeleteClipboardItem();
}

void CTovarineView1::OnDragLeave() {
    DragGroups.DeleteAll();
    DragLabel = CObjRefV1();
    m_feedbackGroups.clear();
    m_bFeedbackBlock = false;
    m_bFeedbackLabel = false;
    update();
}

void CTovarineView1::DoDrawDragFeedback(fw::CDC* pDC) {
    if (m_bFeedbackBlock) {
        fw::CRect block = DragRect;
        block.left -= 2;
        block.top -= 2;
        block.right += 1;
        block.bottom += 1;
        pDC->DrawFocusRect(block);
        for (const fw::CRect& r : m_feedbackGroups)
            pDC->DrawFocusRect(r);
    }
    if (m_bFeedbackLabel) {
        fw::CRect r = m_rectLastErased;
        pDC->DPtoLP(&r);
        r.NormalizeRect();
        pDC->DrawFocusRect(r);
    }
}

// ---------------------------------------------------------------- window events

void CTovarineView1::dragEnterEvent(QDragEnterEvent* event) {
    const QPoint q = event->position().toPoint();
    const Qt::DropAction action =
        OnDragEnter(event->mimeData(), event->modifiers(), fw::CPoint(q.x(), q.y()));
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void CTovarineView1::dragMoveEvent(QDragMoveEvent* event) {
    const QPoint q = event->position().toPoint();
    const Qt::DropAction action =
        OnDragOver(event->mimeData(), event->modifiers(), fw::CPoint(q.x(), q.y()));
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void CTovarineView1::dragLeaveEvent(QDragLeaveEvent* event) {
    OnDragLeave();
    event->accept();
}

void CTovarineView1::dropEvent(QDropEvent* event) {
    const QPoint q = event->position().toPoint();
    const Qt::DropAction effect = event->dropAction();
    if (OnDrop(event->mimeData(), effect, fw::CPoint(q.x(), q.y()))) {
        event->setDropAction(effect);
        event->accept();
    } else {
        event->ignore();
    }
}
