#include "tests/catalogue/CatalogueTestSupport.h"

#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"

#include "framework/Database.h"
#include "framework/ProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <stdexcept>
#include <vector>

namespace {

// The catalogue program reads its own string table, not the main program's.
class CatalogueStrings : public ::testing::Environment {
public:
    void SetUp() override { RegisterZedezuziStrings(); }
};

[[maybe_unused]] const auto* g_strings = ::testing::AddGlobalTestEnvironment(new CatalogueStrings);

} // namespace

namespace cattest {

CVersion ProgramVersion() {
    CVersion v;
    v.m_strCountry = "Japan";
    v.m_strMaker = "KESTRAVAL";
    v.m_strProduct = "TOVARINE2";
    v.m_strVersion = "1.00";
    v.m_strLanguage = "English";
    v.m_strMdbVersion = "1.52";
    return v;
}

CVersionList AcceptedVersions() {
    CVersionList list;
    *list.DoAddNewVersion() = ProgramVersion();
    return list;
}

CDatabases::CDatabases() {
    CVersion expected = ProgramVersion();
    CVersion reading = expected;
    m_pBreaker = DLLGetMDBDorventa(&expected, &reading);
    m_pList = DLLGetMDBQuenlor();
    if (!m_pBreaker || !m_pList)
        throw std::runtime_error("the reference databases beside the tests cannot be opened");
}

CDatabases::~CDatabases() {
    DLLDelMDBDorventa(m_pBreaker);
    DLLDelMDBQuenlor(m_pList);
}

CInfoBase TypeSelection(fw::CDatabase* db, int32_t typeID, int32_t voltage) {
    CInfoBase s;
    s.m_nKindFlag = 2;
    s.m_nVoltage = voltage;
    CRSBreak_Type(db).DoReadByTypeID(typeID, &s, nullptr, 1);
    CRSBreak_Group(db).DoReadByManuGroupID(s.m_lManufactureID, s.m_lGroupID, &s);
    return s;
}

CInfoBase GroupSelection(fw::CDatabase* db, int32_t makerID, int32_t groupID, int32_t voltage) {
    CInfoBase s;
    s.m_nKindFlag = 2;
    s.m_nVoltage = voltage;
    s.m_lManufactureID = makerID;
    CRSBreak_Group(db).DoReadByManuGroupID(makerID, groupID, &s);
    return s;
}

std::string CopyBreakerDatabase(const std::string& folder, const std::string& sql) {
    std::string path = folder + "/dorventa.mdb";
    QFile::remove(QString::fromStdString(path));
    if (!QFile::copy(QString::fromStdString(fw::GetProgramFolder() + "dorventa.mdb"),
                     QString::fromStdString(path)))
        throw std::runtime_error("cannot copy the breaker database");
    QFile::setPermissions(QString::fromStdString(path),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open the copy of the breaker database");
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("SQL on the copy failed: " + message);
    return path;
}

bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

std::vector<std::string> PdfPages(const std::string& path) {
    std::vector<std::string> pages;
    if (!HavePdfToText())
        return pages;
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return pages;
    // Pages are separated by form feeds; the last one ends with one.
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    QStringList parts = text.split(QLatin1Char('\f'));
    if (!parts.isEmpty() && parts.last().trimmed().isEmpty())
        parts.removeLast();
    for (const QString& part : parts)
        pages.push_back(part.toStdString());
    return pages;
}

} // namespace cattest
