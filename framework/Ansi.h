#pragma once

#include <string>
#include <string_view>

// Texts live in memory as UTF-8; files and archives written by the original
// platform hold Windows-1252 ("ANSI") bytes or UTF-16 code units.
namespace fw {

// Converts UTF-8 to Windows-1252. Returns false (and leaves `out` partly
// filled) when a character has no Windows-1252 byte or the input is not UTF-8.
bool Utf8ToAnsi(std::string_view utf8, std::string& out);

// Converts Windows-1252 bytes to UTF-8; every byte has a meaning (the five
// unassigned bytes map to the C1 control of the same value, as Windows does).
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to UTF-16 code units and back. Invalid input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace fw
