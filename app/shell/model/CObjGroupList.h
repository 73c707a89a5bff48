#pragma once

#include "framework/COwnedList.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

class CObjGroup;
class CTovarineDocData;
namespace fw {
class CDC;
}

// One level of the skeleton's drawing-object tree; it owns its groups. The
// document owns the top level, each compound group its children.
class CObjGroupList : public COwnedList<CObjGroup> {
public:
    // Out of line: the groups are complete only where the list is built.
    CObjGroupList();
    ~CObjGroupList();
    CObjGroupList(const CObjGroupList& other);
    CObjGroupList& operator=(const CObjGroupList& other);

    // Appends a new empty group and returns it.
    CObjGroup* AddNewGroup();
    // Frees this level, then appends a deep copy of every group of the other.
    void DoCopyFrom(const CObjGroupList& other);

    // --- selection -------------------------------------------------------------
    // Each group gets its own hit at the device point; the number hit.
    int DoSelectAtPoint(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point, uint32_t keys);
    // Only the first group hit counts as hit; that group's result.
    int DoSelectFirstAtPoint(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point, uint32_t keys);
    // A hit on a group already selected keeps the selection (result 1).
    int DoSelectAtPointKeep(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point, uint32_t keys);
    // Groups intersecting the rubber band (device units); how many.
    int DoSelectInRect(fw::CDC* pDC, CTovarineDocData& doc, const fw::CRect& deviceRect);
    void DoSelectAll(CTovarineDocData& doc);
    void DoClearSelection(CTovarineDocData& doc);
    // Sets the flag of every group (and of the whole tree, and the elements,
    // when asked) without any redraw.
    void SetSelectAll(int32_t value, bool wholeTree, bool elementsToo);
    // The selected (unselected) groups of this level, appended to out when
    // given; the count.
    int GetSelected(std::vector<CObjGroup*>* out = nullptr) const;
    int GetUnselected(std::vector<CObjGroup*>* out = nullptr) const;
    // True when no selected group of this level is a compound one.
    bool IsNoSelectedCompound() const;

    // --- editing ---------------------------------------------------------------
    // Prepares a drag of every group of this level from (x, y); the area to
    // redraw in logical units.
    fw::CRect DoBeginMove(fw::CDC* pDC, int32_t x, int32_t y);
    // Runs the tracker of the first selected group hit at the device point;
    // drag runs the user's drag on the tracker (true when it changed the
    // rectangle). 1 when the group was resized.
    int DoTrackSelected(fw::CDC* pDC, CTovarineDocData& doc, fw::CPoint point,
                        const std::function<bool(CObjGroup&)>& drag);
    // Hands the children of every selected compound group to the end of this
    // level and frees the emptied groups; the area to redraw.
    fw::CRect DoUngroupSelected();
    // Flags 0: frees every selected group; flags 2: only those whose mark is
    // 0. The labels of the elements touching each are laid out again.
    void DoDeleteSelected(CTovarineDocData& doc, fw::CDC* pDC, int32_t flags);
    // Lays out again the labels of the elements touching a group.
    void DoRelayoutTouching(fw::CDC* pDC, CTovarineDocData& doc, const CObjGroup* group);
    void DoClearMarks();
    // The leaves of this level whose element can be turned (copies or the
    // groups themselves); the count.
    int CollectRotatable(CObjGroupList* copiesOut, std::vector<CObjGroup*>* groupsOut,
                         int32_t selectedOnly) const;

    // --- graphs ----------------------------------------------------------------
    int CountAddableToGraph(uint32_t graphNo) const;
    // Puts the addable elements of the selected groups on the graph of the
    // kind (CObjGraph's kinds); the union of the groups that gave one.
    fw::CRect DoAddToGraph(uint32_t graphNo, int32_t display, uint32_t graphKind = 0);

    // --- drawing and extent ------------------------------------------------------
    void DoDrawSkeleton(fw::CDC* pDC, CTovarineDocData& doc);
    void DoDrawImpeMap(fw::CDC* pDC, CTovarineDocData& doc);
    // The union of the stored rectangles.
    fw::CRect GetGroupsRect() const;
    // The union with labels grown by 1; with frame counts asked for and a
    // non-empty union: across = right / 40 + 1, down = bottom / 40.
    fw::CRect GetUnionRect(int32_t* countX = nullptr, int32_t* countY = nullptr) const;

    // The group record's list: the count, then one object per group.
    void Serialize(fw::CArchive& ar);
};
