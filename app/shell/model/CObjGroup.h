#pragma once

#include "app/records/CTVTracker.h"
#include "app/shell/model/CObjGroupList.h"
#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>

class CObjElement;
class CObjElementList;
class CTovarineDocData;

// One node of the skeleton's drawing-object tree: a leaf holds exactly one
// element, a compound node the groups the user grouped. The node owns its
// element and its children. Its selected flag, rectangles and tracker are
// view state stored with the document.
class CObjGroup : public fw::CObject {
    FW_DECLARE_SERIAL(CObjGroup)
public:
    // Nesting of groups read from a file is bounded: far beyond any diagram
    // (each level is one Group command), and a crafted file cannot exhaust
    // the stack.
    static constexpr int kMaxNestingDepth = 200;

    CObjGroup();
    ~CObjGroup() override;
    CObjGroup(const CObjGroup& other);
    CObjGroup& operator=(const CObjGroup&) = delete;

    // Makes this node a deep copy of another.
    void CopyGroupTree(const CObjGroup& source);

    // --- placing -----------------------------------------------------------------
    // Fills this new leaf with a new element of the kind at the document's
    // insertion point (floored to the grid), turned variant times, selected
    // and set up; the element.
    CObjElement* InsertElement(fw::CDC* pDC, CTovarineDocData& doc, int32_t kind, int32_t variant);
    // The same for an element measured on the device context first (text
    // boxes).
    CObjElement* DoCreateElement(fw::CDC* pDC, CTovarineDocData& doc, int32_t kind);
    // Two new leaves: a contactor at the floored point and a thermal relay
    // one unit below it; both selected. The union comes back in rect.
    void InsertContactorThermal(fw::CRect* rect, fw::CDC* pDC, CTovarineDocData& doc, int32_t x,
                                int32_t y, CObjElement** contactor, CObjElement** thermal);

    // --- geometry and hit tests -----------------------------------------------------
    fw::CRect GetRect() const { return m_rect; }
    fw::CRect GetSymbolRect() const;
    fw::CRect GetUnionRect() const;
    bool IsHitted(fw::CDC* pDC, fw::CPoint devicePoint) const;
    bool IsIntersected(fw::CDC* pDC, const fw::CRect& deviceRect) const;
    std::string GetNamesText() const;

    // --- selection and tracker ---------------------------------------------------------
    // 1 when the selection changed; keys bit 4 is Shift.
    int DoSelect(uint32_t keys, bool hit, int32_t mode);
    void DoSetTrackerStyle(int32_t mode);
    fw::CRect DoCalcTrackerRect(fw::CDC* pDC);
    fw::CRect GetTrackerTrueRect() const;

    // --- moving and resizing -------------------------------------------------------------
    // Moves the node so that its top-left is (x, y) minus its anchor offset;
    // the node's new rectangle.
    fw::CRect DoMoveTo(fw::CDC* pDC, int32_t x, int32_t y);
    // The resize of a dragged tracker: snaps the moved edges to the grid.
    fw::CRect DoSnapTrackRect(const fw::CRect& oldRect, const fw::CRect& newRect,
                              unsigned handleMask) const;
    // Runs the drag and applies its snapped result; 1 when the group changed.
    int DoTrack(fw::CDC* pDC, CTovarineDocData& doc, const std::function<bool(CObjGroup&)>& drag);
    // Takes the selected groups out of list into this node's children.
    void DoGroupSelected(fw::CDC* pDC, CObjGroupList& list);
    // Appends every child to list and empties this node; how many.
    int DoMoveChildrenTo(CObjGroupList& list);

    // --- walks of the subtree (children first, then the node's element) -------------------
    void DoInitNewElements(CTovarineDocData& doc);
    void DoCalcLabelV1(fw::CDC* pDC, CTovarineDocData& doc);
    // diagram: the document's elements for the zero conductors of one
    // paint, collected by the first that needs them (empty until then);
    // the children outside the area the paint exposes are not drawn.
    void DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc);
    void DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc);
    void DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc, CObjElementList& diagram);
    void DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc, CObjElementList& diagram);
    void SetSelectCurve(CTovarineDocData& doc, int32_t value);

    void Serialize(fw::CArchive& ar) override;

    // --- access ----------------------------------------------------------------------
    CObjElement* GetElement() const { return m_pElement.get(); }
    // Makes the node a leaf of the element (owned from now on).
    void SetElement(std::unique_ptr<CObjElement> element);
    std::unique_ptr<CObjElement> DetachElement();
    CObjGroupList& GetChildren() { return m_children; }
    const CObjGroupList& GetChildren() const { return m_children; }
    int32_t GetSelected() const { return m_nSelected; }
    void SetSelected(int32_t value) { m_nSelected = value; }

    std::string m_strName;
    std::string m_strExplanation;
    int32_t m_nSelected = 0;
    fw::CRect m_rect;
    int32_t m_nMark = 0;
    fw::CRect m_rectMoveStart;
    fw::CPoint m_ptMoveOffset;
    fw::CPoint m_ptAnchorOffset;
    CObjGroupList m_children;
    std::unique_ptr<CObjElement> m_pElement;
    CTVTracker m_tracker;
};

// The grid of the skeleton: 40 logical units, corners at multiples plus 1.
constexpr int32_t kGridUnit = 40;
// A point snapped for placing a symbol: to the nearer grid corner (a
// remainder of exactly 20 goes down).
int32_t DoSnapToGrid(int32_t v);
// The insertion point of a new element: floored to its cell's corner.
int32_t DoFloorToGrid(int32_t v);
