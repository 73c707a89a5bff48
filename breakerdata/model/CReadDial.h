#pragma once

#include "breakerdata/model/CReadValue.h"
#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

// One dial of a device (a setting) with its selectable values. The dial owns
// its values; copying a dial copies them.
class CReadDial {
public:
    // The value at a 0-based index in list order, or null.
    CReadValue* DoGetValueByIndex(int index) const;
    // The three lookups give -1 for an empty dial, the index of the first
    // matching value, and the index of the last value when none matches.
    int DoGetIndexByValue(double value) const;           // exact comparison
    int DoGetIndexByName(const std::string& name) const; // case-sensitive
    int DoGetIndexByDialID(int32_t id) const;

    int32_t m_nKind = 0; // 2 fixed values, 3 continuous range, 4 mixed; 0 absent
    std::string m_strTitle;
    std::string m_strUnit;
    std::string m_strNotes;
    CReadValueList m_listValue;

private:
    template <class Match> int IndexOf(Match match) const;
};

class CReadDialList : public COwnedList<CReadDial> {
public:
    CReadDial* DoAddNewReadDial();
    void DoCopyAllReadDials(const CReadDialList& other);
    void DoDeleteAllReadDials();
};
