#include "CTovarineDocData.h"

#include "CCalcSkeleton.h"
#include "CCalcTerms.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CObjGroup.h"
#include "ReductionNodes.h"

#include "app/records/CTVUpdate.h"
#include "app/records/FileVersion.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CTovarineUndo.h"
#include "framework/CompoundFile.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"

#include <string>

#include <algorithm>
#include <vector>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

bool KindIn(const CObjElement* e, std::initializer_list<int32_t> kinds) {
    return std::find(kinds.begin(), kinds.end(), e->GetKind()) != kinds.end();
}

// Where each kind's counter sits among the fifteen stored counters.
int CounterSlot(int32_t kind) {
    switch (kind) {
    case 9:
        return 0;
    case 14:
        return 1;
    case 6:
        return 2;
    case 1:
        return 3;
    case 13:
        return 4;
    case 2:
        return 5;
    case 12:
        return 6;
    case 7:
        return 7;
    case 4:
        return 8;
    case 3:
        return 9;
    case 11:
        return 10;
    case 5:
        return 11;
    case 10:
        return 12;
    case 8:
        return 13;
    case 0:
        return 14; // co-ordination graphs
    default:
        return -1;
    }
}

} // namespace

CTovarineDocData::CTovarineDocData() = default;
CTovarineDocData::~CTovarineDocData() = default;

int32_t* CTovarineDocData::CounterOf(int32_t kind) {
    int slot = CounterSlot(kind);
    if (slot >= 0)
        return &m_nCounters[static_cast<size_t>(slot)];
    switch (kind) {
    case 15:
        return &m_nCountBusDuct;
    case 16:
        return &m_nCountTrans1;
    case 200:
        return &m_nTextCounter;
    default:
        return nullptr;
    }
}

int32_t CTovarineDocData::GetCounter(int32_t kind) const {
    const int32_t* counter = const_cast<CTovarineDocData*>(this)->CounterOf(kind);
    return counter ? *counter : 0;
}

int32_t CTovarineDocData::IncrementCounter(int32_t kind) {
    int32_t* counter = CounterOf(kind);
    return counter ? ++*counter : 0;
}

void CTovarineDocData::SetCounter(int32_t kind, int32_t value) {
    if (int32_t* counter = CounterOf(kind))
        *counter = value;
}

void CTovarineDocData::DoResetData() {
    m_pUndo.reset();
    m_version = CVersion();
    m_nCounters.fill(0);
    m_infoProject = CInfoProject();
    m_infoSkeleton = CInfoSkeleton();
    m_infoReport = CInfoReport();
    m_infoImpeMap = CInfoImpeMap();
    m_listGroups.DeleteAll();
    m_listGraphs.DeleteAll();
    m_nMode = 1;
    m_nSubMode = 0;
    m_dCurrentFrom = 10.0;
    m_dCurrentTo = 100000.0;
    m_dTimeFrom = 0.01;
    m_dTimeTo = 100000.0;
    m_nTextCounter = 0;
    m_nCountBusDuct = 0;
    m_nCountTrans1 = 0;
    m_gapLine = CGapLine();
}

CEleDocSettings CTovarineDocData::GetEleSettings() const {
    CEleDocSettings settings;
    settings.nMode = m_nMode;
    settings.nSubMode = m_nSubMode;
    settings.nFrequency = m_infoSkeleton.m_nFrequency;
    settings.dBaseCapacity = m_infoSkeleton.m_dCapacity;
    settings.hasElement = [this](uint32_t kind, uint32_t number) {
        CObjElementList all;
        CollectElements(all);
        for (CObjElement* e : all) {
            if (e->GetKind() == static_cast<int32_t>(kind) && e->GetNumber() == number)
                return true;
        }
        return false;
    };
    return settings;
}

void CTovarineDocData::CollectElements(CObjElementList& list) const {
    list.CollectFromGroups(m_listGroups, 0, 0);
}

void CTovarineDocData::DoChangeFrequency(int32_t frequency) {
    CObjElementList list;
    CollectElements(list);
    for (CObjElement* element : list)
        element->DoReadZFromDB(frequency);
    m_infoSkeleton.m_nFrequency = frequency;
    SetModifiedFlag();
    UpdateAllViews(0, nullptr);
}

void CTovarineDocData::DoReturnToCheckMode() {
    m_nMode = 2;
    m_nSubMode = 0;
    SetModifiedFlag();
    UpdateAllViews(8, nullptr);
}

// --- circuit values of the neighbours --------------------------------------------

int32_t CTovarineDocData::FindVoltage(CObjElement* e, int32_t* singlePhase, int32_t mask) {
    auto take = [&](CObjElement* x, int32_t side, bool flagFromElement) {
        if (singlePhase)
            *singlePhase = flagFromElement ? x->IsSinglePhase() : 0;
        return x->GetVoltage(side);
    };
    if (mask & kUp) {
        CObjElementList list;
        CollectElements(list);
        while (CObjElement* x = list.FindNeighbour(e, kUp, 1)) {
            if (KindIn(x, {4, 6, 5, 16, 8})) {
                if (int32_t v = take(x, 1, true))
                    return v;
                break;
            }
            CObjElement* c = list.FindNeighbour(x, kUp, 1);
            while (c && !KindIn(c, {4, 6, 5, 16, 8}))
                c = list.FindNeighbour(c, kUp, 1);
            if (c) {
                if (int32_t v = take(c, 1, true))
                    return v;
            }
        }
    }
    if (mask & kDown) {
        CObjElementList list;
        CollectElements(list);
        CObjElement* x = list.FindNeighbour(e, kDown, 1);
        while (x) {
            if (KindIn(x, {8, 5, 16})) {
                if (int32_t v = take(x, 0, true))
                    return v;
                break;
            }
            CObjElement* c = list.FindNeighbour(x, kDown, 1);
            while (c && !KindIn(c, {8, 5, 16}))
                c = list.FindNeighbour(c, kDown, 1);
            if (c) {
                if (int32_t v = take(c, 0, true))
                    return v;
            }
            x = list.FindNeighbour(x, kDown, 1);
        }
    }
    for (int32_t direction : {kLeft, kRight}) {
        if (!(mask & direction))
            continue;
        CObjElementList list;
        CollectElements(list);
        CObjElement* c = list.FindNeighbour(e, direction, 1);
        while (c && c->GetKind() != 8)
            c = list.FindNeighbour(c, direction, 1);
        int32_t v = c ? take(c, 0, false) : 0;
        if (v != 0 || direction == kRight)
            return v;
    }
    return 0;
}

uint32_t CTovarineDocData::FindCode(CObjElement* e, int32_t mask, bool wireSystem) {
    auto code = [wireSystem](CObjElement* x) {
        return wireSystem ? x->GetWireSystem() : x->GetEarthingSystem();
    };
    CObjElement* c = e;
    if (mask & kUp) {
        CObjElementList list;
        CollectElements(list);
        for (CObjElement* x = list.FindNeighbour(c, kUp, 1); x; x = list.FindNeighbour(x, kUp, 1)) {
            c = x;
            if (x->GetKind() == 4)
                break;
            if (KindIn(x, {6, 5, 16, 8})) {
                if (uint32_t v = code(x))
                    return v;
                break;
            }
        }
    }
    if (mask & kDown) {
        CObjElementList list;
        CollectElements(list);
        for (CObjElement* x = list.FindNeighbour(c, kDown, 1); x;
             x = list.FindNeighbour(x, kDown, 1)) {
            c = x;
            if (KindIn(x, {12, 7, 14, 13}))
                break;
            if (KindIn(x, {8, 5, 16})) {
                if (uint32_t v = code(x))
                    return v;
                break;
            }
        }
    }
    for (int32_t direction : {kLeft, kRight}) {
        if (!(mask & direction))
            continue;
        CObjElementList list;
        CollectElements(list);
        CObjElement* x = list.FindNeighbour(c, direction, 1);
        while (x && x->GetKind() != 8)
            x = list.FindNeighbour(x, direction, 1);
        uint32_t v = x ? code(x) : 0;
        if (v != 0 || direction == kRight)
            return v;
    }
    return 0;
}

uint32_t CTovarineDocData::FindWireSystem(CObjElement* e, int32_t mask) {
    return FindCode(e, mask, true);
}

uint32_t CTovarineDocData::FindEarthingSystem(CObjElement* e, int32_t mask) {
    return FindCode(e, mask, false);
}

double CTovarineDocData::GetUpstreamCapacity(CObjElement* e) {
    CObjElementList list;
    CollectElements(list);
    double sum = 0.0;
    for (CObjElement* x = list.FindNeighbour(e, kUp, 1); x; x = list.FindNeighbour(x, kUp, 1)) {
        if (KindIn(x, {4, 6, 5, 16})) {
            sum += x->GetCapacity();
            break;
        }
        // The junction's own supplies; what they consumed is not met again
        // above it.
        if (x->GetKind() == 8)
            sum += list.GetSupplyCapacity(x);
    }
    return sum;
}

// --- propagation --------------------------------------------------------------------

void CTovarineDocData::DoApplyValues(CObjElement* x, bool withFlag, int32_t singlePhase,
                                     int32_t volts, int32_t side, bool codes, int32_t earthing,
                                     int32_t wireSystem, int32_t poles,
                                     std::initializer_list<int32_t> reportKinds, bool sideways) {
    if (withFlag)
        x->SetSinglePhase(singlePhase);
    const int32_t oldVolts = x->SetVoltage(volts, side);
    const bool voltsChanged = oldVolts != volts;

    bool codesChanged = false;
    if (codes) {
        if (earthing > 0)
            codesChanged |= x->SetEarthingSystem(static_cast<uint32_t>(earthing)) !=
                            static_cast<uint32_t>(earthing);
        if (wireSystem > 0)
            codesChanged |= x->SetWireSystem(static_cast<uint32_t>(wireSystem)) !=
                            static_cast<uint32_t>(wireSystem);
    }
    bool polesChanged = false;
    if (poles >= 0) {
        // Only breakers have poles; the others hand the argument back.
        polesChanged = x->DoSetPoles(poles) != poles && x->GetKind() == 2;
    }

    fw::CRect r;
    x->GetUnionRect(&r);
    CTVUpdate area(r.left, r.top, r.right, r.bottom);
    if (codesChanged) {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kRect, &area);
    }
    if (polesChanged) {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kRect, &area);
    }
    if (!voltsChanged)
        return;
    if (sideways) {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kRect, &area);
        return;
    }
    if (std::find(reportKinds.begin(), reportKinds.end(), x->GetKind()) != reportKinds.end()) {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kRect, &area);
        CTVUpdate change(r.left, r.top, r.right, r.bottom);
        change.m_dwFirst = static_cast<uint32_t>(oldVolts);
        change.m_dwSecond = static_cast<uint32_t>(volts);
        UpdateAllViews(tvhint::kVoltage, &change);
    }
}

void CTovarineDocData::DoPropagateBranch(CObjElementList& list, CObjElement* s, int32_t singlePhase,
                                         int32_t volts, int32_t earthing, int32_t wireSystem,
                                         int32_t poles) {
    // Up, branch by branch, to the supply.
    while (CObjElement* x = list.FindNeighbour(s, kUp, 1)) {
        for (CObjElement* c = x; c; c = list.FindNeighbour(c, kUp, 1)) {
            DoApplyValues(c, true, singlePhase, volts, 1, true, earthing, wireSystem, poles,
                          {4, 6, 5, 16, 15, 9, 10}, false);
            if (KindIn(c, {4, 6, 5, 16}))
                break;
            if (c->GetKind() == 8) {
                DoPropagateBranch(list, c, singlePhase, volts, earthing, wireSystem, poles);
                break;
            }
        }
    }
    DoPropagateDownFrom(list, s, singlePhase, volts, earthing, wireSystem, poles);
    DoPropagateSide(list, s, kLeft, true, volts, earthing, wireSystem, poles);
    DoPropagateSide(list, s, kRight, true, volts, earthing, wireSystem, poles);
}

void CTovarineDocData::DoPropagateDownFrom(CObjElementList& list, CObjElement* s,
                                           int32_t singlePhase, int32_t volts, int32_t earthing,
                                           int32_t wireSystem, int32_t poles) {
    while (CObjElement* x = list.FindNeighbour(s, kDown, 1)) {
        for (CObjElement* c = x; c; c = list.FindNeighbour(c, kDown, 1)) {
            // A transformer takes the voltage on its primary; its own
            // earthing and wire system belong to its secondary.
            const bool codes = !KindIn(c, {5, 16});
            DoApplyValues(c, true, singlePhase, volts, 0, codes, earthing, wireSystem, poles,
                          {5, 16, 15, 9, 10}, false);
            if (KindIn(c, {5, 16, 12, 7, 14, 13}))
                break;
            if (c->GetKind() == 8) {
                DoPropagateBranch(list, c, singlePhase, volts, earthing, wireSystem, poles);
                break;
            }
        }
    }
}

void CTovarineDocData::DoPropagateSide(CObjElementList& list, CObjElement* s, int32_t direction,
                                       bool withFlag, int32_t volts, int32_t earthing,
                                       int32_t wireSystem, int32_t poles) {
    for (CObjElement* c = list.FindNeighbour(s, direction, 1); c;
         c = list.FindNeighbour(c, direction, 1)) {
        DoApplyValues(c, withFlag, 0, volts, 0, true, earthing, wireSystem, poles, {}, true);
        if (c->GetKind() == 8) {
            DoPropagateBranch(list, c, 0, volts, earthing, wireSystem, poles);
            return;
        }
    }
}

void CTovarineDocData::DoPropagateUp(CObjElement* s, int32_t singlePhase, int32_t volts,
                                     int32_t earthing, int32_t wireSystem, int32_t poles) {
    CObjElementList list;
    CollectElements(list);
    for (CObjElement* c = list.FindNeighbour(s, kUp, 1); c; c = list.FindNeighbour(c, kUp, 1)) {
        DoApplyValues(c, true, singlePhase, volts, 1, true, earthing, wireSystem, poles,
                      {4, 6, 5, 16, 15, 9, 10}, false);
        if (KindIn(c, {4, 6, 5, 16}))
            return;
        if (c->GetKind() == 8) {
            DoPropagateBranch(list, c, singlePhase, volts, earthing, wireSystem, poles);
            return;
        }
    }
}

void CTovarineDocData::DoPropagateDown(CObjElement* s, int32_t singlePhase, int32_t volts,
                                       int32_t earthing, int32_t wireSystem, int32_t poles) {
    CObjElementList list;
    CollectElements(list);
    DoPropagateDownFrom(list, s, singlePhase, volts, earthing, wireSystem, poles);
}

void CTovarineDocData::DoPropagateLeft(CObjElement* s, int32_t volts, int32_t earthing,
                                       int32_t wireSystem, int32_t poles) {
    CObjElementList list;
    CollectElements(list);
    DoPropagateSide(list, s, kLeft, false, volts, earthing, wireSystem, poles);
}

void CTovarineDocData::DoPropagateRight(CObjElement* s, int32_t volts, int32_t earthing,
                                        int32_t wireSystem, int32_t poles) {
    CObjElementList list;
    CollectElements(list);
    DoPropagateSide(list, s, kRight, false, volts, earthing, wireSystem, poles);
}

// --- pruning before a reduction ---------------------------------------------------------

void CTovarineDocData::DoPruneLoopDeadEnds(CObjElementList& list, CObjElement* start) {
    bool removed = true;
    while (removed) {
        removed = false;
        for (CObjElement* x : list) {
            bool dead = x == start ? x->IsOff() != 0 : list.IsDeadEndLoop(x);
            if (dead) {
                list.Remove(x);
                removed = true;
                break;
            }
        }
    }
}

void CTovarineDocData::DoPrunePhaseDeadEnds(CObjElementList& list, CObjElement* start,
                                            int32_t keepMotorEffects) {
    bool removed = true;
    while (removed) {
        removed = false;
        for (CObjElement* x : list) {
            bool dead = x == start ? x->IsOff() != 0 : list.IsDeadEndPhase(x, keepMotorEffects);
            if (dead) {
                list.Remove(x);
                removed = true;
                break;
            }
        }
    }
}

void CTovarineDocData::DoPruneUnconnected(CObjElementList& list, CObjElement* e) {
    auto reaches = [&](CObjElement* x) {
        CObjElementList copy(list);
        if (x->GetKind() == 8)
            return copy.IsConnected(x, e);
        // At a junction the question goes on through the junction.
        auto walk = [&](CObjElement* from, int32_t direction,
                        std::initializer_list<int32_t> stops) -> int {
            for (CObjElement* c = copy.FindNeighbour(from, direction, 1); c;
                 c = copy.FindNeighbour(c, direction, 1)) {
                if (c == e)
                    return 1;
                if (c->GetKind() == 8)
                    return copy.IsConnected(c, e) ? 1 : 0;
                if (KindIn(c, stops))
                    return 0;
            }
            return 0;
        };
        if (x->IsHorizontal() != 0)
            return walk(x, kLeft, {}) == 1 || walk(x, kRight, {}) == 1;
        return walk(x, kUp, {4, 6}) == 1 || walk(x, kDown, {12, 7, 14, 13}) == 1;
    };
    std::vector<CObjElement*> gone;
    for (CObjElement* x : list) {
        if (x != e && !reaches(x))
            gone.push_back(x);
    }
    for (CObjElement* x : gone)
        list.Remove(x);
}

void CTovarineDocData::DoPruneUnfed(CObjElementList& list, bool byTransformer) {
    // What a walk upward must reach: transformers and generators for the
    // loop, sources and generators for the phases.
    const std::vector<int32_t> feeds =
        byTransformer ? std::vector<int32_t>{5, 16, 6} : std::vector<int32_t>{4, 6};
    auto isFeed = [&feeds](const CObjElement* e) {
        return std::find(feeds.begin(), feeds.end(), e->GetKind()) != feeds.end();
    };
    auto atJunction = [byTransformer](CObjElementList& copy, CObjElement* zc) {
        return (byTransformer ? copy.FindTransformer(zc) : copy.FindSupply(zc)) != nullptr;
    };
    auto fed = [&](CObjElement* x) {
        CObjElementList copy(list);
        if (x->GetKind() == 8)
            return atJunction(copy, x);
        auto walk = [&](CObjElement* from, int32_t direction, bool upward) -> bool {
            for (CObjElement* c = copy.FindNeighbour(from, direction, 1); c;
                 c = copy.FindNeighbour(c, direction, 1)) {
                if (upward && isFeed(c))
                    return true;
                if (c->GetKind() == 8)
                    return atJunction(copy, c);
                if (upward && KindIn(c, {4, 6}))
                    return false;
                if (!upward && direction == kDown && KindIn(c, {12, 7, 14, 13}))
                    return false;
            }
            return false;
        };
        if (x->IsHorizontal() != 0)
            return walk(x, kLeft, false) || walk(x, kRight, false);
        return walk(x, kUp, true) || walk(x, kDown, false);
    };
    std::vector<CObjElement*> gone;
    for (CObjElement* x : list) {
        if (!isFeed(x) && !fed(x))
            gone.push_back(x);
    }
    for (CObjElement* x : gone)
        list.Remove(x);
}

void CTovarineDocData::DoPruneUnfedByTransformer(CObjElementList& list) {
    DoPruneUnfed(list, true);
}

void CTovarineDocData::DoPruneUnfedBySupply(CObjElementList& list) {
    DoPruneUnfed(list, false);
}

// --- the calculation drivers ------------------------------------------------------------------

int32_t CTovarineDocData::GetOrientation(const CObjElement* element) const {
    return element ? element->GetHorizontal() : 0;
}

CPercentZ CTovarineDocData::CalcAt(CObjElement* element, bool loop) {
    // Within a Calculation command the skeleton holds every element, in
    // the order collected: the reductions' calls need not collect again.
    if (m_pCalcSkeleton)
        return CalcWholeSkeleton(element, loop);
    CObjElementList list;
    CollectElements(list);
    return loop ? CalcFromGeneratorElement(list, element) : CalcFromSourceElement(list, element, 1);
}

CPercentZ CTovarineDocData::CalcWholeSkeleton(CObjElement* fault, bool loop) {
    const CCalcSkeleton::Reduction* kept = m_pCalcSkeleton->FindReduction(fault, loop);
    CCalcSkeleton::Reduction reduced;
    if (!kept) {
        CObjElementList list;
        reduced.found = loop ? DoReduceLoopAt(list, fault, reduced.first, reduced.second, true)
                             : DoReducePhaseAt(list, fault, 1, reduced.first, reduced.second, true);
        m_pCalcSkeleton->KeepReduction(fault, loop, reduced);
        kept = &reduced;
    }
    if (!kept->found)
        return CPercentZ();
    // Stored as the drivers store a fresh reduction: the terms are the
    // same, and what the point returns depends on its state now.
    CPercentZ first = kept->first;
    CPercentZ second = kept->second;
    const double base = m_infoSkeleton.m_dCapacity;
    return loop ? fault->DoSetCalcZ2Ex(base, &first, &second)
                : fault->DoSetCalcZ(base, &first, &second);
}

bool CTovarineDocData::DoReducePhaseAt(CObjElementList& list, CObjElement* fault, int32_t flag,
                                       CPercentZ& sourceSide, CPercentZ& motorSide, bool whole) {
    const CCalcSkeleton* skeleton = m_pCalcSkeleton.get();
    if (!skeleton || !(whole ? skeleton->DoPrunePhaseOfAll(list, fault, flag)
                             : skeleton->DoPrunePhase(list, fault, flag))) {
        if (!skeleton || !(whole ? skeleton->DoPruneDeadEndsOfAll(list, fault, false, flag)
                                 : skeleton->DoPruneDeadEnds(list, fault, false, flag))) {
            if (whole)
                list = skeleton->GetAll();
            DoPrunePhaseDeadEnds(list, fault, flag);
        }
        if (!skeleton || !skeleton->DoPruneReach(list, fault, false)) {
            DoPruneUnconnected(list, fault);
            DoPruneUnfedBySupply(list);
        }
    }

    const CEleDocSettings settings = GetEleSettings();
    CPercentZList nodes;
    DoBuildPhase(nodes, settings, list, fault, m_pCalcTerms.get());
    nodes.DoPrepareZeroCond();
    do {
        nodes.DoSeriesPhase();
    } while (nodes.DoParallelPhase() == 1);

    bool found = false;
    if (CPercentZ* start = nodes.DoReducePhase(*this, sourceSide, motorSide)) {
        start->DoSetSideFlags(sourceSide, motorSide);
        found = true;
    }
    list.DetachSkeleton();
    return found;
}

CPercentZ CTovarineDocData::CalcFromSourceElement(CObjElementList& list, CObjElement* fault,
                                                  int32_t flag) {
    CPercentZ sourceSide;
    CPercentZ motorSide;
    if (!DoReducePhaseAt(list, fault, flag, sourceSide, motorSide, false))
        return CPercentZ();
    const double base = m_infoSkeleton.m_dCapacity;
    return flag == 1 ? fault->DoSetCalcZ(base, &sourceSide, &motorSide)
                     : fault->DoSetCalcZ2(base, &sourceSide, &motorSide);
}

bool CTovarineDocData::DoReduceLoopAt(CObjElementList& list, CObjElement* fault, CPercentZ& first,
                                      CPercentZ& second, bool whole) {
    const CCalcSkeleton* skeleton = m_pCalcSkeleton.get();
    if (!skeleton ||
        !(whole ? skeleton->DoPruneLoopOfAll(list, fault) : skeleton->DoPruneLoop(list, fault))) {
        if (!skeleton || !(whole ? skeleton->DoPruneDeadEndsOfAll(list, fault, true, 1)
                                 : skeleton->DoPruneDeadEnds(list, fault, true, 1))) {
            if (whole)
                list = skeleton->GetAll();
            DoPruneLoopDeadEnds(list, fault);
        }
        if (!skeleton || !skeleton->DoPruneReach(list, fault, true)) {
            DoPruneUnconnected(list, fault);
            DoPruneUnfedByTransformer(list);
        }
    }

    const CEleDocSettings settings = GetEleSettings();
    CPercentZList nodes;
    DoBuildLoop(nodes, settings, list, fault, m_pCalcTerms.get());
    nodes.DoPrepareZeroCond();
    do {
        nodes.DoSeriesLoop();
    } while (nodes.DoParallelLoop() == 1);

    bool found = false;
    if (CPercentZ* start = nodes.DoReduceLoop(*this, first, second)) {
        start->DoSetSideFlags(first, second);
        found = true;
    }
    list.DetachSkeleton();
    return found;
}

CPercentZ CTovarineDocData::CalcFromGeneratorElement(CObjElementList& list, CObjElement* fault) {
    CPercentZ first;
    CPercentZ second;
    if (!DoReduceLoopAt(list, fault, first, second, false))
        return CPercentZ();
    return fault->DoSetCalcZ2Ex(m_infoSkeleton.m_dCapacity, &first, &second);
}

void CTovarineDocData::DoCalculateAll() {
    CObjElementList all;
    CollectElements(all);
    // Every fault prunes a copy of the same list: its trees are worked out
    // once, and forgotten when the command ends (the skeleton changes after).
    struct SkeletonScope {
        SkeletonScope(std::unique_ptr<CCalcSkeleton>& held, std::unique_ptr<CCalcTerms>& terms)
            : m_held(held), m_terms(terms) {}
        ~SkeletonScope() {
            m_terms.reset();
            m_held.reset();
        }
        std::unique_ptr<CCalcSkeleton>& m_held;
        std::unique_ptr<CCalcTerms>& m_terms;
    } scope(m_pCalcSkeleton, m_pCalcTerms);
    if (m_bCalcBySkeleton) {
        m_pCalcSkeleton = std::make_unique<CCalcSkeleton>(all);
        // The elements' terms do not change while the command runs.
        m_pCalcTerms =
            std::make_unique<CCalcTerms>(*m_pCalcSkeleton, GetEleSettings().dBaseCapacity);
    }
    auto calc = [&](CObjElement* e, bool loop) {
        if (m_pCalcSkeleton) {
            CalcWholeSkeleton(e, loop);
            return;
        }
        CObjElementList copy(all);
        if (loop)
            CalcFromGeneratorElement(copy, e);
        else
            CalcFromSourceElement(copy, e, 1);
    };

    CObjElementList order;
    order.CollectCalcOrder(all);
    for (CObjElement* e : order) {
        e->DoClearCalcZ2();
        e->DoClearCalcZ();
        calc(e, false);
    }
    CObjElementList points;
    points.CollectCalcPoints(all);
    for (CObjElement* e : points) {
        e->DoClearCalcZ2Ex();
        calc(e, true);
    }
    CObjElementList junctions;
    junctions.CollectByKind(all, 8, 0, 0);
    for (CObjElement* e : junctions) {
        e->DoClearCalcZ2();
        e->DoClearCalcZ();
        calc(e, false);
    }
}

// --- versions ------------------------------------------------------------------------------

namespace {

CVersion MakeProgramVersion() {
    CVersion v;
    v.m_strCountry = fw::LoadString(tvid::IDS_COUNTRY);
    v.m_strMaker = fw::LoadString(tvid::IDS_MAKER);
    v.m_strProduct = fw::LoadString(tvid::IDS_PRODUCT);
    v.m_strVersion = fw::LoadString(tvid::IDS_PROGRAM_VERSION);
    v.m_strLanguage = fw::LoadString(tvid::IDS_LANGUAGE);
    v.m_strMdbVersion = fw::LoadString(tvid::IDS_DATABASE_VERSION);
    return v;
}

} // namespace

const CVersion& CTovarineDocData::GetProgramVersion() {
    static const CVersion version = MakeProgramVersion();
    return version;
}

const CVersionList& CTovarineDocData::GetAcceptedVersions() {
    static const CVersionList list = [] {
        const CVersion& program = GetProgramVersion();
        CVersionList l;
        for (const char* text : {"", "0.99", "1.00", "1.01", "1.02", "1.10", "1.15"}) {
            CVersion* v = l.DoAddNewVersion();
            *v = program;
            if (*text)
                v->m_strVersion = text;
        }
        return l;
    }();
    return list;
}

// --- the project file ----------------------------------------------------------------------

void CTovarineDocData::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        m_version = GetProgramVersion();
        m_version.Serialize(ar);
        for (int32_t c : m_nCounters)
            ar << static_cast<uint32_t>(c);
        ar << m_dCurrentFrom << m_dCurrentTo << m_dTimeFrom << m_dTimeTo;
        ar << static_cast<uint32_t>(m_nMode) << static_cast<uint32_t>(m_nSubMode);
        m_infoProject.Serialize(ar);
        m_infoSkeleton.Serialize(ar);
        m_infoReport.Serialize(ar);
        m_infoImpeMap.Serialize(ar);
        m_listGroups.Serialize(ar);
        m_listGraphs.Serialize(ar);
        ar << static_cast<uint32_t>(m_nTextCounter) << static_cast<uint32_t>(m_nCountBusDuct);
        ar << static_cast<uint32_t>(m_nCountTrans1);
        m_gapLine.Serialize(ar);
        fw::SerializeEmbeddedItems(ar);
        return;
    }

    m_version.Serialize(ar);
    if (!m_version.IsOkDocVersion(GetAcceptedVersions()))
        ar.Fail(fw::CArchiveException::badSchema,
                "The file's version " + m_version.m_strVersion + " is not one this program reads.");
    const double version = FileVersionNumber(m_version.m_strVersion);
    ar.SetReadVersion(version);
    m_version = GetProgramVersion();

    for (int32_t& c : m_nCounters) {
        uint32_t v = 0;
        ar >> v;
        c = static_cast<int32_t>(v);
    }
    ar >> m_dCurrentFrom >> m_dCurrentTo >> m_dTimeFrom >> m_dTimeTo;
    uint32_t mode = 0;
    uint32_t subMode = 0;
    ar >> mode >> subMode;
    // A mode outside the ladder would leave every command disabled.
    if (mode < 1 || mode > 8)
        ar.Fail(fw::CArchiveException::generic,
                "The file is damaged: its mode " + std::to_string(mode) + " does not exist.");
    m_nMode = static_cast<int32_t>(mode);
    m_nSubMode = static_cast<int32_t>(subMode);
    m_infoProject.Serialize(ar);
    m_infoSkeleton.Serialize(ar);
    m_infoReport.Serialize(ar);
    m_infoImpeMap.Serialize(ar);
    m_listGroups.Serialize(ar);
    m_listGraphs.Serialize(ar);

    auto readWord = [&ar]() {
        uint32_t v = 0;
        ar >> v;
        return static_cast<int32_t>(v);
    };
    if (version >= 1.1) {
        m_nTextCounter = readWord();
        m_nCountBusDuct = readWord();
    } else {
        m_nTextCounter = 0;
        m_nCountBusDuct = 0;
        DoConvertEarthing();
        DoConvertGraphLabels();
    }
    if (version >= 1.2) {
        m_nCountTrans1 = readWord();
        m_gapLine.Serialize(ar);
    } else {
        m_nCountTrans1 = 0;
        m_gapLine = CGapLine();
    }
    ar.SetReadVersion(kCurrentFileVersionNumber);
    DoCalcAllCurves();
    fw::SerializeEmbeddedItems(ar);
}

void CTovarineDocData::DoConvertGraphLabels() {
    CObjElementList all;
    CollectElements(all);
    for (auto& graph : m_listGraphs) {
        // The layout of the time: the frame at the graph's own scale.
        const int32_t zoom = graph->m_nZoom >= 1 ? graph->m_nZoom : 100;
        graph->DoCalcGraphRect(100000 / zoom, 60000 / zoom, 9500, 9800);
        for (CObjElement* e : all)
            e->DoConvertGraphLabels(*graph);
    }
}

void CTovarineDocData::DoCalcAllCurves() {
    CObjElementList all;
    CollectElements(all);
    for (CObjElement* e : all)
        e->DoCalcCurve(m_infoSkeleton.m_nFrequency);
}

void CTovarineDocData::DoConvertEarthing() {
    CObjElementList all;
    CollectElements(all);
    CObjElementList feeders;
    feeders.CollectByKind(all, 6, 0, 0);
    feeders.CollectByKind(all, 5, 0, 0);
    for (CObjElement* e : feeders) {
        uint32_t earthing = e->GetEarthingSystem();
        if (earthing == 2)
            earthing = 3; // TN-C-S was kept as TN-C
        const uint32_t wireSystem = DLLGetDefaultWireSystem(earthing);
        RelinkElement(e, 0, 0, static_cast<int32_t>(earthing), static_cast<int32_t>(wireSystem), 0);
    }
}

void CTovarineDocData::RelinkElement(CObjElement* start, int32_t singlePhase, int32_t volts,
                                     int32_t earthing, int32_t wireSystem, int32_t poles) {
    CObjElementList list;
    CollectElements(list);
    for (CObjElement* x = list.FindNeighbour(start, kDown, 1); x;
         x = list.FindNeighbour(x, kDown, 1)) {
        const bool transformer = KindIn(x, {5, 16});
        DoApplyValues(x, true, singlePhase, volts, 0, !transformer, earthing, wireSystem, poles,
                      {5, 16, 15, 9, 10}, false);
        if (x->GetKind() == 8) {
            DoPropagateBranch(list, x, singlePhase, volts, earthing, wireSystem, poles);
            return;
        }
        if (KindIn(x, {5, 16, 12, 7, 14, 13}))
            return;
    }
}

// --- one-level undo --------------------------------------------------------------------------

void CTovarineDocData::SaveUndo() {
    auto undo = std::make_unique<CTovarineUndo>();
    undo->m_nCounters = m_nCounters;
    undo->m_infoProject = m_infoProject;
    undo->m_infoSkeleton = m_infoSkeleton;
    undo->m_infoReport = m_infoReport;
    undo->m_infoImpeMap = m_infoImpeMap;
    undo->m_listGroups.DoCopyFrom(m_listGroups);
    undo->m_listGraphs.DoCopyAllGraph(m_listGraphs);
    undo->m_nMode = m_nMode;
    undo->m_nSubMode = m_nSubMode;
    undo->m_dRanges[0] = m_dCurrentFrom;
    undo->m_dRanges[1] = m_dCurrentTo;
    undo->m_dRanges[2] = m_dTimeFrom;
    undo->m_dRanges[3] = m_dTimeTo;
    undo->m_nTextCounter = m_nTextCounter;
    undo->m_nCountBusDuct = m_nCountBusDuct;
    undo->m_nCountTrans1 = m_nCountTrans1;
    undo->m_gapLine = m_gapLine;
    m_pUndo = std::move(undo);
}

bool CTovarineDocData::DoRestoreUndo() {
    if (!m_pUndo)
        return false;
    const CTovarineUndo& u = *m_pUndo;
    m_nCounters = u.m_nCounters;
    m_infoProject = u.m_infoProject;
    m_infoSkeleton = u.m_infoSkeleton;
    m_infoReport = u.m_infoReport;
    m_infoImpeMap = u.m_infoImpeMap;
    m_listGroups.DoCopyFrom(u.m_listGroups);
    m_listGraphs.DoCopyAllGraph(u.m_listGraphs);
    m_nMode = u.m_nMode;
    m_nSubMode = u.m_nSubMode;
    m_dCurrentFrom = u.m_dRanges[0];
    m_dCurrentTo = u.m_dRanges[1];
    m_dTimeFrom = u.m_dRanges[2];
    m_dTimeTo = u.m_dRanges[3];
    m_nTextCounter = u.m_nTextCounter;
    m_nCountBusDuct = u.m_nCountBusDuct;
    m_nCountTrans1 = u.m_nCountTrans1;
    m_gapLine = u.m_gapLine;
    m_pUndo.reset();
    SetModifiedFlag();
    UpdateAllViews(tvhint::kUndo, nullptr);
    return true;
}
