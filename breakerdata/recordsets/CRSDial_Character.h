#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoPart;
class CReadPart;

// The dial characters of the trip elements with the kinds, titles and units
// of their four dials, in table order.
class CRSDial_Character : public fw::CRecordset {
public:
    explicit CRSDial_Character(fw::CDatabase* database = nullptr);

    int32_t m_lDialCharID = 0;
    int32_t m_lElementID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sCharacterName;
    std::string m_sNameOnGraph;
    int32_t m_bIsLink = 0;
    int16_t m_nLinkNumber = 0;
    int32_t m_bIsCurrent = 0;
    int32_t m_bDispCurrentMulti = 0;
    int16_t m_nCurrentFlag = 0;
    std::string m_sCurrentTitle;
    std::string m_sCurrentUnit;
    std::string m_sCurrentNotes;
    int16_t m_nMagniCurrentFlag = 0;
    std::string m_sMagniCurrentTitle;
    std::string m_sMagniCurrentUnit;
    int16_t m_nTimeFlag = 0;
    int32_t m_bIsNoneSadamu = 0;
    std::string m_sTimeTitle;
    std::string m_sTimeUnit;
    std::string m_sTimeNotes;
    int16_t m_nMagniTimeFlag = 0;
    std::string m_sMagniTimeTitle;
    std::string m_sMagniTimeUnit;
    int32_t m_bUseLock = 0;
    int32_t m_bUseTimer = 0;
    int32_t m_bMCR = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The character of an element by name into the settings and the element
    // reference (both reset); the id of the last row, 0 when none.
    int32_t DoReadByElementID(int32_t elementID, const std::string& characterName,
                              CInfoPart* settings, CReadPart* part);
    // Lists the characters of an element and takes the default one.
    int32_t DoReadSetDefaultDC(fw::IComboBox* box, int32_t elementID, CInfoPart* settings,
                               CReadPart* part);

protected:
    // Element, dial character and name, each only when given.
    void DoSetFilterDialChar(int32_t elementID, int32_t dialCharID,
                             const std::string& characterName);

private:
    static void DoInitToInfoPart(CInfoPart* settings);
    void DoCopyToInfoPart(CInfoPart* settings) const;
    static void DoInitToReadPart(CReadPart* part);
    void DoCopyToReadPart(CReadPart* part) const;
};
