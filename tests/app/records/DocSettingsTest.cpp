// The document's settings records against records written by hand from their
// byte layout, and the bounds a damaged file is brought inside.

#include "app/records/DocSettings.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"

#include <gtest/gtest.h>

namespace {

template <class Record> std::vector<uint8_t> Store(Record& record) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    record.Serialize(ar);
    return ar.Bytes();
}

template <class Record> Record Load(const std::vector<uint8_t>& bytes) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    Record record;
    record.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return record;
}

const char* kDir = "app/records/fixtures/";

TEST(InfoSkeleton, NewDocumentRecordIsTheHandWrittenOne) {
    CInfoSkeleton skeleton;
    std::vector<uint8_t> expected =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoSkeleton_new.hex");
    ASSERT_EQ(expected.size(), 84u);
    EXPECT_EQ(Store(skeleton), expected);
    // The drawing area of a new document: 50 x 35 cells of 40 units.
    EXPECT_EQ(skeleton.m_nFrameCountX * 40, 2000);
    EXPECT_EQ(skeleton.m_nFrameCountY * 40, 1400);
}

TEST(InfoSkeleton, EveryFieldLoadsAndStoresBackByteForByte) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoSkeleton_edited.hex");
    ASSERT_EQ(bytes.size(), 84u);
    CInfoSkeleton s = Load<CInfoSkeleton>(bytes);
    EXPECT_EQ(s.m_nFrameCountX, 60);
    EXPECT_EQ(s.m_nFrameCountY, 40);
    EXPECT_EQ(s.m_nZoom, 150);
    EXPECT_EQ(s.m_nReserved, 0);
    EXPECT_EQ(s.m_crBack, 0x00112233u);
    EXPECT_EQ(s.m_crGrid, 0x00445566u);
    EXPECT_EQ(s.m_crCursor, 0x00778899u);
    EXPECT_EQ(s.m_ptScroll, fw::CPoint(-40, 80));
    EXPECT_EQ(s.m_ptInsert, fw::CPoint(200, 120));
    EXPECT_EQ(s.m_ptClick, fw::CPoint(7, -9));
    EXPECT_EQ(s.m_nFrequency, 60);
    EXPECT_EQ(s.m_dCapacity, 1500.5);
    EXPECT_EQ(s.m_rectMargins, fw::CRect(5, 15, 25, 35));
    EXPECT_EQ(s.m_nOrientation, 1);
    EXPECT_EQ(s.m_nPaperSize, 8);
    EXPECT_EQ(Store(s), bytes);
}

TEST(InfoSkeleton, ShortRecordRaisesTheEndOfFileError) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoSkeleton_new.hex");
    bytes.pop_back();
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CInfoSkeleton s;
    EXPECT_THROW(s.Serialize(ar), fw::CArchiveException);
}

TEST(InfoSkeleton, DamagedValuesAreBroughtInsideTheLimitsOnLoad) {
    CInfoSkeleton s = Load<CInfoSkeleton>(
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoSkeleton_hostile.hex"));
    EXPECT_EQ(s.m_nFrameCountX, settings_limits::kMaxFrameCount);
    EXPECT_EQ(s.m_nFrameCountY, settings_limits::kMinFrameCount);
    EXPECT_EQ(s.m_nZoom, settings_limits::kMinZoom);
    EXPECT_EQ(s.m_rectMargins, fw::CRect(0, settings_limits::kMaxMargin, 10, 10));
    // The largest skeleton still has a size in logical units far inside 32 bits.
    EXPECT_LT(int64_t{s.m_nFrameCountX} * 40 * settings_limits::kMaxZoom, int64_t{1} << 31);
}

TEST(InfoSkeleton, FrequencyText) {
    CInfoSkeleton s;
    EXPECT_EQ(s.DoGetTextFrequency(0), "50");
    s.m_nFrequency = 60;
    EXPECT_EQ(s.DoGetTextFrequency(1), "60Hz");
}

TEST(InfoReport, RecordOf28Bytes) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoReport_edited.hex");
    ASSERT_EQ(bytes.size(), 28u);
    CInfoReport r = Load<CInfoReport>(bytes);
    EXPECT_EQ(r.m_nZoom, 75);
    EXPECT_EQ(r.m_nReportKind, 3);
    EXPECT_EQ(r.m_rectMargins, fw::CRect(5, 15, 25, 35));
    EXPECT_EQ(r.m_nOrientation, 1);
    EXPECT_EQ(r.m_nPaperSize, 8);
    EXPECT_EQ(Store(r), bytes);
    CInfoReport fresh;
    EXPECT_EQ(fresh.m_nZoom, 100);
    EXPECT_EQ(fresh.m_rectMargins, fw::CRect(10, 20, 10, 10));
}

TEST(InfoReport, ZoomAndReportKindFromADamagedFileAreBroughtBackOnLoad) {
    // A zoom of 0 would divide the view's window by nothing; a report kind
    // outside 0 to 7 names no report: the first report is shown instead.
    struct Case {
        const char* file;
        int32_t kind;
    } cases[] = {{"CInfoReport_hostile.hex", 0},
                 {"CInfoReport_negative.hex", 0},
                 {"CInfoReport_edited.hex", 3}};
    for (const Case& c : cases) {
        CInfoReport r = Load<CInfoReport>(tvtest::ReadHexFixture(std::string(kDir) + c.file));
        EXPECT_EQ(r.m_nReportKind, c.kind) << c.file;
        EXPECT_GE(r.m_nZoom, settings_limits::kMinZoom) << c.file;
    }
    CInfoImpeMap m =
        Load<CInfoImpeMap>(tvtest::ReadHexFixture(std::string(kDir) + "CInfoImpeMap_hostile.hex"));
    EXPECT_EQ(m.m_nZoom, settings_limits::kMinZoom);
    EXPECT_EQ(m.m_ptScroll, fw::CPoint(40, 80));
}

TEST(InfoImpeMap, RecordOf32Bytes) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoImpeMap_edited.hex");
    ASSERT_EQ(bytes.size(), 32u);
    CInfoImpeMap m = Load<CInfoImpeMap>(bytes);
    EXPECT_EQ(m.m_nZoom, 200);
    EXPECT_EQ(m.m_ptScroll, fw::CPoint(40, 80));
    EXPECT_EQ(m.m_rectMargins, fw::CRect(5, 15, 25, 35));
    EXPECT_EQ(Store(m), bytes);
}

TEST(InfoProject, EightCountedStringsInOrder) {
    std::vector<uint8_t> bytes =
        tvtest::ReadHexFixture(std::string(kDir) + "CInfoProject_edited.hex");
    CInfoProject p = Load<CInfoProject>(bytes);
    EXPECT_EQ(p.m_strCustomer, "Acme");
    EXPECT_EQ(p.m_strProject, "Plant");
    EXPECT_EQ(p.m_strReference, "R-1");
    EXPECT_EQ(p.m_strEngineer, "J.S");
    EXPECT_EQ(p.m_strCreated, "");
    EXPECT_EQ(p.m_strChangedBy, "K");
    EXPECT_EQ(p.m_strChanged, "2026-12-10");
    EXPECT_EQ(p.m_strComments, "a\r\nb");
    EXPECT_EQ(Store(p), bytes);
}

} // namespace
