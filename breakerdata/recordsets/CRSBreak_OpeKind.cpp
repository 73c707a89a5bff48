#include "breakerdata/recordsets/CRSBreak_OpeKind.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_OpeKind::CRSBreak_OpeKind(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_OpeKind::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_OpeKind::GetDefaultSQL() const {
    return "[Break_OpeKind]";
}

void CRSBreak_OpeKind::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lOpeKindID]", m_lOpeKindID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sOpeKindName]", m_sOpeKindName);
    fx.Short("[nRatedFlag]", m_nRatedFlag);
    fx.Text("[sRatedTitle]", m_sRatedTitle);
    fx.Text("[sRatedUnit]", m_sRatedUnit);
    fx.Short("[nMagniFlag]", m_nMagniFlag);
    fx.Text("[sMagniTitle]", m_sMagniTitle);
    fx.Text("[sMagniUnit]", m_sMagniUnit);
    fx.Bool("[bUseOpenTime]", m_bUseOpenTime);
    fx.Bool("[bUseBreakingTime]", m_bUseBreakingTime);
}

// The id order holds on every open, whatever sort a caller set before.
void CRSBreak_OpeKind::Open() {
    m_strSort = "[lOpeKindID]";
    fw::CRecordset::Open();
}

void CRSBreak_OpeKind::DoSetFilterOpeKind(int32_t typeID, int32_t opeKindID,
                                          const std::string& opeKindName) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lTypeID]", typeID);
    dorventa::DoAddFilterId(*this, "[lOpeKindID]", opeKindID);
    dorventa::DoAddFilterText(*this, "[sOpeKindName]", opeKindName);
}
