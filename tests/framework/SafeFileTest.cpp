// The safe writer of users' files: whatever fails (a full disk at the first
// byte or in the middle, a write that stops short, the sync, the close, the
// rename), the old file stays byte for byte, no temporary file is left, and
// the failure names the path once with the system's reason. One case runs on
// a real full file system (a small tmpfs) where the machine lets a test
// mount one.

#include "framework/SafeFile.h"
#include "framework/CompoundFile.h"
#include "tests/common/FaultyFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using tvtest::FaultyFileOps;

std::vector<uint8_t> Bytes(size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 31);
    return bytes;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class SafeFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(QString::fromLatin1(name)).toStdString();
    }
    QString Folder() const { return m_dir.path(); }
    QTemporaryDir m_dir;
};

TEST_F(SafeFileTest, EveryFailureLeavesTheOldFileAndNoTemporaryAndNamesThePathOnce) {
    struct Case {
        FaultyFileOps::Fault fault;
        int error;
        const char* name;
    } cases[] = {
        {FaultyFileOps::AtOpen, EACCES, "at open"},
        {FaultyFileOps::AtFirstByte, ENOSPC, "at the first byte"},
        {FaultyFileOps::InTheMiddle, ENOSPC, "in the middle"},
        {FaultyFileOps::ShortThenNothing, ENOSPC, "short write, then nothing"},
        {FaultyFileOps::AtSync, EIO, "at the sync"},
        {FaultyFileOps::AtClose, EIO, "at the close"},
        {FaultyFileOps::AtRename, EXDEV, "at the rename"},
    };
    const std::string path = Path("plan.tv2");
    const std::vector<uint8_t> old = Bytes(5000, 1);
    fw::WriteFileSafely(path, old);
    ASSERT_EQ(ReadAll(path), old);
    const std::vector<uint8_t> next = Bytes(20000, 2);
    for (const Case& c : cases) {
        FaultyFileOps ops(c.fault, next.size());
        try {
            fw::WriteFileSafely(path, next);
            ADD_FAILURE() << c.name << ": the failure was not reported";
        } catch (const fw::CSafeFileException& e) {
            EXPECT_EQ(e.Path(), path) << c.name;
            EXPECT_EQ(e.Reason(), tvtest::ReasonOf(c.error)) << c.name;
            std::string what = e.what();
            EXPECT_EQ(what, path + "\n" + tvtest::ReasonOf(c.error)) << c.name;
        }
        EXPECT_EQ(ReadAll(path), old) << c.name;
        EXPECT_EQ(Entries(Folder()), QStringList{"plan.tv2"}) << c.name;
        // No rename was tried after a failed write, sync or close.
        if (c.fault != FaultyFileOps::AtRename) {
            EXPECT_EQ(ops.renames, 0) << c.name;
        }
    }
}

TEST_F(SafeFileTest, FailedFirstSaveLeavesNoFileAtAll) {
    const std::string path = Path("new.rv2");
    for (auto fault :
         {FaultyFileOps::AtFirstByte, FaultyFileOps::AtSync, FaultyFileOps::AtRename}) {
        FaultyFileOps ops(fault, 100);
        EXPECT_THROW(fw::WriteFileSafely(path, Bytes(100, 3)), fw::CSafeFileException);
        EXPECT_TRUE(Entries(Folder()).isEmpty()) << fault;
    }
}

TEST_F(SafeFileTest, ShortWritesAreContinuedAndSyncedBeforeTheRename) {
    const std::string path = Path("plan.tv2");
    fw::WriteFileSafely(path, Bytes(10, 9));
    const std::vector<uint8_t> next = Bytes(1000, 4);
    FaultyFileOps ops(FaultyFileOps::ShortWrites);
    fw::WriteFileSafely(path, next);
    EXPECT_EQ(ReadAll(path), next);
    EXPECT_EQ(ops.writes, 143); // 7 bytes a write
    EXPECT_EQ(ops.syncs, 1);
    EXPECT_EQ(ops.renames, 1);
    ASSERT_EQ(ops.temporaries.size(), 1u);
    // The temporary file lies beside the file, so the rename never crosses
    // file systems.
    EXPECT_EQ(QFileInfo(QString::fromStdString(ops.temporaries[0])).absolutePath(), Folder());
    EXPECT_EQ(Entries(Folder()), QStringList{"plan.tv2"});
}

TEST_F(SafeFileTest, AWriterLeftWithoutCommitRemovesItsTemporaryFile) {
    const std::string path = Path("plan.tv2");
    fw::WriteFileSafely(path, Bytes(10, 5));
    {
        fw::CSafeFileWriter out(path);
        out.Write(Bytes(3000, 6));
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(out.TemporaryPath())));
    }
    EXPECT_EQ(ReadAll(path), Bytes(10, 5));
    EXPECT_EQ(Entries(Folder()), QStringList{"plan.tv2"});
}

TEST_F(SafeFileTest, TheNewFileKeepsTheOldPermissionsAndALinkKeepsPointing) {
    const std::string target = Path("real.tv2");
    fw::WriteFileSafely(target, Bytes(10, 7));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::string link = Path("link.tv2");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    fw::WriteFileSafely(link, Bytes(50, 8));
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadAll(target), Bytes(50, 8));
}

TEST_F(SafeFileTest, CompoundFileSaveGoesThroughTheWriterAndReportsThePathOnce) {
    const std::string path = Path("plan.tv2");
    fw::CCompoundFile file;
    file.SetStream("Contents", Bytes(3000, 1));
    file.Save(path);
    const std::vector<uint8_t> old = ReadAll(path);
    file.SetStream("Contents", Bytes(9000, 2));
    FaultyFileOps ops(FaultyFileOps::AtSync);
    try {
        file.Save(path);
        ADD_FAILURE() << "the failed sync was not reported";
    } catch (const fw::CCompoundFileException& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_EQ(e.Reason(), tvtest::ReasonOf(EIO));
    }
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(Entries(Folder()), QStringList{"plan.tv2"});
}

// ------------------------------------------------- a real full file system

// What the child reports back: 0 passed, kSkip the machine does not allow the
// mount, anything else the step that went wrong.
constexpr int kSkip = 77;

int RunOnFullFileSystem(const std::string& base) {
    // A mount of our own that vanishes with this process.
    if (::unshare(CLONE_NEWNS) != 0 && (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0))
        return kSkip;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return kSkip;
    if (::mount("tmpfs", base.c_str(), "tmpfs", 0, "size=64k") != 0)
        return kSkip;
    const std::string path = base + "/plan.tv2";
    fw::CCompoundFile file;
    file.SetStream("Contents", Bytes(6000, 1));
    file.Save(path);
    const std::vector<uint8_t> old = ReadAll(path);
    if (old.empty())
        return 1;
    // Fill the rest of the file system, then free a little: the next save
    // fails in the middle of its bytes, the one after at its first byte.
    const std::string filler = base + "/filler";
    int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
    if (fd < 0)
        return 2;
    std::vector<uint8_t> block(4096, 0xAA);
    off_t size = 0;
    for (;;) {
        ssize_t n = ::write(fd, block.data(), block.size());
        if (n <= 0)
            break;
        size += n;
    }
    if (::ftruncate(fd, size >= 12288 ? size - 12288 : 0) != 0)
        return 3;
    ::close(fd);
    file.SetStream("Contents", Bytes(40000, 2));
    for (int round = 0; round < 2; ++round) {
        try {
            file.Save(path);
            return 10 + round; // saved 40 000 bytes into 12 KiB
        } catch (const fw::CCompoundFileException& e) {
            if (e.Reason() != tvtest::ReasonOf(ENOSPC) || e.Path() != path)
                return 20 + round;
        }
        if (ReadAll(path) != old)
            return 30 + round;
        QStringList left = Entries(QString::fromStdString(base));
        if (left != QStringList({"filler", "plan.tv2"}))
            return 40 + round;
        // Take every byte left for the second round.
        fd = ::open(filler.c_str(), O_WRONLY | O_APPEND);
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    }
    return 0;
}

TEST_F(SafeFileTest, ARealFullFileSystemKeepsTheOldProject) {
    const std::string base = Path("mount");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(base)));
    // The mount needs a process of its own (a fresh mount namespace is only
    // granted to a single thread).
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(RunOnFullFileSystem(base));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == kSkip)
        GTEST_SKIP() << "this machine does not let the test mount a small tmpfs";
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "step that failed (10 saved, 20 other reason, 30 old file changed, 40 files left): "
        << WEXITSTATUS(status);
}

} // namespace
