// The sub-mode commands: one breaker chosen again, the pairs of breakers for
// cascade and discrimination, a wire checked against its breaker, the
// electric-shock check and the let-through graphs, each on the elements
// selected in the skeleton.

#include "CTovarineDocData.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CObjGroup.h"
#include "ElementKindTable.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/ProtectCycles.h"
#include "app/protection/CGraphNo.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CTVUpdate.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int32_t kDown = 64;

CEleLVCB* BreakerOf(const CObjElement* e) {
    return e && e->GetKind() == kKindLVCB ? dynamic_cast<CEleLVCB*>(e->GetElement()) : nullptr;
}

CEleWire* WireOf(const CObjElement* e) {
    return e && e->GetKind() == kKindWire ? dynamic_cast<CEleWire*>(e->GetElement()) : nullptr;
}

bool KindIn(const CObjElement* e, std::initializer_list<int32_t> kinds) {
    return std::find(kinds.begin(), kinds.end(), e->GetKind()) != kinds.end();
}

bool IsConductor(const CObjElement* e) {
    return KindIn(e, {kKindBusBar, kKindWire, kKindBusDuct});
}

// A breaker of a pair: switched on, its data complete with a type.
bool IsPairMember(const CObjElement* e) {
    CEleLVCB* b = BreakerOf(e);
    return b && b->IsOff() != 1 && b->DoCheckData(0, 1) == 0;
}

// A breaker the wire checks work with: a pair member that is also a
// calculation point.
bool IsUsable(const CObjElement* e) {
    return IsPairMember(e) && BreakerOf(e)->IsCalcPoint() == 1;
}

// The selected elements of the document, kind by kind.
struct Selection {
    CObjElementList all;
    std::vector<CObjElement*> breakers; // low-voltage
    std::vector<CObjElement*> hv;
    std::vector<CObjElement*> wires;
    explicit Selection(const CTovarineDocData& doc) {
        doc.CollectElements(all);
        for (CObjElement* e : all) {
            if (e->GetSelect() != 1)
                continue;
            if (e->GetKind() == kKindLVCB)
                breakers.push_back(e);
            else if (e->GetKind() == kKindHVCB)
                hv.push_back(e);
            else if (e->GetKind() == kKindWire)
                wires.push_back(e);
        }
    }
};

// The last conductor below the breaker before the next device, machine,
// load, junction or transformer; null when there is none.
CObjElement* LastConductorBelow(CObjElementList& all, CObjElement* breaker) {
    CObjElement* last = nullptr;
    for (CObjElement* c = all.FindNeighbour(breaker, kDown, 0); c;
         c = all.FindNeighbour(c, kDown, 0)) {
        if (KindIn(c, {kKindHVCB, kKindLVCB, kKindZeroCond, kKindMotor, kKindMotorEff, kKindLoad,
                       kKindCapacitor, kKindTrans3, kKindTrans1}))
            break;
        if (IsConductor(c))
            last = c;
    }
    return last;
}

uint32_t PairMethodOf(uint32_t id) {
    switch (id) {
    case tvid::ID_SELECT_BY_TABLE:
        return CEleLVCB::kMethodTable;
    case tvid::ID_SELECT_BY_INST:
        return CEleLVCB::kMethodInst;
    case tvid::ID_SELECT_BY_INST_DC:
        return CEleLVCB::kMethodInstDC;
    case tvid::ID_SELECT_BY_INST_LIMITING:
        return CEleLVCB::kMethodInstLimiting;
    default:
        return 0;
    }
}

} // namespace

CObjAdjust* CTovarineDocData::GetUpstreamAdjust(CCurrent& marker, double* rated, double* iinst,
                                                double* icu) {
    *rated = *iinst = *icu = 0.0;
    CObjElementList all;
    CollectElements(all);
    for (CObjElement* e : all) {
        if (e->GetKind() != static_cast<int32_t>(marker.m_nUpstreamKind) ||
            e->GetNumber() != marker.m_nUpstreamNumber)
            continue;
        CObjAdjust* adjust = e->GetObjAdjust();
        if (!adjust)
            return nullptr;
        *rated = adjust->m_infoBase.m_dRatedValue;
        double upper = 0.0, lower = 0.0, typical = 0.0;
        adjust->DoCalcGetStartCurrents(GetFrequency(), &upper, &lower, &typical);
        *iinst = adjust->IsBandMode() ? lower : typical;
        marker.m_dUpstreamCurrent = *iinst;
        if (e->GetKind() == kKindLVCB) {
            double ics = 0.0, iq = 0.0;
            CEleLVCB::DoReadCapacity(*adjust, &ics, icu, &iq);
            marker.m_dIcu = *icu;
        }
        return adjust;
    }
    return nullptr;
}

void CTovarineDocData::DoClearUpstreamMarkers(uint32_t kind, uint32_t number) {
    CObjElementList all;
    CollectElements(all);
    for (CObjElement* e : all) {
        CEleLVCB* b = BreakerOf(e);
        if (!b)
            continue;
        CCurrent& marker = b->m_currentSelect;
        if (marker.m_nSelectedBy == 0 || marker.m_nUpstreamKind != kind ||
            marker.m_nUpstreamNumber != number)
            continue;
        SetModifiedFlag();
        fw::CRect area;
        e->GetUnionRect(&area);
        CTVUpdate hint(area.left, area.top, area.right, area.bottom);
        UpdateAllViews(tvhint::kRect, &hint);
        marker.DoClearCurrent();
        UpdateAllViews(tvhint::kRect, &hint);
    }
}

bool CTovarineDocData::IsSubModeCommandEnabled(uint32_t id) {
    Selection s(*this);
    switch (id) {
    case tvid::ID_SELECT_ONE_ICU:
    case tvid::ID_SELECT_ONE_ICS: {
        CObjElementList points;
        points.CollectCalcPointsByKind(s.all, kKindLVCB, 1);
        return (m_nMode == 3 || m_nMode == 4) && points.GetCount() == 1;
    }
    case tvid::ID_SELECT_SECOND_POINT: {
        if (s.breakers.size() != 1)
            return false;
        CEleLVCB* b = BreakerOf(s.breakers[0]);
        CObjElement* below = s.all.FindNeighbour(s.breakers[0], kDown, 0);
        return b->IsCalcPoint() == 1 && below && WireOf(below) && WireOf(below)->IsCalcPoint() == 1;
    }
    case tvid::ID_SELECT_CASCADE:
    case tvid::ID_SELECT_BY_TABLE: {
        const int32_t mode = id == tvid::ID_SELECT_CASCADE ? 5 : 6;
        // Two low-voltage breakers, whatever else is selected.
        if (m_nMode != mode || s.breakers.size() != 2)
            return false;
        CObjElement* a = s.breakers[0];
        CObjElement* b = s.breakers[1];
        if (!IsPairMember(a) || !IsPairMember(b))
            return false;
        CObjElementList one(s.all), two(s.all);
        if (id == tvid::ID_SELECT_CASCADE)
            return one.IsUpstreamDeviceSameLevel(a, b) || two.IsUpstreamDeviceSameLevel(b, a);
        return one.IsUpstreamDevice(a, b) || two.IsUpstreamDevice(b, a);
    }
    case tvid::ID_SELECT_BY_INST:
    case tvid::ID_SELECT_BY_INST_DC:
    case tvid::ID_SELECT_BY_INST_LIMITING: {
        if (m_nMode != 6)
            return false;
        std::vector<CObjElement*> pair = s.breakers;
        if (s.breakers.size() == 1 && s.hv.size() == 1)
            pair.push_back(s.hv[0]);
        else if (!(s.breakers.size() == 2 && s.hv.empty()))
            return false;
        CObjElement* a = pair[0];
        CObjElement* b = pair[1];
        if (!IsPairMember(a) || b->IsOff() == 1 ||
            (b->GetKind() == kKindLVCB ? !IsPairMember(b) : b->DoCheckData() != 0))
            return false;
        CObjElementList one(s.all), two(s.all);
        return one.IsUpstreamDevice(a, b) ||
               (b->GetKind() == kKindLVCB && two.IsUpstreamDevice(b, a));
    }
    case tvid::ID_PROTECT_I2T:
    case tvid::ID_PROTECT_ENERGY:
    case tvid::ID_PROTECT_I2T_END:
    case tvid::ID_PROTECT_ENERGY_END: {
        if (m_nMode != 7 || s.breakers.size() != 1 || s.wires.size() != 1 ||
            !IsUsable(s.breakers[0]))
            return false;
        const bool atEnd = id == tvid::ID_PROTECT_I2T_END || id == tvid::ID_PROTECT_ENERGY_END;
        if (atEnd && WireOf(s.wires[0])->IsCalcPoint() != 1)
            return false;
        CObjElementList one(s.all), two(s.all);
        return one.IsDirectlyFedBy(s.wires[0], s.breakers[0]) ||
               two.IsDirectlyFedBy(s.breakers[0], s.wires[0]);
    }
    case tvid::ID_SHOCK_CHECK: {
        if (s.breakers.size() != 1)
            return false;
        CEleLVCB* b = BreakerOf(s.breakers[0]);
        const uint32_t earthing = s.breakers[0]->GetEarthingSystem();
        if (b->IsCalcPoint() != 1 || earthing == 2 || earthing == 4)
            return false;
        CObjElement* c = LastConductorBelow(s.all, s.breakers[0]);
        return c && c->IsCalcPoint() == 1;
    }
    case tvid::ID_DISPLAY_LIMIT_CURVE:
        return s.breakers.size() == 1 && BreakerOf(s.breakers[0])->DoReadLimitCurve() >= 1;
    case tvid::ID_DISPLAY_I2T_CURVE:
        return s.breakers.size() == 1 && BreakerOf(s.breakers[0])->DoReadI2tCurve() >= 1;
    default:
        return false;
    }
}

bool CTovarineDocData::IsSubModeCommandChecked(uint32_t id) {
    Selection s(*this);
    switch (id) {
    case tvid::ID_SELECT_ONE_ICU:
    case tvid::ID_SELECT_ONE_ICS:
    case tvid::ID_SELECT_SECOND_POINT: {
        CObjElementList points;
        points.CollectCalcPointsByKind(s.all, kKindLVCB, 1);
        const CEleLVCB* b = points.GetCount() == 1 ? BreakerOf(points.GetAt(0)) : nullptr;
        const uint32_t criterion = id == tvid::ID_SELECT_ONE_ICU   ? CEleLVCB::kByIcu
                                   : id == tvid::ID_SELECT_ONE_ICS ? CEleLVCB::kByIcs
                                                                   : CEleLVCB::kAtSecondPoint;
        return m_nMode == 4 && b && b->m_nCriterion == criterion;
    }
    case tvid::ID_SELECT_BY_TABLE:
    case tvid::ID_SELECT_BY_INST:
    case tvid::ID_SELECT_BY_INST_DC:
    case tvid::ID_SELECT_BY_INST_LIMITING: {
        if (s.breakers.empty() || s.breakers.size() > 2)
            return false;
        // The downstream breaker of the pair: the one the other feeds.
        CObjElement* down = s.breakers[0];
        if (s.breakers.size() == 2) {
            CObjElementList walk(s.all);
            if (walk.IsUpstreamDevice(s.breakers[0], s.breakers[1]))
                down = s.breakers[0];
            else
                down = s.breakers[1];
        }
        return BreakerOf(down)->m_currentSelect.m_nSelectedBy == PairMethodOf(id);
    }
    case tvid::ID_PROTECT_I2T:
    case tvid::ID_PROTECT_ENERGY:
    case tvid::ID_PROTECT_I2T_END:
    case tvid::ID_PROTECT_ENERGY_END: {
        if (s.wires.size() != 1)
            return false;
        const CEleWire* w = WireOf(s.wires[0]);
        const bool energy = id == tvid::ID_PROTECT_ENERGY || id == tvid::ID_PROTECT_ENERGY_END;
        const bool atEnd = id == tvid::ID_PROTECT_I2T_END || id == tvid::ID_PROTECT_ENERGY_END;
        return (w->m_nCheckMode == 1) == energy && (w->m_nEnergySource == 1) == atEnd;
    }
    default:
        return false;
    }
}

void CTovarineDocData::DoWireCheckByI2t(uint32_t id, const double durations[3]) {
    Selection s(*this);
    if (s.breakers.size() != 1 || s.wires.size() != 1)
        return;
    CEleLVCB* b = BreakerOf(s.breakers[0]);
    CEleWire* w = WireOf(s.wires[0]);
    SaveUndo();
    for (int i = 0; i < 3; ++i)
        w->m_dDuration[i] = durations[i];
    w->m_nFailingGroup = 0;
    w->SetErrorMark(0);
    w->DoCheckProtectByI2t(GetFrequency(), *b, id == tvid::ID_PROTECT_I2T_END ? 1 : 0);
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    UpdateAllItems();
}

bool CTovarineDocData::DoWireCheckByI2tAsked(uint32_t id) {
    CProtectCycles cycles;
    {
        Selection s(*this);
        if (s.breakers.size() != 1 || s.wires.size() != 1)
            return false;
        const CEleWire* w = WireOf(s.wires[0]);
        cycles.nFrequency = GetFrequency();
        cycles.nWireSystem = w->GetWireSystem();
        for (int i = 0; i < 3; ++i)
            cycles.dCycles[i] = w->m_dDuration[i];
    }
    if (!DialogSeam<CProtectCycles>::Edit(cycles))
        return false;
    DoWireCheckByI2t(id, cycles.dCycles);
    return true;
}

CObjGraph* CTovarineDocData::DoSubModeCommand(uint32_t id) {
    Selection s(*this);
    // The graph of the kind that carries every one of the elements, made
    // current; a new one when there is none.
    auto showOn = [this](uint32_t kind, const std::vector<CObjElement*>& elements, double cmin,
                         double cmax, double tmin, double tmax) -> CObjGraph* {
        for (auto& graph : m_listGraphs) {
            if (graph->m_nKind != kind)
                continue;
            bool all = true;
            for (CObjElement* e : elements)
                all = all && e->IsOnGraph(graph->m_nGraphNo) == 1;
            if (!all)
                continue;
            CObjGraph* current = m_listGraphs.GetCurrentGraph();
            if (!current)
                return nullptr;
            current->m_nCurrent = 0;
            graph->m_nCurrent = 1;
            return graph.get();
        }
        const uint32_t number = static_cast<uint32_t>(IncrementCounter(0));
        for (auto& graph : m_listGraphs)
            graph->m_nCurrent = 0;
        CObjGraph* graph = m_listGraphs.DoAddNewGraph(number, kind, cmin, cmax, tmin, tmax);
        for (CObjElement* e : elements) {
            if (CEleLVCB* b = BreakerOf(e))
                b->AddToGraph(number, 1, kind);
        }
        m_listGroups.DoAddToGraph(number, 1, kind);
        return graph;
    };
    auto done = [this]() {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kModeChanged, nullptr);
    };

    switch (id) {
    case tvid::ID_SELECT_ONE_ICU:
    case tvid::ID_SELECT_ONE_ICS:
        SaveUndo();
        BeginWaitCursor();
        DoSelectBreakers(id == tvid::ID_SELECT_ONE_ICU ? CEleLVCB::kByIcu : CEleLVCB::kByIcs,
                         nullptr, 1, 1, nullptr);
        done();
        UpdateAllItems();
        EndWaitCursor();
        return nullptr;
    case tvid::ID_SELECT_SECOND_POINT: {
        if (s.breakers.size() != 1)
            return nullptr;
        CObjElement* below = s.all.FindNeighbour(s.breakers[0], kDown, 0);
        if (!WireOf(below))
            return nullptr;
        SaveUndo();
        BeginWaitCursor();
        DoSelectBreakers(CEleLVCB::kAtSecondPoint, below, 1, 1, nullptr);
        done();
        UpdateAllItems();
        EndWaitCursor();
        return nullptr;
    }
    case tvid::ID_SELECT_CASCADE:
    case tvid::ID_SELECT_BY_TABLE:
    case tvid::ID_SELECT_BY_INST:
    case tvid::ID_SELECT_BY_INST_DC:
    case tvid::ID_SELECT_BY_INST_LIMITING: {
        SaveUndo();
        // Only the instantaneous methods take a high-voltage breaker above.
        std::vector<CObjElement*> pair = s.breakers;
        if (id != tvid::ID_SELECT_CASCADE && id != tvid::ID_SELECT_BY_TABLE &&
            s.breakers.size() == 1 && s.hv.size() == 1)
            pair.push_back(s.hv[0]);
        if (pair.size() != 2) {
            done();
            return nullptr;
        }
        CObjElement* down = nullptr;
        CObjElement* up = nullptr;
        const bool sameLevel = id == tvid::ID_SELECT_CASCADE;
        CObjElementList one(s.all), two(s.all);
        if (sameLevel ? one.IsUpstreamDeviceSameLevel(pair[0], pair[1])
                      : one.IsUpstreamDevice(pair[0], pair[1])) {
            down = pair[0];
            up = pair[1];
        } else if (pair[1]->GetKind() == kKindLVCB &&
                   (sameLevel ? two.IsUpstreamDeviceSameLevel(pair[1], pair[0])
                              : two.IsUpstreamDevice(pair[1], pair[0]))) {
            down = pair[1];
            up = pair[0];
        }
        CEleLVCB* b = BreakerOf(down);
        double result = -1.0;
        if (b) {
            CEleLVCB::CUpstream upstream;
            upstream.nKind = static_cast<uint32_t>(up->GetKind());
            upstream.nNumber = up->GetNumber();
            b->m_currentSelect.m_nUpstreamKind = upstream.nKind;
            b->m_currentSelect.m_nUpstreamNumber = upstream.nNumber;
            upstream.pAdjust = GetUpstreamAdjust(b->m_currentSelect, &upstream.dRated,
                                                 &upstream.dIinst, &upstream.dIcu);
            result = sameLevel ? b->DoSelectBackUpByTable(upstream)
                               : b->DoSelectLimit(PairMethodOf(id), GetFrequency(), upstream);
        }
        done();
        if (!(result > 0.0))
            return nullptr;
        const uint32_t kind = sameLevel ? CObjGraph::kCascade : CObjGraph::kDiscrimination;
        return showOn(kind, {down, up}, m_dCurrentFrom, m_dCurrentTo, m_dTimeFrom, m_dTimeTo);
    }
    case tvid::ID_PROTECT_ENERGY:
    case tvid::ID_PROTECT_ENERGY_END: {
        if (s.breakers.size() != 1 || s.wires.size() != 1)
            return nullptr;
        SaveUndo();
        CEleWire* w = WireOf(s.wires[0]);
        w->SetErrorMark(0);
        w->DoCheckProtectByEnergy(GetFrequency(), *BreakerOf(s.breakers[0]),
                                  id == tvid::ID_PROTECT_ENERGY_END ? 1 : 0, 1);
        done();
        UpdateAllItems();
        return nullptr;
    }
    case tvid::ID_SHOCK_CHECK: {
        if (s.breakers.size() != 1)
            return nullptr;
        SaveUndo();
        CObjElement* c = LastConductorBelow(s.all, s.breakers[0]);
        // Without a conductor below there is no point to check at.
        if (!c)
            return nullptr;
        CEleLVCB* b = BreakerOf(s.breakers[0]);
        b->m_strShockPoint = c->GetName();
        const CCalcPoint* point = ElementKindTable::Visit<const CCalcPoint*>(
            c->GetKind(), c->GetElement(), KindSet::Range(1, 16), nullptr,
            [](auto& model) -> const CCalcPoint* {
                if constexpr (requires { model.m_calcPoint; })
                    return &model.m_calcPoint;
                else
                    return nullptr;
            });
        if (point) {
            // The conductor's results, but the breaker's own graphs: the
            // earth-fault line keeps its labels on the shock graphs.
            CGraphNoList graphs = std::move(b->m_calcPointShock.m_listGraphNo);
            b->m_calcPointShock = *point;
            b->m_calcPointShock.m_listGraphNo = std::move(graphs);
        }
        b->DoCalcShockTripCurrent();
        done();
        return showOn(CObjGraph::kDisconnect, {s.breakers[0]}, m_dCurrentFrom, m_dCurrentTo,
                      m_dTimeFrom, m_dTimeTo);
    }
    case tvid::ID_DISPLAY_LIMIT_CURVE:
    case tvid::ID_DISPLAY_I2T_CURVE: {
        SaveUndo();
        if (s.breakers.size() != 1)
            return nullptr;
        CEleLVCB* b = BreakerOf(s.breakers[0]);
        const CObjAdjust* adjust = b->GetAdjust();
        if (!adjust || !(adjust->m_infoBase.m_dRatedValue > 0.0))
            return nullptr;
        done();
        const bool limit = id == tvid::ID_DISPLAY_LIMIT_CURVE;
        const uint32_t kind = limit ? CObjGraph::kCurrentLimiting : CObjGraph::kLetThrough;
        CGraphNoList& list = limit ? b->m_listGraphNoLimit : b->m_listGraphNoI2t;
        for (auto& graph : m_listGraphs) {
            if (graph->m_nKind == kind && list.DoFindGraphNo(graph->m_nGraphNo)) {
                CObjGraph* current = m_listGraphs.GetCurrentGraph();
                if (!current)
                    return nullptr;
                current->m_nCurrent = 0;
                graph->m_nCurrent = 1;
                return graph.get();
            }
        }
        const uint32_t number = static_cast<uint32_t>(IncrementCounter(0));
        for (auto& graph : m_listGraphs)
            graph->m_nCurrent = 0;
        CObjGraph* graph =
            limit ? m_listGraphs.DoAddNewGraph(number, kind, 1000.0, 1000000.0, 1000.0, 1000000.0)
                  : m_listGraphs.DoAddNewGraph(number, kind, 1000.0, 1000000.0, 100000.0,
                                               100000000.0);
        if (!list.DoFindGraphNo(number))
            list.DoAddNewGraphNo()->DoSetGraphNo(number, 1);
        return graph;
    }
    default:
        return nullptr;
    }
}
