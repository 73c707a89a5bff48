// The motor-starter co-ordination rows: readers by motor output, breaker,
// contactor and thermal relay, and the combo fillers of the starter lists.

#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "tests/common/ComboTestSupport.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class RealCoordination : public ::testing::Test {
protected:
    RealCoordination() { m_db.Open(dorventa::GetPathMDBDorventa()); }
    ~RealCoordination() override { EXPECT_EQ(m_messages.Count(), 0u); }
    tvtest::MessageCapture m_messages;
    fw::CDatabase m_db;
};

std::vector<double> Outputs(const CReadCoordinationList& list) {
    std::vector<double> kw;
    for (const auto& r : list)
        kw.push_back(r->m_dP);
    return kw;
}

} // namespace

// Starters of the reference data at 400 V: KVR breakers (191 to 193), KCT
// contactors (481 and up) and KTH thermal relays (401 to 404), for motors of
// 0.37 to 75 kW, in co-ordination types 1 and 2.

TEST_F(RealCoordination, ByMotorOutputEveryColumnOfTheRow) {
    CRSBreak_Coordination rs(&m_db);
    CReadCoordinationList list;
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 5.5, &list), 1);
    ASSERT_EQ(list.GetCount(), 1);
    const CReadCoordination* r = list.GetHead();
    EXPECT_EQ(r->m_dP, 5.5);
    EXPECT_EQ(r->m_dI, 11.5);
    EXPECT_EQ(r->m_lLVCBTypeID, 191);
    EXPECT_EQ(r->m_dRatedCurrent, 16.0);
    EXPECT_EQ(r->m_dTripCurrent, 208.0);
    EXPECT_EQ(r->m_lContactorTypeID, 482);
    EXPECT_EQ(r->m_lThermalTypeID, 401);
    EXPECT_EQ(r->m_dRangeMin, 9.0);
    EXPECT_EQ(r->m_dRangeMax, 13.0);
    EXPECT_EQ(r->m_dOrdering, 11.0);
    EXPECT_EQ(r->m_dCu, 1.5);
    EXPECT_EQ(r->m_nNumber, 1);
    EXPECT_EQ(r->m_dIe, 12.0);
    // Type 2 takes a larger contactor for the same motor; rows are appended.
    EXPECT_EQ(rs.DoReadByMotorCapacity(2, 5.5, &list), 1);
    EXPECT_EQ(list.GetAt(1)->m_lContactorTypeID, 483);
    EXPECT_EQ(list.GetAt(1)->m_dIe, 13.0);
    // Fractional outputs are found; an output without a row gives none, and
    // without a list the rows are only counted.
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 0.37, nullptr), 1);
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 3.7, nullptr), 0);
    EXPECT_EQ(rs.DoReadByMotorCapacity(3, 5.5, nullptr), 0);
}

TEST_F(RealCoordination, ByBreakerContactorAndThermalRelayInRisingOutput) {
    CRSBreak_Coordination rs(&m_db);
    CReadCoordinationList list;
    EXPECT_EQ(rs.DoReadByLVCBTypeRated(1, 191, 16, &list), 2);
    EXPECT_EQ(Outputs(list), (std::vector<double>{5.5, 7.5}));
    list.DoDeleteAllReadCoordinations();
    EXPECT_EQ(rs.DoReadByLVCBTypeRated(1, 193, 80, &list), 2);
    EXPECT_EQ(Outputs(list), (std::vector<double>{37, 45}));
    EXPECT_EQ(rs.DoReadByLVCBTypeRated(1, 191, 80, nullptr), 0);

    list.DoDeleteAllReadCoordinations();
    EXPECT_EQ(rs.DoReadByContactor(1, 481, &list), 8);
    EXPECT_EQ(Outputs(list), (std::vector<double>{0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3, 4}));
    EXPECT_EQ(rs.DoReadByContactor(2, 481, nullptr), 0);
    EXPECT_EQ(rs.DoReadByContactor(2, 482, nullptr), 8);

    list.DoDeleteAllReadCoordinations();
    EXPECT_EQ(rs.DoReadByThermalTypeRated(1, 401, 3.2, &list), 2);
    EXPECT_EQ(Outputs(list), (std::vector<double>{1.1, 1.5}));
    EXPECT_EQ(rs.DoReadByThermalTypeRated(2, 401, 1.3, nullptr), 2);
    EXPECT_EQ(rs.DoReadByThermalTypeRated(1, 402, 1.3, nullptr), 0);
}

TEST_F(RealCoordination, TypeNameFillersListEachTypeWhereItsRowsBegin) {
    CRSBreak_Coordination rs(&m_db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetThermalType(&box, 1), 4);
    EXPECT_EQ(tvtest::Texts(box),
              (std::vector<std::string>{"KTH-12", "KTH-32", "KTH-95", "KTH-150"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{401, 402, 403, 404}));

    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetLVCBType(&box, 2), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"KVR-32", "KVR-63", "KVR-160"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{191, 192, 193}));

    // Contactors by trip current; two contactors share the trip current
    // 208 A, so only the set is fixed there.
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetContactor(&box, 1), 11);
    std::vector<intptr_t> data = tvtest::Data(box);
    EXPECT_EQ(data.front(), 481);
    EXPECT_EQ(data.back(), 492);
    std::sort(data.begin(), data.end());
    EXPECT_EQ(data, (std::vector<intptr_t>{481, 482, 483, 484, 485, 486, 487, 488, 489, 491, 492}));
    EXPECT_EQ(box.GetLBText(0), "KCT-9");

    // Without a box nothing is added.
    EXPECT_EQ(rs.DoReadSetThermalType(nullptr, 1), 0);
    EXPECT_EQ(rs.DoReadSetContactor(nullptr, 1), 0);
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetLVCBType(&box, 5), 0);
}

TEST_F(RealCoordination, SettingAndValueFillers) {
    CRSBreak_Coordination rs(&m_db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetThermalRated(&box, 1, 401), 7);
    EXPECT_EQ(tvtest::Texts(box),
              (std::vector<std::string>{"1-1.6 (1.3A)", "1.6-2.5 (2A)", "2.5-4 (3.2A)", "4-6 (5A)",
                                        "5.5-8 (7A)", "7-10 (8.5A)", "9-13 (11A)"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{13, 20, 32, 50, 70, 85, 110}));

    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetLVCBRated(&box, 1, 191), 7);
    EXPECT_EQ(tvtest::Texts(box),
              (std::vector<std::string>{"2.5", "4", "6.3", "10", "16", "25", "32"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>(7, 0)));

    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetMotorCapacity(&box, 2), 19);
    EXPECT_EQ(box.GetLBText(0), "0.37");
    EXPECT_EQ(box.GetLBText(18), "75");

    EXPECT_EQ(rs.DoReadSetThermalRated(nullptr, 1, 401), 0);
    EXPECT_EQ(rs.DoReadSetLVCBRated(nullptr, 1, 191), 0);
    EXPECT_EQ(rs.DoReadSetMotorCapacity(nullptr, 1), 0);
}

namespace {

// Co-ordination type 1: thermal relays 7, 8, 7 in rising setting (so type 7
// is met again after type 8), a first row whose type and values are 0, and
// two rows of 3.7 kW (duplicates) with settings of 0.13 and 0.13 A.
const char* kRows = R"(
INSERT INTO [Break_Type] ([lTypeID],[sTypeName]) VALUES (7,'Relay A'),(8,'Relay B'),(9,'Breaker');
INSERT INTO [Break_Info] ([lTypeID]) VALUES (7),(8),(9);
INSERT INTO [Break_Coordination] ([nType],[dP],[lLVCBTypeID],[dRatedCurrent],[lContactorTypeID],
  [lThermalTypeID],[dRangeMin],[dRangeMax],[dOrdering],[dTripCurrent]) VALUES
  (1, 0, 0, 0, 0, 0, 0, 0, 0, 0),
  (1, 3.7, 9, 10, 0, 7, 0.1, 0.16, 0.13, 100),
  (1, 3.7, 9, 10, 0, 7, 0.1, 0.16, 0.13, 100),
  (1, 5.5, 9, 16, 0, 8, 0.16, 0.25, 0.2, 100),
  (1, 7.5, 9, 16, 0, 7, 0.25, 0.4, 0.32, 100);
)";

class FixtureCoordination : public ::testing::Test {
protected:
    FixtureCoordination() : m_fixture(dvtest::BreakerSchema() + kRows) {
        m_db.Open(m_fixture.Path());
    }
    tvtest::MessageCapture m_messages;
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

} // namespace

TEST_F(FixtureCoordination, NewComparesWithThePreviousRowOnly) {
    CRSBreak_Coordination rs(&m_db);
    fw::CMemoryCombo box;
    // The row of type 0 is not new; type 7 comes again after type 8.
    EXPECT_EQ(rs.DoReadSetThermalType(&box, 1), 3);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"Relay A", "Relay B", "Relay A"}));
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetThermalRated(&box, 1, 7), 2);
    EXPECT_EQ(tvtest::Texts(box),
              (std::vector<std::string>{"0.1-0.16 (0.13A)", "0.25-0.4 (0.32A)"}));
    EXPECT_EQ(tvtest::Data(box), (std::vector<intptr_t>{1, 3}));
    // The motor outputs keep their duplicates (and the row of 0 kW).
    box.ResetContent();
    EXPECT_EQ(rs.DoReadSetMotorCapacity(&box, 1), 5);
    EXPECT_EQ(tvtest::Texts(box), (std::vector<std::string>{"0", "3.7", "3.7", "5.5", "7.5"}));
    // 3.7 kW and a setting of 0.13 A are found as written.
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 3.7, nullptr), 2);
    EXPECT_EQ(rs.DoReadByThermalTypeRated(1, 7, 0.13, nullptr), 2);
    EXPECT_EQ(rs.DoReadByThermalTypeRated(1, 7, 0.130001, nullptr), 0);
    // A box that refuses entries counts only what it took.
    tvtest::RefusingCombo full(1, -1);
    EXPECT_EQ(rs.DoReadSetLVCBRated(&full, 1, 9), 1);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(FixtureCoordination, ADatabaseErrorIsShownAndKeepsWhatWasRead) {
    CRSBreak_Coordination rs(&m_db);
    CReadCoordinationList list;
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 3.7, &list), 2);
    m_db.Close();
    EXPECT_EQ(rs.DoReadByMotorCapacity(1, 3.7, &list), 0);
    EXPECT_EQ(list.GetCount(), 2);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetThermalType(&box, 1), 0);
    ASSERT_EQ(m_messages.Count(), 2u);
    EXPECT_NE(m_messages.Last().text.find("[Break_Coordination]"), std::string::npos);
}
