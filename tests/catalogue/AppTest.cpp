// The catalogue program as a whole, offscreen: start-up and shut-down with
// the databases in the Part's order, the single document with its searches
// through the commands, undo, page and print set-up, .rv2 files saved and
// reopened (and damaged ones refused with the open document untouched), the
// view's scrolling and zoom, and printing to PDF for every kind.

#include "tests/catalogue/AppTestSupport.h"
#include "tests/catalogue/CatalogueTestSupport.h"

#include "catalogue/CMainFrame.h"
#include "catalogue/dialogs/CDlgCatalogue.h"
#include "catalogue/dialogs/CDlgCoordination.h"
#include "catalogue/dialogs/CDlgPairSearch.h"
#include "catalogue/model/ZedezuziIds.h"

#include "shellcommon/CAboutDlg.h"
#include "shellcommon/CDlgSetupPage.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/CompoundFile.h"
#include "framework/DeviceContext.h"
#include "framework/DocTemplate.h"
#include "framework/MdiFrame.h"
#include "framework/RecentFileList.h"
#include "framework/Resources.h"
#include "tests/common/FaultyFileOps.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace cattest;

// Answers the next search dialog with the conditions of a search of the
// kind and mode (as the user would leave them) and OK.
void AnswerSearch(CStartedCatalogue& p, int kind, int mode) {
    fw::CDatabase* db = p.app->m_pDBDorventa;
    CZedezuziDoc::SetDialogRunner([db, kind, mode](QDialog& dialog) {
        if (auto* d = dynamic_cast<CDlgCatalogue*>(&dialog)) {
            d->m_InfoBase.m_nVoltage = 400;
            d->m_InfoBase.m_dRatedValue = 100;
            d->m_dCapacity = 25000;
            d->m_nPoles = 3;
        } else if (auto* d = dynamic_cast<CDlgPairSearch*>(&dialog)) {
            d->m_InfoBaseUp =
                mode == 1 ? GroupSelection(db, 1, 2, 400) : TypeSelection(db, 124, 400);
            d->m_InfoBaseDown =
                mode == 2 ? GroupSelection(db, 1, 1, 400) : TypeSelection(db, 101, 400);
            d->m_nMode = mode;
            d->m_dValue = mode == 3 ? 0.0 : (kind == kSearchCascade ? 15000.0 : 190.0);
            d->m_nPoles = 3;
        } else if (auto* d = dynamic_cast<CDlgCoordination*>(&dialog)) {
            d->m_nCoordType = 1;
            d->m_nMode = 1;
            d->m_dMotorOutput = 7.5;
        } else {
            return static_cast<int>(QDialog::Rejected);
        }
        return static_cast<int>(QDialog::Accepted);
    });
}

void Search(CStartedCatalogue& p, int kind, int mode = 0) {
    AnswerSearch(p, kind, mode);
    switch (kind) {
    case kSearchOptional:
        p.Command(zzid::ID_SEARCH_OPTIONAL);
        break;
    case kSearchCascade:
        p.Command(zzid::ID_SEARCH_CASCADE);
        break;
    case kSearchSelective:
        p.Command(zzid::ID_SEARCH_SELECTIVE);
        break;
    case kSearchCoordination:
        // Never offered by the menu; the document still runs it.
        p.Doc()->OnSearchCoordination();
        break;
    }
    CZedezuziDoc::SetDialogRunner({});
}

std::vector<std::string> Texts(const fw::CRecordingDC& dc) {
    std::vector<std::string> texts;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r.text);
    }
    return texts;
}

// What the view draws on the screen.
std::vector<std::string> ViewTexts(CStartedCatalogue& p) {
    fw::CRecordingDC dc(96);
    p.View()->OnPrepareDC(&dc);
    p.View()->OnDraw(&dc);
    return Texts(dc);
}

// ------------------------------------------------------------ start-up

TEST(CatalogueStartup, DatabasesOpenAndCloseInThePartsOrder) {
    std::vector<std::string> calls;
    {
        CStartedCatalogue p;
        ASSERT_TRUE(p.started);
        EXPECT_EQ(p.app->m_versionProgram.m_strVersion, "1.00");
        EXPECT_EQ(p.app->m_versionProgram.m_strProduct, "TOVARINE2");
        ASSERT_EQ(p.app->m_versionList.GetCount(), 1);
        EXPECT_EQ(p.app->m_versionList.GetHead()->m_strVersion, "1.00");
        // The breaker database's open gives the last document version the
        // database's record and location.
        EXPECT_FALSE(p.app->m_versionLastDocument.m_strLocation.empty());
        EXPECT_NE(p.Doc(), nullptr);
        EXPECT_EQ(p.messages.Count(), 0u);
        p.app->ExitInstance();
        calls = p.databases.calls;
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"open breaker", "open curve", "open list",
                                               "open equipment", "close breaker", "close curve",
                                               "close equipment", "close list"}));
}

TEST(CatalogueStartup, AFailingDatabaseEndsTheStartUpAndTheOpenOnesCloseAtExit) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"breaker",
         {"open breaker", "close breaker (none)", "close curve (none)", "close equipment (none)",
          "close list (none)"}},
        {"list",
         {"open breaker", "open curve", "open list", "close breaker", "close curve",
          "close equipment (none)", "close list (none)"}},
        {"equipment",
         {"open breaker", "open curve", "open list", "open equipment", "close breaker",
          "close curve", "close equipment (none)", "close list"}},
    };
    for (const auto& [failing, expected] : cases) {
        SCOPED_TRACE(failing);
        std::vector<std::string> calls;
        {
            CStartedCatalogue p({}, failing);
            EXPECT_FALSE(p.started);
            EXPECT_EQ(p.app->GetMainFrame(), nullptr);
            p.app->ExitInstance();
            calls = p.databases.calls;
            // The library's message, nothing of the program's own.
            EXPECT_EQ(p.messages.Count(), 1u);
        }
        EXPECT_EQ(calls, expected);
    }
}

TEST(CatalogueStartup, MainFrameHasItsToolbarStatusBarAndMenus) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    auto* frame = dynamic_cast<CMainFrame*>(p.app->GetMainFrame());
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_wndToolBar, nullptr);
    std::vector<unsigned> buttons;
    for (QAction* a : frame->m_wndToolBar->actions()) {
        if (!a->isSeparator())
            buttons.push_back(fw::GetControlId(a));
    }
    EXPECT_EQ(buttons, (std::vector<unsigned>{57600, 57601, 57603, 57635, 57634, 57637, 57643,
                                              57607, 57609, 32806, 32807, 32808, 32809, 57664}));
    // The message pane and the indicators KANA, CAP, NUM and SCRL.
    std::vector<unsigned> panes;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>()) {
        if (unsigned id = fw::GetControlId(label))
            panes.push_back(id);
    }
    EXPECT_EQ(panes, (std::vector<unsigned>{59142, 59137, 59138, 59139}));
    std::vector<std::string> menus;
    for (QAction* a : frame->menuBar()->actions())
        menus.push_back(a->text().toStdString());
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "&View", "&Catalogue", "&Report",
                                               "&Help"}));
    frame->UpdateCommandUI();
    EXPECT_EQ(frame->windowTitle().toStdString(), "QUORVANDE - Selected1");
}

TEST(CatalogueStartup, TheAboutBoxIsTheMainProgramsWithThisProgramsVersion) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    int shown = 0;
    CZedezuziDoc::SetDialogRunner([&](QDialog& dialog) {
        auto* about = dynamic_cast<CAboutDlg*>(&dialog);
        EXPECT_NE(about, nullptr);
        if (about) {
            EXPECT_EQ(fw::GetControlId(about), 100u);
            EXPECT_EQ(about->m_strVersion, "1.00");
            EXPECT_EQ(about->m_version.m_strVersion, "1.00");
        }
        ++shown;
        return static_cast<int>(QDialog::Accepted);
    });
    p.Command(fw::id::APP_ABOUT);
    EXPECT_EQ(shown, 1);
}

// ------------------------------------------------------- the document

TEST(CatalogueDocument, NewDocumentShowsTheTwoTitlesOnly) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchNone);
    EXPECT_EQ(ViewTexts(p), (std::vector<std::string>{"[Search conditions]", "[Search results]"}));
    EXPECT_FALSE(p.IsEnabled(fw::id::EDIT_UNDO));
    EXPECT_FALSE(p.IsEnabled(zzid::ID_SEARCH_COORDINATION));
    EXPECT_TRUE(p.IsEnabled(zzid::ID_SEARCH_OPTIONAL));
    EXPECT_TRUE(p.IsEnabled(zzid::ID_FILE_PAGE_SETUP));
    EXPECT_TRUE(p.IsEnabled(zzid::ID_FILE_PRINT_SETUP));
}

TEST(CatalogueDocument, SearchThenUndoRestoresEverythingOnce) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchCascade, 3);
    CZedezuziDoc* doc = p.Doc();
    ASSERT_EQ(doc->m_nSearchKind, kSearchCascade);
    std::vector<std::string> cascade = ViewTexts(p);
    fw::CArchive before = fw::CArchive::ForStoring();
    doc->CZedezuziDocData::Serialize(before, CZedezuziVersions{});

    Search(p, kSearchOptional);
    EXPECT_EQ(doc->m_nSearchKind, kSearchOptional);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(p.Check(zzid::ID_SEARCH_OPTIONAL), 1);
    EXPECT_EQ(p.Check(zzid::ID_SEARCH_CASCADE), 0);
    EXPECT_GT(doc->m_listCandidate.GetCount(), 0);
    EXPECT_NE(ViewTexts(p), cascade);
    ASSERT_TRUE(p.IsEnabled(fw::id::EDIT_UNDO));

    p.Command(fw::id::EDIT_UNDO);
    EXPECT_EQ(doc->m_nSearchKind, kSearchCascade);
    EXPECT_EQ(ViewTexts(p), cascade);
    fw::CArchive after = fw::CArchive::ForStoring();
    doc->CZedezuziDocData::Serialize(after, CZedezuziVersions{});
    EXPECT_EQ(after.Bytes(), before.Bytes());
    EXPECT_EQ(p.Check(zzid::ID_SEARCH_CASCADE), 1);
    EXPECT_FALSE(p.IsEnabled(fw::id::EDIT_UNDO));
}

TEST(CatalogueDocument, CancelledSearchChangesNothing) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    CZedezuziDoc::SetDialogRunner([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    p.Command(zzid::ID_SEARCH_OPTIONAL);
    EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchNone);
    EXPECT_FALSE(p.Doc()->IsModified());
    EXPECT_FALSE(p.IsEnabled(fw::id::EDIT_UNDO));
}

TEST(CatalogueDocument, SearchWithoutResultSaysSo) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    CZedezuziDoc::SetDialogRunner([](QDialog& dialog) {
        auto* d = dynamic_cast<CDlgCatalogue*>(&dialog);
        d->m_InfoBase.m_dRatedValue = 100;
        d->m_dCapacity = 9.9e6;
        return static_cast<int>(QDialog::Accepted);
    });
    p.Command(zzid::ID_SEARCH_OPTIONAL);
    EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchOptional);
    EXPECT_EQ(p.Doc()->m_listCandidate.GetCount(), 0);
    ASSERT_EQ(p.messages.Count(), 1u);
    EXPECT_EQ(p.messages.Last().text, "No breaker of the catalogue meets the search conditions.");
}

TEST(CatalogueDocument, CoordinationKindShowsItsCheckMarkButIsNeverOffered) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchCoordination);
    EXPECT_EQ(p.Check(zzid::ID_SEARCH_COORDINATION), 1);
    EXPECT_FALSE(p.IsEnabled(zzid::ID_SEARCH_COORDINATION));
    std::vector<std::string> texts = ViewTexts(p);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "MOTORS"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "7.5"), texts.end());
}

TEST(CatalogueDocument, PageSetupMarksTheDocumentModifiedAndPrintSetupDoesNot) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    CZedezuziDoc::SetDialogRunner([](QDialog& dialog) {
        auto* d = dynamic_cast<CDlgSetupPage*>(&dialog);
        EXPECT_EQ(fw::GetControlId(d), 130u);
        d->m_rectMargins = fw::CRect(5, 15, 25, 35);
        return static_cast<int>(QDialog::Accepted);
    });
    p.Command(zzid::ID_FILE_PAGE_SETUP);
    CZedezuziDoc* doc = p.Doc();
    EXPECT_EQ(doc->m_infoPrint.m_nMarginLeft, 5);
    EXPECT_EQ(doc->m_infoPrint.m_nMarginTop, 15);
    EXPECT_EQ(doc->m_infoPrint.m_nMarginRight, 25);
    EXPECT_EQ(doc->m_infoPrint.m_nMarginBottom, 35);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(p.IsEnabled(fw::id::EDIT_UNDO));

    doc->SetModifiedFlag(false);
    p.app->SetPrintSetupDialog([](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageSize(QPageSize(QPageSize::A3));
        return true;
    });
    p.Command(zzid::ID_FILE_PRINT_SETUP);
    EXPECT_EQ(doc->m_infoPrint.m_nOrientation, 1);
    EXPECT_EQ(doc->m_infoPrint.m_nPaperSize, 8);
    EXPECT_FALSE(doc->IsModified());
    // Undo gives back the orientation and paper.
    p.Command(fw::id::EDIT_UNDO);
    EXPECT_EQ(doc->m_infoPrint.m_nOrientation, 2);
    EXPECT_EQ(doc->m_infoPrint.m_nPaperSize, 9);
}

// ------------------------------------------------------------- files

// The streams of a compound file as libgsf's own tool lists them.
QByteArray GsfList(const std::string& path) {
    QProcess gsf;
    gsf.start(QStringLiteral("gsf"), {QStringLiteral("list"), QString::fromStdString(path)});
    gsf.waitForFinished(20000);
    return gsf.readAllStandardOutput();
}

TEST(CatalogueFiles, SavedDocumentIsACompoundFileThatReopensWithItsTable) {
    for (int kind : {kSearchOptional, kSearchCascade, kSearchSelective, kSearchCoordination}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        CStartedCatalogue p;
        ASSERT_TRUE(p.started);
        Search(p, kind, 1);
        std::vector<std::string> table = ViewTexts(p);
        std::string path = p.Path("saved.rv2");
        p.ChooseFile(path);
        p.Command(fw::id::FILE_SAVE);
        EXPECT_FALSE(p.Doc()->IsModified());
        EXPECT_EQ(p.Doc()->GetPathName(), path);
        fw::CCompoundFile file = fw::CCompoundFile::Load(path);
        ASSERT_NE(file.FindStream("Contents"), nullptr);
        if (!QStandardPaths::findExecutable(QStringLiteral("gsf")).isEmpty()) {
            EXPECT_NE(GsfList(path).indexOf("Contents"), -1);
        }

        p.Command(fw::id::FILE_NEW);
        EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchNone);
        ASSERT_NE(p.app->OpenDocumentFile(path), nullptr);
        EXPECT_EQ(p.Doc()->m_nSearchKind, kind);
        EXPECT_EQ(ViewTexts(p), table);
        EXPECT_FALSE(p.Doc()->IsModified());
        EXPECT_EQ(p.messages.Count(), 0u);
        // The file went onto the recently-used list.
        ASSERT_GT(p.app->GetRecentFileList()->GetCount(), 0u);
        EXPECT_EQ((*p.app->GetRecentFileList())[0], path);
    }
}

TEST(CatalogueFiles, StartingWithAFileNameOpensIt) {
    std::string path;
    QTemporaryDir keep;
    {
        CStartedCatalogue p;
        ASSERT_TRUE(p.started);
        Search(p, kSearchSelective, 3);
        path = QDir(keep.path()).filePath("start.rv2").toStdString();
        ASSERT_TRUE(p.Doc()->DoSave(path));
    }
    // The switches of embedding are accepted and change nothing.
    CStartedCatalogue p({"-Embedding", path});
    ASSERT_TRUE(p.started);
    EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchSelective);
    EXPECT_EQ(p.Doc()->m_dIs, 190.0);
    p.app->GetMainFrame()->UpdateCommandUI();
    EXPECT_EQ(p.app->GetMainFrame()->windowTitle().toStdString(), "QUORVANDE - start.rv2");
}

TEST(CatalogueFiles, StorageItDoesNotReadIsWrittenBackOnSave) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    std::string path = p.Path("with-object.rv2");
    ASSERT_TRUE(p.Doc()->DoSave(path));
    // Another program's storage added to the file.
    fw::CCompoundFile file = fw::CCompoundFile::Load(path);
    fw::CCompoundFile::CEntry storage;
    storage.name = "ObjectPool";
    storage.storage = true;
    fw::CCompoundFile::CEntry stream;
    stream.name = "Data";
    stream.data = {1, 2, 3, 4};
    storage.children.push_back(stream);
    file.Root().children.push_back(storage);
    file.Save(path);

    p.Command(fw::id::FILE_NEW);
    ASSERT_NE(p.app->OpenDocumentFile(path), nullptr);
    Search(p, kSearchOptional);
    ASSERT_TRUE(p.Doc()->DoFileSave());
    fw::CCompoundFile back = fw::CCompoundFile::Load(path);
    bool found = false;
    for (const auto& entry : back.Root().children) {
        if (entry.name == "ObjectPool" && entry.storage && entry.children.size() == 1 &&
            entry.children[0].data == std::vector<uint8_t>{1, 2, 3, 4})
            found = true;
    }
    EXPECT_TRUE(found);
}

// A compound file with that "Contents" stream.
void WriteDocument(const std::string& path, const std::vector<uint8_t>& contents) {
    fw::CCompoundFile file;
    file.SetStream("Contents", contents);
    file.Save(path);
}

struct DamagedCase {
    const char* name;
    std::function<void(const std::string&)> write;
    bool versionMessage; // else: the path, " : " and the reason
};

TEST(CatalogueFiles, DamagedAndForeignFilesAreRefusedAndTheOpenDocumentStays) {
    // A project of the main program in version 1.00: its version record
    // equals this program's, the rest is not a catalogue document.
    auto project = [](const std::string& path) {
        fw::CArchive ar = fw::CArchive::ForStoring();
        CVersion v = ProgramVersion();
        v.Serialize(ar);
        for (int i = 0; i < 15; ++i)
            ar << uint32_t{0};
        for (double r : {10.0, 100000.0, 0.01, 100000.0})
            ar << r;
        ar << uint32_t{1} << uint32_t{0};
        for (int i = 0; i < 8; ++i)
            ar << std::string();
        std::vector<uint8_t> records(84 + 28 + 32, 0);
        ar.Write(records.data(), records.size());
        ar.WriteCount(0);
        ar.WriteCount(0);
        ar << uint32_t{0} << uint32_t{0} << uint32_t{0};
        WriteDocument(path, ar.Bytes());
    };
    auto random = [](const std::string& path) {
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly);
        uint32_t seed = 99;
        for (int i = 0; i < 4000; ++i) {
            seed = seed * 1103515245u + 12345u;
            char c = static_cast<char>(seed >> 16);
            f.write(&c, 1);
        }
    };
    auto noContents = [](const std::string& path) {
        fw::CCompoundFile file;
        file.SetStream("Other", {1, 2, 3});
        file.Save(path);
    };
    auto truncated = [](const std::string& path) {
        fw::CArchive ar = fw::CArchive::ForStoring();
        ProgramVersion().Serialize(ar);
        ar << int32_t{100} << int32_t{10}; // the print settings cut short
        WriteDocument(path, ar.Bytes());
    };
    auto otherVersion = [](const std::string& path) {
        fw::CArchive ar = fw::CArchive::ForStoring();
        CVersion v = ProgramVersion();
        v.m_strVersion = "1.20";
        v.Serialize(ar);
        WriteDocument(path, ar.Bytes());
    };
    auto empty = [](const std::string& path) {
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly);
    };
    const std::vector<DamagedCase> cases = {
        {"main program project", project, true}, {"random bytes", random, false},
        {"no Contents", noContents, false},      {"cut short", truncated, true},
        {"another version", otherVersion, true}, {"empty file", empty, false},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        CStartedCatalogue p;
        ASSERT_TRUE(p.started);
        Search(p, kSearchCascade, 3);
        CZedezuziDoc* before = p.Doc();
        std::vector<std::string> table = ViewTexts(p);
        std::string path = p.Path("damaged.rv2");
        c.write(path);
        p.messages.Clear();
        // The open document is not saved first, and stays open after all.
        p.messages.Answer(fw::mb::IdNo);
        EXPECT_EQ(p.app->OpenDocumentFile(path), nullptr);
        ASSERT_EQ(p.messages.Count(), 2u);
        EXPECT_EQ(p.messages.Messages()[0].type & fw::mb::ButtonMask, fw::mb::YesNoCancel);
        const fw::MessageRequest& m = p.messages.Last();
        EXPECT_EQ(m.type & fw::mb::IconMask, fw::mb::IconStop);
        if (c.versionMessage) {
            EXPECT_EQ(m.text.rfind("This program cannot support " + path + "(Ver", 0), 0u)
                << m.text;
            EXPECT_NE(m.text.find("Program version : "), std::string::npos);
        } else {
            EXPECT_EQ(m.text.rfind(path + " : ", 0), 0u) << m.text;
        }
        // The document that was open is still open, as it was.
        EXPECT_EQ(p.Doc(), before);
        EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchCascade);
        EXPECT_TRUE(p.Doc()->IsModified());
        EXPECT_EQ(ViewTexts(p), table);
        EXPECT_EQ(p.app->m_pDocTemplate->GetDocuments().size(), 1u);
    }
}

// Opening a damaged document whose breakers name types the database does not
// hold: one message for the file, whatever the number of such breakers.
TEST(CatalogueFiles, UnknownTypesOfADamagedDocumentGetOneMessage_FaultMessagesPerCandidate) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchOptional);
    for (int32_t type : {9001, 9002, 9001, 9003}) {
        CCandidate* c = p.Doc()->m_listCandidate.DoAddNewCandidate();
        c->m_lManufactureID = 1;
        c->m_lGroupID = 1;
        c->m_lTypeID = type;
    }
    const std::string path = p.Path("damaged.rv2");
    ASSERT_TRUE(p.Doc()->DoSave(path));
    p.Command(fw::id::FILE_NEW);
    p.messages.Clear();
    ASSERT_NE(p.app->OpenDocumentFile(path), nullptr);
    ASSERT_EQ(p.messages.Count(), 1u);
    EXPECT_EQ(p.messages.Last().text,
              path + " : The file is damaged: 4 breakers name types that the breaker database "
                     "does not hold (9001, 9002, 9003). Their columns of the table are left "
                     "empty.");
    EXPECT_EQ(p.Doc()->m_nSearchKind, kSearchOptional);
}

TEST(CatalogueFiles, AMessageOfAnotherVersionNamesWhatTheFileCarried) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    std::string path = p.Path("other.rv2");
    fw::CArchive ar = fw::CArchive::ForStoring();
    CVersion v = ProgramVersion();
    v.m_strVersion = "1.20";
    v.m_strMdbVersion = "1.60";
    v.Serialize(ar);
    WriteDocument(path, ar.Bytes());
    EXPECT_EQ(p.app->OpenDocumentFile(path), nullptr);
    ASSERT_EQ(p.messages.Count(), 1u);
    EXPECT_EQ(p.messages.Last().text,
              "This program cannot support " + path +
                  "(Ver1.20).\nPlease use the program corresponding to the following "
                  "information.\n\nKESTRAVAL\nTOVARINE2\nProgram version : 1.20\nDatabase "
                  "version : 1.60");
}

TEST(CatalogueFiles, AFailedSaveLeavesThePreviousFileIntact) {
    if (QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty())
        GTEST_SKIP() << "chattr is not available";
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    QDir folder(p.dir.path());
    ASSERT_TRUE(folder.mkdir(QStringLiteral("locked")));
    std::string path = folder.filePath(QStringLiteral("locked/doc.rv2")).toStdString();
    Search(p, kSearchCascade, 3);
    ASSERT_TRUE(p.Doc()->DoSave(path));
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QByteArray before = saved.readAll();
    saved.close();

    // A folder nothing can be written into (not even by the super-user).
    QString locked = folder.filePath(QStringLiteral("locked"));
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), locked}) != 0)
        GTEST_SKIP() << "the file system does not take the immutable flag";
    Search(p, kSearchOptional);
    p.messages.Clear();
    bool ok = p.Doc()->DoFileSave();
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), locked});
    EXPECT_FALSE(ok);
    ASSERT_EQ(p.messages.Count(), 1u);
    EXPECT_EQ(p.messages.Last().text.rfind(path + " : ", 0), 0u) << p.messages.Last().text;
    EXPECT_TRUE(p.Doc()->IsModified());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{"doc.rv2"});
}

// Save and Save As through a disk that fails in every way the writer checks:
// the document on disk and the file Save As would replace stay byte for byte,
// one message names the path once with the system's reason, and the document
// stays modified under its old name.
TEST(CatalogueFiles, AFailedSaveOrSaveAsLeavesTheOldFilesAndSaysSoOnce) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    const std::string path = p.Path("doc.rv2");
    const std::string other = p.Path("copy.rv2");
    auto read = [](const std::string& name) {
        QFile file(QString::fromStdString(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    Search(p, kSearchCascade, 3);
    ASSERT_TRUE(p.Doc()->DoSave(other));
    ASSERT_TRUE(p.Doc()->DoSave(path));
    const QByteArray onDisk = read(path);
    const QByteArray otherOnDisk = read(other);
    ASSERT_FALSE(onDisk.isEmpty());
    Search(p, kSearchOptional);
    ASSERT_TRUE(p.Doc()->IsModified());
    const QStringList files = QDir(p.dir.path()).entryList(QDir::Files | QDir::Hidden);

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
            p.messages.Clear();
            p.ChooseFile(other);
            {
                tvtest::FaultyFileOps ops(c.fault, static_cast<size_t>(onDisk.size()));
                p.Command(command);
            }
            ASSERT_EQ(p.messages.Count(), 1u) << c.fault << " " << command;
            EXPECT_EQ(p.messages.Last().text, target + " : " + tvtest::ReasonOf(c.error))
                << c.fault << " " << command;
            EXPECT_TRUE(p.Doc()->IsModified()) << c.fault << " " << command;
            EXPECT_EQ(p.Doc()->GetPathName(), path) << c.fault << " " << command;
            EXPECT_EQ(read(path), onDisk) << c.fault << " " << command;
            EXPECT_EQ(read(other), otherOnDisk) << c.fault << " " << command;
            EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files | QDir::Hidden), files)
                << c.fault << " " << command;
        }
    }
    p.messages.Clear();
    p.Command(fw::id::FILE_SAVE);
    EXPECT_EQ(p.messages.Count(), 0u);
    EXPECT_FALSE(p.Doc()->IsModified());
    EXPECT_NE(read(path), onDisk);
}

// -------------------------------------------------------------- the view

TEST(CatalogueView, ZoomTwoHundredDoublesTheScrollSizesAndTheDrawing) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchOptional);
    CZedezuziView* view = p.View();
    view->DoSetScrollSizes(100);
    fw::CSize at100 = view->GetTotalSize();
    view->DoSetScrollSizes(200);
    fw::CSize at200 = view->GetTotalSize();
    EXPECT_NEAR(at200.cx, 2 * at100.cx, 1);
    EXPECT_NEAR(at200.cy, 2 * at100.cy, 1);
    EXPECT_EQ(view->GetPageSize().cx, at200.cx / 10);
    EXPECT_EQ(view->GetLineSize().cy, at200.cy / 100);

    auto anchor = [&](int zoom) {
        p.Doc()->m_infoPrint.m_nZoom = zoom;
        fw::CRecordingDC dc(96);
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
        for (const fw::CDrawRecord& r : dc.Records()) {
            if (r.kind == fw::CDrawRecord::Text && r.text == "[Search results]")
                return std::make_pair(r.device[0], r.device[1]);
        }
        return std::make_pair(0.0, 0.0);
    };
    auto [x100, y100] = anchor(100);
    auto [x200, y200] = anchor(200);
    // 0.1 mm at 96 dpi is 0.378 pixels; "[Search results]" stands at (13,
    // -185): 4.9 and 69.9 pixels at 100 %, twice that at 200 %.
    EXPECT_NEAR(x100, 13 * 96 / 254.0, 0.6);
    EXPECT_NEAR(y100, 185 * 96 / 254.0, 0.6);
    EXPECT_NEAR(x200, 2 * x100, 1.0);
    EXPECT_NEAR(y200, 2 * y100, 1.0);
}

TEST(CatalogueView, ScrollingMovesTheDrawing) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchOptional);
    CZedezuziView* view = p.View();
    view->resize(300, 200);
    view->DoSetScrollSizes(100);
    view->ScrollToPosition(fw::CPoint(40, 30));
    EXPECT_EQ(view->GetScrollPosition(), fw::CPoint(40, 30));
    fw::CRecordingDC dc(96);
    view->OnPrepareDC(&dc);
    fw::CPoint origin(0, 0);
    dc.LPtoDP(&origin);
    EXPECT_EQ(origin, fw::CPoint(-40, -30));
}

// A printer writing a PDF file in the test's folder.
void UsePdfPrinter(CStartedCatalogue& p, const std::string& path) {
    QPrinter* printer = p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setResolution(300);
}

TEST(CatalogueView, EveryKindPrintsToPdfAndEveryJobEnds) {
    struct PrintCase {
        int kind;
        int mode;
        int pages;
    };
    // A4 landscape, default margins: the Optional table's five columns fit
    // one page (five of 416 after 520 in 2628 units); the mode-3 tables have
    // no columns; the starter of 7.5 kW is one row.
    for (const PrintCase& c : {PrintCase{kSearchNone, 0, 1}, PrintCase{kSearchOptional, 0, 1},
                               PrintCase{kSearchCascade, 3, 1}, PrintCase{kSearchSelective, 1, 1},
                               PrintCase{kSearchCoordination, 1, 1}}) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        CStartedCatalogue p;
        ASSERT_TRUE(p.started);
        if (c.kind != kSearchNone)
            Search(p, c.kind, c.mode);
        std::string path = p.Path("print.pdf");
        UsePdfPrinter(p, path);
        EXPECT_EQ(p.View()->DoPrintJob(p.app->GetPrinter()), c.pages);
        EXPECT_NE(p.View()->GetLastPrintResult(), 1);
        ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));
        if (!HavePdfToText())
            continue;
        std::vector<std::string> pages = PdfPages(path);
        ASSERT_EQ(static_cast<int>(pages.size()), c.pages);
        if (c.kind != kSearchNone) {
            EXPECT_NE(pages[0].find("[Search conditions]"), std::string::npos);
        } else {
            EXPECT_EQ(pages[0].find("[Search"), std::string::npos);
        }
    }
}

TEST(CatalogueView, PrintDirectCommandUsesTheDocumentsOrientation) {
    CStartedCatalogue p;
    ASSERT_TRUE(p.started);
    Search(p, kSearchOptional);
    p.Doc()->m_infoPrint.m_nOrientation = 1; // portrait: one column a page
    std::string path = p.Path("portrait.pdf");
    UsePdfPrinter(p, path);
    p.Command(fw::id::FILE_PRINT_DIRECT);
    EXPECT_EQ(p.app->GetPrinter()->pageLayout().orientation(), QPageLayout::Portrait);
    if (!HavePdfToText())
        return;
    // Portrait A4: the table's height (1670) fills 297 - 34 = 263 mm, so 210
    // - 20 = 190 mm across hold 1206 units: one column a page.
    EXPECT_EQ(PdfPages(path).size(), static_cast<size_t>(p.Doc()->m_listCandidate.GetCount()));
}

} // namespace

namespace {

TEST(CatalogueExamples, TheSampleDocumentsOpenWithTheirTables) {
    struct Example {
        const char* file;
        int kind;
        const char* line;
    };
    for (const Example& e :
         {Example{"catalogue-optional-100A.rv2", kSearchOptional, "Voltage : 400V"},
          Example{"catalogue-cascade-KVM-6.rv2", kSearchCascade,
                  "Downstream breaker : Miniature circuit breakers KVM-6"}}) {
        SCOPED_TRACE(e.file);
        CStartedCatalogue p({std::string(TV_SOURCE_DIR) + "/examples/" + e.file});
        ASSERT_TRUE(p.started);
        EXPECT_EQ(p.Doc()->m_nSearchKind, e.kind);
        EXPECT_GT(p.Doc()->m_listCandidate.GetCount(), 1);
        std::vector<std::string> texts = ViewTexts(p);
        EXPECT_NE(std::find(texts.begin(), texts.end(), e.line), texts.end());
        EXPECT_EQ(p.messages.Count(), 0u);
    }
}

} // namespace
