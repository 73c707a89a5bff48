#include "equipdata/CRSEquip_WireZ.h"

#include "equipdata/EquipWalks.h"
#include "tools/Filvaron.h"

using equipwalk::Put;

CRSEquip_WireZ::CRSEquip_WireZ(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_WireZ::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lWireZID]", m_lWireZID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Double("[dCoreSize]", m_dCoreSize);
    fx.Double("[dCoefficient]", m_dCoefficient);
    fx.Double("[dThickness]", m_dThickness);
    fx.Double("[dOutsideDe]", m_dOutsideDe);
}

std::string CRSEquip_WireZ::GetTableOrder() const {
    return "[dCoreSize], [lWireZID]";
}

void CRSEquip_WireZ::SetFilterByRange(double minSize, double maxSize) {
    ClearFilter();
    if (minSize > 0)
        AddFilterTerm("[dCoreSize]", ">=", minSize);
    if (maxSize > 0)
        AddFilterTerm("[dCoreSize]", "<=", maxSize);
}

void CRSEquip_WireZ::TakeValues(double* coefficient, double* thickness, double* outsideDe) const {
    Put(coefficient, ValueOrNoData(3, m_dCoefficient));
    Put(thickness, ValueOrNoData(4, m_dThickness));
    Put(outsideDe, ValueOrNoData(5, m_dOutsideDe));
}

int32_t CRSEquip_WireZ::DoReadByCoreSize(double coreSize, double minSize, double maxSize,
                                         double* coefficient, double* thickness,
                                         double* outsideDe) {
    if (minSize > coreSize)
        return 0;
    try {
        SetFilterByRange(minSize, maxSize);
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(2)) {
                TakeValues(coefficient, thickness, outsideDe);
                result = m_lWireZID;
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

double CRSEquip_WireZ::DoReadSetDefaultWZ(fw::IComboBox* box, double minSize, double maxSize,
                                          double* coefficient, double* thickness,
                                          double* outsideDe) {
    try {
        SetFilterByRange(minSize, maxSize);
        Open();
        double result = 0.0;
        while (!IsEOF()) {
            if (!IsFieldNull(2)) {
                int decimals = DLLGetBeamsNumber(m_dCoreSize, 0);
                std::string text = DLLGetTextByBeams(m_dCoreSize, 0);
                if (box) {
                    int index = box->AddString(text);
                    if (equipwalk::Refused(index))
                        return 0.0;
                    box->SetItemData(index, decimals);
                }
                if (m_bIsDefault == 1) {
                    TakeValues(coefficient, thickness, outsideDe);
                    result = m_dCoreSize;
                    if (!box)
                        break;
                    equipwalk::SelectText(*box, text);
                }
            }
            MoveNext();
        }
        Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0.0;
    }
}
