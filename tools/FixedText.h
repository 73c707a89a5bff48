#pragma once

#include <string>

// A number written with a fixed count of decimals, as "%.<decimals>f" wrote it
// in the C library the stored texts were first made with: rounded half away
// from zero on the exact value of the double (so 1.25 with one decimal is
// "1.3"). A negative count means six decimals, as printf takes it. Every
// number text of the system uses this one rule.
std::string FormatFixedDecimals(double value, int decimals);
