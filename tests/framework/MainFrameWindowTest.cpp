// The main window of the windowing layer as a user meets it: closing it with
// File Exit or its close button, its window list and arrangement, its title
// and the prompts of its menus.

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "tests/common/MessageCapture.h"

#include <QApplication>
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
