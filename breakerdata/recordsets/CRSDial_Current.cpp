#include "breakerdata/recordsets/CRSDial_Current.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSDial_Current::CRSDial_Current(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSDial_Current::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSDial_Current::GetDefaultSQL() const {
    return "[Dial_Current]";
}

void CRSDial_Current::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lDialCurrentID]", m_lDialCurrentID);
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

void CRSDial_Current::Open() {
    m_strSort = "[dFixedValue]";
    fw::CRecordset::Open();
}

void CRSDial_Current::DoSetFilterDial(int32_t dialCharID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
}
