#include "equipdata/CRSEquip_Generator.h"

#include "equipdata/EquipWalks.h"

using equipwalk::Put;

CRSEquip_Generator::CRSEquip_Generator(fw::CDatabase* database) : CSarquineRecordset(database) {}

void CRSEquip_Generator::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lGeneratorID]", m_lGeneratorID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Long("[lCapacity]", m_lCapacity);
    fx.Double("[dReactance]", m_dReactance);
    fx.Double("[dSubReactance]", m_dSubReactance);
    fx.Double("[dConstant]", m_dConstant);
    fx.Double("[dSubConstant]", m_dSubConstant);
}

std::string CRSEquip_Generator::GetTableOrder() const {
    return equipwalk::KeyOrder("[lCapacity]", "[lGeneratorID]");
}

int32_t CRSEquip_Generator::DoReadByCapacityG(double capacity, double* reactance,
                                              double* subReactance, double* constant,
                                              double* subConstant) {
    return equipwalk::ReadFirstAtOrAbove(*this, capacity, 2, m_lCapacity, m_lGeneratorID, [&] {
        Put(reactance, ValueOrNoData(3, m_dReactance));
        Put(subReactance, ValueOrNoData(4, m_dSubReactance));
        Put(constant, ValueOrNoData(5, m_dConstant));
        Put(subConstant, ValueOrNoData(6, m_dSubConstant));
    });
}

int32_t CRSEquip_Generator::DoReadSetDefaultG(fw::IComboBox* box, double* capacity,
                                              double* reactance, double* subReactance,
                                              double* constant, double* subConstant) {
    return equipwalk::FillByCapacity(*this, box, 2, m_lCapacity, m_bIsDefault, m_lGeneratorID, [&] {
        Put(capacity, static_cast<double>(m_lCapacity));
        Put(reactance, ValueOrNoData(3, m_dReactance));
        Put(subReactance, ValueOrNoData(4, m_dSubReactance));
        Put(constant, ValueOrNoData(5, m_dConstant));
        Put(subConstant, ValueOrNoData(6, m_dSubConstant));
    });
}
