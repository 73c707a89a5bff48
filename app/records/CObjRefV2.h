#pragma once

#include "breakerdata/model/CdPoint.h"
#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>

// Where one label of a curve or current mark stands on a co-ordination graph.
// Colours are Windows colour values (0x00BBGGRR).
class CObjRefV2 : public fw::CObject {
    FW_DECLARE_SERIAL(CObjRefV2)
public:
    CObjRefV2() = default;
    CObjRefV2(const CObjRefV2&) = default;
    CObjRefV2& operator=(const CObjRefV2&) = default;
    ~CObjRefV2() override = default;

    // The selection frame's rectangle.
    fw::CRect GetLabelRect() const { return m_rectTracker; }
    void SetLabelRect(const fw::CRect& rect) { m_rectTracker = rect; }

    // The point that the co-ordination view keeps with the label.
    fw::CPoint GetOffset() const { return m_ptAnchorOffset; }
    void SetOffset(const fw::CPoint& point) { m_ptAnchorOffset = point; }

    // Shifts the label by (dx, dy).
    void DoOffset(int32_t dx, int32_t dy);

    // The text rectangle with left <= right and top <= bottom.
    fw::CRect GetRect() const;

    // The record: the 68 bytes of the placement, then the anchor point and
    // the value point (these two from file version 1.1 on).
    void Serialize(fw::CArchive& ar) override;

    int32_t m_nSelected = 0;
    uint32_t m_crColour = 0xFF0000;
    uint32_t m_crBack = 0xFFFFFF;
    int32_t m_nSpare = 0;
    fw::CRect m_rect;
    fw::CPoint m_ptOffset;
    int32_t m_nTrackerStyle = 0;
    fw::CRect m_rectTracker;
    fw::CPoint m_ptAnchorOffset;
    CdPoint m_ptAnchor;
    CdPoint m_ptValue; // current (x) and time (y) at which the label stands
};
