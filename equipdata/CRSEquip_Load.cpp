#include "equipdata/CRSEquip_Load.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_Load::CRSEquip_Load(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_Load::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lLoadID]", m_lLoadID);
    fx.Double("[dLoadCurrent]", m_dLoadCurrent);
    fx.Double("[dPowerFactor]", m_dPowerFactor);
    fx.Double("[dStartingCurrent]", m_dStartingCurrent);
    fx.Double("[dStartingTime]", m_dStartingTime);
}

std::string CRSEquip_Load::GetTableOrder() const {
    return equipwalk::KeyOrder("[dLoadCurrent]", "[lLoadID]");
}

int32_t CRSEquip_Load::DoReadByLoadCurrent(double current, double* powerFactor,
                                           double* startingCurrent, double* startingTime) {
    return equipwalk::ReadFirstAtOrAbove(*this, current, 1, m_dLoadCurrent, m_lLoadID, [&] {
        Put(powerFactor, ValueOrNoData(2, m_dPowerFactor));
        Put(startingCurrent, ValueOrNoData(3, m_dStartingCurrent));
        Put(startingTime, ValueOrNoData(4, m_dStartingTime));
    });
}
