#pragma once

#include "framework/Archive.h"

// One point of a characteristic curve. What X and Y hold depends on the
// stage: a current (or a multiple of the rated current) and a time while the
// curve is computed, the graph's logical coordinates once it is mapped.
class CdPoint : public fw::CObject {
    FW_DECLARE_SERIAL(CdPoint)
public:
    CdPoint() = default;
    CdPoint(double x, double y) : m_dX(x), m_dY(y) {}
    CdPoint(const CdPoint&) = default;
    CdPoint& operator=(const CdPoint&) = default;

    // X then Y, two doubles.
    void Serialize(fw::CArchive& ar) override;

    double m_dX = 0.0;
    double m_dY = 0.0;
};
