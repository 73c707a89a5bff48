#include "ConductorTexts.h"

#include "app/calc/CCalcPoint.h"
#include "app/calc/Impedance.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

namespace condtext {

std::string Str(unsigned id) {
    return fw::LoadString(id);
}

std::string Beams(double value, int unit, unsigned unitId, int noData) {
    std::string text = DLLGetTextByBeams(value, noData);
    if (noData == 1 && value < 0)
        return text;
    if (unit == 1 && unitId != 0)
        text += Str(unitId);
    return text;
}

std::string Ex(double value, int digits, int unit, unsigned unitId, int noData,
               bool unitWhenPositive) {
    std::string text = DLLGetTextByBeamsEx(value, digits, noData);
    if (noData == 1 && value < 0)
        return text;
    if (unit == 1 && unitId != 0 && !(unitWhenPositive && value < 0))
        text += Str(unitId);
    return text;
}

std::string GroupName(uint32_t group, uint32_t singlePhase) {
    switch (group) {
    case 1:
        return singlePhase == 1 ? "1Ph " : "3Ph ";
    case 2:
        return "N ";
    case 3:
        return "PE ";
    default:
        return std::string();
    }
}

std::string MaterialText(uint32_t material) {
    if (material == 1)
        return Str(IDS_CU);
    if (material == 2)
        return Str(IDS_AL);
    return std::string();
}

std::string VoltageText(int32_t voltage, uint32_t singlePhase, int unit) {
    std::string text = DLLGetTextByBeams(voltage, 0);
    if (singlePhase == 1)
        text += "-" + DLLGetTextByBeams(voltage / 2, 0);
    if (unit == 1)
        text += Str(IDS_VOLT);
    return text;
}

namespace {

std::string CurrentLine(const std::string& caption, double amperes) {
    return "\r\n" + caption + "=" + Ex(amperes / 1000.0, 5, 1, IDS_KA);
}

} // namespace

std::string FaultCurrentLines(const CCalcPoint& point, int32_t voltage, uint32_t singlePhase,
                              uint32_t earthing, uint32_t wireSystem) {
    const double v = voltage;
    std::string lines;
    if (singlePhase == 1) {
        double atV = 0.0;
        double atHalf = 0.0;
        point.DoCalcIkSinglePhase(v, &atV);
        point.DoCalcIkSinglePhaseLoop(voltage / 2, &atHalf);
        lines += CurrentLine(Str(IDS_IK2), atV);
        lines += CurrentLine(Str(IDS_IK_HALF), atHalf);
        return lines;
    }
    double ik3 = 0.0;
    point.DoCalcIk3Total(v, &ik3);
    lines += CurrentLine(Str(IDS_IK3), ik3);
    switch (earthing) {
    case 1:
        lines += CurrentLine(Str(IDS_IK1), point.GetCurrentIk1NTotal(v));
        lines += CurrentLine(Str(IDS_IK1) + Str(IDS_PE), point.GetCurrentIk1PETotal(v));
        break;
    case 3:
        lines += CurrentLine(Str(IDS_IK1), point.GetCurrentIk1NTotal(v));
        break;
    case 4:
        if (wireSystem == 2)
            lines += CurrentLine(Str(IDS_IK1), point.GetCurrentIk1NTotal(v));
        break;
    case 5:
        if (wireSystem == 1)
            lines += CurrentLine(Str(IDS_IK2), point.GetCurrentIk2Total(v));
        else if (wireSystem == 2)
            lines += CurrentLine(Str(IDS_IK1), point.GetCurrentIk1NTotal(v));
        break;
    default:
        break;
    }
    return lines;
}

std::string GetTextPercentZ(const CCalcPoint& point, int mode, int unit) {
    const CPercentZ& z = point.m_zSource;
    double value = mode == 1 ? z.GetZLoop() : z.GetZ();
    return Ex(value, 4, unit, IDS_PERCENT_R);
}

std::string GetTextOhmR(const CCalcPoint& point, int32_t voltage, int mode, double baseCapacity,
                        int unit) {
    const CPercentZ& z = point.m_zSource;
    double ohms = mode == 1 ? DoCalcOhmsFromPercent(voltage / 2, baseCapacity, z.m_dR - z.m_dRHalf)
                            : DoCalcOhmsFromPercent(voltage, baseCapacity, z.m_dR);
    return Ex(ohms, 4, unit, IDS_MOHMS);
}

namespace {

void SinglePhaseCurrents(const CCalcPoint& point, int32_t voltage, int mode, double* current,
                         double* asymmetrical, double* peak) {
    if (mode == 1)
        point.DoCalcIkSinglePhaseLoop(voltage / 2, current, asymmetrical, peak);
    else if (mode == 2)
        point.DoCalcIkSinglePhase(voltage, current, asymmetrical, peak);
}

} // namespace

std::string GetTextIkSinglePhaseSym(const CCalcPoint& point, int32_t voltage, int mode, int unit) {
    double current = 0.0;
    SinglePhaseCurrents(point, voltage, mode, &current, nullptr, nullptr);
    return Ex(current / 1000.0, 5, unit, IDS_KA);
}

std::string GetTextIkSinglePhaseAsym(const CCalcPoint& point, int32_t voltage, int mode, int unit) {
    double current = 0.0;
    double asymmetrical = 0.0;
    SinglePhaseCurrents(point, voltage, mode, &current, &asymmetrical, nullptr);
    return Ex(asymmetrical / 1000.0, 4, unit, IDS_KA);
}

std::string GetTextIkPeakSinglePhase(const CCalcPoint& point, int32_t voltage, int mode, int unit) {
    double current = 0.0;
    double peak = 0.0;
    SinglePhaseCurrents(point, voltage, mode, &current, nullptr, &peak);
    return Ex(peak / 1000.0, 4, unit, IDS_KA);
}

std::string GetTextPercentXTotal(const CCalcPoint& point, int unit) {
    CPercentZ total;
    point.GetPercentZ3Total(total);
    return Ex(total.m_dX, 4, unit, IDS_PERCENT_R);
}

std::string GetTextPercentZTotal(const CCalcPoint& point, int unit) {
    CPercentZ total;
    point.GetPercentZ3Total(total);
    return Ex(total.GetZ(), 4, unit, IDS_PERCENT_R);
}

std::string GetTextIk1PETotal(const CCalcPoint& point, int32_t voltage, int unit) {
    return Ex(point.GetCurrentIk1PETotal(voltage) / 1000.0, 5, unit, IDS_KA);
}

std::string GetTextIk1NTotal(const CCalcPoint& point, int32_t voltage, int unit) {
    return Ex(point.GetCurrentIk1NTotal(voltage) / 1000.0, 5, unit, IDS_KA);
}

std::string GetTextIk2Total(const CCalcPoint& point, int32_t voltage, int unit) {
    return Ex(point.GetCurrentIk2Total(voltage) / 1000.0, 5, unit, IDS_KA);
}

std::string GetTextIk3Sym(const CCalcPoint& point, int32_t voltage, int unit) {
    double current = 0.0;
    point.DoCalcIk3Total(voltage, &current);
    return Ex(current / 1000.0, 5, unit, IDS_KA);
}

std::string GetTextIk3Asym(const CCalcPoint& point, int32_t voltage, int unit) {
    double current = 0.0;
    double asymmetrical = 0.0;
    point.DoCalcIk3Total(voltage, &current, &asymmetrical);
    return Ex(asymmetrical / 1000.0, 4, unit, IDS_KA);
}

std::string GetTextIk3Peak(const CCalcPoint& point, int32_t voltage, int unit) {
    double current = 0.0;
    double peak = 0.0;
    point.DoCalcIk3Total(voltage, &current, nullptr, &peak);
    return Ex(peak / 1000.0, 4, unit, IDS_KA);
}

double GetPeakCurrent(const CCalcPoint& point, int32_t voltage, uint32_t singlePhase) {
    double current = 0.0;
    double peak = 0.0;
    if (singlePhase == 1)
        point.DoCalcIkSinglePhase(voltage, &current, nullptr, &peak);
    else
        point.DoCalcIk3Total(voltage, &current, nullptr, &peak);
    return peak;
}

std::string GetTextForce(double peak, double twiceDistance, double divisor, int unit,
                         unsigned unitId) {
    // Without a distance there is no force to give (the formula would
    // divide by zero).
    double force =
        twiceDistance == 0.0 ? 0.0 : peak * 3.0 * peak * 1e-7 / (twiceDistance * divisor);
    return Ex(force, 4, unit, unitId);
}

} // namespace condtext
