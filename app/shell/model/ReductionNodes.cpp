// The build stage of the network reductions: the node list is made of the
// chains of elements, so it is built here, above the calculation, where the
// element list and its walks are.

#include "ReductionNodes.h"

#include "CObjElement.h"
#include "CObjElementList.h"

#include "CElementMachine.h"
#include "app/elements/frame/CEleFrame.h"

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

// A node standing for the element alone, with zero values: a machine that
// is itself the fault point, or a junction.
void SetAlone(CPercentZ* node, CObjElement* element, uint32_t kind, bool fault) {
    node->m_nKind = kind;
    element->GetSymbolRect(&node->m_rect);
    node->m_pElement = element;
    node->m_nFaultPoint = fault ? 1 : 0;
}

using Walk = CPercentZ (CObjElementList::*)(const CEleDocSettings&, CObjElement*, CObjElement*,
                                            int32_t, int32_t*);

// A junction node and every branch leaving it.
void BuildJunction(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                   CObjElement* zc, CObjElement* fault, Walk walk) {
    SetAlone(nodes.DoAddNew(), zc, 8, zc == fault);
    auto branch = [&](CObjElement* from, int32_t direction, int32_t* reached) {
        CPercentZ* node = nodes.DoAddNew();
        *node = (elements.*walk)(settings, from, fault, direction, reached);
        node->m_nKind = CPercentZ::kindBranch;
    };
    // Each walk takes its branch's elements out of the list, so the next
    // search finds the next branch.
    while (CObjElement* x = elements.FindNeighbour(zc, kUp, 0))
        branch(x, kUp, nullptr);
    while (CObjElement* x = elements.FindNeighbour(zc, kDown, 0))
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
                  CObjElement* fault) {
    CObjElementList sources;
    sources.CollectByKind(elements, 4, 0, 0);
    for (CObjElement* s : sources) {
        CPercentZ* node = nodes.DoAddNew();
        *node = elements.CollectPercentZ1(settings, s, fault, kDown);
        node->m_nKind = 4;
    }
    for (int32_t kind : {6, 7}) {
        CObjElementList machines;
        machines.CollectByKind(elements, kind, 0, 0);
        for (CObjElement* m : machines) {
            CPercentZ* node = nodes.DoAddNew();
            if (m == fault) {
                SetAlone(node, m, static_cast<uint32_t>(kind), true);
                elements.Remove(m);
            } else {
                *node = elements.CollectPercentZ1(settings, m, fault, kind == 6 ? kDown : kUp);
                node->m_nKind = static_cast<uint32_t>(kind);
            }
            // The chain's sum becomes the machine's decayed contribution.
            CElementMachine machine(*m, settings);
            node->DoSetByElement(settings.dBaseCapacity, &machine);
        }
    }
    CObjElementList junctions;
    junctions.CollectByKind(elements, 8, 0, 0);
    for (CObjElement* zc : junctions)
        BuildJunction(nodes, settings, elements, zc, fault, &CObjElementList::CollectPercentZ1);
}

void DoBuildLoop(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                 CObjElement* fault) {
    // The loop closes at the transformers: each node is its chain below and
    // the loop values of its chain above.
    for (int32_t kind : {5, 16}) {
        CObjElementList transformers;
        transformers.CollectByKind(elements, kind, 0, 0);
        for (CObjElement* t : transformers) {
            CPercentZ* node = nodes.DoAddNew();
            *node = elements.CollectPercentZLoop(settings, t, fault, kDown);
            node->m_nKind = static_cast<uint32_t>(kind);
            // The walk up starts at the transformer, which the walk down took
            // out: a walk takes its start out first and looks only upward,
            // so it need not be put back in the list.
            CPercentZ above = elements.CollectPercentZLoop(settings, t, fault, kUp);
            node->m_rect.top = above.m_rect.top;
            node->DoAddN(above);
            node->DoAddPE(above);
        }
    }
    CObjElementList generators;
    generators.CollectByKind(elements, 6, 0, 0);
    for (CObjElement* g : generators) {
        CPercentZ* node = nodes.DoAddNew();
        *node = elements.CollectPercentZLoop(settings, g, fault, kDown);
        node->m_nKind = 6;
    }
    CObjElementList junctions;
    junctions.CollectByKind(elements, 8, 0, 0);
    for (CObjElement* zc : junctions)
        BuildJunction(nodes, settings, elements, zc, fault, &CObjElementList::CollectPercentZLoop);
}
