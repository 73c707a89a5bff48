#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The groups (series) of the makers, in the order of their low-voltage
// breaker code.
class CRSBreak_Group : public fw::CRecordset {
public:
    explicit CRSBreak_Group(fw::CDatabase* database = nullptr);

    int32_t m_lGroupID = 0;
    int16_t m_nKindFlag = 0;
    int32_t m_lManufactureID = 0;
    int16_t m_nLVCBCode = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sGroupName;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

protected:
    // Maker, kind flag, group and LVCB code, each only when above 0.
    void DoSetFilterGroup(int32_t manufactureID, int32_t kindFlag, int32_t groupID,
                          int32_t lvcbCode);
};
