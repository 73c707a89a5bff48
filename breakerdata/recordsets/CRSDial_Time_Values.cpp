// Reading the time values of a dial character into its dial and the
// trip element's settings.

#include "breakerdata/recordsets/CRSDial_Time.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSDial_Time::DoInitToInfoPart(CInfoPart* settings) {
    if (settings)
        settings->m_dTime = 0.0;
}

void CRSDial_Time::DoCopyToInfoPart(CInfoPart* settings, int kind) const {
    if (!settings)
        return;
    if (kind == 2)
        settings->m_dTime = m_dFixedValue;
    else if (kind == 3)
        settings->m_dTime = m_dContiDefValue;
}

int32_t CRSDial_Time::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t dialCharID, CReadDial* dial,
                                            CInfoPart* settings, int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lDialTimeID, box, dial, init, true, dest);
}

int32_t CRSDial_Time::DoReadRangeFixedByID(int32_t dialCharID, double value, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeFixed(*this, m_lDialTimeID, value, dial, {});
}

int32_t CRSDial_Time::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t dialCharID,
                                               CReadDial* dial, CInfoPart* settings, int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lDialTimeID, box, dial, init, true,
                                                    false, 3, dest);
}

int32_t CRSDial_Time::DoReadRangeContinueByID(int32_t dialCharID, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeContinue(*this, m_lDialTimeID, dial, 3, {});
}
