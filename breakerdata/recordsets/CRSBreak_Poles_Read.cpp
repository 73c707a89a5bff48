// Reading the pole variants of a type.

#include "breakerdata/recordsets/CRSBreak_Poles.h"

#include "breakerdata/model/CReadPoles.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

void CRSBreak_Poles::DoCopyToReadPoles(CReadPoles* poles) const {
    if (!poles)
        return;
    poles->m_nPoleCount = m_nPoleCount;
    poles->m_nVoltAC[0] = m_nVoltAC1;
    poles->m_nVoltAC[1] = m_nVoltAC2;
    poles->m_nVoltAC[2] = m_nVoltAC3;
    poles->m_nVoltAC[3] = m_nVoltAC4;
    poles->m_nHsCurrent[0] = m_nHsCurrent1;
    poles->m_nHsCurrent[1] = m_nHsCurrent2;
    poles->m_nHsCurrent[2] = m_nHsCurrent3;
    poles->m_nHsCurrent[3] = m_nHsCurrent4;
    poles->m_nHsCurrent[4] = m_nHsCurrent5;
    poles->m_dHsTime = m_dHsTime;
    poles->m_nTdCurrent[0] = m_nTdCurrent1;
    poles->m_nTdCurrent[1] = m_nTdCurrent2;
    poles->m_nTdCurrent[2] = m_nTdCurrent3;
    poles->m_nTdCurrent[3] = m_nTdCurrent4;
    poles->m_dTdTime[0] = m_dTdTime1;
    poles->m_dTdTime[1] = m_dTdTime2;
    poles->m_dTdTime[2] = m_dTdTime3;
    poles->m_dTdTime[3] = m_dTdTime4;
}

int CRSBreak_Poles::IsReadByTypeIDPoles(int32_t typeID, int poleCount) {
    DoSetFilterPoles(typeID, poleCount);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int found = IsEOF() ? 0 : 1;
        Close();
        return found;
    });
}

int CRSBreak_Poles::DoReadByTypeID(int32_t typeID, CReadPolesList* poles) {
    DoSetFilterPoles(typeID, 0);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int count = 0;
        while (!IsEOF()) {
            if (poles)
                DoCopyToReadPoles(poles->DoAddNewReadPoles());
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
