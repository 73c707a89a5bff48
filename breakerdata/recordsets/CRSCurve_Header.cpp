#include "breakerdata/recordsets/CRSCurve_Header.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

#include "breakerdata/model/CReadCurve.h"

CRSCurve_Header::CRSCurve_Header(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSCurve_Header::GetDefaultDBName() const {
    return dorventa::GetPathMDBOrbelune();
}

std::string CRSCurve_Header::GetDefaultSQL() const {
    return "[Curve_Header]";
}

void CRSCurve_Header::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lCurveHeaderID]", m_lCurveHeaderID);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Text("[sCurveName]", m_sCurveName);
    fx.Text("[sClassName]", m_sClassName);
    fx.Short("[nCurveKind]", m_nCurveKind);
    fx.Short("[nSettingFlag]", m_nSettingFlag);
    fx.Double("[dStdCurrentValue]", m_dStdCurrentValue);
    fx.Double("[dStdTimeValue]", m_dStdTimeValue);
    fx.Long("[lStdVoltage]", m_lStdVoltage);
    fx.Short("[nGraphFlag]", m_nGraphFlag);
    fx.Double("[dXMinimum]", m_dXMinimum);
    fx.Double("[dXWidth]", m_dXWidth);
    fx.Double("[dXMaximum]", m_dXMaximum);
    fx.Double("[dYMinimum]", m_dYMinimum);
    fx.Double("[dYWidth]", m_dYWidth);
    fx.Double("[dYMaximum]", m_dYMaximum);
    fx.Bool("[bSaveFormula]", m_bSaveFormula);
    fx.Text("[sFormula]", m_sFormula);
    fx.Double("[dCurrentMini]", m_dCurrentMini);
    fx.Double("[dCurrentMax]", m_dCurrentMax);
    fx.Double("[dInterval]", m_dInterval);
    fx.Bool("[bUseLogInput]", m_bUseLogInput);
    fx.Short("[nMaxPointValue]", m_nMaxPointValue);
    fx.Bool("[bUseTimeClip]", m_bUseTimeClip);
    fx.Double("[dClipTimeMini]", m_dClipTimeMini);
    fx.Double("[dClipTimeMax]", m_dClipTimeMax);
    fx.Double("[dSaturationTime]", m_dSaturationTime);
    fx.Double("[dXErrorPlus]", m_dXErrorPlus);
    fx.Double("[dXErrorMinus]", m_dXErrorMinus);
    fx.Double("[dYErrorPlus]", m_dYErrorPlus);
    fx.Double("[dYErrorMinus]", m_dYErrorMinus);
}

std::string CRSCurve_Header::GetTableOrder() const {
    return "[Curve_Header].rowid";
}

void CRSCurve_Header::DoSetFilterCH(int32_t curveHeaderID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lCurveHeaderID]", curveHeaderID);
}

// What the curve computation needs of a header; the graph ranges, names and
// maker are read but not copied.
void CRSCurve_Header::DoCopyToReadCurve(CReadCurve* curve) const {
    if (!curve)
        return;
    curve->m_nCurveKind = m_nCurveKind;
    curve->m_nSettingFlag = m_nSettingFlag;
    curve->m_dStdCurrent = m_dStdCurrentValue;
    curve->m_dStdTime = m_dStdTimeValue;
    curve->m_lStdVoltage = m_lStdVoltage;
    curve->m_bSaveFormula = m_bSaveFormula;
    curve->m_strFormula = m_sFormula;
    curve->m_dCurrentMini = m_dCurrentMini;
    curve->m_dCurrentMax = m_dCurrentMax;
    curve->m_dInterval = m_dInterval;
    curve->m_bUseLogInput = m_bUseLogInput;
    curve->m_nMaxPointValue = m_nMaxPointValue;
    curve->m_bUseTimeClip = m_bUseTimeClip;
    curve->m_dClipTimeMini = m_dClipTimeMini;
    curve->m_dClipTimeMax = m_dClipTimeMax;
    curve->m_dSaturationTime = m_dSaturationTime;
    curve->m_dXErrorPlus = m_dXErrorPlus;
    curve->m_dXErrorMinus = m_dXErrorMinus;
    curve->m_dYErrorPlus = m_dYErrorPlus;
    curve->m_dYErrorMinus = m_dYErrorMinus;
}

int CRSCurve_Header::DoReadByCurveHeaderID(int32_t curveHeaderID, CReadCurve* curve) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int count = 0;
        DoSetFilterCH(curveHeaderID);
        Open();
        while (!IsEOF()) {
            DoCopyToReadCurve(curve);
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
