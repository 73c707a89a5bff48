#include "CEleBusBarBasic.h"

FW_IMPLEMENT_SERIAL(CEleBusBarBasic, 0)

void CEleBusBarBasic::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nWireSystem << m_nMaterial << m_nSurface << m_nInstallation << m_dMaxTemp
           << m_dAmbientTemp << m_dLoadCurrent << m_dLength;
    } else {
        ar >> m_nWireSystem >> m_nMaterial >> m_nSurface >> m_nInstallation >> m_dMaxTemp >>
            m_dAmbientTemp >> m_dLoadCurrent >> m_dLength;
    }
}
