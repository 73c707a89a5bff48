#include "breakerdata/recordsets/DorventaDatabases.h"

#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "breakerdata/recordsets/CRSBreak_MPLTC.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSBreak_Version.h"
#include "breakerdata/recordsets/CRSCurve_Header.h"
#include "breakerdata/recordsets/CRSCurve_Point.h"
#include "breakerdata/recordsets/CRSCurve_Standard.h"
#include "breakerdata/recordsets/CRSCurve_Version.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"
#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"
#include "breakerdata/recordsets/CRSMPLTC_Curve.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "breakerdata/recordsets/CVersion.h"

#include "framework/DbException.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace {

constexpr unsigned IDS_MDB_DORVENTA = 4096;
constexpr unsigned IDS_MDB_ORBELUNE = 4097;
constexpr unsigned IDS_MDB_PASSWORD = 16512;
constexpr unsigned IDS_DORVENTA_VERSION = 16640;
constexpr unsigned IDS_ORBELUNE_VERSION = 16641;

std::string First4(const std::string& text) {
    return text.substr(0, 4);
}

// The tables that the recordsets of each database read, the version table
// first: a file that lacks one is not the database it is named after.
std::vector<std::string> BreakerTables() {
    return {CRSBreak_Version().GetDefaultSQL(),   CRSManufacture().GetDefaultSQL(),
            CRSBreak_Group().GetDefaultSQL(),     CRSBreak_Type().GetDefaultSQL(),
            CRSBreak_TypeLVCB().GetDefaultSQL(),  CRSBreak_OpeKind().GetDefaultSQL(),
            CRSBreak_Rated().GetDefaultSQL(),     CRSBreak_Magni().GetDefaultSQL(),
            CRSBreak_Element().GetDefaultSQL(),   CRSDial_Character().GetDefaultSQL(),
            CRSDial_Current().GetDefaultSQL(),    CRSDial_MagniCurrent().GetDefaultSQL(),
            CRSDial_Time().GetDefaultSQL(),       CRSDial_MagniTime().GetDefaultSQL(),
            CRSCurve_Standard().GetDefaultSQL(),  CRSBreak_Poles().GetDefaultSQL(),
            CRSBreak_Capacity().GetDefaultSQL(),  CRSBreak_Cascade().GetDefaultSQL(),
            CRSBreak_Selective().GetDefaultSQL(), CRSBreak_Coordination().GetDefaultSQL(),
            CRSBreak_MPLTC().GetDefaultSQL(),     CRSBreak_MPEI2t().GetDefaultSQL()};
}

std::vector<std::string> CurveTables() {
    return {CRSCurve_Version().GetDefaultSQL(), CRSCurve_Header().GetDefaultSQL(),
            CRSCurve_Point().GetDefaultSQL(), CRSMPLTC_Curve().GetDefaultSQL(),
            CRSMPEI2t_Curve().GetDefaultSQL()};
}

// Opens a database file read-only with the password and checks that it holds
// the tables read from it; null after saying which database (kind) could not
// be opened, and where it was looked for.
std::unique_ptr<fw::CDatabase> OpenWithPassword(const std::string& path, const std::string& kind,
                                                const std::vector<std::string>& tables) {
    auto database = std::make_unique<fw::CDatabase>();
    try {
        database->Open(path, false, true, ";PWD=" + fw::LoadString(IDS_MDB_PASSWORD));
        database->RequireTables(tables);
    } catch (const fw::CDbException& e) {
        DLLDispDatabaseOpenError(&e, kind, path);
        return nullptr;
    }
    return database;
}

} // namespace

namespace dorventa {

fw::CDatabase* DoGetMDBDorventaIn(const std::string& folder, CVersion* expected,
                                  CVersion* dbVersion) {
    std::string path = folder + fw::LoadString(IDS_MDB_DORVENTA);
    std::unique_ptr<fw::CDatabase> database = OpenWithPassword(path, "breaker", BreakerTables());
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
    std::unique_ptr<fw::CDatabase> database = OpenWithPassword(path, "curve", CurveTables());
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
