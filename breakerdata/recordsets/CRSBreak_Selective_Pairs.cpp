// The selectivity pairs: the types that pair with a known breaker, the
// distinct selectivity limits, and the limit of one pair.

#include "breakerdata/recordsets/CRSBreak_Selective.h"

#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/PairSearch.h"

namespace {

const dorventa::PairTable kPairs{"[Break_Selective]", "[Break_Selective].[dIs]"};

} // namespace

void CRSBreak_Selective::DoSetFilterByUpstream(int32_t mainTypeID, int32_t voltage, double limit,
                                               int32_t groupID) {
    dorventa::DoSetPairSearchFilter(*this, kPairs, true, mainTypeID, voltage, limit, groupID);
}

void CRSBreak_Selective::DoSetFilterByDownstream(int32_t typeID, int32_t voltage, double limit,
                                                 int32_t groupID) {
    dorventa::DoSetPairSearchFilter(*this, kPairs, false, typeID, voltage, limit, groupID);
}

void CRSBreak_Selective::DoSetFilterByPair(int32_t typeID, int32_t voltage, double ratedMax,
                                           int32_t mainTypeID, double mainRatedMax) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Type].[lTypeID]", typeID);
    dorventa::DoAddPairJoins(*this, kPairs, true);
    dorventa::DoAddPairVoltage(*this, kPairs, voltage);
    dorventa::DoAddFilterId(*this, "[lMainTypeID]", mainTypeID);
    dorventa::DoAddFilterDouble(*this, "[dRatedMax]", ratedMax);
    dorventa::DoAddFilterDouble(*this, "[dMainRatedMax]", mainRatedMax);
}

void CRSBreak_Selective::DoCopyToCandidate(CCandidateList* list, int32_t key,
                                           const CInfoBase* sought) const {
    dorventa::DoCopyPairToCandidate(list, key, m_lManufactureID, m_lGroupID, sought);
}

int CRSBreak_Selective::DoReadSetPairs(fw::IComboBox* box, CCandidateList* list,
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

int CRSBreak_Selective::DoReadSetDownstream(fw::IComboBox* box, CCandidateList* list,
                                            const CInfoBase* known, const CInfoBase* sought,
                                            double limit, int poles) {
    if (!known)
        return 0;
    DoSetFilterByUpstream(known->m_lTypeID, known->m_nVoltage, limit,
                          sought ? sought->m_lGroupID : 0);
    return DoReadSetPairs(box, list, sought, poles, true);
}

int CRSBreak_Selective::DoReadSetUpstream(fw::IComboBox* box, CCandidateList* list,
                                          const CInfoBase* known, const CInfoBase* sought,
                                          double limit, int poles) {
    if (!known)
        return 0;
    DoSetFilterByDownstream(known->m_lTypeID, known->m_nVoltage, limit,
                            sought ? sought->m_lGroupID : 0);
    return DoReadSetPairs(box, list, sought, poles, false);
}

int CRSBreak_Selective::DoReadSetListIs(fw::IComboBox* box) {
    ClearFilter();
    dorventa::DoAddPairJoins(*this, kPairs, true);
    m_strSort = "[Break_Selective].[dIs]";
    // The item data is the limit in whole amperes, the fraction cut off.
    return dorventa::DoReadSetDistinctLimits(
        *this, box, m_dIs, [](double amperes) { return static_cast<intptr_t>(amperes); });
}

int32_t CRSBreak_Selective::DoReadByValueTypeID(int32_t typeID, int32_t voltage, double ratedMax,
                                                int32_t mainTypeID, double mainRatedMax,
                                                double* is) {
    if (!is)
        return 0;
    *is = 0.0;
    DoSetFilterByPair(typeID, voltage, ratedMax, mainTypeID, mainRatedMax);
    m_strSort = "[Break_Selective].[lVoltage]";
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        int32_t result = 0;
        while (!IsEOF()) {
            if (m_lVoltage != 0) {
                *is = m_dIs;
                result = m_lVoltage; // read as a 16-bit value, widened
                break;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}
