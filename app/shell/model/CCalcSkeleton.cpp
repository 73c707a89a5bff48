#include "CCalcSkeleton.h"

#include "CObjElement.h"
#include "CObjElementList.h"

#include "app/records/ElementKinds.h"
#include "framework/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <map>
#include <utility>

namespace {

int32_t Opposite(int32_t d) {
    // up <-> down, left <-> right, in the order of the directions enum.
    return d ^ 1;
}

struct Shape {
    fw::CRect rect;
    bool up = false;
    bool down = false;
    bool side = false;
    bool junction = false;
};

// The alignment of two elements one above the other, as the element list's
// neighbour search has it: anything whose left edge lies over a zero
// conductor's span hangs on it, other elements share their left edge.
bool Aligned(const Shape& e, const Shape& c) {
    if (e.junction)
        return c.rect.left >= e.rect.left && c.rect.left <= e.rect.right;
    if (c.junction)
        return e.rect.left >= c.rect.left && e.rect.left <= c.rect.right;
    return c.rect.left == e.rect.left;
}

} // namespace

CCalcSkeleton::CCalcSkeleton(const CObjElementList& all) : m_all(all) {
    m_all.DetachSkeleton();
    const size_t n = all.GetCount();
    m_elements.assign(all.begin(), all.end());
    m_kinds.resize(n);
    std::vector<Shape> shapes(n);
    size_t tableSize = 2;
    m_slotShift = 63;
    while (tableSize < 2 * n) {
        tableSize *= 2;
        --m_slotShift;
    }
    if (n > 0)
        m_slots.assign(tableSize, Slot());
    bool unique = true;
    for (size_t i = 0; i < n; ++i) {
        CObjElement* e = m_elements[i];
        for (size_t k = SlotOf(e);; k = (k + 1) & (tableSize - 1)) {
            Slot& slot = m_slots[k];
            if (!slot.element) {
                slot.element = e;
                slot.id = static_cast<int32_t>(i);
                break;
            }
            if (slot.element == e) {
                unique = false;
                break;
            }
        }
        m_kinds[i] = e->GetKind();
        Shape& s = shapes[i];
        e->GetSymbolRect(&s.rect);
        s.up = e->HasUpperTerminal() != 0;
        s.down = e->HasLowerTerminal() != 0;
        s.side = e->HasSideTerminal() != 0;
        s.junction = m_kinds[i] == kKindZeroCond;
    }
    for (auto& next : m_next)
        next.assign(n, {});
    m_scratch.mark.assign(n, 0);
    m_scratch.place.assign(n, 0);
    if (!unique) {
        // An element twice in the list: only the passes know what to do,
        // and the index answers for no element.
        m_slots.clear();
        return;
    }

    // The touching edges: elements by the bottom edge that a lower one meets,
    // by the top edge, and side by side by the edge they share.
    std::unordered_map<int32_t, std::vector<int32_t>> byBottom;
    std::unordered_map<int32_t, std::vector<int32_t>> byTop;
    std::map<std::pair<int32_t, int32_t>, std::vector<int32_t>> byTopLeft;
    std::map<std::pair<int32_t, int32_t>, std::vector<int32_t>> byTopRight;
    for (size_t i = 0; i < n; ++i) {
        const Shape& s = shapes[i];
        const auto id = static_cast<int32_t>(i);
        if (s.down)
            byBottom[s.rect.bottom].push_back(id);
        if (s.up)
            byTop[s.rect.top].push_back(id);
        if (s.side) {
            byTopLeft[{s.rect.top, s.rect.left}].push_back(id);
            byTopRight[{s.rect.top, s.rect.right}].push_back(id);
        }
    }
    for (size_t i = 0; i < n; ++i) {
        const Shape& e = shapes[i];
        const auto id = static_cast<int32_t>(i);
        auto take = [&](int32_t d, const std::vector<int32_t>* bucket, bool vertical) {
            if (!bucket)
                return;
            for (int32_t c : *bucket) {
                if (c != id && (!vertical || Aligned(e, shapes[static_cast<size_t>(c)])))
                    m_next[d][i].push_back(c);
            }
        };
        auto find = [](auto& map, const auto& key) -> const std::vector<int32_t>* {
            auto it = map.find(key);
            return it == map.end() ? nullptr : &it->second;
        };
        if (e.up)
            take(kUp, find(byBottom, e.rect.top - 1), true);
        if (e.down)
            take(kDown, find(byTop, e.rect.bottom + 1), true);
        if (e.side) {
            take(kRight, find(byTopLeft, std::make_pair(e.rect.top, e.rect.right + 1)), false);
            take(kLeft, find(byTopRight, std::make_pair(e.rect.top, e.rect.left - 1)), false);
        }
    }

    // What each element needs of its neighbours, by the rules of the three
    // passes; the skeleton does not change while the calculation runs.
    for (int variant = 0; variant < 3; ++variant) {
        m_needs[variant].resize(n);
        for (size_t i = 0; i < n; ++i)
            m_needs[variant][i] = NeedOf(m_elements[i], variant == 2, variant == 0 ? 1 : 0);
    }

    for (int32_t d = 0; d < kDirections; ++d) {
        m_nextJunctions[d].assign(n, {});
        for (size_t i = 0; i < n; ++i) {
            if (!shapes[i].junction)
                continue;
            for (int32_t c : m_next[d][i]) {
                if (shapes[static_cast<size_t>(c)].junction)
                    m_nextJunctions[d][i].push_back(c);
            }
        }
    }

    m_found.assign(n, {});
    m_horizontal.resize(n);
    for (size_t i = 0; i < n; ++i) {
        m_horizontal[i] = m_elements[i]->IsHorizontal() != 0;
        for (int32_t d = 0; d < kDirections; ++d) {
            for (int32_t c : m_next[d][i])
                m_found[static_cast<size_t>(c)].push_back(static_cast<int32_t>(i));
        }
    }

    m_bRisesUp = true;
    for (size_t i = 0; i < n; ++i) {
        for (int32_t c : m_next[kUp][i]) {
            if (shapes[static_cast<size_t>(c)].rect.top >= shapes[i].rect.top)
                m_bRisesUp = false;
        }
    }

    std::vector<uint8_t> junction(n);
    for (size_t i = 0; i < n; ++i)
        junction[i] = shapes[i].junction ? 1 : 0;
    m_bPathForm = FindsPathForm(junction);
    m_bTree = FindsTree(junction);
    if (!m_bTree)
        return;
    BuildVariant(m_phase, false, 1);
    BuildVariant(m_phaseBare, false, 0);
    BuildVariant(m_loop, true, 1);
}

const std::vector<int32_t>* CCalcSkeleton::Neighbours(int32_t index, int32_t direction) const {
    const auto i = static_cast<size_t>(index);
    switch (direction) {
    case kDirUp:
        return &m_next[kUp][i];
    case kDirDown:
        return &m_next[kDown][i];
    case kDirLeft:
        return &m_next[kLeft][i];
    case kDirRight:
        return &m_next[kRight][i];
    default:
        return nullptr;
    }
}

bool CCalcSkeleton::Matches(const CObjElementList& list) const {
    return list.GetCount() == m_elements.size() &&
           std::equal(list.begin(), list.end(), m_elements.begin());
}

CCalcSkeleton::Need CCalcSkeleton::NeedOf(const CObjElement* e, bool loop,
                                          int32_t keepMotorEffects) {
    switch (e->GetKind()) {
    case kKindHVCB:
    case kKindLVCB:
        return e->IsOff() != 0 ? Need::Always : Need::BothAxis;
    case kKindThermal:
    case kKindContactor:
        return Need::BothAxis;
    case kKindTrans3:
    case kKindTrans1:
        return loop ? Need::Either : Need::BothAxis;
    case kKindSource:
        return loop ? Need::Always : Need::Below;
    case kKindGenerator:
        return Need::Below;
    case kKindMotorEff:
        return !loop && keepMotorEffects == 1 ? Need::Above : Need::Always;
    case kKindMotor:
    case kKindLoad:
    case kKindCapacitor:
        return Need::Always;
    case kKindZeroCond:
        return Need::TwoAny;
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return Need::BothAxis;
    default:
        return Need::Never;
    }
}

bool CCalcSkeleton::HasPathLinks(size_t i, bool junction) const {
    for (int32_t d = 0; d < kDirections; ++d) {
        const auto& next = m_next[d][i];
        const bool many = junction && (d == kUp || d == kDown);
        if (next.size() > 1 && !many)
            return false;
        for (int32_t c : next) {
            const auto& back = m_next[Opposite(d)][static_cast<size_t>(c)];
            if (std::find(back.begin(), back.end(), static_cast<int32_t>(i)) == back.end())
                return false;
        }
    }
    return true;
}

bool CCalcSkeleton::FindsPathForm(const std::vector<uint8_t>& junction) const {
    // The passes' walks follow the connections where every element but a
    // zero conductor is a link of a path: one neighbour a side, on one axis,
    // and a zero conductor one neighbour a side beside it.
    for (size_t i = 0; i < junction.size(); ++i) {
        const bool vertical = !m_next[kUp][i].empty() || !m_next[kDown][i].empty();
        const bool side = !m_next[kLeft][i].empty() || !m_next[kRight][i].empty();
        if (!junction[i] && vertical && side)
            return false;
        if (!HasPathLinks(i, junction[i] != 0))
            return false;
    }
    return true;
}

bool CCalcSkeleton::FindsTree(const std::vector<uint8_t>& junction) const {
    // The closed form needs a tree whose connections both ends see alike,
    // with one neighbour a side for every element but a zero conductor
    // (whose many branches hang above and below it).
    const size_t n = junction.size();
    size_t ends = 0;
    for (size_t i = 0; i < n; ++i) {
        if (!HasPathLinks(i, junction[i] != 0))
            return false;
        for (int32_t d = 0; d < kDirections; ++d) {
            ends += m_next[d][i].size();
            // A connected element the passes would never call dead.
            if (!m_next[d][i].empty() && NeedOf(m_elements[i], false, 1) == Need::Never)
                return false;
        }
    }
    // A forest of p parts has n - p connections.
    std::vector<int32_t> part(n, -1);
    size_t parts = 0;
    std::vector<int32_t> stack;
    for (size_t i = 0; i < n; ++i) {
        if (part[i] >= 0)
            continue;
        ++parts;
        part[i] = static_cast<int32_t>(parts);
        stack.assign(1, static_cast<int32_t>(i));
        while (!stack.empty()) {
            const auto x = static_cast<size_t>(stack.back());
            stack.pop_back();
            for (int32_t d = 0; d < kDirections; ++d) {
                for (int32_t c : m_next[d][x]) {
                    if (part[static_cast<size_t>(c)] < 0) {
                        part[static_cast<size_t>(c)] = static_cast<int32_t>(parts);
                        stack.push_back(c);
                    }
                }
            }
        }
    }
    return ends / 2 == n - parts && ends % 2 == 0;
}

void CCalcSkeleton::BuildVariant(Variant& v, bool loop, int32_t keepMotorEffects) {
    const size_t n = m_elements.size();
    v.alive.assign(n, 0);
    v.anchor.assign(n, 0);
    v.parent.assign(n, -1);
    v.part.assign(n, -1);
    v.onPaths.assign(n, 0);
    v.anchors.clear();
    v.paths.clear();
    for (size_t i = 0; i < n; ++i) {
        const Need need = NeedOf(m_elements[i], loop, keepMotorEffects);
        v.alive[i] = need != Need::Always;
        v.anchor[i] = need == Need::Below || need == Need::Above || need == Need::Either;
    }
    // Each part of the alive elements, rooted at an anchor when it has one,
    // so that an element lies on the paths between the anchors exactly when
    // an anchor lies below it.
    std::vector<int32_t> order;
    std::vector<int32_t> count(n, 0);
    for (size_t start = 0; start < n; ++start) {
        if (!v.alive[start] || v.part[start] >= 0)
            continue;
        const auto part = static_cast<int32_t>(v.anchors.size());
        // Gather the part, then root it.
        std::vector<int32_t> members{static_cast<int32_t>(start)};
        v.part[start] = part;
        for (size_t k = 0; k < members.size(); ++k) {
            const auto x = static_cast<size_t>(members[k]);
            for (int32_t d = 0; d < kDirections; ++d) {
                for (int32_t c : m_next[d][x]) {
                    const auto cu = static_cast<size_t>(c);
                    if (v.alive[cu] && v.part[cu] < 0) {
                        v.part[cu] = part;
                        members.push_back(c);
                    }
                }
            }
        }
        int32_t root = members.front();
        int32_t anchors = 0;
        for (int32_t x : members) {
            if (v.anchor[static_cast<size_t>(x)]) {
                if (anchors == 0)
                    root = x;
                ++anchors;
            }
        }
        v.anchors.push_back(anchors);
        order.assign(1, root);
        v.parent[static_cast<size_t>(root)] = -1;
        for (size_t k = 0; k < order.size(); ++k) {
            const auto x = static_cast<size_t>(order[k]);
            for (int32_t d = 0; d < kDirections; ++d) {
                for (int32_t c : m_next[d][x]) {
                    const auto cu = static_cast<size_t>(c);
                    if (v.part[cu] == part && c != root && v.parent[cu] < 0 && c != v.parent[x]) {
                        v.parent[cu] = static_cast<int32_t>(x);
                        order.push_back(c);
                    }
                }
            }
        }
        for (size_t k = order.size(); k-- > 0;) {
            const auto x = static_cast<size_t>(order[k]);
            count[x] += v.anchor[x];
            if (v.parent[x] >= 0)
                count[static_cast<size_t>(v.parent[x])] += count[x];
        }
        std::vector<int32_t> paths;
        if (anchors > 0) {
            for (int32_t x : members) {
                if (count[static_cast<size_t>(x)] >= 1) {
                    v.onPaths[static_cast<size_t>(x)] = 1;
                    paths.push_back(x);
                }
            }
        }
        std::sort(paths.begin(), paths.end());
        v.paths.push_back(std::move(paths));
    }
}

bool CCalcSkeleton::Prune(const Variant& v, int32_t fault, bool loop,
                          std::vector<int32_t>& kept) const {
    kept.clear();
    // A fault switched off goes with the dead ends, and then nothing
    // reaches it.
    if (m_elements[static_cast<size_t>(fault)]->IsOff() != 0)
        return true;
    if (!KeepReachingFault(v, fault, kept))
        return false;
    if (loop)
        KeepFedInLoop(kept);
    else
        KeepFedThreePhase(kept);
    return true;
}

bool CCalcSkeleton::IsKindOf(int32_t x, std::initializer_list<int32_t> kinds) const {
    const int32_t kind = m_kinds[static_cast<size_t>(x)];
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool CCalcSkeleton::KeepReachingFault(const Variant& v, int32_t fault,
                                      std::vector<int32_t>& kept) const {
    const auto f = static_cast<size_t>(fault);
    // The dead-end pass keeps the paths between the anchors of the fault's
    // part and the fault (which is never a dead end itself); the second
    // pass keeps that tree alone.
    int32_t entry = fault; // where the fault's path joins its part
    if (!v.alive[f]) {
        // A kind that is dead wherever it stands hangs on one alive
        // neighbour at most (a consumer, a machine, a source).
        entry = -1;
        for (int32_t d = 0; d < kDirections; ++d) {
            for (int32_t c : m_next[d][f]) {
                if (!v.alive[static_cast<size_t>(c)])
                    continue;
                if (entry >= 0)
                    return false;
                entry = c;
            }
        }
    }
    std::vector<int32_t>& path = m_scratch.path;
    path.assign(1, fault);
    const std::vector<int32_t>* paths = nullptr;
    if (entry >= 0) {
        const int32_t part = v.part[static_cast<size_t>(entry)];
        if (v.anchors[static_cast<size_t>(part)] > 0) {
            paths = &v.paths[static_cast<size_t>(part)];
            path.clear();
            if (entry != fault)
                path.push_back(fault);
            for (int32_t x = entry; !v.onPaths[static_cast<size_t>(x)];
                 x = v.parent[static_cast<size_t>(x)])
                path.push_back(x);
        }
    }
    std::sort(path.begin(), path.end());
    if (paths)
        std::set_union(paths->begin(), paths->end(), path.begin(), path.end(),
                       std::back_inserter(kept));
    else
        kept = path;
    return true;
}

// Three-phase: a source or a generator anywhere in the tree feeds all of it.
void CCalcSkeleton::KeepFedThreePhase(std::vector<int32_t>& kept) const {
    const bool fed = std::any_of(kept.begin(), kept.end(), [&](int32_t x) {
        return IsKindOf(x, {kKindSource, kKindGenerator});
    });
    if (!fed)
        kept.clear();
}

void CCalcSkeleton::KeepFedInLoop(std::vector<int32_t>& kept) const {
    // Earth-fault loop: an element is fed when its way to a transformer
    // enters the transformer from below (a walk upward meets it; a walk
    // downward goes through it and on), whatever other transformers the
    // way crosses; a generator feeds all of the tree.
    if (std::any_of(kept.begin(), kept.end(),
                    [&](int32_t x) { return IsKindOf(x, {kKindGenerator}); }))
        return;
    // The tree rooted at its first element; its elements by place in kept,
    // marked with their place for the neighbour steps.
    constexpr size_t kNone = static_cast<size_t>(-1);
    Scratch& s = m_scratch;
    const size_t k = kept.size();
    const uint32_t stamp = s.Next();
    for (size_t p = 0; p < k; ++p) {
        const auto x = static_cast<size_t>(kept[p]);
        s.mark[x] = stamp;
        s.place[x] = static_cast<int32_t>(p);
    }
    auto place = [&s, stamp](int32_t x) {
        const auto i = static_cast<size_t>(x);
        return s.mark[i] == stamp ? static_cast<size_t>(s.place[i]) : kNone;
    };
    std::vector<size_t>& parent = s.parent;
    std::vector<size_t>& order = s.order;
    std::vector<uint8_t>& seen = s.seen;
    parent.assign(k, kNone);
    order.clear();
    seen.assign(k, 0);
    if (k > 0) {
        order.push_back(0);
        seen[0] = 1;
    }
    for (size_t q = 0; q < order.size(); ++q) {
        const auto x = static_cast<size_t>(kept[order[q]]);
        for (int32_t d = 0; d < kDirections; ++d) {
            for (int32_t c : m_next[d][x]) {
                const size_t p = place(c);
                if (p != kNone && !seen[p]) {
                    seen[p] = 1;
                    parent[p] = order[q];
                    order.push_back(p);
                }
            }
        }
    }
    // A transformer whose lower side is its child feeds the child's
    // subtree; one whose lower side is its parent feeds all but its own
    // subtree, so only what lies in the subtrees of all of those is left
    // unfed by them.
    std::vector<uint8_t>& feedsSubtree = s.feedsSubtree;
    std::vector<int32_t>& feedsOutside = s.feedsOutside;
    feedsSubtree.assign(k, 0);
    feedsOutside.assign(k, 0);
    int32_t outside = 0;
    for (size_t p = 0; p < k; ++p) {
        if (!IsKindOf(kept[p], {kKindTrans3, kKindTrans1}))
            continue;
        for (int32_t below : m_next[kDown][static_cast<size_t>(kept[p])]) {
            const size_t b = place(below);
            if (b == kNone)
                continue;
            if (parent[b] == p) {
                feedsSubtree[b] = 1;
            } else if (feedsOutside[p] == 0) {
                feedsOutside[p] = 1;
                ++outside;
            }
        }
    }
    std::vector<uint8_t>& fed = s.fed;
    std::vector<int32_t>& within = s.within; // the subtrees of those it lies in
    fed.assign(k, 0);
    within.assign(k, 0);
    for (size_t p : order) {
        const size_t up = parent[p];
        fed[p] = feedsSubtree[p] || (up != kNone && fed[up]);
        within[p] = feedsOutside[p] + (up != kNone ? within[up] : 0);
    }
    std::vector<int32_t>& all = s.all;
    all.swap(kept);
    kept.clear();
    for (size_t p = 0; p < k; ++p) {
        if (fed[p] || within[p] < outside || IsKindOf(all[p], {kKindTrans3, kKindTrans1}))
            kept.push_back(all[p]);
    }
}

uint32_t CCalcSkeleton::Scratch::Next() {
    if (++stamp == 0) {
        // Every array marked by the stamps, so that none carries one again.
        for (auto* marks : {&mark, &in, &reached, &upFed})
            std::fill(marks->begin(), marks->end(), 0);
        stamp = 1;
    }
    return stamp;
}

uint32_t CCalcSkeleton::NextWalk() const {
    Scratch& s = m_scratch;
    if (++s.walk == 0) {
        std::fill(s.used.begin(), s.used.end(), 0);
        s.walk = 1;
    }
    return s.walk;
}

void CCalcSkeleton::Fill(CObjElementList& list, const std::vector<int32_t>& kept) const {
    list.AssignFromSkeleton(this, kept);
}

bool CCalcSkeleton::DoPrunePhase(CObjElementList& list, CObjElement* fault,
                                 int32_t keepMotorEffects) const {
    return Matches(list) && DoPrunePhaseOfAll(list, fault, keepMotorEffects);
}

bool CCalcSkeleton::DoPrunePhaseOfAll(CObjElementList& list, CObjElement* fault,
                                      int32_t keepMotorEffects) const {
    const int32_t f = IndexOf(fault);
    if (!m_bTree || f < 0)
        return false;
    std::vector<int32_t>& kept = m_scratch.kept;
    if (!Prune(keepMotorEffects == 1 ? m_phase : m_phaseBare, f, false, kept))
        return false;
    Fill(list, kept);
    return true;
}

void CCalcSkeleton::KillDeadEnds(const std::vector<Need>& needs, const CObjElement* fault,
                                 std::vector<uint8_t>& in, std::vector<int32_t>& work) const {
    auto has = [&](size_t i, int32_t d) {
        for (int32_t c : m_next[d][i]) {
            if (in[static_cast<size_t>(c)])
                return true;
        }
        return false;
    };
    auto dead = [&](size_t i) {
        CObjElement* e = m_elements[i];
        if (e == fault)
            return e->IsOff() != 0;
        switch (needs[i]) {
        case Need::Never:
            return false;
        case Need::Always:
            return true;
        case Need::Below:
            return !has(i, kDown);
        case Need::Above:
            return !has(i, kUp);
        case Need::Either:
            return !has(i, kUp) && !has(i, kDown);
        case Need::BothAxis:
            return m_horizontal[i] ? !(has(i, kLeft) && has(i, kRight))
                                   : !(has(i, kUp) && has(i, kDown));
        case Need::TwoAny: {
            // Every neighbour on every side, each counted once.
            int32_t first = -1;
            for (int32_t d = 0; d < kDirections; ++d) {
                for (int32_t c : m_next[d][i]) {
                    if (!in[static_cast<size_t>(c)] || c == first)
                        continue;
                    if (first >= 0)
                        return false;
                    first = c;
                }
            }
            return true;
        }
        }
        return false;
    };
    while (!work.empty()) {
        const auto i = static_cast<size_t>(work.back());
        work.pop_back();
        if (!in[i] || !dead(i))
            continue;
        in[i] = 0;
        // Only those that found it may have lost a neighbour.
        for (int32_t x : m_found[i]) {
            if (in[static_cast<size_t>(x)])
                work.push_back(x);
        }
    }
}

bool CCalcSkeleton::DoPruneDeadEnds(CObjElementList& list, CObjElement* fault, bool loop,
                                    int32_t keepMotorEffects) const {
    return Matches(list) && DoPruneDeadEndsOfAll(list, fault, loop, keepMotorEffects);
}

bool CCalcSkeleton::DoPruneDeadEndsOfAll(CObjElementList& list, CObjElement* fault, bool loop,
                                         int32_t keepMotorEffects) const {
    if (m_slots.empty())
        return false;
    const size_t n = m_elements.size();
    const size_t variant = loop ? 2 : keepMotorEffects == 1 ? 0 : 1;
    const std::vector<Need>& needs = m_needs[variant];
    // What the pass leaves without a fault, once for the command: the
    // elements that are not dead whatever else is. With a fault that is
    // among them it leaves the same (the fault kept cannot keep more).
    // With a fault that is not, what the fault keeps alive is connected to
    // it through elements that are not among them (anything else kept
    // would be kept without the fault too): only those are asked again.
    std::vector<uint8_t>& base = m_deadEndsBase[variant];
    std::vector<int32_t>& baseIds = m_deadEndsBaseIds[variant];
    if (base.empty()) {
        base.assign(n, 1);
        std::vector<int32_t> work(n);
        for (size_t i = 0; i < n; ++i)
            work[i] = static_cast<int32_t>(i);
        KillDeadEnds(needs, nullptr, base, work);
        baseIds.clear();
        for (size_t i = 0; i < n; ++i) {
            if (base[i])
                baseIds.push_back(static_cast<int32_t>(i));
        }
        m_deadEndsIn[variant] = base;
        // The regions: the parts the elements outside it form among
        // themselves, through connections either way, each in list order.
        std::vector<int32_t>& regionOf = m_deadEndsRegionOf[variant];
        std::vector<std::vector<int32_t>>& regions = m_deadEndsRegions[variant];
        regionOf.assign(n, -1);
        regions.clear();
        std::vector<int32_t> stack;
        for (size_t i = 0; i < n; ++i) {
            if (base[i] || regionOf[i] >= 0)
                continue;
            const auto r = static_cast<int32_t>(regions.size());
            regions.emplace_back();
            regionOf[i] = r;
            stack.assign(1, static_cast<int32_t>(i));
            while (!stack.empty()) {
                const auto x = static_cast<size_t>(stack.back());
                stack.pop_back();
                regions.back().push_back(static_cast<int32_t>(x));
                auto reach = [&](int32_t c) {
                    const auto ci = static_cast<size_t>(c);
                    if (!base[ci] && regionOf[ci] < 0) {
                        regionOf[ci] = r;
                        stack.push_back(c);
                    }
                };
                for (int32_t d = 0; d < kDirections; ++d) {
                    for (int32_t c : m_next[d][x])
                        reach(c);
                }
                for (int32_t c : m_found[x])
                    reach(c);
            }
            std::sort(regions.back().begin(), regions.back().end());
        }
    }
    const int32_t f = IndexOf(fault);
    if (f >= 0 && fault->IsOff() != 0) {
        // An element switched off dies as the fault: the whole pass.
        std::vector<uint8_t> in(n, 1);
        std::vector<int32_t> work(n);
        for (size_t i = 0; i < n; ++i)
            work[i] = static_cast<int32_t>(i);
        KillDeadEnds(needs, fault, in, work);
        std::vector<int32_t> kept;
        for (size_t i = 0; i < n; ++i) {
            if (in[i])
                kept.push_back(static_cast<int32_t>(i));
        }
        Fill(list, kept);
        return true;
    }
    if (f < 0 || base[static_cast<size_t>(f)]) {
        Fill(list, baseIds);
        return true;
    }
    // The members are what is left without the fault and the fault's
    // region; none of the former dies (each has what it needs among them
    // already), so only the region is asked, and it leaves the members
    // afterwards.
    Scratch& s = m_scratch;
    std::vector<uint8_t>& in = m_deadEndsIn[variant];
    const std::vector<int32_t>& region =
        m_deadEndsRegions[variant]
                         [static_cast<size_t>(m_deadEndsRegionOf[variant][static_cast<size_t>(f)])];
    for (int32_t x : region)
        in[static_cast<size_t>(x)] = 1;
    s.work.assign(region.begin(), region.end());
    KillDeadEnds(needs, fault, in, s.work);
    std::vector<int32_t>& survivors = s.survivors;
    survivors.clear();
    for (int32_t x : region) {
        const auto i = static_cast<size_t>(x);
        if (in[i])
            survivors.push_back(x);
        in[i] = 0;
    }
    std::vector<int32_t>& kept = s.kept;
    kept.resize(baseIds.size() + survivors.size());
    std::merge(baseIds.begin(), baseIds.end(), survivors.begin(), survivors.end(), kept.begin());
    Fill(list, kept);
    return true;
}

bool CCalcSkeleton::DoPruneLoop(CObjElementList& list, CObjElement* fault) const {
    return Matches(list) && DoPruneLoopOfAll(list, fault);
}

bool CCalcSkeleton::DoPruneLoopOfAll(CObjElementList& list, CObjElement* fault) const {
    const int32_t f = IndexOf(fault);
    if (!m_bTree || f < 0)
        return false;
    std::vector<int32_t>& kept = m_scratch.kept;
    if (!Prune(m_loop, f, true, kept))
        return false;
    Fill(list, kept);
    return true;
}

// --- the passes after the dead ends, by reachability -------------------------------------

bool CCalcSkeleton::MembersOf(const CObjElementList& list, uint32_t stamp,
                              std::vector<int32_t>& ids) const {
    ids.clear();
    int32_t last = -1;
    for (CObjElement* e : list) {
        const int32_t id = IndexOf(e);
        if (id <= last)
            return false;
        m_scratch.in[static_cast<size_t>(id)] = stamp;
        ids.push_back(id);
        last = id;
    }
    return true;
}

void CCalcSkeleton::Connected(const Members& in, int32_t fault, std::vector<int32_t>& keep) const {
    // The pass's walks for each element, with what they used up marked
    // instead of taken out of a copy of the list.
    std::vector<uint32_t>& used = m_scratch.used;
    uint32_t walk = 0;
    auto kind = [&](int32_t i) { return m_kinds[static_cast<size_t>(i)]; };
    auto take = [&](int32_t from, int32_t d) -> int32_t {
        used[static_cast<size_t>(from)] = walk;
        for (int32_t c : m_next[d][static_cast<size_t>(from)]) {
            const auto k = static_cast<size_t>(c);
            if (in.Has(k) && used[k] != walk) {
                used[k] = walk;
                return c;
            }
        }
        return -1;
    };
    auto stops = [&](int32_t c, int32_t d) {
        const int32_t k = kind(c);
        if (d == kUp)
            return k == kKindSource || k == kKindGenerator;
        if (d == kDown)
            return k == kKindMotorEff || k == kKindMotor || k == kKindLoad || k == kKindCapacitor;
        return false;
    };
    auto connected = [&](auto&& self, int32_t j) -> bool {
        for (int32_t d : {kUp, kDown}) {
            for (int32_t x = take(j, d); x >= 0; x = take(j, d)) {
                for (int32_t c = x; c >= 0; c = take(c, d)) {
                    if (c == fault)
                        return true;
                    if (stops(c, d))
                        break;
                    if (kind(c) == kKindZeroCond) {
                        if (self(self, c))
                            return true;
                        break;
                    }
                }
            }
        }
        for (int32_t d : {kLeft, kRight}) {
            for (int32_t c = take(j, d); c >= 0; c = take(c, d)) {
                if (c == fault)
                    return true;
                if (kind(c) == kKindZeroCond) {
                    if (self(self, c))
                        return true;
                    break;
                }
            }
        }
        return false;
    };
    auto walks = [&](int32_t x, int32_t d) {
        for (int32_t c = take(x, d); c >= 0; c = take(c, d)) {
            if (c == fault)
                return true;
            if (kind(c) == kKindZeroCond)
                return connected(connected, c);
            if (stops(c, d))
                return false;
        }
        return false;
    };
    keep.clear();
    for (int32_t x : *in.ids) {
        const auto i = static_cast<size_t>(x);
        walk = NextWalk();
        bool reaches = false;
        if (x == fault)
            reaches = true;
        else if (kind(x) == kKindZeroCond)
            reaches = connected(connected, x);
        else if (m_horizontal[i])
            reaches = walks(x, kLeft) || walks(x, kRight);
        else
            reaches = walks(x, kUp) || walks(x, kDown);
        if (reaches)
            keep.push_back(x);
    }
}

void CCalcSkeleton::Reaching(const Members& in, int32_t fault, std::vector<int32_t>& keep) const {
    if (!m_bPathForm) {
        Connected(in, fault, keep);
        return;
    }
    // The states of a walk: arriving at an element going one way (0 to 3),
    // and the walk of all the branches of a zero conductor (4). A walk goes
    // from an element to the first neighbour still in the list that way,
    // and a zero conductor's walk to every one above and below and the
    // first one on each side; it stops at the fault, upward at a supply or
    // generator, downward at a consumer or motor effect. The states that
    // lead to the fault are found by going back from it: the connections
    // are seen alike from both ends, so the elements a state is reached
    // from are the element's neighbours the other way.
    //
    // A zero conductor may have hundreds of neighbours of which a fault
    // keeps a few: the members' connections are gathered once from the
    // members' own short lists (a zero conductor's other neighbours find
    // it from their side, and it looks only at the zero conductors beside
    // it), and the states by the members' places.
    constexpr size_t kStates = 5;
    constexpr size_t kBranches = kDirections;
    Scratch& s = m_scratch;
    const std::vector<int32_t>& ids = *in.ids;
    const size_t k = ids.size();
    std::vector<int32_t>& place = s.memberPlace;
    for (size_t p = 0; p < k; ++p)
        place[static_cast<size_t>(ids[p])] = static_cast<int32_t>(p);
    auto placeOf = [&](int32_t x) { return static_cast<size_t>(place[static_cast<size_t>(x)]); };
    auto isJunction = [&](int32_t x) { return m_kinds[static_cast<size_t>(x)] == kKindZeroCond; };
    // The members a state (place, direction) is reached from: those whose
    // neighbours that way hold the element, as (state, member) pairs.
    std::vector<std::pair<uint32_t, int32_t>>& edges = s.edges;
    edges.clear();
    auto link = [&](int32_t from, int32_t to, int32_t d) {
        edges.emplace_back(
            static_cast<uint32_t>(placeOf(to) * kDirections + static_cast<size_t>(d)), from);
    };
    for (int32_t x : ids) {
        const auto xi = static_cast<size_t>(x);
        const bool junction = isJunction(x);
        for (int32_t d = 0; d < kDirections; ++d) {
            for (int32_t c : junction ? m_nextJunctions[d][xi] : m_next[d][xi]) {
                if (!in.Has(static_cast<size_t>(c)))
                    continue;
                link(x, c, d);
                if (!junction && isJunction(c))
                    link(c, x, Opposite(d));
            }
        }
    }
    std::vector<uint32_t>& start = s.edgeStart;
    std::vector<int32_t>& from = s.edgeFrom;
    start.assign(k * kDirections + 1, 0);
    for (const auto& e : edges)
        ++start[e.first + 1];
    for (size_t q = 1; q < start.size(); ++q)
        start[q] += start[q - 1];
    from.resize(edges.size());
    {
        std::vector<uint32_t>& next = s.edgeNext;
        next.assign(start.begin(), start.end() - 1);
        for (const auto& e : edges)
            from[next[e.first]++] = e.second;
    }
    std::vector<uint8_t>& good = s.goodByPlace;
    good.assign(k * kStates, 0);
    std::vector<size_t>& work = s.states;
    work.clear();
    auto first = [&](size_t i, int32_t d) -> int32_t {
        for (int32_t c : m_next[d][i]) {
            if (in.Has(static_cast<size_t>(c)))
                return c;
        }
        return -1;
    };
    auto stops = [&](size_t i, int32_t d) {
        const int32_t kind = m_kinds[i];
        if (d == kUp)
            return kind == kKindSource || kind == kKindGenerator;
        if (d == kDown)
            return kind == kKindMotorEff || kind == kKindMotor || kind == kKindLoad ||
                   kind == kKindCapacitor;
        return false;
    };
    auto reach = [&](size_t state) {
        if (!good[state]) {
            good[state] = 1;
            work.push_back(state);
        }
    };
    const auto f = static_cast<size_t>(fault);
    if (in.Has(f)) {
        for (size_t d = 0; d < kDirections; ++d)
            reach(placeOf(fault) * kStates + d);
    }
    while (!work.empty()) {
        const size_t state = work.back();
        work.pop_back();
        const size_t p = state / kStates;
        const auto d = static_cast<int32_t>(state % kStates);
        if (d == static_cast<int32_t>(kBranches)) {
            // A zero conductor's walk is where every walk arriving at it goes.
            for (size_t e = 0; e < kDirections; ++e)
                reach(p * kStates + e);
            continue;
        }
        // Arriving at i going d: from the walk of the element before it (a
        // zero conductor's walk takes every branch above and below, else
        // the first neighbour still in the list).
        const auto i = ids[p];
        const bool everyBranch = d == kUp || d == kDown;
        const size_t pd = p * kDirections + static_cast<size_t>(d);
        for (uint32_t q = start[pd]; q < start[pd + 1]; ++q) {
            const int32_t c = from[q];
            const auto ci = static_cast<size_t>(c);
            const bool junction = isJunction(c);
            if (!(junction && everyBranch) && first(ci, d) != i)
                continue;
            if (junction)
                reach(placeOf(c) * kStates + kBranches);
            else if (ci != f && !stops(ci, d))
                reach(placeOf(c) * kStates + static_cast<size_t>(d));
        }
    }
    auto walks = [&](size_t i, int32_t d) {
        const int32_t c = first(i, d);
        return c >= 0 && good[placeOf(c) * kStates + static_cast<size_t>(d)];
    };
    keep.clear();
    for (size_t p = 0; p < k; ++p) {
        const int32_t x = ids[p];
        const auto i = static_cast<size_t>(x);
        bool reaches = false;
        if (i == f)
            reaches = true;
        else if (m_kinds[i] == kKindZeroCond)
            reaches = good[p * kStates + kBranches] != 0;
        else if (m_horizontal[i])
            reaches = walks(i, kLeft) || walks(i, kRight);
        else
            reaches = walks(i, kUp) || walks(i, kDown);
        if (reaches)
            keep.push_back(x);
    }
}

void CCalcSkeleton::Fed(const Members& in, bool loop, std::vector<int32_t>& keep) const {
    // Which feed a walk meets first depends on the order of the walks: a
    // transformer passed going down is used up and no longer feeds the bus
    // below it when that bus's search looks up. So each element's walks are
    // done as the pass does them, with the elements they used up marked
    // instead of taken out of a copy of the list. They end at the first
    // feed, which on most networks is a few junctions up.
    //
    // What a walk does while it has only gone up depends only on the
    // elements above where it stands, which none of it has used up yet
    // (each step up lands strictly higher): so a junction's search, or an
    // element's walk up the chain it stands in, that found a feed going
    // only up finds it again for any later walk that comes up to it, and
    // is marked (by the members' stamp in upFed) instead of walked again.
    Scratch& s = m_scratch;
    std::vector<uint32_t>& used = s.used;
    std::vector<uint32_t>& upFed = s.upFed;
    std::vector<int32_t>& chain = s.chain;
    const uint32_t stamp = in.stamp;
    const bool memo = m_bRisesUp;
    uint32_t walk = 0;
    bool upward = true; // the walk has only gone up so far
    auto feeds = [&](int32_t i) {
        const int32_t k = m_kinds[static_cast<size_t>(i)];
        return loop ? k == kKindTrans3 || k == kKindTrans1 || k == kKindGenerator
                    : k == kKindSource || k == kKindGenerator;
    };
    auto kindIs = [&](int32_t i, std::initializer_list<int32_t> kinds) {
        const int32_t k = m_kinds[static_cast<size_t>(i)];
        return std::find(kinds.begin(), kinds.end(), k) != kinds.end();
    };
    auto junction = [&](int32_t i) { return m_kinds[static_cast<size_t>(i)] == kKindZeroCond; };
    auto upFound = [&](int32_t i) {
        return memo && upward && upFed[static_cast<size_t>(i)] == stamp;
    };
    // The consuming neighbour search: the element leaves the list, and the
    // first neighbour still in it leaves with it.
    auto take = [&](int32_t from, int32_t d) -> int32_t {
        if (d != kUp)
            upward = false;
        used[static_cast<size_t>(from)] = walk;
        for (int32_t c : m_next[d][static_cast<size_t>(from)]) {
            const auto k = static_cast<size_t>(c);
            if (in.Has(k) && used[k] != walk) {
                used[k] = walk;
                return c;
            }
        }
        return -1;
    };
    const std::initializer_list<int32_t> below = {kKindMotorEff, kKindMotor, kKindLoad,
                                                  kKindCapacitor};
    // The search at a zero conductor for a feed above any of its branches.
    auto search = [&](auto&& self, int32_t j) -> bool {
        if (upFound(j))
            return true;
        const bool found = [&] {
            for (int32_t x = take(j, kUp); x >= 0; x = take(j, kUp)) {
                for (int32_t c = x; c >= 0; c = take(c, kUp)) {
                    if (feeds(c))
                        return true;
                    if (junction(c)) {
                        if (self(self, c))
                            return true;
                        break;
                    }
                }
            }
            for (int32_t x = take(j, kDown); x >= 0; x = take(j, kDown)) {
                if (m_kinds[static_cast<size_t>(x)] == kKindMotor)
                    continue; // a motor hanging below feeds nothing
                for (int32_t c = x; c >= 0; c = take(c, kDown)) {
                    if (kindIs(c, below))
                        break;
                    if (junction(c)) {
                        if (self(self, c))
                            return true;
                        break;
                    }
                }
            }
            for (int32_t d : {kLeft, kRight}) {
                for (int32_t c = take(j, d); c >= 0; c = take(c, d)) {
                    if (junction(c)) {
                        if (self(self, c))
                            return true;
                        break;
                    }
                }
            }
            return false;
        }();
        if (found && memo && upward)
            upFed[static_cast<size_t>(j)] = stamp;
        return found;
    };
    // The element's own walk one way; going up, the elements it passed
    // (those after which it would have gone on the same way) are kept in
    // chain.
    auto walks = [&](int32_t x, int32_t d) {
        chain.clear();
        for (int32_t c = take(x, d); c >= 0; c = take(c, d)) {
            if (d == kUp && (feeds(c) || upFound(c)))
                return true;
            if (junction(c))
                return search(search, c);
            if (d == kUp && kindIs(c, {kKindSource, kKindGenerator}))
                return false;
            if (d == kDown && kindIs(c, below))
                return false;
            if (d == kUp)
                chain.push_back(c);
        }
        return false;
    };
    keep.clear();
    for (int32_t x : *in.ids) {
        const auto i = static_cast<size_t>(x);
        walk = NextWalk();
        upward = true;
        bool fed = false;
        if (feeds(x)) {
            fed = true;
        } else if (junction(x)) {
            fed = search(search, x);
        } else if (m_horizontal[i]) {
            fed = walks(x, kLeft) || walks(x, kRight);
        } else {
            fed = walks(x, kUp);
            if (fed && memo && upward) {
                // A walk that comes up to one of these goes on as this
                // one did; to the element itself too, unless it stops
                // there.
                for (int32_t c : chain)
                    upFed[static_cast<size_t>(c)] = stamp;
                if (!kindIs(x, {kKindSource, kKindGenerator}))
                    upFed[i] = stamp;
            }
            fed = fed || walks(x, kDown);
        }
        if (fed)
            keep.push_back(x);
    }
}

bool CCalcSkeleton::DoPruneReach(CObjElementList& list, CObjElement* fault, bool loop) const {
    const int32_t f = IndexOf(fault);
    if (m_slots.empty() || f < 0)
        return false;
    Scratch& s = m_scratch;
    const size_t n = m_elements.size();
    if (s.in.size() != n) {
        s.in.assign(n, 0);
        s.reached.assign(n, 0);
        s.used.assign(n, 0);
        s.upFed.assign(n, 0);
        s.memberPlace.assign(n, 0);
    }
    const uint32_t stamp = s.Next();
    if (!MembersOf(list, stamp, s.members))
        return false;
    Reaching(Members{&s.in, stamp, &s.members}, f, s.connected);
    for (int32_t x : s.connected)
        s.reached[static_cast<size_t>(x)] = stamp;
    Fed(Members{&s.reached, stamp, &s.connected}, loop, s.fedIds);
    Fill(list, s.fedIds);
    return true;
}

// --- the reductions kept for the command -------------------------------------------------

const CCalcSkeleton::Reduction* CCalcSkeleton::FindReduction(const CObjElement* fault,
                                                             bool loop) const {
    const auto& kept = m_reductions[loop ? 1 : 0];
    auto it = kept.find(fault);
    return it == kept.end() ? nullptr : &it->second;
}

void CCalcSkeleton::KeepReduction(const CObjElement* fault, bool loop,
                                  const Reduction& reduction) const {
    m_reductions[loop ? 1 : 0].emplace(fault, reduction);
}
