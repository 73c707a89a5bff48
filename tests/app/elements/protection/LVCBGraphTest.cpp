// The low-voltage breaker on co-ordination graphs: the marks of the
// electric-shock check (drawn and as DXF), the labels of its current markers
// in the DXF drawing, and the selection marker's labels, which need the
// upstream breaker still in the document.
//
// Every graph here is laid out by hand: 400 V, 1 A to 100 kA and 0.01 s to
// 1000 s in a plot (400, 1200)-(5400, 6200), five decades of 1000 units on
// each axis, so X(I) = 400 + 1000 log10(I / 400) for a graph current I (the
// current in A times 400) and Y(t) = 1200 + 1000 log10(t / 0.01).

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CCurrent.h"
#include "app/protection/CObjGraph.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

CObjGraph Graph(uint32_t kind) {
    CObjGraph g;
    g.m_nGraphNo = 5;
    g.m_nKind = kind;
    g.m_nStdVoltage = 400;
    g.m_dCurrentMin = 1.0;
    g.m_dCurrentMax = 100000.0;
    g.m_dTimeMin = 0.01;
    g.m_dTimeMax = 1000.0;
    g.DoSetGraphRect(fw::CRect(400, 1200, 5400, 6200));
    return g;
}

// CB1 at 400 V on TN-S, its characteristic complete enough to be drawn (it
// has no curve points: nothing is read from the databases), own Icu 50 kA,
// after a shock check at the end of W2 that found Ia = 1900 A for the
// disconnection time 0.4 s. The point of W2 has a source-side term of
// 3 + j4 % (|Z| 5 %) on 1000 kVA and no loop terms, so each earth-fault
// current there at 400 V is 1000 kVA / (sqrt 3 x 0.4 kV x 0.05) = 28 867.5 A.
CEleLVCB Breaker() {
    CEleLVCB b;
    b.m_strName = "CB1";
    b.m_nNumber = 1;
    CInfoBase& info = b.DoAddNewObjAdjust()->m_infoBase;
    info.m_nVoltage = 400;
    info.m_lManufactureID = 1;
    info.m_lGroupID = 1;
    info.m_nKindFlag = 2;
    info.m_nLVCBCode = 10;
    info.m_lTypeID = 1;
    info.m_lOpeKindID = 1;
    info.m_lBreakRatedID = 1;
    info.m_dRatedValue = 100.0;
    b.m_currentOwn.m_dIcu = 50000.0;
    b.m_nEarthing = 1;
    b.m_nWireSystem = 3;
    b.m_nShockCheck = 1;
    b.m_dIa = 1900.0;
    b.m_dDisconnectTime = 0.4;
    b.m_strShockPoint = "W2";
    b.m_calcPointShock.m_dBaseCapacity = 1000.0;
    b.m_calcPointShock.m_zSource.m_nKind = 4;
    b.m_calcPointShock.m_zSource.m_dR = 3.0;
    b.m_calcPointShock.m_zSource.m_dX = 4.0;
    return b;
}

CEleDocSettings Mode(int32_t mode) {
    CEleDocSettings s;
    s.nMode = mode;
    return s;
}

// The polyline a mark writes: layer, line type and its vertices.
std::string Polyline(const std::string& layer, const std::vector<std::string>& xy) {
    std::string out = "0\nPOLYLINE\n8\n" + layer + "\n6\nCONTINUOUS\n66\n1\n10\n0\n20\n0\n";
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
        out += "0\nVERTEX\n8\n" + layer + "\n6\nCONTINUOUS\n10\n" + xy[i] + "\n20\n" + xy[i + 1] +
               "\n";
    return out + "0\nSEQEND\n8\n" + layer + "\n6\nCONTINUOUS\n";
}

std::string Text(const std::string& layer, int x, int y, const std::string& text) {
    return "0\nTEXT\n8\n" + layer + "\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) +
           "\n40\n3\n1\n" + text + "\n";
}

std::vector<std::string> Texts(const fw::CRecordingDC& dc) {
    std::vector<std::string> texts;
    for (const fw::CDrawRecord& r : dc.Records())
        if (r.kind == fw::CDrawRecord::Text)
            texts.push_back(r.text);
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Keeps whether the context clipped while each text was put out.
class ClipWatchingDC : public fw::CRecordingDC {
public:
    std::vector<std::pair<std::string, bool>> clipped;

protected:
    void Output(const fw::CDrawRecord& rec) override {
        if (rec.kind == fw::CDrawRecord::Text)
            clipped.emplace_back(rec.text, HasClipRgn());
        fw::CRecordingDC::Output(rec);
    }
};

// Disconnection time t = 0.4 s: Y(t) = 1200 + 1000 log10(40) = 2802.06, so
// the text stands at (trunc(X(400)) / 10, trunc(2802.06) / 10 + 2) =
// (40, 282); the line runs from (400 x 1 A, t) to (400 x 1900 A, t): x from
// 400 to 400 + 1000 log10(1900) = 3678.75, i.e. 40.000 to 367.88 at the
// scale 0.1, y 280.21.
TEST(LVCBShockDxf, DisconnectMarkIsItsTextThenItsLine) {
    CEleLVCB b = Breaker();
    CObjGraph g = Graph(CObjGraph::kDisconnect);
    std::ostringstream dxf;
    b.DoDXFOutDisconnectMark(dxf, 6, 400, &g);
    EXPECT_EQ(dxf.str(), Text("6", 40, 282, "Disconnecting time 0.40s") +
                             Polyline("4", {"40.000", "280.21", "367.88", "280.21"}));
}

// Ia = 1900 A: X = 3678.75, truncated 3678, tenths 367 (not 368), plus 2:
// 369. Y(1000 t = 400 s) = 1200 + 1000 log10(40000) = 5802.06: 580 - 3 =
// 577, each further line 5 lower, the empty line left out. Ia 1.9 kA at 4
// digits: "%.4g" gives "1.9", padded to e + N = 4 characters, "1.90"; Zs on
// TN-S = (400 / sqrt 3) / 1900 = 0.1215 ohm. The line goes from
// (400 x Ia, 400 s) down to (400 x Ia, 0.4 s): y 580.21 to 280.21.
TEST(LVCBShockDxf, TripMarkIsItsLineThenTheTextLines) {
    CEleLVCB b = Breaker();
    CObjGraph g = Graph(CObjGraph::kDisconnect);
    std::ostringstream dxf;
    b.DoDXFOutTripMark(dxf, 6, 400, &g);
    EXPECT_EQ(dxf.str(), Polyline("4", {"367.88", "580.21", "367.88", "280.21"}) +
                             Text("6", 369, 577, "CB1") + Text("6", 369, 572, "Automatic") +
                             Text("6", 369, 567, "operation") + Text("6", 369, 562, "current") +
                             Text("6", 369, 557, "Ia=1.90kA") + Text("6", 369, 552, "Fault loop") +
                             Text("6", 369, 547, "impedance") +
                             Text("6", 369, 542, "Zs=0.1215ohms"));
}

// The marks stand only after a check that found a trip current, in the
// calculated modes, at a calculation point, on an electric-shock graph.
TEST(LVCBShockMarks, OnlyAfterTheCheckFoundATripCurrent) {
    struct Case {
        uint32_t shockCheck;
        double ia;
        int32_t mode;
        uint32_t calcPoint;
        uint32_t kind;
        bool shown;
    };
    const Case cases[] = {
        {1, 1900.0, 3, 1, CObjGraph::kDisconnect, true},
        {0, 1900.0, 3, 1, CObjGraph::kDisconnect, false},
        {1, 0.0, 3, 1, CObjGraph::kDisconnect, false},
        {1, 1900.0, 2, 1, CObjGraph::kDisconnect, false},
        {1, 1900.0, 8, 0, CObjGraph::kDisconnect, false},
        {1, 1900.0, 8, 1, CObjGraph::kCoordination, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shockCheck << " " << c.ia << " " << c.mode << " "
                                        << c.calcPoint << " " << c.kind);
        CEleLVCB b = Breaker();
        b.m_nShockCheck = c.shockCheck;
        b.m_dIa = c.ia;
        b.m_nCalcPoint = c.calcPoint;
        CObjGraph g = Graph(c.kind);
        b.AddToGraph(5, 0, c.kind);
        std::ostringstream dxf;
        b.DoDXFOutCurve(dxf, &g, Mode(c.mode));
        EXPECT_EQ(dxf.str().find("Disconnecting time") != std::string::npos, c.shown);
        EXPECT_EQ(dxf.str().find("\nZs=") != std::string::npos, c.shown);
        EXPECT_EQ(dxf.str().find("of W2\n") != std::string::npos, c.shown);
        fw::CRecordingDC dc(254);
        b.DoDrawCurve(&dc, &g, Mode(c.mode));
        const std::vector<std::string> texts = Texts(dc);
        EXPECT_EQ(Has(texts, "Disconnecting time 0.40s"), c.shown);
        EXPECT_EQ(Has(texts, "Ia=1.90kA"), c.shown);
        EXPECT_EQ(Has(texts, "TN-S"), c.shown);
        // The two marks alone write nothing without a trip current.
        std::ostringstream marks;
        b.DoDXFOutTripMark(marks, 4, 400, &g);
        b.DoDXFOutDisconnectMark(marks, 4, 400, &g);
        EXPECT_EQ(marks.str().empty(), c.shockCheck != 1 || !(c.ia > 0.0));
    }
}

// On the graph: the earth-fault line labelled verdict, current caption of
// the shock point, value and breaker; both marks with the texts of their DXF
// forms; the earthing text in blue with the plot area's clipping lifted and
// put back for what follows.
TEST(LVCBShockMarks, DrawnWithTheTextsOfTheirDxfForms) {
    CEleLVCB b = Breaker();
    CObjGraph g = Graph(CObjGraph::kDisconnect);
    b.AddToGraph(5, 0, CObjGraph::kDisconnect);
    ClipWatchingDC dc;
    dc.IntersectClipRect(g.m_rectGraph);
    b.DoDrawCurve(&dc, &g, Mode(8));
    EXPECT_TRUE(dc.HasClipRgn()) << "the curves' clipping is put back";
    const std::vector<std::string> texts = Texts(dc);
    for (const char* line :
         {"Good", "I\"k1(PE) of W2", "28.868kA", "Disconnecting time 0.40s", "Automatic",
          "operation", "current", "Ia=1.90kA", "Fault loop", "impedance", "Zs=0.1215ohms", "TN-S"})
        EXPECT_TRUE(Has(texts, line)) << line;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Text && r.text == "TN-S") {
            EXPECT_EQ(r.textColor, 0xFF0000u);
        }
    }
    for (const auto& [text, clipped] : dc.clipped)
        EXPECT_EQ(clipped, text != "TN-S") << text;
}

// IT with its neutral (wire system 2): the line stands at half the
// phase-to-neutral current, 28 867.5 / 2 = 14 433.8 A, captioned I"k1/2:
// x = 400 + 1000 log10(14 433.8) = 4559.38, 455.94 at the scale 0.1 (the
// whole current would stand at 486.04). The earthing text reads "IT with
// neutral".
TEST(LVCBShockMarks, ItWithNeutralHalvesTheEarthFaultCurrent) {
    CEleLVCB b = Breaker();
    b.m_nEarthing = 5;
    b.m_nWireSystem = 2;
    CObjGraph g = Graph(CObjGraph::kDisconnect);
    b.AddToGraph(5, 0, CObjGraph::kDisconnect);
    fw::CRecordingDC dc(254);
    b.DoDrawCurve(&dc, &g, Mode(8));
    const std::vector<std::string> texts = Texts(dc);
    EXPECT_TRUE(Has(texts, "I\"k1/2 of W2"));
    EXPECT_TRUE(Has(texts, "14.434kA"));
    EXPECT_TRUE(Has(texts, "IT with neutral"));
    std::ostringstream dxf;
    b.DoDXFOutCurve(dxf, &g, Mode(8));
    const std::string out = dxf.str();
    EXPECT_NE(out.find("\n14.434kA\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n10\n455.94\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("\n10\n486.04\n"), std::string::npos) << out;
}

// A breaker whose shock check found no earth-fault current at its point
// draws the two marks but no line at the point.
TEST(LVCBShockMarks, NoLineWithoutAnEarthFaultCurrent) {
    CEleLVCB b = Breaker();
    b.m_nEarthing = 4; // TT: no earth-fault current of its own
    CObjGraph g = Graph(CObjGraph::kDisconnect);
    b.AddToGraph(5, 0, CObjGraph::kDisconnect);
    std::ostringstream dxf;
    b.DoDXFOutCurve(dxf, &g, Mode(8));
    EXPECT_EQ(dxf.str().find(" of W2\n"), std::string::npos);
    EXPECT_NE(dxf.str().find("Disconnecting time"), std::string::npos);
}

// The shock point's line is registered with the breaker on an
// electric-shock graph (and only there), so its label is placed, hit and
// selected as part 200 of the breaker there; it leaves with the breaker.
TEST(LVCBShockMarks, TheShockPointIsRegisteredOnTheShockGraph) {
    CEleLVCB b = Breaker();
    b.AddToGraph(5, 1, CObjGraph::kDisconnect);
    b.AddToGraph(6, 1, CObjGraph::kCoordination);
    ASSERT_NE(b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(5), nullptr);
    EXPECT_EQ(b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(6), nullptr);
    EXPECT_NE(b.m_calcPoint.m_listGraphNo.DoFindGraphNo(5), nullptr) << "kept as before";

    CObjGraph g = Graph(CObjGraph::kDisconnect);
    fw::CRecordingDC dc(254);
    b.DoDrawCurve(&dc, &g, Mode(8));
    const fw::CRect label =
        b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(5)->m_listRefV2.GetRect(0);
    ASSERT_FALSE(label.IsRectNull());
    const fw::CPoint inside((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    EXPECT_EQ(b.IsHittedCurve(&dc, &g, inside, 200), 1);
    b.DoSelectCurve(&g, 1, 0, 200);
    EXPECT_EQ(b.IsSelectedCurve(&g, 200), 1);
    EXPECT_EQ(b.GetCurveRefV2(&g),
              b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(5)->m_listRefV2.GetAtIndex(0));

    b.RemoveFromGraph(5, 1);
    EXPECT_EQ(b.m_calcPointShock.m_listGraphNo.DoFindGraphNo(5), nullptr);
    EXPECT_EQ(b.IsHittedCurve(&dc, &g, inside, 200), 0);
}

// A cascade result of CB1 behind the upstream breaker CB7: Icu-back 30 kA,
// own Icu 50 kA.
CEleLVCB CascadeBreaker() {
    CEleLVCB b = Breaker();
    b.m_nShockCheck = 0;
    CCurrent& pair = b.m_currentSelect;
    pair.m_nSelectedBy = CCurrent::kCascade;
    pair.m_nUpstreamKind = 2;
    pair.m_nUpstreamNumber = 7;
    pair.m_dIcuBack = 30000.0;
    return b;
}

CEleDocSettings WithUpstream(bool present) {
    CEleDocSettings s = Mode(5);
    s.hasElement = [present](uint32_t kind, uint32_t number) {
        return present && kind == 2 && number == 7;
    };
    return s;
}

// On the cascade graph: the own marker's Icu label at 50 kA, x =
// 400 + 1000 log10(50 000) = 5098.97, text at (5098 + 5) / 10 = 510 and
// Y(1000 s) / 10 - 3 = 6200 / 10 - 3 = 617; the Icu-back label at 30 kA,
// x = 4877.12, text at 488; each line from 0.01 s (y 120.00) to 1000 s (y
// 620.00).
TEST(LVCBMarkerDxf, CascadeLabelsWithTheUpstreamBreakerInTheDocument) {
    CEleLVCB b = CascadeBreaker();
    CObjGraph g = Graph(CObjGraph::kCascade);
    b.AddToGraph(5, 0, CObjGraph::kCascade);
    std::ostringstream dxf;
    b.DoDXFOutCurve(dxf, &g, WithUpstream(true));
    const std::string own = Text("4", 510, 617, "CB1") + Text("4", 510, 612, "Icu") +
                            Text("4", 510, 607, "50.00kA") +
                            Polyline("4", {"509.90", "120.00", "509.90", "620.00"});
    const std::string pair = Text("4", 488, 617, "CB1") + Text("4", 488, 612, "Icu-back") +
                             Text("4", 488, 607, "30.00kA") +
                             Polyline("4", {"487.71", "120.00", "487.71", "620.00"});
    const std::string out = dxf.str();
    const size_t at = out.find(own);
    ASSERT_NE(at, std::string::npos) << out;
    EXPECT_EQ(out.find(pair), at + own.size()) << out;
}

// The selection marker's labels go with the upstream breaker: deleted from
// the document (or no document to ask), neither the drawing nor the DXF
// shows them; the own marker's Icu label stays.
TEST(LVCBMarkerLabels, AbsentWhenTheUpstreamBreakerIsGone) {
    struct Case {
        uint32_t graphKind;
        uint32_t selectedBy;
        const char* title;
    };
    const Case cases[] = {
        {CObjGraph::kCascade, CCurrent::kCascade, "Icu-back"},
        {CObjGraph::kDiscrimination, CCurrent::kTable, "Is by Table"},
    };
    for (const Case& c : cases) {
        for (int present = 0; present < 3; ++present) {
            SCOPED_TRACE(testing::Message() << c.title << " " << present);
            CEleLVCB b = CascadeBreaker();
            if (c.selectedBy != CCurrent::kCascade) {
                b.m_currentSelect.m_nSelectedBy = c.selectedBy;
                b.m_currentSelect.m_nResult = 1;
                b.m_currentSelect.m_dIs = 5000.0;
            }
            CObjGraph g = Graph(c.graphKind);
            b.AddToGraph(5, 0, c.graphKind);
            // 0: the document no longer holds CB7; 1: it does; 2: no document.
            const CEleDocSettings settings = present == 2 ? Mode(5) : WithUpstream(present == 1);
            std::ostringstream dxf;
            b.DoDXFOutCurve(dxf, &g, settings);
            fw::CRecordingDC dc(254);
            b.DoDrawCurve(&dc, &g, settings);
            const bool shown = present == 1;
            EXPECT_EQ(dxf.str().find(std::string("\n") + c.title + "\n") != std::string::npos,
                      shown);
            EXPECT_EQ(Has(Texts(dc), c.title), shown);
            const bool own = c.selectedBy == CCurrent::kCascade;
            EXPECT_EQ(dxf.str().find("\nIcu\n") != std::string::npos, own);
        }
    }
}

} // namespace
