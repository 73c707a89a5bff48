#pragma once

#include "framework/COwnedList.h"

#include "framework/Archive.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw
class CReadBase;

// What the user selected for one protective device: maker, group, type,
// operating kind, rating and multiplier, and the circuit it sits in. Kept in
// the project document inside the element that owns it.
class CInfoBase : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoBase)
public:
    CInfoBase() = default;
    CInfoBase(const CInfoBase&) = default;
    CInfoBase& operator=(const CInfoBase&) = default;

    // Every field in declaration order: 108 bytes of numbers and five texts.
    void Serialize(fw::CArchive& ar) override;

    // 1 when the selection is complete enough to compute a curve, else 0.
    int IsOkSetCurveInfo() const;

    // The rated value; with unitFlag 1 followed directly by "A".
    std::string DoGetTextRated(int unitFlag) const;
    // The circuit voltage; with unitFlag 1 followed directly by "V".
    std::string DoGetTextVoltage(int unitFlag) const;
    // The CT primary current, without unit.
    std::string DoGetTextCT1Current() const;

    // Replace maker, group, type, operating kind (the index-th of the type,
    // 0 for the first), rating and multiplier by the database defaults for
    // the kind flag, filling the type reference. Returns the rating id (0 on
    // failure and for contactors); a value the database lacks is warned about.
    int32_t DoReadDefaultInfoBase(fw::CDatabase* database, CReadBase* reference, int index);
    // The same from the stored type on (maker and group are not read).
    int32_t DoReadDefaultByTypeID(fw::CDatabase* database, CReadBase* reference, int index);
    // As DoReadDefaultByTypeID, the rating chosen by a rated value.
    int32_t DoReadByMaxRatedValue(fw::CDatabase* database, double value, CReadBase* reference,
                                  int index);

    int32_t m_lManufactureID = 0; // [lManufactureID]
    std::string m_strManufactureName;
    int32_t m_lGroupID = 0; // [lGroupID]
    std::string m_strGroupName;
    int32_t m_nKindFlag = 0; // the group's [nKindFlag]: 1 relay, 2 breaker, 3 thermal, 4 contactor
    int32_t m_nLVCBCode = 0; // the group's [nLVCBCode]
    int32_t m_lTypeID = 0;   // [lTypeID]
    std::string m_strTypeName;
    int32_t m_lOpeKindID = 0; // [lOpeKindID]
    std::string m_strOpeKindName;
    int32_t m_lBreakRatedID = 0; // [lBreakRatedID]
    std::string m_strRatedName;  // the fixed name, or the text of a continuous value
    double m_dRatedValue = 0.0;
    double m_dMagniValue = 0.0;
    int32_t m_nVoltage = 0;    // circuit voltage (V)
    int32_t m_bUseCT = 0;      // 1: a current transformer is in use
    int32_t m_nCT1Current = 0; // CT primary current (A)
    int32_t m_nCT2Current = 0; // CT secondary current (A)
    int32_t m_bUseDivisor = 0; // 1: the current scale is divided by the divisor
    int32_t m_nDivisor = 0;
    // Kept for the element models, which give them their meaning; this
    // library only zeroes, copies and stores them.
    int32_t m_nExtraA[3] = {0, 0, 0};
    double m_dExtraA = 0.0;
    int32_t m_nExtraB[3] = {0, 0, 0};
    double m_dExtraB = 0.0;

private:
    // Operating kind, rating and multiplier: the common tail of the readers.
    int32_t DoReadDefaultFromOpeKind(fw::CDatabase* database, CReadBase* reference, int index,
                                     bool byValue, double value);
};

// A list of owned selections.
class CInfoBaseList : public COwnedList<CInfoBase> {
public:
    CInfoBase* DoAddNewInfoBase();
    void DoCopyAllInfoBases(const CInfoBaseList& other);
    void DoDeleteAllInfoBases();
};
