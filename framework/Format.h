#pragma once

#include <initializer_list>
#include <string>

namespace fw {

// printf into a std::string. The numeric locale is "C" throughout the system,
// so numbers come out with a decimal point.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Fills the "%s" of a text from the string table with `args` in order; "%%"
// gives "%". Nothing else is a directive, so a value or a text with a stray
// '%' can do no harm (texts come with values the user typed or the database
// held). Missing arguments leave their "%s" empty.
std::string FormatStrings(const std::string& format, std::initializer_list<std::string> args);

} // namespace fw
