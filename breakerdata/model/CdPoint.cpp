#include "breakerdata/model/CdPoint.h"

FW_IMPLEMENT_SERIAL(CdPoint, 0)

void CdPoint::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_dX << m_dY;
    else
        ar >> m_dX >> m_dY;
}
