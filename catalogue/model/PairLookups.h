#pragma once

#include <cstdint>

namespace fw {
class CDatabase;
}
class CInfoBase;

// The value of one pair of breakers (the downstream breaker's type and
// circuit voltage, the upstream breaker's type), as the Cascade and
// Discrimination searches of mode 3 look it up: the value in A (0 when the
// tables have no row of the pair) and the voltage of the row found (0 when
// none).
int32_t DoLookUpIcuBack(fw::CDatabase* breaker, const CInfoBase& up, const CInfoBase& down,
                        double* icuBack);
// The discrimination table gives a pair's Is by the rated currents of both
// breakers, but the catalogue offers no rating to choose: the look-up puts no
// bound on them (rated maxima of 0) and reads the pair's first row at or
// above the voltage, whatever rated currents its selections carry.
int32_t DoLookUpIs(fw::CDatabase* breaker, const CInfoBase& up, const CInfoBase& down, double* is);
