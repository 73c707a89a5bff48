#pragma once

#include "framework/COwnedList.h"

#include "framework/Archive.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw
class CReadPart;
class CReadPartList;

// The dial settings of one trip element of a device, kept in the project
// document.
class CInfoPart : public fw::CObject {
    FW_DECLARE_SERIAL(CInfoPart)
public:
    CInfoPart() = default;
    CInfoPart(const CInfoPart&) = default;
    CInfoPart& operator=(const CInfoPart&) = default;

    // int, text, four doubles, four ints, double.
    void Serialize(fw::CArchive& ar) override;

    // The default dial character of the element and the defaults of its
    // dials. Returns 1, or 0 when the element has no dial character.
    int DoReadDefaultInfoPart(fw::CDatabase* database, CReadPart* part);

    int32_t m_lDialCharID = 0;      // [lDialCharID], 0 = none
    std::string m_strCharacterName; // [sCharacterName]
    double m_dCurrent = 0.0;
    double m_dMagniCurrent = 0.0;
    double m_dTime = 0.0;
    double m_dMagniTime = 0.0;
    // Kept for the element's settings dialogs (the lock and timer flags among
    // them); this library only zeroes, copies and stores them.
    int32_t m_nExtra[4] = {0, 0, 0, 0};
    double m_dExtra = 0.0;
};

// The settings of every trip element of a device, in element order.
class CInfoPartList : public COwnedList<CInfoPart> {
public:
    CInfoPart* DoAddNewInfoPart();
    void DoCopyAllInfoParts(const CInfoPartList& other);
    void DoDeleteAllInfoParts();

    // Default settings of every trip element of a rating, the element
    // references filled alongside. Returns the count of elements, 0 (warned)
    // when the rating has none.
    int DoReadDefaultAllInfoPart(fw::CDatabase* database, int32_t breakRatedID,
                                 CReadPartList* parts);
};
