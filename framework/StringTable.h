#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Raised when code asks for a text id that the running program never
// registered: a programming error, never shown to users as an empty text.
class CMissingStringError : public std::logic_error {
public:
    explicit CMissingStringError(unsigned id);
    unsigned Id() const { return m_id; }

private:
    unsigned m_id;
};

// Registers the string table of the running program. The text holds one entry
// a line: the decimal id, one tab, the text. In the text, backslash-n, -r, -t
// and a doubled backslash stand for a line feed, a carriage return, a tab and a
// backslash. Empty lines
// and lines starting with '#' are ignored. A later registration replaces the
// whole table. Throws std::invalid_argument on a malformed line or a repeated id.
void RegisterStringTable(const char* text);

// The text of an id of the registered table; throws CMissingStringError.
std::string LoadString(unsigned id);

// The text of an id, or false when the table has no such id.
bool TryLoadString(unsigned id, std::string& text);

} // namespace fw
