#include "equipdata/CRSEquip_Trans1.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_Trans1::CRSEquip_Trans1(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_Trans1::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lTrans1ID]", m_lTrans1ID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Long("[lCapacity]", m_lCapacity);
    fx.Double("[dPerROutIn]", m_dPerROutIn);
    fx.Double("[dPerXOutIn]", m_dPerXOutIn);
    fx.Double("[dPeakValueOutIn]", m_dPeakValueOutIn);
    fx.Double("[dDampingTimeOutIn]", m_dDampingTimeOutIn);
    fx.Double("[dPerROutOut]", m_dPerROutOut);
    fx.Double("[dPerXOutOut]", m_dPerXOutOut);
    fx.Double("[dPeakValueOutOut]", m_dPeakValueOutOut);
    fx.Double("[dDampingTimeOutOut]", m_dDampingTimeOutOut);
}

std::string CRSEquip_Trans1::GetTableOrder() const {
    return equipwalk::KeyOrder("[lCapacity]", "[lTrans1ID]");
}

void CRSEquip_Trans1::TakeValues(double* perROutIn, double* perXOutIn, double* peakValueOutIn,
                                 double* dampingTimeOutIn, double* perROutOut, double* perXOutOut,
                                 double* peakValueOutOut, double* dampingTimeOutOut) const {
    Put(perROutIn, ValueOrNoData(3, m_dPerROutIn));
    Put(perXOutIn, ValueOrNoData(4, m_dPerXOutIn));
    Put(peakValueOutIn, ValueOrNoData(5, m_dPeakValueOutIn));
    Put(dampingTimeOutIn, ValueOrNoData(6, m_dDampingTimeOutIn));
    Put(perROutOut, ValueOrNoData(7, m_dPerROutOut));
    Put(perXOutOut, ValueOrNoData(8, m_dPerXOutOut));
    Put(peakValueOutOut, ValueOrNoData(9, m_dPeakValueOutOut));
    Put(dampingTimeOutOut, ValueOrNoData(10, m_dDampingTimeOutOut));
}

int32_t CRSEquip_Trans1::DoReadByCapacityT1(double capacity, double* perROutIn, double* perXOutIn,
                                            double* peakValueOutIn, double* dampingTimeOutIn,
                                            double* perROutOut, double* perXOutOut,
                                            double* peakValueOutOut, double* dampingTimeOutOut) {
    return equipwalk::ReadFirstAtOrAbove(*this, capacity, 2, m_lCapacity, m_lTrans1ID, [&] {
        TakeValues(perROutIn, perXOutIn, peakValueOutIn, dampingTimeOutIn, perROutOut, perXOutOut,
                   peakValueOutOut, dampingTimeOutOut);
    });
}

int32_t CRSEquip_Trans1::DoReadSetDefaultT1(fw::IComboBox* box, double* capacity, double* perROutIn,
                                            double* perXOutIn, double* peakValueOutIn,
                                            double* dampingTimeOutIn, double* perROutOut,
                                            double* perXOutOut, double* peakValueOutOut,
                                            double* dampingTimeOutOut) {
    return equipwalk::FillByCapacity(*this, box, 2, m_lCapacity, m_bIsDefault, m_lTrans1ID, [&] {
        Put(capacity, static_cast<double>(m_lCapacity));
        TakeValues(perROutIn, perXOutIn, peakValueOutIn, dampingTimeOutIn, perROutOut, perXOutOut,
                   peakValueOutOut, dampingTimeOutOut);
    });
}
