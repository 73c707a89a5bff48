// The co-ordination view: a graph with two breakers drawn on an image at two
// zooms, picking curves and labels, dragging a label with undo, the label
// drop's data checks, the voltage list, the mapping at its zooms, printing.

#include "ShellTestSupport.h"
#include "TwoBreakerGraph.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CGraphNo.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CObjRefV2.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame2.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineSrvrItem.h"
#include "app/shell/CTovarineView2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "framework/DeviceContext.h"
#include "framework/PrintInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

// The two-breaker graph with what the view's tests look at.
struct Coordination : shelltest::TwoBreakerGraph {
    CObjAdjust* Adjust(CObjElement* e) const { return tvtest::ModelOf<CEleLVCB>(e).GetAdjust(); }

    // The view drawn on an image of its client size.
    QImage Render() {
        QImage image(view->width(), view->height(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        fw::CDC dc(&painter);
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
        return image;
    }
    fw::CPoint Device(fw::CPoint logical) {
        auto dc = view->GetClientDC();
        dc->LPtoDP(&logical);
        return logical;
    }
    // A device point in the middle of a segment of the upper band edge.
    fw::CPoint OnCurve(CObjElement* e) {
        const CdPointList& points = Adjust(e)->m_listUpperPoint.IsEmpty()
                                        ? Adjust(e)->m_listTypicalPoint
                                        : Adjust(e)->m_listUpperPoint;
        if (points.IsEmpty())
            return fw::CPoint(-100, -100);
        const int middle = points.GetCount() / 2;
        const CdPoint* a = points.GetAt(middle);
        return Device(fw::CPoint(static_cast<int>(a->m_dX), static_cast<int>(a->m_dY)));
    }
    CObjRefV2* Label(CObjElement* e) const {
        return Adjust(e)->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo)->m_listRefV2.GetAtIndex(0);
    }
};

#define REQUIRE_READY(c) ASSERT_TRUE((c).Ready()) << "program, view, graph or breakers missing"

int CountColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

bool NearColour(const QImage& image, fw::CPoint p, QRgb colour, int radius = 3) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int x = p.x + dx;
            const int y = p.y + dy;
            if (x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
                image.pixel(x, y) == colour)
                return true;
        }
    return false;
}

} // namespace

TEST(CoordinationView, DrawsGridBandsAndLabelsAtTwoZooms) {
    Coordination c;
    REQUIRE_READY(c);
    for (int32_t zoom : {100, 50}) {
        c.graph->m_nZoom = zoom;
        const QImage image = c.Render();
        // The background is the graph's (white), not the image's black.
        EXPECT_GT(CountColour(image, qRgb(255, 255, 255)), image.width() * image.height() / 4)
            << zoom;
        // A decade line: the plot's left edge is black above its lower edge.
        const fw::CRect plot = c.graph->m_rectGraph;
        const fw::CPoint edge =
            c.Device(fw::CPoint(plot.left, plot.top + (plot.bottom - plot.top) / 2));
        EXPECT_TRUE(NearColour(image, edge, qRgb(0, 0, 0), 1)) << zoom;
        // Each breaker's band in its own colour, on its curve's points.
        EXPECT_TRUE(NearColour(image, c.OnCurve(c.cb1), qRgb(0, 0, 255))) << zoom;
        EXPECT_TRUE(NearColour(image, c.OnCurve(c.cb2), qRgb(0, 0xC0, 0))) << zoom;
        EXPECT_EQ(CountColour(image, qRgb(255, 0, 0)), 0) << zoom; // nothing selected
        // The label text of CB1 in its colour inside the label's rectangle.
        fw::CRect label = c.Label(c.cb1)->m_rect;
        auto dc = c.view->GetClientDC();
        dc->LPtoDP(&label);
        label.NormalizeRect();
        int ink = 0;
        for (int y = label.top; y <= label.bottom; ++y)
            for (int x = label.left; x <= label.right; ++x)
                if (x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
                    image.pixel(x, y) == qRgb(0, 0, 255))
                    ++ink;
        EXPECT_GT(ink, 5) << zoom;
    }
}

TEST(CoordinationView, MappingOriginsByZoomAndAZoomOfZeroFromAFile) {
    Coordination c;
    REQUIRE_READY(c);
    struct Case {
        int32_t zoom;
        fw::CPoint origin;
    };
    for (const Case& k : {Case{150, {-350, 10000}}, Case{50, {0, 20000}}, Case{100, {0, 10000}},
                          Case{0, {0, 10000}}}) {
        c.graph->m_nZoom = k.zoom;
        auto dc = c.view->GetClientDC();
        EXPECT_EQ(dc->GetWindowOrg(), k.origin) << k.zoom;
    }
    // A zoom of 0 (a damaged file) draws at 100 % without dividing by it.
    c.graph->m_nZoom = 0;
    const QImage image = c.Render();
    EXPECT_TRUE(NearColour(image, c.OnCurve(c.cb1), qRgb(0, 0, 255)));
}

TEST(CoordinationView, ClickSelectsACurveAndALabelAndTheSkeletonFollows) {
    Coordination c;
    REQUIRE_READY(c);
    c.Render();
    c.view->OnLButtonDown(0, c.OnCurve(c.cb2));
    EXPECT_EQ(c.cb2->IsSelectedCurve(c.graph, 0), 1);
    EXPECT_EQ(c.cb1->IsSelectedCurve(c.graph, 0), 0);
    EXPECT_EQ(c.cb2->GetSelect(), 1);
    EXPECT_EQ(c.cb1->GetSelect(), 0);
    // One curve picked: its dial adjustment sheet opens beside the view.
    ASSERT_NE(c.view->GetAdjustSheet(), nullptr);
    EXPECT_EQ(
        c.view->GetAdjustSheet()->windowTitle().toStdString().rfind("Adjust of dial - [CB2]", 0),
        0u);

    c.Render();
    fw::CRect label = c.Label(c.cb1)->m_rect;
    c.view->OnLButtonDown(0, c.Device(label.CenterPoint()));
    EXPECT_EQ(c.cb1->IsSelectedCurve(c.graph, 100), 1);
    EXPECT_EQ(c.cb1->IsSelectedCurve(c.graph, 0), 1);
    EXPECT_EQ(c.cb2->IsSelectedCurve(c.graph, 0), 0);
    EXPECT_EQ(c.cb1->GetSelect(), 1);

    // A click on nothing clears the selection and closes the sheet.
    c.view->OnLButtonDown(0, fw::CPoint(2, 2));
    EXPECT_EQ(c.cb1->IsSelectedCurve(c.graph, 0), 0);
    EXPECT_EQ(c.view->GetAdjustSheet(), nullptr);
}

TEST(CoordinationView, LabelDragMovesTheLabelAndUndoBringsItBack_FaultUndoKeptAcrossZoomAndClick) {
    Coordination c;
    REQUIRE_READY(c);
    c.Render();
    const double before = c.Label(c.cb1)->m_ptValue.m_dX;
    fw::CRect label = c.Label(c.cb1)->m_rect;
    const fw::CPoint grab = c.Device(label.CenterPoint());
    // Select the label, then press on it again to drag it 40 pixels right.
    c.view->OnLButtonDown(0, grab);
    c.Render();
    int drags = 0;
    c.view->SetDragHook([&](QMimeData* data) {
        ++drags;
        const fw::CPoint target(grab.x + 40, grab.y);
        EXPECT_EQ(c.view->OnDragEnter(data, grab), Qt::MoveAction);
        EXPECT_TRUE(c.view->OnDrop(data, Qt::MoveAction, target));
        return Qt::MoveAction;
    });
    EXPECT_EQ(c.view->DoDragLabel(grab), Qt::MoveAction);
    EXPECT_EQ(drags, 1);
    const double after = c.Label(c.cb1)->m_ptValue.m_dX;
    EXPECT_GT(after, before * 1.05);

    // Zooming and clicking are no edits: Undo still takes the drag back.
    QComboBox* zoom = c.view->GetZoomBox();
    ASSERT_NE(zoom, nullptr);
    zoom->setCurrentIndex(zoom->findText("150%"));
    c.view->OnZoom();
    EXPECT_EQ(c.graph->m_nZoom, 150);
    c.view->OnLButtonDown(0, fw::CPoint(2, 2));
    c.doc->OnEditUndo();
    CObjGraph* graph = c.doc->m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    CObjElement* restored = nullptr;
    for (CObjElement* e : c.doc->GetElementsOnGraph(graph))
        if (e->GetName() == "CB1")
            restored = e;
    ASSERT_NE(restored, nullptr);
    const CObjRefV2* ref = tvtest::ModelOf<CEleLVCB>(restored)
                               .GetAdjust()
                               ->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo)
                               ->m_listRefV2.GetAtIndex(0);
    ASSERT_NE(ref, nullptr);
    EXPECT_DOUBLE_EQ(ref->m_ptValue.m_dX, before);
}

TEST(CoordinationView, LabelDropRefusesShortOrForeignData_FaultShortDropPayload) {
    Coordination c;
    REQUIRE_READY(c);
    c.Render();
    c.view->OnLButtonDown(0, c.Device(c.Label(c.cb1)->m_rect.CenterPoint()));
    const double before = c.Label(c.cb1)->m_ptValue.m_dX;
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {{"empty", QByteArray()},
                          {"four bytes", QByteArray("\x01\x02\x03\x04", 4)},
                          {"seven bytes", QByteArray(7, '\0')}};
    for (const Case& k : cases) {
        QMimeData data;
        data.setData(Reference2MimeType(), k.bytes);
        EXPECT_EQ(c.view->OnDragEnter(&data, fw::CPoint(100, 100)), Qt::IgnoreAction) << k.what;
        // A drop no element took is no success.
        EXPECT_FALSE(c.view->OnDrop(&data, Qt::MoveAction, fw::CPoint(300, 300))) << k.what;
    }
    QMimeData text;
    text.setText("CB1");
    EXPECT_EQ(c.view->OnDragEnter(&text, fw::CPoint(100, 100)), Qt::IgnoreAction);
    EXPECT_FALSE(c.view->OnDrop(&text, Qt::MoveAction, fw::CPoint(300, 300)));
    EXPECT_DOUBLE_EQ(c.Label(c.cb1)->m_ptValue.m_dX, before);
}

// A 1000 kVA, 400 V transformer's rush curve beside the breakers: its label
// stands 50 units right of the curve's first point; a click on it selects
// the label and the curve, a drag moves it, Undo brings it back. With the
// gap sheet open and the time standard at 1 s the view writes the curve's
// current there: it stands straight up at It = 1443 A through 1 s.
TEST(CoordinationView, ATransformersLabelIsPickedAndDraggedAndItsGapValueDrawn) {
    Coordination c;
    REQUIRE_READY(c);
    CObjElement* t = tvtest::Place(*c.doc, kKindTrans3, 10, 2);
    auto& trans = tvtest::ModelOf<CEleTrans3>(t);
    trans.m_strName = "T1";
    trans.m_nVoltage2 = 400;
    trans.m_dCapacity = 1000.0;
    trans.m_dRushPeak = 10.0;
    trans.m_dDampingTime = 100.0;
    t->AddToGraph(c.graph->m_nGraphNo, 0);
    c.Render();
    auto label = [&]() {
        return trans.m_listGraphNo.DoFindGraphNo(c.graph->m_nGraphNo)->m_listRefV2.GetAtIndex(0);
    };
    ASSERT_FALSE(trans.m_listPoints.IsEmpty());
    const CdPoint* first = trans.m_listPoints.GetHead();
    EXPECT_EQ(label()->m_rect.left, std::lround(first->m_dX) + 50);
    EXPECT_EQ(label()->m_rect.top, std::lround(first->m_dY));

    c.doc->m_gapLine.m_dTimeStd = 1.0;
    c.doc->m_gapLine.m_nMeasureCurrent = 1;
    auto texts = [&]() {
        fw::CRecordingDC dc;
        c.view->OnPrepareDC(&dc);
        c.view->OnDraw(&dc);
        std::vector<std::string> found;
        for (const auto& r : dc.Records())
            if (r.kind == fw::CDrawRecord::Text)
                found.push_back(r.text);
        return found;
    };
    auto count = [](const std::vector<std::string>& list, const std::string& text) {
        return std::count(list.begin(), list.end(), text);
    };
    // The curve label's own line, then the value label as well.
    EXPECT_EQ(count(texts(), "1443A"), 1);
    c.view->OnMeasure();
    ASSERT_TRUE(c.view->IsGapSheetOpen());
    EXPECT_EQ(count(texts(), "1443A"), 2);
    c.view->OnMeasure();
    EXPECT_FALSE(c.view->IsGapSheetOpen());

    const double before = label()->m_ptValue.m_dX;
    const fw::CPoint grab = c.Device(label()->m_rect.CenterPoint());
    c.view->OnLButtonDown(0, grab);
    EXPECT_EQ(t->IsSelectedCurve(c.graph, 100), 1);
    EXPECT_EQ(t->IsSelectedCurve(c.graph, 0), 1);
    EXPECT_EQ(c.cb1->IsSelectedCurve(c.graph, 0), 0);
    c.Render();
    c.view->SetDragHook([&](QMimeData* data) {
        EXPECT_EQ(c.view->OnDragEnter(data, grab), Qt::MoveAction);
        EXPECT_TRUE(c.view->OnDrop(data, Qt::MoveAction, fw::CPoint(grab.x + 40, grab.y)));
        return Qt::MoveAction;
    });
    EXPECT_EQ(c.view->DoDragLabel(grab), Qt::MoveAction);
    EXPECT_GT(label()->m_ptValue.m_dX, before * 1.05);

    c.doc->OnEditUndo();
    CObjGraph* graph = c.doc->m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    CObjElement* restored = nullptr;
    for (CObjElement* e : c.doc->GetElementsOnGraph(graph))
        if (e->GetName() == "T1")
            restored = e;
    ASSERT_NE(restored, nullptr);
    const CObjRefV2* ref = tvtest::ModelOf<CEleTrans3>(restored)
                               .m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo)
                               ->m_listRefV2.GetAtIndex(0);
    ASSERT_NE(ref, nullptr);
    EXPECT_DOUBLE_EQ(ref->m_ptValue.m_dX, before);
}

// CB1's I2t curve (KVC-125S 100 A) on the graph its command makes: only
// the breaker's let-through list names that graph, yet the view finds the
// breaker there, draws the curve, picks and drags its label and deletes the
// curve, which takes the graph out of the list. CB1 stays on its
// co-ordination graph.
TEST(CoordinationView, LetThroughGraphShowsPicksDragsAndDeletesTheCurve) {
    Coordination c;
    REQUIRE_READY(c);
    for (auto& g : c.doc->m_listGroups) {
        const int32_t on = g->GetElement() == c.cb1 ? 1 : 0;
        g->SetSelected(on);
        g->GetElement()->SetSelect(on);
    }
    // The menu's enabling reads the curve of the breaker as it is now.
    ASSERT_TRUE(c.doc->IsSubModeCommandEnabled(tvid::ID_DISPLAY_I2T_CURVE));
    c.doc->OnSubModeCommand(tvid::ID_DISPLAY_I2T_CURVE);
    CObjGraph* graph = c.doc->m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    ASSERT_EQ(graph->m_nKind, CObjGraph::kLetThrough);
    ASSERT_NE(graph, c.graph);
    const uint32_t number = graph->m_nGraphNo;
    CEleLVCB& b = tvtest::ModelOf<CEleLVCB>(c.cb1);
    EXPECT_EQ(c.view->GetElementsOnGraph(graph), std::vector<CObjElement*>{c.cb1});
    c.cb1->SetSelectCurve(0);
    c.Render();
    ASSERT_GT(b.m_listI2tPoints.GetCount(), 2);
    const CGraphNo* entry = b.m_listGraphNoI2t.DoFindGraphNo(number);
    ASSERT_NE(entry, nullptr);
    CObjRefV2* label = entry->m_listRefV2.GetAtIndex(0);
    ASSERT_NE(label, nullptr);

    // A click on the label picks it and the curve; the skeleton follows.
    const fw::CPoint grab = c.Device(label->m_rect.CenterPoint());
    c.view->OnLButtonDown(0, grab);
    EXPECT_EQ(c.cb1->IsSelectedCurve(graph, 100), 1);
    EXPECT_EQ(c.cb1->IsSelectedCurve(graph, 0), 1);
    EXPECT_EQ(c.cb1->GetSelect(), 1);
    EXPECT_EQ(c.cb2->GetSelect(), 0);
    EXPECT_EQ(c.cb1->GetCurveRefV2(graph), label);
    // Drawn selected: red along the curve, halfway along its last segment
    // (its first points lie below the graph's 1e5 A2s).
    const QImage image = c.Render();
    CdPointList mapped;
    mapped.DoCopyAllPoints(b.m_listI2tPoints);
    graph->DoConvAllPoints(mapped);
    const CdPoint* end = mapped.GetAt(mapped.GetCount() - 1);
    const CdPoint* before = mapped.GetAt(mapped.GetCount() - 2);
    const fw::CPoint onCurve(static_cast<int>((end->m_dX + before->m_dX) / 2),
                             static_cast<int>((end->m_dY + before->m_dY) / 2));
    const fw::CRect& plot = graph->m_rectGraph;
    ASSERT_TRUE(onCurve.x > plot.left && onCurve.x < plot.right && onCurve.y > plot.top &&
                onCurve.y < plot.bottom);
    EXPECT_TRUE(NearColour(image, c.Device(onCurve), qRgb(255, 0, 0)));

    // The label dragged 40 pixels right stays there.
    const double placed = label->m_ptValue.m_dX;
    c.view->SetDragHook([&](QMimeData* data) {
        EXPECT_EQ(c.view->OnDragEnter(data, grab), Qt::MoveAction);
        EXPECT_TRUE(c.view->OnDrop(data, Qt::MoveAction, fw::CPoint(grab.x + 40, grab.y)));
        return Qt::MoveAction;
    });
    EXPECT_EQ(c.view->DoDragLabel(grab), Qt::MoveAction);
    EXPECT_GT(label->m_ptValue.m_dX, placed * 1.05);

    c.messages.Clear();
    c.view->OnDeleteCurves();
    ASSERT_EQ(c.messages.Count(), 1u);
    EXPECT_EQ(c.messages.Last().text, "Is this curve deleted?");
    EXPECT_EQ(b.m_listGraphNoI2t.DoFindGraphNo(number), nullptr);
    EXPECT_TRUE(c.view->GetElementsOnGraph(graph).empty());
    EXPECT_EQ(c.cb1->GetSelect(), 0);
    EXPECT_EQ(c.cb1->IsOnGraph(c.graph->m_nGraphNo), 1);
}

TEST(CoordinationView, VoltageListHoldsEachVoltageOnceInOrder) {
    Coordination c;
    REQUIRE_READY(c);
    CObjElement* cb3 = c.AddBreaker(10, 2, "CB3", 0xFF0000, 124);
    tvtest::ModelOf<CEleLVCB>(c.cb2).SetVoltage(230);
    cb3->AddToGraph(c.graph->m_nGraphNo, 0);
    EXPECT_EQ(c.view->DoFillVoltageCombo(c.graph, 0, 0), 230);
    QComboBox* box = c.view->GetVoltageBox();
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0).toStdString(), "230V");
    EXPECT_EQ(box->itemText(1).toStdString(), "400V");
    EXPECT_EQ(c.view->DoFillVoltageCombo(c.graph, 400, 0), 400);
    // Limiting and I2t graphs have none.
    c.graph->m_nKind = CObjGraph::kCurrentLimiting;
    EXPECT_EQ(c.view->DoFillVoltageCombo(c.graph, 400, 0), 0);
    EXPECT_EQ(box->count(), 0);
    EXPECT_FALSE(box->isEnabled());
}
