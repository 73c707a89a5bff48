#pragma once

// Stored records are checked against fixture files written by hand from the
// record layout: hexadecimal bytes, any spacing, with "#" starting a comment
// to the end of the line, so that every field can be annotated.

#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tvtest {

inline std::vector<uint8_t> ParseHex(const std::string& text) {
    std::vector<uint8_t> bytes;
    int high = -1;
    bool comment = false;
    for (char c : text) {
        if (comment) {
            comment = c != '\n';
            continue;
        }
        if (c == '#') {
            comment = true;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            throw std::runtime_error(std::string("not a hexadecimal digit: ") + c);
        int v = std::isdigit(static_cast<unsigned char>(c))
                    ? c - '0'
                    : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        if (high < 0) {
            high = v;
        } else {
            bytes.push_back(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    if (high >= 0)
        throw std::runtime_error("odd number of hexadecimal digits");
    return bytes;
}

// Reads <source>/tests/<relative path>.
inline std::vector<uint8_t> ReadHexFixture(const std::string& relativePath) {
    std::ifstream in(std::string(TV_SOURCE_DIR) + "/tests/" + relativePath);
    if (!in)
        throw std::runtime_error("missing fixture " + relativePath);
    std::stringstream text;
    text << in.rdbuf();
    return ParseHex(text.str());
}

} // namespace tvtest
