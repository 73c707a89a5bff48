#include "breakerdata/model/CCandidate.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"

#include "tools/Filvaron.h"

#include "framework/StringTable.h"

namespace {

constexpr unsigned IDS_UNIT_KILOAMPERE = 26375;

std::string TextKiloAmperes(double amperes, int unitFlag) {
    std::string text = DLLGetTextByBeamsEx(amperes / 1000.0, 4, 1);
    if (unitFlag == 1 && amperes > 0.0)
        text += fw::LoadString(IDS_UNIT_KILOAMPERE);
    return text;
}

} // namespace

FW_IMPLEMENT_SERIAL(CCandidate, 0)

CCandidate& CCandidate::operator=(const CCandidate& other) {
    m_lManufactureID = other.m_lManufactureID;
    m_lGroupID = other.m_lGroupID;
    m_nLVCBCode = other.m_nLVCBCode;
    m_lTypeID = other.m_lTypeID;
    m_dIcs = other.m_dIcs;
    m_dIcu = other.m_dIcu;
    m_dIq = other.m_dIq;
    return *this;
}

void CCandidate::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_lManufactureID << m_lGroupID << m_nLVCBCode << m_lTypeID << m_dIcs << m_dIcu
           << m_dIq;
    } else {
        ar >> m_lManufactureID >> m_lGroupID >> m_nLVCBCode >> m_lTypeID >> m_dIcs >> m_dIcu >>
            m_dIq;
        for (double& spare : m_dSpare)
            spare = 0.0;
        m_bJIS = 0;
    }
}

std::string CCandidate::DoGetTextIcs(int unitFlag) const {
    return TextKiloAmperes(m_dIcs, unitFlag);
}

std::string CCandidate::DoGetTextIcu(int unitFlag) const {
    return TextKiloAmperes(m_dIcu, unitFlag);
}

std::string CCandidate::DoGetTextGroupName(fw::CDatabase* database) const {
    if (m_lManufactureID <= 0 || m_lGroupID <= 0)
        return {};
    CInfoBase scratch;
    CRSBreak_Group rs(database);
    if (rs.DoReadByManuGroupID(m_lManufactureID, m_lGroupID, &scratch) == 0)
        return {};
    return scratch.m_strGroupName;
}

std::string CCandidate::DoGetTextTypeName(fw::CDatabase* database) const {
    if (m_lTypeID <= 0)
        return {};
    CInfoBase scratch;
    CRSBreak_Type rs(database);
    if (rs.DoReadByTypeID(m_lTypeID, &scratch, nullptr, 1) == 0)
        return {};
    return scratch.m_strTypeName;
}

void CCandidateList::DoDeleteAllCandidate() {
    DeleteAll();
}

CCandidate* CCandidateList::DoFindFromCandidate(int32_t typeID) const {
    if (typeID <= 0)
        return nullptr;
    for (const auto& candidate : *this)
        if (candidate->m_lTypeID == typeID)
            return candidate.get();
    return nullptr;
}

CCandidate* CCandidateList::DoAddNewCandidate() {
    return AddNew();
}

void CCandidateList::DoCopyAllCandidate(const CCandidateList* other) {
    if (other == this)
        return;
    DoDeleteAllCandidate();
    if (!other)
        return;
    for (const auto& candidate : *other)
        *DoAddNewCandidate() = *candidate;
}
