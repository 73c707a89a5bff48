// The selection join: one pass of the automatic selection, the rated-value
// row of a type, and the type names that admit a rated value.

#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/RangeGridMembership.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

#include <memory>

namespace {

constexpr const char* kJoinTerms[] = {
    "[Break_Info].[lTypeID] = [Break_Type].[lTypeID]",
    "[Break_Capacity].[lTypeID] = [Break_Type].[lTypeID]",
    "[Break_Poles].[lTypeID] = [Break_Type].[lTypeID]",
    "[Break_OpeKind].[lTypeID] = [Break_Type].[lTypeID]",
    "[Break_Rated].[lOpeKindID] = [Break_OpeKind].[lOpeKindID]",
};

constexpr const char* kSortByIcu = "[nTypeOrder] ASC,[nSubOrder] ASC,[lIcu] ASC,[lVoltage] DESC";
constexpr const char* kSortByIcs = "[nTypeOrder] ASC,[nSubOrder] ASC,[lIcs] ASC,[lVoltage] DESC";
constexpr const char* kSortTypeNames = "[nTypeOrder],[nSubOrder],[lIcu],[nOrder],[lVoltage]";

bool IsRangeFlag(int16_t flag) {
    return flag == 3 || flag == 4;
}

bool IsRatedFlag(int16_t flag) {
    return flag == 2 || IsRangeFlag(flag);
}

} // namespace

// The six tables are always joined. Left to the type or group term alone, a
// filter without either would combine every row of each table with every
// row of the others: rows that pair one type with another's ratings, and
// more of them than could ever be walked.
void CRSBreak_TypeLVCB::DoAddJoinTerms() {
    for (const char* term : kJoinTerms)
        AddFilterCondition(term);
}

void CRSBreak_TypeLVCB::DoSetFilterByTypeID(int32_t typeID, int poles) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_Type].[lTypeID]", typeID);
    DoAddJoinTerms();
    dorventa::DoAddFilterId(*this, "[nPoleCount]", poles);
}

void CRSBreak_TypeLVCB::DoSetFilterByIDValue(int32_t manufactureID, int32_t groupID, double rated,
                                             int poles, int32_t voltage, unsigned use) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lManufactureID]", manufactureID);
    dorventa::DoAddFilterId(*this, "[lGroupID]", groupID);
    DoAddJoinTerms();
    if (rated > 0.0) {
        double t = dorventa::DoRoundAsFilterText(rated);
        AddFilterCondition(
            "([dFixedValue] = ? OR ([dContiMiniValue] <= ? AND [dContiMaxValue] >= ?))", {t, t, t});
    }
    dorventa::DoAddFilterId(*this, "[nPoleCount]", poles);
    dorventa::DoAddFilterId(*this, "[lVoltage]", voltage, ">=");
    if (use == 1)
        AddFilterCondition("([nUse] = ? OR [nUse] = ?)", {int64_t{0}, int64_t{11}});
    else if (use == 2)
        AddFilterCondition("([nUse] = ? OR [nUse] = ?)", {int64_t{0}, int64_t{1}});
    else if (use != 0)
        AddFilterCondition("([nUse] = ?)", {int64_t{0}});
}

void CRSBreak_TypeLVCB::DoSetFilterByIDValueDelete(int32_t manufactureID, int32_t groupID,
                                                   double rated, int poles, int32_t voltage,
                                                   unsigned use) {
    DoSetFilterByIDValue(manufactureID, groupID, rated, poles, voltage, use);
    AddFilterCondition("[bDelete] = FALSE");
}

bool CRSBreak_TypeLVCB::IsRowOnGrid(double value) const {
    return dorventa::IsOnRangeGrid(m_dContiMiniValue, m_dContiWidthValue, m_dContiMaxValue, value);
}

// Each type stands once, at the place of its last accepted row, with that
// row's values; values by JIS C 8201, once taken, are not replaced by plain
// ones.
void CRSBreak_TypeLVCB::DoCopyToCandidate(CCandidateList* list, const CInfoBase* selection) const {
    if (!list)
        return;
    std::unique_ptr<CCandidate> removed;
    for (auto it = list->begin(); it != list->end(); ++it) {
        if ((*it)->m_lTypeID == m_lTypeID) {
            removed = list->Detach(it);
            break;
        }
    }
    const int32_t code = selection ? selection->m_nLVCBCode : 0;
    CCandidate* candidate = list->DoAddNewCandidate();
    candidate->m_lGroupID = m_lGroupID;
    candidate->m_lTypeID = m_lTypeID;
    if (m_lIcuJIS8201 > 0 || m_lIcsJIS8201 > 0 || m_lIqJIS8201 > 0) {
        candidate->m_lManufactureID = m_lManufactureID;
        candidate->m_nLVCBCode = code;
        candidate->m_dIcs = m_lIcsJIS8201;
        candidate->m_dIcu = m_lIcuJIS8201;
        candidate->m_dIq = m_lIqJIS8201;
        candidate->m_bJIS = 1;
    } else if (removed && removed->m_bJIS == 1) {
        candidate->m_lManufactureID = removed->m_lManufactureID;
        candidate->m_nLVCBCode = removed->m_nLVCBCode;
        candidate->m_dIcs = removed->m_dIcs;
        candidate->m_dIcu = removed->m_dIcu;
        candidate->m_dIq = removed->m_dIq;
        candidate->m_bJIS = 1;
    } else {
        candidate->m_lManufactureID = m_lManufactureID;
        candidate->m_nLVCBCode = code;
        candidate->m_dIcs = m_lIcs;
        candidate->m_dIcu = m_lIcu;
        candidate->m_dIq = m_lIq;
        candidate->m_bJIS = 0;
    }
}

int CRSBreak_TypeLVCB::DoSearchSetToList(CCandidateList* list, const CInfoBase* selection,
                                         unsigned use, int poles, double required, unsigned kind) {
    if (!selection)
        return 0;
    DoSetFilterByIDValueDelete(selection->m_lManufactureID, selection->m_lGroupID,
                               selection->m_dRatedValue, poles, selection->m_nVoltage, use);
    if (kind == 0 || kind == 2 || kind == 8)
        m_strSort = kSortByIcu;
    else if (kind == 1)
        m_strSort = kSortByIcs;
    else
        m_strSort.clear();
    const bool byIcs = kind == 1;
    const double rated = selection->m_dRatedValue;
    const int32_t typeID = selection->m_lTypeID;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        while (!IsEOF()) {
            int32_t capacity = m_bJisNewOld == 1 ? (byIcs ? m_lIcsJIS8201 : m_lIcuJIS8201)
                                                 : (byIcs ? m_lIcs : m_lIcu);
            bool accepted = false;
            if (capacity >= required) {
                const bool typeMatches = typeID <= 0 || typeID == m_lTypeID;
                if (kind == 0)
                    accepted = typeMatches && (m_nRatedFlag == 2 ||
                                               (IsRangeFlag(m_nRatedFlag) && IsRowOnGrid(rated)));
                else if (kind == 1 || kind == 2 || kind == 8)
                    accepted =
                        m_nRatedFlag == 2 || (IsRangeFlag(m_nRatedFlag) && IsRowOnGrid(rated));
            }
            if (accepted)
                DoCopyToCandidate(list, selection);
            MoveNext();
        }
        Close();
        return 0;
    });
}

void CRSBreak_TypeLVCB::DoInitToInfoBaseLVCB(CInfoBase* selection) {
    if (!selection)
        return;
    selection->m_lOpeKindID = 0;
    selection->m_strOpeKindName.clear();
    selection->m_lBreakRatedID = 0;
    selection->m_strRatedName.clear();
    selection->m_dRatedValue = 0.0;
}

void CRSBreak_TypeLVCB::DoCopyToInfoBaseLVCB(CInfoBase* selection, double rated) const {
    if (!selection)
        return;
    CRSBreak_Type::DoCopyToInfoBase(selection);
    selection->m_lOpeKindID = m_lOpeKindID;
    selection->m_strOpeKindName = m_sOpeKindName;
    if (IsRatedFlag(m_nRatedFlag)) {
        selection->m_lBreakRatedID = m_lBreakRatedID;
        selection->m_strRatedName = m_sFixedName;
        selection->m_dRatedValue = rated;
    }
}

void CRSBreak_TypeLVCB::DoInitToReadBaseLVCB(CReadBase* reference) {
    if (!reference)
        return;
    reference->m_dialRated.m_nKind = 0;
    reference->m_dialRated.m_strTitle.clear();
    reference->m_dialRated.m_strUnit.clear();
    reference->m_dialMagni.m_nKind = 0;
    reference->m_dialMagni.m_strTitle.clear();
    reference->m_dialMagni.m_strUnit.clear();
    reference->m_dRatedValue = 0.0;
    reference->m_dMaxRatedValue = 0.0;
}

void CRSBreak_TypeLVCB::DoCopyToReadBaseLVCB(CReadBase* reference, double rated) const {
    if (!reference)
        return;
    CRSBreak_Type::DoCopyToReadBase(reference);
    reference->m_dialRated.m_nKind = m_nRatedFlag;
    reference->m_dialRated.m_strTitle = m_sRatedTitle;
    reference->m_dialRated.m_strUnit = m_sRatedUnit;
    reference->m_dialMagni.m_nKind = m_nMagniFlag;
    reference->m_dialMagni.m_strTitle = m_sMagniTitle;
    reference->m_dialMagni.m_strUnit = m_sMagniUnit;
    if (IsRatedFlag(m_nRatedFlag))
        reference->m_dRatedValue = rated;
}

int32_t CRSBreak_TypeLVCB::DoReadByTypeIDValue(int32_t typeID, double rated, int poles,
                                               CInfoBase* selection, CReadBase* reference) {
    DoSetFilterByTypeID(typeID, poles);
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        DoInitToInfoBaseLVCB(selection);
        DoInitToReadBaseLVCB(reference);
        int32_t result = 0;
        while (!IsEOF()) {
            if (m_nRatedFlag == 2 && m_dFixedValue == rated) {
                DoCopyToInfoBaseLVCB(selection, rated);
                DoCopyToReadBaseLVCB(reference, rated);
                result = m_lBreakRatedID;
                // The highest fixed value of the operating kind, from this
                // row on.
                const int32_t opeKindID = m_lOpeKindID;
                while (!IsEOF()) {
                    if (reference && m_lOpeKindID == opeKindID &&
                        m_dFixedValue > reference->m_dMaxRatedValue)
                        reference->m_dMaxRatedValue = m_dFixedValue;
                    MoveNext();
                }
                break;
            }
            if (IsRangeFlag(m_nRatedFlag) && m_dContiMiniValue <= rated &&
                rated <= m_dContiMaxValue && IsRowOnGrid(rated)) {
                if (reference)
                    reference->m_dMaxRatedValue = m_dContiMaxValue;
                DoCopyToInfoBaseLVCB(selection, rated);
                DoCopyToReadBaseLVCB(reference, rated);
                result = m_lBreakRatedID;
                break;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}

int CRSBreak_TypeLVCB::DoReadSetByIDValue(fw::IComboBox* box, int32_t manufactureID,
                                          int32_t groupID, int32_t voltage, double rated,
                                          double minIcu, int poles) {
    DoSetFilterByIDValue(manufactureID, groupID, rated, poles, voltage, 0);
    m_strSort = kSortTypeNames;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        int added = 0;
        while (!IsEOF()) {
            bool admits = false;
            if (m_lIcu >= minIcu) {
                if (m_nRatedFlag == 2)
                    admits = m_dFixedValue == rated || rated == 0.0;
                else if (IsRangeFlag(m_nRatedFlag))
                    admits = (rated == 0.0 && m_dContiMiniValue <= m_dContiMaxValue) ||
                             (m_dContiMiniValue <= rated && rated <= m_dContiMaxValue &&
                              IsRowOnGrid(rated));
            }
            if (admits && box) {
                // The name moves to the place of its latest row.
                int found = box->FindStringExact(-1, m_sTypeName);
                if (found != fw::IComboBox::CB_ERR)
                    box->DeleteString(found);
                if (dorventa::DoAddBoxEntry(box, m_sTypeName, m_lTypeID))
                    ++added;
            }
            MoveNext();
        }
        Close();
        return added;
    });
}
