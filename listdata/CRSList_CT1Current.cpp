#include "listdata/CRSList_CT1Current.h"

#include "listdata/ListWalks.h"
#include "tools/Filvaron.h"

#include <string>

CRSList_CT1Current::CRSList_CT1Current(fw::CDatabase* database) : CQuenlorRecordset(database) {}

void CRSList_CT1Current::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lCurrentID]", m_lCurrentID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Short("[nCT1Current]", m_nCT1Current);
}

void CRSList_CT1Current::Open() {
    m_strSort = "[nCT1Current], [lCurrentID]";
    CQuenlorRecordset::Open();
}

int CRSList_CT1Current::DoReadSetDefaultLC(fw::IComboBox* box, int* current) {
    try {
        ClearFilter();
        Open();
        int walked = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(2)) {
                std::string text = std::to_string(m_nCT1Current);
                if (box) {
                    int index = box->AddString(text);
                    if (listwalk::Refused(index))
                        return 0;
                    box->SetItemData(index, m_nCT1Current);
                }
                if (m_bIsDefault == 1) {
                    listwalk::Put(current, static_cast<int>(m_nCT1Current));
                    if (!box)
                        break;
                    listwalk::SelectText(*box, text);
                }
            }
            ++walked;
            MoveNext();
        }
        Close();
        return walked;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0;
    }
}
