#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

// Table Equip_MotorEff: motor groups as one equivalent machine.
class CRSEquip_MotorEff : public CSarquineRecordset {
public:
    explicit CRSEquip_MotorEff(fw::CDatabase* database = nullptr);

    double m_dRotorResistance = 0.0;  // Rr, % on the own capacity
    double m_dSubReactance = 0.0;     // X"m, %
    double m_dStatorResistance = 0.0; // Rs, %
    double m_dCapacity = 0.0;         // kVA
    int32_t m_lMotorEffID = 0;

    std::string GetDefaultSQL() const override { return "[Equip_MotorEff]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The first group whose capacity is at least `capacity` (or the
    // catch-all row): X"m, Rr, Rs in that order. Returns its id, 0 when none
    // fits (outputs untouched).
    int32_t DoReadByCapacity(double capacity, double* subReactance, double* rotorResistance,
                             double* statorResistance);
};
