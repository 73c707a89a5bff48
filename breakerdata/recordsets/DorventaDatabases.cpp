#include "breakerdata/recordsets/DorventaDatabases.h"

#include "breakerdata/recordsets/CRSBreak_Version.h"
#include "breakerdata/recordsets/CRSCurve_Version.h"
#include "breakerdata/recordsets/CVersion.h"

#include "framework/DbException.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <initializer_list>
#include <memory>

namespace {

constexpr unsigned IDS_MDB_DORVENTA = 4096;
constexpr unsigned IDS_MDB_ORBELUNE = 4097;
constexpr unsigned IDS_MDB_PASSWORD = 16512;
constexpr unsigned IDS_DORVENTA_VERSION = 16640;
constexpr unsigned IDS_ORBELUNE_VERSION = 16641;

std::string First4(const std::string& text) {
    return text.substr(0, 4);
}

// Opens a database file read-only with the password; null after showing the
// engine's error with the path.
std::unique_ptr<fw::CDatabase> OpenWithPassword(const std::string& path) {
    auto database = std::make_unique<fw::CDatabase>();
    try {
        database->Open(path, false, true, ";PWD=" + fw::LoadString(IDS_MDB_PASSWORD));
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, path);
        return nullptr;
    }
    return database;
}

} // namespace

namespace dorventa {

fw::CDatabase* DoGetMDBDorventaIn(const std::string& folder, CVersion* expected,
                                  CVersion* dbVersion) {
    std::string path = folder + fw::LoadString(IDS_MDB_DORVENTA);
    std::unique_ptr<fw::CDatabase> database = OpenWithPassword(path);
    if (!database)
        return nullptr;

    CVersion row;
    CRSBreak_Version rs(database.get());
    rs.DoGetMdbVersion(row.m_strCountry, row.m_strMaker, row.m_strProduct, row.m_strVersion,
                       row.m_strLanguage, row.m_strLocation, row.m_strMdbVersion);
    rs.Close();

    CVersion none;
    CVersion& want = expected ? *expected : none;
    want.m_strLocation = row.m_strLocation;
    if (dbVersion) {
        dbVersion->m_strLocation = row.m_strLocation;
        dbVersion->m_strMdbVersion = row.m_strMdbVersion;
    }
    if (!row.IsOkDorventaVersions(want)) {
        std::string found = path + "(Ver" + First4(row.m_strMdbVersion) + row.m_strLanguage + ")";
        fw::AppMessageBox(fw::FormatStrings(fw::LoadString(IDS_DORVENTA_VERSION),
                                            {found, want.m_strMaker, want.m_strProduct,
                                             First4(want.m_strMdbVersion), want.m_strLanguage}),
                          fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    return database.release();
}

fw::CDatabase* DoGetMDBOrbeluneIn(const std::string& folder, CVersion* expected) {
    std::string path = folder + fw::LoadString(IDS_MDB_ORBELUNE);
    std::unique_ptr<fw::CDatabase> database = OpenWithPassword(path);
    if (!database)
        return nullptr;

    CVersion row;
    CRSCurve_Version rs(database.get());
    rs.DoGetMdbVersion(row.m_strCountry, row.m_strMaker, row.m_strProduct, row.m_strVersion,
                       row.m_strMdbVersion);
    rs.Close();

    CVersion none;
    const CVersion& want = expected ? *expected : none;
    if (!row.IsOkOrbeluneVersions(want)) {
        std::string found = path + "(Ver" + First4(row.m_strMdbVersion) + ")";
        fw::AppMessageBox(fw::FormatStrings(fw::LoadString(IDS_ORBELUNE_VERSION),
                                            {found, want.m_strMaker, want.m_strProduct,
                                             First4(want.m_strMdbVersion)}),
                          fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    return database.release();
}

} // namespace dorventa

fw::CDatabase* DLLGetMDBDorventa(CVersion* expected, CVersion* dbVersion) {
    return dorventa::DoGetMDBDorventaIn(fw::GetProgramFolder(), expected, dbVersion);
}

fw::CDatabase* DLLGetMDBOrbelune(CVersion* expected) {
    return dorventa::DoGetMDBOrbeluneIn(fw::GetProgramFolder(), expected);
}

// One body closes both kinds of database.
void DLLDelMDBDorventa(fw::CDatabase* database) {
    if (database) {
        database->Close();
        delete database;
    }
}

void DLLDelMDBOrbelune(fw::CDatabase* database) {
    DLLDelMDBDorventa(database);
}
