// The back-up pairs: the types that pair with a known breaker, the distinct
// back-up capacities, and the back-up capacity of one pair.

#include "breakerdata/recordsets/CRSBreak_Cascade.h"

#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/PairSearch.h"

namespace {

const dorventa::PairTable kPairs{"[Break_Cascade]", "[Break_Cascade].[lIcuBack]"};

} // namespace

void CRSBreak_Cascade::DoSetFilterByUpstream(int32_t mainTypeID, int32_t voltage, double limit,
                                             int32_t groupID) {
    dorventa::DoSetPairSearchFilter(*this, kPairs, true, mainTypeID, voltage, limit, groupID);
}

void CRSBreak_Cascade::DoSetFilterByDownstream(int32_t typeID, int32_t voltage, double limit,
                                               int32_t groupID) {
    dorventa::DoSetPairSearchFilter(*this, kPairs, false, typeID, voltage, limit, groupID);
}

void CRSBreak_Cascade::DoSetFilterByPair(int32_t typeID, int32_t voltage, int32_t mainTypeID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Type].[lTypeID]", typeID);
    dorventa::DoAddPairJoins(*this, kPairs, true);
    dorventa::DoAddPairVoltage(*this, kPairs, voltage);
    dorventa::DoAddFilterId(*this, "[Break_Cascade].[lMainTypeID]", mainTypeID);
}

void CRSBreak_Cascade::DoCopyToCandidate(CCandidateList* list, int32_t key,
                                         const CInfoBase* sought) const {
    dorventa::DoCopyPairToCandidate(list, key, m_lManufactureID, m_lGroupID, sought);
}

int CRSBreak_Cascade::DoReadSetPairs(fw::IComboBox* box, CCandidateList* list,
                                     const CInfoBase* sought, int poles, bool downstream) {
    m_strSort = dorventa::kPairSort;
    return dorventa::DoReadSetPairRows(
        *this, box, list, sought, downstream,
        [&](int32_t key) {
            CRSBreak_Poles rs(m_pDatabase);
            return rs.IsReadByTypeIDPoles(key, poles) == 1;
        },
        [&](int32_t key) { DoCopyToCandidate(list, key, sought); });
}

int CRSBreak_Cascade::DoReadSetDownstream(fw::IComboBox* box, CCandidateList* list,
                                          const CInfoBase* known, const CInfoBase* sought,
                                          double limit, int poles) {
    if (!known)
        return 0;
    DoSetFilterByUpstream(known->m_lTypeID, known->m_nVoltage, limit,
                          sought ? sought->m_lGroupID : 0);
    return DoReadSetPairs(box, list, sought, poles, true);
}

int CRSBreak_Cascade::DoReadSetUpstream(fw::IComboBox* box, CCandidateList* list,
                                        const CInfoBase* known, const CInfoBase* sought,
                                        double limit, int poles) {
    if (!known)
        return 0;
    DoSetFilterByDownstream(known->m_lTypeID, known->m_nVoltage, limit,
                            sought ? sought->m_lGroupID : 0);
    return DoReadSetPairs(box, list, sought, poles, false);
}

int CRSBreak_Cascade::DoReadSetListIcuBack(fw::IComboBox* box) {
    ClearFilter();
    dorventa::DoAddPairJoins(*this, kPairs, true);
    m_strSort = "[Break_Cascade].[lIcuBack]";
    return dorventa::DoReadSetDistinctLimits(
        *this, box, m_lIcuBack, [](double amperes) { return static_cast<intptr_t>(amperes); });
}

int32_t CRSBreak_Cascade::DoReadByVoltTypeID(int32_t typeID, int32_t voltage, int32_t mainTypeID,
                                             double* icuBack) {
    if (!icuBack)
        return 0;
    *icuBack = 0.0;
    DoSetFilterByPair(typeID, voltage, mainTypeID);
    m_strSort = "[Break_Cascade].[lVoltage]";
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (m_lVoltage != 0) {
                *icuBack = static_cast<double>(m_lIcuBack);
                result = m_lVoltage;
                break;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}
