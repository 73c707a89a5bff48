#pragma once

#include "framework/Archive.h"

#include <cstdint>

// The circuit data of a bus-bar that all its conductor groups share.
class CEleBusBarBasic : public fw::CObject {
    FW_DECLARE_SERIAL(CEleBusBarBasic)
public:
    CEleBusBarBasic() = default;
    CEleBusBarBasic(const CEleBusBarBasic&) = default;
    CEleBusBarBasic& operator=(const CEleBusBarBasic&) = default;
    ~CEleBusBarBasic() override = default;

    // Four words and four doubles, the same on every file version.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nWireSystem = 0;   // 1 3Phases, 2 3Phases+N, 3 3Phases+N+PE
    uint32_t m_nMaterial = 0;     // 1 Cu, 2 Al
    uint32_t m_nSurface = 0;      // 1 bare, 2 painted
    uint32_t m_nInstallation = 0; // 1 vertical, 2 horizontal (position of the bars)
    double m_dMaxTemp = 0.0;      // permitted bar temperature, degC
    double m_dAmbientTemp = 0.0;  // degC
    double m_dLoadCurrent = 0.0;  // design load current IB, A
    double m_dLength = 0.0;       // m
};
