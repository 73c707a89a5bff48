// The edge cases of the list fillers on small fixture databases.

#include "listdata/CRSList_CT1Current.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_Reactor.h"
#include "listdata/CRSList_VoltLow.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/quenlor/ListTestSupport.h"

#include <gtest/gtest.h>

using listtest::OpenFixture;
using listtest::Selected;
using listtest::Texts;
using Strings = std::vector<std::string>;

namespace {

const char* kEarthingTable = "CREATE TABLE List_Earthing (lEarthingID INTEGER PRIMARY KEY, "
                             "bIsDefault INTEGER, nEarthCode INTEGER, sSystemName TEXT COLLATE "
                             "NOCASE);\n";

} // namespace

TEST(ListFixture, CtWithoutBoxCountsTheRowsBeforeTheDefault) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE List_CT1Current (lCurrentID INTEGER PRIMARY KEY, bIsDefault INTEGER,
  nCT1Current INTEGER);
INSERT INTO List_CT1Current VALUES (1, 0, 50), (2, 0, 100), (3, 1, 150), (4, 0, 200),
  (5, 0, 300);
)");
    OpenFixture db(fixture.Path());
    CRSList_CT1Current rs(db.Get());
    int current = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLC(nullptr, &current), 2);
    EXPECT_EQ(current, 150);
    // No default at all: every row is walked.
    tvtest::FixtureDb none(R"(
CREATE TABLE List_CT1Current (lCurrentID INTEGER PRIMARY KEY, bIsDefault INTEGER,
  nCT1Current INTEGER);
INSERT INTO List_CT1Current VALUES (1, 0, 50), (2, 0, 100);
)");
    OpenFixture db2(none.Path());
    CRSList_CT1Current rs2(db2.Get());
    current = -1;
    EXPECT_EQ(rs2.DoReadSetDefaultLC(nullptr, &current), 2);
    EXPECT_EQ(current, -1);
}

TEST(ListFixture, EarthingListsPassOverCodesAndTheirDefaults) {
    tvtest::FixtureDb fixture(std::string(kEarthingTable) + R"(
INSERT INTO List_Earthing VALUES (1, 0, 1, 'TN-S'), (2, 1, 2, 'TN-C-S'), (3, 0, 3, 'TN-C'),
  (4, 0, 4, 'TT'), (5, 0, 5, 'IT'), (6, 0, 7, 'Other');
)");
    OpenFixture db(fixture.Path());
    CRSList_Earthing rs(db.Get());
    fw::CMemoryCombo three;
    unsigned code = 99;
    // The default row is TN-C-S, which a three-phase list does not offer.
    EXPECT_EQ(rs.DoReadSetDefaultLE3(&three, &code), 0);
    EXPECT_EQ(Texts(three), (Strings{"TN-S", "TN-C", "TT", "IT", "Other"}));
    EXPECT_EQ(Selected(three), "<none>");
    EXPECT_EQ(code, 99u);

    fw::CMemoryCombo single;
    EXPECT_EQ(rs.DoReadSetDefaultLE1(&single, &code), 0);
    EXPECT_EQ(Texts(single), (Strings{"TT", "IT", "Other"}));
    EXPECT_EQ(code, 99u);
}

TEST(ListFixture, TwoDefaultsLaterWinsWithABoxFirstWithout) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE List_VoltLow (lVoltageID INTEGER PRIMARY KEY, bIsDefault INTEGER,
  lVoltage INTEGER);
INSERT INTO List_VoltLow VALUES (1, 0, 690), (2, 1, 230), (3, 1, 400);
)");
    OpenFixture db(fixture.Path());
    CRSList_VoltLow rs(db.Get());
    fw::CMemoryCombo box;
    int32_t voltage = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLV(&box, &voltage), 3);
    EXPECT_EQ(Texts(box), (Strings{"230", "400", "690"})); // ascending voltage
    EXPECT_EQ(Selected(box), "400");
    EXPECT_EQ(voltage, 400);
    EXPECT_EQ(rs.DoReadSetDefaultLV(nullptr, &voltage), 2);
    EXPECT_EQ(voltage, 230);
}

TEST(ListFixture, RefusedAdditionReturnsZeroAfterADefault) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE List_Reactor (lReactorID INTEGER PRIMARY KEY, bIsDefault INTEGER, dReactor REAL);
INSERT INTO List_Reactor VALUES (1, 1, 0), (2, 0, 6), (3, 0, 13);
CREATE TABLE List_CT1Current (lCurrentID INTEGER PRIMARY KEY, bIsDefault INTEGER,
  nCT1Current INTEGER);
INSERT INTO List_CT1Current VALUES (1, 1, 50), (2, 0, 100);
)");
    OpenFixture db(fixture.Path());
    for (int code : {fw::IComboBox::CB_ERR, -2 /* CB_ERRSPACE */}) {
        SCOPED_TRACE(code);
        CRSList_Reactor rs(db.Get());
        listtest::RefusingCombo box(1, code);
        double reactor = -1;
        EXPECT_EQ(rs.DoReadSetDefaultLR(&box, &reactor), 0);
        EXPECT_EQ(Texts(box), (Strings{"0"}));
        EXPECT_DOUBLE_EQ(reactor, 0); // written at the default before the refusal

        CRSList_CT1Current ct(db.Get());
        listtest::RefusingCombo ctBox(1, code);
        EXPECT_EQ(ct.DoReadSetDefaultLC(&ctBox, nullptr), 0);
    }
}

TEST(ListFixture, ReactorTextsCarryTheirDecimals) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE List_Reactor (lReactorID INTEGER PRIMARY KEY, bIsDefault INTEGER, dReactor REAL);
INSERT INTO List_Reactor VALUES (1, 0, 0.06), (2, 1, 6), (3, 0, 13.5);
)");
    OpenFixture db(fixture.Path());
    CRSList_Reactor rs(db.Get());
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDefaultLR(&box, nullptr), 2);
    EXPECT_EQ(Texts(box), (Strings{"0.06", "6", "13.5"}));
}

TEST(ListFixture, RowsWithoutValuesAreNotOffered) {
    tvtest::FixtureDb fixture(std::string(kEarthingTable) + R"(
INSERT INTO List_Earthing VALUES (1, 0, 1, NULL), (2, 0, NULL, 'Nameless'), (3, 1, 4, 'TT'),
  (4, 0, 5, 'IT');
CREATE TABLE List_VoltLow (lVoltageID INTEGER PRIMARY KEY, bIsDefault INTEGER,
  lVoltage INTEGER);
INSERT INTO List_VoltLow VALUES (1, 1, NULL), (2, 0, 400);
)");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSList_Earthing rs(db.Get());
    fw::CMemoryCombo box;
    unsigned code = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLE3(&box, &code), 3);
    EXPECT_EQ(Texts(box), (Strings{"TT", "IT"}));
    EXPECT_EQ(code, 4u);
    EXPECT_EQ(rs.DoReadByEarthCode(1), "");

    CRSList_VoltLow volts(db.Get());
    fw::CMemoryCombo vbox;
    int32_t voltage = -1;
    EXPECT_EQ(volts.DoReadSetDefaultLV(&vbox, &voltage), 0);
    EXPECT_EQ(Texts(vbox), (Strings{"400"}));
    EXPECT_EQ(voltage, -1);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(ListFixture, MissingTableIsShownWithTheDefaultSql) {
    tvtest::FixtureDb fixture("CREATE TABLE Other (a INTEGER);");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSList_Earthing rs(db.Get());
    EXPECT_EQ(rs.DoReadByEarthCode(4), "");
    ASSERT_EQ(capture.Count(), 1u);
    // The earthing table's SQL stands without brackets.
    EXPECT_NE(capture.Last().text.find(" List_Earthing "), std::string::npos);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDefaultLE3(&box, nullptr), 0);
    CRSList_CT1Current ct(db.Get());
    EXPECT_EQ(ct.DoReadSetDefaultLC(&box, nullptr), 0);
    EXPECT_EQ(capture.Count(), 3u);
    EXPECT_NE(capture.Last().text.find("[List_CT1Current]"), std::string::npos);
}

TEST(ListFixture, NameLookupErrorInTheMiddleKeepsTheNameReadBefore) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE Systems (lEarthingID INTEGER PRIMARY KEY, bIsDefault INTEGER, nEarthCode INTEGER,
  sSystemName TEXT COLLATE NOCASE);
INSERT INTO Systems VALUES (1, 0, 1, 'TN-S'), (2, 0, 2, 'TN-C-S'), (3, 0, 3, 'TN-C');
CREATE VIEW List_Earthing AS SELECT lEarthingID, bIsDefault, nEarthCode,
  CASE WHEN lEarthingID = 3 THEN abs(-9223372036854775807 - 1) ELSE sSystemName END
  AS sSystemName FROM Systems;
)");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSList_Earthing rs(db.Get());
    EXPECT_EQ(rs.DoReadByEarthCode(0), "TN-C-S");
    EXPECT_EQ(capture.Count(), 1u);
}
