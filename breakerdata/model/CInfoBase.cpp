#include "breakerdata/model/CInfoBase.h"

#include "tools/Filvaron.h"

#include "framework/StringTable.h"

namespace {
constexpr unsigned IDS_UNIT_VOLT = 26372;
constexpr unsigned IDS_UNIT_AMPERE = 26373;
} // namespace

FW_IMPLEMENT_SERIAL(CInfoBase, 0)

void CInfoBase::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_lManufactureID << m_strManufactureName << m_lGroupID << m_strGroupName
           << m_nKindFlag << m_nLVCBCode << m_lTypeID << m_strTypeName << m_lOpeKindID
           << m_strOpeKindName << m_lBreakRatedID << m_strRatedName << m_dRatedValue
           << m_dMagniValue << m_nVoltage << m_bUseCT << m_nCT1Current << m_nCT2Current
           << m_bUseDivisor << m_nDivisor;
        for (int32_t v : m_nExtraA)
            ar << v;
        ar << m_dExtraA;
        for (int32_t v : m_nExtraB)
            ar << v;
        ar << m_dExtraB;
    } else {
        ar >> m_lManufactureID >> m_strManufactureName >> m_lGroupID >> m_strGroupName >>
            m_nKindFlag >> m_nLVCBCode >> m_lTypeID >> m_strTypeName >> m_lOpeKindID >>
            m_strOpeKindName >> m_lBreakRatedID >> m_strRatedName >> m_dRatedValue >>
            m_dMagniValue >> m_nVoltage >> m_bUseCT >> m_nCT1Current >> m_nCT2Current >>
            m_bUseDivisor >> m_nDivisor;
        for (int32_t& v : m_nExtraA)
            ar >> v;
        ar >> m_dExtraA;
        for (int32_t& v : m_nExtraB)
            ar >> v;
        ar >> m_dExtraB;
    }
}

int CInfoBase::IsOkSetCurveInfo() const {
    if (m_nVoltage <= 0 || m_lManufactureID <= 0 || m_lGroupID <= 0 || m_nKindFlag == 0)
        return 0;
    if (m_nKindFlag == 2 && m_nLVCBCode == 0)
        return 0;
    if (m_lTypeID <= 0)
        return 0;
    // A contactor has neither operating kind nor rating.
    if (m_nKindFlag == 4)
        return 1;
    return m_lOpeKindID > 0 && m_lBreakRatedID > 0 && m_dRatedValue > 0 ? 1 : 0;
}

std::string CInfoBase::DoGetTextRated(int unitFlag) const {
    std::string text = DLLGetTextByBeams(m_dRatedValue, 0);
    if (unitFlag == 1)
        text += fw::LoadString(IDS_UNIT_AMPERE);
    return text;
}

std::string CInfoBase::DoGetTextVoltage(int unitFlag) const {
    std::string text = DLLGetTextByBeams(m_nVoltage, 0);
    if (unitFlag == 1)
        text += fw::LoadString(IDS_UNIT_VOLT);
    return text;
}

std::string CInfoBase::DoGetTextCT1Current() const {
    return DLLGetTextByBeams(m_nCT1Current, 0);
}

CInfoBase* CInfoBaseList::DoAddNewInfoBase() {
    return AddNew();
}

void CInfoBaseList::DoCopyAllInfoBases(const CInfoBaseList& other) {
    CopyFrom(other);
}

void CInfoBaseList::DoDeleteAllInfoBases() {
    DeleteAll();
}
