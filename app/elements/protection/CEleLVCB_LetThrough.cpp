// The low-voltage breaker's let-through curves on the graphs made for them:
// the current-limiting curve on a graph of kind 10 and the I2t curve on one
// of kind 11, each with its label, hit tested, selected and taken off like
// the characteristic on the other graphs. The breaker records those graphs
// in lists of their own, so the characteristic's registration says nothing
// about them.

#include "CEleLVCB.h"

#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CTVFont.h"
#include "breakerdata/model/CInfoLine.h"
#include "framework/DeviceContext.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr int kDxfLayer = 4;
constexpr double kDxfScale = 0.1;
constexpr int kLabelFont = 200;
constexpr uint32_t kSelectedColour = 0x0000FF; // red
constexpr uint32_t kShift = 4;

int32_t RoundToInt(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(value));
}

bool IsLetThroughKind(const CObjGraph* graph) {
    return graph && (graph->m_nKind == CObjGraph::kCurrentLimiting ||
                     graph->m_nKind == CObjGraph::kLetThrough);
}

// The curve the graph's kind shows: its points and its graph list.
struct LetThrough {
    CdPointList* points = nullptr;
    CGraphNoList* graphs = nullptr;
    bool limit = false;
};

LetThrough CurveFor(CEleLVCB& breaker, const CObjGraph* graph) {
    LetThrough curve;
    if (!IsLetThroughKind(graph))
        return curve;
    curve.limit = graph->m_nKind == CObjGraph::kCurrentLimiting;
    curve.points = curve.limit ? &breaker.m_listLimitPoints : &breaker.m_listI2tPoints;
    curve.graphs = curve.limit ? &breaker.m_listGraphNoLimit : &breaker.m_listGraphNoI2t;
    return curve;
}

// The points in the graph's co-ordinates; the breaker's own stay in amperes
// for the wire-protection and discrimination checks that read them.
CdPointList Mapped(const CdPointList& points, const CObjGraph& graph) {
    CdPointList mapped;
    mapped.DoCopyAllPoints(points);
    graph.DoConvAllPoints(mapped);
    return mapped;
}

// The curve in the graph's co-ordinates, read again from the database when
// the breaker holds no points; empty when there are still none.
CdPointList ReadAndMap(CEleLVCB& breaker, const LetThrough& curve, const CObjGraph& graph) {
    if (curve.points->IsEmpty()) {
        if (curve.limit)
            breaker.DoReadLimitCurve();
        else
            breaker.DoReadI2tCurve();
    }
    return Mapped(*curve.points, graph);
}

} // namespace

int32_t CEleLVCB::IsOnLetThroughGraph(uint32_t graphNo) const {
    return m_listGraphNoLimit.DoFindGraphNo(graphNo) || m_listGraphNoI2t.DoFindGraphNo(graphNo) ? 1
                                                                                                : 0;
}

CGraphNo* CEleLVCB::GetLetThroughEntry(const CObjGraph* graph) const {
    if (!IsLetThroughKind(graph))
        return nullptr;
    const CGraphNoList& list =
        graph->m_nKind == CObjGraph::kCurrentLimiting ? m_listGraphNoLimit : m_listGraphNoI2t;
    return list.DoFindGraphNo(graph->m_nGraphNo);
}

void CEleLVCB::DoDrawLetThrough(fw::CDC* pDC, CObjGraph* graph) {
    CGraphNo* entry = GetLetThroughEntry(graph);
    const CObjAdjust* adjust = GetAdjust();
    if (!pDC || !entry || !adjust)
        return;
    const LetThrough curve = CurveFor(*this, graph);
    const CdPointList mapped = ReadAndMap(*this, curve, *graph);
    if (mapped.IsEmpty())
        return;
    const CInfoLine line;
    const int32_t selected = adjust->m_nSelected == 1 ? 1 : 0;
    const uint32_t colour = selected == 1 && !pDC->IsPrinting()
                                ? kSelectedColour
                                : static_cast<uint32_t>(line.m_crColor);
    mapped.DoDrawAllPoints(pDC, fw::R2_COPYPEN, colour, line.m_nLineKind, line.m_nWidth);
    const std::string label = curve.limit ? DoGetTextLimitLabel() : DoGetTextI2tLabel();
    const CdPoint* last = mapped.Items().back().get();
    CTVFont font(pDC, kLabelFont, graph->m_nPrintMode);
    const fw::CSize size = font.DoGetTextExtent(label);
    curvelabel::DoMove(entry->m_listRefV2, 0, RoundToInt(last->m_dX), RoundToInt(last->m_dY),
                       size.cx, size.cy, *graph);
    curvelabel::DoDraw(entry->m_listRefV2, 0, pDC, label, static_cast<uint32_t>(line.m_crColor),
                       selected, *graph);
}

void CEleLVCB::DoDXFOutLetThrough(std::ostream& file, CObjGraph* graph) {
    CGraphNo* entry = GetLetThroughEntry(graph);
    if (!entry || !GetAdjust())
        return;
    const LetThrough curve = CurveFor(*this, graph);
    const CdPointList mapped = ReadAndMap(*this, curve, *graph);
    if (mapped.IsEmpty())
        return;
    const CInfoLine line;
    curvelabel::DoGetText(entry->m_listRefV2, 0, file, kDxfLayer, *graph,
                          curve.limit ? DoGetTextLimitLabel() : DoGetTextI2tLabel());
    mapped.DoDXFOutAllPoints(file, kDxfLayer, line.DoGetDXFTextLineKind(), kDxfScale);
}

int32_t CEleLVCB::IsHittedLetThrough(fw::CDC* pDC, const CObjGraph* graph, fw::CPoint point,
                                     int32_t code) const {
    const CGraphNo* entry = GetLetThroughEntry(graph);
    if (!entry)
        return 0;
    if (code == 100)
        return entry->m_listRefV2.IsHitted(0, point);
    if (code != 0 || !pDC)
        return 0;
    // The curve as it was last drawn: the points are not read here.
    const CdPointList& points =
        graph->m_nKind == CObjGraph::kCurrentLimiting ? m_listLimitPoints : m_listI2tPoints;
    return Mapped(points, *graph).IsHittedCurve(pDC, point) ? 1 : 0;
}

void CEleLVCB::DoSelectLetThrough(const CObjGraph* graph, int32_t value, uint32_t flags,
                                  int32_t code) {
    if (!graph) {
        // Without a graph the characteristic's own selection takes the
        // curve-selected flag; the labels are the let-through lists'.
        if (code != 100)
            return;
        for (CGraphNoList* list : {&m_listGraphNoLimit, &m_listGraphNoI2t})
            for (auto& entry : *list)
                entry->m_listRefV2.DoSelect(0, value, flags);
        return;
    }
    CGraphNo* entry = GetLetThroughEntry(graph);
    CObjAdjust* adjust = GetAdjust();
    if (!entry || !adjust)
        return;
    if (code == 0) {
        if (!(flags & kShift))
            adjust->m_nSelected = static_cast<uint32_t>(value);
        else if (value == 1)
            adjust->m_nSelected = adjust->m_nSelected == 1 ? 0 : 1;
    } else if (code == 100) {
        entry->m_listRefV2.DoSelect(0, value, flags);
    }
}

int32_t CEleLVCB::IsSelectedLetThroughLabel(const CObjGraph* graph) const {
    const CGraphNo* entry = GetLetThroughEntry(graph);
    return entry ? entry->m_listRefV2.IsSelected(0) : 0;
}

CObjRefV2* CEleLVCB::GetLetThroughRefV2(const CObjGraph* graph) const {
    const CGraphNo* entry = GetLetThroughEntry(graph);
    CObjRefV2* ref = entry ? entry->m_listRefV2.GetAtIndex(0) : nullptr;
    return ref && ref->m_nSelected == 1 ? ref : nullptr;
}

void CEleLVCB::DoInvalidateLetThrough(const CObjGraph* graph, int32_t code,
                                      const CEleInvalidate& invalidate) const {
    const CGraphNo* entry = GetLetThroughEntry(graph);
    if (!entry || !invalidate)
        return;
    if (code == 100) {
        curvelabel::DoInvalidate(entry->m_listRefV2, 0, invalidate);
    } else if (code == 0) {
        const CdPointList& points =
            graph->m_nKind == CObjGraph::kCurrentLimiting ? m_listLimitPoints : m_listI2tPoints;
        if (!points.IsEmpty())
            invalidate(Mapped(points, *graph).DoGetCurveRectLP());
    }
}

int32_t CEleLVCB::RemoveLetThroughFromGraph(uint32_t graphNo) {
    if (graphNo == 0)
        return 0;
    const int32_t limit = m_listGraphNoLimit.DoDeleteGraphNo(graphNo);
    const int32_t i2t = m_listGraphNoI2t.DoDeleteGraphNo(graphNo);
    return limit == 1 || i2t == 1 ? 1 : 0;
}
