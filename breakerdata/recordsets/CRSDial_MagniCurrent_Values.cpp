// Reading the multiplier-current values of a dial character into its dial and the
// trip element's settings.

#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/recordsets/RowReading.h"

void CRSDial_MagniCurrent::DoInitToInfoPart(CInfoPart* settings) {
    if (settings)
        settings->m_dMagniCurrent = 0.0;
}

void CRSDial_MagniCurrent::DoCopyToInfoPart(CInfoPart* settings, int kind) const {
    if (!settings)
        return;
    if (kind == 2)
        settings->m_dMagniCurrent = m_dFixedValue;
    else if (kind == 3)
        settings->m_dMagniCurrent = m_dContiDefValue;
}

int32_t CRSDial_MagniCurrent::DoReadSetDefaultFixed(fw::IComboBox* box, int32_t dialCharID,
                                                    CReadDial* dial, CInfoPart* settings,
                                                    int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultFixed(*this, m_lMagniCurrentID, box, dial, init, true,
                                                 dest);
}

int32_t CRSDial_MagniCurrent::DoReadRangeFixedByID(int32_t dialCharID, double value,
                                                   CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeFixed(*this, m_lMagniCurrentID, value, dial, {});
}

int32_t CRSDial_MagniCurrent::DoReadSetDefaultContinue(fw::IComboBox* box, int32_t dialCharID,
                                                       CReadDial* dial, CInfoPart* settings,
                                                       int init) {
    DoSetFilterDial(dialCharID);
    dorventa::CValueDest dest;
    dest.reset = [&] { DoInitToInfoPart(settings); };
    dest.copy = [&](int kind) { DoCopyToInfoPart(settings, kind); };
    return dorventa::DoReadValuesSetDefaultContinue(*this, m_lMagniCurrentID, box, dial, init, true,
                                                    false, 3, dest);
}

int32_t CRSDial_MagniCurrent::DoReadRangeContinueByID(int32_t dialCharID, CReadDial* dial) {
    DoSetFilterDial(dialCharID);
    return dorventa::DoReadValuesRangeContinue(*this, m_lMagniCurrentID, dial, 3, {});
}
