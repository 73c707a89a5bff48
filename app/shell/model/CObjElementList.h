#pragma once

#include "app/calc/CPercentZ.h"
#include "framework/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CCalcSkeleton;
class CCalcTerms;
class CObjElement;
class CObjGroup;
class CObjGroupList;
struct CEleDocSettings;
class CObjGraph;

// A working list of the skeleton's elements. The skeleton has no nodes:
// two elements are connected when their symbol rectangles touch on the grid
// at terminals both of them have, and every question about the circuit is a
// walk over such a list. The list does not own its elements (they belong to
// the group tree), except the copies a collection is asked for, which the
// caller frees with DoDeleteElements. Consuming walks remove what they visit,
// so they end on any skeleton, loops included; give them a scratch copy.
class CObjElementList {
public:
    CObjElementList() = default;
    CObjElementList(const CObjElementList&) = default;
    CObjElementList& operator=(const CObjElementList&) = default;

    // --- the list ------------------------------------------------------------
    size_t GetCount() const { return Live().size(); }
    bool IsEmpty() const { return Live().empty(); }
    CObjElement* GetAt(size_t i) const { return Live()[i]; }
    auto begin() const { return Live().begin(); }
    auto end() const { return Live().end(); }
    void AddTail(CObjElement* element);
    void AddHead(CObjElement* element);
    // Appends every element of another list.
    void AddTail(const CObjElementList& other);
    bool Contains(const CObjElement* element) const;
    // The same answer, with the skeleton without a search.
    bool Holds(const CObjElement* element) const;
    // Removes the element when it is in the list; true when it was.
    bool Remove(const CObjElement* element);
    void RemoveAll();
    // Frees every element of a list of copies and empties the list.
    void DoDeleteElements();

    // Appends a new empty element (kind 0) and returns it; the caller owns it.
    CObjElement* AddNewElement();

    // --- the calculation's index ---------------------------------------------------
    // While a calculation prunes and walks its working lists, the neighbour
    // search looks the neighbours up in the skeleton's connections instead
    // of measuring every element of the list; it finds the same element.
    // The skeleton must outlive the list's use of it, and hold every element
    // the list is given: anything else given to the list drops the index.
    void AttachSkeleton(const CCalcSkeleton* skeleton);
    // The list becomes the skeleton's elements of the indexes, in their
    // order, with the index attached.
    void AssignFromSkeleton(const CCalcSkeleton* skeleton, const std::vector<int32_t>& ids);
    void DetachSkeleton();
    // The skeleton attached, or null; with it, each element's index in it,
    // in list order (else empty).
    const CCalcSkeleton* GetSkeleton() const { return m_pSkeleton; }
    const std::vector<int32_t>& GetIndexes() const {
        Live();
        return m_ids;
    }

    // --- adjacency -------------------------------------------------------------
    // The first element of the list (in list order, the element itself
    // skipped) connected to the element in the direction (16 up, 32 right,
    // 64 down, 128 left), or null. With consume 1 the element and the found
    // neighbour are removed from the list, so asking again gives the next
    // neighbour on that side.
    CObjElement* FindNeighbour(CObjElement* element, int32_t direction, int32_t consume);
    // The same search without consuming, asked again and again of one
    // element on one side while the list only loses elements in between (a
    // junction's branches, each walk taking its own out). With the skeleton
    // on a list in its order, each search goes on where the last stopped:
    // the neighbours it passed have gone and stay gone. Start each such
    // series with a new scan.
    struct NeighbourScan {
        int32_t id = -2; // the element's index, -2 before the first search
        size_t from = 0; // the first of its neighbours that may be in the list
    };
    CObjElement* FindNeighbourAgain(CObjElement* element, int32_t direction, NeighbourScan& scan);

    // Appends the leaf elements of a group tree whose rectangles touch the
    // group's rectangle (the group itself skipped); returns how many.
    int CollectTouching(const CObjGroupList& groups, const CObjGroup* group);

    // --- collections (each appends and returns how many it appended) --------------
    int CollectByKind(const CObjElementList& list, int32_t kind, int32_t inOrder,
                      int32_t selectedOnly);
    // Generators, motor effects and capacitors first (inserted at the head,
    // so in reverse list order), then every other calculation point.
    int CollectCalcOrder(const CObjElementList& list);
    int CollectCalcPoints(const CObjElementList& list);
    int CollectCalcPointsByKind(const CObjElementList& list, int32_t kind, int32_t selectedOnly);
    int CollectFromGroups(const CObjGroupList& groups, int32_t selectedOnly, int32_t copies);
    // The leaves whose element has its curve on the graph (with
    // selectedCurveOnly 1, a selected curve of either characteristic).
    int CollectFromGroupsFiltered(const CObjGroupList& groups, const CObjGraph* graph,
                                  int32_t selectedCurveOnly, int32_t copies);

    // --- walks over this working list -------------------------------------------
    bool IsInJunctionBranch(CObjElement* junction, CObjElement* target);
    bool IsInJunctionBranchSameLevel(CObjElement* junction, CObjElement* target);
    bool IsDirectlyFedBy(CObjElement* element, CObjElement* target);
    bool IsUpstreamDevice(CObjElement* element, CObjElement* target);
    bool IsUpstreamDeviceSameLevel(CObjElement* element, CObjElement* target);
    bool IsDeadEndLoop(CObjElement* element);
    bool IsDeadEndPhase(CObjElement* element, int32_t keepMotorEffects);
    double GetSupplyCapacity(CObjElement* element);
    CObjElement* FindTransformer(CObjElement* element);
    CObjElement* FindSupply(CObjElement* element);
    bool IsConnected(CObjElement* element, CObjElement* target);

    // --- percent impedance along a path ----------------------------------------------
    // The run of elements from the start in the first direction of the mask
    // (16, 64, 128, 32 in that order of priority): phase values, and loop
    // values of the conductors. reached, when given, becomes 1 when the
    // sought element was met (it is never cleared).
    // terms, when given, are the command's for the list's skeleton: each
    // element's values are taken from them instead of worked out again.
    CPercentZ CollectPercentZ1(const CEleDocSettings& settings, CObjElement* start,
                               CObjElement* sought, int32_t mask, int32_t* reached = nullptr,
                               CCalcTerms* terms = nullptr);
    CPercentZ CollectPercentZ(const CEleDocSettings& settings, CObjElement* start,
                              CObjElement* sought, int32_t mask, int32_t* reached = nullptr);
    // The run of CollectPercentZ (where it stops, its loop values) that
    // also sums the phase values of its elements as CollectPercentZ1 adds
    // them. The loop reduction's nodes carry these for its zero tests (the
    // junction preparation and the start node's links ask whether a node
    // has an impedance), which the loop values alone would fail for every
    // conductor.
    CPercentZ CollectPercentZLoop(const CEleDocSettings& settings, CObjElement* start,
                                  CObjElement* sought, int32_t mask, int32_t* reached = nullptr,
                                  CCalcTerms* terms = nullptr);

private:
    bool JunctionBranch(CObjElement* junction, CObjElement* target, bool sameLevel);
    bool UpstreamDevice(CObjElement* element, CObjElement* target, bool sameLevel);
    // Whether the element has neighbours on both sides of its axis
    // (above and below, or left and right when horizontal); not consuming.
    bool HasBothNeighbours(CObjElement* element, bool horizontal);
    bool HasNeighbour(CObjElement* element, int32_t direction);
    int CountAllNeighbours(CObjElement* element) const;
    // The transformer and supply searches: isResult names the kinds that
    // answer in the chains above.
    CObjElement* FindSearch(CObjElement* element, bool (*isResult)(int32_t));
    CPercentZ CollectRun(const CEleDocSettings& settings, CObjElement* start, CObjElement* sought,
                         int32_t mask, int32_t* reached, bool loop, bool withPhase,
                         CCalcTerms* terms);
    // With the skeleton: the index of the neighbour the search finds
    // (without consuming), -1 for none; and an element's removal by index.
    int32_t NextInList(int32_t id, int32_t direction) const;
    bool RemoveIndex(int32_t id);
    void CollectGroups(const CObjGroupList& groups, int32_t selectedOnly, int32_t copies,
                       int* count);
    void CollectGroupsFiltered(const CObjGroupList& groups, const CObjGraph* graph,
                               int32_t selectedCurveOnly, int32_t copies, int* count);

    // The elements with what has gone taken out.
    const std::vector<CObjElement*>& Live() const {
        if (m_nGone > 0)
            TakeOutGone();
        return m_elements;
    }
    void TakeOutGone() const;
    // Marks the element of the index gone (with the skeleton, on a list in
    // its order).
    void MarkGone(int32_t id);

    // With the skeleton on a list in its order, an element that leaves the
    // list is only unmarked in m_in (its entries stay here and in m_ids),
    // and the entries go in one sweep when the list is next read: the walks
    // of a calculation take out one element after another.
    mutable std::vector<CObjElement*> m_elements;
    mutable size_t m_nGone = 0;
    // With the skeleton: each element's index in it, in list order.
    const CCalcSkeleton* m_pSkeleton = nullptr;
    mutable std::vector<int32_t> m_ids;
    // With the skeleton: the indexes rise along the list.
    bool m_bInOrder = false;
    // With the skeleton: by index in it, whether the element is in the list,
    // so that a neighbour that has gone is known without a search.
    std::vector<uint8_t> m_in;
};
