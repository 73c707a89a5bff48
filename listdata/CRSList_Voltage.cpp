#include "listdata/CRSList_Voltage.h"

#include "listdata/ListWalks.h"
#include "tools/Filvaron.h"

#include <string>

CRSList_Voltage::CRSList_Voltage(fw::CDatabase* database) : CQuenlorRecordset(database) {}

void CRSList_Voltage::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lVoltageID]", m_lVoltageID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Long("[lVoltage]", m_lVoltage);
}

void CRSList_Voltage::Open() {
    m_strSort = "[lVoltage], [lVoltageID]";
    CQuenlorRecordset::Open();
}

int32_t CRSList_Voltage::FillVoltages(fw::IComboBox* box, int32_t* voltage, int divisor) {
    // A divisor below 1 has no meaning here (the callers pass 1 or 1000):
    // refused before anything is read or divided.
    if (divisor < 1)
        return 0;
    try {
        ClearFilter();
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(2)) {
                std::string text = std::to_string(m_lVoltage / divisor);
                if (box) {
                    int index = box->AddString(text);
                    if (listwalk::Refused(index))
                        return 0;
                    box->SetItemData(index, m_lVoltageID);
                }
                if (m_bIsDefault == 1) {
                    listwalk::Put(voltage, m_lVoltage);
                    result = m_lVoltageID;
                    if (!box)
                        break;
                    listwalk::SelectText(*box, text);
                }
            }
            MoveNext();
        }
        Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0;
    }
}
