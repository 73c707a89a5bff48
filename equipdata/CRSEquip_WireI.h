#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

// Table Equip_WireI: coefficients of the current-carrying capacity
// I0 = A S^m - B S^n by insulation, installation method, material and core
// size, read in ascending size.
class CRSEquip_WireI : public CSarquineRecordset {
public:
    explicit CRSEquip_WireI(fw::CDatabase* database = nullptr);

    int32_t m_lWireIID = 0;
    int16_t m_nInsulation = 0; // 1 PVC, 2 XLPE/EPR
    int16_t m_nMethod = 0;     // 5 E, 6 F, 7 G
    int32_t m_nMaterial = 0;   // 1 copper, 2 aluminium (a 32-bit column)
    double m_dCoreSize = 0.0;  // mm2
    double m_dA = 0.0;
    double m_dm = 0.0;
    double m_dB = 0.0;
    double m_dn = 0.0;

    std::string GetDefaultSQL() const override { return "[Equip_WireI]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Among the rows of the insulation, method and material (each a filter
    // only when above 0) with sizes from `minSize` to `maxSize`, the first
    // row whose size is at least `coreSize`, the rows below it writing their
    // coefficients on the way. Returns the id of the row last written, 0 at
    // once when `minSize` is above `coreSize`, and 0 for an empty range.
    int32_t DoReadByValuesWI(int insulation, int method, int material, double coreSize,
                             double minSize, double maxSize, double* A, double* m, double* B,
                             double* n);
};
