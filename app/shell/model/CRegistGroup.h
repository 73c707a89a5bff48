#pragma once

#include "app/shell/model/CObjGroupList.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The library of registered groups: one file beside the program holding one
// group list as the object list writes it (an empty file is an empty
// library). The file is only read here until the user saves the library:
// the program's folder may be read-only, and opening the list creates
// nothing. A save replaces the whole file through a temporary file renamed
// over it, so that a failed write leaves the old library as it was.
class CObjGroup;

class CRegistGroup {
public:
    // A library file that exists but cannot be read, or that holds more than
    // a group list; the library is then left alone.
    class CReadError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    explicit CRegistGroup(std::string path);

    const std::string& GetPath() const { return m_strPath; }
    // Appends the library's groups to list in file order. A missing or empty
    // file is an empty library. A file that cannot be read throws
    // CReadError; a damaged one fw::CArchiveException, with nothing appended.
    void Read(CObjGroupList& list) const;
    // Writes the groups, in order, as the whole library (fw::CSafeFileException on
    // failure, the old file untouched).
    void Write(const std::vector<CObjGroup*>& groups) const;

    // The library's bytes and back (the fuzz target reads through Load).
    static std::vector<uint8_t> Store(const std::vector<CObjGroup*>& groups);
    static void Load(const std::vector<uint8_t>& bytes, CObjGroupList& list);

private:
    std::string m_strPath;
};
