#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_Trans3: three-phase transformers by capacity.
class CRSEquip_Trans3 : public CSarquineRecordset {
public:
    explicit CRSEquip_Trans3(fw::CDatabase* database = nullptr);

    int32_t m_lTransID = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lCapacity = 0;     // kVA
    double m_dPercentR = 0.0;    // % on the own capacity
    double m_dPercentX = 0.0;    // % on the own capacity
    double m_dPeakValue = 0.0;   // inrush peak, multiple of the rated current
    double m_dDampingTime = 0.0; // inrush damping time constant, cycles

    std::string GetDefaultSQL() const override { return "[Equip_Trans3]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first transformer whose capacity is at least `capacity` (or the
    // catch-all row): %R, %X, peak value, damping time. Returns its id, 0
    // when none fits (outputs untouched).
    int32_t DoReadByCapacityT3(double capacity, double* percentR, double* percentX,
                               double* peakValue, double* dampingTime);

    // Lists the capacities ("%d", item data the row id; the catch-all row is
    // not listed), selects the default row and hands over its capacity and
    // values. Without a box only the default is read. Returns the default
    // row's id, 0 when there is none or the box refuses an entry.
    int32_t DoReadSetDefaultT3(fw::IComboBox* box, double* capacity, double* percentR,
                               double* percentX, double* peakValue, double* dampingTime);
};
