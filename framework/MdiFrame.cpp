#include "MdiFrame.h"

#include "CommandIds.h"
#include "Document.h"
#include "MdiChildFrame.h"
#include "Resources.h"
#include "StringTable.h"
#include "View.h"
#include "WinApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace fw {

namespace {

// The string of the message pane's idle text.
constexpr unsigned kIdleMessageId = 57345;

bool IsWindowCommand(unsigned id) {
    return id == id::WINDOW_ARRANGE || id == id::WINDOW_CASCADE || id == id::WINDOW_TILE_HORZ ||
           id == id::WINDOW_TILE_VERT;
}

} // namespace

CMDIFrameWnd::CMDIFrameWnd() {
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* w) { OnSubWindowActivated(w); });

    // The frame's own bars, by their control ids. Only the frame's direct
    // children count: the menu's actions carry the same numbers as commands,
    // and the child frames have bars of their own.
    auto toggleBar = [this](unsigned barId) {
        if (QWidget* bar = FindOwnBar(barId))
            bar->setVisible(!bar->isVisibleTo(this));
    };
    auto updateBar = [this](unsigned barId, CCmdUI& ui) {
        QWidget* bar = FindOwnBar(barId);
        ui.Enable(bar != nullptr);
        ui.SetCheck(bar && bar->isVisibleTo(this) ? 1 : 0);
    };
    OnCommand(id::VIEW_TOOLBAR, [toggleBar] { toggleBar(id::IDW_TOOLBAR); });
    OnUpdateCommandUI(id::VIEW_TOOLBAR,
                      [updateBar](CCmdUI& ui) { updateBar(id::IDW_TOOLBAR, ui); });
    OnCommand(id::VIEW_STATUS_BAR, [toggleBar] { toggleBar(id::IDW_STATUS_BAR); });
    OnUpdateCommandUI(id::VIEW_STATUS_BAR,
                      [updateBar](CCmdUI& ui) { updateBar(id::IDW_STATUS_BAR, ui); });
    OnCommand(id::WINDOW_CASCADE, [this] { MDICascade(); });
    OnCommand(id::WINDOW_TILE_HORZ, [this] { MDITile(false); });
    OnCommand(id::WINDOW_TILE_VERT, [this] { MDITile(true); });
    OnCommand(id::WINDOW_ARRANGE, [this] { m_pMdiArea->tileSubWindows(); });
    for (unsigned cmd :
         {id::WINDOW_CASCADE, id::WINDOW_TILE_HORZ, id::WINDOW_TILE_VERT, id::WINDOW_ARRANGE}) {
        OnUpdateCommandUI(cmd, [this](CCmdUI& ui) { ui.Enable(MDIGetActive() != nullptr); });
    }
}

CMDIFrameWnd::~CMDIFrameWnd() {
    // Child frames go before the frame, so that their documents let go of
    // them while the frame still answers.
    for (CMDIChildWnd* child : GetChildFrames())
        child->DestroyFrame();
    if (CWinApp* app = AfxGetApp(); app && app->GetMainFrame() == this)
        app->SetMainFrame(nullptr);
}

bool CMDIFrameWnd::LoadFrame(unsigned resourceId) {
    m_nIDResource = resourceId;
    if (CWinApp* app = AfxGetApp())
        setWindowTitle(QString::fromStdString(app->m_pszAppName));
    QIcon icon = LoadIconResource(resourceId);
    if (!icon.isNull())
        setWindowIcon(icon);
    // The desktop's default place and a good part of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        resize(area.width() * 3 / 4, area.height() * 3 / 4);
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    SetMenuResource(resourceId);
    return OnCreate() != -1;
}

int CMDIFrameWnd::OnCreate() {
    return 0;
}

QWidget* CMDIFrameWnd::FindOwnBar(unsigned barId) const {
    for (QObject* child : children()) {
        auto* bar = qobject_cast<QWidget*>(child);
        if (bar && GetControlId(bar) == barId &&
            (qobject_cast<QToolBar*>(bar) || qobject_cast<QStatusBar*>(bar)))
            return bar;
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    auto* child = dynamic_cast<CMDIChildWnd*>(m_pMdiArea->currentSubWindow());
    if (child && child->IsDestroyed())
        return nullptr;
    return child;
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* frame) {
    if (frame && !frame->IsDestroyed())
        m_pMdiArea->setActiveSubWindow(frame);
}

void CMDIFrameWnd::MDITile(bool vertical) {
    std::vector<QMdiSubWindow*> windows;
    for (CMDIChildWnd* child : GetChildFrames()) {
        if (child->isVisible() && !child->isMinimized())
            windows.push_back(child);
    }
    if (windows.empty())
        return;
    QRect area = m_pMdiArea->viewport()->rect();
    int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[static_cast<size_t>(i)];
        w->showNormal();
        if (vertical) {
            int width = area.width() / n;
            int x = i * width;
            w->setGeometry(x, 0, i == n - 1 ? area.width() - x : width, area.height());
        } else {
            int height = area.height() / n;
            int y = i * height;
            w->setGeometry(0, y, area.width(), i == n - 1 ? area.height() - y : height);
        }
    }
}

void CMDIFrameWnd::MDICascade() {
    std::vector<CMDIChildWnd*> windows;
    CMDIChildWnd* active = MDIGetActive();
    for (CMDIChildWnd* child : GetChildFrames()) {
        if (child->isVisible() && !child->isMinimized() && child != active)
            windows.push_back(child);
    }
    // The active frame ends on top, in front of the others.
    if (active && active->isVisible() && !active->isMinimized())
        windows.push_back(active);
    if (windows.empty())
        return;
    // Each frame steps one title bar down and right from the one before and
    // keeps a usable size: what the steps leave of the area, but at least
    // half of it either way. A frame's own size hint would shrink it to its
    // bars.
    QRect area = m_pMdiArea->viewport()->rect();
    int n = static_cast<int>(windows.size());
    int step =
        windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front());
    step = std::max(step, 16);
    int width = std::max(area.width() - (n - 1) * step, area.width() / 2);
    int height = std::max(area.height() - (n - 1) * step, area.height() / 2);
    int x = 0;
    int y = 0;
    for (QMdiSubWindow* w : windows) {
        w->showNormal();
        if (x + width > area.width() || y + height > area.height())
            x = y = 0; // back to the corner when a step would leave the area
        w->setGeometry(x, y, width, height);
        w->raise();
        x += step;
        y += step;
    }
    if (active)
        MDIActivate(active);
    RequestCommandUpdate();
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::GetChildFrames() const {
    std::vector<CMDIChildWnd*> frames;
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
        auto* child = dynamic_cast<CMDIChildWnd*>(w);
        if (child && !child->IsDestroyed())
            frames.push_back(child);
    }
    return frames;
}

CView* CMDIFrameWnd::GetActiveView() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}

QAction* CMDIFrameWnd::GetAction(unsigned id) {
    auto it = m_actions.find(id);
    if (it != m_actions.end())
        return it->second;
    QAction* action = MakeCommandAction(id, this);
    connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    m_actions[id] = action;
    // A new command gets its state with the next refresh.
    RequestCommandUpdate();
    return action;
}

void CMDIFrameWnd::ExecuteCommand(unsigned id) {
    RouteCommand(GetCommandRoute(), id);
    RequestCommandUpdate();
}

std::vector<CCmdTarget*> CMDIFrameWnd::GetCommandRoute(CMDIChildWnd* from) const {
    CMDIChildWnd* child = from ? from : MDIGetActive();
    std::vector<CCmdTarget*> route;
    if (child && !child->IsDestroyed()) {
        route.push_back(child->GetActiveView());
        route.push_back(child->GetActiveDocument());
        route.push_back(child);
    }
    route.push_back(const_cast<CMDIFrameWnd*>(this));
    route.push_back(AfxGetApp());
    return route;
}

void CMDIFrameWnd::UpdateCommandUI() {
    m_bUpdatePending = false;
    std::vector<CCmdTarget*> route = GetCommandRoute();
    for (auto& [id, action] : m_actions) {
        CCmdUI ui(id);
        RouteUpdate(route, ui);
        ApplyCmdUI(action, ui);
    }
    for (CMDIChildWnd* child : GetChildFrames())
        child->UpdateCommandUI();
    OnUpdateFrameTitle();
}

void CMDIFrameWnd::OnUpdateFrameTitle() {
    CWinApp* app = AfxGetApp();
    QString title = app ? QString::fromStdString(app->m_pszAppName) : QString();
    CMDIChildWnd* child = MDIGetActive();
    // A maximised child frame adds its own title in brackets to the window's
    // title (the document area does that); otherwise the document's title
    // follows the program's name.
    bool maximized = child && child->isMaximized();
    QString shown = title;
    if (child && !maximized) {
        if (CDocument* doc = child->GetActiveDocument())
            title += QStringLiteral(" - ") + QString::fromStdString(doc->GetTitle());
        shown = title;
    } else if (maximized && !child->windowTitle().isEmpty()) {
        shown = title + QStringLiteral(" - [") + child->windowTitle() + QLatin1Char(']');
    }
    if (windowTitle() != shown)
        setWindowTitle(title);
}

void CMDIFrameWnd::RequestCommandUpdate() {
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_bUpdatePending)
            UpdateCommandUI();
    });
}

void CMDIFrameWnd::SetMenuResource(unsigned id) {
    const CMenuResource* menu = FindMenuResource(id);
    if (!menu || id == m_nIDMenu)
        return;
    m_nIDMenu = id;
    QMenuBar* bar = menuBar();
    // The old menus may be the sender of the command that switches them.
    for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    bar->clear();
    BuildMenuBar(bar, *menu, [this](unsigned cmd) { return GetAction(cmd); });
    ConnectMenus();
    RequestCommandUpdate();
}

void CMDIFrameWnd::ConnectMenus() {
    m_windowList.clear();
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMDIFrameWnd::UpdateCommandUI,
                Qt::UniqueConnection);
        menu->removeEventFilter(this);
        menu->installEventFilter(this);
        bool windowMenu = false;
        for (QAction* a : menu->actions())
            windowMenu = windowMenu || IsWindowCommand(GetControlId(a));
        if (windowMenu) {
            connect(menu, &QMenu::aboutToShow, this, &CMDIFrameWnd::OnWindowMenuAboutToShow,
                    Qt::UniqueConnection);
        }
    }
}

void CMDIFrameWnd::OnWindowMenuAboutToShow() {
    if (auto* menu = qobject_cast<QMenu*>(sender()))
        FillWindowList(menu);
}

void CMDIFrameWnd::FillWindowList(QMenu* menu) {
    for (const QPointer<QAction>& a : m_windowList)
        delete a.data();
    m_windowList.clear();
    std::vector<CMDIChildWnd*> frames = GetChildFrames();
    if (frames.empty())
        return;
    m_windowList.emplace_back(menu->addSeparator());
    CMDIChildWnd* active = MDIGetActive();
    int number = 0;
    for (CMDIChildWnd* frame : frames) {
        ++number;
        QString title = frame->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QString text = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                   : QStringLiteral("%1 %2").arg(number).arg(title);
        QAction* a = menu->addAction(text);
        a->setCheckable(true);
        a->setChecked(frame == active);
        QPointer<CMDIChildWnd> target(frame);
        connect(a, &QAction::triggered, this, [this, target] {
            if (!target || target->IsDestroyed())
                return;
            if (target->isMinimized())
                target->showNormal();
            MDIActivate(target);
        });
        m_windowList.emplace_back(a);
    }
}

bool CMDIFrameWnd::eventFilter(QObject* watched, QEvent* event) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        if (event->type() == QEvent::MouseMove) {
            // The menu shows the prompts of enabled items only, and takes a
            // prompt away when the mouse moves on to a disabled item.
            auto* move = static_cast<QMouseEvent*>(event);
            QAction* a = menu->actionAt(move->position().toPoint());
            ShowDisabledPrompt(a && !a->isEnabled() && !a->isSeparator() && !a->menu() ? a
                                                                                       : nullptr);
        } else if (event->type() == QEvent::Hide) {
            ShowDisabledPrompt(nullptr);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMDIFrameWnd::ShowDisabledPrompt(QAction* action) {
    QStatusBar* bar = qobject_cast<QStatusBar*>(FindOwnBar(id::IDW_STATUS_BAR));
    bool shown = !m_pDisabledPrompt.isNull();
    m_pDisabledPrompt = action;
    if (!bar)
        return;
    if (action)
        bar->showMessage(action->statusTip());
    else if (shown)
        bar->clearMessage();
}

QToolBar* CMDIFrameWnd::CreateToolBar(const CToolBarResource& resource, unsigned controlId,
                                      const std::string& title) {
    auto* bar = new QToolBar(QString::fromStdString(title), this);
    SetControlId(bar, controlId);
    bar->setObjectName(QStringLiteral("toolbar%1").arg(resource.id));
    bar->setIconSize(QSize(resource.width, resource.height));
    BuildToolBar(bar, resource, [this](unsigned cmd) { return GetAction(cmd); });
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CMDIFrameWnd::CreateStatusBar(const std::vector<unsigned>& indicators) {
    QStatusBar* bar = statusBar();
    SetControlId(bar, id::IDW_STATUS_BAR);
    // The message pane says "Ready" (the idle text) whenever no prompt shows;
    // a disabled menu item under the mouse keeps its prompt there.
    std::string idle;
    if (TryLoadString(kIdleMessageId, idle)) {
        m_strIdleText = idle;
        bar->showMessage(QString::fromStdString(idle));
    }
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& message) {
        if (!message.isEmpty())
            return;
        if (m_pDisabledPrompt)
            bar->showMessage(m_pDisabledPrompt->statusTip());
        else if (!m_strIdleText.empty())
            bar->showMessage(QString::fromStdString(m_strIdleText));
    });
    for (unsigned indicator : indicators) {
        std::string text;
        TryLoadString(indicator, text);
        auto* pane = new QLabel(bar);
        SetControlId(pane, indicator);
        // The pane is as wide as its text; the lock state of the keyboard is
        // not something every desktop tells a program, so it stays blank.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromStdString(text)) +
                              8);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
}

void CMDIFrameWnd::DragAcceptFiles(bool accept) {
    setAcceptDrops(accept);
}

void CMDIFrameWnd::OnDropFiles(const std::vector<std::string>& files) {
    activateWindow();
    if (CWinApp* app = AfxGetApp()) {
        for (const std::string& file : files)
            app->OpenDocumentFile(file);
    }
}

bool CMDIFrameWnd::OnClose() {
    CWinApp* app = AfxGetApp();
    if (app && !app->SaveAllModified())
        return false;
    if (app)
        app->CloseAllDocuments();
    // Called from the close event itself, close() does nothing (a close is
    // under way) and the event is accepted there; called on its own, it
    // closes the window now.
    m_bClosing = true;
    close();
    m_bClosing = false;
    return true;
}

void CMDIFrameWnd::OnChildFrameChanged() {
    if (GetChildFrames().empty())
        SetMenuResource(m_nIDResource);
    RequestCommandUpdate();
}

void CMDIFrameWnd::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* child = dynamic_cast<CMDIChildWnd*>(window);
    if (child && !child->IsDestroyed() && child->GetMenuResourceId())
        SetMenuResource(child->GetMenuResourceId());
    else if (GetChildFrames().empty())
        SetMenuResource(m_nIDResource);
    RequestCommandUpdate();
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event) {
    // File Exit and the window's close button come here: one request asks
    // the documents and, when they agree, closes the window.
    if (m_bClosing || OnClose())
        event->accept();
    else
        event->ignore();
}

void CMDIFrameWnd::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls())
        return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            return;
    }
    event->acceptProposedAction();
}

void CMDIFrameWnd::dropEvent(QDropEvent* event) {
    std::vector<std::string> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files.push_back(url.toLocalFile().toStdString());
    }
    event->acceptProposedAction();
    if (!files.empty())
        OnDropFiles(files);
}

} // namespace fw
