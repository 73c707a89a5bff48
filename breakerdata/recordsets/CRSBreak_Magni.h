#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;
class CReadDial;

// The multipliers of the operating kinds: fixed values or ranges,
// in the order of their fixed value.
class CRSBreak_Magni : public fw::CRecordset {
public:
    explicit CRSBreak_Magni(fw::CDatabase* database = nullptr);

    int32_t m_lBreakMagniID = 0;
    int32_t m_lOpeKindID = 0;
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

    // Fixed multipliers into the dial and the box, the default into the
    // selection with init 1.
    int32_t DoReadSetDefaultFixed(fw::IComboBox* box, int32_t opeKindID, CReadDial* dial,
                                  CInfoBase* selection, int init);
    int32_t DoReadRangeFixedByID(int32_t opeKindID, double value, CReadDial* dial);
    // A continuous multiplier range expanded, its default taken with init 1.
    int32_t DoReadSetDefaultContinue(fw::IComboBox* box, int32_t opeKindID, CReadDial* dial,
                                     CInfoBase* selection, int init);
    int32_t DoReadRangeContinueByID(int32_t opeKindID, CReadDial* dial);

protected:
    // "[lOpeKindID] = " owner, when above 0.
    void DoSetFilterMagni(int32_t opeKindID);

private:
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection, int kind) const;
};
