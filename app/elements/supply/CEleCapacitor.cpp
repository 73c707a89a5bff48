#include "CEleCapacitor.h"

#include "app/calc/Impedance.h"
#include "app/elements/supply/MachineCurves.h"
#include "app/elements/supply/MachineTexts.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Reactor.h"

#include <cmath>

using namespace machinetext;

namespace {

constexpr double kTwoPi = 6.28318530717958;
const double kSqrt2 = std::sqrt(2.0);
const double kSqrt3 = std::sqrt(3.0);

constexpr unsigned IDS_PREFIX = 25100; // "C"

} // namespace

CEleCapacitor::CEleCapacitor() : CEleFrame(fw::CRect(0, 0, 39, 39)) {}

double CEleCapacitor::DoCalcRatedCurrent() const {
    if (m_nVoltage < 1)
        return 0.0;
    return Finite(m_dCapacity * 1000.0 / m_nVoltage / kSqrt3);
}

double CEleCapacitor::DoCalcCapacitance(double f) const {
    if (m_nVoltage < 1 || !(f >= 1.0))
        return 0.0;
    double v = m_nVoltage;
    return Finite(m_dCapacity * 1000.0 / v / v / (f * kTwoPi));
}

double CEleCapacitor::DoCalcResistanceFromZ() const {
    double z = Finite(DoCalcMagnitude(m_dUpstreamResistance, m_dUpstreamReactance));
    return Finite(z / std::sqrt(kUpstreamXR * kUpstreamXR + 1.0));
}

double CEleCapacitor::DoCalcInductance(double f) const {
    double ic = DoCalcRatedCurrent();
    if (!(f >= 1.0) || !(ic > 0.0))
        return 0.0;
    double w = f * kTwoPi;
    double r = DoCalcResistanceFromZ();
    // The reactor's reactance (p % of the capacitor's, in mohm) and the
    // up-stream reactance R x k, both turned into inductance.
    double reactor = m_nVoltage / kSqrt3 / ic * 1000.0 * m_dReactor / 100.0;
    return Finite(reactor / w + r * kUpstreamXR / w);
}

bool CEleCapacitor::IsOscillating(double f) const {
    double c = DoCalcCapacitance(f);
    double r = DoCalcResistanceFromZ();
    if (!(c > 0.0) || r == 0.0)
        return false;
    double l = DoCalcInductance(f);
    double d = l * 4.0 * 1000.0 / c - r * r;
    return std::isfinite(d) && d > 0.0;
}

double CEleCapacitor::DoCalcOscillationRatio(double f) const {
    if (!IsOscillating(f))
        return 0.0;
    double r = DoCalcResistanceFromZ();
    double l = DoCalcInductance(f);
    double c = DoCalcCapacitance(f);
    return Finite(std::sqrt(l * 4.0 * 1000.0 / c - r * r) / r);
}

double CEleCapacitor::DoCalcPeakCurrent(double f) const {
    double c = DoCalcCapacitance(f);
    double z = Finite(DoCalcMagnitude(m_dUpstreamResistance, m_dUpstreamReactance));
    double b = DoCalcOscillationRatio(f);
    double l = DoCalcInductance(f);
    if (!(f >= 1.0) || !(c > 0.0) || m_nVoltage < 1 || !(z > 0.0) || b == 0.0 || l == 0.0)
        return 0.0;
    double peak = (kSqrt2 * m_nVoltage / kSqrt3) / std::sqrt(l * 1000.0 / c) *
                  std::exp(std::atan(b) * (-1.0 / b)) * 1000.0;
    return Finite(peak / kSqrt2);
}

double CEleCapacitor::DoCalcPeakTime(double f) const {
    double c = DoCalcCapacitance(f);
    double r = DoCalcResistanceFromZ();
    double b = DoCalcOscillationRatio(f);
    if (!(f >= 1.0) || !(c > 0.0) || r == 0.0 || b == 0.0)
        return 0.0;
    double l = DoCalcInductance(f);
    return Finite(std::atan(b) * (2.0 * l / r / b) * 1000.0);
}

void CEleCapacitor::DoSetCalcZ(double baseCapacity, const CPercentZ* source) {
    if (!source)
        return;
    m_dUpstreamResistance = Finite(DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, source->m_dR));
    m_dUpstreamReactance = Finite(DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, source->m_dX));
}

void CEleCapacitor::DoSetCalcZ(CPercentZ& result, double baseCapacity, const CPercentZ* first,
                               const CPercentZ*) {
    DoSetCalcZ(baseCapacity, first);
    result = first ? *first : CPercentZ();
}

int CEleCapacitor::DoCalcCurve(double f) {
    m_listPoints.DoDeleteAllPoints();
    double a = Finite(DoCalcRatedCurrent() * m_nVoltage);
    double b = Finite(DoCalcPeakCurrent(f) * m_nVoltage);
    double t = DoCalcPeakTime(f) / 1000.0;
    if (!(b > 0.0) || !(t > 0.0))
        return 0;
    double h = t / 2.0;
    const double points[13][2] = {
        {a, 2.0 * t * 1000.0},
        {a, 2.0 * t},
        {a + a / 30.0, 2.0 * t - 2.0 * t / 20.0},
        {a + a / 10.0, 2.0 * t - 2.0 * t / 9.0},
        {b - b / 10.0, t + t / 5.0},
        {b - b / 40.0, t + t / 10.0},
        {b, t},
        {b, h},
        {b - b / 60.0, h - h / 6.0},
        {b - b / 10.0, h - 0.25 * h},
        {a + a / 6.0, t / 10.0 + (t / 10.0) / 30.0},
        {a, t / 10.0},
        {a / 10.0, t / 10.0},
    };
    for (const auto& p : points) {
        CdPoint* point = m_listPoints.DoAddNewPoint();
        point->m_dX = Finite(p[0]);
        point->m_dY = Finite(p[1]);
    }
    return 1;
}

uint32_t CEleCapacitor::DoCheckData() const {
    if (!(m_dCapacity > 0.0))
        return 1110;
    if (!(m_dReactor >= 0.0))
        return 1200;
    if (!(m_dPowerFactor >= 0.0 && m_dPowerFactor <= 1.0))
        return 1190;
    return 0;
}

int32_t CEleCapacitor::IsOkRatedCurrent(double rating) const {
    return DoCalcRatedCurrent() <= rating ? 1 : 0;
}

void CEleCapacitor::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX), args))
        return;
    m_dCapacity = 100.0;
    double reactor = 0.0;
    if (fw::CDatabase* db = GetModelDatabases().pList) {
        CRSList_Reactor reactors(db);
        reactors.DoReadSetDefaultLR(nullptr, &reactor);
    }
    m_dReactor = reactor;
    m_dPowerFactor = 0.0;
    m_dUpstreamResistance = 0.0;
    m_dUpstreamReactance = 0.0;
    m_nLeading = 1;
}

void CEleCapacitor::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage << m_dCapacity << m_dUpstreamResistance << m_dUpstreamReactance
           << m_dReactor << m_dPowerFactor << m_nLeading << m_nCurveSelected;
    } else {
        ar >> m_nVoltage >> m_dCapacity >> m_dUpstreamResistance >> m_dUpstreamReactance >>
            m_dReactor >> m_dPowerFactor >> m_nLeading >> m_nCurveSelected;
    }
    SerializeRefLists(ar);
    m_listGraphNo.Serialize(ar);
    m_infoLine.Serialize(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark);
}

void CEleCapacitor::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [](fw::CDC* dc, fw::CPoint c) {
        dc->MoveTo(c.x, c.y - 20);
        dc->LineTo(c.x, c.y - 8);
        const fw::CPoint frame[5] = {{c.x - 13, c.y - 8},
                                     {c.x + 13, c.y - 8},
                                     {c.x + 13, c.y + 18},
                                     {c.x - 13, c.y + 18},
                                     {c.x - 13, c.y - 8}};
        dc->Polyline(frame, 5);
        dc->MoveTo(c.x - 6, c.y + 1);
        dc->LineTo(c.x + 7, c.y + 1);
        dc->MoveTo(c.x, c.y - 4);
        dc->LineTo(c.x, c.y + 1);
        dc->MoveTo(c.x - 6, c.y + 9);
        dc->LineTo(c.x + 7, c.y + 9);
        dc->MoveTo(c.x, c.y + 14);
        dc->LineTo(c.x, c.y + 9);
    });
}

std::string CEleCapacitor::DoGetTextLabelV1() const {
    return DoGetTextCapacity(1) + "\r\n" + DoGetTextRatedCurrent(1) + "\r\n" + DoGetTextReactor(1);
}

std::string CEleCapacitor::DoGetTextLabelGraph() const {
    return m_strName + "\r\n" + DoGetTextLabelV1();
}

fw::CRect CEleCapacitor::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1());
}

fw::CRect CEleCapacitor::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV4(pDC, std::string());
}

void CEleCapacitor::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1());
}

void CEleCapacitor::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleCapacitor::DoEditElement(const CEleEditContext& ctx) {
    return DoEditWithSeam(*this, ctx);
}

int32_t CEleCapacitor::IsAddableToGraph(uint32_t graphNo) const {
    if (m_nVoltage < 1 || !(m_dUpstreamResistance > 0.0) || !(m_dUpstreamReactance > 0.0))
        return 0;
    if (!IsOscillating(50.0))
        return 0;
    return IsOnGraph(graphNo) ? 0 : 1;
}

void CEleCapacitor::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcCurve(settings.nFrequency))
        return;
    machinecurve::DoDrawCurve(*this, pDC, graph, DoGetTextLabelGraph());
}

void CEleCapacitor::DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                                  const CEleDocSettings& settings) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcCurve(settings.nFrequency))
        return;
    machinecurve::DoDXFOutCurve(*this, file, graph, DoGetTextLabelGraph());
}

int32_t CEleCapacitor::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point,
                                     int32_t code) {
    return machinecurve::IsHittedCurve(*this, pDC, graph, point, code);
}

void CEleCapacitor::DoInvalidateCurve(fw::CDC*, CObjGraph* graph, int32_t code,
                                      const CEleInvalidate& invalidate) {
    machinecurve::DoInvalidateCurve(*this, graph, code, invalidate);
}

// --- report texts ---------------------------------------------------------

std::string CEleCapacitor::DoGetTextVoltage(int unit) const {
    return Beams(m_nVoltage) + Unit(IDS_VOLT, unit);
}

std::string CEleCapacitor::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity) + Unit(IDS_KVAR, unit);
}

std::string CEleCapacitor::DoGetTextElectrostaticCapacity(double f, int unit) const {
    return Beams(DoCalcCapacitance(f)) + Unit(IDS_FARAD, unit);
}

std::string CEleCapacitor::DoGetTextRatedCurrent(int unit) const {
    return BeamsEx(DoCalcRatedCurrent(), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleCapacitor::DoGetTextUpstreamResistance(int unit) const {
    return BeamsEx(m_dUpstreamResistance, 4) + Unit(IDS_MOHMS, unit);
}

std::string CEleCapacitor::DoGetTextUpstreamReactance(int unit) const {
    return BeamsEx(m_dUpstreamReactance, 4) + Unit(IDS_MOHMS, unit);
}

std::string CEleCapacitor::DoGetTextReactor(int unit) const {
    return Beams(m_dReactor) + Unit(IDS_PERCENT, unit);
}

std::string CEleCapacitor::DoGetTextPowerFactor() const {
    return Beams(m_dPowerFactor);
}

std::string CEleCapacitor::DoGetTextPhaseAngle(int unit) const {
    return PhaseText(m_dPowerFactor, m_nLeading, unit);
}

std::string CEleCapacitor::DoGetTextPeakCurrent(double f, int unit) const {
    return BeamsEx(DoCalcPeakCurrent(f), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleCapacitor::DoGetTextPeakTime(double f, int unit) const {
    return BeamsEx(DoCalcPeakTime(f), 4) + Unit(IDS_MILLISECOND, unit);
}
