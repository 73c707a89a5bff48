#include "catalogue/model/ParseNumber.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace parse_number {

int LeadingInt(const std::string& text) {
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double Decimal(const std::string& text) {
    double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

} // namespace parse_number
