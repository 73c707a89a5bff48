#pragma once

#include "CObjElementList.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <unordered_map>
#include <utility>
#include <vector>

class CObjElement;

// The connections of a whole skeleton as the short-circuit calculation
// prunes its working lists, worked out once for all the faults of one
// Calculation command.
//
// The calculation gives every fault a fresh copy of all the elements and
// prunes it in three passes (dead ends, elements that do not reach the
// fault, elements no supply feeds) before it reduces the rest. Done as the
// passes say, that costs the square of the skeleton or more for every
// fault. On a skeleton whose connections form a tree, in which no element
// but a zero conductor meets two others on one side and every connection
// is seen alike from both ends, the passes have a closed form: the dead-end
// pass keeps the elements on the paths between the elements that need one
// neighbour only (supplies, machines, and the fault), the second pass the
// tree of the fault among them, the third what a supply reaches from below.
// This class keeps those trees and gives each fault its pruned list in the
// list's order, exactly as the passes leave it; on any other skeleton it
// says so and the calculation runs the passes themselves.
class CCalcSkeleton {
public:
    // Worked out from the list of all the elements, in the order the
    // working lists of the calculation are copied from.
    explicit CCalcSkeleton(const CObjElementList& all);

    // The list of all the elements this was made from, as it was given.
    const CObjElementList& GetAll() const { return m_all; }
    // Whether the list holds exactly the elements, in the order, this was
    // made from: only such a list can be pruned here.
    bool Matches(const CObjElementList& list) const;
    // Whether the skeleton is a tree the closed form holds for.
    bool IsTree() const { return m_bTree; }

    // The element's index in the list this was made from, -1 for another.
    // The list building asks this at every step of its walks: an open
    // table by address answers in about one probe.
    int32_t IndexOf(const CObjElement* element) const {
        if (m_slots.empty())
            return -1;
        const size_t mask = m_slots.size() - 1;
        for (size_t s = SlotOf(element);; s = (s + 1) & mask) {
            const Slot& slot = m_slots[s];
            if (slot.element == element)
                return slot.id;
            if (!slot.element)
                return -1;
        }
    }
    size_t GetCount() const { return m_elements.size(); }
    CObjElement* ElementAt(int32_t index) const { return m_elements[static_cast<size_t>(index)]; }
    // The indexes of the elements the neighbour search finds in the
    // direction (16, 64, 128, 32), in list order; null for another
    // direction. Empty where the element has no terminal that way.
    const std::vector<int32_t>* Neighbours(int32_t index, int32_t direction) const;

    // The working list as the three-phase passes (dead ends with the
    // motor-effect flag, unconnected, unfed by a supply) leave it, and as
    // the earth-fault loop passes (dead ends, unconnected, unfed by a
    // transformer or generator) leave it. False, and the list untouched,
    // where the closed form does not hold (the list does not match, the
    // skeleton is no such tree): the caller runs the passes.
    bool DoPrunePhase(CObjElementList& list, CObjElement* fault, int32_t keepMotorEffects) const;
    bool DoPruneLoop(CObjElementList& list, CObjElement* fault) const;
    // The dead-end pass alone, on any skeleton (loop: the earth-fault
    // loop's dead ends, else the three-phase ones with the flag): removing
    // a dead end never brings another to life, so the pass ends with the
    // same list whichever dead end goes first, and here each goes once
    // instead of a new pass over the list after each. False, the list
    // untouched, when it does not match.
    bool DoPruneDeadEnds(CObjElementList& list, CObjElement* fault, bool loop,
                         int32_t keepMotorEffects) const;
    // The same three for the list of all the elements this was made from,
    // which the caller need not copy (nor this compare): the list given is
    // filled with the pruned elements, and left as it was on false.
    bool DoPrunePhaseOfAll(CObjElementList& list, CObjElement* fault,
                           int32_t keepMotorEffects) const;
    bool DoPruneLoopOfAll(CObjElementList& list, CObjElement* fault) const;
    bool DoPruneDeadEndsOfAll(CObjElementList& list, CObjElement* fault, bool loop,
                              int32_t keepMotorEffects) const;
    // The two passes after the dead ends (elements that do not reach the
    // fault, elements that no supply feeds: loop, by a transformer or
    // generator), on the list as the dead ends left it. The passes walk a
    // consumed copy of the list for each element; here the walks mark what
    // they use up instead, without copies or searches through the list.
    // Whether an element reaches the fault is, on a skeleton of the path
    // form, one traversal for all of them: where no element but a zero
    // conductor has two neighbours on one side or neighbours both on its
    // axis and across it, and every connection is seen alike from both
    // ends, a walk enters an element from one neighbour and leaves by the
    // other, so what an earlier walk used up only leads back to where the
    // walks have been, and a walk reaches what the connections reach. Which
    // feed a walk meets first does depend on what was used up (a
    // transformer passed going down no longer feeds the bus below it), so
    // the supply pass always walks. False, the list untouched, where an
    // element is twice in the skeleton or the list is not taken from it in
    // its order.
    bool DoPruneReach(CObjElementList& list, CObjElement* fault, bool loop) const;
    // Whether the skeleton is one DoPruneReach answers for.
    bool IsPathForm() const { return m_bPathForm; }

    // The two terms a reduction of the whole skeleton gave for a fault
    // (three-phase with flag 1, or the earth-fault loop), kept for the
    // command: the same fault reduced again gives the same terms. found is
    // false where no node held the fault.
    struct Reduction {
        bool found = false;
        CPercentZ first;
        CPercentZ second;
    };
    const Reduction* FindReduction(const CObjElement* fault, bool loop) const;
    void KeepReduction(const CObjElement* fault, bool loop, const Reduction& reduction) const;

private:
    enum Direction { kUp, kDown, kLeft, kRight, kDirections };
    enum class Need { Never, Always, Below, Above, Either, BothAxis, TwoAny };

    // The trees of one set of pruning rules.
    struct Variant {
        std::vector<uint8_t> alive;              // not dead whatever the others
        std::vector<uint8_t> anchor;             // needs one neighbour only
        std::vector<int32_t> parent;             // in the tree of its part, -1 at the root
        std::vector<int32_t> part;               // the connected part, -1 when not alive
        std::vector<uint8_t> onPaths;            // on the paths between the anchors of its part
        std::vector<int32_t> anchors;            // by part: how many anchors
        std::vector<std::vector<int32_t>> paths; // by part: the elements on the paths, in order
    };

    static Need NeedOf(const CObjElement* e, bool loop, int32_t keepMotorEffects);
    // One neighbour a side (a zero conductor, a junction, many above and
    // below it), every connection seen alike from both ends.
    bool HasPathLinks(size_t i, bool junction) const;
    // The skeleton's forms, by the neighbours found (junction: by element).
    bool FindsPathForm(const std::vector<uint8_t>& junction) const;
    bool FindsTree(const std::vector<uint8_t>& junction) const;
    void BuildVariant(Variant& v, bool loop, int32_t keepMotorEffects);
    // The pruned elements' indexes for the fault, in list order; false when
    // the fault is beyond the closed form (the caller runs the passes).
    bool Prune(const Variant& v, int32_t fault, bool loop, std::vector<int32_t>& kept) const;
    // Its first pass: the dead ends gone and only what reaches the fault
    // left (false beyond the closed form). The second: only what a supply
    // feeds, three-phase (a source or generator anywhere feeds the tree) or
    // in the earth-fault loop (by a transformer entered from below, or a
    // generator).
    bool KeepReachingFault(const Variant& v, int32_t fault, std::vector<int32_t>& kept) const;
    void KeepFedThreePhase(std::vector<int32_t>& kept) const;
    void KeepFedInLoop(std::vector<int32_t>& kept) const;
    bool IsKindOf(int32_t x, std::initializer_list<int32_t> kinds) const;
    void Fill(CObjElementList& list, const std::vector<int32_t>& kept) const;
    // The dead-end pass over the members (in), from the elements of the
    // work list: each that is dead goes, and those that found it are asked
    // again.
    void KillDeadEnds(const std::vector<Need>& needs, const CObjElement* fault,
                      std::vector<uint8_t>& in, std::vector<int32_t>& work) const;
    // A set of elements marked by a stamp in an array by element, with its
    // members' indexes in list order: the passes after the dead ends see
    // the few elements a fault keeps, never all of the skeleton.
    struct Members {
        const std::vector<uint32_t>* mark = nullptr;
        uint32_t stamp = 0;
        const std::vector<int32_t>* ids = nullptr;
        bool Has(size_t i) const { return (*mark)[i] == stamp; }
    };
    // The list's members, marked by the stamp in in, or false where the
    // list is not a part of this skeleton's list in its order.
    bool MembersOf(const CObjElementList& list, uint32_t stamp, std::vector<int32_t>& ids) const;
    // The elements from whose walks the passes reach their goal: the fault
    // (unconnected) or a feed (unfed), among the members; in list order,
    // and marked by the members' stamp in the scratch's reached.
    void Reaching(const Members& in, int32_t fault, std::vector<int32_t>& keep) const;
    void Connected(const Members& in, int32_t fault, std::vector<int32_t>& keep) const;
    void Fed(const Members& in, bool loop, std::vector<int32_t>& keep) const;
    // A stamp for one walk of the passes' walks, no element's used mark yet.
    uint32_t NextWalk() const;

    struct Slot {
        const CObjElement* element = nullptr;
        int32_t id = -1;
    };
    size_t SlotOf(const CObjElement* element) const {
        const auto key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(element));
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> m_slotShift);
    }

    CObjElementList m_all;
    std::vector<CObjElement*> m_elements;
    // The index by address: a power of two of slots, at most half used;
    // empty where an element is twice in the list (no index then).
    std::vector<Slot> m_slots;
    int m_slotShift = 63;
    std::vector<int32_t> m_kinds;
    // The neighbours of each element in each direction, in list order.
    std::vector<std::vector<int32_t>> m_next[kDirections];
    // A zero conductor's neighbours that are zero conductors, in list order
    // (empty for other elements).
    std::vector<std::vector<int32_t>> m_nextJunctions[kDirections];
    // The elements that find each element as their neighbour, whatever the
    // direction.
    std::vector<std::vector<int32_t>> m_found;
    std::vector<uint8_t> m_horizontal;
    // By element: three-phase with motor effects kept, without, the loop.
    std::vector<Need> m_needs[3];
    // Working space of the faults, kept between them so that a calculation
    // neither allocates it again nor clears all of it for each: an element
    // is marked by the current stamp, and a new stamp unmarks all at once.
    struct Scratch {
        std::vector<uint32_t> mark; // by element: the stamp that marked it
        std::vector<int32_t> place; // by element marked: its place in a list
        uint32_t stamp = 0;
        // The passes after the dead ends, by the same stamp: the members,
        // those that reach the fault, and the states of the walks that do
        // (five by element).
        std::vector<uint32_t> in;
        std::vector<uint32_t> reached;
        std::vector<int32_t> members;
        // The walks' states by the members' places (five a member), and the
        // connections between members: by state, the members it is reached
        // from.
        std::vector<int32_t> memberPlace;
        std::vector<uint8_t> goodByPlace;
        std::vector<std::pair<uint32_t, int32_t>> edges;
        std::vector<uint32_t> edgeStart;
        std::vector<uint32_t> edgeNext;
        std::vector<int32_t> edgeFrom;
        std::vector<int32_t> connected;
        std::vector<int32_t> fedIds;
        std::vector<size_t> states;
        // By element: the walk that used it up (a stamp of its own, one a
        // walk).
        std::vector<uint32_t> used;
        uint32_t walk = 0;
        // By element, with the members' stamp: a walk that comes up to it
        // finds a feed going up (see Fed), and the elements a walk passed.
        std::vector<uint32_t> upFed;
        std::vector<int32_t> chain;
        // The dead-end pass with a fault outside what it leaves without one.
        std::vector<int32_t> work;
        std::vector<int32_t> survivors;
        std::vector<int32_t> kept;
        std::vector<int32_t> path;
        std::vector<int32_t> all;
        std::vector<size_t> parent;
        std::vector<size_t> order;
        std::vector<uint8_t> seen;
        std::vector<uint8_t> feedsSubtree;
        std::vector<int32_t> feedsOutside;
        std::vector<uint8_t> fed;
        std::vector<int32_t> within;
        // A stamp no element carries yet.
        uint32_t Next();
    };
    mutable Scratch m_scratch;
    // By needs: what the dead-end pass leaves without a fault, once asked,
    // by element and as the indexes in list order; and the members of the
    // pass with a fault, which is the same between faults (a fault adds its
    // own elements, and takes them out again when done).
    mutable std::vector<uint8_t> m_deadEndsBase[3];
    mutable std::vector<int32_t> m_deadEndsBaseIds[3];
    mutable std::vector<uint8_t> m_deadEndsIn[3];
    // By needs: the regions of the elements the pass without a fault takes
    // out, connected among themselves (each in list order), and each such
    // element's region (-1 for the others).
    mutable std::vector<std::vector<int32_t>> m_deadEndsRegions[3];
    mutable std::vector<int32_t> m_deadEndsRegionOf[3];
    // By fault: the reductions kept, three-phase and loop.
    mutable std::unordered_map<const CObjElement*, Reduction> m_reductions[2];
    bool m_bTree = false;
    bool m_bPathForm = false;
    // Every neighbour above an element has its top higher than the
    // element's: a walk going only up never comes back to where it was.
    bool m_bRisesUp = false;
    Variant m_phase;     // motor effects kept (the flag every caller passes)
    Variant m_phaseBare; // motor effects dead
    Variant m_loop;
};
