#include "breakerdata/recordsets/CRSDial_Time.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSDial_Time::CRSDial_Time(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSDial_Time::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSDial_Time::GetDefaultSQL() const {
    return "[Dial_Time]";
}

void CRSDial_Time::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lDialTimeID]", m_lDialTimeID);
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

void CRSDial_Time::Open() {
    m_strSort = "[dFixedValue]";
    fw::CRecordset::Open();
}

void CRSDial_Time::DoSetFilterDial(int32_t dialCharID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
}
