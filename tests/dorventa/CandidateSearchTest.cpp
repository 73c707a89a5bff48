// The automatic selection search and the rated-value lookups of the
// selection join, on the built breaker database and on small fixtures.

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadDial.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/RangeGridMembership.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"
#include "tests/common/ComboTestSupport.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include "framework/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Kinds of the search: 0 by Icu with a chosen type, 1 by Ics, 2 and 8 by Icu.
constexpr unsigned kByIcu = 2;
constexpr unsigned kByIcs = 1;

struct Found {
    int32_t type;
    double icu, ics;
    int32_t jis;
    bool operator==(const Found& o) const {
        return type == o.type && icu == o.icu && ics == o.ics && jis == o.jis;
    }
};

std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << "{" << f.type << ", " << f.icu << ", " << f.ics << ", " << f.jis << "}";
}

std::vector<int32_t> Types(const CCandidateList& list) {
    std::vector<int32_t> types;
    for (const auto& c : list)
        types.push_back(c->m_lTypeID);
    return types;
}

std::vector<Found> Values(const CCandidateList& list) {
    std::vector<Found> found;
    for (const auto& c : list)
        found.push_back({c->m_lTypeID, c->m_dIcu, c->m_dIcs, c->m_bJIS});
    return found;
}

// A low-voltage breaker selection at a circuit voltage and rated value.
CInfoBase Selection(int32_t maker, int32_t group, int32_t voltage, double rated,
                    int32_t typeID = 0) {
    CInfoBase s;
    s.m_lManufactureID = maker;
    s.m_lGroupID = group;
    s.m_nKindFlag = 2;
    s.m_nVoltage = voltage;
    s.m_dRatedValue = rated;
    s.m_lTypeID = typeID;
    return s;
}

// The built breaker database beside the test program.
class RealSearch : public ::testing::Test {
protected:
    RealSearch() { m_db.Open(dorventa::GetPathMDBDorventa()); }
    ~RealSearch() override { EXPECT_EQ(m_messages.Count(), 0u); }

    CCandidateList Search(const CInfoBase& s, double required, unsigned kind, unsigned use = 0,
                          int poles = 3) {
        CCandidateList list;
        list.DoSearchGetByCapacity(&m_db, &s, use, poles, required, kind);
        return list;
    }

    tvtest::MessageCapture m_messages;
    fw::CDatabase m_db;
};

// Types of the reference data that offer 100 A with three poles: KVM-125 (104,
// code 10, use 1), KVC-125S (124) and KVC-125H (125, code 11), KVE-250S (151,
// code 12, continuous 100-250 A in steps of 5), KVR-160 (193, code 14, use 11)
// and KVL-125 (202, code 20). Calmesto's CZF-100 (701) is a maker the walk
// never reaches.

} // namespace

TEST_F(RealSearch, ByIcuEveryTypeOnceInTheOrderOfTheWalkAndOfTheTypes) {
    CInfoBase s = Selection(0, 0, 400, 100);
    // Rows at and above 400 V count; a type stands with its last accepted
    // row (the highest Icu at the lowest voltage), with the values it was
    // judged on: KVC-125S 25 kA (Ics 50 %), KVC-125H 50 kA (Ics 75 %).
    CCandidateList list = Search(s, 20000, kByIcu);
    EXPECT_EQ(Values(list), (std::vector<Found>{{124, 25000, 12500, 0},
                                                {125, 50000, 37500, 0},
                                                {151, 36000, 36000, 0},
                                                {193, 36000, 36000, 0},
                                                {202, 25000, 12500, 0}}));
    list = Search(s, 30000, kByIcu);
    EXPECT_EQ(Types(list), (std::vector<int32_t>{125, 151, 193}));
    list = Search(s, 5000, kByIcu);
    EXPECT_EQ(Types(list), (std::vector<int32_t>{104, 124, 125, 151, 193, 202}));
    EXPECT_EQ(Types(Search(s, 60000, kByIcu)), std::vector<int32_t>{});

    // Each candidate carries the maker and group of its type and the breaker
    // code it was found under.
    list = Search(s, 5000, kByIcu);
    const std::vector<std::vector<int32_t>> origin = {{1, 1, 10}, {1, 2, 11}, {1, 2, 11},
                                                      {1, 3, 12}, {1, 5, 14}, {1, 6, 20}};
    ASSERT_EQ(list.GetCount(), 6);
    for (int i = 0; i < 6; ++i) {
        const CCandidate* c = list.GetAt(i);
        EXPECT_EQ((std::vector<int32_t>{c->m_lManufactureID, c->m_lGroupID, c->m_nLVCBCode}),
                  origin[i])
            << c->m_lTypeID;
    }
    EXPECT_EQ(list.GetAt(0)->m_dIq, 10000.0);
}

TEST_F(RealSearch, ByIcsTheServiceCapacityDecides) {
    CInfoBase s = Selection(0, 0, 400, 100);
    // KVC-125S and KVL-125 (Ics at most 12.5 kA) drop out.
    CCandidateList list = Search(s, 20000, kByIcs);
    EXPECT_EQ(Values(list),
              (std::vector<Found>{
                  {125, 50000, 37500, 0}, {151, 36000, 36000, 0}, {193, 36000, 36000, 0}}));
    EXPECT_EQ(Types(Search(s, 12500, kByIcs)), (std::vector<int32_t>{124, 125, 151, 193, 202}));
    EXPECT_EQ(Types(Search(s, 12500, kByIcu)), (std::vector<int32_t>{124, 125, 151, 193, 202}));
}

TEST_F(RealSearch, TheUseCodesKeepTheirTypes) {
    CInfoBase s = Selection(0, 0, 400, 100);
    struct Case {
        unsigned use;
        std::vector<int32_t> types;
    };
    // KVM-125 has use 1, KVR-160 use 11, the others use 0.
    const Case cases[] = {
        {0, {104, 124, 125, 151, 193, 202}}, {1, {124, 125, 151, 193, 202}},
        {2, {104, 124, 125, 151, 202}},      {3, {124, 125, 151, 202}},
        {11, {124, 125, 151, 202}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Types(Search(s, 5000, kByIcu, c.use)), c.types) << "use " << c.use;
}

TEST_F(RealSearch, KindsAndTheChosenType) {
    CInfoBase s = Selection(0, 0, 400, 100, 125);
    // Kind 0 keeps only the chosen type; 1, 2 and 8 ignore it.
    EXPECT_EQ(Types(Search(s, 5000, 0)), (std::vector<int32_t>{125}));
    EXPECT_EQ(Types(Search(s, 5000, 8)), (std::vector<int32_t>{104, 124, 125, 151, 193, 202}));
    EXPECT_EQ(Types(Search(s, 5000, 2)), (std::vector<int32_t>{104, 124, 125, 151, 193, 202}));
    EXPECT_EQ(Types(Search(s, 5000, 1)), (std::vector<int32_t>{104, 124, 125, 151, 193, 202}));
    // Any other kind reads and accepts nothing.
    EXPECT_EQ(Search(s, 5000, 3).GetCount(), 0);
    EXPECT_EQ(Search(s, 0, 99).GetCount(), 0);
    // Kind 0 without a type takes every type.
    s.m_lTypeID = 0;
    EXPECT_EQ(Search(s, 5000, 0).GetCount(), 6);
}

TEST_F(RealSearch, PolesVoltageAndRatedValueNarrowTheTypes) {
    // KVR-160 has three poles only; KVM-125 is listed up to 415 V.
    EXPECT_EQ(Types(Search(Selection(0, 0, 400, 100), 5000, kByIcu, 0, 4)),
              (std::vector<int32_t>{104, 124, 125, 151, 202}));
    EXPECT_EQ(Types(Search(Selection(0, 0, 440, 100), 5000, kByIcu)),
              (std::vector<int32_t>{124, 125, 151, 193, 202}));
    // 105 A lies on the grid of KVE-250S only (100-250 A in steps of 5).
    EXPECT_EQ(Types(Search(Selection(0, 0, 400, 105), 5000, kByIcu)), (std::vector<int32_t>{151}));
    EXPECT_EQ(Search(Selection(0, 0, 400, 101), 5000, kByIcu).GetCount(), 0);
    // A rated value of 0 or less gives an empty list, whatever the list held.
    CCandidateList list;
    list.DoAddNewCandidate()->m_lTypeID = 7;
    CInfoBase none = Selection(0, 0, 400, 0);
    list.DoSearchGetByCapacity(&m_db, &none, 0, 3, 0, kByIcu);
    EXPECT_EQ(list.GetCount(), 0);
    none.m_dRatedValue = -100;
    list.DoSearchGetByCapacity(&m_db, &none, 0, 3, 0, kByIcu);
    EXPECT_EQ(list.GetCount(), 0);
    // The selection is not changed by the walk.
    CInfoBase s = Selection(0, 0, 400, 100);
    CInfoBase before = s;
    Search(s, 5000, kByIcu);
    EXPECT_EQ(s.m_lManufactureID, before.m_lManufactureID);
    EXPECT_EQ(s.m_lGroupID, before.m_lGroupID);
    EXPECT_EQ(s.m_nLVCBCode, before.m_nLVCBCode);
    EXPECT_EQ(s.m_strGroupName, before.m_strGroupName);
}

TEST_F(RealSearch, AMakerWithoutGroupWalksItsCodesAndAGroupIsSearchedAlone) {
    // Maker 1: codes 10 to 30 in order; maker 2: code 10 only, where no type
    // offers 100 A, but 16 A does.
    EXPECT_EQ(Types(Search(Selection(1, 0, 400, 100), 5000, kByIcu)),
              (std::vector<int32_t>{104, 124, 125, 151, 193, 202}));
    EXPECT_EQ(Search(Selection(2, 0, 400, 100), 5000, kByIcu).GetCount(), 0);
    EXPECT_EQ(Types(Search(Selection(2, 0, 400, 16), 5000, kByIcu)),
              (std::vector<int32_t>{602, 601}));
    // Any other maker needs its group.
    EXPECT_EQ(Search(Selection(3, 0, 400, 100), 5000, kByIcu).GetCount(), 0);
    EXPECT_EQ(Types(Search(Selection(1, 2, 400, 100), 5000, kByIcu)),
              (std::vector<int32_t>{124, 125}));
    // A chosen group alone, whatever its breaker code.
    EXPECT_EQ(Types(Search(Selection(1, 5, 400, 100), 5000, kByIcu)), (std::vector<int32_t>{193}));
}

TEST_F(RealSearch, JisTypesAreJudgedOnTheirJisColumns) {
    // CZF-100 (bJisNewOld): Icu by JIS 18 kA at 400 and 415 V, 15 kA at
    // 440 V, none above; the plain Icu is 22 kA.
    CInfoBase s = Selection(3, 15, 400, 100);
    CCandidateList list = Search(s, 15000, kByIcu);
    ASSERT_EQ(list.GetCount(), 1);
    const CCandidate* c = list.GetHead();
    EXPECT_EQ(Values(list), (std::vector<Found>{{701, 18000, 9000, 1}}));
    EXPECT_EQ(c->m_dIq, 4500.0);
    EXPECT_EQ(c->m_lManufactureID, 3);
    EXPECT_EQ(c->m_lGroupID, 15);
    EXPECT_EQ(Search(s, 20000, kByIcu).GetCount(), 0);
    // By Ics: 9 kA by JIS at 400 V.
    EXPECT_EQ(Search(s, 9000, kByIcs).GetCount(), 1);
    EXPECT_EQ(Search(s, 9001, kByIcs).GetCount(), 0);
}

// A candidate shows the breaking capacity it was judged on: over a table of
// searches (circuit voltages, rated currents, required currents, by Icu and
// by Ics, the walk over every maker and the JIS-rated groups of the third
// maker), every candidate's shown Icu (kinds 0, 2, 8) or Ics (kind 1) reaches
// the required current. A type that showed JIS values while it was judged on
// its plain columns (KVC-125S showed Icu 22 kA for a 25 kA search at 400 V)
// falls short.
TEST_F(RealSearch, EveryCandidateShowsAValueThatMeetsTheSearch) {
    struct Maker {
        int32_t maker, group;
    };
    const Maker makers[] = {{0, 0}, {3, 15}, {3, 16}};
    int candidates = 0;
    for (const Maker& m : makers)
        for (int32_t voltage : {230, 400, 415, 440, 690})
            for (double rated : {16.0, 50.0, 100.0, 250.0, 630.0, 1600.0})
                for (double required : {10000.0, 25000.0, 50000.0})
                    for (unsigned kind : {0u, kByIcs, kByIcu, 8u}) {
                        CCandidateList list =
                            Search(Selection(m.maker, m.group, voltage, rated), required, kind);
                        for (const auto& c : list) {
                            const double shown = kind == kByIcs ? c->m_dIcs : c->m_dIcu;
                            EXPECT_GE(shown, required)
                                << "type " << c->m_lTypeID << " at " << voltage << " V, " << rated
                                << " A, kind " << kind;
                            ++candidates;
                        }
                    }
    // The table finds candidates of both kinds of type (plain and JIS).
    EXPECT_GT(candidates, 100);
}

TEST_F(RealSearch, CandidateNamesFromTheDatabase) {
    CCandidate c;
    EXPECT_EQ(c.DoGetTextGroupName(&m_db), "");
    EXPECT_EQ(c.DoGetTextTypeName(&m_db), "");
    c.m_lManufactureID = 1;
    c.m_lGroupID = 2;
    c.m_lTypeID = 125;
    EXPECT_EQ(c.DoGetTextGroupName(&m_db), "Moulded-case circuit breakers");
    EXPECT_EQ(c.DoGetTextTypeName(&m_db), "KVC-125H");
    // A group of another maker, a type that is not there.
    c.m_lManufactureID = 2;
    c.m_lTypeID = 9999;
    EXPECT_EQ(c.DoGetTextGroupName(&m_db), "");
    EXPECT_EQ(c.DoGetTextTypeName(&m_db), "");
}

TEST_F(RealSearch, RatedValueRowOfATypeFixedAndContinuous) {
    CRSBreak_TypeLVCB rs(&m_db);
    CInfoBase s;
    s.m_dRatedValue = 5;
    s.m_lOpeKindID = 9;
    CReadBase ref;
    ref.m_dMaxRatedValue = 1;
    // KVC-125H: fixed ratings 16 to 125 A; the highest of them becomes the
    // type's highest rated value.
    int32_t id = rs.DoReadByTypeIDValue(125, 100, 3, &s, &ref);
    EXPECT_GT(id, 0);
    EXPECT_EQ(s.m_lBreakRatedID, id);
    EXPECT_EQ(s.m_strRatedName, "100");
    EXPECT_EQ(s.m_dRatedValue, 100.0);
    EXPECT_EQ(s.m_lTypeID, 125);
    EXPECT_EQ(s.m_strTypeName, "KVC-125H");
    EXPECT_EQ(s.m_strOpeKindName, "AC 50/60 Hz");
    EXPECT_GT(s.m_lOpeKindID, 0);
    EXPECT_EQ(ref.m_dRatedValue, 100.0);
    EXPECT_EQ(ref.m_dMaxRatedValue, 125.0);
    EXPECT_EQ(ref.m_dialRated.m_nKind, 2);
    EXPECT_EQ(ref.m_dialRated.m_strTitle, "Rated current");
    EXPECT_EQ(ref.m_dialRated.m_strUnit, "A");
    EXPECT_EQ(ref.m_strSeriesName, "KVC");

    // KVE-250S: one range 100-250 A in steps of 5; its highest value is the
    // range's.
    id = rs.DoReadByTypeIDValue(151, 105, 3, &s, &ref);
    EXPECT_GT(id, 0);
    EXPECT_EQ(s.m_strRatedName, "100-250");
    EXPECT_EQ(s.m_dRatedValue, 105.0);
    EXPECT_EQ(ref.m_dMaxRatedValue, 250.0);
    EXPECT_EQ(ref.m_dialRated.m_nKind, 3);

    // Nothing matches: the rating members are cleared, the type part stays.
    EXPECT_EQ(rs.DoReadByTypeIDValue(151, 102, 3, &s, &ref), 0);
    EXPECT_EQ(s.m_lBreakRatedID, 0);
    EXPECT_EQ(s.m_lOpeKindID, 0);
    EXPECT_EQ(s.m_strRatedName, "");
    EXPECT_EQ(s.m_dRatedValue, 0.0);
    EXPECT_EQ(s.m_lTypeID, 151);
    EXPECT_EQ(ref.m_dRatedValue, 0.0);
    EXPECT_EQ(ref.m_dMaxRatedValue, 0.0);
    EXPECT_EQ(ref.m_dialRated.m_nKind, 0);
    // No variant with that many poles; a null selection is allowed.
    EXPECT_EQ(rs.DoReadByTypeIDValue(193, 100, 4, nullptr, &ref), 0);
    EXPECT_GT(rs.DoReadByTypeIDValue(193, 100, 3, nullptr, &ref), 0);
    // Without a type reference the row is still found and nothing is written
    // through the missing record.
    id = rs.DoReadByTypeIDValue(125, 100, 3, &s, nullptr);
    EXPECT_GT(id, 0);
    EXPECT_EQ(s.m_lBreakRatedID, id);
}

TEST_F(RealSearch, TypeNamesThatAdmitARatedValue) {
    CRSBreak_TypeLVCB rs(&m_db);
    fw::CMemoryCombo box;
    // Every capacity row of a type at or above 400 V adds its name again at
    // the end (seven rows each here) and is counted.
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 2, 400, 100, 0, 3), 14);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVC-125S", "KVC-125H"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{124, 125}));
    // Reaching 30 kA: four rows of KVC-125H.
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 2, 400, 100, 30000, 3), 4);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVC-125H"}));
    // Withdrawn types are offered here (KVC-225S, 225 A).
    box.ResetContent();
    rs.DoReadSetByIDValue(&box, 1, 2, 400, 225, 0, 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVC-225S", "KVC-250S", "KVC-250H"}));
    // A continuous range admits the values on its grid; rated 0 admits every
    // row.
    box.ResetContent();
    rs.DoReadSetByIDValue(&box, 1, 3, 400, 105, 0, 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVE-250S"}));
    box.ResetContent();
    rs.DoReadSetByIDValue(&box, 1, 3, 400, 107, 0, 3);
    EXPECT_EQ(box.GetCount(), 0);
    box.ResetContent();
    rs.DoReadSetByIDValue(&box, 1, 3, 400, 0, 0, 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVE-250S", "KVE-400S", "KVE-400H",
                                                            "KVE-630S", "KVE-800H"}));
    // Without a box nothing is counted.
    EXPECT_EQ(rs.DoReadSetByIDValue(nullptr, 1, 2, 400, 100, 0, 3), 0);
}

namespace {

// Rows of a small breaker database: makers, groups and one type per group,
// each with three poles, a 400 V capacity row, one operating kind and rated
// rows.
std::string Maker(int id) {
    return fw::Format("INSERT INTO [Manufacture] ([lManufactureID],[sManuName]) "
                      "VALUES (%d,'Maker %d');\n",
                      id, id);
}

std::string Group(int id, int kind, int maker, int code) {
    return fw::Format("INSERT INTO [Break_Group] ([lGroupID],[nKindFlag],[lManufactureID],"
                      "[nLVCBCode],[sGroupName]) VALUES (%d,%d,%d,%d,'Group %d');\n",
                      id, kind, maker, code, id);
}

std::string Type(int id, int maker, int group, int typeOrder, int subOrder, int jisNewOld = 0) {
    return fw::Format("INSERT INTO [Break_Type] ([lTypeID],[lManufactureID],[lGroupID],"
                      "[sTypeName],[bJisNewOld]) VALUES (%d,%d,%d,'T%d',%d);\n"
                      "INSERT INTO [Break_Info] ([lTypeID],[nTypeOrder],[nSubOrder]) "
                      "VALUES (%d,%d,%d);\n"
                      "INSERT INTO [Break_Poles] ([lTypeID],[nPoleCount]) VALUES (%d,3);\n",
                      id, maker, group, id, jisNewOld, id, typeOrder, subOrder, id);
}

std::string Capacity(int type, int voltage, int icu, int ics, int iq, int icuJis = 0,
                     int icsJis = 0, int iqJis = 0) {
    return fw::Format("INSERT INTO [Break_Capacity] ([lTypeID],[lVoltage],[lIcu],[lIcs],[lIq],"
                      "[lIcuJIS8201],[lIcsJIS8201],[lIqJIS8201]) "
                      "VALUES (%d,%d,%d,%d,%d,%d,%d,%d);\n",
                      type, voltage, icu, ics, iq, icuJis, icsJis, iqJis);
}

// An operating kind (id = type id) with one fixed rated row.
std::string FixedRating(int type, double value) {
    return fw::Format("INSERT INTO [Break_OpeKind] ([lOpeKindID],[lTypeID],[sOpeKindName],"
                      "[nRatedFlag]) VALUES (%d,%d,'AC',2);\n"
                      "INSERT INTO [Break_Rated] ([lOpeKindID],[sFixedName],[dFixedValue]) "
                      "VALUES (%d,'%g',%f);\n",
                      type, type, type, value, value);
}

// An operating kind (id = type id) with one continuous rated row.
std::string RangeRating(int type, double mini, double width, double maxi) {
    return fw::Format("INSERT INTO [Break_OpeKind] ([lOpeKindID],[lTypeID],[sOpeKindName],"
                      "[nRatedFlag]) VALUES (%d,%d,'AC',3);\n"
                      "INSERT INTO [Break_Rated] ([lBreakRatedID],[lOpeKindID],[bIsDefault],"
                      "[sFixedName],[dFixedValue],[dContiDefValue],[dContiMiniValue],"
                      "[dContiWidthValue],[dContiMaxValue]) "
                      "VALUES (%d,%d,1,'range',%.17g,%.17g,%.17g,%.17g,%.17g);\n",
                      type, type, type, type, maxi, maxi, mini, width, maxi);
}

// One plain breaker of the walk fixtures.
std::string Breaker(int id, int maker, int group) {
    return Type(id, maker, group, 1, id) + Capacity(id, 400, 10000, 10000, 10000) +
           FixedRating(id, 100);
}

class FixtureSearch : public ::testing::Test {
protected:
    void Build(const std::string& rows) {
        m_fixture = std::make_unique<tvtest::FixtureDb>(dvtest::BreakerSchema() + rows);
        m_db.Open(m_fixture->Path());
    }
    std::vector<int32_t> Search(const CInfoBase& s, double required = 5000,
                                unsigned kind = kByIcu) {
        CCandidateList list;
        list.DoSearchGetByCapacity(&m_db, &s, 0, 3, required, kind);
        return Types(list);
    }

    tvtest::MessageCapture m_messages;
    std::unique_ptr<tvtest::FixtureDb> m_fixture;
    fw::CDatabase m_db;
};

// Makers 1 and 2; groups of the breaker codes 10, 11 and 12 of maker 1, code
// 10 of maker 2, and code 14 of maker 1 after a gap at 13 (where only a
// thermal relay group of maker 1 sits).
std::string WalkRows(bool withFirstMaker) {
    std::string rows = (withFirstMaker ? Maker(1) : std::string()) + Maker(2);
    rows += Group(1, 2, 1, 10) + Group(2, 2, 2, 10) + Group(3, 2, 1, 11) + Group(4, 2, 1, 12) +
            Group(5, 2, 1, 14) + Group(6, 3, 1, 13);
    rows += Breaker(11, 1, 1) + Breaker(21, 2, 2) + Breaker(31, 1, 3) + Breaker(41, 1, 4) +
            Breaker(51, 1, 5) + Breaker(61, 1, 6);
    return rows;
}

} // namespace

TEST_F(FixtureSearch, TheWalkStopsAtTheFirstBreakerCodeWithoutGroup) {
    Build(WalkRows(true));
    // (1, 10), (2, 10), (1, 11), (1, 12), then (1, 13) has no breaker group.
    EXPECT_EQ(Search(Selection(0, 0, 400, 100)), (std::vector<int32_t>{11, 21, 31, 41}));
    EXPECT_EQ(Search(Selection(1, 0, 400, 100)), (std::vector<int32_t>{11, 31, 41}));
    EXPECT_EQ(Search(Selection(2, 0, 400, 100)), (std::vector<int32_t>{21}));
    EXPECT_EQ(Search(Selection(1, 5, 400, 100)), (std::vector<int32_t>{51}));
    // Without kind flag the thermal relay group at code 13 counts as well.
    CInfoBase anyKind = Selection(0, 0, 400, 100);
    anyKind.m_nKindFlag = 0;
    EXPECT_EQ(Search(anyKind), (std::vector<int32_t>{11, 21, 31, 41, 61, 51}));
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureSearch, AMissingMakerRowFallsBackAndTheWalkEnds_FaultEndlessMakerWalk) {
    // Without the first maker's row every pair of maker 1 falls back to its
    // moulded-case group (code 11); the walk must still move on and end.
    Build(WalkRows(false));
    EXPECT_EQ(Search(Selection(0, 0, 400, 100)), (std::vector<int32_t>{31}));
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureSearch, JisValuesOnceTakenStayAndTheTypeMovesToItsLastRow) {
    // Types 1 and 2 share type order and sub-order, so the rows run by Icu:
    // type 1 at 10 kA (with JIS values), type 2 at 20 kA, type 1 at 30 kA
    // (plain, at 440 V).
    Build(Maker(1) + Group(1, 2, 1, 11) + Type(1, 1, 1, 5, 1) + Type(2, 1, 1, 5, 1) +
          Capacity(1, 400, 10000, 9000, 2000, 8000, 4000, 1000) +
          Capacity(1, 440, 30000, 30000, 7000) + Capacity(2, 400, 20000, 5000, 3000) +
          FixedRating(1, 100) + FixedRating(2, 100));
    CCandidateList list;
    CInfoBase s = Selection(1, 1, 400, 100);
    s.m_nLVCBCode = 11;
    list.DoSearchGetByCapacity(&m_db, &s, 0, 3, 5000, kByIcu);
    ASSERT_EQ(Types(list), (std::vector<int32_t>{2, 1}));
    const CCandidate* c = list.GetAt(1);
    EXPECT_EQ(c->m_dIcu, 8000.0);
    EXPECT_EQ(c->m_dIcs, 4000.0);
    EXPECT_EQ(c->m_dIq, 1000.0);
    EXPECT_EQ(c->m_bJIS, 1);
    EXPECT_EQ(c->m_nLVCBCode, 11);
    EXPECT_EQ(list.GetAt(0)->m_bJIS, 0);
    EXPECT_EQ(list.GetAt(0)->m_dIq, 3000.0);

    // By Ics the rows run by Ics: type 2 (5 kA), type 1 (9 kA, JIS), type 1
    // (30 kA).
    list.DoSearchGetByCapacity(&m_db, &s, 0, 3, 5000, kByIcs);
    EXPECT_EQ(Types(list), (std::vector<int32_t>{2, 1}));
    // Only the plain row reaches 25 kA: plain values.
    list.DoSearchGetByCapacity(&m_db, &s, 0, 3, 25000, kByIcu);
    EXPECT_EQ(Values(list), (std::vector<Found>{{1, 30000, 30000, 0}}));
}

TEST_F(FixtureSearch, ARatingFrom100To400InStepsOf25) {
    Build(Maker(1) + Group(1, 2, 1, 11) + Type(1, 1, 1, 1, 1) +
          Capacity(1, 400, 10000, 10000, 10000) + RangeRating(1, 100, 25, 400));
    CRSBreak_TypeLVCB rs(&m_db);
    CReadBase ref;
    struct Case {
        double rated;
        bool admitted;
    };
    const Case cases[] = {{100, true}, {250, true},  {400, true},    {260, false},
                          {90, false}, {425, false}, {125, true},    {250.5, false},
                          {0, false},  {375, true},  {399.99, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rated);
        EXPECT_EQ(rs.DoReadByTypeIDValue(1, c.rated, 3, nullptr, &ref) == 1, c.admitted);
        EXPECT_EQ(Search(Selection(1, 1, 400, c.rated)).size(), c.admitted ? 1u : 0u);
        EXPECT_EQ(dorventa::IsOnRangeGrid(100, 25, 400, c.rated), c.admitted);
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Every value the dial of a range offers is admitted, and no other: the sum
// of repeated steps in double (0.4 + 0.1 + 0.1 + 0.1 + 0.1) is not 0.8, and
// a value only that sum reaches is no value of the dial.
TEST_F(FixtureSearch, ARangeAdmitsExactlyTheValuesOfItsDial_FaultFloatStepWalk) {
    struct Range {
        int type;
        double mini, width, maxi;
    };
    const Range ranges[] = {
        {1, 0.4, 0.1, 1.0},  {2, 0.1, 0.1, 1.0},   {3, 0.25, 0.25, 1.0}, {4, 1.6, 0.1, 8.0},
        {5, 0.4, 0.05, 2.0}, {6, 0.1, 0.01, 0.16}, {7, 1, 2, 6},
    };
    std::string rows = Maker(1) + Group(1, 2, 1, 11);
    for (const Range& r : ranges)
        rows += Type(r.type, 1, 1, 1, r.type) + Capacity(r.type, 400, 10000, 10000, 10000) +
                RangeRating(r.type, r.mini, r.width, r.maxi);
    Build(rows);

    for (const Range& r : ranges) {
        SCOPED_TRACE(r.type);
        // The dial's own values of the rated row.
        CRSBreak_Rated rated(&m_db);
        CReadBase ref;
        CReadDial dial;
        ASSERT_EQ(rated.DoReadRangeContinueByID(r.type, &ref, &dial), r.type);
        ASSERT_GT(dial.m_listValue.GetCount(), 1);
        CRSBreak_TypeLVCB rs(&m_db);
        for (const auto& v : dial.m_listValue) {
            SCOPED_TRACE(v->m_strName);
            EXPECT_EQ(rs.DoReadByTypeIDValue(r.type, v->m_dValue, 3, nullptr, &ref), r.type);
            std::vector<int32_t> found = Search(Selection(1, 1, 400, v->m_dValue));
            EXPECT_NE(std::find(found.begin(), found.end(), r.type), found.end());
            CInfoBase chosen = Selection(1, 1, 400, v->m_dValue, r.type);
            CCandidateList list;
            list.DoSearchGetByCapacity(&m_db, &chosen, 0, 3, 5000, 0);
            EXPECT_EQ(Types(list), (std::vector<int32_t>{r.type}));
        }
        // Halfway between two dial values, and the running sums in double that
        // miss the dial's values.
        std::vector<double> others = {r.mini + r.width / 2, r.maxi + r.width};
        double h = r.mini;
        for (int k = 0; k < 20 && h <= r.maxi; ++k, h += r.width)
            if (dial.m_listValue.GetAt(k) && h != dial.m_listValue.GetAt(k)->m_dValue)
                others.push_back(h);
        for (double x : others) {
            SCOPED_TRACE(testing::Message() << std::hexfloat << x);
            EXPECT_EQ(rs.DoReadByTypeIDValue(r.type, x, 3, nullptr, &ref), 0);
            EXPECT_FALSE(dorventa::IsOnRangeGrid(r.mini, r.width, r.maxi, x));
        }
    }
    // The case that started it: the dial offers 0.8, the double walk never
    // reaches it.
    EXPECT_NE(0.4 + 0.1 + 0.1 + 0.1 + 0.1, 0.8);
    EXPECT_TRUE(dorventa::IsOnRangeGrid(0.4, 0.1, 1.0, 0.8));
    EXPECT_FALSE(dorventa::IsOnRangeGrid(0.4, 0.1, 1.0, 0.4 + 0.1 + 0.1 + 0.1 + 0.1));
    EXPECT_TRUE(dorventa::IsOnRangeGrid(0.1, 0.1, 1.0, 0.3));
    EXPECT_FALSE(dorventa::IsOnRangeGrid(0.1, 0.1, 1.0, 0.1 + 0.1 + 0.1));
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureSearch, AStepOfZeroOrLessAdmitsNothing_FaultFloatStepWalk) {
    Build(Maker(1) + Group(1, 2, 1, 11) + Type(1, 1, 1, 1, 1) +
          Capacity(1, 400, 10000, 10000, 10000) + RangeRating(1, 100, 0, 400) +
          Type(2, 1, 1, 1, 2) + Capacity(2, 400, 10000, 10000, 10000) +
          RangeRating(2, 100, -25, 400));
    CRSBreak_TypeLVCB rs(&m_db);
    CReadBase ref;
    for (int type : {1, 2}) {
        EXPECT_EQ(rs.DoReadByTypeIDValue(type, 100, 3, nullptr, &ref), 0);
        EXPECT_EQ(rs.DoReadByTypeIDValue(type, 200, 3, nullptr, &ref), 0);
    }
    EXPECT_EQ(Search(Selection(1, 1, 400, 100)), std::vector<int32_t>{});
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 1, 400, 100, 0, 3), 0);
    // With the rated value 0 a range is offered as long as it is one.
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 1, 400, 0, 0, 3), 2);
    for (double width : {0.0, -1.0, -0.0, 1e-9})
        EXPECT_FALSE(dorventa::IsOnRangeGrid(100, width, 400, 100)) << width;
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureSearch, WithoutGroupTheTablesStayJoined_FaultUnjoinedCrossProduct) {
    // Type 1 offers 100 A, type 2 only 200 A. Without the join, type 2's row
    // would be combined with type 1's rating and offered for 100 A.
    Build(Maker(1) + Group(1, 2, 1, 11) + Type(1, 1, 1, 1, 1) +
          Capacity(1, 400, 10000, 10000, 10000) + FixedRating(1, 100) + Type(2, 1, 1, 1, 2) +
          Capacity(2, 400, 50000, 50000, 50000) + FixedRating(2, 200));
    CRSBreak_TypeLVCB rs(&m_db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 0, 400, 100, 0, 3), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T1"}));
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 0, 0, 400, 200, 20000, 0), 1);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"T2"}));
    // The rated-value row of no type: only rows of real types, so 200 A is
    // type 2's rating, read with type 2's names.
    CInfoBase s;
    CReadBase ref;
    EXPECT_EQ(rs.DoReadByTypeIDValue(0, 200, 3, &s, &ref), 2);
    EXPECT_EQ(s.m_lTypeID, 2);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureSearch, ADatabaseErrorIsShownWithTheJoinAndKeepsWhatWasFound) {
    Build(Maker(1) + Group(1, 2, 1, 11) + Breaker(1, 1, 1));
    m_db.Close();
    CCandidateList list;
    list.DoAddNewCandidate()->m_lTypeID = 5;
    CInfoBase s = Selection(1, 1, 400, 100);
    CRSBreak_TypeLVCB rs(&m_db);
    EXPECT_EQ(rs.DoSearchSetToList(&list, &s, 0, 3, 0, kByIcu), 0);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_NE(m_messages.Last().text.find(
                  "[Break_Type],[Break_Info],[Break_Poles],[Break_Capacity],[Break_OpeKind],"
                  "[Break_Rated]"),
              std::string::npos);
    EXPECT_EQ(Types(list), (std::vector<int32_t>{5}));
    CReadBase ref;
    EXPECT_EQ(rs.DoReadByTypeIDValue(1, 100, 3, nullptr, &ref), 0);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetByIDValue(&box, 1, 1, 400, 100, 0, 3), 0);
    EXPECT_EQ(m_messages.Count(), 3u);
}
