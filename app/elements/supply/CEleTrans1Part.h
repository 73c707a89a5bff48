#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/elements/frame/CEleCurve.h"
#include "framework/Archive.h"

#include <cstdint>
#include <string>

// One winding of the single-phase three-wire transformer: its impedance,
// rush-current data, calculation point and, as a curve owner, its rush
// curve's points, graphs, line style and curve-selected flag.
class CEleTrans1Part : public fw::CObject, public CEleCurve {
    FW_DECLARE_SERIAL(CEleTrans1Part)
public:
    CEleTrans1Part();
    CEleTrans1Part(const CEleTrans1Part& other);
    // Copies everything but the curve points, which are rebuilt before use.
    CEleTrans1Part& operator=(const CEleTrans1Part& other);
    ~CEleTrans1Part() override;

    double GetOwnPercentR() const;
    double GetOwnPercentX() const;

    // The rush curve of the winding for the current (A times V): always 1.
    int DoCalcRushCurve(double current);

    std::string DoGetTextRushPeakTimes(int unit) const;
    std::string DoGetTextDampingTime(int unit) const;

    // %Z, X/R, rush peak, damping time, the calculation-point flag, the
    // calculation point, the graphs, the line style, the curve-selected flag.
    void Serialize(fw::CArchive& ar) override;

    double m_dPercentZ = 0.0;
    double m_dXR = 0.0;
    double m_dRushPeak = 0.0;    // multiple of It
    double m_dDampingTime = 0.0; // ms
    uint32_t m_nCalcPoint = 0;
    CCalcPoint m_calcPoint;
};
