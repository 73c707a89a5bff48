#include "breakerdata/recordsets/CRSBreak_Version.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_Version::CRSBreak_Version(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Version::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Version::GetDefaultSQL() const {
    return "[Version]";
}

void CRSBreak_Version::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lVersionID]", m_lVersionID);
    fx.Text("[sCountry]", m_sCountry);
    fx.Text("[sMaker]", m_sMaker);
    fx.Text("[sProduct]", m_sProduct);
    fx.Text("[sExeVersion]", m_sExeVersion);
    fx.Text("[sLanguage]", m_sLanguage);
    fx.Text("[sLocation]", m_sLocation);
    fx.Text("[sMdbVersion]", m_sMdbVersion);
}

std::string CRSBreak_Version::GetTableOrder() const {
    return "[Version].rowid";
}

int32_t CRSBreak_Version::DoGetMdbVersion(std::string& country, std::string& maker,
                                          std::string& product, std::string& exeVersion,
                                          std::string& language, std::string& location,
                                          std::string& mdbVersion) {
    country.clear();
    maker.clear();
    product.clear();
    exeVersion.clear();
    language.clear();
    location.clear();
    mdbVersion.clear();
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        int32_t count = 0;
        ClearFilter();
        Open();
        while (!IsEOF()) {
            country = m_sCountry;
            maker = m_sMaker;
            product = m_sProduct;
            exeVersion = m_sExeVersion;
            language = m_sLanguage;
            location = m_sLocation;
            mdbVersion = m_sMdbVersion;
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
