// The selection modes: the automatic selection of the low-voltage breakers,
// the wire checks that follow it, and the modes of the co-ordination work.

#include "CTovarineDocData.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CObjGroup.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/records/CTVUpdate.h"
#include "app/records/ElementKinds.h"
#include "framework/StringTable.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int32_t kDown = 64;
constexpr int32_t kModeSelection = 4;

constexpr unsigned IDS_SELECTION_DONE = 25375;
constexpr unsigned IDS_SELECTION_DONE_ICS = 26791;
constexpr unsigned IDS_SELECTION_NEXT = 25376;
constexpr unsigned IDS_SELECTION_NONE_FOR = 25377;

CEleLVCB* BreakerOf(const CObjElement* e) {
    return e && e->GetKind() == kKindLVCB ? dynamic_cast<CEleLVCB*>(e->GetElement()) : nullptr;
}

CEleWire* WireOf(const CObjElement* e) {
    return e && e->GetKind() == kKindWire ? dynamic_cast<CEleWire*>(e->GetElement()) : nullptr;
}

bool KindIn(const CObjElement* e, std::initializer_list<int32_t> kinds) {
    return std::find(kinds.begin(), kinds.end(), e->GetKind()) != kinds.end();
}

} // namespace

int32_t CTovarineDocData::DoSelectBreakers(uint32_t criterion, const CObjElement* wire,
                                           int32_t selectedOnly, int32_t forced,
                                           std::vector<CObjElement*>* failed) {
    CObjElementList all;
    CollectElements(all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    const CEleWire* w = WireOf(wire);
    int32_t result = 1;
    for (CObjElement* e : breakers) {
        CEleLVCB* b = BreakerOf(e);
        if (!b || b->IsCalcPoint() != 1)
            continue;
        if (selectedOnly == 1 && e->GetSelect() != 1)
            continue;
        if (criterion == CEleLVCB::kAtSecondPoint && w) {
            b->m_strSecondPoint = w->GetName();
            b->m_calcPoint2 = w->m_calcPoint;
            b->m_calcPoint2.m_listGraphNo = b->m_calcPoint.m_listGraphNo;
        }
        if (b->DoSelectAutomatic(criterion, forced) != 1) {
            if (failed)
                failed->push_back(e);
            result = 0;
        }
    }
    return result;
}

int32_t CTovarineDocData::IsOkWireProtection() {
    CObjElementList all;
    CollectElements(all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    const double frequency = GetFrequency();
    int32_t result = 1;
    for (CObjElement* e : breakers) {
        CEleLVCB* b = BreakerOf(e);
        if (!b || b->IsCalcPoint() != 1)
            continue;
        // A wire below the next breaker is that breaker's to protect: it is
        // checked (and reported) with it, never with the one above.
        for (CObjElement* c = all.FindNeighbour(e, kDown, 0); c;
             c = all.FindNeighbour(c, kDown, 0)) {
            if (KindIn(c, {kKindTrans3, kKindTrans1, kKindLoad, kKindMotor, kKindMotorEff,
                           kKindCapacitor, kKindZeroCond, kKindLVCB}))
                break;
            CEleWire* w = WireOf(c);
            if (!w)
                continue;
            if (!(w->m_dDuration[0] > 0.0) && !(w->m_dDuration[1] > 0.0) &&
                !(w->m_dDuration[2] > 0.0))
                w->m_nFailingGroup = 0;
            for (double& t : w->m_dDuration) {
                if (!(t > 0.0))
                    t = 1.0;
            }
            const uint32_t failing =
                w->m_nCheckMode == 1
                    ? w->DoCheckProtectByEnergy(frequency, *b, w->m_nEnergySource, 0)
                    : w->DoCheckProtectByI2t(frequency, *b, w->m_nEnergySource);
            if (failing != 0)
                result = 0;
        }
    }
    return result;
}

CTovarineDocData::CModeResult CTovarineDocData::DoModeSelect(uint32_t criterion) {
    CModeResult result;
    const int32_t subMode = static_cast<int32_t>(criterion);
    if (m_nMode == kModeSelection && m_nSubMode == subMode)
        return result;
    result.bRan = true;
    SaveUndo();
    m_nMode = kModeSelection;
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    // The selection of this criterion was made before (the mode was left
    // for a later one): back in the mode, nothing is chosen again.
    if (m_nSubMode == subMode) {
        result.bPassed = true;
        return result;
    }
    BeginWaitCursor();
    std::vector<CObjElement*> failed;
    DoSelectBreakers(criterion, nullptr, 0, 0, &failed);
    m_nSubMode = subMode;
    IsOkWireProtection();
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    UpdateAllItems();
    EndWaitCursor();
    for (const CObjElement* e : failed)
        result.listFailed.push_back(e->GetName());
    result.bPassed = true;
    result.nMessage = criterion == CEleLVCB::kByIcs ? IDS_SELECTION_DONE_ICS : IDS_SELECTION_DONE;
    return result;
}

CTovarineDocData::CModeResult CTovarineDocData::DoModeWork(int32_t mode) {
    CModeResult result;
    if (m_nMode == mode)
        return result;
    result.bRan = true;
    SaveUndo();
    m_nMode = mode;
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    result.bPassed = true;
    return result;
}

std::string CTovarineDocData::GetSelectionMessage(const CModeResult& result) {
    std::string text =
        fw::LoadString(result.nMessage != 0 ? result.nMessage : IDS_SELECTION_DONE) + "\r\n";
    if (result.listFailed.empty())
        return text + fw::LoadString(IDS_SELECTION_NEXT);
    text += fw::LoadString(IDS_SELECTION_NONE_FOR);
    const size_t n = result.listFailed.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0)
            text += i + 1 == n ? " and " : ", ";
        text += result.listFailed[i];
    }
    return text + ".";
}
