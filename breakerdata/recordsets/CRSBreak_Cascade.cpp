#include "breakerdata/recordsets/CRSBreak_Cascade.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Cascade::CRSBreak_Cascade(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Cascade::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Cascade::GetDefaultSQL() const {
    return "[Break_Cascade],[Break_Type],[Break_Info],[Break_Capacity]";
}

void CRSBreak_Cascade::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lCascadeID]", m_lCascadeID);
    fx.Long("[Break_Cascade].[lTypeID]", m_lTypeID);
    fx.Long("[Break_Cascade].[lVoltage]", m_lVoltage);
    fx.Long("[lMainTypeID]", m_lMainTypeID);
    fx.Long("[lIcuBack]", m_lIcuBack);
    fx.Long("[Break_Type].[lTypeID]", m_lTypeID_Type);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sTypeName]", m_sTypeName);
    fx.Bool("[bCanUseCT]", m_bCanUseCT);
    fx.Bool("[bCanUseCC]", m_bCanUseCC);
    fx.Text("[sOpeKindTitle]", m_sOpeKindTitle);
    fx.Text("[sSeriesName]", m_sSeriesName);
    fx.Text("[sOldNew]", m_sOldNew);
    fx.Text("[sNewDate]", m_sNewDate);
    fx.Text("[sUpdateDate]", m_sUpdateDate);
    fx.Text("[sMaker]", m_sMaker);
    fx.Text("[sNotes]", m_sNotes);
    fx.Long("[lInfoID]", m_lInfoID);
    fx.Long("[Break_Info].[lTypeID]", m_lTypeID_Info);
    fx.Short("[nOrder]", m_nOrder);
    fx.Short("[nSubOrder]", m_nSubOrder);
    fx.Short("[nUse]", m_nUse);
    fx.Text("[sTemperature]", m_sTemperature);
    fx.Text("[sCategory]", m_sCategory);
    fx.Text("[sTripDevice]", m_sTripDevice);
    fx.Long("[lCapacityID]", m_lCapacityID);
    fx.Long("[Break_Capacity].[lTypeID]", m_lTypeID_Capacity);
    fx.Long("[Break_Capacity].[lVoltage]", m_lVoltage_Capacity);
    fx.Long("[lIcu]", m_lIcu);
    fx.Long("[lIcs]", m_lIcs);
    fx.Long("[lIq]", m_lIq);
    fx.Long("[lIcuMCRLock]", m_lIcuMCRLock);
    fx.Long("[lIcsMCRLock]", m_lIcsMCRLock);
    fx.Long("[lIqMCRLock]", m_lIqMCRLock);
    fx.Short("[nTypeOrder]", m_nTypeOrder);
}

std::string CRSBreak_Cascade::GetTableOrder() const {
    return "[Break_Cascade].rowid,[Break_Type].rowid,[Break_Info].rowid,[Break_Capacity].rowid";
}
