#include "CObjRefV1.h"

#include "app/records/FileVersion.h"
#include "app/records/GeometryRecords.h"

FW_IMPLEMENT_SERIAL(CObjRefV1, 0)

namespace {

fw::CRect ToDeviceNormalised(fw::CDC* pDC, const fw::CRect& logical) {
    fw::CRect rect = logical;
    if (pDC)
        pDC->LPtoDP(&rect);
    rect.NormalizeRect();
    return rect;
}

} // namespace

void CObjRefV1::DoOffset(int32_t dx, int32_t dy) {
    m_ptLabel2Offset.x += dx;
    m_ptLabel2Offset.y += dy;
}

void CObjRefV1::DoPlaceBelow(fw::CDC* pDC, const fw::CRect& rect) {
    m_labels.m_rectLabel2 =
        fw::CRect(rect.left, rect.bottom, rect.right, 2 * rect.bottom - rect.top);
    m_rectTracker = ToDeviceNormalised(pDC, m_labels.m_rectLabel2);
}

void CObjRefV1::Serialize(fw::CArchive& ar) {
    m_labels.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nSelected;
        DoSerializeDiagramPoint(ar, m_ptLabel2Offset);
        DoSerializeViewRect(ar, m_rectTracker);
        ar << m_nTrackerStyle;
        DoSerializeViewPoint(ar, m_ptAnchorOffset);
        return;
    }
    if (GetFileVersionNumber(ar) >= 1.15) {
        ar >> m_nSelected;
        DoSerializeDiagramPoint(ar, m_ptLabel2Offset);
        DoSerializeViewRect(ar, m_rectTracker);
        ar >> m_nTrackerStyle;
        DoSerializeViewPoint(ar, m_ptAnchorOffset);
    } else {
        m_nSelected = 0;
        m_ptLabel2Offset = fw::CPoint();
        m_rectTracker = fw::CRect();
        m_nTrackerStyle = 0;
        m_ptAnchorOffset = fw::CPoint();
    }
}
