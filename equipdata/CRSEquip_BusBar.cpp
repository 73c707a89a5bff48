#include "equipdata/CRSEquip_BusBar.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_BusBar::CRSEquip_BusBar(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_BusBar::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lBusBarID]", m_lBusBarID);
    fx.Bool("[bIsDefaultW]", m_bIsDefaultW);
    fx.Short("[nWidth]", m_nWidth);
    fx.Bool("[bIsDefaultT]", m_bIsDefaultT);
    fx.Short("[nThickness]", m_nThickness);
    fx.Bool("[bIsDefaultN]", m_bIsDefaultN);
    fx.Short("[nNumber]", m_nNumber);
    fx.Double("[ddm]", m_ddm);
    fx.Double("[dSkinEffect]", m_dSkinEffect);
    fx.Double("[dCuIzPainted]", m_dCuIzPainted);
    fx.Double("[dCuIzBare]", m_dCuIzBare);
    fx.Double("[dAlIzPainted]", m_dAlIzPainted);
    fx.Double("[dAlIzBare]", m_dAlIzBare);
    fx.Double("[dk3Painted]", m_dk3Painted);
    fx.Double("[dk3Bare]", m_dk3Bare);
    fx.Double("[dProximityk4]", m_dProximityk4);
}

std::string CRSEquip_BusBar::GetTableOrder() const {
    // Table order: the lists merge only neighbouring repeats.
    return "[lBusBarID]";
}

void CRSEquip_BusBar::SetFilterByLimit(int width, double minWidth, double minThickness) {
    ClearFilter();
    if (width > 0)
        AddFilterTerm("[nWidth]", "=", int64_t{width});
    if (minWidth > 0)
        AddFilterTerm("[nWidth]", ">=", equipwalk::CutToWhole(minWidth).value_or(INT32_MAX));
    if (minThickness > 0)
        AddFilterTerm("[nThickness]",
                      ">=", equipwalk::CutToWhole(minThickness).value_or(INT32_MAX));
}

void CRSEquip_BusBar::SetFilterByValue(double width, double thickness, double number) {
    ClearFilter();
    if (width > 0)
        AddFilterTerm("[nWidth]", "=", static_cast<int64_t>(width));
    if (thickness > 0)
        AddFilterTerm("[nThickness]", "=", static_cast<int64_t>(thickness));
    if (number > 0)
        AddFilterTerm("[nNumber]", "=", static_cast<int64_t>(number));
}

int CRSEquip_BusBar::FillList(fw::IComboBox* box, const int16_t& key, int keyIndex,
                              const int32_t& flag, double minKey) {
    try {
        Open();
        int result = 0;
        int previous = 0;
        while (!IsEOF()) {
            if (!IsFieldNull(keyIndex)) {
                int value = key;
                bool listed = value != previous && !(value < minKey);
                previous = value;
                if (listed) {
                    std::string text = std::to_string(value);
                    if (box) {
                        int index = box->AddString(text);
                        if (equipwalk::Refused(index))
                            return 0;
                        box->SetItemData(index, value);
                    }
                    if (flag == 1) {
                        result = value;
                        if (!box)
                            break;
                        equipwalk::SelectText(*box, text);
                    }
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

int CRSEquip_BusBar::DoReadSetDefaultWidth(fw::IComboBox* box, double minWidth) {
    SetFilterByLimit(0, minWidth, 0);
    return FillList(box, m_nWidth, 2, m_bIsDefaultW, -INFINITY);
}

int CRSEquip_BusBar::DoReadSetDefaultThickness(fw::IComboBox* box, int width, double minThickness) {
    SetFilterByLimit(width, 0, minThickness);
    return FillList(box, m_nThickness, 4, m_bIsDefaultT, -INFINITY);
}

int CRSEquip_BusBar::DoReadSetDefaultNumber(fw::IComboBox* box, int width, int thickness,
                                            double minNumber) {
    SetFilterByValue(width, thickness, 0);
    return FillList(box, m_nNumber, 6, m_bIsDefaultN, minNumber);
}

template <class Take> int32_t CRSEquip_BusBar::ReadLastMatch(Take take) {
    try {
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            take();
            result = m_lBusBarID;
            MoveNext();
        }
        Close();
        return result;
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, GetDefaultSQL());
        return 0;
    }
}

int32_t CRSEquip_BusBar::DoReadByDefault(int* width, int* thickness, int* number) {
    // Only the three default flags decide: a filter left from an earlier
    // lookup on this object must not narrow the default.
    ClearFilter();
    AddFilterTerm("[bIsDefaultW]", "=", int64_t{1});
    AddFilterTerm("[bIsDefaultT]", "=", int64_t{1});
    AddFilterTerm("[bIsDefaultN]", "=", int64_t{1});
    return ReadLastMatch([&] {
        Put(width, equipwalk::WholeOrZero(*this, 2, m_nWidth));
        Put(thickness, equipwalk::WholeOrZero(*this, 4, m_nThickness));
        Put(number, equipwalk::WholeOrZero(*this, 6, m_nNumber));
    });
}

int32_t CRSEquip_BusBar::DoReadZByValues(unsigned width, unsigned thickness, unsigned number,
                                         double* skinEffect, double* ddm) {
    SetFilterByValue(width, thickness, number);
    return ReadLastMatch([&] {
        Put(skinEffect, ValueOrNoData(8, m_dSkinEffect));
        Put(ddm, ValueOrNoData(7, m_ddm));
    });
}

int32_t CRSEquip_BusBar::DoReadIByValues(unsigned width, unsigned thickness, unsigned number,
                                         double* ddm, double* cuIzPainted, double* cuIzBare,
                                         double* alIzPainted, double* alIzBare, double* k3Painted,
                                         double* k3Bare, double* proximityK4) {
    SetFilterByValue(width, thickness, number);
    return ReadLastMatch([&] {
        Put(ddm, ValueOrNoData(7, m_ddm));
        Put(cuIzPainted, ValueOrNoData(9, m_dCuIzPainted));
        Put(cuIzBare, ValueOrNoData(10, m_dCuIzBare));
        Put(alIzPainted, ValueOrNoData(11, m_dAlIzPainted));
        Put(alIzBare, ValueOrNoData(12, m_dAlIzBare));
        Put(k3Painted, ValueOrNoData(13, m_dk3Painted));
        Put(k3Bare, ValueOrNoData(14, m_dk3Bare));
        Put(proximityK4, ValueOrNoData(15, m_dProximityk4));
    });
}
