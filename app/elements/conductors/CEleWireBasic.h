#pragma once

#include "framework/Archive.h"

#include <cstdint>

// The circuit data of a wire that all its conductor groups share.
class CEleWireBasic : public fw::CObject {
    FW_DECLARE_SERIAL(CEleWireBasic)
public:
    CEleWireBasic() = default;
    CEleWireBasic(const CEleWireBasic&) = default;
    CEleWireBasic& operator=(const CEleWireBasic&) = default;
    ~CEleWireBasic() override = default;

    // Six words and three doubles, the same on every file version.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nWireSystem = 0;  // 1 3Phases, 2 3Phases+N, 3 3Phases+N+PE
    uint32_t m_nMaterial = 0;    // 1 copper, 2 aluminium
    uint32_t m_nInsulation = 0;  // 1 PVC 70 degC, 2 XLPE or EPR 90 degC
    uint32_t m_nCoreKind = 0;    // 1 single-core, 2 multi-core
    uint32_t m_nMethod = 0;      // installation method 5 E, 6 F, 7 G
    uint32_t m_nCircuits = 0;    // circuits laid together
    double m_dAmbientTemp = 0.0; // degC
    double m_dLoadCurrent = 0.0; // design current IB, A
    double m_dLength = 0.0;      // m
};
