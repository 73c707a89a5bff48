#pragma once

#include <string>
#include <vector>

class QSettings;

namespace fw {

// The recently-used files: at most size entries, the latest first, kept in
// the settings under a section with keys File1, File2, ...
class CRecentFileList {
public:
    CRecentFileList(std::string section, size_t size);

    // Puts path at the top; an entry already on the list moves up.
    void Add(const std::string& path);
    void Remove(size_t index);
    size_t GetSize() const { return m_size; }
    size_t GetCount() const { return m_files.size(); }
    const std::string& operator[](size_t index) const { return m_files.at(index); }
    // The menu text of an entry: "&1 " and the path, long paths shortened to
    // their start and file name.
    std::string GetDisplayName(size_t index) const;

    void ReadList(QSettings& settings);
    // Leaves the settings holding the list; entries they already hold as
    // they are stay untouched.
    void WriteList(QSettings& settings) const;

private:
    std::string m_section;
    size_t m_size;
    std::vector<std::string> m_files;
};

} // namespace fw
