// The conductors' symbols, label placements and report texts.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<const fw::CDrawRecord*> Of(const fw::CRecordingDC& dc, fw::CDrawRecord::Kind kind) {
    std::vector<const fw::CDrawRecord*> found;
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == kind)
            found.push_back(&rec);
    return found;
}

template <class Model> Model& ModelOf(CObjElement& element) {
    return *static_cast<Model*>(element.GetElement());
}

void SetCalcPoint(CObjElement& element, uint32_t flag) {
    switch (element.GetKind()) {
    case kKindBusBar:
        ModelOf<CEleBusBar>(element).m_nCalcPoint = flag;
        break;
    case kKindWire:
        ModelOf<CEleWire>(element).m_nCalcPoint = flag;
        break;
    default:
        ModelOf<CEleBusDuct>(element).m_nCalcPoint = flag;
        break;
    }
}

// Vertical (0, 0, 39, 159), centre (19, 79): a line from (19, -1) to
// (19, 160); the arrow's tip 33 below the centre, (19, 112). Turned
// (1, 41, 160, 80), centre (80, 60): a line from (0, 60) to (161, 60), the
// arrow 20 left of the right edge, (140, 60).
TEST(ConductorSymbol, LineThroughTheCentreAndTheArrow) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        SCOPED_TRACE(::testing::Message() << "kind " << kind);
        CObjElement element(kind);
        fw::CRecordingDC plain;
        element.DoDrawSkeleton(&plain, CEleDocSettings());
        std::vector<const fw::CDrawRecord*> lines = Of(plain, fw::CDrawRecord::Polyline);
        ASSERT_EQ(1u, lines.size());
        EXPECT_EQ((std::vector<fw::CPoint>{{19, -1}, {19, 160}}), lines[0]->points);
        EXPECT_TRUE(Of(plain, fw::CDrawRecord::Polygon).empty());

        SetCalcPoint(element, 1);
        fw::CRecordingDC marked;
        element.DoDrawSkeleton(&marked, CEleDocSettings());
        std::vector<const fw::CDrawRecord*> head = Of(marked, fw::CDrawRecord::Polygon);
        ASSERT_EQ(1u, head.size());
        EXPECT_EQ(fw::CPoint(19, 112), head[0]->points.back());

        element.DoRotate(nullptr, 1);
        fw::CRecordingDC turned;
        element.DoDrawSkeleton(&turned, CEleDocSettings());
        lines = Of(turned, fw::CDrawRecord::Polyline);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ((std::vector<fw::CPoint>{{0, 60}, {161, 60}}), lines[0]->points);
        head = Of(turned, fw::CDrawRecord::Polygon);
        ASSERT_EQ(1u, head.size());
        EXPECT_EQ(fw::CPoint(140, 60), head[0]->points.back());
    }
}

TEST(ConductorSymbol, MarkedFillOnlyOnTheSkeletonScreen) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        for (bool printing : {false, true}) {
            for (int32_t view : {0, 1}) {
                CObjElement element(kind);
                element.SetErrorMark(1);
                fw::CRecordingDC dc(96, printing);
                if (view == 0)
                    element.DoDrawSkeleton(&dc, CEleDocSettings());
                else
                    element.DoDrawImpeMap(&dc, CEleDocSettings());
                std::vector<const fw::CDrawRecord*> fills = Of(dc, fw::CDrawRecord::FillRect);
                ASSERT_FALSE(fills.empty());
                const fw::COLORREF expected = !printing && view == 0 ? 0xFF00FF : 0xFFFFFF;
                EXPECT_EQ(expected, fills.front()->brush.color)
                    << kind << " printing " << printing << " view " << view;
            }
        }
    }
}

// Vertical: the name left of the symbol (placement 128), the label right of
// it (32); horizontal: the name above (16), the label below (64).
TEST(ConductorLabels, PlacedBesideTheSymbolByOrientation) {
    for (int32_t kind : {kKindBusBar, kKindWire, kKindBusDuct}) {
        SCOPED_TRACE(::testing::Message() << "kind " << kind);
        CObjElement element(kind);
        CEleFrame& m = *static_cast<CEleFrame*>(element.GetElement());
        m.m_rectSymbol = fw::CRect(400, 400, 439, 559);
        m.m_strName = "X1";
        fw::CRecordingDC dc;
        element.DoCalcLabelV1(&dc, CEleDocSettings());
        const CObjRefLabels& v = m.m_listRefV1.GetAtIndex(0)->m_labels;
        EXPECT_LT(v.m_rectLabel1.right, 400);
        EXPECT_GT(v.m_rectLabel2.left, 439);

        element.DoRotate(&dc, 1);
        const fw::CRect symbol = m.m_rectSymbol;
        const CObjRefLabels& h = m.m_listRefV1.GetAtIndex(0)->m_labels;
        EXPECT_LT(std::max(h.m_rectLabel1.top, h.m_rectLabel1.bottom), symbol.top);
        EXPECT_GT(std::min(h.m_rectLabel2.top, h.m_rectLabel2.bottom), symbol.bottom);
    }
}

// Report texts of each kind, worked from the values set here.
TEST(ConductorTexts, ReportGettersFormatsAndUnits) {
    CEleWire w;
    w.m_nVoltage = 400;
    w.m_basic.m_nMaterial = 1;
    w.m_basic.m_nInsulation = 2;
    w.m_basic.m_nCoreKind = 1;
    w.m_basic.m_nMethod = 7;
    w.m_basic.m_nCircuits = 3;
    w.m_basic.m_dLength = 50.0;
    w.m_phase3.m_dCoreSize = 240.0;
    w.m_phase3.m_nCores = 2;
    w.m_phase3.m_dRPerMetre = 0.08;
    w.m_phase3.m_dXPerMetre = 0.06;
    w.m_phase3.m_dDistance = -1.0;
    w.m_phase3.m_dBasicCurrent = 400.0;
    w.m_phase3.m_dAmbientFactor = 1.0;
    w.m_phase3.m_dGroupFactor = 0.9;
    // R = 0.08 x 50 / 2 = 2, X = 0.06 x 50 / 2 = 1.5, Z = 2.5;
    // Iz = 400 x 1 x 2 x 0.9 = 720; %R = 0.08 x 1000 x 50 / 2 / 400^2 x 100 = 1.25.
    const struct {
        std::string got;
        std::string expected;
    } cases[] = {
        {w.GetTextInsulation(), "XLPE or EPR 90deg."},
        {w.GetTextCoreKind(), "Single-Core"},
        {w.GetTextInstallMethod(), "Method G"},
        {w.GetTextCircuitCount(), "3"},
        {w.GetTextMaterial(), "Cu"},
        {w.GetTextLength(1), "50m"},
        {w.GetTextVoltage(1), "400V"},
        {w.GetTextCoreSize(1, 1), "240mm²x2"},
        {w.GetTextCoreSize(1, 0), "240x2"},
        {w.GetTextCoreSize(4, 1), ""},
        {w.GetTextR(1, 1), "2.000mohms"},
        {w.GetTextX(1, 0), "1.50"}, // the common number text pads "1.5" to 4 characters
        {w.GetTextZ(1, 1), "2.50mohms"},
        {w.GetTextRPerMetrePhase(1, 1), "0.04000mohms/m"},
        {w.GetTextCentreDistance(1, 1), "No data"},
        {w.GetTextIz(1, 1), "720.0A"},
        {w.GetTextGroupFactor(1), "0.9000"},
        {w.GetTextPercentRByGroup(1, 2, 1000.0, 1), "1.250%r"},
        {w.GetTextVoltageDrop(1), "0.000%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.got);

    CEleBusBar b;
    b.m_nVoltage = 200;
    b.m_nSinglePhase = 1;
    b.m_basic.m_nSurface = 2;
    b.m_basic.m_nInstallation = 2;
    b.m_basic.m_dMaxTemp = 65.0;
    b.m_basic.m_dLength = 10.0;
    b.m_phase3.m_nWidth = 100;
    b.m_phase3.m_nThickness = 10;
    b.m_phase3.m_nNumber = 2;
    b.m_phase3.m_nDistance = 200;
    b.m_phase3.m_dRPerMetre = 0.02;
    b.m_phase3.m_dXPerMetre = -1.0;
    EXPECT_EQ("1Ph ", b.GetTextGroupName(1));
    EXPECT_EQ("100x10x2", b.GetTextSize(1));
    EXPECT_EQ("Painted", b.GetTextSurface());
    EXPECT_EQ("Horizontal", b.GetTextInstallation());
    EXPECT_EQ("65deg.", b.GetTextMaxTemp(1));
    EXPECT_EQ("200-100V", b.GetTextVoltage(1));
    EXPECT_EQ("200mm", b.GetTextCentreDistance(1, 1));
    EXPECT_EQ("0.2000mohms", b.GetTextR(1, 1)); // 0.02 x 10
    EXPECT_EQ("No data", b.GetTextXPerMetre(1, 1));
    EXPECT_EQ("", b.GetTextSize(0));

    CEleBusDuct d;
    d.m_basic.m_nInsulation = 2;
    d.m_basic.m_dMaxTemp = 95.0;
    d.m_phase3.m_dRatedCurrent = 1000.7;
    d.m_phase3.m_dWidth = 110.0;
    d.m_phase3.m_dThickness = 6.0;
    d.m_phase3.m_nNumber = 1;
    EXPECT_EQ("with\r\ninsulation", d.GetTextInsulation());
    EXPECT_EQ("1000A", d.GetTextIz(1, 1)); // truncated to a whole number
    EXPECT_EQ("110x6x1", d.GetTextSize(1));
    EXPECT_EQ("6mm", d.GetTextThickness(1, 1));
    EXPECT_EQ("95deg.", d.GetTextMaxTemp(1));
}

} // namespace
