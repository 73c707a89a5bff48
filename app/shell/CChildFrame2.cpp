#include "CChildFrame2.h"

#include "CMainFrame.h"
#include "CTovarineDoc.h"
#include "DialogBars.h"
#include "app/records/TovarineIds.h"

#include "framework/StringTable.h"

#include <QToolBar>

CChildFrame2::CChildFrame2() {
    if (CMainFrame* main = TovarineMainFrame())
        main->CoordinationFrame = this;
}

CChildFrame2::~CChildFrame2() {
    if (CMainFrame* main = TovarineMainFrame(); main && main->CoordinationFrame == this)
        main->CoordinationFrame = nullptr;
}

bool CChildFrame2::PreCreateWindow(fw::CREATESTRUCT& cs) {
    if (!fw::CMDIChildWnd::PreCreateWindow(cs))
        return false;
    cs.maximized = true;
    cs.lpszName = fw::LoadString(tvid::IDS_VIEW_COORDINATION);
    return true;
}

bool CChildFrame2::OnCreateClient(fw::CCreateContext& context) {
    m_wndDlgBar = CreateDialogBar(this, tvid::IDD_COORDINATION_BAR,
                                  fw::LoadString(tvid::IDS_BAR_COORDINATION));
    if (!m_wndDlgBar)
        return false;
    return fw::CMDIChildWnd::OnCreateClient(context);
}

void CChildFrame2::ActivateFrame(int nCmdShow) {
    if (CMainFrame* main = TovarineMainFrame())
        main->CoordinationFrame = this;
    if (auto* doc = dynamic_cast<CTovarineDoc*>(GetActiveDocument())) {
        m_strTitle =
            doc->GetTitleWithExtension() + " - " + fw::LoadString(tvid::IDS_VIEW_COORDINATION);
        setWindowTitle(QString::fromStdString(m_strTitle));
    }
    fw::CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CChildFrame2::PostNcDestroy() {
    if (CMainFrame* main = TovarineMainFrame())
        main->CoordinationFrame = nullptr;
    fw::CMDIChildWnd::PostNcDestroy();
}
