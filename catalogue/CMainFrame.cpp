#include "catalogue/CMainFrame.h"

#include "catalogue/model/ZedezuziIds.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"

#include <QMdiArea>
#include <QToolBar>

CMainFrame::CMainFrame() {
    GetMdiArea()->setViewMode(QMdiArea::SubWindowView);
}

int CMainFrame::OnCreate() {
    const fw::CToolBarResource* toolbar = fw::FindToolBarResource(zzid::IDR_MAINFRAME);
    if (!toolbar)
        return -1;
    m_wndToolBar = CreateToolBar(*toolbar, fw::id::IDW_TOOLBAR, "Standard");
    if (!m_wndToolBar)
        return -1;
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    CreateStatusBar({fw::id::INDICATOR_KANA, fw::id::INDICATOR_CAPS, fw::id::INDICATOR_NUM,
                     fw::id::INDICATOR_SCRL});
    return 0;
}

CZedezuziDocFrame::CZedezuziDocFrame() {
    setWindowFlags(Qt::FramelessWindowHint);
}

bool CZedezuziDocFrame::PreCreateWindow(fw::CREATESTRUCT& cs) {
    cs.maximized = true;
    return true;
}
