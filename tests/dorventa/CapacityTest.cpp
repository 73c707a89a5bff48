// The capacity table: voltage mapping, the distinct Icu list, the capacities
// of a type and the lookup at a voltage.

#include "breakerdata/model/CReadCapacity.h"
#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "tests/common/FixtureDb.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Type 1: plain columns at 230, 415, 460 and 690 V (no Icu at 690 V).
// Type 2: one JIS row, so every row is judged on the JIS columns; its 415 V
// row has no JIS Icu. Type 3: nothing.
const char* kCapacity = R"(
INSERT INTO [Break_Capacity] VALUES (1, 1, 460, 36000, 27000, 30000, 50000, 40000, 45000, 0, 0, 0);
INSERT INTO [Break_Capacity] VALUES (2, 1, 230, 50000, 50000, 52000, 0, 0, 0, 0, 0, 0);
INSERT INTO [Break_Capacity] VALUES (3, 1, 415, 25000, 25000, 26000, 0, 0, 0, 0, 0, 0);
INSERT INTO [Break_Capacity] VALUES (4, 1, 690, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Break_Capacity] VALUES (5, 2, 415, 36000, 36000, 38000, 1, 2, 3, 0, 0, 0);
INSERT INTO [Break_Capacity] VALUES (6, 2, 460, 25000, 25000, 26000, 4, 5, 6, 30000, 22000, 31000);
INSERT INTO [Break_Capacity] VALUES (7, 2, 230, 50000, 50000, 52000, 7, 8, 9, 0, 0, 0);
)";

class Capacity : public ::testing::Test {
protected:
    Capacity() : m_fixture(dvtest::BreakerSchema() + kCapacity) { m_db.Open(m_fixture.Path()); }
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

struct Values {
    double ics = -1, icu = -1, iq = -1, icsLock = -1, icuLock = -1, iqLock = -1;
};

} // namespace

TEST(CapacityVoltage, NominalVoltagesMapOnceToTheirTableVoltage) {
    const int32_t cases[][2] = {{100, 110}, {200, 220}, {230, 250}, {380, 415},
                                {400, 440}, {415, 460}, {440, 480}, {500, 550},
                                {690, 690}, {0, 0},     {525, 525}, {-380, -380}};
    for (const auto& c : cases)
        EXPECT_EQ(CRSBreak_Capacity::DoCheckVolt(c[0]), c[1]) << c[0];
}

TEST_F(Capacity, TheTypeRowsComeInRisingVoltageWithAllTenValues) {
    CRSBreak_Capacity rs(&m_db);
    CReadCapacityList list;
    EXPECT_EQ(rs.DoReadByTypeID(2, &list), 3);
    ASSERT_EQ(list.GetCount(), 3);
    std::vector<int32_t> volts;
    for (const auto& c : list)
        volts.push_back(c->m_lVoltage);
    EXPECT_EQ(volts, (std::vector<int32_t>{230, 415, 460}));
    const CReadCapacity* c = list.GetAt(2);
    EXPECT_EQ((std::vector<int32_t>{c->m_lIcu, c->m_lIcs, c->m_lIq, c->m_lIcuMCRLock,
                                    c->m_lIcsMCRLock, c->m_lIqMCRLock, c->m_lIcuJIS8201,
                                    c->m_lIcsJIS8201, c->m_lIqJIS8201}),
              (std::vector<int32_t>{25000, 25000, 26000, 4, 5, 6, 30000, 22000, 31000}));
    // The list is appended to, and may be absent.
    EXPECT_EQ(rs.DoReadByTypeID(1, &list), 4);
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(rs.DoReadByTypeID(1, nullptr), 4);
}

TEST_F(Capacity, TypeIdZeroIsAFilterAndANegativeIdReadsEveryRow) {
    CRSBreak_Capacity rs(&m_db);
    EXPECT_EQ(rs.DoReadByTypeID(0, nullptr), 0);
    EXPECT_EQ(rs.DoReadByTypeID(-1, nullptr), 7);
    EXPECT_EQ(rs.DoReadByTypeID(3, nullptr), 0);
}

TEST_F(Capacity, LookupTakesTheFirstRowAtOrAboveTheVoltage) {
    struct Case {
        int32_t type, voltage, result;
        Values v;
    };
    const Case cases[] = {
        // Plain columns: 440 V is read from the 460 V row, 100 V from 230 V.
        {1, 440, 460, {27000, 36000, 30000, 40000, 50000, 45000}},
        {1, 100, 230, {50000, 50000, 52000, 0, 0, 0}},
        {1, 415, 415, {25000, 25000, 26000, 0, 0, 0}},
        // The 690 V row has no Icu: nothing at or above 461 V.
        {1, 461, 0, {}},
        {1, 700, 0, {}},
        // JIS: the 230 and 415 V rows have no JIS Icu and are passed over;
        // the lock columns are the same in both cases.
        {2, 230, 460, {22000, 30000, 31000, 5, 4, 6}},
        {3, 230, 0, {}},
        {0, 230, 0, {}},
    };
    for (const Case& c : cases) {
        CRSBreak_Capacity rs(&m_db);
        Values v;
        EXPECT_EQ(rs.DoReadByTypeVolt(c.type, c.voltage, &v.ics, &v.icu, &v.iq, &v.icsLock,
                                      &v.icuLock, &v.iqLock),
                  c.result)
            << c.type << " at " << c.voltage;
        Values want = c.result ? c.v : Values{};
        EXPECT_EQ((std::vector<double>{v.ics, v.icu, v.iq, v.icsLock, v.icuLock, v.iqLock}),
                  (std::vector<double>{want.ics, want.icu, want.iq, want.icsLock, want.icuLock,
                                       want.iqLock}))
            << c.type << " at " << c.voltage;
    }
}

TEST_F(Capacity, LookupAcceptsMissingOutputs) {
    CRSBreak_Capacity rs(&m_db);
    double icu = 0;
    EXPECT_EQ(rs.DoReadByTypeVolt(1, 380, nullptr, &icu, nullptr, nullptr, nullptr, nullptr), 415);
    EXPECT_EQ(icu, 25000.0);
}

TEST_F(Capacity, ANegativeTypeWithoutJISRowsFindsNothing) {
    // Without a type the scan for JIS rows runs to the end and is not rewound
    // unless a JIS row was found; with one, every row is judged on JIS.
    CRSBreak_Capacity rs(&m_db);
    Values v;
    EXPECT_EQ(rs.DoReadByTypeVolt(-1, 230, &v.ics, &v.icu, &v.iq, nullptr, nullptr, nullptr), 460);
    EXPECT_EQ(v.icu, 30000.0);
}

TEST(CapacityList, DistinctIcuValuesInKiloamperes) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() + R"(
INSERT INTO [Break_Capacity] ([lTypeID], [lVoltage], [lIcu]) VALUES (1, 415, 50000), (2, 415, 25000),
    (3, 415, 36000), (4, 415, 25000), (5, 415, 0), (6, 415, 2500);
)");
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSBreak_Capacity rs(&db);
    fw::CMemoryCombo box;
    EXPECT_EQ(rs.DoReadSetListCapacity(&box), 4);
    ASSERT_EQ(box.GetCount(), 4);
    const char* texts[] = {"2.5", "25", "36", "50"};
    const intptr_t data[] = {2500, 25000, 36000, 50000};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box.GetLBText(i), texts[i]);
        EXPECT_EQ(box.GetItemData(i), data[i]);
    }
}

TEST(CapacityList, NoBoxGivesNoEntries_FaultNullBoxDereferenced) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() +
                              "INSERT INTO [Break_Capacity] ([lTypeID], [lIcu]) VALUES (1, 5000);");
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSBreak_Capacity rs(&db);
    EXPECT_EQ(rs.DoReadSetListCapacity(nullptr), 0);
}
