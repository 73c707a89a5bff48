// The back-up pairs: the types that pair with a known breaker, the distinct
// back-up capacities, and the back-up capacity of one pair.

#include "breakerdata/recordsets/CRSBreak_Cascade.h"

#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/PairSearch.h"

namespace {

// The pair's downstream type joined with its type, information and
// capacity rows.
constexpr const char* kJoinDownstream[] = {
    "[Break_Cascade].[lTypeID] = [Break_Type].[lTypeID]",
    "[Break_Type].[lTypeID] = [Break_Info].[lTypeID]",
    "[Break_Type].[lTypeID] = [Break_Capacity].[lTypeID]",
};
// The pair's upstream type joined instead.
constexpr const char* kJoinUpstream[] = {
    "[Break_Cascade].[lMainTypeID] = [Break_Type].[lTypeID]",
    "[Break_Cascade].[lMainTypeID] = [Break_Info].[lTypeID]",
    "[Break_Cascade].[lMainTypeID] = [Break_Capacity].[lTypeID]",
};

template <size_t N> void AddConditions(fw::CRecordset& rs, const char* const (&terms)[N]) {
    for (const char* term : terms)
        rs.AddFilterCondition(term);
}

// Rows at or above the voltage, both of the pair and of the capacity.
void AddVoltageTerms(fw::CRecordset& rs, int32_t voltage) {
    dorventa::DoAddFilterId(rs, "[Break_Cascade].[lVoltage]", voltage, ">=");
    dorventa::DoAddFilterId(rs, "[Break_Capacity].[lVoltage]", voltage, ">=");
}

} // namespace

// The join terms stand with or without the key: without them every pair row
// would be combined with every type, information and capacity row, naming
// types that pair with nothing.
void CRSBreak_Cascade::DoSetFilterByUpstream(int32_t mainTypeID, int32_t voltage, double limit,
                                             int32_t groupID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Cascade].[lMainTypeID]", mainTypeID);
    AddConditions(*this, kJoinDownstream);
    AddVoltageTerms(*this, voltage);
    dorventa::DoAddFilterDouble(*this, "[Break_Cascade].[lIcuBack]", limit, ">=");
    dorventa::DoAddFilterId(*this, "[Break_Type].[lGroupID]", groupID);
}

void CRSBreak_Cascade::DoSetFilterByDownstream(int32_t typeID, int32_t voltage, double limit,
                                               int32_t groupID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Cascade].[lTypeID]", typeID);
    AddConditions(*this, kJoinUpstream);
    AddVoltageTerms(*this, voltage);
    dorventa::DoAddFilterDouble(*this, "[Break_Cascade].[lIcuBack]", limit, ">=");
    dorventa::DoAddFilterId(*this, "[Break_Type].[lGroupID]", groupID);
}

void CRSBreak_Cascade::DoSetFilterByPair(int32_t typeID, int32_t voltage, int32_t mainTypeID) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Type].[lTypeID]", typeID);
    AddConditions(*this, kJoinDownstream);
    AddVoltageTerms(*this, voltage);
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
    AddConditions(*this, kJoinDownstream);
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
