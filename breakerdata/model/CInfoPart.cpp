#include "breakerdata/model/CInfoPart.h"

FW_IMPLEMENT_SERIAL(CInfoPart, 0)

void CInfoPart::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_lDialCharID << m_strCharacterName << m_dCurrent << m_dMagniCurrent << m_dTime
           << m_dMagniTime;
        for (int32_t v : m_nExtra)
            ar << v;
        ar << m_dExtra;
    } else {
        ar >> m_lDialCharID >> m_strCharacterName >> m_dCurrent >> m_dMagniCurrent >> m_dTime >>
            m_dMagniTime;
        for (int32_t& v : m_nExtra)
            ar >> v;
        ar >> m_dExtra;
    }
}

CInfoPart* CInfoPartList::DoAddNewInfoPart() {
    return AddNew();
}

void CInfoPartList::DoCopyAllInfoParts(const CInfoPartList& other) {
    CopyFrom(other);
}

void CInfoPartList::DoDeleteAllInfoParts() {
    DeleteAll();
}
