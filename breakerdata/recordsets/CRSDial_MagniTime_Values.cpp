// Reading the multiplier-time values of a dial character into its dial and the
// trip element's settings.

#include "breakerdata/recordsets/CRSDial_MagniTime.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSDial_MagniTime::DoInitToInfoPart(CInfoPart* settings) {
    if (settings)
        settings->m_dMagniTime = 0.0;
}

void CRSDial_MagniTime::DoCopyToInfoPart(CInfoPart* settings, int kind) const {
    if (!settings)
        return;
    if (kind == 2)
        settings->m_dMagniTime = m_dFixedValue;
    else if (kind == 3)
        settings->m_dMagniTime = m_dContiDefValue;
}

int32_t CRSDial_MagniTime::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t dialCharID,
                                                 CReadDial* dial, CInfoPart* settings, int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lMagniTimeID, box, dial, init, true,
                                                 dest);
}

int32_t CRSDial_MagniTime::DoReadRangeFixedByID(int32_t dialCharID, double value, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeFixed(*this, m_lMagniTimeID, value, dial, {});
}

int32_t CRSDial_MagniTime::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t dialCharID,
                                                    CReadDial* dial, CInfoPart* settings,
                                                    int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lMagniTimeID, box, dial, init, true,
                                                    false, 3, dest);
}

int32_t CRSDial_MagniTime::DoReadRangeContinueByID(int32_t dialCharID, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeContinue(*this, m_lMagniTimeID, dial, 3, {});
}
