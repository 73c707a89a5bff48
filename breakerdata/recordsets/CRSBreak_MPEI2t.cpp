#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"

#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"
#include "breakerdata/recordsets/LimitCurveRead.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_MPEI2t::CRSBreak_MPEI2t(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_MPEI2t::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_MPEI2t::GetDefaultSQL() const {
    return "[Break_MPEI2t]";
}

void CRSBreak_MPEI2t::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMPEI2tID]", m_lMPEI2tID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Long("[lHeaderID]", m_lHeaderID);
    fx.Double("[dRatedMin]", m_dRatedMin);
    fx.Double("[dRatedMax]", m_dRatedMax);
}

std::string CRSBreak_MPEI2t::GetTableOrder() const {
    return "[Break_MPEI2t].rowid";
}

void CRSBreak_MPEI2t::DoSetFilterByRated(int32_t typeID, double rated) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_MPEI2t].[lTypeID]", typeID);
    dorventa::DoAddFilterDouble(*this, "[dRatedMin]", rated, "<=");
    dorventa::DoAddFilterDouble(*this, "[dRatedMax]", rated, ">=");
}

int CRSBreak_MPEI2t::DoReadByRatedValue(fw::CDatabase* curveDatabase, int32_t typeID,
                                        int32_t voltage, double rated, CdPointList* list,
                                        int32_t* voltageFound) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        DoSetFilterByRated(typeID, rated);
        return dorventa::DoReadLimitCurve<CRSMPEI2t_Curve>(*this, curveDatabase, voltage, list,
                                                           voltageFound);
    });
}
