// The skeleton and impedance-map placements: their records against records
// written by hand from the byte layout (with the 1.15 gate of the skeleton
// placement), the list operations, the label layout and the label colours.

#include "app/records/CObjRefV1List.h"
#include "app/records/CObjRefV4List.h"
#include "app/records/CTVFont.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

const std::string kDir = "app/records/fixtures/";

template <class Record> std::vector<uint8_t> Store(Record& record) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    record.Serialize(ar);
    return ar.Bytes();
}

template <class Record>
void Load(Record& record, const std::vector<uint8_t>& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    record.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u) << "version " << version;
}

// The values every edited fixture holds in its first 52 bytes.
void ExpectEditedLabels(const CObjRefLabels& labels) {
    EXPECT_EQ(labels.m_rectLabel1, fw::CRect(10, 20, 110, 36));
    EXPECT_EQ(labels.m_rectLabel2, fw::CRect(-5, 40, 60, 72));
    EXPECT_EQ(labels.m_crLabel2, 0x00FF0000u);
    EXPECT_EQ(labels.m_crLabel2Back, 0x00123456u);
    EXPECT_EQ(labels.m_crLabel1, 0x00FF00FFu);
    EXPECT_EQ(labels.m_crLabel1Back, 0x00ABCDEFu);
    EXPECT_EQ(labels.m_nSpare, -7);
}

CObjRefLabels EditedLabels() {
    CObjRefLabels labels;
    labels.m_rectLabel1 = fw::CRect(10, 20, 110, 36);
    labels.m_rectLabel2 = fw::CRect(-5, 40, 60, 72);
    labels.m_crLabel2 = 0x00FF0000;
    labels.m_crLabel2Back = 0x00123456;
    labels.m_crLabel1 = 0x00FF00FF;
    labels.m_crLabel1Back = 0x00ABCDEF;
    labels.m_nSpare = -7;
    return labels;
}

CObjRefV1 EditedV1() {
    CObjRefV1 ref;
    ref.m_labels = EditedLabels();
    ref.m_nSelected = 1;
    ref.m_ptLabel2Offset = fw::CPoint(3, -4);
    ref.m_rectTracker = fw::CRect(100, 200, 300, 260);
    ref.m_nTrackerStyle = 2;
    ref.m_ptAnchorOffset = fw::CPoint(-10, 12);
    return ref;
}

TEST(ObjRefV4, RecordIsTheHandWrittenOneAndLoadsBack) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjRefV4_edited.hex");
    ASSERT_EQ(bytes.size(), 52u);
    CObjRefV4 ref;
    ref.m_labels = EditedLabels();
    EXPECT_EQ(Store(ref), bytes);
    // The same 52 bytes in every file version.
    for (double version : {1.02, 1.10, 1.15, 1.2}) {
        CObjRefV4 loaded;
        Load(loaded, bytes, version);
        ExpectEditedLabels(loaded.m_labels);
    }
}

TEST(ObjRefV4, NewPlacementHasTheDefaultColours) {
    CObjRefV4 ref;
    EXPECT_EQ(ref.m_labels.m_crLabel1, 0xFF0000u);
    EXPECT_EQ(ref.m_labels.m_crLabel2, 0xFF0000u);
    EXPECT_EQ(ref.m_labels.m_crLabel1Back, 0xFFFFFFu);
    EXPECT_EQ(ref.m_labels.m_crLabel2Back, 0xFFFFFFu);
    EXPECT_EQ(ref.m_labels.m_nSpare, 0);
    EXPECT_TRUE(ref.m_labels.m_rectLabel1.IsRectNull());
}

TEST(ObjRefV1, FromVersion115TheRecordIs92Bytes) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjRefV1_v115.hex");
    ASSERT_EQ(bytes.size(), 92u);
    CObjRefV1 edited = EditedV1();
    EXPECT_EQ(Store(edited), bytes);
    for (double version : {1.15, 1.2}) {
        CObjRefV1 loaded;
        Load(loaded, bytes, version);
        ExpectEditedLabels(loaded.m_labels);
        EXPECT_EQ(loaded.m_nSelected, 1);
        EXPECT_EQ(loaded.m_ptLabel2Offset, fw::CPoint(3, -4));
        EXPECT_EQ(loaded.m_rectTracker, fw::CRect(100, 200, 300, 260));
        EXPECT_EQ(loaded.m_nTrackerStyle, 2);
        EXPECT_EQ(loaded.m_ptAnchorOffset, fw::CPoint(-10, 12));
    }
}

TEST(ObjRefV1, BeforeVersion115Only52BytesAreReadAndTheRestIsCleared) {
    const std::vector<uint8_t> old = tvtest::ReadHexFixture(kDir + "CObjRefV1_v110.hex");
    ASSERT_EQ(old.size(), 52u);
    for (double version : {1.02, 1.10}) {
        // A placement that held values before the load: the load clears them.
        CObjRefV1 loaded = EditedV1();
        loaded.m_labels = CObjRefLabels();
        Load(loaded, old, version);
        ExpectEditedLabels(loaded.m_labels);
        EXPECT_EQ(loaded.m_nSelected, 0);
        EXPECT_EQ(loaded.m_ptLabel2Offset, fw::CPoint());
        EXPECT_TRUE(loaded.m_rectTracker.IsRectNull());
        EXPECT_EQ(loaded.m_nTrackerStyle, 0);
        EXPECT_EQ(loaded.m_ptAnchorOffset, fw::CPoint());
        // Saved again, it is written in the full 92-byte layout.
        std::vector<uint8_t> saved = Store(loaded);
        ASSERT_EQ(saved.size(), 92u);
        EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + 52), old);
        EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 52, saved.end()),
                  std::vector<uint8_t>(40, 0));
    }
}

TEST(ObjRefV1, ShortRecordRaisesTheArchiveErrorInsteadOfReadingPastIt) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjRefV1_v115.hex");
    bytes.pop_back();
    CObjRefV1 ref;
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(1.2);
    EXPECT_THROW(ref.Serialize(ar), fw::CArchiveException);

    std::vector<uint8_t> shortV4 = tvtest::ReadHexFixture(kDir + "CObjRefV4_edited.hex");
    shortV4.resize(40);
    CObjRefV4 v4;
    fw::CArchive ar4 = fw::CArchive::ForLoading(shortV4);
    EXPECT_THROW(v4.Serialize(ar4), fw::CArchiveException);
}

TEST(ObjRefV1List, ObjectListRecordIsTheHandWrittenOne) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjRefV1List_two.hex");
    CObjRefV1List list;
    list.DoAddNew();
    *list.DoAddNew() = EditedV1();
    EXPECT_EQ(Store(list), bytes);

    CObjRefV1List loaded;
    Load(loaded, bytes, 1.2);
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetAtIndex(0)->m_nSelected, 0);
    EXPECT_EQ(loaded.GetAtIndex(1)->m_ptAnchorOffset, fw::CPoint(-10, 12));
    ExpectEditedLabels(loaded.GetAtIndex(1)->m_labels);
}

TEST(ObjRefV1List, AssignmentCopiesEveryPlacementAndOwnsTheCopies) {
    CObjRefV1List source;
    *source.DoAddNew() = EditedV1();
    CObjRefV1List target;
    target.DoAddNew();
    target.DoAddNew();
    target = source;
    ASSERT_EQ(target.GetCount(), 1);
    target.GetAtIndex(0)->m_nSelected = 0;
    EXPECT_EQ(source.GetAtIndex(0)->m_nSelected, 1);
    EXPECT_EQ(target.GetAtIndex(0)->m_rectTracker, fw::CRect(100, 200, 300, 260));
}

// DoSelect(index, value, flags) from a state to a state.
struct SelectCase {
    const char* name;
    int32_t before;
    int index;
    int32_t value;
    uint32_t flags;
    int32_t after;
};

void PrintTo(const SelectCase& c, std::ostream* os) {
    *os << c.name;
}

class ObjRefV1ListSelect : public ::testing::TestWithParam<SelectCase> {};

TEST_P(ObjRefV1ListSelect, FollowsTheFlagRules) {
    const SelectCase& c = GetParam();
    CObjRefV1List list;
    list.DoAddNew()->m_nSelected = c.before;
    list.DoSelect(c.index, c.value, c.flags);
    EXPECT_EQ(list.IsSelected(0), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjRefV1ListSelect,
    ::testing::Values(SelectCase{"SetWithoutFlag4", 0, 0, 1, 0, 1},
                      SelectCase{"ClearWithoutFlag4", 1, 0, 0, 0, 0},
                      SelectCase{"Flag4Value1TogglesASelectedOneOff", 1, 0, 1, 4, 0},
                      SelectCase{"Flag4Value1TogglesOn", 0, 0, 1, 4, 1},
                      SelectCase{"Flag4Value0ChangesNothing", 1, 0, 0, 4, 1},
                      SelectCase{"IndexPastTheListChangesNothing", 0, 5, 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ObjRefV1List, AnIndexWithoutPlacementGivesZeroAndEmpty) {
    CObjRefV1List list;
    list.DoAddNew()->m_nSelected = 1;
    EXPECT_EQ(list.IsSelected(1), 0);
    EXPECT_EQ(list.IsSelected(-1), 0);
    EXPECT_TRUE(list.GetRect(3).IsRectNull());
    EXPECT_EQ(list.GetAtIndex(1), nullptr);
}

TEST(ObjRefV1List, RectIsTheUnionUnlessTheLabelIsEmptyOrInsideTheName) {
    CObjRefV1List list;
    CObjRefV1* ref = list.DoAddNew();
    ref->m_labels.m_rectLabel1 = fw::CRect(0, 0, 100, 50);
    ref->m_labels.m_rectLabel2 = fw::CRect(120, 10, 160, 80);
    EXPECT_EQ(list.GetRect(0), fw::CRect(0, 0, 160, 80));
    ref->m_labels.m_rectLabel2 = fw::CRect(10, 10, 100, 50); // inside, edges included
    EXPECT_EQ(list.GetRect(0), fw::CRect(0, 0, 100, 50));
    ref->m_labels.m_rectLabel2 = fw::CRect(500, 500, 500, 520); // empty
    EXPECT_EQ(list.GetRect(0), fw::CRect(0, 0, 100, 50));
}

TEST(ObjRefV1, PlaceBelowPutsTheLabelItsOwnHeightUnderTheRectangle) {
    fw::CRecordingDC dc;
    CObjRefV1 ref;
    ref.DoPlaceBelow(&dc, fw::CRect(10, 20, 50, 60));
    // (l, b, r, 2b - t) = (10, 60, 50, 100); one logical unit is one pixel.
    EXPECT_EQ(ref.GetLabelRect(), fw::CRect(10, 60, 50, 100));
    EXPECT_EQ(ref.GetTrackerRect(), fw::CRect(10, 60, 50, 100));
}

TEST(ObjRefV1, OffsetAndAnchorPoint) {
    CObjRefV1 ref;
    ref.DoOffset(5, -2);
    ref.DoOffset(1, 1);
    EXPECT_EQ(ref.m_ptLabel2Offset, fw::CPoint(6, -1));
    ref.SetAnchorOffset(fw::CPoint(7, 8));
    EXPECT_EQ(ref.GetAnchorOffset(), fw::CPoint(7, 8));
    ref.SetTrackerRect(fw::CRect(1, 2, 3, 4));
    EXPECT_EQ(ref.GetTrackerRect(), fw::CRect(1, 2, 3, 4));
}

// The label layout: flags choose where each text stands beside the symbol.
// The texts are measured here with the labels' font (kind 100, size 0) and
// the positions worked from the layout rules with W = R - L, H = B - T and
// whole-number division.
struct LayoutCase {
    const char* name;
    uint32_t flags1;
    uint32_t flags2;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LabelLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LabelLayout, PlacesBothTextsByTheirFlags) {
    const LayoutCase& c = GetParam();
    fw::CRecordingDC dc;
    const std::string name = "BB12";
    const std::string label = "3Ph 100mm2\r\nN 50mm2";
    int w1, h1, w2, h2;
    {
        CTVFont font(&dc, 100, 0);
        ASSERT_TRUE(font.IsCreated());
        fw::CSize s1 = font.DoGetTextExtent(name);
        fw::CSize s2 = font.DoGetTextExtent(label);
        w1 = s1.cx;
        h1 = s1.cy;
        w2 = s2.cx;
        h2 = s2.cy;
    }
    ASSERT_GT(h2, h1); // two lines
    const fw::CRect symbol(41, 81, 80, 200);
    const int L = 41, T = 81, R = 80, B = 200, W = 39, H = 119;
    const int lastRow = T + ((H + 1) / 40) * 40 - 26; // 81 + 120 - 26 = 175

    fw::CRect expected1;
    if (c.flags1 & 0x80)
        expected1 = fw::CRect(L - w1 - 1, T + (H - h1) / 2, L - 1, T + (H - h1) / 2 + h1);
    else if (c.flags1 & 0x20)
        expected1 = fw::CRect(R + 1, T + (H - h1) / 2, R + 1 + w1 + 2, T + (H - h1) / 2 + h1);
    else if (c.flags1 & 0x10)
        expected1 = fw::CRect(L + (W - w1) / 2, T - h1 - 1, L + (W - w1) / 2 + w1, T - 1);
    else if (c.flags1 & 0x01)
        expected1 = fw::CRect(L - w1 - 1, T + 10, L - 1, T + 10 + h1);
    else if (c.flags1 & 0x08)
        expected1 = fw::CRect(L - w1 - 1, lastRow, L - 1, lastRow + h1);
    else
        expected1 = fw::CRect(L, T, L + w1, T + h1);

    fw::CRect expected2;
    if (c.flags2 & 0x20)
        expected2 = fw::CRect(R + 1, T + (H - h2) / 2, R + 1 + w2 + 2, T + (H - h2) / 2 + h2);
    else if (c.flags2 & 0x40)
        expected2 = fw::CRect(L + (W - w2) / 2, B + 1, L + (W - w2) / 2 + w2, B + 1 + h2);
    else if (c.flags2 & 0x02)
        expected2 = fw::CRect(R + 1, T + 10, R + 1 + w2 + 2, T + 10 + h2);
    else if (c.flags2 & 0x04)
        expected2 = fw::CRect(R + 1, lastRow, R + 1 + w2 + 2, lastRow + h2);
    else
        expected2 = fw::CRect(L, T, L + w2, T + h2);

    // The impedance map: no user shift.
    CObjRefV4List v4;
    v4.DoAddNew();
    v4.DoCalcLabelRect(&dc, symbol, name, c.flags1, label, c.flags2);
    EXPECT_EQ(v4.GetAtIndex(0)->m_labels.m_rectLabel1, expected1);
    EXPECT_EQ(v4.GetAtIndex(0)->m_labels.m_rectLabel2, expected2);

    // The skeleton: the label moves by the placement's shift, the name not.
    CObjRefV1List v1;
    v1.DoAddNew()->m_ptLabel2Offset = fw::CPoint(7, -3);
    fw::CRect result = v1.DoCalcLabelRect(&dc, symbol, name, c.flags1, label, c.flags2);
    fw::CRect shifted = expected2;
    shifted.OffsetRect(7, -3);
    EXPECT_EQ(v1.GetAtIndex(0)->m_labels.m_rectLabel1, expected1);
    EXPECT_EQ(v1.GetAtIndex(0)->GetLabelRect(), shifted);
    EXPECT_EQ(result, v1.GetRect(0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelLayout,
    ::testing::Values(LayoutCase{"NameLeftCentredLabelRightCentred", 0x80, 0x20},
                      // The sign bit wins over 0x10.
                      LayoutCase{"Name0x90IsLeftCentredLabelBelow", 0x90, 0x40},
                      LayoutCase{"NameRightCentredLabelRightAtTop", 0x20, 0x02},
                      LayoutCase{"NameAboveLabelAtLastRow", 0x10, 0x04},
                      LayoutCase{"NameLeftAtTopNoLabelFlag", 0x01, 0x00},
                      LayoutCase{"NameAtLastRowLabelAtLastRow", 0x08, 0x04},
                      LayoutCase{"NoFlagsBothAtTheCorner", 0x00, 0x00}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelLayout, TheUnionOfTheLastPlacementIsReturned) {
    fw::CRecordingDC dc;
    CObjRefV1List list;
    list.DoAddNew();
    list.DoAddNew()->m_ptLabel2Offset = fw::CPoint(0, 500);
    fw::CRect result = list.DoCalcLabelRect(&dc, fw::CRect(1, 1, 40, 40), "W3", 8, "x", 4);
    EXPECT_EQ(result, list.GetRect(1));
    EXPECT_NE(result, list.GetRect(0));
    EXPECT_TRUE(
        CObjRefV1List().DoCalcLabelRect(&dc, fw::CRect(1, 1, 40, 40), "a", 8, "b", 4).IsRectNull());
}

std::vector<const fw::CDrawRecord*> Texts(const fw::CRecordingDC& dc) {
    std::vector<const fw::CDrawRecord*> texts;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::Text)
            texts.push_back(&rec);
    return texts;
}

bool HasDottedFrame(const fw::CRecordingDC& dc) {
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::Rectangle && rec.pen.BaseStyle() == fw::PS_DOT)
            return true;
    return false;
}

// Colours of the two texts by state: printing black, marked or selected
// red (0x0000FF), else the name magenta and the label blue.
struct ColourCase {
    const char* name;
    bool printing;
    int32_t selected;
    int32_t errorFlag;
    fw::COLORREF name1;
    fw::COLORREF label2;
    bool frame;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.name;
}

class LabelColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(LabelColours, SkeletonDrawsAndKeepsTheColoursOfItsState) {
    const ColourCase& c = GetParam();
    fw::CRecordingDC dc(96, c.printing);
    CObjRefV1List list;
    CObjRefV1* ref = list.DoAddNew();
    ref->m_nSelected = c.selected;
    list.DoCalcLabelRect(&dc, fw::CRect(1, 1, 40, 80), "G1", 8, "500kVA", 4);
    dc.Clear();
    list.DoDraw(&dc, "G1", "500kVA", c.errorFlag);
    std::vector<const fw::CDrawRecord*> texts = Texts(dc);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "G1");
    EXPECT_EQ(texts[0]->textColor, c.name1);
    EXPECT_EQ(texts[1]->textColor, c.label2);
    EXPECT_EQ(ref->m_labels.m_crLabel1, c.name1);
    EXPECT_EQ(ref->m_labels.m_crLabel2, c.label2);
    EXPECT_EQ(HasDottedFrame(dc), c.frame);
    if (c.frame) {
        EXPECT_EQ(ref->m_nTrackerStyle, 2);
        EXPECT_EQ(ref->m_rectTracker, ref->GetLabelRect()); // MM_TEXT: device = logical
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelColours,
    ::testing::Values(
        ColourCase{"Plain", false, 0, 0, 0xFF00FF, 0xFF0000, false},
        ColourCase{"Marked", false, 0, 1, 0x0000FF, 0x0000FF, false},
        ColourCase{"SelectedGetsRedAndItsFrame", false, 1, 0, 0x0000FF, 0x0000FF, true},
        ColourCase{"PrintedSelectedIsBlackWithoutFrame", true, 1, 1, 0x000000, 0x000000, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelColours, ImpedanceMapKnowsNoSelectionOnlyTheFlag) {
    fw::CRecordingDC dc;
    CObjRefV4List list;
    list.DoAddNew();
    list.DoCalcLabelRect(&dc, fw::CRect(1, 1, 40, 80), "T1", 8, "5%r", 4);
    dc.Clear();
    list.DoDraw(&dc, "T1", "5%r", 0);
    EXPECT_EQ(list.GetAtIndex(0)->m_labels.m_crLabel1, 0xFF00FFu);
    EXPECT_EQ(list.GetAtIndex(0)->m_labels.m_crLabel2, 0xFF0000u);
    list.DoDraw(&dc, "T1", "5%r", 1);
    EXPECT_EQ(list.GetAtIndex(0)->m_labels.m_crLabel1, 0x0000FFu);
    EXPECT_FALSE(HasDottedFrame(dc));
}

} // namespace
