#include "ConductorCalc.h"

#include "app/calc/CPercentZ.h"

namespace {

// factor x value P L / n / v^2 x 100; 0 where v or n leaves no value, as
// the calculation never divides by zero.
double Percent(double factor, double perMetre, double baseCapacity, double length, double cores,
               int32_t v) {
    if (v <= 0 || cores == 0.0)
        return 0.0;
    return factor * perMetre * baseCapacity * length / cores / v / v * 100.0;
}

} // namespace

void DoCalcConductorPercentZ(CPercentZ& out, int32_t voltage, double baseCapacity, double length,
                             uint32_t group, uint32_t mode, uint32_t singlePhase,
                             uint32_t wireSystem, double rPerMetre, double xPerMetre,
                             double cores) {
    out = CPercentZ();
    if (voltage <= 0)
        return;
    const double p = baseCapacity;
    const double l = length;
    switch (group) {
    case 1:
        if (singlePhase != 1) {
            out.m_dR = Percent(1.0, rPerMetre, p, l, cores, voltage);
            out.m_dX = Percent(1.0, xPerMetre, p, l, cores, voltage);
            return;
        }
        if (mode == 1) {
            out.m_dR = Percent(2.0, rPerMetre, p, l, cores, voltage / 2);
            out.m_dX = Percent(2.0, xPerMetre, p, l, cores, voltage / 2);
        } else if (mode == 2) {
            out.m_dR = Percent(2.0, rPerMetre, p, l, cores, voltage);
            out.m_dX = Percent(2.0, xPerMetre, p, l, cores, voltage);
            out.m_dRHalf = out.m_dR - Percent(2.0, rPerMetre, p, l, cores, voltage / 2);
            out.m_dXHalf = out.m_dX - Percent(2.0, xPerMetre, p, l, cores, voltage / 2);
        }
        return;
    case 2:
        if (wireSystem == 2 || wireSystem == 3) {
            out.m_dRN = Percent(1.0, rPerMetre, p, l, cores, voltage);
            out.m_dXN = Percent(1.0, xPerMetre, p, l, cores, voltage);
        }
        return;
    case 3:
        if (wireSystem == 3) {
            out.m_dRPE = Percent(1.0, rPerMetre, p, l, cores, voltage);
            out.m_dXPE = Percent(1.0, xPerMetre, p, l, cores, voltage);
        }
        return;
    default:
        return;
    }
}

void DoRotateConductorRect(fw::CRect& rect, uint32_t& horizontal) {
    const int32_t w = rect.right - rect.left;
    const int32_t h = rect.bottom - rect.top;
    const int32_t cx = (rect.left + rect.right) / 2;
    const int32_t cy = (rect.top + rect.bottom) / 2;
    if (horizontal == 0) {
        rect.top = (cy + 1) / 40 * 40 - 39;
        rect.left = (cx - h / 2) / 40 * 40 + 41;
        horizontal = 1;
    } else {
        rect.left = (cx + 1) / 40 * 40 - 39;
        rect.top = (cy - w / 2) / 40 * 40 + 41;
        horizontal = 0;
    }
    rect.right = rect.left + h;
    rect.bottom = rect.top + w;
}
