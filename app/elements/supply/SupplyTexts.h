#pragma once

// What the supply elements (source, transformers, zero conductor) share:
// number texts with their units, and the transformer formulas that both
// transformer kinds use.

#include "app/elements/frame/ElementTexts.h"

#include <cstdint>
#include <string>

namespace supplytexts {

constexpr unsigned IDS_UNIT_MOHMS = 26368;
constexpr unsigned IDS_UNIT_PERCENT_REF = 26370; // % on the reference capacity
constexpr unsigned IDS_UNIT_PERCENT_OWN = 26371; // % on the element's own capacity
constexpr unsigned IDS_UNIT_VOLT = 26372;
constexpr unsigned IDS_UNIT_AMPERE = 26373;
constexpr unsigned IDS_UNIT_KVA = 26374;
constexpr unsigned IDS_UNIT_KILOAMPERE = 26375;
constexpr unsigned IDS_UNIT_MVA = 26384;
constexpr unsigned IDS_UNIT_TIMES = 26385;
constexpr unsigned IDS_UNIT_MS = 26387;
constexpr unsigned IDS_UNIT_CYCLES = 26389;
constexpr unsigned IDS_UNIT_RMS = 26390;
constexpr unsigned IDS_PHASES = 26393;
constexpr unsigned IDS_IK3 = 26497;
constexpr unsigned IDS_DIRECT = 26513;
constexpr unsigned IDS_XR = 26514;
constexpr unsigned IDS_IK2 = 26517;

using elementtexts::Beams;
using elementtexts::BeamsEx;

} // namespace supplytexts

namespace transformer {

// Rated secondary current of a three-phase transformer, A; 0 when the
// voltage is not above 0.
double RatedCurrent3(double capacity, int32_t voltage);
// The same without √3, for a single-phase winding.
double RatedCurrent1(double capacity, int32_t voltage);
// %R of a winding from its %Z and X/R (%X is X/R times it).
double OwnPercentR(double percentZ, double xr);
// Damping time constant in ms from the database's cycles at the frequency;
// 0 when the frequency is 0.
double DampingTimeMs(double cycles, int32_t frequency);
// The data checks' rule for a value that must be above 0 (a value that is
// no finite number fails too).
bool IsAboveZero(double value);
// The rush curve's label: the name, the rated current referred to the
// graph's voltage, capacity, rush peak and damping time, a line each.
// current is the rated current times the winding's voltage.
std::string CurveLabel(const std::string& name, double current, double graphVoltage,
                       double capacity, double rushPeak, double dampingTime);

} // namespace transformer
