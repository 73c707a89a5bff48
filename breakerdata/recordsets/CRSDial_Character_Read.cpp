// Reading the dial characters of a trip element into its settings and its
// element reference.

#include "breakerdata/recordsets/CRSDial_Character.h"

#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "breakerdata/recordsets/RowReading.h"

namespace {

void InitDial(CReadDial& dial) {
    dial.m_nKind = 0;
    dial.m_strTitle.clear();
    dial.m_strUnit.clear();
    dial.m_strNotes.clear();
}

} // namespace

void CRSDial_Character::DoInitToInfoPart(CInfoPart* settings) {
    if (!settings)
        return;
    settings->m_lDialCharID = 0;
    settings->m_strCharacterName.clear();
}

void CRSDial_Character::DoCopyToInfoPart(CInfoPart* settings) const {
    if (!settings)
        return;
    settings->m_lDialCharID = m_lDialCharID;
    settings->m_strCharacterName = m_sCharacterName;
}

void CRSDial_Character::DoInitToReadPart(CReadPart* part) {
    if (!part)
        return;
    // The element's id and name and the dials' values are not the
    // character's: they stay.
    part->m_strNameOnGraph.clear();
    part->m_bIsLink = 0;
    part->m_nLinkNumber = 0;
    part->m_bIsCurrent = 0;
    part->m_bDispCurrentMulti = 0;
    InitDial(part->m_dialCurrent);
    InitDial(part->m_dialMagniCurrent);
    part->m_bIsNoneSadamu = 0;
    InitDial(part->m_dialTime);
    InitDial(part->m_dialMagniTime);
    part->m_bUseLock = 0;
    part->m_bUseTimer = 0;
    part->m_bMCR = 0;
}

void CRSDial_Character::DoCopyToReadPart(CReadPart* part) const {
    if (!part)
        return;
    part->m_strNameOnGraph = m_sNameOnGraph;
    part->m_bIsLink = m_bIsLink;
    part->m_nLinkNumber = m_nLinkNumber;
    part->m_bIsCurrent = m_bIsCurrent;
    part->m_bDispCurrentMulti = m_bDispCurrentMulti;
    part->m_dialCurrent.m_nKind = m_nCurrentFlag;
    part->m_dialCurrent.m_strTitle = m_sCurrentTitle;
    part->m_dialCurrent.m_strUnit = m_sCurrentUnit;
    part->m_dialCurrent.m_strNotes = m_sCurrentNotes;
    part->m_dialMagniCurrent.m_nKind = m_nMagniCurrentFlag;
    part->m_dialMagniCurrent.m_strTitle = m_sMagniCurrentTitle;
    part->m_dialMagniCurrent.m_strUnit = m_sMagniCurrentUnit;
    part->m_bIsNoneSadamu = m_bIsNoneSadamu;
    part->m_dialTime.m_nKind = m_nTimeFlag;
    part->m_dialTime.m_strTitle = m_sTimeTitle;
    part->m_dialTime.m_strUnit = m_sTimeUnit;
    part->m_dialTime.m_strNotes = m_sTimeNotes;
    part->m_dialMagniTime.m_nKind = m_nMagniTimeFlag;
    part->m_dialMagniTime.m_strTitle = m_sMagniTimeTitle;
    part->m_dialMagniTime.m_strUnit = m_sMagniTimeUnit;
    part->m_bUseLock = m_bUseLock;
    part->m_bUseTimer = m_bUseTimer;
    part->m_bMCR = m_bMCR;
}

int32_t CRSDial_Character::DoReadByElementID(int32_t elementID, const std::string& characterName,
                                             CInfoPart* settings, CReadPart* part) {
    DoSetFilterDialChar(elementID, 0, characterName);
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        Open();
        DoInitToInfoPart(settings);
        DoInitToReadPart(part);
        int32_t result = 0;
        while (!IsEOF()) {
            DoCopyToInfoPart(settings);
            DoCopyToReadPart(part);
            result = m_lDialCharID;
            MoveNext();
        }
        Close();
        return result;
    });
}

int32_t CRSDial_Character::DoReadSetDefaultDC(fw::IComboBox* box, int32_t elementID,
                                              CInfoPart* settings, CReadPart* part) {
    DoSetFilterDialChar(elementID, 0, std::string());
    // No init flag here: the default character is always taken.
    return dorventa::DoFillDefaultRows(
        *this, box, 1, true,
        [&] {
            DoInitToInfoPart(settings);
            DoInitToReadPart(part);
        },
        m_sCharacterName, m_lDialCharID, m_bIsDefault,
        [&] {
            DoCopyToInfoPart(settings);
            DoCopyToReadPart(part);
        });
}
