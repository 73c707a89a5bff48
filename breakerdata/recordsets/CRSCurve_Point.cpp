#include "breakerdata/recordsets/CRSCurve_Point.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

#include "breakerdata/model/CdPointList.h"

#include <cstdlib>

CRSCurve_Point::CRSCurve_Point(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSCurve_Point::GetDefaultDBName() const {
    return dorventa::GetPathMDBOrbelune();
}

std::string CRSCurve_Point::GetDefaultSQL() const {
    return "[Curve_Point]";
}

void CRSCurve_Point::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lPointID]", m_lPointID);
    fx.Long("[lCurveHeaderID]", m_lCurveHeaderID);
    fx.Double("[dXPoint]", m_dXPoint);
    fx.Double("[dYPoint]", m_dYPoint);
    fx.Bool("[bUseInst]", m_bUseInst);
}

std::string CRSCurve_Point::GetTableOrder() const {
    return "[Curve_Point].rowid";
}

void CRSCurve_Point::DoSetFilterCP(int32_t curveHeaderID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lCurveHeaderID]", curveHeaderID);
}

// The points go through their number text, so that they carry the six
// decimals the catalogue shows and nothing finer.
void CRSCurve_Point::DoCopyToReadPoint(CdPoint* point) const {
    if (!point)
        return;
    point->m_dX = std::strtod(DLLGetTextByBeams(m_dXPoint, 0).c_str(), nullptr);
    point->m_dY = std::strtod(DLLGetTextByBeams(m_dYPoint, 0).c_str(), nullptr);
}

int CRSCurve_Point::DoReadByCurveHeaderID(int32_t curveHeaderID, CdPointList* list, double* instX) {
    if (instX)
        *instX = 0.0;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int count = 0;
        DoSetFilterCP(curveHeaderID);
        m_strSort = "[dXPoint],[dYPoint] DESC";
        Open();
        while (!IsEOF()) {
            if (list)
                DoCopyToReadPoint(list->DoAddNewPoint());
            if (m_bUseInst && instX)
                *instX = m_dXPoint;
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
