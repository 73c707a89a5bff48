// The motor-starter co-ordination rows: readers by thermal relay, contactor,
// breaker and motor output, and the combo fillers of the starter dialogs.

#include "breakerdata/recordsets/CRSBreak_Coordination.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

#include "tools/Filvaron.h"

#include <cstdlib>

namespace {

constexpr const char* kType = "[Break_Coordination].[nType]";
constexpr const char* kThermalType = "[Break_Coordination].[lThermalTypeID]";
constexpr const char* kOrdering = "[Break_Coordination].[dOrdering]";
constexpr const char* kContactor = "[Break_Coordination].[lContactorTypeID]";
constexpr const char* kLVCBType = "[Break_Coordination].[lLVCBTypeID]";
constexpr const char* kRatedCurrent = "[Break_Coordination].[dRatedCurrent]";
constexpr const char* kMotorCapacity = "[Break_Coordination].[dP]";
constexpr const char* kTripCurrent = "[Break_Coordination].[dTripCurrent]";

// A number of these filters is compared as its shortest text reads back
// (3.7, not 3.700000), as the query text always carried it.
double AsFilterText(double value) {
    return std::strtod(DLLGetTextByBeams(value, 0).c_str(), nullptr);
}

bool AddWithoutData(fw::IComboBox* box, const std::string& text) {
    return box->AddString(text) >= 0;
}

} // namespace

void CRSBreak_Coordination::DoSetFilterCoordination(unsigned nType, const char* column,
                                                    double value, const char* column2,
                                                    double value2) {
    ClearFilter();
    AddFilterTerm(kType, "=", AsFilterText(static_cast<double>(nType)));
    if (column)
        AddFilterTerm(column, "=", AsFilterText(value));
    if (column2)
        AddFilterTerm(column2, "=", AsFilterText(value2));
}

void CRSBreak_Coordination::DoCopyToReadCoordination(CReadCoordination* record) const {
    if (!record)
        return;
    record->m_dP = m_dP;
    record->m_dI = m_dI;
    record->m_lLVCBTypeID = m_lLVCBTypeID;
    record->m_dRatedCurrent = m_dRatedCurrent;
    record->m_dTripCurrent = m_dTripCurrent;
    record->m_lContactorTypeID = m_lContactorTypeID;
    record->m_lThermalTypeID = m_lThermalTypeID;
    record->m_dRangeMin = m_dRangeMin;
    record->m_dRangeMax = m_dRangeMax;
    record->m_dOrdering = m_dOrdering;
    record->m_dCu = m_dCu;
    record->m_nNumber = m_nNumber;
    record->m_dIe = m_dIe;
}

int CRSBreak_Coordination::DoReadToList(CReadCoordinationList* list) {
    m_strSort = kMotorCapacity;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int count = 0;
        while (!IsEOF()) {
            if (list)
                DoCopyToReadCoordination(list->DoAddNewReadCoordination());
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}

int CRSBreak_Coordination::DoReadByThermalTypeRated(unsigned nType, int32_t thermalTypeID,
                                                    double ordering, CReadCoordinationList* list) {
    DoSetFilterCoordination(nType, kThermalType, thermalTypeID, kOrdering, ordering);
    return DoReadToList(list);
}

int CRSBreak_Coordination::DoReadByContactor(unsigned nType, int32_t contactorTypeID,
                                             CReadCoordinationList* list) {
    DoSetFilterCoordination(nType, kContactor, contactorTypeID);
    return DoReadToList(list);
}

int CRSBreak_Coordination::DoReadByLVCBTypeRated(unsigned nType, int32_t lvcbTypeID,
                                                 double ratedCurrent, CReadCoordinationList* list) {
    DoSetFilterCoordination(nType, kLVCBType, lvcbTypeID, kRatedCurrent, ratedCurrent);
    return DoReadToList(list);
}

int CRSBreak_Coordination::DoReadByMotorCapacity(unsigned nType, double motorCapacity,
                                                 CReadCoordinationList* list) {
    DoSetFilterCoordination(nType, kMotorCapacity, motorCapacity);
    return DoReadToList(list);
}

std::string CRSBreak_Coordination::DoReadTypeName(int32_t typeID) {
    CInfoBase scratch;
    CRSBreak_Type rs(m_pDatabase);
    rs.DoReadByTypeID(typeID, &scratch, nullptr, 1);
    return scratch.m_strTypeName;
}

int CRSBreak_Coordination::DoReadSetTypeNames(fw::IComboBox* box, const int32_t& typeID) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int added = 0;
        int32_t previous = 0;
        while (!IsEOF()) {
            if (typeID != previous) {
                std::string name = DoReadTypeName(typeID);
                if (box && dorventa::DoAddBoxEntry(box, name, typeID))
                    ++added;
            }
            previous = typeID;
            MoveNext();
        }
        Close();
        return added;
    });
}

int CRSBreak_Coordination::DoReadSetThermalType(fw::IComboBox* box, unsigned nType) {
    DoSetFilterCoordination(nType);
    m_strSort = kOrdering;
    return DoReadSetTypeNames(box, m_lThermalTypeID);
}

int CRSBreak_Coordination::DoReadSetContactor(fw::IComboBox* box, unsigned nType) {
    DoSetFilterCoordination(nType);
    m_strSort = kTripCurrent;
    return DoReadSetTypeNames(box, m_lContactorTypeID);
}

int CRSBreak_Coordination::DoReadSetLVCBType(fw::IComboBox* box, unsigned nType) {
    DoSetFilterCoordination(nType);
    m_strSort = kRatedCurrent;
    return DoReadSetTypeNames(box, m_lLVCBTypeID);
}

int CRSBreak_Coordination::DoReadSetThermalRated(fw::IComboBox* box, unsigned nType,
                                                 int32_t thermalTypeID) {
    DoSetFilterCoordination(nType, kThermalType, thermalTypeID);
    m_strSort = kOrdering;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int added = 0;
        double previous = 0.0;
        while (!IsEOF()) {
            if (m_dOrdering != previous && box) {
                CReadCoordination setting;
                setting.m_dRangeMin = m_dRangeMin;
                setting.m_dRangeMax = m_dRangeMax;
                setting.m_dOrdering = m_dOrdering;
                // Ten times the setting current keeps its first decimal.
                if (dorventa::DoAddBoxEntry(box, setting.DoGetTextThermalRated(),
                                            static_cast<intptr_t>(m_dOrdering * 10.0)))
                    ++added;
            }
            previous = m_dOrdering;
            MoveNext();
        }
        Close();
        return added;
    });
}

int CRSBreak_Coordination::DoReadSetLVCBRated(fw::IComboBox* box, unsigned nType,
                                              int32_t lvcbTypeID) {
    DoSetFilterCoordination(nType, kLVCBType, lvcbTypeID);
    m_strSort = kRatedCurrent;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int added = 0;
        double previous = 0.0;
        while (!IsEOF()) {
            if (m_dRatedCurrent != previous && box &&
                AddWithoutData(box, DLLGetTextByBeams(m_dRatedCurrent, 0)))
                ++added;
            previous = m_dRatedCurrent;
            MoveNext();
        }
        Close();
        return added;
    });
}

int CRSBreak_Coordination::DoReadSetMotorCapacity(fw::IComboBox* box, unsigned nType) {
    DoSetFilterCoordination(nType);
    m_strSort = kMotorCapacity;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int added = 0;
        while (!IsEOF()) {
            if (box && AddWithoutData(box, DLLGetTextByBeams(m_dP, 0)))
                ++added;
            MoveNext();
        }
        Close();
        return added;
    });
}
