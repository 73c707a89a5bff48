#pragma once

#include "framework/Combo.h"
#include "framework/Database.h"

#include <cstdint>
#include <string>

class CReadCapacity;
class CReadCapacityList;

// The breaking capacities of the breaker types by table voltage.
class CRSBreak_Capacity : public fw::CRecordset {
public:
    explicit CRSBreak_Capacity(fw::CDatabase* database = nullptr);

    int32_t m_lCapacityID = 0;
    int32_t m_lTypeID = 0;
    int32_t m_lVoltage = 0;
    int32_t m_lIcu = 0;
    int32_t m_lIcs = 0;
    int32_t m_lIq = 0;
    int32_t m_lIcuMCRLock = 0;
    int32_t m_lIcsMCRLock = 0;
    int32_t m_lIqMCRLock = 0;
    int32_t m_lIcuJIS8201 = 0;
    int32_t m_lIcsJIS8201 = 0;
    int32_t m_lIqJIS8201 = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The voltage under which the capacity table lists a nominal circuit
    // voltage (380 V is listed under 415 V, ...); other voltages as they are.
    static int32_t DoCheckVolt(int32_t voltage);
    // Fills the box with the rising distinct Icu values (kA as text, A as
    // item data) of the rows the filter set last selects; returns the number
    // of entries added.
    int DoReadSetListCapacity(fw::IComboBox* box);
    // Appends the capacities of a type to the list (null: only counted), in
    // rising voltage; returns the number of rows.
    int DoReadByTypeID(int32_t typeID, CReadCapacityList* list);
    // The breaking capacities of a type at the first table voltage at or
    // above `voltage`, from the JIS columns when any row of the type has a
    // JIS Ics. Returns that table voltage, 0 when none (outputs untouched).
    // Every output may be null.
    int32_t DoReadByTypeVolt(int32_t typeID, int32_t voltage, double* ics, double* icu, double* iq,
                             double* icsLock, double* icuLock, double* iqLock);

private:
    void DoSetFilterCapacity(int32_t typeID);
    void DoCopyToReadCapacity(CReadCapacity* capacity) const;
};
