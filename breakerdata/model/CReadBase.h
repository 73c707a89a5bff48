#pragma once

#include "breakerdata/model/CReadDial.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw
class CInfoBase;

// Type-level reference data of the selected device, rebuilt from the breaker
// database whenever it is needed and never stored.
class CReadBase {
public:
    // Rebuilds the record for a stored selection (nothing when it is read
    // already). Returns the rating row found, 0 (warned) on failure.
    int32_t DoReadReadBase(fw::CDatabase* database, CInfoBase* selection);

    int32_t m_bIsRead = 0;          // 1 once the record has been read completely
    std::string m_strOpeKindTitle;  // [sOpeKindTitle]
    CReadDial m_dialRated;          // kind [nRatedFlag], [sRatedTitle], [sRatedUnit]
    CReadDial m_dialMagni;          // kind [nMagniFlag], [sMagniTitle], [sMagniUnit]
    double m_dRatedValue = 0.0;     // reference rated value of the selected rating
    double m_dMaxRatedValue = 0.0;  // highest rated value of the type
    std::string m_strSeriesName;    // [sSeriesName]
    std::string m_strOldNew;        // [sOldNew]
    std::string m_strNotes;         // [sNotes]
    int32_t m_bCanUseCT = 0;        // [bCanUseCT]
    int32_t m_bCanUseCC = 0;        // [bCanUseCC]
    int32_t m_bUseOpenTime = 0;     // [bUseOpenTime]
    int32_t m_bUseBreakingTime = 0; // [bUseBreakingTime]
    int32_t m_nOrder = 0;           // [nOrder]
    std::string m_strTemperature;   // [sTemperature]
    std::string m_strCategory;      // [sCategory]
    std::string m_strTripDevice;    // [sTripDevice]
};

class CReadBaseList : public COwnedList<CReadBase> {
public:
    CReadBase* DoAddNewReadBase();
    void DoCopyAllReadBases(const CReadBaseList& other);
    void DoDeleteAllReadBases();
};
