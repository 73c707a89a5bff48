#pragma once

#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <string>

// The project document's settings records. They sit below the element models
// because every model computes its percent impedance on the skeleton's
// reference capacity and frequency.

// Limits of values read from a file or typed in a dialog: far beyond any real
// diagram, and small enough that sizes in logical units, device pixels and
// grid-line counts stay well inside 32 bits at every zoom.
namespace settings_limits {
constexpr int32_t kMinFrameCount = 1;
constexpr int32_t kMaxFrameCount = 2000; // 80 000 logical units a side
constexpr int32_t kMinZoom = 10;         // percent
constexpr int32_t kMaxZoom = 1000;       // percent
constexpr int32_t kMinMargin = 0;        // mm
constexpr int32_t kMaxMargin = 500;      // mm, wider than any paper
} // namespace settings_limits

// Project information shown in title blocks.
class CInfoProject : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoProject)
public:
    void Serialize(fw::CArchive& ar) override;

    std::string m_strCustomer;
    std::string m_strProject;
    std::string m_strReference;
    std::string m_strEngineer;
    std::string m_strCreated;
    std::string m_strChangedBy;
    std::string m_strChanged;
    std::string m_strComments;
};

// The skeleton's set-up: grid, colours, reference capacity, frequency, view
// state and page set-up. Its record is 84 bytes.
class CInfoSkeleton : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoSkeleton)
public:
    void Serialize(fw::CArchive& ar) override;

    // The frequency as a whole number, with "Hz" when withUnit is 1.
    std::string DoGetTextFrequency(int withUnit) const;
    // Brings counts, zoom and margins inside settings_limits; true when
    // something had to change.
    bool DoBound();

    int32_t m_nFrameCountX = 50;
    int32_t m_nFrameCountY = 35;
    int32_t m_nZoom = 100;
    int32_t m_nReserved = 1;
    uint32_t m_crBack = 0xFFFFFF;
    uint32_t m_crGrid = 0xC0C0C0;
    uint32_t m_crCursor = 0xC0C0C0;
    fw::CPoint m_ptScroll{0, 0};
    fw::CPoint m_ptInsert{160, 40};
    fw::CPoint m_ptClick{0, 0};
    int32_t m_nFrequency = 50;
    double m_dCapacity = 1000.0;
    fw::CRect m_rectMargins{10, 20, 10, 10};
    uint16_t m_nOrientation = 2;
    uint16_t m_nPaperSize = 9;
};

// View and page state of the report view (28 bytes).
class CInfoReport : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoReport)
public:
    void Serialize(fw::CArchive& ar) override;
    bool DoBound();

    int32_t m_nZoom = 100;
    int32_t m_nReportKind = 0;
    fw::CRect m_rectMargins{10, 20, 10, 10};
    uint16_t m_nOrientation = 2;
    uint16_t m_nPaperSize = 9;
};

// View and page state of the impedance-map view (32 bytes).
class CInfoImpeMap : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoImpeMap)
public:
    void Serialize(fw::CArchive& ar) override;
    bool DoBound();

    int32_t m_nZoom = 100;
    fw::CPoint m_ptScroll{0, 0};
    fw::CRect m_rectMargins{10, 20, 10, 10};
    uint16_t m_nOrientation = 2;
    uint16_t m_nPaperSize = 9;
};

// Bounds margins in place; true when one changed.
bool DoBoundMargins(fw::CRect& margins);
