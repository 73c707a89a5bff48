#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoPart;
class CReadDial;

// The multiplier-time dial values of the dial characters: fixed values or ranges,
// in the order of their fixed value.
class CRSDial_MagniTime : public fw::CRecordset {
public:
    explicit CRSDial_MagniTime(fw::CDatabase* database = nullptr);

    int32_t m_lMagniTimeID = 0;
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

    // Fixed dial values into the dial and the box; the default into the
    // settings with init 1. The dial and the setting are always reset.
    int32_t DoReadSetDefaultFixed(fw::IComboBox* box, int32_t dialCharID, CReadDial* dial,
                                  CInfoPart* settings, int init);
    int32_t DoReadRangeFixedByID(int32_t dialCharID, double value, CReadDial* dial);
    // A continuous range expanded, its default taken with init 1.
    int32_t DoReadSetDefaultContinue(fw::IComboBox* box, int32_t dialCharID, CReadDial* dial,
                                     CInfoPart* settings, int init);
    int32_t DoReadRangeContinueByID(int32_t dialCharID, CReadDial* dial);

protected:
    // "[lDialCharID] = " owner, when above 0.
    void DoSetFilterDial(int32_t dialCharID);

private:
    static void DoInitToInfoPart(CInfoPart* settings);
    void DoCopyToInfoPart(CInfoPart* settings, int kind) const;
};
