#pragma once

#include "framework/Archive.h"

#include <cstdint>

class CEleBusDuctBasic;

// One conductor group of a bus-duct (phases, N or PE): a row of the
// equipment table by material and rated current. Resistance and reactance
// are held as read from the table and as in use; the two are equal until
// the user types another, and the sheet's "*" marks and a change of
// frequency rest on that exact equality.
class CEleBusDuctPhase : public fw::CObject {
    FW_DECLARE_SERIAL(CEleBusDuctPhase)
public:
    CEleBusDuctPhase() = default;
    CEleBusDuctPhase(const CEleBusDuctPhase&) = default;
    CEleBusDuctPhase& operator=(const CEleBusDuctPhase&) = default;
    ~CEleBusDuctPhase() override = default;

    // The table's default row of the material, once per group.
    void DoSetDefault(double frequency, const CEleBusDuctBasic& basic);

    // The row of the group's rated current; no row leaves everything as it
    // was. Found, the values in use become the table's.
    void DoReadByRatedCurrent(double frequency, const CEleBusDuctBasic& basic);

    // A change of frequency: the reactance is read again unless the user
    // typed it; width, thickness, number and resistance are not touched.
    void DoReadXForFrequency(double frequency, const CEleBusDuctBasic& basic);

    // The record in the current layout. Files before 1.2 held width and
    // thickness as whole millimetres ahead of the number; Load reads them so.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nLookedUp = 0;
    double m_dRatedCurrent = 0.0;   // A: the row's key, and the group's capacity
    uint32_t m_nNumber = 0;         // bars per phase
    double m_dRPerMetreTable = 0.0; // mohms/m
    double m_dRPerMetre = 0.0;
    double m_dXPerMetreTable = 0.0; // mohms/m at the document frequency
    double m_dXPerMetre = 0.0;
    double m_dWidth = 0.0;     // mm
    double m_dThickness = 0.0; // mm
};
