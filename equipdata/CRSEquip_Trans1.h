#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_Trans1: single-phase three-wire transformers by capacity, with
// the outer-to-middle winding ("OutIn", on half the capacity) and the
// outer-to-outer winding ("OutOut").
class CRSEquip_Trans1 : public CSarquineRecordset {
public:
    explicit CRSEquip_Trans1(fw::CDatabase* database = nullptr);

    int32_t m_lTrans1ID = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lCapacity = 0; // kVA
    double m_dPerROutIn = 0.0;
    double m_dPerXOutIn = 0.0;
    double m_dPeakValueOutIn = 0.0;
    double m_dDampingTimeOutIn = 0.0;
    double m_dPerROutOut = 0.0;
    double m_dPerXOutOut = 0.0;
    double m_dPeakValueOutOut = 0.0;
    double m_dDampingTimeOutOut = 0.0;

    std::string GetDefaultSQL() const override { return "[Equip_Trans1]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first transformer whose capacity is at least `capacity` (or the
    // catch-all row): the eight values in column order. Returns its id, 0
    // when none fits (outputs untouched).
    int32_t DoReadByCapacityT1(double capacity, double* perROutIn, double* perXOutIn,
                               double* peakValueOutIn, double* dampingTimeOutIn, double* perROutOut,
                               double* perXOutOut, double* peakValueOutOut,
                               double* dampingTimeOutOut);

    // The combo filler of the capacities, as the three-phase one, handing
    // over the default row's capacity and eight values.
    int32_t DoReadSetDefaultT1(fw::IComboBox* box, double* capacity, double* perROutIn,
                               double* perXOutIn, double* peakValueOutIn, double* dampingTimeOutIn,
                               double* perROutOut, double* perXOutOut, double* peakValueOutOut,
                               double* dampingTimeOutOut);

private:
    void TakeValues(double* perROutIn, double* perXOutIn, double* peakValueOutIn,
                    double* dampingTimeOutIn, double* perROutOut, double* perXOutOut,
                    double* peakValueOutOut, double* dampingTimeOutOut) const;
};
