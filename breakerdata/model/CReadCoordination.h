#pragma once

#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw

// One motor-starter co-ordination row: motor, breaker, contactor and thermal
// relay that belong together, with the wire.
class CReadCoordination {
public:
    // Number texts; the unit follows directly with unitFlag 1. A value of 0 or
    // less gives an empty text.
    std::string DoGetTextMotorCapacity(int unitFlag) const;    // kW
    std::string DoGetTextMotorCurrent(int unitFlag) const;     // A
    std::string DoGetTextLVCBRatedCurrent(int unitFlag) const; // A
    std::string DoGetTextLVCBTripCurrent(int unitFlag) const;  // A
    std::string DoGetTextWireSize(int unitFlag) const;         // mm²
    std::string DoGetTextWireCurrent(int unitFlag) const;      // A
    // "min-max (ordering A)", always written.
    std::string DoGetTextThermalRated() const;
    // Names of the row's types from the breaker database; empty when the
    // row names no type.
    std::string DoGetTextLVCBTypeName(fw::CDatabase* database) const;
    std::string DoGetTextContactorTypeName(fw::CDatabase* database) const;
    std::string DoGetTextThermalTypeName(fw::CDatabase* database) const;

    double m_dP = 0.0;              // motor capacity [dP]
    double m_dI = 0.0;              // motor current [dI]
    int32_t m_lLVCBTypeID = 0;      // [lLVCBTypeID]
    double m_dRatedCurrent = 0.0;   // breaker rated current [dRatedCurrent]
    double m_dTripCurrent = 0.0;    // breaker trip current [dTripCurrent]
    int32_t m_lContactorTypeID = 0; // [lContactorTypeID]
    int32_t m_lThermalTypeID = 0;   // [lThermalTypeID]
    double m_dRangeMin = 0.0;       // thermal setting range [dRangeMin]
    double m_dRangeMax = 0.0;       // [dRangeMax]
    double m_dOrdering = 0.0;       // thermal rated current [dOrdering]
    double m_dCu = 0.0;             // wire size [dCu]
    int32_t m_nNumber = 0;          // [nNumber]
    double m_dIe = 0.0;             // wire current [dIe]
};

class CReadCoordinationList : public COwnedList<CReadCoordination> {
public:
    CReadCoordination* DoAddNewReadCoordination();
    void DoCopyAllReadCoordinations(const CReadCoordinationList& other);
    void DoDeleteAllReadCoordinations();
};
