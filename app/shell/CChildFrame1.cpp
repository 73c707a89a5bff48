#include "CChildFrame1.h"

#include "CChildFrame2.h"
#include "CChildFrame3.h"
#include "CChildFrame4.h"
#include "CMainFrame.h"
#include "CTovarineDoc.h"
#include "app/records/TovarineIds.h"

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QMainWindow>
#include <QToolBar>
#include <QWidget>

CChildFrame1::CChildFrame1() {
    if (CMainFrame* main = TovarineMainFrame())
        main->SkeletonFrame = this;
    OnCommand(tvid::ID_VIEW_ELEMENTBAR, [this] { ToggleBar(m_wndToolBar); });
    OnUpdateCommandUI(tvid::ID_VIEW_ELEMENTBAR, [this](fw::CCmdUI& ui) {
        ui.SetCheck(m_wndToolBar && m_wndToolBar->isVisibleTo(GetBarHost()) ? 1 : 0);
    });
    OnCommand(tvid::ID_VIEW_ADDINGBAR, [this] { ToggleBar(m_wndSecondBar); });
    OnUpdateCommandUI(tvid::ID_VIEW_ADDINGBAR, [this](fw::CCmdUI& ui) {
        ui.SetCheck(m_wndSecondBar && m_wndSecondBar->isVisibleTo(GetBarHost()) ? 1 : 0);
    });
}

CChildFrame1::~CChildFrame1() {
    if (CMainFrame* main = TovarineMainFrame(); main && main->SkeletonFrame == this)
        main->SkeletonFrame = nullptr;
}

bool CChildFrame1::PreCreateWindow(fw::CREATESTRUCT& cs) {
    if (!fw::CMDIChildWnd::PreCreateWindow(cs))
        return false;
    cs.maximized = true;
    cs.lpszName = fw::LoadString(tvid::IDS_VIEW_SKELETON);
    return true;
}

bool CChildFrame1::OnCreateClient(fw::CCreateContext& context) {
    const fw::CToolBarResource* elements = fw::FindToolBarResource(tvid::IDR_ELEMENTS);
    if (!elements)
        return false;
    m_wndToolBar = CreateToolBar(*elements, tvid::IDR_ELEMENTS,
                                 fw::LoadString(tvid::IDS_BAR_ELEMENTS), Qt::TopToolBarArea);

    // The second toolbar: text box, then the two co-ordination commands, then
    // a gap and the zoom box.
    fw::CToolBarResource adding;
    adding.id = tvid::IDB_ADDING;
    adding.buttons = {tvid::ID_INSERT_TEXT, 0, tvid::ID_COORD_CREATE, tvid::ID_COORD_ADD};
    m_wndSecondBar = CreateToolBar(adding, fw::id::IDW_TOOLBAR,
                                   fw::LoadString(tvid::IDS_BAR_ADDING), Qt::TopToolBarArea);
    QPixmap strip = fw::LoadBitmapResource(tvid::IDB_ADDING);
    if (strip.isNull())
        return false;
    int tile = 0;
    for (unsigned id : adding.buttons) {
        if (id == 0)
            continue;
        GetAction(id)->setIcon(
            QIcon(strip.copy(tile * adding.width, 0, adding.width, adding.height)));
        ++tile;
    }
    auto* gap = new QWidget(m_wndSecondBar);
    gap->setFixedWidth(12);
    m_wndSecondBar->addWidget(gap);
    m_wndZoomBox = new QComboBox(m_wndSecondBar);
    fw::SetControlId(m_wndZoomBox, tvid::IDC_ZOOM);
    m_wndZoomBox->setEditable(false);
    m_wndZoomBox->setFixedWidth(70);
    m_wndZoomBox->setFocusPolicy(Qt::TabFocus);
    for (const char* zoom : {"200%", "150%", "100%", "75%", "50%"})
        m_wndZoomBox->addItem(QString::fromLatin1(zoom));
    // Nothing is selected until the view shows its zoom: the box would
    // otherwise show its first entry whatever the view's zoom is.
    m_wndZoomBox->setCurrentIndex(-1);
    m_wndSecondBar->addWidget(m_wndZoomBox);

    // The zoom box takes a copy of the desktop's interface font.
    m_fontZoom = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    m_wndZoomBox->setFont(m_fontZoom);

    for (QToolBar* bar : {m_wndToolBar, m_wndSecondBar}) {
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        bar->setMovable(true);
    }
    return fw::CMDIChildWnd::OnCreateClient(context);
}

void CChildFrame1::ActivateFrame(int nCmdShow) {
    if (CMainFrame* main = TovarineMainFrame())
        main->SkeletonFrame = this;
    if (auto* doc = dynamic_cast<CTovarineDoc*>(GetActiveDocument())) {
        m_strTitle = doc->GetTitleWithExtension() + " - " + fw::LoadString(tvid::IDS_VIEW_SKELETON);
        setWindowTitle(QString::fromStdString(m_strTitle));
    }
    fw::CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CChildFrame1::OnClose() {
    // The skeleton frame is the project's own frame: the other views go first.
    if (CMainFrame* main = TovarineMainFrame()) {
        if (main->ImpeMapFrame)
            main->ImpeMapFrame->OnClose();
        if (main->ReportFrame)
            main->ReportFrame->OnClose();
        if (main->CoordinationFrame)
            main->CoordinationFrame->OnClose();
    }
    fw::CMDIChildWnd::OnClose();
}

void CChildFrame1::PostNcDestroy() {
    if (CMainFrame* main = TovarineMainFrame())
        main->SkeletonFrame = nullptr;
    fw::CMDIChildWnd::PostNcDestroy();
}

void CChildFrame1::ShowElementBar(bool show) {
    if (!m_wndToolBar || m_wndToolBar->isVisibleTo(GetBarHost()) == show)
        return;
    m_wndToolBar->setVisible(show);
    RecalcLayout();
}

bool CChildFrame1::IsElementBarVisible() const {
    return m_wndToolBar && m_wndToolBar->isVisibleTo(GetBarHost());
}

void CChildFrame1::ToggleBar(QToolBar* bar) {
    if (!bar)
        return;
    bar->setVisible(!bar->isVisibleTo(GetBarHost()));
    RecalcLayout();
}
