#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace fw {

// What the database engine said about an error.
struct CDbErrorInfo {
    long m_lErrorCode = 0;
    std::string m_strSource;
    std::string m_strDescription;
};

// The exception of the database layer. It carries the engine's error text
// when there is one, and always a status code in the platform's layout
// (severity bit 31, facility bits 16 to 28, code bits 0 to 15).
class CDbException : public std::runtime_error {
public:
    CDbException(std::optional<CDbErrorInfo> info, int32_t scode);

    std::optional<CDbErrorInfo> m_pErrorInfo;
    int32_t m_scode;
};

} // namespace fw
