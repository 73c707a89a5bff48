#include "equipdata/CRSEquip_BusDuct.h"

#include "equipdata/EquipWalks.h"

#include <cmath>

using equipwalk::Put;

CRSEquip_BusDuct::CRSEquip_BusDuct(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_BusDuct::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lBusDuctID]", m_lBusDuctID);
    fx.Short("[nMaterial]", m_nMaterial);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Double("[dRatedCurrent]", m_dRatedCurrent);
    fx.Double("[dWidth]", m_dWidth);
    fx.Double("[dThickness]", m_dThickness);
    fx.Short("[nNumber]", m_nNumber);
    fx.Double("[dOhmR]", m_dOhmR);
    fx.Double("[dOhmX50]", m_dOhmX50);
    fx.Double("[dOhmX60]", m_dOhmX60);
}

void CRSEquip_BusDuct::Open() {
    m_strSort = "[dRatedCurrent], [lBusDuctID]";
    CSarquineRecordset::Open();
}

void CRSEquip_BusDuct::TakeValues(double frequency, double* width, double* thickness, int* number,
                                  double* ohmR, double* ohmX) const {
    Put(width, ValueOrNoData(4, m_dWidth));
    Put(thickness, ValueOrNoData(5, m_dThickness));
    Put(number, equipwalk::WholeOrZero(*this, 6, m_nNumber));
    Put(ohmR, ValueOrNoData(7, m_dOhmR));
    if (frequency == 50)
        Put(ohmX, ValueOrNoData(8, m_dOhmX50));
    else if (frequency == 60)
        Put(ohmX, ValueOrNoData(9, m_dOhmX60));
}

int32_t CRSEquip_BusDuct::DoReadSetDefaultBD(fw::IComboBox* box, double frequency,
                                             unsigned material, double minRated,
                                             double* ratedCurrent, double* width, double* thickness,
                                             int* number, double* ohmR, double* ohmX) {
    try {
        ClearFilter();
        AddFilterTerm("[nMaterial]", "=", int64_t{material});
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            bool listed = !IsFieldNull(3) && !(minRated > 0 && m_dRatedCurrent < minRated);
            if (listed) {
                std::string text = DLLGetTextByBeams(std::trunc(m_dRatedCurrent), 0);
                if (box) {
                    int index = box->AddString(text);
                    if (equipwalk::Refused(index))
                        return 0;
                    box->SetItemData(index, m_lBusDuctID);
                }
                if (m_bIsDefault == 1) {
                    Put(ratedCurrent, m_dRatedCurrent);
                    TakeValues(frequency, width, thickness, number, ohmR, ohmX);
                    result = m_lBusDuctID;
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
        return 0;
    }
}

int32_t CRSEquip_BusDuct::DoReadByValuesBD(double frequency, unsigned material, double ratedCurrent,
                                           double* width, double* thickness, int* number,
                                           double* ohmR, double* ohmX) {
    // A rating that is no whole number in range matches no row.
    auto rated = equipwalk::CutToWhole(ratedCurrent);
    if (!rated)
        return 0;
    try {
        ClearFilter();
        AddFilterTerm("[nMaterial]", "=", int64_t{material});
        AddFilterTerm("[dRatedCurrent]", "=", *rated);
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            TakeValues(frequency, width, thickness, number, ohmR, ohmX);
            result = m_lBusDuctID;
            MoveNext();
        }
        Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0;
    }
}
