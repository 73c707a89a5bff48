#include "CChildFrame4.h"

#include "CMainFrame.h"
#include "CTovarineDoc.h"
#include "DialogBars.h"
#include "app/records/TovarineIds.h"

#include "framework/StringTable.h"

#include <QToolBar>

CChildFrame4::CChildFrame4() {
    if (CMainFrame* main = TovarineMainFrame())
        main->ImpeMapFrame = this;
}

CChildFrame4::~CChildFrame4() {
    if (CMainFrame* main = TovarineMainFrame(); main && main->ImpeMapFrame == this)
        main->ImpeMapFrame = nullptr;
}

bool CChildFrame4::PreCreateWindow(fw::CREATESTRUCT& cs) {
    if (!fw::CMDIChildWnd::PreCreateWindow(cs))
        return false;
    cs.maximized = true;
    cs.lpszName = fw::LoadString(tvid::IDS_VIEW_IMPEMAP);
    return true;
}

bool CChildFrame4::OnCreateClient(fw::CCreateContext& context) {
    m_wndDlgBar =
        CreateDialogBar(this, tvid::IDD_IMPEMAP_BAR, fw::LoadString(tvid::IDS_BAR_IMPEMAP));
    if (!m_wndDlgBar)
        return false;
    return fw::CMDIChildWnd::OnCreateClient(context);
}

void CChildFrame4::ActivateFrame(int nCmdShow) {
    if (CMainFrame* main = TovarineMainFrame())
        main->ImpeMapFrame = this;
    if (auto* doc = dynamic_cast<CTovarineDoc*>(GetActiveDocument())) {
        m_strTitle = doc->GetTitleWithExtension() + " - " + fw::LoadString(tvid::IDS_VIEW_IMPEMAP);
        setWindowTitle(QString::fromStdString(m_strTitle));
    }
    fw::CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CChildFrame4::PostNcDestroy() {
    if (CMainFrame* main = TovarineMainFrame())
        main->ImpeMapFrame = nullptr;
    fw::CMDIChildWnd::PostNcDestroy();
}
