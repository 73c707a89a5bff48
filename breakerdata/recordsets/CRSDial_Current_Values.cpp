// Reading the current values of a dial character into its dial and the
// trip element's settings.

#include "breakerdata/recordsets/CRSDial_Current.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSDial_Current::DoInitToInfoPart(CInfoPart* settings) {
    if (settings)
        settings->m_dCurrent = 0.0;
}

void CRSDial_Current::DoCopyToInfoPart(CInfoPart* settings, int kind) const {
    if (!settings)
        return;
    if (kind == 2)
        settings->m_dCurrent = m_dFixedValue;
    else if (kind == 3)
        settings->m_dCurrent = m_dContiDefValue;
}

int32_t CRSDial_Current::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t dialCharID,
                                               CReadDial* dial, CInfoPart* settings, int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lDialCurrentID, box, dial, init, true,
                                                 dest);
}

int32_t CRSDial_Current::DoReadRangeFixedByID(int32_t dialCharID, double value, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeFixed(*this, m_lDialCurrentID, value, dial, {});
}

int32_t CRSDial_Current::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t dialCharID,
                                                  CReadDial* dial, CInfoPart* settings,
                                                  int dispCurrentMulti, int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lDialCurrentID, box, dial, init, true,
                                                    dispCurrentMulti == 1, 3, dest);
}

int32_t CRSDial_Current::DoReadRangeContinueByID(int32_t dialCharID, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeContinue(*this, m_lDialCurrentID, dial, 3, {});
}
