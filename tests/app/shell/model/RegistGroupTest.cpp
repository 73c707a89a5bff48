// The registered-group library file: read without creating anything, written
// whole through a temporary file, a failed write leaving the old library
// byte for byte, a damaged or unreadable library refused before anything
// could overwrite it.

#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CRegistGroup.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"
#include "framework/SafeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

std::vector<CObjGroup*> Pointers(CObjGroupList& list) {
    std::vector<CObjGroup*> groups;
    for (auto& g : list)
        groups.push_back(g.get());
    return groups;
}

// The compound group of the group-record fixture: one group "G" holding a
// leaf of kind 77.
std::vector<uint8_t> CompoundLibrary() {
    return tvtest::ReadHexFixture("app/shell/model/fixtures/CObjGroupList_compound.hex");
}

} // namespace

TEST(RegistGroupFile, AMissingLibraryIsEmptyAndIsNotCreated) {
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "tovarine.mgr";
    CObjGroupList list;
    CRegistGroup(path).Read(list);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(path));
    // An empty file is an empty library as well.
    WriteAll(path, {});
    CRegistGroup(path).Read(list);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(RegistGroupFile, GroupsReadInFileOrderAndAnEmptyListWritesACountOfZero) {
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "tovarine.mgr";
    WriteAll(path, CompoundLibrary());
    CObjGroupList list;
    CRegistGroup(path).Read(list);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead()->m_strName, "G");
    EXPECT_EQ(list.GetHead()->GetChildren().GetHead()->GetElement()->GetKind(), 77);
    // Written back unchanged, byte for byte.
    CRegistGroup(path).Write(Pointers(list));
    EXPECT_EQ(ReadAll(path), CompoundLibrary());
    // Two groups in the order given, and read back in that order.
    CObjGroup second;
    second.m_strName = "Second";
    std::vector<CObjGroup*> two = {&second, list.GetHead()};
    CRegistGroup(path).Write(two);
    CObjGroupList back;
    CRegistGroup(path).Read(back);
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_EQ(back.GetHead()->m_strName, "Second");
    EXPECT_EQ(back.GetTail()->m_strName, "G");

    CRegistGroup(path).Write({});
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{0x00, 0x00}));
    CObjGroupList none;
    CRegistGroup(path).Read(none);
    EXPECT_TRUE(none.IsEmpty());
}

// The library was emptied and then appended to in place: a write that failed
// half-way lost every registered group.
TEST(RegistGroupFile, AFailedWriteLeavesTheOldLibraryByteForByte) {
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "tovarine.mgr";
    const std::vector<uint8_t> old = CompoundLibrary();
    WriteAll(path, old);
    CObjGroup group;
    group.m_strName = "New";
    const size_t size = CRegistGroup::Store({&group}).size();
    using F = tvtest::FaultyFileOps;
    for (F::Fault fault : {F::AtOpen, F::AtFirstByte, F::InTheMiddle, F::ShortThenNothing,
                           F::AtSync, F::AtClose, F::AtRename}) {
        SCOPED_TRACE(static_cast<int>(fault));
        F ops(fault, size);
        EXPECT_THROW(CRegistGroup(path).Write({&group}), fw::CSafeFileException);
        EXPECT_EQ(ReadAll(path), old);
    }
    // Nothing is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

// A damaged library must stop its reader: read as empty, the next save would
// overwrite the groups it could not read.
TEST(RegistGroupFile, ADamagedOrUnreadableLibraryIsRefusedWithNothingRead) {
    tvtest::TempFolder folder;
    const std::string path = folder.Path() + "tovarine.mgr";
    const std::vector<uint8_t> whole = CompoundLibrary();
    std::vector<uint8_t> trailing = whole;
    trailing.push_back(0);
    const std::vector<std::vector<uint8_t>> damaged = {
        std::vector<uint8_t>(whole.begin(), whole.begin() + 1),
        std::vector<uint8_t>(whole.begin(), whole.begin() + 40),
        std::vector<uint8_t>(whole.begin(), whole.end() - 1),
        trailing,
        {0x01, 0x00, 0xff, 0xff, 0x00, 0x00, 0x04, 0x00, 'C', 'B', 'a', 'd'},
    };
    for (const auto& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        WriteAll(path, bytes);
        CObjGroupList list;
        EXPECT_THROW(CRegistGroup(path).Read(list), fw::CArchiveException);
        EXPECT_TRUE(list.IsEmpty());
        EXPECT_EQ(ReadAll(path), bytes);
    }
    // A folder where the file should be cannot be read.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    CObjGroupList list;
    EXPECT_THROW(CRegistGroup(path).Read(list), CRegistGroup::CReadError);
}
