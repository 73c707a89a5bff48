#include "breakerdata/recordsets/CRSBreak_Group.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Group::CRSBreak_Group(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Group::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Group::GetDefaultSQL() const {
    return "[Break_Group]";
}

void CRSBreak_Group::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Short("[nKindFlag]", m_nKindFlag);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Short("[nLVCBCode]", m_nLVCBCode);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sGroupName]", m_sGroupName);
}

void CRSBreak_Group::Open() {
    m_strSort = "[nLVCBCode]";
    fw::CRecordset::Open();
}

void CRSBreak_Group::DoSetFilterGroup(int32_t manufactureID, int32_t kindFlag, int32_t groupID,
                                      int32_t lvcbCode) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lManufactureID]", manufactureID);
    dorventa::DoAddFilterId(*this, "[nKindFlag]", kindFlag);
    dorventa::DoAddFilterId(*this, "[lGroupID]", groupID);
    dorventa::DoAddFilterId(*this, "[nLVCBCode]", lvcbCode);
}
