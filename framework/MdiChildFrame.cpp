#include "MdiChildFrame.h"

#include "DocTemplate.h"
#include "Document.h"
#include "MdiFrame.h"
#include "Resources.h"
#include "View.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QToolBar>

namespace fw {

CMDIChildWnd::CMDIChildWnd() {
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_pBarHost = new QMainWindow;
    m_pBarHost->setWindowFlags(Qt::Widget);
    setWidget(m_pBarHost);
}

CMDIChildWnd::~CMDIChildWnd() {
    if (!m_bDestroyed) {
        m_bDestroyed = true;
        if (m_pView && m_pView->GetDocument())
            m_pView->GetDocument()->RemoveView(m_pView);
        PostNcDestroy();
    }
}

bool CMDIChildWnd::LoadFrame(CMDIFrameWnd* mainFrame, CCreateContext& context) {
    m_pMainFrame = mainFrame;
    if (context.m_pNewDocTemplate)
        m_nIDMenu = context.m_pNewDocTemplate->GetMenuResourceId();
    CREATESTRUCT cs;
    if (!PreCreateWindow(cs))
        return false;
    setWindowTitle(QString::fromStdString(cs.lpszName));
    // The document kind's icon, as the frame's system menu shows it; else the
    // program's own.
    QIcon icon;
    if (context.m_pNewDocTemplate)
        icon = LoadIconResource(context.m_pNewDocTemplate->GetResourceId());
    setWindowIcon(icon.isNull() ? mainFrame->windowIcon() : icon);
    m_bMaximized = cs.maximized;
    if (!OnCreateClient(context))
        return false;
    mainFrame->GetMdiArea()->addSubWindow(this);
    // Maximised or not, the main window's title changes with the frame.
    connect(this, &QMdiSubWindow::windowStateChanged, mainFrame,
            [mainFrame] { mainFrame->RequestCommandUpdate(); });
    return true;
}

bool CMDIChildWnd::PreCreateWindow(CREATESTRUCT&) {
    return true;
}

bool CMDIChildWnd::OnCreateClient(CCreateContext& context) {
    if (!context.m_pNewViewClass)
        return true;
    CView* view = context.m_pNewViewClass->m_pfnCreateView();
    if (!view)
        return false;
    view->m_pViewClass = context.m_pNewViewClass;
    m_pBarHost->setCentralWidget(view);
    m_pView = view;
    if (context.m_pCurrentDoc)
        context.m_pCurrentDoc->AddView(view);
    return true;
}

void CMDIChildWnd::InitialUpdateFrame(CDocument*, bool makeVisible) {
    if (m_pView)
        m_pView->OnInitialUpdate();
    if (makeVisible)
        ActivateFrame();
}

void CMDIChildWnd::ActivateFrame(int) {
    if (m_bDestroyed)
        return;
    if (m_bMaximized)
        showMaximized();
    else
        show();
    if (m_pMainFrame)
        m_pMainFrame->MDIActivate(this);
    if (m_pView)
        m_pView->setFocus();
}

CDocument* CMDIChildWnd::GetActiveDocument() const {
    return m_pView && !m_bDestroyed ? m_pView->GetDocument() : nullptr;
}

void CMDIChildWnd::OnClose() {
    if (m_bDestroyed)
        return;
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this))
        return;
    if (doc && doc->m_bAutoDelete) {
        bool otherFrame = false;
        for (CMDIChildWnd* frame : doc->GetFrames())
            otherFrame = otherFrame || frame != this;
        if (!otherFrame) {
            // The last frame of the document closes the document, which
            // destroys this frame with it.
            doc->OnCloseDocument();
            return;
        }
    }
    DestroyFrame();
}

void CMDIChildWnd::DestroyFrame() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    if (m_pView && m_pView->GetDocument())
        m_pView->GetDocument()->RemoveView(m_pView);
    PostNcDestroy();
    hide();
    if (m_pMainFrame) {
        if (m_pMainFrame->GetMdiArea()->subWindowList().contains(this))
            m_pMainFrame->GetMdiArea()->removeSubWindow(this);
        m_pMainFrame->OnChildFrameChanged();
    }
    deleteLater();
}

void CMDIChildWnd::PostNcDestroy() {}

void CMDIChildWnd::RecalcLayout() {
    if (QLayout* layout = m_pBarHost->layout())
        layout->activate();
}

QAction* CMDIChildWnd::GetAction(unsigned id) {
    auto it = m_actions.find(id);
    if (it != m_actions.end())
        return it->second;
    QAction* action = MakeCommandAction(id, this);
    connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    m_actions[id] = action;
    // A new command gets its state with the next refresh.
    if (m_pMainFrame)
        m_pMainFrame->RequestCommandUpdate();
    return action;
}

void CMDIChildWnd::ExecuteCommand(unsigned id) {
    if (!m_pMainFrame || m_bDestroyed)
        return;
    RouteCommand(m_pMainFrame->GetCommandRoute(this), id);
    m_pMainFrame->RequestCommandUpdate();
}

void CMDIChildWnd::UpdateCommandUI() {
    if (!m_pMainFrame || m_bDestroyed)
        return;
    std::vector<CCmdTarget*> route = m_pMainFrame->GetCommandRoute(this);
    for (auto& [id, action] : m_actions) {
        CCmdUI ui(id);
        RouteUpdate(route, ui);
        ApplyCmdUI(action, ui);
    }
}

QToolBar* CMDIChildWnd::CreateToolBar(const CToolBarResource& resource, unsigned controlId,
                                      const std::string& title, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(QString::fromStdString(title), m_pBarHost);
    SetControlId(bar, controlId);
    bar->setObjectName(QStringLiteral("toolbar%1").arg(resource.id));
    bar->setIconSize(QSize(resource.width, resource.height));
    BuildToolBar(bar, resource, [this](unsigned cmd) { return GetAction(cmd); });
    m_pBarHost->addToolBar(area, bar);
    return bar;
}

void CMDIChildWnd::closeEvent(QCloseEvent* event) {
    // The frame decides itself whether and how it goes (OnClose).
    event->ignore();
    OnClose();
}

} // namespace fw
