// Start-up and shut-down of the main program: the version records, the
// clipboard formats, the four databases opened in order with start-up
// stopping at the first that fails, the command line, and the databases
// closed in their own order at exit.

#include "ShellTestSupport.h"

#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"

#include "breakerdata/recordsets/DorventaDatabases.h"
#include "framework/MdiChildFrame.h"
#include "tests/common/MessageCapture.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <fstream>

#include <gtest/gtest.h>

using shelltest::FakeDatabases;
using shelltest::StartedProgram;

namespace {

bool AnyVisibleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            return true;
    }
    return false;
}

} // namespace

TEST(AppStartup, OpensTheDatabasesInOrderAndClosesThemInTheirOwn) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    ASSERT_TRUE(p.started);
    EXPECT_EQ(p.databases.calls, (std::vector<std::string>{"open breaker", "open curve",
                                                           "open list", "open equipment"}));
    // The breaker database gets the program's record and the reading record.
    EXPECT_EQ(p.databases.m_expected, &p.app->m_versionProgram);
    EXPECT_EQ(p.databases.m_reading, &p.app->m_versionReading);
    EXPECT_NE(p.app->m_pDBDorventa, nullptr);
    EXPECT_NE(p.app->m_pDBSarquine, nullptr);
    p.databases.calls.clear();
    p.app->ExitInstance();
    EXPECT_EQ(p.databases.calls, (std::vector<std::string>{"close breaker", "close curve",
                                                           "close equipment", "close list"}));
    EXPECT_EQ(p.app->m_pDBDorventa, nullptr);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(AppStartup, AFailingDatabaseStopsTheStartAfterTheLibrarysMessage) {
    struct Case {
        const char* failing;
        std::vector<std::string> opened;
        std::vector<std::string> closed;
    } cases[] = {
        {"breaker",
         {"open breaker"},
         {"close breaker (none)", "close curve (none)", "close equipment (none)",
          "close list (none)"}},
        {"curve",
         {"open breaker", "open curve"},
         {"close breaker", "close curve (none)", "close equipment (none)", "close list (none)"}},
        {"list",
         {"open breaker", "open curve", "open list"},
         {"close breaker", "close curve", "close equipment (none)", "close list (none)"}},
        {"equipment",
         {"open breaker", "open curve", "open list", "open equipment"},
         {"close breaker", "close curve", "close equipment (none)", "close list"}},
    };
    for (const Case& c : cases) {
        tvtest::MessageCapture capture;
        StartedProgram p({}, c.failing);
        EXPECT_FALSE(p.started) << c.failing;
        EXPECT_EQ(p.databases.calls, c.opened) << c.failing;
        // Only the library's own message, and no window of the program.
        ASSERT_EQ(capture.Count(), 1u) << c.failing;
        EXPECT_EQ(capture.Last().text, std::string("cannot open ") + c.failing);
        EXPECT_EQ(p.Main(), nullptr);
        p.databases.calls.clear();
        p.app->ExitInstance();
        EXPECT_EQ(p.databases.calls, c.closed) << c.failing;
    }
}

TEST(AppStartup, RunEndsWithAnErrorCodeAndNoWindowWhenADatabaseFails) {
    tvtest::MessageCapture capture;
    FakeDatabases databases("list");
    tvtest::TempFolder settings;
    int code = 0;
    {
        CTovarineApp app({}, databases.Functions());
        app.SetSettingsFile(settings.Path() + "settings.ini");
        code = app.Run();
        EXPECT_FALSE(AnyVisibleWindow());
        EXPECT_EQ(app.GetMainFrame(), nullptr);
    }
    shelltest::FlushDeletes();
    EXPECT_NE(code, 0);
    EXPECT_EQ(databases.calls.back(), "close list (none)");
}

TEST(AppStartup, OneExitOrCloseButtonEndsTheRun_FaultSecondExitNeeded) {
    // The first request used to close only the project; the program ran on
    // until a second one.
    enum Way { exitCommand, closeButton };
    for (Way way : {exitCommand, closeButton}) {
        SCOPED_TRACE(way == exitCommand ? "File Exit" : "close button");
        tvtest::MessageCapture capture;
        FakeDatabases databases;
        tvtest::TempFolder settings;
        bool stillRunning = false;
        int code = -1;
        {
            CTovarineApp app({}, databases.Functions());
            app.SetSettingsFile(settings.Path() + "settings.ini");
            // Once the window shows, that is when the run's loop goes.
            QTimer user;
            QObject::connect(&user, &QTimer::timeout, [&app, &user, way] {
                fw::CMDIFrameWnd* main = app.GetMainFrame();
                if (!main || !main->isVisible())
                    return;
                user.stop();
                CSplashWnd::HideSplashScreen();
                if (way == exitCommand)
                    main->ExecuteCommand(fw::id::APP_EXIT);
                else
                    main->windowHandle()->close();
            });
            user.start(10);
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, [&stillRunning] {
                stillRunning = true;
                QApplication::quit();
            });
            guard.start(3000);
            code = app.Run();
            guard.stop();
        }
        shelltest::FlushDeletes();
        EXPECT_FALSE(stillRunning);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(databases.calls.back(), "close list");
        EXPECT_EQ(capture.Count(), 0u);
    }
}

TEST(AppStartup, TheRealDatabasesOpenAndTheBreakerDatabaseGivesItsLocation) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder settings;
    CTovarineApp app({"-Embedding"});
    app.SetSettingsFile(settings.Path() + "settings.ini");
    ASSERT_TRUE(app.InitInstance()) << (capture.Count() ? capture.Last().text : "");
    EXPECT_EQ(capture.Count(), 0u);
    EXPECT_NE(app.m_pDBDorventa, nullptr);
    EXPECT_NE(app.m_pDBOrbelune, nullptr);
    EXPECT_NE(app.m_pDBQuenlor, nullptr);
    EXPECT_NE(app.m_pDBSarquine, nullptr);
    EXPECT_FALSE(app.m_versionProgram.m_strLocation.empty());
    EXPECT_EQ(app.m_versionReading.m_strLocation, app.m_versionProgram.m_strLocation);
    app.ExitInstance();
    EXPECT_EQ(app.m_pDBDorventa, nullptr);
    shelltest::FlushDeletes();
}

TEST(AppStartup, ADamagedBreakerDatabaseStopsTheStartWithTheLibrarysMessage) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder folder;
    {
        std::ofstream damaged(folder.Path() + "dorventa.mdb", std::ios::binary);
        damaged << "this is not a database file, it was cut off by a copy that failed";
    }
    FakeDatabases rest;
    CDatabaseFunctions functions = rest.Functions();
    functions.openBreaker = [&folder](CVersion* expected, CVersion* reading) {
        return dorventa::DoGetMDBDorventaIn(folder.Path(), expected, reading);
    };
    tvtest::TempFolder settings;
    CTovarineApp app({}, functions);
    app.SetSettingsFile(settings.Path() + "settings.ini");
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find(folder.Path() + "dorventa.mdb"), std::string::npos)
        << capture.Last().text;
    EXPECT_TRUE(rest.calls.empty()); // nothing after the breaker database
    EXPECT_EQ(app.GetMainFrame(), nullptr);
}

TEST(AppStartup, VersionRecordAndAcceptedDocumentVersions) {
    StartedProgram p({"-Embedding"});
    const CVersion& v = p.app->m_versionProgram;
    EXPECT_EQ(v.m_strCountry, "Japan");
    EXPECT_EQ(v.m_strMaker, "KESTRAVAL");
    EXPECT_EQ(v.m_strProduct, "TOVARINE2");
    EXPECT_EQ(v.m_strVersion, "1.20");
    EXPECT_EQ(v.m_strLanguage, "English");
    EXPECT_EQ(v.m_strMdbVersion, "1.52");
    EXPECT_EQ(p.app->m_versionReading.m_strVersion, "1.20");

    std::vector<std::string> versions;
    for (const auto& r : p.app->m_versionList) {
        versions.push_back(r->m_strVersion);
        EXPECT_EQ(r->m_strCountry, "Japan");
        EXPECT_EQ(r->m_strMaker, "KESTRAVAL");
        EXPECT_EQ(r->m_strProduct, "TOVARINE2");
        EXPECT_EQ(r->m_strLanguage, "English");
        EXPECT_EQ(r->m_strMdbVersion, "1.52");
    }
    EXPECT_EQ(versions,
              (std::vector<std::string>{"1.20", "0.99", "1.00", "1.01", "1.02", "1.10", "1.15"}));
    struct Case {
        const char* version;
        bool accepted;
    } cases[] = {{"1.10", true}, {"1.05", false}, {"1.20", true}, {"0.99", true}, {"1.2", false}};
    for (const Case& c : cases) {
        CVersion doc = v;
        doc.m_strVersion = c.version;
        EXPECT_EQ(doc.IsOkDocVersion(p.app->m_versionList), c.accepted) << c.version;
    }
}

TEST(AppStartup, VersionNumberIsThatOfTheReadingVersionRecord) {
    StartedProgram p({"-Embedding"});
    EXPECT_DOUBLE_EQ(p.app->GetVersionNumber(), 1.2);
    p.app->m_versionReading.m_strVersion = "1.15";
    EXPECT_DOUBLE_EQ(p.app->GetVersionNumber(), 1.15);
    p.app->m_versionReading.m_strVersion = "1.10";
    EXPECT_DOUBLE_EQ(p.app->GetVersionNumber(), 1.1);
}

TEST(AppStartup, ClipboardFormatsAreMimeTypesOfTheirNames) {
    StartedProgram p({"-Embedding"});
    EXPECT_EQ(p.app->m_cfSymbol, QString("application/x-TV2_SYMBOL"));
    EXPECT_EQ(p.app->m_cfReference1, QString("application/x-TV2_REFERENCE1"));
    EXPECT_EQ(p.app->m_cfReference2, QString("application/x-TV2_REFERENCE2"));
}

TEST(AppStartup, PlainStartOpensANewProjectInTheSkeletonFrame) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    ASSERT_TRUE(p.started);
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_TRUE(p.Main()->isVisible());
    ASSERT_NE(p.Main()->SkeletonFrame, nullptr);
    EXPECT_TRUE(p.Main()->SkeletonFrame->isMaximized());
    EXPECT_EQ(p.Main()->SkeletonFrame->windowTitle(), QString("Project1.tv2 - Skeleton View"));
    CTovarineDoc* doc = p.app->GetActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "Project1");
    // Only the skeleton template is registered with the framework.
    ASSERT_EQ(p.app->GetDocTemplates().size(), 1u);
    EXPECT_EQ(p.app->GetDocTemplates()[0].get(), p.app->m_pDocTemplate1);
    EXPECT_EQ(p.app->m_pDocTemplate1->GetDocString(fw::CDocTemplate::filterExt), ".tv2");
    EXPECT_EQ(p.app->m_pDocTemplate2->GetDocString(fw::CDocTemplate::filterExt), "");
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(AppStartup, EmbeddingSwitchIsAcceptedWithoutSplashOrProject) {
    StartedProgram p({"-Embedding"});
    ASSERT_TRUE(p.started);
    EXPECT_FALSE(CSplashWnd::IsSplashScreenEnabled());
    EXPECT_TRUE(p.app->m_cmdInfo.m_bRunEmbedded);
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_TRUE(p.Main()->isVisible());
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
}

TEST(AppStartup,
     UnreadableFileOnTheCommandLineLeavesTheProgramUsable_FaultCommandLineFileEndsProgram) {
    // The framework ends the program when the command line's file cannot be
    // opened; here the reason is shown and the program goes on.
    tvtest::MessageCapture capture;
    StartedProgram p({"/nonexistent/folder/plan.tv2"});
    ASSERT_TRUE(p.started);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("/nonexistent/folder/plan.tv2"), std::string::npos);
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_TRUE(p.Main()->isVisible());
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
    EXPECT_EQ(p.app->m_pDocTemplate1->GetDocuments().size(), 0u);
    // File New still works.
    p.Main()->ExecuteCommand(fw::id::FILE_NEW);
    EXPECT_NE(p.Main()->SkeletonFrame, nullptr);
    EXPECT_NE(p.app->GetActiveDocument(), nullptr);
}

TEST(AppStartup, ExistingFileThatIsNotAProjectIsRefusedWithAMessage) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder folder;
    {
        std::ofstream file(folder.Path() + "notes.tv2");
        file << "plain text";
    }
    StartedProgram p({folder.Path() + "notes.tv2"});
    ASSERT_TRUE(p.started);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("notes.tv2"), std::string::npos);
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
}
