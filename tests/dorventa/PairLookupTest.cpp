// The back-up (cascade) and selectivity pairs: the types that pair with a
// known breaker in both directions, the distinct limit lists and the limit
// of one pair at a voltage.

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "tests/common/ComboTestSupport.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include "framework/Format.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

CInfoBase Breaker(int32_t typeID, int32_t voltage, int32_t groupID = 0, int32_t code = 0) {
    CInfoBase b;
    b.m_lTypeID = typeID;
    b.m_nVoltage = voltage;
    b.m_lGroupID = groupID;
    b.m_nLVCBCode = code;
    return b;
}

std::vector<int32_t> Types(const CCandidateList& list) {
    std::vector<int32_t> types;
    for (const auto& c : list)
        types.push_back(c->m_lTypeID);
    return types;
}

class RealPairs : public ::testing::Test {
protected:
    RealPairs() { m_db.Open(dorventa::GetPathMDBDorventa()); }
    ~RealPairs() override { EXPECT_EQ(m_messages.Count(), 0u); }
    tvtest::MessageCapture m_messages;
    fw::CDatabase m_db;
};

// The pair tables are templates over the same walk; each test runs on both
// where the reference data has pairs for it.
template <class RS> struct PairOps;
template <> struct PairOps<CRSBreak_Cascade> {
    static constexpr const char* kTables =
        "[Break_Cascade],[Break_Type],[Break_Info],[Break_Capacity]";
};
template <> struct PairOps<CRSBreak_Selective> {
    static constexpr const char* kTables =
        "[Break_Selective],[Break_Type],[Break_Info],[Break_Capacity]";
};

} // namespace

// Back-up pairs of the reference data at 415 V (and 230 V): KVM-6 (101) and
// KVM-10 (102) and the RCBOs KVB-6 (221, two or four poles) and KVB-10 (222)
// under KVC-125H (125); KVM-6 under KVC-125S, KVC-125H, KVC-250S and KVC-250H
// (124, 125, 127, 128).

TEST_F(RealPairs, CascadeDownstreamTypesOfAnUpstreamBreaker) {
    CRSBreak_Cascade rs(&m_db);
    CInfoBase known = Breaker(125, 400);
    CInfoBase sought = Breaker(0, 0, 0, 10);
    fw::CMemoryCombo box;
    CCandidateList list;
    // Type order (frame), then sub-order; each type once though it has a
    // capacity row at 400 and at 415 V.
    EXPECT_EQ(rs.DoReadSetDownstream(&box, &list, &known, &sought, 0, 4), 4);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVB-6", "KVB-10", "KVM-6", "KVM-10"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{221, 222, 101, 102}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{221, 222, 101, 102}));
    const CCandidate* c = list.GetAt(2);
    EXPECT_EQ(c->m_lManufactureID, 1);
    EXPECT_EQ(c->m_lGroupID, 1);
    EXPECT_EQ(c->m_nLVCBCode, 10);
    EXPECT_EQ(c->m_dIcu, 0.0);
    EXPECT_EQ(c->m_dIcs, 0.0);
    EXPECT_EQ(list.GetAt(0)->m_lGroupID, 7);

    struct Case {
        double limit;
        int poles;
        int32_t group;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        // Three poles: the RCBOs have none.
        {0, 3, 0, {"KVM-6", "KVM-10"}},
        // Back-up capacity at least 25 kA: KVB-6 has 22 kA.
        {25000, 4, 0, {"KVB-10", "KVM-6", "KVM-10"}},
        {30000, 4, 0, {"KVM-10"}},
        {30001, 4, 0, {}},
        // Only the sought group.
        {0, 4, 1, {"KVM-6", "KVM-10"}},
        {0, 4, 7, {"KVB-6", "KVB-10"}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(testing::Message() << t.limit << " " << t.poles << " " << t.group);
        fw::CMemoryCombo b;
        CInfoBase s = Breaker(0, 0, t.group);
        EXPECT_EQ(rs.DoReadSetDownstream(&b, nullptr, &known, &s, t.limit, t.poles),
                  static_cast<int>(t.names.size()));
        EXPECT_EQ(tvtest::Texts(b), t.names);
    }
}

TEST_F(RealPairs, CascadeUpstreamTypesAndTheVoltageOfTheKnownBreaker) {
    CRSBreak_Cascade rs(&m_db);
    CInfoBase known = Breaker(101, 400);
    CInfoBase sought = Breaker(0, 0, 2, 11);
    fw::CMemoryCombo box;
    CCandidateList list;
    EXPECT_EQ(rs.DoReadSetUpstream(&box, &list, &known, &sought, 0, 3), 4);
    EXPECT_EQ(tvtest::Texts(box),
              (std::vector<std::string>{"KVC-125S", "KVC-125H", "KVC-250S", "KVC-250H"}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{124, 125, 127, 128}));
    EXPECT_EQ(list.GetAt(0)->m_lGroupID, 2);
    EXPECT_EQ(list.GetAt(0)->m_nLVCBCode, 11);

    // At 230 V the 230 V pairs count too: 30 kA is reached there by three.
    known.m_nVoltage = 230;
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &known, &sought, 30000, 3), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVC-125H", "KVC-250S", "KVC-250H"}));
    // Above the highest pair voltage there is none.
    known.m_nVoltage = 440;
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &known, &sought, 0, 3), 0);
}

TEST_F(RealPairs, ASoughtTypeEndsTheWalkAtItsRow) {
    CRSBreak_Cascade rs(&m_db);
    CInfoBase known = Breaker(101, 400);
    CInfoBase sought = Breaker(127, 0, 2, 11);
    fw::CMemoryCombo box;
    CCandidateList list;
    // The names up to and including the sought type; it alone goes into
    // the list.
    EXPECT_EQ(rs.DoReadSetUpstream(&box, &list, &known, &sought, 0, 3), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVC-125S", "KVC-125H", "KVC-250S"}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{127}));
    // A list that holds the type already gets no second one; without a list
    // the walk goes on to the end.
    EXPECT_EQ(rs.DoReadSetUpstream(nullptr, &list, &known, &sought, 0, 3), 0);
    EXPECT_EQ(Types(list), (std::vector<int32_t>{127}));
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &known, &sought, 0, 3), 4);
    // A sought type that does not pair: every name, no candidate.
    CCandidateList none;
    sought.m_lTypeID = 999;
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, &none, &known, &sought, 0, 3), 4);
    EXPECT_EQ(none.GetCount(), 0);
}

TEST_F(RealPairs, CascadeCapacityOfOnePairTakesTheFirstVoltageAtOrAbove) {
    CRSBreak_Cascade rs(&m_db);
    double icuBack = -1;
    EXPECT_EQ(rs.DoReadByVoltTypeID(101, 400, 125, &icuBack), 415);
    EXPECT_EQ(icuBack, 25000.0);
    EXPECT_EQ(rs.DoReadByVoltTypeID(101, 230, 125, &icuBack), 230);
    EXPECT_EQ(icuBack, 36000.0);
    EXPECT_EQ(rs.DoReadByVoltTypeID(101, 440, 125, &icuBack), 0);
    EXPECT_EQ(icuBack, 0.0);
    EXPECT_EQ(rs.DoReadByVoltTypeID(101, 400, 129, &icuBack), 0);
    EXPECT_EQ(rs.DoReadByVoltTypeID(101, 400, 125, nullptr), 0);
}

TEST_F(RealPairs, CascadeDistinctBackUpCapacities) {
    CRSBreak_Cascade rs(&m_db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetListIcuBack(&box), 10);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"15", "20", "22", "25", "30", "36",
                                                            "50", "55", "70", "85"}));
    EXPECT_EQ(box.GetItemData(0), 15000);
    EXPECT_EQ(box.GetItemData(9), 85000);
    EXPECT_EQ(rs.DoReadSetListIcuBack(nullptr), 0);
}

// Selectivity pairs of the reference data at 230 and 415 V: KVM-6 (101)
// under KVC-125S (124) for every pair of rated values with the upstream
// rated at least twice the downstream; KVC-125S under KVA-16N (172).
TEST_F(RealPairs, SelectivityPairsInBothDirections) {
    CRSBreak_Selective rs(&m_db);
    CInfoBase upstream = Breaker(124, 400);
    CInfoBase any = Breaker(0, 0);
    fw::CMemoryCombo box;
    CCandidateList list;
    EXPECT_EQ(rs.DoReadSetDownstream(&box, &list, &upstream, &any, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVM-6"}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{101}));
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &upstream, &any, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVA-16N"}));
    // The limit narrows the rows: KVM-6 under KVC-125S reaches 1.45 kA at
    // most.
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, &upstream, &any, 1450, 3), 1);
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, &upstream, &any, 1450.5, 3), 0);
}

TEST_F(RealPairs, SelectivityLimitOfOnePair) {
    CRSBreak_Selective rs(&m_db);
    double is = -1;
    EXPECT_EQ(rs.DoReadByValueTypeID(101, 400, 16, 124, 100, &is), 415);
    EXPECT_EQ(is, 1100.0);
    EXPECT_EQ(rs.DoReadByValueTypeID(101, 400, 16, 124, 125, &is), 415);
    EXPECT_EQ(is, 1370.0);
    // Rated maxima that are no pair.
    EXPECT_EQ(rs.DoReadByValueTypeID(101, 400, 16, 124, 20, &is), 0);
    EXPECT_EQ(is, 0.0);
    EXPECT_EQ(rs.DoReadByValueTypeID(101, 400, 16, 124, 100, nullptr), 0);
}

namespace {

std::string Type(int id, int group, int typeOrder, int subOrder, int poles) {
    return fw::Format("INSERT INTO [Break_Type] ([lTypeID],[lManufactureID],[lGroupID],"
                      "[sTypeName]) VALUES (%d,1,%d,'T%d');\n"
                      "INSERT INTO [Break_Info] ([lTypeID],[nTypeOrder],[nSubOrder]) "
                      "VALUES (%d,%d,%d);\n"
                      "INSERT INTO [Break_Poles] ([lTypeID],[nPoleCount]) VALUES (%d,%d);\n",
                      id, group, id, id, typeOrder, subOrder, id, poles);
}

std::string Capacity(int type, int voltage, int icu) {
    return fw::Format("INSERT INTO [Break_Capacity] ([lTypeID],[lVoltage],[lIcu]) "
                      "VALUES (%d,%d,%d);\n",
                      type, voltage, icu);
}

std::string Cascade(int down, int voltage, int up, int icuBack) {
    return fw::Format("INSERT INTO [Break_Cascade] ([lTypeID],[lVoltage],[lMainTypeID],"
                      "[lIcuBack]) VALUES (%d,%d,%d,%d);\n",
                      down, voltage, up, icuBack);
}

std::string Selective(int down, double ratedMax, int voltage, int up, double mainRatedMax,
                      double is) {
    return fw::Format("INSERT INTO [Break_Selective] ([lTypeID],[dRatedMax],[lVoltage],"
                      "[lMainTypeID],[dMainRatedMax],[dIs]) VALUES (%d,%f,%d,%d,%f,%f);\n",
                      down, ratedMax, voltage, up, mainRatedMax, is);
}

// Types 1 and 3 under type 2. Types 1 and 3 share type order and sub-order,
// so their rows run by Icu: type 1 at 415 V (10 kA), type 3 (20 kA), type 1
// at 460 V (30 kA). Type 4 has two poles only; type 5 pairs with nothing.
const std::string kPairRows =
    Type(1, 1, 10, 1, 3) + Type(2, 2, 20, 1, 3) + Type(3, 1, 10, 1, 3) + Type(4, 1, 5, 1, 2) +
    Type(5, 1, 1, 1, 3) + Capacity(1, 415, 10000) + Capacity(1, 460, 30000) +
    Capacity(2, 415, 50000) + Capacity(2, 460, 50000) + Capacity(3, 415, 20000) +
    Capacity(4, 415, 5000) + Capacity(5, 415, 5000) + Cascade(1, 415, 2, 15000) +
    Cascade(1, 460, 2, 12000) + Cascade(3, 415, 2, 25000) + Cascade(4, 415, 2, 10000) +
    Selective(1, 16, 415, 2, 100, 5000.5) + Selective(1, 16, 460, 2, 100, 4000) +
    Selective(3, 16, 415, 2, 100, 6000) + Selective(4, 16, 415, 2, 100, 6000);

class FixturePairs : public ::testing::Test {
protected:
    FixturePairs() : m_fixture(dvtest::BreakerSchema() + kPairRows) { m_db.Open(m_fixture.Path()); }
    tvtest::MessageCapture m_messages;
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

template <class RS> class FixturePairsOf : public FixturePairs {};
using PairTables = ::testing::Types<CRSBreak_Cascade, CRSBreak_Selective>;
TYPED_TEST_SUITE(FixturePairsOf, PairTables);

} // namespace

TYPED_TEST(FixturePairsOf, EachTypeOnceThoughItsRowsAreApartAndThePoleTest) {
    TypeParam rs(&this->m_db);
    CInfoBase known = Breaker(2, 415);
    CInfoBase any = Breaker(0, 0);
    fw::CMemoryCombo box;
    CCandidateList list;
    // Rows T1, T3, T1: type 1 comes back after type 3 and is neither named
    // nor listed again; type 4 fails the pole test.
    EXPECT_EQ(rs.DoReadSetDownstream(&box, &list, &known, &any, 0, 3), 2);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T1", "T3"}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{1, 3}));
    // Without a pole count every variant passes.
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, &known, &any, 0, 0), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T4", "T1", "T3"}));
    // A box that holds a name already gets it not again.
    fw::CMemoryCombo named;
    named.AddString("t3");
    EXPECT_EQ(rs.DoReadSetDownstream(&named, nullptr, &known, &any, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(named), (std::vector<std::string>{"t3", "T1"}));
    // Upstream of type 3: type 2 once.
    CInfoBase down = Breaker(3, 400);
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, &list, &down, &any, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T2"}));
    EXPECT_EQ(Types(list), (std::vector<int32_t>{1, 3, 2}));
    EXPECT_EQ(this->m_messages.Count(), 0u);
}

TYPED_TEST(FixturePairsOf, AKnownBreakerWithoutTypeKeepsTheJoin_FaultUnjoinedCrossProduct) {
    TypeParam rs(&this->m_db);
    // No key: every pair of the table, but each with its own type. Combined
    // with every type row, type 5 (no pair) and the upstream type 2 would be
    // offered as downstream breakers.
    CInfoBase known = Breaker(0, 415);
    CInfoBase any = Breaker(0, 0);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, &known, &any, 0, 0), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T4", "T1", "T3"}));
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &known, &any, 0, 0), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T2"}));
    EXPECT_EQ(this->m_messages.Count(), 0u);
}

TYPED_TEST(FixturePairsOf, ADatabaseErrorIsShownWithTheTables) {
    TypeParam rs(&this->m_db);
    this->m_db.Close();
    CInfoBase known = Breaker(2, 415);
    CInfoBase any = Breaker(0, 0);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, &known, &any, 0, 3), 0);
    ASSERT_EQ(this->m_messages.Count(), 1u);
    EXPECT_NE(this->m_messages.Last().text.find(PairOps<TypeParam>::kTables), std::string::npos);
    EXPECT_EQ(rs.DoReadSetUpstream(&box, nullptr, &known, &any, 0, 3), 0);
    EXPECT_EQ(this->m_messages.Count(), 2u);
    // A missing known breaker reads nothing.
    EXPECT_EQ(rs.DoReadSetDownstream(&box, nullptr, nullptr, &any, 0, 3), 0);
    EXPECT_EQ(this->m_messages.Count(), 2u);
}

TEST_F(FixturePairs, AskedAt440VTheOnePairReadsThe460VRow) {
    CRSBreak_Cascade cascade(&m_db);
    double icuBack = 0;
    EXPECT_EQ(cascade.DoReadByVoltTypeID(1, 440, 2, &icuBack), 460);
    EXPECT_EQ(icuBack, 12000.0);
    EXPECT_EQ(cascade.DoReadByVoltTypeID(1, 400, 2, &icuBack), 415);
    EXPECT_EQ(icuBack, 15000.0);
    EXPECT_EQ(cascade.DoReadByVoltTypeID(1, 461, 2, &icuBack), 0);

    CRSBreak_Selective selective(&m_db);
    double is = 0;
    EXPECT_EQ(selective.DoReadByValueTypeID(1, 440, 16, 2, 100, &is), 460);
    EXPECT_EQ(is, 4000.0);
    EXPECT_EQ(selective.DoReadByValueTypeID(1, 400, 16, 2, 100, &is), 415);
    EXPECT_EQ(is, 5000.5);

    // The pair search takes the known breaker's voltage the same way.
    CInfoBase known = Breaker(2, 440);
    CInfoBase any = Breaker(0, 0);
    fw::CMemoryCombo box;
    EXPECT_EQ(cascade.DoReadSetDownstream(&box, nullptr, &known, &any, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T1"}));
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixturePairs, DistinctSelectivityLimitsInKiloamperesWithWholeAmperes) {
    CRSBreak_Selective rs(&m_db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetListIs(&box), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"4", "5.0005", "6"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{4000, 5000, 6000}));
    // A full box counts only what it took.
    tvtest::RefusingCombo full(1, -2);
    EXPECT_EQ(rs.DoReadSetListIs(&full), 1);
    CRSBreak_Cascade cascade(&m_db);
    box.ResetContent();
    EXPECT_EQ(cascade.DoReadSetListIcuBack(&box), 4);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"10", "12", "15", "25"}));
    EXPECT_EQ(m_messages.Count(), 0u);
}
