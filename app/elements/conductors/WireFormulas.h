#pragma once

#include <cstdint>

// The wire's conductor formulas after IEC 60364-5-52: size ranges by
// material and core kind, resistance and reactance per metre of one core,
// and the current-carrying capacity with its factors. Sizes in mm2, lengths
// in mm, results per metre in milliohms.

// Material codes of the conductors.
constexpr uint32_t kMaterialCu = 1;
constexpr uint32_t kMaterialAl = 2;

// The sizes a wire may have: from 1.5 mm2 (copper) or 2.5 mm2 (aluminium)
// up to 630 mm2 (single-core, 1) or 300 mm2 (multi-core, 2). A code outside
// these leaves its output as it was.
void GetWireSizeRange(uint32_t material, uint32_t coreKind, double& minSize, double& maxSize);

// The neutral of a phase of size S: at least S up to 16 mm2, half of S above.
void GetNeutralSizeRange(uint32_t material, double phaseSize, double& minSize, double& maxSize);

// The protective conductor of a total phase size St (size x cores): at least
// St up to 16 mm2, half of St above.
void GetProtectiveSizeRange(double totalPhaseSize, double& minSize, double& maxSize);

// Resistance per metre of one core at T degC; -1.0 (no value) when S <= 0.
double CalcWireResistanceCu(double coreSize, double temperature);
double CalcWireResistanceAl(double coreSize, double temperature);

// Reactance per metre at f Hz of a conductor of diameter d at the
// centre-line distance D; -1.0 when d or D is 0.
double CalcWireReactance(double frequency, double diameter, double distance);

// Basic current-carrying capacity I0 = A S^m - B S^n.
double CalcBasicCurrent(double coreSize, double A, double m, double B, double n);

// Ambient temperature factor: PVC (1) sqrt((70 - Ta) / 40), XLPE/EPR (2)
// sqrt((90 - Ta) / 60), 0.0 for another insulation. Above the conductor's
// temperature the root has no value (NaN), which every check refuses.
double CalcAmbientFactor(uint32_t insulation, double ambientTemperature);

// Iz of a group: I0, times k1 when k1 is above 0, times cores x k2 when k2
// is above 0. A factor without a value (NaN) is not skipped: it leaves Iz
// without a value, so that no current passes the capacity check.
double CalcCurrentCapacity(double basicCurrent, uint32_t cores, double ambientFactor,
                           double groupFactor);
