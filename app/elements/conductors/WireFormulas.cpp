#include "WireFormulas.h"

#include <cmath>

namespace {

// The decimal constants the formulas were tabulated with.
constexpr double kTwoPi = 6.28318530717958;

// A factor is skipped only when it is a number at or below 0; NaN counts.
bool IsApplied(double factor) {
    return !(factor <= 0.0);
}

} // namespace

void GetWireSizeRange(uint32_t material, uint32_t coreKind, double& minSize, double& maxSize) {
    if (material == kMaterialCu)
        minSize = 1.5;
    else if (material == kMaterialAl)
        minSize = 2.5;
    if (coreKind == 1)
        maxSize = 630.0;
    else if (coreKind == 2)
        maxSize = 300.0;
}

void GetNeutralSizeRange(uint32_t material, double phaseSize, double& minSize, double& maxSize) {
    minSize = phaseSize <= 16.0 ? phaseSize : 0.5 * phaseSize;
    if (material == kMaterialCu)
        maxSize = phaseSize <= 16.0 ? phaseSize : 630.0;
    else if (material == kMaterialAl)
        maxSize = phaseSize <= 25.0 ? phaseSize : 630.0;
}

void GetProtectiveSizeRange(double totalPhaseSize, double& minSize, double& maxSize) {
    if (totalPhaseSize <= 16.0) {
        minSize = totalPhaseSize;
        maxSize = totalPhaseSize;
        return;
    }
    minSize = 0.5 * totalPhaseSize;
    maxSize = 630.0;
}

double CalcWireResistanceCu(double coreSize, double temperature) {
    if (coreSize <= 0.0)
        return -1.0;
    return 17.241 / coreSize * (1.0 + 0.00393 * (temperature - 20.0));
}

double CalcWireResistanceAl(double coreSize, double temperature) {
    if (coreSize <= 0.0)
        return -1.0;
    return 28.264 / coreSize * (1.0 + 0.00403 * (temperature - 20.0));
}

double CalcWireReactance(double frequency, double diameter, double distance) {
    if (diameter == 0.0 || distance == 0.0)
        return -1.0;
    return (0.05 + 0.4605 * std::log10(distance / (diameter / 2.0))) * kTwoPi * frequency / 1000.0;
}

double CalcBasicCurrent(double coreSize, double A, double m, double B, double n) {
    return A * std::pow(coreSize, m) - B * std::pow(coreSize, n);
}

double CalcAmbientFactor(uint32_t insulation, double ambientTemperature) {
    if (insulation == 1)
        return std::sqrt((70.0 - ambientTemperature) / 40.0);
    if (insulation == 2)
        return std::sqrt((90.0 - ambientTemperature) / 60.0);
    return 0.0;
}

double CalcCurrentCapacity(double basicCurrent, uint32_t cores, double ambientFactor,
                           double groupFactor) {
    double iz = basicCurrent;
    if (IsApplied(ambientFactor))
        iz *= ambientFactor;
    if (IsApplied(groupFactor))
        iz *= static_cast<double>(cores) * groupFactor;
    return iz;
}
