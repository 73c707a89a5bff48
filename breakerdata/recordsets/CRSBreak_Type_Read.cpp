// Reading the types (with their information rows) into a selection and the
// type reference.

#include "breakerdata/recordsets/CRSBreak_Type.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSBreak_Type::DoInitToInfoBase(CInfoBase* selection) {
    if (!selection)
        return;
    // The maker and group names stay: only the ids belong to the type row.
    selection->m_lManufactureID = 0;
    selection->m_lGroupID = 0;
    selection->m_lTypeID = 0;
    selection->m_strTypeName.clear();
}

void CRSBreak_Type::DoCopyToInfoBase(CInfoBase* selection) const {
    if (!selection)
        return;
    selection->m_lManufactureID = m_lManufactureID;
    selection->m_lGroupID = m_lGroupID;
    selection->m_lTypeID = m_lTypeID;
    selection->m_strTypeName = m_sTypeName;
}

void CRSBreak_Type::DoInitToReadBase(CReadBase* reference) {
    if (!reference)
        return;
    reference->m_strOpeKindTitle.clear();
    reference->m_strSeriesName.clear();
    reference->m_strOldNew.clear();
    reference->m_strNotes.clear();
    reference->m_bCanUseCT = 0;
    reference->m_bCanUseCC = 0;
    reference->m_nOrder = 0;
    reference->m_strTemperature.clear();
    reference->m_strCategory.clear();
    reference->m_strTripDevice.clear();
}

void CRSBreak_Type::DoCopyToReadBase(CReadBase* reference) const {
    if (!reference)
        return;
    reference->m_strOpeKindTitle = m_sOpeKindTitle;
    reference->m_strSeriesName = m_sSeriesName;
    reference->m_strOldNew = m_sOldNew;
    reference->m_strNotes = m_sNotes;
    reference->m_bCanUseCT = m_bCanUseCT;
    reference->m_bCanUseCC = m_bCanUseCC;
    reference->m_nOrder = m_nOrder;
    reference->m_strTemperature = m_sTemperature;
    reference->m_strCategory = m_sCategory;
    reference->m_strTripDevice = m_sTripDevice;
}

int CRSBreak_Type::DoReadByTypeID(int32_t typeID, CInfoBase* selection, CReadBase* reference,
                                  int init) {
    DoSetFilterType(0, 0, typeID);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        if (init == 1) {
            DoInitToInfoBase(selection);
            DoInitToReadBase(reference);
        }
        int count = 0;
        while (!IsEOF()) {
            DoCopyToInfoBase(selection);
            DoCopyToReadBase(reference);
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}

int32_t CRSBreak_Type::DoReadByTypeName(const std::string& typeName, CInfoBase* selection,
                                        CReadBase* reference, int init) {
    DoSetFilterTypeName(typeName);
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        if (init == 1) {
            DoInitToInfoBase(selection);
            DoInitToReadBase(reference);
        }
        int32_t result = 0;
        while (!IsEOF()) {
            DoCopyToInfoBase(selection);
            DoCopyToReadBase(reference);
            result = m_lTypeID;
            MoveNext();
        }
        Close();
        return result;
    });
}

int32_t CRSBreak_Type::DoReadSetDefaultET(fw::IComboBox* box, int32_t manufactureID,
                                          int32_t groupID, CInfoBase* selection,
                                          CReadBase* reference, int init) {
    DoSetFilterType(manufactureID, groupID, 0);
    m_strSort = "[nOrder],[nSubOrder]";
    return dorventa::DoFillDefaultRows(
        *this, box, init, false,
        [&] {
            DoInitToInfoBase(selection);
            DoInitToReadBase(reference);
        },
        m_sTypeName, m_lTypeID, m_bIsDefault,
        [&] {
            DoCopyToInfoBase(selection);
            DoCopyToReadBase(reference);
        });
}
