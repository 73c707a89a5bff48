// Reading the standard curves of a dial character into reference curves.

#include "breakerdata/recordsets/CRSCurve_Standard.h"

#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

void CRSCurve_Standard::DoCopyToReadCurve(CReadCurve* curve) const {
    if (!curve)
        return;
    curve->m_lCurveHeaderID = m_lCurveHeaderID;
    curve->m_lStdVoltage2 = m_lStdVoltage2;
    curve->m_dPairTime = m_dPairTime;
    curve->m_nLineKind = m_nLineKind;
}

int CRSCurve_Standard::DoReadByDialCharID(int32_t dialCharID, CReadCurveList* curves) {
    if (!curves)
        return 0;
    DoSetFilterStandard(dialCharID);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int count = 0;
        while (!IsEOF()) {
            DoCopyToReadCurve(curves->DoAddNewReadCurve());
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
