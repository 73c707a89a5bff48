#include "breakerdata/recordsets/CRSBreak_Magni.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Magni::CRSBreak_Magni(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Magni::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Magni::GetDefaultSQL() const {
    return "[Break_Magni]";
}

void CRSBreak_Magni::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lBreakMagniID]", m_lBreakMagniID);
    fx.Long("[lOpeKindID]", m_lOpeKindID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

void CRSBreak_Magni::Open() {
    m_strSort = "[dFixedValue]";
    fw::CRecordset::Open();
}

void CRSBreak_Magni::DoSetFilterMagni(int32_t opeKindID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lOpeKindID]", opeKindID);
}
