#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CCandidateList;
class CInfoBase;

// The back-up (cascade) pairs: a downstream type under an upstream type,
// joined with the downstream type, its information and its capacities.
class CRSBreak_Cascade : public fw::CRecordset {
public:
    explicit CRSBreak_Cascade(fw::CDatabase* database = nullptr);

    int32_t m_lCascadeID = 0;
    int32_t m_lTypeID = 0;  // [Break_Cascade].[lTypeID]
    int32_t m_lVoltage = 0; // [Break_Cascade].[lVoltage]
    int32_t m_lMainTypeID = 0;
    int32_t m_lIcuBack = 0;
    int32_t m_lTypeID_Type = 0; // [Break_Type].[lTypeID]
    int32_t m_lManufactureID = 0;
    int32_t m_lGroupID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sTypeName;
    int32_t m_bCanUseCT = 0;
    int32_t m_bCanUseCC = 0;
    std::string m_sOpeKindTitle;
    std::string m_sSeriesName;
    std::string m_sOldNew;
    std::string m_sNewDate;
    std::string m_sUpdateDate;
    std::string m_sMaker;
    std::string m_sNotes;
    int32_t m_lInfoID = 0;
    int32_t m_lTypeID_Info = 0; // [Break_Info].[lTypeID]
    int16_t m_nOrder = 0;
    int16_t m_nSubOrder = 0;
    int16_t m_nUse = 0;
    std::string m_sTemperature;
    std::string m_sCategory;
    std::string m_sTripDevice;
    int32_t m_lCapacityID = 0;
    int32_t m_lTypeID_Capacity = 0;  // [Break_Capacity].[lTypeID]
    int32_t m_lVoltage_Capacity = 0; // [Break_Capacity].[lVoltage]
    int32_t m_lIcu = 0;
    int32_t m_lIcs = 0;
    int32_t m_lIq = 0;
    int32_t m_lIcuMCRLock = 0;
    int32_t m_lIcsMCRLock = 0;
    int32_t m_lIqMCRLock = 0;
    int16_t m_nTypeOrder = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The downstream types that pair with the known upstream breaker at its
    // circuit voltage, up to the limit, in the sought breaker's group and
    // with its pole count: each type's name into the box (once) and the type
    // into the list (only the sought type when it has one). The number of
    // names added.
    int DoReadSetDownstream(fw::IComboBox* box, CCandidateList* list, const CInfoBase* known,
                            const CInfoBase* sought, double limit, int poles);
    // The same for the upstream types of the known downstream breaker.
    int DoReadSetUpstream(fw::IComboBox* box, CCandidateList* list, const CInfoBase* known,
                          const CInfoBase* sought, double limit, int poles);
    // The distinct back-up capacities of the table, rising, in kA with the
    // amperes as item data; the number of entries added.
    int DoReadSetListIcuBack(fw::IComboBox* box);
    // The back-up capacity of one pair at the first pair voltage at or above
    // `voltage`; that voltage, 0 when none (then *icuBack is 0).
    int32_t DoReadByVoltTypeID(int32_t typeID, int32_t voltage, int32_t mainTypeID,
                               double* icuBack);

private:
    void DoSetFilterByUpstream(int32_t mainTypeID, int32_t voltage, double limit, int32_t groupID);
    void DoSetFilterByDownstream(int32_t typeID, int32_t voltage, double limit, int32_t groupID);
    void DoSetFilterByPair(int32_t typeID, int32_t voltage, int32_t mainTypeID);
    void DoCopyToCandidate(CCandidateList* list, int32_t key, const CInfoBase* sought) const;
    int DoReadSetPairs(fw::IComboBox* box, CCandidateList* list, const CInfoBase* sought, int poles,
                       bool downstream);
};
