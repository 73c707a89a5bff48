#include "breakerdata/recordsets/CRSBreak_Coordination.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Coordination::CRSBreak_Coordination(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Coordination::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Coordination::GetDefaultSQL() const {
    return "[Break_Coordination]";
}

void CRSBreak_Coordination::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lCoordinationID]", m_lCoordinationID);
    fx.Long("[lLVCBTypeID]", m_lLVCBTypeID);
    fx.Short("[nType]", m_nType);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Long("[lVoltage]", m_lVoltage);
    fx.Double("[dP]", m_dP);
    fx.Double("[dI]", m_dI);
    fx.Double("[dRatedCurrent]", m_dRatedCurrent);
    fx.Double("[dTripCurrent]", m_dTripCurrent);
    fx.Long("[lContactorTypeID]", m_lContactorTypeID);
    fx.Long("[lThermalTypeID]", m_lThermalTypeID);
    fx.Double("[dRangeMin]", m_dRangeMin);
    fx.Double("[dRangeMax]", m_dRangeMax);
    fx.Double("[dOrdering]", m_dOrdering);
    fx.Double("[dCu]", m_dCu);
    fx.Short("[nNumber]", m_nNumber);
    fx.Double("[dIe]", m_dIe);
}

std::string CRSBreak_Coordination::GetTableOrder() const {
    return "[Break_Coordination].rowid";
}
