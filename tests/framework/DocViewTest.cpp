// Documents, views, templates and child frames: hints reach every view but
// the sender; the last frame of a document closes it; a file that cannot be
// read leaves neither document nor frame behind; the frame's commands follow
// the active view and document.

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/MessageCapture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

int g_documentsAlive = 0;

class TestDoc : public fw::CDocument {
public:
    TestDoc() {
        ++g_documentsAlive;
        OnCommand(700, [this] { ++m_commands; });
    }
    ~TestDoc() override { --g_documentsAlive; }
    int m_commands = 0;
};

struct UpdateRecord {
    fw::CView* sender;
    long hint;
    fw::CObject* object;
};

class TestView : public fw::CView {
    FW_DECLARE_VIEW(TestView)
public:
    void OnUpdate(fw::CView* sender, long hint, fw::CObject* object) override {
        m_updates.push_back({sender, hint, object});
    }
    std::vector<UpdateRecord> m_updates;
};
FW_IMPLEMENT_VIEW(TestView)

class OtherView : public fw::CView {
    FW_DECLARE_VIEW(OtherView)
};
FW_IMPLEMENT_VIEW(OtherView)

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Program {
    Program() : app("Test") {
        frame = new fw::CMDIFrameWnd;
        app.SetMainFrame(frame);
        tmpl = new fw::CDocTemplate(
            9001, [] { return std::make_unique<TestDoc>(); }, [] { return new fw::CMDIChildWnd; },
            TestView::ViewClass());
        app.AddDocTemplate(tmpl);
        other = std::make_unique<fw::CDocTemplate>(
            9002, [] { return std::make_unique<TestDoc>(); }, [] { return new fw::CMDIChildWnd; },
            OtherView::ViewClass());
    }
    ~Program() { FlushDeletes(); }
    fw::CWinApp app;
    fw::CMDIFrameWnd* frame;
    fw::CDocTemplate* tmpl;
    std::unique_ptr<fw::CDocTemplate> other;
};

} // namespace

TEST(DocView, HintsReachEveryViewButTheSender) {
    Program p;
    auto* doc = dynamic_cast<TestDoc*>(p.tmpl->OpenDocumentFile(""));
    ASSERT_NE(doc, nullptr);
    fw::CMDIChildWnd* second = p.tmpl->CreateNewFrame(doc);
    ASSERT_NE(second, nullptr);
    p.tmpl->InitialUpdateFrame(second, doc);
    ASSERT_EQ(doc->GetViews().size(), 2u);
    auto* a = dynamic_cast<TestView*>(doc->GetViews()[0]);
    auto* b = dynamic_cast<TestView*>(doc->GetViews()[1]);
    a->m_updates.clear();
    b->m_updates.clear();
    fw::CObject* hintObject = reinterpret_cast<fw::CObject*>(0x1234);
    doc->UpdateAllViews(a, 8, hintObject);
    EXPECT_TRUE(a->m_updates.empty());
    ASSERT_EQ(b->m_updates.size(), 1u);
    EXPECT_EQ(b->m_updates[0].sender, a);
    EXPECT_EQ(b->m_updates[0].hint, 8);
    EXPECT_EQ(b->m_updates[0].object, hintObject);
}

TEST(DocView, NewDocumentIsNamedByTheTemplateAndCounted) {
    Program p;
    fw::CDocument* first = p.tmpl->OpenDocumentFile("");
    fw::CDocument* second = p.tmpl->OpenDocumentFile("");
    // The template's string is missing from the test's table: "Untitled".
    EXPECT_EQ(first->GetTitle(), "Untitled1");
    EXPECT_EQ(second->GetTitle(), "Untitled2");
    EXPECT_EQ(p.frame->GetChildFrames().size(), 2u);
}

TEST(DocView, LastFrameClosesAndDeletesTheDocument) {
    Program p;
    int before = g_documentsAlive;
    fw::CDocument* doc = p.tmpl->OpenDocumentFile("");
    fw::CMDIChildWnd* first = doc->GetFrames().at(0);
    fw::CMDIChildWnd* second = p.other->CreateNewFrame(doc);
    p.other->InitialUpdateFrame(second, doc);
    EXPECT_EQ(g_documentsAlive, before + 1);

    first->OnClose(); // another frame is left: the document stays
    EXPECT_TRUE(first->IsDestroyed());
    EXPECT_EQ(g_documentsAlive, before + 1);
    ASSERT_EQ(doc->GetViews().size(), 1u);
    EXPECT_TRUE(doc->GetViews()[0]->IsKindOf(OtherView::ViewClass()));

    second->OnClose();
    EXPECT_EQ(g_documentsAlive, before);
    EXPECT_TRUE(p.tmpl->GetDocuments().empty());
    EXPECT_TRUE(p.frame->GetChildFrames().empty());
}

TEST(DocView, CancelledSaveQuestionKeepsTheFrame) {
    Program p;
    tvtest::MessageCapture capture;
    fw::CDocument* doc = p.tmpl->OpenDocumentFile("");
    doc->SetModifiedFlag(true);
    capture.Answer(fw::mb::IdCancel);
    fw::CMDIChildWnd* frame = doc->GetFrames().at(0);
    frame->OnClose();
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().type & fw::mb::ButtonMask, fw::mb::YesNoCancel);
    EXPECT_FALSE(frame->IsDestroyed());
    EXPECT_EQ(p.tmpl->GetDocuments().size(), 1u);
    capture.Answer(fw::mb::IdNo);
    frame->OnClose();
    EXPECT_TRUE(p.tmpl->GetDocuments().empty());
}

TEST(DocView, UnreadableFileLeavesNothingBehind) {
    Program p;
    tvtest::MessageCapture capture;
    int before = g_documentsAlive;
    EXPECT_EQ(p.app.OpenDocumentFile("/nonexistent/folder/plan.tv2"), nullptr);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_NE(capture.Last().text.find("/nonexistent/folder/plan.tv2"), std::string::npos);
    EXPECT_EQ(g_documentsAlive, before);
    EXPECT_TRUE(p.frame->GetChildFrames().empty());
    EXPECT_TRUE(p.tmpl->GetDocuments().empty());
}

// The plain document writes its archive through the safe writer: a save
// whose sync fails leaves the old file, names the path once with the
// system's reason, and keeps the document modified.
TEST(DocView, AFailedSaveLeavesTheOldFileAndKeepsTheDocumentModified) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("plan.dat").toStdString();
    {
        std::ofstream old(path, std::ios::binary);
        old << "the old file";
    }
    TestDoc doc;
    doc.m_bAutoDelete = false;
    doc.SetModifiedFlag(true);
    tvtest::MessageCapture capture;
    {
        tvtest::FaultyFileOps ops(tvtest::FaultyFileOps::AtSync);
        EXPECT_FALSE(doc.DoSave(path));
    }
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, path + "\n" + tvtest::ReasonOf(EIO));
    EXPECT_TRUE(doc.IsModified());
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old file");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plan.dat"});
}

TEST(DocView, CommandsFollowTheActiveDocument) {
    Program p;
    QAction* action = p.frame->GetAction(700);
    p.frame->UpdateCommandUI();
    EXPECT_FALSE(action->isEnabled()); // no document: nobody handles 700
    auto* doc = dynamic_cast<TestDoc*>(p.tmpl->OpenDocumentFile(""));
    p.frame->UpdateCommandUI();
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_EQ(doc->m_commands, 1);
    // The framework's own save command is the document's.
    QAction* save = p.frame->GetAction(fw::id::FILE_SAVE);
    p.frame->UpdateCommandUI();
    EXPECT_TRUE(save->isEnabled());
}

namespace {

class DrawingView : public fw::CView {
public:
    void OnPrepareDC(fw::CDC* pDC) override {
        pDC->SetMapMode(fw::MM_LOMETRIC);
        prepared = true;
    }
    void OnDraw(fw::CDC* pDC) override {
        mapModeSeen = pDC->GetMapMode();
        pDC->FillSolidRect(fw::CRect(0, 0, 100, -100), fw::RGB(255, 0, 0));
    }
    bool prepared = false;
    int mapModeSeen = 0;
};

} // namespace

TEST(DocView, ViewDrawsThroughTheDeviceContext) {
    DrawingView view;
    view.resize(120, 120);
    QImage image = view.grab().toImage();
    EXPECT_TRUE(view.prepared);
    EXPECT_EQ(view.mapModeSeen, fw::MM_LOMETRIC);
    // 10 mm of red from the top-left corner, white beyond.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(115, 115), QColor(Qt::white));
}

TEST(DocView, CommandsRefreshThemselvesWhenTheDocumentChanges) {
    Program p;
    QAction* save = p.frame->GetAction(fw::id::FILE_SAVE);
    fw::CDocument* doc = p.tmpl->OpenDocumentFile("");
    QCoreApplication::processEvents();
    EXPECT_TRUE(save->isEnabled());
    doc->OnCloseDocument();
    QCoreApplication::processEvents(); // no explicit refresh
    EXPECT_FALSE(save->isEnabled());
}

TEST(DocView, RecentFilesAreSavedWholeOverAnotherCopysAndUnchangedLeaveTheFile) {
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("settings.ini"));
    auto fileText = [&] {
        std::ifstream in(ini.toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string plan = folder.filePath(QStringLiteral("plan.tv2")).toStdString();
    Program p;
    p.app.SetSettingsFile(ini.toStdString());
    p.app.LoadStdProfileSettings(4);
    p.app.AddToRecentFileList(plan);
    {
        // Another copy of the program writes its own list meanwhile (written
        // here by hand: the settings objects of one process share what they
        // read).
        std::ofstream other(ini.toStdString(), std::ios::binary | std::ios::trunc);
        other << "[Recent%20File%20List]\nFile1=/else/a.tv2\nFile2=/else/b.tv2\n";
    }
    // Saving writes this copy's list whole over it, as it always has.
    p.app.SaveStdProfileSettings();
    {
        QSettings settings(ini, QSettings::IniFormat);
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString().toStdString(),
                  plan);
        EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File2")));
    }
    // Opening the file on top of the list again, and the save at the end,
    // leave the file as it is: nothing to write.
    const std::string before = fileText();
    {
        std::ofstream out(ini.toStdString(), std::ios::binary | std::ios::app);
        out << "; a line no rewrite of the file keeps\n";
    }
    const std::string marked = fileText();
    ASSERT_NE(marked, before);
    p.app.AddToRecentFileList(plan);
    p.app.SaveStdProfileSettings();
    EXPECT_EQ(fileText(), marked);
}
