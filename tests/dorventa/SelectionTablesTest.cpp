// The selection tables of the breaker database: every column of the joined
// type view, the cascade and selectivity pairs and the co-ordination rows
// lands in its own member.

#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "tests/common/FixtureDb.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One row in each table, so that the joins (whose conditions the searches
// add) give exactly one row.
const char* kRows = R"(
INSERT INTO [Break_Type] VALUES (1, 2, 3, 1, 'T1', 1, 0, 'OKT', 'Series', 'N', 'd1', 'd2', 'Mk',
    'notes', 1, 0);
INSERT INTO [Break_Info] VALUES (11, 1, 4, 5, 11, 'temp', 'cat', 'trip', 9);
INSERT INTO [Break_Poles] VALUES (21, 1, 3, 230, 400, 440, 690, 30, 100, 200, 500, 1000, 0.1,
    101, 201, 501, 1001, 0.2, 0.3, 0.5, 1.5);
INSERT INTO [Break_Capacity] VALUES (31, 1, 415, 50000, 37500, 52500, 60000, 45000, 63000, 55000,
    40000, 57000);
INSERT INTO [Break_OpeKind] VALUES (41, 1, 0, 'Std', 3, 'In', 'A', 2, 'M', 'x', 1, 1);
INSERT INTO [Break_Rated] VALUES (51, 41, 1, '250A', 250, 200, 100, 25, 250);
INSERT INTO [Break_Cascade] VALUES (61, 1, 440, 2, 65000);
INSERT INTO [Break_Selective] VALUES (71, 1, 250.5, 415, 2, 630, 5000);
INSERT INTO [Break_Coordination] VALUES (81, 1, 2, 1, 400, 7.5, 15.2, 32, 25, 3, 4, 12, 18, 16,
    2.5, 1, 21);
)";

class SelectionTables : public ::testing::Test {
protected:
    SelectionTables() : m_fixture(dvtest::BreakerSchema() + kRows) { m_db.Open(m_fixture.Path()); }
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

template <class RS> void ExpectTypeColumns(const RS& rs, int32_t typeID) {
    EXPECT_EQ(typeID, 1);
    EXPECT_EQ(rs.m_lManufactureID, 2);
    EXPECT_EQ(rs.m_lGroupID, 3);
    EXPECT_EQ(rs.m_bIsDefault, 1);
    EXPECT_EQ(rs.m_sTypeName, "T1");
    EXPECT_EQ(rs.m_bCanUseCT, 1);
    EXPECT_EQ(rs.m_bCanUseCC, 0);
    EXPECT_EQ(rs.m_sOpeKindTitle, "OKT");
    EXPECT_EQ(rs.m_sSeriesName, "Series");
    EXPECT_EQ(rs.m_sOldNew, "N");
    EXPECT_EQ(rs.m_sNewDate, "d1");
    EXPECT_EQ(rs.m_sUpdateDate, "d2");
    EXPECT_EQ(rs.m_sMaker, "Mk");
    EXPECT_EQ(rs.m_sNotes, "notes");
    EXPECT_EQ(rs.m_lInfoID, 11);
    EXPECT_EQ(rs.m_lTypeID_Info, 1);
    EXPECT_EQ(rs.m_nOrder, 4);
    EXPECT_EQ(rs.m_nSubOrder, 5);
    EXPECT_EQ(rs.m_nUse, 11);
    EXPECT_EQ(rs.m_sTemperature, "temp");
    EXPECT_EQ(rs.m_sCategory, "cat");
    EXPECT_EQ(rs.m_sTripDevice, "trip");
    EXPECT_EQ(rs.m_nTypeOrder, 9);
}

template <class RS> void ExpectCapacityColumns(const RS& rs) {
    EXPECT_EQ(rs.m_lCapacityID, 31);
    EXPECT_EQ(rs.m_lTypeID_Capacity, 1);
    EXPECT_EQ(rs.m_lVoltage_Capacity, 415);
    EXPECT_EQ((std::vector<int32_t>{rs.m_lIcu, rs.m_lIcs, rs.m_lIq, rs.m_lIcuMCRLock,
                                    rs.m_lIcsMCRLock, rs.m_lIqMCRLock}),
              (std::vector<int32_t>{50000, 37500, 52500, 60000, 45000, 63000}));
}

} // namespace

TEST_F(SelectionTables, TheTypeViewBindsItsSeventyFourColumns) {
    CRSBreak_TypeLVCB rs(&m_db);
    EXPECT_EQ(rs.GetDefaultSQL(),
              "[Break_Type],[Break_Info],[Break_Poles],[Break_Capacity],[Break_OpeKind],"
              "[Break_Rated]");
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    ExpectTypeColumns(rs, rs.m_lTypeID);
    EXPECT_EQ(rs.m_bJisNewOld, 1);
    EXPECT_EQ(rs.m_bDelete, 0);
    EXPECT_EQ(rs.m_lPolesID, 21);
    EXPECT_EQ(rs.m_lTypeID_Poles, 1);
    EXPECT_EQ(
        (std::vector<int>{rs.m_nPoleCount, rs.m_nVoltAC1, rs.m_nVoltAC2, rs.m_nVoltAC3,
                          rs.m_nVoltAC4, rs.m_nHsCurrent1, rs.m_nHsCurrent2, rs.m_nHsCurrent3,
                          rs.m_nHsCurrent4, rs.m_nHsCurrent5, rs.m_nTdCurrent1, rs.m_nTdCurrent2,
                          rs.m_nTdCurrent3, rs.m_nTdCurrent4}),
        (std::vector<int>{3, 230, 400, 440, 690, 30, 100, 200, 500, 1000, 101, 201, 501, 1001}));
    EXPECT_EQ((std::vector<double>{rs.m_dHsTime, rs.m_dTdTime1, rs.m_dTdTime2, rs.m_dTdTime3,
                                   rs.m_dTdTime4}),
              (std::vector<double>{0.1, 0.2, 0.3, 0.5, 1.5}));
    EXPECT_EQ(rs.m_lCapacityID, 31);
    EXPECT_EQ(rs.m_lTypeID_Capacity, 1);
    EXPECT_EQ((std::vector<int32_t>{rs.m_lVoltage, rs.m_lIcu, rs.m_lIcs, rs.m_lIq, rs.m_lIcuJIS8201,
                                    rs.m_lIcsJIS8201, rs.m_lIqJIS8201}),
              (std::vector<int32_t>{415, 50000, 37500, 52500, 55000, 40000, 57000}));
    EXPECT_EQ(rs.m_lOpeKindID, 41);
    EXPECT_EQ(rs.m_lTypeID_OpeKind, 1);
    EXPECT_EQ(rs.m_bIsDefault_OpeKind, 0);
    EXPECT_EQ(rs.m_sOpeKindName, "Std");
    EXPECT_EQ(rs.m_nRatedFlag, 3);
    EXPECT_EQ(rs.m_sRatedTitle, "In");
    EXPECT_EQ(rs.m_sRatedUnit, "A");
    EXPECT_EQ(rs.m_nMagniFlag, 2);
    EXPECT_EQ(rs.m_sMagniTitle, "M");
    EXPECT_EQ(rs.m_sMagniUnit, "x");
    EXPECT_EQ(rs.m_lBreakRatedID, 51);
    EXPECT_EQ(rs.m_lOpeKindID_Rated, 41);
    EXPECT_EQ(rs.m_bIsDefault_Rated, 1);
    EXPECT_EQ(rs.m_sFixedName, "250A");
    EXPECT_EQ((std::vector<double>{rs.m_dFixedValue, rs.m_dContiDefValue, rs.m_dContiMiniValue,
                                   rs.m_dContiWidthValue, rs.m_dContiMaxValue}),
              (std::vector<double>{250, 200, 100, 25, 250}));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_F(SelectionTables, ACascadePairBindsItsThirtySevenColumns) {
    CRSBreak_Cascade rs(&m_db);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lCascadeID, 61);
    EXPECT_EQ(rs.m_lTypeID, 1);
    EXPECT_EQ(rs.m_lVoltage, 440);
    EXPECT_EQ(rs.m_lMainTypeID, 2);
    EXPECT_EQ(rs.m_lIcuBack, 65000);
    ExpectTypeColumns(rs, rs.m_lTypeID_Type);
    ExpectCapacityColumns(rs);
}

TEST_F(SelectionTables, ASelectivePairBindsItsThirtyNineColumns) {
    CRSBreak_Selective rs(&m_db);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lSelectivID, 71);
    EXPECT_EQ(rs.m_lTypeID, 1);
    EXPECT_EQ(rs.m_dRatedMax, 250.5);
    EXPECT_EQ(rs.m_lVoltage, 415);
    EXPECT_EQ(rs.m_lMainTypeID, 2);
    EXPECT_EQ(rs.m_dMainRatedMax, 630.0);
    EXPECT_EQ(rs.m_dIs, 5000.0);
    ExpectTypeColumns(rs, rs.m_lTypeID_Type);
    ExpectCapacityColumns(rs);
}

TEST_F(SelectionTables, ACoordinationRowBindsItsSeventeenColumns) {
    CRSBreak_Coordination rs(&m_db);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ((std::vector<int32_t>{rs.m_lCoordinationID, rs.m_lLVCBTypeID, rs.m_nType,
                                    rs.m_bIsDefault, rs.m_lVoltage, rs.m_lContactorTypeID,
                                    rs.m_lThermalTypeID, rs.m_nNumber}),
              (std::vector<int32_t>{81, 1, 2, 1, 400, 3, 4, 1}));
    EXPECT_EQ(
        (std::vector<double>{rs.m_dP, rs.m_dI, rs.m_dRatedCurrent, rs.m_dTripCurrent,
                             rs.m_dRangeMin, rs.m_dRangeMax, rs.m_dOrdering, rs.m_dCu, rs.m_dIe}),
        (std::vector<double>{7.5, 15.2, 32, 25, 12, 18, 16, 2.5, 21}));
}

TEST_F(SelectionTables, TheSelectiveVoltageIsASixteenBitValue) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() + kRows +
                              "UPDATE [Break_Selective] SET [lVoltage] = 66000;");
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSBreak_Selective rs(&db);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_lVoltage, static_cast<int16_t>(66000));
}
