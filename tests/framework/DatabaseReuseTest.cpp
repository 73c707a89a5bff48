// Compiled statements kept by an open database for reuse, and the shared
// lock a connection keeps.

#include "framework/Database.h"
#include "tests/common/FixtureDb.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <vector>

namespace {

const char* kSql = R"(
CREATE TABLE [Item] ([lID] INTEGER, [nKind] INTEGER);
INSERT INTO [Item] VALUES (1, 1), (2, 1), (3, 2);
)";

class CRSItem : public fw::CRecordset {
public:
    using CRecordset::CRecordset;
    int32_t m_lID = 0;
    int16_t m_nKind = 0;
    std::string GetDefaultSQL() const override { return "[Item]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override {
        fx.Long("[lID]", m_lID);
        fx.Short("[nKind]", m_nKind);
    }
    std::string GetTableOrder() const override { return "[lID]"; }
};

} // namespace

TEST(DatabaseReuse, AStatementGivenBackIsHandedOutAgainResetAndCleared) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    sqlite3_stmt* first = nullptr;
    ASSERT_EQ(db.AcquireStatement("SELECT ?", &first), SQLITE_OK);
    sqlite3_bind_int(first, 1, 42);
    ASSERT_EQ(sqlite3_step(first), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(first, 0), 42);
    // Another one while the first is out.
    sqlite3_stmt* second = nullptr;
    ASSERT_EQ(db.AcquireStatement("SELECT ?", &second), SQLITE_OK);
    EXPECT_NE(second, first);
    db.ReleaseStatement(first);
    db.ReleaseStatement(second);
    sqlite3_stmt* again = nullptr;
    ASSERT_EQ(db.AcquireStatement("SELECT ?", &again), SQLITE_OK);
    EXPECT_TRUE(again == first || again == second);
    ASSERT_EQ(sqlite3_step(again), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_type(again, 0), SQLITE_NULL);
    db.ReleaseStatement(again);
    // A statement that does not compile is an error and nothing is kept.
    sqlite3_stmt* bad = nullptr;
    EXPECT_NE(db.AcquireStatement("SELECT FROM", &bad), SQLITE_OK);
    EXPECT_EQ(bad, nullptr);
}

TEST(DatabaseReuse, RecordsetsOfOneStatementReadApartAndAgain) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    // Two recordsets with the same statement open at the same time.
    CRSItem outer(&db);
    CRSItem inner(&db);
    std::vector<int> pairs;
    for (outer.Open(); !outer.IsEOF(); outer.MoveNext()) {
        for (inner.Open(); !inner.IsEOF(); inner.MoveNext())
            pairs.push_back(outer.m_lID * 10 + inner.m_lID);
        inner.Close();
    }
    outer.Close();
    EXPECT_EQ(pairs, (std::vector<int>{11, 12, 13, 21, 22, 23, 31, 32, 33}));
    // A reused statement takes the new values and starts from the top.
    CRSItem rs(&db);
    for (int64_t kind : {1, 2, 1}) {
        rs.ClearFilter();
        rs.AddFilterTerm("[nKind]", "=", kind);
        std::vector<int> ids;
        for (rs.Open(); !rs.IsEOF(); rs.MoveNext())
            ids.push_back(rs.m_lID);
        rs.Close();
        EXPECT_EQ(ids, (kind == 1 ? std::vector<int>{1, 2} : std::vector<int>{3}));
    }
}

TEST(DatabaseReuse, ARecordsetOpenWhenItsDatabaseClosesOrReopens) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    {
        CRSItem rs(&db);
        rs.Open();
        db.Close();
        // The statement of the closed connection is freed, not kept.
        rs.Close();
        EXPECT_THROW(rs.Open(), fw::CDbException);
    }
    db.Open(fixture.Path());
    CRSItem rs(&db);
    rs.Open();
    db.Open(fixture.Path());
    rs.Close();
    rs.Open();
    EXPECT_EQ(rs.m_lID, 1);
}

TEST(DatabaseReuse, TwoConnectionsReadOneFileAtOnce) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase a;
    fw::CDatabase b;
    a.Open(fixture.Path());
    b.Open(fixture.Path());
    CRSItem ra(&a);
    CRSItem rb(&b);
    ra.Open();
    rb.Open();
    EXPECT_FALSE(ra.IsEOF());
    EXPECT_FALSE(rb.IsEOF());
    ra.Close();
    rb.Close();
    ra.Open();
    EXPECT_EQ(ra.m_lID, 1);
}
