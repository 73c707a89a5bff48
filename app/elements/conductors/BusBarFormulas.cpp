#include "BusBarFormulas.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr double kTwoPi = 6.28318530717958;

double RPerMetre(double conductivity, double alpha, double temperature, int width, int thickness,
                 int number, double skinEffect) {
    if (width < 1 || thickness < 1 || number < 1)
        return 0.0;
    // In floating point: a damaged file's absurd sizes would overflow an
    // integer product.
    double section = static_cast<double>(width) * thickness * number;
    return skinEffect * 1000.0 / conductivity / section * (1.0 + alpha * (temperature - 20.0));
}

} // namespace

double DoCalcRPerMetreCu(double temperature, int width, int thickness, int number,
                         double skinEffect) {
    return RPerMetre(56.0, 0.00393, temperature, width, thickness, number, skinEffect);
}

double DoCalcRPerMetreAl(double temperature, int width, int thickness, int number,
                         double skinEffect) {
    return RPerMetre(35.1, 0.00403, temperature, width, thickness, number, skinEffect);
}

double DoCalcXPerMetre(double frequency, int width, int distance, double dm) {
    double s = width + dm;
    if (!(s > 0.0) || distance < 1)
        return 0.0;
    return (0.4605 * std::log10(distance / s / 0.2235) + 0.04615) * (frequency * kTwoPi) / 1000.0;
}

double DoCalcTemperatureFactor(double maxTemperature, double ambientTemperature) {
    return std::pow((maxTemperature - ambientTemperature) / 30.0 * 1.18 /
                        (1.0 + 0.004 * (maxTemperature - 20.0)),
                    0.5882352941176471);
}

double DoCalcIz(double basicCurrent, double k1, double k2, double k3) {
    double iz = basicCurrent;
    for (double k : {k1, k2, k3})
        if (!(k <= 0.0))
            iz *= k;
    return iz;
}
