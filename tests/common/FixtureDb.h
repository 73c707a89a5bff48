#pragma once

#include <string>

namespace tvtest {

// A small SQLite database built by a test from SQL text, in a fresh
// temporary folder that is removed with the object.
class FixtureDb {
public:
    explicit FixtureDb(const std::string& sql, const std::string& fileName = "fixture.mdb");
    ~FixtureDb();
    FixtureDb(const FixtureDb&) = delete;
    FixtureDb& operator=(const FixtureDb&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
    std::string m_path;
};

// A fresh temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; } // with a trailing "/"

private:
    std::string m_path;
};

} // namespace tvtest
