#pragma once

#include "framework/COwnedList.h"

#include <cstdint>
#include <string>

// One selectable value of a dial, as read from the breaker database.
class CReadValue {
public:
    int32_t m_lID = 0;     // id of the table row it comes from
    std::string m_strName; // the text shown to the user
    double m_dValue = 0.0;
};

class CReadValueList : public COwnedList<CReadValue> {
public:
    CReadValue* DoAddNewReadValue();
    void DoCopyAllReadValues(const CReadValueList& other);
    void DoDeleteAllReadValues();
};
