#include "CEleCurve.h"

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"

namespace {

uint32_t NumberOf(const CObjGraph* graph) {
    return graph ? graph->m_nGraphNo : 0;
}

// How much further left the time label's rectangle reaches: over its leader.
constexpr int32_t kTimeLeaderReach = 300;

// The curve up to and with the point after which its current falls first:
// the standard lines are measured on that part alone, where the current
// never turns back.
CdPointList RisingPart(const CdPointList& points) {
    CdPointList rising;
    const CdPoint* previous = nullptr;
    for (const auto& point : points) {
        if (previous && point->m_dX < previous->m_dX)
            break;
        *rising.DoAddNewPoint() = *point;
        previous = point.get();
    }
    return rising;
}

} // namespace

int32_t CEleCurve::IsOnGraph(uint32_t graphNo) const {
    return m_listGraphNo.DoFindGraphNo(graphNo) ? 1 : 0;
}

void CEleCurve::AddToGraph(uint32_t graphNo, int32_t selected) {
    m_nCurveSelected = static_cast<uint32_t>(selected);
    m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
}

void CEleCurve::RemoveFromGraph(uint32_t graphNo) {
    if (m_listGraphNo.DoDeleteGraphNo(graphNo))
        m_nCurveSelected = 0;
}

int32_t CEleCurve::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    if (code == 0)
        return static_cast<int32_t>(m_nCurveSelected);
    if (code == 100) {
        const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(NumberOf(graph));
        return entry ? entry->m_listRefV2.IsSelected(0) : 0;
    }
    return 0;
}

void CEleCurve::DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags, int32_t code) {
    if (code == 0) {
        if (!(flags & 4))
            m_nCurveSelected = static_cast<uint32_t>(value);
        else if (value == 1)
            m_nCurveSelected = m_nCurveSelected ? 0 : 1;
        return;
    }
    if (code != 100)
        return;
    if (!graph) {
        for (auto& entry : m_listGraphNo)
            entry->m_listRefV2.DoSelect(0, value, flags);
        return;
    }
    if (CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo))
        entry->m_listRefV2.DoSelect(0, value, flags);
}

CObjRefV2* CEleCurve::GetCurveRefV2(const CObjGraph* graph) const {
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(NumberOf(graph));
    if (!entry)
        return nullptr;
    CObjRefV2* ref = entry->m_listRefV2.GetAtIndex(0);
    return ref && ref->m_nSelected == 1 ? ref : nullptr;
}

void CEleCurve::DoDrawGapValue(fw::CDC* pDC, const CObjGraph* graph, const CGapLine* gapLine,
                               int32_t labels, const CEleInvalidate& invalidate) const {
    if (!graph || !gapLine || !invalidate || !IsOnGraph(graph->m_nGraphNo))
        return;
    const CdPointList rising = RisingPart(m_listPoints);
    if (labels & 2) {
        fw::CRect rect = gapLine->GetCurrentTextRect(
            pDC, *graph, gapLine->GetCurrentAtTimeStd(*graph, rising), m_nGapLabel);
        if (!rect.IsRectNull()) {
            rect.NormalizeRect();
            invalidate(rect);
        }
    }
    if (labels & 1) {
        fw::CRect rect =
            gapLine->GetTimeTextRect(pDC, *graph, gapLine->GetTimeAtCurrentStd(*graph, rising), 1);
        if (!rect.IsRectNull()) {
            rect.left -= kTimeLeaderReach;
            rect.NormalizeRect();
            invalidate(rect);
        }
    }
}

int32_t CEleCurve::DoDrawGapLine(fw::CDC* pDC, const CObjGraph* graph, const CGapLine* gapLine,
                                 int32_t flag, int32_t running) {
    if (!graph || !gapLine || !IsOnGraph(graph->m_nGraphNo))
        return running;
    const CdPointList rising = RisingPart(m_listPoints);
    if (gapLine->m_nMeasureCurrent == 1) {
        m_nGapLabel = ++running;
        const double current = gapLine->GetCurrentAtTimeStd(*graph, rising);
        if (flag == 1)
            gapLine->DoDrawCurrentText(pDC, *graph, current, m_nGapLabel);
        else
            gapLine->DoDrawCurrentLeader(pDC, *graph, current, m_nGapLabel);
    }
    if (gapLine->m_nMeasureTime == 1) {
        const double time = gapLine->GetTimeAtCurrentStd(*graph, rising);
        if (flag == 1)
            gapLine->DoDrawTimeText(pDC, *graph, time, 1);
        else
            gapLine->DoDrawTimeLeader(pDC, *graph, time, 1);
    }
    return running;
}
