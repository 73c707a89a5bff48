// Reading the header and points of reference curves from the curve database.

#include "breakerdata/model/CReadCurve.h"

#include "breakerdata/recordsets/CRSCurve_Header.h"
#include "breakerdata/recordsets/CRSCurve_Point.h"

#include "tools/Filvaron.h"

namespace {
constexpr unsigned IDS_TABLE_CURVE_HEADER = 4352;
constexpr unsigned IDS_TABLE_CURVE_POINT = 4353;
} // namespace

int CReadCurve::DoReadHeaderPoints(fw::CDatabase* curveDatabase) {
    if (CRSCurve_Header(curveDatabase).DoReadByCurveHeaderID(m_lCurveHeaderID, this) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_CURVE_HEADER, static_cast<double>(m_lCurveHeaderID));
        return 0;
    }
    // A curve given by its formula has no points.
    if (m_bSaveFormula == 0 &&
        CRSCurve_Point(curveDatabase)
                .DoReadByCurveHeaderID(m_lCurveHeaderID, &m_listPoint, &m_dInstX) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_CURVE_POINT, static_cast<double>(m_lCurveHeaderID));
        return 0;
    }
    return 1;
}

int CReadCurveList::DoReadAllHeaderPoints(fw::CDatabase* curveDatabase) {
    int count = 0;
    for (auto& curve : *this) {
        if (curve->DoReadHeaderPoints(curveDatabase) == 0)
            return 0;
        ++count;
    }
    return count;
}
