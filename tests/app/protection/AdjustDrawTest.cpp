// The characteristic's graph operations on curves laid by hand: the label's
// anchor, which polylines are shown, drawing, hit test, selection, DXF and
// the gap-line labels; and the graph's selection of curves through their
// owners.

#include "AdjustTestSupport.h"

#include "app/protection/CCurveOwner.h"
#include "app/protection/CGapLine.h"
#include "app/records/CObjRefV2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using adjusttest::WorkedGraph;

double X(double current) {
    return 1000.0 + 1840.0 * std::log10(current);
}
double Y(double time) {
    return 600.0 + 1533.0 * (std::log10(time) + 2.0);
}

// A curve of (current A, time s) points at 400 V.
void AddCurve(COneCurveList& list, std::initializer_list<std::pair<double, double>> points) {
    COneCurve* curve = list.DoAddNewOneCurve();
    for (const auto& [current, time] : points) {
        CdPoint* p = curve->m_listPoint.DoAddNewPoint();
        p->m_dX = current * 400.0;
        p->m_dY = time;
    }
}

CObjAdjust Placed(uint32_t graphNo = 3) {
    CObjAdjust adjust;
    adjust.m_infoBase.m_nVoltage = 400;
    adjust.m_infoLine.m_crColor = 0x00FF00;
    adjust.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
    return adjust;
}

fw::CPoint Rounded(double x, double y) {
    return fw::CPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

TEST(AdjustAnchor, BandHeadsTypicalHead) {
    const CObjGraph graph = WorkedGraph(400);
    CObjAdjust adjust = Placed();
    AddCurve(adjust.m_listUpperCurve, {{100, 100}, {1000, 1}});
    AddCurve(adjust.m_listLowerCurve, {{80, 50}, {800, 0.5}});
    AddCurve(adjust.m_listTypicalCurve, {{90, 70}, {900, 0.7}});
    const fw::CPoint upper = Rounded(X(100), Y(100));
    const fw::CPoint lower = Rounded(X(80), Y(50));
    // Band: halfway between the band heads, at the higher.
    EXPECT_EQ(adjust.DoMakeAdjustCurve(graph, 0.0),
              fw::CPoint((upper.x + lower.x) / 2, std::max(upper.y, lower.y)));
    // Typical mode: the typical head.
    adjust.m_infoLine.m_nBandFlag = 0;
    EXPECT_EQ(adjust.DoMakeAdjustCurve(graph, 0.0), Rounded(X(90), Y(70)));
    // Band mode with the upper edge only: its head; with no band: the
    // typical head.
    adjust.m_infoLine.m_nBandFlag = 1;
    adjust.m_listLowerCurve.DoDeleteAllOneCurves();
    EXPECT_EQ(adjust.DoMakeAdjustCurve(graph, 0.0), upper);
    adjust.m_listUpperCurve.DoDeleteAllOneCurves();
    EXPECT_EQ(adjust.DoMakeAdjustCurve(graph, 0.0), Rounded(X(90), Y(70)));
}

// A curve's clip time levels it: the part below is cut and the curve goes
// on from the crossing to ten times its current.
TEST(AdjustAnchor, ClipTimeLevelsTheCurve) {
    const CObjGraph graph = WorkedGraph(400);
    CObjAdjust adjust = Placed();
    adjust.m_infoLine.m_nBandFlag = 0;
    AddCurve(adjust.m_listTypicalCurve, {{100, 10}, {1000, 0.1}, {2000, 0.01}});
    adjust.m_listTypicalCurve.GetHead()->m_dSaturation = 1.0;
    adjust.DoMakeAdjustCurve(graph, 0.0);
    const CdPointList& points = adjust.m_listTypicalPoint;
    // 1 s lies halfway (in logs) between 10 s at 100 A and 0.1 s at 1000 A:
    // 316.2 A; the level goes on to 3162 A.
    ASSERT_GE(points.GetCount(), 3);
    const CdPoint* tail = points.GetTail();
    EXPECT_NEAR(tail->m_dY, Y(1.0), 1e-9);
    EXPECT_NEAR(tail->m_dX, X(3162.2776601683795), 1e-6);
    for (const auto& p : points)
        EXPECT_GE(p->m_dY, Y(1.0) - 1e-9);
    EXPECT_TRUE(std::any_of(points.begin(), points.end(), [](const auto& p) {
        return std::fabs(p->m_dX - X(316.22776601683796)) < 1e-6 &&
               std::fabs(p->m_dY - Y(1.0)) < 1e-9;
    }));
}

TEST(AdjustShown, DrawHitAndRectangle) {
    const CObjGraph graph = WorkedGraph(400);
    CObjAdjust adjust = Placed();
    adjust.m_infoLine.m_nWidth = 10;
    AddCurve(adjust.m_listUpperCurve, {{100, 100}, {1000, 1}});
    AddCurve(adjust.m_listLowerCurve, {{80, 50}, {800, 0.5}});
    AddCurve(adjust.m_listTypicalCurve, {{90, 70}, {900, 0.7}});

    fw::CRecordingDC dc;
    EXPECT_EQ(adjust.DoDrawCurve(&dc, fw::R2_COPYPEN, graph, "CB1", 0.0), 3u);
    std::vector<const fw::CDrawRecord*> lines;
    std::vector<std::string> texts;
    for (const auto& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Polyline)
            lines.push_back(&r);
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r.text);
    }
    // Band mode: the upper edge, then the lower, in the line colour.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->points.front(), Rounded(X(100), Y(100)));
    EXPECT_EQ(lines[1]->points.front(), Rounded(X(80), Y(50)));
    EXPECT_EQ(lines[0]->pen.color, 0x00FF00u);
    EXPECT_EQ(texts, std::vector<std::string>{"CB1"});

    // Hit on the shown edges only, on this graph only.
    const fw::CPoint onUpper = Rounded(X(100), Y(100));
    // Halfway along the typical curve's one segment.
    const fw::CPoint onTypical = Rounded((X(90) + X(900)) / 2, (Y(70) + Y(0.7)) / 2);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onUpper, 3, 0), 1);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onUpper, 3, 1), 1);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onTypical, 3, 0), 0);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onUpper, 4, 0), 0);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onUpper, 3, 102), 0);
    // The label stands where it was drawn.
    const fw::CRect label = adjust.m_listGraphNo.GetHead()->m_listRefV2.GetRect(0);
    EXPECT_EQ(adjust.IsHittedCurve(&dc, label.CenterPoint(), 3, 100), 1);

    // The rectangle: the band edges', widened by the line width.
    fw::CRect expected = adjust.m_listUpperPoint.DoGetCurveRectLP();
    const fw::CRect low = adjust.m_listLowerPoint.DoGetCurveRectLP();
    expected =
        fw::CRect(std::min(expected.left, low.left), std::min(expected.top, low.top),
                  std::max(expected.right, low.right), std::max(expected.bottom, low.bottom));
    expected.InflateRect(10, 10);
    fw::CRect rect = adjust.GetCurveRect();
    EXPECT_EQ(rect, expected);

    // Typical mode draws the typical curve alone; selected, in red on
    // screen, in its colour on paper.
    adjust.m_infoLine.m_nBandFlag = 0;
    adjust.m_nSelected = 1;
    for (bool printing : {false, true}) {
        fw::CRecordingDC out(96, printing);
        adjust.DoDrawCurve(&out, fw::R2_COPYPEN, graph, "CB1", 0.0);
        int count = 0;
        for (const auto& r : out.Records()) {
            if (r.kind != fw::CDrawRecord::Polyline)
                continue;
            ++count;
            EXPECT_EQ(r.points.front(), Rounded(X(90), Y(70)));
            EXPECT_EQ(r.pen.color, printing ? 0x00FF00u : 0x0000FFu);
        }
        EXPECT_EQ(count, 1);
    }
    EXPECT_EQ(adjust.IsHittedCurve(&dc, onTypical, 3, 0), 1);

    // Not on the graph: nothing drawn, nothing written.
    fw::CRecordingDC none;
    EXPECT_EQ(adjust.DoDrawCurve(&none, fw::R2_COPYPEN, WorkedGraph(400, 9), "CB1", 0.0), 0u);
    EXPECT_TRUE(none.Records().empty());
    std::ostringstream dxf;
    EXPECT_EQ(adjust.DoDXFOutCurve(dxf, 4, WorkedGraph(400, 9), "CB1", 0.0), 0u);
    EXPECT_TRUE(dxf.str().empty());
}

// Band mode without band curves shows the typical curve; typical mode
// without a typical curve the band.
TEST(AdjustShown, EachModeFallsBackOnTheOther) {
    const CObjGraph graph = WorkedGraph(400);
    fw::CRecordingDC dc;
    CObjAdjust band = Placed();
    AddCurve(band.m_listTypicalCurve, {{90, 70}, {900, 0.7}});
    band.DoMakeAdjustCurve(graph, 0.0);
    EXPECT_TRUE(band.IsTypicalShown());
    EXPECT_EQ(band.IsHittedCurve(&dc, Rounded(X(90), Y(70)), 3, 0), 1);

    CObjAdjust typical = Placed();
    typical.m_infoLine.m_nBandFlag = 0;
    AddCurve(typical.m_listUpperCurve, {{100, 100}, {1000, 1}});
    typical.DoMakeAdjustCurve(graph, 0.0);
    EXPECT_FALSE(typical.IsTypicalShown());
    EXPECT_EQ(typical.IsHittedCurve(&dc, Rounded(X(100), Y(100)), 3, 0), 1);
}

// The DXF lines of the characteristic, read back as group-code pairs.
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::istringstream in(text);
    std::string code;
    std::string value;
    while (std::getline(in, code) && std::getline(in, value))
        pairs.emplace_back(code, value);
    return pairs;
}

TEST(AdjustShown, DxfWritesTheLabelAndTheShownPolylines) {
    const CObjGraph graph = WorkedGraph(400);
    CObjAdjust adjust = Placed();
    adjust.m_infoLine.m_nLineKind = 1;
    AddCurve(adjust.m_listUpperCurve, {{100, 100}, {1000, 1}});
    AddCurve(adjust.m_listLowerCurve, {{80, 50}, {800, 0.5}});
    AddCurve(adjust.m_listTypicalCurve, {{90, 70}, {900, 0.7}});
    for (int band : {1, 0}) {
        adjust.m_infoLine.m_nBandFlag = band;
        std::ostringstream out;
        EXPECT_EQ(adjust.DoDXFOutCurve(out, 4, graph, "CB1\r\nNF", 0.0), 3u);
        int texts = 0;
        std::vector<std::string> layers;
        const auto pairs = Pairs(out.str());
        for (size_t i = 0; i < pairs.size(); ++i) {
            if (pairs[i] == std::make_pair(std::string("0"), std::string("TEXT")))
                ++texts;
            if (pairs[i] == std::make_pair(std::string("0"), std::string("POLYLINE"))) {
                ASSERT_LT(i + 2, pairs.size());
                EXPECT_EQ(pairs[i + 1].first, "8");
                layers.push_back(pairs[i + 1].second);
                EXPECT_EQ(pairs[i + 2], std::make_pair(std::string("6"), std::string("DASHED")));
            }
        }
        EXPECT_EQ(texts, 2) << band;
        if (band == 1)
            EXPECT_EQ(layers, (std::vector<std::string>{"7", "7"}));
        else
            EXPECT_EQ(layers, (std::vector<std::string>{"4"}));
    }
}

TEST(AdjustSelect, ValueShiftAndEveryGraph) {
    CObjAdjust adjust = Placed(3);
    adjust.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(5, 1);
    struct Row {
        uint32_t before;
        int32_t value;
        uint32_t flags;
        uint32_t after;
    };
    for (Row row : {Row{0, 1, 0, 1}, Row{1, 0, 0, 0}, Row{0, 1, 4, 1}, Row{1, 1, 4, 0},
                    Row{1, 0, 4, 1}, Row{0, 0, 4, 0}}) {
        adjust.m_nSelected = row.before;
        adjust.DoSelectCurve(row.value, row.flags, 3, 0);
        EXPECT_EQ(adjust.m_nSelected, row.after) << row.before << row.value << row.flags;
    }
    // Not on graph 7: nothing; what above 101: nothing.
    adjust.m_nSelected = 0;
    adjust.DoSelectCurve(1, 0, 7, 0);
    adjust.DoSelectCurve(1, 0, 3, 102);
    EXPECT_EQ(adjust.m_nSelected, 0u);
    // The label on one graph; on every graph with graph number 0.
    adjust.DoSelectCurve(1, 0, 3, 100);
    EXPECT_NE(adjust.GetCurveRefV2(3), nullptr);
    EXPECT_EQ(adjust.GetCurveRefV2(5), nullptr);
    adjust.DoSelectCurve(1, 0, 0, 101);
    EXPECT_NE(adjust.GetCurveRefV2(5), nullptr);
    adjust.DoSelectCurve(1, 0, 0, 0);
    EXPECT_EQ(adjust.m_nSelected, 1u);
}

TEST(AdjustSelect, InvalidateTheCurveOrItsLabel) {
    const CObjGraph graph = WorkedGraph(400);
    CObjAdjust adjust = Placed();
    AddCurve(adjust.m_listUpperCurve, {{100, 100}, {1000, 1}});
    adjust.DoMakeAdjustCurve(graph, 0.0);
    std::vector<fw::CRect> erased;
    CEleInvalidate invalidate = [&](const fw::CRect& r) { erased.push_back(r); };
    adjust.DoInvalidateCurve(invalidate, nullptr, 3, 0);
    adjust.m_listGraphNo.GetHead()->m_listRefV2.GetAtIndex(0)->m_rect = fw::CRect(10, 40, 30, 20);
    adjust.DoInvalidateCurve(invalidate, nullptr, 3, 101);
    adjust.DoInvalidateCurve(invalidate, nullptr, 4, 0);
    ASSERT_EQ(erased.size(), 2u);
    EXPECT_EQ(erased[0], adjust.GetCurveRect());
    EXPECT_EQ(erased[1], fw::CRect(10, 20, 30, 40));
}

// Gap-line labels: the lower edge's label is skipped when its value equals
// the upper edge's; the current labels are numbered on.
TEST(AdjustGapLabels, LowerEdgeOnlyWhenItDiffers) {
    const CObjGraph graph = WorkedGraph(400);
    CGapLine gap; // 100 A and 0.1 s
    CObjAdjust adjust = Placed();
    // Both edges cross 0.1 s at 100 A... and 100 A at 0.1 s: the same values.
    AddCurve(adjust.m_listUpperCurve, {{10, 10}, {1000, 0.001}});
    AddCurve(adjust.m_listLowerCurve, {{10, 10}, {1000, 0.001}});
    adjust.DoMakeAdjustCurve(graph, 0.0);
    fw::CRecordingDC dc;
    EXPECT_EQ(adjust.DoDrawGapTexts(&dc, graph, gap, 1, 1, 4), 5);
    EXPECT_EQ(adjust.m_nUpperLabel, 5);
    int texts = 0;
    for (const auto& r : dc.Records())
        texts += r.kind == fw::CDrawRecord::Text;
    EXPECT_EQ(texts, 2); // one current, one time

    // A lower edge of its own: two labels each.
    adjust.m_listLowerCurve.DoDeleteAllOneCurves();
    AddCurve(adjust.m_listLowerCurve, {{5, 10}, {500, 0.001}});
    adjust.DoMakeAdjustCurve(graph, 0.0);
    fw::CRecordingDC dc2;
    EXPECT_EQ(adjust.DoDrawGapTexts(&dc2, graph, gap, 1, 1, 4), 6);
    EXPECT_EQ(adjust.m_nLowerLabel, 6);
    std::vector<std::string> values;
    for (const auto& r : dc2.Records())
        if (r.kind == fw::CDrawRecord::Text)
            values.push_back(r.text);
    // 10 s .. 1 ms over 10 A .. 1000 A: t = 1000 / I^2 s for the upper,
    // 250 / I^2 for the lower; I = sqrt(1000 / t).
    EXPECT_EQ(values, (std::vector<std::string>{"100.0A", "50.00A", "0.1000s", "0.02500s"}));
    // Without the current flag the number stays.
    EXPECT_EQ(adjust.DoDrawGapLeaders(&dc2, graph, gap, 1, 0, 4), 4);
    // Typical mode: one label, the typical number.
    adjust.m_infoLine.m_nBandFlag = 0;
    AddCurve(adjust.m_listTypicalCurve, {{10, 10}, {1000, 0.001}});
    adjust.DoMakeAdjustCurve(graph, 0.0);
    EXPECT_EQ(adjust.DoDrawGapLeaders(&dc2, graph, gap, 1, 1, 0), 1);
    EXPECT_EQ(adjust.m_nTypicalLabel, 1);
}

// A curve owner laid by hand for the graph's selection: what is hit and
// what is selected, by code.
class FakeOwner : public CCurveOwner {
public:
    std::vector<int32_t> hit;
    std::vector<int32_t> selected;
    static bool Has(const std::vector<int32_t>& v, int32_t c) {
        return std::find(v.begin(), v.end(), c) != v.end();
    }
    int32_t IsOnGraph(uint32_t) const override { return 1; }
    int32_t IsAddableToGraph(uint32_t) const override { return 0; }
    void AddToGraph(uint32_t, int32_t) override {}
    void RemoveFromGraph(uint32_t) override {}
    CObjRefV2* GetCurveRefV2(const CObjGraph*) const override { return nullptr; }
    void DoDrawCurve(fw::CDC*, CObjGraph*, const CEleDocSettings&) override {}
    void DoInvalidateCurve(fw::CDC*, CObjGraph*, int32_t, const CEleInvalidate&) override {}
    int32_t IsHittedCurve(fw::CDC*, CObjGraph*, fw::CPoint, int32_t code) override {
        return Has(hit, code) ? 1 : 0;
    }
    void DoSelectCurve(const CObjGraph*, int32_t value, uint32_t flags, int32_t code) override {
        const bool now = Has(selected, code);
        bool want = value == 1;
        if (flags & 4)
            want = value == 1 ? !now : now;
        if (want && !now)
            selected.push_back(code);
        if (!want && now)
            selected.erase(std::find(selected.begin(), selected.end(), code));
    }
    void SetSelectCurve(int32_t) override {}
    int32_t IsSelectedCurve(const CObjGraph*, int32_t code) const override {
        return Has(selected, code) ? 1 : 0;
    }
    void DoDrawGapValue(fw::CDC*, CObjGraph*, CGapLine*, int32_t, const CEleInvalidate&) override {}
    int32_t DoDrawGapLine(fw::CDC*, CObjGraph*, CGapLine*, int32_t, int32_t r) override {
        return r;
    }
    void DoDXFOutCurve(std::ostream&, CObjGraph*, const CEleDocSettings&) override {}
};

TEST(GraphSelect, ClickSelectsTheHitCurveAlone) {
    CObjGraph graph = WorkedGraph(400);
    FakeOwner a, b;
    a.hit = {0};
    b.selected = {0};
    std::vector<std::pair<int32_t, CCurveOwner*>> notes;
    CCurveNotify notify = [&](int32_t h, CCurveOwner* o) { notes.emplace_back(h, o); };
    EXPECT_EQ(graph.DoSelectCurvesAt(nullptr, {&a, &b}, 0, {}, notify), 1);
    EXPECT_EQ(a.selected, std::vector<int32_t>{0});
    EXPECT_TRUE(b.selected.empty());
    EXPECT_EQ(notes, (std::vector<std::pair<int32_t, CCurveOwner*>>{{21, &a}, {21, &b}}));
}

TEST(GraphSelect, ClickOnOneOfSeveralSelectedKeepsThem) {
    CObjGraph graph = WorkedGraph(400);
    FakeOwner a, b, c;
    a.hit = {0};
    a.selected = {0};
    b.selected = {0};
    c.selected = {0};
    EXPECT_EQ(graph.DoSelectCurvesAt(nullptr, {&a, &b, &c}, 0, {}, nullptr), 2);
    EXPECT_EQ(b.selected, std::vector<int32_t>{0});
    EXPECT_EQ(c.selected, std::vector<int32_t>{0});
    // With shift the hit one toggles.
    EXPECT_EQ(graph.DoSelectCurvesAt(nullptr, {&a, &b, &c}, 4, {}, nullptr), 2);
    EXPECT_TRUE(a.selected.empty());
}

TEST(GraphSelect, ALabelClickSelectsItsCurveToo) {
    CObjGraph graph = WorkedGraph(400);
    FakeOwner a;
    a.hit = {100};
    std::vector<int32_t> hints;
    CCurveNotify notify = [&](int32_t h, CCurveOwner*) { hints.push_back(h); };
    graph.DoSelectCurvesAt(nullptr, {&a}, 0, {}, notify);
    EXPECT_TRUE(FakeOwner::Has(a.selected, 100));
    EXPECT_TRUE(FakeOwner::Has(a.selected, 0));
    EXPECT_EQ(hints, (std::vector<int32_t>{22, 21, 21}));
}

TEST(GraphSelect, SingleKeepsASelectedCurveWhosePartWasHit) {
    CObjGraph graph = WorkedGraph(400);
    FakeOwner a, b;
    a.hit = {0};
    b.selected = {0, 300};
    b.hit = {300};
    // b's marker is hit and stays selected, so b's curve stays: two curves.
    EXPECT_EQ(graph.DoSelectSingleAt(nullptr, {&a, &b}, 0, {}, nullptr), nullptr);
    EXPECT_TRUE(FakeOwner::Has(b.selected, 0));
    // Alone, the hit curve is the one.
    FakeOwner c;
    c.hit = {1};
    EXPECT_EQ(graph.DoSelectSingleAt(nullptr, {&c}, 0, {}, nullptr), &c);
}

TEST(GraphSelect, CursorOverCurvesAndSelectedParts) {
    CObjGraph graph = WorkedGraph(400);
    fw::CRecordingDC dc;
    FakeOwner a;
    EXPECT_FALSE(graph.DoSetHitCursor(&dc, {&a}, {}));
    a.hit = {0};
    EXPECT_TRUE(graph.DoSetHitCursor(&dc, {&a}, {}));
    FakeOwner b;
    b.hit = {200};
    b.selected = {200};
    EXPECT_FALSE(graph.DoSetHitCursor(&dc, {&a, &b}, {}));
}

} // namespace
