#include "breakerdata/model/CReadPart.h"

#include "tools/Filvaron.h"

int CReadPart::IndexOfSetting(const CReadDial& dial, double value) {
    if (dial.m_nKind != 2 && dial.m_nKind != 3)
        return -1;
    return dial.DoGetIndexByValue(value);
}

std::string CReadPart::WithUnit(std::string text, const CReadDial& dial, int unitFlag) {
    if (dial.m_strUnit.empty())
        return text;
    if (unitFlag == 1)
        return text + "(" + dial.m_strUnit + ")";
    return text + dial.m_strUnit;
}

std::string CReadPart::TextOf(const CReadDial& dial, double value, int unitFlag) {
    int index = IndexOfSetting(dial, value);
    if (index < 0)
        return {};
    return WithUnit(dial.DoGetValueByIndex(index)->m_strName, dial, unitFlag);
}

std::string CReadPart::DoGetTextCurrent(double value, int unitFlag) const {
    int index = IndexOfSetting(m_dialCurrent, value);
    if (index < 0)
        return {};
    const CReadValue* found = m_dialCurrent.DoGetValueByIndex(index);
    // A continuous current dial shown as multiples writes its value divided
    // by 100 rather than the stored text.
    if (m_dialCurrent.m_nKind == 3 && m_bDispCurrentMulti == 1)
        return WithUnit(DLLGetTextByBeams(found->m_dValue / 100.0, 0), m_dialCurrent, unitFlag);
    return WithUnit(found->m_strName, m_dialCurrent, unitFlag);
}

std::string CReadPart::DoGetTextMagniCurrent(double value, int unitFlag) const {
    return TextOf(m_dialMagniCurrent, value, unitFlag);
}

std::string CReadPart::DoGetTextTime(double value, int unitFlag) const {
    return TextOf(m_dialTime, value, unitFlag);
}

std::string CReadPart::DoGetTextMagniTime(double value, int unitFlag) const {
    return TextOf(m_dialMagniTime, value, unitFlag);
}

CReadPart* CReadPartList::DoAddNewReadPart() {
    return AddNew();
}

void CReadPartList::DoCopyAllReadParts(const CReadPartList& other) {
    CopyFrom(other);
}

void CReadPartList::DoDeleteAllReadParts() {
    DeleteAll();
}
