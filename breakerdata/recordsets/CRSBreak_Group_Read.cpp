// Reading the groups of a maker into a selection.

#include "breakerdata/recordsets/CRSBreak_Group.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSBreak_Group::DoInitToInfoBase(CInfoBase* selection) {
    if (!selection)
        return;
    selection->m_nKindFlag = 0;
    selection->m_nLVCBCode = 0;
    selection->m_lGroupID = 0;
    selection->m_strGroupName.clear();
}

void CRSBreak_Group::DoCopyToInfoBase(CInfoBase* selection) const {
    if (!selection)
        return;
    selection->m_nKindFlag = m_nKindFlag;
    selection->m_nLVCBCode = m_nLVCBCode;
    selection->m_lGroupID = m_lGroupID;
    selection->m_strGroupName = m_sGroupName;
}

int CRSBreak_Group::DoReadByManuGroupID(int32_t manufactureID, int32_t groupID,
                                        CInfoBase* selection) {
    DoSetFilterGroup(manufactureID, 0, groupID, 0);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        DoInitToInfoBase(selection);
        int count = 0;
        while (!IsEOF()) {
            DoCopyToInfoBase(selection);
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}

int32_t CRSBreak_Group::DoReadSetDefaultEG(fw::IComboBox* box, int32_t manufactureID, int kindFlag,
                                           CInfoBase* selection, int init) {
    DoSetFilterGroup(manufactureID, kindFlag, 0, 0);
    return dorventa::DoFillDefaultRows(
        *this, box, init, false, [&] { DoInitToInfoBase(selection); }, m_sGroupName, m_lGroupID,
        m_bIsDefault, [&] { DoCopyToInfoBase(selection); });
}

int32_t CRSBreak_Group::DoReadGetGroupID(int32_t manufactureID, int kindFlag, int lvcbCode,
                                         std::string& groupName) {
    DoSetFilterGroup(manufactureID, kindFlag, 0, lvcbCode);
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            groupName = m_sGroupName;
            result = m_lGroupID;
            MoveNext();
        }
        Close();
        return result;
    });
}
