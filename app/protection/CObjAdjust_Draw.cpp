#include "CObjAdjust.h"

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CTVFont.h"

#include <algorithm>
#include <ostream>

namespace {

constexpr uint32_t kSelectedColour = 0x0000FF; // red
constexpr int kLabelFont = 200;
constexpr int kBandDxfLayer = 7;
constexpr double kDxfScale = 0.1;

fw::CRect Union(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

} // namespace

void CObjAdjust::DoDrawAdjustCurve(fw::CDC* pDC, int32_t rop2, int32_t selected) const {
    if (!pDC)
        return;
    const uint32_t colour = selected == 1 && !pDC->IsPrinting()
                                ? kSelectedColour
                                : static_cast<uint32_t>(m_infoLine.m_crColor);
    auto draw = [&](const CdPointList& points) {
        points.DoDrawAllPoints(pDC, rop2, colour, m_infoLine.m_nLineKind, m_infoLine.m_nWidth);
    };
    if (IsTypicalShown()) {
        draw(m_listTypicalPoint);
        return;
    }
    draw(m_listUpperPoint);
    draw(m_listLowerPoint);
}

uint32_t CObjAdjust::DoDrawCurve(fw::CDC* pDC, int32_t rop2, const CObjGraph& graph,
                                 const std::string& label, double breakingCurrent) {
    CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graph.m_nGraphNo);
    if (!placement || !pDC)
        return 0;
    const fw::CPoint anchor = DoMakeAdjustCurve(graph, breakingCurrent);
    DoDrawAdjustCurve(pDC, rop2, static_cast<int32_t>(m_nSelected));
    CTVFont font(pDC, kLabelFont, graph.m_nPrintMode);
    const fw::CSize size = font.DoGetTextExtent(label);
    curvelabel::DoMove(placement->m_listRefV2, 0, anchor.x, anchor.y, size.cx, size.cy, graph);
    curvelabel::DoDraw(placement->m_listRefV2, 0, pDC, label,
                       static_cast<uint32_t>(m_infoLine.m_crColor),
                       static_cast<int32_t>(m_nSelected), graph);
    return graph.m_nGraphNo;
}

int32_t CObjAdjust::IsHittedCurve(fw::CDC* pDC, fw::CPoint point, uint32_t graphNo,
                                  int32_t what) const {
    const CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!placement)
        return 0;
    if (what == 0 || what == 1) {
        if (!pDC)
            return 0;
        if (IsTypicalShown())
            return m_listTypicalPoint.IsHittedCurve(pDC, point) ? 1 : 0;
        if (!m_listUpperCurve.IsEmpty() && m_listUpperPoint.IsHittedCurve(pDC, point))
            return 1;
        if (!m_listLowerCurve.IsEmpty() && m_listLowerPoint.IsHittedCurve(pDC, point))
            return 1;
        return 0;
    }
    if (what == 100 || what == 101)
        return placement->m_listRefV2.IsHitted(0, point);
    return 0;
}

void CObjAdjust::DoSelectCurve(int32_t value, uint32_t flags, uint32_t graphNo, int32_t what) {
    const bool curve = what == 0 || what == 1;
    const bool label = what == 100 || what == 101;
    if (graphNo == 0) {
        if (curve)
            m_nSelected = static_cast<uint32_t>(value);
        else if (label)
            for (auto& placement : m_listGraphNo)
                placement->m_listRefV2.DoSelect(0, value, flags);
        return;
    }
    CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!placement)
        return;
    if (curve) {
        if (!(flags & 4))
            m_nSelected = static_cast<uint32_t>(value);
        else if (value == 1)
            m_nSelected = m_nSelected == 1 ? 0 : 1;
    } else if (label) {
        placement->m_listRefV2.DoSelect(0, value, flags);
    }
}

void CObjAdjust::DoInvalidateCurve(const CEleInvalidate& invalidate, fw::CDC* pDC, uint32_t graphNo,
                                   int32_t what) const {
    (void)pDC;
    const CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!placement || !invalidate)
        return;
    if (what == 0 || what == 1) {
        fw::CRect rect = GetCurveRect();
        rect.NormalizeRect();
        invalidate(rect);
    } else if (what == 100 || what == 101) {
        curvelabel::DoInvalidate(placement->m_listRefV2, 0, invalidate);
    }
}

fw::CRect CObjAdjust::GetCurveRect() const {
    fw::CRect band;
    if (!m_listUpperCurve.IsEmpty())
        band = Union(band, m_listUpperPoint.DoGetCurveRectLP());
    if (!m_listLowerCurve.IsEmpty())
        band = Union(band, m_listLowerPoint.DoGetCurveRectLP());
    fw::CRect rect;
    if (IsBandMode()) {
        rect = band;
        if (!m_listTypicalPoint.IsEmpty())
            rect = Union(rect, m_listTypicalPoint.DoGetCurveRectLP());
    } else {
        rect = m_listTypicalPoint.IsEmpty() ? band : m_listTypicalPoint.DoGetCurveRectLP();
    }
    rect.InflateRect(m_infoLine.m_nWidth, m_infoLine.m_nWidth);
    return rect;
}

CObjRefV2* CObjAdjust::GetCurveRefV2(uint32_t graphNo) const {
    const CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!placement)
        return nullptr;
    CObjRefV2* ref = placement->m_listRefV2.GetAtIndex(0);
    return ref && ref->m_nSelected == 1 ? ref : nullptr;
}

uint32_t CObjAdjust::DoDXFOutCurve(std::ostream& file, int32_t layer, const CObjGraph& graph,
                                   const std::string& label, double breakingCurrent) {
    CGraphNo* placement = m_listGraphNo.DoFindGraphNo(graph.m_nGraphNo);
    if (!placement)
        return 0;
    DoMakeAdjustCurve(graph, breakingCurrent);
    curvelabel::DoGetText(placement->m_listRefV2, 0, file, layer, graph, label);
    const std::string lineType = m_infoLine.DoGetDXFTextLineKind();
    if (IsTypicalShown()) {
        m_listTypicalPoint.DoDXFOutAllPoints(file, layer, lineType, kDxfScale);
    } else {
        m_listUpperPoint.DoDXFOutAllPoints(file, kBandDxfLayer, lineType, kDxfScale);
        m_listLowerPoint.DoDXFOutAllPoints(file, kBandDxfLayer, lineType, kDxfScale);
    }
    return graph.m_nGraphNo;
}

// ---- Gap-line labels ----

int32_t CObjAdjust::DoWalkGapLabels(const CObjGraph& graph, const CGapLine& gapLine,
                                    int32_t timeFlag, int32_t currentFlag, int32_t last,
                                    const GapLabelFn& current, const GapLabelFn& time) {
    if (IsTypicalShown()) {
        if (currentFlag == 1) {
            m_nTypicalLabel = ++last;
            current(gapLine.GetCurrentAtTimeStd(graph, m_listTypicalPoint), m_nTypicalLabel);
        }
        if (timeFlag == 1)
            time(gapLine.GetTimeAtCurrentStd(graph, m_listTypicalPoint), 1);
        return last;
    }
    if (currentFlag == 1) {
        const double upper = gapLine.GetCurrentAtTimeStd(graph, m_listUpperPoint);
        const double lower = gapLine.GetCurrentAtTimeStd(graph, m_listLowerPoint);
        m_nUpperLabel = ++last;
        current(upper, m_nUpperLabel);
        if (lower != upper) {
            m_nLowerLabel = ++last;
            current(lower, m_nLowerLabel);
        }
    }
    if (timeFlag == 1) {
        const double upper = gapLine.GetTimeAtCurrentStd(graph, m_listUpperPoint);
        const double lower = gapLine.GetTimeAtCurrentStd(graph, m_listLowerPoint);
        time(upper, 1);
        if (lower != upper)
            time(lower, 2);
    }
    return last;
}

int32_t CObjAdjust::DoDrawGapTexts(fw::CDC* pDC, const CObjGraph& graph, const CGapLine& gapLine,
                                   int32_t timeFlag, int32_t currentFlag, int32_t last) {
    return DoWalkGapLabels(
        graph, gapLine, timeFlag, currentFlag, last,
        [&](double value, int32_t index) { gapLine.DoDrawCurrentText(pDC, graph, value, index); },
        [&](double value, int32_t index) { gapLine.DoDrawTimeText(pDC, graph, value, index); });
}

int32_t CObjAdjust::DoDrawGapLeaders(fw::CDC* pDC, const CObjGraph& graph, const CGapLine& gapLine,
                                     int32_t timeFlag, int32_t currentFlag, int32_t last) {
    return DoWalkGapLabels(
        graph, gapLine, timeFlag, currentFlag, last,
        [&](double value, int32_t index) { gapLine.DoDrawCurrentLeader(pDC, graph, value, index); },
        [&](double value, int32_t index) { gapLine.DoDrawTimeLeader(pDC, graph, value, index); });
}

void CObjAdjust::DoDrawGapValue(const CEleInvalidate& invalidate, fw::CDC* pDC,
                                const CObjGraph& graph, const CGapLine& gapLine, int32_t timeFlag,
                                int32_t currentFlag) const {
    if (!invalidate)
        return;
    auto timeRect = [&](double time, int32_t index) {
        fw::CRect rect = gapLine.GetTimeTextRect(pDC, graph, time, index);
        if (rect.IsRectNull())
            return;
        // Over the leader too.
        rect.left -= index == 1 ? 300 : 1300;
        rect.NormalizeRect();
        invalidate(rect);
    };
    auto currentRect = [&](double current, int32_t index) {
        fw::CRect rect = gapLine.GetCurrentTextRect(pDC, graph, current, index);
        if (rect.IsRectNull())
            return;
        rect.NormalizeRect();
        invalidate(rect);
    };
    if (IsTypicalShown()) {
        if (currentFlag == 1)
            currentRect(gapLine.GetCurrentAtTimeStd(graph, m_listTypicalPoint), m_nTypicalLabel);
        if (timeFlag == 1)
            timeRect(gapLine.GetTimeAtCurrentStd(graph, m_listTypicalPoint), 1);
        return;
    }
    if (currentFlag == 1) {
        const double upper = gapLine.GetCurrentAtTimeStd(graph, m_listUpperPoint);
        const double lower = gapLine.GetCurrentAtTimeStd(graph, m_listLowerPoint);
        currentRect(upper, m_nUpperLabel);
        if (lower != upper)
            currentRect(lower, m_nLowerLabel);
    }
    if (timeFlag == 1) {
        const double upper = gapLine.GetTimeAtCurrentStd(graph, m_listUpperPoint);
        const double lower = gapLine.GetTimeAtCurrentStd(graph, m_listLowerPoint);
        timeRect(upper, 1);
        if (lower != upper)
            timeRect(lower, 2);
    }
}
