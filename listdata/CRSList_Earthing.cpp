#include "listdata/CRSList_Earthing.h"

#include "listdata/ListWalks.h"
#include "tools/Filvaron.h"

CRSList_Earthing::CRSList_Earthing(fw::CDatabase* database) : CQuenlorRecordset(database) {}

void CRSList_Earthing::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lEarthingID]", m_lEarthingID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Short("[nEarthCode]", m_nEarthCode);
    fx.Text("[sSystemName]", m_sSystemName);
}

std::string CRSList_Earthing::GetTableOrder() const {
    return "[lEarthingID]";
}

template <class Listed>
int32_t CRSList_Earthing::FillSystems(fw::IComboBox* box, unsigned* earthCode, Listed listed) {
    try {
        ClearFilter();
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            // A row without code or name cannot be offered.
            if (!IsFieldNull(2) && !IsFieldNull(3) && listed(m_nEarthCode)) {
                if (box) {
                    int index = box->AddString(m_sSystemName);
                    if (listwalk::Refused(index))
                        return 0;
                    box->SetItemData(index, m_nEarthCode);
                }
                if (m_bIsDefault == 1) {
                    listwalk::Put(earthCode, static_cast<unsigned>(m_nEarthCode));
                    result = m_lEarthingID;
                    if (!box)
                        break;
                    listwalk::SelectText(*box, m_sSystemName);
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

int32_t CRSList_Earthing::DoReadSetDefaultLE3(fw::IComboBox* box, unsigned* earthCode) {
    return FillSystems(box, earthCode, [](int code) { return code != 2; });
}

int32_t CRSList_Earthing::DoReadSetDefaultLE1(fw::IComboBox* box, unsigned* earthCode) {
    return FillSystems(box, earthCode, [](int code) { return code < 1 || code > 3; });
}

std::string CRSList_Earthing::DoReadByEarthCode(unsigned earthCode) {
    std::string name;
    try {
        ClearFilter();
        if (earthCode != 0)
            AddFilterTerm("[nEarthCode]", "=", int64_t{earthCode});
        Open();
        while (!IsEOF()) {
            if (!IsFieldNull(3))
                name = m_sSystemName;
            MoveNext();
        }
        Close();
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
    }
    return name;
}
