// The current marks of a calculation point on co-ordination graphs: the
// labels, the mark's line, its label placement, the queries and the DXF
// output, on a graph laid out by hand.

#include "app/calc/CCalcPoint.h"
#include "app/protection/CObjGraph.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// 400 V graph from 1 A to 100 kA and 0.01 s to 1000 s on a 5 x 5 decade
// plot of 1000 units a decade, its origin at (0, 0).
CObjGraph Graph() {
    CObjGraph g;
    g.m_nGraphNo = 3;
    g.m_nStdVoltage = 400;
    g.m_dCurrentMin = 1.0;
    g.m_dCurrentMax = 100000.0;
    g.m_dTimeMin = 0.01;
    g.m_dTimeMax = 1000.0;
    g.DoSetGraphRect(fw::CRect(0, 0, 5000, 5000));
    return g;
}

// A point with a source-side term of 0.6 + j0.8 % (|Z| 1 %) on 1000 kVA:
// I"k3 at 400 V = 1000 kVA / (sqrt(3) x 0.4 kV x 0.01) = 144 337.6 A; the
// single-phase current at 200 V = 1000 / (0.2 x 0.01) = 500 000 A.
CCalcPoint Point() {
    CCalcPoint p;
    p.m_dBaseCapacity = 1000.0;
    p.m_zSource.m_dR = 0.6;
    p.m_zSource.m_dX = 0.8;
    p.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(3, 1);
    return p;
}

CMarkOwner Owner(int32_t volts) {
    CMarkOwner o;
    o.nVoltage = volts;
    o.line.m_crColor = 0x00FF00;
    o.line.m_nLineKind = 1;
    o.line.m_nWidth = 4;
    return o;
}

TEST(CalcPointMarks, Labels) {
    CCalcPoint p = Point();
    EXPECT_EQ(p.GetTextIk3("CB1", "MCCB", 400.0), "CB1\r\nMCCB of I\"k3\r\n144.34kA");
    EXPECT_EQ(p.GetTextIk3Short("CB1", 400.0), "CB1\r\nI\"k3\r\n144.34kA");
    EXPECT_EQ(p.GetTextIkSinglePhase("CB1", "MCCB", 200.0), "CB1\r\nMCCB of I\"k2\r\n500.00kA");
    EXPECT_EQ(p.GetTextIkSinglePhaseShort("CB1", 200.0), "CB1\r\nI\"k2\r\n500.00kA");
    EXPECT_EQ(CCalcPoint::GetTextCurrentMark("a", "b", "c", "d", 1234.5),
              "a\r\nc of b\r\n1.2345kA\r\nd");
}

TEST(CalcPointMarks, Ik3MarkStandsAtTheCurrentFromOneSecondToTheTop) {
    CObjGraph g = Graph();
    CCalcPoint p = Point();
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &g, "CB1", "MCCB", Owner(400));
    // x of 144 337.6 A: log10(144337.6) x 1000 = 5159.4; y of 1 s: 2000;
    // the top 1000 s: 5000.
    EXPECT_NEAR(p.m_ptMarkStart.m_dX, 5159.38, 0.01);
    EXPECT_NEAR(p.m_ptMarkStart.m_dY, 2000.0, 1e-9);
    EXPECT_NEAR(p.m_ptMarkEnd.m_dY, 5000.0, 1e-9);
    // The pen is the owner's.
    EXPECT_EQ(p.m_crMark, 0x00FF00u);
    EXPECT_EQ(p.m_nMarkLineKind, 1u);
    EXPECT_EQ(p.m_nMarkWidth, 4u);
    // The label's placement went to the mark start.
    const fw::CRect label = p.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.GetRect(0);
    EXPECT_EQ(label.left, 5159);
    EXPECT_EQ(label.top, 2000);
    EXPECT_GT(label.right, label.left);
    // A selected owner draws red on screen.
    CMarkOwner selected = Owner(400);
    selected.nSelected = 1;
    p.DoDrawIk3MarkShort(&dc, &g, "CB1", selected);
    EXPECT_EQ(p.m_crMark, 0x0000FFu);
}

TEST(CalcPointMarks, APointWithoutAResultDrawsNoMarkAndAnswersNothing) {
    CObjGraph g = Graph();
    CCalcPoint p;
    p.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(3, 1);
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &g, "CB1", "MCCB", Owner(400));
    p.DoDrawIkSinglePhaseMark(&dc, &g, "CB1", "MCCB", Owner(200));
    EXPECT_TRUE(dc.Records().empty());
    p.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.GetAtIndex(0)->m_nSelected = 1;
    for (int32_t single : {0, 1}) {
        EXPECT_EQ(p.IsSelectedMark(400.0, 3, single), 0);
        EXPECT_EQ(p.IsHittedMark(400.0, fw::CPoint(0, 0), 3, single), 0);
        EXPECT_EQ(p.GetMarkRefV2(400.0, 3, single), nullptr);
    }
    std::ostringstream dxf;
    p.DoDXFOutIk3Mark(dxf, 4, &g, "CB1", "MCCB", Owner(400));
    EXPECT_TRUE(dxf.str().empty());
}

TEST(CalcPointMarks, TheGenericMarkIsDrawnEvenAtZero) {
    CObjGraph g = Graph();
    CCalcPoint p;
    fw::CRecordingDC dc;
    p.DoDrawCurrentMark(&dc, &g, "a", "b", "c", "d", Owner(400), 0.0);
    EXPECT_FALSE(dc.Records().empty());
}

TEST(CalcPointMarks, AGraphOutsideTheListGetsTheLineButNoLabel) {
    CObjGraph g = Graph();
    g.m_nGraphNo = 9;
    CCalcPoint p = Point();
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &g, "CB1", "MCCB", Owner(400));
    bool text = false;
    for (const fw::CDrawRecord& r : dc.Records())
        text = text || r.kind == fw::CDrawRecord::Text;
    EXPECT_FALSE(text);
    EXPECT_FALSE(dc.Records().empty());
    EXPECT_TRUE(p.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.GetRect(0).IsRectNull());
}

TEST(CalcPointMarks, SelectingOnGraphZeroSelectsEveryGraph) {
    CCalcPoint p = Point();
    p.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(5, 1);
    p.SetSelectMark(400.0, 1, 0, 0);
    EXPECT_EQ(p.IsSelectedMark(400.0, 3), 1);
    EXPECT_EQ(p.IsSelectedMark(400.0, 5), 1);
    // The queries find no graph for number 0.
    EXPECT_EQ(p.IsSelectedMark(400.0, 0), 0);
    EXPECT_NE(p.GetMarkRefV2(400.0, 5), nullptr);
    p.SetSelectMark(400.0, 0, 0, 5);
    EXPECT_EQ(p.IsSelectedMark(400.0, 3), 1);
    EXPECT_EQ(p.IsSelectedMark(400.0, 5), 0);
}

TEST(CalcPointMarks, InvalidationAroundTheMarkLine) {
    CObjGraph g = Graph();
    CCalcPoint p = Point();
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &g, "CB1", "MCCB", Owner(400));
    std::vector<fw::CRect> areas;
    auto collect = [&](const fw::CRect& r) { areas.push_back(r); };
    p.DoInvalidateMark(400.0, collect, nullptr, 3, 0);
    ASSERT_EQ(areas.size(), 1u);
    // Width 4: 5159.4 - 14 .. 5159.4 + 14, 5000 - 4 .. 2000 + 4, normalised.
    EXPECT_EQ(areas[0], fw::CRect(5145, 1996, 5173, 5004));
    p.DoInvalidateMark(400.0, collect, nullptr, 3, 200);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[1], p.m_listGraphNo.DoFindGraphNo(3)->m_listRefV2.GetRect(0));
}

TEST(CalcPointMarks, DxfWritesTheLabelLinesAndThePolyline) {
    CObjGraph g = Graph();
    CCalcPoint p = Point();
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &g, "CB1", "MCCB", Owner(400)); // places the label
    std::ostringstream dxf;
    p.DoDXFOutIk3Mark(dxf, 4, &g, "CB1", "MCCB", Owner(400));
    const std::string out = dxf.str();
    EXPECT_NE(out.find("0\nTEXT\n8\n4\n"), std::string::npos);
    EXPECT_NE(out.find("\nCB1\n"), std::string::npos);
    EXPECT_NE(out.find("\nMCCB of I\"k3\n"), std::string::npos);
    EXPECT_NE(out.find("\n144.34kA\n"), std::string::npos);
    EXPECT_NE(out.find("POLYLINE"), std::string::npos);
}

} // namespace

namespace {

// The document writes its DXF drawing on a copy of the graph laid out on
// another plot than the screen's: the label follows the mark there.
TEST(CalcPointMarks, DxfLabelStandsAtTheMarkOfTheDrawingsOwnLayout) {
    CObjGraph screen = Graph();
    CCalcPoint p = Point();
    fw::CRecordingDC dc;
    p.DoDrawIk3Mark(&dc, &screen, "CB1", "MCCB", Owner(400)); // label at (5159, 2000)
    CObjGraph drawing = Graph();
    // 2500 units over five decades each way: 500 a decade, origin (1000, 2000).
    drawing.DoSetGraphRect(fw::CRect(1000, 2000, 3500, 4500));
    std::ostringstream dxf;
    p.DoDXFOutIk3Mark(dxf, 4, &drawing, "CB1", "MCCB", Owner(400));
    // x = 1000 + log10(144337.6) x 500 = 3579.7 -> 3580 -> 358;
    // y of 1 s = 2000 + 2 x 500 = 3000 -> 300; the next lines 5 lower.
    const std::string out = dxf.str();
    EXPECT_NE(out.find("0\nTEXT\n8\n4\n10\n358\n20\n300\n40\n3\n1\nCB1\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("10\n358\n20\n295\n40\n3\n1\nMCCB of I\"k3\n"), std::string::npos);
    EXPECT_NE(out.find("10\n358\n20\n290\n40\n3\n1\n144.34kA\n"), std::string::npos);
}

} // namespace
