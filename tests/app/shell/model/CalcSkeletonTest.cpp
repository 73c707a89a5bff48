// The calculation's pruning through the skeleton's trees against the
// pruning passes themselves: the same working list for every fault, and the
// same results, bit for bit, for a whole Calculation, on the hand networks
// and on generated skeletons.

#include "CalcNetwork.h"

#include "app/records/ElementKinds.h"
#include "app/shell/model/CCalcSkeleton.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tvtest::RadialShape;

// Every element of the document as a fault, for both kinds of pruning and
// both motor-effect flags: the skeleton's list equals the passes' list.
void ExpectSamePruning(CTovarineDocData& doc) {
    CObjElementList all;
    doc.CollectElements(all);
    CCalcSkeleton skeleton(all);
    ASSERT_TRUE(skeleton.IsTree());
    for (CObjElement* fault : all) {
        for (int32_t flag : {1, 0}) {
            CObjElementList fast(all);
            ASSERT_TRUE(skeleton.DoPrunePhase(fast, fault, flag));
            CObjElementList slow(all);
            doc.DoPrunePhaseDeadEnds(slow, fault, flag);
            doc.DoPruneUnconnected(slow, fault);
            doc.DoPruneUnfedBySupply(slow);
            EXPECT_EQ(tvtest::IndexesIn(fast, all), tvtest::IndexesIn(slow, all))
                << "three-phase, flag " << flag << ", fault of kind " << fault->GetKind();
        }
        CObjElementList fast(all);
        ASSERT_TRUE(skeleton.DoPruneLoop(fast, fault));
        CObjElementList slow(all);
        doc.DoPruneLoopDeadEnds(slow, fault);
        doc.DoPruneUnconnected(slow, fault);
        doc.DoPruneUnfedByTransformer(slow);
        EXPECT_EQ(tvtest::IndexesIn(fast, all), tvtest::IndexesIn(slow, all))
            << "earth-fault loop, fault of kind " << fault->GetKind();
    }
}

// The dead-end pass alone, on any skeleton: the same list as the passes.
void ExpectSameDeadEnds(CTovarineDocData& doc) {
    CObjElementList all;
    doc.CollectElements(all);
    CCalcSkeleton skeleton(all);
    for (CObjElement* fault : all) {
        for (int32_t flag : {1, 0}) {
            CObjElementList fast(all);
            ASSERT_TRUE(skeleton.DoPruneDeadEnds(fast, fault, false, flag));
            CObjElementList slow(all);
            doc.DoPrunePhaseDeadEnds(slow, fault, flag);
            EXPECT_EQ(tvtest::IndexesIn(fast, all), tvtest::IndexesIn(slow, all))
                << "three-phase, flag " << flag;
        }
        CObjElementList fast(all);
        ASSERT_TRUE(skeleton.DoPruneDeadEnds(fast, fault, true, 1));
        CObjElementList slow(all);
        doc.DoPruneLoopDeadEnds(slow, fault);
        EXPECT_EQ(tvtest::IndexesIn(fast, all), tvtest::IndexesIn(slow, all)) << "earth-fault loop";
    }
}

TEST(CalcSkeleton, PrunesHandNetworksAsThePassesDo) {
    const std::vector<std::vector<tvtest::NetItem>> networks = {
        {{"S", kKindSource, 0, 0, 0, {500, 25}},
         {"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}, true},
         {"ZC", kKindZeroCond, 0, 5, 0, {6}},
         {"W", kKindWire, 0, 6, 0, {50, 0.0754, 0.08}, true},
         {"L", kKindLoad, 0, 10},
         {"ME", kKindMotorEff, 3, 6, 0, {200, 20, 2, 1.5}, true},
         {"HB", kKindBusBar, 6, 5, 1, {10, 0.03, 0.14}, true},
         {"ZC2", kKindZeroCond, 10, 5, 0, {6}},
         {"C", kKindCapacitor, 11, 6},
         {"G", kKindGenerator, 13, 2, 0, {300, 12, 0.03, 0.05}},
         {"WG", kKindWire, 13, 4, 0, {5, 0.0754, 0.08}, true},
         {"M", kKindMotor, 5, 6}}};
    for (const auto& items : networks) {
        for (bool mirrored : {false, true}) {
            tvtest::CalcNet net(items, mirrored, 20);
            ExpectSamePruning(net.doc);
        }
    }
}

// Generated skeletons of every shape the generator makes: motor effects,
// generators, transformers half-way down, buses tied side by side.
TEST(CalcSkeleton, PrunesGeneratedSkeletonsAsThePassesDo) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CTovarineDocData doc;
        RadialShape shape;
        shape.elements = 70;
        shape.calcPoints = 20;
        shape.motorEffects = 3;
        shape.generators = 1;
        shape.ties = 2;
        shape.seed = seed;
        tvtest::BuildRadial(doc, shape);
        ExpectSamePruning(doc);
    }
}

TEST(CalcSkeleton, GivesTheSameResultsBitForBit) {
    for (unsigned seed = 11; seed <= 14; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RadialShape shape;
        shape.elements = 90;
        shape.calcPoints = 30;
        shape.motorEffects = 3;
        shape.generators = seed % 2;
        shape.ties = 2;
        shape.seed = seed;
        CTovarineDocData fast;
        CTovarineDocData slow;
        tvtest::BuildRadial(fast, shape);
        tvtest::BuildRadial(slow, shape);
        slow.m_bCalcBySkeleton = false;
        const std::vector<uint8_t> before = tvtest::StoredBytes(fast);
        fast.DoCalculateAll();
        slow.DoCalculateAll();
        const std::vector<uint8_t> after = tvtest::StoredBytes(fast);
        EXPECT_NE(after, before); // results were stored
        EXPECT_EQ(after, tvtest::StoredBytes(slow));
    }
}

// A ring (two feeders to one bus) is no tree: the skeleton says so and the
// calculation runs the passes; the results are those of the passes.
TEST(CalcSkeleton, LeavesARingToThePasses) {
    RadialShape shape;
    shape.elements = 60;
    shape.calcPoints = 15;
    shape.rings = 2;
    shape.seed = 5;
    CTovarineDocData fast;
    CTovarineDocData slow;
    tvtest::BuildRadial(fast, shape);
    tvtest::BuildRadial(slow, shape);
    CObjElementList all;
    fast.CollectElements(all);
    CCalcSkeleton skeleton(all);
    EXPECT_FALSE(skeleton.IsTree());
    CObjElementList copy(all);
    EXPECT_FALSE(skeleton.DoPrunePhase(copy, all.GetAt(0), 1));
    EXPECT_EQ(copy.GetCount(), all.GetCount());
    slow.m_bCalcBySkeleton = false;
    fast.DoCalculateAll();
    slow.DoCalculateAll();
    EXPECT_EQ(tvtest::StoredBytes(fast), tvtest::StoredBytes(slow));
}

// On rings, and on buses that touch side by side, the dead ends go as the
// pass takes them.
TEST(CalcSkeleton, TakesTheDeadEndsOfAMeshedSkeletonAsThePassDoes) {
    for (unsigned seed = 21; seed <= 23; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CTovarineDocData doc;
        RadialShape shape;
        shape.elements = 60;
        shape.calcPoints = 10;
        shape.motorEffects = 2;
        shape.rings = 2;
        shape.ties = 1;
        shape.seed = seed;
        tvtest::BuildRadial(doc, shape);
        ExpectSameDeadEnds(doc);
    }
}

// The neighbour search through the skeleton's connections finds what the
// search over the list's rectangles finds, neighbour after neighbour, with
// the list consumed as it goes (meshed skeletons and touching buses
// included).
TEST(CalcSkeleton, FindsTheNeighboursTheListFinds) {
    for (unsigned seed = 31; seed <= 33; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CTovarineDocData doc;
        RadialShape shape;
        shape.elements = 80;
        shape.calcPoints = 10;
        shape.motorEffects = 2;
        shape.generators = 1;
        shape.ties = 2;
        shape.rings = 1;
        shape.seed = seed;
        tvtest::BuildRadial(doc, shape);
        CObjElementList all;
        doc.CollectElements(all);
        CCalcSkeleton skeleton(all);
        for (CObjElement* e : all) {
            for (int32_t direction : {16, 64, 128, 32}) {
                for (int32_t consume : {0, 1}) {
                    CObjElementList indexed(all);
                    indexed.AttachSkeleton(&skeleton);
                    CObjElementList plain(all);
                    for (int k = 0; k < 30; ++k) {
                        CObjElement* a = indexed.FindNeighbour(e, direction, consume);
                        CObjElement* b = plain.FindNeighbour(e, direction, consume);
                        ASSERT_EQ(a, b) << "direction " << direction;
                        ASSERT_EQ(indexed.GetCount(), plain.GetCount());
                        if (!a || consume == 0)
                            break;
                    }
                }
            }
        }
    }
}

// Two transformers standing on one bus, a wire above one of them. The
// earth-fault loop's last pass keeps what a walk from it finds a transformer
// or generator for when the walk goes upward: from the wire the walk goes
// down through the first transformer (not one that feeds it, entered from
// above), on to the bus, and up the other chain to the second transformer,
// which it enters from below. So the wire is fed, and as the fault the loop
// list keeps all four: the dead-end pass takes nothing (the wire is the
// fault, each transformer has a neighbour above or below, the bus two
// neighbours), all four are connected, the bus and the transformers are fed.
// The first transformer's own lower side, already fed by the second, does
// not mean that the second's feeding ends there.
TEST(CalcSkeleton, FeedsTheLoopThroughAnotherTransformerFromBelow) {
    const std::vector<tvtest::NetItem> items = {
        {"ZC", kKindZeroCond, 0, 15, 0, {8}},
        {"T", kKindTrans3, 0, 12, 0, {700, 5, 5}},
        {"W", kKindBusBar, 0, 8, 0, {15, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085}, true},
        {"T2", kKindTrans3, 4, 12, 0, {700, 5, 5}, true}};
    for (bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored ? "mirrored" : "as drawn");
        tvtest::CalcNet net(items, mirrored, 20);
        CObjElementList all;
        net.doc.CollectElements(all);
        CCalcSkeleton skeleton(all);
        ASSERT_TRUE(skeleton.IsTree());
        CObjElementList list(all);
        ASSERT_TRUE(skeleton.DoPruneLoop(list, net["W"]));
        EXPECT_EQ(tvtest::IndexesIn(list, all), "0 1 2 3 ");
        ExpectSamePruning(net.doc);

        tvtest::CalcNet slow(items, mirrored, 20);
        slow.doc.m_bCalcBySkeleton = false;
        net.doc.DoCalculateAll();
        slow.doc.DoCalculateAll();
        EXPECT_EQ(tvtest::StoredBytes(net.doc), tvtest::StoredBytes(slow.doc));
    }
}

// A list that is not the whole skeleton in its order is left to the passes.
TEST(CalcSkeleton, PrunesOnlyTheListItWasMadeFrom) {
    CTovarineDocData doc;
    RadialShape shape;
    shape.elements = 30;
    shape.calcPoints = 5;
    tvtest::BuildRadial(doc, shape);
    CObjElementList all;
    doc.CollectElements(all);
    CCalcSkeleton skeleton(all);
    CObjElementList shorter(all);
    shorter.Remove(all.GetAt(3));
    EXPECT_FALSE(skeleton.DoPrunePhase(shorter, all.GetAt(1), 1));
    EXPECT_FALSE(skeleton.DoPruneLoop(shorter, all.GetAt(1)));
    EXPECT_EQ(shorter.GetCount(), all.GetCount() - 1);
}

} // namespace
