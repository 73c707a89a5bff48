// "Add to co-ordination" puts the selected elements on the current graph
// with the graph's kind: a low-voltage breaker added to a cascade or
// discrimination graph that way shows its current markers there, as one put
// there by the cascade or discrimination command does.

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CCurrent.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A breaker whose selection is complete enough for a curve, with its own
// breaking capacity known and a pair result of the given kind.
CEleLVCB& PlaceBreaker(CTovarineDocData& doc, uint32_t selectedBy) {
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    group->SetElement(std::make_unique<CObjElement>(kKindLVCB));
    group->SetSelected(1);
    auto& breaker = *static_cast<CEleLVCB*>(group->GetElement()->GetElement());
    breaker.m_strName = "CB1";
    CInfoBase& info = breaker.GetAdjust()->m_infoBase;
    info.m_nVoltage = 400;
    info.m_lManufactureID = 1;
    info.m_lGroupID = 1;
    info.m_nKindFlag = 2;
    info.m_nLVCBCode = 10;
    info.m_lTypeID = 1;
    info.m_lOpeKindID = 1;
    info.m_lBreakRatedID = 1;
    info.m_dRatedValue = 100.0;
    breaker.m_currentOwn.m_dIcu = 25000.0;
    CCurrent& pair = breaker.m_currentSelect;
    pair.m_nSelectedBy = selectedBy;
    pair.m_nUpstreamKind = kKindLVCB;
    pair.m_nUpstreamNumber = 7;
    if (selectedBy == CCurrent::kCascade) {
        pair.m_dIcuBack = 30000.0; // above the point's current (none: criterion 0)
    } else {
        pair.m_nResult = 1;
        pair.m_dIs = 5000.0;
    }
    return breaker;
}

// The upstream breaker the pair result names, CB7, unselected.
void PlaceUpstream(CTovarineDocData& doc) {
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    group->SetElement(std::make_unique<CObjElement>(kKindLVCB));
    auto& upstream = *static_cast<CEleLVCB*>(group->GetElement()->GetElement());
    upstream.m_strName = "CB7";
    upstream.m_nNumber = 7;
}

TEST(GraphAdd, ABreakerAddedToAPairGraphShowsItsMarkers) {
    struct Case {
        uint32_t graphKind;
        uint32_t selectedBy;
        int ownLabel; // -1: the own marker has no label on this graph
        int pairLabel;
    };
    const Case cases[] = {
        {CObjGraph::kCascade, CCurrent::kCascade, CCurrent::kLabelCapacity,
         CCurrent::kLabelCascade},
        {CObjGraph::kDiscrimination, CCurrent::kTable, -1, CCurrent::kLabelDiscrimination},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.graphKind);
        CTovarineDocData doc;
        CEleLVCB& breaker = PlaceBreaker(doc, c.selectedBy);
        PlaceUpstream(doc);
        CObjGraph* graph =
            doc.m_listGraphs.DoAddNewGraph(4, c.graphKind, 1.0, 100000.0, 0.01, 10000.0);
        graph->m_nStdVoltage = 400;
        ASSERT_EQ(doc.DoAddSelectedToGraph(), 1);
        ASSERT_EQ(breaker.IsOnGraph(4), 1);

        fw::CRecordingDC dc;
        CEleDocSettings settings = doc.GetEleSettings();
        settings.nMode = 6; // after the pair selections
        CObjElement* element = doc.m_listGroups.GetHead()->GetElement();
        element->DoDrawCurve(&dc, graph, settings);
        EXPECT_EQ(breaker.m_currentSelect.IsShownLabel(c.pairLabel, 4), 1);
        if (c.ownLabel >= 0) {
            EXPECT_EQ(breaker.m_currentOwn.IsShownLabel(c.ownLabel, 4), 1);
        }
    }
}

// The document answers whether the upstream breaker is still there: once
// CB7 is deleted, the Icu-back label is drawn no more (the own Icu label
// stays).
TEST(GraphAdd, TheCascadeLabelGoesWithTheUpstreamBreaker) {
    CTovarineDocData doc;
    CEleLVCB& breaker = PlaceBreaker(doc, CCurrent::kCascade);
    PlaceUpstream(doc);
    CObjGraph* graph =
        doc.m_listGraphs.DoAddNewGraph(4, CObjGraph::kCascade, 1.0, 100000.0, 0.01, 10000.0);
    graph->m_nStdVoltage = 400;
    breaker.AddToGraph(4, 0, CObjGraph::kCascade);
    auto drawnTexts = [&]() {
        fw::CRecordingDC dc;
        CEleDocSettings settings = doc.GetEleSettings();
        settings.nMode = 5;
        doc.m_listGroups.GetHead()->GetElement()->DoDrawCurve(&dc, graph, settings);
        std::vector<std::string> texts;
        for (const fw::CDrawRecord& r : dc.Records())
            if (r.kind == fw::CDrawRecord::Text)
                texts.push_back(r.text);
        return texts;
    };
    auto has = [](const std::vector<std::string>& texts, const char* text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    std::vector<std::string> texts = drawnTexts();
    EXPECT_TRUE(has(texts, "Icu-back"));
    EXPECT_TRUE(has(texts, "Icu"));
    doc.m_listGroups.RemoveTail();
    texts = drawnTexts();
    EXPECT_FALSE(has(texts, "Icu-back"));
    EXPECT_TRUE(has(texts, "Icu"));
}

TEST(GraphAdd, ACoordinationGraphTakesNoMarkers) {
    CTovarineDocData doc;
    CEleLVCB& breaker = PlaceBreaker(doc, CCurrent::kCascade);
    doc.m_listGraphs.DoAddNewGraph(2, CObjGraph::kCoordination, 1.0, 100000.0, 0.01, 10000.0);
    ASSERT_EQ(doc.DoAddSelectedToGraph(), 1);
    EXPECT_EQ(breaker.IsOnGraph(2), 1);
    EXPECT_EQ(breaker.m_currentOwn.m_listGraphNo.DoFindGraphNo(2), nullptr);
    EXPECT_EQ(breaker.m_currentSelect.m_listGraphNo.DoFindGraphNo(2), nullptr);
}

} // namespace
