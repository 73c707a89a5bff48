// Rebuilding the trip-element references of a stored selection and reading
// their characteristic curves.

#include "breakerdata/model/CReadPart.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSCurve_Standard.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"

#include "tools/Filvaron.h"

namespace {

constexpr unsigned IDS_TABLE_BREAK_ELEMENT = 4230;

// One dial of a stored setting: its values re-read, and the setting replaced
// by the default when it is no longer among them (fixed dials) or the range
// is gone (continuous dials).
template <class RS, class... Multi>
void ReReadDial(fw::CDatabase* database, int32_t dialCharID, CReadDial& dial, double setting,
                CInfoPart* settings, Multi... multi) {
    RS rs(database);
    if (dial.m_nKind == 2) {
        if (rs.DoReadRangeFixedByID(dialCharID, setting, &dial) == 0)
            rs.DoReadSetDefaultFixed(nullptr, dialCharID, &dial, settings, 1);
    } else if (dial.m_nKind == 3) {
        if (rs.DoReadRangeContinueByID(dialCharID, &dial) == 0)
            rs.DoReadSetDefaultContinue(nullptr, dialCharID, &dial, settings, multi..., 1);
    }
}

} // namespace

int CReadPart::DoReadReadPart(fw::CDatabase* database, CInfoPart* settings) {
    if (!settings)
        return 0;
    // The settings' stored name is what the document knows the character by;
    // only its id is taken from the row.
    int32_t dialCharID = CRSDial_Character(database).DoReadByElementID(
        m_lElementID, settings->m_strCharacterName, nullptr, this);
    if (dialCharID == 0)
        return 0;
    settings->m_lDialCharID = dialCharID;
    ReReadDial<CRSDial_Current>(database, dialCharID, m_dialCurrent, settings->m_dCurrent, settings,
                                static_cast<int>(m_bDispCurrentMulti));
    ReReadDial<CRSDial_Time>(database, dialCharID, m_dialTime, settings->m_dTime, settings);
    ReReadDial<CRSDial_MagniCurrent>(database, dialCharID, m_dialMagniCurrent,
                                     settings->m_dMagniCurrent, settings);
    ReReadDial<CRSDial_MagniTime>(database, dialCharID, m_dialMagniTime, settings->m_dMagniTime,
                                  settings);
    return 1;
}

int CReadPart::DoReadCurveInfos(fw::CDatabase* database, fw::CDatabase* curveDatabase,
                                int32_t dialCharID) {
    // Curves already read stay as they are.
    if (!m_listReadCurve.IsEmpty())
        return 0;
    int standards = CRSCurve_Standard(database).DoReadByDialCharID(dialCharID, &m_listReadCurve);
    int curves = m_listReadCurve.DoReadAllHeaderPoints(curveDatabase);
    return standards > 0 && curves > 0 ? 1 : 0;
}

int CReadPartList::DoReadAllReadParts(fw::CDatabase* database, int32_t breakRatedID,
                                      CInfoPartList* settings) {
    if (!IsEmpty())
        return GetCount();
    if (CRSBreak_Element(database).DoReadToListReadPart(breakRatedID, this) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_ELEMENT, static_cast<double>(breakRatedID));
        return 0;
    }
    CInfoPartList scratch;
    CInfoPartList* stored = settings ? settings : &scratch;
    auto setting = stored->begin();
    int count = 0;
    for (auto& part : *this) {
        if (setting != stored->end()) {
            if (part->DoReadReadPart(database, setting->get()) == 0)
                return 0;
            ++setting;
        } else {
            // More elements than the document stored: they get defaults.
            stored->DoAddNewInfoPart()->DoReadDefaultInfoPart(database, part.get());
            // The new setting sits at the end; keep walking past it.
            setting = stored->end();
        }
        ++count;
    }
    return count;
}

int CReadPartList::DoReadAllCurveInfos(fw::CDatabase* database, fw::CDatabase* curveDatabase,
                                       CInfoPartList* settings) {
    if (!settings)
        return 0;
    auto part = begin();
    int count = 0;
    for (auto& setting : *settings) {
        if (part == end())
            break;
        (*part)->DoReadCurveInfos(database, curveDatabase, setting->m_lDialCharID);
        ++part;
        ++count;
    }
    return count;
}
