#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The multiplier-current dial values of the dial characters: fixed values or ranges,
// in the order of their fixed value.
class CRSDial_MagniCurrent : public fw::CRecordset {
public:
    explicit CRSDial_MagniCurrent(fw::CDatabase* database = nullptr);

    int32_t m_lMagniCurrentID = 0;
    int32_t m_lDialCharID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sFixedName;
    double m_dFixedValue = 0.0;
    double m_dContiDefValue = 0.0;
    double m_dContiMiniValue = 0.0;
    double m_dContiWidthValue = 0.0;
    double m_dContiMaxValue = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

protected:
    // "[lDialCharID] = " owner, when above 0.
    void DoSetFilterDial(int32_t dialCharID);
};
