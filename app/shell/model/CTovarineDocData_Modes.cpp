// The mode ladder: drawing, check skeleton and calculation, with the rules
// that enable and check the mode buttons. The window shows the messages the
// commands return.

#include "CTovarineDocData.h"

#include "CObjElement.h"
#include "CObjElementList.h"
#include "CObjGroup.h"

#include "app/records/CTVUpdate.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"

namespace {

constexpr int32_t kModeDrawing = 1;
constexpr int32_t kModeCheck = 2;
constexpr int32_t kModeCalculation = 3;

} // namespace

bool CTovarineDocData::IsModeCommandEnabled(uint32_t id, int32_t mode, int32_t subMode) {
    const auto m = static_cast<uint32_t>(mode);
    const auto s = static_cast<uint32_t>(subMode);
    switch (id) {
    case tvid::ID_MODE_DRAWING:
        return true;
    case tvid::ID_MODE_CHECK:
        return m == 1 || m == 2;
    case tvid::ID_MODE_CALCULATION:
        return m == 2 || m == 3;
    case tvid::ID_MODE_ICU:
    case tvid::ID_MODE_ICS:
        return m >= 3;
    case tvid::ID_MODE_CASCADE:
    case tvid::ID_MODE_DISCRIMINATION:
    case tvid::ID_MODE_WIRE_PROTECTION:
    case tvid::ID_MODE_SHOCK:
        return s != 0 || m >= 5;
    default:
        return false;
    }
}

bool CTovarineDocData::IsModeCommandChecked(uint32_t id, int32_t mode, int32_t subMode) {
    const auto m = static_cast<uint32_t>(mode);
    const auto s = static_cast<uint32_t>(subMode);
    switch (id) {
    case tvid::ID_MODE_DRAWING:
        return m == 1;
    case tvid::ID_MODE_CHECK:
        return m == 2;
    case tvid::ID_MODE_CALCULATION:
        return m == 3;
    case tvid::ID_MODE_ICU:
        return m == 4 && s == 2;
    case tvid::ID_MODE_ICS:
        return m == 4 && s == 1;
    case tvid::ID_MODE_CASCADE:
        return m == 5 && s != 0;
    case tvid::ID_MODE_DISCRIMINATION:
        return m == 6;
    case tvid::ID_MODE_WIRE_PROTECTION:
        return m == 7;
    case tvid::ID_MODE_SHOCK:
        return m == 8;
    default:
        return false;
    }
}

CTovarineDocData::CModeResult CTovarineDocData::DoModeDrawing() {
    CModeResult result;
    if (m_nMode == kModeDrawing)
        return result;
    SaveUndo();
    m_nMode = kModeDrawing;
    m_nSubMode = 0;
    for (auto& group : m_listGroups)
        group->DoSetTrackerStyle(kModeDrawing);
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    result.bRan = true;
    result.bPassed = true;
    return result;
}

void CTovarineDocData::DoReturnToDrawingMode() {
    m_nMode = kModeDrawing;
    m_nSubMode = 0;
    // The symbols can be moved and resized again, as after the mode command.
    for (auto& group : m_listGroups)
        group->DoSetTrackerStyle(kModeDrawing);
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
}

CTovarineDocData::CModeResult CTovarineDocData::DoModeCheck() {
    CModeResult result;
    if (m_nMode == kModeCheck)
        return result;
    result.bRan = true;
    auto shown = [&](uint32_t message) {
        SetModifiedFlag();
        UpdateAllViews(tvhint::kModeChanged, nullptr);
        UpdateAllItems();
        result.nMessage = message;
        return result;
    };
    // Overlapping symbols first: nothing else is done, not even the undo
    // snapshot.
    if (IsOverlapped() == 1)
        return shown(tvid::IDS_OVERLAPS);

    SaveUndo();
    BeginWaitCursor();
    CObjElementList list;
    CollectElements(list);
    // The single-phase flag and the voltage go down the circuits from every
    // supply; earthing 0, wire system 0 and poles -1 leave those as they are.
    struct Push {
        int32_t kind;
        int32_t singlePhase;
        int32_t side;
    };
    for (const Push& push : {Push{kKindTrans1, 1, 1}, Push{kKindSource, 0, 0},
                             Push{kKindGenerator, 0, 0}, Push{kKindTrans3, 0, 1}}) {
        for (CObjElement* e : list) {
            if (e->GetKind() == push.kind)
                RelinkElement(e, push.singlePhase, e->GetVoltage(push.side), 0, 0, -1);
        }
    }
    if (IsOkSinglePhase(list) == 0) {
        EndWaitCursor();
        return shown(tvid::IDS_SINGLE_PHASE_WRONG);
    }
    DoRenumber(list, 0);
    DoSetBreakerFeed(list);
    uint32_t failure = IsOkElementData(list);
    if (failure == 0) {
        if (IsOkConductorCapacity(list) != 1)
            failure = tvid::IDS_CONDUCTOR_TOO_SMALL;
        else if (IsOkLoadCurrent(list) != 1)
            failure = tvid::IDS_BREAKER_BELOW_LOAD;
        else
            failure = IsOkEarthingSystem(list, result.strName);
    }
    EndWaitCursor();
    if (failure != 0)
        return shown(failure);

    m_nMode = kModeCheck;
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    UpdateAllItems();
    for (auto& group : m_listGroups)
        group->DoSetTrackerStyle(kModeCheck);
    result.bPassed = true;
    result.nMessage = tvid::IDS_CHECK_DONE;
    return result;
}

CTovarineDocData::CModeResult CTovarineDocData::DoModeCalculation() {
    CModeResult result;
    if (m_nMode == kModeCalculation)
        return result;
    result.bRan = true;
    SaveUndo();
    BeginWaitCursor();
    DoCalculateAll();
    m_nMode = kModeCalculation;
    SetModifiedFlag();
    UpdateAllViews(tvhint::kModeChanged, nullptr);
    UpdateAllItems();
    EndWaitCursor();
    result.bPassed = true;
    result.nMessage = tvid::IDS_CALCULATION_DONE;
    return result;
}
