#include "catalogue/model/CInfoPrint.h"

#include <algorithm>

void CInfoPrint::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nZoom;
        int32_t margins[4] = {m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom};
        ar.Write(margins, sizeof margins);
        ar << m_nOrientation << m_nPaperSize;
        return;
    }
    ar >> m_nZoom;
    int32_t margins[4] = {};
    ar.Read(margins, sizeof margins);
    m_nMarginLeft = margins[0];
    m_nMarginTop = margins[1];
    m_nMarginRight = margins[2];
    m_nMarginBottom = margins[3];
    ar >> m_nOrientation >> m_nPaperSize;
}

bool CInfoPrint::DoBound() {
    CInfoPrint before = *this;
    m_nZoom = std::clamp(m_nZoom, kMinZoom, kMaxZoom);
    for (int32_t* margin : {&m_nMarginLeft, &m_nMarginTop, &m_nMarginRight, &m_nMarginBottom})
        *margin = std::clamp(*margin, kMinMargin, kMaxMargin);
    return !(before == *this);
}
