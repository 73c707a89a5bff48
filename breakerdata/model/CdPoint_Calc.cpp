// Scaling a reference point of a characteristic curve to the selected device.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/model/CdPoint.h"

namespace {

bool InUse(const CReadDial& dial) {
    return dial.m_nKind == 2 || dial.m_nKind == 3;
}

bool IsRatingKind(int kind) {
    return kind == 2 || kind == 3 || kind == 4;
}

// The factor of the current transformer and of the divisor. The transformer
// ratio is taken in whole numbers, as the stored currents are whole numbers
// (150/100 gives 1).
double CommonFactor(const CInfoBase& info) {
    double k = 1.0;
    if (info.m_bUseCT == 1 && info.m_nCT1Current > 0 && info.m_nCT2Current > 0)
        k = info.m_nCT1Current / info.m_nCT2Current;
    if (info.m_bUseDivisor == 1 && info.m_nDivisor > 0)
        k = k / info.m_nDivisor;
    return k;
}

} // namespace

void CdPoint::DoCalcSetCurrent(double x, const CReadCurve& curve, const CInfoBase& info,
                               const CReadBase& base, const CInfoPart& setting,
                               const CReadPart& part) {
    double k = CommonFactor(info);
    const double s = curve.m_dStdCurrent;
    if (s > 0)
        k = k / s;
    if (part.m_bIsLink == 1 && part.m_nLinkNumber == 0) {
        if (IsRatingKind(base.m_dialRated.m_nKind))
            k = k * info.m_dRatedValue;
    } else {
        k = k * s;
    }
    if (InUse(base.m_dialMagni))
        k = k * info.m_dMagniValue;
    if (InUse(part.m_dialCurrent)) {
        if (part.m_bIsCurrent == 1) {
            k = k * setting.m_dCurrent;
            const double r = base.m_dRatedValue;
            if (r > 0) {
                k = k / r;
                // Without a standard current k is already 0 (step 4): the
                // division by S / R would make it undefined.
                if (part.m_bIsLink != 1 && s != 0)
                    k = k / (s / r);
            }
        } else {
            k = k * setting.m_dCurrent / 100;
        }
    }
    if (InUse(part.m_dialMagniCurrent))
        k = k * setting.m_dMagniCurrent;
    m_dX = k * x * info.m_nVoltage;
}

void CdPoint::DoCalcSetMultiple(double x, const CReadCurve& curve, const CInfoBase& info,
                                const CReadBase& base, const CInfoPart& setting,
                                const CReadPart& part) {
    double k = CommonFactor(info);
    const double s = curve.m_dStdCurrent;
    if (s > 0)
        k = k * 100 / s;
    if (part.m_bIsLink == 1 && part.m_nLinkNumber == 0) {
        if (IsRatingKind(base.m_dialRated.m_nKind))
            k = k * info.m_dRatedValue / 100;
    } else {
        k = k * base.m_dRatedValue / 100;
    }
    if (InUse(base.m_dialMagni))
        k = k * info.m_dMagniValue;
    if (InUse(part.m_dialCurrent))
        k = k * setting.m_dCurrent / 100;
    if (InUse(part.m_dialMagniCurrent))
        k = k * setting.m_dMagniCurrent;
    m_dX = k * x * info.m_nVoltage;
}

void CdPoint::DoCalcSetTimePoint(double y, const CReadCurve& curve, const CInfoPart& setting,
                                 const CReadPart& part) {
    const double t0 = curve.m_dStdTime;
    double t = 1.0;
    if (InUse(part.m_dialTime) && t0 > 0)
        t = setting.m_dTime / t0;
    if (InUse(part.m_dialMagniTime) && t0 > 0)
        m_dY = y * t * setting.m_dMagniTime / t0;
    else
        m_dY = y * t;
}
