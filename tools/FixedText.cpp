#include "tools/FixedText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

// A double has at most 1074 decimals (the smallest subnormal, 2^-1074); every
// decimal after those is 0.
constexpr int kMaxExactDecimals = 1074;

// Sign, 309 integer digits, the point, 1075 decimals, with room to spare.
constexpr size_t kBufferSize = 1500;

// to_chars into the buffer; a result that does not fit is a programming
// error here (the buffer is sized for every double), never a text to show.
template <class... Args> std::string ToChars(double value, Args... args) {
    char buf[kBufferSize];
    auto r = std::to_chars(buf, buf + sizeof buf, value, args...);
    if (r.ec != std::errc())
        throw std::logic_error("number text does not fit its buffer");
    return std::string(buf, r.ptr);
}

// Whether |value| lies exactly halfway between two multiples of 10^-decimals
// (decimals may be negative: -2 asks for hundreds).
bool IsTie(double value, int decimals) {
    if (value == 0.0 || !std::isfinite(value))
        return false;
    int exponent = 0;
    double mantissa = std::frexp(std::fabs(value), &exponent);
    auto m = static_cast<uint64_t>(std::ldexp(mantissa, 53));
    exponent -= 53;
    while ((m & 1) == 0) {
        m >>= 1;
        ++exponent;
    }
    if (decimals >= 0) {
        // m * 2^e with m odd and e < 0 has exactly -e decimals, the last a 5;
        // so it is a tie exactly when -e is decimals + 1.
        return exponent == -(decimals + 1);
    }
    // A whole number halfway between two multiples of 10^k: its remainder by
    // 10^k is 5 * 10^(k-1). Such a number is (2j+1) * 5^k * 2^(k-1), whose odd
    // part must fit in 53 bits, so k is at most 22 and 10^k is exact.
    int k = -decimals;
    if (exponent < 0 || k > 22)
        return false;
    double power = 1.0;
    for (int i = 0; i < k; ++i)
        power *= 10.0;
    return std::fmod(std::fabs(value), power) == power / 2;
}

// Adds one unit in the last digit of a text of digits and at most one point;
// returns true when the carry runs out of the front ("9.99" gives "0.00").
bool IncrementLastDigit(std::string& digits) {
    size_t i = digits.size();
    while (i > 0) {
        char& c = digits[i - 1];
        --i;
        if (c == '.')
            continue;
        if (c != '9') {
            ++c;
            return false;
        }
        c = '0';
    }
    return true;
}

// "%.<decimals>e" with the tie rule: mantissa digits (with a point unless
// decimals is 0) and the decimal exponent.
void Scientific(double value, int decimals, std::string* mantissa, int* exponent) {
    double magnitude = std::fabs(value);
    int x0 = 0;
    if (magnitude != 0.0) {
        // The exponent of the value itself; 30 digits cannot round up into
        // the next power of ten for any double.
        std::string probe = ToChars(magnitude, std::chars_format::scientific, 30);
        x0 = std::atoi(probe.c_str() + probe.find('e') + 1);
    }
    std::string text;
    if (!IsTie(value, decimals - x0)) {
        text = ToChars(magnitude, std::chars_format::scientific, decimals);
    } else {
        // A tie has exactly one digit more, a 5: drop it and round up.
        text = ToChars(magnitude, std::chars_format::scientific, decimals + 1);
        size_t e = text.find('e');
        std::string digits = text.substr(0, e - 1);
        if (decimals == 0)
            digits.pop_back(); // the point
        int exp = std::atoi(text.c_str() + e + 1);
        if (IncrementLastDigit(digits)) {
            // 9.995 to two decimals: 10.00 is 1.00 at the next exponent.
            digits[0] = '1';
            ++exp;
        }
        *mantissa = digits;
        *exponent = exp;
        return;
    }
    size_t e = text.find('e');
    *mantissa = text.substr(0, e);
    *exponent = std::atoi(text.c_str() + e + 1);
}

// Drops trailing zeros after a point, and the point when nothing is left.
void DropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos)
        return;
    size_t end = text.find_last_not_of('0');
    text.erase(end + 1);
    if (text.back() == '.')
        text.pop_back();
}

} // namespace

std::string FormatFixedDecimals(double value, int decimals) {
    if (decimals < 0)
        decimals = 6;
    if (!std::isfinite(value))
        return ToChars(value);
    // Past the last decimal a double can have, the digits are exact zeros
    // (and no tie is possible).
    int shown = decimals > kMaxExactDecimals ? kMaxExactDecimals : decimals;
    std::string text;
    if (!IsTie(value, shown)) {
        // Not a tie: correct rounding, which every rule agrees on.
        text = ToChars(value, std::chars_format::fixed, shown);
    } else {
        // A tie: the exact expansion has one more decimal (a 5); drop it and
        // round the magnitude up.
        std::string digits = ToChars(std::fabs(value), std::chars_format::fixed, shown + 1);
        digits.pop_back();
        if (shown == 0)
            digits.pop_back(); // the point
        if (IncrementLastDigit(digits))
            digits.insert(digits.begin(), '1');
        text = (std::signbit(value) ? "-" : "") + digits;
    }
    if (decimals > shown)
        text.append(static_cast<size_t>(decimals - shown), '0');
    return text;
}

std::string FormatGeneralDigits(double value, int digits) {
    if (digits < 0)
        digits = 6;
    if (digits == 0)
        digits = 1;
    if (!std::isfinite(value))
        return ToChars(value);
    std::string mantissa;
    int x = 0;
    Scientific(value, digits - 1, &mantissa, &x);
    std::string text;
    if (x >= -4 && x < digits) {
        text = FormatFixedDecimals(value, digits - 1 - x);
        DropTrailingZeros(text);
        return text;
    }
    DropTrailingZeros(mantissa);
    std::string exponent = std::to_string(x < 0 ? -x : x);
    if (exponent.size() < 2)
        exponent.insert(exponent.begin(), '0');
    return (std::signbit(value) ? "-" : "") + mantissa + (x < 0 ? "e-" : "e+") + exponent;
}
