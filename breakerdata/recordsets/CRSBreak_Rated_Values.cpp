// Reading the rated values of an operating kind: fixed values, one
// continuous range, or the mixed rating of several rated rows; and the text
// that lists them all.

#include "breakerdata/recordsets/CRSBreak_Rated.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

#include "tools/Filvaron.h"

namespace {
constexpr const char* kOrderByValue = "[dFixedValue]";
constexpr const char* kOrderForText = "[dContiMiniValue], [lBreakRatedID]";
} // namespace

void CRSBreak_Rated::DoInitToInfoBase(CInfoBase* selection) {
    if (!selection)
        return;
    selection->m_lBreakRatedID = 0;
    selection->m_strRatedName.clear();
    selection->m_dRatedValue = 0.0;
}

void CRSBreak_Rated::DoCopyToInfoBase(CInfoBase* selection, int kind) const {
    if (!selection || kind < 2 || kind > 4)
        return;
    selection->m_lBreakRatedID = m_lBreakRatedID;
    selection->m_strRatedName = m_sFixedName;
    selection->m_dRatedValue = kind == 2 ? m_dFixedValue : m_dContiDefValue;
}

void CRSBreak_Rated::DoInitToReadBase(CReadBase* reference) {
    if (!reference)
        return;
    reference->m_dRatedValue = 0.0;
    reference->m_dMaxRatedValue = 0.0;
}

void CRSBreak_Rated::DoCopyToReadBase(CReadBase* reference, int kind) const {
    if (!reference || kind < 2 || kind > 4)
        return;
    reference->m_dRatedValue = m_dFixedValue;
}

void CRSBreak_Rated::DoKeepMaxFixedValue(CReadBase* reference) const {
    if (reference && m_dFixedValue > reference->m_dMaxRatedValue)
        reference->m_dMaxRatedValue = m_dFixedValue;
}

void CRSBreak_Rated::DoSetMaxContiValue(CReadBase* reference) const {
    if (reference)
        reference->m_dMaxRatedValue = m_dContiMaxValue;
}

int32_t CRSBreak_Rated::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t opeKindID,
                                              CInfoBase* selection, CReadBase* reference,
                                              CReadDial* dial, int init) {
    DoSetFilterRated(opeKindID, 0);
    m_strSort = kOrderByValue;
    dorventa::CValueDest dest;
    dest.reset = [&] {
        DoInitToInfoBase(selection);
        DoInitToReadBase(reference);
    };
    dest.copy = [&](int kind) {
        DoCopyToInfoBase(selection, kind);
        DoCopyToReadBase(reference, kind);
    };
    dest.afterFixedRow = [&] { DoKeepMaxFixedValue(reference); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lBreakRatedID, box, dial, init, false,
                                                 dest);
}

int32_t CRSBreak_Rated::DoReadRangeFixedByID(int32_t opeKindID, double value, CReadBase* reference,
                                             CReadDial* dial) {
    DoSetFilterRated(opeKindID, 0);
    m_strSort = kOrderByValue;
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToReadBase(reference); };
    dest.copy = [&](int kind) { DoCopyToReadBase(reference, kind); };
    dest.afterFixedRow = [&] { DoKeepMaxFixedValue(reference); };
    return dorventa::DoReadValuesRangeFixed(*this, m_lBreakRatedID, value, dial, dest);
}

int32_t CRSBreak_Rated::DoReadFixedByMaxValue(double value, CInfoBase* selection,
                                              CReadBase* reference, CReadDial* dial) {
    DoSetFilterRatedValue(selection ? selection->m_lOpeKindID : 0, value);
    m_strSort = kOrderByValue;
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        dorventa::DoEmptyDial(dial);
        DoInitToInfoBase(selection);
        DoInitToReadBase(reference);
        int32_t result = 0;
        while (!IsEOF()) {
            dorventa::DoAppendDialValue(dial, m_lBreakRatedID, m_sFixedName, m_dFixedValue);
            result = m_lBreakRatedID;
            if (dial) {
                DoCopyToInfoBase(selection, 2);
                DoCopyToReadBase(reference, 2);
            }
            MoveNext();
        }
        Close();
        return result;
    });
}

int32_t CRSBreak_Rated::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t opeKindID,
                                                 CInfoBase* selection, CReadBase* reference,
                                                 CReadDial* dial, int init) {
    DoSetFilterRated(opeKindID, 0);
    return DoReadSetDefaultRangeRows(box, selection, reference, dial, init, 3);
}

int32_t CRSBreak_Rated::DoReadSetDefaultMix(fw::IComboBox* box, int32_t breakRatedID,
                                            CInfoBase* selection, CReadBase* reference,
                                            CReadDial* dial, int init) {
    DoSetFilterRated(0, breakRatedID);
    return DoReadSetDefaultRangeRows(box, selection, reference, dial, init, 4);
}

int32_t CRSBreak_Rated::DoReadSetDefaultRangeRows(fw::IComboBox* box, CInfoBase* selection,
                                                  CReadBase* reference, CReadDial* dial, int init,
                                                  int kind) {
    m_strSort = kOrderByValue;
    dorventa::CValueDest dest;
    dest.reset = [&] {
        DoInitToInfoBase(selection);
        DoInitToReadBase(reference);
    };
    dest.copy = [&](int k) {
        DoCopyToInfoBase(selection, k);
        DoCopyToReadBase(reference, k);
    };
    dest.beforeExpand = [&] { DoSetMaxContiValue(reference); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lBreakRatedID, box, dial, init, false,
                                                    false, kind, dest);
}

int32_t CRSBreak_Rated::DoReadRangeContinueByID(int32_t breakRatedID, CReadBase* reference,
                                                CReadDial* dial) {
    return DoReadRangeRowByID(breakRatedID, reference, dial, 3);
}

int32_t CRSBreak_Rated::DoReadRangeMixByID(int32_t breakRatedID, CReadBase* reference,
                                           CReadDial* dial) {
    return DoReadRangeRowByID(breakRatedID, reference, dial, 4);
}

int32_t CRSBreak_Rated::DoReadRangeRowByID(int32_t breakRatedID, CReadBase* reference,
                                           CReadDial* dial, int kind) {
    DoSetFilterRated(0, breakRatedID);
    m_strSort = kOrderByValue;
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToReadBase(reference); };
    dest.beforeExpand = [&] { DoSetMaxContiValue(reference); };
    dest.copy = [&](int k) { DoCopyToReadBase(reference, k); };
    return dorventa::DoReadValuesRangeContinue(*this, m_lBreakRatedID, dial, kind, dest);
}

int32_t CRSBreak_Rated::DoReadSetDefaultRange(fw::IComboBox* box, int32_t opeKindID,
                                              CInfoBase* selection, CReadBase* reference,
                                              int init) {
    DoSetFilterRated(opeKindID, 0);
    m_strSort = kOrderByValue;
    return dorventa::DoFillDefaultRows(
        *this, box, init, false,
        [&] {
            DoInitToInfoBase(selection);
            DoInitToReadBase(reference);
        },
        m_sFixedName, m_lBreakRatedID, m_bIsDefault,
        [&] {
            DoCopyToInfoBase(selection, 4);
            DoCopyToReadBase(reference, 4);
        });
}

int32_t CRSBreak_Rated::DoReadMixByMaxValue(double value, CInfoBase* selection,
                                            CReadBase* reference, CReadDial* dial) {
    DoSetFilterRatedValue(selection ? selection->m_lOpeKindID : 0, value);
    m_strSort = kOrderByValue;
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        dorventa::DoEmptyDial(dial);
        DoInitToInfoBase(selection);
        DoInitToReadBase(reference);
        int32_t result = 0;
        while (!IsEOF()) {
            dorventa::CRangeGrid grid;
            if (!dorventa::DoMakeRangeGrid(m_dContiMiniValue, m_dContiWidthValue, m_dContiMaxValue,
                                           grid)) {
                Close();
                return 0;
            }
            dorventa::DoExpandRange(grid, m_lBreakRatedID, dial, nullptr, false);
            if (dial) {
                DoCopyToInfoBase(selection, 4);
                DoCopyToReadBase(reference, 4);
                result = m_lBreakRatedID;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}

std::string CRSBreak_Rated::DoReadGetTextRange(int32_t opeKindID, const std::string& separator,
                                               const std::string& rangeWord) {
    DoSetFilterRated(opeKindID, 0);
    m_strSort = kOrderForText;
    std::string text;
    try {
        Open();
        bool anyFixed = false;
        for (; !IsEOF(); MoveNext()) {
            if (m_dContiMiniValue == m_dContiMaxValue) {
                anyFixed = true;
                break;
            }
        }
        MoveFirst();
        if (anyFixed) {
            // Four fixed values to a line; a range row is named by the range
            // word on a line of its own.
            int onLine = 0;
            for (; !IsEOF(); MoveNext()) {
                if (m_dContiMiniValue == m_dContiMaxValue) {
                    text += DLLGetTextByBeams(m_dContiMiniValue, 0);
                    ++onLine;
                    text += onLine % 4 == 0 ? std::string("\r\n") : separator;
                } else {
                    text += rangeWord + "\r\n";
                    onLine = 0;
                }
            }
        } else {
            // Two ranges to a line, nothing after the last.
            int written = 0;
            for (; !IsEOF(); MoveNext()) {
                if (written > 0)
                    text += written % 2 == 1 ? separator : std::string("\r\n");
                text += DLLGetTextByBeams(m_dContiMiniValue, 0) + "-" +
                        DLLGetTextByBeams(m_dContiMaxValue, 0);
                ++written;
            }
        }
        Close();
    } catch (const fw::CDbException& e) {
        Close();
        dorventa::DoDispRecordsetError(*this, e);
    }
    return text;
}
