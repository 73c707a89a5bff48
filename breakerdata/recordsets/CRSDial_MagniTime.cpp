#include "breakerdata/recordsets/CRSDial_MagniTime.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSDial_MagniTime::CRSDial_MagniTime(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSDial_MagniTime::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSDial_MagniTime::GetDefaultSQL() const {
    return "[Dial_MagniTime]";
}

void CRSDial_MagniTime::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMagniTimeID]", m_lMagniTimeID);
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

void CRSDial_MagniTime::Open() {
    m_strSort = "[dFixedValue]";
    fw::CRecordset::Open();
}

void CRSDial_MagniTime::DoSetFilterDial(int32_t dialCharID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
}
