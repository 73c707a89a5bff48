#include "breakerdata/model/COneCurve.h"

#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CReadPart.h"

namespace {

// With an undetermined time, a fixed time dial selects the curves drawn for
// its setting, and a continuous one selects none.
bool PassesTimeFilter(const CReadCurve& curve, const CInfoPart& setting, const CReadPart& part) {
    if (part.m_bIsNoneSadamu != 1)
        return true;
    if (part.m_dialTime.m_nKind == 2)
        return curve.m_dPairTime == setting.m_dTime;
    if (part.m_dialTime.m_nKind == 3)
        return false;
    return true;
}

} // namespace

void COneCurve::DoCalcSetInstValue(int pointType, const CReadCurve& curve, const CInfoBase& info,
                                   const CReadBase& base, const CInfoPart& setting,
                                   const CReadPart& part) {
    double v = curve.m_dInstX;
    // Unlike the points, a tolerance of 0 does not take part here.
    if (pointType == 1 && curve.m_dXErrorPlus > 0)
        v = v + v * curve.m_dXErrorPlus / 100;
    else if (pointType == 3 && curve.m_dXErrorMinus > 0)
        v = v - v * curve.m_dXErrorMinus / 100;
    CdPoint scaled(v, 0.0);
    if (curve.m_nSettingFlag == 1)
        scaled.DoCalcSetMultiple(v, curve, info, base, setting, part);
    else if (curve.m_nSettingFlag == 2)
        scaled.DoCalcSetCurrent(v, curve, info, base, setting, part);
    m_dInstValue = scaled.m_dX;
}

COneCurve* COneCurveList::DoAddNewOneCurve() {
    return AddNew();
}

void COneCurveList::DoCopyAllOneCurves(const COneCurveList& other) {
    CopyFrom(other);
}

void COneCurveList::DoDeleteAllOneCurves() {
    DeleteAll();
}

int COneCurveList::DoCalcSetAllOneCurves(unsigned kind, const CInfoBase& info,
                                         const CReadBase& base, const CInfoPart& setting,
                                         const CReadPart& part, double offset) {
    int added = 0;
    for (const auto& curve : part.m_listReadCurve) {
        if (static_cast<unsigned>(curve->m_nCurveKind) != kind)
            continue;
        if (!PassesTimeFilter(*curve, setting, part) || curve->m_bSaveFormula != 0)
            continue;
        COneCurve* one = DoAddNewOneCurve();
        const int pointType = static_cast<int>(kind);
        one->m_listPoint.DoCalcSetAllPoints(pointType, *curve, info, base, setting, part, offset);
        one->m_dSaturation = offset + curve->m_dSaturationTime;
        one->DoCalcSetInstValue(pointType, *curve, info, base, setting, part);
        added = 1;
    }
    return added;
}

int COneCurveList::DoCalcSetErrorCurves(int bandType, const CInfoBase& info, const CReadBase& base,
                                        const CInfoPart& setting, const CReadPart& part,
                                        const CInfoLine& line, double offset) {
    if (bandType != 1 && bandType != 3)
        return 0;
    for (const auto& curve : part.m_listReadCurve) {
        if (curve->m_dXErrorPlus < 0 && curve->m_dXErrorMinus < 0 && curve->m_dYErrorPlus < 0 &&
            curve->m_dYErrorMinus < 0)
            continue;
        if (curve->m_nCurveKind != 2 || !PassesTimeFilter(*curve, setting, part))
            continue;
        // Without the band flag the band curves are the typical one (type 2
        // applies no tolerance).
        int pointType = line.m_nBandFlag == 1 ? bandType : 2;
        COneCurve* one = DoAddNewOneCurve();
        one->m_listPoint.DoCalcSetAllPoints(pointType, *curve, info, base, setting, part, offset);
        // The saturation level moves with the band's time tolerance, whatever
        // the band flag; a negative tolerance means that none is given, as
        // for the points.
        double d = offset + curve->m_dSaturationTime;
        if (curve->m_dSaturationTime > 0) {
            if (bandType == 1 && curve->m_dYErrorPlus >= 0)
                d = d + d * curve->m_dYErrorPlus / 100;
            else if (bandType == 3 && curve->m_dYErrorMinus >= 0)
                d = d - d * curve->m_dYErrorMinus / 100;
        }
        one->m_dSaturation = d;
        one->DoCalcSetInstValue(pointType, *curve, info, base, setting, part);
        return 1;
    }
    return 0;
}
