#include "MachineTexts.h"

#include "app/calc/Impedance.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

namespace machinetext {

std::string Unit(unsigned id, int unit) {
    return unit == 1 ? fw::LoadString(id) : std::string();
}

std::string Beams(double value) {
    return DLLGetTextByBeams(Finite(value), 0);
}

std::string BeamsEx(double value, int digits) {
    return DLLGetTextByBeamsEx(Finite(value), digits, 0);
}

double PhaseAngle(double powerFactor) {
    if (!(powerFactor >= -1.0 && powerFactor <= 1.0))
        return 0.0;
    return std::acos(powerFactor) * 90.0 / 1.570796326794895;
}

std::string PhaseText(double powerFactor, uint32_t leading, int unit) {
    std::string text = leading == 1 ? "+" : "-";
    return text + BeamsEx(PhaseAngle(powerFactor), 4) + Unit(IDS_DEGREE, unit);
}

std::string VoltageText(int32_t voltage, uint32_t singlePhase, int unit) {
    std::string text = Beams(voltage);
    if (singlePhase == 1)
        text += "-" + Beams(voltage / 2);
    return text + Unit(IDS_VOLT, unit);
}

CPercentZ TotalTerm(const CCalcPoint& point) {
    CPercentZ total;
    point.GetPercentZ3Total(total);
    return total;
}

std::string OhmsText(int32_t voltage, double baseCapacity, double percent, int unit) {
    return BeamsEx(DoCalcOhmsFromPercent(voltage, baseCapacity, percent), 4) +
           Unit(IDS_MOHMS, unit);
}

std::string OhmsMagnitudeText(int32_t voltage, double baseCapacity, const CPercentZ& term,
                              int unit) {
    double r = Finite(DoCalcOhmsFromPercent(voltage, baseCapacity, term.m_dR));
    double x = Finite(DoCalcOhmsFromPercent(voltage, baseCapacity, term.m_dX));
    return BeamsEx(DoCalcMagnitude(r, x), 4) + Unit(IDS_MOHMS, unit);
}

std::string Ik3Text(const CCalcPoint& point, Ik3Term term, Ik3Value value, int32_t voltage,
                    int unit) {
    double values[3] = {0.0, 0.0, 0.0};
    switch (term) {
    case Ik3Term::total:
        point.DoCalcIk3Total(voltage, &values[0], &values[1], &values[2]);
        break;
    case Ik3Term::source:
        point.DoCalcIk3Source(voltage, &values[0], &values[1], &values[2]);
        break;
    case Ik3Term::motor:
        point.DoCalcIk3Motor(voltage, &values[0], &values[1], &values[2]);
        break;
    }
    int which = static_cast<int>(value);
    return BeamsEx(values[which] / 1000.0, which == 0 ? 5 : 4) + Unit(IDS_KILOAMPERE, unit);
}

} // namespace machinetext
