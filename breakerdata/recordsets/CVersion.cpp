#include "breakerdata/recordsets/CVersion.h"

FW_IMPLEMENT_SERIAL(CVersion, 0)

namespace {

// Database versions match on their first four characters ("1.00a" and
// "1.00b" are one version; "1.0" and "1.00" are not).
bool SameMdbVersion(const std::string& a, const std::string& b) {
    return a.substr(0, 4) == b.substr(0, 4);
}

} // namespace

void CVersion::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strCountry << m_strMaker << m_strProduct << m_strVersion << m_strLanguage
           << m_strMdbVersion;
    } else {
        ar >> m_strCountry >> m_strMaker >> m_strProduct >> m_strVersion >> m_strLanguage >>
            m_strMdbVersion;
    }
}

bool CVersion::IsOkDocVersion(const CVersionList& list) const {
    for (const auto& v : list) {
        if (v->m_strCountry == m_strCountry && v->m_strMaker == m_strMaker &&
            v->m_strProduct == m_strProduct && v->m_strVersion == m_strVersion &&
            v->m_strLanguage == m_strLanguage)
            return true;
    }
    return false;
}

bool CVersion::IsOkDocVersion(const CVersionList* list) const {
    return list && IsOkDocVersion(*list);
}

bool CVersion::IsOkDorventaVersions(const CVersion& expected) const {
    return m_strLanguage == expected.m_strLanguage && IsOkOrbeluneVersions(expected);
}

bool CVersion::IsOkOrbeluneVersions(const CVersion& expected) const {
    return m_strCountry == expected.m_strCountry && m_strMaker == expected.m_strMaker &&
           m_strProduct == expected.m_strProduct &&
           SameMdbVersion(m_strMdbVersion, expected.m_strMdbVersion);
}

CVersion* CVersionList::DoAddNewVersion() {
    return AddNew();
}

void CVersionList::DoCopyAllVersions(const CVersionList& other) {
    CopyFrom(other);
}

void CVersionList::DoDeleteAllVersions() {
    DeleteAll();
}
