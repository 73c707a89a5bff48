#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSDial_MagniCurrent::CRSDial_MagniCurrent(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSDial_MagniCurrent::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSDial_MagniCurrent::GetDefaultSQL() const {
    return "[Dial_MagniCurrent]";
}

void CRSDial_MagniCurrent::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMagniCurrentID]", m_lMagniCurrentID);
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

void CRSDial_MagniCurrent::Open() {
    m_strSort = "[dFixedValue]";
    fw::CRecordset::Open();
}

void CRSDial_MagniCurrent::DoSetFilterDial(int32_t dialCharID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
}
