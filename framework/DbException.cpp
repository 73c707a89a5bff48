#include "DbException.h"

namespace fw {

CDbException::CDbException(std::optional<CDbErrorInfo> info, int32_t scode)
    : std::runtime_error(info ? info->m_strDescription : "database error " + std::to_string(scode)),
      m_pErrorInfo(std::move(info)), m_scode(scode) {}

} // namespace fw
