#pragma once

#include "framework/Archive.h"

#include <cstdint>

// The circuit data of a bus-duct that all its conductor groups share.
class CEleBusDuctBasic : public fw::CObject {
    FW_DECLARE_SERIAL(CEleBusDuctBasic)
public:
    CEleBusDuctBasic() = default;
    CEleBusDuctBasic(const CEleBusDuctBasic&) = default;
    CEleBusDuctBasic& operator=(const CEleBusDuctBasic&) = default;
    ~CEleBusDuctBasic() override = default;

    // Three words and four doubles, the same on every file version.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nWireSystem = 0;  // 1 3Phases, 2 3Phases+N, 3 3Phases+N+PE
    uint32_t m_nMaterial = 0;    // 1 Cu, 2 Al
    uint32_t m_nInsulation = 0;  // 1 bare, 2 with insulation
    double m_dMaxTemp = 0.0;     // degC
    double m_dAmbientTemp = 0.0; // degC
    double m_dLoadCurrent = 0.0; // design load current IB, A
    double m_dLength = 0.0;      // m
};
