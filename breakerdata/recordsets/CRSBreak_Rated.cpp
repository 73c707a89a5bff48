#include "breakerdata/recordsets/CRSBreak_Rated.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Rated::CRSBreak_Rated(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Rated::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Rated::GetDefaultSQL() const {
    return "[Break_Rated]";
}

void CRSBreak_Rated::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lBreakRatedID]", m_lBreakRatedID);
    fx.Long("[lOpeKindID]", m_lOpeKindID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sFixedName]", m_sFixedName);
    fx.Double("[dFixedValue]", m_dFixedValue);
    fx.Double("[dContiDefValue]", m_dContiDefValue);
    fx.Double("[dContiMiniValue]", m_dContiMiniValue);
    fx.Double("[dContiWidthValue]", m_dContiWidthValue);
    fx.Double("[dContiMaxValue]", m_dContiMaxValue);
}

std::string CRSBreak_Rated::GetTableOrder() const {
    return "[Break_Rated].rowid";
}

void CRSBreak_Rated::DoSetFilterRated(int32_t opeKindID, int32_t breakRatedID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lOpeKindID]", opeKindID);
    dorventa::DoAddFilterId(*this, "[lBreakRatedID]", breakRatedID);
}

void CRSBreak_Rated::DoSetFilterRatedValue(int32_t opeKindID, double fixedValue) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lOpeKindID]", opeKindID);
    dorventa::DoAddFilterDouble(*this, "[dFixedValue]", fixedValue);
}
