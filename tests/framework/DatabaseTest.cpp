#include "framework/Database.h"
#include "tests/common/FixtureDb.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* kSql = R"(
CREATE TABLE [Maker] ([lID] INTEGER, [sName] TEXT COLLATE NOCASE, [nKind] INTEGER,
                      [bIsDefault] INTEGER, [dValue] REAL);
INSERT INTO [Maker] VALUES (1, 'Alpha', 2, 0, 1.5);
INSERT INTO [Maker] VALUES (2, 'O''Brien', 2, -1, 2.5);
INSERT INTO [Maker] VALUES (3, 'beta', 3, 1, NULL);
)";

class CRSMaker : public fw::CRecordset {
public:
    using CRecordset::CRecordset;
    int32_t m_lID = 0;
    std::string m_sName;
    int16_t m_nKind = 0;
    int32_t m_bIsDefault = 0;
    double m_dValue = 0;
    std::string GetDefaultSQL() const override { return "[Maker]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override {
        fx.Long("[lID]", m_lID);
        fx.Text("[sName]", m_sName);
        fx.Short("[nKind]", m_nKind);
        fx.Bool("[bIsDefault]", m_bIsDefault);
        fx.Double("[dValue]", m_dValue);
    }
};

std::vector<int> Ids(CRSMaker& rs) {
    std::vector<int> ids;
    rs.Open();
    while (!rs.IsEOF()) {
        ids.push_back(rs.m_lID);
        rs.MoveNext();
    }
    rs.Close();
    return ids;
}

} // namespace

TEST(Database, MissingFileIsAnOpenFailureAndIsNotCreated) {
    tvtest::TempFolder folder;
    std::string path = folder.Path() + "absent.mdb";
    fw::CDatabase db;
    try {
        db.Open(path, false, true, ";PWD=secret");
        FAIL();
    } catch (const fw::CDbException& e) {
        ASSERT_TRUE(e.m_pErrorInfo);
        EXPECT_NE(e.m_pErrorInfo->m_strDescription.find(path), std::string::npos);
    }
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Database, DamagedFileFailsAtOpen) {
    tvtest::TempFolder folder;
    std::string path = folder.Path() + "damaged.mdb";
    std::ofstream(path) << "this is not a database file, only some text that is long enough";
    fw::CDatabase db;
    EXPECT_THROW(db.Open(path), fw::CDbException);
    EXPECT_FALSE(db.IsOpen());
}

TEST(Database, RequireTablesNamesTheFirstTableThatIsMissing) {
    tvtest::FixtureDb fixture(std::string(kSql) + "CREATE TABLE [Kind] ([lID] INTEGER);");
    fw::CDatabase db;
    db.Open(fixture.Path());
    // Present tables, alone or joined, pass and leave the database usable.
    EXPECT_NO_THROW(db.RequireTables({"[Maker]", "[Maker],[Kind]", "Kind"}));
    struct Case {
        std::vector<std::string> sources;
        const char* missing;
    } cases[] = {
        {{"[Maker]", "[Version]", "[Other]"}, "Version"},
        {{"[Maker],[Other]"}, "Other"},
    };
    for (const Case& c : cases) {
        try {
            db.RequireTables(c.sources);
            ADD_FAILURE() << c.missing;
        } catch (const fw::CDbException& e) {
            ASSERT_TRUE(e.m_pErrorInfo);
            EXPECT_EQ(e.m_pErrorInfo->m_strDescription, std::string("no such table: ") + c.missing);
            EXPECT_EQ(e.m_pErrorInfo->m_lErrorCode, SQLITE_ERROR);
        }
    }
    EXPECT_TRUE(db.IsOpen());
    CRSMaker rs(&db);
    rs.Open();
    EXPECT_FALSE(rs.IsEOF());
}

TEST(Database, AFileOfZeroBytesOpensButHasNoTables) {
    tvtest::TempFolder folder;
    std::string path = folder.Path() + "empty.mdb";
    std::ofstream(path, std::ios::binary).flush();
    fw::CDatabase db;
    db.Open(path);
    EXPECT_THROW(db.RequireTables({"[Maker]"}), fw::CDbException);
    fw::CDatabase closed;
    EXPECT_THROW(closed.RequireTables({}), fw::CDbException);
}

TEST(Database, OpenIsReadOnly) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    char* err = nullptr;
    EXPECT_NE(sqlite3_exec(db.Handle(), "DELETE FROM [Maker]", nullptr, nullptr, &err), SQLITE_OK);
    sqlite3_free(err);
}

TEST(Recordset, ReadsColumnsInBindingOrderWithNulls) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSMaker rs(&db);
    rs.m_strSort = "[lID]";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_sName, "Alpha");
    EXPECT_EQ(rs.m_dValue, 1.5);
    rs.MoveNext();
    EXPECT_EQ(rs.m_bIsDefault, 1); // any true yes/no value reads as 1
    rs.MoveNext();
    EXPECT_EQ(rs.m_nKind, 3);
    EXPECT_TRUE(rs.IsFieldNull(4));
    EXPECT_FALSE(rs.IsFieldNull(0));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_THROW(rs.MoveNext(), fw::CDbException);
    rs.MoveFirst();
    EXPECT_EQ(rs.m_lID, 1);
}

TEST(Recordset, FilterValuesAreBoundAndTextIgnoresCase) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    CRSMaker rs(&db);
    rs.m_strSort = "[lID] DESC";

    struct Case {
        const char* column;
        fw::DbValue value;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {"[sName]", std::string("O'Brien"), {2}},
        {"[sName]", std::string("BETA"), {3}},
        {"[sName]", std::string("x' OR '1'='1"), {}},
        {"[nKind]", int64_t(2), {2, 1}},
        {"[dValue]", 2.5, {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        rs.ClearFilter();
        rs.AddFilterTerm(c.column, "=", c.value);
        EXPECT_EQ(Ids(rs), c.ids);
    }
    rs.ClearFilter();
    rs.AddFilterTerm("[nKind]", ">=", int64_t(2));
    rs.AddFilterTerm("[dValue]", "<=", 2.0);
    EXPECT_EQ(rs.GetFilter(), "[nKind] >= ? AND [dValue] <= ?");
    EXPECT_EQ(Ids(rs), std::vector<int>{1});
    rs.ClearFilter();
    rs.m_strSort = "[sName]"; // alphabetical ignoring case
    EXPECT_EQ(Ids(rs), (std::vector<int>{1, 3, 2}));
}

TEST(Recordset, EngineErrorCarriesTheEngineText) {
    tvtest::FixtureDb fixture(kSql);
    fw::CDatabase db;
    db.Open(fixture.Path());
    struct CRSMissing : CRSMaker {
        using CRSMaker::CRSMaker;
        std::string GetDefaultSQL() const override { return "[NoSuchTable]"; }
    } rs(&db);
    try {
        rs.Open();
        FAIL();
    } catch (const fw::CDbException& e) {
        ASSERT_TRUE(e.m_pErrorInfo);
        EXPECT_NE(e.m_pErrorInfo->m_strDescription.find("NoSuchTable"), std::string::npos);
    }
    EXPECT_FALSE(rs.IsOpen());
}
