#include "SupplyTexts.h"

#include <cmath>

namespace transformer {

double RatedCurrent3(double capacity, int32_t voltage) {
    if (voltage <= 0)
        return 0.0;
    return capacity * 1000.0 / (std::sqrt(3.0) * voltage);
}

double RatedCurrent1(double capacity, int32_t voltage) {
    if (voltage <= 0)
        return 0.0;
    return capacity * 1000.0 / voltage;
}

double OwnPercentR(double percentZ, double xr) {
    return percentZ / std::sqrt(xr * xr + 1.0);
}

double DampingTimeMs(double cycles, int32_t frequency) {
    if (frequency == 0)
        return 0.0;
    return cycles * 1000.0 / frequency;
}

bool IsAboveZero(double value) {
    return value > 0.0 && std::isfinite(value);
}

std::string CurveLabel(const std::string& name, double current, double graphVoltage,
                       double capacity, double rushPeak, double dampingTime) {
    using namespace supplytexts;
    // A graph without a reference voltage has nothing to refer the current
    // to: it shows 0 rather than an infinite current.
    double referred = graphVoltage == 0.0 ? 0.0 : current / graphVoltage;
    return name + "\r\n" + BeamsEx(referred, 4, 1, IDS_UNIT_AMPERE) + "\r\n" +
           Beams(capacity, 1, IDS_UNIT_KVA) + "\r\n" + Beams(rushPeak, 1, IDS_UNIT_TIMES) + "\r\n" +
           Beams(dampingTime, 1, IDS_UNIT_MS);
}

} // namespace transformer
