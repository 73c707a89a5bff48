// Short-circuit coefficient tables.

#include "tools/Filvaron.h"

#include <cmath>

namespace {

struct Band {
    double upTo; // the band includes its upper bound
    double kp;
    double powerFactor;
};

constexpr Band kBands[] = {
    {3000, 1.42, 0.9},  {4500, 1.44, 0.8},  {6000, 1.5, 0.7},
    {10000, 1.68, 0.5}, {20000, 1.96, 0.3}, {50000, 2.07, 0.25},
};
constexpr Band kAbove = {0, 2.2, 0.2};

const Band& BandOf(double current) {
    for (const Band& band : kBands)
        if (current <= band.upTo)
            return band;
    return kAbove;
}

} // namespace

double DLLGetValueKp(double current) {
    return BandOf(current).kp;
}

double DLLGetValuePowerFactor(double current) {
    return BandOf(current).powerFactor;
}

double DLLGetValueEffectiveCoefficient(double t, double powerFactor) {
    const double pi = 3.14159265358979;
    double b = 2 * pi * t;
    if (!(b > 0))
        return 0;
    double phi = std::acos(powerFactor);
    double T = std::tan(phi);
    double s = std::sin(-phi);
    double E = std::exp(-2 * b / T);
    return std::sqrt((0.5 * b + 0.5 * T * s * s * (1 - E)) * 2 / b);
}
