#pragma once

#include "framework/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace tvtest {

// Makes the safe writer's file operations fail the way a full or broken disk
// does, while it lives. Everything not made to fail goes to the system, so the
// old file and the folder can be checked afterwards.
class FaultyFileOps : public fw::CFileOps {
public:
    enum Fault {
        None,
        AtOpen,           // the folder takes no new file
        AtFirstByte,      // the disk is full before the first byte
        InTheMiddle,      // the disk fills after half the bytes: a short write, then "full"
        ShortWrites,      // every write takes at most a few bytes (which is allowed)
        ShortThenNothing, // a write takes a part, the next takes nothing and says nothing
        AtSync,           // the data cannot be flushed to the disk
        AtClose,          // a deferred write error reported when the file is closed
        AtRename,         // the new file cannot take the old one's name
    };

    // total: the bytes the caller means to write (for InTheMiddle).
    explicit FaultyFileOps(Fault fault, size_t total = 0)
        : m_fault(fault), m_total(total), m_override(*this) {}

    int Open(const char* path, int flags, unsigned mode) override {
        if (m_fault == AtOpen)
            return Fails(EACCES);
        int fd = fw::CFileOps::Open(path, flags, mode);
        if (fd >= 0)
            temporaries.push_back(path);
        return fd;
    }
    long Write(int fd, const void* data, size_t size) override {
        ++writes;
        size_t take = size;
        switch (m_fault) {
        case AtFirstByte:
            return Fails(ENOSPC);
        case InTheMiddle: {
            size_t room = m_total / 2 > m_written ? m_total / 2 - m_written : 0;
            if (room == 0)
                return Fails(ENOSPC);
            take = std::min(size, room);
            break;
        }
        case ShortWrites:
            take = std::min<size_t>(size, 7);
            break;
        case ShortThenNothing:
            if (m_written > 0)
                return 0;
            take = std::min<size_t>(size, 5);
            break;
        default:
            break;
        }
        long done = fw::CFileOps::Write(fd, data, take);
        if (done > 0)
            m_written += static_cast<size_t>(done);
        return done;
    }
    int Sync(int fd) override {
        ++syncs;
        if (m_fault == AtSync)
            return Fails(EIO);
        return fw::CFileOps::Sync(fd);
    }
    int Close(int fd) override {
        int result = fw::CFileOps::Close(fd);
        if (m_fault == AtClose && result == 0)
            return Fails(EIO);
        return result;
    }
    int Rename(const char* from, const char* to) override {
        ++renames;
        if (m_fault == AtRename)
            return Fails(EXDEV);
        return fw::CFileOps::Rename(from, to);
    }

    size_t BytesWritten() const { return m_written; }

    std::vector<std::string> temporaries; // every temporary file opened
    int writes = 0;
    int syncs = 0;
    int renames = 0;

private:
    static int Fails(int error) {
        errno = error;
        return -1;
    }

    Fault m_fault;
    size_t m_total;
    size_t m_written = 0;
    fw::CFileOpsOverride m_override;
};

// The system's text for an error, as the writer reports it.
inline std::string ReasonOf(int error) {
    return std::strerror(error);
}

} // namespace tvtest
