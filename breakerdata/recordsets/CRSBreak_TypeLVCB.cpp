#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_TypeLVCB::CRSBreak_TypeLVCB(fw::CDatabase* database) : CRSBreak_Type(database) {}

// The base's join, extended by the tables of the selection.
std::string CRSBreak_TypeLVCB::GetDefaultSQL() const {
    return CRSBreak_Type::GetDefaultSQL() +
           ",[Break_Poles],[Break_Capacity],[Break_OpeKind],[Break_Rated]";
}

void CRSBreak_TypeLVCB::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[Break_Type].[lTypeID]", m_lTypeID);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Bool("[Break_Type].[bIsDefault]", m_bIsDefault);
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
    fx.Bool("[bJisNewOld]", m_bJisNewOld);
    fx.Bool("[bDelete]", m_bDelete);
    fx.Long("[lInfoID]", m_lInfoID);
    fx.Long("[Break_Info].[lTypeID]", m_lTypeID_Info);
    fx.Short("[nOrder]", m_nOrder);
    fx.Short("[nSubOrder]", m_nSubOrder);
    fx.Short("[nUse]", m_nUse);
    fx.Text("[sTemperature]", m_sTemperature);
    fx.Text("[sCategory]", m_sCategory);
    fx.Text("[sTripDevice]", m_sTripDevice);
    fx.Long("[lPolesID]", m_lPolesID);
    fx.Long("[Break_Poles].[lTypeID]", m_lTypeID_Poles);
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
    fx.Long("[lCapacityID]", m_lCapacityID);
    fx.Long("[Break_Capacity].[lTypeID]", m_lTypeID_Capacity);
    fx.Long("[lVoltage]", m_lVoltage);
    fx.Long("[lIcu]", m_lIcu);
    fx.Long("[lIcs]", m_lIcs);
    fx.Long("[lIq]", m_lIq);
    fx.Long("[Break_OpeKind].[lOpeKindID]", m_lOpeKindID);
    fx.Long("[Break_OpeKind].[lTypeID]", m_lTypeID_OpeKind);
    fx.Bool("[Break_OpeKind].[bIsDefault]", m_bIsDefault_OpeKind);
    fx.Text("[sOpeKindName]", m_sOpeKindName);
    fx.Short("[nRatedFlag]", m_nRatedFlag);
    fx.Text("[sRatedTitle]", m_sRatedTitle);
    fx.Text("[sRatedUnit]", m_sRatedUnit);
    fx.Short("[nMagniFlag]", m_nMagniFlag);
    fx.Text("[sMagniTitle]", m_sMagniTitle);
    fx.Text("[sMagniUnit]", m_sMagniUnit);
    fx.Long("[lBreakRatedID]", m_lBreakRatedID);
    fx.Long("[Break_Rated].[lOpeKindID]", m_lOpeKindID_Rated);
    fx.Bool("[Break_Rated].[bIsDefault]", m_bIsDefault_Rated);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
    fx.Long("[lIcuJIS8201]", m_lIcuJIS8201);
    fx.Long("[lIcsJIS8201]", m_lIcsJIS8201);
    fx.Long("[lIqJIS8201]", m_lIqJIS8201);
    fx.Short("[nTypeOrder]", m_nTypeOrder);
}

std::string CRSBreak_TypeLVCB::GetTableOrder() const {
    return "[Break_Type].rowid,[Break_Info].rowid,[Break_Poles].rowid,[Break_Capacity].rowid,["
           "Break_OpeKind].rowid,[Break_Rated].rowid";
}
