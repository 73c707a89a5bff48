#include "tools/FixedText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

// Whether |value| lies exactly halfway between two numbers of `decimals`
// decimals. A finite double m * 2^e (m odd, e < 0) has exactly -e decimals,
// the last one a 5; so it is a tie exactly when -e is decimals + 1.
bool IsTie(double value, int decimals) {
    if (value == 0.0)
        return false;
    int exponent = 0;
    double mantissa = std::frexp(std::fabs(value), &exponent);
    auto m = static_cast<uint64_t>(std::ldexp(mantissa, 53));
    exponent -= 53;
    while ((m & 1) == 0) {
        m >>= 1;
        ++exponent;
    }
    return exponent == -(decimals + 1);
}

} // namespace

std::string FormatFixedDecimals(double value, int decimals) {
    if (decimals < 0)
        decimals = 6;
    char buf[1500];
    if (!std::isfinite(value)) {
        auto r = std::to_chars(buf, buf + sizeof buf, value);
        return std::string(buf, r.ptr);
    }
    if (!IsTie(value, decimals)) {
        // Not a tie: correct rounding, which every rule agrees on.
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        return std::string(buf, r.ptr);
    }
    // A tie: the exact expansion has one more decimal (a 5); drop it and
    // round the magnitude up.
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed,
                           decimals + 1);
    std::string digits(buf, r.ptr - 1);
    if (decimals == 0)
        digits.pop_back(); // the point
    size_t i = digits.size();
    while (i > 0 && (digits[i - 1] == '9' || digits[i - 1] == '.')) {
        if (digits[i - 1] == '9')
            digits[i - 1] = '0';
        --i;
    }
    if (i == 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[i - 1];
    return (std::signbit(value) ? "-" : "") + digits;
}
