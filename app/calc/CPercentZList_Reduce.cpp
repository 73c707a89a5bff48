// The network reduction over the node list: neighbours by rectangles, the
// junction preparation, the series and parallel passes, the start node and
// the reduction to the fault for three-phase faults and for the earth-fault
// loops. Every zero test is an exact comparison of a magnitude with 0.0.

#include "CPercentZList.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

constexpr uint32_t kSource = 4;
constexpr uint32_t kTrans3 = 5;
constexpr uint32_t kGenerator = 6;
constexpr uint32_t kMotorEffect = 7;
constexpr uint32_t kJunction = 8;
constexpr uint32_t kTrans1 = 16;
constexpr uint32_t kBranch = CPercentZ::kindBranch;

bool IsJunction(const CPercentZ* n) {
    return n->m_nKind == kJunction;
}
bool IsFault(const CPercentZ* n) {
    return n->m_nFaultPoint == 1;
}
bool IsTransformer(const CPercentZ* n) {
    return n->m_nKind == kTrans3 || n->m_nKind == kTrans1;
}

int32_t WidthOf(const fw::CRect& r) {
    return std::abs(r.right - r.left);
}

// A branch wider than one cell lies across: it is entered from above at its
// left end and left downward at its right end. A bus that only passes
// current on becomes a branch from its upper branch's left edge to its lower
// branch's right edge; when the lower branch hangs to the left of the upper
// one the two edges cross (right < left) and the branch still runs between
// two columns, also when they are neighbours and the edges only one unit
// apart: read as short, its ends would be tested where neither branch is.
bool IsLong(const CPercentZ* n) {
    return n->m_nKind == kBranch && (WidthOf(n->m_rect) >= 40 || n->m_rect.right < n->m_rect.left);
}

bool Overlap(const fw::CRect& a, const fw::CRect& b) {
    return b.left < a.right && a.left < b.right;
}

// The loop values come in two pairs, combined separately.
enum class Pair { N, PE };

double Mag(const CPercentZ& z, Pair p) {
    return p == Pair::N ? z.GetZN() : z.GetZPE();
}

void AddPair(CPercentZ& to, const CPercentZ& from, Pair p) {
    if (p == Pair::N) {
        to.m_dRN += from.m_dRN;
        to.m_dXN += from.m_dXN;
    } else {
        to.m_dRPE += from.m_dRPE;
        to.m_dXPE += from.m_dXPE;
    }
}

void ParallelPair(CPercentZ& to, const CPercentZ& from, Pair p) {
    if (p == Pair::N)
        to.DoParallelN(from);
    else
        to.DoParallelPE(from);
}

void SetPair(CPercentZ& to, const CPercentZ& from, Pair p) {
    if (p == Pair::N) {
        to.m_dRN = from.m_dRN;
        to.m_dXN = from.m_dXN;
    } else {
        to.m_dRPE = from.m_dRPE;
        to.m_dXPE = from.m_dXPE;
    }
}

void ZeroPair(CPercentZ& z, Pair p) {
    if (p == Pair::N)
        z.m_dRN = z.m_dXN = 0.0;
    else
        z.m_dRPE = z.m_dXPE = 0.0;
}

void AddLoop(CPercentZ& to, const CPercentZ& from) {
    to.DoAddN(from);
    to.DoAddPE(from);
}

constexpr Pair kPairs[] = {Pair::N, Pair::PE};

} // namespace

// --- neighbours ------------------------------------------------------------------

namespace {

bool HasTerminal(const CPercentZ* node, int32_t d) {
    switch (d) {
    case kUp:
        return node->HasUpperTerminal();
    case kDown:
        return node->HasLowerTerminal();
    case kLeft:
    case kRight:
        return node->HasSideTerminal();
    default:
        return false;
    }
}

// Whether m is node's neighbour in direction d (node has the terminal).
// The edges are compared first: most nodes of a list do not touch.
// Inlined into each search, where the direction is known.
[[gnu::always_inline]] inline bool Touches(const CPercentZ* node, const CPercentZ* m, int32_t d) {
    const fw::CRect& n = node->m_rect;
    const fw::CRect& o = m->m_rect;
    switch (d) {
    case kUp:
        if (n.top != o.bottom + 1 || !m->HasLowerTerminal())
            return false;
        if (IsLong(node))
            return o.left <= n.left && n.left + 39 <= o.right;
        if (IsLong(m))
            return n.left <= o.right - 39 && n.left + WidthOf(n) >= o.right;
        if (IsJunction(node) || IsJunction(m))
            return Overlap(n, o);
        return o.left == n.left;
    case kDown:
        if (o.top != n.bottom + 1 || !m->HasUpperTerminal())
            return false;
        if (IsLong(node))
            return n.right - 39 >= o.left && n.right <= o.right;
        if (IsLong(m))
            return n.left <= o.left && o.left + 39 <= n.left + WidthOf(n);
        if (IsJunction(node) || IsJunction(m))
            return Overlap(n, o);
        return o.left == n.left;
    case kRight:
        return o.top == n.top && o.left == n.left + WidthOf(n) + 1 && m->HasSideTerminal();
    case kLeft:
        return o.top == n.top && n.left == o.left + WidthOf(o) + 1 && m->HasSideTerminal();
    default:
        return false;
    }
}

// The columns a node can meet a neighbour in, from its leftmost edge to one
// past its right end (where its right neighbour starts). Two nodes touch in
// any direction only where these overlap (a left or right neighbour at
// the one column past the other's end), so a search skips every node
// whose columns lie apart from the ones it looks along.
struct Span {
    int64_t lo;
    int64_t hi;
};

Span SpanOf(const fw::CRect& r) {
    return {std::min<int64_t>(r.left, r.right), int64_t{r.left} + WidthOf(r) + 1};
}

// The columns a search from the node looks along: up and down its own
// (a long branch's far end included); sideways the one column where the
// neighbour's right end (left) or left edge (right) must be.
Span SearchSpanOf(const fw::CRect& r, int32_t d) {
    const int64_t end = int64_t{r.left} + WidthOf(r);
    if (d == kLeft)
        return {r.left, r.left};
    if (d == kRight)
        return {end + 1, end + 1};
    return {std::min<int64_t>(r.left, r.right), end};
}

bool Meet(const Span& a, const Span& b) {
    return a.lo <= b.hi && b.lo <= a.hi;
}

} // namespace

CPercentZ* CPercentZList::DoFindNeighbour(CPercentZ* node, int32_t d, int32_t take) {
    if (!node)
        return nullptr;
    if (m_pTake)
        return DoFindNeighbourIndexed(node, d, take);
    if (take == 1)
        Remove(node);
    if (!HasTerminal(node, d))
        return nullptr;
    for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
        CPercentZ* m = *it;
        if (m == node || !Touches(node, m, d))
            continue;
        if (take == 1)
            m_nodes.erase(it);
        return m;
    }
    return nullptr;
}

// --- junction preparation and the passes -------------------------------------------

void CPercentZList::DoSeriesPhase() {
    DoSeries(false);
}
void CPercentZList::DoSeriesLoop() {
    DoSeries(true);
}

namespace {

// A vector for the working data of one pass, taken from those the thread's
// earlier passes gave back (with the room they grew to), and given back when
// the pass ends: the passes run for every fault, and would otherwise ask
// for their memory anew every time. It comes empty.
template <class T> class Borrowed : public std::vector<T> {
public:
    Borrowed() {
        std::vector<std::vector<T>>& pool = Pool();
        if (!pool.empty()) {
            this->swap(pool.back());
            pool.pop_back();
            this->clear();
        }
    }
    Borrowed(size_t count, const T& value) : Borrowed() { this->assign(count, value); }
    explicit Borrowed(const std::vector<T>& from) : Borrowed() {
        this->assign(from.begin(), from.end());
    }
    Borrowed(const Borrowed&) = delete;
    Borrowed& operator=(const Borrowed&) = delete;
    ~Borrowed() {
        // Short of memory for the pool's own slot, the vector is freed
        // instead of kept: a destructor must not throw.
        try {
            std::vector<std::vector<T>>& pool = Pool();
            pool.emplace_back();
            pool.back().swap(*this);
        } catch (const std::bad_alloc&) {
        }
    }

private:
    static std::vector<std::vector<T>>& Pool() {
        thread_local std::vector<std::vector<T>> pool;
        return pool;
    }
};

// The junctions asked to be looked at, the first in the list's order first;
// each place is in it at most once.
class AskQueue {
public:
    bool empty() const { return m_heap.empty(); }
    size_t top() const { return m_heap.front(); }
    void push(size_t seq) {
        m_heap.push_back(seq);
        std::push_heap(m_heap.begin(), m_heap.end(), std::greater<>());
    }
    void pop() {
        std::pop_heap(m_heap.begin(), m_heap.end(), std::greater<>());
        m_heap.pop_back();
    }

private:
    Borrowed<size_t> m_heap;
};

class EdgeWatch;

// An edge a search looked along, and the columns it looked at there.
struct Looked {
    int32_t edge;
    Span span;
};

// The nodes of the list by the edges the neighbour rule compares (top and
// bottom), each edge's nodes in the list's order, kept up to date as the
// series pass changes the list. A search then looks at the nodes of one
// edge, not at the whole list, and finds the node the list's own search
// would: the first that touches, in the list's order. The edges are
// numbered once (tops and bottoms apart), each with room for its nodes and
// two more in one array, so that a change moves the entries of its own
// edges only: a merge puts a node where one of the nodes it takes in stood.
class EdgeIndex {
public:
    // Each edge gets its number as the list first stands on it, through a
    // table of the edges by hash; its entries follow in the list's order.
    explicit EdgeIndex(const std::vector<CPercentZ*>& nodes) {
        const size_t n = nodes.size();
        m_shift = 60;
        while ((size_t{1} << (64 - m_shift)) < 4 * n)
            --m_shift;
        m_table.assign(size_t{1} << (64 - m_shift), Bucket{});
        m_mask = m_table.size() - 1;
        Borrowed<int32_t> slotOf(2 * n, 0);
        m_edges.reserve(2 * n);
        for (size_t i = 0; i < n; ++i) {
            slotOf[2 * i] = SlotOrAdd(Key(false, nodes[i]->m_rect.top));
            slotOf[2 * i + 1] = SlotOrAdd(Key(true, nodes[i]->m_rect.bottom));
            for (size_t k : {2 * i, 2 * i + 1})
                ++m_edges[static_cast<size_t>(slotOf[k])].capacity;
        }
        uint32_t offset = 0;
        for (Edge& e : m_edges) {
            e.capacity += kRoom;
            e.offset = offset;
            offset += e.capacity;
        }
        m_entries.resize(offset);
        for (size_t k = 0; k < 2 * n; ++k) {
            CPercentZ* node = nodes[k / 2];
            Edge& e = m_edges[static_cast<size_t>(slotOf[k])];
            m_entries[e.offset + e.count++] = MakeEntry(k / 2, node, SpanOf(node->m_rect));
        }
    }

public:
    // Calls visit with every neighbour of the node in the direction, in
    // list order, while it answers true.
    template <class Visit> void ForEach(const CPercentZ* node, int32_t d, Visit&& visit) const {
        if (!HasTerminal(node, d))
            return;
        const int32_t slot = SearchSlot(node, d);
        if (slot < 0)
            return;
        // An edge no node stands on never gets one: the merged rectangles
        // are made of edges that were there.
        const Span look = SearchSpanOf(node->m_rect, d);
        if (m_looked)
            m_looked->push_back({slot, look});
        const Cols cols = ColsOf(look);
        const Entry* begin = nullptr;
        const Entry* end = nullptr;
        Range(slot, &begin, &end);
        FirstMeeting(begin, end, cols, [&](const Entry* e) {
            return e->node != node && Touches(node, e->node, d) && !visit(e->node);
        });
    }

    // The number of edges, for the watches of the series pass.
    size_t EdgeCount() const { return m_edges.size(); }
    // While set, every search adds the number of the edge it looked along
    // and the columns it looked at.
    void Record(std::vector<Looked>* looked) { m_looked = looked; }
    // Told the number of every edge whose nodes change, and the columns of
    // the node that changed there.
    void OnChange(EdgeWatch* watch) { m_watch = watch; }
    // The first neighbour, and its place in the list's order.
    CPercentZ* First(const CPercentZ* node, int32_t d, size_t* seq = nullptr) const {
        if (!HasTerminal(node, d))
            return nullptr;
        const int32_t slot = SearchSlot(node, d);
        if (slot < 0)
            return nullptr;
        const Span look = SearchSpanOf(node->m_rect, d);
        if (m_looked)
            m_looked->push_back({slot, look});
        const Cols cols = ColsOf(look);
        const Entry* begin = nullptr;
        const Entry* end = nullptr;
        Range(slot, &begin, &end);
        const Entry* e = FirstMeeting(begin, end, cols, [&](const Entry* x) {
            return x->node != node && Touches(node, x->node, d);
        });
        if (!e)
            return nullptr;
        if (seq)
            *seq = e->seq;
        return e->node;
    }

    // The first neighbour in list order whose place skip does not refuse,
    // and that place.
    template <class Skip>
    CPercentZ* FirstUnless(const CPercentZ* node, int32_t d, size_t* seq, Skip&& skip) const {
        const int32_t slot = SearchSlot(node, d);
        if (slot < 0)
            return nullptr;
        const Entry* begin = nullptr;
        const Entry* end = nullptr;
        Range(slot, &begin, &end);
        const Cols cols = ColsOf(SearchSpanOf(node->m_rect, d));
        const Entry* e = FirstMeeting(begin, end, cols, [&](const Entry* x) {
            return !skip(x->seq) && x->node != node && Touches(node, x->node, d);
        });
        if (!e)
            return nullptr;
        *seq = e->seq;
        return e->node;
    }

    // The node's place in the list's order, by its own top edge; false
    // when it is not in the index.
    bool PlaceOf(const CPercentZ* node, size_t* seq) const {
        const int32_t slot = Slot(false, node->m_rect.top);
        if (slot < 0)
            return false;
        const Entry* begin = nullptr;
        const Entry* end = nullptr;
        Range(slot, &begin, &end);
        for (const Entry* e = begin; e != end; ++e) {
            if (e->node == node) {
                *seq = e->seq;
                return true;
            }
        }
        return false;
    }

    // Before a node's rectangle changes or it leaves the list; its place in
    // the list's order comes back.
    size_t Erase(const CPercentZ* node) {
        size_t seq = 0;
        Take(Slot(false, node->m_rect.top), node, &seq);
        Take(Slot(true, node->m_rect.bottom), node, &seq);
        const Span span = SpanOf(node->m_rect);
        Changed(false, node->m_rect.top, span);
        Changed(true, node->m_rect.bottom, span);
        return seq;
    }
    // After its rectangle changed, at its place in the list's order.
    void Insert(CPercentZ* node, size_t seq) {
        const Span span = SpanOf(node->m_rect);
        Put(SlotOrNew(false, node->m_rect.top), MakeEntry(seq, node, span));
        Put(SlotOrNew(true, node->m_rect.bottom), MakeEntry(seq, node, span));
        Changed(false, node->m_rect.top, span);
        Changed(true, node->m_rect.bottom, span);
    }

private:
    static constexpr uint32_t kRoom = 2;
    // A span's columns held to 32 bits (those beyond saturate), so that an
    // entry takes 24 bytes and a search reads fewer lines of an edge's
    // entries. Holding keeps order, so every pair of spans that meets
    // still meets; the neighbour rule itself then decides.
    struct Cols {
        int32_t lo;
        int32_t hi;
    };
    static int32_t Held(int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                        std::numeric_limits<int32_t>::max()));
    }
    static Cols ColsOf(const Span& s) { return {Held(s.lo), Held(s.hi)}; }
    static bool Meet(const Cols& a, const Cols& b) { return a.lo <= b.hi && b.lo <= a.hi; }
    struct Entry {
        Cols cols; // the node's columns, as it stood when entered
        uint32_t seq;
        CPercentZ* node;
    };
    // The first entry, in order, whose columns meet and that accept takes.
    // Four entries' columns are compared at a time, without a branch for
    // each: most of an edge's nodes lie apart from the columns looked at.
    template <class Accept>
    static const Entry* FirstMeeting(const Entry* begin, const Entry* end, const Cols& cols,
                                     Accept&& accept) {
        const Entry* e = begin;
        for (; end - e >= 4; e += 4) {
            unsigned mask = 0;
            for (unsigned k = 0; k < 4; ++k)
                mask |= static_cast<unsigned>((e[k].cols.lo <= cols.hi) & (cols.lo <= e[k].cols.hi))
                        << k;
            while (mask != 0) {
                const int k = std::countr_zero(mask);
                mask &= mask - 1;
                if (accept(e + k))
                    return e + k;
            }
        }
        for (; e != end; ++e) {
            if (Meet(e->cols, cols) && accept(e))
                return e;
        }
        return nullptr;
    }
    static Entry MakeEntry(size_t seq, CPercentZ* node, const Span& span) {
        return {ColsOf(span), static_cast<uint32_t>(seq), node};
    }
    // An edge's entries: count of them from offset in the array, with room
    // for capacity; an edge that outgrew its room keeps them apart.
    struct Edge {
        uint32_t offset = 0;
        uint32_t count = 0;
        uint32_t capacity = 0;
        int32_t apart = -1;
    };

    void Range(int32_t slot, const Entry** begin, const Entry** end) const {
        const Edge& e = m_edges[static_cast<size_t>(slot)];
        if (e.apart >= 0) {
            const std::vector<Entry>& v = m_apart[static_cast<size_t>(e.apart)];
            *begin = v.data();
            *end = v.data() + v.size();
        } else {
            *begin = m_entries.data() + e.offset;
            *end = *begin + e.count;
        }
    }
    int32_t SearchSlot(const CPercentZ* node, int32_t d) const {
        const fw::CRect& r = node->m_rect;
        const int32_t edge = d == kUp ? r.top - 1 : d == kDown ? r.bottom + 1 : r.top;
        return Slot(d == kUp, edge);
    }
    void Take(int32_t slot, const CPercentZ* node, size_t* seq) {
        if (slot < 0)
            return;
        Edge& e = m_edges[static_cast<size_t>(slot)];
        if (e.apart >= 0) {
            std::vector<Entry>& v = m_apart[static_cast<size_t>(e.apart)];
            for (auto it = v.begin(); it != v.end(); ++it) {
                if (it->node == node) {
                    *seq = it->seq;
                    v.erase(it);
                    return;
                }
            }
            return;
        }
        Entry* begin = m_entries.data() + e.offset;
        Entry* end = begin + e.count;
        for (Entry* it = begin; it != end; ++it) {
            if (it->node == node) {
                *seq = it->seq;
                std::copy(it + 1, end, it);
                --e.count;
                return;
            }
        }
    }
    void Put(int32_t slot, const Entry& entry) {
        Edge& e = m_edges[static_cast<size_t>(slot)];
        auto before = [](size_t seq, const Entry& x) { return seq < x.seq; };
        if (e.apart < 0 && e.count == e.capacity) {
            e.apart = static_cast<int32_t>(m_apart.size());
            m_apart.emplace_back(m_entries.begin() + e.offset,
                                 m_entries.begin() + e.offset + e.count);
        }
        if (e.apart >= 0) {
            std::vector<Entry>& v = m_apart[static_cast<size_t>(e.apart)];
            v.insert(std::upper_bound(v.begin(), v.end(), entry.seq, before), entry);
            return;
        }
        Entry* begin = m_entries.data() + e.offset;
        Entry* end = begin + e.count;
        Entry* at = std::upper_bound(begin, end, entry.seq, before);
        std::copy_backward(at, end, end + 1);
        *at = entry;
        ++e.count;
    }

    static int64_t Key(bool bottom, int32_t edge) {
        return 2 * static_cast<int64_t>(edge) + bottom;
    }
    size_t Hash(int64_t key) const {
        return static_cast<size_t>((static_cast<uint64_t>(key) * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    int32_t FindSlot(int64_t key) const {
        for (size_t h = Hash(key);; h = (h + 1) & m_mask) {
            const Bucket& b = m_table[h];
            if (b.slot < 0 || b.key == key)
                return b.slot;
        }
    }
    // The edge's number, a new one (with no entries and no room) when no
    // node stood on it yet.
    int32_t SlotOrAdd(int64_t key) {
        size_t h = Hash(key);
        for (;; h = (h + 1) & m_mask) {
            if (m_table[h].slot < 0)
                break;
            if (m_table[h].key == key)
                return m_table[h].slot;
        }
        const auto slot = static_cast<int32_t>(m_edges.size());
        m_table[h] = {key, slot};
        m_edges.push_back(Edge{});
        // Kept at most half full, so that a search ends soon.
        if (2 * m_edges.size() > m_table.size())
            Grow();
        return slot;
    }
    void Grow() {
        Borrowed<Bucket> old(2 * m_table.size(), Bucket{});
        old.swap(m_table);
        --m_shift;
        m_mask = m_table.size() - 1;
        for (const Bucket& b : old) {
            if (b.slot < 0)
                continue;
            size_t h = Hash(b.key);
            while (m_table[h].slot >= 0)
                h = (h + 1) & m_mask;
            m_table[h] = b;
        }
    }
    int32_t Slot(bool bottom, int32_t edge) const { return FindSlot(Key(bottom, edge)); }
    // An edge none of the first nodes stood on gets a number after the
    // others (the passes never make one; a watch grows to it).
    int32_t SlotOrNew(bool bottom, int32_t edge) {
        const size_t before = m_edges.size();
        const int32_t slot = SlotOrAdd(Key(bottom, edge));
        if (m_edges.size() != before) {
            m_edges.back().apart = static_cast<int32_t>(m_apart.size());
            m_apart.emplace_back();
        }
        return slot;
    }
    inline void Changed(bool bottom, int32_t edge, const Span& span) const;

    struct Bucket {
        int64_t key = 0;
        int32_t slot = -1; // none: the bucket is free
    };
    Borrowed<Bucket> m_table; // the edges by the hash of their keys
    size_t m_mask = 0;
    int m_shift = 60;          // the hash's top bits number the table's buckets
    Borrowed<Edge> m_edges;    // by edge number
    Borrowed<Entry> m_entries; // the edges' entries, each edge's in list order
    std::vector<std::vector<Entry>> m_apart;
    mutable std::vector<Looked>* m_looked = nullptr;
    EdgeWatch* m_watch = nullptr;
};

// The junctions waiting on each edge: lists threaded through one array,
// so that a watch costs no allocation of its own.
class EdgeWatch {
public:
    EdgeWatch(size_t edges, size_t nodes, std::vector<uint8_t>& queued, AskQueue& asked)
        : m_head(edges, -1), m_round(nodes, 0), m_queued(queued), m_asked(asked) {}
    void Ask(size_t seq) {
        if (!m_queued[seq]) {
            m_queued[seq] = 1;
            m_asked.push(seq);
        }
    }
    // The junction is looked at again: what it waited on before gives way
    // to what it waits on after this look.
    void Renew(size_t seq) { ++m_round[seq]; }
    // The junction waits on the nodes of the edge within the columns.
    void Watch(int32_t edge, const Span& span, size_t seq) {
        const auto e = static_cast<size_t>(edge);
        if (e >= m_head.size())
            m_head.resize(e + 1, -1);
        const Link link{m_head[e], static_cast<uint32_t>(seq), m_round[seq], span};
        int32_t at = m_free;
        if (at >= 0) {
            m_free = m_links[static_cast<size_t>(at)].next;
            m_links[static_cast<size_t>(at)] = link;
        } else {
            at = static_cast<int32_t>(m_links.size());
            m_links.push_back(link);
        }
        m_head[e] = at;
    }
    // Every junction waiting on the edge within columns the node that
    // changed there stands in, since its last look, is asked again and
    // waits there no more; the others wait on.
    void Fire(int32_t edge, const Span& span) {
        const auto e = static_cast<size_t>(edge);
        if (e >= m_head.size())
            return;
        int32_t* from = &m_head[e];
        for (int32_t i = *from; i >= 0;) {
            Link& link = m_links[static_cast<size_t>(i)];
            const int32_t next = link.next;
            const bool current = link.round == m_round[link.seq];
            if (current && !Meet(link.span, span)) {
                from = &link.next;
            } else {
                if (current)
                    Ask(link.seq);
                *from = next;
                link.next = m_free;
                m_free = i;
            }
            i = next;
        }
    }

private:
    struct Link {
        int32_t next;
        uint32_t seq;
        uint32_t round;
        Span span;
    };
    Borrowed<int32_t> m_head;
    Borrowed<Link> m_links;
    int32_t m_free = -1;        // links fired, for reuse
    Borrowed<uint32_t> m_round; // by junction: how many looks so far
    std::vector<uint8_t>& m_queued;
    AskQueue& m_asked;
};

// The junction at the place, which could not change, waits on what its
// searches looked at: one wait for each run of columns along an edge.
void WaitOnLooked(EdgeWatch& watch, std::vector<Looked>& looked, size_t seq) {
    std::sort(looked.begin(), looked.end(), [](const Looked& a, const Looked& b) {
        return a.edge != b.edge ? a.edge < b.edge : a.span.lo < b.span.lo;
    });
    watch.Renew(seq);
    for (size_t k = 0; k < looked.size();) {
        Looked run = looked[k];
        for (++k;
             k < looked.size() && looked[k].edge == run.edge && looked[k].span.lo <= run.span.hi;
             ++k)
            run.span.hi = std::max(run.span.hi, looked[k].span.hi);
        watch.Watch(run.edge, run.span, seq);
    }
}

void EdgeIndex::Changed(bool bottom, int32_t edge, const Span& span) const {
    if (m_watch) {
        const int32_t slot = Slot(bottom, edge);
        if (slot >= 0)
            m_watch->Fire(slot, span);
    }
}

} // namespace

namespace {

// Whether some junction of the list has a side neighbour without impedance
// (what the junction preparation merges): the side neighbours are found by
// their exact places, each side's of every node without impedance sorted.
bool HasZeroSideNeighbour(const std::vector<CPercentZ*>& nodes) {
    auto key = [](int32_t top, int32_t x) {
        return static_cast<uint64_t>(static_cast<uint32_t>(top)) << 32 |
               static_cast<uint64_t>(static_cast<uint32_t>(x));
    };
    // The places by hash: where a node's left edge is (1), just beyond a
    // node's right end (2).
    struct Place {
        uint64_t key;
        uint32_t marks; // none: the bucket is free
    };
    constexpr uint32_t kLeftEdge = 1;
    constexpr uint32_t kBeyondEnd = 2;
    size_t size = 16;
    while (size < 4 * nodes.size())
        size *= 2;
    Borrowed<Place> places(size, Place{0, 0});
    auto find = [&](uint64_t k) -> Place& {
        size_t h = static_cast<size_t>((k * 0x9E3779B97F4A7C15ull) >> 32) & (size - 1);
        while (places[h].marks != 0 && places[h].key != k)
            h = (h + 1) & (size - 1);
        return places[h];
    };
    auto mark = [&](uint64_t k, uint32_t m) {
        Place& p = find(k);
        p.key = k;
        p.marks |= m;
    };
    for (const CPercentZ* n : nodes) {
        if (n->HasSideTerminal() && n->GetZ() == 0.0) {
            mark(key(n->m_rect.top, n->m_rect.left), kLeftEdge);
            mark(key(n->m_rect.top, n->m_rect.left + WidthOf(n->m_rect) + 1), kBeyondEnd);
        }
    }
    for (const CPercentZ* j : nodes) {
        if (!IsJunction(j))
            continue;
        const fw::CRect& r = j->m_rect;
        if ((find(key(r.top, r.left)).marks & kBeyondEnd) != 0 ||
            (find(key(r.top, r.left + WidthOf(r) + 1)).marks & kLeftEdge) != 0)
            return true;
    }
    return false;
}

} // namespace

void CPercentZList::DoPrepareZeroCond() {
    // Most lists have nothing to merge: they need no index.
    if (!HasZeroSideNeighbour(m_nodes))
        return;
    // Each merge goes to the first junction of the list that can take one,
    // as a scan from the head after every merge finds it; a junction that
    // cannot is asked again only when the nodes along the columns its
    // searches looked at change (as in the series pass). The side
    // neighbours come from the index of edges; a junction that widens
    // leaves it and comes back at its place, under its new columns. The
    // nodes that go leave the list at the end, in one sweep.
    const size_t n = m_nodes.size();
    EdgeIndex index(m_nodes);
    Borrowed<uint8_t> gone(n, 0);
    Borrowed<uint8_t> queued(n, 0);
    AskQueue asked;
    EdgeWatch watch(index.EdgeCount(), n, queued, asked);
    for (size_t i = 0; i < n; ++i) {
        if (IsJunction(m_nodes[i]))
            watch.Ask(i);
    }
    index.OnChange(&watch);
    auto drop = [&](CPercentZ* node) { gone[index.Erase(node)] = 1; };
    auto widen = [&](CPercentZ* node, int32_t left, int32_t right) {
        const size_t seq = index.Erase(node);
        node->m_rect.left = left;
        node->m_rect.right = right;
        index.Insert(node, seq);
        // Looked at again, as the scan from the head would.
        watch.Ask(seq);
    };
    Borrowed<Looked> looked;
    while (!asked.empty()) {
        const size_t seq = asked.top();
        asked.pop();
        queued[seq] = 0;
        CPercentZ* j = m_nodes[seq];
        if (gone[seq] || !IsJunction(j))
            continue;
        looked.clear();
        index.Record(&looked);
        bool merged = false;
        CPercentZ* left = index.First(j, kLeft);
        if (left && !IsFault(left) && left->GetZ() == 0.0) {
            index.Record(nullptr);
            widen(j, left->m_rect.left, j->m_rect.right);
            drop(left);
            merged = true;
        } else if (CPercentZ* right = index.First(j, kRight); right && right->GetZ() == 0.0) {
            index.Record(nullptr);
            if (!IsFault(right)) {
                widen(j, j->m_rect.left, right->m_rect.right);
                drop(right);
                merged = true;
            } else if (IsJunction(right)) {
                // The fault node is never absorbed: a junction at the
                // fault takes this one in instead.
                widen(right, j->m_rect.left, right->m_rect.right);
                drop(j);
                merged = true;
            }
        }
        index.Record(nullptr);
        if (!merged)
            WaitOnLooked(watch, looked, seq);
    }
    size_t kept = 0;
    for (size_t i = 0; i < n; ++i) {
        if (!gone[i])
            m_nodes[kept++] = m_nodes[i];
    }
    m_nodes.resize(kept);
}

namespace {

// Whether a neighbour in the direction ends a way with an in-feed: a
// supply or generator above (a transformer or generator for the loop), a
// motor effect below (a transformer for the loop).
bool EndsWay(const CPercentZ* n, int32_t d, bool loop) {
    if (loop)
        return d == kUp ? (IsTransformer(n) || n->m_nKind == kGenerator) : IsTransformer(n);
    return d == kUp ? (n->m_nKind == kSource || n->m_nKind == kGenerator)
                    : n->m_nKind == kMotorEffect;
}

// The ways of one side of junction J: every neighbour on that side, in the
// list's order, and beyond each the first node that decides; 2 for a way
// straight to an in-feed or to the fault, 1 for a way to another junction,
// 0 for a dead end, summed until the sum reaches 2 (the callers ask only
// for 0, 1 or more). The first neighbour comes back in first. Taking J's
// neighbours from a copy one by one gives the same nodes in the same
// order, and no walk away from J meets J or its other neighbours (they lie
// on J's own edge): the list itself serves, without copies.
int CountWays(const EdgeIndex& index, CPercentZ* j, int32_t d, bool loop, CPercentZ** first) {
    int total = 0;
    *first = nullptr;
    index.ForEach(j, d, [&](CPercentZ* n) {
        if (!*first)
            *first = n;
        if (EndsWay(n, d, loop)) {
            total += 2;
        } else if (IsFault(n)) {
            total += IsJunction(n) ? 1 : 2;
        } else if (IsJunction(n)) {
            total += 1;
        } else {
            for (CPercentZ* m = index.First(n, d); m; m = index.First(m, d)) {
                if (EndsWay(m, d, loop) || (IsFault(m) && !IsJunction(m))) {
                    total += 2;
                    break;
                }
                if (IsJunction(m)) {
                    total += 1;
                    break;
                }
            }
        }
        // Two ways or more on a side decide alike (the junction stays):
        // the ways beyond are not walked, and not waited on.
        return total < 2;
    });
    return total;
}

// A junction that only passes current through (one way up, one way down)
// becomes one branch from its upper neighbour to its lower one; the two
// neighbours leave (gone, by their place in the list).
void MergePassThrough(EdgeIndex& index, CPercentZ* j, CPercentZ* up, CPercentZ* down, bool loop,
                      std::vector<uint8_t>& gone) {
    const size_t seq = index.Erase(j);
    j->m_nKind = kBranch;
    j->m_rect = fw::CRect(up->m_rect.left, up->m_rect.top, down->m_rect.right, down->m_rect.bottom);
    index.Insert(j, seq);
    if (loop) {
        AddLoop(*j, *up);
        AddLoop(*j, *down);
    }
    // The loop's nodes carry their phase values too, for the zero tests of
    // the start node's links.
    j->DoAddSeries(*up);
    j->DoAddSeries(*down);
    for (CPercentZ* n : {up, down})
        gone[index.Erase(n)] = 1;
}

// A junction that leads nowhere on one side goes with its first neighbour
// on each side.
void RemoveDeadJunction(EdgeIndex& index, CPercentZ* j, CPercentZ* up, CPercentZ* down,
                        std::vector<uint8_t>& gone) {
    for (CPercentZ* n : {j, up, down}) {
        if (n)
            gone[index.Erase(n)] = 1;
    }
}

} // namespace

// The list as the passes know it: every node by its place when the state
// was made, which of them went, the index of their edges, and the series
// pass's junctions that wait and those asked to be looked at again. The
// decisions of both passes depend on the nodes' places in the list, their
// rectangles, kinds and fault marks only (a parallel merge changes values
// and takes a node out, through the index): while those are as the passes
// left them, a junction the series pass could not change still cannot,
// unless something along what it looked at changed.
struct CPercentZList::PassState {
    explicit PassState(const std::vector<CPercentZ*>& nodes)
        : orig(nodes), index(nodes), gone(nodes.size(), 0), queued(nodes.size(), 0),
          watch(index.EdgeCount(), nodes.size(), queued, asked) {
        for (size_t i = 0; i < nodes.size(); ++i) {
            const CPercentZ* node = nodes[i];
            rects.push_back(node->m_rect);
            kinds.push_back(node->m_nKind);
            faults.push_back(node->m_nFaultPoint);
            if (IsJunction(node) && !IsFault(node))
                watch.Ask(i);
        }
        index.OnChange(&watch);
    }
    // Whether the list is as the passes left it.
    bool Holds(const std::vector<CPercentZ*>& nodes) const {
        size_t k = 0;
        for (size_t i = 0; i < orig.size(); ++i) {
            if (gone[i])
                continue;
            const CPercentZ* node = orig[i];
            if (k == nodes.size() || nodes[k] != node || node->m_rect != rects[i] ||
                node->m_nKind != kinds[i] || node->m_nFaultPoint != faults[i])
                return false;
            ++k;
        }
        return k == nodes.size();
    }
    // The node at the place changed by a pass.
    void Keep(size_t seq) {
        rects[seq] = orig[seq]->m_rect;
        kinds[seq] = orig[seq]->m_nKind;
    }
    void Live(std::vector<CPercentZ*>& nodes) const {
        nodes.clear();
        for (size_t i = 0; i < orig.size(); ++i) {
            if (!gone[i])
                nodes.push_back(orig[i]);
        }
    }

    const Borrowed<CPercentZ*> orig;
    EdgeIndex index;
    Borrowed<uint8_t> gone;
    Borrowed<uint8_t> queued;
    AskQueue asked;
    EdgeWatch watch;
    Borrowed<fw::CRect> rects;
    Borrowed<uint32_t> kinds;
    Borrowed<uint32_t> faults;
    // The series pass whose waits the watch holds (three-phase 0, loop 1),
    // none yet (-1).
    int series = -1;
};

CPercentZList::PassState& CPercentZList::GetPassState(int series) {
    if (!m_pPass || !m_pPass->Holds(m_nodes) ||
        (series >= 0 && m_pPass->series >= 0 && m_pPass->series != series))
        m_pPass = std::make_shared<PassState>(m_nodes);
    if (series >= 0)
        m_pPass->series = series;
    return *m_pPass;
}

void CPercentZList::DoSeries(bool loop) {
    // Each change goes to the first junction of the list that can take one,
    // as a scan from the head after every change finds it. A junction that
    // cannot depends only on the nodes along the edges its searches looked
    // along: it is asked again only when one of those edges changes (here
    // or in a parallel pass since). The nodes that go leave the list at the
    // end, in one sweep.
    PassState& st = GetPassState(loop ? 1 : 0);
    EdgeIndex& index = st.index;
    Borrowed<Looked> looked;
    while (!st.asked.empty()) {
        const size_t seq = st.asked.top();
        st.asked.pop();
        st.queued[seq] = 0;
        CPercentZ* j = st.orig[seq];
        if (st.gone[seq] || !IsJunction(j) || IsFault(j))
            continue;
        looked.clear();
        index.Record(&looked);
        CPercentZ* up = nullptr;
        CPercentZ* down = nullptr;
        int upper = 2;
        int lower = 2;
        if (!index.First(j, kLeft) && !index.First(j, kRight)) {
            upper = CountWays(index, j, kUp, loop, &up);
            if (upper <= 1)
                lower = CountWays(index, j, kDown, loop, &down);
        }
        index.Record(nullptr);
        if (upper > 1 || lower >= 2) {
            WaitOnLooked(st.watch, looked, seq);
            continue;
        }
        if (upper == 1 && lower == 1) {
            MergePassThrough(index, j, up, down, loop, st.gone);
            st.Keep(seq);
        } else {
            RemoveDeadJunction(index, j, up, down, st.gone);
        }
    }
    st.Live(m_nodes);
}

int CPercentZList::DoParallelPhase() {
    return DoParallel(false);
}
int CPercentZList::DoParallelLoop() {
    return DoParallel(true);
}

namespace {

// The nodes between the same neighbours, above and below (or the same one
// of them where the other side has none), found by sorting the nodes by
// their neighbours, not by comparing every pair. A merge only changes the
// impedance of the node kept and takes its partner out, so the index of
// edges and the neighbours found stay as they were except for the nodes
// whose first neighbour was the partner: only those are looked up again.
class Pairings {
public:
    // The nodes by their places in the passes' state, through its index.
    Pairings(const std::vector<CPercentZ*>& nodes, EdgeIndex& index, std::vector<uint8_t>& gone)
        : m_nodes(nodes), m_index(index), m_up(nodes.size(), nullptr),
          m_down(nodes.size(), nullptr), m_gone(gone), m_foundBy(nodes.size(), -1) {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (!m_gone[i])
                Look(i);
        }
    }

    // The first two nodes in the list's order that have the same
    // neighbours: the earliest node that has such a partner, and its
    // earliest partner.
    bool First(CPercentZ** first, CPercentZ** second) {
        // The nodes in the list's order, each pair of neighbours kept by
        // hash with the first node that has it: a node that finds its pair
        // there is that node's earliest partner, unless one came before.
        size_t size = 16;
        while (size < 2 * m_nodes.size())
            size *= 2;
        m_keys.assign(size, Pairing{nullptr, nullptr, kNone, kNone});
        bool found = false;
        size_t at = 0;
        for (size_t i = 0; i < m_nodes.size(); ++i) {
            if (m_gone[i] || (!m_up[i] && !m_down[i]))
                continue;
            const auto up = reinterpret_cast<uintptr_t>(m_up[i]);
            const auto down = reinterpret_cast<uintptr_t>(m_down[i]);
            size_t h = static_cast<size_t>(
                           ((up * 0x9E3779B97F4A7C15ull) ^ (down * 0xC2B2AE3D27D4EB4Full)) >> 32) &
                       (size - 1);
            while (m_keys[h].at != kNone &&
                   (m_keys[h].up != m_up[i] || m_keys[h].down != m_down[i]))
                h = (h + 1) & (size - 1);
            Pairing& p = m_keys[h];
            if (p.at == kNone) {
                p = {m_up[i], m_down[i], i, kNone};
            } else if (p.partner == kNone) {
                p.partner = i;
                if (!found || p.at < at) {
                    at = p.at;
                    *first = m_nodes[p.at];
                    *second = m_nodes[i];
                    found = true;
                }
            }
        }
        return found;
    }

    // The node has left the list: the nodes that found it look again (each
    // node is told of those that found it, and asks whether it still is
    // their neighbour).
    void Gone(CPercentZ* node) {
        const size_t seq = m_index.Erase(node);
        m_gone[seq] = 1;
        int32_t link = m_foundBy[seq];
        m_foundBy[seq] = -1;
        while (link >= 0) {
            const Finder f = m_finders[static_cast<size_t>(link)];
            link = f.next;
            if (!m_gone[f.node] && (m_up[f.node] == node || m_down[f.node] == node))
                Look(f.node);
        }
    }

private:
    static constexpr size_t kNone = SIZE_MAX;
    // A pair of neighbours, the first node that has it and its partner.
    struct Pairing {
        CPercentZ* up;
        CPercentZ* down;
        size_t at;
        size_t partner;
    };

    void Look(size_t i) {
        CPercentZ* x = m_nodes[i];
        if (IsJunction(x) || IsFault(x))
            return;
        size_t seq = 0;
        m_up[i] = m_index.First(x, kUp, &seq);
        if (m_up[i])
            FoundBy(seq, i);
        m_down[i] = m_index.First(x, kDown, &seq);
        if (m_down[i])
            FoundBy(seq, i);
    }
    void FoundBy(size_t seq, size_t finder) {
        m_finders.push_back({m_foundBy[seq], finder});
        m_foundBy[seq] = static_cast<int32_t>(m_finders.size() - 1);
    }

    const std::vector<CPercentZ*>& m_nodes; // by place
    EdgeIndex& m_index;
    Borrowed<CPercentZ*> m_up;
    Borrowed<CPercentZ*> m_down;
    std::vector<uint8_t>& m_gone;
    // By place: the nodes that found the node there as a neighbour, lists
    // threaded through one array.
    struct Finder {
        int32_t next;
        size_t node;
    };
    Borrowed<int32_t> m_foundBy;
    Borrowed<Finder> m_finders;
    Borrowed<Pairing> m_keys;
};

} // namespace

// The entries of a taking copy: the index of the nodes' edges as the copy
// was made, and which of them have been taken since.
struct CPercentZList::TakeIndex {
    // An index of its own.
    explicit TakeIndex(const std::vector<CPercentZ*>& nodes)
        : own(std::in_place, nodes), index(*own), taken(nodes.size(), 0) {}
    // The passes' index of the list as they left it (their places), which
    // the copy only reads; kept alive while the copy lives.
    explicit TakeIndex(std::shared_ptr<PassState> pass)
        : passes(std::move(pass)), index(passes->index), taken(passes->orig.size(), 0) {}
    std::optional<EdgeIndex> own;
    std::shared_ptr<PassState> passes;
    const EdgeIndex& index;
    Borrowed<uint8_t> taken; // by place
};

namespace {

// Below this many nodes a plain search is cheaper than building an index.
constexpr size_t kIndexedCopyFrom = 256;

} // namespace

CPercentZList CPercentZList::MakeTakingCopy() const {
    CPercentZList copy = MakeWorkingCopy();
    // The passes' index costs nothing to make: it serves a list of any
    // length.
    if (m_pPass && m_pPass->Holds(m_nodes))
        copy.m_pTake = std::make_shared<TakeIndex>(m_pPass);
    else if (m_nodes.size() >= kIndexedCopyFrom)
        copy.m_pTake = std::make_shared<TakeIndex>(m_nodes);
    return copy;
}

CPercentZ* CPercentZList::DoFindNeighbourIndexed(CPercentZ* node, int32_t d, int32_t take) {
    TakeIndex& t = *m_pTake;
    size_t seq = 0;
    if (take == 1 && t.index.PlaceOf(node, &seq))
        t.taken[seq] = 1;
    if (!HasTerminal(node, d))
        return nullptr;
    CPercentZ* found =
        t.index.FirstUnless(node, d, &seq, [&](size_t place) { return t.taken[place] != 0; });
    if (found && take == 1)
        t.taken[seq] = 1;
    return found;
}

int CPercentZList::DoParallel(bool loop) {
    int merged = 0;
    CPercentZ* a = nullptr;
    CPercentZ* b = nullptr;
    // Nothing changes until two nodes merge, and then the search starts
    // again over the whole list.
    PassState& st = GetPassState(-1);
    Pairings pairings(st.orig, st.index, st.gone);
    while (pairings.First(&a, &b)) {
        if (loop) {
            a->DoParallelN(*b);
            a->DoParallelPE(*b);
        } else {
            a->DoParallel(*b);
        }
        pairings.Gone(b);
        DoDelete(b);
        merged = 1;
        // The search starts again, unless the node kept was the last one.
        if (m_nodes.back() == a)
            return merged;
    }
    return merged;
}

// --- start node and links ------------------------------------------------------------

CPercentZ* CPercentZList::DoGetStartNode() {
    CPercentZ* s = nullptr;
    for (CPercentZ* n : m_nodes) {
        if (IsFault(n)) {
            s = n;
            break;
        }
    }
    if (!s || s->m_nKind != kBranch)
        return s;
    auto junctionFrom = [&](int32_t d, CPercentZ* sum) -> CPercentZ* {
        for (CPercentZ* n = DoFindNeighbour(s, d, 0); n; n = DoFindNeighbour(n, d, 0)) {
            if (IsJunction(n))
                return n;
            if (sum)
                sum->DoAddSeries(*n);
        }
        return nullptr;
    };
    if (CPercentZ* j = junctionFrom(kUp, nullptr))
        s->m_pLinkUp = j->m_pElement;
    CPercentZ below;
    if (CPercentZ* j = junctionFrom(kDown, &below); j && below.GetZ() == 0.0)
        s->m_pLinkDown = j->m_pElement;
    if (CPercentZ* j = junctionFrom(kLeft, nullptr))
        s->m_pLinkSide128 = j->m_pElement;
    CPercentZ right;
    if (CPercentZ* j = junctionFrom(kRight, &right); j && right.GetZ() == 0.0)
        s->m_pLinkSide32 = j->m_pElement;
    return s;
}

// --- three-phase reduction ---------------------------------------------------------------

CPercentZ CPercentZList::DoReduceUp(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceDirection(s, out, flag, kUp);
}
CPercentZ CPercentZList::DoReduceDown(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceDirection(s, out, flag, kDown);
}
CPercentZ CPercentZList::DoReduceLeft(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceDirection(s, out, flag, kLeft);
}
CPercentZ CPercentZList::DoReduceRight(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceDirection(s, out, flag, kRight);
}

CPercentZ CPercentZList::DoReduceDirection(CPercentZ* s, CPercentZ& out, int32_t flag, int32_t d) {
    CPercentZList copy = MakeTakingCopy();
    CPercentZ r;
    for (CPercentZ* n = copy.DoFindNeighbour(s, d, 1); n; n = copy.DoFindNeighbour(s, d, 1)) {
        r.DoAddSeries(*n);
        if (d == kDown && n->m_nKind == kMotorEffect)
            out = r;
        CPercentZ* j = n;
        while (j && !IsJunction(j))
            j = copy.DoFindNeighbour(j, d, 1);
        if (!j)
            continue;
        CPercentZ x;
        CPercentZ y;
        CPercentZ t = copy.DoWalkPhase(j, x, y, flag);
        if (x.GetZ() != 0.0 && t.GetZ() != 0.0) {
            r.DoAddSeries(x);
            r.DoAddSeries(y);
            out = r;
            r = t;
        } else if (x.GetZ() != 0.0) {
            if (d == kDown && flag == 0) {
                // R := X + ((Y + R) parallel start node)
                CPercentZ inner = y;
                inner.DoAddSeries(r);
                inner.DoParallel(*s);
                CPercentZ sum = x;
                sum.DoAddSeries(inner);
                r = sum;
            } else if (flag == 1) {
                r.DoAddSeries(x);
                r.DoAddSeries(y);
            } else {
                CPercentZ sum = x;
                sum.DoAddSeries(r);
                sum.DoAddSeries(y);
                r = sum;
            }
            out = r;
            r = CPercentZ();
        } else if (t.GetZ() != 0.0) {
            r.DoAddSeries(t);
        }
    }
    return r;
}

namespace {

// An in-feed straight on the walked junction: a supply or generator above
// is put in parallel with the in-feed found; a motor effect below too, the
// series term found so far joining the in-feed before it. False for any
// other node.
bool FeedPhase(const CPercentZ& n, int32_t d, CPercentZ& x, CPercentZ& y) {
    if (d == kUp && (n.m_nKind == kSource || n.m_nKind == kGenerator)) {
        if (x.GetZ() == 0.0)
            x = n;
        else
            x.DoParallel(n);
        return true;
    }
    if (d == kDown && n.m_nKind == kMotorEffect) {
        if (x.GetZ() == 0.0) {
            x = n;
        } else if (y.GetZ() == 0.0) {
            x.DoParallel(n);
        } else {
            x.DoAddSeries(y);
            x.DoParallel(n);
            y = CPercentZ();
        }
        return true;
    }
    return false;
}

// The walk beyond a junction above or below (its in-feed x2 and series
// term y2, its through term t2) joins the walk here through the
// accumulator a of the way to it. With flag 1 the through term of a
// first in-feed is not put in parallel with its series term.
void JoinVertical(CPercentZ& x, CPercentZ& y, CPercentZ& a, CPercentZ& x2, CPercentZ& y2,
                  const CPercentZ& t2, int32_t flag) {
    if (x2.GetZ() != 0.0 && t2.GetZ() != 0.0) {
        if (x.GetZ() == 0.0) {
            x.DoAddSeries(x2);
            y2.DoAddSeries(a);
            if (flag != 1)
                y2.DoParallel(t2);
            y.DoAddSeries(y2);
            a = t2;
        } else {
            y2.DoAddSeries(a);
            y2.DoParallel(t2);
            y2.DoAddSeries(x2);
            x.DoParallel(y2);
            a = CPercentZ();
        }
    } else if (x2.GetZ() != 0.0) {
        if (x.GetZ() == 0.0) {
            x.DoAddSeries(x2);
            y.DoAddSeries(y2);
            y.DoAddSeries(a);
        } else {
            x2.DoAddSeries(y2);
            x2.DoAddSeries(a);
            y.DoAddSeries(x);
            if (y.GetZ() == 0.0)
                y.DoAddSeries(x2);
            else
                y.DoParallel(x2);
            x = y;
            y = CPercentZ();
        }
        a = CPercentZ();
    } else if (t2.GetZ() != 0.0) {
        a.DoAddSeries(t2);
    }
}

// The walk beyond a junction on the left or right: its in-feed p, with its
// series term q (in parallel with its through term), and the way to it
// feed this junction; the through term stays on the way.
void JoinSideways(CPercentZ& x, CPercentZ& y, CPercentZ& a, CPercentZ& p, CPercentZ& q,
                  const CPercentZ& t2) {
    if (p.GetZ() != 0.0) {
        if (t2.GetZ() != 0.0)
            q.DoParallel(t2);
        p.DoAddSeries(q);
        p.DoAddSeries(a);
        y.DoAddSeries(x);
        if (y.GetZ() == 0.0)
            y.DoAddSeries(p);
        else
            y.DoParallel(p);
        x = y;
        y = CPercentZ();
        a = t2.GetZ() != 0.0 ? t2 : CPercentZ();
    } else if (t2.GetZ() != 0.0) {
        a.DoAddSeries(t2);
    }
}

// The through term of a walk: its four accumulators that hold anything,
// in parallel, in the order up, down, left, right.
CPercentZ ThroughPhase(const CPercentZ (&acc)[4]) {
    CPercentZ through;
    bool first = true;
    for (const CPercentZ& a : acc) {
        if (a.GetZ() > 0.0) {
            if (first)
                through = a;
            else
                through.DoParallel(a);
            first = false;
        }
    }
    return through;
}

} // namespace

CPercentZ CPercentZList::DoWalkPhase(CPercentZ* j, CPercentZ& x, CPercentZ& y, int32_t flag) {
    CPercentZ acc[4]; // up, down, left, right
    const int32_t directions[4] = {kUp, kDown, kLeft, kRight};
    for (int i = 0; i < 4; ++i) {
        const int32_t d = directions[i];
        CPercentZ& a = acc[i];
        while (CPercentZ* n = DoFindNeighbour(j, d, 1)) {
            if (FeedPhase(*n, d, x, y))
                continue;
            a.DoAddSeries(*n);
            CPercentZ* z = n;
            while (z && !IsJunction(z))
                z = DoFindNeighbour(z, d, 1);
            if (!z)
                continue;
            CPercentZ x2;
            CPercentZ y2;
            const CPercentZ t2 = DoWalkPhase(z, x2, y2, flag);
            if (d == kUp || d == kDown)
                JoinVertical(x, y, a, x2, y2, t2, flag);
            else
                JoinSideways(x, y, a, x2, y2, t2);
        }
    }
    return ThroughPhase(acc);
}

namespace {

// A branch linked up to a junction only, through zero impedance or not:
// the source side upward; the motor side downward, or back up the link
// when the branch itself is of zero impedance and something feeds from
// above and below.
void ReducePhaseLinkUpOnly(CPercentZList& list, CPercentZ* s, CPercentZ& a, CPercentZ& b) {
    const double zs = s->GetZ();
    CPercentZ q = list.DoReduceUp(s, a, 1);
    a.DoAddSeries(*s);
    if (q.GetZ() != 0.0 && zs == 0.0) {
        list.DoReduceDown(s, b, 1);
        if (b.GetZ() > 0.0) {
            q = list.DoReduceUp(s, b, 0);
            if (q.GetZ() == 0.0)
                b = CPercentZ();
            else
                s->m_pLinkDown = s->m_pLinkUp;
        }
        if (b.GetZ() == 0.0)
            list.DoReduceUp(s, a, 0);
        return;
    }
    list.DoReduceDown(s, b, 1);
    if (b.GetZ() == 0.0) {
        list.DoReduceUp(s, a, 0);
        if (zs > 0.0)
            a.DoAddSeries(*s);
    }
    if (b.GetZ() != 0.0 && zs > 0.0) {
        list.DoReduceDown(s, b, 0);
        s->m_pLinkDown = s->m_pLinkUp;
    }
}

// A branch with no link at all: the source side and motor side by its
// orientation (0 vertical, 1 fed from the left, 2 fed from the right).
void ReducePhaseByOrientation(CPercentZList& list, int32_t o, CPercentZ* s, CPercentZ& a,
                              CPercentZ& b) {
    if (o == 0) {
        list.DoReduceUp(s, a, 1);
        a.DoAddSeries(*s);
        list.DoReduceDown(s, b, 1);
    } else if (o == 1) {
        list.DoReduceLeft(s, a, 1);
        if (a.GetZ() > 0.0)
            a.DoAddSeries(*s);
        list.DoReduceRight(s, b, 1);
    } else if (o == 2) {
        list.DoReduceRight(s, a, 1);
        list.DoReduceLeft(s, b, 1);
        if (b.GetZ() > 0.0)
            b.DoAddSeries(*s);
    }
}

// A branch with no side link: the link up and link down rules.
void ReducePhaseUpDownLinks(CPercentZList& list, CReductionHost& host, CPercentZ* s, CPercentZ& a,
                            CPercentZ& b) {
    const bool up = s->m_pLinkUp != nullptr;
    const bool down = s->m_pLinkDown != nullptr;
    if (up && down) {
        list.DoReduceUp(s, a, 1);
        if (a.GetZ() > 0.0)
            a.DoAddSeries(*s);
        b = host.CalcAt(s->m_pLinkDown, false);
    } else if (up) {
        ReducePhaseLinkUpOnly(list, s, a, b);
    } else if (down) {
        list.DoReduceUp(s, a, 1);
        a.DoAddSeries(*s);
        b = host.CalcAt(s->m_pLinkDown, false);
    } else {
        ReducePhaseByOrientation(list, host.GetOrientation(s->m_pElement), s, a, b);
    }
}

// A branch linked sideways (left 128, right 32, or both): the side the
// orientation feeds from reduces, a link to the right is calculated from
// its junction.
void ReducePhaseSideLinks(CPercentZList& list, CReductionHost& host, CPercentZ* s, CPercentZ& a,
                          CPercentZ& b) {
    const bool l128 = s->m_pLinkSide128 != nullptr;
    const bool l32 = s->m_pLinkSide32 != nullptr;
    const int32_t o = host.GetOrientation(s->m_pElement);
    if (l128 && l32) {
        if (o == 1) {
            list.DoReduceLeft(s, a, 0);
            a.DoAddSeries(*s);
            b = host.CalcAt(s->m_pLinkSide32, false);
        } else if (o == 2) {
            list.DoReduceRight(s, a, 0);
            b = host.CalcAt(s->m_pLinkSide32, false);
        }
    } else if (l128) {
        if (o == 1) {
            list.DoReduceLeft(s, a, 0);
            a.DoAddSeries(*s);
            list.DoReduceRight(s, b, 1);
        } else if (o == 2) {
            list.DoReduceRight(s, a, 1);
            list.DoReduceLeft(s, b, 0);
            b.DoAddSeries(*s);
        }
    } else {
        if (o == 1) {
            list.DoReduceLeft(s, a, 1);
            b = host.CalcAt(s->m_pLinkSide32, false);
        } else if (o == 2) {
            list.DoReduceRight(s, a, 0);
            a.DoAddSeries(*s);
            b = host.CalcAt(s->m_pLinkSide32, false);
        } else {
            b = host.CalcAt(s->m_pLinkSide32, false);
        }
    }
}

} // namespace

CPercentZ* CPercentZList::DoReducePhase(CReductionHost& host, CPercentZ& a, CPercentZ& b) {
    CPercentZ* s = DoGetStartNode();
    if (!s)
        return nullptr;
    if (s->m_nKind == kSource || s->m_nKind == kGenerator) {
        a.DoAddSeries(*s);
        DoReduceDown(s, b, 1);
    } else if (s->m_nKind == kMotorEffect) {
        DoReduceUp(s, a, 1);
        b.DoAddSeries(*s);
    } else if (s->m_nKind == kJunction) {
        // The in-feed of the whole network beyond the junction.
        CPercentZList copy = MakeTakingCopy();
        CPercentZ x;
        CPercentZ y;
        copy.DoWalkPhase(s, x, y, 0);
        if (x.GetZ() != 0.0) {
            a.DoAddSeries(y);
            a.DoAddSeries(x);
        }
    } else if (s->m_pLinkSide128 || s->m_pLinkSide32) {
        ReducePhaseSideLinks(*this, host, s, a, b);
    } else {
        ReducePhaseUpDownLinks(*this, host, s, a, b);
    }
    return s;
}

// --- earth-fault loop reduction ------------------------------------------------------------

CPercentZ CPercentZList::DoReduceLoopUp(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceLoopDirection(s, out, flag, kUp, nullptr);
}
CPercentZ CPercentZList::DoReduceLoopDown(CPercentZ* s, CPercentZ& out, int32_t flag,
                                          int32_t& reached) {
    return DoReduceLoopDirection(s, out, flag, kDown, &reached);
}
CPercentZ CPercentZList::DoReduceLoopLeft(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceLoopDirection(s, out, flag, kLeft, nullptr);
}
CPercentZ CPercentZList::DoReduceLoopRight(CPercentZ* s, CPercentZ& out, int32_t flag) {
    return DoReduceLoopDirection(s, out, flag, kRight, nullptr);
}

CPercentZ CPercentZList::DoReduceLoopDirection(CPercentZ* s, CPercentZ& out, int32_t flag,
                                               int32_t d, int32_t* reached) {
    CPercentZList copy = MakeTakingCopy();
    CPercentZ r;
    for (CPercentZ* n = copy.DoFindNeighbour(s, d, 1); n; n = copy.DoFindNeighbour(s, d, 1)) {
        AddLoop(r, *n);
        if (d == kDown && IsTransformer(n)) {
            if (reached)
                *reached = 1;
            out = r;
        }
        CPercentZ* j = n;
        while (j && !IsJunction(j))
            j = copy.DoFindNeighbour(j, d, 1);
        if (!j)
            continue;
        CPercentZ x;
        int32_t ownReached = 0;
        CPercentZ t = copy.DoWalkLoop(j, x, flag, ownReached);
        for (Pair p : kPairs) {
            if (Mag(x, p) != 0.0 && Mag(t, p) != 0.0) {
                AddPair(r, x, p);
                SetPair(out, r, p);
                SetPair(r, t, p);
            } else if (Mag(x, p) != 0.0) {
                AddPair(r, x, p);
                SetPair(out, r, p);
                ZeroPair(r, p);
            } else if (Mag(t, p) != 0.0) {
                AddPair(r, t, p);
            }
        }
    }
    return r;
}

namespace {

// The in-feed rule of the loop walk: the first value fed to a pair is taken
// as it is (it may be zero), every later one is put in parallel.
class LoopFeed {
public:
    explicit LoopFeed(CPercentZ& x) : m_x(x) {}
    void operator()(const CPercentZ& from, Pair p) {
        bool& wasSet = m_set[p == Pair::N ? 0 : 1];
        if (Mag(m_x, p) == 0.0 && !wasSet) {
            SetPair(m_x, from, p);
            wasSet = true;
        } else {
            ParallelPair(m_x, from, p);
        }
    }

private:
    CPercentZ& m_x;
    bool m_set[2] = {false, false};
};

// The walk beyond a junction (in-feed x2, through term t2) joins this one,
// pair by pair, through the accumulator a of the way to it. The in-feed
// beyond the junction reaches the loop through the accumulator's path, in
// every direction alike: left in the accumulator above or below, it would
// end in the through term, which no caller adds to the loop, and a fault
// two buses below its transformer would lose its return path. A pair that
// is zero on both sides is an in-feed without return impedance (a
// transformer straight on the bus), not the absence of one: the path still
// feeds.
void JoinLoop(LoopFeed& feed, CPercentZ& a, CPercentZ& x2, const CPercentZ& t2) {
    for (Pair p : kPairs) {
        const bool hasX = Mag(x2, p) != 0.0;
        const bool hasT = Mag(t2, p) != 0.0;
        if (hasX && hasT) {
            // (X2 parallel T2) + the accumulator.
            ParallelPair(x2, t2, p);
            AddPair(x2, a, p);
            feed(x2, p);
            SetPair(a, t2, p);
        } else if (hasX) {
            AddPair(x2, a, p);
            feed(x2, p);
            ZeroPair(a, p);
        } else if (hasT) {
            AddPair(a, t2, p);
        } else {
            feed(a, p);
            ZeroPair(a, p);
        }
    }
}

// The through term of a loop walk, pair by pair as for three-phase faults.
CPercentZ ThroughLoop(const CPercentZ (&acc)[4]) {
    CPercentZ through;
    for (Pair p : kPairs) {
        bool first = true;
        for (const CPercentZ& a : acc) {
            if (Mag(a, p) > 0.0) {
                if (first)
                    SetPair(through, a, p);
                else
                    ParallelPair(through, a, p);
                first = false;
            }
        }
    }
    return through;
}

} // namespace

CPercentZ CPercentZList::DoWalkLoop(CPercentZ* j, CPercentZ& x, int32_t flag, int32_t& reached) {
    LoopFeed feed(x);
    CPercentZ acc[4];
    const int32_t directions[4] = {kUp, kDown, kLeft, kRight};
    for (int i = 0; i < 4; ++i) {
        const int32_t d = directions[i];
        const bool vertical = d == kUp || d == kDown;
        CPercentZ& a = acc[i];
        while (CPercentZ* n = DoFindNeighbour(j, d, 1)) {
            if ((d == kUp && (IsTransformer(n) || n->m_nKind == kGenerator)) ||
                (d == kDown && IsTransformer(n))) {
                reached = 1;
                feed(*n, Pair::N);
                feed(*n, Pair::PE);
                continue;
            }
            const CPercentZ before = a;
            AddLoop(a, *n);
            CPercentZ* z = n;
            while (z && !IsJunction(z))
                z = DoFindNeighbour(z, d, 1);
            if (!z) {
                if (vertical) {
                    // A chain that ends without a junction feeds the loop.
                    feed(a, Pair::N);
                    feed(a, Pair::PE);
                    ZeroPair(a, Pair::N);
                    ZeroPair(a, Pair::PE);
                } else {
                    a = before; // sideways it contributes nothing
                }
                continue;
            }
            CPercentZ x2;
            const CPercentZ t2 = DoWalkLoop(z, x2, flag, reached);
            JoinLoop(feed, a, x2, t2);
        }
    }
    return ThroughLoop(acc);
}

namespace {

// Where the loop's downward reduction met another transformer: a pair
// open on either side is open on both.
void ZeroOpenPairs(const CPercentZ& a0, const CPercentZ& b0, CPercentZ& a, CPercentZ& b) {
    for (Pair p : kPairs) {
        if (Mag(a0, p) == 0.0 || Mag(b0, p) == 0.0) {
            ZeroPair(a, p);
            ZeroPair(b, p);
        }
    }
}

// A branch linked up to a junction only: up, and down to a second
// transformer, whose in-feed is put in parallel pair by pair (a pair open
// on either side is open).
void ReduceLoopLinkUpOnly(CPercentZList& list, CPercentZ* s, CPercentZ& a, CPercentZ& b) {
    list.DoReduceLoopUp(s, a, 1);
    AddLoop(a, *s);
    int32_t reached = 0;
    list.DoReduceLoopDown(s, b, 1, reached);
    if (reached != 1)
        return;
    for (Pair p : kPairs) {
        if (Mag(a, p) == 0.0 || Mag(b, p) == 0.0) {
            ZeroPair(a, p);
            ZeroPair(b, p);
        } else {
            ParallelPair(a, b, p);
            ZeroPair(b, p);
        }
    }
}

// A branch linked down to a junction only: the junction's own loop, and
// the way up unless the branch hangs straight under a transformer or
// generator (then there is no loop through it).
void ReduceLoopLinkDownOnly(CPercentZList& list, CReductionHost& host, CPercentZ* s, CPercentZ& a,
                            CPercentZ& b) {
    b = host.CalcAt(s->m_pLinkDown, true);
    CPercentZ* above = list.DoFindNeighbour(s, kUp, 0);
    if (above && (IsTransformer(above) || above->m_nKind == kGenerator)) {
        a = CPercentZ();
        b = CPercentZ();
    } else if (above) {
        list.DoReduceLoopUp(s, a, 1);
        AddLoop(a, *s);
    }
}

// A branch with no link at all, by its orientation; sideways the branch's
// own pairs join only the pairs that reached something.
void ReduceLoopByOrientation(CPercentZList& list, int32_t o, CPercentZ* s, CPercentZ& a,
                             CPercentZ& b) {
    if (o == 0) {
        list.DoReduceLoopUp(s, a, 1);
        AddLoop(a, *s);
        int32_t reached = 0;
        list.DoReduceLoopDown(s, b, 1, reached);
    } else if (o == 1) {
        list.DoReduceLoopLeft(s, a, 1);
        for (Pair p : kPairs) {
            if (Mag(a, p) != 0.0)
                AddPair(a, *s, p);
        }
        list.DoReduceLoopRight(s, b, 1);
    } else if (o == 2) {
        list.DoReduceLoopRight(s, a, 1);
        list.DoReduceLoopLeft(s, b, 1);
        for (Pair p : kPairs) {
            if (Mag(b, p) != 0.0)
                AddPair(b, *s, p);
        }
    }
}

// A branch with no side link: the link up and link down rules.
void ReduceLoopUpDownLinks(CPercentZList& list, CReductionHost& host, CPercentZ* s, CPercentZ& a,
                           CPercentZ& b) {
    const bool up = s->m_pLinkUp != nullptr;
    const bool down = s->m_pLinkDown != nullptr;
    if (up && down) {
        list.DoReduceLoopUp(s, a, 1);
        AddLoop(a, *s);
        b = host.CalcAt(s->m_pLinkDown, true);
    } else if (up) {
        ReduceLoopLinkUpOnly(list, s, a, b);
    } else if (down) {
        ReduceLoopLinkDownOnly(list, host, s, a, b);
    } else {
        ReduceLoopByOrientation(list, host.GetOrientation(s->m_pElement), s, a, b);
    }
}

// A branch linked sideways, as for three-phase faults.
void ReduceLoopSideLinks(CPercentZList& list, CReductionHost& host, CPercentZ* s, CPercentZ& a,
                         CPercentZ& b) {
    const bool l128 = s->m_pLinkSide128 != nullptr;
    const bool l32 = s->m_pLinkSide32 != nullptr;
    const int32_t o = host.GetOrientation(s->m_pElement);
    if (l128 && l32) {
        if (o == 1) {
            list.DoReduceLoopLeft(s, a, 0);
            AddLoop(a, *s);
            b = host.CalcAt(s->m_pLinkSide32, true);
        } else if (o == 2) {
            list.DoReduceLoopRight(s, a, 0);
            b = host.CalcAt(s->m_pLinkSide32, true);
        }
    } else if (l128) {
        if (o == 1) {
            list.DoReduceLoopLeft(s, a, 0);
            AddLoop(a, *s);
            list.DoReduceLoopRight(s, b, 1);
        } else if (o == 2) {
            list.DoReduceLoopRight(s, a, 1);
            list.DoReduceLoopLeft(s, b, 0);
            AddLoop(b, *s);
        }
    } else {
        if (o == 1) {
            list.DoReduceLoopLeft(s, a, 1);
            b = host.CalcAt(s->m_pLinkSide32, true);
        } else if (o == 2) {
            list.DoReduceLoopRight(s, a, 0);
            AddLoop(a, *s);
            b = host.CalcAt(s->m_pLinkSide32, true);
        } else {
            b = host.CalcAt(s->m_pLinkSide32, true);
        }
    }
}

} // namespace

CPercentZ* CPercentZList::DoReduceLoop(CReductionHost& host, CPercentZ& a, CPercentZ& b) {
    CPercentZ* s = DoGetStartNode();
    if (!s)
        return nullptr;
    if (s->m_nKind == kSource || s->m_nKind == kGenerator || IsTransformer(s)) {
        AddLoop(a, *s);
        int32_t reached = 0;
        DoReduceLoopDown(s, b, 1, reached);
        if (IsTransformer(s) && reached == 1)
            ZeroOpenPairs(*s, b, a, b);
    } else if (s->m_nKind == kMotorEffect) {
        DoReduceLoopUp(s, a, 1);
        AddLoop(b, *s);
    } else if (s->m_nKind == kJunction) {
        CPercentZList copy = MakeTakingCopy();
        CPercentZ x;
        int32_t reached = 0;
        copy.DoWalkLoop(s, x, 0, reached);
        AddLoop(a, x);
    } else if (s->m_pLinkSide128 || s->m_pLinkSide32) {
        ReduceLoopSideLinks(*this, host, s, a, b);
    } else {
        ReduceLoopUpDownLinks(*this, host, s, a, b);
    }
    return s;
}
