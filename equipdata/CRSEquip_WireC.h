#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

// Table Equip_WireC: reduction factors for groups of circuits.
class CRSEquip_WireC : public CSarquineRecordset {
public:
    explicit CRSEquip_WireC(fw::CDatabase* database = nullptr);

    int32_t m_lWireCID = 0;
    int16_t m_nCircuitNumber = 0;
    double m_dFactorE = 0.0;
    double m_dFactorF = 0.0;
    double m_dFactorG = 0.0;

    std::string GetDefaultSQL() const override { return "[Equip_WireC]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The factors of methods E, F and G for `circuits` circuits (the last
    // row with that number decides). Returns its id, 0 when no row has the
    // number (outputs untouched).
    int32_t DoReadByNumber(int circuits, double* factorE, double* factorF, double* factorG);
};
