#include "CMainFrame.h"

#include "CChildFrame1.h"
#include "CChildFrame2.h"
#include "CChildFrame3.h"
#include "CChildFrame4.h"
#include "CSplashWnd.h"
#include "CTovarineApp.h"
#include "TovarineViewClasses.h"
#include "app/records/TovarineIds.h"
#include "app/shell/dialogs/CDlgViewGroup.h"

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MdiChildFrame.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"
#include "framework/Shell.h"
#include "framework/StringTable.h"
#include "framework/View.h"
#include "tools/Filvaron.h"

#include <QDialog>
#include <QToolBar>

CMainFrame* TovarineMainFrame() {
    fw::CWinApp* app = fw::AfxGetApp();
    return app ? dynamic_cast<CMainFrame*>(app->GetMainFrame()) : nullptr;
}

CMainFrame::CMainFrame() {
    OnCommand(tvid::ID_VIEW_SKELETON, [this] { OnViewSkeleton(); });
    OnCommand(tvid::ID_VIEW_COORDINATION, [this] { OnViewCoordination(); });
    OnCommand(tvid::ID_VIEW_REPORT, [this] { OnViewReport(); });
    OnCommand(tvid::ID_VIEW_IMPEMAP, [this] { OnViewImpeMap(); });
    OnCommand(tvid::ID_SUPPORT_SELECTION, [this] { OnSupportSelection(); });
    OnCommand(tvid::ID_VIEW_GROUPLIST, [this] { OnViewGroupList(); });
}

void CMainFrame::OnViewGroupList() {
    if (m_pDlgViewGroup) {
        m_pDlgViewGroup->close();
        return;
    }
    CDlgViewGroup* dialog = CDlgViewGroup::Open(DLLGetPathRegistGroup(), this);
    if (!dialog)
        return;
    dialog->m_onClosed = [this] { m_pDlgViewGroup = nullptr; };
    m_pDlgViewGroup = dialog;
    dialog->show();
}

CMainFrame::~CMainFrame() {
    // The child frames clear these when they go; they go in the base
    // destructor, after this object's part is gone, so they must not find it.
    for (fw::CMDIChildWnd* child : GetChildFrames())
        child->DestroyFrame();
    delete m_pDlgViewGroup;
}

int CMainFrame::OnCreate() {
    const fw::CToolBarResource* toolbar = fw::FindToolBarResource(tvid::IDR_MAINFRAME);
    if (!toolbar)
        return -1;
    m_wndToolBar =
        CreateToolBar(*toolbar, fw::id::IDW_TOOLBAR, fw::LoadString(tvid::IDS_TOOLBAR_STANDARD));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    CreateStatusBar({fw::id::INDICATOR_KANA, fw::id::INDICATOR_CAPS, fw::id::INDICATOR_NUM,
                     fw::id::INDICATOR_SCRL});
    CSplashWnd::ShowSplashScreen(this);
    return 0;
}

fw::CView* CMainFrame::FindViewOfClass(const fw::CViewClass* viewClass) const {
    fw::CMDIChildWnd* child = MDIGetActive();
    fw::CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    if (!doc)
        return nullptr;
    for (fw::CView* view : doc->GetViews()) {
        if (view->IsKindOf(viewClass))
            return view;
    }
    return nullptr;
}

fw::CMDIChildWnd* CMainFrame::OpenViewWindow(fw::CDocTemplate* docTemplate) {
    fw::CMDIChildWnd* child = MDIGetActive();
    fw::CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    if (!doc || !docTemplate)
        return nullptr;
    fw::CMDIChildWnd* frame = docTemplate->CreateNewFrame(doc);
    if (!frame)
        return nullptr;
    docTemplate->InitialUpdateFrame(frame, doc);
    return frame;
}

void CMainFrame::DoSwitchView(const fw::CViewClass* viewClass, fw::CMDIChildWnd* frame,
                              fw::CDocTemplate* docTemplate) {
    if (FindViewOfClass(viewClass)) {
        if (frame)
            frame->ActivateFrame();
    } else {
        OpenViewWindow(docTemplate);
    }
}

void CMainFrame::OnViewSkeleton() {
    CTovarineApp* app = TovarineApp();
    DoSwitchView(SkeletonViewClass(), SkeletonFrame, app ? app->m_pDocTemplate1 : nullptr);
}

void CMainFrame::OnViewCoordination() {
    CTovarineApp* app = TovarineApp();
    DoSwitchView(CoordinationViewClass(), CoordinationFrame,
                 app ? app->m_pDocTemplate2.get() : nullptr);
    MDITile(true);
}

void CMainFrame::OnViewReport() {
    CTovarineApp* app = TovarineApp();
    DoSwitchView(ReportViewClass(), ReportFrame, app ? app->m_pDocTemplate3.get() : nullptr);
}

void CMainFrame::OnViewImpeMap() {
    CTovarineApp* app = TovarineApp();
    DoSwitchView(ImpeMapViewClass(), ImpeMapFrame, app ? app->m_pDocTemplate4.get() : nullptr);
}

void CMainFrame::OnSupportSelection() {
    StartCatalogueProgram(std::string(), std::string());
}

void CMainFrame::StartCatalogueProgram(const std::string& folder, const std::string& parameter) {
    std::vector<std::string> arguments;
    // The file name travels as one argument, blanks and all.
    if (!parameter.empty())
        arguments.push_back(parameter);
    std::string path = DLLGetPathZedezuzi();
    if (std::error_code error = fw::ShellStartProgram(path, arguments, folder)) {
        size_t slash = path.rfind('/');
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        fw::AppMessageBox("The catalogue program \"" + name + "\" cannot be started: " +
                              error.message() + ". It is looked for at " + path + ".",
                          fw::mb::Ok);
    }
}

bool CMainFrame::OnClose() {
    // Unsaved changes of the group library are asked for first; keeping the
    // list open keeps the program open.
    if (m_pDlgViewGroup && !m_pDlgViewGroup->close())
        return false;
    return fw::CMDIFrameWnd::OnClose();
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& files) {
    // One project at a time: a drop while one is open is ignored.
    CTovarineApp* app = TovarineApp();
    if (app && app->GetActiveDocument())
        return;
    fw::CMDIFrameWnd::OnDropFiles(files);
}

fw::CView* GetCoordinationView(int tile) {
    CMainFrame* main = TovarineMainFrame();
    if (!main) {
        fw::AppMessageBox(fw::LoadString(tvid::IDS_NO_MAINFRAME), fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    if (main->CoordinationFrame) {
        main->CoordinationFrame->ActivateFrame();
    } else {
        CTovarineApp* app = TovarineApp();
        main->OpenViewWindow(app ? app->m_pDocTemplate2.get() : nullptr);
    }
    if (tile == 1)
        main->MDITile(true);
    return main->CoordinationFrame ? main->CoordinationFrame->GetActiveView() : nullptr;
}
