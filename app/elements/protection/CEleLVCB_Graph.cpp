// The low-voltage breaker's drawing on co-ordination graphs: its
// characteristics with their labels, its current markers and the
// short-circuit current line of its point; hit tests and selection.

#include "CEleLVCB.h"

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"
#include "framework/DeviceContext.h"

#include <ostream>
#include <vector>

namespace {

constexpr int kDxfLayer = 4;
// The current markers' lines are drawn through, as on the graph.
constexpr const char* kMarkerLineType = "CONTINUOUS";

bool IsComplete(const CObjAdjust* adjust) {
    return adjust && adjust->m_infoBase.IsOkSetCurveInfo() == 1;
}

} // namespace

void CEleLVCB::DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags, int32_t code) {
    DoSelectLetThrough(graph, value, flags, code);
    const uint32_t graphNo = graph ? graph->m_nGraphNo : 0;
    CObjAdjust* adjust = GetAdjust();
    CObjAdjust* second = m_nSecondAdjust == 1 ? GetSecondAdjust() : nullptr;
    switch (code) {
    case 0:
    case 100:
        if (adjust)
            adjust->DoSelectCurve(value, flags, graphNo, code);
        break;
    case 1:
    case 101:
        if (second)
            second->DoSelectCurve(value, flags, graphNo, code);
        break;
    case 200:
        if (IsCalcPoint() == 1) {
            // Without a graph both lines, the criterion's and the shock
            // point's, take the selection everywhere.
            const CCalcPoint* first = graph ? GetGraphPoint(graph) : GetCriterionPoint();
            const CCalcPoint* shock = graph ? nullptr : &m_calcPointShock;
            for (const CCalcPoint* p : {first, shock}) {
                if (p)
                    const_cast<CCalcPoint*>(p)->SetSelectMark(GetVoltage(), value, flags, graphNo,
                                                              IsSinglePhase());
            }
        }
        break;
    case 300:
        m_currentOwn.SetSelectLabel(CCurrent::kLabelCapacity, value, flags, graphNo);
        break;
    case 400:
        m_currentSelect.SetSelectLabel(CCurrent::kLabelCascade, value, flags, graphNo);
        m_currentSelect.SetSelectLabel(CCurrent::kLabelDiscrimination, value, flags, graphNo);
        break;
    default:
        break;
    }
}

CObjRefV2* CEleLVCB::GetCurveRefV2(const CObjGraph* graph) const {
    if (!graph)
        return nullptr;
    if (CObjRefV2* ref = GetLetThroughRefV2(graph))
        return ref;
    const uint32_t graphNo = graph->m_nGraphNo;
    if (const CObjAdjust* adjust = GetAdjust()) {
        if (CObjRefV2* ref = adjust->GetCurveRefV2(graphNo))
            return ref;
    }
    if (const CCalcPoint* point = GetGraphPoint(graph)) {
        if (CObjRefV2* ref = point->GetMarkRefV2(GetVoltage(), graphNo, IsSinglePhase()))
            return ref;
    }
    auto selectedPlacement = [graphNo](const CCurrent& marker, int label) -> CObjRefV2* {
        if (marker.IsSelectedLabel(label, graphNo) != 1)
            return nullptr;
        return marker.m_listGraphNo.DoFindGraphNo(graphNo)->m_listRefV2.GetAtIndex(0);
    };
    if (CObjRefV2* ref = selectedPlacement(m_currentOwn, CCurrent::kLabelCapacity))
        return ref;
    if (graph->m_nKind == CObjGraph::kCascade || graph->m_nKind == CObjGraph::kDiscrimination) {
        const int label = graph->m_nKind == CObjGraph::kCascade ? CCurrent::kLabelCascade
                                                                : CCurrent::kLabelDiscrimination;
        if (CObjRefV2* ref = selectedPlacement(m_currentSelect, label))
            return ref;
    }
    if (const CObjAdjust* second = GetSecondAdjust())
        return second->GetCurveRefV2(graphNo);
    return nullptr;
}

int32_t CEleLVCB::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) {
    if (!graph)
        return 0;
    if (IsHittedLetThrough(pDC, graph, point, code) == 1)
        return 1;
    const uint32_t graphNo = graph->m_nGraphNo;
    switch (code) {
    case 0:
    case 100:
        return GetAdjust() ? GetAdjust()->IsHittedCurve(pDC, point, graphNo, code) : 0;
    case 1:
    case 101:
        return m_nSecondAdjust == 1 && GetSecondAdjust()
                   ? GetSecondAdjust()->IsHittedCurve(pDC, point, graphNo, code)
                   : 0;
    case 200: {
        const CCalcPoint* p = GetGraphPoint(graph);
        return p ? p->IsHittedMark(GetVoltage(), point, graphNo, IsSinglePhase()) : 0;
    }
    case 300:
        return m_currentOwn.IsHittedLabel(CCurrent::kLabelCapacity, point, graphNo);
    case 400:
        if (graph->m_nKind == CObjGraph::kCascade)
            return m_currentSelect.IsHittedLabel(CCurrent::kLabelCascade, point, graphNo);
        if (graph->m_nKind == CObjGraph::kDiscrimination)
            return m_currentSelect.IsHittedLabel(CCurrent::kLabelDiscrimination, point, graphNo);
        return 0;
    default:
        return 0;
    }
}

void CEleLVCB::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) {
    CObjAdjust* adjust = GetAdjust();
    if (!pDC || !graph || !IsComplete(adjust))
        return;
    DoDrawLetThrough(pDC, graph);
    if (!(m_currentOwn.m_dIcu > 0.0))
        DoReadOwnCapacity();
    const double breaking = m_currentOwn.m_dIcu > 0.0 ? m_currentOwn.m_dIcu : 0.0;
    if (adjust->DoDrawCurve(pDC, fw::R2_COPYPEN, *graph, DoGetTextCurveLabel(*adjust), breaking) ==
        0)
        return;
    const uint32_t colour = static_cast<uint32_t>(adjust->m_infoLine.m_crColor);
    const int32_t selected = static_cast<int32_t>(adjust->m_nSelected);
    // The pair's labels show a result that holds, not a failed one, and only
    // while the upstream breaker it was worked out against is there.
    const bool valid = IsSelectionValid();
    const bool paired = settings.nMode >= 4 && valid && IsUpstreamInDocument(settings);
    if (m_currentSelect.m_nSelectedBy == CCurrent::kCascade && valid)
        m_currentOwn.DoDrawLabel(pDC, graph, CCurrent::kLabelCapacity, m_strName, colour, selected);
    if (paired && graph->m_nKind == CObjGraph::kCascade)
        m_currentSelect.DoDrawLabel(pDC, graph, CCurrent::kLabelCascade, m_strName, colour,
                                    selected);
    if (paired && graph->m_nKind == CObjGraph::kDiscrimination)
        m_currentSelect.DoDrawLabel(pDC, graph, CCurrent::kLabelDiscrimination, m_strName, colour,
                                    selected);
    if (settings.nMode >= 3 && graph->m_nKind == CObjGraph::kDisconnect && IsCalcPoint() == 1)
        DoDrawShockMarks(pDC, graph);
    if (settings.nMode >= 3 && graph->m_nKind != CObjGraph::kDisconnect && IsCalcPoint() == 1) {
        if (CCalcPoint* point = const_cast<CCalcPoint*>(GetCriterionPoint())) {
            if (IsSinglePhase() == 1)
                point->DoDrawIkSinglePhaseMarkShort(pDC, graph, m_strName, GetMarkOwner());
            else
                point->DoDrawIk3MarkShort(pDC, graph, m_strName, GetMarkOwner());
        }
    }
    CObjAdjust* second = GetSecondAdjust();
    if (m_nSecondAdjust == 1 && IsComplete(second))
        second->DoDrawCurve(pDC, fw::R2_COPYPEN, *graph, DoGetTextCurveLabel(*second), breaking);
}

void CEleLVCB::DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                             const CEleDocSettings& settings) {
    CObjAdjust* adjust = GetAdjust();
    if (!graph || !IsComplete(adjust))
        return;
    DoDXFOutLetThrough(file, graph);
    const double breaking = m_currentOwn.m_dIcu > 0.0 ? m_currentOwn.m_dIcu : 0.0;
    if (adjust->DoDXFOutCurve(file, kDxfLayer, *graph, DoGetTextCurveLabel(*adjust), breaking) == 0)
        return;
    // The same labels as the drawing, under the same conditions.
    const bool valid = IsSelectionValid();
    const bool paired = settings.nMode >= 4 && valid && IsUpstreamInDocument(settings);
    if (m_currentSelect.m_nSelectedBy == CCurrent::kCascade && valid)
        m_currentOwn.DoDXFOutLabel(file, kDxfLayer, graph, CCurrent::kLabelCapacity, m_strName,
                                   kMarkerLineType);
    if (paired && graph->m_nKind == CObjGraph::kCascade)
        m_currentSelect.DoDXFOutLabel(file, kDxfLayer, graph, CCurrent::kLabelCascade, m_strName,
                                      kMarkerLineType);
    if (paired && graph->m_nKind == CObjGraph::kDiscrimination)
        m_currentSelect.DoDXFOutLabel(file, kDxfLayer, graph, CCurrent::kLabelDiscrimination,
                                      m_strName, kMarkerLineType);
    if (settings.nMode >= 3 && IsCalcPoint() == 1 && graph->m_nKind != CObjGraph::kDisconnect) {
        if (CCalcPoint* point = const_cast<CCalcPoint*>(GetCriterionPoint()))
            point->DoDXFOutIk3MarkShort(file, kDxfLayer, graph, m_strName, GetMarkOwner());
    }
    if (settings.nMode >= 3 && IsCalcPoint() == 1 && graph->m_nKind == CObjGraph::kDisconnect)
        DoDXFOutShockMarks(file, graph);
    CObjAdjust* second = GetSecondAdjust();
    if (m_nSecondAdjust == 1 && IsComplete(second))
        second->DoDXFOutCurve(file, kDxfLayer, *graph, DoGetTextCurveLabel(*second), breaking);
}

namespace {

// The characteristics whose curve the graph shows, first then second: the
// gap-line labels are read off the polylines of their last drawing, which
// belong to this graph only while the curve stands on it.
std::vector<CObjAdjust*> GapCharacteristics(CObjAdjust* first, CObjAdjust* second,
                                            uint32_t secondFlag, uint32_t graphNo) {
    std::vector<CObjAdjust*> shown;
    for (CObjAdjust* adjust : {first, secondFlag == 1 ? second : nullptr}) {
        if (IsComplete(adjust) && adjust->m_listGraphNo.DoFindGraphNo(graphNo))
            shown.push_back(adjust);
    }
    return shown;
}

} // namespace

void CEleLVCB::DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                              const CEleInvalidate& invalidate) {
    if (!graph || !gapLine)
        return;
    for (CObjAdjust* adjust :
         GapCharacteristics(GetAdjust(), GetSecondAdjust(), m_nSecondAdjust, graph->m_nGraphNo))
        adjust->DoDrawGapValue(invalidate, pDC, *graph, *gapLine, (labels & 1) ? 1 : 0,
                               (labels & 2) ? 1 : 0);
}

int32_t CEleLVCB::DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                                int32_t running) {
    if (!pDC || !graph || !gapLine)
        return running;
    const int32_t timeFlag = gapLine->m_nMeasureTime == 1 ? 1 : 0;
    const int32_t currentFlag = gapLine->m_nMeasureCurrent == 1 ? 1 : 0;
    for (CObjAdjust* adjust :
         GapCharacteristics(GetAdjust(), GetSecondAdjust(), m_nSecondAdjust, graph->m_nGraphNo))
        running =
            flag == 1
                ? adjust->DoDrawGapTexts(pDC, *graph, *gapLine, timeFlag, currentFlag, running)
                : adjust->DoDrawGapLeaders(pDC, *graph, *gapLine, timeFlag, currentFlag, running);
    return running;
}

const CCalcPoint* CEleLVCB::GetGraphPoint(const CObjGraph* graph) const {
    if (graph && graph->m_nKind == CObjGraph::kDisconnect)
        return &m_calcPointShock;
    return GetCriterionPoint();
}

bool CEleLVCB::IsUpstreamInDocument(const CEleDocSettings& settings) const {
    return settings.hasElement &&
           settings.hasElement(m_currentSelect.m_nUpstreamKind, m_currentSelect.m_nUpstreamNumber);
}
