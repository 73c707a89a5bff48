#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class CDatabase;
}

// The ordering values of a thermal relay's settings in the co-ordination
// table of a co-ordination type, exactly as the table holds them, in the
// order of its settings list (rising ordering value, each value once as the
// list gives it). The list's item data is the value times ten with the
// fraction cut off, which cannot tell 0.16 from 0.1; the search needs the
// value itself.
std::vector<double> DoReadThermalOrderings(fw::CDatabase* breaker, unsigned coordType,
                                           int32_t thermalTypeID);
