#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CCandidateList;
class CInfoBase;

// The selectivity pairs: a downstream type under an upstream type, selective
// up to a limit current, joined with the downstream type, its information and
// its capacities. The pair's voltage is bound as a 16-bit value.
class CRSBreak_Selective : public fw::CRecordset {
public:
    explicit CRSBreak_Selective(fw::CDatabase* database = nullptr);

    int32_t m_lSelectivID = 0;
    int32_t m_lTypeID = 0; // [Break_Selective].[lTypeID]
    double m_dRatedMax = 0.0;
    int16_t m_lVoltage = 0; // [Break_Selective].[lVoltage], bound as a 16-bit value
    int32_t m_lMainTypeID = 0;
    double m_dMainRatedMax = 0.0;
    double m_dIs = 0.0;
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
    // The distinct selectivity limits of the table, rising, in kA with the
    // whole amperes as item data; the number of entries added.
    int DoReadSetListIs(fw::IComboBox* box);
    // The selectivity limit of one pair of types and rated maxima at the
    // first pair voltage at or above `voltage`; that voltage, 0 when none
    // (then *is is 0).
    int32_t DoReadByValueTypeID(int32_t typeID, int32_t voltage, double ratedMax,
                                int32_t mainTypeID, double mainRatedMax, double* is);

private:
    void DoSetFilterByUpstream(int32_t mainTypeID, int32_t voltage, double limit, int32_t groupID);
    void DoSetFilterByDownstream(int32_t typeID, int32_t voltage, double limit, int32_t groupID);
    void DoSetFilterByPair(int32_t typeID, int32_t voltage, double ratedMax, int32_t mainTypeID,
                           double mainRatedMax);
    void DoCopyToCandidate(CCandidateList* list, int32_t key, const CInfoBase* sought) const;
    int DoReadSetPairs(fw::IComboBox* box, CCandidateList* list, const CInfoBase* sought, int poles,
                       bool downstream);
};
