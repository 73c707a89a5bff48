// The edge cases of the equipment lookups on small fixture databases: table
// contents the reference database does not have, missing values and engine
// errors.

#include "equipdata/CRSEquip_BusBar.h"
#include "equipdata/CRSEquip_Generator.h"
#include "equipdata/CRSEquip_Load.h"
#include "equipdata/CRSEquip_Motor.h"
#include "equipdata/CRSEquip_Trans3.h"
#include "equipdata/CRSEquip_WireZ.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/sarquine/EquipTestSupport.h"

#include <gtest/gtest.h>

using equiptest::OpenFixture;
using equiptest::Selected;
using equiptest::Texts;
using Strings = std::vector<std::string>;

namespace {

const char* kMotorTable = "CREATE TABLE Equip_Motor (lMotorID INTEGER PRIMARY KEY, dCapacity "
                          "REAL, dPowerFactor REAL, dStartingCurrent REAL, dStartingTime REAL, "
                          "dInrushCurrent REAL);\n";

const char* kBusBarTable =
    "CREATE TABLE Equip_BusBar (lBusBarID INTEGER PRIMARY KEY, bIsDefaultW INTEGER, nWidth "
    "INTEGER, bIsDefaultT INTEGER, nThickness INTEGER, bIsDefaultN INTEGER, nNumber INTEGER, ddm "
    "REAL, dSkinEffect REAL, dCuIzPainted REAL, dCuIzBare REAL, dAlIzPainted REAL, dAlIzBare "
    "REAL, dk3Painted REAL, dk3Bare REAL, dProximityk4 REAL);\n";

const char* kCapacityTable = "(lGeneratorID INTEGER PRIMARY KEY, bIsDefault INTEGER, lCapacity "
                             "INTEGER, dReactance REAL, dSubReactance REAL, dConstant REAL, "
                             "dSubConstant REAL);\n";

std::string GeneratorTable(const std::string& rows) {
    return std::string("CREATE TABLE Equip_Generator ") + kCapacityTable + rows;
}

} // namespace

TEST(EquipFixture, MotorTableEndingAt37ThenCatchAll) {
    tvtest::FixtureDb fixture(std::string(kMotorTable) + R"(
INSERT INTO Equip_Motor VALUES (1, 0.75, 0.70, 5.0, 3, 8.5), (2, 1.5, 0.75, 5.5, 3, 9.4),
  (3, 2.2, 0.80, 6.0, 4, 10.2), (4, 3.7, 0.82, 6.5, 4, 11.0), (5, 37, 0.86, 7.0, 8, 11.9),
  (6, -1, 0.88, 7.0, 10, 12.0);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_Motor rs(db.Get());
    double pf = 0, s = 0, t = 0, n = 0;
    EXPECT_EQ(rs.DoReadByCapacity(2.0, &pf, &s, &t, &n), 3);
    EXPECT_DOUBLE_EQ(pf, 0.80);
    EXPECT_EQ(rs.DoReadByCapacity(100, &pf, &s, &t, &n), 6);
    EXPECT_DOUBLE_EQ(t, 10);
}

TEST(EquipFixture, KeyedTableReadInAscendingKeyWithTheCatchAllLast) {
    // The rows lie in the file in the wrong order; the lookup must not care.
    tvtest::FixtureDb fixture(std::string(kMotorTable) + R"(
INSERT INTO Equip_Motor VALUES (1, -1, 0.88, 7, 10, 12), (2, 37, 0.86, 7, 8, 11.9),
  (3, 2.2, 0.80, 6, 4, 10.2), (4, 0.75, 0.70, 5, 3, 8.5);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_Motor rs(db.Get());
    double pf = 0;
    EXPECT_EQ(rs.DoReadByCapacity(2.0, &pf, nullptr, nullptr, nullptr), 3);
    EXPECT_EQ(rs.DoReadByCapacity(0.5, &pf, nullptr, nullptr, nullptr), 4);
    EXPECT_EQ(rs.DoReadByCapacity(50, &pf, nullptr, nullptr, nullptr), 1);
}

TEST(EquipFixture, LoadAboveEveryRowWithoutCatchAllIsZeroAndLeavesOutputs) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE Equip_Load (lLoadID INTEGER PRIMARY KEY, dLoadCurrent REAL, dPowerFactor REAL,
  dStartingCurrent REAL, dStartingTime REAL);
INSERT INTO Equip_Load VALUES (1, 10, 0.8, 3, 0.5), (2, 100, 0.85, 2, 1);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_Load rs(db.Get());
    double pf = 0.33, s = 0.44, t = 0.55;
    EXPECT_EQ(rs.DoReadByLoadCurrent(150, &pf, &s, &t), 0);
    EXPECT_EQ(pf, 0.33);
    EXPECT_EQ(s, 0.44);
    EXPECT_EQ(t, 0.55);
}

TEST(EquipFixture, WireRangeWithJisSizes) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE Equip_WireZ (lWireZID INTEGER PRIMARY KEY, bIsDefault INTEGER, dCoreSize REAL,
  dCoefficient REAL, dThickness REAL, dOutsideDe REAL);
INSERT INTO Equip_WireZ VALUES (1, 0, 2, 1.0, 0.8, 5), (2, 0, 3.5, 1.0, 0.8, 6),
  (3, 1, 5.5, 1.0, 1.0, 7), (4, 0, 8, 1.0, 1.0, 8), (5, 0, 14, 1.0, 1.0, 9),
  (6, 0, 22, 1.1, 1.2, 11), (7, 0, 38, 1.1, 1.2, 13), (8, 0, 60, 1.1, 1.4, 15),
  (9, 0, 100, 1.1, 1.6, 18), (10, 0, 150, 1.1, 1.8, 21);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_WireZ rs(db.Get());
    double c = 0, t = 0, od = 0;
    EXPECT_EQ(rs.DoReadByCoreSize(70, 2, 100, &c, &t, &od), 9);
    EXPECT_DOUBLE_EQ(od, 18);
    // Above the range: the values and id of the 100 row.
    od = 0;
    EXPECT_EQ(rs.DoReadByCoreSize(120, 2, 100, &c, &t, &od), 9);
    EXPECT_DOUBLE_EQ(t, 1.6);
    EXPECT_DOUBLE_EQ(od, 18);
    // An empty range.
    EXPECT_EQ(rs.DoReadByCoreSize(300, 200, 400, &c, &t, &od), 0);

    fw::CMemoryCombo box;
    EXPECT_DOUBLE_EQ(rs.DoReadSetDefaultWZ(&box, 2, 100, nullptr, nullptr, nullptr), 5.5);
    EXPECT_EQ(Texts(box), (Strings{"2", "3.5", "5.5", "8", "14", "22", "38", "60", "100"}));
    EXPECT_EQ(Selected(box), "5.5");
}

TEST(EquipFixture, WireBelowTheMinimumDoesNotEvenOpen) {
    // The file has no wire table at all: opening would be an engine error.
    tvtest::FixtureDb fixture("CREATE TABLE Other (a INTEGER);");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSEquip_WireZ rs(db.Get());
    EXPECT_EQ(rs.DoReadByCoreSize(1.5, 2, 100, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(EquipFixture, BusBarWidthListMergesOnlyNeighbouringRepeats) {
    tvtest::FixtureDb fixture(std::string(kBusBarTable) + R"(
INSERT INTO Equip_BusBar (lBusBarID, bIsDefaultW, nWidth, bIsDefaultT, nThickness, bIsDefaultN,
  nNumber) VALUES (1, 0, 40, 1, 5, 1, 1), (2, 0, 40, 0, 10, 1, 1), (3, 1, 50, 1, 5, 1, 1),
  (4, 0, 40, 0, 3, 1, 1);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_BusBar rs(db.Get());
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDefaultWidth(&box, 0), 50);
    EXPECT_EQ(Texts(box), (Strings{"40", "50", "40"}));
    EXPECT_EQ(Selected(box), "50");
}

TEST(EquipFixture, CatchAllDefaultIsReturnedButNotListed) {
    tvtest::FixtureDb fixture(R"(
CREATE TABLE Equip_Trans3 (lTransID INTEGER PRIMARY KEY, bIsDefault INTEGER, lCapacity INTEGER,
  dPercentR REAL, dPercentX REAL, dPeakValue REAL, dDampingTime REAL);
INSERT INTO Equip_Trans3 VALUES (1, 0, 100, 1.7, 3.6, 15, 6), (2, 0, 500, 1.1, 3.8, 12, 10),
  (3, 1, -1, 1.0, 5.9, 7, 25);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_Trans3 rs(db.Get());
    fw::CMemoryCombo box;
    double capacity = 0, x = 0;
    EXPECT_EQ(rs.DoReadSetDefaultT3(&box, &capacity, nullptr, &x, nullptr, nullptr), 3);
    EXPECT_EQ(Texts(box), (Strings{"100", "500"}));
    EXPECT_EQ(Selected(box), "<none>");
    EXPECT_DOUBLE_EQ(capacity, -1);
    EXPECT_DOUBLE_EQ(x, 5.9);
}

TEST(EquipFixture, RefusedAdditionReturnsZeroAfterADefaultAndKeepsTheEntries) {
    tvtest::FixtureDb fixture(GeneratorTable(R"(
INSERT INTO Equip_Generator VALUES (1, 1, 100, 24, 14.5, 0.012, 0.009),
  (2, 0, 200, 23, 14, 0.018, 0.010), (3, 0, 300, 23, 13.5, 0.02, 0.012);
)"));
    OpenFixture db(fixture.Path());
    for (int code : {fw::IComboBox::CB_ERR, -2 /* CB_ERRSPACE */}) {
        SCOPED_TRACE(code);
        CRSEquip_Generator rs(db.Get());
        equiptest::RefusingCombo box(2, code);
        EXPECT_EQ(rs.DoReadSetDefaultG(&box, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(Texts(box), (Strings{"100", "200"}));
    }
}

TEST(EquipFixture, TwoDefaultRowsLaterWinsWithABoxFirstWithout) {
    tvtest::FixtureDb fixture(GeneratorTable(R"(
INSERT INTO Equip_Generator VALUES (1, 1, 100, 24, 14.5, 0.012, 0.009),
  (2, 0, 200, 23, 14, 0.018, 0.010), (3, 1, 300, 23, 13.5, 0.02, 0.012);
)"));
    OpenFixture db(fixture.Path());
    CRSEquip_Generator rs(db.Get());
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDefaultG(&box, nullptr, nullptr, nullptr, nullptr, nullptr), 3);
    EXPECT_EQ(Selected(box), "300");
    double capacity = 0;
    EXPECT_EQ(rs.DoReadSetDefaultG(nullptr, &capacity, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(capacity, 100);
}

TEST(EquipFixture, MissingValueReadsAsNoDataAndRowWithoutKeyIsPassedOver) {
    tvtest::FixtureDb fixture(std::string(kMotorTable) + GeneratorTable("") + R"(
INSERT INTO Equip_Motor VALUES (1, NULL, 0.5, 5, 2, 8), (2, 5.5, NULL, 6.8, 5, 11.6),
  (3, -1, 0.9, 6.8, 20, 11.6);
INSERT INTO Equip_Generator VALUES (1, 1, NULL, 25, 15, 0.01, 0.008),
  (2, 1, 200, 23, NULL, 0.018, 0.010);
)");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSEquip_Motor motor(db.Get());
    double pf = 0, s = 0;
    // The row without a capacity fits nothing; the 5.5 kW row lacks its
    // power factor, which reads as "not in the database".
    EXPECT_EQ(motor.DoReadByCapacity(1, &pf, &s, nullptr, nullptr), 2);
    EXPECT_DOUBLE_EQ(pf, -1.0);
    EXPECT_DOUBLE_EQ(s, 6.8);

    CRSEquip_Generator gen(db.Get());
    fw::CMemoryCombo box;
    double capacity = 0, xdd = 0;
    EXPECT_EQ(gen.DoReadSetDefaultG(&box, &capacity, nullptr, &xdd, nullptr, nullptr), 2);
    EXPECT_EQ(Texts(box), (Strings{"200"}));
    EXPECT_DOUBLE_EQ(capacity, 200);
    EXPECT_DOUBLE_EQ(xdd, -1.0);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(EquipFixture, NullOutputsAreSkippedEverywhere_FaultNullOutputPointer) {
    tvtest::FixtureDb fixture(std::string(kMotorTable) +
                              "INSERT INTO Equip_Motor VALUES (1, 7.5, 0.84, 7, 5, 11.9);");
    OpenFixture db(fixture.Path());
    CRSEquip_Motor rs(db.Get());
    double inrush = 0;
    EXPECT_EQ(rs.DoReadByCapacity(7.5, nullptr, nullptr, nullptr, &inrush), 1);
    EXPECT_DOUBLE_EQ(inrush, 11.9);
}

TEST(EquipFixture, MissingTableIsShownWithTheDefaultSqlAndGivesZero) {
    tvtest::FixtureDb fixture("CREATE TABLE Other (a INTEGER);");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSEquip_Load rs(db.Get());
    double pf = 0.5;
    EXPECT_EQ(rs.DoReadByLoadCurrent(10, &pf, nullptr, nullptr), 0);
    EXPECT_EQ(pf, 0.5);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("[Equip_Load]"), std::string::npos);
    EXPECT_EQ(capture.Last().type & fw::mb::IconMask, fw::mb::IconStop);

    CRSEquip_WireZ wires(db.Get());
    fw::CMemoryCombo box;
    EXPECT_EQ(wires.DoReadSetDefaultWZ(&box, 1.5, 630, nullptr, nullptr, nullptr), 0.0);
    EXPECT_EQ(capture.Count(), 2u);
}

TEST(EquipFixture, EngineErrorInTheMiddleOfAListKeepsTheEntriesAndGivesZero) {
    // A view whose third row fails while it is read.
    tvtest::FixtureDb fixture(std::string(kBusBarTable) + R"(
ALTER TABLE Equip_BusBar RENAME TO Bars;
INSERT INTO Bars (lBusBarID, bIsDefaultW, nWidth, bIsDefaultT, nThickness, bIsDefaultN, nNumber)
  VALUES (1, 1, 40, 1, 5, 1, 1), (2, 0, 50, 1, 5, 1, 1), (3, 0, 60, 1, 5, 1, 1),
  (4, 0, 80, 1, 5, 1, 1);
CREATE VIEW Equip_BusBar AS SELECT lBusBarID, bIsDefaultW, nWidth, bIsDefaultT, nThickness,
  bIsDefaultN, nNumber,
  CASE WHEN lBusBarID = 3 THEN abs(-9223372036854775807 - 1) ELSE ddm END AS ddm,
  dSkinEffect, dCuIzPainted, dCuIzBare, dAlIzPainted, dAlIzBare, dk3Painted, dk3Bare,
  dProximityk4 FROM Bars;
)");
    OpenFixture db(fixture.Path());
    tvtest::MessageCapture capture;
    CRSEquip_BusBar rs(db.Get());
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetDefaultWidth(&box, 0), 0);
    EXPECT_EQ(Texts(box), (Strings{"40", "50"}));
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("[Equip_BusBar]"), std::string::npos);
}

TEST(EquipFixture, DefaultGeometryIgnoresAnEarlierLookupsFilter_FaultStaleFilter) {
    tvtest::FixtureDb fixture(std::string(kBusBarTable) + R"(
INSERT INTO Equip_BusBar (lBusBarID, bIsDefaultW, nWidth, bIsDefaultT, nThickness, bIsDefaultN,
  nNumber, ddm, dSkinEffect) VALUES (1, 0, 40, 1, 5, 1, 1, 5, 1.02),
  (2, 1, 100, 1, 10, 1, 1, 10, 1.08), (3, 1, 100, 1, 10, 0, 2, 30, 1.23);
)");
    OpenFixture db(fixture.Path());
    CRSEquip_BusBar rs(db.Get());
    double ks = 0, dm = 0;
    EXPECT_EQ(rs.DoReadZByValues(40, 5, 1, &ks, &dm), 1);
    // The same object, next call: the width filter of the call before must
    // not narrow the default rows to none.
    int w = 0, t = 0, n = 0;
    EXPECT_EQ(rs.DoReadByDefault(&w, &t, &n), 2);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(t, 10);
    EXPECT_EQ(n, 1);
}
