#include "MachineCurves.h"

#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CTVFont.h"
#include "framework/DeviceContext.h"

#include <cmath>
#include <limits>

namespace machinecurve {

namespace {

constexpr int kDxfLayer = 4;
constexpr double kDxfScale = 0.1;
constexpr uint32_t kSelectedColour = 255; // red
constexpr int kLabelFont = 200;

int32_t Round32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(value));
}

bool OnGraph(const CEleCurve& owner, const CObjGraph* graph) {
    return graph && owner.IsOnGraph(graph->m_nGraphNo);
}

} // namespace

void DoDrawCurve(CEleCurve& owner, fw::CDC* pDC, CObjGraph* graph, const std::string& label) {
    if (!pDC || !OnGraph(owner, graph) || owner.m_listPoints.IsEmpty())
        return;
    graph->DoConvAllPoints(owner.m_listPoints);
    CInfoLine line = owner.m_infoLine;
    if (owner.m_nCurveSelected == 1 && !pDC->IsPrinting())
        line.m_crColor = kSelectedColour;
    owner.m_listPoints.DoDrawAllPoints(pDC, fw::R2_COPYPEN, static_cast<uint32_t>(line.m_crColor),
                                       line.m_nLineKind, line.m_nWidth);

    CGraphNo* entry = owner.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
    const CdPoint* first = owner.m_listPoints.GetHead();
    CTVFont font(pDC, kLabelFont, graph->m_nPrintMode);
    const fw::CSize size = font.DoGetTextExtent(label);
    curvelabel::DoMove(entry->m_listRefV2, 0, Round32(first->m_dX), Round32(first->m_dY), size.cx,
                       size.cy, *graph);
    curvelabel::DoDraw(entry->m_listRefV2, 0, pDC, label,
                       static_cast<uint32_t>(owner.m_infoLine.m_crColor),
                       static_cast<int32_t>(owner.m_nCurveSelected), *graph);
}

void DoDXFOutCurve(CEleCurve& owner, std::ostream& file, CObjGraph* graph,
                   const std::string& label) {
    if (!OnGraph(owner, graph) || owner.m_listPoints.IsEmpty())
        return;
    const CGraphNo* entry = owner.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
    curvelabel::DoGetText(entry->m_listRefV2, 0, file, kDxfLayer, *graph, label);
    graph->DoConvAllPoints(owner.m_listPoints);
    owner.m_listPoints.DoDXFOutAllPoints(file, kDxfLayer, owner.m_infoLine.DoGetDXFTextLineKind(),
                                         kDxfScale);
}

int32_t IsHittedCurve(const CEleCurve& owner, fw::CDC* pDC, const CObjGraph* graph,
                      fw::CPoint point, int32_t code) {
    if (!OnGraph(owner, graph))
        return 0;
    if (code == 0)
        return pDC ? owner.m_listPoints.IsHittedCurve(pDC, point) : 0;
    if (code == 100) {
        const CGraphNo* entry = owner.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
        return entry ? entry->m_listRefV2.IsHitted(0, point) : 0;
    }
    return 0;
}

void DoInvalidateCurve(const CEleCurve& owner, const CObjGraph* graph, int32_t code,
                       const CEleInvalidate& invalidate) {
    if (!invalidate)
        return;
    if (code == 0) {
        invalidate(owner.m_listPoints.DoGetCurveRectLP());
        return;
    }
    if (code == 100 && graph) {
        if (const CGraphNo* entry = owner.m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo))
            invalidate(entry->m_listRefV2.GetRect(0));
    }
}

} // namespace machinecurve
