#include "MachineCurves.h"

#include "app/protection/CObjGraph.h"
#include "framework/DeviceContext.h"

namespace machinecurve {

namespace {

constexpr int kDxfLayer = 4;
constexpr double kDxfScale = 0.1;
constexpr uint32_t kSelectedColour = 255; // red

bool OnGraph(const CEleCurve& owner, const CObjGraph* graph) {
    return graph && owner.IsOnGraph(graph->m_nGraphNo);
}

} // namespace

void DoDrawCurve(CEleCurve& owner, fw::CDC* pDC, CObjGraph* graph) {
    if (!pDC || !OnGraph(owner, graph) || owner.m_listPoints.IsEmpty())
        return;
    graph->DoConvAllPoints(owner.m_listPoints);
    CInfoLine line = owner.m_infoLine;
    if (owner.m_nCurveSelected == 1 && !pDC->IsPrinting())
        line.m_crColor = kSelectedColour;
    owner.m_listPoints.DoDrawAllPoints(pDC, fw::R2_COPYPEN, static_cast<uint32_t>(line.m_crColor),
                                       line.m_nLineKind, line.m_nWidth);
}

void DoDXFOutCurve(CEleCurve& owner, std::ostream& file, CObjGraph* graph) {
    if (!OnGraph(owner, graph) || owner.m_listPoints.IsEmpty())
        return;
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
