#include "CChildFrame3.h"

#include "CMainFrame.h"
#include "CTovarineDoc.h"
#include "DialogBars.h"
#include "app/records/TovarineIds.h"

#include "framework/StringTable.h"

#include <QToolBar>

CChildFrame3::CChildFrame3() {
    if (CMainFrame* main = TovarineMainFrame())
        main->ReportFrame = this;
}

CChildFrame3::~CChildFrame3() {
    if (CMainFrame* main = TovarineMainFrame(); main && main->ReportFrame == this)
        main->ReportFrame = nullptr;
}

bool CChildFrame3::PreCreateWindow(fw::CREATESTRUCT& cs) {
    if (!fw::CMDIChildWnd::PreCreateWindow(cs))
        return false;
    cs.maximized = true;
    cs.lpszName = fw::LoadString(tvid::IDS_VIEW_REPORT);
    return true;
}

bool CChildFrame3::OnCreateClient(fw::CCreateContext& context) {
    m_wndDlgBar = CreateDialogBar(this, tvid::IDD_REPORT_BAR, fw::LoadString(tvid::IDS_BAR_TABLES));
    if (!m_wndDlgBar)
        return false;
    return fw::CMDIChildWnd::OnCreateClient(context);
}

void CChildFrame3::ActivateFrame(int nCmdShow) {
    if (CMainFrame* main = TovarineMainFrame())
        main->ReportFrame = this;
    if (auto* doc = dynamic_cast<CTovarineDoc*>(GetActiveDocument())) {
        m_strTitle = doc->GetTitleWithExtension() + " - " + fw::LoadString(tvid::IDS_VIEW_REPORT);
        setWindowTitle(QString::fromStdString(m_strTitle));
    }
    fw::CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CChildFrame3::PostNcDestroy() {
    if (CMainFrame* main = TovarineMainFrame())
        main->ReportFrame = nullptr;
    fw::CMDIChildWnd::PostNcDestroy();
}
