#pragma once

#include "framework/COwnedList.h"

#include <cstdint>

// One pole variant of a device type.
class CReadPoles {
public:
    int32_t m_nPoleCount = 0;                   // [nPoleCount]
    int32_t m_nVoltAC[4] = {0, 0, 0, 0};        // [nVoltAC1]..[nVoltAC4]
    int32_t m_nHsCurrent[5] = {0, 0, 0, 0, 0};  // [nHsCurrent1]..[nHsCurrent5]
    double m_dHsTime = 0.0;                     // [dHsTime]
    int32_t m_nTdCurrent[4] = {0, 0, 0, 0};     // [nTdCurrent1]..[nTdCurrent4]
    double m_dTdTime[4] = {0.0, 0.0, 0.0, 0.0}; // [dTdTime1]..[dTdTime4]
};

class CReadPolesList : public COwnedList<CReadPoles> {
public:
    CReadPoles* DoAddNewReadPoles();
    void DoCopyAllReadPoles(const CReadPolesList& other);
    void DoDeleteAllReadPoles();
};
