#pragma once

#include <string>

// Number texts as printf's "%f" and "%g" wrote them in the C library the
// stored texts were first made with: rounded half away from zero on the exact
// value of the double (so 1.25 with one decimal is "1.3", and 12.125 with four
// significant digits is "12.13"). Every number text of the system uses this
// one rule, whatever the locale.

// "%.<decimals>f". A negative count means six decimals, as printf takes it.
std::string FormatFixedDecimals(double value, int decimals);

// "%.<digits>g": at most `digits` significant digits (0 counts as 1, a
// negative count as 6), plain when the decimal exponent X of the rounded value
// is at least -4 and below `digits`, otherwise the exponent form "d.ddde-05";
// trailing zeros and a bare point are dropped.
std::string FormatGeneralDigits(double value, int digits);
