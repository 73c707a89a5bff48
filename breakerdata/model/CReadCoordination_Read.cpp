// The type names of a co-ordination row, read from the breaker database.

#include "breakerdata/model/CReadCoordination.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"

namespace {

std::string TypeName(fw::CDatabase* database, int32_t typeID) {
    if (typeID <= 0)
        return {};
    CInfoBase selection;
    CRSBreak_Type(database).DoReadByTypeID(typeID, &selection, nullptr, 1);
    return selection.m_strTypeName;
}

} // namespace

std::string CReadCoordination::DoGetTextLVCBTypeName(fw::CDatabase* database) const {
    return TypeName(database, m_lLVCBTypeID);
}

std::string CReadCoordination::DoGetTextContactorTypeName(fw::CDatabase* database) const {
    return TypeName(database, m_lContactorTypeID);
}

std::string CReadCoordination::DoGetTextThermalTypeName(fw::CDatabase* database) const {
    return TypeName(database, m_lThermalTypeID);
}
