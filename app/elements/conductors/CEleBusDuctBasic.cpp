#include "CEleBusDuctBasic.h"

FW_IMPLEMENT_SERIAL(CEleBusDuctBasic, 0)

void CEleBusDuctBasic::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nWireSystem << m_nMaterial << m_nInsulation << m_dMaxTemp << m_dAmbientTemp
           << m_dLoadCurrent << m_dLength;
    } else {
        ar >> m_nWireSystem >> m_nMaterial >> m_nInsulation >> m_dMaxTemp >> m_dAmbientTemp >>
            m_dLoadCurrent >> m_dLength;
    }
}
