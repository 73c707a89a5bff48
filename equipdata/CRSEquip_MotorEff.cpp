#include "equipdata/CRSEquip_MotorEff.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_MotorEff::CRSEquip_MotorEff(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_MotorEff::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Double("[dRotorResistance]", m_dRotorResistance);
    fx.Double("[dSubReactance]", m_dSubReactance);
    fx.Double("[dStatorResistance]", m_dStatorResistance);
    fx.Double("[dCapacity]", m_dCapacity);
    fx.Long("[lMotorEffID]", m_lMotorEffID);
}

std::string CRSEquip_MotorEff::GetTableOrder() const {
    return equipwalk::KeyOrder("[dCapacity]", "[lMotorEffID]");
}

int32_t CRSEquip_MotorEff::DoReadByCapacity(double capacity, double* subReactance,
                                            double* rotorResistance, double* statorResistance) {
    return equipwalk::ReadFirstAtOrAbove(*this, capacity, 3, m_dCapacity, m_lMotorEffID, [&] {
        Put(subReactance, ValueOrNoData(1, m_dSubReactance));
        Put(rotorResistance, ValueOrNoData(0, m_dRotorResistance));
        Put(statorResistance, ValueOrNoData(2, m_dStatorResistance));
    });
}
