// The current marks of a calculation point on co-ordination graphs.

#include "CCalcPoint.h"

#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "breakerdata/model/CdPointList.h"
#include "framework/DeviceContext.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

constexpr const char* kNL = "\r\n";
constexpr const char* kOF = " of ";
constexpr const char* kK3 = "I\"k3";
constexpr const char* kK2 = "I\"k2";
constexpr const char* kKA = "kA";
constexpr uint32_t kSelectedColour = 0x0000FF; // red
constexpr int kLabelFont = 201;
constexpr double kDxfScale = 0.1;

std::string Value(double current) {
    return DLLGetTextByBeamsEx(current / 1000.0, 5, 0);
}

int32_t Round(double value) {
    if (!std::isfinite(value))
        return 0;
    return static_cast<int32_t>(std::lround(std::clamp(value, -2.0e9, 2.0e9)));
}

} // namespace

std::string CCalcPoint::GetTextIk3(const std::string& a, const std::string& b,
                                   double voltage) const {
    double current = 0.0;
    DoCalcIk3Source(voltage, &current);
    return a + kNL + b + kOF + kK3 + kNL + Value(current) + kKA;
}

std::string CCalcPoint::GetTextIk3Short(const std::string& a, double voltage) const {
    double current = 0.0;
    DoCalcIk3Source(voltage, &current);
    return a + kNL + kK3 + kNL + Value(current) + kKA;
}

std::string CCalcPoint::GetTextIkSinglePhase(const std::string& a, const std::string& b,
                                             double voltage) const {
    double current = 0.0;
    DoCalcIkSinglePhase(voltage, &current);
    return a + kNL + b + kOF + kK2 + kNL + Value(current) + kKA;
}

std::string CCalcPoint::GetTextIkSinglePhaseShort(const std::string& a, double voltage) const {
    double current = 0.0;
    DoCalcIkSinglePhase(voltage, &current);
    return a + kNL + kK2 + kNL + Value(current) + kKA;
}

std::string CCalcPoint::GetTextCurrentMark(const std::string& a, const std::string& b,
                                           const std::string& c, const std::string& d,
                                           double current) {
    return a + kNL + c + kOF + b + kNL + Value(current) + kKA + kNL + d;
}

void CCalcPoint::DoPlaceMark(CObjGraph* graph, const CMarkOwner& owner, double current,
                             bool printing) {
    const double x = current * owner.nVoltage;
    m_ptMarkStart = CdPoint(x, 1.0);
    m_ptMarkEnd = CdPoint(x, graph->GetTimeMax());
    graph->DoConvPoint(m_ptMarkStart);
    graph->DoConvPoint(m_ptMarkEnd);
    m_crMark = static_cast<uint32_t>(owner.line.m_crColor);
    m_nMarkLineKind = static_cast<uint32_t>(owner.line.m_nLineKind);
    m_nMarkWidth = static_cast<uint32_t>(owner.line.m_nWidth);
    if (owner.nSelected == 1 && !printing)
        m_crMark = kSelectedColour;
}

void CCalcPoint::DoDrawMark(fw::CDC* dc, CObjGraph* graph, const CMarkOwner& owner, double current,
                            const std::string& label) {
    if (!dc || !graph)
        return;
    DoPlaceMark(graph, owner, current, dc->IsPrinting());
    CdPointList points;
    *points.DoAddNewPoint() = m_ptMarkStart;
    *points.DoAddNewPoint() = m_ptMarkEnd;
    points.DoDrawAllPoints(dc, fw::R2_COPYPEN, m_crMark, static_cast<int>(m_nMarkLineKind),
                           static_cast<int>(m_nMarkWidth));
    CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
    CObjRefV2* placement = entry ? entry->m_listRefV2.GetAtIndex(0) : nullptr;
    if (!placement)
        return;
    CTVFont font(dc, kLabelFont, graph->m_nZoom);
    const fw::CSize size = font.DoGetTextExtent(label);
    const int left = Round(m_ptMarkStart.m_dX);
    const int top = Round(m_ptMarkStart.m_dY);
    // y grows upward: the text hangs from its top edge above the mark start.
    placement->m_rect = fw::CRect(left, top + size.cy, left + size.cx, top);
    const uint32_t colour =
        placement->m_nSelected == 1 && !dc->IsPrinting() ? kSelectedColour : m_crMark;
    font.DoDrawTextLines(label, left, top + size.cy, left + size.cx, top, colour);
}

void CCalcPoint::DoDXFOutMark(std::ostream& file, int layer, CObjGraph* graph,
                              const CMarkOwner& owner, double current, const std::string& label) {
    if (!graph)
        return;
    DoPlaceMark(graph, owner, current, true);
    // The label stands at the mark start, as every drawing puts it; taken
    // from the placement it would carry the screen's layout into a drawing
    // laid out on another plot.
    if (const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo)) {
        if (entry->m_listRefV2.GetAtIndex(0))
            CTVFont::DoDXFOutTextLines(file, layer, Round(m_ptMarkStart.m_dX) / 10,
                                       Round(m_ptMarkStart.m_dY) / 10, label);
    }
    CdPointList points;
    *points.DoAddNewPoint() = m_ptMarkStart;
    *points.DoAddNewPoint() = m_ptMarkEnd;
    points.DoDXFOutAllPoints(file, layer, owner.line.DoGetDXFTextLineKind(), kDxfScale);
}

void CCalcPoint::DoDrawCurrentMark(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                   const std::string& b, const std::string& c, const std::string& d,
                                   const CMarkOwner& owner, double current) {
    DoDrawMark(dc, graph, owner, current, GetTextCurrentMark(a, b, c, d, current));
}

void CCalcPoint::DoDrawIkSinglePhaseMark(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                         const std::string& b, const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 1);
    if (current > 0.0)
        DoDrawMark(dc, graph, owner, current, GetTextIkSinglePhase(a, b, owner.nVoltage));
}

void CCalcPoint::DoDrawIkSinglePhaseMarkShort(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                              const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 1);
    if (current > 0.0)
        DoDrawMark(dc, graph, owner, current, GetTextIkSinglePhaseShort(a, owner.nVoltage));
}

void CCalcPoint::DoDrawIk3Mark(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                               const std::string& b, const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 0);
    if (current > 0.0)
        DoDrawMark(dc, graph, owner, current, GetTextIk3(a, b, owner.nVoltage));
}

void CCalcPoint::DoDrawIk3MarkShort(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                    const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 0);
    if (current > 0.0)
        DoDrawMark(dc, graph, owner, current, GetTextIk3Short(a, owner.nVoltage));
}

void CCalcPoint::DoDXFOutCurrentMark(std::ostream& file, int layer, CObjGraph* graph,
                                     const std::string& a, const std::string& b,
                                     const std::string& c, const std::string& d,
                                     const CMarkOwner& owner, double current) {
    DoDXFOutMark(file, layer, graph, owner, current, GetTextCurrentMark(a, b, c, d, current));
}

void CCalcPoint::DoDXFOutIk3Mark(std::ostream& file, int layer, CObjGraph* graph,
                                 const std::string& a, const std::string& b,
                                 const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 0);
    if (current > 0.0)
        DoDXFOutMark(file, layer, graph, owner, current, GetTextIk3(a, b, owner.nVoltage));
}

void CCalcPoint::DoDXFOutIk3MarkShort(std::ostream& file, int layer, CObjGraph* graph,
                                      const std::string& a, const CMarkOwner& owner) {
    const double current = MarkCurrent(owner.nVoltage, 0);
    if (current > 0.0)
        DoDXFOutMark(file, layer, graph, owner, current, GetTextIk3Short(a, owner.nVoltage));
}

double CCalcPoint::MarkCurrent(double voltage, int32_t singlePhase) const {
    double current = 0.0;
    if (singlePhase == 1)
        DoCalcIkSinglePhase(voltage, &current);
    else
        DoCalcIk3Source(voltage, &current);
    return std::isfinite(current) ? current : 0.0;
}

int32_t CCalcPoint::IsSelectedMark(double voltage, uint32_t graphNo, int32_t singlePhase) const {
    if (!(MarkCurrent(voltage, singlePhase) > 0.0))
        return 0;
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graphNo);
    return entry ? entry->m_listRefV2.IsSelected(0) : 0;
}

int32_t CCalcPoint::IsHittedMark(double voltage, fw::CPoint point, uint32_t graphNo,
                                 int32_t singlePhase) const {
    if (!(MarkCurrent(voltage, singlePhase) > 0.0))
        return 0;
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graphNo);
    return entry ? entry->m_listRefV2.IsHitted(0, point) : 0;
}

CObjRefV2* CCalcPoint::GetMarkRefV2(double voltage, uint32_t graphNo, int32_t singlePhase) const {
    if (!(MarkCurrent(voltage, singlePhase) > 0.0))
        return nullptr;
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!entry || entry->m_listRefV2.IsSelected(0) != 1)
        return nullptr;
    return entry->m_listRefV2.GetAtIndex(0);
}

void CCalcPoint::SetSelectMark(double voltage, int32_t value, uint32_t flags, uint32_t graphNo,
                               int32_t singlePhase) {
    if (!(MarkCurrent(voltage, singlePhase) > 0.0))
        return;
    for (auto& entry : m_listGraphNo) {
        if (graphNo == 0 || entry->GetGraphNo() == graphNo)
            entry->m_listRefV2.DoSelect(0, value, flags);
    }
}

void CCalcPoint::DoInvalidateMark(double voltage,
                                  const std::function<void(const fw::CRect&)>& invalidate,
                                  fw::CDC* dc, uint32_t graphNo, int32_t mode,
                                  int32_t singlePhase) {
    if (!invalidate || !(MarkCurrent(voltage, singlePhase) > 0.0))
        return;
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!entry)
        return;
    if (mode == 200) {
        invalidate(entry->m_listRefV2.GetRect(0));
        return;
    }
    if (mode != 0)
        return;
    // The line with its pen width and 10 more across, on every side: the
    // graph's y grows upward, so the end lies above the start.
    const double w = static_cast<double>(m_nMarkWidth);
    const double low = std::min(m_ptMarkStart.m_dY, m_ptMarkEnd.m_dY);
    const double high = std::max(m_ptMarkStart.m_dY, m_ptMarkEnd.m_dY);
    fw::CRect rect(Round(m_ptMarkStart.m_dX - w - 10.0), Round(low - w),
                   Round(m_ptMarkEnd.m_dX + w + 10.0), Round(high + w));
    if (dc)
        dc->LPtoDP(&rect);
    rect.NormalizeRect();
    invalidate(rect);
}
