#pragma once

#include "framework/Archive.h"

#include <cstdint>

// The print settings of a catalogue document: the zoom of its view, the page
// margins and the printer's orientation and paper. Stored in every catalogue
// document as a 24-byte record.
class CInfoPrint {
public:
    // Zoom and margins a file may hold: the program writes only values in
    // these ranges, and beyond them sizes in logical and device units would
    // no longer fit in 32 bits. A file's values are brought inside on load.
    static constexpr int32_t kMinZoom = 10;    // percent
    static constexpr int32_t kMaxZoom = 1000;  // percent
    static constexpr int32_t kMinMargin = 0;   // mm
    static constexpr int32_t kMaxMargin = 500; // mm, wider than any paper

    // The zoom (int32), the margins as one 16-byte block left, top, right,
    // bottom (int32 each), then orientation and paper (uint16 each). A record
    // cut short raises the archive's end-of-file error.
    void Serialize(fw::CArchive& ar);
    // Brings zoom and margins inside the limits above; true when something
    // had to change.
    bool DoBound();

    int32_t m_nZoom = 100;
    int32_t m_nMarginLeft = 10;   // mm
    int32_t m_nMarginTop = 20;    // mm
    int32_t m_nMarginRight = 10;  // mm
    int32_t m_nMarginBottom = 10; // mm
    uint16_t m_nOrientation = 2;  // 2 landscape
    uint16_t m_nPaperSize = 9;    // 9 A4

    bool operator==(const CInfoPrint&) const = default;
};
