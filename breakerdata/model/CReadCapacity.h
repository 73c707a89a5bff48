#pragma once

#include "framework/COwnedList.h"

#include <cstdint>

// The breaking capacities of a device type at one voltage (A).
class CReadCapacity {
public:
    int32_t m_lVoltage = 0;    // [lVoltage]
    int32_t m_lIcu = 0;        // [lIcu]
    int32_t m_lIcs = 0;        // [lIcs]
    int32_t m_lIq = 0;         // [lIq]
    int32_t m_lIcuMCRLock = 0; // [lIcuMCRLock]
    int32_t m_lIcsMCRLock = 0; // [lIcsMCRLock]
    int32_t m_lIqMCRLock = 0;  // [lIqMCRLock]
    int32_t m_lIcuJIS8201 = 0; // [lIcuJIS8201]
    int32_t m_lIcsJIS8201 = 0; // [lIcsJIS8201]
    int32_t m_lIqJIS8201 = 0;  // [lIqJIS8201]
};

class CReadCapacityList : public COwnedList<CReadCapacity> {
public:
    CReadCapacity* DoAddNewReadCapacity();
    void DoCopyAllReadCapacity(const CReadCapacityList& other);
    void DoDeleteAllReadCapacity();
};
