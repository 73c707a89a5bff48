#pragma once

#include <string>

// Numbers typed or picked in the search dialogs, read as the C library reads
// them: leading blanks, a sign, then as much of a number as the text holds;
// anything after it (a unit) is ignored, and a text without a number gives 0.
namespace parse_number {

// The leading whole number ("400V" gives 400); beyond the range of int the
// nearest end of the range.
int LeadingInt(const std::string& text);
// The leading decimal number ("2.5kA" gives 2.5, "1e3" 1000); a text that
// names no finite number ("inf", "nan") gives 0.
double Decimal(const std::string& text);

} // namespace parse_number
