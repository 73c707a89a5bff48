// The low-voltage breaker's side of the wire-protection and electric-shock
// checks: the energy it lets through in a fault, and the current that trips
// it within the required disconnection time.

#include "CEleLVCB.h"

#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "framework/DeviceContext.h"
#include "framework/Region.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <cmath>
#include <ostream>

using namespace protecttexts;

namespace {

constexpr unsigned IDS_GOOD = 26161;
constexpr unsigned IDS_NG = 26780;
constexpr unsigned IDS_DISCONNECTING_TIME = 26162;
constexpr unsigned IDS_AUTOMATIC_OPERATION_CURRENT = 26163;
constexpr unsigned IDS_FAULT_LOOP_IMPEDANCE = 26167;
constexpr unsigned IDS_IA = 26518;
constexpr unsigned IDS_ZS = 26520;
constexpr unsigned IDS_WITHOUT_NEUTRAL = 26126;
constexpr unsigned IDS_WITH_NEUTRAL = 26127;
constexpr unsigned IDS_EARTHING_FIRST = 26128; // TN-S .. IT, by code 1 to 5

// The lines of the marks: layer 4, drawn through, at the drawing's scale.
constexpr int kMarkLineLayer = 4;
constexpr const char* kMarkLineType = "CONTINUOUS";
constexpr double kDxfScale = 0.1;
constexpr int kLabelFont = 201;
constexpr fw::COLORREF kEarthingColour = 0xFF0000;
constexpr fw::COLORREF kSelectedColour = 0x0000FF;

// Toward zero, as whole numbers; a value that cannot be one gives 0.
int32_t Whole(double value) {
    if (!std::isfinite(value))
        return 0;
    return static_cast<int32_t>(std::clamp(value, -2.0e9, 2.0e9));
}

// A DXF co-ordinate of a graph co-ordinate: whole units, then tenths.
int32_t DxfCoordinate(double logical) {
    return Whole(logical) / 10;
}

// The graph's current of a current in A: the curve currents are held at the
// graph's voltage.
double GraphCurrent(const CObjGraph& graph, double amperes) {
    return graph.m_nStdVoltage > 0 ? amperes * graph.m_nStdVoltage : amperes;
}

// A straight line between two (current, time) points mapped onto the graph.
CdPointList MarkLine(const CObjGraph& graph, CdPoint from, CdPoint to) {
    graph.DoConvPoint(from);
    graph.DoConvPoint(to);
    CdPointList line;
    *line.DoAddNewPoint() = from;
    *line.DoAddNewPoint() = to;
    return line;
}

// The earthing text stands outside the plot area: the curves' clipping is
// lifted while it is drawn and put back afterwards.
class ClipLifted {
public:
    explicit ClipLifted(fw::CDC* dc)
        : m_dc(dc), m_had(dc->HasClipRgn()), m_region(dc->GetClipRegion()) {
        m_dc->SelectClipRgn(nullptr);
    }
    ~ClipLifted() {
        if (!m_had)
            return;
        fw::CRgn clip;
        clip.CreateRectRgn(0, 0, 0, 0);
        for (const QRect& r : m_region) {
            fw::CRgn part;
            part.CreateRectRgn(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
            fw::CRgn joined;
            joined.CombineRgn(clip, part, fw::RGN_OR);
            clip = joined;
        }
        m_dc->SelectClipRgn(&clip);
    }
    ClipLifted(const ClipLifted&) = delete;
    ClipLifted& operator=(const ClipLifted&) = delete;

private:
    fw::CDC* m_dc;
    bool m_had;
    QRegion m_region;
};

// A graph used only for its mapping: a thousand units a decade.
CObjGraph ScratchGraph(uint32_t kind, double currentMin, double currentMax, double timeMin,
                       double timeMax, int32_t voltage) {
    CObjGraph graph;
    graph.m_nKind = kind;
    graph.m_dCurrentMin = currentMin;
    graph.m_dCurrentMax = currentMax;
    graph.m_dTimeMin = timeMin;
    graph.m_dTimeMax = timeMax;
    graph.m_nStdVoltage = voltage;
    const int32_t wide =
        static_cast<int32_t>(std::lround(1000.0 * std::log10(currentMax / currentMin)));
    const int32_t high = static_cast<int32_t>(std::lround(1000.0 * std::log10(timeMax / timeMin)));
    graph.DoSetGraphRect(fw::CRect(0, 0, wide, high));
    return graph;
}

} // namespace

double CEleLVCB::GetLetThroughEnergy(double frequency, int32_t kind, int32_t useCurve,
                                     double cycles) const {
    if (!GetAdjust() || !(frequency > 0.0))
        return 0.0;
    const int32_t v = GetVoltage();
    double current = 0.0;
    switch (kind) {
    case kFaultThreePhase:
        if (useCurve == 1)
            return GetLetThroughI2t();
        if (IsSinglePhase() == 1)
            m_calcPoint.DoCalcIkSinglePhase(v, &current);
        else
            m_calcPoint.DoCalcIk3Source(v, &current);
        break;
    case kFaultPhaseNeutral:
        current = m_calcPoint.GetCurrentIk1N(v);
        break;
    case kFaultPhasePE:
        current = m_calcPoint.GetCurrentIk1PE(v);
        break;
    default:
        return 0.0;
    }
    const double k = DLLGetValueEffectiveCoefficient(cycles, DLLGetValuePowerFactor(current));
    return (k * current) * (k * current) * cycles / frequency;
}

double CEleLVCB::GetLetThroughI2t() const {
    const CObjAdjust* adjust = GetAdjust();
    const CModelDatabases& dbs = GetModelDatabases();
    if (!adjust)
        return 0.0;
    CdPointList points;
    int n = 0;
    if (dbs.pBreaker && dbs.pCurve) {
        CRSBreak_MPEI2t curves(dbs.pBreaker);
        int32_t volts = 0;
        n = curves.DoReadByRatedValue(dbs.pCurve, adjust->m_infoBase.m_lTypeID,
                                      adjust->m_infoBase.m_nVoltage,
                                      adjust->m_infoBase.m_dRatedValue, &points, &volts);
    }
    if (n <= 0 || points.IsEmpty())
        return -1.0;
    double ik = 0.0;
    m_calcPoint.DoCalcIk3Total(GetVoltage(), &ik);
    const auto& items = points.Items();
    if (ik > items.back()->m_dX || !(ik > 0.0))
        return 0.0;
    // From the last point backwards, the first pair that brackets the
    // current; straight between them on the log-log axes.
    for (auto later = items.rbegin(); std::next(later) != items.rend(); ++later) {
        const CdPoint& q = **later;
        const CdPoint& p = **std::next(later);
        if (p.m_dX <= ik && q.m_dX >= ik && p.m_dX > 0.0 && q.m_dX > 0.0 && p.m_dY > 0.0 &&
            q.m_dY > 0.0) {
            if (p.m_dX == q.m_dX)
                return q.m_dY;
            const double f = std::log10(ik / p.m_dX) / std::log10(q.m_dX / p.m_dX);
            return p.m_dY * std::pow(q.m_dY / p.m_dY, f);
        }
    }
    return 0.0;
}

void CEleLVCB::DoCalcShockTripCurrent() {
    m_nShockCheck = 1;
    CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return;
    if (!(m_currentOwn.m_dIcu > 0.0))
        DoReadOwnCapacity();
    const int32_t v = GetVoltage();
    const CObjGraph graph = ScratchGraph(CObjGraph::kDisconnect, 1.0, 10000.0, 0.01, 100.0, v);
    const double y = graph.GetYByTime(m_dDisconnectTime);
    const double icu = m_currentOwn.m_dIcu > 0.0 ? m_currentOwn.m_dIcu : 0.0;
    DoCalcCurve(0);
    const double ia = adjust->GetCurrentAtY(y, graph, icu);
    m_dIa = v > 0 ? ia / v : 0.0;
}

double CEleLVCB::GetShockEarthFaultCurrent() const {
    std::string label;
    double ief =
        m_calcPointShock.GetCurrentByKind(static_cast<int32_t>(m_nEarthing),
                                          static_cast<int32_t>(m_nWireSystem), GetVoltage(), label);
    if (m_nEarthing == 5 && m_nWireSystem == 2)
        ief /= 2.0;
    return ief;
}

std::string CEleLVCB::DoGetTextEarthFaultCurrent(int unit) const {
    if (!GetAdjust())
        return std::string();
    return BeamsEx(GetShockEarthFaultCurrent() / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleLVCB::DoGetTextShockResult() const {
    if (!GetAdjust())
        return std::string();
    // A check that never ran, or that found no trip current, has no verdict.
    if (m_nShockCheck != 1 || !(m_dIa > 0.0))
        return "-";
    std::string label;
    const double ief =
        m_calcPointShock.GetCurrentByKind(static_cast<int32_t>(m_nEarthing),
                                          static_cast<int32_t>(m_nWireSystem), GetVoltage(), label);
    const double capacity = m_nCriterion == kByIcs ? m_currentOwn.m_dIcs : m_currentOwn.m_dIcu;
    if (ief > capacity)
        return fw::LoadString(IDS_NG);
    return fw::LoadString(GetShockEarthFaultCurrent() > m_dIa ? IDS_GOOD : IDS_NG);
}

std::string CEleLVCB::GetShockEarthingText() const {
    if (m_nEarthing < 1 || m_nEarthing > 5)
        return std::string();
    std::string text = fw::LoadString(IDS_EARTHING_FIRST + (m_nEarthing - 1));
    if (m_nEarthing == 5) {
        if (m_nWireSystem == 1)
            text += " " + fw::LoadString(IDS_WITHOUT_NEUTRAL);
        else if (m_nWireSystem == 2 || m_nWireSystem == 3)
            text += " " + fw::LoadString(IDS_WITH_NEUTRAL);
    }
    return text;
}

namespace {

bool HasTripMarks(uint32_t shockCheck, double ia, const CObjGraph* graph) {
    return graph && shockCheck == 1 && ia > 0.0;
}

} // namespace

void CEleLVCB::DoDXFOutTripMark(std::ostream& file, int32_t layer, int32_t multiplier,
                                CObjGraph* graph) {
    if (!GetAdjust() || !HasTripMarks(m_nShockCheck, m_dIa, graph))
        return;
    const double t = m_dDisconnectTime;
    const double x = multiplier * m_dIa;
    MarkLine(*graph, CdPoint(x, 1000.0 * t), CdPoint(x, t))
        .DoDXFOutAllPoints(file, kMarkLineLayer, kMarkLineType, kDxfScale);
    CTVFont::DoDXFOutTextLines(file, layer,
                               DxfCoordinate(graph->GetXByCurrent(GraphCurrent(*graph, m_dIa))) + 2,
                               DxfCoordinate(graph->GetYByTime(1000.0 * t)) - 3, GetTripMarkText());
}

void CEleLVCB::DoDXFOutDisconnectMark(std::ostream& file, int32_t layer, int32_t multiplier,
                                      CObjGraph* graph) {
    if (!GetAdjust() || !HasTripMarks(m_nShockCheck, m_dIa, graph))
        return;
    const double t = m_dDisconnectTime;
    const double lowest = graph->GetCurrentMin();
    CTVFont::DoDXFOutTextLines(file, layer,
                               DxfCoordinate(graph->GetXByCurrent(GraphCurrent(*graph, lowest))),
                               DxfCoordinate(graph->GetYByTime(t)) + 2, GetDisconnectMarkText());
    MarkLine(*graph, CdPoint(multiplier * lowest, t), CdPoint(multiplier * m_dIa, t))
        .DoDXFOutAllPoints(file, kMarkLineLayer, kMarkLineType, kDxfScale);
}

std::string CEleLVCB::GetTripMarkText() const {
    return m_strName + "\r\n" + fw::LoadString(IDS_AUTOMATIC_OPERATION_CURRENT) + "\r\n" +
           fw::LoadString(IDS_IA) + "=" + DoGetTextIa(1) + "\r\n\r\n" +
           fw::LoadString(IDS_FAULT_LOOP_IMPEDANCE) + "\r\n" + fw::LoadString(IDS_ZS) + "=" +
           DoGetTextZs(1);
}

std::string CEleLVCB::GetDisconnectMarkText() const {
    return fw::LoadString(IDS_DISCONNECTING_TIME) + " " + DoGetTextDisconnectTime(1);
}

fw::COLORREF CEleLVCB::GetShockMarkColour(const fw::CDC* pDC) const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return 0;
    if (adjust->m_nSelected == 1 && !pDC->IsPrinting())
        return kSelectedColour;
    return static_cast<fw::COLORREF>(adjust->m_infoLine.m_crColor);
}

void CEleLVCB::DoDrawTripMark(fw::CDC* pDC, CObjGraph* graph, int32_t multiplier) {
    const CObjAdjust* adjust = GetAdjust();
    if (!pDC || !adjust || !HasTripMarks(m_nShockCheck, m_dIa, graph))
        return;
    const double t = m_dDisconnectTime;
    const double x = multiplier * m_dIa;
    const fw::COLORREF colour = GetShockMarkColour(pDC);
    MarkLine(*graph, CdPoint(x, 1000.0 * t), CdPoint(x, t))
        .DoDrawAllPoints(pDC, fw::R2_COPYPEN, colour, 0, adjust->m_infoLine.m_nWidth);
    // Where the DXF form puts its text: 2 mm right of the line, its first
    // line's top at the line's upper end.
    const std::string text = GetTripMarkText();
    CTVFont font(pDC, kLabelFont, graph->m_nZoom);
    const fw::CSize size = font.DoGetTextExtent(text);
    const int left = Whole(graph->GetXByCurrent(GraphCurrent(*graph, m_dIa))) + 20;
    const int top = Whole(graph->GetYByTime(1000.0 * t));
    font.DoDrawTextLines(text, left, top, left + size.cx, top - size.cy, colour);
}

void CEleLVCB::DoDrawDisconnectMark(fw::CDC* pDC, CObjGraph* graph, int32_t multiplier) {
    const CObjAdjust* adjust = GetAdjust();
    if (!pDC || !adjust || !HasTripMarks(m_nShockCheck, m_dIa, graph))
        return;
    const double t = m_dDisconnectTime;
    const double lowest = graph->GetCurrentMin();
    const fw::COLORREF colour = GetShockMarkColour(pDC);
    // The text's foot 2 mm above the line, from the graph's left edge.
    const std::string text = GetDisconnectMarkText();
    CTVFont font(pDC, kLabelFont, graph->m_nZoom);
    const fw::CSize size = font.DoGetTextExtent(text);
    const int left = Whole(graph->GetXByCurrent(GraphCurrent(*graph, lowest)));
    const int bottom = Whole(graph->GetYByTime(t)) + 20;
    font.DoDrawTextLines(text, left, bottom + size.cy, left + size.cx, bottom, colour);
    MarkLine(*graph, CdPoint(multiplier * lowest, t), CdPoint(multiplier * m_dIa, t))
        .DoDrawAllPoints(pDC, fw::R2_COPYPEN, colour, 0, adjust->m_infoLine.m_nWidth);
}

double CEleLVCB::GetShockMarkCurrent(std::string* caption) const {
    std::string label;
    double ief =
        m_calcPointShock.GetCurrentByKind(static_cast<int32_t>(m_nEarthing),
                                          static_cast<int32_t>(m_nWireSystem), GetVoltage(), label);
    if (m_nEarthing == 5 && m_nWireSystem == 2)
        ief /= 2.0;
    if (caption)
        *caption = label;
    return std::isfinite(ief) ? ief : 0.0;
}

void CEleLVCB::DoDrawShockMarks(fw::CDC* pDC, CObjGraph* graph) {
    if (!pDC || !graph || !GetAdjust() || m_nShockCheck != 1 || m_dIa == 0.0)
        return;
    std::string caption;
    const double ief = GetShockMarkCurrent(&caption);
    if (ief != 0.0)
        m_calcPointShock.DoDrawCurrentMark(pDC, graph, DoGetTextShockResult(), m_strShockPoint,
                                           caption, m_strName, GetMarkOwner(), ief);
    const int32_t volts = GetVoltage();
    DoDrawDisconnectMark(pDC, graph, volts);
    DoDrawTripMark(pDC, graph, volts);
    // Above the plot area, at its left.
    const std::string earthing = GetShockEarthingText();
    if (earthing.empty())
        return;
    ClipLifted lifted(pDC);
    CTVFont font(pDC, kLabelFont, graph->m_nZoom);
    const fw::CSize size = font.DoGetTextExtent(earthing);
    const fw::CRect& plot = graph->m_rectGraph;
    const int left = plot.left;
    const int bottom = std::max(plot.top, plot.bottom) + 20;
    font.DoDrawTextLines(earthing, left, bottom + size.cy, left + size.cx, bottom, kEarthingColour);
}

void CEleLVCB::DoDXFOutShockMarks(std::ostream& file, CObjGraph* graph) {
    if (!graph || !GetAdjust() || m_nShockCheck != 1 || m_dIa == 0.0)
        return;
    std::string caption;
    const double ief = GetShockMarkCurrent(&caption);
    if (ief != 0.0)
        m_calcPointShock.DoDXFOutCurrentMark(file, kMarkLineLayer, graph, DoGetTextShockResult(),
                                             m_strShockPoint, caption, m_strName, GetMarkOwner(),
                                             ief);
    const int32_t volts = GetVoltage();
    DoDXFOutDisconnectMark(file, kMarkLineLayer, volts, graph);
    DoDXFOutTripMark(file, kMarkLineLayer, volts, graph);
}
