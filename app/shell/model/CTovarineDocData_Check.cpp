// The skeleton checks of the Check command, the renumbering in drawing
// order and the feed marks of the low-voltage breakers. Every test marks
// what fails it so that the skeleton shows it; the command says why.

#include "CTovarineDocData.h"

#include "CObjElement.h"
#include "CObjElementList.h"

#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "breakerdata/model/CInfoBase.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace {

constexpr int32_t kUp = 16;
constexpr int32_t kRight = 32;
constexpr int32_t kDown = 64;
constexpr int32_t kLeft = 128;

constexpr uint32_t kMarked = 1;

bool KindIn(const CObjElement* e, std::initializer_list<int32_t> kinds) {
    return std::find(kinds.begin(), kinds.end(), e->GetKind()) != kinds.end();
}

bool IsConductor(const CObjElement* e) {
    return KindIn(e, {kKindBusBar, kKindWire, kKindBusDuct});
}

fw::CRect RectOf(const CObjElement* e) {
    fw::CRect r;
    e->GetSymbolRect(&r);
    return r;
}

// Two rectangles overlap when they share an area: a common edge, or a
// rectangle with no area, is no overlap.
bool Intersect(const fw::CRect& a, const fw::CRect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// An earth-leakage breaker: its device's code is 20 or 21.
bool IsEarthLeakage(const CInfoBase& device) {
    return device.m_nLVCBCode == 20 || device.m_nLVCBCode == 21;
}

// The message of incomplete data, by the kind of the element.
uint32_t DataMessageOf(int32_t kind) {
    switch (kind) {
    case kKindSource:
        return 25357;
    case kKindHVCB:
        return 25358;
    case kKindTrans3:
        return 25359;
    case kKindGenerator:
        return 25360;
    case kKindMotorEff:
        return 25361;
    case kKindZeroCond:
        return 25362;
    case kKindBusBar:
        return 25363;
    case kKindWire:
        return 25364;
    case kKindContactor:
        return 25366;
    case kKindThermal:
        return 25367;
    case kKindMotor:
        return 25368;
    case kKindLoad:
        return 25369;
    case kKindCapacitor:
        return 25370;
    case kKindBusDuct:
        return 25371;
    case kKindTrans1:
        return 25372;
    default:
        return 0;
    }
}

constexpr uint32_t kBreakerRatedCurrent = 25365; // the rated current is not selected
constexpr uint32_t kBreakerVoltage = 25387;      // rated below the system's voltage
constexpr int32_t kFieldVoltage = 1089;

} // namespace

int32_t CTovarineDocData::IsOverlapped() {
    CObjElementList all;
    CollectElements(all);
    const size_t n = all.GetCount();
    std::vector<fw::CRect> rects(n);
    std::vector<bool> marked(n, false);
    for (size_t i = 0; i < n; ++i) {
        rects[i] = RectOf(all.GetAt(i));
        all.GetAt(i)->SetErrorMark(0);
    }
    // A text box takes no mark, so it is tested again against every other.
    auto mark = [&](size_t i) {
        all.GetAt(i)->SetErrorMark(kMarked);
        marked[i] = all.GetAt(i)->GetErrorMark() != 0;
    };
    int32_t found = 0;
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b) {
            if (b == a || marked[b] || !Intersect(rects[a], rects[b]))
                continue;
            mark(a);
            mark(b);
            found = 1;
        }
    }
    return found;
}

int32_t CTovarineDocData::IsOkSinglePhase(CObjElementList& list) {
    auto fails = [](CObjElement* c) {
        c->SetErrorMark(kMarked);
        return 0;
    };
    // Below a single-phase transformer, straight down: single-phase
    // elements only, and nothing that feeds or needs three phases.
    for (CObjElement* t : list) {
        if (t->GetKind() != kKindTrans1)
            continue;
        for (CObjElement* c = list.FindNeighbour(t, kDown, 0); c;
             c = list.FindNeighbour(c, kDown, 0)) {
            if (c->IsSinglePhase() != 1 ||
                KindIn(c, {kKindSource, kKindGenerator, kKindTrans3, kKindTrans1, kKindHVCB,
                           kKindMotorEff, kKindCapacitor}))
                return fails(c);
        }
    }
    // Around a single-phase bus: up to the single-phase transformer that
    // feeds it, and down every branch to its end.
    for (CObjElement* zc : list) {
        if (zc->GetKind() != kKindZeroCond || zc->IsSinglePhase() != 1)
            continue;
        CObjElementList copy(list);
        while (CObjElement* x = copy.FindNeighbour(zc, kUp, 1)) {
            for (CObjElement* c = x; c; c = copy.FindNeighbour(c, kUp, 1)) {
                if (c->GetKind() == kKindTrans1)
                    break;
                if (KindIn(c, {kKindSource, kKindGenerator, kKindHVCB, kKindTrans3}))
                    return fails(c);
            }
        }
        while (CObjElement* x = copy.FindNeighbour(zc, kDown, 1)) {
            for (CObjElement* c = x; c; c = copy.FindNeighbour(c, kDown, 1)) {
                if (KindIn(c, {kKindTrans3, kKindTrans1, kKindHVCB, kKindMotorEff, kKindCapacitor}))
                    return fails(c);
            }
        }
    }
    return 1;
}

void CTovarineDocData::DoRenumber(CObjElementList& list, int32_t full) {
    // The counters of the sixteen electrical kinds (not the graphs' nor the
    // text boxes').
    std::array<int32_t, 17> kept{};
    for (int32_t kind = 1; kind <= 16; ++kind) {
        kept[static_cast<size_t>(kind)] = GetCounter(kind);
        SetCounter(kind, 0);
    }
    CObjElementList work(list);
    list.RemoveAll();
    int32_t across = 0;
    int32_t down = 0;
    m_listGroups.GetUnionRect(&across, &down);

    // Row by row from the top, left to right, on the grid points of the
    // pages; two symbols on one point in their list order.
    std::vector<std::tuple<int32_t, int32_t, size_t>> onGrid;
    std::vector<bool> numbered(work.GetCount(), false);
    for (size_t i = 0; i < work.GetCount(); ++i) {
        const fw::CRect r = RectOf(work.GetAt(i));
        if (r.left >= 1 && r.top >= 1 && (r.left - 1) % 40 == 0 && (r.top - 1) % 40 == 0 &&
            r.left <= across * 40 && r.top <= down * 40)
            onGrid.emplace_back(r.top, r.left, i);
    }
    std::sort(onGrid.begin(), onGrid.end());
    for (const auto& [top, left, i] : onGrid) {
        CObjElement* e = work.GetAt(i);
        e->DoSetNewNumber(*this);
        if (full == 1)
            e->DoSetName(*this);
        list.AddTail(e);
        numbered[i] = true;
    }
    // A symbol whose corner lies on no grid point (a text box is never
    // snapped) keeps its number and its place in the list, after the
    // others: dropped from the list, it would escape every later check.
    for (size_t i = 0; i < work.GetCount(); ++i) {
        if (!numbered[i])
            list.AddTail(work.GetAt(i));
    }
    if (full != 1) {
        for (int32_t kind = 1; kind <= 16; ++kind)
            SetCounter(kind, kept[static_cast<size_t>(kind)]);
    }
}

void CTovarineDocData::DoSetBreakerFeed(CObjElementList& list) {
    for (CObjElement* b : list) {
        if (b->GetKind() != kKindLVCB)
            continue;
        b->SetShockCheckFlag(0);
        CObjElement* c = list.FindNeighbour(b, kUp, 0);
        int32_t mark = c ? 1 : 0;
        for (; c; c = list.FindNeighbour(c, kUp, 0)) {
            if (c->GetKind() == kKindGenerator) {
                mark = 2;
                break;
            }
            if (KindIn(c, {kKindSource, kKindTrans3, kKindTrans1, kKindZeroCond}))
                break;
        }
        b->SetFeedMark(mark);
    }
}

uint32_t CTovarineDocData::IsOkElementData(CObjElementList& list) {
    for (CObjElement* e : list) {
        const int32_t field = e->DoCheckData();
        if (field == 0)
            continue;
        // Any bad value of a breaker fails the test: a field without a
        // message of its own asks for the rating, which everything else of
        // the breaker follows.
        if (e->GetKind() == kKindLVCB)
            return field == kFieldVoltage ? kBreakerVoltage : kBreakerRatedCurrent;
        return DataMessageOf(e->GetKind());
    }
    return 0;
}

int32_t CTovarineDocData::IsOkConductorCapacity(CObjElementList& list) {
    int32_t result = 1;
    for (CObjElement* b : list) {
        if (b->GetKind() != kKindLVCB)
            continue;
        const CInfoBase* device = b->GetFirstInfoBase();
        if (!device)
            continue;
        const bool horizontal = b->IsHorizontal() != 0;
        for (int32_t direction : horizontal ? std::array{kLeft, kRight} : std::array{kUp, kDown}) {
            CObjElement* c = list.FindNeighbour(b, direction, 0);
            if (c && IsConductor(c) && c->DoCheckCurrentCapacity(device->m_dRatedValue, 1) != 1)
                result = 0;
        }
    }
    return result;
}

int32_t CTovarineDocData::IsOkLoadCurrent(CObjElementList& list) {
    int32_t result = 1;
    for (CObjElement* x : list) {
        if (!KindIn(x, {kKindMotor, kKindLoad, kKindCapacitor}))
            continue;
        for (CObjElement* c = list.FindNeighbour(x, kUp, 0); c; c = list.FindNeighbour(c, kUp, 0)) {
            const CInfoBase* device = c->GetKind() == kKindLVCB ? c->GetFirstInfoBase() : nullptr;
            if (device) {
                const bool fits = x->IsOkRatedCurrent(device->m_dRatedValue) == 1;
                c->SetCheckFlag(fits ? 0 : 1);
                if (!fits)
                    result = 0;
                break;
            }
            if (KindIn(c, {kKindZeroCond, kKindSource, kKindGenerator}))
                break;
        }
    }
    return result;
}

uint32_t CTovarineDocData::IsOkEarthingSystem(CObjElementList& list, std::string& text) {
    // The wire system each earthing system asks of a conductor.
    for (CObjElement* c : list) {
        if (!IsConductor(c))
            continue;
        const uint32_t earthing = c->GetEarthingSystem();
        const uint32_t wires = c->GetWireSystem();
        const bool wrong = (earthing == 1 && wires != 3) || (earthing == 3 && wires != 2) ||
                           ((earthing == 4 || earthing == 5) && wires == 3);
        if (wrong) {
            c->SetErrorMark(kMarked);
            return tvid::IDS_WIRE_SYSTEM_FOR_EARTHING;
        }
    }
    // The breakers: earth leakage where it may be, and poles for the wire
    // systems of the conductors they protect.
    for (CObjElement* b : list) {
        if (b->GetKind() != kKindLVCB || b->GetEarthingSystem() == 2)
            continue;
        b->SetCheckFlag(0);
        // A breaker without a device has nothing to test; the others still
        // are.
        const CInfoBase* device = b->GetFirstInfoBase();
        if (!device)
            continue;
        const uint32_t earthing = b->GetEarthingSystem();
        const bool leakage = IsEarthLeakage(*device);
        if (leakage && (earthing == 3 || earthing == 5)) {
            b->SetCheckFlag(1);
            text = b->GetName();
            return tvid::IDS_ELCB_NOT_SUITABLE;
        }
        uint32_t result = 0;
        const int32_t poles = b->GetPoles();
        for (CObjElement* c = list.FindNeighbour(b, kDown, 0); c;
             c = list.FindNeighbour(c, kDown, 0)) {
            if (KindIn(c, {kKindMotor, kKindMotorEff, kKindCapacitor, kKindLoad, kKindZeroCond}))
                break;
            if (!IsConductor(c) || c->IsSinglePhase() == 1)
                continue;
            const uint32_t wires = c->GetWireSystem();
            if ((wires == 2 || wires == 3) && leakage && poles != 4) {
                b->SetCheckFlag(1);
                text = b->GetName();
                result = tvid::IDS_ELCB_FOUR_POLES;
                continue;
            }
            bool enough = true;
            if (earthing == 1)
                enough = (wires != 2 || poles > 2) && (wires != 3 || poles > 1);
            else if (earthing == 3)
                enough = wires != 2 || poles > 1;
            else if (earthing == 4 || earthing == 5)
                enough = (wires != 1 || poles > 2) && (wires != 2 || poles > 1);
            if (!enough) {
                b->SetCheckFlag(1);
                result = tvid::IDS_POLES_FOR_WIRE_SYSTEM;
            }
        }
        if (result != 0)
            return result;
    }
    return 0;
}
