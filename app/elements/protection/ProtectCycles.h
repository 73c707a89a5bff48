#pragma once

#include <cstdint>

// What the I2t check of a wire asks the user for: the interception times of
// its three conductor groups, in cycles of the document's frequency. The
// wire-protection command hands this record to its dialog through
// DialogSeam<CProtectCycles> and, on OK, stores the times in the wire.
struct CProtectCycles {
    int32_t nFrequency = 50;             // Hz, the document's
    uint32_t nWireSystem = 3;            // the wire's: 1 phases only, 2 with N, 3 with N and PE
    double dCycles[3] = {0.0, 0.0, 0.0}; // phases, N, PE
};
