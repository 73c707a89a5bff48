#pragma once

#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CReadDial.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw
class CInfoPart;
class CInfoPartList;

// Reference data of one trip element: its dial character with the four dials
// and its standard curves.
class CReadPart {
public:
    // The text of the dial value a setting stands on: its name, then the unit
    // in brackets (unitFlag 1) or bare (any other flag) when the dial has one.
    // Empty unless the dial is fixed or continuous and holds values.
    std::string DoGetTextCurrent(double value, int unitFlag) const;
    std::string DoGetTextMagniCurrent(double value, int unitFlag) const;
    std::string DoGetTextTime(double value, int unitFlag) const;
    std::string DoGetTextMagniTime(double value, int unitFlag) const;

    // Rebuilds the element's reference for a stored setting and re-validates
    // the setting's dial values. 1, or 0 when no dial character matches.
    int DoReadReadPart(fw::CDatabase* database, CInfoPart* settings);
    // The standard curves of a dial character with their headers and points,
    // unless curves are read already. 1 when both gave rows, else 0.
    int DoReadCurveInfos(fw::CDatabase* database, fw::CDatabase* curveDatabase, int32_t dialCharID);

    int32_t m_lElementID = 0;        // [lElementID]
    std::string m_strElementName;    // [sElementName]
    std::string m_strNameOnGraph;    // [sNameOnGraph]
    int32_t m_bIsLink = 0;           // [bIsLink]
    int32_t m_nLinkNumber = 0;       // [nLinkNumber]
    int32_t m_bIsCurrent = 0;        // [bIsCurrent]: 1 the current values are currents
    int32_t m_bDispCurrentMulti = 0; // [bDispCurrentMulti]: 1 shown divided by 100
    CReadDial m_dialCurrent;         // kind [nCurrentFlag]
    CReadDial m_dialMagniCurrent;    // kind [nMagniCurrentFlag]
    int32_t m_bIsNoneSadamu = 0;     // [bIsNoneSadamu]: time undetermined
    CReadDial m_dialTime;            // kind [nTimeFlag]
    CReadDial m_dialMagniTime;       // kind [nMagniTimeFlag]
    int32_t m_bUseLock = 0;          // [bUseLock]
    int32_t m_bUseTimer = 0;         // [bUseTimer]
    int32_t m_bMCR = 0;              // [bMCR]
    CReadCurveList m_listReadCurve;  // owned

private:
    // Index of the setting's value in a dial, or -1 when the dial shows no
    // value for it.
    static int IndexOfSetting(const CReadDial& dial, double value);
    static std::string WithUnit(std::string text, const CReadDial& dial, int unitFlag);
    static std::string TextOf(const CReadDial& dial, double value, int unitFlag);
};

class CReadPartList : public COwnedList<CReadPart> {
public:
    CReadPart* DoAddNewReadPart();
    void DoCopyAllReadParts(const CReadPartList& other);
    void DoDeleteAllReadParts();

    // Rebuilds every element of a rating for the stored settings; elements
    // beyond the stored settings get default settings appended. Returns the
    // count (at once when already read), 0 on failure.
    int DoReadAllReadParts(fw::CDatabase* database, int32_t breakRatedID, CInfoPartList* settings);
    // The curves of each element for its stored setting's dial character.
    int DoReadAllCurveInfos(fw::CDatabase* database, fw::CDatabase* curveDatabase,
                            CInfoPartList* settings);
};
