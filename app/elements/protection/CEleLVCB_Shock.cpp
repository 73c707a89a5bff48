// The low-voltage breaker's side of the wire-protection and electric-shock
// checks: the energy it lets through in a fault, and the current that trips
// it within the required disconnection time.

#include "CEleLVCB.h"

#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace protecttexts;

namespace {

constexpr unsigned IDS_GOOD = 26161;
constexpr unsigned IDS_NG = 26780;

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
