#include "AdjustOwner.h"

#include "app/protection/CGapLine.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CTVFont.h"

namespace {

constexpr int kLabelFont = 200;

bool IsCurveCode(int32_t code) {
    return code == 0 || code == 100;
}

} // namespace

void CAdjustOwner::DoCalcCurve(int32_t frequency) {
    m_nCurveFrequency = frequency;
    if (CObjAdjust* adjust = FirstAdjust())
        adjust->DoCalcCurve(frequency);
}

int32_t CAdjustOwner::IsOnGraph(uint32_t graphNo) const {
    const CObjAdjust* adjust = FirstAdjust();
    return adjust && adjust->m_listGraphNo.DoFindGraphNo(graphNo) ? 1 : 0;
}

int32_t CAdjustOwner::IsAddableToGraph(uint32_t graphNo) const {
    const CObjAdjust* adjust = FirstAdjust();
    return adjust && adjust->m_infoBase.IsOkSetCurveInfo() == 1 && graphNo != 0 &&
                   IsOnGraph(graphNo) == 0
               ? 1
               : 0;
}

void CAdjustOwner::AddToGraph(uint32_t graphNo, int32_t selected) {
    CObjAdjust* adjust = FirstAdjust();
    if (!adjust || adjust->m_listGraphNo.DoFindGraphNo(graphNo))
        return;
    adjust->m_nSelected = static_cast<uint32_t>(selected);
    adjust->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
}

void CAdjustOwner::RemoveFromGraph(uint32_t graphNo, int32_t onlySelected) {
    CObjAdjust* adjust = FirstAdjust();
    if (!adjust || (onlySelected == 1 && adjust->m_nSelected != 1))
        return;
    if (adjust->m_listGraphNo.DoDeleteGraphNo(graphNo) == 1)
        adjust->m_nSelected = 0;
}

CObjRefV2* CAdjustOwner::GetCurveRefV2(const CObjGraph* graph) const {
    const CObjAdjust* adjust = FirstAdjust();
    return adjust && graph ? adjust->GetCurveRefV2(graph->m_nGraphNo) : nullptr;
}

void CAdjustOwner::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings&) {
    CObjAdjust* adjust = FirstAdjust();
    if (adjust && graph)
        adjust->DoDrawCurve(pDC, fw::R2_COPYPEN, *graph, CurveLabelText(), 0.0);
}

void CAdjustOwner::DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                                     const CEleInvalidate& invalidate) {
    const CObjAdjust* adjust = FirstAdjust();
    if (adjust && graph && IsCurveCode(code))
        adjust->DoInvalidateCurve(invalidate, pDC, graph->m_nGraphNo, code);
}

int32_t CAdjustOwner::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point,
                                    int32_t code) {
    const CObjAdjust* adjust = FirstAdjust();
    if (!adjust || !graph || !IsCurveCode(code))
        return 0;
    return adjust->IsHittedCurve(pDC, point, graph->m_nGraphNo, code);
}

void CAdjustOwner::DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                                 int32_t code) {
    CObjAdjust* adjust = FirstAdjust();
    if (adjust && IsCurveCode(code))
        adjust->DoSelectCurve(value, flags, graph ? graph->m_nGraphNo : 0, code);
}

void CAdjustOwner::SetSelectCurve(int32_t value) {
    if (CObjAdjust* adjust = FirstAdjust())
        adjust->m_nSelected = static_cast<uint32_t>(value);
}

int32_t CAdjustOwner::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    const CObjAdjust* adjust = FirstAdjust();
    const CGraphNo* entry =
        adjust && graph ? adjust->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo) : nullptr;
    if (!entry)
        return 0;
    if (code == 0)
        return static_cast<int32_t>(adjust->m_nSelected);
    if (code == 100)
        return entry->m_listRefV2.IsSelected(0);
    return 0;
}

void CAdjustOwner::DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                                  const CEleInvalidate& invalidate) {
    const CObjAdjust* adjust = FirstAdjust();
    if (!adjust || !graph || !gapLine || !adjust->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo))
        return;
    adjust->DoDrawGapValue(invalidate, pDC, *graph, *gapLine, (labels & 1) ? 1 : 0,
                           (labels & 2) ? 1 : 0);
}

int32_t CAdjustOwner::DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                                    int32_t running) {
    CObjAdjust* adjust = FirstAdjust();
    if (!adjust || !graph || !gapLine || !adjust->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo))
        return running;
    const int32_t timeFlag = gapLine->m_nMeasureTime == 1 ? 1 : 0;
    const int32_t currentFlag = gapLine->m_nMeasureCurrent == 1 ? 1 : 0;
    if (flag == 1)
        return adjust->DoDrawGapTexts(pDC, *graph, *gapLine, timeFlag, currentFlag, running);
    return adjust->DoDrawGapLeaders(pDC, *graph, *gapLine, timeFlag, currentFlag, running);
}

void CAdjustOwner::DoDXFOutCurve(std::ostream& file, CObjGraph* graph, const CEleDocSettings&) {
    CObjAdjust* adjust = FirstAdjust();
    if (adjust && graph)
        adjust->DoDXFOutCurve(file, CurveDxfLayer(), *graph, CurveLabelText(), 0.0);
}

void CAdjustOwner::DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) {
    CObjAdjust* adjust = FirstAdjust();
    if (!adjust || !graph)
        return;
    // A cascade or discrimination result was worked out against the old
    // setting.
    uint32_t number = 0;
    const uint32_t kind = UpstreamKind(&number);
    if (kind != 0 && change.clearUpstreamMarkers)
        change.clearUpstreamMarkers(kind, number);
    m_nCurveFrequency = change.nFrequency;
    adjust->DoCalcCurve(m_nCurveFrequency);
    const fw::CPoint anchor = adjust->DoMakeAdjustCurve(*graph, 0.0);
    CGraphNo* entry = adjust->m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
    if (!entry || !pDC)
        return;
    CTVFont font(pDC, kLabelFont, graph->m_nPrintMode);
    const fw::CSize size = font.DoGetTextExtent(CurveLabelText());
    curvelabel::DoMove(entry->m_listRefV2, 0, anchor.x, anchor.y, size.cx, size.cy, *graph);
}

void CAdjustOwner::SetCurveBand(int32_t band) {
    if (CObjAdjust* adjust = FirstAdjust())
        adjust->m_infoLine.m_nBandFlag = band;
}

CObjAdjust* CAdjustOwner::GetObjAdjust(int32_t* which) const {
    if (which)
        *which = 0;
    return FirstAdjust();
}

void CAdjustOwner::GetGraphNoLists(std::vector<CGraphNoList*>& lists) {
    if (CObjAdjust* adjust = FirstAdjust())
        lists.push_back(&adjust->m_listGraphNo);
}
