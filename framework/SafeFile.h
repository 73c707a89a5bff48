#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

// A user's file that could not be written. The old file, if there was one,
// is still there as it was; Reason() is the system's own word for why.
class CSafeFileException : public std::runtime_error {
public:
    CSafeFileException(const std::string& path, const std::string& reason);
    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// The system calls the writer makes, one virtual each, so that a test can make
// any of them fail (a full disk at the first byte or in the middle, a short
// write, a failed sync or rename) without a broken disk. Each returns what
// the system call returns and sets errno the same way; the default calls the
// system.
class CFileOps {
public:
    virtual ~CFileOps() = default;
    virtual int Open(const char* path, int flags, unsigned mode);
    virtual long Write(int fd, const void* data, size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Remove(const char* path);

    // The operations every writer uses now.
    static CFileOps& Current();
};

// Puts other operations in place for as long as it lives (tests only).
class CFileOpsOverride {
public:
    explicit CFileOpsOverride(CFileOps& ops);
    ~CFileOpsOverride();
    CFileOpsOverride(const CFileOpsOverride&) = delete;
    CFileOpsOverride& operator=(const CFileOpsOverride&) = delete;

private:
    CFileOps* m_previous;
};

// Writes a user's file so that a failure never costs the old one: the bytes go
// to a temporary file in the same folder, every write is checked (a short
// write is continued, a write that makes no progress is a failure), then the
// file is synced to the disk and closed, and only when all that succeeded is
// it renamed over the old file. On any failure the temporary file is removed,
// the old file is left byte for byte, and CSafeFileException names the path
// and the system's reason. A new file gets the old one's permissions.
//
//     fw::CSafeFileWriter out(path);   // throws when the folder takes no file
//     out.Write(bytes.data(), bytes.size());
//     out.Commit();                    // throws; the old file is then untouched
//
// A writer destroyed without Commit (an exception while the caller produced
// the bytes) removes its temporary file.
class CSafeFileWriter {
public:
    explicit CSafeFileWriter(const std::string& path);
    ~CSafeFileWriter();
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;

    void Write(const void* data, size_t size);
    void Write(const std::vector<uint8_t>& bytes) { Write(bytes.data(), bytes.size()); }
    void Write(const std::string& text) { Write(text.data(), text.size()); }
    // Syncs, closes and renames over the file; nothing may be written after.
    void Commit();

    const std::string& Path() const { return m_path; }
    const std::string& TemporaryPath() const { return m_temporary; }

private:
    [[noreturn]] void Fail(int error);
    void Discard();

    std::string m_path;      // what the user named
    std::string m_target;    // where the bytes go: the file a link points to
    std::string m_temporary; // beside m_target
    int m_fd = -1;
    bool m_done = false;
};

// The whole file at once, through CSafeFileWriter.
void WriteFileSafely(const std::string& path, const void* data, size_t size);
inline void WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteFileSafely(path, bytes.data(), bytes.size());
}

} // namespace fw
