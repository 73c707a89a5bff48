#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CReadCurve;

// The curve headers of the curve database: kind, standard values, ranges,
// formula and tolerances of each characteristic curve.
class CRSCurve_Header : public fw::CRecordset {
public:
    explicit CRSCurve_Header(fw::CDatabase* database = nullptr);

    int32_t m_lCurveHeaderID = 0;
    int32_t m_lManufactureID = 0;
    int32_t m_lGroupID = 0;
    std::string m_sCurveName;
    std::string m_sClassName;
    int16_t m_nCurveKind = 0;
    int16_t m_nSettingFlag = 0;
    double m_dStdCurrentValue = 0.0;
    double m_dStdTimeValue = 0.0;
    int32_t m_lStdVoltage = 0;
    int16_t m_nGraphFlag = 0;
    double m_dXMinimum = 0.0;
    double m_dXWidth = 0.0;
    double m_dXMaximum = 0.0;
    double m_dYMinimum = 0.0;
    double m_dYWidth = 0.0;
    double m_dYMaximum = 0.0;
    int32_t m_bSaveFormula = 0;
    std::string m_sFormula;
    double m_dCurrentMini = 0.0;
    double m_dCurrentMax = 0.0;
    double m_dInterval = 0.0;
    int32_t m_bUseLogInput = 0;
    int16_t m_nMaxPointValue = 0;
    int32_t m_bUseTimeClip = 0;
    double m_dClipTimeMini = 0.0;
    double m_dClipTimeMax = 0.0;
    double m_dSaturationTime = 0.0;
    double m_dXErrorPlus = 0.0;
    double m_dXErrorMinus = 0.0;
    double m_dYErrorPlus = 0.0;
    double m_dYErrorMinus = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Copies the header of the id into the curve (null: only counted);
    // returns the row count.
    int DoReadByCurveHeaderID(int32_t curveHeaderID, CReadCurve* curve);

private:
    void DoSetFilterCH(int32_t curveHeaderID);
    void DoCopyToReadCurve(CReadCurve* curve) const;
};
