#include "equipdata/CRSEquip_Trans3.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_Trans3::CRSEquip_Trans3(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_Trans3::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lTransID]", m_lTransID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Long("[lCapacity]", m_lCapacity);
    fx.Double("[dPercentR]", m_dPercentR);
    fx.Double("[dPercentX]", m_dPercentX);
    fx.Double("[dPeakValue]", m_dPeakValue);
    fx.Double("[dDampingTime]", m_dDampingTime);
}

std::string CRSEquip_Trans3::GetTableOrder() const {
    return equipwalk::KeyOrder("[lCapacity]", "[lTransID]");
}

int32_t CRSEquip_Trans3::DoReadByCapacityT3(double capacity, double* percentR, double* percentX,
                                            double* peakValue, double* dampingTime) {
    return equipwalk::ReadFirstAtOrAbove(*this, capacity, 2, m_lCapacity, m_lTransID, [&] {
        Put(percentR, ValueOrNoData(3, m_dPercentR));
        Put(percentX, ValueOrNoData(4, m_dPercentX));
        Put(peakValue, ValueOrNoData(5, m_dPeakValue));
        Put(dampingTime, ValueOrNoData(6, m_dDampingTime));
    });
}

int32_t CRSEquip_Trans3::DoReadSetDefaultT3(fw::IComboBox* box, double* capacity, double* percentR,
                                            double* percentX, double* peakValue,
                                            double* dampingTime) {
    return equipwalk::FillByCapacity(*this, box, 2, m_lCapacity, m_bIsDefault, m_lTransID, [&] {
        Put(capacity, static_cast<double>(m_lCapacity));
        Put(percentR, ValueOrNoData(3, m_dPercentR));
        Put(percentX, ValueOrNoData(4, m_dPercentX));
        Put(peakValue, ValueOrNoData(5, m_dPeakValue));
        Put(dampingTime, ValueOrNoData(6, m_dDampingTime));
    });
}
