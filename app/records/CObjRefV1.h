#pragma once

#include "app/records/CObjRefV4.h"

#include <cstdint>

// Where an element's name and label stand on the skeleton, with the user's
// shift of the label, the placement's selection and its selection frame.
class CObjRefV1 : public fw::CObject {
    FW_DECLARE_SERIAL(CObjRefV1)
public:
    CObjRefV1() = default;
    CObjRefV1(const CObjRefV1&) = default;
    CObjRefV1& operator=(const CObjRefV1&) = default;
    ~CObjRefV1() override = default;

    fw::CRect GetTrackerRect() const { return m_rectTracker; }
    void SetTrackerRect(const fw::CRect& rect) { m_rectTracker = rect; }

    // The label's rectangle (the second text).
    fw::CRect GetLabelRect() const { return m_labels.m_rectLabel2; }

    // The point that the skeleton view's copy and drop keep with the label.
    fw::CPoint GetAnchorOffset() const { return m_ptAnchorOffset; }
    void SetAnchorOffset(const fw::CPoint& point) { m_ptAnchorOffset = point; }

    // Shifts the label by (dx, dy).
    void DoOffset(int32_t dx, int32_t dy);

    // Puts the label the height of the rectangle below it: (l, b, r, 2b - t),
    // and the selection frame around it in device units.
    void DoPlaceBelow(fw::CDC* pDC, const fw::CRect& rect);

    // The 52 bytes of the impedance-map placement, then selected, the
    // label's shift, the frame's rectangle and style and the anchor point
    // (these 40 bytes from file version 1.15 on; older files read them as 0).
    void Serialize(fw::CArchive& ar) override;

    CObjRefLabels m_labels;
    int32_t m_nSelected = 0;
    fw::CPoint m_ptLabel2Offset;
    int32_t m_nTrackerStyle = 0;
    fw::CRect m_rectTracker; // device units
    fw::CPoint m_ptAnchorOffset;
};
