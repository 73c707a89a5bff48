// The print settings record: its 24 bytes against hand-written fixtures, the
// end-of-file error of a cut record, and the bounds a damaged file is
// brought inside.

#include "catalogue/model/CInfoPrint.h"

#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Store(CInfoPrint info) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    info.Serialize(ar);
    return ar.Bytes();
}

CInfoPrint Load(std::vector<uint8_t> bytes) {
    fw::CArchive ar = fw::CArchive::ForLoading(std::move(bytes));
    CInfoPrint info;
    info.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return info;
}

TEST(InfoPrintTest, NewRecordHasTheDefaultsAndStoresAsTheFixture) {
    CInfoPrint info;
    EXPECT_EQ(Store(info), tvtest::ReadHexFixture("catalogue/fixtures/CInfoPrint_new.hex"));
    CInfoPrint loaded = Load(tvtest::ReadHexFixture("catalogue/fixtures/CInfoPrint_new.hex"));
    EXPECT_EQ(loaded.m_nZoom, 100);
    EXPECT_EQ(loaded.m_nMarginLeft, 10);
    EXPECT_EQ(loaded.m_nMarginTop, 20);
    EXPECT_EQ(loaded.m_nMarginRight, 10);
    EXPECT_EQ(loaded.m_nMarginBottom, 10);
    EXPECT_EQ(loaded.m_nOrientation, 2);
    EXPECT_EQ(loaded.m_nPaperSize, 9);
}

TEST(InfoPrintTest, EveryFieldHasItsPlace) {
    CInfoPrint info;
    info.m_nZoom = 150;
    info.m_nMarginLeft = 5;
    info.m_nMarginTop = 15;
    info.m_nMarginRight = 25;
    info.m_nMarginBottom = 35;
    info.m_nOrientation = 1;
    info.m_nPaperSize = 8;
    std::vector<uint8_t> fixture =
        tvtest::ReadHexFixture("catalogue/fixtures/CInfoPrint_edited.hex");
    EXPECT_EQ(Store(info), fixture);
    EXPECT_EQ(Load(fixture), info);
}

TEST(InfoPrintTest, MarginBlockCutShortIsTheArchivesEndOfFile) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture("catalogue/fixtures/CInfoPrint_new.hex");
    bytes.resize(4 + 15); // the zoom and 15 of the margins' 16 bytes
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CInfoPrint info;
    try {
        info.Serialize(ar);
        FAIL() << "a cut record was read";
    } catch (const fw::CArchiveException& e) {
        EXPECT_EQ(e.m_cause, fw::CArchiveException::endOfFile);
    }
}

TEST(InfoPrintTest, DamagedValuesAreBroughtInsideTheLimits) {
    CInfoPrint info = Load(tvtest::ReadHexFixture("catalogue/fixtures/CInfoPrint_hostile.hex"));
    EXPECT_EQ(info.m_nZoom, 0);
    EXPECT_TRUE(info.DoBound());
    EXPECT_EQ(info.m_nZoom, CInfoPrint::kMinZoom);
    EXPECT_EQ(info.m_nMarginLeft, 0);
    EXPECT_EQ(info.m_nMarginTop, CInfoPrint::kMaxMargin);
    EXPECT_EQ(info.m_nMarginRight, 10);
    EXPECT_EQ(info.m_nMarginBottom, 0);
    EXPECT_FALSE(info.DoBound());
}

} // namespace
