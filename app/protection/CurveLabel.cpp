#include "CurveLabel.h"

#include "app/protection/CGraphNoList.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "framework/RectTracker.h"
#include "tools/Filvaron.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace curvelabel {

namespace {

int32_t Round32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(value));
}

double Voltage(const CObjGraph& graph) {
    return graph.m_nStdVoltage >= 1 ? graph.m_nStdVoltage : 1.0;
}

// The graph current at a logical x, referred to the graph's voltage (A).
double CurrentAt(const CObjGraph& graph, double x) {
    return graph.GetCurrentByX(x) / Voltage(graph);
}

bool Near(double value, double reference) {
    return value >= 0.95 * reference && value <= 1.05 * reference;
}

fw::CRect RectAt(const CObjRefV2& ref, int32_t width, int32_t height, const CObjGraph& graph) {
    const int32_t left = Round32(graph.GetXByCurrent(ref.m_ptValue.m_dX * Voltage(graph)));
    const int32_t top = Round32(graph.GetYByTime(ref.m_ptValue.m_dY));
    return fw::CRect(left, top, left + width, top - height);
}

} // namespace

void DoMove(CObjRefV2List& list, int index, int32_t x, int32_t y, int32_t width, int32_t height,
            const CObjGraph& graph) {
    CObjRefV2* ref = list.GetAtIndex(index);
    if (!ref)
        return;
    const double current = CurrentAt(graph, x);
    const double time = graph.GetTimeByY(y);
    if (!Near(current, ref->m_ptAnchor.m_dX) || !Near(time, ref->m_ptAnchor.m_dY)) {
        ref->m_ptAnchor.m_dX = current;
        ref->m_ptAnchor.m_dY = time;
        ref->m_ptValue.m_dX = CurrentAt(graph, double(x) + ref->m_ptOffset.x);
        ref->m_ptValue.m_dY = graph.GetTimeByY(double(y) - ref->m_ptOffset.y);
    }
    if (ref->m_ptOffset.x == 0 && ref->m_ptOffset.y == 0) {
        ref->m_ptOffset = fw::CPoint(50, 0);
        ref->m_ptValue.m_dX = CurrentAt(graph, double(x) + 50);
        ref->m_ptValue.m_dY = graph.GetTimeByY(y);
        // Kept inside the graph.
        if (CurrentAt(graph, double(x) + 50 + width) < graph.GetCurrentMin())
            ref->m_ptValue.m_dX = graph.GetCurrentMin();
        else if (ref->m_ptValue.m_dX > graph.GetCurrentMax())
            ref->m_ptValue.m_dX = graph.GetCurrentMax() / 2.0;
        if (graph.GetTimeByY(double(y) - height) < graph.GetTimeMin())
            ref->m_ptValue.m_dY = 2.0 * graph.GetTimeMin();
        else if (ref->m_ptValue.m_dY > graph.GetTimeMax())
            ref->m_ptValue.m_dY = graph.GetTimeMax();
    }
    ref->m_rect = RectAt(*ref, width, height, graph);
}

void DoDraw(CObjRefV2List& list, int index, fw::CDC* pDC, const std::string& text, uint32_t colour,
            int32_t highlight, const CObjGraph& graph) {
    CObjRefV2* ref = list.GetAtIndex(index);
    if (!ref || !pDC)
        return;
    int32_t width = 0;
    int32_t height = 0;
    const auto lines = CTVFont::SplitLines(text);
    for (const std::string& line : lines) {
        const fw::CSize size = pDC->GetTextExtent(line);
        width = std::max(width, size.cx);
        height += size.cy;
    }
    ref->m_rect = RectAt(*ref, width, height, graph);
    ref->m_crColour = highlight == 1 ? 0x0000FFu : colour;
    const fw::COLORREF oldColour = pDC->SetTextColor(ref->m_crColour);
    const int oldMode = pDC->SetBkMode(fw::TRANSPARENT);
    // The graph's y axis points up: each line below the one before.
    int32_t top = ref->m_rect.top;
    for (const std::string& line : lines) {
        pDC->TextOut(ref->m_rect.left, top, line);
        top -= pDC->GetTextExtent(line).cy;
    }
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColour);
    if (ref->m_nSelected == 1 && !pDC->IsPrinting()) {
        fw::CRect frame = ref->m_rect;
        pDC->LPtoDP(&frame);
        frame.NormalizeRect();
        ref->m_rectTracker = frame;
        ref->m_nTrackerStyle = 2; // dotted line
        fw::CRectTracker(frame, fw::CRectTracker::dottedLine).Draw(pDC);
        ref->m_nTrackerStyle = 0;
    }
}

void DoPlaceAt(CObjRefV2& ref, const fw::CRect& rect, const CObjGraph& graph) {
    const int64_t dx = int64_t{rect.left} - ref.m_rect.left;
    const int64_t dy = int64_t{rect.top} - ref.m_rect.top;
    ref.m_ptOffset.x = Round32(double(ref.m_ptOffset.x) + double(dx));
    ref.m_ptOffset.y = Round32(double(ref.m_ptOffset.y) - double(dy));
    ref.m_ptValue.m_dX = CurrentAt(graph, rect.left);
    ref.m_ptValue.m_dY = graph.GetTimeByY(rect.top);
    ref.m_rect = rect;
}

void DoGetText(const CObjRefV2List& list, int index, std::ostream& file, int32_t layer,
               const CObjGraph& graph, const std::string& text) {
    const CObjRefV2* ref = list.GetAtIndex(index);
    if (!ref)
        return;
    double current = ref->m_ptValue.m_dX;
    if (graph.m_nStdVoltage > 0)
        current *= graph.m_nStdVoltage;
    const int32_t x = Round32(graph.GetXByCurrent(current)) / 10;
    int32_t y = Round32(graph.GetYByTime(ref->m_ptValue.m_dY)) / 10 - 3;
    const std::string layerText = DLLGetTextByBeams(layer, 0);
    for (const std::string& line : CTVFont::SplitLines(text)) {
        if (!line.empty()) {
            file << "0\nTEXT\n8\n"
                 << layerText << "\n10\n"
                 << x << "\n20\n"
                 << y << "\n40\n3\n1\n"
                 << line << "\n";
        }
        y -= 5;
    }
}

void DoConvertLabels(CGraphNoList& list, const CObjGraph& graph) {
    CGraphNo* entry = list.DoFindGraphNo(graph.m_nGraphNo);
    if (!entry)
        return;
    for (auto& ref : entry->m_listRefV2) {
        const fw::CRect rect = ref->m_rect;
        ref->m_ptValue.m_dX = CurrentAt(graph, rect.left);
        ref->m_ptValue.m_dY = graph.GetTimeByY(rect.top);
        ref->m_ptAnchor.m_dX = CurrentAt(graph, double(rect.left) - ref->m_ptOffset.x);
        ref->m_ptAnchor.m_dY = graph.GetTimeByY(double(rect.top) + ref->m_ptOffset.y);
    }
}

void DoInvalidate(const CObjRefV2List& list, int index, const CEleInvalidate& invalidate) {
    const CObjRefV2* ref = list.GetAtIndex(index);
    if (ref && invalidate)
        invalidate(ref->GetRect());
}

} // namespace curvelabel
