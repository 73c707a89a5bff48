#include "equipdata/CRSEquip_WireC.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_WireC::CRSEquip_WireC(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_WireC::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lWireCID]", m_lWireCID);
    fx.Short("[nCircuitNumber]", m_nCircuitNumber);
    fx.Double("[dFactorE]", m_dFactorE);
    fx.Double("[dFactorF]", m_dFactorF);
    fx.Double("[dFactorG]", m_dFactorG);
}

std::string CRSEquip_WireC::GetTableOrder() const {
    return "[lWireCID]";
}

int32_t CRSEquip_WireC::DoReadByNumber(int circuits, double* factorE, double* factorF,
                                       double* factorG) {
    try {
        ClearFilter();
        AddFilterTerm("[nCircuitNumber]", "=", int64_t{circuits});
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            Put(factorE, ValueOrNoData(2, m_dFactorE));
            Put(factorF, ValueOrNoData(3, m_dFactorF));
            Put(factorG, ValueOrNoData(4, m_dFactorG));
            result = m_lWireCID;
            MoveNext();
        }
        Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0;
    }
}
