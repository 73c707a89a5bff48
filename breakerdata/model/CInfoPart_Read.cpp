// Filling the settings of trip elements with the defaults of the breaker
// database.

#include "breakerdata/model/CInfoPart.h"

#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"

#include "tools/Filvaron.h"

namespace {

constexpr unsigned IDS_TABLE_BREAK_ELEMENT = 4230;

// The default of one dial of the character by the dial's kind; other kinds
// leave the setting.
template <class RS, class... Multi>
void ReadDefaultDial(fw::CDatabase* database, int32_t dialCharID, CReadDial& dial,
                     CInfoPart* settings, Multi... multi) {
    RS rs(database);
    if (dial.m_nKind == 2)
        rs.DoReadSetDefaultFixed(nullptr, dialCharID, &dial, settings, 1);
    else if (dial.m_nKind == 3)
        rs.DoReadSetDefaultContinue(nullptr, dialCharID, &dial, settings, multi..., 1);
}

} // namespace

int CInfoPart::DoReadDefaultInfoPart(fw::CDatabase* database, CReadPart* part) {
    if (!part)
        return 0;
    if (CRSDial_Character(database).DoReadSetDefaultDC(nullptr, part->m_lElementID, this, part) ==
        0)
        return 0;
    ReadDefaultDial<CRSDial_Current>(database, m_lDialCharID, part->m_dialCurrent, this,
                                     static_cast<int>(part->m_bDispCurrentMulti));
    ReadDefaultDial<CRSDial_Time>(database, m_lDialCharID, part->m_dialTime, this);
    ReadDefaultDial<CRSDial_MagniCurrent>(database, m_lDialCharID, part->m_dialMagniCurrent, this);
    ReadDefaultDial<CRSDial_MagniTime>(database, m_lDialCharID, part->m_dialMagniTime, this);
    return 1;
}

int CInfoPartList::DoReadDefaultAllInfoPart(fw::CDatabase* database, int32_t breakRatedID,
                                            CReadPartList* parts) {
    DoDeleteAllInfoParts();
    CReadPartList scratch;
    CReadPartList* elements = parts ? parts : &scratch;
    if (CRSBreak_Element(database).DoReadToListReadPart(breakRatedID, elements) == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_ELEMENT, static_cast<double>(breakRatedID));
        return 0;
    }
    int count = 0;
    for (auto& part : *elements) {
        DoAddNewInfoPart()->DoReadDefaultInfoPart(database, part.get());
        ++count;
    }
    return count;
}
