#include "breakerdata/model/CInfoLine.h"

FW_IMPLEMENT_SERIAL(CInfoLine, 0)

void CInfoLine::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nBandFlag << m_crColor << m_nLineKind << m_nWidth;
    else
        ar >> m_nBandFlag >> m_crColor >> m_nLineKind >> m_nWidth;
}

std::string CInfoLine::DoGetDXFTextLineKind() const {
    switch (m_nLineKind) {
    case 0:
        return "CONTINUOUS";
    case 1:
        return "DASHED";
    case 2:
        return "DOT";
    case 3:
        return "DASHDOT";
    case 4:
        return "DIVIDE";
    default:
        return {};
    }
}
