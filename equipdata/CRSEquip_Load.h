#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

// Table Equip_Load: classes of general loads by load current.
class CRSEquip_Load : public CSarquineRecordset {
public:
    explicit CRSEquip_Load(fw::CDatabase* database = nullptr);

    int32_t m_lLoadID = 0;
    double m_dLoadCurrent = 0.0;
    double m_dPowerFactor = 0.0;
    double m_dStartingCurrent = 0.0;
    double m_dStartingTime = 0.0;

    std::string GetDefaultSQL() const override { return "[Equip_Load]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first class whose load current is at least `current` (or the
    // catch-all class): its power factor, starting current (multiple of the
    // load current) and starting time. Returns its id, 0 when none fits; the
    // outputs are then untouched. A null output is skipped.
    int32_t DoReadByLoadCurrent(double current, double* powerFactor, double* startingCurrent,
                                double* startingTime);
};
