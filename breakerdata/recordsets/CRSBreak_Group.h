#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;

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

    // The group of a maker and id into the selection (its group always
    // reset); the row count.
    int DoReadByManuGroupID(int32_t manufactureID, int32_t groupID, CInfoBase* selection);
    // Lists the groups of a maker and kind and takes the default (init 1).
    int32_t DoReadSetDefaultEG(fw::IComboBox* box, int32_t manufactureID, int kindFlag,
                               CInfoBase* selection, int init);
    // The group of a maker, kind and LVCB code (the last row wins), its name
    // into `groupName`; 0 when none (the name left as it is).
    int32_t DoReadGetGroupID(int32_t manufactureID, int kindFlag, int lvcbCode,
                             std::string& groupName);

protected:
    // Maker, kind flag, group and LVCB code, each only when above 0.
    void DoSetFilterGroup(int32_t manufactureID, int32_t kindFlag, int32_t groupID,
                          int32_t lvcbCode);

private:
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection) const;
};
