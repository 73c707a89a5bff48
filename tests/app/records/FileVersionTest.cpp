#include "app/records/FileVersion.h"
#include "app/records/CObjRefV2.h"
#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <vector>

using fw::CArchive;

namespace {

TEST(FileVersionTest, VersionTextsAsNumbers) {
    EXPECT_EQ(FileVersionNumber("1.10"), 1.1);
    EXPECT_EQ(FileVersionNumber("1.1"), 1.1);
    EXPECT_EQ(FileVersionNumber("1.15"), 1.15);
    EXPECT_EQ(FileVersionNumber("1.20"), kCurrentFileVersionNumber);
    EXPECT_EQ(FileVersionNumber("0.99"), 0.99);
    EXPECT_EQ(FileVersionNumber(""), 0.0);
}

// A placement record of a version 1.0 file: 68 bytes, without the two points
// that files carry from 1.1 on.
std::vector<uint8_t> OldPlacement() {
    CArchive ar = CArchive::ForStoring();
    for (int32_t v : {1, 0xFF, 0xFFFFFF, 0, 10, 20, 110, 5, 50, 0, 0, 0, 0, 0, 0, 0, 0})
        ar << v;
    return ar.Bytes();
}

std::vector<uint8_t> NewPlacement() {
    CObjRefV2 ref;
    ref.m_ptAnchor = CdPoint(96000.0, 0.02);
    CArchive ar = CArchive::ForStoring();
    ref.Serialize(ar);
    return ar.Bytes();
}

// The reading version belongs to the archive: an archive nobody set reads
// the newest layout (paste, undo snapshots), and no load, finished or failed,
// changes what the next archive reads.
TEST(FileVersionTest, EveryArchiveReadsTheNewestLayoutUntilItsLoaderSaysOtherwise) {
    EXPECT_GE(CArchive::ForLoading({}).GetReadVersion(), kCurrentFileVersionNumber);
    {
        CArchive old = CArchive::ForLoading(OldPlacement());
        old.SetReadVersion(1.0);
        CObjRefV2 ref;
        ref.Serialize(old);
        EXPECT_EQ(old.Remaining(), 0u);
    }
    {
        std::vector<uint8_t> cut = OldPlacement();
        cut.resize(30);
        CArchive failed = CArchive::ForLoading(cut);
        failed.SetReadVersion(1.0);
        CObjRefV2 ref;
        EXPECT_THROW(ref.Serialize(failed), fw::CArchiveException);
    }
    CArchive next = CArchive::ForLoading(NewPlacement());
    CObjRefV2 ref;
    ref.Serialize(next);
    EXPECT_EQ(next.Remaining(), 0u);
    EXPECT_EQ(ref.m_ptAnchor.m_dX, 96000.0);
}

} // namespace
