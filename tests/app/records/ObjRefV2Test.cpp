#include "app/records/CObjRefV2List.h"
#include "framework/Archive.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <vector>

using fw::CArchive;

namespace {

CObjRefV2 FullPlacement() {
    CObjRefV2 ref;
    ref.m_nSelected = 1;
    ref.m_crColour = 0x0000FF;
    ref.m_crBack = 0x123456;
    ref.m_nSpare = -7;
    ref.m_rect = fw::CRect(300, 500, 200, 400);
    ref.m_ptOffset = fw::CPoint(50, -3);
    ref.m_nTrackerStyle = 2;
    ref.m_rectTracker = fw::CRect(10, 20, 30, 40);
    ref.m_ptAnchorOffset = fw::CPoint(-4, 9);
    ref.m_ptAnchor = CdPoint(96000.0, 0.25);
    ref.m_ptValue = CdPoint(120000.0, 0.5);
    return ref;
}

// Records written by hand from the layout (fixtures/README.md): the placement
// of FullPlacement as files of version 1.1 and later hold it, and as older
// files hold it, without the two points.
std::vector<uint8_t> Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string("app/records/fixtures/") + name);
}

std::vector<uint8_t> Store(CObjRefV2& ref) {
    CArchive ar = CArchive::ForStoring();
    ref.Serialize(ar);
    return ar.Bytes();
}

TEST(ObjRefV2Test, NewPlacement) {
    CObjRefV2 ref;
    EXPECT_EQ(ref.m_nSelected, 0);
    EXPECT_EQ(ref.m_crColour, 0xFF0000u);
    EXPECT_EQ(ref.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(ref.m_nSpare, 0);
    EXPECT_EQ(ref.m_rect, fw::CRect());
    EXPECT_EQ(ref.m_nTrackerStyle, 0);
    EXPECT_EQ(ref.m_ptValue.m_dX, 0.0);
}

TEST(ObjRefV2Test, RecordMatchesTheHandWrittenOne) {
    const std::vector<uint8_t> fixture = Fixture("CObjRefV2_v120.hex");
    CObjRefV2 ref = FullPlacement();
    EXPECT_EQ(Store(ref), fixture);

    CArchive in = CArchive::ForLoading(fixture);
    CObjRefV2 loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(Store(loaded), fixture);
}

TEST(ObjRefV2Test, LoadsRecordsOfOlderVersions) {
    const std::vector<uint8_t> v120 = Fixture("CObjRefV2_v120.hex");
    const std::vector<uint8_t> v100 = Fixture("CObjRefV2_v100.hex");
    ASSERT_EQ(v120.size(), 100u);
    ASSERT_EQ(v100.size(), 68u);
    for (double version : {1.0, 1.02, 1.1, 1.15, 1.2}) {
        SCOPED_TRACE(version);
        bool points = version >= 1.1;
        CArchive in = CArchive::ForLoading(points ? v120 : v100);
        CObjRefV2 loaded;
        loaded.m_ptValue = CdPoint(1.0, 1.0);
        in.SetReadVersion(version);
        loaded.Serialize(in);
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(loaded.m_nSelected, 1);
        EXPECT_EQ(loaded.m_crColour, 0x0000FFu);
        EXPECT_EQ(loaded.m_crBack, 0x123456u);
        EXPECT_EQ(loaded.m_nSpare, -7);
        EXPECT_EQ(loaded.m_rect, fw::CRect(300, 500, 200, 400));
        EXPECT_EQ(loaded.m_ptOffset, fw::CPoint(50, -3));
        EXPECT_EQ(loaded.m_rectTracker, fw::CRect(10, 20, 30, 40));
        EXPECT_EQ(loaded.m_nTrackerStyle, 2);
        EXPECT_EQ(loaded.m_ptAnchorOffset, fw::CPoint(-4, 9));
        EXPECT_EQ(loaded.m_ptAnchor.m_dX, points ? 96000.0 : 0.0);
        EXPECT_EQ(loaded.m_ptAnchor.m_dY, points ? 0.25 : 0.0);
        EXPECT_EQ(loaded.m_ptValue.m_dX, points ? 120000.0 : 0.0);
        EXPECT_EQ(loaded.m_ptValue.m_dY, points ? 0.5 : 0.0);
        // Saved again: the newest layout, the two points (zero when the file
        // had none) after the 68 bytes.
        std::vector<uint8_t> expected = v100;
        if (points)
            expected = v120;
        else
            expected.resize(100, 0);
        EXPECT_EQ(Store(loaded), expected);
    }
}

TEST(ObjRefV2Test, PlacementOperations) {
    CObjRefV2 ref = FullPlacement();
    EXPECT_EQ(ref.GetRect(), (fw::CRect(200, 400, 300, 500)));
    EXPECT_EQ(ref.GetLabelRect(), ref.m_rectTracker);
    ref.SetLabelRect(fw::CRect(1, 2, 3, 4));
    EXPECT_EQ(ref.m_rectTracker, (fw::CRect(1, 2, 3, 4)));
    ref.SetOffset(fw::CPoint(7, 8));
    EXPECT_EQ(ref.GetOffset(), (fw::CPoint(7, 8)));
    ref.DoOffset(5, -2);
    EXPECT_EQ(ref.m_ptOffset, (fw::CPoint(55, -5)));
    EXPECT_EQ(ref.m_ptAnchorOffset, (fw::CPoint(7, 8)));

    CObjRefV2 copy;
    copy = ref;
    EXPECT_EQ(Store(copy), Store(ref));
}

TEST(ObjRefV2ListTest, SelectionByIndex) {
    struct Row {
        int32_t before, value;
        uint32_t flags;
        int32_t after;
    };
    const Row rows[] = {
        {0, 1, 0, 1}, {1, 0, 0, 0}, {1, 1, 0, 1}, {0, 1, 4, 1},
        {1, 1, 4, 0}, {1, 0, 4, 1}, {0, 0, 4, 0}, {0, 1, 5, 1},
    };
    for (const Row& row : rows) {
        CObjRefV2List list;
        list.DoAddNew()->m_nSelected = row.before;
        list.DoSelect(0, row.value, row.flags);
        EXPECT_EQ(list.IsSelected(0), row.after)
            << row.before << " " << row.value << " " << row.flags;
    }
    // An index with no placement changes nothing and answers 0.
    CObjRefV2List list;
    list.DoAddNew();
    list.DoSelect(5, 1, 0);
    list.DoSelect(-1, 1, 0);
    EXPECT_EQ(list.IsSelected(0), 0);
    EXPECT_EQ(list.IsSelected(5), 0);
    EXPECT_EQ(list.GetAtIndex(1), nullptr);
    EXPECT_EQ(list.GetAtIndex(-1), nullptr);
    EXPECT_EQ(list.GetRect(3), fw::CRect());
}

TEST(ObjRefV2ListTest, HitTestOnTheNormalisedRectangle) {
    CObjRefV2List list;
    list.DoAddNew();
    // The co-ordination view's y axis points up: top above bottom.
    list.DoAddNew()->m_rect = fw::CRect(100, 300, 200, 250);
    EXPECT_EQ(list.GetRect(1), (fw::CRect(100, 250, 200, 300)));
    struct Row {
        int32_t x, y, hit;
    };
    const Row rows[] = {{150, 275, 1}, {100, 250, 1}, {199, 299, 1}, {200, 275, 0},
                        {150, 300, 0}, {99, 275, 0},  {150, 249, 0}};
    for (const Row& row : rows)
        EXPECT_EQ(list.IsHitted(1, fw::CPoint(row.x, row.y)), row.hit) << row.x << "," << row.y;
    EXPECT_EQ(list.IsHitted(2, fw::CPoint(150, 275)), 0);
}

TEST(ObjRefV2ListTest, AssignmentCopiesEveryPlacement) {
    CObjRefV2List source;
    source.DoAddNew()->m_nSpare = 1;
    source.DoAddNew()->m_nSpare = 2;
    CObjRefV2List target;
    target.DoAddNew()->m_nSpare = 9;
    target = source;
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_EQ(target.GetAtIndex(0)->m_nSpare, 1);
    EXPECT_EQ(target.GetAtIndex(1)->m_nSpare, 2);
    EXPECT_NE(target.GetAtIndex(0), source.GetAtIndex(0));
}

} // namespace
