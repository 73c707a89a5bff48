// The low-voltage breaker's readings: report and label texts.

#include "CEleLVCB.h"

#include "app/calc/Impedance.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace protecttexts;

namespace {

constexpr unsigned IDS_MANUAL = 26600;
constexpr unsigned IDS_ICS = 26123;
constexpr unsigned IDS_ICU = 26124;
constexpr unsigned IDS_ICU_BACK = 26147;
constexpr unsigned IDS_WITHOUT_NEUTRAL = 26126;
constexpr unsigned IDS_WITH_NEUTRAL = 26127;
constexpr unsigned IDS_EARTHING_FIRST = 26128;  // TN-S .. IT, by code 1 to 5
constexpr unsigned IDS_SELECTIVE_FIRST = 26140; // Table .. Inst. with current-limiting
constexpr unsigned IDS_AC = 26521;
constexpr unsigned IDS_UNIT_SECOND = 26380;
constexpr unsigned IDS_UNIT_OHMS = 26394;

std::string KA(double amperes, int digits, int unit) {
    return BeamsEx(amperes / 1000.0, digits, unit, IDS_UNIT_KILOAMPERE);
}

// A setting's text where the reading of its dial gives none: a fixed dial
// shows its own text (the setting holds no value there), a missing dial "-",
// any other dial the setting's value.
std::string DialSetting(std::string reading, const CReadDial* dial, double value) {
    if (!reading.empty())
        return reading;
    if (dial && dial->m_nKind == 1 && !dial->m_strNotes.empty())
        return dial->m_strUnit.empty() ? dial->m_strNotes
                                       : dial->m_strNotes + "(" + dial->m_strUnit + ")";
    if (dial && (dial->m_nKind == 0 || dial->m_nKind == 1))
        return "-";
    return DLLGetTextByBeams(value, 0);
}

// The part's setting lines: current, then time.
std::string PartSetting(const CObjAdjust& adjust, int index) {
    const CInfoPart* part = adjust.m_listInfoPart.GetAt(index);
    if (!part)
        return "-\r\n-";
    const CReadPart* read = adjust.m_listReadPart.GetAt(index);
    const std::string current =
        DialSetting(read ? read->DoGetTextCurrent(part->m_dCurrent, 1) : std::string(),
                    read ? &read->m_dialCurrent : nullptr, part->m_dCurrent);
    const std::string time =
        DialSetting(read ? read->DoGetTextTime(part->m_dTime, 1) : std::string(),
                    read ? &read->m_dialTime : nullptr, part->m_dTime);
    return current + "\r\n" + time;
}

} // namespace

std::string CEleLVCB::DoGetTextVoltage(int unit) const {
    if (!GetAdjust())
        return std::string();
    return Voltage(GetVoltage(), m_nSinglePhase == 1, unit);
}

std::string CEleLVCB::DoGetTextMakerName(int force) const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || adjust->m_infoBase.IsOkSetCurveInfo() != 1)
        return std::string();
    if (adjust->m_infoBase.m_lManufactureID != 2 && force != 1)
        return std::string();
    return adjust->m_infoBase.m_strManufactureName;
}

std::string CEleLVCB::DoGetTextGroupName() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || adjust->m_infoBase.IsOkSetCurveInfo() != 1)
        return std::string();
    return adjust->m_infoBase.m_strGroupName;
}

std::string CEleLVCB::DoGetTextTypeName() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || adjust->m_infoBase.IsOkSetCurveInfo() != 1)
        return std::string();
    return adjust->m_infoBase.m_strTypeName;
}

std::string CEleLVCB::DoGetTextPoles(int unit) const {
    return Beams(m_nPoles, unit, IDS_UNIT_POLES);
}

std::string CEleLVCB::DoGetTextRatedCurrent(int unit) const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || !(adjust->m_infoBase.m_dRatedValue > 0.0))
        return std::string();
    return Beams(adjust->m_infoBase.m_dRatedValue, unit, IDS_UNIT_AMPERE);
}

std::string CEleLVCB::DoGetTextOnOff(int flag) const {
    if (m_nOff == 1)
        return fw::LoadString(IDS_OFF);
    if (flag == 1)
        return fw::LoadString(IDS_ON);
    return std::string();
}

std::string CEleLVCB::DoGetTextSettingFirst() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? PartSetting(*adjust, 0) : std::string();
}

std::string CEleLVCB::DoGetTextSettingMiddle() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    if (adjust->m_listInfoPart.GetCount() != 3)
        return "-\r\n-";
    return PartSetting(*adjust, 1);
}

std::string CEleLVCB::DoGetTextSettingInst() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || adjust->m_listInfoPart.IsEmpty())
        return std::string();
    const int last = adjust->m_listInfoPart.GetCount() - 1;
    const CInfoPart* part = adjust->m_listInfoPart.GetAt(last);
    if (adjust_fields::LockFlag(*part) == 1)
        return fw::LoadString(IDS_LOCK);
    const CReadPart* read = adjust->m_listReadPart.GetAt(last);
    return DialSetting(read ? read->DoGetTextCurrent(part->m_dCurrent, 1) : std::string(),
                       read ? &read->m_dialCurrent : nullptr, part->m_dCurrent);
}

std::string CEleLVCB::DoGetTextIcs(int unit) {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    if (adjust->m_infoBase.IsOkSetCurveInfo() != 1)
        return "-";
    DoReadOwnCapacity();
    return m_currentOwn.DoGetTextIcs(unit);
}

std::string CEleLVCB::DoGetTextIcu(int unit) {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    if (adjust->m_infoBase.IsOkSetCurveInfo() != 1)
        return "-";
    DoReadOwnCapacity();
    return m_currentOwn.DoGetTextIcu(unit);
}

std::string CEleLVCB::DoGetTextIcuBack(int unit) const {
    if (m_currentSelect.m_nSelectedBy != CCurrent::kCascade || m_currentSelect.m_dIcuBack == 0.0)
        return "-";
    return m_currentSelect.DoGetTextIcuBack(unit);
}

std::string CEleLVCB::DoGetTextLimitCurrent(int unit) const {
    const double is = m_currentSelect.m_dIs;
    if (m_currentSelect.m_nSelectedBy < CCurrent::kTable || is == 0.0)
        return "-";
    if (is == -1.0)
        return DLLGetTextByBeams(-1.0, 1);
    return Beams(is / 1000.0, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleLVCB::DoGetTextSelectiveKind() const {
    const uint32_t code = m_currentSelect.m_nSelectedBy;
    if (code < CCurrent::kTable || code > CCurrent::kInstLimiting)
        return std::string();
    return fw::LoadString(IDS_SELECTIVE_FIRST + (code - CCurrent::kTable));
}

std::string CEleLVCB::DoGetTextBackUpType() const {
    if (m_currentSelect.m_nSelectedBy != CCurrent::kCascade)
        return "-";
    return m_currentSelect.DoGetTextUpstreamType();
}

std::string CEleLVCB::DoGetTextSelectBasis(int colon) const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    std::string text;
    const uint32_t code = m_currentSelect.m_nSelectedBy;
    if (!(adjust->m_infoBase.m_dRatedValue > 0.0))
        text = fw::LoadString(IDS_MANUAL);
    else if (IsCalcPoint() != 1)
        text = "-";
    else if (code == CCurrent::kCascade)
        text = fw::LoadString(IDS_ICU_BACK);
    else if (code >= CCurrent::kTable && code <= CCurrent::kInstLimiting)
        text = DoGetTextSelectiveKind();
    else if (m_nCriterion == kByIcs)
        text = fw::LoadString(IDS_ICS);
    else if (m_nCriterion == kByIcu || m_nCriterion == kAtSecondPoint)
        text = fw::LoadString(IDS_ICU);
    else
        text = fw::LoadString(IDS_MANUAL);
    if (colon == 1)
        text += ":";
    return text;
}

std::string CEleLVCB::DoGetTextEarthing() const {
    if (m_nEarthing < 1 || m_nEarthing > 5)
        return std::string();
    std::string text = fw::LoadString(IDS_EARTHING_FIRST + (m_nEarthing - 1));
    if (m_nEarthing == 5) {
        text += "\r\n";
        if (m_nWireSystem == 1)
            text += fw::LoadString(IDS_WITHOUT_NEUTRAL);
        else if (m_nWireSystem == 2)
            text += fw::LoadString(IDS_WITH_NEUTRAL);
    }
    return text;
}

std::string CEleLVCB::DoGetTextIk1Sym(int mode, int unit) const {
    return GetAdjust() ? Ik1Sym(m_calcPoint, mode, GetVoltage(), unit) : std::string();
}

std::string CEleLVCB::DoGetTextIk1Asym(int mode, int unit) const {
    return GetAdjust() ? Ik1Asym(m_calcPoint, mode, GetVoltage(), unit) : std::string();
}

std::string CEleLVCB::DoGetTextIk1Peak(int mode, int unit) const {
    return GetAdjust() ? Ik1Peak(m_calcPoint, mode, GetVoltage(), unit) : std::string();
}

std::string CEleLVCB::DoGetTextIk1Second(int mode, int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0;
    if (mode == 1)
        m_calcPoint2.DoCalcIkSinglePhase(GetVoltage() / 2, &sym);
    else if (mode == 2)
        m_calcPoint2.DoCalcIkSinglePhase(GetVoltage(), &sym);
    return KA(sym, 5, unit);
}

std::string CEleLVCB::DoGetTextIk3Second(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0;
    m_calcPoint2.DoCalcIk3Source(GetVoltage(), &sym);
    return KA(sym, 5, unit);
}

std::string CEleLVCB::DoGetTextTotalPercentR(int unit) const {
    return TotalPercentR(m_calcPoint, 2, unit);
}

std::string CEleLVCB::DoGetTextTotalResistance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalResistance(m_calcPoint, 2, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleLVCB::DoGetTextTotalReactance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalReactance(m_calcPoint, 2, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleLVCB::DoGetTextTotalImpedance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalImpedance(m_calcPoint, 2, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleLVCB::DoGetTextTotalIk3Sym(int unit) const {
    return GetAdjust() ? TotalIk3Sym(m_calcPoint, GetVoltage(), unit) : std::string();
}

std::string CEleLVCB::DoGetTextTotalIk3Asym(int unit) const {
    return GetAdjust() ? TotalIk3Asym(m_calcPoint, GetVoltage(), unit) : std::string();
}

std::string CEleLVCB::DoGetTextTotalIk3Peak(int unit) const {
    return GetAdjust() ? TotalIk3Peak(m_calcPoint, GetVoltage(), unit) : std::string();
}

namespace {

// The source-side term's %R and %X; mode 1 less the return conductor.
void DirectOf(const CCalcPoint& point, int mode, double& r, double& x) {
    r = point.m_zSource.m_dR;
    x = point.m_zSource.m_dX;
    if (mode == 1) {
        r -= point.m_zSource.m_dRHalf;
        x -= point.m_zSource.m_dXHalf;
    }
}

} // namespace

std::string CEleLVCB::DoGetTextDirectPercentR(int mode, int unit) const {
    double r, x;
    DirectOf(m_calcPoint, mode, r, x);
    return BeamsEx(r, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleLVCB::DoGetTextDirectPercentX(int mode, int unit) const {
    double r, x;
    DirectOf(m_calcPoint, mode, r, x);
    return BeamsEx(x, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleLVCB::DoGetTextDirectPercentZ(int mode, int unit) const {
    const double z = mode == 1 ? m_calcPoint.m_zSource.GetZLoop() : m_calcPoint.m_zSource.GetZ();
    return BeamsEx(z, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleLVCB::DoGetTextDirectResistance(int mode, double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    double r, x;
    DirectOf(m_calcPoint, mode, r, x);
    const int32_t v = mode == 1 ? GetVoltage() / 2 : GetVoltage();
    return BeamsEx(DoCalcOhmsFromPercent(v, baseCapacity, r), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleLVCB::DoGetTextDirectReactance(int mode, double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    double r, x;
    DirectOf(m_calcPoint, mode, r, x);
    const int32_t v = mode == 1 ? GetVoltage() / 2 : GetVoltage();
    return BeamsEx(DoCalcOhmsFromPercent(v, baseCapacity, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleLVCB::DoGetTextDirectImpedance(int mode, double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    double r, x;
    DirectOf(m_calcPoint, mode, r, x);
    const int32_t v = mode == 1 ? GetVoltage() / 2 : GetVoltage();
    return BeamsEx(DoCalcMagnitude(DoCalcOhmsFromPercent(v, baseCapacity, r),
                                   DoCalcOhmsFromPercent(v, baseCapacity, x)),
                   4, unit, IDS_UNIT_MOHMS);
}

std::string CEleLVCB::DoGetTextDirectIk1(int unit) const {
    return GetAdjust() ? KA(m_calcPoint.GetCurrentIk1N(GetVoltage()), 5, unit) : std::string();
}

std::string CEleLVCB::DoGetTextDirectIk1PE(int unit) const {
    return GetAdjust() ? KA(m_calcPoint.GetCurrentIk1PE(GetVoltage()), 5, unit) : std::string();
}

std::string CEleLVCB::DoGetTextDirectIk2(int unit) const {
    return GetAdjust() ? KA(m_calcPoint.GetCurrentIk2(GetVoltage()), 5, unit) : std::string();
}

std::string CEleLVCB::DoGetTextDirectIk3Sym(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym);
    return KA(sym, 5, unit);
}

std::string CEleLVCB::DoGetTextDirectIk3Asym(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0, asym = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym, &asym);
    return KA(asym, 4, unit);
}

std::string CEleLVCB::DoGetTextDirectIk3Peak(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0, peak = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym, nullptr, &peak);
    return KA(peak, 4, unit);
}

std::string CEleLVCB::DoGetTextPhaseVoltage(int unit) const {
    if (!GetAdjust())
        return std::string();
    return BeamsEx(GetVoltage() / std::sqrt(3.0), 3, unit, IDS_UNIT_VOLT);
}

std::string CEleLVCB::DoGetTextDisconnectTime(int unit) const {
    if (!GetAdjust())
        return std::string();
    return BeamsEx(m_dDisconnectTime, 2, unit, IDS_UNIT_SECOND);
}

std::string CEleLVCB::DoGetTextIa(int unit) const {
    if (!GetAdjust())
        return std::string();
    return KA(m_dIa, 4, unit);
}

std::string CEleLVCB::DoGetTextZs(int unit) const {
    if (!GetAdjust())
        return std::string();
    // Without a trip current there is no loop impedance to give (the
    // quotient would be infinite).
    if (!(m_dIa > 0.0))
        return "-";
    return BeamsEx(GetLoopImpedanceZs(m_nEarthing), 4, unit, IDS_UNIT_OHMS);
}

namespace {

std::string CurveLabel(const CObjAdjust& adjust, uint32_t voltage) {
    std::string text = adjust.m_infoBase.m_strTypeName + "\r\n";
    const CReadDial& dial = adjust.m_readBase.m_dialRated;
    const int index = dial.m_nKind == 2 ? dial.DoGetIndexByDialID(adjust.m_infoBase.m_lBreakRatedID)
                                        : dial.DoGetIndexByValue(adjust.m_infoBase.m_dRatedValue);
    const CReadValue* value = index >= 0 ? dial.DoGetValueByIndex(index) : nullptr;
    if (!value)
        return text;
    text += value->m_strName;
    if (!dial.m_strUnit.empty())
        text += dial.m_strUnit;
    text += "\r\n" + fw::LoadString(IDS_AC) + DLLGetTextByBeams(voltage, 0) +
            fw::LoadString(IDS_UNIT_VOLT);
    return text;
}

} // namespace

std::string CEleLVCB::DoGetTextI2tLabel() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? CurveLabel(*adjust, m_nI2tVoltage) : std::string();
}

std::string CEleLVCB::DoGetTextLimitLabel() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? CurveLabel(*adjust, m_nLimitVoltage) : std::string();
}
