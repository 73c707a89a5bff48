#include "breakerdata/recordsets/CRSBreak_Element.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Element::CRSBreak_Element(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Element::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Element::GetDefaultSQL() const {
    return "[Break_Element]";
}

void CRSBreak_Element::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lElementID]", m_lElementID);
    fx.Long("[lBreakRatedID]", m_lBreakRatedID);
    fx.Short("[nClassNumber]", m_nClassNumber);
    fx.Text("[sElementName]", m_sElementName);
}

void CRSBreak_Element::Open() {
    m_strSort = "[nClassNumber]";
    fw::CRecordset::Open();
}

void CRSBreak_Element::DoSetFilterElement(int32_t breakRatedID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lBreakRatedID]", breakRatedID);
}
