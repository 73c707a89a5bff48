#include "CObjGroup.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CTovarineDocData.h"

#include "app/records/CTVUpdate.h"
#include "app/records/ElementKinds.h"
#include "app/records/GeometryRecords.h"
#include "framework/DeviceContext.h"

#include <algorithm>
#include <string>
#include <utility>

FW_IMPLEMENT_SERIAL(CObjGroup, 0)

namespace {

// The zero conductor's drawing and labels depend on the elements around it:
// it is given every element of the document (collected into buffer); the
// other kinds need none.
const CObjElementList* DiagramFor(const CObjElement* element, const CTovarineDocData& doc,
                                  CObjElementList& buffer) {
    if (element->GetKind() != kKindZeroCond)
        return nullptr;
    doc.CollectElements(buffer);
    return &buffer;
}

// The same within one paint: the document does not change while it paints,
// so the elements are collected once, by the first zero conductor drawn
// (the document holds it, so the list is never empty after).
const CObjElementList* PaintDiagramFor(const CObjElement* element, const CTovarineDocData& doc,
                                       CObjElementList& diagram) {
    if (element->GetKind() != kKindZeroCond)
        return nullptr;
    if (diagram.IsEmpty())
        doc.CollectElements(diagram);
    return &diagram;
}

// The union of two rectangles; an empty one adds nothing.
fw::CRect UnionOf(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

bool Overlap(fw::CRect a, fw::CRect b) {
    a.NormalizeRect();
    b.NormalizeRect();
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

fw::CRect ToDevice(fw::CDC* pDC, fw::CRect r) {
    if (pDC)
        pDC->LPtoDP(&r);
    return r;
}

fw::CRect ToLogical(fw::CDC* pDC, fw::CRect r) {
    if (pDC)
        pDC->DPtoLP(&r);
    return r;
}

// Depth of the groups being read, for the nesting bound.
thread_local int t_loadDepth = 0;

class LoadDepth {
public:
    LoadDepth() {
        if (++t_loadDepth > CObjGroup::kMaxNestingDepth) {
            --t_loadDepth;
            throw fw::CArchiveException(fw::CArchiveException::generic,
                                        "The file is damaged: its groups are nested more than " +
                                            std::to_string(CObjGroup::kMaxNestingDepth) +
                                            " levels deep.");
        }
    }
    ~LoadDepth() { --t_loadDepth; }
    LoadDepth(const LoadDepth&) = delete;
    LoadDepth& operator=(const LoadDepth&) = delete;
};

// Grid edges of a resized symbol: a left or top edge is a corner (multiple
// of 40 plus 1), a right or bottom edge a multiple of 40.
int32_t FloorCorner(int32_t v) {
    return (v / kGridUnit) * kGridUnit + 1;
}
int32_t NearestEdge(int32_t v) {
    int32_t base = (v / kGridUnit) * kGridUnit;
    return v - base > 20 ? base + kGridUnit : base;
}
int32_t EdgeAbove(int32_t v) {
    int32_t base = (v / kGridUnit) * kGridUnit;
    return base == v ? v : base + kGridUnit;
}

} // namespace

int32_t DoSnapToGrid(int32_t v) {
    int32_t base = (v / kGridUnit) * kGridUnit;
    return base + 1 + (v - base > 20 ? kGridUnit : 0);
}

int32_t DoFloorToGrid(int32_t v) {
    return (v / kGridUnit) * kGridUnit + 1;
}

CObjGroup::CObjGroup() = default;
CObjGroup::~CObjGroup() = default;

CObjGroup::CObjGroup(const CObjGroup& other) : fw::CObject() {
    CopyGroupTree(other);
}

void CObjGroup::CopyGroupTree(const CObjGroup& source) {
    if (&source == this)
        return;
    m_strName = source.m_strName;
    m_strExplanation = source.m_strExplanation;
    m_nSelected = source.m_nSelected;
    m_rect = source.m_rect;
    m_nMark = source.m_nMark;
    m_rectMoveStart = source.m_rectMoveStart;
    m_ptMoveOffset = source.m_ptMoveOffset;
    m_ptAnchorOffset = source.m_ptAnchorOffset;
    m_tracker = source.m_tracker;
    m_children.DoCopyFrom(source.m_children);
    m_pElement = source.m_pElement ? std::make_unique<CObjElement>(*source.m_pElement) : nullptr;
}

void CObjGroup::SetElement(std::unique_ptr<CObjElement> element) {
    m_pElement = std::move(element);
    if (m_pElement)
        m_pElement->GetSymbolRect(&m_rect);
}

std::unique_ptr<CObjElement> CObjGroup::DetachElement() {
    return std::move(m_pElement);
}

// --- placing ---------------------------------------------------------------------

CObjElement* CObjGroup::InsertElement(fw::CDC* pDC, CTovarineDocData& doc, int32_t kind,
                                      int32_t variant) {
    SetElement(std::make_unique<CObjElement>(kind));
    const fw::CPoint insert = doc.m_infoSkeleton.m_ptInsert;
    const int32_t x = DoFloorToGrid(insert.x);
    const int32_t y = DoFloorToGrid(insert.y);
    DoMoveTo(pDC, x, y);
    DoSelect(0, true, doc.m_nMode);
    if (variant == 1 || variant == 2) {
        for (int i = 0; i < variant; ++i)
            m_rect = m_pElement->DoRotate(pDC, doc.m_nMode);
        DoMoveTo(pDC, x, y);
        DoCalcTrackerRect(pDC);
        DoSetTrackerStyle(doc.m_nMode);
    }
    m_pElement->DoInitNewElement(doc);
    DoCalcLabelV1(pDC, doc);
    return m_pElement.get();
}

CObjElement* CObjGroup::DoCreateElement(fw::CDC* pDC, CTovarineDocData& doc, int32_t kind) {
    SetElement(std::make_unique<CObjElement>(kind));
    m_pElement->DoInitNewElement(doc);
    m_pElement->GetSymbolRect(&m_rect, pDC);
    const fw::CPoint insert = doc.m_infoSkeleton.m_ptInsert;
    DoMoveTo(pDC, DoFloorToGrid(insert.x), DoFloorToGrid(insert.y));
    DoSelect(0, true, doc.m_nMode);
    return m_pElement.get();
}

void CObjGroup::InsertContactorThermal(fw::CRect* rect, fw::CDC* pDC, CTovarineDocData& doc,
                                       int32_t x, int32_t y, CObjElement** contactor,
                                       CObjElement** thermal) {
    const int32_t fx = DoFloorToGrid(x);
    const int32_t fy = DoFloorToGrid(y);
    CObjGroup* first = m_children.AddNewGroup();
    first->SetElement(std::make_unique<CObjElement>(11));
    first->DoMoveTo(pDC, fx, fy);
    CObjGroup* second = m_children.AddNewGroup();
    second->SetElement(std::make_unique<CObjElement>(3));
    // One unit below the contactor's bottom: connected.
    second->m_ptAnchorOffset.y = -(first->m_rect.bottom - first->m_rect.top) - 1;
    second->DoMoveTo(pDC, fx, fy);
    first->DoSelect(0, true, doc.m_nMode);
    second->DoSelect(0, true, doc.m_nMode);
    m_rect = UnionOf(first->m_rect, second->m_rect);
    m_nSelected = 1;
    if (rect)
        *rect = m_rect;
    if (contactor)
        *contactor = first->GetElement();
    if (thermal)
        *thermal = second->GetElement();
}

// --- geometry and hit tests ----------------------------------------------------------

fw::CRect CObjGroup::GetSymbolRect() const {
    if (m_pElement) {
        fw::CRect r;
        m_pElement->GetSymbolRect(&r);
        return r;
    }
    fw::CRect r;
    for (const auto& child : m_children)
        r = UnionOf(r, child->GetSymbolRect());
    return r;
}

fw::CRect CObjGroup::GetUnionRect() const {
    if (m_pElement) {
        fw::CRect r;
        m_pElement->GetUnionRect(&r);
        return r;
    }
    fw::CRect r;
    for (const auto& child : m_children)
        r = UnionOf(r, child->GetUnionRect());
    return r;
}

bool CObjGroup::IsHitted(fw::CDC* pDC, fw::CPoint devicePoint) const {
    if (m_pElement && m_pElement->IsHittedSymbol(pDC, devicePoint, 0) != 0)
        return true;
    for (const auto& child : m_children) {
        if (child->IsHitted(pDC, devicePoint))
            return true;
    }
    return false;
}

bool CObjGroup::IsIntersected(fw::CDC* pDC, const fw::CRect& deviceRect) const {
    if (m_pElement) {
        fw::CRect r;
        m_pElement->GetSymbolRect(&r);
        if (Overlap(ToDevice(pDC, r), deviceRect))
            return true;
    }
    for (const auto& child : m_children) {
        if (child->IsIntersected(pDC, deviceRect))
            return true;
    }
    return false;
}

std::string CObjGroup::GetNamesText() const {
    std::string text;
    for (const auto& child : m_children)
        text += child->GetNamesText();
    if (m_pElement)
        text += m_pElement->GetName() + "\r\n";
    return text;
}

// --- selection and tracker -----------------------------------------------------------

int CObjGroup::DoSelect(uint32_t keys, bool hit, int32_t mode) {
    const int32_t old = m_nSelected;
    const bool shift = (keys & 4u) != 0;
    if (hit) {
        if (shift)
            m_nSelected = m_nSelected == 1 ? 0 : 1;
        else if (m_nSelected != 1)
            m_nSelected = 1;
    } else if (!shift && m_nSelected == 1) {
        m_nSelected = 0;
    }
    if (m_pElement)
        m_pElement->SetSelect(m_nSelected);
    DoSetTrackerStyle(mode);
    m_children.SetSelectAll(m_nSelected, true, true);
    return old != m_nSelected ? 1 : 0;
}

void CObjGroup::DoSetTrackerStyle(int32_t mode) {
    using fw::CRectTracker;
    if (!m_pElement) {
        m_tracker.m_nStyle = m_nSelected == 1 ? CRectTracker::dottedLine : 0u;
        return;
    }
    m_tracker.m_nHandleSize = 8;
    m_tracker.SetElementInfo(m_pElement->GetKind(),
                             m_pElement->IsRotatable() ? m_pElement->GetHorizontal() : 0, mode);
    m_tracker.m_nStyle =
        m_nSelected == 1 ? CRectTracker::dottedLine | CRectTracker::resizeInside : 0u;
}

fw::CRect CObjGroup::DoCalcTrackerRect(fw::CDC* pDC) {
    if (m_pElement) {
        m_pElement->GetSymbolRect(&m_rect);
    } else {
        fw::CRect r;
        for (auto& child : m_children)
            r = UnionOf(r, child->DoCalcTrackerRect(pDC));
        m_rect = r;
    }
    m_tracker.m_rect = ToDevice(pDC, m_rect);
    return m_rect;
}

fw::CRect CObjGroup::GetTrackerTrueRect() const {
    CTVTracker copy = m_tracker;
    copy.m_nStyle = fw::CRectTracker::dottedLine | fw::CRectTracker::resizeInside;
    fw::CRect r;
    copy.GetTrueRect(&r);
    return r;
}

// --- moving and resizing ---------------------------------------------------------------

fw::CRect CObjGroup::DoMoveTo(fw::CDC* pDC, int32_t x, int32_t y) {
    const int32_t tx = x - m_ptAnchorOffset.x;
    const int32_t ty = y - m_ptAnchorOffset.y;
    fw::CRect r;
    for (auto& child : m_children)
        r = UnionOf(r, child->DoMoveTo(pDC, tx, ty));
    if (m_pElement) {
        // Text boxes sit where they are put; symbols sit on the grid.
        fw::CPoint to = m_pElement->GetKind() == 200
                            ? fw::CPoint(tx, ty)
                            : fw::CPoint(DoSnapToGrid(tx), DoSnapToGrid(ty));
        m_pElement->SetSymbolRect(&to, nullptr);
        fw::CRect er;
        m_pElement->GetSymbolRect(&er);
        r = UnionOf(r, er);
    }
    m_rect = r;
    m_tracker.m_rect = ToDevice(pDC, m_rect);
    return m_rect;
}

fw::CRect CObjGroup::DoSnapTrackRect(const fw::CRect& oldRect, const fw::CRect& newRect,
                                     unsigned handleMask) const {
    fw::CRect r = oldRect;
    // Left and top edges: to the nearer corner, but floored when the edge
    // went inward and rounding would leave a cell or less.
    auto nearEdgeFirst = [](int32_t oldV, int32_t v, int32_t far) {
        int32_t snapped = DoSnapToGrid(v);
        if (v > oldV && far - snapped <= kGridUnit)
            snapped = FloorCorner(v);
        return snapped;
    };
    // Right and bottom edges: to the nearer multiple of 40, but up when the
    // edge went inward and rounding would leave less than a cell.
    auto farEdge = [](int32_t oldV, int32_t v, int32_t near) {
        int32_t snapped = NearestEdge(v);
        if (v < oldV && snapped - near < kGridUnit + 1)
            snapped = EdgeAbove(v);
        return snapped;
    };
    if ((handleMask & 128u) && newRect.left != oldRect.left)
        r.left = nearEdgeFirst(oldRect.left, newRect.left, oldRect.right);
    if ((handleMask & 16u) && newRect.top != oldRect.top)
        r.top = nearEdgeFirst(oldRect.top, newRect.top, oldRect.bottom);
    if ((handleMask & 32u) && newRect.right != oldRect.right)
        r.right = farEdge(oldRect.right, newRect.right, oldRect.left);
    if ((handleMask & 64u) && newRect.bottom != oldRect.bottom)
        r.bottom = farEdge(oldRect.bottom, newRect.bottom, oldRect.top);
    return r;
}

int CObjGroup::DoTrack(fw::CDC* pDC, CTovarineDocData& doc,
                       const std::function<bool(CObjGroup&)>& drag) {
    CObjGroupList& tree = doc.m_listGroups;
    tree.DoRelayoutTouching(pDC, doc, this);
    const fw::CRect oldDevice = m_tracker.m_rect;
    const fw::CRect oldRect = m_rect;
    if (!drag || !drag(*this))
        return 0;
    const fw::CRect& now = m_tracker.m_rect;
    if ((now.left + now.right) / 2 == (oldDevice.left + oldDevice.right) / 2 &&
        (now.top + now.bottom) / 2 == (oldDevice.top + oldDevice.bottom) / 2) {
        m_tracker.m_rect = oldDevice;
        return 0;
    }
    fw::CRect logical = ToLogical(pDC, now);
    logical.NormalizeRect();
    m_rect = DoSnapTrackRect(oldRect, logical, m_tracker.GetHandleMask());
    if (m_pElement) {
        m_pElement->SetSymbolRect(nullptr, &m_rect);
        CObjElementList diagram;
        m_pElement->DoCalcLabelV1(pDC, doc.GetEleSettings(),
                                  DiagramFor(m_pElement.get(), doc, diagram));
    }
    m_tracker.m_rect = ToDevice(pDC, m_rect);
    CTVUpdate before(oldRect.left, oldRect.top, oldRect.right, oldRect.bottom);
    doc.UpdateAllViews(tvhint::kRect, &before);
    fw::CRect u = GetUnionRect();
    CTVUpdate after(u.left, u.top, u.right, u.bottom);
    doc.UpdateAllViews(tvhint::kRect, &after);
    tree.DoRelayoutTouching(pDC, doc, this);
    return 1;
}

void CObjGroup::DoGroupSelected(fw::CDC* pDC, CObjGroupList& list) {
    fw::CRect r;
    for (auto it = list.begin(); it != list.end();) {
        if ((*it)->m_nSelected == 1 && it->get() != this) {
            r = UnionOf(r, (*it)->m_rect);
            m_children.AddTail(list.Detach(it++));
        } else {
            ++it;
        }
    }
    m_rect = r;
    m_tracker.m_rect = ToDevice(pDC, m_rect);
    for (auto& child : m_children) {
        child->m_ptAnchorOffset.x = m_rect.left - child->m_rect.left;
        child->m_ptAnchorOffset.y = m_rect.top - child->m_rect.top;
    }
}

int CObjGroup::DoMoveChildrenTo(CObjGroupList& list) {
    int count = 0;
    while (auto child = m_children.RemoveHead()) {
        list.AddTail(std::move(child));
        ++count;
    }
    return count;
}

// --- walks of the subtree ------------------------------------------------------------

void CObjGroup::DoInitNewElements(CTovarineDocData& doc) {
    for (auto& child : m_children)
        child->DoInitNewElements(doc);
    if (m_pElement)
        m_pElement->DoInitNewElement(doc);
}

void CObjGroup::DoCalcLabelV1(fw::CDC* pDC, CTovarineDocData& doc) {
    for (auto& child : m_children)
        child->DoCalcLabelV1(pDC, doc);
    if (m_pElement) {
        CObjElementList diagram;
        m_pElement->DoCalcLabelV1(pDC, doc.GetEleSettings(),
                                  DiagramFor(m_pElement.get(), doc, diagram));
    }
}

void CObjGroup::DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc) {
    CObjElementList diagram;
    DoDrawSkeleton(pDC, doc, diagram);
}

void CObjGroup::DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc) {
    CObjElementList diagram;
    DoDrawImpeMap(pDC, doc, diagram);
}

void CObjGroup::DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc, CObjElementList& diagram) {
    for (auto& child : m_children) {
        if (pDC->RectVisible(child->GetUnionRect()))
            child->DoDrawSkeleton(pDC, doc, diagram);
    }
    if (m_pElement) {
        const CEleDocSettings settings = doc.GetEleSettings();
        const CObjElementList* around = PaintDiagramFor(m_pElement.get(), doc, diagram);
        m_pElement->DoCalcLabelV1(pDC, settings, around);
        m_pElement->DoDrawSkeleton(pDC, settings, around);
    }
}

void CObjGroup::DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc, CObjElementList& diagram) {
    for (auto& child : m_children) {
        if (pDC->RectVisible(child->GetUnionRect()))
            child->DoDrawImpeMap(pDC, doc, diagram);
    }
    if (m_pElement) {
        const CEleDocSettings settings = doc.GetEleSettings();
        const CObjElementList* around = PaintDiagramFor(m_pElement.get(), doc, diagram);
        m_pElement->DoCalcLabelV4(pDC, settings, around);
        m_pElement->DoDrawImpeMap(pDC, settings, around);
    }
}

void CObjGroup::SetSelectCurve(CTovarineDocData& doc, int32_t value) {
    for (auto& child : m_children)
        child->SetSelectCurve(doc, value);
    if (m_pElement) {
        m_pElement->SetSelectCurve(value);
        doc.SetModifiedFlag();
        doc.UpdateAllViews(tvhint::kSelectionFirst, m_pElement.get());
    }
}

// --- the group record ---------------------------------------------------------------------

void CObjGroup::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        DoSerializeViewRect(ar, m_rect);
        ar << m_nMark << m_nSelected;
        DoSerializeViewPoint(ar, m_ptMoveOffset);
        DoSerializeViewRect(ar, m_rectMoveStart);
        DoSerializeViewPoint(ar, m_ptAnchorOffset);
        ar << m_strName << m_strExplanation;
        DoSerializeViewRect(ar, m_tracker.m_rect);
        ar << static_cast<uint32_t>(m_tracker.m_nStyle);
        ar << static_cast<int32_t>(m_pElement ? 1 : 0);
        if (m_pElement)
            ar.WriteObject(m_pElement.get());
        m_children.Serialize(ar);
        return;
    }
    LoadDepth depth;
    DoSerializeViewRect(ar, m_rect);
    ar >> m_nMark >> m_nSelected;
    DoSerializeViewPoint(ar, m_ptMoveOffset);
    DoSerializeViewRect(ar, m_rectMoveStart);
    DoSerializeViewPoint(ar, m_ptAnchorOffset);
    ar >> m_strName >> m_strExplanation;
    DoSerializeViewRect(ar, m_tracker.m_rect);
    uint32_t style = 0;
    ar >> style;
    m_tracker.m_nStyle = style;
    int32_t hasElement = 0;
    ar >> hasElement;
    if (hasElement == 1)
        m_pElement = ar.ReadOwned<CObjElement>();
    m_children.Serialize(ar);
}
