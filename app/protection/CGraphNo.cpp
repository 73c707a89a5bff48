#include "CGraphNo.h"

FW_IMPLEMENT_SERIAL(CGraphNo, 0)

void CGraphNo::DoSetGraphNo(uint32_t number, int count) {
    m_nGraphNo = number;
    for (int i = 0; i < count; ++i)
        m_listRefV2.DoAddNew();
}

void CGraphNo::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nGraphNo;
    else
        ar >> m_nGraphNo;
    m_listRefV2.Serialize(ar);
}
