#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The version row of the breaker database.
class CRSBreak_Version : public fw::CRecordset {
public:
    explicit CRSBreak_Version(fw::CDatabase* database = nullptr);

    int32_t m_lVersionID = 0;
    std::string m_sCountry;
    std::string m_sMaker;
    std::string m_sProduct;
    std::string m_sExeVersion;
    std::string m_sLanguage;
    std::string m_sLocation;
    std::string m_sMdbVersion;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Reads every row; the outputs keep the values of the last row read and
    // stay empty for an empty table. Returns the row count (0 on a database
    // error, shown with the default SQL).
    int32_t DoGetMdbVersion(std::string& country, std::string& maker, std::string& product,
                            std::string& exeVersion, std::string& language, std::string& location,
                            std::string& mdbVersion);
};
