#include "catalogue/model/PairLookups.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"

int32_t DoLookUpIcuBack(fw::CDatabase* breaker, const CInfoBase& up, const CInfoBase& down,
                        double* icuBack) {
    return CRSBreak_Cascade(breaker).DoReadByVoltTypeID(down.m_lTypeID, down.m_nVoltage,
                                                        up.m_lTypeID, icuBack);
}

int32_t DoLookUpIs(fw::CDatabase* breaker, const CInfoBase& up, const CInfoBase& down, double* is) {
    return CRSBreak_Selective(breaker).DoReadByValueTypeID(down.m_lTypeID, down.m_nVoltage, 0.0,
                                                           up.m_lTypeID, 0.0, is);
}
