#include "CObjRefV1List.h"

#include "framework/DeviceContext.h"

namespace {

// The dotted selection frame of a placement, drawn in device units whatever
// the context's mapping, one pixel outside the rectangle.
void DrawDottedFrame(fw::CDC* pDC, fw::CRect rect) {
    const int mode = pDC->GetMapMode();
    const fw::CPoint winOrg = pDC->GetWindowOrg();
    const fw::CSize winExt = pDC->GetWindowExt();
    const fw::CPoint vpOrg = pDC->GetViewportOrg();
    const fw::CSize vpExt = pDC->GetViewportExt();
    pDC->SetMapMode(fw::MM_TEXT);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);

    fw::CPen oldPen = pDC->SelectObject(fw::CPen(fw::PS_DOT, 0, 0x000000));
    fw::CBrush oldBrush = pDC->SelectObject(fw::CBrush::Null());
    rect.InflateRect(1, 1);
    pDC->Rectangle(rect);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);

    pDC->SetMapMode(mode);
    if (mode == fw::MM_ISOTROPIC || mode == fw::MM_ANISOTROPIC) {
        pDC->SetWindowExt(winExt.cx, winExt.cy);
        pDC->SetViewportExt(vpExt.cx, vpExt.cy);
    }
    pDC->SetWindowOrg(winOrg.x, winOrg.y);
    pDC->SetViewportOrg(vpOrg.x, vpOrg.y);
}

} // namespace

int32_t CObjRefV1List::IsSelected(int index) const {
    const CObjRefV1* ref = GetAtIndex(index);
    return ref ? ref->m_nSelected : 0;
}

void CObjRefV1List::DoSelect(int index, int32_t value, uint32_t flags) {
    CObjRefV1* ref = GetAtIndex(index);
    if (!ref)
        return;
    if (!(flags & 4))
        ref->m_nSelected = value;
    else if (value == 1)
        ref->m_nSelected = ref->m_nSelected ? 0 : 1;
}

fw::CRect CObjRefV1List::GetRect(int index) const {
    const CObjRefV1* ref = GetAtIndex(index);
    return ref ? ref->m_labels.GetUnion() : fw::CRect();
}

fw::CRect CObjRefV1List::DoCalcLabelRect(fw::CDC* pDC, const fw::CRect& symbol,
                                         const std::string& text1, uint32_t flags1,
                                         const std::string& text2, uint32_t flags2) {
    fw::CRect last;
    for (auto& ref : *this) {
        ref->m_labels.DoLayout(pDC, symbol, text1, flags1, text2, flags2, ref->m_ptLabel2Offset);
        last = ref->m_labels.GetUnion();
    }
    return last;
}

void CObjRefV1List::DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2,
                           int32_t errorFlag) {
    if (!pDC)
        return;
    for (auto& ref : *this) {
        ref->m_labels.DoDraw(pDC, text1, text2, errorFlag == 1 || ref->m_nSelected == 1);
        if (ref->m_nSelected == 1 && !pDC->IsPrinting()) {
            fw::CRect frame = ref->m_labels.m_rectLabel2;
            pDC->LPtoDP(&frame);
            frame.NormalizeRect();
            ref->m_rectTracker = frame;
            ref->m_nTrackerStyle = 2; // dotted line
            DrawDottedFrame(pDC, frame);
        }
    }
}
