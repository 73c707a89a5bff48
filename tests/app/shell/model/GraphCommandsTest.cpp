// The document's commands on co-ordination graphs, on the model alone:
// create, add, set up and delete a graph, take curves off it, switch band
// and typical display, re-number; each one undo step with the modified flag
// and the views' hint, and no element left naming a graph that is gone.

#include "tests/app/TestNetwork.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/protection/CGraphNo.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using tvtest::ModelOf;

// The document with its views' side recorded: the hints asked for and the
// embedded items' updates.
class HintDoc : public CTovarineDocData {
public:
    void UpdateAllViews(int32_t hint, const fw::CObject*) override { hints.push_back(hint); }
    void UpdateAllItems() override { ++items; }
    void Forget() {
        hints.clear();
        items = 0;
        SetModifiedFlag(false);
    }
    std::vector<int32_t> hints;
    int items = 0;
};

class GraphCommands : public ::testing::Test {
protected:
    // A motor at 400 V: its curve needs nothing from a database.
    CObjElement* Motor(int col, int row, bool selected) {
        CObjElement* e = tvtest::Place(doc, kKindMotor, col, row);
        e->SetVoltage(400, 0);
        Select(e, selected);
        return e;
    }
    CObjGroup* GroupOf(const CObjElement* e) {
        for (auto& g : doc.m_listGroups)
            if (g->GetElement() == e)
                return g.get();
        return nullptr;
    }
    void Select(const CObjElement* e, bool on) {
        CObjGroup* g = GroupOf(e);
        ASSERT_NE(g, nullptr);
        g->SetSelected(on ? 1 : 0);
        g->GetElement()->SetSelect(on ? 1 : 0);
    }
    void SelectOnly(std::initializer_list<const CObjElement*> elements) {
        for (auto& g : doc.m_listGroups)
            g->SetSelected(0);
        for (const CObjElement* e : elements)
            Select(e, true);
    }
    // A graph made by the create command with the elements given selected.
    CObjGraph* Create(std::initializer_list<const CObjElement*> elements) {
        SelectOnly(elements);
        return doc.DoCoordCreate(nullptr);
    }
    std::vector<uint32_t> Numbers() const {
        std::vector<uint32_t> numbers;
        for (const auto& g : doc.m_listGraphs)
            numbers.push_back(g->m_nGraphNo);
        return numbers;
    }

    HintDoc doc;
};

TEST_F(GraphCommands, CreateIsOneUndoStepWithTheDefaultRanges) {
    CObjElement* a = Motor(2, 2, true);
    CObjElement* b = Motor(6, 2, true);
    Motor(10, 2, false);
    ASSERT_TRUE(doc.IsCreateGraphEnabled());
    fw::CRect area;
    CObjGraph* graph = doc.DoCoordCreate(&area);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph(), graph);
    EXPECT_EQ(graph->m_nGraphNo, 1u);
    EXPECT_EQ(graph->m_nKind, 0u);
    EXPECT_EQ(graph->m_strName, "Co-ordination1");
    EXPECT_EQ(graph->m_dCurrentMin, 10.0);
    EXPECT_EQ(graph->m_dCurrentMax, 100000.0);
    EXPECT_EQ(graph->m_dTimeMin, 0.01);
    EXPECT_EQ(graph->m_dTimeMax, 100000.0);
    EXPECT_EQ(doc.GetElementsOnGraph(graph), (std::vector<CObjElement*>{a, b}));
    // The union of the two motors' groups.
    fw::CRect expected = GroupOf(a)->m_rect;
    expected.right = GroupOf(b)->m_rect.right;
    EXPECT_EQ(area, expected);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{9});
    ASSERT_TRUE(doc.HasUndo());

    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_TRUE(doc.m_listGraphs.IsEmpty());
    EXPECT_EQ(doc.GetCounter(0), 0);
    for (auto& g : doc.m_listGroups)
        EXPECT_EQ(g->GetElement()->IsOnGraph(1), 0);
}

TEST_F(GraphCommands, CreateAndAddWaitForSomethingToShow) {
    CObjElement* m = Motor(2, 2, false);
    EXPECT_FALSE(doc.IsCreateGraphEnabled()); // nothing selected
    Select(m, true);
    EXPECT_TRUE(doc.IsCreateGraphEnabled());
    // A load has no curve.
    Select(m, false);
    Select(tvtest::Place(doc, kKindLoad, 6, 2), true);
    EXPECT_FALSE(doc.IsCreateGraphEnabled());
    EXPECT_FALSE(doc.IsAddToGraphEnabled()); // no graph
    EXPECT_FALSE(doc.DoCoordAdd());
    EXPECT_FALSE(doc.HasUndo());
    EXPECT_TRUE(doc.hints.empty());
}

TEST_F(GraphCommands, AddPutsTheSelectedElementsOnTheCurrentGraph) {
    CObjElement* a = Motor(2, 2, true);
    CObjElement* b = Motor(6, 2, false);
    CObjGraph* graph = Create({a});
    SelectOnly({a});
    EXPECT_FALSE(doc.IsAddToGraphEnabled()); // a is on it already
    SelectOnly({a, b});
    EXPECT_TRUE(doc.IsAddToGraphEnabled());
    doc.Forget();
    ASSERT_TRUE(doc.DoCoordAdd());
    EXPECT_EQ(doc.GetElementsOnGraph(graph), (std::vector<CObjElement*>{a, b}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{12});
    ASSERT_TRUE(doc.DoRestoreUndo());
    graph = doc.m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(doc.GetElementsOnGraph(graph).size(), 1u);
}

TEST_F(GraphCommands, LetThroughGraphsTakeNoElements) {
    // Trip curves have no place on the axes of a current-limiting or I2t
    // graph: the command refuses even when invoked against its enabling.
    CObjElement* m = Motor(2, 2, true);
    for (uint32_t kind : {CObjGraph::kCurrentLimiting, CObjGraph::kLetThrough}) {
        SCOPED_TRACE(kind);
        CObjGraph* graph = doc.m_listGraphs.DoAddNewGraph(
            static_cast<uint32_t>(doc.IncrementCounter(0)), kind, 1000.0, 1e6, 1000.0, 1e6);
        doc.Forget();
        EXPECT_FALSE(doc.IsAddToGraphEnabled());
        EXPECT_FALSE(doc.DoCoordAdd());
        EXPECT_EQ(m->IsOnGraph(graph->m_nGraphNo), 0);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_TRUE(doc.hints.empty());
    }
}

struct LayoutCase {
    int32_t zoom;
    fw::CRect plot;
};

TEST_F(GraphCommands, SetupKeepsTheRangesForTheNextGraphAndLaysTheGraphOut) {
    CObjElement* m = Motor(2, 2, true);
    // 1 to 10000 A and 0.1 to 1000 s: four decades on each axis. In the
    // frame (100000 / zoom, 60000 / zoom, 9500, 9800):
    //  zoom 100: time decade trunc((9800 - 600) / 4) = 2300; current decade
    //   trunc(8500 / 4) = 2125, widened trunc(2125 x 13 / 10) = 2762; plot
    //   right 1000 + 4 x 2762 = 12048, bottom 600 + 4 x 2300 = 9800.
    //  zoom 50: frame (2000, 1200): time trunc(8600 / 4) = 2150; current
    //   trunc(7500 / 4) = 1875 -> 2437; right 2000 + 9748 = 11748, bottom
    //   1200 + 8600 = 9800.
    //  zoom 200: frame (500, 300): time 2375; current trunc(9000 / 4) =
    //   2250 -> 2925; right 500 + 11700 = 12200, bottom 300 + 9500 = 9800.
    const LayoutCase cases[] = {{100, fw::CRect(1000, 600, 12048, 9800)},
                                {50, fw::CRect(2000, 1200, 11748, 9800)},
                                {200, fw::CRect(500, 300, 12200, 9800)}};
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.zoom);
        CObjGraph* graph = Create({m});
        graph->m_nZoom = c.zoom;
        doc.Forget();
        ASSERT_TRUE(doc.DoCoordSetup("Main", 1.0, 10000.0, 0.1, 1000.0));
        EXPECT_EQ(graph->m_strName, "Main");
        EXPECT_EQ(graph->m_dCurrentMin, 1.0);
        EXPECT_EQ(graph->m_dCurrentMax, 10000.0);
        EXPECT_EQ(graph->m_dTimeMin, 0.1);
        EXPECT_EQ(graph->m_dTimeMax, 1000.0);
        EXPECT_EQ(graph->m_rectGraph, c.plot);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.hints, std::vector<int32_t>{10});
        // The next "Create a co-ordination" starts with these ranges.
        CObjGraph* next = Create({m});
        EXPECT_EQ(next->m_dCurrentMin, 1.0);
        EXPECT_EQ(next->m_dCurrentMax, 10000.0);
        EXPECT_EQ(next->m_dTimeMin, 0.1);
        EXPECT_EQ(next->m_dTimeMax, 1000.0);
    }
}

TEST_F(GraphCommands, SetupIsUndoneWithTheDefaultRanges) {
    CObjElement* m = Motor(2, 2, true);
    Create({m});
    ASSERT_TRUE(doc.DoCoordSetup("Main", 1.0, 10000.0, 0.1, 1000.0));
    ASSERT_TRUE(doc.DoRestoreUndo());
    const CObjGraph* graph = doc.m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->m_strName, "Co-ordination1");
    EXPECT_EQ(graph->m_dCurrentMin, 10.0);
    EXPECT_EQ(doc.m_dCurrentFrom, 10.0);
    EXPECT_EQ(doc.m_dCurrentTo, 100000.0);
    EXPECT_EQ(doc.m_dTimeFrom, 0.01);
    EXPECT_EQ(doc.m_dTimeTo, 100000.0);
}

struct BadRanges {
    const char* what;
    double currentMin, currentMax, timeMin, timeMax;
};

TEST_F(GraphCommands, SetupRefusesRangesThatCannotLayAGraphOut) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const BadRanges cases[] = {{"equal current bounds", 10.0, 10.0, 0.01, 100.0},
                               {"falling time axis", 10.0, 1000.0, 100.0, 0.01},
                               {"current minimum 0", 0.0, 1000.0, 0.01, 100.0},
                               {"negative time minimum", 10.0, 1000.0, -1.0, 100.0},
                               {"not a number", nan, 1000.0, 0.01, 100.0},
                               {"infinite maximum", 10.0, 1000.0, 0.01, inf}};
    Motor(2, 2, true);
    // Made without the command: no undo snapshot to begin with.
    CObjGraph* graph = doc.DoCreateGraph();
    const fw::CRect plot = graph->m_rectGraph;
    for (const BadRanges& c : cases) {
        SCOPED_TRACE(c.what);
        doc.Forget();
        EXPECT_FALSE(doc.DoCoordSetup("X", c.currentMin, c.currentMax, c.timeMin, c.timeMax));
        EXPECT_FALSE(doc.HasUndo());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_TRUE(doc.hints.empty());
        graph = doc.m_listGraphs.GetCurrentGraph();
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->m_strName, "Co-ordination1");
        EXPECT_EQ(graph->m_rectGraph, plot);
        EXPECT_EQ(doc.m_dCurrentFrom, 10.0);
    }
}

TEST_F(GraphCommands, DeletingMakesTheFollowingGraphCurrent) {
    CObjElement* a = Motor(2, 2, true);
    CObjElement* b = Motor(6, 2, true);
    Create({a});
    Create({a, b});
    Create({b});
    ASSERT_EQ(Numbers(), (std::vector<uint32_t>{1, 2, 3}));
    // The middle one current.
    for (auto& g : doc.m_listGraphs)
        g->m_nCurrent = g->m_nGraphNo == 2 ? 1 : 0;
    doc.Forget();
    ASSERT_TRUE(doc.DoCoordDelete());
    EXPECT_EQ(Numbers(), (std::vector<uint32_t>{1, 3}));
    ASSERT_NE(doc.m_listGraphs.GetCurrentGraph(), nullptr);
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph()->m_nGraphNo, 3u);
    EXPECT_EQ(a->IsOnGraph(2), 0);
    EXPECT_EQ(b->IsOnGraph(2), 0);
    EXPECT_EQ(a->IsOnGraph(1), 1);
    EXPECT_EQ(b->IsOnGraph(3), 1);
    // The skeleton's selection follows the deleted graph's curves: none.
    EXPECT_EQ(GroupOf(a)->GetSelected(), 0);
    EXPECT_EQ(GroupOf(b)->GetSelected(), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{11});
    EXPECT_EQ(doc.items, 1);
    // Numbers are not given again: the next graph is 4.
    SelectOnly({a});
    EXPECT_EQ(Create({a})->m_nGraphNo, 4u);

    // Undo brings graph 2 back, current, with its elements.
    doc.m_listGraphs.GetCurrentGraph()->m_nCurrent = 0;
    for (auto& g : doc.m_listGraphs)
        g->m_nCurrent = g->m_nGraphNo == 3 ? 1 : 0;
    ASSERT_TRUE(doc.DoCoordDelete());
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(Numbers(), (std::vector<uint32_t>{1, 3, 4}));
}

TEST_F(GraphCommands, DeletingTheOnlyGraphLeavesNoCurrentGraph) {
    CObjElement* a = Motor(2, 2, true);
    Create({a});
    ASSERT_TRUE(doc.DoCoordDelete());
    EXPECT_TRUE(doc.m_listGraphs.IsEmpty());
    EXPECT_EQ(doc.m_listGraphs.GetCurrentGraph(), nullptr);
    EXPECT_EQ(a->IsOnGraph(1), 0);
    doc.Forget();
    EXPECT_FALSE(doc.DoCoordDelete());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.hints.empty());
}

// Every graph-number list of a low-voltage breaker that can name a graph.
std::vector<const CGraphNoList*> ListsOf(const CEleLVCB& b) {
    std::vector<const CGraphNoList*> lists = {&b.m_calcPoint.m_listGraphNo,
                                              &b.m_calcPoint2.m_listGraphNo,
                                              &b.m_currentOwn.m_listGraphNo,
                                              &b.m_currentSelect.m_listGraphNo,
                                              &b.m_listGraphNoLimit,
                                              &b.m_listGraphNoI2t,
                                              &b.m_calcPointShock.m_listGraphNo};
    for (const auto& adjust : b.m_listAdjust)
        lists.push_back(&adjust->m_listGraphNo);
    return lists;
}

int CountNamed(const CEleLVCB& b, uint32_t graphNo) {
    int n = 0;
    for (const CGraphNoList* list : ListsOf(b))
        for (const auto& entry : *list)
            n += entry->GetGraphNo() == graphNo ? 1 : 0;
    return n;
}

TEST_F(GraphCommands, NoElementNamesADeletedGraph) {
    // A breaker on a discrimination graph (2) keeps its characteristic, its
    // points' current lines and both markers there; it also has its own
    // current-limiting graph (3) and I2t graph (4), which it records in
    // lists of their own. Graph 5 holds it too and must keep it.
    CObjElement* e = tvtest::Place(doc, kKindLVCB, 2, 2);
    auto& b = ModelOf<CEleLVCB>(e);
    if (!b.GetAdjust())
        b.DoAddNewObjAdjust();
    doc.SetCounter(0, 1);
    for (uint32_t kind : {CObjGraph::kDiscrimination, CObjGraph::kCurrentLimiting,
                          CObjGraph::kLetThrough, CObjGraph::kCoordination}) {
        const auto number = static_cast<uint32_t>(doc.IncrementCounter(0));
        doc.m_listGraphs.DoAddNewGraph(number, kind, 10.0, 1000.0, 0.01, 100.0);
    }
    b.AddToGraph(2, 0, CObjGraph::kDiscrimination);
    b.m_listGraphNoLimit.DoAddNewGraphNo()->DoSetGraphNo(3, 1);
    b.m_listGraphNoI2t.DoAddNewGraphNo()->DoSetGraphNo(4, 1);
    b.AddToGraph(5, 0, CObjGraph::kCascade);
    ASSERT_EQ(CountNamed(b, 2), 5); // characteristic, two points, two markers
    ASSERT_EQ(CountNamed(b, 5), 5);

    for (uint32_t number : {2u, 3u, 4u}) {
        SCOPED_TRACE(number);
        for (auto& g : doc.m_listGraphs)
            g->m_nCurrent = g->m_nGraphNo == number ? 1 : 0;
        ASSERT_TRUE(doc.DoCoordDelete());
        EXPECT_EQ(CountNamed(b, number), 0);
        EXPECT_EQ(CountNamed(b, 5), 5);
    }
    EXPECT_EQ(Numbers(), std::vector<uint32_t>{5});
}

TEST_F(GraphCommands, AGraphNumberedZeroTakesNoOtherGraphsRegistrations) {
    // A damaged file can hold a graph without a number; deleting number 0
    // from a graph-number list would delete every entry of it.
    CObjElement* a = Motor(2, 2, true);
    Create({a});
    Create({a});
    CObjGraph* zero = doc.m_listGraphs.DoAddNewGraph(0, 0, 10.0, 1000.0, 0.01, 100.0);
    ASSERT_EQ(doc.m_listGraphs.GetCurrentGraph(), zero);
    ASSERT_TRUE(doc.DoCoordDelete());
    EXPECT_EQ(a->IsOnGraph(1), 1);
    EXPECT_EQ(a->IsOnGraph(2), 1);
    EXPECT_EQ(ModelOf<CEleMotor>(a).m_listGraphNo.GetCount(), 2);
}

TEST_F(GraphCommands, SelectedCurvesLeaveTheGraphAndComeBackWithUndo) {
    CObjElement* a = Motor(2, 2, true);
    CObjElement* b = Motor(6, 2, true);
    CObjGraph* graph = Create({a, b});
    a->SetSelectCurve(1);
    b->SetSelectCurve(0);
    doc.SaveUndo();
    EXPECT_EQ(doc.DoRemoveSelectedCurves(*graph), 1);
    EXPECT_EQ(a->IsOnGraph(graph->m_nGraphNo), 0);
    EXPECT_EQ(b->IsOnGraph(graph->m_nGraphNo), 1);
    // Taken off, its curve is no longer selected anywhere.
    EXPECT_EQ(a->IsSelectedCurve(graph, 0), 0);
    ASSERT_TRUE(doc.DoRestoreUndo());
    graph = doc.m_listGraphs.GetCurrentGraph();
    EXPECT_EQ(doc.GetElementsOnGraph(graph).size(), 2u);
}

TEST_F(GraphCommands, BandAndTypicalGoesToEveryCurveOnTheGraph) {
    CObjElement* a = tvtest::Place(doc, kKindLVCB, 2, 2);
    CObjElement* b = tvtest::Place(doc, kKindLVCB, 6, 2);
    CObjElement* off = tvtest::Place(doc, kKindLVCB, 10, 2);
    for (CObjElement* e : {a, b, off}) {
        auto& model = ModelOf<CEleLVCB>(e);
        if (!model.GetAdjust())
            model.DoAddNewObjAdjust();
        model.GetAdjust()->m_infoLine.m_nBandFlag = 1;
    }
    CObjGraph* graph = doc.m_listGraphs.DoAddNewGraph(1, 0, 10.0, 1000.0, 0.01, 100.0);
    ModelOf<CEleLVCB>(a).AddToGraph(1, 0);
    ModelOf<CEleLVCB>(b).AddToGraph(1, 0);
    ASSERT_EQ(graph->m_nBand, 1);
    doc.DoToggleBand(*graph);
    EXPECT_EQ(graph->m_nBand, 0);
    EXPECT_EQ(ModelOf<CEleLVCB>(a).GetAdjust()->m_infoLine.m_nBandFlag, 0);
    EXPECT_EQ(ModelOf<CEleLVCB>(b).GetAdjust()->m_infoLine.m_nBandFlag, 0);
    EXPECT_EQ(ModelOf<CEleLVCB>(off).GetAdjust()->m_infoLine.m_nBandFlag, 1);
    doc.DoToggleBand(*graph);
    EXPECT_EQ(graph->m_nBand, 1);
    EXPECT_EQ(ModelOf<CEleLVCB>(a).GetAdjust()->m_infoLine.m_nBandFlag, 1);
}

TEST_F(GraphCommands, RenumberingNamesInDrawingOrder) {
    // Placed right to left, then numbered row by row, left to right.
    CObjElement* right = Motor(9, 2, false);
    CObjElement* left = Motor(2, 2, false);
    CObjElement* below = Motor(2, 6, false);
    right->DoInitNewElement(doc);
    left->DoInitNewElement(doc);
    below->DoInitNewElement(doc);
    ASSERT_EQ(right->GetName(), "M1");
    doc.Forget();
    doc.DoRenumberCommand();
    EXPECT_EQ(left->GetName(), "M1");
    EXPECT_EQ(right->GetName(), "M2");
    EXPECT_EQ(below->GetName(), "M3");
    EXPECT_EQ(doc.GetCounter(kKindMotor), 3);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.hints, std::vector<int32_t>{7});
    EXPECT_EQ(doc.items, 1);
    ASSERT_TRUE(doc.DoRestoreUndo());
}

} // namespace
