#include "CEleContactor.h"

#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

using namespace protecttexts;

namespace {

constexpr unsigned IDS_PREFIX_MC = 25088;
constexpr int32_t kClassContactor = 4;

// Placement codes of the name and the label beside the symbol.
constexpr uint32_t kLeft = 128;
constexpr uint32_t kRight = 32;

} // namespace

CEleContactor::CEleContactor() : CEleFrame(fw::CRect(0, 0, 39, 79)) {
    m_nEarthing = 4;
    m_nWireSystem = 1;
}

CEleContactor::CEleContactor(const CEleContactor& other)
    : CEleFrame(other), CProtectPoint(other), m_nPoles(other.m_nPoles),
      m_infoBase(other.m_infoBase) {}

CEleContactor& CEleContactor::operator=(const CEleContactor& other) {
    if (&other == this)
        return *this;
    CEleFrame::operator=(other);
    CProtectPoint::operator=(other);
    m_nPoles = other.m_nPoles;
    m_infoBase = other.m_infoBase;
    return *this;
}

CEleContactor::~CEleContactor() = default;

void CEleContactor::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX_MC), args))
        return;
    m_infoBase.m_nVoltage = args.nVoltage;
    m_infoBase.m_lManufactureID = 0;
    m_infoBase.m_lGroupID = 0;
    m_infoBase.m_lTypeID = 0;
    m_infoBase.m_nKindFlag = kClassContactor;
    m_nPoles = 3;
    if (fw::CDatabase* db = GetModelDatabases().pBreaker) {
        m_infoBase.DoReadDefaultInfoBase(db, &m_readBase, 0);
        if (m_infoBase.m_lTypeID > 0)
            m_nCalcPoint = 0;
    }
}

int32_t CEleContactor::GetVoltage(int32_t) const {
    return m_infoBase.m_nVoltage;
}

int32_t CEleContactor::SetVoltage(int32_t volts, int32_t) {
    if (volts < 1)
        return volts;
    const int32_t old = m_infoBase.m_nVoltage;
    m_infoBase.m_nVoltage = volts;
    m_nVoltage = volts;
    return old;
}

std::string CEleContactor::DoGetTextIth(int unit) const {
    // The breaker library reads no rating for a contactor's selection, so
    // the type's operating kind and its default rated row (Ith) are read
    // here into a scratch reference, on a copy of the selection.
    CReadBase reference;
    if (fw::CDatabase* db = GetModelDatabases().pBreaker) {
        CInfoBase selection = m_infoBase;
        if (selection.m_lTypeID > 0 &&
            CRSBreak_Type(db).DoReadByTypeID(selection.m_lTypeID, &selection, &reference, 0) != 0 &&
            CRSBreak_OpeKind(db).DoReadSetByIndex(nullptr, selection.m_lTypeID, 0, &selection,
                                                  &reference, 1) != 0)
            CRSBreak_Rated(db).DoReadSetDefaultFixed(nullptr, selection.m_lOpeKindID, &selection,
                                                     &reference, &reference.m_dialRated, 1);
    }
    return Beams(reference.m_dRatedValue, unit, IDS_UNIT_AMPERE);
}

std::string CEleContactor::DoGetTextPoles(int unit) const {
    return Beams(m_nPoles, unit, IDS_UNIT_POLES);
}

std::string CEleContactor::DoGetTextVoltage(int unit) const {
    return Voltage(GetVoltage(), IsSinglePhase() == 1, unit);
}

std::string CEleContactor::DoGetTextIk1Sym(int mode, int unit) const {
    return Ik1Sym(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleContactor::DoGetTextIk1Asym(int mode, int unit) const {
    return Ik1Asym(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleContactor::DoGetTextIk1Peak(int mode, int unit) const {
    return Ik1Peak(m_calcPoint, mode, GetVoltage(), unit);
}

std::string CEleContactor::DoGetTextTotalPercentX(int mode, int unit) const {
    return TotalPercentX(m_calcPoint, mode, unit);
}

std::string CEleContactor::DoGetTextTotalResistance(int mode, double baseCapacity, int unit) const {
    return TotalResistance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleContactor::DoGetTextTotalReactance(int mode, double baseCapacity, int unit) const {
    return TotalReactance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleContactor::DoGetTextTotalImpedance(int mode, double baseCapacity, int unit) const {
    return TotalImpedance(m_calcPoint, mode, GetVoltage(), baseCapacity, unit);
}

std::string CEleContactor::DoGetTextTotalIk3Sym(int unit) const {
    return TotalIk3Sym(m_calcPoint, GetVoltage(), unit);
}

std::string CEleContactor::DoGetTextTotalIk3Asym(int unit) const {
    return TotalIk3Asym(m_calcPoint, GetVoltage(), unit);
}

std::string CEleContactor::DoGetTextTotalIk3Peak(int unit) const {
    return TotalIk3Peak(m_calcPoint, GetVoltage(), unit);
}

std::string CEleContactor::DoGetLabelText(int32_t documentMode) const {
    std::string text = DoGetTextTypeName() + "\r\n" + DoGetTextIth(1);
    if (IsCalcPoint() == 1 && documentMode >= 3)
        text += "\r\n" + ShortCircuitLines(m_calcPoint, IsSinglePhase() == 1, GetVoltage());
    return text;
}

void CEleContactor::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [&](fw::CDC* dc, fw::CPoint c) {
        dc->MoveTo(c.x, c.y - 40);
        dc->LineTo(c.x, c.y - 19);
        dc->Arc(fw::CRect(c.x - 3, c.y - 19, c.x + 3, c.y - 26), fw::CPoint(c.x, c.y - 39),
                fw::CPoint(c.x, c.y));
        dc->MoveTo(c.x - 13, c.y - 26);
        dc->LineTo(c.x, c.y + 12);
        dc->MoveTo(c.x, c.y + 40);
        dc->LineTo(c.x, c.y + 11);
        if (IsCalcPoint() == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 34);
    });
}

fw::CRect CEleContactor::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return m_listRefV1.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, kLeft,
                                       DoGetLabelText(settings.nMode), kRight);
}

fw::CRect CEleContactor::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return m_listRefV4.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, kLeft, std::string(), kRight);
}

void CEleContactor::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetLabelText(settings.nMode));
}

void CEleContactor::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleContactor::DoEditElement(const CEleEditContext& ctx) {
    const uint32_t wasCalcPoint = m_nCalcPoint;
    const int32_t result = DoEditWithSeam(*this, ctx);
    if (result != 1)
        return result;
    if (ctx.settings.nMode >= 3 && wasCalcPoint != 1 && m_nCalcPoint == 1 && ctx.returnToCheckMode)
        ctx.returnToCheckMode();
    return 1;
}

void CEleContactor::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_nPoles << m_nCalcPoint;
    else
        ar >> m_nPoles >> m_nCalcPoint;
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    m_infoBase.Serialize(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
    if (!ar.IsStoring())
        m_nVoltage = m_infoBase.m_nVoltage;
}
