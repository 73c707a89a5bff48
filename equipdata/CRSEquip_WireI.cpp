#include "equipdata/CRSEquip_WireI.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_WireI::CRSEquip_WireI(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_WireI::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lWireIID]", m_lWireIID);
    fx.Short("[nInsulation]", m_nInsulation);
    fx.Short("[nMethod]", m_nMethod);
    fx.Long("[nMaterial]", m_nMaterial);
    fx.Double("[dCoreSize]", m_dCoreSize);
    fx.Double("[dA]", m_dA);
    fx.Double("[dm]", m_dm);
    fx.Double("[dB]", m_dB);
    fx.Double("[dn]", m_dn);
}

std::string CRSEquip_WireI::GetTableOrder() const {
    return "[dCoreSize], [lWireIID]";
}

int32_t CRSEquip_WireI::DoReadByValuesWI(int insulation, int method, int material, double coreSize,
                                         double minSize, double maxSize, double* A, double* m,
                                         double* B, double* n) {
    if (minSize > coreSize)
        return 0;
    try {
        ClearFilter();
        if (insulation > 0)
            AddFilterTerm("[nInsulation]", "=", int64_t{insulation});
        if (method > 0)
            AddFilterTerm("[nMethod]", "=", int64_t{method});
        if (material > 0)
            AddFilterTerm("[nMaterial]", "=", int64_t{material});
        if (minSize > 0)
            AddFilterTerm("[dCoreSize]", ">=", minSize);
        if (maxSize > 0)
            AddFilterTerm("[dCoreSize]", "<=", maxSize);
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(4)) {
                Put(A, ValueOrNoData(5, m_dA));
                Put(m, ValueOrNoData(6, m_dm));
                Put(B, ValueOrNoData(7, m_dB));
                Put(n, ValueOrNoData(8, m_dn));
                result = m_lWireIID;
                if (m_dCoreSize >= coreSize)
                    break;
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
