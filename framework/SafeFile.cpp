#include "SafeFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {

CFileOps g_systemOps;
std::atomic<CFileOps*> g_ops{&g_systemOps};

std::string SystemReason(int error) {
    // strerror_r in its GNU form hands back the text, not always in the buffer.
    char buffer[256] = {};
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text && *text ? text : "error " + std::to_string(error);
}

// The file a path names: a link is followed, so that saving through it
// replaces what it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return path;
    return resolved;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a folder that cannot be synced (some file
// systems refuse) has the new file in place all the same, so nothing is
// reported.
void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

CSafeFileException::CSafeFileException(const std::string& path, const std::string& reason)
    : std::runtime_error(path + "\n" + reason), m_path(path), m_reason(reason) {}

int CFileOps::Open(const char* path, int flags, unsigned mode) {
    return ::open(path, flags, static_cast<mode_t>(mode));
}

long CFileOps::Write(int fd, const void* data, size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

int CFileOps::Sync(int fd) {
    return ::fsync(fd);
}

int CFileOps::Close(int fd) {
    return ::close(fd);
}

int CFileOps::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int CFileOps::Remove(const char* path) {
    return ::unlink(path);
}

CFileOps& CFileOps::Current() {
    return *g_ops.load();
}

CFileOpsOverride::CFileOpsOverride(CFileOps& ops) : m_previous(g_ops.exchange(&ops)) {}

CFileOpsOverride::~CFileOpsOverride() {
    g_ops.store(m_previous);
}

CSafeFileWriter::CSafeFileWriter(const std::string& path)
    : m_path(path), m_target(ResolveTarget(path)) {
    CFileOps& ops = CFileOps::Current();
    const std::string folder = FolderOf(m_target);
    const std::string name = m_target.substr(m_target.find_last_of('/') + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        std::string suffix(6, 'a');
        for (char& c : suffix)
            c = kLetters[random() % (sizeof kLetters - 1)];
        m_temporary = folder + "/." + name + "." + suffix + ".tmp";
        m_fd = ops.Open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        int error = errno;
        m_temporary.clear(); // nothing was made
        Fail(error);
    }
    // The new file keeps the old one's permissions; a new one gets what the
    // process's mask leaves of read and write for all.
    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(m_fd, old.st_mode & 07777);
}

CSafeFileWriter::~CSafeFileWriter() {
    if (!m_done)
        Discard();
}

void CSafeFileWriter::Write(const void* data, size_t size) {
    if (m_done || m_fd < 0)
        throw CSafeFileException(m_path, "The file is already closed.");
    CFileOps& ops = CFileOps::Current();
    const auto* at = static_cast<const uint8_t*>(data);
    while (size > 0) {
        long written = ops.Write(m_fd, at, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        // A write that takes nothing has run out of room without saying so.
        if (written == 0)
            Fail(ENOSPC);
        at += written;
        size -= static_cast<size_t>(written);
    }
}

void CSafeFileWriter::Commit() {
    if (m_done || m_fd < 0)
        throw CSafeFileException(m_path, "The file is already closed.");
    CFileOps& ops = CFileOps::Current();
    // The data must be on the disk before the name points at it: a file
    // system that runs out of room or fails while flushing says so here.
    int result;
    do
        result = ops.Sync(m_fd);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        Fail(errno);
    int fd = m_fd;
    m_fd = -1;
    // Linux releases the descriptor even when close fails; the failure
    // (a deferred write error) still means the file is not sound.
    if (ops.Close(fd) != 0 && errno != EINTR)
        Fail(errno);
    if (ops.Rename(m_temporary.c_str(), m_target.c_str()) != 0)
        Fail(errno);
    m_done = true;
    SyncFolder(FolderOf(m_target));
}

void CSafeFileWriter::Fail(int error) {
    std::string reason = SystemReason(error);
    Discard();
    throw CSafeFileException(m_path, reason);
}

void CSafeFileWriter::Discard() {
    m_done = true;
    CFileOps& ops = CFileOps::Current();
    if (m_fd >= 0) {
        ops.Close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty())
        ops.Remove(m_temporary.c_str());
}

void WriteFileSafely(const std::string& path, const void* data, size_t size) {
    CSafeFileWriter out(path);
    out.Write(data, size);
    out.Commit();
}

} // namespace fw
