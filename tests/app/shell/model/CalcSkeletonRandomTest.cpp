// The calculation's fast pruning and neighbour index against the pruning
// passes and the plain neighbour search, on skeletons drawn from fixed
// seeds: trees of any kinds in any places, where the closed form has to
// give the passes' list, and scatters of elements on a small grid (touching,
// overlapping, one cell off), where the index and the dead-end worklist
// have to find what the rectangles and the passes find. Every element is
// the fault once, for both three-phase flags and for the earth-fault loop,
// and a whole Calculation stores the same bytes with and without the
// skeleton.

#include "CalcNetwork.h"

#include "app/records/ElementKinds.h"
#include "app/shell/model/CCalcSkeleton.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tvtest::NetItem;

// --- the elements ------------------------------------------------------------------

// Rows and columns a symbol takes on the grid.
int RowsOf(int32_t kind, int32_t horizontal) {
    switch (kind) {
    case kKindSource:
    case kKindGenerator:
    case kKindMotorEff:
        return 2;
    case kKindTrans3:
        return 3;
    case kKindTrans1:
        return 4;
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return horizontal != 0 ? 1 : 4;
    default:
        return 1;
    }
}

int ColumnsOf(const NetItem& item) {
    switch (item.kind) {
    case kKindZeroCond:
        return item.values.empty() ? 6 : static_cast<int>(item.values[0]);
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return item.horizontal != 0 ? 4 : 1;
    case kKindText:
        return 2;
    default:
        return 1;
    }
}

bool IsConductor(int32_t kind) {
    return kind == kKindBusBar || kind == kKindWire || kind == kKindBusDuct;
}

// An element of the kind with plausible values; some of those that can be
// calculation points are.
NetItem MakeItem(std::mt19937& rng, int32_t kind, int col, int row, int32_t horizontal = 0,
                 int zcCells = 1) {
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const bool point = pick(0, 9) < 3;
    switch (kind) {
    case kKindSource:
        return {"", kind, col, row, 0, {static_cast<double>(pick(1, 10) * 100), 25}};
    case kKindTrans3:
        return {"", kind, col, row, 0, {static_cast<double>(pick(3, 15) * 100), 5, 5}, point};
    case kKindTrans1:
        return {"",   kind, col, row, 0, {static_cast<double>(pick(2, 10) * 10), 3, 2, 2.5, 1.5},
                point};
    case kKindGenerator:
        return {"", kind, col, row, 0, {300, 12, 0.03, 0.05}, point};
    case kKindMotorEff:
        return {"", kind, col, row, 0, {150, 20, 2, 1.5}, point};
    case kKindZeroCond:
        return {"", kind, col, row, 0, {static_cast<double>(zcCells)}, point};
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return {"",
                kind,
                col,
                row,
                horizontal,
                {static_cast<double>(pick(1, 16) * 5), 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085},
                point};
    default:
        return {"", kind, col, row};
    }
}

// The skeleton as NetItems, to keep a failing one as a regression case.
std::string Describe(const std::vector<NetItem>& items) {
    std::ostringstream out;
    for (const NetItem& i : items) {
        out << "{\"\", " << i.kind << ", " << i.col << ", " << i.row << ", " << i.horizontal
            << ", {";
        for (size_t k = 0; k < i.values.size(); ++k)
            out << (k ? ", " : "") << i.values[k];
        out << "}" << (i.calcPoint ? ", true" : "") << "},\n";
    }
    return out.str();
}

void Place(CTovarineDocData& doc, const std::vector<NetItem>& items) {
    for (const NetItem& item : items)
        tvtest::PlaceElement(doc, item);
}

// --- random trees --------------------------------------------------------------------

// A forest laid out so that nothing touches but what is meant to: buses with
// chains of any kinds hanging below them and standing above them, buses
// joined side by side (by horizontal conductors or directly), horizontal
// conductors hanging free, lone buses and chains, several parts side by side.
// A source, a machine or a consumer in the middle of a chain cuts it where
// it has no terminal, which leaves a forest still. Now and then a bus sits
// right under the bus above, the one shape here that may close a loop.
class TreeMaker {
public:
    explicit TreeMaker(unsigned seed) : m_rng(seed) {}

    std::vector<NetItem> Make() {
        m_target = Pick(10, 36);
        int col = 0;
        while (Count() < m_target) {
            const int roll = Pick(0, 99);
            int extent = 1;
            if (roll < 72) {
                const int row = 14 + Pick(0, 3);
                extent = Bus(col, row, 0, row);
            } else if (roll < 80) {
                Add(MakeItem(m_rng, kKindZeroCond, col, Pick(5, 20), 0, Pick(1, 4)));
                extent = static_cast<int>(m_items.back().values[0]);
            } else if (roll < 90) {
                int row = Pick(0, 10);
                for (int k = Pick(1, 4); k > 0; --k) {
                    const int32_t kind = ChainKind();
                    Add(MakeItem(m_rng, kind, col, row));
                    row += RowsOf(kind, 0);
                }
                extent = 2;
            } else {
                const int row = Pick(0, 20);
                const int n = Pick(1, 2);
                for (int k = 0; k < n; ++k)
                    Add(MakeItem(m_rng, ConductorKind(), col + 4 * k, row, Pick(1, 2)));
                extent = 4 * n;
            }
            col += extent + 2;
        }
        if (Pick(0, 2) == 0) {
            // The mirror image: ties and free conductors to the left.
            for (NetItem& item : m_items) {
                item.col = col - item.col - ColumnsOf(item);
                if (item.horizontal != 0)
                    item.horizontal = 3 - item.horizontal;
            }
        }
        if (Pick(0, 1) == 0)
            std::shuffle(m_items.begin(), m_items.end(), m_rng);
        return m_items;
    }

private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void Add(const NetItem& item) { m_items.push_back(item); }

    int32_t ConductorKind() {
        static constexpr int32_t kinds[] = {kKindBusBar, kKindWire, kKindBusDuct};
        return kinds[Pick(0, 2)];
    }

    // Any kind a chain may hold, conductors most often.
    int32_t ChainKind() {
        const int roll = Pick(0, 99);
        if (roll < 50)
            return ConductorKind();
        static constexpr int32_t others[] = {
            kKindTrans3, kKindTrans3,    kKindTrans3,    kKindTrans1,   kKindTrans1,
            kKindSource, kKindSource,    kKindGenerator, kKindMotorEff, kKindMotor,
            kKindLoad,   kKindCapacitor, kKindText};
        return others[Pick(0, static_cast<int>(std::size(others)) - 1)];
    }

    int32_t EndKind() {
        static constexpr int32_t ends[] = {kKindMotor, kKindLoad, kKindCapacitor, kKindMotorEff,
                                           kKindMotorEff};
        return ends[Pick(0, static_cast<int>(std::size(ends)) - 1)];
    }

    // A bus at (col, row) and all that hangs on it; upRoom rows above it are
    // free for chains standing on it. The columns it takes.
    int Bus(int col, int row, int depth, int upRoom) {
        const size_t self = m_items.size();
        Add(MakeItem(m_rng, kKindZeroCond, col, row, 0, 1));
        int c = col;
        int lastHead = col;
        const int branches = Count() + 2 < m_target ? Pick(0, depth == 0 ? 4 : 3) : 0;
        for (int b = 0; b < branches && Count() < m_target; ++b) {
            lastHead = c;
            int r = row + 1;
            const bool direct = Pick(0, 29) == 0;
            const int length = direct ? 0 : Pick(1, 4);
            for (int k = 0; k < length; ++k) {
                const int32_t kind = ChainKind();
                Add(MakeItem(m_rng, kind, c, r));
                r += RowsOf(kind, 0);
            }
            const int end = Pick(0, 99);
            if (direct || (end < 35 && depth < 3 && Count() + 3 < m_target)) {
                c += Bus(c, r, depth + 1, r - row - 2) + 1;
                continue;
            }
            if (end < 70)
                Add(MakeItem(m_rng, EndKind(), c, r));
            c += 1;
        }
        int width = std::max(lastHead - col + 1 + Pick(0, 1), 1);
        if (branches == 0)
            width = Pick(1, 3);
        int extent = std::max(c - col, width);

        // Chains standing on the bus, not on the column fed from above.
        const int first = depth == 0 ? col : col + 1;
        for (int k = first; k < col + width && Count() < m_target; ++k) {
            if (Pick(0, 99) >= 30 || upRoom < 2)
                continue;
            int bottom = row; // the row below the chain
            const int length = Pick(1, 3);
            for (int j = 0; j < length; ++j) {
                const bool top = j == length - 1;
                const int32_t kind = top && Pick(0, 9) < 6
                                         ? (Pick(0, 3) == 0 ? kKindGenerator : kKindSource)
                                         : ChainKind();
                const int rows = RowsOf(kind, 0);
                if (row - (bottom - rows) > upRoom)
                    break;
                bottom -= rows;
                Add(MakeItem(m_rng, kind, k, bottom));
            }
        }

        // Horizontal conductors from its right end, to a bus beside it or
        // hanging free; or a bus touching it side by side.
        if (Pick(0, 99) < 30 && Count() + 2 < m_target) {
            width = extent;
            int h = col + width;
            const int conductors = Pick(0, 5) == 0 ? 0 : Pick(1, 2);
            for (int k = 0; k < conductors; ++k, h += 4)
                Add(MakeItem(m_rng, ConductorKind(), h, row, Pick(1, 2)));
            extent = h - col;
            if (conductors == 0 || Pick(0, 3) != 0)
                extent += Bus(h, row, depth + 1, upRoom);
        }
        m_items[self].values[0] = width;
        return extent;
    }

    std::mt19937 m_rng;
    std::vector<NetItem> m_items;
    int m_target = 0;
};

// --- random scatters -----------------------------------------------------------------

// Elements of any kinds on a small grid, most of them put against one
// already there (below, above, beside), some of those one cell off, some on
// top of one, the rest anywhere.
std::vector<NetItem> Scatter(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static constexpr int32_t kinds[] = {
        kKindZeroCond, kKindZeroCond,  kKindZeroCond,  kKindZeroCond, kKindBusBar,
        kKindWire,     kKindWire,      kKindBusDuct,   kKindBusBar,   kKindWire,
        kKindSource,   kKindGenerator, kKindTrans3,    kKindTrans1,   kKindMotorEff,
        kKindMotor,    kKindLoad,      kKindCapacitor, kKindText};
    std::vector<NetItem> items;
    const int n = pick(10, 24);
    for (int i = 0; i < n; ++i) {
        const int32_t kind = kinds[pick(0, static_cast<int>(std::size(kinds)) - 1)];
        const int32_t horizontal = IsConductor(kind) && pick(0, 4) < 2 ? pick(1, 2) : 0;
        NetItem item = MakeItem(rng, kind, 0, 0, horizontal, pick(1, 4));
        const int rows = RowsOf(kind, horizontal);
        const int cols = ColumnsOf(item);
        const int roll = pick(0, 99);
        if (items.empty() || roll < 25) {
            item.col = pick(0, 7);
            item.row = pick(0, 15);
        } else {
            const NetItem& o =
                items[static_cast<size_t>(pick(0, static_cast<int>(items.size()) - 1))];
            const int oRows = RowsOf(o.kind, o.horizontal);
            const int oCols = ColumnsOf(o);
            switch (pick(0, 4)) {
            case 0: // below, under any of its columns
                item.col = o.col + pick(0, oCols - 1);
                item.row = o.row + oRows;
                break;
            case 1: // above
                item.col = o.col + pick(0, oCols - 1);
                item.row = o.row - rows;
                break;
            case 2: // right
                item.col = o.col + oCols;
                item.row = o.row;
                break;
            case 3: // left
                item.col = o.col - cols;
                item.row = o.row;
                break;
            default: // on top of it
                item.col = o.col;
                item.row = o.row;
                break;
            }
            if (pick(0, 3) == 0) {
                const int by = pick(0, 1) == 0 ? -1 : 1;
                (pick(0, 1) == 0 ? item.col : item.row) += by;
            }
        }
        items.push_back(item);
    }
    // Well inside the drawing.
    for (NetItem& item : items) {
        item.col += 10;
        item.row += 10;
    }
    return items;
}

// --- the comparisons -------------------------------------------------------------------

struct Mode {
    bool loop;
    int32_t flag;
    const char* name;
};
constexpr Mode kModes[] = {{false, 1, "three-phase, motor effects kept"},
                           {false, 0, "three-phase, motor effects dead"},
                           {true, 1, "earth-fault loop"}};

void SlowDeadEnds(CTovarineDocData& doc, CObjElementList& list, CObjElement* fault, const Mode& m) {
    if (m.loop)
        doc.DoPruneLoopDeadEnds(list, fault);
    else
        doc.DoPrunePhaseDeadEnds(list, fault, m.flag);
}

void SlowRest(CTovarineDocData& doc, CObjElementList& list, CObjElement* fault, const Mode& m) {
    doc.DoPruneUnconnected(list, fault);
    if (m.loop)
        doc.DoPruneUnfedByTransformer(list);
    else
        doc.DoPruneUnfedBySupply(list);
}

// The working list as the calculation prunes it with the skeleton: the
// closed form where it holds, else the dead ends through the skeleton and
// the other passes on the indexed list. Whether the closed form held.
bool FastPrune(CTovarineDocData& doc, const CCalcSkeleton& skeleton, CObjElementList& list,
               CObjElement* fault, const Mode& m) {
    const bool closed =
        m.loop ? skeleton.DoPruneLoop(list, fault) : skeleton.DoPrunePhase(list, fault, m.flag);
    if (closed)
        return true;
    if (!skeleton.DoPruneDeadEnds(list, fault, m.loop, m.flag))
        SlowDeadEnds(doc, list, fault, m);
    if (!skeleton.DoPruneReach(list, fault, m.loop))
        SlowRest(doc, list, fault, m);
    return false;
}

// Every element as the fault in every mode: the dead-end worklist leaves
// the pass's list, and the whole fast pruning the passes' list; on a tree
// the closed form answers every time. At the first difference, the skeleton
// is printed as NetItems.
void ExpectSamePruning(CTovarineDocData& doc, const std::vector<NetItem>& items) {
    CObjElementList all;
    doc.CollectElements(all);
    CCalcSkeleton skeleton(all);
    for (CObjElement* fault : all) {
        for (const Mode& m : kModes) {
            CObjElementList slow(all);
            SlowDeadEnds(doc, slow, fault, m);
            CObjElementList dead(all);
            ASSERT_TRUE(skeleton.DoPruneDeadEnds(dead, fault, m.loop, m.flag));
            const auto where = [&] {
                size_t at = 0;
                while (all.GetAt(at) != fault)
                    ++at;
                return std::string(m.name) + ", fault " + std::to_string(at) + " of kind " +
                       std::to_string(fault->GetKind()) + "\n" + Describe(items);
            };
            ASSERT_EQ(tvtest::IndexesIn(dead, all), tvtest::IndexesIn(slow, all))
                << "dead ends, " << where();
            SlowRest(doc, slow, fault, m);
            CObjElementList fast(all);
            const bool closed = FastPrune(doc, skeleton, fast, fault, m);
            ASSERT_EQ(tvtest::IndexesIn(fast, all), tvtest::IndexesIn(slow, all))
                << (closed ? "closed form, " : "passes on the index, ") << where();
            ASSERT_TRUE(closed || !skeleton.IsTree()) << "declined on a tree, " << where();
            // The reachability form on its own, after the dead ends.
            CObjElementList reach(all);
            ASSERT_TRUE(skeleton.DoPruneDeadEnds(reach, fault, m.loop, m.flag));
            if (skeleton.DoPruneReach(reach, fault, m.loop)) {
                ASSERT_EQ(tvtest::IndexesIn(reach, all), tvtest::IndexesIn(slow, all))
                    << "reachability, " << where();
            }
        }
    }
}

// The neighbour search through the skeleton against the search over the
// rectangles: asked again and again from one element, and walked from
// neighbour to neighbour, consuming and not.
void ExpectSameNeighbours(CTovarineDocData& doc, const std::vector<NetItem>& items) {
    CObjElementList all;
    doc.CollectElements(all);
    CCalcSkeleton skeleton(all);
    for (CObjElement* e : all) {
        for (int32_t direction : {kDirUp, kDirDown, kDirLeft, kDirRight}) {
            for (int32_t consume : {0, 1}) {
                for (bool walk : {false, true}) {
                    CObjElementList indexed(all);
                    indexed.AttachSkeleton(&skeleton);
                    CObjElementList plain(all);
                    CObjElement* from = e;
                    for (int k = 0; k < 40; ++k) {
                        CObjElement* a = indexed.FindNeighbour(from, direction, consume);
                        CObjElement* b = plain.FindNeighbour(from, direction, consume);
                        ASSERT_EQ(a, b) << "direction " << direction << ", consume " << consume
                                        << ", step " << k << "\n"
                                        << Describe(items);
                        ASSERT_EQ(tvtest::IndexesIn(indexed, all), tvtest::IndexesIn(plain, all));
                        if (!a || (consume == 0 && !walk))
                            break;
                        if (walk)
                            from = a;
                    }
                }
            }
        }
    }
}

// A whole Calculation stores the same bytes with the skeleton and without.
void ExpectSameCalculation(const std::vector<NetItem>& items) {
    CTovarineDocData fast;
    CTovarineDocData slow;
    Place(fast, items);
    Place(slow, items);
    slow.m_bCalcBySkeleton = false;
    fast.DoCalculateAll();
    slow.DoCalculateAll();
    EXPECT_TRUE(tvtest::StoredBytes(fast) == tvtest::StoredBytes(slow)) << Describe(items);
}

// The same for a generated radial or meshed skeleton: both documents are
// built from the shape.
void ExpectSameCalculation(const tvtest::RadialShape& shape) {
    CTovarineDocData fast;
    CTovarineDocData slow;
    tvtest::BuildRadial(fast, shape);
    tvtest::BuildRadial(slow, shape);
    slow.m_bCalcBySkeleton = false;
    fast.DoCalculateAll();
    slow.DoCalculateAll();
    EXPECT_TRUE(tvtest::StoredBytes(fast) == tvtest::StoredBytes(slow));
}

bool IsPathForm(CTovarineDocData& doc) {
    CObjElementList all;
    doc.CollectElements(all);
    return CCalcSkeleton(all).IsPathForm();
}

bool IsTree(CTovarineDocData& doc) {
    CObjElementList all;
    doc.CollectElements(all);
    return CCalcSkeleton(all).IsTree();
}

// --- the tests -------------------------------------------------------------------------

TEST(CalcSkeletonRandom, PrunesRandomTreesAsThePassesDo) {
    int trees = 0;
    int skeletons = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("tree seed " + std::to_string(seed));
        const std::vector<NetItem> items = TreeMaker(seed).Make();
        CTovarineDocData doc;
        Place(doc, items);
        ++skeletons;
        trees += IsTree(doc) ? 1 : 0;
        ExpectSamePruning(doc, items);
        ExpectSameCalculation(items);
        if (HasFatalFailure())
            return;
    }
    // Most of them have to be trees, or the closed form goes untested.
    RecordProperty("trees", trees);
    RecordProperty("skeletons", skeletons);
    EXPECT_GE(2 * trees, skeletons);
}

TEST(CalcSkeletonRandom, FindsNeighboursAndPrunesScatteredSkeletonsAsThePassesDo) {
    int trees = 0;
    int skeletons = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("scatter seed " + std::to_string(seed));
        const std::vector<NetItem> items = Scatter(seed);
        CTovarineDocData doc;
        Place(doc, items);
        ++skeletons;
        trees += IsTree(doc) ? 1 : 0;
        ExpectSameNeighbours(doc, items);
        ExpectSamePruning(doc, items);
        ExpectSameCalculation(items);
        if (HasFatalFailure())
            return;
    }
    RecordProperty("trees", trees);
    RecordProperty("skeletons", skeletons);
}

// The supply search remembers, for the walks after, the junctions whose
// search found a feed going only up. Here the junctions' searches find the
// generator only after one has gone down from the other, and a later walk
// that comes up to a junction has used up another part of the skeleton:
// those searches must be walked again, not remembered.
TEST(CalcSkeletonRandom, RemembersOnlyTheFeedsFoundGoingUp) {
    const std::vector<NetItem> items = {
        {"", 10, 14, 12, 1, {50, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085}, true},
        {"", 6, 17, 10, 0, {300, 12, 0.03, 0.05}},
        {"", 8, 17, 12, 0, {1}, true},
        {"", 8, 18, 12, 0, {1}},
    };
    CTovarineDocData doc;
    Place(doc, items);
    ExpectSamePruning(doc, items);
    ExpectSameCalculation(items);
}

// Generated radial skeletons with ties, generators and motor effects, and
// meshed ones whose second feeders close rings: no trees, so every fault
// goes through the dead-end worklist and the reachability form, against
// the passes, and the whole Calculation against the one without the
// skeleton.
TEST(CalcSkeletonRandom, PrunesGeneratedRadialAndMeshedSkeletonsAsThePassesDo) {
    int pathForms = 0;
    int skeletons = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        tvtest::RadialShape shape;
        shape.seed = seed;
        shape.elements = 50 + static_cast<int>(seed % 3) * 10;
        shape.calcPoints = 12;
        shape.motorEffects = static_cast<int>(seed % 3);
        shape.generators = static_cast<int>(seed % 2);
        shape.ties = static_cast<int>(seed % 3);
        shape.rings = seed % 4 == 0 ? 0 : static_cast<int>(seed % 4);
        SCOPED_TRACE("radial seed " + std::to_string(seed) + ", rings " +
                     std::to_string(shape.rings));
        CTovarineDocData doc;
        tvtest::BuildRadial(doc, shape);
        ++skeletons;
        pathForms += IsPathForm(doc) ? 1 : 0;
        ExpectSamePruning(doc, {});
        ExpectSameCalculation(shape);
        if (HasFatalFailure())
            return;
    }
    // The generated skeletons are the reachability form's own ground.
    EXPECT_EQ(pathForms, skeletons);
}

} // namespace
