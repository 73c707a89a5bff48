#include "CObjElementList.h"

#include "CCalcSkeleton.h"
#include "CCalcTerms.h"

#include "CObjElement.h"
#include "CObjGroup.h"
#include "CObjGroupList.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/protection/CObjGraph.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

bool KindIn(const CObjElement* e, std::initializer_list<int32_t> kinds) {
    int32_t kind = e->GetKind();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

fw::CRect RectOf(const CObjElement* e) {
    fw::CRect r;
    e->GetSymbolRect(&r);
    return r;
}

// Vertical alignment of two elements one above the other: a zero conductor
// is a horizontal bar, so anything whose left edge lies over its span hangs
// on it; other elements must share the left edge.
bool Aligned(const CObjElement* e, const fw::CRect& re, const CObjElement* c, const fw::CRect& rc) {
    if (e->GetKind() == 8)
        return rc.left >= re.left && rc.left <= re.right;
    if (c->GetKind() == 8)
        return re.left >= rc.left && re.left <= rc.right;
    return rc.left == re.left;
}

// Grows a run's rectangle by an element in the walk's direction.
void GrowRun(fw::CRect& run, const fw::CRect& r, int32_t direction) {
    if (run.left == 0 && run.top == 0 && run.right == 0 && run.bottom == 0) {
        run = r;
        return;
    }
    switch (direction) {
    case kUp:
        run.top -= r.bottom - r.top + 1;
        break;
    case kDown:
        run.bottom += r.bottom - r.top + 1;
        break;
    case kLeft:
        run.left -= r.right - r.left + 1;
        break;
    case kRight:
        run.right += r.right - r.left + 1;
        break;
    default:
        break;
    }
}

} // namespace

void CObjElementList::AttachSkeleton(const CCalcSkeleton* skeleton) {
    DetachSkeleton();
    if (!skeleton)
        return;
    m_ids.reserve(m_elements.size());
    m_in.assign(skeleton->GetCount(), 0);
    for (CObjElement* e : m_elements) {
        const int32_t id = skeleton->IndexOf(e);
        if (id < 0) {
            DetachSkeleton();
            return;
        }
        m_ids.push_back(id);
        m_in[static_cast<size_t>(id)] = 1;
    }
    m_pSkeleton = skeleton;
    m_bInOrder = std::adjacent_find(m_ids.begin(), m_ids.end(), std::greater_equal<int32_t>()) ==
                 m_ids.end();
}

void CObjElementList::AssignFromSkeleton(const CCalcSkeleton* skeleton,
                                         const std::vector<int32_t>& ids) {
    m_elements.clear();
    m_nGone = 0;
    m_ids = ids;
    m_in.assign(skeleton->GetCount(), 0);
    m_elements.reserve(ids.size());
    for (int32_t id : ids) {
        m_elements.push_back(skeleton->ElementAt(id));
        m_in[static_cast<size_t>(id)] = 1;
    }
    m_pSkeleton = skeleton;
    m_bInOrder = std::adjacent_find(m_ids.begin(), m_ids.end(), std::greater_equal<int32_t>()) ==
                 m_ids.end();
}

void CObjElementList::DetachSkeleton() {
    Live();
    m_pSkeleton = nullptr;
    m_ids.clear();
    m_in.clear();
    m_bInOrder = false;
}

void CObjElementList::TakeOutGone() const {
    // Only a list in the skeleton's order has elements gone, each unmarked
    // in m_in and nothing else: in that order no element is there twice.
    size_t kept = 0;
    for (size_t k = 0; k < m_elements.size(); ++k) {
        if (!m_in[static_cast<size_t>(m_ids[k])])
            continue;
        m_elements[kept] = m_elements[k];
        m_ids[kept] = m_ids[k];
        ++kept;
    }
    m_elements.resize(kept);
    m_ids.resize(kept);
    m_nGone = 0;
}

void CObjElementList::MarkGone(int32_t id) {
    m_in[static_cast<size_t>(id)] = 0;
    ++m_nGone;
}

void CObjElementList::AddTail(CObjElement* element) {
    Live();
    if (m_pSkeleton) {
        const int32_t id = m_pSkeleton->IndexOf(element);
        if (id < 0) {
            DetachSkeleton();
        } else {
            m_bInOrder = m_bInOrder && (m_ids.empty() || id > m_ids.back());
            m_ids.push_back(id);
            m_in[static_cast<size_t>(id)] = 1;
        }
    }
    m_elements.push_back(element);
}

void CObjElementList::AddHead(CObjElement* element) {
    Live();
    if (m_pSkeleton) {
        const int32_t id = m_pSkeleton->IndexOf(element);
        if (id < 0) {
            DetachSkeleton();
        } else {
            m_bInOrder = m_bInOrder && (m_ids.empty() || id < m_ids.front());
            m_ids.insert(m_ids.begin(), id);
            m_in[static_cast<size_t>(id)] = 1;
        }
    }
    m_elements.insert(m_elements.begin(), element);
}

void CObjElementList::RemoveAll() {
    m_elements.clear();
    m_nGone = 0;
    for (int32_t id : m_ids)
        m_in[static_cast<size_t>(id)] = 0;
    m_ids.clear();
}

void CObjElementList::AddTail(const CObjElementList& other) {
    for (CObjElement* e : other.Live())
        AddTail(e);
}

bool CObjElementList::Contains(const CObjElement* element) const {
    const std::vector<CObjElement*>& live = Live();
    return std::find(live.begin(), live.end(), element) != live.end();
}

bool CObjElementList::Holds(const CObjElement* element) const {
    // In the skeleton's order no element is there twice: m_in answers.
    if (m_pSkeleton && m_bInOrder) {
        const int32_t id = m_pSkeleton->IndexOf(element);
        if (id >= 0)
            return m_in[static_cast<size_t>(id)] != 0;
    }
    return Contains(element);
}

bool CObjElementList::Remove(const CObjElement* element) {
    if (m_pSkeleton) {
        // An element of the skeleton that is not in the list needs no search.
        const int32_t id = m_pSkeleton->IndexOf(element);
        if (id >= 0 && !m_in[static_cast<size_t>(id)])
            return false;
        if (id >= 0 && m_bInOrder) {
            MarkGone(id);
            return true;
        }
    }
    Live();
    auto it = std::find(m_elements.begin(), m_elements.end(), element);
    if (it == m_elements.end())
        return false;
    if (m_pSkeleton) {
        const size_t k = static_cast<size_t>(it - m_elements.begin());
        m_in[static_cast<size_t>(m_ids[k])] = 0;
        m_ids.erase(m_ids.begin() + static_cast<std::ptrdiff_t>(k));
    }
    m_elements.erase(it);
    return true;
}

void CObjElementList::DoDeleteElements() {
    DetachSkeleton();
    for (CObjElement* e : m_elements)
        delete e;
    m_elements.clear();
}

CObjElement* CObjElementList::AddNewElement() {
    DetachSkeleton();
    auto* e = new CObjElement();
    m_elements.push_back(e);
    return e;
}

int32_t CObjElementList::NextInList(int32_t id, int32_t direction) const {
    const std::vector<int32_t>* next = m_pSkeleton->Neighbours(id, direction);
    if (!next)
        return -1;
    auto in = [this](int32_t c) { return m_in[static_cast<size_t>(c)] != 0; };
    const auto first = std::find_if(next->begin(), next->end(), in);
    if (first == next->end())
        return -1;
    // In the skeleton's order the first in the list is the first of the
    // neighbours still in it; out of it, so is the only one.
    if (m_bInOrder || std::none_of(first + 1, next->end(), in))
        return *first;
    size_t k = 0;
    while (k < m_ids.size() && !std::binary_search(next->begin(), next->end(), m_ids[k]))
        ++k;
    return m_ids[k];
}

bool CObjElementList::RemoveIndex(int32_t id) {
    if (!m_in[static_cast<size_t>(id)])
        return false;
    if (m_bInOrder) {
        MarkGone(id);
        return true;
    }
    Live();
    const auto it = std::find(m_ids.begin(), m_ids.end(), id);
    if (it == m_ids.end())
        return false;
    const auto k = it - m_ids.begin();
    m_in[static_cast<size_t>(id)] = 0;
    m_ids.erase(it);
    m_elements.erase(m_elements.begin() + k);
    return true;
}

CObjElement* CObjElementList::FindNeighbourAgain(CObjElement* e, int32_t direction,
                                                 NeighbourScan& scan) {
    if (!e || !m_pSkeleton || !m_bInOrder)
        return FindNeighbour(e, direction, 0);
    if (scan.id == -2)
        scan.id = m_pSkeleton->IndexOf(e);
    if (scan.id < 0)
        return FindNeighbour(e, direction, 0);
    const std::vector<int32_t>* next = m_pSkeleton->Neighbours(scan.id, direction);
    if (!next)
        return nullptr;
    while (scan.from < next->size() && !m_in[static_cast<size_t>((*next)[scan.from])])
        ++scan.from;
    return scan.from < next->size() ? m_pSkeleton->ElementAt((*next)[scan.from]) : nullptr;
}

CObjElement* CObjElementList::FindNeighbour(CObjElement* e, int32_t direction, int32_t consume) {
    if (!e)
        return nullptr;
    if (consume == 1)
        Remove(e);
    if (m_pSkeleton) {
        // The first element of the list among the element's neighbours.
        const int32_t id = m_pSkeleton->IndexOf(e);
        if (id >= 0 && consume != 1) {
            const int32_t found = NextInList(id, direction);
            return found >= 0 ? m_pSkeleton->ElementAt(found) : nullptr;
        }
        if (id >= 0) {
            const std::vector<int32_t>* next = m_pSkeleton->Neighbours(id, direction);
            if (!next || next->empty())
                return nullptr;
            // Most elements have one neighbour a side, and a bus's many
            // are mostly gone: where the list holds one of them only, it
            // is the first; where several, the first in the list.
            int32_t only = -1;
            int present = 0;
            for (int32_t c : *next) {
                if (m_in[static_cast<size_t>(c)]) {
                    only = c;
                    ++present;
                }
            }
            if (present == 0)
                return nullptr;
            size_t k = 0;
            if (m_bInOrder) {
                // In the skeleton's order the first in the list is the
                // first of the neighbours still in it.
                if (present > 1) {
                    for (int32_t c : *next) {
                        if (m_in[static_cast<size_t>(c)]) {
                            only = c;
                            break;
                        }
                    }
                }
                if (consume != 1)
                    return m_pSkeleton->ElementAt(only);
                MarkGone(only);
                return m_pSkeleton->ElementAt(only);
            }
            if (present == 1) {
                if (consume != 1)
                    return m_pSkeleton->ElementAt(only);
                k = static_cast<size_t>(std::find(m_ids.begin(), m_ids.end(), only) -
                                        m_ids.begin());
            } else {
                while (k < m_ids.size() &&
                       !std::binary_search(next->begin(), next->end(), m_ids[k]))
                    ++k;
            }
            CObjElement* found = m_elements[k];
            if (consume == 1) {
                m_in[static_cast<size_t>(m_ids[k])] = 0;
                m_elements.erase(m_elements.begin() + static_cast<std::ptrdiff_t>(k));
                m_ids.erase(m_ids.begin() + static_cast<std::ptrdiff_t>(k));
            }
            return found;
        }
        DetachSkeleton();
    }
    const fw::CRect re = RectOf(e);
    switch (direction) {
    case kUp:
        if (!e->HasUpperTerminal())
            return nullptr;
        break;
    case kDown:
        if (!e->HasLowerTerminal())
            return nullptr;
        break;
    case kRight:
    case kLeft:
        if (!e->HasSideTerminal())
            return nullptr;
        break;
    default:
        return nullptr;
    }
    for (auto it = m_elements.begin(); it != m_elements.end(); ++it) {
        CObjElement* c = *it;
        if (c == e)
            continue;
        fw::CRect rc = RectOf(c);
        bool match = false;
        switch (direction) {
        case kUp:
            match = c->HasLowerTerminal() && rc.bottom + 1 == re.top && Aligned(e, re, c, rc);
            break;
        case kDown:
            match = c->HasUpperTerminal() && rc.top == re.bottom + 1 && Aligned(e, re, c, rc);
            break;
        case kRight:
            match = c->HasSideTerminal() && rc.top == re.top && rc.left == re.right + 1;
            break;
        case kLeft:
            match = c->HasSideTerminal() && rc.top == re.top && rc.right + 1 == re.left;
            break;
        default:
            break;
        }
        if (match) {
            if (consume == 1)
                m_elements.erase(it);
            return c;
        }
    }
    return nullptr;
}

int CObjElementList::CollectTouching(const CObjGroupList& groups, const CObjGroup* group) {
    DetachSkeleton();
    if (!group)
        return 0;
    const fw::CRect g = group->GetRect();
    int count = 0;
    for (const auto& owned : groups) {
        const CObjGroup* node = owned.get();
        if (node == group)
            continue;
        if (!node->GetChildren().IsEmpty()) {
            count += CollectTouching(node->GetChildren(), group);
            continue;
        }
        CObjElement* e = node->GetElement();
        if (!e)
            continue;
        fw::CRect r = RectOf(e);
        bool sideBySide = (g.left == r.right + 1 || g.right == r.left - 1) && g.top <= r.bottom &&
                          r.top <= g.bottom;
        bool aboveBelow = (g.top == r.bottom + 1 || g.bottom == r.top - 1) && g.left <= r.right &&
                          r.left <= g.right;
        if (sideBySide || aboveBelow) {
            m_elements.push_back(e);
            ++count;
        }
    }
    return count;
}

int CObjElementList::CollectByKind(const CObjElementList& list, int32_t kind, int32_t inOrder,
                                   int32_t selectedOnly) {
    DetachSkeleton();
    int count = 0;
    if (inOrder == 1) {
        // Numbering order: 1, 2, 3 ... up to the first number nobody has.
        for (uint32_t number = 1;; ++number) {
            CObjElement* found = nullptr;
            for (CObjElement* e : list) {
                if (e->GetKind() == kind && static_cast<uint32_t>(e->GetNumber()) == number) {
                    found = e;
                    break;
                }
            }
            if (!found)
                break;
            m_elements.push_back(found);
            ++count;
        }
        return count;
    }
    for (CObjElement* e : list) {
        if (e->GetKind() != kind)
            continue;
        if (selectedOnly == 1 && e->GetSelect() != 1)
            continue;
        m_elements.push_back(e);
        ++count;
    }
    return count;
}

int CObjElementList::CollectCalcOrder(const CObjElementList& list) {
    DetachSkeleton();
    int count = 0;
    for (CObjElement* e : list) {
        if (KindIn(e, {6, 7, 14})) {
            m_elements.insert(m_elements.begin(), e);
            ++count;
        } else if (e->IsCalcPoint() > 0) {
            m_elements.push_back(e);
            ++count;
        }
    }
    return count;
}

int CObjElementList::CollectCalcPoints(const CObjElementList& list) {
    DetachSkeleton();
    int count = 0;
    for (CObjElement* e : list) {
        if (e->IsCalcPoint() != 0) {
            m_elements.push_back(e);
            ++count;
        }
    }
    return count;
}

int CObjElementList::CollectCalcPointsByKind(const CObjElementList& list, int32_t kind,
                                             int32_t selectedOnly) {
    DetachSkeleton();
    int count = 0;
    for (CObjElement* e : list) {
        if (e->IsCalcPoint() == 0)
            continue;
        if (kind != 0 && e->GetKind() != kind)
            continue;
        if (selectedOnly == 1 && e->IsSelected(0) != 1)
            continue;
        m_elements.push_back(e);
        ++count;
    }
    return count;
}

void CObjElementList::CollectGroups(const CObjGroupList& groups, int32_t selectedOnly,
                                    int32_t copies, int* count) {
    for (const auto& owned : groups) {
        const CObjGroup* g = owned.get();
        if (selectedOnly == 1 && g->GetSelected() != 1)
            continue;
        if (CObjElement* e = g->GetElement()) {
            if (copies == 1) {
                auto* copy = new CObjElement();
                *copy = *e;
                m_elements.push_back(copy);
            } else {
                m_elements.push_back(e);
            }
            ++*count;
        }
        CollectGroups(g->GetChildren(), selectedOnly, copies, count);
    }
}

int CObjElementList::CollectFromGroups(const CObjGroupList& groups, int32_t selectedOnly,
                                       int32_t copies) {
    DetachSkeleton();
    int count = 0;
    CollectGroups(groups, selectedOnly, copies, &count);
    return count;
}

void CObjElementList::CollectGroupsFiltered(const CObjGroupList& groups, const CObjGraph* graph,
                                            int32_t selectedCurveOnly, int32_t copies, int* count) {
    for (const auto& owned : groups) {
        const CObjGroup* g = owned.get();
        if (CObjElement* e = g->GetElement()) {
            bool take = graph && e->IsOnGraph(graph->m_nGraphNo) != 0;
            if (take && selectedCurveOnly == 1)
                take = e->IsSelectedCurve(graph, 0) == 1 || e->IsSelectedCurve(graph, 1) == 1;
            if (take) {
                if (copies == 1) {
                    auto* copy = new CObjElement();
                    *copy = *e;
                    m_elements.push_back(copy);
                } else {
                    m_elements.push_back(e);
                }
                ++*count;
            }
        }
        CollectGroupsFiltered(g->GetChildren(), graph, selectedCurveOnly, copies, count);
    }
}

int CObjElementList::CollectFromGroupsFiltered(const CObjGroupList& groups, const CObjGraph* graph,
                                               int32_t selectedCurveOnly, int32_t copies) {
    DetachSkeleton();
    int count = 0;
    CollectGroupsFiltered(groups, graph, selectedCurveOnly, copies, &count);
    return count;
}

// --- walks ---------------------------------------------------------------------

bool CObjElementList::JunctionBranch(CObjElement* junction, CObjElement* target, bool sameLevel) {
    bool hadUpper = false;
    while (CObjElement* x = FindNeighbour(junction, kUp, 1)) {
        hadUpper = true;
        for (CObjElement* c = x; c; c = FindNeighbour(c, kUp, 1)) {
            if (c == target)
                return true;
            if (KindIn(c, {1, 2, 3, 4, 6, 8, 11}) || (sameLevel && KindIn(c, {5, 16})))
                break;
        }
    }
    if (hadUpper)
        return false;
    // A junction with nothing above is fed from below.
    while (CObjElement* x = FindNeighbour(junction, kDown, 1)) {
        for (CObjElement* c = x; c; c = FindNeighbour(c, kDown, 1)) {
            if (c == target)
                return true;
            if (KindIn(c, {1, 2, 3, 7, 8, 11, 12, 13, 14}) || (sameLevel && KindIn(c, {5, 16})))
                break;
        }
    }
    return false;
}

bool CObjElementList::IsInJunctionBranch(CObjElement* junction, CObjElement* target) {
    return JunctionBranch(junction, target, false);
}

bool CObjElementList::IsInJunctionBranchSameLevel(CObjElement* junction, CObjElement* target) {
    return JunctionBranch(junction, target, true);
}

bool CObjElementList::IsDirectlyFedBy(CObjElement* element, CObjElement* target) {
    int32_t orientation = element->GetHorizontal();
    if (orientation == 0) {
        for (CObjElement* c = FindNeighbour(element, kUp, 0); c; c = FindNeighbour(c, kUp, 0)) {
            if (c == target)
                return true;
            if (KindIn(c, {1, 2, 4, 5, 6, 8, 16}))
                return false;
        }
        return false;
    }
    int32_t direction = orientation == 1 ? kLeft : kRight;
    for (CObjElement* c = FindNeighbour(element, direction, 0); c;
         c = FindNeighbour(c, direction, 0)) {
        if (c == target && c->GetHorizontal() == orientation)
            return true;
        if (c->GetKind() == 8)
            return false;
    }
    return false;
}

bool CObjElementList::UpstreamDevice(CObjElement* element, CObjElement* target, bool sameLevel) {
    int32_t orientation = element->GetHorizontal();
    int32_t direction = orientation == 0 ? kUp : orientation == 1 ? kLeft : kRight;
    for (CObjElement* c = FindNeighbour(element, direction, 0); c;
         c = FindNeighbour(c, direction, 0)) {
        if (orientation == 0) {
            if (c == target)
                return true;
            if (KindIn(c, {1, 2, 3, 4, 6, 11}) || (sameLevel && KindIn(c, {5, 16})))
                return false;
        } else {
            if (c == target && c->GetHorizontal() == orientation)
                return true;
            if (c->GetKind() == 2)
                return false;
        }
        if (c->GetKind() == 8) {
            // The junction search consumes what it visits: it gets its own
            // copy, so that the walk can go on above the junction.
            CObjElementList scratch(*this);
            if (scratch.JunctionBranch(c, target, sameLevel))
                return true;
        }
    }
    return false;
}

bool CObjElementList::IsUpstreamDevice(CObjElement* element, CObjElement* target) {
    return UpstreamDevice(element, target, false);
}

bool CObjElementList::IsUpstreamDeviceSameLevel(CObjElement* element, CObjElement* target) {
    return UpstreamDevice(element, target, true);
}

bool CObjElementList::HasNeighbour(CObjElement* element, int32_t direction) {
    return FindNeighbour(element, direction, 0) != nullptr;
}

bool CObjElementList::HasBothNeighbours(CObjElement* element, bool horizontal) {
    if (horizontal)
        return HasNeighbour(element, kLeft) && HasNeighbour(element, kRight);
    return HasNeighbour(element, kUp) && HasNeighbour(element, kDown);
}

int CObjElementList::CountAllNeighbours(CObjElement* element) const {
    CObjElementList scratch(*this);
    int count = 0;
    for (int32_t direction : {kUp, kRight, kDown, kLeft}) {
        while (scratch.FindNeighbour(element, direction, 1))
            ++count;
    }
    return count;
}

bool CObjElementList::IsDeadEndLoop(CObjElement* e) {
    switch (e->GetKind()) {
    case 1:
    case 2:
        if (e->IsOff() != 0)
            return true;
        return !HasBothNeighbours(e, e->IsHorizontal() != 0);
    case 3:
    case 11:
        return !HasBothNeighbours(e, false);
    case 5:
    case 16:
        return !HasNeighbour(e, kUp) && !HasNeighbour(e, kDown);
    case 4:
        return true;
    case 6:
        return !HasNeighbour(e, kDown);
    case 7:
    case 12:
    case 13:
    case 14:
        return true;
    case 8:
        return CountAllNeighbours(e) < 2;
    case 9:
    case 10:
    case 15:
        return !HasBothNeighbours(e, e->IsHorizontal() != 0);
    default:
        return false;
    }
}

bool CObjElementList::IsDeadEndPhase(CObjElement* e, int32_t keepMotorEffects) {
    switch (e->GetKind()) {
    case 1:
    case 2:
        if (e->IsOff() != 0)
            return true;
        return !HasBothNeighbours(e, e->IsHorizontal() != 0);
    case 3:
    case 11:
    case 5:
    case 16:
        return !HasBothNeighbours(e, false);
    case 4:
    case 6:
        return !HasNeighbour(e, kDown);
    case 7:
        return keepMotorEffects == 1 ? !HasNeighbour(e, kUp) : true;
    case 12:
    case 13:
    case 14:
        return true;
    case 8:
        return CountAllNeighbours(e) < 2;
    case 9:
    case 10:
    case 15:
        return !HasBothNeighbours(e, e->IsHorizontal() != 0);
    default:
        return false;
    }
}

double CObjElementList::GetSupplyCapacity(CObjElement* element) {
    double sum = 0.0;
    while (CObjElement* x = FindNeighbour(element, kUp, 1)) {
        for (CObjElement* c = x; c; c = FindNeighbour(c, kUp, 1)) {
            if (KindIn(c, {4, 5, 6, 16})) {
                sum += c->GetCapacity();
                break;
            }
            if (c->GetKind() == 8) {
                sum += GetSupplyCapacity(c);
                break;
            }
        }
    }
    while (CObjElement* x = FindNeighbour(element, kDown, 1)) {
        if (x->GetKind() == 5)
            continue; // a transformer below feeds another circuit
        for (CObjElement* c = x; c; c = FindNeighbour(c, kDown, 1)) {
            if (KindIn(c, {7, 12, 13, 14, 16, 5}))
                break;
            if (c->GetKind() == 8) {
                sum += GetSupplyCapacity(c);
                break;
            }
        }
    }
    for (int32_t direction : {kLeft, kRight}) {
        for (CObjElement* c = FindNeighbour(element, direction, 1); c;
             c = FindNeighbour(c, direction, 1)) {
            if (c->GetKind() == 8) {
                sum += GetSupplyCapacity(c);
                break;
            }
        }
    }
    return sum;
}

CObjElement* CObjElementList::FindSearch(CObjElement* element, bool (*isResult)(int32_t)) {
    while (CObjElement* x = FindNeighbour(element, kUp, 1)) {
        for (CObjElement* c = x; c; c = FindNeighbour(c, kUp, 1)) {
            if (isResult(c->GetKind()))
                return c;
            if (c->GetKind() == 8) {
                if (CObjElement* found = FindSearch(c, isResult))
                    return found;
                break;
            }
        }
    }
    while (CObjElement* x = FindNeighbour(element, kDown, 1)) {
        if (x->GetKind() == 12)
            continue; // a motor hanging below feeds nothing
        for (CObjElement* c = x; c; c = FindNeighbour(c, kDown, 1)) {
            if (KindIn(c, {7, 12, 13, 14}))
                break;
            if (c->GetKind() == 8) {
                if (CObjElement* found = FindSearch(c, isResult))
                    return found;
                break;
            }
        }
    }
    for (CObjElement* c = FindNeighbour(element, kLeft, 1); c; c = FindNeighbour(c, kLeft, 1)) {
        if (c->GetKind() == 8) {
            if (CObjElement* found = FindSearch(c, isResult))
                return found;
            break;
        }
    }
    for (CObjElement* c = FindNeighbour(element, kRight, 1); c; c = FindNeighbour(c, kRight, 1)) {
        if (c->GetKind() == 8)
            return FindSearch(c, isResult);
    }
    return nullptr;
}

CObjElement* CObjElementList::FindTransformer(CObjElement* element) {
    return FindSearch(element, [](int32_t kind) { return kind == 5 || kind == 16 || kind == 6; });
}

CObjElement* CObjElementList::FindSupply(CObjElement* element) {
    return FindSearch(element, [](int32_t kind) { return kind == 4 || kind == 6; });
}

bool CObjElementList::IsConnected(CObjElement* element, CObjElement* target) {
    while (CObjElement* x = FindNeighbour(element, kUp, 1)) {
        for (CObjElement* c = x; c; c = FindNeighbour(c, kUp, 1)) {
            if (c == target)
                return true;
            if (KindIn(c, {4, 6}))
                break;
            if (c->GetKind() == 8) {
                if (IsConnected(c, target))
                    return true;
                break;
            }
        }
    }
    while (CObjElement* x = FindNeighbour(element, kDown, 1)) {
        for (CObjElement* c = x; c; c = FindNeighbour(c, kDown, 1)) {
            if (c == target)
                return true;
            if (KindIn(c, {7, 12, 13, 14}))
                break;
            if (c->GetKind() == 8) {
                if (IsConnected(c, target))
                    return true;
                break;
            }
        }
    }
    for (int32_t direction : {kLeft, kRight}) {
        for (CObjElement* c = FindNeighbour(element, direction, 1); c;
             c = FindNeighbour(c, direction, 1)) {
            if (c == target)
                return true;
            if (c->GetKind() == 8) {
                if (IsConnected(c, target))
                    return true;
                break;
            }
        }
    }
    return false;
}

// --- percent impedance along a path ------------------------------------------------

CPercentZ CObjElementList::CollectRun(const CEleDocSettings& settings, CObjElement* start,
                                      CObjElement* sought, int32_t mask, int32_t* reached,
                                      bool loop, bool withPhase, CCalcTerms* terms) {
    // With the skeleton the walk goes by index: each step's neighbour and
    // removal without looking the element up again.
    int32_t id = m_pSkeleton ? m_pSkeleton->IndexOf(start) : -1;
    if (id < 0 || (terms && !terms->Serves(m_pSkeleton, settings.dBaseCapacity)))
        terms = nullptr;
    auto rectOf = [&](CObjElement* e, int32_t eid) {
        return terms ? terms->RectOf(eid, e) : RectOf(e);
    };
    CPercentZ sum;
    sum.m_rect = rectOf(start, id);
    if (!loop && start->GetKind() == 1)
        sum.m_rect.right = sum.m_rect.left + 39;
    // The sums as CPercentZ's DoAddN, DoAddPE and DoAddSeries make them; a
    // run without the return pair adds its terms as zero (a sum of -0.0
    // becomes +0.0).
    auto addReturnPairs = [&](double rn, double xn, double rpe, double xpe) {
        sum.m_dRN += rn;
        sum.m_dXN += xn;
        sum.m_dRPE += rpe;
        sum.m_dXPE += xpe;
    };
    auto addPhase = [&](double r, double x, double rMotor, double rHalf, double xHalf,
                        bool withReturnPair) {
        sum.m_dR += r;
        sum.m_dX += x;
        sum.m_dRMotor += rMotor;
        sum.m_dRHalf += withReturnPair ? rHalf : 0.0;
        sum.m_dXHalf += withReturnPair ? xHalf : 0.0;
    };
    auto add = [&](CObjElement* e, int32_t eid, bool withReturnPair) {
        if (loop) {
            if (terms) {
                const CCalcTerms::ReturnPairs& z = terms->ReturnPairsOf(eid, e, settings);
                addReturnPairs(z.rn, z.xn, z.rpe, z.xpe);
            } else {
                const CPercentZ z = e->DoCalcPercentZNPE(settings);
                addReturnPairs(z.m_dRN, z.m_dXN, z.m_dRPE, z.m_dXPE);
            }
            if (!withPhase)
                return;
        }
        if (terms) {
            const CCalcTerms::Phase& z = terms->PhaseOf(eid, e, settings);
            addPhase(z.r, z.x, z.rMotor, z.rHalf, z.xHalf, withReturnPair);
        } else {
            const CPercentZ z = e->DoCalcPercentZ(settings);
            addPhase(z.m_dR, z.m_dX, z.m_dRMotor, z.m_dRHalf, z.m_dXHalf, withReturnPair);
        }
    };
    add(start, id, true);
    if (start == sought) {
        sum.m_nFaultPoint = 1;
        sum.m_pElement = start;
    }
    if (id >= 0)
        RemoveIndex(id);
    else
        Remove(start);

    int32_t direction = (mask & kUp)      ? kUp
                        : (mask & kDown)  ? kDown
                        : (mask & kLeft)  ? kLeft
                        : (mask & kRight) ? kRight
                                          : 0;
    if (direction == 0)
        return sum;
    if ((direction == kDown || direction == kRight) && start == sought)
        return sum;
    sum.m_nChainDirection = (direction == kLeft || direction == kRight) ? 1 : 0;
    const bool vertical = direction == kUp || direction == kDown;

    CObjElement* current = start;
    for (;;) {
        CObjElement* next = nullptr;
        int32_t nextId = -1;
        if (id >= 0) {
            nextId = NextInList(id, direction);
            if (nextId >= 0)
                next = m_pSkeleton->ElementAt(nextId);
        } else {
            next = FindNeighbour(current, direction, 0);
        }
        if (!next)
            break;
        const int32_t kind = terms ? terms->KindOf(nextId) : next->GetKind();
        // Elements that end the run without being added.
        if (direction == kUp && (kind == 6 || (loop && (kind == 5 || kind == 16))))
            break;
        if (direction == kDown && (kind == 7 || (loop && (kind == 5 || kind == 16))))
            break;
        if ((direction == kLeft || direction == kRight) && kind == 8)
            break;
        if (vertical && kind == 8) {
            // The run ends at a junction, one grid column wide.
            sum.m_rect.right = sum.m_rect.left + 39;
            break;
        }
        // Upward and leftward the sought element is met before adding it.
        if ((direction == kUp || direction == kLeft) && next == sought) {
            if (reached)
                *reached = 1;
            break;
        }
        add(next, nextId, vertical);
        GrowRun(sum.m_rect, rectOf(next, nextId), direction);
        if (nextId >= 0)
            RemoveIndex(nextId);
        else
            Remove(next);
        if ((direction == kDown || direction == kRight) && next == sought) {
            sum.m_nFaultPoint = 1;
            sum.m_pElement = next;
            if (reached)
                *reached = 1;
            if (direction == kDown)
                sum.m_rect.right = sum.m_rect.left + 39;
            break;
        }
        current = next;
        id = nextId;
    }
    return sum;
}

CPercentZ CObjElementList::CollectPercentZ1(const CEleDocSettings& settings, CObjElement* start,
                                            CObjElement* sought, int32_t mask, int32_t* reached,
                                            CCalcTerms* terms) {
    return CollectRun(settings, start, sought, mask, reached, false, false, terms);
}

CPercentZ CObjElementList::CollectPercentZ(const CEleDocSettings& settings, CObjElement* start,
                                           CObjElement* sought, int32_t mask, int32_t* reached) {
    return CollectRun(settings, start, sought, mask, reached, true, false, nullptr);
}

CPercentZ CObjElementList::CollectPercentZLoop(const CEleDocSettings& settings, CObjElement* start,
                                               CObjElement* sought, int32_t mask, int32_t* reached,
                                               CCalcTerms* terms) {
    return CollectRun(settings, start, sought, mask, reached, true, true, terms);
}
