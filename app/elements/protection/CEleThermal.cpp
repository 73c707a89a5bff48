#include "CEleThermal.h"

#include "framework/StringTable.h"
#include "listdata/Quenlor.h"

using namespace protecttexts;

namespace {

constexpr unsigned IDS_PREFIX_THR = 25101;
constexpr int32_t kControlVoltage = 1089;

} // namespace

CEleThermal::CEleThermal() : CEleFrame(fw::CRect(0, 0, 39, 79)) {
    m_nEarthing = 4;
    m_nWireSystem = 1;
}

CEleThermal::CEleThermal(const CEleThermal& other)
    : CEleFrame(other), CProtectPoint(other), CAdjustOwner(other), m_strText2(other.m_strText2),
      m_nPoles(other.m_nPoles), m_nCoordination(other.m_nCoordination) {
    m_listAdjust.DoCopyAllObjAdjust(other.m_listAdjust);
}

CEleThermal& CEleThermal::operator=(const CEleThermal& other) {
    if (&other == this)
        return *this;
    CEleFrame::operator=(other);
    CProtectPoint::operator=(other);
    CAdjustOwner::operator=(other);
    m_strText2 = other.m_strText2;
    m_nPoles = other.m_nPoles;
    m_nCoordination = other.m_nCoordination;
    m_listAdjust.DoCopyAllObjAdjust(other.m_listAdjust);
    return *this;
}

CEleThermal::~CEleThermal() = default;

void CEleThermal::DoSetDefault(const CEleInitArgs& args, int32_t keep) {
    m_strName = fw::LoadString(IDS_PREFIX_THR) + std::to_string(args.nNumber);
    m_nNumber = args.nNumber;
    CObjAdjust* adjust = GetAdjust();
    if (keep == 1 || !adjust)
        return;
    adjust->DoSetDefaultAdjustThermal(args.nVoltage);
    m_nVoltage = adjust->m_infoBase.m_nVoltage;
    if (m_nDefaultsSet == 1)
        return;
    m_nDefaultsSet = 1;
    m_nEarthing = EarthingOrDefault(args.nEarthing);
    m_nWireSystem = args.nWireSystem != 0 ? args.nWireSystem : DLLGetDefaultWireSystem(m_nEarthing);
    m_nPoles = 3;
    m_nCoordination = 0;
    m_nCalcPoint = 1;
}

int32_t CEleThermal::GetVoltage(int32_t) const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_nVoltage : 0;
}

int32_t CEleThermal::SetVoltage(int32_t volts, int32_t) {
    if (volts < 1)
        return volts;
    const int32_t old = GetVoltage();
    m_listAdjust.SetVoltage(volts);
    m_nVoltage = volts;
    return old;
}

int32_t CEleThermal::DoCheckData() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust && adjust->m_infoBase.m_nVoltage < 1 ? kControlVoltage : 0;
}

// ---- Texts ----

std::string CEleThermal::DoGetTextTypeName() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_strTypeName : std::string();
}

std::string CEleThermal::DoGetTextSetting(int unit) const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? RatedDialText(*adjust, unit) : std::string();
}

std::string CEleThermal::DoGetTextSetCurrent(int unit) const {
    const CObjAdjust* adjust = GetAdjust();
    const CInfoPart* part = adjust ? adjust->m_listInfoPart.GetAt(0) : nullptr;
    if (!part)
        return std::string();
    const CReadPart* read = adjust->m_listReadPart.GetAt(0);
    const std::string text = read ? read->DoGetTextCurrent(part->m_dCurrent, unit) : std::string();
    return text.empty() ? part->m_strCharacterName : text;
}

std::string CEleThermal::DoGetTextPoles(int unit) const {
    return Beams(m_nPoles, unit, IDS_UNIT_POLES);
}

std::string CEleThermal::DoGetTextVoltage(int unit) const {
    return GetAdjust() ? Voltage(GetVoltage(), IsSinglePhase() == 1, unit) : std::string();
}

std::string CEleThermal::DoGetTextIk1Sym(int mode, int unit) const {
    return Ik1Sym(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleThermal::DoGetTextIk1Asym(int mode, int unit) const {
    return Ik1Asym(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleThermal::DoGetTextIk1Peak(int mode, int unit) const {
    return Ik1Peak(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleThermal::DoGetTextTotalPercentR(int mode, int unit) const {
    return TotalPercentR(m_calcPoint, mode, unit);
}

std::string CEleThermal::DoGetTextTotalPercentX(int mode, int unit) const {
    return TotalPercentX(m_calcPoint, mode, unit);
}

std::string CEleThermal::DoGetTextTotalPercentZ(int mode, int unit) const {
    return TotalPercentZ(m_calcPoint, mode, unit);
}

std::string CEleThermal::DoGetTextTotalResistance(int mode, double baseCapacity, int unit) const {
    return TotalResistance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleThermal::DoGetTextTotalReactance(int mode, double baseCapacity, int unit) const {
    return TotalReactance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleThermal::DoGetTextTotalImpedance(int mode, double baseCapacity, int unit) const {
    return TotalImpedance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleThermal::DoGetTextTotalIk3Sym(int unit) const {
    return TotalIk3Sym(m_calcPoint, GetVoltage(), unit);
}

std::string CEleThermal::DoGetTextTotalIk3Asym(int unit) const {
    return TotalIk3Asym(m_calcPoint, GetVoltage(), unit);
}

std::string CEleThermal::DoGetTextTotalIk3Peak(int unit) const {
    return TotalIk3Peak(m_calcPoint, GetVoltage(), unit);
}

std::string CEleThermal::DoGetLabelText(int32_t documentMode) const {
    std::string text = DoGetTextTypeName() + "\r\n" + DoGetTextSetCurrent(1);
    if (IsCalcPoint() == 1 && documentMode >= 3)
        text += "\r\n" + ShortCircuitLines(m_calcPoint, IsSinglePhase() == 1, GetVoltage());
    return text;
}

std::string CEleThermal::DoGetTextCurveLabel() const {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return std::string();
    const CInfoPart* part = adjust->m_listInfoPart.GetAt(0);
    return m_strName + "\r\n" + (part ? part->m_strCharacterName : std::string()) + "\r\n" +
           RatedDialText(*adjust, 1) + adjust->DoGetAdjustSettingText();
}

// ---- Symbol and labels ----

void CEleThermal::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [&](fw::CDC* dc, fw::CPoint c) {
        const fw::CPoint heater[] = {fw::CPoint(c.x, c.y - 40), fw::CPoint(c.x, c.y - 13),
                                     fw::CPoint(c.x + 13, c.y - 13), fw::CPoint(c.x + 13, c.y),
                                     fw::CPoint(c.x, c.y)};
        dc->Polyline(heater, 5);
        dc->MoveTo(c.x, c.y + 40);
        dc->LineTo(c.x, c.y - 1);
        if (IsCalcPoint() == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 26);
    });
}

fw::CRect CEleThermal::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetLabelText(settings.nMode));
}

fw::CRect CEleThermal::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV4(pDC, std::string());
}

void CEleThermal::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetLabelText(settings.nMode));
}

void CEleThermal::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleThermal::DoEditElement(const CEleEditContext& ctx) {
    const uint32_t wasCalcPoint = m_nCalcPoint;
    const int32_t result = DoEditWithSeam(*this, ctx);
    if (result != 1)
        return result;
    if (CObjAdjust* adjust = GetAdjust()) {
        // Another type or setting may have been chosen: its reference parts
        // are read again before the curves are computed.
        adjust->m_listReadPart.DoDeleteAllReadParts();
        DoCalcCurve(ctx.settings.nFrequency);
    }
    if (ctx.settings.nMode >= 3 && wasCalcPoint != 1 && m_nCalcPoint == 1 && ctx.returnToCheckMode)
        ctx.returnToCheckMode();
    return 1;
}

// ---- Record ----

// The head (rectangle, pen, fill, name, number, selected, reserved word,
// initialised flag), the second text, poles, co-ordination type and the
// calculation-point flag, the point, both placement lists, the
// characteristics, then the earthing and wire system (from 1.1), the error
// mark (from 1.15) and the single-phase flag (from 1.2).
void CEleThermal::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_strText2 << m_nPoles << m_nCoordination << m_nCalcPoint;
    else
        ar >> m_strText2 >> m_nPoles >> m_nCoordination >> m_nCalcPoint;
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    m_listAdjust.Serialize(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
    if (!ar.IsStoring())
        m_nVoltage = GetVoltage();
}
