// The points of one computed curve.

#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CdPointList.h"

void CdPointList::DoCalcSetAllPoints(int pointType, const CReadCurve& curve, const CInfoBase& info,
                                     const CReadBase& base, const CInfoPart& setting,
                                     const CReadPart& part, double offset) {
    for (const auto& ref : curve.m_listPoint) {
        CdPoint* p = DoAddNewPoint();
        *p = *ref;
        // A tolerance of 0 % takes part (and changes nothing); a negative one
        // means that none is given.
        if (pointType == 1) {
            if (curve.m_dXErrorPlus >= 0)
                p->m_dX = p->m_dX + curve.m_dXErrorPlus * p->m_dX / 100;
            if (curve.m_dYErrorPlus >= 0)
                p->m_dY = p->m_dY + curve.m_dYErrorPlus * p->m_dY / 100;
        } else if (pointType == 3) {
            if (curve.m_dXErrorMinus >= 0)
                p->m_dX = p->m_dX - p->m_dX * curve.m_dXErrorMinus / 100;
            if (curve.m_dYErrorMinus >= 0)
                p->m_dY = p->m_dY - curve.m_dYErrorMinus * p->m_dY / 100;
        }
        if (curve.m_nSettingFlag == 1)
            p->DoCalcSetMultiple(p->m_dX, curve, info, base, setting, part);
        else if (curve.m_nSettingFlag == 2)
            p->DoCalcSetCurrent(p->m_dX, curve, info, base, setting, part);
        p->DoCalcSetTimePoint(p->m_dY, curve, setting, part);
        p->m_dY = offset + p->m_dY;
    }
}
