#include "equipdata/CRSEquip_Motor.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_Motor::CRSEquip_Motor(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_Motor::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMotorID]", m_lMotorID);
    fx.Double("[dCapacity]", m_dCapacity);
    fx.Double("[dPowerFactor]", m_dPowerFactor);
    fx.Double("[dStartingCurrent]", m_dStartingCurrent);
    fx.Double("[dStartingTime]", m_dStartingTime);
    fx.Double("[dInrushCurrent]", m_dInrushCurrent);
}

std::string CRSEquip_Motor::GetTableOrder() const {
    return equipwalk::KeyOrder("[dCapacity]", "[lMotorID]");
}

int32_t CRSEquip_Motor::DoReadByCapacity(double capacity, double* powerFactor,
                                         double* startingCurrent, double* startingTime,
                                         double* inrushCurrent) {
    return equipwalk::ReadFirstAtOrAbove(*this, capacity, 1, m_dCapacity, m_lMotorID, [&] {
        Put(powerFactor, ValueOrNoData(2, m_dPowerFactor));
        Put(startingCurrent, ValueOrNoData(3, m_dStartingCurrent));
        Put(startingTime, ValueOrNoData(4, m_dStartingTime));
        Put(inrushCurrent, ValueOrNoData(5, m_dInrushCurrent));
    });
}
