#include "CObjRefV2.h"

#include "app/records/FileVersion.h"
#include "app/records/GeometryRecords.h"

FW_IMPLEMENT_SERIAL(CObjRefV2, 0)

void CObjRefV2::DoOffset(int32_t dx, int32_t dy) {
    m_ptOffset.x += dx;
    m_ptOffset.y += dy;
}

fw::CRect CObjRefV2::GetRect() const {
    fw::CRect rect = m_rect;
    rect.NormalizeRect();
    return rect;
}

void CObjRefV2::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nSelected << m_crColour << m_crBack << m_nSpare;
        DoSerializeRect(ar, m_rect);
        DoSerializePoint(ar, m_ptOffset);
        DoSerializeRect(ar, m_rectTracker);
        ar << m_nTrackerStyle;
        DoSerializePoint(ar, m_ptAnchorOffset);
        m_ptAnchor.Serialize(ar);
        m_ptValue.Serialize(ar);
        return;
    }
    ar >> m_nSelected >> m_crColour >> m_crBack >> m_nSpare;
    DoSerializeRect(ar, m_rect);
    DoSerializePoint(ar, m_ptOffset);
    DoSerializeRect(ar, m_rectTracker);
    ar >> m_nTrackerStyle;
    DoSerializePoint(ar, m_ptAnchorOffset);
    if (GetFileVersionNumber(ar) >= 1.1) {
        m_ptAnchor.Serialize(ar);
        m_ptValue.Serialize(ar);
    } else {
        // The document's loader places the label again from its rectangle.
        m_ptAnchor = CdPoint();
        m_ptValue = CdPoint();
    }
}
