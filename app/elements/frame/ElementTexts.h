#pragma once
// Numbers with their units as the element models' labels and report texts
// show them.

#include <string>

namespace elementtexts {

// The value with as many decimals as it needs, followed by the unit text
// when unit is 1 (a unit id of 0 has no text).
std::string Beams(double value, int unit, unsigned unitId);
// The value with at least `digits` significant digits, then the unit.
std::string BeamsEx(double value, int digits, int unit, unsigned unitId);

} // namespace elementtexts
