#pragma once

#include "breakerdata/model/CdPointList.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw

// One characteristic curve of a trip element: the standard-curve row of the
// breaker database with the curve header and points of the curve database.
class CReadCurve {
public:
    // Header and points from the curve database; 1, or 0 (warned).
    int DoReadHeaderPoints(fw::CDatabase* curveDatabase);

    int32_t m_nCurveKind = 0;       // [nCurveKind]
    int32_t m_nSettingFlag = 0;     // [nSettingFlag]
    double m_dStdCurrent = 0.0;     // [dStdCurrentValue]
    double m_dStdTime = 0.0;        // [dStdTimeValue]
    int32_t m_lStdVoltage = 0;      // [lStdVoltage]
    int32_t m_lStdVoltage2 = 0;     // [lStdVoltage2]
    double m_dPairTime = 0.0;       // [dPairTime]
    int32_t m_lCurveHeaderID = 0;   // [lCurveHeaderID]
    int32_t m_bSaveFormula = 0;     // [bSaveFormula]
    std::string m_strFormula;       // [sFormula]
    double m_dCurrentMini = 0.0;    // [dCurrentMini]
    double m_dCurrentMax = 0.0;     // [dCurrentMax]
    double m_dInterval = 0.0;       // [dInterval]
    int32_t m_bUseLogInput = 0;     // [bUseLogInput]
    int32_t m_nMaxPointValue = 0;   // [nMaxPointValue]
    int32_t m_bUseTimeClip = 0;     // [bUseTimeClip]
    double m_dClipTimeMini = 0.0;   // [dClipTimeMini]
    double m_dClipTimeMax = 0.0;    // [dClipTimeMax]
    double m_dSaturationTime = 0.0; // [dSaturationTime]
    double m_dXErrorPlus = 0.0;     // tolerances in percent
    double m_dXErrorMinus = 0.0;
    double m_dYErrorPlus = 0.0;
    double m_dYErrorMinus = 0.0;
    int32_t m_nLineKind = 0; // [nLineKind]
    double m_dInstX = 0.0;   // X of the point marked as the instantaneous trip
    CdPointList m_listPoint; // the reference points, owned
};

class CReadCurveList : public COwnedList<CReadCurve> {
public:
    CReadCurve* DoAddNewReadCurve();
    void DoCopyAllReadCurves(const CReadCurveList& other);
    void DoDeleteAllReadCurves();

    // Header and points of every curve; the count, 0 at the first failure.
    int DoReadAllHeaderPoints(fw::CDatabase* curveDatabase);
};
