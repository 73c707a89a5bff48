#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_Generator: generators by capacity. Laid out as the three-phase
// transformer table; both share their walks.
class CRSEquip_Generator : public CSarquineRecordset {
public:
    explicit CRSEquip_Generator(fw::CDatabase* database = nullptr);

    int32_t m_lGeneratorID = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lCapacity = 0;      // kVA
    double m_dReactance = 0.0;    // X'd, %
    double m_dSubReactance = 0.0; // X"d, %
    double m_dConstant = 0.0;     // Tdc, s
    double m_dSubConstant = 0.0;  // T"d, s

    std::string GetDefaultSQL() const override { return "[Equip_Generator]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first generator whose capacity is at least `capacity` (or the
    // catch-all row): X'd, X"d, Tdc, T"d. Returns its id, 0 when none fits.
    int32_t DoReadByCapacityG(double capacity, double* reactance, double* subReactance,
                              double* constant, double* subConstant);

    // Lists the capacities ("%d", item data the row id; the catch-all row is
    // not listed), selects the default row and hands over its capacity and
    // values. Without a box only the default is read. Returns the default
    // row's id, 0 when there is none or the box refuses an entry.
    int32_t DoReadSetDefaultG(fw::IComboBox* box, double* capacity, double* reactance,
                              double* subReactance, double* constant, double* subConstant);
};
