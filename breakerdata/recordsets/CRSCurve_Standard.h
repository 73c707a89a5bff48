#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CReadCurve;
class CReadCurveList;

// The standard curves of the dial characters (each naming a curve header of
// the curve database), in table order.
class CRSCurve_Standard : public fw::CRecordset {
public:
    explicit CRSCurve_Standard(fw::CDatabase* database = nullptr);

    int32_t m_lStandardID = 0;
    int32_t m_lCurveHeaderID = 0;
    int32_t m_lDialCharID = 0;
    int32_t m_lStdVoltage2 = 0;
    double m_dPairTime = 0.0;
    int16_t m_nLineKind = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Appends one curve per standard-curve row of the dial character; the
    // count.
    int DoReadByDialCharID(int32_t dialCharID, CReadCurveList* curves);

protected:
    // "[lDialCharID] = " dial character, when above 0.
    void DoSetFilterStandard(int32_t dialCharID);

private:
    void DoCopyToReadCurve(CReadCurve* curve) const;
};
