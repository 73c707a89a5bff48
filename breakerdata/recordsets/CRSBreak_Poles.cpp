#include "breakerdata/recordsets/CRSBreak_Poles.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Poles::CRSBreak_Poles(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Poles::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Poles::GetDefaultSQL() const {
    return "[Break_Poles]";
}

void CRSBreak_Poles::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lPolesID]", m_lPolesID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Short("[nPoleCount]", m_nPoleCount);
    fx.Short("[nVoltAC1]", m_nVoltAC1);
    fx.Short("[nVoltAC2]", m_nVoltAC2);
    fx.Short("[nVoltAC3]", m_nVoltAC3);
    fx.Short("[nVoltAC4]", m_nVoltAC4);
    fx.Short("[nHsCurrent1]", m_nHsCurrent1);
    fx.Short("[nHsCurrent2]", m_nHsCurrent2);
    fx.Short("[nHsCurrent3]", m_nHsCurrent3);
    fx.Short("[nHsCurrent4]", m_nHsCurrent4);
    fx.Short("[nHsCurrent5]", m_nHsCurrent5);
    fx.Double("[dHsTime]", m_dHsTime);
    fx.Short("[nTdCurrent1]", m_nTdCurrent1);
    fx.Short("[nTdCurrent2]", m_nTdCurrent2);
    fx.Short("[nTdCurrent3]", m_nTdCurrent3);
    fx.Short("[nTdCurrent4]", m_nTdCurrent4);
    fx.Double("[dTdTime1]", m_dTdTime1);
    fx.Double("[dTdTime2]", m_dTdTime2);
    fx.Double("[dTdTime3]", m_dTdTime3);
    fx.Double("[dTdTime4]", m_dTdTime4);
}

std::string CRSBreak_Poles::GetTableOrder() const {
    return "[Break_Poles].rowid";
}

void CRSBreak_Poles::DoSetFilterPoles(int32_t typeID, int32_t poleCount) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lTypeID]", typeID);
    dorventa::DoAddFilterId(*this, "[nPoleCount]", poleCount);
}
