#include "breakerdata/recordsets/CRSCurve_Version.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

CRSCurve_Version::CRSCurve_Version(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSCurve_Version::GetDefaultDBName() const {
    return dorventa::GetPathMDBOrbelune();
}

std::string CRSCurve_Version::GetDefaultSQL() const {
    return "[Version]";
}

void CRSCurve_Version::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lVersionID]", m_lVersionID);
    fx.Text("[sCountry]", m_sCountry);
    fx.Text("[sMaker]", m_sMaker);
    fx.Text("[sProduct]", m_sProduct);
    fx.Text("[sExeVersion]", m_sExeVersion);
    fx.Text("[sMdbVersion]", m_sMdbVersion);
}

std::string CRSCurve_Version::GetTableOrder() const {
    return "[Version].rowid";
}

int32_t CRSCurve_Version::DoGetMdbVersion(std::string& country, std::string& maker,
                                          std::string& product, std::string& exeVersion,
                                          std::string& mdbVersion) {
    country.clear();
    maker.clear();
    product.clear();
    exeVersion.clear();
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
            mdbVersion = m_sMdbVersion;
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
