#pragma once

// What the catalogue's tests share: the catalogue program's string table
// (registered for every test of these programs), its version records, and
// the reference databases built beside the programs.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CVersion.h"

#include <string>

namespace fw {
class CDatabase;
}

namespace cattest {

// The catalogue program's own version record ("1.00") and the list of the
// versions it accepts (that one).
CVersion ProgramVersion();
CVersionList AcceptedVersions();

// The breaker and list databases, opened as the program opens them and
// closed at the end of the fixture's life.
class CDatabases {
public:
    CDatabases();
    ~CDatabases();
    CDatabases(const CDatabases&) = delete;
    CDatabases& operator=(const CDatabases&) = delete;

    fw::CDatabase* m_pBreaker = nullptr;
    fw::CDatabase* m_pList = nullptr;
};

// A breaker selection of a type (with its maker and group) as the dialogs
// leave it, and one of a group without a type.
CInfoBase TypeSelection(fw::CDatabase* db, int32_t typeID, int32_t voltage);
CInfoBase GroupSelection(fw::CDatabase* db, int32_t makerID, int32_t groupID, int32_t voltage);

// A copy of the breaker database beside the programs in a temporary file,
// with the SQL statements run on it (to take tables away from it).
std::string CopyBreakerDatabase(const std::string& folder, const std::string& sql);

// The text of a PDF file by poppler's pdftotext, one string a page; empty
// when the tool is missing.
std::vector<std::string> PdfPages(const std::string& path);
bool HavePdfToText();

} // namespace cattest
