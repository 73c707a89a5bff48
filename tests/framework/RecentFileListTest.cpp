// The recently-used files and the command line.

#include "framework/RecentFileList.h"
#include "framework/CommandLineInfo.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

TEST(RecentFileList, LatestFirstNoDuplicatesAtMostItsSize) {
    fw::CRecentFileList list("Recent File List", 4);
    for (const char* f : {"/a/1.tv2", "/a/2.tv2", "/a/3.tv2", "/a/4.tv2", "/a/2.tv2", "/a/5.tv2"})
        list.Add(f);
    ASSERT_EQ(list.GetCount(), 4u);
    EXPECT_EQ(list[0], "/a/5.tv2");
    EXPECT_EQ(list[1], "/a/2.tv2");
    EXPECT_EQ(list[2], "/a/4.tv2");
    EXPECT_EQ(list[3], "/a/3.tv2");
    list.Remove(1);
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list[1], "/a/4.tv2");
    list.Remove(7); // outside: nothing
    EXPECT_EQ(list.GetCount(), 3u);
}

TEST(RecentFileList, KeptInTheSettingsAcrossRuns) {
    QTemporaryDir dir;
    QString ini = dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        fw::CRecentFileList list("Recent File List", 4);
        list.Add("/p/one.tv2");
        list.Add("/p/two.tv2");
        list.WriteList(settings);
    }
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), QString("/p/two.tv2"));
    fw::CRecentFileList again("Recent File List", 4);
    again.ReadList(settings);
    ASSERT_EQ(again.GetCount(), 2u);
    EXPECT_EQ(again[1], "/p/one.tv2");
    // Removing an entry also removes its key.
    again.Remove(0);
    again.WriteList(settings);
    EXPECT_FALSE(settings.contains("Recent File List/File2"));
}

namespace {

std::string FileText(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(RecentFileList, AnUnchangedListLeavesTheSettingsFileAsItIs) {
    QTemporaryDir dir;
    QString ini = dir.filePath(QStringLiteral("settings.ini"));
    // Written by hand, as QSettings never writes it: a comment, the keys
    // out of order. A rewrite of the file would lose both.
    const std::string byHand = "; kept by hand\n"
                               "[Recent%20File%20List]\n"
                               "File2=/p/one.tv2\n"
                               "File1=/p/two.tv2\n";
    {
        std::ofstream out(ini.toStdString(), std::ios::binary);
        out << byHand;
    }
    {
        QSettings settings(ini, QSettings::IniFormat);
        fw::CRecentFileList list("Recent File List", 4);
        list.ReadList(settings);
        ASSERT_EQ(list.GetCount(), 2u);
        list.Add("/p/two.tv2"); // already first: no change
        list.WriteList(settings);
        settings.sync();
        EXPECT_EQ(settings.status(), QSettings::NoError);
    }
    EXPECT_EQ(FileText(ini), byHand);

    // A change is written, and the file then holds the whole list.
    {
        QSettings settings(ini, QSettings::IniFormat);
        fw::CRecentFileList list("Recent File List", 4);
        list.ReadList(settings);
        list.Add("/p/one.tv2");
        list.WriteList(settings);
    }
    EXPECT_NE(FileText(ini), byHand);
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), QString("/p/one.tv2"));
    EXPECT_EQ(settings.value("Recent File List/File2").toString(), QString("/p/two.tv2"));
    EXPECT_FALSE(settings.contains("Recent File List/File3"));
}

TEST(RecentFileList, MenuTextNumbersEntriesAndShortensLongPaths) {
    fw::CRecentFileList list("R", 4);
    list.Add("/home/u/plan&co.tv2");
    list.Add("/home/user/projects/2024/customers/north/substation/plant.tv2");
    EXPECT_EQ(list.GetDisplayName(1), "&2 /home/u/plan&&co.tv2");
    std::string shortened = list.GetDisplayName(0);
    EXPECT_EQ(shortened.rfind("&1 /home/", 0), 0u) << shortened;
    EXPECT_NE(shortened.find("/.../plant.tv2"), std::string::npos) << shortened;
}

TEST(CommandLine, FileAndSwitches) {
    struct Case {
        std::vector<std::string> args;
        fw::CCommandLineInfo::ShellCommand command;
        std::string file;
        bool embedded;
        bool splash;
    } cases[] = {
        {{}, fw::CCommandLineInfo::FileNew, "", false, true},
        {{"/home/u/plan.tv2"}, fw::CCommandLineInfo::FileOpen, "/home/u/plan.tv2", false, true},
        {{"plan.tv2"}, fw::CCommandLineInfo::FileOpen, "plan.tv2", false, true},
        {{"-Embedding"}, fw::CCommandLineInfo::FileNothing, "", true, false},
        {{"/embedding"}, fw::CCommandLineInfo::FileNothing, "", true, false},
        {{"--EMBEDDING"}, fw::CCommandLineInfo::FileNothing, "", true, false},
        {{"-Automation"}, fw::CCommandLineInfo::FileNothing, "", false, false},
        {{"-unknown", "a.tv2"}, fw::CCommandLineInfo::FileOpen, "a.tv2", false, true},
    };
    for (const Case& c : cases) {
        fw::CCommandLineInfo info;
        info.ParseCommandLine(c.args);
        EXPECT_EQ(info.m_nShellCommand, c.command);
        EXPECT_EQ(info.m_strFileName, c.file);
        EXPECT_EQ(info.m_bRunEmbedded, c.embedded);
        EXPECT_EQ(info.m_bShowSplash, c.splash);
    }
}
