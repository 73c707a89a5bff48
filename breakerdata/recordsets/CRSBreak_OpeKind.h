#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The operating kinds of the types, always in id order.
class CRSBreak_OpeKind : public fw::CRecordset {
public:
    explicit CRSBreak_OpeKind(fw::CDatabase* database = nullptr);

    int32_t m_lOpeKindID = 0;
    int32_t m_lTypeID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sOpeKindName;
    int16_t m_nRatedFlag = 0;
    std::string m_sRatedTitle;
    std::string m_sRatedUnit;
    int16_t m_nMagniFlag = 0;
    std::string m_sMagniTitle;
    std::string m_sMagniUnit;
    int32_t m_bUseOpenTime = 0;
    int32_t m_bUseBreakingTime = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

protected:
    // Type, operating kind and name, each only when given.
    void DoSetFilterOpeKind(int32_t typeID, int32_t opeKindID, const std::string& opeKindName);
};
