#include "CGapLine.h"

#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "breakerdata/model/CdPoint.h"
#include "breakerdata/model/CdPointList.h"
#include "tools/Filvaron.h"

#include <cmath>
#include <limits>

#include <iterator>

FW_IMPLEMENT_SERIAL(CGapLine, 0)

namespace {

// The factor of the graph's curve currents: its standard voltage, or none.
double VoltageFactor(const CObjGraph& graph) {
    return graph.m_nStdVoltage >= 1 ? graph.m_nStdVoltage : 1.0;
}

int32_t Round32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(value));
}

constexpr fw::COLORREF kLineColour = 0xFF0000; // blue
constexpr fw::COLORREF kLeaderColour = 0x000000;
constexpr int kPenWidth = 20;
constexpr int kCaptionFont = 208;
constexpr int kValueFont = 221;

// A pen and raster operation for the time of one drawing: NOT-XOR on screen,
// so that drawing again erases, copy on paper.
class PenScope {
public:
    PenScope(fw::CDC* pDC, fw::COLORREF colour) : m_pDC(pDC) {
        m_oldPen = pDC->SelectObject(fw::CPen(fw::PS_SOLID, kPenWidth, colour));
        m_oldRop = pDC->SetROP2(pDC->IsPrinting() ? fw::R2_COPYPEN : fw::R2_NOTXORPEN);
    }
    ~PenScope() {
        m_pDC->SetROP2(m_oldRop);
        m_pDC->SelectObject(m_oldPen);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    fw::CDC* m_pDC;
    fw::CPen m_oldPen;
    int m_oldRop;
};

void Line(fw::CDC* pDC, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

// A label text drawn centred at the top of its rectangle (y up).
void DrawLabel(fw::CDC* pDC, const std::string& text, const fw::CRect& rect) {
    const fw::CSize size = pDC->GetTextExtent(text);
    const fw::COLORREF oldColour = pDC->SetTextColor(0x000000);
    const int oldMode = pDC->SetBkMode(fw::TRANSPARENT);
    pDC->TextOut(rect.left + (rect.right - rect.left - size.cx) / 2, rect.top, text);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColour);
}

} // namespace

std::string CGapLine::GetCurrentStdText(int withUnit) const {
    std::string text = DLLGetTextByBeams(m_dCurrentStd, 0);
    if (withUnit == 1)
        text += "A";
    return text;
}

std::string CGapLine::GetTimeStdText(int withUnit) const {
    std::string text = DLLGetTextByBeams(m_dTimeStd, 0);
    if (withUnit == 1)
        text += "s";
    return text;
}

void CGapLine::DoCopyValues(const CGapLine& other) {
    m_dCurrentStd = other.m_dCurrentStd;
    m_dTimeStd = other.m_dTimeStd;
}

double CGapLine::GetTimeAtCurrentStd(const CObjGraph& graph, const CdPointList& points) const {
    if (points.IsEmpty())
        return 0.0;
    const double x0 = graph.GetXByCurrent(VoltageFactor(graph) * m_dCurrentStd);
    if (points.GetHead()->m_dX > x0 || points.GetTail()->m_dX < x0)
        return 0.0;
    for (auto it = points.begin(); std::next(it) != points.end(); ++it) {
        const CdPoint& p = **it;
        const CdPoint& q = **std::next(it);
        if (!(p.m_dX <= x0 && x0 <= q.m_dX))
            continue;
        // A segment standing on the line: its first point.
        if (q.m_dX == p.m_dX)
            return graph.GetTimeByY(p.m_dY);
        const double y = p.m_dY - (p.m_dY - q.m_dY) / (q.m_dX - p.m_dX) * (x0 - p.m_dX);
        return graph.GetTimeByY(y);
    }
    return 0.0;
}

double CGapLine::GetCurrentAtTimeStd(const CObjGraph& graph, const CdPointList& points) const {
    if (points.IsEmpty())
        return 0.0;
    const double y0 = graph.GetYByTime(m_dTimeStd);
    if (points.GetHead()->m_dY < y0 || points.GetTail()->m_dY > y0)
        return 0.0;
    for (auto it = points.begin(); std::next(it) != points.end(); ++it) {
        const CdPoint& p = **it;
        const CdPoint& q = **std::next(it);
        if (!(p.m_dY >= y0 && y0 >= q.m_dY))
            continue;
        // A segment lying on the line: its first point.
        double x = p.m_dX;
        if (p.m_dY != q.m_dY)
            x = p.m_dX + (p.m_dY - y0) * (q.m_dX - p.m_dX) / (p.m_dY - q.m_dY);
        return graph.GetCurrentByX(x) / VoltageFactor(graph);
    }
    return 0.0;
}

void CGapLine::DoDrawCurrentStdLine(fw::CDC* pDC, const CObjGraph& graph) const {
    if (!pDC)
        return;
    const int32_t x = Round32(graph.GetXByCurrent(VoltageFactor(graph) * m_dCurrentStd));
    const int32_t top = graph.m_rectGraph.top;
    const int32_t bottom = graph.m_rectGraph.bottom;
    if (pDC->IsPrinting()) {
        CTVFont font(pDC, kCaptionFont, 3);
        const std::string caption = GetCurrentStdText(1);
        const fw::CSize size = pDC->GetTextExtent(caption);
        const fw::COLORREF oldColour = pDC->SetTextColor(0x000000);
        const int oldMode = pDC->SetBkMode(fw::TRANSPARENT);
        pDC->TextOut(x - size.cx / 2, bottom + 100 + size.cy, caption);
        pDC->SetBkMode(oldMode);
        pDC->SetTextColor(oldColour);
    }
    PenScope pen(pDC, kLineColour);
    Line(pDC, x, top, x, bottom);
    Line(pDC, x, top, x - 100, top - 100);
    Line(pDC, x, top, x + 100, top - 100);
    Line(pDC, x, bottom, x - 100, bottom + 100);
    Line(pDC, x, bottom, x + 100, bottom + 100);
}

void CGapLine::DoDrawTimeStdLine(fw::CDC* pDC, const CObjGraph& graph) const {
    if (!pDC)
        return;
    const int32_t y = Round32(graph.GetYByTime(m_dTimeStd));
    const int32_t left = graph.m_rectGraph.left;
    const int32_t right = graph.m_rectGraph.right;
    if (pDC->IsPrinting()) {
        CTVFont font(pDC, kCaptionFont, 3);
        const std::string caption = GetTimeStdText(1);
        const fw::CSize size = pDC->GetTextExtent(caption);
        const fw::COLORREF oldColour = pDC->SetTextColor(0x000000);
        const int oldMode = pDC->SetBkMode(fw::TRANSPARENT);
        pDC->TextOut(right + 100, y + size.cy / 2, caption);
        pDC->SetBkMode(oldMode);
        pDC->SetTextColor(oldColour);
    }
    PenScope pen(pDC, kLineColour);
    Line(pDC, left, y, right, y);
    Line(pDC, left, y, left - 100, y + 100);
    Line(pDC, left, y, left - 100, y - 100);
    Line(pDC, right, y, right + 100, y + 100);
    Line(pDC, right, y, right + 100, y - 100);
}

std::string CGapLine::GetTimeValueText(double time) {
    return DLLGetTextByBeamsEx(time, 4, 0) + "s";
}

std::string CGapLine::GetCurrentValueText(double current) {
    return DLLGetTextByBeamsEx(current, 4, 0) + "A";
}

fw::CRect CGapLine::GetTimeTextRect(fw::CDC* pDC, const CObjGraph& graph, double time,
                                    int32_t index) const {
    if (!pDC || !(time > 0.0))
        return fw::CRect();
    CTVFont font(pDC, kValueFont, graph.m_nPrintMode);
    const fw::CSize size = pDC->GetTextExtent(GetTimeValueText(time));
    const int32_t x = Round32(graph.GetXByCurrent(VoltageFactor(graph) * m_dCurrentStd));
    const int32_t y = Round32(graph.GetYByTime(time));
    const int32_t left = x + 1000 * index - 700;
    const int32_t top = y + size.cy / 2;
    return fw::CRect(left, top, left + size.cx, top - size.cy);
}

fw::CRect CGapLine::GetCurrentTextRect(fw::CDC* pDC, const CObjGraph& graph, double current,
                                       int32_t index) const {
    if (!pDC || !(current > 0.0))
        return fw::CRect();
    CTVFont font(pDC, kValueFont, graph.m_nPrintMode);
    const fw::CSize size = pDC->GetTextExtent(GetCurrentValueText(current));
    const int32_t x = Round32(graph.GetXByCurrent(VoltageFactor(graph) * current));
    const int32_t y = Round32(graph.GetYByTime(m_dTimeStd));
    const int32_t left = x - 50;
    const int32_t top = y + 400 * index - 100 + size.cy;
    // The rectangle reaches down over the leader.
    return fw::CRect(left, top, left + size.cx, top - 300 * index - size.cy);
}

void CGapLine::DoDrawTimeText(fw::CDC* pDC, const CObjGraph& graph, double time,
                              int32_t index) const {
    if (!pDC || !(time > 0.0))
        return;
    const fw::CRect rect = GetTimeTextRect(pDC, graph, time, index);
    CTVFont font(pDC, kValueFont, graph.m_nPrintMode);
    DrawLabel(pDC, GetTimeValueText(time), rect);
}

void CGapLine::DoDrawCurrentText(fw::CDC* pDC, const CObjGraph& graph, double current,
                                 int32_t index) const {
    if (!pDC || !(current > 0.0))
        return;
    const fw::CRect rect = GetCurrentTextRect(pDC, graph, current, index);
    CTVFont font(pDC, kValueFont, graph.m_nPrintMode);
    DrawLabel(pDC, GetCurrentValueText(current), rect);
}

void CGapLine::DoDrawTimeLeader(fw::CDC* pDC, const CObjGraph& graph, double time,
                                int32_t index) const {
    if (!pDC || !(time > 0.0))
        return;
    const int32_t x = Round32(graph.GetXByCurrent(VoltageFactor(graph) * m_dCurrentStd));
    const int32_t y = Round32(graph.GetYByTime(time));
    PenScope pen(pDC, kLeaderColour);
    Line(pDC, x, y, x + 1000 * index - 700, y);
}

void CGapLine::DoDrawCurrentLeader(fw::CDC* pDC, const CObjGraph& graph, double current,
                                   int32_t index) const {
    if (!pDC || !(current > 0.0))
        return;
    const int32_t x = Round32(graph.GetXByCurrent(VoltageFactor(graph) * current));
    const int32_t y = Round32(graph.GetYByTime(m_dTimeStd));
    PenScope pen(pDC, kLeaderColour);
    Line(pDC, x, y, x, y + 400 * index - 100);
}

void CGapLine::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nMeasureTime << m_dCurrentStd << m_nMeasureCurrent << m_dTimeStd;
    else
        ar >> m_nMeasureTime >> m_dCurrentStd >> m_nMeasureCurrent >> m_dTimeStd;
}
