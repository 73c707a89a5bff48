#include "CEleHead.h"

#include "app/records/GeometryRecords.h"

void CEleHead::DoSelect(int32_t code, int32_t value, uint32_t flags) {
    if (code != 0)
        return;
    if (!(flags & 4))
        m_nSelected = static_cast<uint32_t>(value);
    else if (value == 1)
        m_nSelected = m_nSelected ? 0 : 1;
}

int32_t CEleHead::IsSelected(int32_t code) const {
    return code == 0 ? static_cast<int32_t>(m_nSelected) : 0;
}

void CEleHead::GetSymbolRect(fw::CRect* rect, fw::CDC*) const {
    *rect = m_rectSymbol;
}

void CEleHead::SetSymbolRect(const fw::CPoint* topLeft, const fw::CRect* rect) {
    if (rect) {
        m_rectSymbol = *rect;
    } else if (topLeft) {
        m_rectSymbol.OffsetRect(topLeft->x - m_rectSymbol.left, topLeft->y - m_rectSymbol.top);
    }
}

int32_t CEleHead::IsHittedSymbol(fw::CPoint point, int32_t code) const {
    if (code != 0)
        return 0;
    const fw::CRect& r = m_rectSymbol;
    return point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom ? 1
                                                                                              : 0;
}

void CEleHead::SerializeHead(fw::CArchive& ar) {
    DoSerializeDiagramRect(ar, m_rectSymbol);
    if (ar.IsStoring())
        ar << m_nPenWidth << m_nPenStyle << m_crFill << m_crPen;
    else
        ar >> m_nPenWidth >> m_nPenStyle >> m_crFill >> m_crPen;
    SerializeTrailer(ar);
}

void CEleHead::SerializeHeadPenFirst(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nPenWidth << m_nPenStyle << m_crPen << m_crFill;
    else
        ar >> m_nPenWidth >> m_nPenStyle >> m_crPen >> m_crFill;
    DoSerializeDiagramRect(ar, m_rectSymbol);
    SerializeTrailer(ar);
}

void CEleHead::SerializeTrailer(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_strName << m_nNumber << m_nSelected << m_nReserved << m_nDefaultsSet;
    else
        ar >> m_strName >> m_nNumber >> m_nSelected >> m_nReserved >> m_nDefaultsSet;
}

bool CEleHead::DoInitHead(const std::string& prefix, uint32_t number) {
    // "%s%d": the number as a signed word.
    m_strName = prefix + std::to_string(static_cast<int32_t>(number));
    m_nNumber = number;
    if (m_nDefaultsSet == 1)
        return false;
    m_nDefaultsSet = 1;
    return true;
}
