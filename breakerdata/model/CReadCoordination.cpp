#include "breakerdata/model/CReadCoordination.h"

#include "tools/Filvaron.h"

#include "framework/StringTable.h"

namespace {

constexpr unsigned IDS_UNIT_AMPERE = 26373;
constexpr unsigned IDS_UNIT_MM2 = 26377;
constexpr unsigned IDS_UNIT_KW = 26392;

std::string ValueText(double value, int unitFlag, unsigned unitId) {
    if (value <= 0)
        return {};
    std::string text = DLLGetTextByBeams(value, 0);
    if (unitFlag == 1)
        text += fw::LoadString(unitId);
    return text;
}

} // namespace

std::string CReadCoordination::DoGetTextMotorCapacity(int unitFlag) const {
    return ValueText(m_dP, unitFlag, IDS_UNIT_KW);
}

std::string CReadCoordination::DoGetTextMotorCurrent(int unitFlag) const {
    return ValueText(m_dI, unitFlag, IDS_UNIT_AMPERE);
}

std::string CReadCoordination::DoGetTextLVCBRatedCurrent(int unitFlag) const {
    return ValueText(m_dRatedCurrent, unitFlag, IDS_UNIT_AMPERE);
}

std::string CReadCoordination::DoGetTextLVCBTripCurrent(int unitFlag) const {
    return ValueText(m_dTripCurrent, unitFlag, IDS_UNIT_AMPERE);
}

std::string CReadCoordination::DoGetTextWireSize(int unitFlag) const {
    return ValueText(m_dCu, unitFlag, IDS_UNIT_MM2);
}

std::string CReadCoordination::DoGetTextWireCurrent(int unitFlag) const {
    return ValueText(m_dIe, unitFlag, IDS_UNIT_AMPERE);
}

std::string CReadCoordination::DoGetTextThermalRated() const {
    return DLLGetTextByBeams(m_dRangeMin, 0) + "-" + DLLGetTextByBeams(m_dRangeMax, 0) + " (" +
           DLLGetTextByBeams(m_dOrdering, 0) + "A)";
}

CReadCoordination* CReadCoordinationList::DoAddNewReadCoordination() {
    return AddNew();
}

void CReadCoordinationList::DoCopyAllReadCoordinations(const CReadCoordinationList& other) {
    CopyFrom(other);
}

void CReadCoordinationList::DoDeleteAllReadCoordinations() {
    DeleteAll();
}
