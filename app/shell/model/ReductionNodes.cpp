// The build stage of the network reductions: the node list is made of the
// chains of elements, so it is built here, above the calculation, where the
// element list and its walks are.

#include "ReductionNodes.h"

#include "CObjElement.h"
#include "CObjElementList.h"

#include "CCalcTerms.h"
#include "CElementMachine.h"
#include "app/elements/frame/CEleFrame.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

// A node standing for the element alone, with zero values: a machine that
// is itself the fault point, or a junction.
void SetAlone(CPercentZ* node, CObjElement* element, uint32_t kind, bool fault,
              const fw::CRect* rect = nullptr) {
    node->m_nKind = kind;
    if (rect)
        node->m_rect = *rect;
    else
        element->GetSymbolRect(&node->m_rect);
    node->m_pElement = element;
    node->m_nFaultPoint = fault ? 1 : 0;
}

// The elements of the kinds a build starts its nodes from, sorted by kind
// in one pass over the list, in list order, each with its index in the
// command's skeleton where the command's terms serve the list (else -1):
// their kinds are taken from the terms then.
struct Start {
    CObjElement* element;
    int32_t id;
};
struct Starts {
    Starts(const CObjElementList& elements, std::initializer_list<int32_t> kinds,
           const CCalcTerms* terms)
        : m_kinds(kinds), m_lists(kinds.size()) {
        const std::vector<int32_t>* ids =
            terms && terms->IsOf(elements.GetSkeleton()) ? &elements.GetIndexes() : nullptr;
        size_t place = 0;
        for (CObjElement* e : elements) {
            const int32_t id = ids ? (*ids)[place++] : -1;
            const int32_t kind = ids ? terms->KindOf(id) : e->GetKind();
            for (size_t k = 0; k < m_kinds.size(); ++k) {
                if (m_kinds[k] == kind) {
                    m_lists[k].push_back({e, id});
                    break;
                }
            }
        }
    }
    // Those of the kind still in the list now, as a collection by kind from
    // the list would give them: the list only loses elements.
    const std::vector<Start>& Of(int32_t kind, const CObjElementList& elements) {
        const size_t k =
            static_cast<size_t>(std::find(m_kinds.begin(), m_kinds.end(), kind) - m_kinds.begin());
        std::vector<Start>& list = m_lists[k];
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const Start& s) { return !elements.Holds(s.element); }),
                   list.end());
        return list;
    }
    std::vector<int32_t> m_kinds;
    std::vector<std::vector<Start>> m_lists;
};

using Walk = CPercentZ (CObjElementList::*)(const CEleDocSettings&, CObjElement*, CObjElement*,
                                            int32_t, int32_t*, CCalcTerms*);

// A junction node and every branch leaving it.
void BuildJunction(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                   const Start& junction, CObjElement* fault, Walk walk, CCalcTerms* terms) {
    CObjElement* zc = junction.element;
    SetAlone(nodes.DoAddNew(), zc, 8, zc == fault,
             junction.id >= 0 ? &terms->RectOf(junction.id, zc) : nullptr);
    auto branch = [&](CObjElement* from, int32_t direction, int32_t* reached) {
        CPercentZ* node = nodes.DoAddNew();
        *node = (elements.*walk)(settings, from, fault, direction, reached, terms);
        node->m_nKind = CPercentZ::kindBranch;
    };
    // Each walk takes its branch's elements out of the list, so the next
    // search finds the next branch.
    // The junction's index, where known, is the list's skeleton's.
    CObjElementList::NeighbourScan above;
    if (junction.id >= 0)
        above.id = junction.id;
    while (CObjElement* x = elements.FindNeighbourAgain(zc, kUp, above))
        branch(x, kUp, nullptr);
    CObjElementList::NeighbourScan below;
    below.id = above.id;
    while (CObjElement* x = elements.FindNeighbourAgain(zc, kDown, below))
        branch(x, kDown, nullptr);
    if (CObjElement* x = elements.FindNeighbour(zc, kLeft, 0)) {
        int32_t reached = 0;
        branch(x, kLeft, &reached);
        // A leftward walk stops before the fault: the fault and what lies
        // beyond it make a branch of their own.
        if (reached == 1)
            branch(fault, kLeft, nullptr);
    }
    if (CObjElement* x = elements.FindNeighbour(zc, kRight, 0))
        branch(x, kRight, nullptr);
}

} // namespace

void DoBuildPhase(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                  CObjElement* fault, CCalcTerms* terms) {
    Starts starts(elements, {4, 6, 7, 8}, terms);
    for (const Start& start : starts.Of(4, elements)) {
        CObjElement* s = start.element;
        CPercentZ* node = nodes.DoAddNew();
        *node = elements.CollectPercentZ1(settings, s, fault, kDown, nullptr, terms);
        node->m_nKind = 4;
    }
    for (int32_t kind : {6, 7}) {
        for (const Start& start : starts.Of(kind, elements)) {
            CObjElement* m = start.element;
            CPercentZ* node = nodes.DoAddNew();
            if (m == fault) {
                SetAlone(node, m, static_cast<uint32_t>(kind), true);
                elements.Remove(m);
            } else {
                *node = elements.CollectPercentZ1(settings, m, fault, kind == 6 ? kDown : kUp,
                                                  nullptr, terms);
                node->m_nKind = static_cast<uint32_t>(kind);
            }
            // The chain's sum becomes the machine's decayed contribution.
            CElementMachine machine(*m, settings);
            node->DoSetByElement(settings.dBaseCapacity, &machine);
        }
    }
    for (const Start& zc : starts.Of(8, elements))
        BuildJunction(nodes, settings, elements, zc, fault, &CObjElementList::CollectPercentZ1,
                      terms);
}

void DoBuildLoop(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                 CObjElement* fault, CCalcTerms* terms) {
    // The loop closes at the transformers: each node is its chain below and
    // the loop values of its chain above.
    Starts starts(elements, {5, 16, 6, 8}, terms);
    for (int32_t kind : {5, 16}) {
        for (const Start& start : starts.Of(kind, elements)) {
            CObjElement* t = start.element;
            CPercentZ* node = nodes.DoAddNew();
            *node = elements.CollectPercentZLoop(settings, t, fault, kDown, nullptr, terms);
            node->m_nKind = static_cast<uint32_t>(kind);
            // The walk up starts at the transformer, which the walk down took
            // out: a walk takes its start out first and looks only upward,
            // so it need not be put back in the list.
            CPercentZ above = elements.CollectPercentZLoop(settings, t, fault, kUp, nullptr, terms);
            node->m_rect.top = above.m_rect.top;
            node->DoAddN(above);
            node->DoAddPE(above);
        }
    }
    for (const Start& start : starts.Of(6, elements)) {
        CObjElement* g = start.element;
        CPercentZ* node = nodes.DoAddNew();
        *node = elements.CollectPercentZLoop(settings, g, fault, kDown, nullptr, terms);
        node->m_nKind = 6;
    }
    for (const Start& zc : starts.Of(8, elements))
        BuildJunction(nodes, settings, elements, zc, fault, &CObjElementList::CollectPercentZLoop,
                      terms);
}
