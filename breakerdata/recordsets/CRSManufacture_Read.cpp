// Reading the makers into a selection.

#include "breakerdata/recordsets/CRSManufacture.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSManufacture::DoInitToInfoBase(CInfoBase* selection) {
    if (!selection)
        return;
    selection->m_lManufactureID = 0;
    selection->m_strManufactureName.clear();
}

void CRSManufacture::DoCopyToInfoBase(CInfoBase* selection) const {
    if (!selection)
        return;
    selection->m_lManufactureID = m_lManufactureID;
    selection->m_strManufactureName = m_sManuName;
}

int CRSManufacture::DoReadByManufactureID(int32_t manufactureID, CInfoBase* selection) {
    DoSetFilterManufacture(manufactureID);
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

int32_t CRSManufacture::DoReadSetDefaultM(fw::IComboBox* box, unsigned kindFlag,
                                          CInfoBase* selection, int init) {
    ClearFilter();
    // Relays, thermal relays and contactors are offered from the first maker
    // only; its default is still taken whoever it is.
    const bool onlyFirstMaker = kindFlag == 1 || kindFlag == 3 || kindFlag == 4;
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        if (init == 1)
            DoInitToInfoBase(selection);
        int32_t result = 0;
        while (!IsEOF()) {
            const bool listed = !onlyFirstMaker || m_lManufactureID == 1;
            if (box && listed && !dorventa::DoAddBoxEntry(box, m_sManuName, m_lManufactureID)) {
                Close();
                return 0;
            }
            if (m_bIsDefault == 1 && init == 1) {
                result = m_lManufactureID;
                DoCopyToInfoBase(selection);
                if (!box)
                    break;
                if (listed)
                    dorventa::DoSelectByText(box, m_sManuName);
                else
                    box->SetCurSel(fw::IComboBox::CB_ERR);
            }
            MoveNext();
        }
        Close();
        return result;
    });
}
