#include "tools/FixedText.h"

#include <charconv>
#include <cmath>
#include <string>

std::string FormatFixedDecimals(double value, int decimals) {
    if (decimals < 0)
        decimals = 6;
    if (!std::isfinite(value)) {
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, value);
        return std::string(buf, r.ptr);
    }
    // Every finite double has a terminating decimal expansion of at most 1074
    // decimals; write it exactly and round by hand.
    constexpr int exactDecimals = 1100;
    if (decimals > exactDecimals)
        decimals = exactDecimals;
    static thread_local std::string exact(2500, '\0');
    auto r = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(value),
                           std::chars_format::fixed, exactDecimals);
    std::string digits(exact.data(), r.ptr);
    size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1, static_cast<size_t>(decimals));
    bool roundUp = digits[point + 1 + static_cast<size_t>(decimals)] >= '5';

    // Round the digit string (whole and fraction together) up by one unit
    // of its last place when the first dropped digit is 5 or more.
    std::string digitsKept = whole + fraction;
    if (roundUp) {
        size_t i = digitsKept.size();
        while (i > 0 && digitsKept[i - 1] == '9')
            digitsKept[--i] = '0';
        if (i == 0)
            digitsKept = "1" + digitsKept;
        else
            ++digitsKept[i - 1];
    }
    const size_t wholeLength = digitsKept.size() - static_cast<size_t>(decimals);
    std::string text = std::signbit(value) ? "-" : "";
    text.append(digitsKept, 0, wholeLength);
    if (decimals > 0) {
        text += '.';
        text.append(digitsKept, wholeLength, std::string::npos);
    }
    return text;
}
