#include "equipdata/CSarquineRecordset.h"

#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"

namespace {
constexpr unsigned IDS_FILE_SARQUINE = 4098;
constexpr unsigned IDS_DATABASE_PASSWORD = 16512;
} // namespace

CSarquineRecordset::CSarquineRecordset(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CSarquineRecordset::DatabasePath() {
    return fw::GetProgramFolder() + fw::LoadString(IDS_FILE_SARQUINE);
}

std::string CSarquineRecordset::GetConnect() {
    return ";PWD=" + fw::LoadString(IDS_DATABASE_PASSWORD);
}

double CSarquineRecordset::ValueOrNoData(int index, double value) const {
    return IsFieldNull(index) ? -1.0 : value;
}
