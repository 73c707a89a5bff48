#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CReadPoles;
class CReadPolesList;

// The pole variants of the types with their voltages and earth-leakage data,
// in table order.
class CRSBreak_Poles : public fw::CRecordset {
public:
    explicit CRSBreak_Poles(fw::CDatabase* database = nullptr);

    int32_t m_lPolesID = 0;
    int32_t m_lTypeID = 0;
    int16_t m_nPoleCount = 0;
    int16_t m_nVoltAC1 = 0;
    int16_t m_nVoltAC2 = 0;
    int16_t m_nVoltAC3 = 0;
    int16_t m_nVoltAC4 = 0;
    int16_t m_nHsCurrent1 = 0;
    int16_t m_nHsCurrent2 = 0;
    int16_t m_nHsCurrent3 = 0;
    int16_t m_nHsCurrent4 = 0;
    int16_t m_nHsCurrent5 = 0;
    double m_dHsTime = 0.0;
    int16_t m_nTdCurrent1 = 0;
    int16_t m_nTdCurrent2 = 0;
    int16_t m_nTdCurrent3 = 0;
    int16_t m_nTdCurrent4 = 0;
    double m_dTdTime1 = 0.0;
    double m_dTdTime2 = 0.0;
    double m_dTdTime3 = 0.0;
    double m_dTdTime4 = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // TRUE when the type has a variant with that number of poles.
    int IsReadByTypeIDPoles(int32_t typeID, int poleCount);
    // Appends the type's variants to the list (null: only counted); the count.
    int DoReadByTypeID(int32_t typeID, CReadPolesList* poles);

protected:
    // Type and pole count, each only when above 0.
    void DoSetFilterPoles(int32_t typeID, int32_t poleCount);

private:
    void DoCopyToReadPoles(CReadPoles* poles) const;
};
