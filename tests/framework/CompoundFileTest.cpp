// The compound-file layer: what it writes is read back by libgsf's own
// command-line tool (a reader that is not our code), a file made by that tool
// is read, storages we do not read survive a save, and damaged files are
// refused without a large allocation.

#include "framework/CompoundFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string FixturePath(const char* name) {
    return std::string(TV_SOURCE_DIR) + "/tests/framework/fixtures/" + name;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

// libgsf's tool, from the libgsf-bin package.
QString GsfTool() {
    return QStandardPaths::findExecutable(QStringLiteral("gsf"));
}

// Runs `gsf <args>` and gives its standard output; fails the test when the
// tool fails.
QByteArray RunGsf(const QStringList& args) {
    QProcess p;
    p.start(GsfTool(), args);
    EXPECT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The "name size" pairs of the streams that `gsf list` shows, one a line
// ("f  [date time]  size  name"; storages start with "d").
std::vector<std::string> ListedStreams(const QByteArray& listing) {
    std::vector<std::string> streams;
    for (const QByteArray& line : listing.split('\n')) {
        QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 3 && words[0] == "f")
            streams.push_back(words.last().toStdString() + " " +
                              words[words.size() - 2].toStdString());
    }
    std::sort(streams.begin(), streams.end());
    return streams;
}

class CompoundFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(QString::fromLatin1(name)).toStdString();
    }
    QTemporaryDir m_dir;
};

TEST_F(CompoundFileTest, WrittenStreamsAndStoragesAreReadBackByLibgsfsTool) {
    if (GsfTool().isEmpty())
        GTEST_SKIP() << "libgsf-bin's gsf is not installed";
    fw::CCompoundFile file;
    // Larger than the small-stream cut-off (4096 bytes), so that both kinds
    // of stream storage are exercised.
    std::vector<uint8_t> big(5000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7);
    file.SetStream("Contents", Bytes(std::string("\x01\x02\x00zz", 5)));
    fw::CCompoundFile::CEntry pool;
    pool.name = "ObjectPool";
    pool.storage = true;
    fw::CCompoundFile::CEntry inner;
    inner.name = "Big";
    inner.data = big;
    pool.children.push_back(inner);
    file.Root().children.push_back(pool);
    std::string path = Path("written.rv2");
    file.Save(path);

    EXPECT_EQ(ListedStreams(RunGsf({"list", QString::fromStdString(path)})),
              (std::vector<std::string>{"Contents 5", "ObjectPool/Big 5000"}));
    QByteArray contents = RunGsf({"cat", QString::fromStdString(path), "Contents"});
    EXPECT_EQ(contents, QByteArray("\x01\x02\x00zz", 5));
    QByteArray bigRead = RunGsf({"cat", QString::fromStdString(path), "ObjectPool/Big"});
    EXPECT_EQ(std::vector<uint8_t>(bigRead.begin(), bigRead.end()), big);
}

TEST_F(CompoundFileTest, FileMadeByLibgsfsToolIsReadWithEveryStorage) {
    // Made by `gsf createole`; see fixtures/README.
    fw::CCompoundFile file = fw::CCompoundFile::Load(FixturePath("foreign-storages.ole"));
    const std::vector<uint8_t>* contents = file.FindStream("contents"); // names ignore case
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(*contents, Bytes(std::string("archive bytes\x00\x01\x02", 16)));
    EXPECT_EQ(file.FindStream("ObjectPool"), nullptr); // a storage, not a stream
    EXPECT_EQ(file.FindStream("Missing"), nullptr);
    ASSERT_EQ(file.Root().children.size(), 3u);
}

TEST_F(CompoundFileTest, AFileThatTellsNoSizeIsReadToItsEnd) {
    // A pipe tells no size: the file is read until it ends, in pieces.
    fw::CCompoundFile made;
    std::vector<uint8_t> big(300 * 1000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7 + i / 256);
    made.SetStream("Contents", big);
    const std::vector<uint8_t> bytes = made.ToBytes();
    const std::string pipe = Path("pipe.tv2");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(pipe, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    });
    std::optional<fw::CCompoundFile> read;
    try {
        read = fw::CCompoundFile::Load(pipe);
    } catch (const fw::CCompoundFileException& e) {
        ADD_FAILURE() << e.what();
    }
    writer.join();
    ASSERT_TRUE(read);
    const std::vector<uint8_t>* contents = read->FindStream("Contents");
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(*contents, big);
}

TEST_F(CompoundFileTest, StoragesThatAreNotReadAreWrittenBackUnchanged) {
    if (GsfTool().isEmpty())
        GTEST_SKIP() << "libgsf-bin's gsf is not installed";
    fw::CCompoundFile file = fw::CCompoundFile::Load(FixturePath("foreign-storages.ole"));
    file.SetStream("Contents", Bytes("new archive"));
    std::string path = Path("resaved.rv2");
    file.Save(path);

    EXPECT_EQ(ListedStreams(RunGsf({"list", QString::fromStdString(path)})),
              (std::vector<std::string>{"Contents 11", "ObjectPool/_1001/CONTENTS 20", "Other 1"}));
    EXPECT_EQ(RunGsf({"cat", QString::fromStdString(path), "ObjectPool/_1001/CONTENTS"}),
              QByteArray("embedded object data"));
    EXPECT_EQ(RunGsf({"cat", QString::fromStdString(path), "Contents"}), QByteArray("new archive"));
}

TEST_F(CompoundFileTest, ClassIdsOfStoragesSurviveARoundTrip) {
    fw::CCompoundFile file;
    file.Root().classId = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    fw::CCompoundFile::CEntry storage;
    storage.name = "Object";
    storage.storage = true;
    storage.classId = {0xA0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xAF};
    file.Root().children.push_back(storage);
    fw::CCompoundFile back = fw::CCompoundFile::FromBytes(file.ToBytes(), "memory");
    EXPECT_EQ(back.Root().classId, file.Root().classId);
    ASSERT_EQ(back.Root().children.size(), 1u);
    EXPECT_TRUE(back.Root().children[0].storage);
    EXPECT_EQ(back.Root().children[0].classId, storage.classId);
}

TEST_F(CompoundFileTest, ForeignAndDamagedFilesAreRefusedWithTheirPath) {
    std::vector<uint8_t> sound = ReadFile(FixturePath("foreign-storages.ole"));
    ASSERT_GT(sound.size(), 1024u);

    std::vector<uint8_t> random(3000);
    uint32_t seed = 12345;
    for (uint8_t& b : random) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<uint8_t>(seed >> 16);
    }
    std::vector<uint8_t> truncated(sound.begin(), sound.begin() + 700);
    std::vector<uint8_t> empty;

    for (const auto& bytes : {random, truncated, empty}) {
        try {
            fw::CCompoundFile::FromBytes(bytes, "/some/where/x.rv2");
            ADD_FAILURE() << "a damaged file was accepted";
        } catch (const fw::CCompoundFileException& e) {
            EXPECT_EQ(e.Path(), "/some/where/x.rv2");
            EXPECT_FALSE(e.Reason().empty());
        }
    }
}

// The size of a stream's directory entry: its UTF-16 name starts the
// 128-byte entry, the stream size is the 32-bit word at offset 120.
void PatchStreamSize(std::vector<uint8_t>& bytes, const char16_t* name, size_t nameBytes,
                     uint32_t size) {
    auto at = std::search(bytes.begin(), bytes.end(), reinterpret_cast<const uint8_t*>(name),
                          reinterpret_cast<const uint8_t*>(name) + nameBytes);
    ASSERT_NE(at, bytes.end());
    std::memcpy(bytes.data() + (at - bytes.begin()) + 120, &size, 4);
}

TEST_F(CompoundFileTest, StreamsLargerThanTheFileAreRefusedBeforeAnyAllocation) {
    const std::vector<uint8_t> sound = ReadFile(FixturePath("foreign-storages.ole"));
    // One stream claiming nearly 2 GB: libgsf itself drops the entry.
    std::vector<uint8_t> one = sound;
    PatchStreamSize(one, u"Contents", 16, 0x7FFFFFF0u);
    bool refused = false;
    try {
        refused = fw::CCompoundFile::FromBytes(one, "patched").FindStream("Contents") == nullptr;
    } catch (const fw::CCompoundFileException&) {
        refused = true;
    }
    EXPECT_TRUE(refused);
    // Two streams that each fit in the file but not together.
    std::vector<uint8_t> two = sound;
    uint32_t most = static_cast<uint32_t>(sound.size() * 3 / 4);
    PatchStreamSize(two, u"Contents", 16, most);
    PatchStreamSize(two, u"Other", 10, most);
    try {
        fw::CCompoundFile::FromBytes(two, "patched");
        ADD_FAILURE() << "streams larger than the file were read";
    } catch (const fw::CCompoundFileException& e) {
        EXPECT_EQ(e.Reason().rfind("The file is damaged", 0), 0u) << e.Reason();
    }
}

TEST_F(CompoundFileTest, SaveReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
    std::string path = Path("doc.rv2");
    fw::CCompoundFile first;
    first.SetStream("Contents", std::vector<uint8_t>(9000, 0x11));
    first.Save(path);
    fw::CCompoundFile second;
    second.SetStream("Contents", Bytes("short"));
    second.Save(path);
    fw::CCompoundFile back = fw::CCompoundFile::Load(path);
    ASSERT_NE(back.FindStream("Contents"), nullptr);
    EXPECT_EQ(*back.FindStream("Contents"), Bytes("short"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"doc.rv2"});
}

TEST_F(CompoundFileTest, SaveIntoAMissingFolderFailsAndMakesNothing) {
    std::string path = Path("no-such-folder/doc.rv2");
    fw::CCompoundFile file;
    file.SetStream("Contents", Bytes("x"));
    try {
        file.Save(path);
        ADD_FAILURE() << "the save reported success";
    } catch (const fw::CCompoundFileException& e) {
        EXPECT_EQ(e.Path(), path);
    }
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(CompoundFileTest, SetStreamReplacesAnEntryOfTheSameNameAndRemoveEntryTakesItOut) {
    fw::CCompoundFile file;
    file.SetStream("Contents", Bytes("a"));
    file.SetStream("CONTENTS", Bytes("bb"));
    ASSERT_EQ(file.Root().children.size(), 1u);
    EXPECT_EQ(*file.FindStream("Contents"), Bytes("bb"));
    EXPECT_TRUE(file.RemoveEntry("contents"));
    EXPECT_FALSE(file.RemoveEntry("contents"));
    EXPECT_EQ(file.FindStream("Contents"), nullptr);
}

} // namespace
