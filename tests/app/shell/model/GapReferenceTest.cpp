// The reference gap lines as the co-ordination view draws them: two breakers
// on a graph, the standard lines, the leaders from their crossings and the
// value labels; the toggles drawn twice take away what they drew.

#include "../../TestNetwork.h"
#include "../../protection/AdjustTestSupport.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CGapLine.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/GapReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using adjusttest::WorkedGraph;

constexpr fw::COLORREF kBlue = 0xFF0000; // RGB(0, 0, 255)

// A breaker on graph 3 whose typical curve (at 400 V) runs through the
// points given (current A, time s); typical mode.
std::unique_ptr<CObjElement> Breaker(std::initializer_list<std::pair<double, double>> points) {
    auto element = std::make_unique<CObjElement>(kKindLVCB);
    CEleLVCB& breaker = tvtest::ModelOf<CEleLVCB>(element.get());
    CObjAdjust* adjust = breaker.GetAdjust() ? breaker.GetAdjust() : breaker.DoAddNewObjAdjust();
    CInfoBase& info = adjust->m_infoBase;
    info.m_nVoltage = 400;
    info.m_lManufactureID = 1;
    info.m_lGroupID = 1;
    info.m_nKindFlag = 2;
    info.m_nLVCBCode = 10;
    info.m_lTypeID = 1;
    info.m_lOpeKindID = 1;
    info.m_lBreakRatedID = 1;
    info.m_dRatedValue = 100.0;
    adjust->m_infoLine.m_nBandFlag = 0;
    adjust->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(3, 0);
    COneCurve* curve = adjust->m_listTypicalCurve.DoAddNewOneCurve();
    for (const auto& [current, time] : points) {
        CdPoint* p = curve->m_listPoint.DoAddNewPoint();
        p->m_dX = current * 400.0;
        p->m_dY = time;
    }
    return element;
}

struct Line {
    fw::CPoint from, to;
    fw::COLORREF colour;
    int rop2;
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(const fw::CRecordingDC& dc) {
    std::vector<Line> lines;
    for (const auto& r : dc.Records())
        if (r.kind == fw::CDrawRecord::Polyline && r.points.size() == 2)
            lines.push_back({r.points[0], r.points[1], r.pen.color, r.rop2});
    return lines;
}

std::vector<std::string> Texts(const fw::CRecordingDC& dc) {
    std::vector<std::string> texts;
    for (const auto& r : dc.Records())
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r.text);
    return texts;
}

// The worked graph (x = 1000 + 1840 log10 I, y = 600 + 1533 (log10 t + 2))
// at 400 V with breaker A, t = 1000 / I^2, and breaker B, t = 250 / I^2:
// at the standards 100 A and 0.1 s, A gives 0.1 s and 100 A, B 0.025 s and
// 50 A. x(100 A) = 4680, x(50 A) = 4126; y(0.1 s) = 2133, y(0.025 s) = 1210.
class GapReference : public ::testing::Test {
protected:
    GapReference()
        : graph(WorkedGraph(400)), a(Breaker({{10, 10}, {1000, 0.001}})),
          b(Breaker({{5, 10}, {500, 0.001}})) {
        for (CObjElement* e : {a.get(), b.get()})
            tvtest::ModelOf<CEleLVCB>(e).GetAdjust()->DoMakeAdjustCurve(graph, 0.0);
        elements.AddTail(a.get());
        elements.AddTail(b.get());
    }

    CObjGraph graph;
    CGapLine gap; // 100 A, 0.1 s, both measures on
    std::unique_ptr<CObjElement> a, b;
    CObjElementList elements;
};

TEST_F(GapReference, PaintDrawsLinesLeadersAndLabelsInItsOrder) {
    fw::CRecordingDC dc;
    gapref::DoDrawReference(&dc, graph, gap, elements);
    const std::vector<Line> lines = Lines(dc);
    ASSERT_EQ(lines.size(), 14u);
    const int n = fw::R2_NOTXORPEN;
    // The time standard line across the plot (its four end strokes follow),
    // then the current leaders: A's label 1 ends 300 above the line, B's
    // label 2 ends 700 above it.
    EXPECT_EQ(lines[0],
              (Line{{graph.m_rectGraph.left, 2133}, {graph.m_rectGraph.right, 2133}, kBlue, n}));
    EXPECT_EQ(lines[5], (Line{{4680, 2133}, {4680, 2433}, 0, n}));
    EXPECT_EQ(lines[6], (Line{{4126, 2133}, {4126, 2833}, 0, n}));
    // The current standard line at 100 A, then each breaker's time leader
    // with label index 1 (its first curve): 300 to the right.
    EXPECT_EQ(lines[7],
              (Line{{4680, graph.m_rectGraph.top}, {4680, graph.m_rectGraph.bottom}, kBlue, n}));
    EXPECT_EQ(lines[12], (Line{{4680, 2133}, {4980, 2133}, 0, n}));
    EXPECT_EQ(lines[13], (Line{{4680, 1210}, {4980, 1210}, 0, n}));
    // Currents in the element list's order, then the times.
    EXPECT_EQ(Texts(dc), (std::vector<std::string>{"100.0A", "50.00A", "0.1000s", "0.02500s"}));
}

TEST_F(GapReference, OnlyTheMeasuresThatAreOn) {
    gap.m_nMeasureTime = 0;
    fw::CRecordingDC dc;
    gapref::DoDrawReference(&dc, graph, gap, elements);
    EXPECT_EQ(Lines(dc).size(), 7u);
    EXPECT_EQ(Texts(dc), (std::vector<std::string>{"100.0A", "50.00A"}));
    gap.m_nMeasureCurrent = 0;
    fw::CRecordingDC none;
    gapref::DoDrawReference(&none, graph, gap, elements);
    EXPECT_TRUE(none.Records().empty());
}

// A curve that does not reach a standard line gets neither leader nor label,
// but its current label keeps its running number: the next curve's label
// still stacks above it.
TEST_F(GapReference, CurveShortOfTheLineIsSkipped) {
    auto c = Breaker({{1000, 10}, {10000, 1}}); // right of 100 A, above 0.1 s
    tvtest::ModelOf<CEleLVCB>(c.get()).GetAdjust()->DoMakeAdjustCurve(graph, 0.0);
    CObjElementList three;
    three.AddTail(c.get());
    three.AddTail(a.get());
    fw::CRecordingDC dc;
    gapref::DoDrawReference(&dc, graph, gap, three);
    EXPECT_EQ(Texts(dc), (std::vector<std::string>{"100.0A", "0.1000s"}));
    // A's current label is number 2: 700 above the line; no leader at 300.
    const std::vector<Line> lines = Lines(dc);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        Line{{4680, 2133}, {4680, 2833}, 0, fw::R2_NOTXORPEN}),
              lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(),
                        Line{{4680, 2133}, {4680, 2433}, 0, fw::R2_NOTXORPEN}),
              lines.end());
}

// Switching a measure on and then off draws the same lines twice (NOT-XOR:
// the second takes the first away); on draws its labels, off invalidates
// them, each over its leader.
TEST_F(GapReference, ToggleOnThenOffTakesAwayWhatItDrew) {
    std::vector<fw::CRect> invalidated;
    CEleInvalidate invalidate = [&](const fw::CRect& r) { invalidated.push_back(r); };
    fw::CRecordingDC on, off;
    gapref::DoToggleMeasureTime(&on, graph, gap, elements, 1, invalidate);
    EXPECT_TRUE(invalidated.empty());
    EXPECT_EQ(Texts(on), (std::vector<std::string>{"0.1000s", "0.02500s"}));
    gap.m_nMeasureTime = 0;
    gapref::DoToggleMeasureTime(&off, graph, gap, elements, 0, invalidate);
    EXPECT_EQ(Lines(on), Lines(off));
    EXPECT_EQ(Lines(on).size(), 7u);
    EXPECT_TRUE(Texts(off).empty());
    ASSERT_EQ(invalidated.size(), 2u);
    for (const fw::CRect& r : invalidated) {
        // From 300 left of the label (over the leader's end) to its right.
        EXPECT_EQ(r.left, 4680);
        EXPECT_LT(r.top, r.bottom); // normalised
    }

    invalidated.clear();
    fw::CRecordingDC con, coff;
    gapref::DoToggleMeasureCurrent(&con, graph, gap, elements, 1, invalidate);
    gapref::DoToggleMeasureCurrent(&coff, graph, gap, elements, 0, invalidate);
    EXPECT_EQ(Lines(con), Lines(coff));
    EXPECT_EQ(Texts(con), (std::vector<std::string>{"100.0A", "50.00A"}));
    EXPECT_EQ(invalidated.size(), 2u);
}

// Around a change of the current standard: the first pass takes away the
// line and leaders at the old standard and invalidates every label that is
// on; the second draws them at the new one.
TEST_F(GapReference, RedrawAroundAChangeOfTheStandard) {
    std::vector<fw::CRect> invalidated;
    CEleInvalidate invalidate = [&](const fw::CRect& r) { invalidated.push_back(r); };
    fw::CRecordingDC before, erase, after;
    gapref::DoDrawReference(&before, graph, gap, elements);
    gapref::DoRedrawMeasureTime(&erase, graph, gap, elements, 1, invalidate);
    EXPECT_EQ(invalidated.size(), 4u); // two currents, two times
    EXPECT_TRUE(Texts(erase).empty());
    const std::vector<Line> drawn = Lines(before);
    const std::vector<Line> erased = Lines(erase);
    EXPECT_EQ(erased, std::vector<Line>(drawn.begin() + 7, drawn.end()));

    gap.m_dCurrentStd = 200.0; // A: 0.025 s, B: 0.00625 s
    invalidated.clear();
    gapref::DoRedrawMeasureTime(&after, graph, gap, elements, 0, invalidate);
    EXPECT_TRUE(invalidated.empty());
    EXPECT_EQ(Texts(after), (std::vector<std::string>{"0.02500s", "0.006250s"}));
    // x(200 A) = 1000 + 1840 log10 200 = 5233.9.
    EXPECT_EQ(Lines(after)[0].from.x, 5234);
}

} // namespace
