// The main window of the windowing layer as a user meets it: closing it with
// File Exit or its close button, its window list and arrangement, its title
// and the prompts of its menus.

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FileDialog.h"
#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "tests/common/MessageCapture.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PlainDoc : public fw::CDocument {};

class PlainView : public fw::CView {
    FW_DECLARE_VIEW(PlainView)
};
FW_IMPLEMENT_VIEW(PlainView)

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// An application with a shown main window and one template.
struct Program {
    Program() : app("Test") {
        frame = new fw::CMDIFrameWnd;
        app.SetMainFrame(frame);
        tmpl = new fw::CDocTemplate(
            9101, [] { return std::make_unique<PlainDoc>(); }, [] { return new fw::CMDIChildWnd; },
            PlainView::ViewClass());
        app.AddDocTemplate(tmpl);
        frame->resize(800, 600);
        frame->show();
    }
    ~Program() { FlushDeletes(); }
    fw::CWinApp app;
    fw::CMDIFrameWnd* frame;
    fw::CDocTemplate* tmpl;
};

} // namespace

TEST(MainWindowClose, OneExitOrCloseButtonClosesDocumentsAndWindow_FaultSecondExitNeeded) {
    // The close handler used to ignore the close event and call close()
    // again, which Qt ignores while a close is under way: the first request
    // only closed the documents, the second closed the window.
    enum Way { exitCommand, closeButton };
    struct Case {
        const char* what;
        Way way;
        bool withDocument;
    } cases[] = {
        {"Exit with a document", exitCommand, true},
        {"Exit without one", exitCommand, false},
        {"close button with a document", closeButton, true},
        {"close button without one", closeButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tvtest::MessageCapture capture;
        Program p;
        if (c.withDocument) {
            ASSERT_NE(p.tmpl->OpenDocumentFile(""), nullptr);
        }
        ASSERT_TRUE(p.frame->isVisible());
        if (c.way == exitCommand)
            p.frame->ExecuteCommand(fw::id::APP_EXIT);
        else
            p.frame->windowHandle()->close(); // as the window manager asks
        EXPECT_FALSE(p.frame->isVisible());
        EXPECT_TRUE(p.tmpl->GetDocuments().empty());
        EXPECT_TRUE(p.frame->GetChildFrames().empty());
        EXPECT_EQ(capture.Count(), 0u);
    }
}

TEST(MainWindowClose, ACancelledSaveQuestionKeepsWindowAndDocument) {
    tvtest::MessageCapture capture;
    Program p;
    fw::CDocument* doc = p.tmpl->OpenDocumentFile("");
    doc->SetModifiedFlag(true);
    capture.Answer(fw::mb::IdCancel);
    p.frame->ExecuteCommand(fw::id::APP_EXIT);
    EXPECT_EQ(capture.Count(), 1u);
    EXPECT_TRUE(p.frame->isVisible());
    ASSERT_EQ(p.tmpl->GetDocuments().size(), 1u);
    capture.Answer(fw::mb::IdCancel);
    p.frame->windowHandle()->close();
    EXPECT_EQ(capture.Count(), 2u);
    EXPECT_TRUE(p.frame->isVisible());
    // Not saving: one more request closes both.
    capture.Answer(fw::mb::IdNo);
    p.frame->ExecuteCommand(fw::id::APP_EXIT);
    EXPECT_FALSE(p.frame->isVisible());
    EXPECT_TRUE(p.tmpl->GetDocuments().empty());
}

TEST(MainWindowArrange, CascadeGivesEveryFrameAUsableSize_FaultShrunkToItsBars) {
    // The document area's own cascade sized each frame by its size hint,
    // which is that of its bars around an empty view.
    Program p;
    p.frame->resize(1000, 700);
    for (int i = 0; i < 3; ++i)
        p.tmpl->OpenDocumentFile("");
    std::vector<fw::CMDIChildWnd*> frames = p.frame->GetChildFrames();
    ASSERT_EQ(frames.size(), 3u);
    frames[2]->showMaximized();
    p.frame->MDIActivate(frames[1]);
    p.frame->ExecuteCommand(fw::id::WINDOW_CASCADE);
    QRect area = p.frame->GetMdiArea()->viewport()->rect();
    ASSERT_GT(area.width(), 200);
    ASSERT_GT(area.height(), 200);
    for (fw::CMDIChildWnd* f : frames) {
        QRect r = f->geometry();
        EXPECT_FALSE(f->isMaximized());
        EXPECT_GE(r.width(), area.width() / 2);
        EXPECT_GE(r.height(), area.height() / 2);
        EXPECT_TRUE(area.contains(r))
            << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
    // Each one title bar further down and right, the active one last and on
    // top; it stays active.
    QRect a = frames[0]->geometry();
    QRect b = frames[2]->geometry();
    QRect c = frames[1]->geometry();
    EXPECT_LT(a.top(), b.top());
    EXPECT_LT(b.top(), c.top());
    EXPECT_LT(a.left(), b.left());
    EXPECT_EQ(b.top() - a.top(), c.top() - b.top());
    EXPECT_EQ(p.frame->MDIGetActive(), frames[1]);
    EXPECT_EQ(p.frame->GetMdiArea()->subWindowList(QMdiArea::StackingOrder).last(), frames[1]);
}

TEST(MainWindowFileDialog, NameBoxStartsWithTheInitialNameEvenAPattern_FaultPatternDropped) {
    // The dialog used to leave the name box empty when the initial name was a
    // pattern such as "*.tv2".
    struct Case {
        bool open;
        const char* name;
    } cases[] = {{true, "*.tv2"}, {false, "plan.tv2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::FileDialogRequest req;
        req.open = c.open;
        req.fileMustExist = c.open;
        req.defaultExt = c.open ? "*.tv2" : "tv2";
        req.fileName = c.name;
        req.filter = "TOVARINE2 files (*.tv2)|*.tv2|All files (*.*)|*.*||";
        QString nameBox = "(no dialog)";
        QTimer::singleShot(0, [&nameBox] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                nameBox = edit->text();
            dialog->reject();
        });
        EXPECT_EQ(fw::RunFileDialog(req, nullptr), std::nullopt);
        EXPECT_EQ(nameBox.toStdString(), c.name);
    }
}
