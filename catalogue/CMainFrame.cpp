#include "catalogue/CMainFrame.h"

#include "catalogue/model/ZedezuziIds.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"

#include <QEvent>
#include <QMdiArea>
#include <QToolBar>

CMainFrame::CMainFrame() {
    QMdiArea* area = GetMdiArea();
    area->setViewMode(QMdiArea::SubWindowView);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->viewport()->installEventFilter(this);
}

void CMainFrame::DoFillClient() {
    QRect client = GetMdiArea()->viewport()->rect();
    for (fw::CMDIChildWnd* frame : GetChildFrames())
        frame->setGeometry(client);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GetMdiArea()->viewport() && event->type() == QEvent::Resize)
        DoFillClient();
    return fw::CMDIFrameWnd::eventFilter(watched, event);
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

void CZedezuziDocFrame::ActivateFrame(int nCmdShow) {
    fw::CMDIChildWnd::ActivateFrame(nCmdShow);
    if (auto* main = dynamic_cast<CMainFrame*>(GetMDIFrame()))
        main->DoFillClient();
}
