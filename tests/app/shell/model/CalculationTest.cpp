// The short-circuit calculation end to end on hand networks: every network
// is data (symbols on grid cells with their values) with the currents worked
// out by hand from the percent-impedance formulas, and every network is run
// as drawn and mirrored left to right.

#include "CalcNetwork.h"

#include "app/calc/CCalcPoint.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "app/shell/model/ReductionNodes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using tvtest::CalcNet;
using tvtest::NetItem;

// Values shared by the networks, all on the base capacity P = 1000 kVA and
// at 400 V on the low-voltage side.
//
// Source S: 500 MVA, X/R 25: %Z = 1000 / 500 000 x 100 = 0.2 %,
//   %R = 0.2 / sqrt(1 + 25^2) = 0.0079936, %X = 25 %R = 0.1998402.
// Transformer T: 1000 kVA, %Z 5, X/R 5: %R = 5 / sqrt(26) = 0.9805807,
//   %X = 4.9029034.
// A conductor's %R = r L P / V^2 x 100 = r L x 0.625 for P = 1000, V = 400
//   (r in mohm/m, L in m); the same for %X and for the N and PE groups.
// Bus-bar BB, 10 m: phases r 0.03, x 0.14 -> (0.1875, 0.875);
//   N r 0.06, x 0.16 -> (0.375, 1.0); PE r 0.12, x 0.18 -> (0.75, 1.125).
// Wire W, 50 m: phases and N r 0.0754, x 0.08 -> (2.35625, 2.5);
//   PE r 0.153, x 0.085 -> (4.78125, 2.65625).
// Currents: I"k3 = P 1000 100 / (sqrt 3 V |Z|) = 144 337.57 / |Z| A;
//   I"k1 = the same with |Z| the phase values plus the N (or PE) loop pair.
const std::vector<double> kSource{500, 25};
const std::vector<double> kTrans{1000, 5, 5};
const std::vector<double> kBusBar{10, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18};
std::vector<double> Wire(double length) {
    return {length, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085};
}

enum class Current { Ik3, Ik1N, Ik1PE };

struct Expect {
    std::string name;
    Current what;
    double amperes;
    // Where the mirrored network gives another value, that value (see the
    // network's derivation); NaN where it gives the same.
    double mirrored = std::nan("");
};

struct Network {
    std::string title;
    std::vector<NetItem> items;
    std::vector<Expect> expects;
};

std::string WhatText(Current what) {
    switch (what) {
    case Current::Ik3:
        return "I\"k3";
    case Current::Ik1N:
        return "I\"k1(N)";
    case Current::Ik1PE:
        return "I\"k1(PE)";
    }
    return "";
}

double Read(const CalcNet& net, const Expect& e) {
    switch (e.what) {
    case Current::Ik3:
        return net.Ik3(e.name);
    case Current::Ik1N:
        return net.Ik1N(e.name);
    case Current::Ik1PE:
        return net.Ik1PE(e.name);
    }
    return 0.0;
}

std::vector<Network> Networks() {
    std::vector<Network> all;

    // Supply, transformer, bus-bar, wire and load in one column:
    //   at T:  Z = S + T = (0.9885743, 5.1027436), |Z| 5.1976   -> 27 769.9 A;
    //   at BB: Z + BB = (1.1760743, 5.9777436), |Z| 6.0923      -> 23 691.7 A;
    //   at W:  Z + W = (3.5323243, 8.4777436), |Z| 9.1842       -> 15 715.9 A;
    //   loop at W's end: the transformer closes it, so N = BB_N + W_N =
    //   (2.73125, 3.5): Z + N = (6.2635743, 11.9777436) -> 10 678.5 A;
    //   PE = (5.53125, 3.78125): Z + PE = (9.0635743, 12.2589936) -> 9 467.4 A;
    //   loop at BB: phases at BB + BB_N = (1.5510743, 6.9777436) -> 20 192.6 A,
    //   + BB_PE = (1.9260743, 7.1027436) -> 19 613.1 A.
    all.push_back({"radial",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans, true},
                    {"BB", kKindBusBar, 0, 5, 0, kBusBar, true},
                    {"W", kKindWire, 0, 9, 0, Wire(50), true},
                    {"L", kKindLoad, 0, 13}},
                   {{"T", Current::Ik3, 27769.9},
                    {"BB", Current::Ik3, 23691.7},
                    {"W", Current::Ik3, 15715.9},
                    {"W", Current::Ik1N, 10678.5},
                    {"W", Current::Ik1PE, 9467.4},
                    {"BB", Current::Ik1N, 20192.6},
                    {"BB", Current::Ik1PE, 19613.1}}});

    // Two equal supplies S-T-BB on one zero conductor ZC, a wire below:
    //   one feed F = S + T + BB = (1.1760743, 5.9777436); two in parallel
    //   give F / 2 = (0.5880371, 2.9888718)                -> 47 383.3 A at ZC;
    //   at W: F / 2 + W = (2.9442871, 5.4888718)           -> 23 173.0 A;
    //   at T1: (S + T) parallel (S + T + 2 BB) = (0.5731871, 2.9248511)
    //                                                       -> 48 427.5 A;
    //   at BB1: F parallel F, as at ZC                      -> 47 383.3 A;
    //   loop at W: both bus-bars return in parallel: BB_N / 2 + W_N =
    //   (2.54375, 3.0) -> 14 279.0 A; BB_PE / 2 + W_PE = (5.15625, 3.21875)
    //   -> 12 136.4 A; at ZC: F / 2 + BB_N / 2 -> 40 385.1 A.
    all.push_back({"two transformers on one bus",
                   {{"S1", kKindSource, 0, 0, 0, kSource},
                    {"T1", kKindTrans3, 0, 2, 0, kTrans, true},
                    {"BB1", kKindBusBar, 0, 5, 0, kBusBar, true},
                    {"S2", kKindSource, 3, 0, 0, kSource},
                    {"T2", kKindTrans3, 3, 2, 0, kTrans},
                    {"BB2", kKindBusBar, 3, 5, 0, kBusBar},
                    {"ZC", kKindZeroCond, 0, 9, 0, {6}, true},
                    {"W", kKindWire, 1, 10, 0, Wire(50), true},
                    {"L", kKindLoad, 1, 14}},
                   {{"ZC", Current::Ik3, 47383.3},
                    {"W", Current::Ik3, 23173.0},
                    {"T1", Current::Ik3, 48427.5},
                    {"BB1", Current::Ik3, 47383.3},
                    {"W", Current::Ik1N, 14279.0},
                    {"W", Current::Ik1PE, 12136.4},
                    {"ZC", Current::Ik1N, 40385.1}}});

    // A motor effect ME below the bus beside the supply. ME: 200 kVA,
    // X"m 20 %, Rr 2 %, Rs 1.5 %, 400 V, 50 Hz. On P its own term is
    // Re = 5 x 3.5 = 17.5, Xe = 5 x 20 = 100, share te = 5 x 1.5 = 7.5.
    // Decayed current: In = 200 000 / (400 sqrt 3) = 288.675 A; T" =
    // 20 / (2 pi 50 x 2) = 0.0318310 s; I0 = In x 100 / |3.5 + j20| =
    // 1421.769 A; I = I0 exp(-1 / (2 x 50 x T")) = I0 exp(-0.3141593) =
    // 1038.464 A. Its equivalent: k = Xe / (Re - te) = 10, Z = 144 337.57 /
    // 1038.464 = 138.9914 %, R = Z / sqrt 101 = 13.830163, X = 138.301626.
    //   at W: (F parallel ME) + W = (3.4604111, 8.2321824)  -> 16 163.4 A;
    //   at BB and at ME: F parallel ME = (1.1041611, 5.7321824) -> 24 725.7 A;
    //   at T: (S + T) parallel (BB + ME) = (0.9372690, 4.9237117) -> 28 797.7 A;
    //   loop at W (the motor effect closes no loop): phases at W + BB_N + W_N
    //   -> 10 880.4 A, + BB_PE + W_PE -> 9 618.8 A.
    all.push_back({"motor effect beside the supply",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans, true},
                    {"BB", kKindBusBar, 0, 5, 0, kBusBar, true},
                    {"ZC", kKindZeroCond, 0, 9, 0, {6}},
                    {"W", kKindWire, 0, 10, 0, Wire(50), true},
                    {"L", kKindLoad, 0, 14},
                    {"ME", kKindMotorEff, 3, 10, 0, {200, 20, 2, 1.5}, true}},
                   {{"W", Current::Ik3, 16163.4},
                    {"BB", Current::Ik3, 24725.7},
                    {"ME", Current::Ik3, 24725.7},
                    {"T", Current::Ik3, 28797.7},
                    {"W", Current::Ik1N, 10880.4},
                    {"W", Current::Ik1PE, 9618.8}}});

    // A zero conductor with three branches: the supply above, a wire W1
    // (20 m) to a load and a wire W2 (30 m) to a second bus ZC_B, with a wire
    // W3 (40 m) to a load and a wire W4 to a motor below it.
    //   W1 = (0.9425, 1.0), W2 = (1.41375, 1.5), W3 = (1.885, 2.0);
    //   at ZC_A: F = S + T + BB                              -> 23 691.7 A;
    //   at W1: F + W1                                        -> 19 793.2 A;
    //   at ZC_B: F + W2                                      -> 18 239.4 A;
    //   at W3: F + W2 + W3                                   -> 13 771.3 A;
    //   loop at W3's end: BB, W2 and W3 return: F + W2 + W3 + BB_PE + W2_PE +
    //   W3_PE -> 7 746.7 A, with N: + BB_N + W2_N + W3_N     -> 8 921.0 A;
    //   loop at ZC_B: F + W2 + BB_PE + W2_PE                 -> 12 090.6 A;
    //   loop at W1: F + W1 + BB_N + W1_N                     -> 15 015.1 A.
    all.push_back({"zero conductor with three branches",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans},
                    {"BB", kKindBusBar, 0, 5, 0, kBusBar},
                    {"ZC_A", kKindZeroCond, 0, 9, 0, {6}, true},
                    {"W1", kKindWire, 1, 10, 0, Wire(20), true},
                    {"L1", kKindLoad, 1, 14},
                    {"W2", kKindWire, 4, 10, 0, Wire(30)},
                    {"ZC_B", kKindZeroCond, 3, 14, 0, {6}, true},
                    {"W3", kKindWire, 3, 15, 0, Wire(40), true},
                    {"L3", kKindLoad, 3, 19},
                    {"W4", kKindWire, 6, 15, 0, Wire(10)},
                    {"M", kKindMotor, 6, 19}},
                   {{"ZC_A", Current::Ik3, 23691.7},
                    {"W1", Current::Ik3, 19793.2},
                    {"ZC_B", Current::Ik3, 18239.4},
                    {"W3", Current::Ik3, 13771.3},
                    {"W3", Current::Ik1PE, 7746.7},
                    {"W3", Current::Ik1N, 8921.0},
                    {"ZC_B", Current::Ik1PE, 12090.6},
                    {"W1", Current::Ik1N, 15015.1}}});

    // A horizontal branch: a bus-bar HB (the bus-bar values, 10 m) lying on
    // its side joins the bus ZC1 under the transformer to a bus ZC2 on its
    // right, with a wire W below ZC2.
    //   at ZC1: S + T                                        -> 27 769.9 A;
    //   at ZC2 and at HB: S + T + HB                         -> 23 691.7 A;
    //   at W: S + T + HB + W                                 -> 15 715.9 A;
    //   loop at W: HB and W return: + HB_PE + W_PE           -> 9 467.4 A.
    // A horizontal element's fault point is its right-hand terminal, the far
    // end of a bus-bar fed from the left (orientation 1). Mirrored, HB is fed
    // from the right (orientation 2) and its right-hand terminal is the one
    // at ZC1: S + T -> 27 769.9 A. The low-voltage breaker, the one kind that
    // turns to orientation 2, has no impedance and its two terminals are one
    // point (the next network); a conductor only turns between 0 and 1.
    // A bus that only passes current on: ZC_B has one wire W_U (20 m) from
    // the bus above and one wire W_D (30 m) one cell to its right down to
    // ZC_C, so the calculation turns it into one branch W_U + W_D running
    // from W_U's column to W_D's; mirrored, the branch runs from right to
    // left. The transformer stands on ZC_A itself (no return conductor
    // there, a loop pair of zero).
    //   at ZC_C: S + T + W_U + W_D = (3.3448243, 7.6027436)  -> 17 377.5 A;
    //   at W (40 m): + W = (5.2298243, 9.6027436)             -> 13 200.2 A;
    //   loop at W: the three wires return: + W_U_PE + W_D_PE + W_PE
    //                                                          -> 7 231.9 A.
    all.push_back({"bus passing current on",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans},
                    {"ZC_A", kKindZeroCond, 0, 5, 0, {6}},
                    {"W_U", kKindWire, 2, 6, 0, Wire(20)},
                    {"ZC_B", kKindZeroCond, 2, 10, 0, {2}},
                    {"W_D", kKindWire, 3, 11, 0, Wire(30)},
                    {"ZC_C", kKindZeroCond, 3, 15, 0, {6}, true},
                    {"W", kKindWire, 4, 16, 0, Wire(40), true},
                    {"L", kKindLoad, 4, 20}},
                   {{"ZC_C", Current::Ik3, 17377.5},
                    {"W", Current::Ik3, 13200.2},
                    {"W", Current::Ik1PE, 7231.9}}});

    // Two in-feeds, one beyond the other: ZC_mid is fed by its own supply
    // S2-T2-BB2 standing on it and, through a wire W_U (20 m), by the supply
    // on ZC_top; W_D (30 m) goes down to ZC_low and W_F (40 m) below it.
    //   at ZC_mid: F parallel (F + W_U) = (0.7900119, 3.2281590) -> 43 430.4 A;
    //   at ZC_low: + W_D = (2.2037619, 4.7281590)              -> 27 669.3 A;
    //   at W_F: + W_F = (4.0887619, 6.7281590)                  -> 18 332.9 A;
    //   loop at W_F: both bus-bars return, the upper one through W_U:
    //   PE: (BB2_PE parallel (BB1_PE + W_U_PE)) + W_D_PE + W_F_PE =
    //   (7.3026917, 4.4861692)                                   -> 9 029.5 A;
    //   N: (3.6067009, 4.1757148)                                -> 10 815.1 A;
    //   loop at ZC_mid: BB2_PE parallel (BB1_PE + W_U_PE) =
    //   (0.6089417, 0.7674192)                                   -> 34 094.9 A.
    all.push_back({"in-feeds one beyond the other",
                   {{"S1", kKindSource, 0, 0, 0, kSource},
                    {"T1", kKindTrans3, 0, 2, 0, kTrans},
                    {"BB1", kKindBusBar, 0, 5, 0, kBusBar},
                    {"ZC_top", kKindZeroCond, 0, 9, 0, {6}},
                    {"W_U", kKindWire, 2, 10, 0, Wire(20)},
                    {"S2", kKindSource, 6, 5, 0, kSource},
                    {"T2", kKindTrans3, 6, 7, 0, kTrans},
                    {"BB2", kKindBusBar, 6, 10, 0, kBusBar},
                    {"ZC_mid", kKindZeroCond, 2, 14, 0, {6}, true},
                    {"W_D", kKindWire, 3, 15, 0, Wire(30)},
                    {"ZC_low", kKindZeroCond, 3, 19, 0, {6}, true},
                    {"W_F", kKindWire, 4, 20, 0, Wire(40), true},
                    {"L", kKindLoad, 4, 24}},
                   {{"ZC_mid", Current::Ik3, 43430.4},
                    {"ZC_low", Current::Ik3, 27669.3},
                    {"W_F", Current::Ik3, 18332.9},
                    {"W_F", Current::Ik1PE, 9029.5},
                    {"W_F", Current::Ik1N, 10815.1},
                    {"ZC_mid", Current::Ik1PE, 34094.9}}});

    all.push_back({"horizontal branch",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans},
                    {"ZC1", kKindZeroCond, 0, 5, 0, {6}, true},
                    {"W0", kKindWire, 2, 6, 0, Wire(20)},
                    {"L0", kKindLoad, 2, 10},
                    {"HB", kKindBusBar, 6, 5, 1, kBusBar, true},
                    {"ZC2", kKindZeroCond, 10, 5, 0, {6}, true},
                    {"W", kKindWire, 10, 6, 0, Wire(50), true},
                    {"L", kKindLoad, 10, 10}},
                   {{"ZC1", Current::Ik3, 27769.9},
                    {"ZC2", Current::Ik3, 23691.7},
                    {"HB", Current::Ik3, 23691.7, 27769.9},
                    {"W", Current::Ik3, 15715.9},
                    {"W", Current::Ik1PE, 9467.4}}});

    // The same with a horizontal link of no impedance (a bus-bar of no
    // length, as a breaker would be) between the buses: both of its
    // terminals are ZC1's point, drawn or mirrored.
    //   at HB, ZC2: S + T                                     -> 27 769.9 A;
    //   at W: S + T + W = (3.3448243, 7.6027436)              -> 17 377.5 A.
    all.push_back({"horizontal link without impedance",
                   {{"S", kKindSource, 0, 0, 0, kSource},
                    {"T", kKindTrans3, 0, 2, 0, kTrans},
                    {"ZC1", kKindZeroCond, 0, 5, 0, {6}},
                    {"HB", kKindBusBar, 6, 5, 1, {0, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18}, true},
                    {"ZC2", kKindZeroCond, 10, 5, 0, {6}, true},
                    {"W", kKindWire, 10, 6, 0, Wire(50), true},
                    {"L", kKindLoad, 10, 10}},
                   {{"HB", Current::Ik3, 27769.9},
                    {"ZC2", Current::Ik3, 27769.9},
                    {"W", Current::Ik3, 17377.5}}});
    return all;
}

class HandNetworks : public ::testing::TestWithParam<bool> {};

TEST_P(HandNetworks, GiveTheCurrentsWorkedByHand) {
    const bool mirrored = GetParam();
    for (const Network& network : Networks()) {
        SCOPED_TRACE(network.title + (mirrored ? ", mirrored" : ""));
        CalcNet net(network.items, mirrored, 20);
        net.doc.DoCalculateAll();
        for (const Expect& e : network.expects) {
            const double expected = mirrored && !std::isnan(e.mirrored) ? e.mirrored : e.amperes;
            EXPECT_NEAR(Read(net, e), expected, 0.05) << WhatText(e.what) << " at " << e.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AsDrawnAndMirrored, HandNetworks, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Mirrored" : "AsDrawn"; });

// The transformer alone below its source, through the driver itself:
// I"k3 27 769.9 A at 400 V (the first line of the radial network above).
TEST(Calculation, TransformerBelowASourceGivesTheKnownFaultCurrent) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, kSource}, {"T", kKindTrans3, 0, 2, 0, kTrans, true}});
    CObjElementList all;
    net.doc.CollectElements(all);
    CPercentZ total = net.doc.CalcFromSourceElement(all, net["T"], 1);
    EXPECT_NEAR(total.m_dR, 0.9885743, 1e-6);
    EXPECT_NEAR(total.m_dX, 5.1027436, 1e-6);
    EXPECT_NEAR(net.Ik3("T"), 27769.9, 0.05);
}

// A Calculation command works the elements' impedance terms out once for
// all its faults; an edit between two commands must reach the second. The
// radial network above (at W 15 715.9 A, loop with PE 9 467.4 A), then its
// wire W shortened from 50 m to 20 m: W = (0.9425, 1.0), W_PE = (1.9125,
// 1.0625);
//   at W: S + T + BB + W = (2.1185743, 6.9777436), |Z| 7.2923  -> 19 793.2 A;
//   loop at W: + BB_PE + W_PE = (4.7810743, 9.1652436)          -> 13 962.8 A.
TEST(Calculation, ASecondCommandSeesAnImpedanceEditedAfterTheFirst) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, kSource},
                 {"T", kKindTrans3, 0, 2, 0, kTrans, true},
                 {"BB", kKindBusBar, 0, 5, 0, kBusBar, true},
                 {"W", kKindWire, 0, 9, 0, Wire(50), true},
                 {"L", kKindLoad, 0, 13}});
    net.doc.DoCalculateAll();
    EXPECT_NEAR(net.Ik3("W"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik1PE("W"), 9467.4, 0.05);
    tvtest::ModelOf<CEleWire>(net["W"]).m_basic.m_dLength = 20.0;
    net.doc.DoCalculateAll();
    EXPECT_NEAR(net.Ik3("W"), 19793.2, 0.05);
    EXPECT_NEAR(net.Ik1PE("W"), 13962.8, 0.05);
    // What lies above the wire is as it was.
    EXPECT_NEAR(net.Ik3("BB"), 23691.7, 0.05);
}

// A conductor turns only between vertical and orientation 1, so the one
// a user lays between a bus and the bus on its left, with the supply on the
// right, keeps orientation 1 while its supply is on the right. Its
// calculation point is still its right-hand terminal, where its arrow is
// drawn, which is now the fed end on ZC1; the buses and the wire beyond it
// see it in series as before.
//   at ZC1 and at HB: S + T                                 -> 27 769.9 A;
//   loop at HB: the transformer stands on ZC1, no return conductor
//   between, a loop pair of zero: S + T                     -> 27 769.9 A;
//   at ZC2: S + T + HB = (1.1760743, 5.9777436)             -> 23 691.7 A;
//   loop at ZC2: + HB_PE = (1.9260743, 7.1027436)           -> 19 613.1 A;
//   at W: S + T + HB + W = (3.5323243, 8.4777436)           -> 15 715.9 A;
//   loop at W: + HB_PE + W_PE                               -> 9 467.4 A.
TEST(Calculation, HorizontalConductorFedFromTheRightHasItsPointAtTheFedEnd) {
    CalcNet net({{"S", kKindSource, 10, 0, 0, kSource},
                 {"T", kKindTrans3, 10, 2, 0, kTrans},
                 {"ZC1", kKindZeroCond, 10, 5, 0, {6}, true},
                 {"W0", kKindWire, 12, 6, 0, Wire(20)},
                 {"L0", kKindLoad, 12, 10},
                 {"HB", kKindBusBar, 6, 5, 1, kBusBar, true},
                 {"ZC2", kKindZeroCond, 0, 5, 0, {6}, true},
                 {"W", kKindWire, 0, 6, 0, Wire(50), true},
                 {"L", kKindLoad, 0, 10}});
    net.doc.DoCalculateAll();
    ASSERT_EQ(net["HB"]->GetHorizontal(), 1);
    EXPECT_NEAR(net.Ik3("ZC1"), 27769.9, 0.05);
    EXPECT_NEAR(net.Ik3("HB"), 27769.9, 0.05);
    EXPECT_NEAR(net.Ik1PE("HB"), 27769.9, 0.05);
    EXPECT_NEAR(net.Ik3("ZC2"), 23691.7, 0.05);
    EXPECT_NEAR(net.Ik1PE("ZC2"), 19613.1, 0.05);
    EXPECT_NEAR(net.Ik3("W"), 15715.9, 0.05);
    EXPECT_NEAR(net.Ik1PE("W"), 9467.4, 0.05);
}

// A generator closes the earth-fault loop as a transformer does: its node is
// its chain down to the bus (G and BB; the generator has no return
// conductor of its own). The loop at W, fault branch under the bus: the
// upward reduction meets the bus, whose walk takes the generator node as
// its in-feed, and W is added:
//   N = BB_N + W_N = (0.375 + 2.35625, 1.0 + 2.5) = (2.73125, 3.5);
//   PE = BB_PE + W_PE = (0.75 + 4.78125, 1.125 + 2.65625) = (5.53125, 3.78125);
// nothing lies below W, so the second loop result is zero. The same network
// under a source closes no loop (no transformer, no generator): both zero.
TEST(Calculation, GeneratorClosesTheEarthFaultLoopASourceDoesNot) {
    for (bool generator : {true, false}) {
        SCOPED_TRACE(generator ? "generator" : "source");
        CalcNet net({generator ? NetItem{"G", kKindGenerator, 0, 0, 0, {500, 15, 0.03, 0.1}}
                               : NetItem{"S", kKindSource, 0, 0, 0, kSource},
                     {"BB", kKindBusBar, 0, 2, 0, kBusBar},
                     {"ZC", kKindZeroCond, 0, 6, 0, {6}},
                     {"W", kKindWire, 1, 7, 0, Wire(50), true},
                     {"L", kKindLoad, 1, 11}});
        net.doc.DoCalculateAll();
        const CCalcPoint* w = net.PointOf("W");
        ASSERT_NE(w, nullptr);
        EXPECT_NEAR(w->m_zLoop1.m_dRN, generator ? 2.73125 : 0.0, 1e-9);
        EXPECT_NEAR(w->m_zLoop1.m_dXN, generator ? 3.5 : 0.0, 1e-9);
        EXPECT_NEAR(w->m_zLoop1.m_dRPE, generator ? 5.53125 : 0.0, 1e-9);
        EXPECT_NEAR(w->m_zLoop1.m_dXPE, generator ? 3.78125 : 0.0, 1e-9);
        EXPECT_EQ(w->m_zLoop2.GetZN(), 0.0);
        EXPECT_EQ(w->m_zLoop2.GetZPE(), 0.0);
        // The three-phase reduction reaches W from either supply.
        EXPECT_GT(net.Ik3("W"), 0.0);
    }
}

// The loop's build: transformers first, then generators, then each bus with
// its branches; sources start no node. S, a wire W_HV (50 m), the
// transformer T and the bus-bar BB in one column down to ZC; beside them a
// generator G with a bus-bar BB2 down to ZC; the fault wire W (50 m) below.
//   T's node: its chain down (T, BB; the run ends at ZC, one column wide)
//   with the loop values of its chain up (T, W_HV, S) added and that
//   chain's top: N = BB_N + W_HV_N = (0.375 + 2.35625, 1.0 + 2.5) =
//   (2.73125, 3.5), PE = BB_PE + W_HV_PE = (0.75 + 4.78125, 1.125 + 2.65625)
//   = (5.53125, 3.78125); a symbol at cell (c, r) has its corner at
//   (40 c + 1, 40 r + 1), so the rectangle runs from S's corner (1, 1),
//   one column wide (right 1 + 39), down to the row above ZC (13 x 40);
//   G's node: G and BB2 = BB's pairs, kind 6;
//   ZC's junction node, then its one branch, W alone (a walk down from the
//   fault does not start), holding the fault.
TEST(Calculation, LoopBuildMakesTransformerAndGeneratorNodes) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, kSource},
                 {"W_HV", kKindWire, 0, 2, 0, Wire(50)},
                 {"T", kKindTrans3, 0, 6, 0, kTrans},
                 {"BB", kKindBusBar, 0, 9, 0, kBusBar},
                 {"G", kKindGenerator, 3, 7, 0, {500, 15, 0.03, 0.1}},
                 {"BB2", kKindBusBar, 3, 9, 0, kBusBar},
                 {"ZC", kKindZeroCond, 0, 13, 0, {6}},
                 {"W", kKindWire, 1, 14, 0, Wire(50), true},
                 {"L", kKindLoad, 1, 18}});
    CObjElementList all;
    net.doc.CollectElements(all);
    CPercentZList nodes;
    DoBuildLoop(nodes, net.doc.GetEleSettings(), all, net["W"]);
    std::vector<CPercentZ*> n(nodes.begin(), nodes.end());
    ASSERT_EQ(n.size(), 4u);
    EXPECT_EQ(n[0]->m_nKind, 5u);
    EXPECT_EQ(n[0]->m_rect, fw::CRect(1, 1, 40, 13 * 40));
    EXPECT_NEAR(n[0]->m_dRN, 2.73125, 1e-9);
    EXPECT_NEAR(n[0]->m_dXN, 3.5, 1e-9);
    EXPECT_NEAR(n[0]->m_dRPE, 5.53125, 1e-9);
    EXPECT_NEAR(n[0]->m_dXPE, 3.78125, 1e-9);
    EXPECT_EQ(n[1]->m_nKind, 6u);
    EXPECT_NEAR(n[1]->m_dRN, 0.375, 1e-9);
    EXPECT_NEAR(n[1]->m_dXN, 1.0, 1e-9);
    EXPECT_NEAR(n[1]->m_dRPE, 0.75, 1e-9);
    EXPECT_NEAR(n[1]->m_dXPE, 1.125, 1e-9);
    EXPECT_EQ(n[2]->m_nKind, 8u);
    EXPECT_EQ(n[2]->m_pElement, net["ZC"]);
    EXPECT_EQ(n[3]->m_nKind, 100u);
    EXPECT_EQ(n[3]->m_nFaultPoint, 1u);
    EXPECT_EQ(n[3]->m_pElement, net["W"]);
    EXPECT_NEAR(n[3]->m_dRPE, 4.78125, 1e-9);
}

// A fault on a motor effect hung on a wire W (20 m) below the bus: the
// motor effect's node is the machine alone with its own decayed equivalent
// (13.830163, 138.301626) (the motor-effect network above), and W becomes a
// branch of the bus. Up from the motor effect: W, then the bus, whose walk
// finds the supply F = S + T + BB: A = F + W = (2.1185743, 6.9777436);
// B = the motor effect. Total (F + W) par ME = (1.9504904, 6.6550462),
// |Z| 6.9349876 -> 20 813.0 A. Summing W into the machine's node would
// decay its contribution through W and leave W out of the supply side.
TEST(Calculation, FaultOnAMotorEffectTakesTheMachineAlone) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, kSource},
                 {"T", kKindTrans3, 0, 2, 0, kTrans},
                 {"BB", kKindBusBar, 0, 5, 0, kBusBar},
                 {"ZC", kKindZeroCond, 0, 9, 0, {6}},
                 {"W", kKindWire, 0, 10, 0, Wire(20)},
                 {"ME", kKindMotorEff, 0, 14, 0, {200, 20, 2, 1.5}, true}});
    net.doc.DoCalculateAll();
    EXPECT_NEAR(net.Ik3("ME"), 20813.0, 0.05);
}

// A leftward walk from a bus stops before the fault: the fault and what lies
// beyond it make a branch of their own. The bus ZC_R under the transformer
// has on its left the bus-bar HB_1 and, at the end, the fault bus-bar HB_F
// (both on their side, 10 m, orientation 1). With no bus beyond HB_F, only
// that second branch holds it:
//   no links (HB_1 lies between HB_F and ZC_R), orientation 1:
//   A = out of left: nothing there, 0, and S is not added;
//   B = out of right (F = 1): HB_1, then the walk at ZC_R gives X = S + T:
//   B = (1.1760743, 5.9777436), |Z| 6.0923 -> 23 691.7 A.
TEST(Calculation, FaultMetByALeftwardWalkMakesABranchOfItsOwn) {
    CalcNet net({{"S", kKindSource, 10, 0, 0, kSource},
                 {"T", kKindTrans3, 10, 2, 0, kTrans},
                 {"ZC_R", kKindZeroCond, 10, 5, 0, {2}},
                 {"HB_1", kKindBusBar, 6, 5, 1, kBusBar},
                 {"HB_F", kKindBusBar, 2, 5, 1, kBusBar, true}});
    net.doc.DoCalculateAll();
    ASSERT_EQ(net["HB_F"]->GetHorizontal(), 1);
    EXPECT_NEAR(net.Ik3("HB_F"), 23691.7, 0.05);
}

// The three-phase driver with flag 0 stores the pair through the loop
// terms' phase values (the calculation point's second store) and leaves the
// three-phase pair alone; its answer is the same combined term, S + T =
// (0.9885743, 5.1027436) (the known point above). A wire standing apart,
// fed by nothing, is pruned away: no values, a zero answer.
TEST(Calculation, DriverFlagZeroStoresTheSecondPairAndAPrunedFaultGetsNothing) {
    CalcNet net({{"S", kKindSource, 0, 0, 0, kSource},
                 {"T", kKindTrans3, 0, 2, 0, kTrans, true},
                 {"W", kKindWire, 10, 10, 0, Wire(50), true},
                 {"L", kKindLoad, 10, 14}});
    {
        CObjElementList all;
        net.doc.CollectElements(all);
        CPercentZ total = net.doc.CalcFromSourceElement(all, net["T"], 0);
        EXPECT_NEAR(total.m_dR, 0.9885743, 1e-6);
        EXPECT_NEAR(total.m_dX, 5.1027436, 1e-6);
        const CCalcPoint* t = net.PointOf("T");
        EXPECT_NEAR(t->m_zLoop1.m_dR, 0.9885743, 1e-6);
        EXPECT_NEAR(t->m_zLoop1.m_dX, 5.1027436, 1e-6);
        EXPECT_EQ(t->m_zSource.GetZ(), 0.0);
        EXPECT_EQ(t->m_zMotor.GetZ(), 0.0);
    }
    {
        CObjElementList all;
        net.doc.CollectElements(all);
        CPercentZ total = net.doc.CalcFromSourceElement(all, net["W"], 1);
        EXPECT_EQ(total.GetZ(), 0.0);
        const CCalcPoint* w = net.PointOf("W");
        EXPECT_EQ(w->m_zSource.GetZ(), 0.0);
        EXPECT_EQ(w->m_zMotor.GetZ(), 0.0);
        CObjElementList again;
        net.doc.CollectElements(again);
        EXPECT_EQ(net.doc.CalcFromGeneratorElement(again, net["W"]).GetZN(), 0.0);
        EXPECT_EQ(w->m_zLoop1.GetZN(), 0.0);
    }
}

} // namespace
