// The reference tables of the breaker database: binding, order of the rows
// and the filters of each class.

#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSCurve_Standard.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "tests/common/FixtureDb.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const char* kRows = R"(
INSERT INTO [Manufacture] VALUES (1, 1, 'Kestraval');
INSERT INTO [Manufacture] VALUES (2, 0, 'arvent');
INSERT INTO [Manufacture] VALUES (3, 0, 'Zolmar');

INSERT INTO [Break_Group] VALUES (1, 2, 1, 20, 0, 'Moulded case');
INSERT INTO [Break_Group] VALUES (2, 2, 1, 10, 1, 'Air');
INSERT INTO [Break_Group] VALUES (3, 1, 2, 0, 1, 'Relays');
INSERT INTO [Break_Group] VALUES (4, 2, 2, 11, 1, 'Air M2');

INSERT INTO [Break_Type] VALUES (1, 1, 2, 1, 'KA-800', 1, 0, 'Trip unit', 'KA', 'New', '2019-04',
    '2021-06', 'Kestraval', 'air', 0, 0);
INSERT INTO [Break_Type] VALUES (2, 1, 2, 0, 'O''Neil 100', 0, 1, '', '', '', '', '', '', '', 0, 0);
INSERT INTO [Break_Type] VALUES (3, 1, 1, 0, '', 0, 0, '', '', '', '', '', '', '', 0, 0);
INSERT INTO [Break_Type] VALUES (4, 1, 2, 0, 'Orphan', 0, 0, '', '', '', '', '', '', '', 0, 0);
INSERT INTO [Break_Info] VALUES (11, 1, 5, 6, 11, '40 C', 'B', 'electronic', 7);
INSERT INTO [Break_Info] VALUES (12, 2, 1, 0, 0, '', '', '', 0);
INSERT INTO [Break_Info] VALUES (13, 3, 2, 0, 1, '', '', '', 0);

INSERT INTO [Break_OpeKind] VALUES (3, 1, 0, 'Ground fault', 2, 'Rated current', 'A', 0, '', '', 1, 0);
INSERT INTO [Break_OpeKind] VALUES (1, 1, 1, 'Standard', 3, 'Rated current', 'A', 2, 'Multiplier',
    '', 0, 1);
INSERT INTO [Break_OpeKind] VALUES (2, 2, 1, 'Standard', 2, 'Rated current', 'A', 0, '', '', 0, 0);

INSERT INTO [Break_Element] VALUES (1, 5, 3, 'INST');
INSERT INTO [Break_Element] VALUES (2, 5, 1, 'LTD');
INSERT INTO [Break_Element] VALUES (3, 5, 2, 'STD');
INSERT INTO [Break_Element] VALUES (4, 6, 1, 'LTD');

INSERT INTO [Dial_Character] VALUES (1, 2, 1, 'Long Time', 'LT', 1, 2, 1, 0, 3, 'Ir', 'x In',
    'notes c', 2, 'Ir2', 'A', 2, 1, 'tr', 's', 'at 6 Ir', 3, 'tr2', 'ms', 1, 0, 1);
INSERT INTO [Dial_Character] VALUES (2, 2, 0, 'Long time I2t', '', 0, 0, 0, 1, 2, '', '', '', 0, '',
    '', 0, 0, '', '', '', 0, '', '', 0, 1, 0);
INSERT INTO [Dial_Character] VALUES (3, 3, 1, 'Short Time', '', 0, 0, 0, 0, 2, '', '', '', 0, '', '',
    0, 0, '', '', '', 0, '', '', 0, 0, 0);

INSERT INTO [Curve_Standard] VALUES (1, 101, 1, 415, 0.5, 2);
INSERT INTO [Curve_Standard] VALUES (2, 102, 1, 0, 1.0, 0);
INSERT INTO [Curve_Standard] VALUES (3, 103, 3, 0, 0.0, 1);

INSERT INTO [Break_Poles] VALUES (1, 1, 3, 230, 400, 440, 690, 30, 100, 200, 500, 1000, 0.1,
    100, 200, 500, 1000, 0.2, 0.3, 0.5, 1.0);
INSERT INTO [Break_Poles] VALUES (2, 1, 4, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Break_Poles] VALUES (3, 2, 3, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
)";

// The same six value rows in each of the six value tables: owner 1 has 100,
// 50 and 75, owner 2 has 10.
std::string ValueRows(const char* table) {
    std::string t = table;
    return "INSERT INTO [" + t + "] VALUES (1, 1, 0, '100A', 100, 0, 0, 0, 0);" + "INSERT INTO [" +
           t + "] VALUES (2, 1, 1, '50A', 50, 0, 0, 0, 0);" + "INSERT INTO [" + t +
           "] VALUES (3, 1, 0, '75A', 75, 0, 0, 0, 0);" + "INSERT INTO [" + t +
           "] VALUES (4, 2, 0, 'range', 10, 12, 10, 5, 30);";
}

std::string AllRows() {
    std::string sql = dvtest::BreakerSchema() + kRows;
    for (const char* t : {"Break_Rated", "Break_Magni", "Dial_Current", "Dial_MagniCurrent",
                          "Dial_Time", "Dial_MagniTime"})
        sql += ValueRows(t);
    return sql;
}

class BreakerTables : public ::testing::Test {
protected:
    BreakerTables() : m_fixture(AllRows()) { m_db.Open(m_fixture.Path()); }
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

// The value of one member for every row the recordset gives.
template <class R, class RS, class M> std::vector<M> Column(R& rs, M RS::*member) {
    std::vector<M> values;
    rs.Open();
    while (!rs.IsEOF()) {
        values.push_back(rs.*member);
        rs.MoveNext();
    }
    rs.Close();
    return values;
}

using Ids = std::vector<int32_t>;

// The filter setters are the classes' own; the tests reach them from here.
struct Manufacture : CRSManufacture {
    using CRSManufacture::CRSManufacture;
    using CRSManufacture::DoSetFilterManufacture;
};
struct Group : CRSBreak_Group {
    using CRSBreak_Group::CRSBreak_Group;
    using CRSBreak_Group::DoSetFilterGroup;
};
struct Type : CRSBreak_Type {
    using CRSBreak_Type::CRSBreak_Type;
    using CRSBreak_Type::DoSetFilterType;
    using CRSBreak_Type::DoSetFilterTypeName;
};
struct OpeKind : CRSBreak_OpeKind {
    using CRSBreak_OpeKind::CRSBreak_OpeKind;
    using CRSBreak_OpeKind::DoSetFilterOpeKind;
};
struct Rated : CRSBreak_Rated {
    using CRSBreak_Rated::CRSBreak_Rated;
    using CRSBreak_Rated::DoSetFilterRated;
    using CRSBreak_Rated::DoSetFilterRatedValue;
};
struct Magni : CRSBreak_Magni {
    using CRSBreak_Magni::CRSBreak_Magni;
    using CRSBreak_Magni::DoSetFilterMagni;
};
struct Element : CRSBreak_Element {
    using CRSBreak_Element::CRSBreak_Element;
    using CRSBreak_Element::DoSetFilterElement;
};
struct DialChar : CRSDial_Character {
    using CRSDial_Character::CRSDial_Character;
    using CRSDial_Character::DoSetFilterDialChar;
};
struct Standard : CRSCurve_Standard {
    using CRSCurve_Standard::CRSCurve_Standard;
    using CRSCurve_Standard::DoSetFilterStandard;
};
struct Poles : CRSBreak_Poles {
    using CRSBreak_Poles::CRSBreak_Poles;
    using CRSBreak_Poles::DoSetFilterPoles;
};

} // namespace

TEST_F(BreakerTables, MakersComeInNameOrder) {
    Manufacture rs(&m_db);
    EXPECT_EQ(Column(rs, &CRSManufacture::m_lManufactureID), (Ids{2, 1, 3}));
    rs.DoSetFilterManufacture(3);
    EXPECT_EQ(Column(rs, &CRSManufacture::m_sManuName), (std::vector<std::string>{"Zolmar"}));
    rs.DoSetFilterManufacture(0);
    EXPECT_EQ(Column(rs, &CRSManufacture::m_lManufactureID).size(), 3u);
}

TEST_F(BreakerTables, GroupsComeInCodeOrderAndFilterOnTheArgumentsAboveZero) {
    struct Case {
        int32_t maker, kind, group, code;
        Ids expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, {3, 2, 4, 1}}, {-1, -2, 0, -3, {3, 2, 4, 1}},
        {1, 0, 0, 0, {2, 1}},       {0, 2, 0, 0, {2, 4, 1}},
        {2, 2, 0, 11, {4}},         {1, 2, 1, 20, {1}},
        {1, 2, 0, 11, {}},          {0, 1, 0, 0, {3}},
    };
    for (const Case& c : cases) {
        Group rs(&m_db);
        rs.DoSetFilterGroup(c.maker, c.kind, c.group, c.code);
        EXPECT_EQ(Column(rs, &CRSBreak_Group::m_lGroupID), c.expected)
            << c.maker << " " << c.kind << " " << c.group << " " << c.code;
    }
}

TEST_F(BreakerTables, ATypeWithoutItsInformationRowIsNeverReturned) {
    Type rs(&m_db);
    rs.DoSetFilterType(0, 0, 0);
    EXPECT_EQ(Column(rs, &CRSBreak_Type::m_lTypeID), (Ids{1, 2, 3}));
    rs.DoSetFilterType(1, 2, 0);
    EXPECT_EQ(Column(rs, &CRSBreak_Type::m_lTypeID), (Ids{1, 2}));
    rs.DoSetFilterType(0, 0, 4);
    EXPECT_TRUE(Column(rs, &CRSBreak_Type::m_lTypeID).empty());
    rs.DoSetFilterTypeName("Orphan");
    EXPECT_TRUE(Column(rs, &CRSBreak_Type::m_lTypeID).empty());
}

TEST_F(BreakerTables, TypeNamesWithApostrophesAreFound_FaultTextPastedIntoFilter) {
    Type rs(&m_db);
    for (const char* name : {"O'Neil 100", "o'neil 100"}) {
        rs.DoSetFilterTypeName(name);
        EXPECT_EQ(Column(rs, &CRSBreak_Type::m_lTypeID), (Ids{2})) << name;
    }
    // Text that would have changed the query is only a name that no type has.
    rs.DoSetFilterTypeName("x' OR '1'='1");
    EXPECT_TRUE(Column(rs, &CRSBreak_Type::m_lTypeID).empty());
}

TEST_F(BreakerTables, AnEmptyTypeNameLooksForATypeWithAnEmptyName) {
    Type rs(&m_db);
    rs.DoSetFilterTypeName("");
    EXPECT_EQ(Column(rs, &CRSBreak_Type::m_lTypeID), (Ids{3}));
}

TEST_F(BreakerTables, ATypeRowBindsTypeAndInformationColumnsInOrder) {
    Type rs(&m_db);
    rs.DoSetFilterType(0, 0, 1);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lTypeID, 1);
    EXPECT_EQ(rs.m_lManufactureID, 1);
    EXPECT_EQ(rs.m_lGroupID, 2);
    EXPECT_EQ(rs.m_bIsDefault, 1);
    EXPECT_EQ(rs.m_sTypeName, "KA-800");
    EXPECT_EQ(rs.m_bCanUseCT, 1);
    EXPECT_EQ(rs.m_bCanUseCC, 0);
    EXPECT_EQ(rs.m_sOpeKindTitle, "Trip unit");
    EXPECT_EQ(rs.m_sSeriesName, "KA");
    EXPECT_EQ(rs.m_sOldNew, "New");
    EXPECT_EQ(rs.m_sNewDate, "2019-04");
    EXPECT_EQ(rs.m_sUpdateDate, "2021-06");
    EXPECT_EQ(rs.m_sMaker, "Kestraval");
    EXPECT_EQ(rs.m_sNotes, "air");
    EXPECT_EQ(rs.m_lInfoID, 11);
    EXPECT_EQ(rs.m_lTypeID_Info, 1);
    EXPECT_EQ(rs.m_nOrder, 5);
    EXPECT_EQ(rs.m_nSubOrder, 6);
    EXPECT_EQ(rs.m_nUse, 11);
    EXPECT_EQ(rs.m_sTemperature, "40 C");
    EXPECT_EQ(rs.m_sCategory, "B");
    EXPECT_EQ(rs.m_sTripDevice, "electronic");
    EXPECT_EQ(rs.m_nTypeOrder, 7);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_F(BreakerTables, OperatingKindsComeInIdOrderWhateverSortWasSet) {
    OpeKind rs(&m_db);
    rs.m_strSort = "[sOpeKindName] DESC";
    EXPECT_EQ(Column(rs, &CRSBreak_OpeKind::m_lOpeKindID), (Ids{1, 2, 3}));
    EXPECT_EQ(rs.m_strSort, "[lOpeKindID]");
    rs.DoSetFilterOpeKind(1, 0, "");
    EXPECT_EQ(Column(rs, &CRSBreak_OpeKind::m_lOpeKindID), (Ids{1, 3}));
    rs.DoSetFilterOpeKind(0, 0, "standard");
    EXPECT_EQ(Column(rs, &CRSBreak_OpeKind::m_lOpeKindID), (Ids{1, 2}));
    rs.DoSetFilterOpeKind(1, 3, "Ground fault");
    EXPECT_EQ(Column(rs, &CRSBreak_OpeKind::m_lOpeKindID), (Ids{3}));
    rs.DoSetFilterOpeKind(0, 1, "");
    rs.Open();
    EXPECT_EQ(rs.m_nRatedFlag, 3);
    EXPECT_EQ(rs.m_sRatedTitle, "Rated current");
    EXPECT_EQ(rs.m_sRatedUnit, "A");
    EXPECT_EQ(rs.m_nMagniFlag, 2);
    EXPECT_EQ(rs.m_sMagniTitle, "Multiplier");
    EXPECT_EQ(rs.m_bUseOpenTime, 0);
    EXPECT_EQ(rs.m_bUseBreakingTime, 1);
}

TEST_F(BreakerTables, RatedValuesHaveNoOrderOfTheirOwnAndFilterByKindRowOrValue) {
    Rated rs(&m_db);
    EXPECT_EQ(Column(rs, &CRSBreak_Rated::m_lBreakRatedID), (Ids{1, 2, 3, 4}));
    rs.DoSetFilterRated(1, 0);
    EXPECT_EQ(Column(rs, &CRSBreak_Rated::m_lBreakRatedID), (Ids{1, 2, 3}));
    rs.DoSetFilterRated(0, 4);
    EXPECT_EQ(Column(rs, &CRSBreak_Rated::m_lBreakRatedID), (Ids{4}));
    // The value matches as its six-decimal text did.
    rs.DoSetFilterRatedValue(1, 75.0000001);
    EXPECT_EQ(Column(rs, &CRSBreak_Rated::m_lBreakRatedID), (Ids{3}));
    rs.DoSetFilterRatedValue(0, 10.0);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lOpeKindID, 2);
    EXPECT_EQ(rs.m_sFixedName, "range");
    EXPECT_EQ(rs.m_dContiDefValue, 12.0);
    EXPECT_EQ(rs.m_dContiMiniValue, 10.0);
    EXPECT_EQ(rs.m_dContiWidthValue, 5.0);
    EXPECT_EQ(rs.m_dContiMaxValue, 30.0);
}

namespace {

// The four dial tables and the multiplier table order by fixed value.
template <class RS, class Id> void ExpectValueOrder(fw::CDatabase& db, Id RS::*id) {
    RS rs(&db);
    EXPECT_EQ(Column(rs, id), (Ids{4, 2, 3, 1}));
    rs.m_strSort = "[sFixedName]";
    EXPECT_EQ(Column(rs, id), (Ids{4, 2, 3, 1}));
}

} // namespace

TEST_F(BreakerTables, MultipliersAndDialValuesComeInValueOrder) {
    ExpectValueOrder(m_db, &CRSBreak_Magni::m_lBreakMagniID);
    ExpectValueOrder(m_db, &CRSDial_Current::m_lDialCurrentID);
    ExpectValueOrder(m_db, &CRSDial_MagniCurrent::m_lMagniCurrentID);
    ExpectValueOrder(m_db, &CRSDial_Time::m_lDialTimeID);
    ExpectValueOrder(m_db, &CRSDial_MagniTime::m_lMagniTimeID);
    Magni rs(&m_db);
    rs.DoSetFilterMagni(1);
    EXPECT_EQ(Column(rs, &CRSBreak_Magni::m_lBreakMagniID), (Ids{2, 3, 1}));
}

TEST_F(BreakerTables, DialFiltersSelectTheirDialCharacter) {
    struct Current : CRSDial_Current {
        using CRSDial_Current::CRSDial_Current;
        using CRSDial_Current::DoSetFilterDial;
    } current(&m_db);
    current.DoSetFilterDial(2);
    EXPECT_EQ(Column(current, &CRSDial_Current::m_lDialCurrentID), (Ids{4}));
    struct MagniCurrent : CRSDial_MagniCurrent {
        using CRSDial_MagniCurrent::CRSDial_MagniCurrent;
        using CRSDial_MagniCurrent::DoSetFilterDial;
    } magniCurrent(&m_db);
    magniCurrent.DoSetFilterDial(1);
    EXPECT_EQ(Column(magniCurrent, &CRSDial_MagniCurrent::m_lMagniCurrentID), (Ids{2, 3, 1}));
    struct Time : CRSDial_Time {
        using CRSDial_Time::CRSDial_Time;
        using CRSDial_Time::DoSetFilterDial;
    } time(&m_db);
    time.DoSetFilterDial(0);
    EXPECT_EQ(Column(time, &CRSDial_Time::m_lDialTimeID), (Ids{4, 2, 3, 1}));
    struct MagniTime : CRSDial_MagniTime {
        using CRSDial_MagniTime::CRSDial_MagniTime;
        using CRSDial_MagniTime::DoSetFilterDial;
    } magniTime(&m_db);
    magniTime.DoSetFilterDial(2);
    EXPECT_EQ(Column(magniTime, &CRSDial_MagniTime::m_lMagniTimeID), (Ids{4}));
}

TEST_F(BreakerTables, ElementsComeInClassNumberOrder) {
    Element rs(&m_db);
    rs.DoSetFilterElement(5);
    EXPECT_EQ(Column(rs, &CRSBreak_Element::m_sElementName),
              (std::vector<std::string>{"LTD", "STD", "INST"}));
    rs.DoSetFilterElement(-5);
    EXPECT_EQ(Column(rs, &CRSBreak_Element::m_lElementID).size(), 4u);
}

TEST_F(BreakerTables, DialCharactersBindEveryColumnAndFilterByElementIdAndName) {
    DialChar rs(&m_db);
    rs.DoSetFilterDialChar(2, 0, "");
    EXPECT_EQ(Column(rs, &CRSDial_Character::m_lDialCharID), (Ids{1, 2}));
    rs.DoSetFilterDialChar(2, 0, "LONG TIME");
    EXPECT_EQ(Column(rs, &CRSDial_Character::m_lDialCharID), (Ids{1}));
    rs.DoSetFilterDialChar(0, 3, "");
    EXPECT_EQ(Column(rs, &CRSDial_Character::m_lDialCharID), (Ids{3}));
    rs.DoSetFilterDialChar(0, 1, "");
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lElementID, 2);
    EXPECT_EQ(rs.m_bIsDefault, 1);
    EXPECT_EQ(rs.m_sCharacterName, "Long Time");
    EXPECT_EQ(rs.m_sNameOnGraph, "LT");
    EXPECT_EQ(rs.m_bIsLink, 1);
    EXPECT_EQ(rs.m_nLinkNumber, 2);
    EXPECT_EQ(rs.m_bIsCurrent, 1);
    EXPECT_EQ(rs.m_bDispCurrentMulti, 0);
    EXPECT_EQ(rs.m_nCurrentFlag, 3);
    EXPECT_EQ(rs.m_sCurrentTitle, "Ir");
    EXPECT_EQ(rs.m_sCurrentUnit, "x In");
    EXPECT_EQ(rs.m_sCurrentNotes, "notes c");
    EXPECT_EQ(rs.m_nMagniCurrentFlag, 2);
    EXPECT_EQ(rs.m_sMagniCurrentTitle, "Ir2");
    EXPECT_EQ(rs.m_sMagniCurrentUnit, "A");
    EXPECT_EQ(rs.m_nTimeFlag, 2);
    EXPECT_EQ(rs.m_bIsNoneSadamu, 1);
    EXPECT_EQ(rs.m_sTimeTitle, "tr");
    EXPECT_EQ(rs.m_sTimeUnit, "s");
    EXPECT_EQ(rs.m_sTimeNotes, "at 6 Ir");
    EXPECT_EQ(rs.m_nMagniTimeFlag, 3);
    EXPECT_EQ(rs.m_sMagniTimeTitle, "tr2");
    EXPECT_EQ(rs.m_sMagniTimeUnit, "ms");
    EXPECT_EQ(rs.m_bUseLock, 1);
    EXPECT_EQ(rs.m_bUseTimer, 0);
    EXPECT_EQ(rs.m_bMCR, 1);
}

TEST_F(BreakerTables, StandardCurvesAndPolesComeInTableOrder) {
    Standard standard(&m_db);
    standard.DoSetFilterStandard(1);
    EXPECT_EQ(Column(standard, &CRSCurve_Standard::m_lCurveHeaderID), (Ids{101, 102}));
    standard.Open();
    EXPECT_EQ(standard.m_lDialCharID, 1);
    EXPECT_EQ(standard.m_lStdVoltage2, 415);
    EXPECT_EQ(standard.m_dPairTime, 0.5);
    EXPECT_EQ(standard.m_nLineKind, 2);
    standard.Close();

    Poles poles(&m_db);
    poles.DoSetFilterPoles(1, 0);
    EXPECT_EQ(Column(poles, &CRSBreak_Poles::m_lPolesID), (Ids{1, 2}));
    poles.DoSetFilterPoles(1, 4);
    EXPECT_EQ(Column(poles, &CRSBreak_Poles::m_lPolesID), (Ids{2}));
    poles.DoSetFilterPoles(0, 3);
    EXPECT_EQ(Column(poles, &CRSBreak_Poles::m_lPolesID), (Ids{1, 3}));
    poles.DoSetFilterPoles(1, 3);
    poles.Open();
    ASSERT_FALSE(poles.IsEOF());
    EXPECT_EQ(poles.m_nPoleCount, 3);
    EXPECT_EQ(
        (std::vector<int>{poles.m_nVoltAC1, poles.m_nVoltAC2, poles.m_nVoltAC3, poles.m_nVoltAC4}),
        (std::vector<int>{230, 400, 440, 690}));
    EXPECT_EQ((std::vector<int>{poles.m_nHsCurrent1, poles.m_nHsCurrent2, poles.m_nHsCurrent3,
                                poles.m_nHsCurrent4, poles.m_nHsCurrent5}),
              (std::vector<int>{30, 100, 200, 500, 1000}));
    EXPECT_EQ(poles.m_dHsTime, 0.1);
    EXPECT_EQ((std::vector<int>{poles.m_nTdCurrent1, poles.m_nTdCurrent2, poles.m_nTdCurrent3,
                                poles.m_nTdCurrent4}),
              (std::vector<int>{100, 200, 500, 1000}));
    EXPECT_EQ((std::vector<double>{poles.m_dTdTime1, poles.m_dTdTime2, poles.m_dTdTime3,
                                   poles.m_dTdTime4}),
              (std::vector<double>{0.2, 0.3, 0.5, 1.0}));
}
