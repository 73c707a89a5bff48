#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>

// How the curve algorithms turn their double co-ordinates into whole numbers.
// Values beyond the 32-bit range (and undefined ones) are held at its ends
// (0 for undefined) instead of overflowing.

inline int32_t ClampToInt32(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return INT32_MAX;
    if (v <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Truncation toward zero.
inline int32_t TruncToInt(double v) {
    return ClampToInt32(v);
}

// The text "%.f" of a value read back as an integer: rounding to the nearest
// whole number, halves to even as printf rounds them. (std::to_chars gives
// printf's digits without its cost and whatever the locale.)
inline int32_t RoundAsText(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 2147483647.0)
        return ClampToInt32(v);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0);
    int32_t n = 0;
    std::from_chars(buf, r.ptr, n);
    return n;
}
