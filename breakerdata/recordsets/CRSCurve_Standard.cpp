#include "breakerdata/recordsets/CRSCurve_Standard.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSCurve_Standard::CRSCurve_Standard(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSCurve_Standard::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSCurve_Standard::GetDefaultSQL() const {
    return "[Curve_Standard]";
}

void CRSCurve_Standard::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lStandardID]", m_lStandardID);
    fx.Long("[lCurveHeaderID]", m_lCurveHeaderID);
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Long("[lStdVoltage2]", m_lStdVoltage2);
    fx.Double("[dPairTime]", m_dPairTime);
    fx.Short("[nLineKind]", m_nLineKind);
}

std::string CRSCurve_Standard::GetTableOrder() const {
    return "[Curve_Standard].rowid";
}

void CRSCurve_Standard::DoSetFilterStandard(int32_t dialCharID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
}
