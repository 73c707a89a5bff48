// The application's commands: File New and File Open (with the hand-over of
// catalogue documents to the catalogue program), the recently-used files,
// dropped files, help, About and the save of a project.

#include "ShellTestSupport.h"

#include "app/records/ElementKinds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "framework/CompoundFile.h"
#include "shellcommon/CAboutDlg.h"

#include "framework/FileDialog.h"
#include "framework/MdiChildFrame.h"
#include "framework/ProgramFolder.h"
#include "framework/RecentFileList.h"
#include "framework/Resources.h"
#include "framework/Shell.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/HexFixture.h"
#include "tests/common/MessageCapture.h"
#include "tools/Filvaron.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

using shelltest::StartedProgram;

namespace {

// Answers the file dialogs with a given path and keeps what they were asked.
class FileDialogDouble {
public:
    explicit FileDialogDouble(std::optional<std::string> answer) : m_answer(std::move(answer)) {
        m_previous = fw::SetFileDialogSink([this](const fw::FileDialogRequest& req) {
            requests.push_back(req);
            return m_answer;
        });
    }
    ~FileDialogDouble() { fw::SetFileDialogSink(m_previous); }
    std::vector<fw::FileDialogRequest> requests;

private:
    std::optional<std::string> m_answer;
    fw::FileDialogSink m_previous;
};

// Stands in for starting processes and opening files.
class ShellDouble {
public:
    explicit ShellDouble(std::error_code result = {}) : m_result(result) {
        m_previous = fw::SetShellSink([this](const fw::ShellRequest& req) {
            requests.push_back(req);
            return m_result;
        });
    }
    ~ShellDouble() { fw::SetShellSink(m_previous); }
    std::vector<fw::ShellRequest> requests;

private:
    std::error_code m_result;
    fw::ShellSink m_previous;
};

} // namespace

TEST(AppFileCommands, CatalogueDocumentGoesToTheCatalogueProgram) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    ShellDouble shell;
    FileDialogDouble dialog(std::string("/home/u/work/a.rv2"));
    p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    ASSERT_EQ(dialog.requests.size(), 1u);
    const fw::FileDialogRequest& asked = dialog.requests[0];
    EXPECT_TRUE(asked.open);
    EXPECT_TRUE(asked.fileMustExist);
    EXPECT_EQ(asked.defaultExt, "*.tv2");
    EXPECT_EQ(asked.fileName, "*.tv2");
    EXPECT_EQ(asked.filter, "TOVARINE2 files (*.tv2)|*.tv2|QUORVANDE files (*.rv2)|*.rv2|"
                            "All files (*.*)|*.*||");
    ASSERT_EQ(shell.requests.size(), 1u);
    const fw::ShellRequest& started = shell.requests[0];
    EXPECT_EQ(started.kind, fw::ShellRequest::startProgram);
    EXPECT_EQ(started.path, DLLGetPathZedezuzi());
    EXPECT_EQ(started.arguments, std::vector<std::string>{"a.rv2"});
    EXPECT_EQ(started.workingFolder, "/home/u/work/");
    // The project was closed first and stays closed.
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
    EXPECT_EQ(capture.Count(), 0u);
}

TEST(AppFileCommands,
     CatalogueDocumentOnTheCommandLineGoesToTheCatalogueProgram_FaultOpenedAsProject) {
    tvtest::MessageCapture capture;
    ShellDouble shell;
    StartedProgram p({"/home/u/work/plan.rv2"});
    ASSERT_TRUE(p.started);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].kind, fw::ShellRequest::startProgram);
    EXPECT_EQ(shell.requests[0].path, fw::GetProgramFolder() + "zedezuzi");
    EXPECT_EQ(shell.requests[0].arguments, std::vector<std::string>{"plan.rv2"});
    EXPECT_EQ(shell.requests[0].workingFolder, "/home/u/work/");
    // No project, no message: the program waits with its empty window.
    EXPECT_EQ(capture.Count(), 0u);
    EXPECT_TRUE(p.Main()->isVisible());
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
}

TEST(AppFileCommands,
     CatalogueDocumentInTheRecentFilesGoesToTheCatalogueProgram_FaultOpenedAsProject) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    p.app->AddToRecentFileList("/home/u/work/plan.rv2");
    p.app->AddToRecentFileList("/home/u/work/Plan.RV2");
    ShellDouble shell;
    p.Main()->ExecuteCommand(fw::id::FILE_MRU_FILE1 + 1);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].arguments, std::vector<std::string>{"plan.rv2"});
    EXPECT_EQ(shell.requests[0].workingFolder, "/home/u/work/");
    EXPECT_EQ(capture.Count(), 0u);
    // The project was closed first, as for any entry; the entry stays.
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
    ASSERT_EQ(p.app->GetRecentFileList()->GetCount(), 2u);
    // The extension test is exact, as in File Open: the other entry is
    // opened as a project, which it is not.
    p.Main()->ExecuteCommand(fw::id::FILE_MRU_FILE1);
    EXPECT_EQ(shell.requests.size(), 1u);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("Plan.RV2"), std::string::npos);
}

TEST(AppFileCommands, ExtensionTestIsCaseSensitive) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder folder;
    std::string path = folder.Path() + "A.RV2";
    {
        std::ofstream file(path);
        file << "a catalogue document";
    }
    StartedProgram p;
    ShellDouble shell;
    FileDialogDouble dialog(path);
    p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    EXPECT_TRUE(shell.requests.empty());
    // Opened as a project, which it is not.
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("A.RV2"), std::string::npos);
    EXPECT_TRUE(p.Main()->GetChildFrames().empty());
}

TEST(AppFileCommands, CancelledSaveQuestionKeepsTheProjectAndAsksForNoFile) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    FileDialogDouble dialog(std::string("/x/y.tv2"));
    CTovarineDoc* doc = p.app->GetActiveDocument();
    doc->SetModifiedFlag(true);
    capture.Answer(fw::mb::IdCancel);
    p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    EXPECT_TRUE(dialog.requests.empty());
    EXPECT_EQ(p.app->GetActiveDocument(), doc);
    capture.Answer(fw::mb::IdCancel);
    p.Main()->ExecuteCommand(fw::id::FILE_NEW);
    EXPECT_EQ(p.app->GetActiveDocument(), doc);
    EXPECT_EQ(p.Main()->GetChildFrames().size(), 1u);
}

TEST(AppFileCommands, FileNewReplacesTheOpenProject) {
    StartedProgram p;
    p.Main()->ExecuteCommand(20482); // a second view of the project
    p.Main()->ExecuteCommand(fw::id::FILE_NEW);
    shelltest::FlushDeletes();
    ASSERT_EQ(p.app->m_pDocTemplate1->GetDocuments().size(), 1u);
    EXPECT_EQ(p.app->GetActiveDocument()->GetTitle(), "Project2");
    EXPECT_EQ(p.Main()->GetChildFrames().size(), 1u);
    EXPECT_EQ(p.Main()->ReportFrame, nullptr);
}

TEST(AppFileCommands, SupportSelectionStartsTheCatalogueProgramAndSaysWhyItCannot_FaultSetupExe) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    {
        ShellDouble shell;
        p.Main()->ExecuteCommand(32806);
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].path, DLLGetPathZedezuzi());
        EXPECT_TRUE(shell.requests[0].arguments.empty());
        EXPECT_EQ(shell.requests[0].workingFolder, "");
        EXPECT_EQ(capture.Count(), 0u);
    }
    // The message names the program as installed and says why (the C
    // library's text for ENOENT and EACCES), where the original named a
    // "Setup.exe" that does not exist here.
    struct Case {
        std::errc error;
        const char* reason;
    } cases[] = {{std::errc::no_such_file_or_directory, "No such file or directory"},
                 {std::errc::permission_denied, "Permission denied"}};
    for (const Case& c : cases) {
        ShellDouble failing(std::make_error_code(c.error));
        capture.Clear();
        p.Main()->ExecuteCommand(32806);
        ASSERT_EQ(capture.Count(), 1u);
        EXPECT_EQ(capture.Last().text, std::string("The catalogue program \"zedezuzi\" cannot be "
                                                   "started: ") +
                                           c.reason + ". It is looked for at " +
                                           fw::GetProgramFolder() + "zedezuzi.");
        EXPECT_EQ(capture.Last().type, fw::mb::Ok);
    }
}

TEST(AppFileCommands, RecentFilesAreListedOpenedAndDroppedWhenUnreadable) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder folder;
    StartedProgram p;
    std::string ini = p.settings.Path() + "settings.ini";
    {
        CMainFrame* main = p.Main();
        QAction* first = main->GetAction(fw::id::FILE_MRU_FILE1);
        QAction* second = main->GetAction(fw::id::FILE_MRU_FILE1 + 1);
        main->UpdateCommandUI();
        // Empty list: the placeholder, disabled.
        EXPECT_TRUE(first->isVisible());
        EXPECT_FALSE(first->isEnabled());
        EXPECT_EQ(first->text(), QString("Recent File"));
        EXPECT_FALSE(second->isVisible());

        for (int i = 1; i <= 5; ++i)
            p.app->AddToRecentFileList(folder.Path() + "gone" + std::to_string(i) + ".tv2");
        main->UpdateCommandUI();
        ASSERT_EQ(p.app->GetRecentFileList()->GetCount(), 4u);
        EXPECT_TRUE(first->isEnabled());
        EXPECT_EQ(first->text(), QString::fromStdString("&1 " + folder.Path() + "gone5.tv2"));
        EXPECT_TRUE(second->isVisible());
        EXPECT_FALSE(main->GetAction(fw::id::FILE_MRU_FILE1 + 4)->isVisible());

        // The second entry cannot be read: the open project closes, the
        // framework says why, the entry leaves the list.
        main->ExecuteCommand(fw::id::FILE_MRU_FILE1 + 1);
        EXPECT_EQ(capture.Count(), 1u);
        EXPECT_NE(capture.Last().text.find("gone4.tv2"), std::string::npos);
        ASSERT_EQ(p.app->GetRecentFileList()->GetCount(), 3u);
        EXPECT_EQ((*p.app->GetRecentFileList())[1], folder.Path() + "gone3.tv2");
        EXPECT_TRUE(main->GetChildFrames().empty());
    }
    // The list was kept in the settings at once.
    QSettings settings(QString::fromStdString(ini), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Recent File List/File1").toString().toStdString(),
              folder.Path() + "gone5.tv2");
    EXPECT_EQ(settings.value("Recent File List/File3").toString().toStdString(),
              folder.Path() + "gone2.tv2");
    EXPECT_FALSE(settings.contains("Recent File List/File4"));
}

TEST(AppFileCommands, DroppedFilesAreIgnoredWhileAProjectIsOpen) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    p.Main()->OnDropFiles({"/nonexistent/dropped.tv2"});
    EXPECT_EQ(capture.Count(), 0u);
    EXPECT_EQ(p.Main()->GetChildFrames().size(), 1u);
    p.app->GetActiveDocument()->DoCloseDocument();
    p.Main()->OnDropFiles({"/nonexistent/dropped.tv2"});
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("/nonexistent/dropped.tv2"), std::string::npos);
}

TEST(AppFileCommands, HelpOpensTheHelpFileAndNamesItWhenItCannot_FaultReasonAlone) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    {
        ShellDouble shell;
        p.Main()->ExecuteCommand(32825);
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].kind, fw::ShellRequest::openFile);
        EXPECT_EQ(shell.requests[0].path, DLLGetPathHTMLHelp());
        EXPECT_EQ(capture.Count(), 0u);
    }
    ShellDouble missing(std::make_error_code(std::errc::no_such_file_or_directory));
    p.Main()->ExecuteCommand(32825);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().caption, "HTML Help");
    EXPECT_EQ(capture.Last().type, fw::mb::Ok | fw::mb::IconInformation);
    // The file it looked for is named (the original gave only the system's
    // reason).
    EXPECT_EQ(capture.Last().text, "The help file " + fw::GetProgramFolder() +
                                       "tovarine.chm cannot be opened: No such file or "
                                       "directory.");
    // The framework's help commands do nothing.
    EXPECT_TRUE(fw::RouteCommand({p.app.get()}, fw::id::HELP));
    EXPECT_EQ(capture.Count(), 1u);
}

namespace {

// What libgsf's own tool lists of a compound file: another reader than ours.
std::string GsfList(const std::string& path) {
    QProcess gsf;
    gsf.start("gsf", {"list", QString::fromStdString(path)});
    if (!gsf.waitForFinished(10000))
        return "gsf did not finish";
    return gsf.readAllStandardOutput().toStdString();
}

CObjElement* PlaceBusBar(CTovarineDoc* doc, int32_t volts) {
    CObjGroup* group = doc->m_listGroups.AddNewGroup();
    auto e = std::make_unique<CObjElement>(kKindBusBar);
    fw::CPoint at(161, 41);
    e->SetSymbolRect(&at, nullptr);
    e->SetVoltage(volts, 0);
    CObjElement* raw = e.get();
    group->SetElement(std::move(e));
    return raw;
}

} // namespace

TEST(AppFileCommands, AProjectIsSavedAsACompoundFileAndOpenedAgain) {
    tvtest::MessageCapture capture;
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "plan.tv2";
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    PlaceBusBar(doc, 415);
    doc->m_infoProject.m_strProject = "Plant";
    doc->SetModifiedFlag(true);
    {
        FileDialogDouble dialog(path);
        p.Main()->ExecuteCommand(fw::id::FILE_SAVE);
    }
    EXPECT_EQ(capture.Count(), 0u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_NE(GsfList(path).find("Contents"), std::string::npos);
    EXPECT_EQ(p.Main()->SkeletonFrame->windowTitle(), QString("plan - Skeleton View"));

    p.Main()->ExecuteCommand(fw::id::FILE_NEW);
    ASSERT_NE(p.app->GetActiveDocument(), nullptr);
    EXPECT_EQ(p.app->GetActiveDocument()->m_listGroups.GetCount(), 0);
    {
        FileDialogDouble dialog(path);
        p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    }
    EXPECT_EQ(capture.Count(), 0u);
    CTovarineDoc* back = p.app->GetActiveDocument();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_infoProject.m_strProject, "Plant");
    ASSERT_EQ(back->m_listGroups.GetCount(), 1);
    EXPECT_EQ(back->m_listGroups.GetHead()->GetElement()->GetVoltage(0), 415);
}

TEST(AppFileCommands, DamagedProjectsAreCalledDamagedAndOtherVersionsNamed_FaultVersionMessage) {
    tvtest::TempFolder folder;
    StartedProgram p;
    // A file that is no compound file, and one whose project is cut short.
    const std::string garbage = folder.Path() + "garbage.tv2";
    {
        std::ofstream file(garbage);
        file << "not a project at all";
    }
    CTovarineDocData empty;
    fw::CArchive ar = fw::CArchive::ForStoring();
    empty.Serialize(ar);
    const std::string cut = folder.Path() + "cut.tv2";
    fw::CCompoundFile shortFile;
    shortFile.SetStream("Contents", {ar.Bytes().begin(), ar.Bytes().begin() + 40});
    shortFile.Save(cut);
    for (const std::string& path : {garbage, cut}) {
        tvtest::MessageCapture capture;
        FileDialogDouble dialog(path);
        p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
        ASSERT_EQ(capture.Count(), 1u) << path;
        EXPECT_NE(capture.Last().text.find("is damaged"), std::string::npos) << path;
        EXPECT_EQ(capture.Last().text.find("cannot support"), std::string::npos) << path;
    }
    // Another program's file: the version message with what it carried.
    std::vector<uint8_t> bytes(ar.Bytes());
    const char product[] = "TOVARINE2";
    auto at = std::search(bytes.begin(), bytes.end(), product, product + 9);
    ASSERT_NE(at, bytes.end());
    at[0] = 'Z';
    const std::string foreign = folder.Path() + "foreign.tv2";
    fw::CCompoundFile foreignFile;
    foreignFile.SetStream("Contents", bytes);
    foreignFile.Save(foreign);
    tvtest::MessageCapture capture;
    FileDialogDouble dialog(foreign);
    p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("cannot support " + foreign + "(Ver1.20)"),
              std::string::npos);
    EXPECT_NE(capture.Last().text.find("ZOVARINE2"), std::string::npos);
}

// A project's file may hold more than the project: another program's
// streams and storages. Saved again, the file keeps them beside the project,
// save after save.
TEST(AppFileCommands, AProjectSavedAgainKeepsTheFilesOtherEntries) {
    tvtest::TempFolder folder;
    StartedProgram p;
    CTovarineDocData empty;
    fw::CArchive ar = fw::CArchive::ForStoring();
    empty.Serialize(ar);
    fw::CCompoundFile file;
    file.SetStream("First", {1, 2, 3});
    file.SetStream("Contents", ar.Bytes());
    fw::CCompoundFile::CEntry pool;
    pool.name = "ObjectPool";
    pool.storage = true;
    pool.children.emplace_back();
    pool.children.back().name = "Inner";
    pool.children.back().data = {7, 8};
    file.Root().children.push_back(pool);
    const std::string path = folder.Path() + "kept.tv2";
    file.Save(path);

    auto* doc = dynamic_cast<CTovarineDoc*>(p.app->OpenDocumentFile(path));
    ASSERT_NE(doc, nullptr);
    for (const char* name : {"again.tv2", "once more.tv2"}) {
        const std::string saved = folder.Path() + name;
        ASSERT_TRUE(doc->DoSave(saved));
        fw::CCompoundFile back = fw::CCompoundFile::Load(saved);
        const auto& entries = back.Root().children;
        ASSERT_EQ(entries.size(), 3u) << name;
        EXPECT_EQ(entries[0].name, "First");
        EXPECT_EQ(entries[0].data, (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(entries[1].name, "Contents");
        EXPECT_EQ(entries[1].data, ar.Bytes()) << name;
        EXPECT_EQ(entries[2].name, "ObjectPool");
        ASSERT_EQ(entries[2].children.size(), 1u);
        EXPECT_EQ(entries[2].children[0].name, "Inner");
        EXPECT_EQ(entries[2].children[0].data, (std::vector<uint8_t>{7, 8}));
    }
}

// After a load that fails once its file's version was taken, the program
// reads with its own version again: the next project of another version
// opens, and the application's reading version is 1.2.
TEST(AppFileCommands, AFailedOpenLeavesTheReadingVersionAt12) {
    tvtest::TempFolder folder;
    StartedProgram p;
    std::vector<uint8_t> v115 =
        tvtest::ReadHexFixture("app/shell/model/fixtures/Document_empty_v115.hex");
    std::vector<uint8_t> v102 = v115;
    v102[5 + 1 + 10 + 10 + 3] = '0'; // "1.15" -> "1.02"
    v102[5 + 1 + 10 + 10 + 4] = '2';
    v102.resize(v102.size() - 12); // cut after the empty tree: no graph count
    const std::string cut = folder.Path() + "cut102.tv2";
    const std::string good = folder.Path() + "good115.tv2";
    for (const auto& [path, bytes] : {std::pair{cut, v102}, std::pair{good, v115}}) {
        fw::CCompoundFile file;
        file.SetStream("Contents", bytes);
        file.Save(path);
    }
    {
        tvtest::MessageCapture capture;
        FileDialogDouble dialog(cut);
        p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
        ASSERT_EQ(capture.Count(), 1u);
        EXPECT_NE(capture.Last().text.find("is damaged"), std::string::npos);
    }
    EXPECT_DOUBLE_EQ(p.app->GetVersionNumber(), 1.2);
    tvtest::MessageCapture capture;
    FileDialogDouble dialog(good);
    p.Main()->ExecuteCommand(fw::id::FILE_OPEN);
    EXPECT_EQ(capture.Count(), 0u);
    ASSERT_NE(p.app->GetActiveDocument(), nullptr);
    EXPECT_EQ(p.app->GetActiveDocument()->m_version.m_strVersion, "1.20");
    EXPECT_DOUBLE_EQ(p.app->GetVersionNumber(), 1.2);
}

TEST(AppFileCommands, AFailedSaveReportsItKeepsTheProjectModifiedAndTheTitles) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    doc->SetModifiedFlag(true);
    const QString before = p.Main()->SkeletonFrame->windowTitle();
    FileDialogDouble dialog(std::string("/no/such/folder/plan.tv2"));
    p.Main()->ExecuteCommand(fw::id::FILE_SAVE);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("/no/such/folder/plan.tv2"), std::string::npos);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(p.Main()->SkeletonFrame->windowTitle(), before);
}

// Save and Save As on a disk that fails in every way the writer checks: the
// project on disk and the file Save As would replace stay byte for byte, one
// message names the path once with the system's reason, and the project
// stays modified under its old name.
TEST(AppFileCommands, AFailedSaveOrSaveAsLeavesTheOldFilesAndSaysSoOnce_FaultZeroByteProject) {
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "plan.tv2";
    const std::string other = folder.Path() + "copy.tv2";
    auto read = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    PlaceBusBar(doc, 415);
    ASSERT_TRUE(doc->DoSave(other));
    ASSERT_TRUE(doc->DoSave(path));
    const std::string onDisk = read(path);
    const std::string otherOnDisk = read(other);
    ASSERT_FALSE(onDisk.empty());
    PlaceBusBar(doc, 6600);
    doc->SetModifiedFlag(true);

    struct Case {
        tvtest::FaultyFileOps::Fault fault;
        int error;
    } cases[] = {{tvtest::FaultyFileOps::AtOpen, EACCES},
                 {tvtest::FaultyFileOps::AtFirstByte, ENOSPC},
                 {tvtest::FaultyFileOps::InTheMiddle, ENOSPC},
                 {tvtest::FaultyFileOps::ShortThenNothing, ENOSPC},
                 {tvtest::FaultyFileOps::AtSync, EIO},
                 {tvtest::FaultyFileOps::AtClose, EIO},
                 {tvtest::FaultyFileOps::AtRename, EXDEV}};
    for (const Case& c : cases) {
        for (unsigned command : {fw::id::FILE_SAVE, fw::id::FILE_SAVE_AS}) {
            const std::string target = command == fw::id::FILE_SAVE ? path : other;
            tvtest::MessageCapture capture;
            FileDialogDouble dialog(other);
            {
                tvtest::FaultyFileOps ops(c.fault, onDisk.size());
                p.Main()->ExecuteCommand(command);
            }
            ASSERT_EQ(capture.Count(), 1u) << c.fault << " " << command;
            EXPECT_EQ(capture.Last().text, target + " : " + tvtest::ReasonOf(c.error))
                << c.fault << " " << command;
            EXPECT_TRUE(doc->IsModified()) << c.fault << " " << command;
            EXPECT_EQ(doc->GetPathName(), path) << c.fault << " " << command;
            EXPECT_EQ(read(path), onDisk) << c.fault << " " << command;
            EXPECT_EQ(read(other), otherOnDisk) << c.fault << " " << command;
            EXPECT_EQ(QDir(QString::fromStdString(folder.Path()))
                          .entryList(QDir::Files | QDir::Hidden, QDir::Name),
                      QStringList({"copy.tv2", "plan.tv2"}))
                << c.fault << " " << command;
        }
    }
    // The disk mended, the same Save keeps the change.
    tvtest::MessageCapture capture;
    p.Main()->ExecuteCommand(fw::id::FILE_SAVE);
    EXPECT_EQ(capture.Count(), 0u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_NE(read(path), onDisk);
}

TEST(AppFileCommands, TitleWithExtension) {
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    struct Case {
        const char* title;
        const char* expected;
    } cases[] = {{"Plant", "Plant.tv2"}, {"Plant.old", "Plant.old"}, {"Project1", "Project1.tv2"}};
    for (const Case& c : cases) {
        doc->SetTitle(c.title);
        EXPECT_EQ(doc->GetTitleWithExtension(), c.expected);
    }
    doc->SetTitle("Plant");
    p.Main()->SkeletonFrame->ActivateFrame();
    EXPECT_EQ(p.Main()->SkeletonFrame->windowTitle(), QString("Plant.tv2 - Skeleton View"));
}

TEST(AppFileCommands, CloseDocumentAnswersOneWhenClosedAndZeroWhenKept) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    CTovarineDoc* doc = p.app->GetActiveDocument();
    EXPECT_FALSE(doc->IsModified());
    doc->SetModifiedFlag(true);
    capture.Answer(fw::mb::IdCancel);
    EXPECT_EQ(doc->DoCloseDocument(), 0);
    EXPECT_EQ(p.app->GetActiveDocument(), doc);
    capture.Answer(fw::mb::IdNo);
    EXPECT_EQ(doc->DoCloseDocument(), 1);
    EXPECT_TRUE(p.app->m_pDocTemplate1->GetDocuments().empty());
}

TEST(AppFileCommands, AboutBoxShowsVersionsMemoryAndDisk_FaultStrayColon) {
    StartedProgram p;
    CVersion version = p.app->m_versionProgram;
    version.m_strLocation = "International";
    CAboutDlg about(version);
    auto text = [&about](unsigned id) {
        QLabel* label = fw::FindControlAs<QLabel>(&about, id);
        return label ? label->text() : QString("(missing)");
    };
    EXPECT_EQ(text(1220), QString("1.52"));
    EXPECT_EQ(text(1005), QString("1.52 English International"));
    EXPECT_TRUE(QRegularExpression("^\\d+ kB$").match(text(1004)).hasMatch())
        << text(1004).toStdString();
    // A folder names the file system, without the drive letter's colon.
    EXPECT_TRUE(QRegularExpression("^\\d+ kB Free on /[^:]*$").match(text(1003)).hasMatch())
        << text(1003).toStdString();
    EXPECT_EQ(CAboutDlg::FormatFreeDisk(false, 0, ""), "Unavailable");
    EXPECT_EQ(CAboutDlg::FormatFreeDisk(true, 1234, "/home"), "1234 kB Free on /home");
    EXPECT_EQ(CAboutDlg::FormatFreeDisk(true, 0, "/"), "0 kB Free on /");
    EXPECT_EQ(CAboutDlg::FormatFreeMemory(4096), "4096 kB");

    // The command shows it modally.
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = fw::GetControlId(dialog) == 156;
            dialog->accept();
        }
    });
    p.Main()->ExecuteCommand(fw::id::APP_ABOUT);
    EXPECT_TRUE(shown);
}
