#pragma once

// The schemas of the breaker and curve databases as the build uses them, for
// fixture databases that hold a few rows of a test's own.

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace dvtest {

inline std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::string(TV_SOURCE_DIR) + "/" + relative);
    if (!in)
        throw std::runtime_error("cannot read " + relative);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string BreakerSchema() {
    return ReadSourceFile("data/dorventa/00_schema.sql");
}
inline std::string CurveSchema() {
    return ReadSourceFile("data/orbelune/00_schema.sql");
}

} // namespace dvtest
