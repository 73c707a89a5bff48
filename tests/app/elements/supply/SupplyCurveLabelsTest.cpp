// The labels and the gap-line values of the supply elements' curves on a
// co-ordination graph: the three-phase and single-phase transformers' rush
// curves, the motor's starting curve and the capacitor's inrush curve.
//
// The graph maps one decade to 1000 logical units on both axes from the
// origin (0, 0): a current I (A, referred to the graph's voltage) lies at
// x = 1000 log10 I, a time t (s) at y = 1000 (log10 t + 3).

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CObjRefV2.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kRed = 0x0000FF;

CObjGraph DecadeGraph(int32_t voltage) {
    CObjGraph graph;
    graph.m_nGraphNo = 3;
    graph.m_nStdVoltage = voltage;
    graph.m_dCurrentMin = 1.0;
    graph.m_dCurrentMax = 100000.0;
    graph.m_dTimeMin = 0.001;
    graph.m_dTimeMax = 100000.0;
    graph.m_nCurrentDecade = 1000;
    graph.m_nTimeDecade = 1000;
    graph.m_ptOrigin = fw::CPoint(0, 0);
    graph.m_rectGraph = fw::CRect(0, 0, 5000, 8000);
    return graph;
}

int32_t X(double current) {
    return static_cast<int32_t>(std::lround(1000.0 * std::log10(current)));
}
int32_t Y(double time) {
    return static_cast<int32_t>(std::lround(1000.0 * (std::log10(time) + 3.0)));
}

std::vector<const fw::CDrawRecord*> Of(const fw::CRecordingDC& dc, fw::CDrawRecord::Kind kind) {
    std::vector<const fw::CDrawRecord*> found;
    for (const auto& r : dc.Records())
        if (r.kind == kind)
            found.push_back(&r);
    return found;
}

std::vector<std::string> TextsOf(const fw::CRecordingDC& dc) {
    std::vector<std::string> texts;
    for (const fw::CDrawRecord* r : Of(dc, fw::CDrawRecord::Text))
        texts.push_back(r->text);
    return texts;
}

// The rush curves' first point: the scan starts at t = 10 x 100 = 1000 s and
// steps t - t/10, so t(n) = 1000 x 0.9^n; the rush current 10 It e^((0.01 -
// t) / 0.1) reaches It first at t <= 0.01 + 0.1 ln 10 = 0.24026 s, that is at
// n = 80 (t(79) = 0.24275 s): t80 = 0.218475 s, and the curve starts at
// (It, 1000 t80 = 218.5 s).
const double kT80 = 1000.0 * std::pow(0.9, 80);

// A 40 kW single-phase motor at 400 V, power factor 1: Im = 40000 / 400 =
// 100 A; starting current 6 Im in 2 s, inrush 10 Im. Its curve starts at
// (Im, 5000 x 2 = 10000 s).
std::unique_ptr<CEleMotor> Motor() {
    auto m = std::make_unique<CEleMotor>();
    m->m_strName = "M1";
    m->m_nVoltage = 400;
    m->m_nSinglePhase = 1;
    m->m_dCapacity = 40.0;
    m->m_dPowerFactor = 1.0;
    m->m_dStartingCurrent = 6.0;
    m->m_dStartingTime = 2.0;
    m->m_dInrushCurrent = 10.0;
    m->m_infoLine.m_crColor = kGreen;
    return m;
}

// 1000 kVA at 400 V: It = 1000000 / (sqrt 3 x 400) = 1443.38 A; rush peak 10,
// damping time 100 ms.
std::unique_ptr<CEleTrans3> Trans3() {
    auto t = std::make_unique<CEleTrans3>();
    t->m_strName = "T1";
    t->m_nVoltage2 = 400;
    t->m_dCapacity = 1000.0;
    t->m_dRushPeak = 10.0;
    t->m_dDampingTime = 100.0;
    t->m_infoLine.m_crColor = kGreen;
    return t;
}

// 50 kVA at 200 V: It of winding 2 = 50000 / 200 = 250 A; winding 2's rush
// peak 10, damping time 100 ms. Winding 1's values are never shown.
std::unique_ptr<CEleTrans1> Trans1() {
    auto t = std::make_unique<CEleTrans1>();
    t->m_strName = "T2";
    t->m_nVoltage2 = 200;
    t->m_dCapacity = 50.0;
    t->m_part2.m_dRushPeak = 10.0;
    t->m_part2.m_dDampingTime = 100.0;
    t->m_part2.m_infoLine.m_crColor = kGreen;
    t->m_part1.m_dRushPeak = 3.0;
    t->m_part1.m_dDampingTime = 20.0;
    return t;
}

struct LabelCase {
    const char* kind;
    std::function<std::unique_ptr<CCurveOwner>()> make;
    int32_t graphVoltage;
    fw::CPoint firstPoint; // of the curve, in graph units
    std::vector<std::string> lines;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.kind;
}

class SupplyCurveLabel : public ::testing::TestWithParam<LabelCase> {};

// The label stands 50 units right of the curve's first point, its top at
// the point's height; each line is drawn below the one before in the line
// colour, red while the curve is selected.
TEST_P(SupplyCurveLabel, StandsBesideTheFirstPointAndIsDrawnLineByLine) {
    const LabelCase& c = GetParam();
    std::unique_ptr<CCurveOwner> owner = c.make();
    CObjGraph graph = DecadeGraph(c.graphVoltage);
    CEleDocSettings settings;
    owner->AddToGraph(3, 0);

    fw::CRecordingDC dc;
    owner->DoDrawCurve(&dc, &graph, settings);
    const auto curves = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0]->points.front(), c.firstPoint);

    const auto texts = Of(dc, fw::CDrawRecord::Text);
    EXPECT_EQ(TextsOf(dc), c.lines);
    ASSERT_EQ(texts.size(), c.lines.size());
    const fw::CPoint label(c.firstPoint.x + 50, c.firstPoint.y);
    int32_t top = label.y;
    for (const fw::CDrawRecord* text : texts) {
        EXPECT_EQ(text->points.front(), fw::CPoint(label.x, top)) << text->text;
        EXPECT_EQ(text->textColor, kGreen);
        top -= text->extent.cy;
    }

    owner->SetSelectCurve(1);
    fw::CRecordingDC selected;
    owner->DoDrawCurve(&selected, &graph, settings);
    for (const fw::CDrawRecord* text : Of(selected, fw::CDrawRecord::Text))
        EXPECT_EQ(text->textColor, kRed) << text->text;
}

// The label is hit inside its rectangle only, and on its graph only; once
// selected it is the placement the view drags.
TEST_P(SupplyCurveLabel, IsHitAndSelectedWhereItStands) {
    const LabelCase& c = GetParam();
    std::unique_ptr<CCurveOwner> owner = c.make();
    CObjGraph graph = DecadeGraph(c.graphVoltage);
    CObjGraph other = DecadeGraph(c.graphVoltage);
    other.m_nGraphNo = 4;
    owner->AddToGraph(3, 0);
    fw::CRecordingDC dc;
    owner->DoDrawCurve(&dc, &graph, CEleDocSettings());
    const fw::CPoint label(c.firstPoint.x + 50, c.firstPoint.y);

    const fw::CPoint inside(label.x + 5, label.y - 5);
    EXPECT_EQ(owner->IsHittedCurve(&dc, &graph, inside, 100), 1);
    EXPECT_EQ(owner->IsHittedCurve(&dc, &graph, fw::CPoint(label.x - 20, label.y - 5), 100), 0);
    EXPECT_EQ(owner->IsHittedCurve(&dc, &graph, fw::CPoint(label.x + 5, label.y + 20), 100), 0);
    EXPECT_EQ(owner->IsHittedCurve(&dc, &other, inside, 100), 0);

    EXPECT_EQ(owner->GetCurveRefV2(&graph), nullptr);
    owner->DoSelectCurve(&graph, 1, 0, 100);
    EXPECT_EQ(owner->IsSelectedCurve(&graph, 100), 1);
    const CObjRefV2* ref = owner->GetCurveRefV2(&graph);
    ASSERT_NE(ref, nullptr);
    EXPECT_EQ(ref->GetRect().left, label.x);
    EXPECT_EQ(ref->GetRect().bottom, label.y);
    EXPECT_EQ(owner->GetCurveRefV2(&other), nullptr);
}

// A click on the label selects the label and its curve (hints 22, then 21).
TEST_P(SupplyCurveLabel, AClickOnTheLabelSelectsItAndItsCurve) {
    const LabelCase& c = GetParam();
    std::unique_ptr<CCurveOwner> owner = c.make();
    CObjGraph graph = DecadeGraph(c.graphVoltage);
    owner->AddToGraph(3, 0);
    fw::CRecordingDC dc;
    owner->DoDrawCurve(&dc, &graph, CEleDocSettings());
    std::vector<int32_t> hints;
    const fw::CPoint inside(c.firstPoint.x + 55, c.firstPoint.y - 5);
    graph.DoSelectCurvesAt(&dc, {owner.get()}, 0, inside,
                           [&](int32_t hint, CCurveOwner*) { hints.push_back(hint); });
    EXPECT_EQ(owner->IsSelectedCurve(&graph, 100), 1);
    EXPECT_EQ(owner->IsSelectedCurve(&graph, 0), 1);
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.front(), 22);
}

// The DXF output writes the label's lines as TEXT entities on layer 4 where
// the label stands, in millimetres (a tenth of the graph units, 3 below for
// the first line and 5 further for each next one), then the curve.
TEST_P(SupplyCurveLabel, DxfWritesTheLabelTextsBeforeTheCurve) {
    const LabelCase& c = GetParam();
    std::unique_ptr<CCurveOwner> owner = c.make();
    CObjGraph graph = DecadeGraph(c.graphVoltage);
    owner->AddToGraph(3, 0);
    fw::CRecordingDC dc;
    owner->DoDrawCurve(&dc, &graph, CEleDocSettings());
    std::ostringstream dxf;
    owner->DoDXFOutCurve(dxf, &graph, CEleDocSettings());

    std::string expected;
    const int32_t x = (c.firstPoint.x + 50) / 10;
    int32_t y = c.firstPoint.y / 10 - 3;
    for (const std::string& line : c.lines) {
        expected += "0\nTEXT\n8\n4\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) +
                    "\n40\n3\n1\n" + line + "\n";
        y -= 5;
    }
    expected += "0\nPOLYLINE\n8\n";
    EXPECT_EQ(dxf.str().substr(0, expected.size()), expected);

    // Off the graph nothing is written.
    CObjGraph other = DecadeGraph(c.graphVoltage);
    other.m_nGraphNo = 4;
    std::ostringstream none;
    owner->DoDXFOutCurve(none, &other, CEleDocSettings());
    EXPECT_TRUE(none.str().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Owners, SupplyCurveLabel,
    ::testing::Values(
        // Motor: (100 A, 10000 s); the graph label's lines of its Part.
        LabelCase{"motor",
                  [] { return std::unique_ptr<CCurveOwner>(Motor()); },
                  400,
                  fw::CPoint(2000, 7000),
                  {"M1", "100.0A", "40kW", "6times", "2s", "10times"}},
        // Three-phase transformer on a 400 V graph: (1443.38 A, 218.5 s).
        LabelCase{"trans3",
                  [] { return std::unique_ptr<CCurveOwner>(Trans3()); },
                  400,
                  fw::CPoint(X(1000000.0 / (std::sqrt(3.0) * 400.0)), Y(1000.0 * kT80)),
                  {"T1", "1443A", "1000kVA", "10times", "100ms"}},
        // The same transformer on a 6600 V graph: its current referred to
        // 6600 V, 1443.38 x 400 / 6600 = 87.48 A.
        LabelCase{"trans3at6600",
                  [] { return std::unique_ptr<CCurveOwner>(Trans3()); },
                  6600,
                  fw::CPoint(X(1000000.0 / (std::sqrt(3.0) * 6600.0)), Y(1000.0 * kT80)),
                  {"T1", "87.48A", "1000kVA", "10times", "100ms"}},
        // Single-phase transformer, winding 2 on a 200 V graph: (250 A,
        // 218.5 s).
        LabelCase{"trans1",
                  [] { return std::unique_ptr<CCurveOwner>(Trans1()); },
                  200,
                  fw::CPoint(X(250.0), Y(1000.0 * kT80)),
                  {"T2", "250.0A", "50kVA", "10times", "100ms"}}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.kind); });

// The capacitor's label stands beside its curve's first point too, with its
// name, capacity, rated current and reactor.
TEST(SupplyCurveLabelCapacitor, StandsBesideTheFirstPoint) {
    CEleCapacitor cap;
    cap.m_strName = "C1";
    cap.m_nVoltage = 400;
    cap.m_dCapacity = 100.0;
    cap.m_dReactor = 6.0;
    cap.m_dUpstreamResistance = 5.0;
    cap.m_dUpstreamReactance = 25.0;
    cap.m_infoLine.m_crColor = kGreen;
    CObjGraph graph = DecadeGraph(400);
    ASSERT_EQ(cap.IsAddableToGraph(3), 1);
    cap.AddToGraph(3, 0);
    fw::CRecordingDC dc;
    CEleDocSettings settings;
    settings.nFrequency = 50;
    cap.DoDrawCurve(&dc, &graph, settings);
    const auto curves = Of(dc, fw::CDrawRecord::Polyline);
    ASSERT_EQ(curves.size(), 1u);
    // Ic = 100000 / 400 / sqrt 3 = 144.3 A.
    EXPECT_EQ(curves[0]->points.front().x, X(100000.0 / 400.0 / std::sqrt(3.0)));
    const auto texts = Of(dc, fw::CDrawRecord::Text);
    EXPECT_EQ(TextsOf(dc), (std::vector<std::string>{"C1", "100kvar", "144.3A", "6%"}));
    ASSERT_FALSE(texts.empty());
    const fw::CPoint label(curves[0]->points.front().x + 50, curves[0]->points.front().y);
    EXPECT_EQ(texts.front()->points.front(), label);
    EXPECT_EQ(cap.IsHittedCurve(&dc, &graph, fw::CPoint(label.x + 5, label.y - 5), 100), 1);
}

// ---- the reference gap lines ----

// Motor curve of Motor() on the 400 V graph, gap line at 300 A and 0.1 s.
//
// Current at 0.1 s: the curve falls straight down at 6 Im = 600 A from 2 s
// to 0.055 s, so it crosses 0.1 s at 600 A: "600.0A", its leader from (x =
// 2778, y = 2000) up 400 n - 100.
//
// Time at 300 A: between (110 A, 8 s) and (540 A, 2.4 s), straight in
// log-log: log t = log 8 - (log 8 - log 2.4) (log 300 - log 110) / (log 540
// - log 110) = 0.57338, t = 3.744 s, y = 3573; its label 1000 - 700 units
// right of the current line's x = 2477, its leader from there.
//
// The whole curve ends at Im / 10 = 10 A, left of 300 A; only its rising
// part, up to (10 Im, 0.01 s), reaches the line.
TEST(SupplyCurveGap, MotorValuesAtTheStandardLines) {
    auto motor = Motor();
    CObjGraph graph = DecadeGraph(400);
    CGapLine gap;
    gap.m_dCurrentStd = 300.0;
    gap.m_dTimeStd = 0.1;
    motor->AddToGraph(3, 0);
    fw::CRecordingDC curve;
    motor->DoDrawCurve(&curve, &graph, CEleDocSettings());

    fw::CRecordingDC dc;
    EXPECT_EQ(motor->DoDrawGapLine(&dc, &graph, &gap, 1, 3), 4);
    const auto texts = Of(dc, fw::CDrawRecord::Text);
    ASSERT_EQ(TextsOf(dc), (std::vector<std::string>{"600.0A", "3.744s"}));
    // The current label is the fourth: 400 x 4 - 100 above the line.
    EXPECT_EQ(texts[0]->points.front(), fw::CPoint(2778 - 50, 2000 + 1500 + texts[0]->extent.cy));
    EXPECT_EQ(texts[1]->points.front(), fw::CPoint(2477 + 300, 3573 + texts[1]->extent.cy / 2));

    fw::CRecordingDC leaders;
    EXPECT_EQ(motor->DoDrawGapLine(&leaders, &graph, &gap, 2, 0), 1);
    const auto lines = Of(leaders, fw::CDrawRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->points, (std::vector<fw::CPoint>{{2778, 2000}, {2778, 2300}}));
    EXPECT_EQ(lines[1]->points, (std::vector<fw::CPoint>{{2477, 3573}, {2777, 3573}}));
    EXPECT_TRUE(TextsOf(leaders).empty());

    // Only the measure the gap line has on; the current numbering goes on
    // only with the current measure.
    CGapLine timeOnly = gap;
    timeOnly.m_nMeasureCurrent = 0;
    fw::CRecordingDC one;
    EXPECT_EQ(motor->DoDrawGapLine(&one, &graph, &timeOnly, 1, 3), 3);
    EXPECT_EQ(TextsOf(one), std::vector<std::string>{"3.744s"});
}

// The value labels are erased where they were drawn: the current label with
// the number it was drawn with, reaching down over its leader; the time
// label reaching 300 further left.
TEST(SupplyCurveGap, MotorValuesAreErasedWhereTheyStand) {
    auto motor = Motor();
    CObjGraph graph = DecadeGraph(400);
    CGapLine gap;
    gap.m_dCurrentStd = 300.0;
    motor->AddToGraph(3, 0);
    fw::CRecordingDC dc;
    motor->DoDrawCurve(&dc, &graph, CEleDocSettings());
    fw::CRecordingDC texts;
    motor->DoDrawGapLine(&texts, &graph, &gap, 1, 3);
    const auto drawn = Of(texts, fw::CDrawRecord::Text);
    ASSERT_EQ(drawn.size(), 2u);

    std::vector<fw::CRect> erased;
    motor->DoDrawGapValue(&dc, &graph, &gap, 3, [&](const fw::CRect& r) { erased.push_back(r); });
    ASSERT_EQ(erased.size(), 2u);
    const fw::CSize current = drawn[0]->extent;
    EXPECT_EQ(erased[0], fw::CRect(2728, 2000 + 300, 2728 + current.cx, 2000 + 1500 + current.cy));
    const fw::CSize time = drawn[1]->extent;
    const int32_t top = 3573 + time.cy / 2;
    EXPECT_EQ(erased[1], fw::CRect(2477, top - time.cy, 2777 + time.cx, top));

    // One measure at a time.
    erased.clear();
    motor->DoDrawGapValue(&dc, &graph, &gap, 1, [&](const fw::CRect& r) { erased.push_back(r); });
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_EQ(erased[0].left, 2477);
    erased.clear();
    motor->DoDrawGapValue(&dc, &graph, &gap, 2, [&](const fw::CRect& r) { erased.push_back(r); });
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_EQ(erased[0].left, 2728);
}

// Winding 2's rush curve of Trans1() on the 200 V graph, gap line at 255 A
// and 1 s. It rises straight up at It = 250 A from 218.5 s to 1.2 t80 =
// 0.2622 s, so it crosses 1 s at 250 A. At 255 A it lies between (250 A,
// 1.2 t80) and (250 x 31/30 A, 1.1 t80): log t = log(1.2 t80) + log(1.1 /
// 1.2) (log 255 - log 250) / log(31 / 30), t = 0.2487 s.
TEST(SupplyCurveGap, SinglePhaseTransformerMeasuresWinding2) {
    auto trans = Trans1();
    CObjGraph graph = DecadeGraph(200);
    CGapLine gap;
    gap.m_dCurrentStd = 255.0;
    gap.m_dTimeStd = 1.0;
    trans->AddToGraph(3, 0);
    fw::CRecordingDC dc;
    trans->DoDrawCurve(&dc, &graph, CEleDocSettings());
    fw::CRecordingDC texts;
    EXPECT_EQ(trans->DoDrawGapLine(&texts, &graph, &gap, 1, 0), 1);
    EXPECT_EQ(TextsOf(texts), (std::vector<std::string>{"250.0A", "0.2487s"}));
    int erased = 0;
    trans->DoDrawGapValue(&dc, &graph, &gap, 3, [&](const fw::CRect&) { ++erased; });
    EXPECT_EQ(erased, 2);
}

// The three-phase transformer and the capacitor answer through the shared
// curve owner as the motor does; a curve not on the graph answers nothing
// and keeps the number.
TEST(SupplyCurveGap, EveryOwnerOnItsGraphOnly) {
    auto trans = Trans3();
    auto motor = Motor();
    CEleCapacitor cap;
    cap.m_strName = "C1";
    cap.m_nVoltage = 400;
    cap.m_dCapacity = 100.0;
    cap.m_dReactor = 6.0;
    cap.m_dUpstreamResistance = 5.0;
    cap.m_dUpstreamReactance = 25.0;
    CObjGraph graph = DecadeGraph(400);
    // Each curve stands straight up at its rated current through 1 s.
    CGapLine gap;
    gap.m_dTimeStd = 1.0;
    CEleDocSettings settings;
    settings.nFrequency = 50;
    for (CCurveOwner* owner : std::vector<CCurveOwner*>{trans.get(), motor.get(), &cap}) {
        fw::CRecordingDC dc;
        EXPECT_EQ(owner->DoDrawGapLine(&dc, &graph, &gap, 1, 5), 5);
        int erased = 0;
        owner->DoDrawGapValue(&dc, &graph, &gap, 3, [&](const fw::CRect&) { ++erased; });
        EXPECT_EQ(erased, 0);
        EXPECT_TRUE(dc.Records().empty());

        owner->AddToGraph(3, 0);
        owner->DoDrawCurve(&dc, &graph, settings);
        fw::CRecordingDC gapDC;
        EXPECT_EQ(owner->DoDrawGapLine(&gapDC, &graph, &gap, 1, 5), 6);
        EXPECT_FALSE(TextsOf(gapDC).empty());
        owner->DoDrawGapValue(&dc, &graph, &gap, 2, [&](const fw::CRect&) { ++erased; });
        EXPECT_EQ(erased, 1);
    }
}

} // namespace
