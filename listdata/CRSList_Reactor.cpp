#include "listdata/CRSList_Reactor.h"

#include "listdata/ListWalks.h"
#include "tools/Filvaron.h"

CRSList_Reactor::CRSList_Reactor(fw::CDatabase* database) : CQuenlorRecordset(database) {}

void CRSList_Reactor::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lReactorID]", m_lReactorID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Double("[dReactor]", m_dReactor);
}

std::string CRSList_Reactor::GetTableOrder() const {
    return "[lReactorID]";
}

int32_t CRSList_Reactor::DoReadSetDefaultLR(fw::IComboBox* box, double* reactor) {
    try {
        ClearFilter();
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(2)) {
                std::string text = DLLGetTextByBeams(m_dReactor, 0);
                if (box) {
                    int index = box->AddString(text);
                    if (listwalk::Refused(index))
                        return 0;
                    box->SetItemData(index, m_lReactorID);
                }
                if (m_bIsDefault == 1) {
                    listwalk::Put(reactor, m_dReactor);
                    result = m_lReactorID;
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
