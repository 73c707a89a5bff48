#pragma once

#include <string>

namespace fw {

// printf into a std::string. The numeric locale is "C" throughout the system,
// so numbers come out with a decimal point.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace fw
