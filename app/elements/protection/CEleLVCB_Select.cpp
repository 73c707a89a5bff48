// The low-voltage breaker's automatic selection: the smallest type of the
// breaker database whose breaking capacity reaches the prospective current at
// its point, and the verdict the reports show.

#include "CEleLVCB.h"

#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "framework/StringTable.h"

#include <algorithm>

namespace {

constexpr unsigned IDS_MANUAL = 26600;
constexpr unsigned IDS_ICS = 26123;
constexpr unsigned IDS_ICU = 26124;
constexpr unsigned IDS_ICN = 26125;
constexpr unsigned IDS_ICU_BACK = 26147;
constexpr unsigned IDS_NOT_GOOD = 26116;
constexpr unsigned IDS_NG_BY_UE = 26770;
constexpr unsigned IDS_NG_BY_IN_OR_UE = 26771;
constexpr unsigned IDS_NG_BY_ICU = 26772;
constexpr unsigned IDS_NG_BY_ICS = 26773;
constexpr unsigned IDS_ICU_AT_END = 26774;
constexpr unsigned IDS_ICN_AT_END = 26775;

// The miniature breakers (code 10) rated by Icu rather than Icn: the series
// of the catalogue built to IEC 60947-2.
std::string& IcuSeriesCode() {
    static std::string code = "KVM-H";
    return code;
}

} // namespace

void CEleLVCB::SetIcuSeriesCode(const std::string& code) {
    IcuSeriesCode() = code;
}

const std::string& CEleLVCB::GetIcuSeriesCode() {
    return IcuSeriesCode();
}

double CEleLVCB::GetSelectionIk(uint32_t criterion) const {
    const CCalcPoint* point = nullptr;
    if (criterion == kByIcs || criterion == kByIcu)
        point = &m_calcPoint;
    else if (criterion == kAtSecondPoint)
        point = &m_calcPoint2;
    if (!point)
        return 0.0;
    const int32_t v = GetVoltage();
    double ik = 0.0;
    if (IsSinglePhase() == 1) {
        double loop = 0.0, single = 0.0;
        point->DoCalcIkSinglePhaseLoop(v / 2, &loop);
        point->DoCalcIkSinglePhase(v, &single);
        ik = std::max(loop, single);
    } else {
        point->DoCalcIk3Source(v, &ik);
    }
    return ik;
}

double CEleLVCB::GetResultIk(uint32_t criterion) const {
    const CCalcPoint* point = nullptr;
    if (criterion == kByIcs || criterion == kByIcu)
        point = &m_calcPoint;
    else if (criterion == kAtSecondPoint)
        point = &m_calcPoint2;
    if (!point)
        return 0.0;
    const int32_t v = GetVoltage();
    double ik = 0.0;
    if (IsSinglePhase() == 1)
        point->DoCalcIkSinglePhase(v, &ik);
    else
        point->DoCalcIk3Source(v, &ik);
    return ik;
}

int32_t CEleLVCB::DoSelectAutomatic(uint32_t criterion, int32_t forced) {
    CObjAdjust* adjust = GetAdjust();
    if (!adjust || !(adjust->m_infoBase.m_dRatedValue > 0.0))
        return 0;
    if (forced == 1)
        m_currentSelect.DoClearCurrent();

    // A breaker still chosen by hand is searched within its own maker and
    // group; once chosen automatically, among every maker and group.
    const CInfoBase& info = adjust->m_infoBase;
    CInfoBase key;
    key.m_nKindFlag = info.m_nKindFlag;
    key.m_nVoltage = info.m_nVoltage;
    key.m_dRatedValue = info.m_dRatedValue;
    if (m_nCriterion == kManual) {
        key.m_lManufactureID = info.m_lManufactureID;
        key.m_strManufactureName = info.m_strManufactureName;
        key.m_lGroupID = info.m_lGroupID;
        key.m_strGroupName = info.m_strGroupName;
        key.m_nLVCBCode = info.m_nLVCBCode;
    }
    const double ik = GetSelectionIk(criterion);
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (db)
        m_listCandidate.DoSearchGetByCapacity(db, &key, m_nUseCode, static_cast<int>(m_nPoles), ik,
                                              criterion);
    else
        m_listCandidate.DoDeleteAllCandidate();
    m_nCriterion = criterion;

    if (info.m_lTypeID != 0 && forced != 1) {
        // The type stays; it passes only when it is among the candidates,
        // that is, when it reaches the current too.
        return m_listCandidate.DoFindFromCandidate(info.m_lTypeID) ? 1 : 0;
    }
    if (m_listCandidate.GetCount() == 0 || !db)
        return 0;

    // Everything is read into copies first: a failed read leaves the
    // breaker as it was.
    const CCandidate* first = m_listCandidate.GetAt(0);
    CInfoBase selection = info;
    selection.m_lManufactureID = first->m_lManufactureID;
    selection.m_lGroupID = first->m_lGroupID;
    selection.m_nLVCBCode = first->m_nLVCBCode;
    selection.m_lTypeID = first->m_lTypeID;
    CReadBase reference;
    CRSBreak_TypeLVCB types(db);
    const int32_t ratedID = types.DoReadByTypeIDValue(
        first->m_lTypeID, info.m_dRatedValue, static_cast<int>(m_nPoles), &selection, &reference);
    if (ratedID < 1)
        return 0;
    CInfoPartList parts;
    CReadPartList readParts;
    if (parts.DoReadDefaultAllInfoPart(db, ratedID, &readParts) == 0)
        return 0;

    adjust->m_infoBase = selection;
    adjust->m_readBase = reference;
    adjust->m_listInfoPart.DoCopyAllInfoParts(parts);
    adjust->m_listReadPart.DoCopyAllReadParts(readParts);
    adjust->m_nInitialised = 1;
    DoCalcCurve(0);
    DoReadLimitCurve();
    DoReadI2tCurve();
    DoReadOwnCapacity();
    return 1;
}

std::string CEleLVCB::DoGetTextSelectResult(int colon) const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    const CInfoBase& info = adjust->m_infoBase;
    if (!(info.m_dRatedValue > 0.0) || IsCalcPoint() != 1)
        return "-";
    const double icu = m_currentOwn.m_dIcu;
    if (info.IsOkSetCurveInfo() == 1 && !(icu > 0.0))
        return fw::LoadString(IDS_NG_BY_UE);

    std::string text;
    if (m_currentSelect.m_nSelectedBy == CCurrent::kCascade) {
        const double ik = GetResultIk(m_nCriterion);
        const double back = m_currentSelect.m_dIcuBack;
        if (icu < m_currentSelect.m_dUpstreamCurrent)
            text = fw::LoadString(IDS_NOT_GOOD);
        else if (back >= 0.0)
            text = fw::LoadString(ik <= back ? IDS_ICU_BACK : IDS_NOT_GOOD);
        else
            text = fw::LoadString(IDS_ICU);
    } else {
        // A capacity passes when the current does not exceed it.
        const bool rated = info.m_lTypeID > 0;
        const bool byIcn = info.m_nLVCBCode == 10 &&
                           info.m_strTypeName.find(GetIcuSeriesCode()) == std::string::npos;
        switch (m_nCriterion) {
        case kManual:
            text = fw::LoadString(IDS_MANUAL);
            break;
        case kByIcs:
            if (!rated)
                text = fw::LoadString(IDS_NG_BY_IN_OR_UE);
            else
                text = fw::LoadString(
                    GetSelectionIk(kByIcs) <= m_currentOwn.m_dIcs ? IDS_ICS : IDS_NG_BY_ICS);
            break;
        case kByIcu:
        case kAtSecondPoint: {
            const bool second = m_nCriterion == kAtSecondPoint;
            if (!rated)
                text = fw::LoadString(IDS_NG_BY_IN_OR_UE);
            else if (GetSelectionIk(m_nCriterion) > icu)
                text = fw::LoadString(IDS_NG_BY_ICU);
            else if (byIcn)
                text = fw::LoadString(second ? IDS_ICN_AT_END : IDS_ICN);
            else
                text = fw::LoadString(second ? IDS_ICU_AT_END : IDS_ICU);
            break;
        }
        default:
            return std::string();
        }
    }
    if (colon == 1)
        text += ":";
    return text;
}
