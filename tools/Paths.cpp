// Paths of the files beside the program, and the database messages.

#include "tools/Filvaron.h"

#include "framework/DbException.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"
#include "tools/FixedText.h"

namespace {

std::string PathBesideProgram(unsigned id) {
    return fw::GetProgramFolder() + fw::LoadString(id);
}

// The database file name of a table-name id: the ids are grouped by database.
std::string DatabaseNameOfTable(unsigned tableNameId) {
    if (tableNameId >= 4608)
        return fw::LoadString(4099);
    if (tableNameId >= 4480)
        return fw::LoadString(4098);
    if (tableNameId >= 4352)
        return fw::LoadString(4097);
    if (tableNameId >= 4224)
        return fw::LoadString(4096);
    return {};
}

} // namespace

std::string DLLGetPathRegistGroup() {
    return PathBesideProgram(4100);
}
std::string DLLGetPathHTMLHelp() {
    return PathBesideProgram(4101);
}
std::string DLLGetPathREDAZID() {
    return PathBesideProgram(4102);
}
std::string DLLGetPathDURUREVE() {
    return PathBesideProgram(4103);
}
std::string DLLGetPathDIRORAVE() {
    return PathBesideProgram(4104);
}
std::string DLLGetPathZedezuzi() {
    return PathBesideProgram(4105);
}

void DLLDispDaoException(const fw::CDbException* e, const std::string& context) {
    if (!e)
        return;
    if (e->m_pErrorInfo) {
        std::string text = fw::Format("%s %s (%ld)\n\n", e->m_pErrorInfo->m_strDescription.c_str(),
                                      context.c_str(), e->m_pErrorInfo->m_lErrorCode);
        fw::AppMessageBox(text, fw::mb::Ok | fw::mb::IconStop);
        return;
    }
    auto code = static_cast<uint32_t>(e->m_scode);
    std::string text =
        fw::Format("ERROR:CDaoException\n\n"
                   "SCODE_CODE      =%d\n"
                   "SCODE_FACILITY  =%d\n"
                   "SCODE_SEVERITY  =%d\n"
                   "ResultFromScode =%d\n",
                   static_cast<int>(code & 0xFFFF), static_cast<int>((code >> 16) & 0x1FFF),
                   static_cast<int>(code >> 31), static_cast<int>(e->m_scode));
    fw::AppMessageBox(text, fw::mb::Ok);
}

void DLLDispDatabaseOpenError(const fw::CDbException* e, const std::string& kind,
                              const std::string& path) {
    if (!e)
        return;
    if (!e->m_pErrorInfo) {
        DLLDispDaoException(e, path);
        return;
    }
    // The database layer names the file after the engine's text; the message
    // names it once, where it says where the database is looked for.
    std::string engine = e->m_pErrorInfo->m_strDescription;
    std::string named = " (" + path + ")";
    if (engine.size() >= named.size() &&
        engine.compare(engine.size() - named.size(), named.size(), named) == 0)
        engine.erase(engine.size() - named.size());
    fw::CDbErrorInfo info = *e->m_pErrorInfo;
    info.m_strDescription = "The " + kind + " database cannot be opened: " + engine + ".";
    fw::CDbException told(std::move(info), e->m_scode);
    DLLDispDaoException(&told, "It is looked for at " + path +
                                   ", where reinstalling or rebuilding the program puts it. "
                                   "Database engine code");
}

void DLLDispDatabaseWarning(unsigned tableNameId, const std::string& value) {
    std::string format = fw::LoadString(4737);
    std::string database = DatabaseNameOfTable(tableNameId);
    std::string table;
    fw::TryLoadString(tableNameId, table); // an unknown id names no table
    std::string text = fw::FormatStrings(format, {value, table, database});
    fw::AppMessageBox(text, fw::mb::Ok | fw::mb::IconInformation);
}

void DLLDispDatabaseWarning(unsigned tableNameId, double value) {
    DLLDispDatabaseWarning(tableNameId, FormatFixedDecimals(value, 6));
}
