// The records of the source, the two transformers and the zero conductor,
// against fixture files written by hand from the record layouts (see
// fixtures/README.md): stored byte for byte, read back field by field, and
// read from files of older versions with the defaults of the missing items.

#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/records/CObjRefV1.h"
#include "app/records/ElementKinds.h"
#include "app/records/FileVersion.h"
#include "app/shell/model/CObjElement.h"
#include "framework/Archive.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fw::CArchive;
using fw::CArchiveException;

namespace {

std::vector<uint8_t> Fixture(const std::string& name) {
    return tvtest::ReadHexFixture("app/elements/supply/fixtures/" + name);
}

template <class Model> std::vector<uint8_t> Store(Model& model) {
    CArchive ar = CArchive::ForStoring();
    model.Serialize(ar);
    return ar.Bytes();
}

// Loads a record as a file of the version holds it; the whole record must be
// taken.
template <class Model> void Load(Model& model, const std::vector<uint8_t>& bytes, double version) {
    CArchive ar = CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    model.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u) << "version " << version;
}

// The calculation point every fixture carries: red mark of width 2 on a
// 1000 kVA base, one source-side term.
CCalcPoint FixturePoint(uint32_t kind, const fw::CRect& rect, double r, double x, double rHalf,
                        double xHalf) {
    CCalcPoint point;
    point.m_crMark = 0x0000FF;
    point.m_nMarkWidth = 2;
    point.m_dBaseCapacity = 1000.0;
    point.m_zSource.m_nKind = kind;
    point.m_zSource.m_rect = rect;
    point.m_zSource.m_dR = r;
    point.m_zSource.m_dX = x;
    point.m_zSource.m_dRHalf = rHalf;
    point.m_zSource.m_dXHalf = xHalf;
    return point;
}

void ExpectPoint(const CCalcPoint& p, uint32_t kind, double r, double x, double rHalf,
                 double xHalf) {
    EXPECT_EQ(p.m_crMark, 0x0000FFu);
    EXPECT_EQ(p.m_nMarkWidth, 2u);
    EXPECT_EQ(p.m_dBaseCapacity, 1000.0);
    EXPECT_EQ(p.m_zSource.m_nKind, kind);
    EXPECT_EQ(p.m_zSource.m_dR, r);
    EXPECT_EQ(p.m_zSource.m_dX, x);
    EXPECT_EQ(p.m_zSource.m_dRHalf, rHalf);
    EXPECT_EQ(p.m_zSource.m_dXHalf, xHalf);
}

// ---- Source ----

CEleSource FixtureSource() {
    CEleSource s;
    s.m_rectSymbol = fw::CRect(160, 40, 199, 119);
    s.m_nPenWidth = 2;
    s.m_nPenStyle = 1;
    s.m_crFill = 0xFF00FF;
    s.m_crPen = 0x123456;
    s.m_strName = "SOURCE1";
    s.m_nNumber = 1;
    s.m_nDefaultsSet = 1;
    s.m_nVoltage = 6600;
    s.m_nCapacity = 500;
    s.m_dXR = 25.0;
    CObjRefV1* v1 = s.m_listRefV1.DoAddNew();
    v1->m_labels.m_rectLabel1 = fw::CRect(200, 40, 260, 60);
    v1->m_labels.m_rectLabel2 = fw::CRect(200, 60, 300, 140);
    v1->m_labels.m_crLabel2 = 0x0000FF;
    v1->m_labels.m_crLabel1 = 0xFF00FF;
    v1->m_nSelected = 1;
    v1->m_ptLabel2Offset = fw::CPoint(5, -5);
    v1->m_rectTracker = fw::CRect(1, 2, 3, 4);
    CObjRefV4* v4 = s.m_listRefV4.DoAddNew();
    v4->m_labels.m_rectLabel1 = fw::CRect(200, 40, 260, 60);
    v4->m_labels.m_rectLabel2 = fw::CRect(200, 60, 300, 120);
    v4->m_labels.m_crLabel2 = 0x0000FF;
    v4->m_labels.m_crLabel1 = 0xFF00FF;
    s.m_nEarthing = 1;
    s.m_nWireSystem = 3;
    s.m_nErrorMark = 1;
    return s;
}

TEST(SupplyRecord, SourceStoresItsFixtureByteForByte) {
    CEleSource s = FixtureSource();
    EXPECT_EQ(Store(s), Fixture("CEleSource_v120.hex"));
}

TEST(SupplyRecord, SourceReadsItsFixtureAndStoresItAgain) {
    const std::vector<uint8_t> bytes = Fixture("CEleSource_v120.hex");
    CEleSource s;
    Load(s, bytes, 1.2);
    EXPECT_EQ(s.m_rectSymbol, fw::CRect(160, 40, 199, 119));
    EXPECT_EQ(s.m_crFill, 0xFF00FFu); // the fill comes before the pen on file
    EXPECT_EQ(s.m_crPen, 0x123456u);
    EXPECT_EQ(s.m_strName, "SOURCE1");
    EXPECT_EQ(s.m_nVoltage, 6600);
    EXPECT_EQ(s.m_nCapacity, 500);
    EXPECT_EQ(s.m_dXR, 25.0);
    ASSERT_EQ(s.m_listRefV1.GetCount(), 1);
    EXPECT_EQ(s.m_listRefV1.GetAtIndex(0)->m_ptLabel2Offset, fw::CPoint(5, -5));
    ASSERT_EQ(s.m_listRefV4.GetCount(), 1);
    EXPECT_EQ(s.m_nEarthing, 1u);
    EXPECT_EQ(s.m_nWireSystem, 3u);
    EXPECT_EQ(s.m_nErrorMark, 1u);
    EXPECT_EQ(Store(s), bytes);
}

TEST(SupplyRecord, SourceOfOlderFilesTakesTheDefaultsOfTheMissingTail) {
    struct Case {
        const char* file;
        double version;
        uint32_t earthing, wire, mark;
    };
    const Case cases[] = {
        {"CEleSource_v115.hex", 1.15, 1, 3, 1},
        {"CEleSource_v110.hex", 1.10, 1, 3, 0}, // no error mark before 1.15
        {"CEleSource_v102.hex", 1.02, 4, 1, 0}, // TT, three phases before 1.1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CEleSource s;
        s.m_nErrorMark = 7;
        Load(s, Fixture(c.file), c.version);
        EXPECT_EQ(s.m_nVoltage, 6600);
        EXPECT_EQ(s.m_dXR, 25.0);
        EXPECT_EQ(s.m_nEarthing, c.earthing);
        EXPECT_EQ(s.m_nWireSystem, c.wire);
        EXPECT_EQ(s.m_nErrorMark, c.mark);
    }
}

// ---- Three-phase transformer ----

CEleTrans3 FixtureTrans3() {
    CEleTrans3 t;
    t.m_strName = "T1";
    t.m_nNumber = 1;
    t.m_nDefaultsSet = 1;
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 400;
    t.m_nEarthing = 4;
    t.m_dCapacity = 1000.0;
    t.m_dPercentZ = 5.0;
    t.m_dXR = 5.0;
    t.m_dRushPeak = 10.0;
    t.m_dDampingTime = 280.0;
    t.m_nCalcPoint = 1;
    t.m_nCurveSelected = 1;
    t.m_calcPoint = FixturePoint(5, fw::CRect(0, 0, 39, 119), 0.98, 4.9, 0.0, 0.0);
    t.m_listGraphNo.DoAddNewGraphNo()->m_nGraphNo = 3;
    t.m_infoLine.m_crColor = 0x0000FF;
    t.m_infoLine.m_nLineKind = 2;
    t.m_nWireSystem = 3;
    t.m_nErrorMark = 1;
    return t;
}

TEST(SupplyRecord, Trans3StoresItsFixtureByteForByte) {
    CEleTrans3 t = FixtureTrans3();
    EXPECT_EQ(Store(t), Fixture("CEleTrans3_v120.hex"));
}

TEST(SupplyRecord, Trans3OfEveryVersionReadsItsFieldsAndTheGatedTail) {
    struct Case {
        const char* file;
        double version;
        uint32_t wire, mark;
    };
    const Case cases[] = {
        {"CEleTrans3_v120.hex", 1.2, 3, 1},
        {"CEleTrans3_v115.hex", 1.15, 3, 1},
        {"CEleTrans3_v110.hex", 1.10, 3, 0},
        {"CEleTrans3_v102.hex", 1.02, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CEleTrans3 t;
        Load(t, Fixture(c.file), c.version);
        EXPECT_EQ(t.m_strName, "T1");
        EXPECT_EQ(t.m_nVoltage, 6600);
        EXPECT_EQ(t.m_nVoltage2, 400);
        EXPECT_EQ(t.m_nEarthing, 4u);
        EXPECT_EQ(t.m_dCapacity, 1000.0);
        EXPECT_EQ(t.m_dPercentZ, 5.0);
        EXPECT_EQ(t.m_dXR, 5.0);
        EXPECT_EQ(t.m_dRushPeak, 10.0);
        EXPECT_EQ(t.m_dDampingTime, 280.0);
        EXPECT_EQ(t.m_nCalcPoint, 1u);
        EXPECT_EQ(t.m_nCurveSelected, 1u);
        ExpectPoint(t.m_calcPoint, 5, 0.98, 4.9, 0.0, 0.0);
        ASSERT_EQ(t.m_listGraphNo.GetCount(), 1);
        EXPECT_EQ(t.m_listGraphNo.GetHead()->m_nGraphNo, 3u);
        EXPECT_EQ(t.m_infoLine.m_crColor, 0x0000FF);
        EXPECT_EQ(t.m_infoLine.m_nLineKind, 2);
        EXPECT_EQ(t.m_nWireSystem, c.wire);
        EXPECT_EQ(t.m_nErrorMark, c.mark);
    }
    // Read and stored again, a current file is the same bytes.
    CEleTrans3 t;
    const std::vector<uint8_t> bytes = Fixture("CEleTrans3_v120.hex");
    Load(t, bytes, 1.2);
    EXPECT_EQ(Store(t), bytes);
}

// ---- Single-phase transformer ----

CEleTrans1 FixtureTrans1() {
    CEleTrans1 t;
    t.m_crPen = 0x112233;
    t.m_strName = "ST1";
    t.m_nNumber = 1;
    t.m_nDefaultsSet = 1;
    t.m_nErrorMark = 1;
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 210;
    t.m_nWireSystem = 1;
    t.m_nEarthing = 5;
    t.m_dCapacity = 50.0;
    t.m_part1.m_dPercentZ = 4.73;
    t.m_part1.m_dXR = 1.85;
    t.m_part1.m_dRushPeak = 15.0;
    t.m_part1.m_dDampingTime = 100.0;
    t.m_part1.m_calcPoint = FixturePoint(0, fw::CRect(), 0.0, 0.0, 0.0, 0.0);
    t.m_part2.m_dPercentZ = 3.0;
    t.m_part2.m_dXR = 1.75;
    t.m_part2.m_dRushPeak = 15.0;
    t.m_part2.m_dDampingTime = 100.0;
    t.m_part2.m_nCalcPoint = 1;
    t.m_part2.m_calcPoint = FixturePoint(16, fw::CRect(), 30.0, 52.0, -60.0, -114.4);
    t.m_part2.m_listGraphNo.DoAddNewGraphNo()->m_nGraphNo = 5;
    t.m_part2.m_infoLine.m_crColor = 0x0000FF;
    t.m_part2.m_infoLine.m_nLineKind = 1;
    t.m_part2.m_infoLine.m_nWidth = 20;
    t.m_part2.m_nCurveSelected = 1;
    return t;
}

TEST(SupplyRecord, Trans1StoresItsFixtureByteForByteWithThePenBeforeTheRectangle) {
    CEleTrans1 t = FixtureTrans1();
    EXPECT_EQ(Store(t), Fixture("CEleTrans1_v120.hex"));
}

TEST(SupplyRecord, Trans1ReadsTheSameOwnFieldsFromFilesOfEveryVersion) {
    for (auto [file, version] :
         {std::pair{"CEleTrans1_v120.hex", 1.2}, std::pair{"CEleTrans1_v102.hex", 1.02}}) {
        SCOPED_TRACE(file);
        CEleTrans1 t;
        Load(t, Fixture(file), version);
        EXPECT_EQ(t.m_crPen, 0x112233u);
        EXPECT_EQ(t.m_crFill, 0xFFFFFFu);
        EXPECT_EQ(t.m_rectSymbol, fw::CRect(0, 0, 39, 159));
        EXPECT_EQ(t.m_strName, "ST1");
        EXPECT_EQ(t.m_nErrorMark, 1u); // no gate: even a 1.02 file holds it
        EXPECT_EQ(t.m_nVoltage, 6600);
        EXPECT_EQ(t.m_nVoltage2, 210);
        EXPECT_EQ(t.m_nWireSystem, 1u);
        EXPECT_EQ(t.m_nEarthing, 5u);
        EXPECT_EQ(t.m_dCapacity, 50.0);
        EXPECT_EQ(t.m_part1.m_dPercentZ, 4.73);
        EXPECT_EQ(t.m_part1.m_dXR, 1.85);
        EXPECT_EQ(t.m_part2.m_dPercentZ, 3.0);
        EXPECT_EQ(t.m_part2.m_dXR, 1.75);
        EXPECT_EQ(t.m_part2.m_nCalcPoint, 1u);
        EXPECT_EQ(t.m_part2.m_nCurveSelected, 1u);
        EXPECT_EQ(t.m_part2.m_infoLine.m_nWidth, 20);
        ASSERT_EQ(t.m_part2.m_listGraphNo.GetCount(), 1);
        EXPECT_EQ(t.m_part2.m_listGraphNo.GetHead()->m_nGraphNo, 5u);
        // The half-voltage pair of the terms exists from 1.2 only.
        const bool half = version >= 1.2;
        ExpectPoint(t.m_part2.m_calcPoint, 16, 30.0, 52.0, half ? -60.0 : 0.0, half ? -114.4 : 0.0);
    }
    CEleTrans1 t;
    const std::vector<uint8_t> bytes = Fixture("CEleTrans1_v120.hex");
    Load(t, bytes, 1.2);
    EXPECT_EQ(Store(t), bytes);
}

// ---- Zero conductor ----

TEST(SupplyRecord, ZeroCondStoresItsFixtureByteForByte) {
    CEleZeroCond z;
    z.m_rectSymbol = fw::CRect(0, 200, 239, 239);
    z.m_strName = "ZC1";
    z.m_nNumber = 1;
    z.m_nSelected = 1;
    z.m_nDefaultsSet = 1;
    z.m_nVoltage = 210;
    z.m_nCalcPoint = 1;
    z.m_calcPoint = FixturePoint(8, fw::CRect(), 1.5, 6.0, 0.5, 2.0);
    z.m_nEarthing = 3;
    z.m_nWireSystem = 2;
    z.m_nErrorMark = 1;
    z.m_nSinglePhase = 1;
    EXPECT_EQ(Store(z), Fixture("CEleZeroCond_v120.hex"));
}

TEST(SupplyRecord, ZeroCondOfOlderFilesTakesTheDefaultsOfTheMissingTail) {
    struct Case {
        const char* file;
        double version;
        uint32_t earthing, wire, mark, single;
    };
    const Case cases[] = {
        {"CEleZeroCond_v120.hex", 1.2, 3, 2, 1, 1},
        {"CEleZeroCond_v115.hex", 1.15, 3, 2, 1, 0},
        {"CEleZeroCond_v110.hex", 1.10, 3, 2, 0, 0},
        {"CEleZeroCond_v102.hex", 1.02, 4, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CEleZeroCond z;
        z.m_nSinglePhase = 9;
        Load(z, Fixture(c.file), c.version);
        EXPECT_EQ(z.m_strName, "ZC1");
        EXPECT_EQ(z.m_nSelected, 1u);
        EXPECT_EQ(z.m_nVoltage, 210);
        EXPECT_EQ(z.m_nCalcPoint, 1u);
        EXPECT_EQ(z.m_calcPoint.m_zSource.m_dX, 6.0);
        EXPECT_EQ(z.m_nEarthing, c.earthing);
        EXPECT_EQ(z.m_nWireSystem, c.wire);
        EXPECT_EQ(z.m_nErrorMark, c.mark);
        EXPECT_EQ(z.m_nSinglePhase, c.single);
    }
}

// ---- Through the element object, and damaged records ----

// The element record is the kind word and the model's record; every kind of
// this folder comes back as the same bytes.
TEST(SupplyRecord, ElementRecordsOfTheSupplyKindsRoundTrip) {
    struct Case {
        int32_t kind;
        const char* file;
    };
    for (const Case& c :
         {Case{kKindSource, "CEleSource_v120.hex"}, Case{kKindTrans3, "CEleTrans3_v120.hex"},
          Case{kKindZeroCond, "CEleZeroCond_v120.hex"}, Case{kKindTrans1, "CEleTrans1_v120.hex"}}) {
        SCOPED_TRACE(c.file);
        std::vector<uint8_t> bytes = {static_cast<uint8_t>(c.kind), 0, 0, 0};
        const std::vector<uint8_t> record = Fixture(c.file);
        bytes.insert(bytes.end(), record.begin(), record.end());
        CObjElement element;
        {
            CArchive in = CArchive::ForLoading(bytes);
            element.Serialize(in);
            EXPECT_EQ(in.Remaining(), 0u);
        }
        EXPECT_EQ(element.GetKind(), c.kind);
        ASSERT_NE(element.GetElement(), nullptr);
        CArchive out = CArchive::ForStoring();
        element.Serialize(out);
        EXPECT_EQ(out.Bytes(), bytes);
    }
}

TEST(SupplyRecord, ARecordCutShortRaisesTheArchiveErrorAndLeavesTheRectangle) {
    const std::vector<uint8_t> whole = Fixture("CEleSource_v120.hex");
    {
        CEleSource s;
        CArchive in = CArchive::ForLoading(std::vector<uint8_t>(whole.begin(), whole.begin() + 10));
        try {
            s.Serialize(in);
            FAIL() << "a record of 10 bytes was read";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        }
        EXPECT_EQ(s.m_rectSymbol, fw::CRect(0, 0, 39, 79));
    }
    // Cut anywhere later, every kind fails the same way and never reads on.
    for (const char* file :
         {"CEleTrans3_v120.hex", "CEleTrans1_v120.hex", "CEleZeroCond_v120.hex"}) {
        const std::vector<uint8_t> bytes = Fixture(file);
        for (size_t cut : {size_t{17}, bytes.size() / 2, bytes.size() - 1}) {
            SCOPED_TRACE(std::string(file) + " cut at " + std::to_string(cut));
            CArchive in =
                CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
            CObjElement element(std::string(file).find("Trans3") != std::string::npos ? kKindTrans3
                                : std::string(file).find("Trans1") != std::string::npos
                                    ? kKindTrans1
                                    : kKindZeroCond);
            EXPECT_THROW(element.GetElement()->Serialize(in), CArchiveException);
        }
    }
}

} // namespace
