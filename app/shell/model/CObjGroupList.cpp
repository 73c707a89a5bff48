#include "CObjGroupList.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CObjGroup.h"
#include "CTovarineDocData.h"

#include "app/records/CTVUpdate.h"
#include "framework/DeviceContext.h"

#include <algorithm>

namespace {

fw::CRect UnionOf(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

void HintRect(CTovarineDocData& doc, const fw::CRect& r) {
    CTVUpdate hint(r.left, r.top, r.right, r.bottom);
    doc.UpdateAllViews(tvhint::kRect, &hint);
}

} // namespace

CObjGroupList::CObjGroupList() = default;
CObjGroupList::~CObjGroupList() = default;
CObjGroupList::CObjGroupList(const CObjGroupList& other) : COwnedList<CObjGroup>() {
    DoCopyFrom(other);
}
CObjGroupList& CObjGroupList::operator=(const CObjGroupList& other) {
    DoCopyFrom(other);
    return *this;
}

CObjGroup* CObjGroupList::AddNewGroup() {
    return AddNew();
}

void CObjGroupList::DoCopyFrom(const CObjGroupList& other) {
    if (&other == this)
        return;
    DeleteAll();
    for (const auto& group : other)
        AddTail(std::make_unique<CObjGroup>(*group));
}

// --- selection -------------------------------------------------------------------

namespace {

// After a group's selection changed: redraw it and give its elements' curves
// the group's flag.
void AfterSelectionChange(CObjGroup& group, CTovarineDocData& doc) {
    doc.InvalidateElement(&group);
    group.SetSelectCurve(doc, group.GetSelected());
}

} // namespace

int CObjGroupList::DoSelectAtPoint(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point,
                                   uint32_t keys) {
    int hits = 0;
    for (auto& group : *this) {
        bool hit = group->IsHitted(pDC, point);
        if (hit)
            ++hits;
        if (group->DoSelect(keys, hit, doc.m_nMode))
            AfterSelectionChange(*group, doc);
    }
    return hits;
}

int CObjGroupList::DoSelectFirstAtPoint(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point,
                                        uint32_t keys) {
    bool found = false;
    int result = 0;
    for (auto& group : *this) {
        bool hit = !found && group->IsHitted(pDC, point);
        if (hit)
            found = true;
        int changed = group->DoSelect(keys, hit, doc.m_nMode);
        if (hit)
            result = changed;
        if (changed)
            AfterSelectionChange(*group, doc);
    }
    return result;
}

int CObjGroupList::DoSelectAtPointKeep(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point,
                                       uint32_t keys) {
    for (auto& group : *this) {
        if (group->GetSelected() == 1 && group->IsHitted(pDC, point))
            return 1;
    }
    return DoSelectFirstAtPoint(pDC, doc, point, keys);
}

int CObjGroupList::DoSelectInRect(fw::CDC* pDC, CTovarineDocData& doc,
                                  const fw::CRect& deviceRect) {
    int count = 0;
    for (auto& group : *this) {
        bool hit = group->IsIntersected(pDC, deviceRect);
        if (hit)
            ++count;
        if (group->DoSelect(0, hit, doc.m_nMode))
            AfterSelectionChange(*group, doc);
    }
    return count;
}

void CObjGroupList::DoSelectAll(CTovarineDocData& doc) {
    for (auto& group : *this) {
        if (group->GetSelected() != 1 && group->DoSelect(0, true, doc.m_nMode))
            AfterSelectionChange(*group, doc);
    }
}

namespace {

void ClearSelectionOf(CObjGroup& group, CTovarineDocData& doc) {
    group.SetSelected(0);
    group.DoSetTrackerStyle(doc.m_nMode);
    if (CObjElement* e = group.GetElement()) {
        e->SetSelect(0);
        e->SetSelectCurve(0);
        for (long hint = tvhint::kSelectionFirst; hint <= tvhint::kSelectionLast; ++hint)
            doc.UpdateAllViews(static_cast<int32_t>(hint), e);
    }
    for (auto& child : group.GetChildren())
        ClearSelectionOf(*child, doc);
}

} // namespace

void CObjGroupList::DoClearSelection(CTovarineDocData& doc) {
    for (auto& group : *this) {
        if (group->GetSelected() != 1)
            continue;
        ClearSelectionOf(*group, doc);
        doc.InvalidateElement(group.get());
    }
}

void CObjGroupList::SetSelectAll(int32_t value, bool wholeTree, bool elementsToo) {
    for (auto& group : *this) {
        group->SetSelected(value);
        if (elementsToo && group->GetElement())
            group->GetElement()->SetSelect(value);
        if (wholeTree)
            group->GetChildren().SetSelectAll(value, wholeTree, elementsToo);
    }
}

int CObjGroupList::GetSelected(std::vector<CObjGroup*>* out) const {
    int count = 0;
    for (const auto& group : *this) {
        if (group->GetSelected() == 1) {
            if (out)
                out->push_back(group.get());
            ++count;
        }
    }
    return count;
}

int CObjGroupList::GetUnselected(std::vector<CObjGroup*>* out) const {
    int count = 0;
    for (const auto& group : *this) {
        if (group->GetSelected() != 1) {
            if (out)
                out->push_back(group.get());
            ++count;
        }
    }
    return count;
}

bool CObjGroupList::IsNoSelectedCompound() const {
    for (const auto& group : *this) {
        if (group->GetSelected() == 1 && !group->GetChildren().IsEmpty())
            return false;
    }
    return true;
}

// --- editing ----------------------------------------------------------------------

fw::CRect CObjGroupList::DoBeginMove(fw::CDC* pDC, int32_t x, int32_t y) {
    fw::CRect area;
    for (auto& group : *this) {
        fw::CRect device = group->m_rect;
        if (pDC)
            pDC->LPtoDP(&device);
        group->m_tracker.m_rect = device;
        group->m_rectMoveStart = group->m_rect;
        group->m_ptMoveOffset = fw::CPoint(x - group->m_rect.left, y - group->m_rect.top);
        group->m_ptAnchorOffset = group->m_ptMoveOffset;
        fw::CRect outer = group->GetTrackerTrueRect();
        if (pDC)
            pDC->DPtoLP(&outer);
        outer.NormalizeRect();
        area = UnionOf(area, outer);
    }
    return area;
}

int CObjGroupList::DoTrackSelected(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point,
                                   const std::function<bool(CObjGroup&)>& drag) {
    for (auto& group : *this) {
        if (group->GetSelected() == 1 && group->IsHitted(pDC, point))
            return group->DoTrack(pDC, doc, drag);
    }
    return 0;
}

fw::CRect CObjGroupList::DoUngroupSelected() {
    fw::CRect area;
    for (auto it = begin(); it != end();) {
        CObjGroup& group = **it;
        if (group.GetSelected() == 1 && !group.GetChildren().IsEmpty()) {
            area = UnionOf(area, group.GetUnionRect());
            group.DoMoveChildrenTo(*this);
            it = DeleteAt(it);
        } else {
            ++it;
        }
    }
    return area;
}

void CObjGroupList::DoDeleteSelected(CTovarineDocData& doc, fw::CDC* pDC, int32_t flags) {
    for (auto it = begin(); it != end();) {
        CObjGroup& group = **it;
        bool remove = group.GetSelected() == 1 && (flags != 2 || group.m_nMark == 0);
        if (!remove) {
            ++it;
            continue;
        }
        doc.InvalidateElement(&group);
        DoRelayoutTouching(pDC, doc, &group);
        it = DeleteAt(it);
    }
}

void CObjGroupList::DoRelayoutTouching(fw::CDC* pDC, CTovarineDocData& doc,
                                       const CObjGroup* group) {
    CObjElementList touching;
    touching.CollectTouching(*this, group);
    const CEleDocSettings settings = doc.GetEleSettings();
    for (CObjElement* e : touching) {
        e->DoCalcLabelV1(pDC, settings);
        fw::CRect r;
        e->GetUnionRect(&r);
        HintRect(doc, r);
    }
}

void CObjGroupList::DoClearMarks() {
    for (auto& group : *this) {
        group->m_nMark = 0;
        group->GetChildren().DoClearMarks();
    }
}

int CObjGroupList::CollectRotatable(CObjGroupList* copiesOut, std::vector<CObjGroup*>* groupsOut,
                                    int32_t selectedOnly) const {
    int count = 0;
    for (const auto& group : *this) {
        if (selectedOnly == 1 && group->GetSelected() != 1)
            continue;
        CObjElement* e = group->GetElement();
        if (!e || e->IsRotatable() == 0)
            continue;
        if (copiesOut)
            copiesOut->AddNewGroup()->CopyGroupTree(*group);
        if (groupsOut)
            groupsOut->push_back(group.get());
        ++count;
    }
    return count;
}

// --- graphs -------------------------------------------------------------------------

namespace {

int CountAddable(const CObjGroup& group, uint32_t graphNo) {
    int count = 0;
    if (const CObjElement* e = group.GetElement())
        count += e->IsAddableToGraph(graphNo) ? 1 : 0;
    for (const auto& child : group.GetChildren())
        count += CountAddable(*child, graphNo);
    return count;
}

bool AddAll(CObjGroup& group, uint32_t graphNo, int32_t display, uint32_t graphKind) {
    bool added = false;
    if (CObjElement* e = group.GetElement()) {
        if (e->IsAddableToGraph(graphNo)) {
            e->AddToGraph(graphNo, display, graphKind);
            added = true;
        }
    }
    for (auto& child : group.GetChildren())
        added |= AddAll(*child, graphNo, display, graphKind);
    return added;
}

} // namespace

int CObjGroupList::CountAddableToGraph(uint32_t graphNo) const {
    int count = 0;
    for (const auto& group : *this) {
        if (group->GetSelected() == 1)
            count += CountAddable(*group, graphNo);
    }
    return count;
}

fw::CRect CObjGroupList::DoAddToGraph(uint32_t graphNo, int32_t display, uint32_t graphKind) {
    fw::CRect area;
    for (auto& group : *this) {
        if (group->GetSelected() == 1 && AddAll(*group, graphNo, display, graphKind))
            area = UnionOf(area, group->m_rect);
    }
    return area;
}

// --- drawing and extent -------------------------------------------------------------------

void CObjGroupList::DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc) {
    CObjElementList diagram;
    for (auto& group : *this) {
        if (!pDC->RectVisible(group->GetUnionRect()))
            continue;
        group->DoDrawSkeleton(pDC, doc, diagram);
        if (group->GetSelected() == 1 && !pDC->IsPrinting()) {
            group->DoSetTrackerStyle(doc.m_nMode);
            group->m_tracker.Draw(pDC);
        }
    }
}

void CObjGroupList::DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc) {
    CObjElementList diagram;
    for (auto& group : *this) {
        if (pDC->RectVisible(group->GetUnionRect()))
            group->DoDrawImpeMap(pDC, doc, diagram);
    }
}

fw::CRect CObjGroupList::GetGroupsRect() const {
    fw::CRect r;
    for (const auto& group : *this)
        r = UnionOf(r, group->m_rect);
    return r;
}

fw::CRect CObjGroupList::GetUnionRect(int32_t* countX, int32_t* countY) const {
    fw::CRect r;
    for (const auto& group : *this)
        r = UnionOf(r, group->GetUnionRect());
    if (r.IsRectEmpty())
        return r;
    r.InflateRect(1, 1);
    if (countX)
        *countX = r.right / kGridUnit + 1;
    if (countY)
        *countY = r.bottom / kGridUnit;
    return r;
}

void CObjGroupList::Serialize(fw::CArchive& ar) {
    COwnedList<CObjGroup>::Serialize(ar);
}
