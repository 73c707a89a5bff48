#include "tools/Filvaron.h"

#include "framework/DbException.h"
#include "framework/ProgramFolder.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(Paths, FilesBesideTheProgramWhateverTheCurrentDirectory) {
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir("/tmp"), 0);
    std::string folder = fw::GetProgramFolder();
    EXPECT_NE(folder, "/tmp/");
    EXPECT_EQ(DLLGetPathRegistGroup(), folder + "tovarine.mgr");
    EXPECT_EQ(DLLGetPathHTMLHelp(), folder + "tovarine.chm");
    EXPECT_EQ(DLLGetPathREDAZID(), folder + "REDAZID.dxf");
    EXPECT_EQ(DLLGetPathDURUREVE(), folder + "DURUREVE.dxf");
    EXPECT_EQ(DLLGetPathDIRORAVE(), folder + "DIRORAVE.dxf");
    EXPECT_EQ(DLLGetPathZedezuzi(), folder + "zedezuzi");
    ASSERT_EQ(chdir(cwd), 0);
}

TEST(DatabaseWarning, NamesValueTableAndDatabase) {
    tvtest::MessageCapture capture;
    DLLDispDatabaseWarning(4226, std::string("ABC"));
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "\"ABC\" can not found on \"Break_Type\" of \"dorventa.mdb\".");
    EXPECT_EQ(capture.Last().type, fw::mb::Ok | fw::mb::IconInformation);

    DLLDispDatabaseWarning(4487, 35.0);
    EXPECT_EQ(capture.Last().text,
              "\"35.000000\" can not found on \"Equip_WireI\" of \"sarquine.mdb\".");

    // A value with a percent sign is shown as it stands.
    DLLDispDatabaseWarning(4226, std::string("50%s"));
    EXPECT_EQ(capture.Last().text, "\"50%s\" can not found on \"Break_Type\" of \"dorventa.mdb\".");
}

TEST(DatabaseWarning, DatabaseByTableIdRange) {
    struct Case {
        unsigned id;
        const char* database;
    };
    const Case cases[] = {
        {4608, "quenlor.mdb"},  {4612, "quenlor.mdb"},  {4607, "sarquine.mdb"},
        {4480, "sarquine.mdb"}, {4479, "orbelune.mdb"}, {4352, "orbelune.mdb"},
        {4351, "dorventa.mdb"}, {4224, "dorventa.mdb"}, {4223, ""},
    };
    tvtest::MessageCapture capture;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        DLLDispDatabaseWarning(c.id, std::string("v"));
        std::string text = capture.Last().text;
        EXPECT_EQ(text.substr(text.rfind(" of ") + 4), std::string("\"") + c.database + "\".");
    }
    // An id without a table name gives an empty name, not an error.
    DLLDispDatabaseWarning(4350, std::string("v"));
    EXPECT_EQ(capture.Last().text, "\"v\" can not found on \"\" of \"dorventa.mdb\".");
}

TEST(DaoException, WithErrorInformation) {
    tvtest::MessageCapture capture;
    fw::CDbException e(fw::CDbErrorInfo{3078, "engine", "no such table: Break_Type"}, 0);
    DLLDispDaoException(&e, "SELECT * FROM Break_Type");
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "no such table: Break_Type SELECT * FROM Break_Type (3078)\n\n");
    EXPECT_EQ(capture.Last().type, fw::mb::Ok | fw::mb::IconStop);
}

TEST(DaoException, DatabaseOpenErrorSaysWhichDatabaseWhereAndWhatPutsItThere) {
    tvtest::MessageCapture capture;
    // The database layer ends its text with the file in brackets; the
    // message names the file once.
    fw::CDbException missing(
        fw::CDbErrorInfo{14, "SQLite", "unable to open database file (/p/x.mdb)"}, 0);
    DLLDispDatabaseOpenError(&missing, "curve", "/p/x.mdb");
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text,
              "The curve database cannot be opened: unable to open database file. It is looked "
              "for at /p/x.mdb, where reinstalling or rebuilding the program puts it. Database "
              "engine code (14)\n\n");
    EXPECT_EQ(capture.Last().type, fw::mb::Ok | fw::mb::IconStop);
    fw::CDbException noTable(fw::CDbErrorInfo{1, "SQLite", "no such table: Version"}, 0);
    DLLDispDatabaseOpenError(&noTable, "breaker", "/p/y.mdb");
    EXPECT_EQ(capture.Last().text,
              "The breaker database cannot be opened: no such table: Version. It is looked for "
              "at /p/y.mdb, where reinstalling or rebuilding the program puts it. Database "
              "engine code (1)\n\n");
    // Without the engine's information the status code is broken down as
    // for any other exception.
    fw::CDbException bare(std::nullopt, 5);
    DLLDispDatabaseOpenError(&bare, "list", "/p/z.mdb");
    EXPECT_EQ(capture.Last().text.rfind("ERROR:CDaoException\n\nSCODE_CODE      =5\n", 0), 0u);
    DLLDispDatabaseOpenError(nullptr, "list", "/p/z.mdb");
    EXPECT_EQ(capture.Count(), 3u);
}

TEST(DaoException, StatusCodeBrokenDown) {
    tvtest::MessageCapture capture;
    fw::CDbException e(std::nullopt, static_cast<int32_t>(0x80040E14u));
    DLLDispDaoException(&e, "context");
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "ERROR:CDaoException\n\n"
                                   "SCODE_CODE      =3604\n"
                                   "SCODE_FACILITY  =4\n"
                                   "SCODE_SEVERITY  =1\n"
                                   "ResultFromScode =-2147217900\n");
    EXPECT_EQ(capture.Last().type, fw::mb::Ok);
}
