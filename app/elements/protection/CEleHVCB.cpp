#include "CEleHVCB.h"

#include "app/calc/Impedance.h"
#include "app/records/CTVFont.h"
#include "app/records/ElementKinds.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"
#include "tools/Filvaron.h"

using namespace protecttexts;

namespace {

constexpr unsigned IDS_PREFIX_HCB = 25090;
// The breaking capacity's unit, which the dialog shares.
constexpr unsigned IDS_UNIT_CAPACITY = 61447;

// Controls of the breaker's dialog that the data check names.
constexpr int32_t kControlVoltage = 1089;
constexpr int32_t kControlRated = 1100;
constexpr int32_t kControlCapacity = 1106;
constexpr int32_t kControlCT1 = 1101;
constexpr int32_t kControlCT2 = 1102;

constexpr int kSymbolFont = 7;

constexpr fw::COLORREF kWhite = 0xFFFFFF;
constexpr fw::COLORREF kMarked = 0xFF00FF;
constexpr fw::COLORREF kSwitchedOff = 0x408000;

} // namespace

CEleHVCB::CEleHVCB() : CEleFrame(fw::CRect(0, 0, 79, 79)) {}

CEleHVCB::CEleHVCB(const CEleHVCB& other)
    : CEleFrame(other), CProtectPoint(other), CAdjustOwner(other),
      m_dBreakingCapacity(other.m_dBreakingCapacity), m_dRatedCurrent(other.m_dRatedCurrent),
      m_nOff(other.m_nOff) {
    m_listAdjust.DoCopyAllObjAdjust(other.m_listAdjust);
}

CEleHVCB& CEleHVCB::operator=(const CEleHVCB& other) {
    if (&other == this)
        return *this;
    CEleFrame::operator=(other);
    CProtectPoint::operator=(other);
    m_dBreakingCapacity = other.m_dBreakingCapacity;
    m_dRatedCurrent = other.m_dRatedCurrent;
    m_nOff = other.m_nOff;
    m_listAdjust.DoCopyAllObjAdjust(other.m_listAdjust);
    CAdjustOwner::operator=(other);
    return *this;
}

CEleHVCB::~CEleHVCB() = default;

// ---- Characteristic and set-up ----

const CInfoBase* CEleHVCB::GetFirstInfoBase() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? &adjust->m_infoBase : nullptr;
}

int32_t CEleHVCB::GetTypeID() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_lTypeID : 0;
}

void CEleHVCB::DoSetDefault(const CEleInitArgs& args, int32_t keep) {
    m_strName = fw::LoadString(IDS_PREFIX_HCB) + std::to_string(args.nNumber);
    m_nNumber = args.nNumber;
    CObjAdjust* adjust = GetAdjust();
    if (keep == 1 || !adjust)
        return;
    m_nCurveFrequency = args.nFrequency;
    adjust->DoSetDefaultAdjustHV(args.nFrequency, args.nVoltage);
    m_nVoltage = adjust->m_infoBase.m_nVoltage;
    if (m_nDefaultsSet == 1)
        return;
    m_nDefaultsSet = 1;
    m_nEarthing = EarthingOrDefault(args.nEarthing);
    m_nWireSystem = args.nWireSystem != 0 ? args.nWireSystem : DLLGetDefaultWireSystem(m_nEarthing);
    m_nOff = 0;
    m_nCalcPoint = 0;
}

// ---- Circuit values ----

int32_t CEleHVCB::GetVoltage(int32_t) const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_nVoltage : 0;
}

int32_t CEleHVCB::SetVoltage(int32_t volts, int32_t) {
    if (volts < 1)
        return volts;
    const int32_t old = GetVoltage();
    m_listAdjust.SetVoltage(volts);
    m_nVoltage = volts;
    return old;
}

int32_t CEleHVCB::GetCT1Current() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_nCT1Current : 0;
}

int32_t CEleHVCB::GetCT2Current() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_nCT2Current : 0;
}

int32_t CEleHVCB::DoCheckData() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return 0;
    const CInfoBase& info = adjust->m_infoBase;
    if (info.m_nVoltage <= 0)
        return kControlVoltage;
    if (m_dRatedCurrent < 0.0)
        return kControlRated;
    if (m_dBreakingCapacity < 0.0)
        return kControlCapacity;
    if (info.m_nCT1Current <= 0)
        return kControlCT1;
    if (info.m_nCT2Current <= 0)
        return kControlCT2;
    return 0;
}

// ---- Symbol and labels ----

fw::COLORREF CEleHVCB::GetFillColour(bool printing, int32_t highlight) const {
    if (printing)
        return kWhite;
    if (m_nErrorMark == 1 && highlight != 1)
        return kMarked;
    if (m_nOff == 1)
        return kSwitchedOff;
    return kWhite;
}

void CEleHVCB::DoDrawSymbol(fw::CDC* pDC, int32_t highlight) {
    if (!pDC)
        return;
    m_crFill = GetFillColour(pDC->IsPrinting(), highlight);
    const fw::COLORREF oldBack = pDC->GetBkColor();
    pDC->FillSolidRect(m_rectSymbol, m_crFill);
    pDC->SetBkColor(oldBack);
    const int cx = (m_rectSymbol.left + m_rectSymbol.right) / 2;
    const int cy = (m_rectSymbol.top + m_rectSymbol.bottom) / 2;
    const fw::CPen pen(static_cast<int>(m_nPenStyle), static_cast<int>(m_nPenWidth), m_crPen);
    fw::CPen oldPen = pDC->SelectObject(pen);
    // The breaker: terminal, cross, open blade and the lower terminal.
    pDC->MoveTo(cx - 20, cy - 40);
    pDC->LineTo(cx - 20, cy - 30);
    pDC->MoveTo(cx - 24, cy - 35);
    pDC->LineTo(cx - 16, cy - 27);
    pDC->MoveTo(cx - 24, cy - 27);
    pDC->LineTo(cx - 16, cy - 35);
    pDC->MoveTo(cx - 33, cy - 31);
    pDC->LineTo(cx - 20, cy);
    pDC->MoveTo(cx - 20, cy + 40);
    pDC->LineTo(cx - 20, cy - 1);
    // The current transformer and the relay box.
    fw::CBrush oldBrush = pDC->SelectObject(fw::CBrush::Null());
    pDC->Ellipse(cx - 26, cy + 6, cx - 14, cy + 19);
    pDC->MoveTo(cx - 14, cy + 12);
    pDC->LineTo(cx, cy + 12);
    pDC->MoveTo(cx, cy + 6);
    pDC->LineTo(cx + 27, cy + 6);
    pDC->LineTo(cx + 27, cy + 20);
    pDC->LineTo(cx, cy + 20);
    pDC->LineTo(cx, cy + 6);
    pDC->SelectObject(oldBrush);
    {
        CTVFont font(pDC, kSymbolFont, 0);
        font.DoDrawTextRect("I >", cx, cy + 7, cx + 27, cy + 20, m_crPen);
    }
    // The trip line from the relay to the blade.
    pDC->SelectObject(pen);
    pDC->MoveTo(cx + 13, cy + 6);
    pDC->LineTo(cx + 13, cy - 13);
    pDC->LineTo(cx - 24, cy - 13);
    pDC->SelectObject(oldPen);
    if (IsCalcPoint() == 1)
        CCalcPoint::DoDrawArrow(pDC, cx - 20, cy + 38);
}

std::string CEleHVCB::DoGetLabelText(int32_t documentMode) const {
    std::string text;
    if (m_nOff == 1)
        text = DoGetTextOnOff(0);
    if (GetAdjust()) {
        if (!text.empty())
            text += "\r\n";
        text +=
            DoGetTextCTPrimary(1) + "/" + DoGetTextCTSecondary(1) + "\r\n" + DoGetTextTypeName();
        if (m_dBreakingCapacity > 0.0)
            text += "\r\n" + DoGetTextBreakingCapacity(1);
    }
    if (IsCalcPoint() == 1 && documentMode >= 3) {
        if (!text.empty())
            text += "\r\n";
        text += fw::LoadString(IDS_IK3) + fw::LoadString(IDS_TOTAL) + "=" + DoGetTextTotalIk3Sym(1);
    }
    return text;
}

fw::CRect CEleHVCB::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetLabelText(settings.nMode));
}

fw::CRect CEleHVCB::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV4(pDC, DoGetLabelTextV4());
}

void CEleHVCB::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetLabelText(settings.nMode));
}

void CEleHVCB::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, DoGetLabelTextV4());
}

int32_t CEleHVCB::DoEditElement(const CEleEditContext& ctx) {
    if (!GetAdjust())
        return kEditCancelled;
    const uint32_t oldOff = m_nOff;
    const uint32_t oldCalc = m_nCalcPoint;
    const int32_t oldType = GetAdjust()->m_infoBase.m_lTypeID;
    const int32_t result = DoEditWithSeam(*this, ctx);
    if (result != 1)
        return result;
    if (CObjAdjust* adjust = GetAdjust()) {
        // The dialog may have chosen another relay or rating: its reference
        // parts are read again before the curves are computed.
        adjust->m_listReadPart.DoDeleteAllReadParts();
        DoCalcCurve(ctx.settings.nFrequency);
        // A discrimination worked out against the old relay no longer holds.
        if (adjust->m_infoBase.m_lTypeID != oldType && ctx.clearUpstreamMarkers)
            ctx.clearUpstreamMarkers(static_cast<uint32_t>(kKindHVCB), m_nNumber);
    }
    const bool changed = oldOff != m_nOff || (oldCalc != 1 && m_nCalcPoint == 1);
    if (ctx.settings.nMode >= 3 && changed && ctx.returnToCheckMode)
        ctx.returnToCheckMode();
    return 1;
}

// ---- Texts ----

std::string CEleHVCB::DoGetTextVoltage(int unit) const {
    return GetAdjust() ? Beams(GetVoltage(), unit, IDS_UNIT_VOLT) : std::string();
}

std::string CEleHVCB::DoGetTextRatedCurrent(int unit) const {
    return m_dRatedCurrent > 0.0 ? Beams(m_dRatedCurrent, unit, IDS_UNIT_AMPERE) : std::string();
}

std::string CEleHVCB::DoGetTextBreakingCapacity(int unit) const {
    return m_dBreakingCapacity > 0.0 ? Beams(m_dBreakingCapacity, unit, IDS_UNIT_CAPACITY)
                                     : std::string();
}

std::string CEleHVCB::DoGetTextCTPrimary(int unit) const {
    return GetAdjust() ? Beams(GetCT1Current(), unit, IDS_UNIT_AMPERE) : std::string();
}

std::string CEleHVCB::DoGetTextCTSecondary(int unit) const {
    return GetAdjust() ? Beams(GetCT2Current(), unit, IDS_UNIT_AMPERE) : std::string();
}

std::string CEleHVCB::DoGetTextGroupName() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_strGroupName : std::string();
}

std::string CEleHVCB::DoGetTextTypeName() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_strTypeName : std::string();
}

std::string CEleHVCB::DoGetTextOnOff(int flag) const {
    if (m_nOff == 1)
        return fw::LoadString(IDS_OFF);
    if (flag == 1)
        return fw::LoadString(IDS_ON);
    return std::string();
}

std::string CEleHVCB::DoGetTextTotalPercentR(int unit) const {
    return TotalPercentR(m_calcPoint, 0, unit);
}

std::string CEleHVCB::DoGetTextTotalPercentX(int unit) const {
    return TotalPercentX(m_calcPoint, 0, unit);
}

std::string CEleHVCB::DoGetTextTotalPercentZ(int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(z.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleHVCB::DoGetTextTotalResistance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalResistance(m_calcPoint, 0, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleHVCB::DoGetTextTotalReactance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalReactance(m_calcPoint, 0, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleHVCB::DoGetTextTotalImpedance(double baseCapacity, int unit) const {
    return GetAdjust() ? TotalImpedance(m_calcPoint, 0, GetVoltage(), baseCapacity, unit)
                       : std::string();
}

std::string CEleHVCB::DoGetTextTotalIk3Sym(int unit) const {
    return GetAdjust() ? TotalIk3Sym(m_calcPoint, GetVoltage(), unit) : std::string();
}

std::string CEleHVCB::DoGetTextTotalIk3Asym(int unit) const {
    return GetAdjust() ? TotalIk3Asym(m_calcPoint, GetVoltage(), unit) : std::string();
}

std::string CEleHVCB::DoGetTextTotalIk3Peak(int unit) const {
    return GetAdjust() ? TotalIk3Peak(m_calcPoint, GetVoltage(), unit) : std::string();
}

std::string CEleHVCB::DoGetTextDirectPercentR(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.m_dR, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleHVCB::DoGetTextDirectPercentX(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.m_dX, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleHVCB::DoGetTextDirectPercentZ(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleHVCB::DoGetTextDirectResistance(double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    return BeamsEx(DoCalcOhmsFromPercent(GetVoltage(), baseCapacity, m_calcPoint.m_zSource.m_dR), 4,
                   unit, IDS_UNIT_MOHMS);
}

std::string CEleHVCB::DoGetTextDirectReactance(double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    return BeamsEx(DoCalcOhmsFromPercent(GetVoltage(), baseCapacity, m_calcPoint.m_zSource.m_dX), 4,
                   unit, IDS_UNIT_MOHMS);
}

std::string CEleHVCB::DoGetTextDirectImpedance(double baseCapacity, int unit) const {
    if (!GetAdjust())
        return std::string();
    const double r = DoCalcOhmsFromPercent(GetVoltage(), baseCapacity, m_calcPoint.m_zSource.m_dR);
    const double x = DoCalcOhmsFromPercent(GetVoltage(), baseCapacity, m_calcPoint.m_zSource.m_dX);
    return BeamsEx(DoCalcMagnitude(r, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleHVCB::DoGetTextDirectIk3Sym(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleHVCB::DoGetTextDirectIk3Asym(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0, asym = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym, &asym);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleHVCB::DoGetTextDirectIk3Peak(int unit) const {
    if (!GetAdjust())
        return std::string();
    double sym = 0.0, peak = 0.0;
    m_calcPoint.DoCalcIk3Source(GetVoltage(), &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleHVCB::DoGetTextPartName() const {
    const CObjAdjust* adjust = GetAdjust();
    const CInfoPart* part = adjust ? adjust->m_listInfoPart.GetAt(0) : nullptr;
    return part ? part->m_strCharacterName : std::string();
}

std::string CEleHVCB::DoGetTextSetCurrent() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? PartCurrentSetting(*adjust, 0) : std::string();
}

std::string CEleHVCB::DoGetTextSetTime() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? PartTimeSetting(*adjust, 0) : std::string();
}

std::string CEleHVCB::DoGetTextSettingInst() const {
    const CObjAdjust* adjust = GetAdjust();
    const CInfoPart* part = adjust ? adjust->m_listInfoPart.GetAt(1) : nullptr;
    if (!part)
        return std::string();
    const std::string text = PartCurrentSetting(*adjust, 1);
    if (!text.empty() && adjust_fields::LockFlag(*part) == 1)
        return fw::LoadString(IDS_LOCK);
    return text;
}

std::string CEleHVCB::DoGetTextCurveLabel() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    return m_strName + "\r\n" + DoGetTextTypeName() + "\r\n" + DoGetTextCTPrimary(0) + "(A)/" +
           DoGetTextCTSecondary(0) + "(A)\r\n" + DoGetTextPartName() +
           adjust->DoGetAdjustSettingText();
}

// ---- Record ----

// The head (rectangle, pen, fill, name, number, selected, reserved word,
// defaults flag), the breaking capacity and rated current, OFF, the
// calculation-point flag, the point, both placement lists, the
// characteristics, then the earthing and wire system (from 1.1) and the
// error mark (from 1.15).
void CEleHVCB::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_dBreakingCapacity << m_dRatedCurrent << m_nOff << m_nCalcPoint;
    else
        ar >> m_dBreakingCapacity >> m_dRatedCurrent >> m_nOff >> m_nCalcPoint;
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    m_listAdjust.Serialize(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark);
    if (!ar.IsStoring())
        m_nVoltage = GetVoltage();
}

uint32_t CEleHVCB::UpstreamKind(uint32_t* number) const {
    *number = m_nNumber;
    return static_cast<uint32_t>(kKindHVCB);
}
