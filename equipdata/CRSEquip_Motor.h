#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

// Table Equip_Motor: induction motors by rated output.
class CRSEquip_Motor : public CSarquineRecordset {
public:
    explicit CRSEquip_Motor(fw::CDatabase* database = nullptr);

    int32_t m_lMotorID = 0;
    double m_dCapacity = 0.0; // kW
    double m_dPowerFactor = 0.0;
    double m_dStartingCurrent = 0.0; // multiple of Im
    double m_dStartingTime = 0.0;    // s at 600 %
    double m_dInrushCurrent = 0.0;   // multiple of Im

    std::string GetDefaultSQL() const override { return "[Equip_Motor]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first motor whose output is at least `capacity` (or the catch-all
    // row): power factor, starting current, starting time, inrush current.
    // Returns its id, 0 when none fits (outputs untouched).
    int32_t DoReadByCapacity(double capacity, double* powerFactor, double* startingCurrent,
                             double* startingTime, double* inrushCurrent);
};
