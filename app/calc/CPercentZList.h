#pragma once

#include "app/calc/CPercentZ.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CObjElement;

// What a reduction asks of the document: the orientation of an element and
// a complete calculation started at a junction (the recursion through a
// zero conductor that the start node's links name).
class CReductionHost {
public:
    virtual ~CReductionHost() = default;
    // The orientation word of the element (0 vertical, 1 and 2 the two
    // horizontal placements).
    virtual int32_t GetOrientation(const CObjElement* element) const = 0;
    // The whole three-phase (loop false) or earth-fault loop (loop true)
    // calculation with the element as fault point; its combined term.
    virtual CPercentZ CalcAt(CObjElement* element, bool loop) = 0;
};

// The working list of nodes of one network reduction. The list that makes a
// node owns it until the list goes: taking a node out of the list (a merge
// of the passes, a neighbour taken by a walk) only forgets its entry, so
// that every pointer a reduction still holds stays valid. A working copy
// holds the same entries and owns nothing: a directional reduction takes
// nodes out of its copy without disturbing the main list, and the copy must
// not outlive the list it was taken from.
class CPercentZList {
public:
    using iterator = std::vector<CPercentZ*>::iterator;
    using const_iterator = std::vector<CPercentZ*>::const_iterator;

    CPercentZList() = default;
    // Copies would share owned nodes: a copy is asked for by name.
    CPercentZList(const CPercentZList&) = delete;
    CPercentZList& operator=(const CPercentZList&) = delete;
    CPercentZList(CPercentZList&&) = default;
    CPercentZList& operator=(CPercentZList&&) = default;
    ~CPercentZList() = default;

    // The same entries, in the same order, owning none of them.
    CPercentZList MakeWorkingCopy() const;

    // A new zeroed node, owned by this list, appended at the tail.
    CPercentZ* DoAddNew();

    // Takes the first entry of the node out of the list; the node itself
    // lives on with its owner. False when the node is not in the list.
    bool Remove(const CPercentZ* node);
    iterator RemoveAt(iterator position) { return m_nodes.erase(position); }
    // Forgets every entry; the nodes live on with their owner.
    void RemoveAll() { m_nodes.clear(); }
    bool Contains(const CPercentZ* node) const;
    // Whether this list made the node (and so owns it).
    bool Owns(const CPercentZ* node) const;

    bool IsEmpty() const { return m_nodes.empty(); }
    size_t GetCount() const { return m_nodes.size(); }
    CPercentZ* GetHead() const { return m_nodes.empty() ? nullptr : m_nodes.front(); }
    CPercentZ* GetTail() const { return m_nodes.empty() ? nullptr : m_nodes.back(); }

    iterator begin() { return m_nodes.begin(); }
    iterator end() { return m_nodes.end(); }
    const_iterator begin() const { return m_nodes.begin(); }
    const_iterator end() const { return m_nodes.end(); }

    // --- the network reduction around one fault element ----------------------
    // Neighbour of a node in a direction (16, 64, 32, 128) by the rectangles:
    // with take 1 the node and the neighbour found leave the list (neither is
    // deleted).
    CPercentZ* DoFindNeighbour(CPercentZ* node, int32_t direction, int32_t take);

    // Zero-impedance side neighbours merge into their junctions.
    void DoPrepareZeroCond();
    // Pass-through and dead junctions go (three-phase and loop counts).
    void DoSeriesPhase();
    void DoSeriesLoop();
    // Branches between the same nodes are put in parallel; 1 when any were.
    int DoParallelPhase();
    int DoParallelLoop();
    // The node holding the fault element, with its links to the junctions
    // around a branch; null when there is none.
    CPercentZ* DoGetStartNode();

    // Reduction to the fault: the source-side (first) and motor-side
    // (second) terms, which the caller zeroed; the start node or null.
    CPercentZ* DoReducePhase(CReductionHost& host, CPercentZ& sourceSide, CPercentZ& motorSide);
    CPercentZ* DoReduceLoop(CReductionHost& host, CPercentZ& first, CPercentZ& second);

    CPercentZ DoReduceUp(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceDown(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceLeft(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceRight(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceLoopUp(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceLoopDown(CPercentZ* start, CPercentZ& out, int32_t flag, int32_t& reached);
    CPercentZ DoReduceLoopLeft(CPercentZ* start, CPercentZ& out, int32_t flag);
    CPercentZ DoReduceLoopRight(CPercentZ* start, CPercentZ& out, int32_t flag);
    // The through term of the network beyond a junction, taking nodes from
    // this list (a working copy); the in-feed beyond it in the out terms.
    CPercentZ DoWalkPhase(CPercentZ* junction, CPercentZ& first, CPercentZ& second, int32_t flag);
    CPercentZ DoWalkLoop(CPercentZ* junction, CPercentZ& out, int32_t flag, int32_t& reached);

private:
    struct TakeIndex;
    // A working copy for the reductions' walks, whose neighbour search with
    // take 1 goes through an index of the nodes' edges (on a long list):
    // it finds and takes what the plain search would, but its entries stay
    // as they were, so only its neighbour search and walks are asked of it.
    CPercentZList MakeTakingCopy() const;
    CPercentZ* DoFindNeighbourIndexed(CPercentZ* node, int32_t direction, int32_t take);

    CPercentZ DoReduceDirection(CPercentZ* start, CPercentZ& out, int32_t flag, int32_t direction);
    CPercentZ DoReduceLoopDirection(CPercentZ* start, CPercentZ& out, int32_t flag,
                                    int32_t direction, int32_t* reached);
    void DoSeries(bool loop);
    int DoParallel(bool loop);
    // A node merged into another or found dead: it leaves the list.
    void DoDelete(CPercentZ* node) { Remove(node); }

    // Every node this list made, in the order made, in blocks of room that
    // grow with the list (one allocation a node cost a reduction more than
    // its building); empty in a working copy. A node is made in the room
    // when asked for, and goes with its block.
    struct Block {
        explicit Block(size_t size);
        Block(Block&& other) noexcept;
        Block(const Block&) = delete;
        Block& operator=(const Block&) = delete;
        Block& operator=(Block&&) = delete;
        ~Block();
        CPercentZ* nodes;
        size_t room;
        size_t made = 0;
    };
    std::vector<Block> m_blocks;
    // The nodes in the list, in the list's order.
    std::vector<CPercentZ*> m_nodes;
    // A taking copy's index, shared by nothing else.
    std::shared_ptr<TakeIndex> m_pTake;
    // The series and parallel passes' index of edges and the series pass's
    // waits, kept from one pass to the next while the list changes only
    // through them (each pass checks that it does).
    struct PassState;
    std::shared_ptr<PassState> m_pPass;
    // The state, made anew unless the list is as the passes left it and,
    // for a series pass (three-phase 0, loop 1; -1 for the parallel pass),
    // its waits are of the same kind.
    PassState& GetPassState(int series);
};
