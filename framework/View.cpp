#include "View.h"

#include "DeviceContext.h"
#include "Document.h"
#include "MdiChildFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace fw {

CView::CView() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

CView::~CView() {
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CMDIChildWnd* CView::GetParentFrame() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(w))
            return frame;
    }
    return nullptr;
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, long, CObject*) {
    update();
}

void CView::OnPrepareDC(CDC*) {}

void CView::OnDraw(CDC*) {}

void CView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    CDC dc(&painter);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

} // namespace fw
