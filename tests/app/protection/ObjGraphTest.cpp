// Co-ordination graphs and gap lines: their records against records written
// by hand, the list rules, the layout and mappings worked by hand, and the
// crossings of curves with the reference lines.

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraphList.h"
#include "breakerdata/model/CdPoint.h"
#include "breakerdata/model/CdPointList.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string kDir = "app/protection/fixtures/";

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
    EXPECT_EQ(ar.Remaining(), 0u);
}

CObjGraph FixtureGraph() {
    CObjGraph graph;
    graph.m_nCurrent = 1;
    graph.m_strName = "Co-ordination3";
    graph.m_nGraphNo = 3;
    graph.m_nStdVoltage = 400;
    graph.m_dCurrentMin = 1.0;
    graph.m_dCurrentMax = 100000.0;
    graph.m_dTimeMin = 0.01;
    graph.m_dTimeMax = 10000.0;
    graph.m_ptScroll = fw::CPoint(40, -80);
    graph.m_rectGraph = fw::CRect(1000, 600, 10200, 9798);
    graph.m_dPrintCurrentDecade = 80.0;
    graph.m_dPrintTimeDecade = 30.0;
    graph.m_dFormCurrentMin = 5.0;
    graph.m_dFormCurrentMax = 50000.0;
    graph.m_dFormTimeMin = 0.02;
    graph.m_dFormTimeMax = 5000.0;
    return graph;
}

TEST(ObjGraph, NewGraphHasTheDefaults) {
    CObjGraph graph;
    EXPECT_EQ(graph.m_nZoom, 100);
    EXPECT_EQ(graph.m_nBand, 1);
    EXPECT_EQ(graph.m_nDecadeWidth, 15);
    EXPECT_EQ(graph.m_nFineWidth, 8);
    EXPECT_EQ(graph.m_crFine, 0xC0C0C0u);
    EXPECT_EQ(graph.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(graph.m_rectMargins, fw::CRect(20, 10, 10, 10));
    EXPECT_EQ(graph.m_nOrientation, 1);
    EXPECT_EQ(graph.m_nPaperSize, 9);
    EXPECT_EQ(graph.m_dPrintCurrentDecade, 60.0);
    EXPECT_EQ(graph.m_dPrintTimeDecade, 25.0);
    EXPECT_EQ(graph.m_dFormCurrentMin, 2.0);
    EXPECT_EQ(graph.m_dFormCurrentMax, 30000.0);
    EXPECT_EQ(graph.m_dFormTimeMin, 0.01);
    EXPECT_EQ(graph.m_dFormTimeMax, 10000.0);
}

TEST(ObjGraph, RecordIsTheHandWrittenOneAndLoadsBack) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjGraph_v120.hex");
    CObjGraph graph = FixtureGraph();
    graph.m_ptOrigin = fw::CPoint(5, 6); // not stored
    graph.m_nCurrentDecade = 1840;
    EXPECT_EQ(Store(graph), bytes);

    CObjGraph loaded;
    Load(loaded, bytes, 1.2);
    EXPECT_EQ(loaded.m_strName, "Co-ordination3");
    EXPECT_EQ(loaded.m_nGraphNo, 3u);
    EXPECT_EQ(loaded.m_nStdVoltage, 400);
    EXPECT_EQ(loaded.m_dTimeMin, 0.01);
    EXPECT_EQ(loaded.m_ptScroll, fw::CPoint(40, -80));
    EXPECT_EQ(loaded.m_rectGraph, fw::CRect(1000, 600, 10200, 9798));
    EXPECT_EQ(loaded.m_dPrintCurrentDecade, 80.0);
    EXPECT_EQ(loaded.m_dFormTimeMax, 5000.0);
    // Origin and decade lengths wait for the next layout.
    EXPECT_EQ(loaded.m_ptOrigin, fw::CPoint());
    EXPECT_EQ(loaded.m_nCurrentDecade, 0);
    EXPECT_EQ(loaded.m_nTimeDecade, 0);
    EXPECT_EQ(Store(loaded), bytes);
}

TEST(ObjGraph, FilesBeforeVersion11KeepThePrintDefaults) {
    CObjGraph loaded = FixtureGraph(); // values away from the defaults before the load
    Load(loaded, tvtest::ReadHexFixture(kDir + "CObjGraph_v102.hex"), 1.02);
    EXPECT_EQ(loaded.m_strName, "Co-ordination3");
    EXPECT_EQ(loaded.m_nPaperSize, 9);
    EXPECT_EQ(loaded.m_dPrintCurrentDecade, 60.0);
    EXPECT_EQ(loaded.m_dPrintTimeDecade, 25.0);
    EXPECT_EQ(loaded.m_dFormCurrentMin, 2.0);
    EXPECT_EQ(loaded.m_dFormCurrentMax, 30000.0);
    EXPECT_EQ(loaded.m_dFormTimeMin, 0.01);
    EXPECT_EQ(loaded.m_dFormTimeMax, 10000.0);
}

TEST(ObjGraph, ShortRecordIsRefused) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjGraph_v120.hex");
    for (size_t size : {size_t{0}, size_t{3}, size_t{60}, bytes.size() - 1}) {
        fw::CArchive ar =
            fw::CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + size));
        CObjGraph graph;
        EXPECT_THROW(graph.Serialize(ar), fw::CArchiveException) << size;
    }
}

// The graph is laid out in a frame 100000 / scale wide: a scale of 0 from a
// damaged file would divide by zero. 0 and below mean nothing and read as the
// default 100; other scales are kept inside the views' zooms, 10 to 1000.
TEST(ObjGraph, AScaleOfZeroOrOutsideTheZoomsIsNotReadAsItStands) {
    // The fixture's zoom word follows the current flag (4 bytes), the name
    // (1 + 14), graph number, kind, voltage, background (16), the six line
    // values (24), the four ranges (32) and the two text colours (8).
    const size_t zoomAt = 4 + 15 + 16 + 24 + 32 + 8;
    const std::vector<uint8_t> fixture = tvtest::ReadHexFixture(kDir + "CObjGraph_v120.hex");
    ASSERT_EQ(fixture[zoomAt], 0x64); // 100, as written by hand
    struct Case {
        int32_t stored;
        int32_t read;
    };
    for (Case c : {Case{0, 100}, Case{-50, 100}, Case{INT32_MIN, 100}, Case{1, 10}, Case{10, 10},
                   Case{75, 75}, Case{1000, 1000}, Case{1001, 1000}, Case{INT32_MAX, 1000}}) {
        std::vector<uint8_t> bytes = fixture;
        for (int i = 0; i < 4; ++i)
            bytes[zoomAt + i] = static_cast<uint8_t>(static_cast<uint32_t>(c.stored) >> (8 * i));
        CObjGraph graph;
        Load(graph, bytes, 1.2);
        EXPECT_EQ(graph.m_nZoom, c.read) << c.stored;
        EXPECT_EQ(graph.m_nBand, 1) << c.stored; // the next field is read in its place
    }
}

TEST(ObjGraph, CopyCarriesTheFieldsThatAreNotStored) {
    CObjGraph graph = FixtureGraph();
    graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    graph.m_nPrint = 1;
    graph.m_nPrintMode = 2;
    CObjGraph copy;
    copy = graph;
    EXPECT_EQ(copy.m_ptOrigin, graph.m_ptOrigin);
    EXPECT_EQ(copy.m_nCurrentDecade, graph.m_nCurrentDecade);
    EXPECT_EQ(copy.m_nPrintMode, 2);
    EXPECT_EQ(Store(copy), Store(graph));
}

// The layout of the Part's example: ranges 1-100000 A (5 decades) and
// 0.01-10000 s (6 decades) in the frame (1000, 600, 9500, 9800):
// time decade = trunc(9200 / 6) = 1533; current decade = trunc(8500 / 6) =
// 1416, widened to trunc(1416 * 13 / 10) = 1840 (kind 0) or
// trunc(1416 * 1082 / 1000) = 1532 (kinds 10, 11); plot right = 1000 +
// 5 * decade, bottom = 600 + 6 * 1533 = 9798.
struct LayoutCase {
    const char* name;
    uint32_t kind;
    int32_t currentDecade;
    int32_t right;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class ObjGraphLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ObjGraphLayout, DecadesComeFromTheVerticalAxis) {
    const LayoutCase& c = GetParam();
    CObjGraph graph = FixtureGraph();
    graph.m_nKind = c.kind;
    fw::CRect plot = graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    EXPECT_EQ(graph.m_nTimeDecade, 1533);
    EXPECT_EQ(graph.m_nCurrentDecade, c.currentDecade);
    EXPECT_EQ(plot, fw::CRect(1000, 600, c.right, 9798));
    EXPECT_EQ(graph.m_rectGraph, plot);
    EXPECT_EQ(graph.m_ptOrigin, fw::CPoint(1000, 600));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ObjGraphLayout,
                         ::testing::Values(LayoutCase{"Coordination", 0, 1840, 10200},
                                           LayoutCase{"Cascade", 1, 1840, 10200},
                                           LayoutCase{"CurrentLimiting", 10, 1532, 8660},
                                           LayoutCase{"LetThrough", 11, 1532, 8660}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjGraph, PrintingToScaleUsesTheMillimetreDecades) {
    CObjGraph graph = FixtureGraph();
    graph.m_dPrintCurrentDecade = 60.0;
    graph.m_dPrintTimeDecade = 25.0;
    graph.m_nPrint = 1;
    graph.m_nPrintMode = 1;
    EXPECT_EQ(graph.GetCurrentDecadeSize(), 600.0);
    EXPECT_EQ(graph.GetTimeDecadeSize(), 250.0);
    // right = 100 + trunc(5 * 600), bottom = 200 + trunc(6 * 250).
    EXPECT_EQ(graph.DoCalcGraphRect(100, 200, 9000, 9000), fw::CRect(100, 200, 3100, 1700));
    graph.m_nPrint = 0; // mode 1 without printing: the layout's own lengths
    EXPECT_EQ(graph.GetCurrentDecadeSize(), graph.m_nCurrentDecade);
}

TEST(ObjGraph, TheFixedFormTakesItsRangesFromTheCurrentMinimum) {
    CObjGraph graph = FixtureGraph();
    graph.m_dCurrentMin = 3.0;
    graph.m_nPrint = 1;
    graph.m_nPrintMode = 2;
    graph.DoCalcGraphRect(0, 0, 9000, 9000);
    // Form currents 2 * 3 = 6 and 30000 * 3 = 90000; the form's time range
    // 0.02-5000 stays.
    EXPECT_EQ(graph.m_dFormCurrentMin, 6.0);
    EXPECT_EQ(graph.m_dFormCurrentMax, 90000.0);
    EXPECT_EQ(graph.GetCurrentMin(), 6.0);
    EXPECT_EQ(graph.GetTimeMin(), 0.02);
    EXPECT_EQ(graph.GetTimeMax(), 5000.0);
    EXPECT_DOUBLE_EQ(graph.GetCurrentDecadeSize(), 434.29);
    EXPECT_DOUBLE_EQ(graph.GetTimeDecadeSize(), 434.29);
}

TEST(ObjGraph, FitsTheAxesIntoARectangle) {
    CObjGraph graph = FixtureGraph();
    EXPECT_EQ(graph.DoSetGraphRect(fw::CRect(100, 50, 5100, 6050)), fw::CRect(100, 50, 5100, 6050));
    EXPECT_EQ(graph.m_nCurrentDecade, 1000); // trunc(5000 / 5)
    EXPECT_EQ(graph.m_nTimeDecade, 1000);    // trunc(6000 / 6)
    EXPECT_EQ(graph.m_ptOrigin, fw::CPoint(100, 50));
}

TEST(ObjGraph, MapsValuesReferredToItsVoltage) {
    CObjGraph graph = FixtureGraph(); // 400 V, from 1 A and 0.01 s
    graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    // A stored curve current of 400 (1 A at 400 V) is the axis minimum.
    EXPECT_DOUBLE_EQ(graph.GetXByCurrent(400.0), 1000.0);
    // 4000 is 10 A: one current decade to the right.
    EXPECT_DOUBLE_EQ(graph.GetXByCurrent(4000.0), 1000.0 + 1840.0);
    EXPECT_DOUBLE_EQ(graph.GetCurrentByX(1000.0 + 1840.0), 4000.0);
    // 0.1 s is one time decade above the origin, 1 s two.
    EXPECT_DOUBLE_EQ(graph.GetYByTime(0.1), 600.0 + 1533.0);
    EXPECT_DOUBLE_EQ(graph.GetTimeByY(600.0 + 2 * 1533.0), 1.0);
    // Nothing and less map to the origin.
    EXPECT_EQ(graph.GetXByCurrent(0.0), 1000.0);
    EXPECT_EQ(graph.GetXByCurrent(-5.0), 1000.0);
    EXPECT_EQ(graph.GetYByTime(0.0), 600.0);

    graph.m_nStdVoltage = 0; // values plotted as they are
    EXPECT_DOUBLE_EQ(graph.GetXByCurrent(10.0), 1000.0 + 1840.0);
    EXPECT_DOUBLE_EQ(graph.GetCurrentByX(1000.0 + 1840.0), 10.0);

    CdPointList points;
    *points.DoAddNewPoint() = CdPoint(10.0, 0.1);
    *points.DoAddNewPoint() = CdPoint(100.0, 1.0);
    graph.DoConvAllPoints(points);
    EXPECT_DOUBLE_EQ(points.GetAt(0)->m_dX, 2840.0);
    EXPECT_DOUBLE_EQ(points.GetAt(0)->m_dY, 2133.0);
    EXPECT_DOUBLE_EQ(points.GetAt(1)->m_dX, 4680.0);
    EXPECT_DOUBLE_EQ(points.GetAt(1)->m_dY, 3666.0);
}

TEST(ObjGraph, ARangeWithoutDecadesLaysOutWithoutDividingByZero) {
    CObjGraph graph = FixtureGraph();
    graph.m_dTimeMin = graph.m_dTimeMax = 1.0;
    fw::CRect plot = graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    EXPECT_EQ(graph.m_nTimeDecade, 0);
    EXPECT_EQ(graph.m_nCurrentDecade, 0);
    EXPECT_EQ(plot, fw::CRect(1000, 600, 1000, 600));
    EXPECT_EQ(graph.GetTimeByY(5000.0), 1.0);
    EXPECT_EQ(graph.GetCurrentByX(5000.0), 400.0);

    CObjGraph empty; // all ranges 0
    empty.DoCalcGraphRect(0, 0, 100, 100);
    empty.DoSetGraphRect(fw::CRect(0, 0, 100, 100));
    EXPECT_EQ(empty.m_nCurrentDecade, 0);
    EXPECT_EQ(empty.m_nTimeDecade, 0);
}

// ---- The list ----

TEST(ObjGraphList, NewGraphsAreNamedAfterTheirKindAndNumber) {
    CObjGraphList list;
    EXPECT_EQ(list.DoAddNewGraph(3, 0, 1, 100000, 0.01, 10000)->m_strName, "Co-ordination3");
    EXPECT_EQ(list.DoAddNewGraph(12, 1, 1, 100000, 0.01, 10000)->m_strName, "Cascade12");
    EXPECT_EQ(list.DoAddNewGraph(12, 11, 1000, 1e6, 1e5, 1e8)->m_strName,
              "I2t let-through Characteristic12");
    EXPECT_EQ(list.DoAddNewGraph(4, 10, 1000, 1e6, 1000, 1e6)->m_strName,
              "Current Limiting Characteristic4");
    EXPECT_EQ(list.DoAddNewGraph(5, 5, 1, 10, 1, 10)->m_strName, "5");
}

TEST(ObjGraphList, ANewGraphIsTheOnlyCurrentOneAndIsLaidOut) {
    CObjGraphList list;
    list.DoAddNewGraph(1, 0, 1, 100000, 0.01, 10000);
    list.DoAddNewGraph(2, 2, 1, 100000, 0.01, 10000);
    CObjGraph* third = list.DoAddNewGraph(3, 0, 1, 100000, 0.01, 10000);
    EXPECT_EQ(list.GetCurrentGraph(), third);
    EXPECT_EQ(list.GetAt(0)->m_nCurrent, 0u);
    EXPECT_EQ(list.GetAt(1)->m_nCurrent, 0u);
    EXPECT_EQ(third->m_nGraphNo, 3u);
    EXPECT_EQ(third->m_dTimeMax, 10000.0);
    // Laid out in (1000, 600, 9500, 9800): the example's plot rectangle.
    EXPECT_EQ(third->m_rectGraph, fw::CRect(1000, 600, 10200, 9798));
}

TEST(ObjGraphList, DeletingTheCurrentGraphGivesTheLastOneLeft) {
    auto make = [](int current) {
        auto list = std::make_unique<CObjGraphList>();
        for (uint32_t n = 1; n <= 3; ++n)
            list->DoAddNewGraph(n, 0, 1, 100000, 0.01, 10000);
        for (auto& graph : *list)
            graph->m_nCurrent = graph->m_nGraphNo == static_cast<uint32_t>(current) ? 1 : 0;
        return list;
    };
    auto list = make(2);
    CObjGraph* left = list->DoDeleteCurrentGraph();
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->m_nGraphNo, 3u);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetCurrentGraph(), nullptr); // the caller makes one current

    list = make(1);
    EXPECT_EQ(list->DoDeleteCurrentGraph()->m_nGraphNo, 3u);

    CObjGraphList single;
    single.DoAddNewGraph(1, 0, 1, 100000, 0.01, 10000);
    EXPECT_EQ(single.DoDeleteCurrentGraph(), nullptr);
    EXPECT_TRUE(single.IsEmpty());
}

TEST(ObjGraphList, CopyAllReplacesTheGraphsByCopies) {
    CObjGraphList source;
    source.DoAddNewGraph(1, 0, 1, 100000, 0.01, 10000);
    source.DoAddNewGraph(2, 1, 1, 100000, 0.01, 10000);
    CObjGraphList target;
    target.DoAddNewGraph(9, 0, 1, 100000, 0.01, 10000);
    target.DoCopyAllGraph(source);
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_EQ(target.GetAt(1)->m_strName, "Cascade2");
    EXPECT_NE(target.GetAt(0), source.GetAt(0));
    EXPECT_EQ(target.GetAt(1)->m_rectGraph, source.GetAt(1)->m_rectGraph);
}

TEST(ObjGraphList, StoredAsAnObjectList) {
    CObjGraphList list;
    list.DoAddNewGraph(1, 0, 1, 100000, 0.01, 10000);
    list.DoAddNewGraph(2, 3, 1, 100000, 0.01, 10000);
    const std::vector<uint8_t> bytes = Store(list);
    // The count, then the first graph with its new class "CObjGraph".
    ASSERT_GT(bytes.size(), 17u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 17), "CObjGraph");
    CObjGraphList loaded;
    Load(loaded, bytes, 1.2);
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetCurrentGraph()->m_strName, "Disconnect2");
    EXPECT_EQ(Store(loaded), bytes);
}

// ---- Gap lines ----

TEST(GapLine, RecordIs24BytesAsWrittenByHand) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CGapLine_edited.hex");
    ASSERT_EQ(bytes.size(), 24u);
    CGapLine gap;
    gap.m_nMeasureTime = 0;
    gap.m_dCurrentStd = 250.0;
    gap.m_dTimeStd = 0.2;
    EXPECT_EQ(Store(gap), bytes);
    CGapLine loaded;
    Load(loaded, bytes, 1.2);
    EXPECT_EQ(loaded.m_nMeasureTime, 0u);
    EXPECT_EQ(loaded.m_dCurrentStd, 250.0);
    EXPECT_EQ(loaded.m_nMeasureCurrent, 1u);
    EXPECT_EQ(loaded.m_dTimeStd, 0.2);
}

TEST(GapLine, DefaultsTextsAndTheCopyOfTheValues) {
    CGapLine gap;
    EXPECT_EQ(gap.m_nMeasureTime, 1u);
    EXPECT_EQ(gap.m_nMeasureCurrent, 1u);
    EXPECT_EQ(gap.GetCurrentStdText(1), "100A");
    EXPECT_EQ(gap.GetCurrentStdText(0), "100");
    EXPECT_EQ(gap.GetTimeStdText(1), "0.1s");
    CGapLine other;
    other.m_dCurrentStd = 630.0;
    other.m_dTimeStd = 0.02;
    other.m_nMeasureTime = 0;
    gap.DoCopyValues(other);
    EXPECT_EQ(gap.m_dCurrentStd, 630.0);
    EXPECT_EQ(gap.m_dTimeStd, 0.02);
    EXPECT_EQ(gap.m_nMeasureTime, 1u); // the flags stay
}

// A graph of 400 V from 1 A and 0.01 s with the example's layout, and a
// curve given as (A, s) converted to the graph's coordinates (stored
// currents are A times 400 V).
class GapLineCrossing : public ::testing::Test {
protected:
    void SetUp() override {
        graph = FixtureGraph();
        graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    }
    CdPointList Curve(std::initializer_list<std::pair<double, double>> amperesSeconds) {
        CdPointList points;
        for (auto [amperes, seconds] : amperesSeconds)
            *points.DoAddNewPoint() = CdPoint(amperes * graph.m_nStdVoltage, seconds);
        graph.DoConvAllPoints(points);
        return points;
    }
    CObjGraph graph;
    CGapLine gap;
};

TEST_F(GapLineCrossing, TimeAtTheCurrentStandardIsInterpolatedInLogLog) {
    // From (50 A, 100 s) to (200 A, 1 s): 100 A lies halfway in log current
    // (log 100 - log 50 = log 200 - log 100 = 0.30103), so the time lies
    // halfway in log time between 100 s and 1 s: 10 s.
    CdPointList points = Curve({{20.0, 1000.0}, {50.0, 100.0}, {200.0, 1.0}});
    EXPECT_NEAR(gap.GetTimeAtCurrentStd(graph, points), 10.0, 1e-9);
    // A curve that starts right of the line, or ends left of it, does not cross.
    EXPECT_EQ(gap.GetTimeAtCurrentStd(graph, Curve({{150.0, 10.0}, {300.0, 1.0}})), 0.0);
    EXPECT_EQ(gap.GetTimeAtCurrentStd(graph, Curve({{20.0, 10.0}, {80.0, 1.0}})), 0.0);
    EXPECT_EQ(gap.GetTimeAtCurrentStd(graph, CdPointList()), 0.0);
}

TEST_F(GapLineCrossing, CurrentAtTheTimeStandardIsReferredToTheGraphsVoltage) {
    // From (50 A, 10 s) to (500 A, 0.01 s): log t falls by 3 while log I
    // rises by 1; 0.1 s is 2 of those 3 down, so I = 50 * 10^(2/3) =
    // 232.0794417 A.
    CdPointList points = Curve({{50.0, 10.0}, {500.0, 0.01}});
    EXPECT_NEAR(gap.GetCurrentAtTimeStd(graph, points), 50.0 * std::pow(10.0, 2.0 / 3.0), 1e-6);
    // Entirely below the line (first point under 0.1 s): no crossing.
    EXPECT_EQ(gap.GetCurrentAtTimeStd(graph, Curve({{50.0, 0.05}, {500.0, 0.01}})), 0.0);
    // Still above it at its end: no crossing.
    EXPECT_EQ(gap.GetCurrentAtTimeStd(graph, Curve({{50.0, 10.0}, {500.0, 1.0}})), 0.0);
}

TEST_F(GapLineCrossing, ASegmentLyingOnALineGivesItsFirstPoint) {
    // Two points at 100 A: the vertical segment lies on the current line.
    EXPECT_NEAR(gap.GetTimeAtCurrentStd(graph, Curve({{100.0, 30.0}, {100.0, 2.0}})), 30.0, 1e-9);
    // Two points at 0.1 s: the horizontal segment lies on the time line.
    EXPECT_NEAR(gap.GetCurrentAtTimeStd(graph, Curve({{70.0, 0.1}, {900.0, 0.1}})), 70.0, 1e-9);
}

TEST_F(GapLineCrossing, WithoutAVoltageTheValuesStandAsTheyAre) {
    graph.m_nStdVoltage = 0;
    CdPointList points;
    *points.DoAddNewPoint() = CdPoint(50.0, 10.0);
    *points.DoAddNewPoint() = CdPoint(500.0, 0.01);
    graph.DoConvAllPoints(points);
    EXPECT_NEAR(gap.GetCurrentAtTimeStd(graph, points), 50.0 * std::pow(10.0, 2.0 / 3.0), 1e-6);
}

} // namespace

namespace {

// The layout divides by each axis's decades and the grid walks up from the
// minimum: a range from a damaged file without a positive, rising pair
// (a minimum of 0 made the grid walk endless) takes the kind's default
// range; a negative voltage reads as none.
TEST(ObjGraph, RangesWithoutDecadesFromAFileTakeTheKindsDefaults) {
    const std::vector<uint8_t> fixture = tvtest::ReadHexFixture(kDir + "CObjGraph_v120.hex");
    // Current flag (4), name (1 + 14), number (4), kind, voltage, background
    // (12), the six line values (24), then the four ranges.
    const size_t kindAt = 4 + 15 + 4;
    const size_t voltageAt = kindAt + 4;
    const size_t rangesAt = 4 + 15 + 16 + 24;
    auto put = [](std::vector<uint8_t>& bytes, size_t at, const void* value, size_t size) {
        const auto* p = static_cast<const uint8_t*>(value);
        std::copy(p, p + size, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    };
    struct Case {
        uint32_t kind;
        double stored[4];
        double read[4];
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {0, {1, 100000, 0.01, 10000}, {1, 100000, 0.01, 10000}},
        {0, {0, 100000, 0.01, 10000}, {10, 100000, 0.01, 10000}},
        {0, {1, 100000, 0, 10000}, {1, 100000, 0.01, 100000}},
        {0, {100, 100, 0.01, 10000}, {10, 100000, 0.01, 10000}},
        {0, {100, 10, -1, 10}, {10, 100000, 0.01, 100000}},
        {2, {nan, 100, 0.01, INFINITY}, {10, 100000, 0.01, 100000}},
        {10, {0, 0, 0, 0}, {1000, 1000000, 1000, 1000000}},
        {11, {-5, 1000000, 100000, 1}, {1000, 1000000, 100000, 100000000}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = fixture;
        put(bytes, kindAt, &c.kind, 4);
        put(bytes, rangesAt, c.stored, 32);
        CObjGraph graph;
        Load(graph, bytes, 1.2);
        EXPECT_EQ(graph.m_dCurrentMin, c.read[0]) << c.kind << " " << c.stored[0];
        EXPECT_EQ(graph.m_dCurrentMax, c.read[1]) << c.kind << " " << c.stored[0];
        EXPECT_EQ(graph.m_dTimeMin, c.read[2]) << c.kind << " " << c.stored[2];
        EXPECT_EQ(graph.m_dTimeMax, c.read[3]) << c.kind << " " << c.stored[2];
        // Laid out, every decade has a length.
        graph.DoCalcGraphRect(1000, 600, 9500, 9800);
        EXPECT_GT(graph.m_nCurrentDecade, 0);
        EXPECT_GT(graph.m_nTimeDecade, 0);
    }
    for (int32_t volts : {-400, INT32_MIN}) {
        std::vector<uint8_t> bytes = fixture;
        put(bytes, voltageAt, &volts, 4);
        CObjGraph graph;
        Load(graph, bytes, 1.2);
        EXPECT_EQ(graph.m_nStdVoltage, 0) << volts;
    }
}

// The print values divide the printed layout as well.
TEST(ObjGraph, PrintValuesWithoutSenseFromAFileTakeTheDefaults) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjGraph_v120.hex");
    const size_t printAt = bytes.size() - 48;
    const double stored[6] = {0, -3, 0, 30000, 0.5, 0.5};
    std::copy(reinterpret_cast<const uint8_t*>(stored),
              reinterpret_cast<const uint8_t*>(stored) + 48,
              bytes.begin() + static_cast<std::ptrdiff_t>(printAt));
    CObjGraph graph;
    Load(graph, bytes, 1.2);
    EXPECT_EQ(graph.m_dPrintCurrentDecade, 60.0);
    EXPECT_EQ(graph.m_dPrintTimeDecade, 25.0);
    EXPECT_EQ(graph.m_dFormCurrentMin, 2.0);
    EXPECT_EQ(graph.m_dFormCurrentMax, 30000.0);
    EXPECT_EQ(graph.m_dFormTimeMin, 0.01);
    EXPECT_EQ(graph.m_dFormTimeMax, 10000.0);
}

// On a graph without a voltage the measured current is shown as it stands,
// not divided by the voltage of 0 ("infA").
TEST(GapLine, CurrentLabelOnAGraphWithoutVoltage) {
    CObjGraph graph = FixtureGraph();
    graph.m_nStdVoltage = 0;
    graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    CdPointList points;
    *points.DoAddNewPoint() = CdPoint(50.0, 10.0);
    *points.DoAddNewPoint() = CdPoint(500.0, 0.01);
    graph.DoConvAllPoints(points);
    CGapLine gap;
    const double current = gap.GetCurrentAtTimeStd(graph, points);
    fw::CRecordingDC dc;
    gap.DoDrawCurrentText(&dc, graph, current, 1);
    ASSERT_EQ(dc.Records().size(), 1u);
    EXPECT_EQ(dc.Records()[0].text, "232.1A");
}

} // namespace
