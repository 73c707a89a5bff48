// The fixed parts of a co-ordination graph: the grid walk, the scale numbers
// and the axis titles, on a recording context and on an image.

#include "app/protection/CObjGraph.h"

#include "framework/DeviceContext.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// Vertical lines (x constant) and horizontal lines of a recording, by pen
// width.
struct Lines {
    std::vector<int> verticalX;
    std::vector<int> horizontalY;
};

Lines LinesOf(const fw::CRecordingDC& dc, int width) {
    Lines lines;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind != fw::CDrawRecord::Polyline || r.points.size() != 2 || r.pen.width != width)
            continue;
        if (r.points[0].x == r.points[1].x)
            lines.verticalX.push_back(r.points[0].x);
        else if (r.points[0].y == r.points[1].y)
            lines.horizontalY.push_back(r.points[0].y);
    }
    return lines;
}

std::vector<std::string> TextsOf(const fw::CRecordingDC& dc) {
    std::vector<std::string> texts;
    for (const fw::CDrawRecord& r : dc.Records())
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r.text);
    return texts;
}

// A graph of the ranges with one decade 1000 units long on both axes.
CObjGraph MakeGraph(double iMin, double iMax, double tMin, double tMax, uint32_t kind = 0) {
    CObjGraph g;
    g.m_nKind = kind;
    g.m_dCurrentMin = iMin;
    g.m_dCurrentMax = iMax;
    g.m_dTimeMin = tMin;
    g.m_dTimeMax = tMax;
    g.m_nStdVoltage = 400;
    g.m_nCurrentDecade = 1000;
    g.m_nTimeDecade = 1000;
    return g;
}

} // namespace

TEST(GraphGrid, WalkFrom05To20000GivesFortyThreeLinesAndFiveDecades) {
    const std::vector<double> steps = CObjGraph::GetScaleSteps(0.5, 20000.0);
    // 0.5 ... 0.9 (5), 1 ... 9, 10 ... 90, 100 ... 900, 1000 ... 9000 (4 x 9),
    // 10000, 20000.
    ASSERT_EQ(steps.size(), 43u);
    const std::vector<double> expectedHead = {0.5, 0.6, 0.7, 0.8, 0.9, 1, 2, 3};
    for (size_t i = 0; i < expectedHead.size(); ++i)
        EXPECT_DOUBLE_EQ(steps[i], expectedHead[i]) << i;
    EXPECT_DOUBLE_EQ(steps[41], 10000.0);
    EXPECT_DOUBLE_EQ(steps[42], 20000.0);
    const std::vector<double> decades = CObjGraph::GetDecadeSteps(0.5, 20000.0);
    ASSERT_EQ(decades.size(), 5u);
    const double expected[] = {0.5, 5, 50, 500, 5000};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(decades[i], expected[i]);
}

TEST(GraphGrid, DrawsEveryFineAndDecadeLineAtItsLogPosition) {
    CObjGraph g = MakeGraph(0.5, 20000.0, 0.01, 100.0);
    g.m_nFineWidth = 8;
    g.m_nDecadeWidth = 15;
    fw::CRecordingDC dc;
    g.DoDrawGrid(&dc, 0.5, 20000.0, 0.01, 100.0, fw::CRect(1000, 600, 9000, 4600));
    const Lines fine = LinesOf(dc, 8);
    const Lines decade = LinesOf(dc, 15);
    ASSERT_EQ(fine.verticalX.size(), 43u);
    // Time 0.01 to 100: 0.01 ... 0.09, 0.1 ... 0.9, 1 ... 9, 10 ... 90, 100.
    EXPECT_EQ(fine.horizontalY.size(), 37u);
    // 0.5 at the left edge; 1 one log10(2) decade to the right; 5 one decade
    // from 0.5.
    EXPECT_EQ(fine.verticalX[0], 1000);
    EXPECT_EQ(fine.verticalX[5], 1000 + static_cast<int>(std::lround(1000 * std::log10(2.0))));
    ASSERT_EQ(decade.verticalX.size(), 5u);
    EXPECT_EQ(decade.verticalX[1], 2000);
    EXPECT_EQ(decade.verticalX[4], 5000);
    ASSERT_EQ(decade.horizontalY.size(), 5u);
    EXPECT_EQ(decade.horizontalY[0], 600);
    EXPECT_EQ(decade.horizontalY[4], 4600);
}

TEST(GraphGrid, MetricMappingQuartersThePens) {
    CObjGraph g = MakeGraph(10, 100, 1, 10);
    fw::CRecordingDC dc(96, true);
    dc.SetMapMode(fw::MM_LOMETRIC);
    g.DoDrawGrid(&dc, 10, 100, 1, 10, fw::CRect(0, 0, 1000, 1000));
    // Default pens 15 and 8 units: 3 and 2 on a printer in 0.1 mm.
    EXPECT_FALSE(LinesOf(dc, 3).verticalX.empty());
    EXPECT_FALSE(LinesOf(dc, 2).verticalX.empty());
    EXPECT_TRUE(LinesOf(dc, 15).verticalX.empty());
}

TEST(GraphGrid, RangesWithoutSenseDrawNothingAndEnd) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double lo, hi;
    };
    const Case cases[] = {{"zero minimum", 0.0, 100.0},
                          {"negative", -1.0, 10.0},
                          {"infinite maximum", 1.0, inf},
                          {"not a number", nan, 10.0}};
    for (const Case& c : cases) {
        EXPECT_TRUE(CObjGraph::GetScaleSteps(c.lo, c.hi).empty()) << c.what;
        CObjGraph g = MakeGraph(c.lo, c.hi, c.lo, c.hi);
        fw::CRecordingDC dc;
        g.DoDrawGrid(&dc, c.lo, c.hi, c.lo, c.hi, fw::CRect(0, 0, 1000, 1000));
        g.DoDrawScales(&dc, c.lo, c.hi, c.lo, c.hi, fw::CRect(0, 0, 1000, 1000));
        EXPECT_TRUE(TextsOf(dc).empty()) << c.what;
    }
    // The widest range a double holds still ends, one line per step.
    EXPECT_EQ(CObjGraph::GetScaleSteps(1e-300, 1e300).size(), 600u * 9u + 1u);
    // A decade layout of 0 (a graph never laid out) draws the lines on top
    // of each other without dividing by it.
    CObjGraph g = MakeGraph(10, 1000, 1, 10);
    g.m_nCurrentDecade = 0;
    g.m_nTimeDecade = 0;
    fw::CRecordingDC dc;
    g.DrawGraph(&dc, 0, 0, 0, 0);
    EXPECT_FALSE(dc.Records().empty());
}

TEST(GraphScales, NumbersAtPowersOfTenAndTheEnds) {
    struct Case {
        const char* what;
        uint32_t kind;
        double iMin, iMax, tMin, tMax;
        std::vector<std::string> current;
        std::vector<std::string> vertical;
    };
    const Case cases[] = {
        {"kind 0 from 0.5 A",
         0,
         0.5,
         20000,
         0.01,
         100,
         {"0.5", "1", "10", "100", "1000", "10000", "20000"},
         {"0.01", "0.1", "1", "10", "100"}},
        {"limiting graph in kA",
         10,
         1000,
         100000,
         1000,
         100000,
         {"1", "10", "100"},
         {"1", "10", "100"}},
        {"I2t graph", 11, 1000, 100000, 1e6, 1e9, {"1", "10", "100"}, {"1", "10", "100", "1000"}},
    };
    for (const Case& c : cases) {
        CObjGraph g = MakeGraph(c.iMin, c.iMax, c.tMin, c.tMax, c.kind);
        fw::CRecordingDC dc;
        g.DoDrawScales(&dc, c.iMin, c.iMax, c.tMin, c.tMax, fw::CRect(1000, 600, 9000, 9000));
        std::vector<std::string> texts = TextsOf(dc);
        std::vector<std::string> expected = c.current;
        expected.insert(expected.end(), c.vertical.begin(), c.vertical.end());
        EXPECT_EQ(texts, expected) << c.what;
    }
}

TEST(GraphScales, TextsOfValues) {
    EXPECT_EQ(CObjGraph::GetScaleText(0.01), "0.01");
    EXPECT_EQ(CObjGraph::GetScaleText(0.5), "0.5");
    EXPECT_EQ(CObjGraph::GetScaleText(1.0), "1");
    EXPECT_EQ(CObjGraph::GetScaleText(20000.0), "20000");
    // The fixed-scale form.
    EXPECT_EQ(CObjGraph::GetFormCurrentText(2, 2), "2");
    EXPECT_EQ(CObjGraph::GetFormCurrentText(10, 2), "10");
    EXPECT_EQ(CObjGraph::GetFormCurrentText(100, 2), "10^2");
    EXPECT_EQ(CObjGraph::GetFormCurrentText(10000, 2), "10^4");
    EXPECT_TRUE(CObjGraph::IsFormCurrentShown(5, 2, 60000));
    EXPECT_FALSE(CObjGraph::IsFormCurrentShown(7, 2, 60000));
    EXPECT_EQ(CObjGraph::GetFormTimeText(200), "2\xC3\x97"
                                               "10^2");
    EXPECT_EQ(CObjGraph::GetFormTimeText(3000), "3\xC3\x97"
                                                "10^3");
    EXPECT_EQ(CObjGraph::GetFormTimeText(20000), "2\xC3\x97"
                                                 "10^4");
    EXPECT_EQ(CObjGraph::GetFormTimeText(60), "60");
    EXPECT_TRUE(CObjGraph::IsFormTimeShown(60, 0.01, 10000));
    EXPECT_FALSE(CObjGraph::IsFormTimeShown(70, 0.01, 10000));
}

TEST(GraphTitles, TitlesByKindAndVoltage) {
    CObjGraph g = MakeGraph(10, 100, 1, 10);
    EXPECT_EQ(g.GetCurrentAxisTitle(), "Current(A) at 400V");
    g.m_nStdVoltage = 0;
    EXPECT_EQ(g.GetCurrentAxisTitle(), "Current(A) at 0V");
    EXPECT_EQ(g.GetTimeAxisTitle(), "Operating time(s)");
    g.m_nKind = CObjGraph::kCurrentLimiting;
    EXPECT_EQ(g.GetCurrentAxisTitle(), "Short-circuit current r.m.s. (kA) sym.");
    EXPECT_EQ(g.GetTimeAxisTitle(), "Max. let-through current (kA)");
    g.m_nKind = CObjGraph::kLetThrough;
    EXPECT_EQ(g.GetTimeAxisTitle(), "Max. I2t (A^2s)   (x10^6)");
}

TEST(GraphTitles, ScreenPositionsAndRestoredState) {
    CObjGraph g = MakeGraph(10, 1000, 1, 100);
    fw::CRecordingDC dc;
    const fw::CPen before(fw::PS_DOT, 3, 0x123456);
    dc.SelectObject(before);
    dc.SetTextColor(0x00FF00);
    g.DoDrawTitles(&dc, fw::CRect(1000, 600, 5000, 4000));
    EXPECT_EQ(dc.GetCurrentPen(), before);
    EXPECT_EQ(dc.GetTextColor(), 0x00FF00u);
    int found = 0;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind != fw::CDrawRecord::Text)
            continue;
        if (r.text == "Current(A) at 400V") {
            const int x0 = 1000 + (4000 - r.extent.cx) / 2;
            EXPECT_EQ(r.points[0], fw::CPoint(x0 + 150, 600 - 300));
            ++found;
        } else if (r.text == "Operating time(s)") {
            const int yc = 600 + (4000 - 600 - r.extent.cx) / 2;
            EXPECT_EQ(r.points[0], fw::CPoint(1000 - 850, yc + 150));
            ++found;
        }
    }
    EXPECT_EQ(found, 2);
}

TEST(GraphDraw, ImageShowsGridAndNumbers) {
    CObjGraph g = MakeGraph(10, 10000, 0.01, 1000);
    g.DoCalcGraphRect(1000, 600, 9500, 9800);
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        fw::CDC dc(&painter);
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(10000, 10000);
        dc.SetWindowOrg(0, 10000);
        dc.SetViewportExt(1000, -1000);
        g.DrawGraph(&dc, g.m_rectGraph.left, g.m_rectGraph.top, g.m_rectGraph.right,
                    g.m_rectGraph.bottom);
    }
    // The first decade line (x = plot left) is black from the bottom edge up.
    fw::CPoint p(g.m_rectGraph.left, g.m_rectGraph.top + 500);
    const int px = p.x / 10;
    const int py = (10000 - p.y) / 10;
    bool dark = false;
    for (int dx = -1; dx <= 1; ++dx)
        dark = dark || qGray(image.pixel(px + dx, py)) < 100;
    EXPECT_TRUE(dark);
    // Ink below the plot: the current scale numbers.
    int ink = 0;
    for (int x = 0; x < 1000; ++x)
        for (int y = (10000 - g.m_rectGraph.top) / 10 + 2;
             y < (10000 - g.m_rectGraph.top) / 10 + 15; ++y)
            if (y < 1000 && qGray(image.pixel(x, y)) < 128)
                ++ink;
    EXPECT_GT(ink, 20);
}
