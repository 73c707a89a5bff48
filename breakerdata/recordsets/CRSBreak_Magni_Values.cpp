// Reading the multipliers of an operating kind into the multiplier dial and
// the selection.

#include "breakerdata/recordsets/CRSBreak_Magni.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSBreak_Magni::DoInitToInfoBase(CInfoBase* selection) {
    if (selection)
        selection->m_dMagniValue = 0.0;
}

void CRSBreak_Magni::DoCopyToInfoBase(CInfoBase* selection, int kind) const {
    if (!selection)
        return;
    if (kind == 2)
        selection->m_dMagniValue = m_dFixedValue;
    else if (kind == 3)
        selection->m_dMagniValue = m_dContiDefValue;
}

int32_t CRSBreak_Magni::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t opeKindID,
                                              CReadDial* dial, CInfoBase* selection, int init) {
    DoSetFilterMagni(opeKindID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoBase(selection); };
    dest.copy = [&](int kind) { DoCopyToInfoBase(selection, kind); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lBreakMagniID, box, dial, init, false,
                                                 dest);
}

int32_t CRSBreak_Magni::DoReadRangeFixedByID(int32_t opeKindID, double value, CReadDial* dial) {
    DoSetFilterMagni(opeKindID);
    return dorventa::DoReadValuesRangeFixed(*this, m_lBreakMagniID, value, dial, {});
}

int32_t CRSBreak_Magni::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t opeKindID,
                                                 CReadDial* dial, CInfoBase* selection, int init) {
    DoSetFilterMagni(opeKindID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoBase(selection); };
    dest.copy = [&](int kind) { DoCopyToInfoBase(selection, kind); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lBreakMagniID, box, dial, init, false,
                                                    false, 3, dest);
}

int32_t CRSBreak_Magni::DoReadRangeContinueByID(int32_t opeKindID, CReadDial* dial) {
    DoSetFilterMagni(opeKindID);
    return dorventa::DoReadValuesRangeContinue(*this, m_lBreakMagniID, dial, 3, {});
}
