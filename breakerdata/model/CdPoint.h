#pragma once

#include "framework/Archive.h"

class CReadCurve;
class CInfoBase;
class CReadBase;
class CInfoPart;
class CReadPart;

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

    // Scale a reference point of a curve to the selected device at its
    // settings: X from a current or from a multiple of the rated current
    // (giving a current times the circuit voltage), Y from a time.
    void DoCalcSetCurrent(double x, const CReadCurve& curve, const CInfoBase& info,
                          const CReadBase& base, const CInfoPart& setting, const CReadPart& part);
    void DoCalcSetMultiple(double x, const CReadCurve& curve, const CInfoBase& info,
                           const CReadBase& base, const CInfoPart& setting, const CReadPart& part);
    void DoCalcSetTimePoint(double y, const CReadCurve& curve, const CInfoPart& setting,
                            const CReadPart& part);

    double m_dX = 0.0;
    double m_dY = 0.0;
};
