#pragma once

// The walk that the back-up and the selectivity pairs share: the sought types
// of the rows, each once, into a box and a candidate list.

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

#include "framework/Combo.h"

#include <cstdint>
#include <functional>
#include <string>

namespace dorventa {

// A pair table as its filters name it: the table ("[Break_Cascade]") and
// its limit column ("[Break_Cascade].[lIcuBack]"). The back-up and the
// selectivity pairs write their filters by the same rules from these.
struct PairTable {
    std::string table;
    std::string limitColumn;
};

// The join of the pair's downstream type (`downstreamType`) or upstream type
// with its type, information and capacity rows.
inline void DoAddPairJoins(fw::CRecordset& rs, const PairTable& pairs, bool downstreamType) {
    if (downstreamType) {
        rs.AddFilterCondition(pairs.table + ".[lTypeID] = [Break_Type].[lTypeID]");
        rs.AddFilterCondition("[Break_Type].[lTypeID] = [Break_Info].[lTypeID]");
        rs.AddFilterCondition("[Break_Type].[lTypeID] = [Break_Capacity].[lTypeID]");
    } else {
        const std::string upstream = pairs.table + ".[lMainTypeID]";
        rs.AddFilterCondition(upstream + " = [Break_Type].[lTypeID]");
        rs.AddFilterCondition(upstream + " = [Break_Info].[lTypeID]");
        rs.AddFilterCondition(upstream + " = [Break_Capacity].[lTypeID]");
    }
}

// Rows at or above the voltage, both of the pair and of the capacity.
inline void DoAddPairVoltage(fw::CRecordset& rs, const PairTable& pairs, int32_t voltage) {
    DoAddFilterId(rs, pairs.table + ".[lVoltage]", voltage, ">=");
    DoAddFilterId(rs, "[Break_Capacity].[lVoltage]", voltage, ">=");
}

// The filter of a pair search: by the known upstream type (`byUpstream`),
// joined with the downstream types, or by the known downstream type, joined
// with the upstream types; then the voltage, the limit and the sought
// group, each only when above 0. The join terms stand with or without the
// key: without them every pair row would be combined with every type,
// information and capacity row, naming types that pair with nothing.
inline void DoSetPairSearchFilter(fw::CRecordset& rs, const PairTable& pairs, bool byUpstream,
                                  int32_t knownTypeID, int32_t voltage, double limit,
                                  int32_t groupID) {
    rs.ClearFilter();
    DoAddFilterId(rs, pairs.table + (byUpstream ? ".[lMainTypeID]" : ".[lTypeID]"), knownTypeID);
    DoAddPairJoins(rs, pairs, byUpstream);
    DoAddPairVoltage(rs, pairs, voltage);
    DoAddFilterDouble(rs, pairs.limitColumn, limit, ">=");
    DoAddFilterId(rs, "[Break_Type].[lGroupID]", groupID);
}

// The order of the sought types in a pair search.
inline constexpr const char* kPairSort =
    "[Break_Info].[nTypeOrder],[Break_Info].[nSubOrder],[Break_Capacity].[lIcu],[Break_Info]."
    "[nOrder],[Break_Capacity].[lVoltage]";

// A new candidate for the sought type of a pair row, unless the list holds
// one for it already: the row's maker and group (the joined type is the
// sought one), the sought breaker's breaker code, no capacities.
inline void DoCopyPairToCandidate(CCandidateList* list, int32_t key, int32_t manufactureID,
                                  int32_t groupID, const CInfoBase* sought) {
    if (!list || list->DoFindFromCandidate(key))
        return;
    CCandidate* candidate = list->DoAddNewCandidate();
    candidate->m_lManufactureID = manufactureID;
    candidate->m_lGroupID = groupID;
    candidate->m_nLVCBCode = sought ? sought->m_nLVCBCode : 0;
    candidate->m_lTypeID = key;
}

// Walks a pair recordset whose filter and sort are set. The key of a row is
// the sought type: the pair's downstream type (`downstream`) or its upstream
// type. A row whose key equals the previous row's is passed over; a new key
// needs the pole test. Its name goes into the box unless an entry has it
// already; into the list goes every key, or, when the sought breaker names a
// type, only that one, which ends the walk. Returns the number of names
// added; 0 after a database error (shown).
template <class RS>
int DoReadSetPairRows(RS& rs, fw::IComboBox* box, CCandidateList* list, const CInfoBase* sought,
                      bool downstream, const std::function<bool(int32_t key)>& polesFit,
                      const std::function<void(int32_t key)>& copy) {
    return DoGuardedRead<int>(rs, [&]() -> int {
        rs.Open();
        const int32_t soughtType = sought ? sought->m_lTypeID : 0;
        int added = 0;
        int32_t previous = 0;
        while (!rs.IsEOF()) {
            const int32_t key = downstream ? rs.m_lTypeID : rs.m_lMainTypeID;
            if (key != previous) {
                previous = key;
                if (polesFit(key)) {
                    if (box && box->FindStringExact(-1, rs.m_sTypeName) == fw::IComboBox::CB_ERR &&
                        DoAddBoxEntry(box, rs.m_sTypeName, key))
                        ++added;
                    if (list) {
                        if (soughtType > 0) {
                            if (key == soughtType) {
                                copy(key);
                                break;
                            }
                        } else {
                            copy(key);
                        }
                    }
                }
            }
            rs.MoveNext();
        }
        rs.Close();
        return added;
    });
}

// The distinct rising values of a limit column into the box: the text of
// the value in kA with `data(value)` as item data. Returns the number of
// entries added.
template <class RS, class Value>
int DoReadSetDistinctLimits(RS& rs, fw::IComboBox* box, const Value& value,
                            const std::function<intptr_t(double)>& data) {
    return DoGuardedRead<int>(rs, [&]() -> int {
        rs.Open();
        int added = 0;
        double last = 0.0;
        while (!rs.IsEOF()) {
            const double v = static_cast<double>(value);
            if (v > last) {
                last = v;
                if (box && DoAddBoxEntry(box, DLLGetTextByBeams(v / 1000.0, 0), data(v)))
                    ++added;
            }
            rs.MoveNext();
        }
        rs.Close();
        return added;
    });
}

} // namespace dorventa
