#include "CGapLine.h"

#include "app/protection/CObjGraph.h"
#include "breakerdata/model/CdPoint.h"
#include "breakerdata/model/CdPointList.h"
#include "tools/Filvaron.h"

#include <iterator>

FW_IMPLEMENT_SERIAL(CGapLine, 0)

namespace {

// The factor of the graph's curve currents: its standard voltage, or none.
double VoltageFactor(const CObjGraph& graph) {
    return graph.m_nStdVoltage >= 1 ? graph.m_nStdVoltage : 1.0;
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

void CGapLine::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nMeasureTime << m_dCurrentStd << m_nMeasureCurrent << m_dTimeStd;
    else
        ar >> m_nMeasureTime >> m_dCurrentStd >> m_nMeasureCurrent >> m_dTimeStd;
}
