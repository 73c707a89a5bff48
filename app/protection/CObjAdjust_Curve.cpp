#include "CObjAdjust.h"

#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "framework/Region.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// A logical co-ordinate rounded to the nearest whole unit (halves away from
// zero), kept inside 32 bits.
int32_t Round32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(value));
}

fw::CPoint HeadOf(const CdPointList& points) {
    if (points.IsEmpty())
        return fw::CPoint(0, 0);
    const CdPoint* head = points.GetHead();
    return fw::CPoint(Round32(head->m_dX), Round32(head->m_dY));
}

bool IsOrigin(fw::CPoint point) {
    return point.x == 0 && point.y == 0;
}

// Maps a curve onto the graph and clips it at its clip time: the part below
// that time is cut off and the curve goes on level from the crossing to ten
// times its current.
void DoConvertAndClip(COneCurve& curve, const CObjGraph& graph) {
    CdPointList& points = curve.m_listPoint;
    graph.DoConvAllPoints(points);
    if (!(curve.m_dSaturation > 0.0) || !(graph.GetTimeMin() > 0.0))
        return;
    const double clipY = graph.GetYByTime(curve.m_dSaturation);
    curve.m_dSaturation = clipY;
    // Walk from the last segment toward the first.
    auto& items = points.Items();
    if (items.size() < 2)
        return;
    auto later = std::prev(items.end());
    while (later != items.begin()) {
        auto earlier = std::prev(later);
        CdPoint& p = **earlier;
        CdPoint& q = **later;
        if (q.m_dY < clipY && p.m_dY < clipY) {
            items.erase(later);
        } else if (q.m_dY < clipY) {
            q.m_dX = q.m_dX + (p.m_dX - q.m_dX) * (clipY - q.m_dY) / (p.m_dY - q.m_dY);
            q.m_dY = clipY;
            CdPoint* level = points.DoAddNewPoint();
            level->m_dX = graph.GetXByCurrent(graph.GetCurrentByX(q.m_dX) * 10.0);
            level->m_dY = clipY;
            return;
        }
        later = earlier;
    }
}

} // namespace

int32_t CObjAdjust::DoReadAdjustFromDB() {
    const CModelDatabases& databases = GetModelDatabases();
    if (!databases.pBreaker)
        return 0;
    int32_t ratingID = m_readBase.DoReadReadBase(databases.pBreaker, &m_infoBase);
    if (ratingID == 0)
        return 0;
    m_infoBase.m_lBreakRatedID = ratingID;
    if (m_listReadPart.DoReadAllReadParts(databases.pBreaker, ratingID, &m_listInfoPart) == 0)
        return 0;
    return m_listReadPart.DoReadAllCurveInfos(databases.pBreaker, databases.pCurve,
                                              &m_listInfoPart) != 0
               ? 1
               : 0;
}

int32_t CObjAdjust::DoCalcAdjustCurves(int32_t frequency) {
    m_listTypicalCurve.DoDeleteAllOneCurves();
    m_listUpperCurve.DoDeleteAllOneCurves();
    m_listLowerCurve.DoDeleteAllOneCurves();
    double breakingTime = 0.0;
    if (m_readBase.m_bUseBreakingTime == 1 && adjust_fields::BreakTimeFlag(m_infoBase) == 1 &&
        adjust_fields::BreakTimeFlag2(m_infoBase) == 1 && frequency >= 1)
        breakingTime = static_cast<double>(adjust_fields::BreakCycles(m_infoBase)) / frequency;
    // Settings and parts are walked in step; a list left short by a failed
    // read ends the walk.
    auto part = m_listReadPart.begin();
    for (auto setting = m_listInfoPart.begin();
         setting != m_listInfoPart.end() && part != m_listReadPart.end(); ++setting, ++part) {
        const CInfoPart& s = **setting;
        const CReadPart& r = **part;
        if (adjust_fields::LockFlag(s) == 1)
            continue;
        m_listTypicalCurve.DoCalcSetAllOneCurves(2, m_infoBase, m_readBase, s, r, breakingTime);
        if (m_listUpperCurve.DoCalcSetAllOneCurves(1, m_infoBase, m_readBase, s, r, breakingTime) !=
            1)
            m_listUpperCurve.DoCalcSetErrorCurves(1, m_infoBase, m_readBase, s, r, m_infoLine,
                                                  breakingTime);
        if (m_listLowerCurve.DoCalcSetAllOneCurves(3, m_infoBase, m_readBase, s, r, breakingTime) !=
            1)
            m_listLowerCurve.DoCalcSetErrorCurves(3, m_infoBase, m_readBase, s, r, m_infoLine,
                                                  breakingTime);
    }
    return 1;
}

bool CObjAdjust::DoReadAndCalc(int32_t frequency) {
    // A failed read leaves the reference lists half filled: the curves
    // computed before stay rather than curves of a part of the device.
    if (DoReadAdjustFromDB() != 1)
        return false;
    DoCalcAdjustCurves(frequency);
    return true;
}

void CObjAdjust::DoCalcCurve(int32_t frequency) {
    if (m_infoBase.IsOkSetCurveInfo() == 1)
        DoReadAndCalc(frequency);
}

fw::CPoint CObjAdjust::DoMakeAdjustCurve(const CObjGraph& graph, double breakingCurrent) {
    // The cut goes through the graph's own mapping, which copes with a graph
    // without a voltage.
    int32_t xcut = 0;
    if (breakingCurrent > 0.0)
        xcut = Round32(graph.GetXByCurrent(breakingCurrent * m_infoBase.m_nVoltage));
    m_listTypicalPoint.DoDeleteAllPoints();
    m_listUpperPoint.DoDeleteAllPoints();
    m_listLowerPoint.DoDeleteAllPoints();
    struct Job {
        const COneCurveList& curves;
        CdPointList& points;
        fw::CPoint head;
    };
    Job jobs[] = {{m_listTypicalCurve, m_listTypicalPoint, {}},
                  {m_listUpperCurve, m_listUpperPoint, {}},
                  {m_listLowerCurve, m_listLowerPoint, {}}};
    for (Job& job : jobs) {
        COneCurveList scratch;
        scratch.DoCopyAllOneCurves(job.curves);
        for (auto& curve : scratch)
            DoConvertAndClip(*curve, graph);
        job.points.DoMakeOneCurve(scratch);
        job.points.DoRectifiesCapacity(xcut);
        job.head = HeadOf(job.points);
    }
    const fw::CPoint typical = jobs[0].head;
    const fw::CPoint upper = jobs[1].head;
    const fw::CPoint lower = jobs[2].head;
    fw::CPoint anchor(0, 0);
    if (IsOrigin(upper))
        anchor = lower;
    else if (IsOrigin(lower))
        anchor = upper;
    else if (upper.x != 0 && upper.y != 0 && lower.x != 0 && lower.y != 0)
        anchor = fw::CPoint(static_cast<int32_t>((int64_t{upper.x} + lower.x) / 2),
                            std::max(upper.y, lower.y));
    if (IsBandMode()) {
        if (IsOrigin(anchor))
            anchor = typical;
    } else if (!IsOrigin(typical)) {
        anchor = typical;
    }
    return anchor;
}

bool CObjAdjust::IsTypicalShown() const {
    if (IsBandMode())
        return m_listUpperPoint.IsEmpty() && m_listLowerPoint.IsEmpty();
    return !m_listTypicalPoint.IsEmpty();
}

void CObjAdjust::DoCalcGetStartCurrents(int32_t frequency, double* upper, double* lower,
                                        double* typical) {
    if (!(m_infoBase.m_dRatedValue > 0.0))
        return;
    DoReadAndCalc(frequency);
    const double voltage = m_infoBase.m_nVoltage;
    auto first = [voltage](const COneCurveList& curves) {
        for (const auto& curve : curves) {
            if (curve->m_dInstValue > 0.0)
                return voltage > 0.0 ? curve->m_dInstValue / voltage : 0.0;
        }
        return 0.0;
    };
    if (upper)
        *upper = first(m_listUpperCurve);
    if (lower)
        *lower = first(m_listLowerCurve);
    if (typical)
        *typical = first(m_listTypicalCurve);
}

double CObjAdjust::GetCurrentAtY(double y, const CObjGraph& graph, double breakingCurrent) {
    DoMakeAdjustCurve(graph, breakingCurrent);
    const CdPointList* shown = nullptr;
    if (IsBandMode())
        shown = m_listUpperPoint.IsEmpty() ? &m_listTypicalPoint : &m_listUpperPoint;
    else
        shown = m_listTypicalPoint.IsEmpty() ? &m_listUpperPoint : &m_listTypicalPoint;
    // A curve with no points reaches no time.
    if (shown->IsEmpty())
        return 0.0;
    const auto& items = shown->Items();
    if (items.back()->m_dY > y)
        return 0.0;
    for (auto later = items.rbegin(); std::next(later) != items.rend(); ++later) {
        const CdPoint& q = **later;
        const CdPoint& p = **std::next(later);
        if (p.m_dY >= y && q.m_dY <= y) {
            if (p.m_dY == q.m_dY)
                return 0.0;
            double x = p.m_dX + (q.m_dX - p.m_dX) * (p.m_dY - y) / (p.m_dY - q.m_dY);
            return graph.GetCurrentByX(x);
        }
    }
    return 0.0;
}

namespace {

// The start current referred to the graph's voltage: a device of 6600 V on
// a 400 V graph trips at 16.5 times its current there.
double ToGraphVoltage(double current, int32_t deviceVoltage, const CObjGraph& graph) {
    if (graph.m_nStdVoltage >= 1)
        return current * static_cast<double>(deviceVoltage) / graph.m_nStdVoltage;
    return current;
}

// Builds the polygon of a region: the closing x at both ends, the curve's
// points (x bounded by xb) in between.
bool MakeRegion(fw::CRgn* region, const CdPointList& points, int32_t closingX, double xb) {
    std::vector<fw::CPoint> polygon;
    polygon.reserve(static_cast<size_t>(points.GetCount()) + 2);
    polygon.emplace_back(closingX, Round32(points.GetHead()->m_dY));
    for (const auto& point : points)
        polygon.emplace_back(Round32(std::min(point->m_dX, xb)), Round32(point->m_dY));
    polygon.emplace_back(closingX, Round32(points.GetTail()->m_dY));
    return region->CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), fw::WINDING);
}

} // namespace

double CObjAdjust::DoMakeTripRegion(int32_t frequency, const CObjGraph& graph, fw::CRgn* region,
                                    double breakingCurrent) {
    DoReadAndCalc(frequency);
    DoMakeAdjustCurve(graph, breakingCurrent);
    bool lower = false;
    if (IsBandMode())
        lower = !m_listLowerPoint.IsEmpty();
    else
        lower = m_listTypicalPoint.IsEmpty();
    const CdPointList& chosen = lower ? m_listLowerPoint : m_listTypicalPoint;
    double current = 0.0;
    if (lower)
        DoCalcGetStartCurrents(frequency, nullptr, &current, nullptr);
    else
        DoCalcGetStartCurrents(frequency, nullptr, nullptr, &current);
    current = ToGraphVoltage(current, m_infoBase.m_nVoltage, graph);
    if (chosen.IsEmpty() || !region)
        return current;
    // The curves were recomputed for the start currents: the polylines
    // still stand for this graph.
    MakeRegion(region, chosen, 32767, std::numeric_limits<double>::infinity());
    return current;
}

double CObjAdjust::DoMakeNoTripRegion(int32_t frequency, const CObjGraph& graph, fw::CRgn* region,
                                      double breakingCurrent, int32_t edge) {
    DoReadAndCalc(frequency);
    DoMakeAdjustCurve(graph, breakingCurrent);
    // 1 upper, 2 typical, 3 lower.
    int kind = 2;
    if (IsBandMode()) {
        if (edge == 3 && !m_listLowerPoint.IsEmpty())
            kind = 3;
        else if (edge == 1 && !m_listUpperPoint.IsEmpty())
            kind = 1;
        else if (edge != 1 && edge != 3)
            kind = m_listTypicalPoint.IsEmpty() ? 3 : 2;
    } else {
        kind = m_listTypicalPoint.IsEmpty() ? 3 : 2;
    }
    const CdPointList& chosen =
        kind == 1 ? m_listUpperPoint : (kind == 3 ? m_listLowerPoint : m_listTypicalPoint);
    double current = 0.0;
    DoCalcGetStartCurrents(frequency, kind == 1 ? &current : nullptr,
                           kind == 3 ? &current : nullptr, kind == 2 ? &current : nullptr);
    current = ToGraphVoltage(current, m_infoBase.m_nVoltage, graph);
    if (chosen.IsEmpty() || !region)
        return current;
    // Without an instantaneous trip current no point is cut.
    double xb = std::numeric_limits<double>::infinity();
    if (current > 0.0)
        xb = graph.GetXByCurrent(current * (graph.m_nStdVoltage >= 1 ? graph.m_nStdVoltage : 1));
    MakeRegion(region, chosen, -32767, xb);
    return current;
}

void CObjAdjust::GetLastPartFlags(int32_t* lastFlag, int32_t* lockFlag) const {
    if (lastFlag)
        *lastFlag = m_listReadPart.IsEmpty() ? 0 : m_listReadPart.GetTail()->m_bMCR;
    if (lockFlag)
        *lockFlag =
            m_listInfoPart.IsEmpty() ? 0 : adjust_fields::LockFlag(*m_listInfoPart.GetTail());
}

std::string CObjAdjust::DoGetAdjustSettingText() const {
    std::string text;
    auto part = m_listReadPart.begin();
    for (auto setting = m_listInfoPart.begin();
         setting != m_listInfoPart.end() && part != m_listReadPart.end(); ++setting, ++part) {
        const CInfoPart& s = **setting;
        const CReadPart& r = **part;
        text += "\r\n";
        text += r.m_strElementName;
        if (adjust_fields::LockFlag(s) == 1) {
            text += "  Lock";
            continue;
        }
        if (!r.m_strNameOnGraph.empty())
            text += " " + r.m_strNameOnGraph;
        const int currentKind = r.m_dialCurrent.m_nKind;
        const bool currentDial = currentKind == 2 || currentKind == 3;
        if (currentKind == 1) {
            if (!r.m_dialCurrent.m_strNotes.empty()) {
                text += "  " + r.m_dialCurrent.m_strNotes;
                if (!r.m_dialCurrent.m_strUnit.empty())
                    text += "(" + r.m_dialCurrent.m_strUnit + ")";
            } else if (m_infoBase.m_nLVCBCode == 14) {
                text += ":Non";
            }
        } else if (currentDial) {
            text += "  " + r.DoGetTextCurrent(s.m_dCurrent, 1);
            const int magni = r.m_dialMagniCurrent.m_nKind;
            if (magni == 2 || magni == 3)
                text += " A " + r.DoGetTextMagniCurrent(s.m_dMagniCurrent, 1);
        }
        const int timeKind = r.m_dialTime.m_nKind;
        if (timeKind == 2 || timeKind == 3) {
            text += currentDial ? "," : "  ";
            text += r.DoGetTextTime(s.m_dTime, 1);
            const int magni = r.m_dialMagniTime.m_nKind;
            if (magni == 2 || magni == 3)
                text += " A " + r.DoGetTextMagniTime(s.m_dMagniTime, 1);
        }
    }
    if (m_infoBase.m_nLVCBCode == 14)
        text += "\r\nInst. Only";
    return text;
}
