// Number and unit texts.

#include "tools/Filvaron.h"

#include "framework/StringTable.h"
#include "tools/FixedText.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr unsigned IDS_NO_DATA = 4736;

// printf's "%.<precision>f" and "%.<precision>g", with the one rounding rule
// of every number text, independent of the locale.
std::string FormatFixed(double value, int precision) {
    return FormatFixedDecimals(value, precision);
}

std::string FormatGeneral(double value, int precision) {
    return FormatGeneralDigits(value, precision);
}

} // namespace

int DLLGetBeamsNumber(double value, int mode) {
    std::string text = FormatFixed(value, 6);
    size_t end = text.find_last_not_of('0');
    text.erase(end == std::string::npos ? 0 : end + 1);
    size_t point = text.find('.');
    if (point == std::string::npos) // "inf" or "nan": no decimals
        return mode == 1 ? static_cast<int>(text.size()) : 0;
    if (mode == 1)
        return static_cast<int>(point);
    return static_cast<int>(text.size() - point - 1);
}

int DLLGetMaxBeamsNumber(double value1, double value2, double value3) {
    int most = 0;
    for (double v : {value1, value2, value3}) {
        int d = DLLGetBeamsNumber(v, 0);
        if (d > most)
            most = d;
    }
    return most;
}

std::string DLLGetTextByBeams(double value, int noDataFlag) {
    if (value < 0 && noDataFlag == 1)
        return fw::LoadString(IDS_NO_DATA);
    if (!std::isfinite(value))
        return FormatGeneral(value, 6);
    return FormatFixed(value, DLLGetBeamsNumber(value, 0));
}

std::string DLLGetTextByBeamsEx(double value, int minDigits, int noDataFlag) {
    if (value < 0 && noDataFlag == 1)
        return fw::LoadString(IDS_NO_DATA);
    int k = DLLGetBeamsNumber(value, 1);
    int n = minDigits > k ? minDigits : k;
    if (n > 300) // more significant digits than a double holds
        n = 300;
    std::string text = FormatGeneral(value, n);
    // "%g" turns to exponent form when rounding carries into a new digit
    // (9999.96 at four digits gives "1e+04"); ordinary values stay plain.
    size_t exp = text.find('e');
    if (exp != std::string::npos && std::isfinite(value) && text[exp + 1] == '+')
        text = FormatFixed(std::strtod(text.c_str(), nullptr), 0);
    // A small value keeps "%g"'s exponent form as it stands: padding it would
    // put zeros or a point behind the exponent ("1e-05.0").
    if (text.find('e') != std::string::npos)
        return text;
    int len = static_cast<int>(text.size());
    if (text.find('.') != std::string::npos) {
        size_t first = text.find_first_of("123456789");
        int e = first == std::string::npos ? -1 : static_cast<int>(first);
        if (len < e + n)
            text.append(static_cast<size_t>(e + n - len), '0');
        else if (len <= n)
            text.append(static_cast<size_t>(n - len + 1), '0');
    } else if (len < n && std::isfinite(value)) {
        text += '.';
        text.append(static_cast<size_t>(n - len), '0');
    }
    return text;
}

std::string DLLGetTitleUnit(const std::string& title, const std::string& unit) {
    if (title.empty())
        return {};
    std::string text = title;
    if (!unit.empty())
        text += "(" + unit + ")";
    return text + ":";
}

std::string DLLGetTitleUnitNotes(const std::string& title, const std::string& unit,
                                 const std::string& notes) {
    if (title.empty())
        return {};
    std::string text = DLLGetTitleUnit(title, unit);
    if (!notes.empty())
        text += " " + notes;
    return text;
}
