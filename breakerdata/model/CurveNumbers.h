#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>

// How the curve algorithms turn their double co-ordinates into whole numbers.
// A graph spans some thousands of units; values beyond +-2^29 (and undefined
// ones) are held at those ends (0 for undefined). The algorithms add margins
// of up to 10 000 units to these whole numbers and take differences of two
// of them (widths of regions), and 2 * (2^29 + 10 000) stays well inside 32
// bits, so nothing after the clamp can overflow.

inline constexpr int32_t kCurveCoordinateLimit = 1 << 29;

inline int32_t ClampCurveCoordinate(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= kCurveCoordinateLimit)
        return kCurveCoordinateLimit;
    if (v <= -kCurveCoordinateLimit)
        return -kCurveCoordinateLimit;
    return static_cast<int32_t>(v);
}

// Truncation toward zero.
inline int32_t TruncToInt(double v) {
    return ClampCurveCoordinate(v);
}

// The text "%.f" of a value read back as an integer: rounding to the nearest
// whole number, halves to even as printf rounds them. (std::to_chars gives
// printf's digits without its cost and whatever the locale.)
inline int32_t RoundAsText(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= kCurveCoordinateLimit)
        return ClampCurveCoordinate(v);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0);
    int32_t n = 0;
    std::from_chars(buf, r.ptr, n);
    return n;
}
