#pragma once

#include "framework/Archive.h"

#include <cstdint>
#include <string>

// How a device's curve is drawn: tolerance band or typical curve, colour, line
// kind and width. Kept in the project document.
class CInfoLine : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoLine)
public:
    CInfoLine() = default;
    CInfoLine(const CInfoLine&) = default;
    CInfoLine& operator=(const CInfoLine&) = default;

    // The four values in field order. Values from older documents are kept
    // as they stand; the line kind is not range-checked.
    void Serialize(fw::CArchive& ar) override;

    // The DXF linetype name of the line kind, empty for an unknown kind.
    std::string DoGetDXFTextLineKind() const;

    int32_t m_nBandFlag = 1; // 1: the tolerance curves apply the database tolerances
    int32_t m_crColor = 0;   // a Windows colour value (0x00BBGGRR)
    int32_t m_nLineKind = 0; // 0 solid, 1 dashed, 2 dot, 3 dash-dot, 4 divide
    int32_t m_nWidth = 10;   // logical units
};
