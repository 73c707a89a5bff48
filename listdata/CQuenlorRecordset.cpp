#include "listdata/CQuenlorRecordset.h"

#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"

namespace {
constexpr unsigned IDS_FILE_QUENLOR = 4099;
constexpr unsigned IDS_DATABASE_PASSWORD = 16512;
} // namespace

CQuenlorRecordset::CQuenlorRecordset(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CQuenlorRecordset::DatabasePath() {
    return fw::GetProgramFolder() + fw::LoadString(IDS_FILE_QUENLOR);
}

std::string CQuenlorRecordset::GetConnect() {
    return ";PWD=" + fw::LoadString(IDS_DATABASE_PASSWORD);
}
