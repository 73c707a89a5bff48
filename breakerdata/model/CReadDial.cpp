#include "breakerdata/model/CReadDial.h"

CReadValue* CReadDial::DoGetValueByIndex(int index) const {
    return m_listValue.GetAt(index);
}

template <class Match> int CReadDial::IndexOf(Match match) const {
    if (m_listValue.IsEmpty())
        return -1;
    int index = 0;
    for (const auto& value : m_listValue) {
        if (match(*value))
            return index;
        ++index;
    }
    // No match: the last value stands in for it.
    return index - 1;
}

int CReadDial::DoGetIndexByValue(double value) const {
    return IndexOf([value](const CReadValue& v) { return v.m_dValue == value; });
}

int CReadDial::DoGetIndexByName(const std::string& name) const {
    return IndexOf([&name](const CReadValue& v) { return v.m_strName == name; });
}

int CReadDial::DoGetIndexByDialID(int32_t id) const {
    return IndexOf([id](const CReadValue& v) { return v.m_lID == id; });
}

CReadDial* CReadDialList::DoAddNewReadDial() {
    return AddNew();
}

void CReadDialList::DoCopyAllReadDials(const CReadDialList& other) {
    CopyFrom(other);
}

void CReadDialList::DoDeleteAllReadDials() {
    DeleteAll();
}
