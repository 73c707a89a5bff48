// Version records, their checks, and opening the breaker and curve
// databases against the program's version record.

#include "breakerdata/recordsets/CRSBreak_Version.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/HexFixture.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

CVersion Make(const char* country, const char* maker, const char* product, const char* version,
              const char* language, const char* mdb, const char* location = "") {
    CVersion v;
    v.m_strCountry = country;
    v.m_strMaker = maker;
    v.m_strProduct = product;
    v.m_strVersion = version;
    v.m_strLanguage = language;
    v.m_strMdbVersion = mdb;
    v.m_strLocation = location;
    return v;
}

CVersion Program() {
    return Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.52");
}

} // namespace

TEST(Version, MatchesTheHandWrittenRecord) {
    const std::vector<uint8_t> fixture =
        tvtest::ReadHexFixture("dorventa/fixtures/CVersion_program.hex");
    CVersion v = Make("EU", "Kel", "TOVARINE2", "1.20", "EN", "1.00a", "Osaka");
    fw::CArchive out = fw::CArchive::ForStoring();
    v.Serialize(out);
    EXPECT_EQ(out.Bytes(), fixture);

    fw::CArchive in = fw::CArchive::ForLoading(fixture);
    CVersion back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.m_strCountry, "EU");
    EXPECT_EQ(back.m_strMaker, "Kel");
    EXPECT_EQ(back.m_strProduct, "TOVARINE2");
    EXPECT_EQ(back.m_strVersion, "1.20");
    EXPECT_EQ(back.m_strLanguage, "EN");
    EXPECT_EQ(back.m_strMdbVersion, "1.00a");
    EXPECT_EQ(back.m_strLocation, "");
}

TEST(Version, StoresSixStringsAndNotTheLocation) {
    CVersion v = Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.52", "Osaka");
    fw::CArchive out = fw::CArchive::ForStoring();
    v.Serialize(out);
    // Six counted strings with one-byte lengths.
    EXPECT_EQ(out.Bytes().size(), 6u + 5 + 9 + 9 + 4 + 7 + 4);
    EXPECT_EQ(out.Bytes()[0], 5);
    fw::CArchive in = fw::CArchive::ForLoading(out.Bytes());
    CVersion back;
    back.m_strLocation = "kept";
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.m_strCountry, "Japan");
    EXPECT_EQ(back.m_strMaker, "KESTRAVAL");
    EXPECT_EQ(back.m_strProduct, "TOVARINE2");
    EXPECT_EQ(back.m_strVersion, "1.20");
    EXPECT_EQ(back.m_strLanguage, "English");
    EXPECT_EQ(back.m_strMdbVersion, "1.52");
    EXPECT_EQ(back.m_strLocation, "kept");
}

TEST(Version, IsCreatedByClassNameWithSchemaZero) {
    CVersion v = Program();
    fw::CArchive out = fw::CArchive::ForStoring();
    out.WriteObject(&v);
    fw::CArchive in = fw::CArchive::ForLoading(out.Bytes());
    std::unique_ptr<CVersion> back = in.ReadOwned<CVersion>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_strProduct, "TOVARINE2");
    EXPECT_EQ(FW_RUNTIME_CLASS(CVersion)->m_wSchema, 0u);
}

TEST(Version, ATruncatedRecordRaisesTheArchiveError) {
    CVersion v = Program();
    fw::CArchive out = fw::CArchive::ForStoring();
    v.Serialize(out);
    std::vector<uint8_t> bytes = out.Bytes();
    bytes.resize(bytes.size() - 3);
    fw::CArchive in = fw::CArchive::ForLoading(bytes);
    CVersion back;
    EXPECT_THROW(back.Serialize(in), fw::CArchiveException);
}

TEST(Version, ADocumentIsAcceptedWhenSomeListedVersionMatchesItsFiveFields) {
    CVersionList accepted;
    for (const char* version : {"1.20", "0.99", "1.15"}) {
        CVersion* v = accepted.DoAddNewVersion();
        *v = Program();
        v->m_strVersion = version;
    }
    struct Case {
        CVersion doc;
        bool ok;
    };
    const Case cases[] = {
        {Program(), true},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.15", "English", "9.99", "elsewhere"), true},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.21", "English", "1.52"), false},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "english", "1.52"), false},
        {Make("Japan", "KESTRAVAL", "TOVARINE", "1.20", "English", "1.52"), false},
        {Make("Japan", "Kestraval", "TOVARINE2", "1.20", "English", "1.52"), false},
        {Make("France", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.52"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.doc.IsOkDocVersion(accepted), c.ok) << c.doc.m_strVersion;
        EXPECT_EQ(c.doc.IsOkDocVersion(&accepted), c.ok) << c.doc.m_strVersion;
    }
    CVersionList empty;
    EXPECT_FALSE(Program().IsOkDocVersion(empty));
    EXPECT_FALSE(Program().IsOkDocVersion(nullptr));
    accepted.DoDeleteAllVersions();
    EXPECT_EQ(accepted.GetCount(), 0);
}

TEST(Version, DatabaseVersionsMatchOnTheirFirstFourCharacters) {
    struct Case {
        CVersion row;
        bool breakerOk, curveOk;
    };
    const Case cases[] = {
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "9.00", "English", "1.52"), true, true},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.52b", "x"), true, true},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "German", "1.52"), false, true},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.5"), false, false},
        {Make("Japan", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.53"), false, false},
        {Make("Japan", "KESTRAVAL", "Other", "1.20", "English", "1.52"), false, false},
        {Make("Japan", "kestraval", "TOVARINE2", "1.20", "English", "1.52"), false, false},
        {Make("", "KESTRAVAL", "TOVARINE2", "1.20", "English", "1.52"), false, false},
    };
    CVersion expected = Program();
    expected.m_strMdbVersion = "1.52a";
    for (const Case& c : cases) {
        EXPECT_EQ(c.row.IsOkDorventaVersions(expected), c.breakerOk) << c.row.m_strMdbVersion;
        EXPECT_EQ(c.row.IsOkOrbeluneVersions(expected), c.curveOk) << c.row.m_strMdbVersion;
    }
    expected.m_strMdbVersion = "1.0";
    CVersion row = Program();
    row.m_strMdbVersion = "1.00";
    EXPECT_FALSE(row.IsOkDorventaVersions(expected));
}

TEST(VersionList, CopiesAreDeepAndInOrder) {
    CVersionList a;
    *a.DoAddNewVersion() = Program();
    CVersion* second = a.DoAddNewVersion();
    EXPECT_EQ(second->m_strCountry, "");
    second->m_strVersion = "0.99";
    CVersionList b;
    b.DoAddNewVersion();
    b.DoCopyAllVersions(a);
    ASSERT_EQ(b.GetCount(), 2);
    EXPECT_NE(b.GetAt(1), a.GetAt(1));
    EXPECT_EQ(b.GetAt(1)->m_strVersion, "0.99");
    EXPECT_EQ(b.GetAt(0)->m_strProduct, "TOVARINE2");
    a.DoDeleteAllVersions();
    EXPECT_EQ(b.GetCount(), 2);
}

namespace {

std::string VersionRow(const char* language, const char* mdb, const char* location) {
    return std::string("INSERT INTO [Version] ([sCountry], [sMaker], [sProduct], [sExeVersion], "
                       "[sLanguage], [sLocation], [sMdbVersion]) VALUES ('Japan', 'KESTRAVAL', "
                       "'TOVARINE2', '1.30', '") +
           language + "', '" + location + "', '" + mdb + "');";
}

std::string CurveRow(const char* mdb) {
    return std::string("INSERT INTO [Version] ([sCountry], [sMaker], [sProduct], [sExeVersion], "
                       "[sMdbVersion]) VALUES ('Japan', 'KESTRAVAL', 'TOVARINE2', '1.30', '") +
           mdb + "');";
}

const char* kDorventaMessage =
    "This program cannot support \"%s\".\nPlease use the program corresponding to the following "
    "information.\n\nKESTRAVAL\nTOVARINE2\nDatabase version : \"1.52 English\"";
const char* kOrbeluneMessage =
    "This program cannot support \"%s\".\nPlease use the program corresponding to the following "
    "information.\n\nKESTRAVAL\nTOVARINE2\nDatabase version : \"1.52\"";

std::string WithFound(const char* message, const std::string& found) {
    std::string text = message;
    return text.replace(text.find("%s"), 2, found);
}

} // namespace

TEST(OpenDorventa, AMatchingDatabaseOpensAndHandsOnItsLocationAndVersion) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() + VersionRow("English", "1.52b", "Osaka"),
                              "dorventa.mdb");
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    CVersion reading = Program();
    fw::CDatabase* db = dorventa::DoGetMDBDorventaIn(fixture.Folder(), &expected, &reading);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(expected.m_strLocation, "Osaka");
    EXPECT_EQ(expected.m_strMdbVersion, "1.52");
    EXPECT_EQ(reading.m_strLocation, "Osaka");
    EXPECT_EQ(reading.m_strMdbVersion, "1.52b");
    EXPECT_EQ(reading.m_strVersion, "1.20");
    EXPECT_EQ(db->GetName(), fixture.Path());
    CRSBreak_Version rs(db);
    rs.Open();
    EXPECT_EQ(rs.m_sLocation, "Osaka");
    rs.Close();
    DLLDelMDBDorventa(db);
}

TEST(OpenDorventa, AMismatchShowsTheMessageAndGivesNoDatabase) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema() + VersionRow("German", "1.40x", "Kobe"),
                              "dorventa.mdb");
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    CVersion reading;
    EXPECT_EQ(dorventa::DoGetMDBDorventaIn(fixture.Folder(), &expected, &reading), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              WithFound(kDorventaMessage, fixture.Path() + "(Ver1.40German)"));
    EXPECT_EQ(messages.Last().type & fw::mb::IconMask, fw::mb::IconStop);
    // The location is handed on before the check.
    EXPECT_EQ(expected.m_strLocation, "Kobe");
    EXPECT_EQ(reading.m_strMdbVersion, "1.40x");
}

TEST(OpenDorventa, TheLastVersionRowDecides) {
    struct Case {
        std::string rows;
        bool opens;
    };
    const Case cases[] = {
        {VersionRow("English", "1.52", "a") + VersionRow("English", "1.60", "b"), false},
        {VersionRow("English", "1.60", "a") + VersionRow("English", "1.52", "b"), true},
        {"", false},
    };
    for (const Case& c : cases) {
        tvtest::FixtureDb fixture(dvtest::BreakerSchema() + c.rows, "dorventa.mdb");
        tvtest::MessageCapture messages;
        CVersion expected = Program();
        fw::CDatabase* db = dorventa::DoGetMDBDorventaIn(fixture.Folder(), &expected, nullptr);
        EXPECT_EQ(db != nullptr, c.opens) << c.rows;
        EXPECT_EQ(messages.Count(), c.opens ? 0u : 1u);
        DLLDelMDBDorventa(db);
    }
}

TEST(OpenDorventa, AnEmptyVersionTableShowsAnEmptyVersion) {
    tvtest::FixtureDb fixture(dvtest::BreakerSchema(), "dorventa.mdb");
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    EXPECT_EQ(dorventa::DoGetMDBDorventaIn(fixture.Folder(), &expected, nullptr), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, WithFound(kDorventaMessage, fixture.Path() + "(Ver)"));
    // Expecting empty strings accepts it.
    CVersion none;
    fw::CDatabase* db = dorventa::DoGetMDBDorventaIn(fixture.Folder(), &none, nullptr);
    EXPECT_NE(db, nullptr);
    DLLDelMDBDorventa(db);
}

namespace {

struct BadFile {
    const char* what;
    std::string bytes; // empty: no file at all
};

const BadFile kBadFiles[] = {
    {"missing", ""},
    {"damaged", "This is not a database file, only text that looks like none.\n"},
    {"truncated", std::string("SQLite format 3\0\x10\0\x01\x01\0\x40\x20\x20", 24)},
};

void WriteOrNot(const std::string& path, const std::string& bytes) {
    if (bytes.empty())
        return;
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace

TEST(OpenDorventa, AMissingOrDamagedFileShowsTheEngineErrorWithThePath) {
    for (const BadFile& bad : kBadFiles) {
        for (const char* name : {"dorventa.mdb", "orbelune.mdb"}) {
            tvtest::TempFolder folder;
            std::string path = folder.Path() + name;
            WriteOrNot(path, bad.bytes);
            tvtest::MessageCapture messages;
            CVersion expected = Program();
            fw::CDatabase* db =
                std::string(name) == "dorventa.mdb"
                    ? dorventa::DoGetMDBDorventaIn(folder.Path(), &expected, nullptr)
                    : dorventa::DoGetMDBOrbeluneIn(folder.Path(), &expected);
            EXPECT_EQ(db, nullptr) << bad.what << " " << name;
            ASSERT_EQ(messages.Count(), 1u) << bad.what << " " << name;
            EXPECT_NE(messages.Last().text.find(path), std::string::npos) << messages.Last().text;
            EXPECT_EQ(std::filesystem::exists(path), !bad.bytes.empty());
        }
    }
}

namespace {

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(OpenDorventa, AFileWithoutTheTablesItReadsIsRefusedWithOneMessage_FaultEmptyFileAccepted) {
    // Without the check an empty file opened, failed at its version read and
    // then as a version mismatch; a file short of one table opened and failed
    // only at the first lookup in that table.
    struct Case {
        const char* what;
        const char* file;
        bool empty; // a file of zero bytes instead of the SQL
        std::string sql;
        const char* kind;
        const char* missing;
    };
    const Case cases[] = {
        {"zero bytes", "dorventa.mdb", true, "", "breaker", "Version"},
        {"zero bytes", "orbelune.mdb", true, "", "curve", "Version"},
        {"another table only", "dorventa.mdb", false,
         "CREATE TABLE [Manufacture] ([lManufactureID] INTEGER);", "breaker", "Version"},
        {"one table short", "dorventa.mdb", false,
         dvtest::BreakerSchema() + VersionRow("English", "1.52", "Osaka") +
             "DROP TABLE [Break_MPEI2t];",
         "breaker", "Break_MPEI2t"},
        {"one table short", "orbelune.mdb", false,
         dvtest::CurveSchema() + CurveRow("1.52") + "DROP TABLE [MPLTC_Point];", "curve",
         "MPLTC_Point"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + c.file);
        tvtest::TempFolder folder;
        std::unique_ptr<tvtest::FixtureDb> fixture;
        std::string dir = folder.Path();
        if (c.empty) {
            std::ofstream(dir + c.file, std::ios::binary).flush();
        } else {
            fixture = std::make_unique<tvtest::FixtureDb>(c.sql, c.file);
            dir = fixture->Folder();
        }
        std::string path = dir + c.file;
        tvtest::MessageCapture messages;
        CVersion expected = Program();
        fw::CDatabase* db = std::string(c.file) == "dorventa.mdb"
                                ? dorventa::DoGetMDBDorventaIn(dir, &expected, nullptr)
                                : dorventa::DoGetMDBOrbeluneIn(dir, &expected);
        EXPECT_EQ(db, nullptr);
        DLLDelMDBDorventa(db);
        ASSERT_EQ(messages.Count(), 1u);
        const std::string& text = messages.Last().text;
        EXPECT_EQ(text.rfind(std::string("The ") + c.kind + " database cannot be opened: ", 0), 0u)
            << text;
        EXPECT_NE(text.find(std::string("no such table: ") + c.missing), std::string::npos) << text;
        EXPECT_EQ(Occurrences(text, path), 1u) << text;
        EXPECT_EQ(messages.Last().type & fw::mb::IconMask, fw::mb::IconStop);
    }
}

TEST(OpenDorventa, AMissingFileSaysWhichDatabaseWhereAndWhatPutsItThere_FaultPathTwice) {
    // The engine's text for a file that cannot be opened is "unable to open
    // database file", its code SQLITE_CANTOPEN = 14 (SQLite's list of result
    // codes). The message says it once, with the path once.
    struct Case {
        const char* file;
        const char* kind;
    } cases[] = {{"dorventa.mdb", "breaker"}, {"orbelune.mdb", "curve"}};
    for (const Case& c : cases) {
        tvtest::TempFolder folder;
        std::string path = folder.Path() + c.file;
        tvtest::MessageCapture messages;
        CVersion expected = Program();
        fw::CDatabase* db = std::string(c.file) == "dorventa.mdb"
                                ? dorventa::DoGetMDBDorventaIn(folder.Path(), &expected, nullptr)
                                : dorventa::DoGetMDBOrbeluneIn(folder.Path(), &expected);
        EXPECT_EQ(db, nullptr);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text,
                  std::string("The ") + c.kind +
                      " database cannot be opened: unable to open database file. It is looked "
                      "for at " +
                      path +
                      ", where reinstalling or rebuilding the program puts it. Database engine "
                      "code (14)\n\n");
    }
}

TEST(OpenOrbelune, TheCurveDatabaseIsCheckedWithoutTheLanguage) {
    tvtest::FixtureDb fixture(dvtest::CurveSchema() + CurveRow("1.52c"), "orbelune.mdb");
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    expected.m_strLanguage = "German";
    fw::CDatabase* db = dorventa::DoGetMDBOrbeluneIn(fixture.Folder(), &expected);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(expected.m_strLocation, "");
    DLLDelMDBOrbelune(db);
}

TEST(OpenOrbelune, AMismatchShowsTheCurveMessage) {
    tvtest::FixtureDb fixture(dvtest::CurveSchema() + CurveRow("1.40"), "orbelune.mdb");
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    EXPECT_EQ(dorventa::DoGetMDBOrbeluneIn(fixture.Folder(), &expected), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, WithFound(kOrbeluneMessage, fixture.Path() + "(Ver1.40)"));
    EXPECT_EQ(messages.Last().type & fw::mb::IconMask, fw::mb::IconStop);
}

TEST(OpenOrbelune, ClosingAcceptsNoDatabase) {
    DLLDelMDBDorventa(nullptr);
    DLLDelMDBOrbelune(nullptr);
}
