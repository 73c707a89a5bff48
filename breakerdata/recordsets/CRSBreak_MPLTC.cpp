#include "breakerdata/recordsets/CRSBreak_MPLTC.h"

#include "breakerdata/recordsets/CRSMPLTC_Curve.h"
#include "breakerdata/recordsets/LimitCurveRead.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_MPLTC::CRSBreak_MPLTC(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_MPLTC::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_MPLTC::GetDefaultSQL() const {
    return "[Break_MPLTC]";
}

void CRSBreak_MPLTC::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMPLTCID]", m_lMPLTCID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Long("[lHeaderID]", m_lHeaderID);
    fx.Double("[dRatedMin]", m_dRatedMin);
    fx.Double("[dRatedMax]", m_dRatedMax);
}

std::string CRSBreak_MPLTC::GetTableOrder() const {
    return "[Break_MPLTC].rowid";
}

void CRSBreak_MPLTC::DoSetFilterByRated(int32_t typeID, double rated) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_MPLTC].[lTypeID]", typeID);
    dorventa::DoAddFilterDouble(*this, "[dRatedMin]", rated, "<=");
    dorventa::DoAddFilterDouble(*this, "[dRatedMax]", rated, ">=");
}

int CRSBreak_MPLTC::DoReadByRatedValue(fw::CDatabase* curveDatabase, int32_t typeID,
                                       int32_t voltage, double rated, CdPointList* list,
                                       int32_t* voltageFound) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        DoSetFilterByRated(typeID, rated);
        return dorventa::DoReadLimitCurve<CRSMPLTC_Curve>(*this, curveDatabase, voltage, list,
                                                          voltageFound);
    });
}
