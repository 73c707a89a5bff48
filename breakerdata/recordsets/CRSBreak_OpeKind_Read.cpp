// Reading the operating kinds of a type into a selection and the type
// reference with its rating and multiplier dials.

#include "breakerdata/recordsets/CRSBreak_OpeKind.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

namespace {
// Types whose operating kind is never chosen for the user.
constexpr int32_t kTypeNoOpeKindA = 495;
constexpr int32_t kTypeNoOpeKindB = 500;
} // namespace

void CRSBreak_OpeKind::DoInitToInfoBase(CInfoBase* selection) {
    if (!selection)
        return;
    selection->m_lOpeKindID = 0;
    selection->m_strOpeKindName.clear();
}

void CRSBreak_OpeKind::DoCopyToInfoBase(CInfoBase* selection) const {
    if (!selection)
        return;
    selection->m_lOpeKindID = m_lOpeKindID;
    selection->m_strOpeKindName = m_sOpeKindName;
}

void CRSBreak_OpeKind::DoInitToReadBaseFlags(CReadBase* reference) {
    if (!reference)
        return;
    reference->m_bUseOpenTime = 0;
    reference->m_bUseBreakingTime = 0;
}

void CRSBreak_OpeKind::DoCopyToReadBaseFlags(CReadBase* reference) const {
    if (!reference)
        return;
    reference->m_bUseOpenTime = m_bUseOpenTime;
    reference->m_bUseBreakingTime = m_bUseBreakingTime;
}

void CRSBreak_OpeKind::DoInitToReadBaseDials(CReadBase* reference) {
    if (!reference)
        return;
    // The value lists belong to the rated and multiplier tables.
    for (CReadDial* dial : {&reference->m_dialRated, &reference->m_dialMagni}) {
        dial->m_nKind = 0;
        dial->m_strTitle.clear();
        dial->m_strUnit.clear();
    }
}

void CRSBreak_OpeKind::DoCopyToReadBaseDials(CReadBase* reference) const {
    if (!reference)
        return;
    reference->m_dialRated.m_nKind = m_nRatedFlag;
    reference->m_dialRated.m_strTitle = m_sRatedTitle;
    reference->m_dialRated.m_strUnit = m_sRatedUnit;
    reference->m_dialMagni.m_nKind = m_nMagniFlag;
    reference->m_dialMagni.m_strTitle = m_sMagniTitle;
    reference->m_dialMagni.m_strUnit = m_sMagniUnit;
}

int32_t CRSBreak_OpeKind::DoReadByOpeKindID(int32_t opeKindID, CInfoBase* selection,
                                            CReadBase* reference) {
    DoSetFilterOpeKind(0, opeKindID, std::string());
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        DoInitToInfoBase(selection);
        DoInitToReadBaseFlags(reference);
        DoInitToReadBaseDials(reference);
        // The id asked for comes back even when no row has it.
        int32_t result = opeKindID;
        while (!IsEOF()) {
            DoCopyToInfoBase(selection);
            DoCopyToReadBaseFlags(reference);
            if (reference) {
                DoCopyToReadBaseDials(reference);
                result = m_lOpeKindID;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}

int32_t CRSBreak_OpeKind::DoReadByOpeKindName(int32_t typeID, const std::string& opeKindName,
                                              CReadBase* reference) {
    DoSetFilterOpeKind(typeID, 0, opeKindName);
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        DoInitToReadBaseFlags(reference);
        DoInitToReadBaseDials(reference);
        int32_t result = 0;
        while (!IsEOF()) {
            DoCopyToReadBaseFlags(reference);
            if (reference) {
                DoCopyToReadBaseDials(reference);
                result = m_lOpeKindID;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}

int32_t CRSBreak_OpeKind::DoReadSetByIndex(fw::IComboBox* box, int32_t typeID, int index,
                                           CInfoBase* selection, CReadBase* reference, int init) {
    DoSetFilterOpeKind(typeID, 0, std::string());
    const bool mayChoose = typeID != kTypeNoOpeKindA && typeID != kTypeNoOpeKindB;
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        if (init == 1) {
            DoInitToInfoBase(selection);
            DoInitToReadBaseFlags(reference);
            DoInitToReadBaseDials(reference);
        }
        int32_t result = 0;
        for (int position = 0; !IsEOF(); ++position) {
            if (box && !dorventa::DoAddBoxEntry(box, m_sOpeKindName, m_lOpeKindID)) {
                Close();
                return 0;
            }
            if (position == index && init == 1 && mayChoose) {
                result = m_lOpeKindID;
                DoCopyToInfoBase(selection);
                DoCopyToReadBaseFlags(reference);
                DoCopyToReadBaseDials(reference);
                if (!box)
                    break;
                dorventa::DoSelectByText(box, m_sOpeKindName);
            }
            MoveNext();
        }
        Close();
        return result;
    });
}
