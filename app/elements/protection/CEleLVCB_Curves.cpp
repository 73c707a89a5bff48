// The low-voltage breaker on co-ordination graphs: its characteristics, its
// current markers and the short-circuit current line of its point.

#include "CEleLVCB.h"

#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CTVFont.h"
#include "app/records/ElementKinds.h"
#include "framework/DeviceContext.h"

namespace {

constexpr int kLabelFont = 200;

// The changes of a setting on a graph: a rating chosen from the list or
// stepped, a dial character (its element may or may not act when locked)
// and a lock.
constexpr int32_t kChangeRatedList = 15;
constexpr int32_t kChangeRatedStep = 16;
constexpr int32_t kChangeCharacter = 17;
constexpr int32_t kChangeLock = 18;

bool IsComplete(const CObjAdjust* adjust) {
    return adjust && adjust->m_infoBase.IsOkSetCurveInfo() == 1;
}

// A characteristic the graph lists computed again and its label placed
// beside the curve's new head, measured in the graph's label font, as the
// drawing places it.
void DoPlaceLabel(fw::CDC* pDC, const CObjGraph& graph, CObjAdjust& adjust,
                  const std::string& label, double breaking) {
    CGraphNo* entry = adjust.m_listGraphNo.DoFindGraphNo(graph.m_nGraphNo);
    if (!entry || !IsComplete(&adjust))
        return;
    adjust.DoCalcCurve(0);
    const fw::CPoint anchor = adjust.DoMakeAdjustCurve(graph, breaking);
    if (!pDC)
        return;
    CTVFont font(pDC, kLabelFont, graph.m_nPrintMode);
    const fw::CSize size = font.DoGetTextExtent(label);
    curvelabel::DoMove(entry->m_listRefV2, 0, anchor.x, anchor.y, size.cx, size.cy, graph);
}

} // namespace

std::string CEleLVCB::DoGetTextCurveLabel(const CObjAdjust& adjust) const {
    return m_strName + "\r\n" + adjust.m_infoBase.m_strTypeName + "\r\n" +
           protecttexts::RatedDialText(adjust, 1) + adjust.DoGetAdjustSettingText();
}

void CEleLVCB::DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) {
    CObjAdjust* adjust = GetAdjust();
    if (!graph || !adjust)
        return;
    // Whether the locked instantaneous element's capacity row applies may
    // have changed.
    if (change.nCode == kChangeCharacter || change.nCode == kChangeLock)
        DoReadOwnCapacity();
    // A cascade or discrimination result was worked out against the old
    // setting.
    if (change.clearUpstreamMarkers)
        change.clearUpstreamMarkers(static_cast<uint32_t>(kKindLVCB), m_nNumber);
    if (!(m_currentOwn.m_dIcu > 0.0))
        DoReadOwnCapacity();
    // Cut where the drawing cuts, so that the label stands where the next
    // paint puts it.
    const double breaking = m_currentOwn.m_dIcu > 0.0 ? m_currentOwn.m_dIcu : 0.0;
    DoPlaceLabel(pDC, *graph, *adjust, DoGetTextCurveLabel(*adjust), breaking);
    if (CObjAdjust* second = GetSecondAdjust()) {
        // Another rating of the product: the second characteristic follows
        // the first, its reference data read again for the new settings.
        if (change.nCode == kChangeRatedList) {
            second->m_infoBase = adjust->m_infoBase;
            second->m_listInfoPart.DoCopyAllInfoParts(adjust->m_listInfoPart);
            second->m_infoLine = adjust->m_infoLine;
            second->m_listReadPart.DoDeleteAllReadParts();
        }
        DoPlaceLabel(pDC, *graph, *second, DoGetTextCurveLabel(*second), breaking);
    }
    // The let-through curves belong to the rating: read again on the graphs
    // that show them, and after a new rating wherever it was chosen, so that
    // those graphs do not keep drawing the old rating's curves.
    if (m_listGraphNoLimit.DoFindGraphNo(graph->m_nGraphNo) ||
        m_listGraphNoI2t.DoFindGraphNo(graph->m_nGraphNo) || change.nCode == kChangeRatedList ||
        change.nCode == kChangeRatedStep) {
        DoReadLimitCurve();
        DoReadI2tCurve();
    }
    if (m_nShockCheck == 1) {
        DoCalcShockTripCurrent();
        if (change.redrawAllViews)
            change.redrawAllViews();
    }
}

const CCalcPoint* CEleLVCB::GetCriterionPoint() const {
    if (m_nCriterion == kByIcs || m_nCriterion == kByIcu)
        return &m_calcPoint;
    if (m_nCriterion == kAtSecondPoint)
        return &m_calcPoint2;
    return nullptr;
}

CMarkOwner CEleLVCB::GetMarkOwner() const {
    CMarkOwner owner;
    owner.nVoltage = GetVoltage();
    if (const CObjAdjust* adjust = GetAdjust()) {
        owner.line = adjust->m_infoLine;
        owner.nSelected = static_cast<int32_t>(adjust->m_nSelected);
    }
    return owner;
}

void CEleLVCB::DoCalcCurve(int32_t) {
    CObjAdjust* adjust = GetAdjust();
    if (!IsComplete(adjust))
        return;
    adjust->DoCalcCurve(0);
    if (adjust->m_infoBase.m_nLVCBCode == 30) {
        if (CObjAdjust* second = GetSecondAdjust())
            second->DoCalcCurve(0);
    }
}

int32_t CEleLVCB::IsOnGraph(uint32_t graphNo) const {
    const CObjAdjust* adjust = GetAdjust();
    if (adjust && adjust->m_listGraphNo.DoFindGraphNo(graphNo))
        return 1;
    return IsOnLetThroughGraph(graphNo);
}

int32_t CEleLVCB::IsAddableToGraph(uint32_t graphNo) const {
    return IsComplete(GetAdjust()) && IsOnGraph(graphNo) == 0 && graphNo != 0 ? 1 : 0;
}

void CEleLVCB::AddToGraph(uint32_t graphNo, int32_t selected) {
    AddToGraph(graphNo, selected, CObjGraph::kCoordination);
}

void CEleLVCB::AddToGraph(uint32_t graphNo, int32_t selected, uint32_t graphKind) {
    CObjAdjust* adjust = GetAdjust();
    if (!adjust || graphNo == 0)
        return;
    if (!adjust->m_listGraphNo.DoFindGraphNo(graphNo)) {
        adjust->m_nSelected = static_cast<uint32_t>(selected);
        adjust->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
        for (CCalcPoint* point : {&m_calcPoint, &m_calcPoint2}) {
            if (!point->m_listGraphNo.DoFindGraphNo(graphNo))
                point->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
        }
        if (graphKind == CObjGraph::kCascade || graphKind == CObjGraph::kDiscrimination) {
            m_currentOwn.AddToGraph(graphNo);
            m_currentSelect.AddToGraph(graphNo);
        }
        // The electric-shock graph labels the earth-fault line at the shock
        // point.
        if (graphKind == CObjGraph::kDisconnect &&
            !m_calcPointShock.m_listGraphNo.DoFindGraphNo(graphNo))
            m_calcPointShock.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
    }
    CObjAdjust* second = GetSecondAdjust();
    if (second && !second->m_listGraphNo.DoFindGraphNo(graphNo)) {
        second->m_nSelected = static_cast<uint32_t>(selected);
        second->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
    }
}

void CEleLVCB::RemoveFromGraph(uint32_t graphNo) {
    RemoveFromGraph(graphNo, 1);
}

void CEleLVCB::RemoveFromGraph(uint32_t graphNo, int32_t force) {
    CObjAdjust* adjust = GetAdjust();
    if (adjust) {
        if (adjust->m_nSelected == 1 || force == 1) {
            int32_t removed = adjust->m_listGraphNo.DoDeleteGraphNo(graphNo);
            if (RemoveLetThroughFromGraph(graphNo) == 1)
                removed = 1;
            if (removed == 1)
                adjust->m_nSelected = 0;
            m_calcPoint.m_listGraphNo.DoDeleteGraphNo(graphNo);
            m_calcPoint2.m_listGraphNo.DoDeleteGraphNo(graphNo);
            m_calcPointShock.m_listGraphNo.DoDeleteGraphNo(graphNo);
            m_currentOwn.RemoveFromGraph(graphNo);
            // The selection marker's label goes with the curve: left behind,
            // it would come back at its old place, perhaps still selected,
            // when the breaker is put on the graph again.
            m_currentSelect.RemoveFromGraph(graphNo);
        } else {
            m_currentSelect.RemoveFromGraph(graphNo);
        }
    }
    CObjAdjust* second = GetSecondAdjust();
    if (second && (second->m_nSelected == 1 || force == 1)) {
        second->m_listGraphNo.DoDeleteGraphNo(graphNo);
        second->m_nSelected = 0;
    }
}

void CEleLVCB::DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                                 const CEleInvalidate& invalidate) {
    if (!graph)
        return;
    DoInvalidateLetThrough(graph, code, invalidate);
    const CObjAdjust* adjust = nullptr;
    if (code == 0 || code == 100)
        adjust = GetAdjust();
    else if ((code == 1 || code == 101) && m_nSecondAdjust == 1)
        adjust = GetSecondAdjust();
    if (adjust)
        adjust->DoInvalidateCurve(invalidate, pDC, graph->m_nGraphNo, code);
}

void CEleLVCB::GetGraphNoLists(std::vector<CGraphNoList*>& lists) {
    for (auto& adjust : m_listAdjust)
        lists.push_back(&adjust->m_listGraphNo);
}

void CEleLVCB::SetSelectCurve(int32_t value) {
    if (CObjAdjust* adjust = GetAdjust())
        adjust->m_nSelected = static_cast<uint32_t>(value);
}

void CEleLVCB::SetCurveBand(int32_t band) {
    for (auto& adjust : m_listAdjust)
        adjust->m_infoLine.m_nBandFlag = band;
}

int32_t CEleLVCB::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    // On a let-through graph the breaker shows that curve and its label alone.
    if (code != 0 && GetLetThroughEntry(graph))
        return code == 100 ? IsSelectedLetThroughLabel(graph) : 0;
    const uint32_t graphNo = graph ? graph->m_nGraphNo : 0;
    const CObjAdjust* adjust = GetAdjust();
    const CObjAdjust* second = m_nSecondAdjust == 1 ? GetSecondAdjust() : nullptr;
    switch (code) {
    case 0:
        return adjust ? static_cast<int32_t>(adjust->m_nSelected) : 0;
    case 1:
        return second ? static_cast<int32_t>(second->m_nSelected) : 0;
    case 100:
    case 101: {
        const CObjAdjust* a = code == 100 ? adjust : second;
        const CGraphNo* entry = a ? a->m_listGraphNo.DoFindGraphNo(graphNo) : nullptr;
        return entry ? entry->m_listRefV2.IsSelected(0) : 0;
    }
    case 200: {
        const CCalcPoint* point = GetGraphPoint(graph);
        return point ? point->IsSelectedMark(GetVoltage(), graphNo, IsSinglePhase()) : 0;
    }
    case 300:
        if (!graph || graph->m_nKind != CObjGraph::kCascade ||
            m_currentSelect.m_nSelectedBy != CCurrent::kCascade)
            return 0;
        return m_currentOwn.IsSelectedLabel(CCurrent::kLabelCapacity, graphNo);
    case 400:
        if (!graph)
            return 0;
        if (graph->m_nKind == CObjGraph::kCascade)
            return m_currentSelect.IsSelectedLabel(CCurrent::kLabelCascade, graphNo);
        if (graph->m_nKind == CObjGraph::kDiscrimination)
            return m_currentSelect.IsSelectedLabel(CCurrent::kLabelDiscrimination, graphNo);
        return 0;
    default:
        return 0;
    }
}
