// The recordset frame: combo filling with the default row, filter terms and
// the display of database errors.

#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include "tests/common/ComboTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Name order: Alpha (1), Bravo (2, default), charlie (3), Delta (4, default).
const char* kMakers = R"(
INSERT INTO [Manufacture] VALUES (4, 1, 'Delta');
INSERT INTO [Manufacture] VALUES (1, 0, 'Alpha');
INSERT INTO [Manufacture] VALUES (3, 0, 'charlie');
INSERT INTO [Manufacture] VALUES (2, 1, 'Bravo');
)";

struct Filled {
    int32_t result = 0;
    std::vector<int32_t> copied;
};

Filled Fill(fw::CDatabase& db, fw::IComboBox* box, int init, bool readOn = false) {
    CRSManufacture rs(&db);
    Filled f;
    f.result = dorventa::DoReadSetDefaultRows(
        rs, box, init, rs.m_sManuName, rs.m_lManufactureID, rs.m_bIsDefault,
        [&] { f.copied.push_back(rs.m_lManufactureID); }, readOn);
    return f;
}

class DefaultRows : public ::testing::Test {
protected:
    DefaultRows() : m_fixture(dvtest::BreakerSchema() + kMakers) { m_db.Open(m_fixture.Path()); }
    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
};

} // namespace

TEST_F(DefaultRows, WithABoxTheLaterDefaultIsSelectedAndReturned) {
    fw::CMemoryCombo box;
    Filled f = Fill(m_db, &box, 1);
    EXPECT_EQ(f.result, 4);
    EXPECT_EQ(f.copied, (std::vector<int32_t>{2, 4}));
    ASSERT_EQ(box.GetCount(), 4);
    EXPECT_EQ(box.GetLBText(0), "Alpha");
    EXPECT_EQ(box.GetLBText(2), "charlie");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(box.GetItemData(i), (std::vector<int>{1, 2, 3, 4})[i]);
    EXPECT_EQ(box.GetCurSel(), 3);
}

TEST_F(DefaultRows, WithoutABoxTheFirstDefaultEndsTheReading) {
    Filled f = Fill(m_db, nullptr, 1);
    EXPECT_EQ(f.result, 2);
    EXPECT_EQ(f.copied, (std::vector<int32_t>{2}));
}

TEST_F(DefaultRows, ValueFillersReadOnWithoutABox) {
    Filled f = Fill(m_db, nullptr, 1, true);
    EXPECT_EQ(f.result, 4);
    EXPECT_EQ(f.copied, (std::vector<int32_t>{2, 4}));
}

TEST_F(DefaultRows, InitOtherThanOneFillsTheBoxAndTakesNoDefault) {
    fw::CMemoryCombo box;
    box.SetCurSel(-1);
    Filled f = Fill(m_db, &box, 0);
    EXPECT_EQ(f.result, 0);
    EXPECT_TRUE(f.copied.empty());
    EXPECT_EQ(box.GetCount(), 4);
    EXPECT_EQ(box.GetCurSel(), -1);
}

TEST(DefaultRowsNone, NoDefaultRowGivesZeroWithAndWithoutABox) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() +
                              "INSERT INTO [Manufacture] VALUES (1, 0, 'Alpha');"
                              "INSERT INTO [Manufacture] VALUES (2, 0, 'Bravo');");
    fw::CDatabase db;
    db.Open(fixture.Path());
    EXPECT_EQ(Fill(db, nullptr, 1).result, 0);
    fw::CMemoryCombo box;
    Filled f = Fill(db, &box, 1);
    EXPECT_EQ(f.result, 0);
    EXPECT_TRUE(f.copied.empty());
    EXPECT_EQ(box.GetCount(), 2);
    EXPECT_EQ(box.GetCurSel(), -1);
}

TEST_F(DefaultRows, AFullBoxEndsTheFillingWithZeroAndKeepsItsEntries) {
    tvtest::RefusingCombo box(2, -2);
    Filled f = Fill(m_db, &box, 1);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(box.GetCount(), 2);
    EXPECT_EQ(f.copied, (std::vector<int32_t>{2})); // Bravo was copied before the box filled up
}

TEST(DefaultRowsText, TheDefaultIsSelectedAtTheFirstEntryOfItsTextIgnoringCase) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() +
                              "INSERT INTO [Manufacture] VALUES (1, 0, 'Alpha');"
                              "INSERT INTO [Manufacture] VALUES (2, 0, 'BRAVO');"
                              "INSERT INTO [Manufacture] VALUES (3, 1, 'bravo');");
    fw::CDatabase db;
    db.Open(fixture.Path());
    fw::CMemoryCombo box;
    EXPECT_EQ(Fill(db, &box, 1).result, 3);
    EXPECT_EQ(box.GetCurSel(), 1);
}

namespace {

// A table whose third row cannot be read: the engine fails in the middle of
// the walk (an integer overflow in the view).
const char* kBroken = R"(
CREATE TABLE [Rows] ([lID] INTEGER PRIMARY KEY, [sName] TEXT, [bIsDefault] INTEGER);
INSERT INTO [Rows] VALUES (1, 'one', 1), (2, 'two', 0), (3, 'three', 1), (4, 'four', 0);
CREATE VIEW [Broken] AS SELECT [lID], CASE WHEN [lID] = 3 THEN abs(-9223372036854775807 - 1)
    ELSE [sName] END AS [sName], [bIsDefault] FROM [Rows];
)";

class CRSBroken : public fw::CRecordset {
public:
    using fw::CRecordset::CRecordset;
    int32_t m_lID = 0;
    std::string m_sName;
    int32_t m_bIsDefault = 0;
    std::string GetDefaultSQL() const override { return "[Broken]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override {
        fx.Long("[lID]", m_lID);
        fx.Text("[sName]", m_sName);
        fx.Bool("[bIsDefault]", m_bIsDefault);
    }
};

} // namespace

TEST(DefaultRowsError, AnErrorMidwayKeepsTheEntriesShowsTheTableAndGivesZero) {
    tvtest::FixtureDb fixture(kBroken);
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSBroken rs(&db);
    fw::CMemoryCombo box;
    std::vector<int32_t> copied;
    tvtest::MessageCapture messages;
    int32_t result = dorventa::DoReadSetDefaultRows(
        rs, &box, 1, rs.m_sName, rs.m_lID, rs.m_bIsDefault, [&] { copied.push_back(rs.m_lID); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(box.GetCount(), 2);
    EXPECT_EQ(copied, (std::vector<int32_t>{1}));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("integer overflow"), std::string::npos);
    EXPECT_NE(messages.Last().text.find("[Broken]"), std::string::npos);
    EXPECT_FALSE(rs.IsOpen());
}

TEST(FilterTerms, LeaveOutIdsAndValuesNotAboveZeroAndEmptyTexts) {
    fw::CDatabase db; // never opened: only the filter is looked at
    CRSManufacture rs(&db);
    dorventa::DoAddFilterId(rs, "[a]", 0);
    dorventa::DoAddFilterId(rs, "[b]", -3);
    dorventa::DoAddFilterDouble(rs, "[c]", 0.0);
    dorventa::DoAddFilterDouble(rs, "[d]", -1.5);
    dorventa::DoAddFilterText(rs, "[e]", "");
    EXPECT_EQ(rs.GetFilter(), "");
    dorventa::DoAddFilterId(rs, "[a]", 7);
    dorventa::DoAddFilterDouble(rs, "[c]", 2.5, ">=");
    dorventa::DoAddFilterText(rs, "[e]", "x");
    ASSERT_EQ(rs.GetFilterValues().size(), 3u);
    EXPECT_EQ(std::get<int64_t>(rs.GetFilterValues()[0]), 7);
    EXPECT_EQ(std::get<double>(rs.GetFilterValues()[1]), 2.5);
    EXPECT_EQ(std::get<std::string>(rs.GetFilterValues()[2]), "x");
}

TEST(FilterTerms, ADoubleCarriesSixDecimalsAsItsQueryTextDid) {
    EXPECT_EQ(dorventa::DoRoundAsFilterText(100.0000004), 100.0);
    EXPECT_EQ(dorventa::DoRoundAsFilterText(0.1234567), 0.123457);
    EXPECT_EQ(dorventa::DoRoundAsFilterText(63.0), 63.0);
}

TEST(DatabasePaths, TheTwoDatabasesLieBesideTheProgram) {
    std::string breaker = dorventa::GetPathMDBDorventa();
    std::string curve = dorventa::GetPathMDBOrbelune();
    EXPECT_EQ(breaker.substr(breaker.rfind('/') + 1), "dorventa.mdb");
    EXPECT_EQ(curve.substr(curve.rfind('/') + 1), "orbelune.mdb");
    EXPECT_EQ(breaker.substr(0, breaker.rfind('/')), curve.substr(0, curve.rfind('/')));
}
