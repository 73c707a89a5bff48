// The low-voltage breaker as the downstream device of a pair: back-up
// (cascade) capacity from the authorized table, and the selectivity limit
// current by the table or by the overlap of the two characteristics.

#include "CEleLVCB.h"

#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "framework/MessageBox.h"
#include "framework/Region.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr unsigned IDS_NOT_GOOD_ICU_IINST = 26781;
constexpr unsigned IDS_NOT_IN_TABLE = 26782;
constexpr unsigned IDS_ICU_BACK_BELOW_IK = 26783;
constexpr unsigned IDS_OVERLAP = 26784;
constexpr unsigned IDS_ICU_BELOW_IK = 26785;
constexpr unsigned IDS_NO_IINST = 26786;
constexpr unsigned IDS_NO_LIMIT_CURVE = 26787;
constexpr unsigned IDS_OUT_OF_LIMIT_CURVE = 26788;
constexpr unsigned IDS_AT_SECOND_POINT = 26789;
constexpr unsigned IDS_NO_DISCRIMINATION = 26776;
constexpr unsigned IDS_TOTAL = 26777;
constexpr unsigned IDS_PRACTICALLY_TOTAL = 26778;
constexpr unsigned IDS_PARTIAL = 26779;

void Tell(unsigned id) {
    fw::AppMessageBox(fw::LoadString(id), fw::mb::Ok | fw::mb::IconInformation);
}

// The discrimination graph the regions are built on: currents and times
// 100 to 10 000 at the downstream voltage, a thousand units a decade.
CObjGraph PairGraph(int32_t voltage) {
    CObjGraph graph;
    graph.m_nKind = CObjGraph::kDiscrimination;
    graph.m_dCurrentMin = 100.0;
    graph.m_dCurrentMax = 10000.0;
    graph.m_dTimeMin = 100.0;
    graph.m_dTimeMax = 10000.0;
    graph.m_nStdVoltage = voltage;
    graph.DoSetGraphRect(fw::CRect(0, 0, 2000, 2000));
    return graph;
}

// The prospective current at which the current-limiting curve (prospective
// current, cut-off current) reaches the cut-off, straight between the two
// points that bracket it on the log-log axes; 0 outside the curve.
double ProspectiveAtCutOff(const CdPointList& curve, double cutOff) {
    const auto& items = curve.Items();
    for (auto at = items.begin(); at != items.end() && std::next(at) != items.end(); ++at) {
        const CdPoint& p = **at;
        const CdPoint& q = **std::next(at);
        if (p.m_dX <= 0.0 || q.m_dX <= 0.0 || p.m_dY <= 0.0 || q.m_dY <= 0.0)
            continue;
        const double lo = std::min(p.m_dY, q.m_dY);
        const double hi = std::max(p.m_dY, q.m_dY);
        if (cutOff < lo || cutOff > hi)
            continue;
        if (p.m_dY == q.m_dY)
            return p.m_dX;
        const double f = std::log10(cutOff / p.m_dY) / std::log10(q.m_dY / p.m_dY);
        return p.m_dX * std::pow(q.m_dX / p.m_dX, f);
    }
    return 0.0;
}

} // namespace

bool CEleLVCB::IsSelectionValid() const {
    const CCurrent& m = m_currentSelect;
    if (m.m_nSelectedBy == CCurrent::kCascade) {
        return m.m_dIcuBack > 0.0 && m_currentOwn.m_dIcu >= m.m_dUpstreamCurrent &&
               GetResultIk(m_nCriterion) <= m.m_dIcuBack;
    }
    if (m.m_nSelectedBy >= CCurrent::kTable && m.m_nSelectedBy <= CCurrent::kInstLimiting)
        return m.m_nResult == 1 && m.m_dIs > 0.0;
    return false;
}

double CEleLVCB::DoSelectBackUpByTable(const CUpstream& upstream) {
    CObjAdjust* adjust = GetAdjust();
    if (!adjust || !upstream.pAdjust)
        return -1.0;
    if (m_nCriterion == kAtSecondPoint) {
        Tell(IDS_AT_SECOND_POINT);
        return -1.0;
    }
    CCurrent& m = m_currentSelect;
    m.m_dUpstreamCurrent = m.m_dIcs = m.m_dIcu = m.m_dIcuBack = m.m_dIs = 0.0;
    if (!(m_currentOwn.m_dIcu > 0.0))
        DoReadOwnCapacity();
    const double ownIcu = m_currentOwn.m_dIcu;
    const int32_t v = GetVoltage();
    const double ik = GetResultIk(m_nCriterion);
    const CInfoBase& up = upstream.pAdjust->m_infoBase;

    double icuBack = 0.0;
    int32_t rowVoltage = 0;
    if (fw::CDatabase* db = GetModelDatabases().pBreaker) {
        CRSBreak_Cascade table(db);
        rowVoltage = table.DoReadByVoltTypeID(GetTypeID(), v, up.m_lTypeID, &icuBack);
    }
    double ics = 0.0, icu = 0.0, iq = 0.0;
    DoReadCapacity(*upstream.pAdjust, &ics, &icu, &iq);
    m.m_dIcs = ics;
    m.m_dIcu = icu;
    m.m_nSelectedBy = CCurrent::kCascade;
    m.m_nUpstreamKind = 2;
    m.m_nUpstreamNumber = upstream.nNumber;
    m.m_nUpstreamMakerID = static_cast<uint32_t>(up.m_lManufactureID);
    m.m_nUpstreamGroupID = static_cast<uint32_t>(up.m_lGroupID);
    m.m_nUpstreamTypeID = static_cast<uint32_t>(up.m_lTypeID);
    m.m_dUpstreamCurrent = upstream.dIinst;
    m.m_nResult = 0;
    m.m_dIcuBack = icuBack;

    if (upstream.dIinst > ownIcu) {
        Tell(IDS_NOT_GOOD_ICU_IINST);
        return -1.0;
    }
    if (icuBack < ownIcu) {
        // A row only of a higher voltage keeps the breaker's own capacity.
        if (rowVoltage > v) {
            icuBack = ownIcu;
            m.m_dIcuBack = icuBack;
        } else {
            m.m_dIcuBack = -1.0;
            Tell(IDS_NOT_IN_TABLE);
            return -1.0;
        }
    }
    if (ik <= icuBack) {
        m.m_nResult = 1;
        return icuBack;
    }
    Tell(IDS_ICU_BACK_BELOW_IK);
    return -1.0;
}

double CEleLVCB::DoSelectLimit(uint32_t method, int32_t frequency, const CUpstream& upstream) {
    CObjAdjust* adjust = GetAdjust();
    if (!adjust || !upstream.pAdjust)
        return -1.0;
    if (m_nCriterion == kAtSecondPoint) {
        Tell(IDS_AT_SECOND_POINT);
        return method == kMethodTable ? -1.0 : 0.0;
    }
    CCurrent& m = m_currentSelect;
    m.m_dUpstreamCurrent = m.m_dIcs = m.m_dIcu = m.m_dIcuBack = m.m_dIs = 0.0;
    if (!(m_currentOwn.m_dIcu > 0.0))
        DoReadOwnCapacity();
    const double ownIcu = m_currentOwn.m_dIcu;
    const int32_t v = GetVoltage();
    const double ik = GetResultIk(m_nCriterion);
    const CInfoBase& up = upstream.pAdjust->m_infoBase;

    m.m_nSelectedBy = method;
    m.m_nUpstreamKind = method == kMethodTable ? 2 : upstream.nKind;
    m.m_nUpstreamNumber = upstream.nNumber;
    m.m_nUpstreamMakerID = static_cast<uint32_t>(up.m_lManufactureID);
    m.m_nUpstreamGroupID = static_cast<uint32_t>(up.m_lGroupID);
    m.m_nUpstreamTypeID = static_cast<uint32_t>(up.m_lTypeID);
    m.m_nBand = upstream.pAdjust->m_infoLine.m_nBandFlag == 1 ? 1 : 0;
    m.m_nResult = 0;
    auto none = [&m](unsigned message) {
        m.m_dIs = -1.0;
        m.m_nResult = 0;
        if (message != 0)
            Tell(message);
        return -1.0;
    };

    // The two regions on the discrimination graph: where the upstream
    // breaker trips, and where the downstream one has not tripped yet.
    const CObjGraph graph = PairGraph(v);
    const double upIcu = upstream.nKind == 2 ? upstream.dIcu : 0.0;
    fw::CRgn upRegion, downRegion, both;
    const double upStart = upstream.pAdjust->DoMakeTripRegion(frequency, graph, &upRegion, upIcu);
    const double downStart = adjust->DoMakeNoTripRegion(frequency, graph, &downRegion, ownIcu, 1);
    int type = fw::NULLREGION;
    fw::CRect box;
    if (upRegion.IsCreated() && downRegion.IsCreated()) {
        type = both.CombineRgn(upRegion, downRegion, fw::RGN_AND);
        box = both.GetRgnBox();
    }
    const bool overlap = type == fw::COMPLEXREGION;

    if (method == kMethodTable) {
        double is = 0.0;
        if (fw::CDatabase* db = GetModelDatabases().pBreaker) {
            CRSBreak_Selective table(db);
            table.DoReadByValueTypeID(GetTypeID(), v, adjust->m_infoBase.m_dRatedValue,
                                      up.m_lTypeID, upstream.dRated, &is);
        }
        m.m_dIcs = 0.0;
        m.m_dIcu = upstream.dIcu;
        if (!(is > 0.0))
            return none(IDS_NOT_IN_TABLE);
        if (overlap || (upStart != 0.0 && upStart < downStart))
            return none(IDS_OVERLAP);
        if (!(ik < ownIcu))
            return none(IDS_ICU_BELOW_IK);
        int32_t last = 0, lock = 0;
        upstream.pAdjust->GetLastPartFlags(&last, &lock);
        if (last == 1 && lock == 1 && upstream.dIcu > 0.0)
            is = upstream.dIcu;
        m.m_dIs = std::min(is, ownIcu);
        m.m_nResult = 1;
        return m.m_dIs;
    }

    double iinst = upStart;
    if (!(iinst > 0.0))
        return none(IDS_NO_IINST);
    if (method == kMethodInstDC)
        iinst = iinst * std::sqrt(2.0) / DLLGetValueKp(iinst);
    m.m_dUpstreamCurrent = iinst;

    if (overlap) {
        // Only an overlap that ends quickly, with nothing instantaneous
        // downstream, still leaves a limit at its left edge.
        if (method == kMethodInst && !(downStart > 0.0) && graph.GetTimeByY(box.top) < 0.1 &&
            v > 0) {
            m.m_dIs = graph.GetCurrentByX(box.left) / v;
            m.m_nResult = 1;
            return m.m_dIs;
        }
        return none(IDS_OVERLAP);
    }
    if (iinst > ownIcu) {
        m.m_dIs = ownIcu;
        m.m_nResult = 1;
        return m.m_dIs;
    }
    if (downStart > iinst)
        return none(IDS_OVERLAP);
    if (method != kMethodInstLimiting) {
        m.m_dIs = iinst;
        m.m_nResult = 1;
        return m.m_dIs;
    }
    if (DoReadLimitCurve() <= 0)
        return none(IDS_NO_LIMIT_CURVE);
    const double is = ProspectiveAtCutOff(m_listLimitPoints, std::sqrt(2.0) * iinst);
    if (!(is > 0.0))
        return none(IDS_OUT_OF_LIMIT_CURVE);
    m.m_dIs = is;
    m.m_nResult = 1;
    return m.m_dIs;
}

std::string CEleLVCB::DoGetTextDiscrimResult() const {
    const CObjAdjust* adjust = GetAdjust();
    const CCurrent& m = m_currentSelect;
    if (m.m_nSelectedBy < CCurrent::kTable ||
        (adjust && !(adjust->m_infoBase.m_dRatedValue > 0.0)) || IsCalcPoint() != 1)
        return "-";
    if (!adjust)
        return std::string();
    const double ik = GetResultIk(m_nCriterion);
    const double icu = m_currentOwn.m_dIcu;
    if (m.m_nResult != 1 || !(ik < icu) || !(m.m_dIs > 0.0))
        return fw::LoadString(IDS_NO_DISCRIMINATION);
    if (m.m_dIs == icu)
        return fw::LoadString(IDS_TOTAL);
    if (ik <= m.m_dIs)
        return fw::LoadString(IDS_PRACTICALLY_TOTAL);
    return fw::LoadString(IDS_PARTIAL);
}
