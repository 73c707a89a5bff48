#include "ScrollView.h"

#include "DeviceContext.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace fw {

CScrollView::CScrollView() {
    m_pHBar = new QScrollBar(Qt::Horizontal, this);
    m_pVBar = new QScrollBar(Qt::Vertical, this);
    m_pHBar->hide();
    m_pVBar->hide();
    m_pHBar->setFocusPolicy(Qt::NoFocus);
    m_pVBar->setFocusPolicy(Qt::NoFocus);
    connect(m_pHBar, &QScrollBar::valueChanged, this, [this] {
        update();
        if (!m_bInternal)
            OnHScroll();
    });
    connect(m_pVBar, &QScrollBar::valueChanged, this, [this] {
        update();
        if (!m_bInternal)
            OnVScroll();
    });
}

CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int mapMode, const CSize& sizeTotal, const CSize& sizePage,
                                 const CSize& sizeLine) {
    m_nMapMode = mapMode;
    m_sizeTotal = CSize(std::max(0, sizeTotal.cx), std::max(0, sizeTotal.cy));
    m_sizePage = sizePage;
    if (m_sizePage.cx <= 0)
        m_sizePage.cx = m_sizeTotal.cx / 10;
    if (m_sizePage.cy <= 0)
        m_sizePage.cy = m_sizeTotal.cy / 10;
    m_sizeLine = sizeLine;
    if (m_sizeLine.cx <= 0)
        m_sizeLine.cx = m_sizePage.cx / 10;
    if (m_sizeLine.cy <= 0)
        m_sizeLine.cy = m_sizePage.cy / 10;
    UpdateBars();
}

void CScrollView::UpdateBars() {
    m_bInternal = true;
    const int barW = m_pVBar->sizeHint().width();
    const int barH = m_pHBar->sizeHint().height();
    int clientW = width();
    int clientH = height();
    // Each bar takes room from the other direction; a second look settles it.
    bool needH = m_sizeTotal.cx > clientW;
    bool needV = m_sizeTotal.cy > clientH;
    if (needH)
        clientH = height() - barH;
    if (needV)
        clientW = width() - barW;
    needH = m_sizeTotal.cx > clientW;
    needV = m_sizeTotal.cy > clientH;
    clientW = width() - (needV ? barW : 0);
    clientH = height() - (needH ? barH : 0);
    m_pHBar->setGeometry(0, height() - barH, std::max(0, clientW), barH);
    m_pVBar->setGeometry(width() - barW, 0, barW, std::max(0, clientH));
    m_pHBar->setRange(0, needH ? m_sizeTotal.cx - clientW : 0);
    m_pVBar->setRange(0, needV ? m_sizeTotal.cy - clientH : 0);
    m_pHBar->setPageStep(std::max(1, m_sizePage.cx));
    m_pVBar->setPageStep(std::max(1, m_sizePage.cy));
    m_pHBar->setSingleStep(std::max(1, m_sizeLine.cx));
    m_pVBar->setSingleStep(std::max(1, m_sizeLine.cy));
    m_pHBar->setVisible(needH);
    m_pVBar->setVisible(needV);
    m_bInternal = false;
    update();
}

CPoint CScrollView::GetScrollPosition() const {
    return CPoint(m_pHBar->value(), m_pVBar->value());
}

void CScrollView::ScrollToPosition(CPoint position) {
    m_bInternal = true;
    m_pHBar->setValue(position.x);
    m_pVBar->setValue(position.y);
    m_bInternal = false;
    update();
}

CRect CScrollView::GetClientRect() const {
    int w = width() - (m_pVBar->isVisibleTo(this) ? m_pVBar->width() : 0);
    int h = height() - (m_pHBar->isVisibleTo(this) ? m_pHBar->height() : 0);
    return CRect(0, 0, std::max(0, w), std::max(0, h));
}

QScrollBar* CScrollView::GetScrollBarCtrl(bool vertical) const {
    return vertical ? m_pVBar : m_pHBar;
}

void CScrollView::OnPrepareDC(CDC* pDC) {
    if (pDC->IsPrinting())
        return;
    CPoint pos = GetScrollPosition();
    pDC->SetViewportOrg(-pos.x, -pos.y);
}

void CScrollView::OnHScroll() {}

void CScrollView::OnVScroll() {}

void CScrollView::OnSize(int, int) {}

bool CScrollView::OnMouseWheel(Qt::KeyboardModifiers, int delta, CPoint) {
    bool vertical = m_pVBar->maximum() > 0;
    QScrollBar* bar = vertical ? m_pVBar : m_pHBar;
    if (bar->maximum() <= 0)
        return false;
    int step = std::min(3 * bar->singleStep(), bar->pageStep());
    int move = -delta * step / 120;
    if (move == 0)
        return false;
    m_bInternal = true;
    bar->setValue(bar->value() + move);
    m_bInternal = false;
    if (vertical)
        OnVScroll();
    else
        OnHScroll();
    return true;
}

void CScrollView::resizeEvent(QResizeEvent* event) {
    CView::resizeEvent(event);
    UpdateBars();
    OnSize(event->size().width(), event->size().height());
}

void CScrollView::wheelEvent(QWheelEvent* event) {
    QPoint p = event->position().toPoint();
    if (OnMouseWheel(event->modifiers(), event->angleDelta().y(), CPoint(p.x(), p.y())))
        event->accept();
    else
        event->ignore();
}

} // namespace fw
