#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The motor-starter co-ordination rows (types 1 and 2): breaker, contactor,
// thermal relay, motor and wire.
class CRSBreak_Coordination : public fw::CRecordset {
public:
    explicit CRSBreak_Coordination(fw::CDatabase* database = nullptr);

    int32_t m_lCoordinationID = 0;
    int32_t m_lLVCBTypeID = 0;
    int16_t m_nType = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lVoltage = 0;
    double m_dP = 0.0;
    double m_dI = 0.0;
    double m_dRatedCurrent = 0.0;
    double m_dTripCurrent = 0.0;
    int32_t m_lContactorTypeID = 0;
    int32_t m_lThermalTypeID = 0;
    double m_dRangeMin = 0.0;
    double m_dRangeMax = 0.0;
    double m_dOrdering = 0.0;
    double m_dCu = 0.0;
    int16_t m_nNumber = 0;
    double m_dIe = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;
};
