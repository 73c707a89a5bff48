#include "app/calc/CPercentZ.h"
#include "app/calc/CPercentZList.h"
#include "app/calc/CRotatingMachine.h"
#include "framework/Archive.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <vector>

using fw::CArchive;
using fw::CArchiveException;

namespace {

CPercentZ Term(double r, double x, double share = 0.0) {
    CPercentZ z;
    z.m_dR = r;
    z.m_dX = x;
    z.m_dRMotor = share;
    return z;
}

// ---- parallel combination ------------------------------------------------

struct ParallelCase {
    const char* name;
    double r1, x1, t1;
    double r2, x2, t2;
    double r, x, t; // expected
};

// Cases print as their names, so test listings stay readable and stable.
void PrintTo(const ParallelCase& c, std::ostream* os) {
    *os << c.name;
}

// Worked by hand: (2+j4) || (1+j3) = (-10+j10)/(3+j7) = (40+j100)/58; the
// shares 0.5 and 0.25 with X 4 and 3 give Re((0.5+j4) || (0.25+j3)) =
// 8.59375/49.5625.
const ParallelCase kParallelCases[] = {
    {"EqualTerms", 1.0, 2.0, 0.4, 1.0, 2.0, 0.4, 0.5, 1.0, 0.2},
    {"Mixed", 2.0, 4.0, 0.5, 1.0, 3.0, 0.25, 40.0 / 58.0, 100.0 / 58.0, 8.59375 / 49.5625},
    {"ResistanceWithReactance", 1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.5, 0.5, 0.0},
    {"CapacitiveBranch", 3.0, -1.0, 0.0, 2.0, 5.0, 0.0, 107.0 / 41.0, 21.0 / 41.0, 0.0},
    // A zero term shorts the other: the formula, not a guard, gives 0.
    {"WithZeroTerm", 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    // Only a zero sum is guarded: nothing changes, the share included.
    {"BothZero", 0.0, 0.0, 0.7, 0.0, 0.0, 0.0, 0.0, 0.0, 0.7},
    {"OppositeTerms", 1.0, 2.0, 0.3, -1.0, -2.0, 0.0, 1.0, 2.0, 0.3},
    // Shares that add up to 0 or less give share 0; R and X combine as usual.
    {"SharesAddToZero", 1.0, 2.0, 0.5, 1.0, 2.0, -0.5, 0.5, 1.0, 0.0},
    {"SharesNegative", 1.0, 2.0, 0.2, 1.0, 2.0, -0.5, 0.5, 1.0, 0.0},
};

class ParallelTest : public ::testing::TestWithParam<ParallelCase> {};

TEST_P(ParallelTest, PhaseValuesAndShare) {
    const ParallelCase& c = GetParam();
    CPercentZ a = Term(c.r1, c.x1, c.t1);
    a.m_dRN = 9.0;
    a.m_dXPE = 8.0;
    a.m_dRHalf = 0.25;
    CPercentZ b = Term(c.r2, c.x2, c.t2);
    b.m_dRN = 1.0;
    a.DoParallel(b);
    EXPECT_NEAR(a.m_dR, c.r, 1e-12);
    EXPECT_NEAR(a.m_dX, c.x, 1e-12);
    EXPECT_NEAR(a.m_dRMotor, c.t, 1e-12);
    // The loop and half-voltage values take no part.
    EXPECT_EQ(a.m_dRN, 9.0);
    EXPECT_EQ(a.m_dXPE, 8.0);
    EXPECT_EQ(a.m_dRHalf, 0.25);
}

TEST_P(ParallelTest, LoopPairsUseTheSameFormula) {
    const ParallelCase& c = GetParam();
    CPercentZ a;
    a.m_dRN = c.r1;
    a.m_dXN = c.x1;
    a.m_dRPE = c.r1;
    a.m_dXPE = c.x1;
    a.m_dR = 7.0;
    CPercentZ b;
    b.m_dRN = c.r2;
    b.m_dXN = c.x2;
    b.m_dRPE = c.r2;
    b.m_dXPE = c.x2;
    b.m_dR = 3.0;

    CPercentZ n = a;
    n.DoParallelN(b);
    EXPECT_NEAR(n.m_dRN, c.r, 1e-12);
    EXPECT_NEAR(n.m_dXN, c.x, 1e-12);
    EXPECT_EQ(n.m_dRPE, c.r1);
    EXPECT_EQ(n.m_dR, 7.0);

    CPercentZ pe = a;
    pe.DoParallelPE(b);
    EXPECT_NEAR(pe.m_dRPE, c.r, 1e-12);
    EXPECT_NEAR(pe.m_dXPE, c.x, 1e-12);
    EXPECT_EQ(pe.m_dRN, c.r1);
    EXPECT_EQ(pe.m_dR, 7.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParallelTest, ::testing::ValuesIn(kParallelCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- series, magnitudes, clearing ---------------------------------------

// The two terms differ in every value, and no value of one equals another of
// either, so adding a term to itself, or a field to the wrong field, shows.
TEST(PercentZTest, SeriesAddsEachGroupOfValuesOnly) {
    using Values = std::array<double, 9>; // R, X, share, RN, XN, RPE, XPE, RHalf, XHalf
    auto values = [](const CPercentZ& z) {
        return Values{z.m_dR,   z.m_dX,   z.m_dRMotor, z.m_dRN,   z.m_dXN,
                      z.m_dRPE, z.m_dXPE, z.m_dRHalf,  z.m_dXHalf};
    };
    auto term = [](const Values& v) {
        CPercentZ z;
        z.m_dR = v[0];
        z.m_dX = v[1];
        z.m_dRMotor = v[2];
        z.m_dRN = v[3];
        z.m_dXN = v[4];
        z.m_dRPE = v[5];
        z.m_dXPE = v[6];
        z.m_dRHalf = v[7];
        z.m_dXHalf = v[8];
        return z;
    };
    const Values a = {1.0, 2.0, 0.5, 3.0, 4.0, 5.0, 6.0, 0.125, 0.25};
    const Values b = {10.0, 20.0, 8.0, 30.0, 40.0, 50.0, 60.0, 0.5, 1.5};
    struct Case {
        const char* name;
        void (CPercentZ::*add)(const CPercentZ&);
        Values expected;
    };
    const Case cases[] = {
        // R, X, share and the half-voltage pair: 1+10, 2+20, 0.5+8, 0.125+0.5, 0.25+1.5.
        {"series", &CPercentZ::DoAddSeries, {11.0, 22.0, 8.5, 3.0, 4.0, 5.0, 6.0, 0.625, 1.75}},
        // The neutral loop only: 3+30, 4+40.
        {"neutral", &CPercentZ::DoAddN, {1.0, 2.0, 0.5, 33.0, 44.0, 5.0, 6.0, 0.125, 0.25}},
        // The protective-conductor loop only: 5+50, 6+60.
        {"protective", &CPercentZ::DoAddPE, {1.0, 2.0, 0.5, 3.0, 4.0, 55.0, 66.0, 0.125, 0.25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPercentZ z = term(a);
        (z.*c.add)(term(b));
        EXPECT_EQ(values(z), c.expected);
    }
}

TEST(PercentZTest, Magnitudes) {
    CPercentZ z;
    z.m_dR = 3.0;
    z.m_dX = 4.0;
    z.m_dRN = 6.0;
    z.m_dXN = 8.0;
    z.m_dRPE = 5.0;
    z.m_dXPE = 12.0;
    EXPECT_EQ(z.GetZ(), 5.0);
    EXPECT_EQ(z.GetZN(), 10.0);
    EXPECT_EQ(z.GetZPE(), 13.0);
    // Without a half-voltage pair the loop is the whole circuit.
    EXPECT_EQ(z.GetZLoop(), z.GetZ());
    // The half-voltage loop is the difference, not the sum.
    z.m_dRHalf = 1.5;
    z.m_dXHalf = 2.0;
    EXPECT_EQ(z.GetZLoop(), 2.5);
}

TEST(PercentZTest, ClearKeepsTheValues) {
    CObjElement* element = reinterpret_cast<CObjElement*>(0x10);
    CPercentZ z;
    z.m_nKind = 100;
    z.m_rect = fw::CRect(1, 2, 3, 4);
    z.m_nFaultPoint = 1;
    z.m_nChainDirection = 1;
    z.m_nJunctionAbove = 1;
    z.m_nJunctionBelow = 1;
    z.m_pElement = element;
    z.m_pLinkUp = element;
    z.m_pLinkDown = element;
    z.m_pLinkSide128 = element;
    z.m_pLinkSide32 = element;
    z.m_dR = 1.0;
    z.m_dX = 2.0;
    z.m_dRMotor = 3.0;
    z.m_dRN = 4.0;
    z.m_dXN = 5.0;
    z.m_dRPE = 6.0;
    z.m_dXPE = 7.0;
    z.m_dRHalf = 8.0;
    z.m_dXHalf = 9.0;

    CPercentZ copy(z);
    EXPECT_EQ(copy.m_pLinkSide32, element);
    EXPECT_EQ(copy.m_rect, z.m_rect);

    z.DoClear();
    EXPECT_EQ(z.m_nKind, 0u);
    EXPECT_EQ(z.m_rect, fw::CRect());
    EXPECT_EQ(z.m_nFaultPoint, 0u);
    EXPECT_EQ(z.m_nChainDirection, 0u);
    EXPECT_EQ(z.m_nJunctionAbove, 0u);
    EXPECT_EQ(z.m_nJunctionBelow, 0u);
    EXPECT_EQ(z.m_pElement, nullptr);
    EXPECT_EQ(z.m_pLinkUp, nullptr);
    EXPECT_EQ(z.m_pLinkDown, nullptr);
    EXPECT_EQ(z.m_pLinkSide128, nullptr);
    EXPECT_EQ(z.m_pLinkSide32, nullptr);
    const double values[] = {z.m_dR,   z.m_dX,   z.m_dRMotor, z.m_dRN,   z.m_dXN,
                             z.m_dRPE, z.m_dXPE, z.m_dRHalf,  z.m_dXHalf};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(values[i], i + 1.0);
}

// ---- terminals and side flags -------------------------------------------

TEST(PercentZTest, TerminalsByKind) {
    struct Row {
        uint32_t kind;
        bool upper, lower, side;
    };
    const Row rows[] = {
        {0, false, false, false},   {4, false, true, false},   {5, true, true, false},
        {6, false, true, false},    {7, true, false, false},   {8, true, true, true},
        {16, true, true, false},    {100, true, true, true},   {1, false, false, false},
        {9, false, false, false},   {10, false, false, false}, {14, false, false, false},
        {101, false, false, false},
    };
    for (const Row& row : rows) {
        CPercentZ z;
        z.m_nKind = row.kind;
        EXPECT_EQ(z.HasUpperTerminal(), row.upper) << "kind " << row.kind;
        EXPECT_EQ(z.HasLowerTerminal(), row.lower) << "kind " << row.kind;
        EXPECT_EQ(z.HasSideTerminal(), row.side) << "kind " << row.kind;
    }
}

TEST(PercentZTest, SideFlagsGoIntoBothResults) {
    CObjElement* junction = reinterpret_cast<CObjElement*>(0x20);
    struct Row {
        bool up, down, side128, side32;
        uint32_t above, below;
    };
    const Row rows[] = {
        {false, false, false, false, 0, 0}, {true, false, false, false, 1, 0},
        {false, false, true, false, 1, 0},  {false, true, false, false, 0, 1},
        {false, false, false, true, 0, 1},  {true, false, false, true, 1, 1},
    };
    for (const Row& row : rows) {
        CPercentZ node;
        node.m_pLinkUp = row.up ? junction : nullptr;
        node.m_pLinkDown = row.down ? junction : nullptr;
        node.m_pLinkSide128 = row.side128 ? junction : nullptr;
        node.m_pLinkSide32 = row.side32 ? junction : nullptr;
        CPercentZ source;
        source.m_nJunctionAbove = 1 - row.above;
        source.m_nJunctionBelow = 1 - row.below;
        CPercentZ motor = source;
        node.DoSetSideFlags(source, motor);
        EXPECT_EQ(source.m_nJunctionAbove, row.above);
        EXPECT_EQ(source.m_nJunctionBelow, row.below);
        EXPECT_EQ(motor.m_nJunctionAbove, row.above);
        EXPECT_EQ(motor.m_nJunctionBelow, row.below);
    }
}

// ---- decayed contribution of a rotating machine -------------------------

class FakeMachine : public CRotatingMachine {
public:
    FakeMachine(double r, double x, double share, double current, int voltage)
        : m_own(Term(r, x, share)), m_current(current), m_voltage(voltage) {}
    CPercentZ GetOwnPercentZ() const override { return m_own; }
    double GetDecayCurrent(double r, double x) const override {
        ++m_calls;
        m_r = r;
        m_x = x;
        return m_current;
    }
    int GetVoltage() const override { return m_voltage; }

    CPercentZ m_own;
    double m_current;
    int m_voltage;
    mutable int m_calls = 0;
    mutable double m_r = -1.0;
    mutable double m_x = -1.0;
};

struct MachineCase {
    const char* name;
    uint32_t kind;
    double r, x, share; // the node before
    double re, xe, te;  // the machine's own term
    double current;
    int voltage;
    double askR, askX; // the impedance between machine and point
    double expectR, expectX;
};

// Cases print as their names, so test listings stay readable and stable.
void PrintTo(const MachineCase& c, std::ostream* os) {
    *os << c.name;
}

// Base 1000 kVA, 400 V: Z = 1000 * 1000 * 100 / (sqrt(3) * 400 * I).
const MachineCase kMachineCases[] = {
    // At the generator itself: X/R of the generator, 20.
    {"GeneratorAtFault", 6, 0, 0, 0, 0.5, 10, 0, 5000, 400, 0, 0, 1.4415748292622297,
     28.831496585244594},
    // At the motor effect itself: X / (R - Rs) = 20 / (3 - 1) = 10.
    {"MotorEffectAtFault", 7, 0, 0, 0, 3, 20, 1, 2000, 400, 0, 0, 7.181062370267825,
     71.81062370267826},
    // Through a path: X/R of the node, 15 / 2.5 = 6.
    {"GeneratorThroughPath", 6, 2.5, 15, 0, 0.5, 10, 0, 4000, 400, 2.0, 5.0, 5.932237473453118,
     35.59342484071871},
    // Through a path: X / (R - share) = 30 / (5 - 1) = 7.5.
    {"MotorEffectThroughPath", 7, 5, 30, 1, 3, 20, 1, 1500, 400, 2.0, 10.0, 12.717459895275262,
     95.38094921456447},
    // A zero divisor gives ratio 0: all resistance.
    {"ZeroDivisor", 7, 0, 0, 0, 1, 20, 1, 2000, 400, 0, 0, 72.16878364870321, 0.0},
    {"ZeroVoltage", 6, 2.5, 15, 0, 0.5, 10, 0, 4000, 0, 2.0, 5.0, 0.0, 0.0},
    {"ZeroCurrent", 7, 5, 30, 1, 3, 20, 1, 0, 400, 2.0, 10.0, 0.0, 0.0},
};

class MachineTest : public ::testing::TestWithParam<MachineCase> {};

TEST_P(MachineTest, DecayedContribution) {
    const MachineCase& c = GetParam();
    FakeMachine machine(c.re, c.xe, c.te, c.current, c.voltage);
    CPercentZ node = Term(c.r, c.x, c.share);
    node.m_nKind = c.kind;
    node.DoSetByElement(1000.0, &machine);
    EXPECT_EQ(machine.m_calls, 1);
    EXPECT_DOUBLE_EQ(machine.m_r, c.askR);
    EXPECT_DOUBLE_EQ(machine.m_x, c.askX);
    EXPECT_NEAR(node.m_dR, c.expectR, 1e-9);
    EXPECT_NEAR(node.m_dX, c.expectX, 1e-9);
    EXPECT_EQ(node.m_dRMotor, c.share);
}

INSTANTIATE_TEST_SUITE_P(Cases, MachineTest, ::testing::ValuesIn(kMachineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PercentZTest, SetByElementLeavesOtherKindsAlone) {
    FakeMachine machine(0.5, 10, 0, 5000, 400);
    for (uint32_t kind : {0u, 4u, 5u, 8u, 16u, 100u}) {
        CPercentZ node = Term(2.0, 3.0, 0.5);
        node.m_nKind = kind;
        node.DoSetByElement(1000.0, &machine);
        EXPECT_EQ(node.m_dR, 2.0) << kind;
        EXPECT_EQ(node.m_dX, 3.0) << kind;
    }
    EXPECT_EQ(machine.m_calls, 0);
    CPercentZ generator = Term(2.0, 3.0);
    generator.m_nKind = 6;
    generator.DoSetByElement(1000.0, nullptr);
    EXPECT_EQ(generator.m_dR, 2.0);
}

// ---- stored record -------------------------------------------------------

// The term written by hand into fixtures/CPercentZ_v120.hex (and, without the
// fields a file of that version lacks, _v110 and _v100).
CPercentZ FullTerm() {
    CPercentZ z;
    z.m_nKind = 100;
    z.m_rect = fw::CRect(-40, 80, 119, -1);
    z.m_nFaultPoint = 1;
    z.m_nChainDirection = 1;
    z.m_dR = 0.5;
    z.m_dX = 2.0;
    z.m_dRMotor = 0.125;
    z.m_nJunctionAbove = 1;
    z.m_nJunctionBelow = 0;
    z.m_dRN = 3.5;
    z.m_dXN = 1.25;
    z.m_dRPE = 6.0;
    z.m_dXPE = 1.5;
    z.m_dRHalf = 0.75;
    z.m_dXHalf = 1.0;
    z.m_pElement = reinterpret_cast<CObjElement*>(0x30);
    return z;
}

std::vector<uint8_t> Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string("app/calc/fixtures/") + name);
}

std::vector<uint8_t> Store(CPercentZ& z) {
    CArchive ar = CArchive::ForStoring();
    z.Serialize(ar);
    return ar.Bytes();
}

TEST(PercentZTest, StoresTheHandWrittenRecordAndReadsItBack) {
    const std::vector<uint8_t> fixture = Fixture("CPercentZ_v120.hex");
    CPercentZ z = FullTerm();
    EXPECT_EQ(Store(z), fixture);

    CArchive in = CArchive::ForLoading(fixture);
    CPercentZ loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(Store(loaded), fixture);
    // The element and the links are never stored.
    EXPECT_EQ(loaded.m_pElement, nullptr);
}

TEST(PercentZTest, LoadsRecordsOfOlderVersions) {
    struct Row {
        double version;
        const char* fixture;
        bool loops, half;
    };
    const Row rows[] = {
        {0.99, "CPercentZ_v100.hex", false, false}, {1.0, "CPercentZ_v100.hex", false, false},
        {1.01, "CPercentZ_v100.hex", false, false}, {1.02, "CPercentZ_v100.hex", false, false},
        {1.1, "CPercentZ_v110.hex", true, false},   {1.15, "CPercentZ_v110.hex", true, false},
        {1.2, "CPercentZ_v120.hex", true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.version);
        const std::vector<uint8_t> bytes = Fixture(row.fixture);
        CArchive in = CArchive::ForLoading(bytes);
        CPercentZ loaded;
        // Stale values must not survive a load that skips them.
        loaded.m_dRN = loaded.m_dXN = loaded.m_dRPE = loaded.m_dXPE = 99.0;
        loaded.m_dRHalf = loaded.m_dXHalf = 99.0;
        in.SetReadVersion(row.version);
        loaded.Serialize(in);
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(loaded.m_nKind, 100u);
        EXPECT_EQ(loaded.m_rect, fw::CRect(-40, 80, 119, -1));
        EXPECT_EQ(loaded.m_nFaultPoint, 1u);
        EXPECT_EQ(loaded.m_nChainDirection, 1u);
        EXPECT_EQ(loaded.m_dR, 0.5);
        EXPECT_EQ(loaded.m_dX, 2.0);
        EXPECT_EQ(loaded.m_dRMotor, 0.125);
        EXPECT_EQ(loaded.m_nJunctionAbove, 1u);
        EXPECT_EQ(loaded.m_nJunctionBelow, 0u);
        EXPECT_EQ(loaded.m_dRN, row.loops ? 3.5 : 0.0);
        EXPECT_EQ(loaded.m_dXN, row.loops ? 1.25 : 0.0);
        EXPECT_EQ(loaded.m_dRPE, row.loops ? 6.0 : 0.0);
        EXPECT_EQ(loaded.m_dXPE, row.loops ? 1.5 : 0.0);
        EXPECT_EQ(loaded.m_dRHalf, row.half ? 0.75 : 0.0);
        EXPECT_EQ(loaded.m_dXHalf, row.half ? 1.0 : 0.0);
        // Saved again, the record has the newest layout: what the file held,
        // then zeros for every value it lacked (8 bytes each).
        std::vector<uint8_t> expected = bytes;
        expected.resize(108, 0);
        EXPECT_EQ(Store(loaded), expected);
    }
}

TEST(PercentZTest, ShortRecordsRaiseEndOfFile) {
    std::vector<uint8_t> bytes = Fixture("CPercentZ_v120.hex");
    // Cut inside the rectangle, inside the values and one byte short.
    for (size_t length : {size_t{10}, size_t{50}, bytes.size() - 1}) {
        CArchive in =
            CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length));
        CPercentZ loaded;
        try {
            loaded.Serialize(in);
            ADD_FAILURE() << "no error for " << length << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << length;
        }
    }
}

// ---- the node list --------------------------------------------------------

TEST(PercentZListTest, AWorkingCopySharesTheNodesAndOwnsNone) {
    CPercentZList list;
    CPercentZ* a = list.DoAddNew();
    CPercentZ* b = list.DoAddNew();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->m_nKind, 0u);
    EXPECT_EQ(a->GetZ(), 0.0);
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetHead(), a);
    EXPECT_EQ(list.GetTail(), b);
    EXPECT_TRUE(list.Owns(a));

    // A working copy can give nodes up without touching the main list.
    CPercentZList copy = list.MakeWorkingCopy();
    EXPECT_FALSE(copy.Owns(a));
    EXPECT_EQ(copy.GetHead(), a);
    EXPECT_TRUE(copy.Remove(a));
    EXPECT_FALSE(copy.Remove(a));
    EXPECT_FALSE(copy.Contains(a));
    EXPECT_TRUE(list.Contains(a));
    EXPECT_EQ(list.GetCount(), 2u);
    copy.RemoveAll();
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(PercentZListTest, ANodeTakenOutLivesOnWithItsOwner) {
    // A pass that merges b into a forgets b's entry while a walk may still
    // hold it: the node stays readable until the list goes (the sanitizer
    // build reports a use after free or a leak).
    CPercentZList list;
    CPercentZ* a = list.DoAddNew();
    CPercentZ* b = list.DoAddNew();
    b->m_dR = 2.5;
    EXPECT_TRUE(list.Remove(b));
    EXPECT_FALSE(list.Contains(b));
    EXPECT_TRUE(list.Owns(b));
    EXPECT_EQ(b->m_dR, 2.5);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHead(), nullptr);
    EXPECT_TRUE(list.Owns(a));
}

// A list makes its nodes in blocks: every node is a new zeroed one of its
// own, stays where it was made while the list grows past many blocks, and
// is owned by its list only.
TEST(PercentZListTest, ManyNodesStayWhereTheyWereMadeAndOwnedByTheirListOnly) {
    CPercentZList list;
    CPercentZList other;
    CPercentZ* foreign = other.DoAddNew();
    std::vector<CPercentZ*> made;
    for (int i = 0; i < 1000; ++i) {
        CPercentZ* node = list.DoAddNew();
        EXPECT_EQ(node->m_nKind, 0u);
        EXPECT_EQ(node->m_dR, 0.0);
        EXPECT_EQ(node->m_pElement, nullptr);
        node->m_dR = i;
        made.push_back(node);
    }
    ASSERT_EQ(list.GetCount(), 1000u);
    std::vector<CPercentZ*> distinct = made;
    std::sort(distinct.begin(), distinct.end());
    EXPECT_EQ(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(made[static_cast<size_t>(i)]->m_dR, i);
        EXPECT_TRUE(list.Owns(made[static_cast<size_t>(i)]));
        EXPECT_FALSE(other.Owns(made[static_cast<size_t>(i)]));
    }
    EXPECT_FALSE(list.Owns(foreign));
    EXPECT_TRUE(other.Owns(foreign));
    // Just past the last node made: no node of the list.
    EXPECT_FALSE(list.Owns(made.back() + 1));
}

} // namespace
