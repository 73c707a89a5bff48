#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

class CArchive;

// A document file that cannot be read as a compound file, or cannot be
// written. The message names the file and says why.
class CCompoundFileException : public std::runtime_error {
public:
    CCompoundFileException(const std::string& path, const std::string& reason);
    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// The structured storage that holds a document: a tree of named storages and
// streams, as the platform's compound files keep them. A document's archive
// is one stream of it ("Contents"); storages and streams that the program
// does not read (embedded objects, another program's data) are kept with
// their class ids, so that saving the document writes them back unchanged.
//
// A file is read whole into memory, and written whole through
// CSafeFileWriter (SafeFile.h), so a failed save never leaves a half-written
// file in place of a good one. Names compare
// without regard to letter case, as the format does.
class CCompoundFile {
public:
    struct CEntry {
        std::string name;
        bool storage = false;
        std::array<uint8_t, 16> classId{}; // storages only
        std::vector<uint8_t> data;         // streams only
        std::vector<CEntry> children;      // storages only
    };

    // An empty file: a root storage without children.
    CCompoundFile();

    // Reads a file. Throws CCompoundFileException when the file cannot be
    // read, is not a compound file, or is damaged (a stream larger than the
    // file, a stream that cannot be read).
    static CCompoundFile Load(const std::string& path);
    // The same from bytes held in memory; path only names them in messages.
    static CCompoundFile FromBytes(const std::vector<uint8_t>& bytes, const std::string& path);

    // The file's bytes as Save would write them.
    std::vector<uint8_t> ToBytes() const;
    // Writes the file (see above). Throws CCompoundFileException.
    void Save(const std::string& path) const;

    // A stream of the root storage; null when there is none of that name (or
    // the name is a storage's).
    const std::vector<uint8_t>* FindStream(const std::string& name) const;
    // The same, for taking a stream's bytes out of a file read only once.
    std::vector<uint8_t>* FindStream(const std::string& name);
    // Puts a stream into the root storage, replacing an entry of that name.
    void SetStream(const std::string& name, std::vector<uint8_t> data);
    // Takes an entry of that name out of the root storage; false when none.
    bool RemoveEntry(const std::string& name);

    CEntry& Root() { return m_root; }
    const CEntry& Root() const { return m_root; }

private:
    CEntry m_root;
};

// The compound document's embedded items, the last record of a document's
// archive in both programs: the framework's count record (the one every
// object list writes) and the items. These programs embed nothing: storing
// writes the count 0, and loading refuses a file that holds items with an
// archive error (generic), since they could not be shown or kept.
void SerializeEmbeddedItems(CArchive& ar);

} // namespace fw
