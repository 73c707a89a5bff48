#include "breakerdata/recordsets/CRSBreak_Type.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Type::CRSBreak_Type(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Type::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Type::GetDefaultSQL() const {
    return "[Break_Type],[Break_Info]";
}

void CRSBreak_Type::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[Break_Type].[lTypeID]", m_lTypeID);
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
    fx.Short("[nTypeOrder]", m_nTypeOrder);
}

std::string CRSBreak_Type::GetTableOrder() const {
    return "[Break_Type].rowid,[Break_Info].rowid";
}

void CRSBreak_Type::DoSetFilterType(int32_t manufactureID, int32_t groupID, int32_t typeID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lManufactureID]", manufactureID);
    dorventa::DoAddFilterId(*this, "[lGroupID]", groupID);
    dorventa::DoAddFilterId(*this, "[Break_Type].[lTypeID]", typeID);
    AddFilterCondition(kJoinInfo);
}

void CRSBreak_Type::DoSetFilterTypeName(const std::string& typeName) {
    ClearFilter();
    // An empty name is looked for as such: a type with an empty name.
    AddFilterTerm("[sTypeName]", "=", typeName);
    AddFilterCondition(kJoinInfo);
}
