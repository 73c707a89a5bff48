#include "CEleWireBasic.h"

FW_IMPLEMENT_SERIAL(CEleWireBasic, 0)

void CEleWireBasic::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nWireSystem << m_nMaterial << m_nInsulation << m_nCoreKind << m_nMethod
           << m_nCircuits << m_dAmbientTemp << m_dLoadCurrent << m_dLength;
    } else {
        ar >> m_nWireSystem >> m_nMaterial >> m_nInsulation >> m_nCoreKind >> m_nMethod >>
            m_nCircuits >> m_dAmbientTemp >> m_dLoadCurrent >> m_dLength;
    }
}
