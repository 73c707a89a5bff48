#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

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
};
