#include "breakerdata/recordsets/CRSDial_Character.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSDial_Character::CRSDial_Character(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSDial_Character::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSDial_Character::GetDefaultSQL() const {
    return "[Dial_Character]";
}

void CRSDial_Character::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lDialCharID]", m_lDialCharID);
    fx.Long("[lElementID]", m_lElementID);
    fx.Bool("[bIsDefault]", m_bIsDefault);
    fx.Text("[sCharacterName]", m_sCharacterName);
    fx.Text("[sNameOnGraph]", m_sNameOnGraph);
    fx.Bool("[bIsLink]", m_bIsLink);
    fx.Short("[nLinkNumber]", m_nLinkNumber);
    fx.Bool("[bIsCurrent]", m_bIsCurrent);
    fx.Bool("[bDispCurrentMulti]", m_bDispCurrentMulti);
    fx.Short("[nCurrentFlag]", m_nCurrentFlag);
    fx.Text("[sCurrentTitle]", m_sCurrentTitle);
    fx.Text("[sCurrentUnit]", m_sCurrentUnit);
    fx.Text("[sCurrentNotes]", m_sCurrentNotes);
    fx.Short("[nMagniCurrentFlag]", m_nMagniCurrentFlag);
    fx.Text("[sMagniCurrentTitle]", m_sMagniCurrentTitle);
    fx.Text("[sMagniCurrentUnit]", m_sMagniCurrentUnit);
    fx.Short("[nTimeFlag]", m_nTimeFlag);
    fx.Bool("[bIsNoneSadamu]", m_bIsNoneSadamu);
    fx.Text("[sTimeTitle]", m_sTimeTitle);
    fx.Text("[sTimeUnit]", m_sTimeUnit);
    fx.Text("[sTimeNotes]", m_sTimeNotes);
    fx.Short("[nMagniTimeFlag]", m_nMagniTimeFlag);
    fx.Text("[sMagniTimeTitle]", m_sMagniTimeTitle);
    fx.Text("[sMagniTimeUnit]", m_sMagniTimeUnit);
    fx.Bool("[bUseLock]", m_bUseLock);
    fx.Bool("[bUseTimer]", m_bUseTimer);
    fx.Bool("[bMCR]", m_bMCR);
}

std::string CRSDial_Character::GetTableOrder() const {
    return "[Dial_Character].rowid";
}

void CRSDial_Character::DoSetFilterDialChar(int32_t elementID, int32_t dialCharID,
                                            const std::string& characterName) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[lElementID]", elementID);
    dorventa::DoAddFilterId(*this, "[lDialCharID]", dialCharID);
    dorventa::DoAddFilterText(*this, "[sCharacterName]", characterName);
}
