#include "tests/common/FixtureDb.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace tvtest {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvtest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

FixtureDb::FixtureDb(const std::string& sql, const std::string& fileName) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvdb-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_folder = pattern + "/";
    m_path = m_folder + fileName;
    sqlite3* db = nullptr;
    if (sqlite3_open(m_path.c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create " + m_path);
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "error";
        sqlite3_free(err);
        sqlite3_close(db);
        throw std::runtime_error("fixture SQL failed: " + msg);
    }
    sqlite3_close(db);
}

FixtureDb::~FixtureDb() {
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}

} // namespace tvtest
