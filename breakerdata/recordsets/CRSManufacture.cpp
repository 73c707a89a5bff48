#include "breakerdata/recordsets/CRSManufacture.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSManufacture::CRSManufacture(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSManufacture::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSManufacture::GetDefaultSQL() const {
    return "[Manufacture]";
}

void CRSManufacture::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sManuName]", m_sManuName);
}

void CRSManufacture::Open() {
    m_strSort = "[sManuName]";
    fw::CRecordset::Open();
}

void CRSManufacture::DoSetFilterManufacture(int32_t manufactureID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lManufactureID]", manufactureID);
}
