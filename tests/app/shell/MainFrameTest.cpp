// The main frame and the child frames: toolbar 128, the status bar, view
// switching, window titles, the bars of the four frames, command enabling
// and check marks, and closing the skeleton frame.

#include "ShellTestSupport.h"

#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CChildFrame2.h"
#include "app/shell/CChildFrame3.h"
#include "app/shell/CChildFrame4.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/TovarineViewClasses.h"

#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "framework/Resources.h"
#include "framework/View.h"
#include "tests/common/MessageCapture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>

#include <gtest/gtest.h>

using shelltest::StartedProgram;

namespace {

// The commands of a toolbar in order, 0 for a separator, the id of a
// control for a widget.
std::vector<unsigned> Buttons(const QToolBar* bar) {
    std::vector<unsigned> ids;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator())
            ids.push_back(0);
        else if (QWidget* w = bar->widgetForAction(a); w && fw::GetControlId(w))
            ids.push_back(fw::GetControlId(w));
        else if (fw::GetControlId(a))
            ids.push_back(fw::GetControlId(a));
        else
            ids.push_back(1); // a widget without a number (the gap)
    }
    return ids;
}

// The menu of the menu bar with that text, or null.
QMenu* MenuNamed(CMainFrame* main, const QString& text) {
    for (QAction* a : main->menuBar()->actions()) {
        if (a->menu() && a->text() == text)
            return a->menu();
    }
    return nullptr;
}

// What the main window's title and message pane show once the events are
// through.
QString Settled(QString (*read)(CMainFrame*), CMainFrame* main) {
    QCoreApplication::processEvents();
    return read(main);
}

void MoveMouseTo(QMenu* menu, QAction* action) {
    QPoint at = menu->actionGeometry(action).center();
    QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(menu, &move);
    QCoreApplication::processEvents();
}

bool Enabled(CMainFrame* main, unsigned id) {
    QAction* action = main->GetAction(id);
    main->UpdateCommandUI();
    return action->isEnabled();
}

} // namespace

TEST(MainFrame, ToolbarAndStatusBar) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    ASSERT_NE(main->m_wndToolBar, nullptr);
    EXPECT_EQ(fw::GetControlId(main->m_wndToolBar), fw::id::IDW_TOOLBAR);
    EXPECT_EQ(main->m_wndToolBar->windowTitle(), QString("Standard"));
    EXPECT_EQ(Buttons(main->m_wndToolBar),
              (std::vector<unsigned>{57600, 57601, 57603, 0,     57635, 57634, 57637, 0,
                                     57643, 0,     57607, 57609, 0,     20491, 20492, 20493,
                                     20494, 20498, 0,     20495, 20496, 20499, 20500, 0,
                                     20480, 0,     20481, 0,     20482, 0,     20483}));
    // Every button has its picture and its prompt.
    for (QAction* a : main->m_wndToolBar->actions()) {
        if (a->isSeparator())
            continue;
        EXPECT_FALSE(a->icon().isNull()) << fw::GetControlId(a);
        EXPECT_FALSE(a->statusTip().isEmpty()) << fw::GetControlId(a);
    }
    EXPECT_EQ(main->GetAction(20480)->statusTip(), QString("Display of a skeleton window"));
    EXPECT_EQ(main->GetAction(20493)->statusTip(),
              QString("Mode of calculation of short-circuit current"));
    EXPECT_EQ(main->GetAction(20493)->toolTip(), QString("Calculation"));
    QStatusBar* status = main->statusBar();
    std::vector<unsigned> panes;
    for (QLabel* pane : status->findChildren<QLabel*>()) {
        if (unsigned id = fw::GetControlId(pane))
            panes.push_back(id);
    }
    EXPECT_EQ(panes, (std::vector<unsigned>{fw::id::INDICATOR_KANA, fw::id::INDICATOR_CAPS,
                                            fw::id::INDICATOR_NUM, fw::id::INDICATOR_SCRL}));
}

TEST(MainFrame, ToolbarAndStatusBarItemsTickAndToggle_FaultMenuActionFoundForTheBar) {
    // The bar used to be looked up by the command's number, which the menu's
    // own action carries too: the items stayed grey and unticked.
    for (bool withProject : {true, false}) {
        SCOPED_TRACE(withProject ? "with a project" : "without one");
        StartedProgram p(withProject ? std::vector<std::string>{}
                                     : std::vector<std::string>{"-Embedding"});
        CMainFrame* main = p.Main();
        struct Case {
            unsigned command;
            QWidget* bar;
        } cases[] = {{fw::id::VIEW_TOOLBAR, main->m_wndToolBar},
                     {fw::id::VIEW_STATUS_BAR, main->statusBar()}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.command);
            QAction* item = main->GetAction(c.command);
            main->UpdateCommandUI();
            EXPECT_TRUE(item->isEnabled());
            EXPECT_TRUE(item->isChecked());
            item->trigger(); // as the menu does
            main->UpdateCommandUI();
            EXPECT_FALSE(c.bar->isVisibleTo(main));
            EXPECT_TRUE(item->isEnabled());
            EXPECT_FALSE(item->isChecked());
            item->trigger();
            main->UpdateCommandUI();
            EXPECT_TRUE(c.bar->isVisibleTo(main));
            EXPECT_TRUE(item->isChecked());
        }
        // The skeleton frame's second bar has the toolbar's number as well;
        // it is not the main frame's toolbar.
        if (withProject) {
            main->ExecuteCommand(fw::id::VIEW_TOOLBAR);
            EXPECT_FALSE(main->m_wndToolBar->isVisibleTo(main));
            EXPECT_TRUE(main->SkeletonFrame->m_wndSecondBar->isVisibleTo(
                main->SkeletonFrame->GetBarHost()));
        }
    }
}

TEST(MainFrame, CommandEnablingFollowsTheOpenProject) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    struct Case {
        unsigned id;
        bool withProject;
        bool withoutProject;
    } cases[] = {
        {fw::id::FILE_NEW, true, true},
        {fw::id::FILE_OPEN, true, true},
        {fw::id::FILE_SAVE, true, false},
        {fw::id::FILE_CLOSE, true, false},
        {fw::id::APP_ABOUT, true, true},
        {32825, true, true},
        {20480, true, true},
        {20481, true, true},
        {32806, true, true},   // the catalogue program needs no project
        {20497, false, false}, // no handler anywhere
        {32770, true, true},   // the group list needs no project
    };
    for (const Case& c : cases)
        EXPECT_EQ(Enabled(main, c.id), c.withProject) << c.id;
    ASSERT_NE(p.app->GetActiveDocument(), nullptr);
    EXPECT_EQ(p.app->GetActiveDocument()->DoCloseDocument(), 1);
    shelltest::FlushDeletes();
    EXPECT_EQ(main->SkeletonFrame, nullptr);
    for (const Case& c : cases)
        EXPECT_EQ(Enabled(main, c.id), c.withoutProject) << c.id;
}

TEST(MainFrame, MenuOfTheProjectWhileAFrameIsOpen) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    EXPECT_EQ(main->GetMenuResource(), 129u);
    p.app->GetActiveDocument()->DoCloseDocument();
    EXPECT_EQ(main->GetMenuResource(), 128u);
    // Every command of the menus carries its prompt where the table has one.
    EXPECT_EQ(main->GetAction(32806)->statusTip(),
              QString("Select a circuit breaker from the table freely"));
    EXPECT_EQ(main->GetAction(32770)->statusTip(), QString("Display a symbol group list"));
}

TEST(MainFrame, ViewSwitchingOpensEachViewOnceAndActivatesIt) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    CTovarineDoc* doc = p.app->GetActiveDocument();
    ASSERT_NE(doc, nullptr);
    struct Case {
        unsigned id;
        const fw::CViewClass* cls;
    } cases[] = {{20481, CoordinationViewClass()},
                 {20482, ReportViewClass()},
                 {20483, ImpeMapViewClass()},
                 {20480, SkeletonViewClass()}};
    for (const Case& c : cases) {
        main->ExecuteCommand(c.id);
        fw::CMDIChildWnd* active = main->MDIGetActive();
        ASSERT_NE(active, nullptr) << c.id;
        EXPECT_TRUE(active->GetActiveView()->IsKindOf(c.cls)) << c.id;
        EXPECT_EQ(main->FindViewOfClass(c.cls), active->GetActiveView()) << c.id;
    }
    EXPECT_EQ(doc->GetViews().size(), 4u);
    EXPECT_EQ(main->GetChildFrames().size(), 4u);
    // Again: the frames are activated, none is added.
    for (const Case& c : cases) {
        main->ExecuteCommand(c.id);
        EXPECT_TRUE(main->MDIGetActive()->GetActiveView()->IsKindOf(c.cls)) << c.id;
    }
    EXPECT_EQ(main->GetChildFrames().size(), 4u);
    EXPECT_EQ(main->CoordinationFrame->windowTitle(), QString("Project1.tv2 - Co-ordination View"));
    EXPECT_EQ(main->ReportFrame->windowTitle(), QString("Project1.tv2 - Report View"));
    EXPECT_EQ(main->ImpeMapFrame->windowTitle(), QString("Project1.tv2 - Impedance map View"));
}

TEST(MainFrame, CoordinationViewTilesTheFramesSideBySide) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->resize(1000, 700);
    main->ExecuteCommand(20481);
    ASSERT_NE(main->SkeletonFrame, nullptr);
    ASSERT_NE(main->CoordinationFrame, nullptr);
    QRect a = main->SkeletonFrame->geometry();
    QRect b = main->CoordinationFrame->geometry();
    EXPECT_FALSE(main->SkeletonFrame->isMaximized());
    EXPECT_EQ(a.top(), b.top());
    EXPECT_EQ(a.height(), b.height());
    EXPECT_FALSE(a.intersects(b));
    // The view is found without opening it a second time.
    EXPECT_EQ(GetCoordinationView(0), main->CoordinationFrame->GetActiveView());
    EXPECT_EQ(main->GetChildFrames().size(), 2u);
}

TEST(MainFrame, ViewCommandsWithoutAProjectDoNothing) {
    StartedProgram p({"-Embedding"});
    CMainFrame* main = p.Main();
    for (unsigned id : {20480u, 20481u, 20482u, 20483u})
        main->ExecuteCommand(id);
    EXPECT_TRUE(main->GetChildFrames().empty());
    EXPECT_EQ(GetCoordinationView(1), nullptr);
}

TEST(MainFrame, ClosingTheSkeletonFrameClosesTheOtherViewsFirst) {
    tvtest::MessageCapture capture;
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->ExecuteCommand(20482);
    main->ExecuteCommand(20481);
    ASSERT_EQ(main->GetChildFrames().size(), 3u);
    // The document is modified: its question comes after the other frames
    // are gone, and a cancel keeps the skeleton frame alone.
    p.app->GetActiveDocument()->SetModifiedFlag(true);
    size_t framesAtQuestion = 0;
    fw::SetMessageSink([&](const fw::MessageRequest&) {
        framesAtQuestion = main->GetChildFrames().size();
        return fw::mb::IdCancel;
    });
    main->SkeletonFrame->OnClose();
    EXPECT_EQ(framesAtQuestion, 1u);
    EXPECT_EQ(main->ReportFrame, nullptr);
    EXPECT_EQ(main->CoordinationFrame, nullptr);
    ASSERT_NE(main->SkeletonFrame, nullptr);
    fw::SetMessageSink([](const fw::MessageRequest&) { return fw::mb::IdNo; });
    main->SkeletonFrame->OnClose();
    EXPECT_EQ(main->SkeletonFrame, nullptr);
    EXPECT_TRUE(main->GetChildFrames().empty());
    EXPECT_TRUE(p.app->m_pDocTemplate1->GetDocuments().empty());
}

TEST(MainFrame, SkeletonFrameBars_FaultZoomBoxShowsItsFirstEntry) {
    StartedProgram p;
    CChildFrame1* frame = p.Main()->SkeletonFrame;
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_wndToolBar, nullptr);
    EXPECT_EQ(fw::GetControlId(frame->m_wndToolBar), 154u);
    EXPECT_EQ(frame->m_wndToolBar->windowTitle(), QString("Elements"));
    EXPECT_EQ(Buttons(frame->m_wndToolBar),
              (std::vector<unsigned>{32771, 32772, 32773, 32774, 32775, 32776, 32781,
                                     32836, 32777, 32779, 32787, 32785, 32784, 32786,
                                     0,     32782, 32783, 32837, 32778, 32780}));
    ASSERT_NE(frame->m_wndSecondBar, nullptr);
    EXPECT_EQ(frame->m_wndSecondBar->windowTitle(), QString("Adding"));
    EXPECT_EQ(Buttons(frame->m_wndSecondBar),
              (std::vector<unsigned>{32831, 0, 32795, 32797, 1, 20484}));
    QComboBox* zoom = fw::FindControlAs<QComboBox>(frame, 20484);
    ASSERT_EQ(zoom, frame->m_wndZoomBox);
    ASSERT_EQ(zoom->count(), 5);
    QStringList items;
    for (int i = 0; i < zoom->count(); ++i)
        items << zoom->itemText(i);
    EXPECT_EQ(items, (QStringList{"200%", "150%", "100%", "75%", "50%"}));
    EXPECT_FALSE(zoom->isEditable());
    // The box shows the view's zoom (it used to show "200%" while the view
    // was at 100 %).
    EXPECT_EQ(zoom->currentText(), QString("100%"));
    for (QAction* a : frame->m_wndSecondBar->actions()) {
        if (!a->isSeparator() && !frame->m_wndSecondBar->widgetForAction(a)) {
            EXPECT_FALSE(a->icon().isNull()) << fw::GetControlId(a);
        }
    }
}

TEST(MainFrame, ElementAndAddingBarsToggleWithTheirCheckMarks) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    CChildFrame1* frame = main->SkeletonFrame;
    QAction* element = main->GetAction(32816);
    QAction* adding = main->GetAction(32817);
    main->UpdateCommandUI();
    EXPECT_TRUE(element->isChecked());
    EXPECT_TRUE(adding->isChecked());
    main->ExecuteCommand(32817);
    main->UpdateCommandUI();
    EXPECT_FALSE(frame->m_wndSecondBar->isVisibleTo(frame->GetBarHost()));
    EXPECT_FALSE(adding->isChecked());
    EXPECT_TRUE(element->isChecked());
    main->ExecuteCommand(32816);
    main->UpdateCommandUI();
    EXPECT_FALSE(frame->IsElementBarVisible());
    EXPECT_FALSE(element->isChecked());
    // The document shows the element bar again (mode 1) through the frame.
    p.app->GetActiveDocument()->ShowElementBar(1);
    EXPECT_TRUE(frame->IsElementBarVisible());
    p.app->GetActiveDocument()->ShowElementBar(0);
    EXPECT_FALSE(frame->IsElementBarVisible());
}

TEST(MainFrame, DialogBarsOfTheOtherThreeFrames) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->ExecuteCommand(20481);
    main->ExecuteCommand(20482);
    main->ExecuteCommand(20483);
    struct Case {
        fw::CMDIChildWnd* frame;
        QToolBar* bar;
        const char* title;
        std::vector<unsigned> controls;
    } cases[] = {
        {main->CoordinationFrame,
         main->CoordinationFrame->m_wndDlgBar,
         "Co-ordination",
         {20485, 20486, 20487}},
        {main->ReportFrame, main->ReportFrame->m_wndDlgBar, "Tables", {20489, 20488}},
        {main->ImpeMapFrame, main->ImpeMapFrame->m_wndDlgBar, "Impedance map", {20490}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.bar, nullptr) << c.title;
        EXPECT_EQ(c.bar->windowTitle(), QString(c.title));
        EXPECT_EQ(fw::GetControlId(c.bar), fw::id::IDW_DIALOGBAR);
        for (unsigned id : c.controls)
            EXPECT_NE(fw::FindControl(c.bar, id), nullptr) << c.title << " " << id;
        EXPECT_TRUE(c.frame->isMaximized() || main->MDIGetActive() != c.frame) << c.title;
    }
    EXPECT_NE(fw::FindControlAs<QTabBar>(main->ReportFrame, 20489), nullptr);
    EXPECT_NE(fw::FindControlAs<QComboBox>(main->CoordinationFrame, 20487), nullptr);
}

TEST(MainFrame, ActiveDocumentMessages) {
    tvtest::MessageCapture capture;
    StartedProgram p({"-Embedding"});
    // No child frame: no document and no message.
    p.app->m_cmdInfo.m_bRunEmbedded = false;
    EXPECT_EQ(p.app->GetActiveDocument(), nullptr);
    EXPECT_EQ(capture.Count(), 0u);
    // A child frame without a document.
    auto* frame = new fw::CMDIChildWnd;
    fw::CCreateContext context;
    ASSERT_TRUE(frame->LoadFrame(p.Main(), context));
    frame->ActivateFrame();
    EXPECT_EQ(p.app->GetActiveDocument(), nullptr);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "The pointer of a document was unacquirable.");
    EXPECT_EQ(capture.Last().type & fw::mb::IconMask, fw::mb::IconStop);
    frame->DestroyFrame();
    // No main window at all.
    p.app->ExitInstance();
    capture.Clear();
    EXPECT_EQ(p.app->GetActiveDocument(), nullptr);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text, "The pointer of a main frame was unacquirable.");
    EXPECT_EQ(GetCoordinationView(0), nullptr);
    EXPECT_EQ(capture.Count(), 2u);
}

TEST(MainFrame, TitleKeepsTheProjectsNameWhenTheFramesAreNotMaximised_FaultNameLost) {
    // Before, the project's name showed only while a maximised frame added
    // its own title.
    StartedProgram p;
    CMainFrame* main = p.Main();
    auto title = [](CMainFrame* m) { return m->windowTitle(); };
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2 - [Project1.tv2 - Skeleton View]"));
    main->ExecuteCommand(20481); // co-ordination: the frames are tiled, not maximised
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2 - Project1"));
    p.app->GetActiveDocument()->SetTitle("Plant");
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2 - Plant"));
    main->SkeletonFrame->ActivateFrame(); // maximised again, with its new title
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2 - [Plant.tv2 - Skeleton View]"));
    main->SkeletonFrame->showNormal();
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2 - Plant"));
    // No project: the program's name alone.
    p.app->GetActiveDocument()->DoCloseDocument();
    shelltest::FlushDeletes();
    EXPECT_EQ(Settled(title, main), QString("TOVARINE2"));
}

TEST(MainFrame, WindowMenuListsTheOpenWindows_FaultNoWindowList) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->ExecuteCommand(20482); // the report view, now active
    QMenu* window = MenuNamed(main, "&Window");
    ASSERT_NE(window, nullptr);
    auto listed = [&window] {
        std::vector<std::pair<std::string, bool>> entries;
        bool afterSeparator = false;
        for (QAction* a : window->actions()) {
            if (a->isSeparator())
                afterSeparator = true;
            else if (afterSeparator)
                entries.emplace_back(a->text().toStdString(), a->isChecked());
        }
        return entries;
    };
    using Entries = std::vector<std::pair<std::string, bool>>;
    emit window->aboutToShow();
    EXPECT_EQ(listed(), (Entries{{"&1 Project1.tv2 - Skeleton View", false},
                                 {"&2 Project1.tv2 - Report View", true}}));
    // Choosing an entry activates its frame; the list is made anew each time.
    for (QAction* a : window->actions()) {
        if (a->text().startsWith("&1 "))
            a->trigger();
    }
    EXPECT_EQ(main->MDIGetActive(), main->SkeletonFrame);
    // The skeleton view shows its own menu: its Window menu lists the same.
    window = MenuNamed(main, "&Window");
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    EXPECT_EQ(listed(), (Entries{{"&1 Project1.tv2 - Skeleton View", true},
                                 {"&2 Project1.tv2 - Report View", false}}));
    // The Window menu's own commands come first, unchanged.
    ASSERT_GE(window->actions().size(), 3);
    EXPECT_EQ(fw::GetControlId(window->actions()[0]), fw::id::WINDOW_CASCADE);
}

TEST(MainFrame, CascadeFromTheWindowMenuKeepsTheFramesUsable) {
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->resize(1000, 700);
    main->ExecuteCommand(20482);
    main->ExecuteCommand(fw::id::WINDOW_CASCADE);
    QRect area = main->GetMdiArea()->viewport()->rect();
    for (fw::CMDIChildWnd* f : main->GetChildFrames()) {
        EXPECT_FALSE(f->isMaximized());
        EXPECT_GE(f->width(), area.width() / 2);
        EXPECT_GE(f->height(), area.height() / 2);
    }
    EXPECT_EQ(main->MDIGetActive(), main->ReportFrame);
}

TEST(MainFrame, DisabledMenuItemsShowTheirPrompt_FaultReadyInstead) {
    // The menu showed the prompts of enabled items only: over a disabled one
    // the message pane said "Ready".
    StartedProgram p;
    CMainFrame* main = p.Main();
    main->resize(1000, 700);
    main->UpdateCommandUI();
    // The toolbar toggle is enabled; some command the new project does not
    // offer yet (an insert of a kind still missing) stands disabled.
    QMenu* view = MenuNamed(main, "&View");
    ASSERT_NE(view, nullptr);
    QAction* enabled = main->GetAction(fw::id::VIEW_TOOLBAR);
    main->UpdateCommandUI();
    QMenu* file = nullptr;
    QAction* disabled = nullptr;
    for (QAction* top : main->menuBar()->actions()) {
        QMenu* menu = top->menu();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (!disabled && !action->isSeparator() && !action->menu() && !action->isEnabled() &&
                !action->statusTip().isEmpty()) {
                disabled = action;
                file = menu;
            }
        }
    }
    ASSERT_NE(disabled, nullptr);
    const QString prompt = disabled->statusTip();
    ASSERT_TRUE(enabled->isEnabled());
    auto pane = [](CMainFrame* m) { return m->statusBar()->currentMessage(); };
    main->menuBar()->setActiveAction(view->menuAction());
    QCoreApplication::processEvents();
    ASSERT_TRUE(view->isVisible());
    MoveMouseTo(view, enabled);
    EXPECT_EQ(Settled(pane, main), QString("Show or hide the toolbar"));
    main->menuBar()->setActiveAction(file->menuAction());
    QCoreApplication::processEvents();
    ASSERT_TRUE(file->isVisible());
    MoveMouseTo(file, disabled);
    EXPECT_EQ(Settled(pane, main), prompt);
    MoveMouseTo(file, disabled); // staying on it keeps it
    EXPECT_EQ(Settled(pane, main), prompt);
    file->hide();
    main->menuBar()->setActiveAction(nullptr);
    EXPECT_EQ(Settled(pane, main), QString("Ready"));
}
