#include "CEleLVCB.h"

#include "app/records/ElementKinds.h"
#include "app/records/FileVersion.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "breakerdata/recordsets/CRSBreak_MPLTC.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/Quenlor.h"

#include <cmath>

using namespace protecttexts;

namespace {

constexpr unsigned IDS_PREFIX_CB = 25097;

// Controls of the breaker dialog that the data check names.
constexpr int32_t kControlVoltage = 1089;
constexpr int32_t kControlRated = 1015;
constexpr int32_t kControlType = 1011;

// Label placement codes around the symbol.
constexpr uint32_t kAbove = 16;
constexpr uint32_t kRight = 32;
constexpr uint32_t kBelow = 64;
constexpr uint32_t kLeft = 128;

int32_t DivTrunc(int32_t a, int32_t b) {
    return a / b; // C++ integer division truncates toward zero
}

} // namespace

CEleLVCB::CEleLVCB() : CEleFrame(fw::CRect(0, 0, 39, 119)) {
    m_crFill = 0xC0C0C0;
    m_nCalcPoint = 1;
}

CEleLVCB::CEleLVCB(const CEleLVCB& other) : CEleFrame(other), CProtectPoint(other) {
    *this = other;
}

CEleLVCB& CEleLVCB::operator=(const CEleLVCB& other) {
    if (&other == this)
        return *this;
    CEleFrame::operator=(other);
    CProtectPoint::operator=(other);
    m_listLimitPoints.DoCopyAllPoints(other.m_listLimitPoints);
    m_listI2tPoints.DoCopyAllPoints(other.m_listI2tPoints);
    m_nRotation = other.m_nRotation;
    m_nPoles = other.m_nPoles;
    m_nOff = other.m_nOff;
    m_nUseCode = other.m_nUseCode;
    m_nCriterion = other.m_nCriterion;
    m_listAdjust.DoCopyAllObjAdjust(other.m_listAdjust);
    m_listCandidate.DoCopyAllCandidate(&other.m_listCandidate);
    m_currentOwn = other.m_currentOwn;
    m_currentSelect = other.m_currentSelect;
    m_strSecondPoint = other.m_strSecondPoint;
    m_calcPoint2 = other.m_calcPoint2;
    m_nShockCheck = other.m_nShockCheck;
    m_dDisconnectTime = other.m_dDisconnectTime;
    m_dIa = other.m_dIa;
    m_strShockPoint = other.m_strShockPoint;
    m_calcPointShock = other.m_calcPointShock;
    m_listGraphNoLimit.DoCopyAllGraphNo(other.m_listGraphNoLimit);
    m_nLimitVoltage = other.m_nLimitVoltage;
    m_listGraphNoI2t.DoCopyAllGraphNo(other.m_listGraphNoI2t);
    m_nI2tVoltage = other.m_nI2tVoltage;
    m_nSecondAdjust = other.m_nSecondAdjust;
    m_nCheckFlag = other.m_nCheckFlag;
    return *this;
}

CEleLVCB::~CEleLVCB() = default;

// ---- Characteristic ----

CObjAdjust* CEleLVCB::GetAdjust() const {
    return m_listAdjust.GetAt(0);
}

CObjAdjust* CEleLVCB::GetSecondAdjust() const {
    return m_listAdjust.GetAt(1);
}

int32_t CEleLVCB::DoSetSecondCharacteristic(const CInfoBase& selection, const CReadBase& base,
                                            const CInfoLine& line) {
    constexpr int32_t kCodeGroundFault = 30;
    if (selection.m_nLVCBCode != kCodeGroundFault)
        return 0;
    if (!GetAdjust())
        return 0;
    CObjAdjust* second = GetSecondAdjust();
    if (!second)
        second = m_listAdjust.DoAddNewObjAdjust();
    second->m_nInitialised = 0;
    return second->DoSelectAdjustByRated(selection, base, line) == 1 ? 1 : 0;
}

CObjAdjust* CEleLVCB::GetObjAdjust(int32_t* which) const {
    CObjAdjust* first = GetAdjust();
    CObjAdjust* second = GetSecondAdjust();
    if (first && (first->m_nSelected == 1 || !second)) {
        if (which)
            *which = 0;
        return first;
    }
    if (second) {
        if (which)
            *which = 1;
        return second;
    }
    return nullptr;
}

const CInfoBase* CEleLVCB::GetFirstInfoBase() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? &adjust->m_infoBase : nullptr;
}

int32_t CEleLVCB::GetTypeID() const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_lTypeID : 0;
}

// ---- Set-up ----

void CEleLVCB::DoSetDefault(uint32_t number, int32_t voltage, uint32_t earthing,
                            uint32_t wireSystem, int32_t skip) {
    m_strName = fw::LoadString(IDS_PREFIX_CB) + std::to_string(number);
    m_nNumber = number;
    if (skip == 1)
        return;
    CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return;
    adjust->DoSetDefaultAdjustLV(voltage);
    if (m_nDefaultsSet == 1)
        return;
    m_nDefaultsSet = 1;
    m_nEarthing = earthing;
    if (m_nEarthing == 0) {
        unsigned code = 0;
        if (fw::CDatabase* db = GetModelDatabases().pList) {
            CRSList_Earthing list(db);
            list.DoReadSetDefaultLE3(nullptr, &code);
        }
        m_nEarthing = code;
    }
    SetWireSystem(wireSystem != 0 ? wireSystem : DLLGetDefaultWireSystem(m_nEarthing));
    m_nShockCheck = 0;
    m_dDisconnectTime = GetDisconnectTime();
    m_dIa = 0.0;
    m_strShockPoint.clear();
    m_nCalcPoint = 1;
    m_nOff = 0;
}

void CEleLVCB::DoInitNewElement(const CEleInitArgs& args) {
    const bool first = m_nDefaultsSet != 1;
    DoSetDefault(args.nNumber, args.nVoltage, args.nEarthing, args.nWireSystem, 0);
    if (first)
        m_nSinglePhase = args.nSinglePhase == 1 ? 1 : 0;
}

// ---- Circuit values ----

int32_t CEleLVCB::GetVoltage(int32_t) const {
    const CObjAdjust* adjust = GetAdjust();
    return adjust ? adjust->m_infoBase.m_nVoltage : 0;
}

int32_t CEleLVCB::SetVoltage(int32_t volts, int32_t) {
    if (volts < 1)
        return volts;
    const int32_t old = GetVoltage();
    m_listAdjust.SetVoltage(volts);
    m_nVoltage = volts;
    if (old != volts && GetAdjust()) {
        DoReadOwnCapacity();
        DoReadLimitCurve();
        DoReadI2tCurve();
    }
    m_dDisconnectTime = GetDisconnectTime();
    return old;
}

uint32_t CEleLVCB::SetEarthingSystem(uint32_t code) {
    const uint32_t old = m_nEarthing;
    m_nEarthing = code;
    m_dDisconnectTime = GetDisconnectTime();
    return old;
}

uint32_t CEleLVCB::SetWireSystem(uint32_t code) {
    const uint32_t old = m_nWireSystem;
    m_nWireSystem = code;
    m_dDisconnectTime = GetDisconnectTime();
    return old;
}

int32_t CEleLVCB::DoSetPoles(int32_t poles) {
    if (poles == -1)
        return -1;
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust || adjust->m_infoBase.m_lTypeID > 0)
        return poles;
    const int32_t old = static_cast<int32_t>(m_nPoles);
    if (poles > 0)
        m_nPoles = static_cast<uint32_t>(poles);
    else
        m_nPoles = m_nEarthing == 1 || m_nEarthing == 3 ? 4 : 3;
    return old;
}

int32_t CEleLVCB::DoCheckData(int32_t voltageLimit, int32_t typeRequired) {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return 0;
    const CInfoBase& info = adjust->m_infoBase;
    int32_t control = 0;
    if (info.m_nVoltage <= 0 || (voltageLimit == 1 && info.m_nVoltage >= 1000))
        control = kControlVoltage;
    else if (!(info.m_dRatedValue > 0.0))
        control = kControlRated;
    else if (typeRequired == 1 && info.m_lTypeID <= 0)
        control = kControlType;
    m_nErrorMark = control != 0 ? 1 : 0;
    return control;
}

// ---- Geometry ----

fw::CRect CEleLVCB::DoRotate(fw::CDC* pDC, int32_t) {
    const fw::CRect r = m_rectSymbol;
    const int32_t cx = (r.left + r.right) / 2;
    const int32_t cy = (r.top + r.bottom) / 2;
    const int32_t w = r.right - r.left;
    const int32_t h = r.bottom - r.top;
    fw::CRect next = r;
    switch (m_nRotation) {
    case 0:
        next.top = DivTrunc(cy + 1, 40) * 40 - 39;
        next.left = DivTrunc(cx - h / 2, 40) * 40 + 41;
        next.right = next.left + h;
        next.bottom = next.top + w;
        m_nRotation = 1;
        break;
    case 1:
        m_nRotation = 2;
        break;
    default:
        next.left = DivTrunc(cx + 1, 40) * 40 - 39;
        next.top = DivTrunc(cy - w / 2, 40) * 40 + 41;
        next.right = next.left + h;
        next.bottom = next.top + w;
        m_nRotation = 0;
        break;
    }
    m_rectSymbol = next;
    DoLayoutRefV1List(pDC, CEleDocSettings{});
    return m_rectSymbol;
}

int32_t CEleLVCB::IsHittedSymbol(fw::CPoint point, int32_t code) const {
    if (code == 0)
        return CEleHead::IsHittedSymbol(point, 0);
    if (code == 100) {
        const fw::CRect r = m_listRefV1.GetRect(0);
        return r.left <= point.x && point.x <= r.right && r.top <= point.y && point.y <= r.bottom
                   ? 1
                   : 0;
    }
    return 0;
}

// ---- Symbol and labels ----

fw::COLORREF CEleLVCB::GetFillColour(int32_t documentMode, bool printing, int32_t flag) const {
    if (printing)
        return 0xFFFFFF;
    if (documentMode >= 4 && IsCalcPoint() == 1 && flag != 1) {
        // A pair result paints the breaker only where it holds.
        const uint32_t code = m_currentSelect.m_nSelectedBy;
        if (code == CCurrent::kCascade && IsSelectionValid())
            return 0x00FFFF;
        if (code >= CCurrent::kTable && code <= CCurrent::kInstLimiting && IsSelectionValid())
            return 0x00FF00;
        const bool candidate = m_listCandidate.DoFindFromCandidate(GetTypeID()) != nullptr;
        switch (m_nCriterion) {
        case kByIcs:
        case kAtSecondPoint:
            return candidate ? 0xFF0000 : 0xC0C0C0;
        case kByIcu:
            return candidate ? 0xFFFF00 : 0xC0C0C0;
        default:
            return 0xC0C0C0;
        }
    }
    if (m_nErrorMark == 1 && flag != 1)
        return 0xFF00FF;
    if (IsCalcPoint() != 1)
        return m_nOff == 1 ? 0x408000 : 0xFFFFFF;
    return 0xC0C0C0;
}

void CEleLVCB::DoDrawSymbol(fw::CDC* pDC, int32_t mode, int32_t documentMode) {
    if (!pDC)
        return;
    m_crFill = GetFillColour(documentMode, pDC->IsPrinting(), mode);
    pDC->FillSolidRect(m_rectSymbol, m_crFill);
    fw::CPen oldPen = pDC->SelectObject(
        fw::CPen(static_cast<int>(m_nPenStyle), static_cast<int>(m_nPenWidth), m_crPen));
    const fw::CRect& r = m_rectSymbol;
    pDC->MoveTo(r.left, r.top);
    pDC->LineTo(r.right, r.top);
    pDC->LineTo(r.right, r.bottom);
    pDC->LineTo(r.left, r.bottom);
    pDC->LineTo(r.left, r.top);
    pDC->SelectObject(oldPen);
    if (IsCalcPoint() == 1) {
        const int cx = (r.left + r.right) / 2;
        CCalcPoint::DoDrawArrow(pDC, cx, r.bottom - 5);
    }
}

std::string CEleLVCB::DoGetRatingsText(int32_t documentMode) const {
    std::string text;
    auto line = [&text](const std::string& s) {
        if (!text.empty())
            text += "\r\n";
        text += s;
    };
    const std::string onOff = DoGetTextOnOff(0);
    if (!onOff.empty())
        line(onOff);
    const CObjAdjust* adjust = GetAdjust();
    if (adjust && adjust->m_infoBase.m_dRatedValue > 0.0)
        line(DoGetTextRatedCurrent(1));
    const std::string type = DoGetTextTypeName();
    if (type.empty())
        line(DoGetTextPoles(1));
    else if (type.find("Pole") != std::string::npos)
        line(type);
    else
        line(type + " " + DoGetTextPoles(1));
    if (IsCalcPoint() != 1 || documentMode < 3)
        return text;
    const std::string eq = "=";
    const std::string k3 = fw::LoadString(IDS_IK3);
    const std::string direct = fw::LoadString(IDS_DIRECT);
    if (m_nSinglePhase != 1) {
        std::string sc;
        auto scLine = [&sc](const std::string& s) {
            if (!sc.empty())
                sc += "\r\n";
            sc += s;
        };
        const std::string directText = DoGetTextDirectIk3Sym(1);
        if (std::atof(directText.c_str()) >= 0.0)
            scLine(k3 + direct + eq + directText);
        const std::string total = DoGetTextTotalIk3Sym(1);
        if (total != directText && std::atof(total.c_str()) >= 0.0)
            scLine(k3 + fw::LoadString(IDS_TOTAL) + eq + total);
        const std::string k1 = fw::LoadString(IDS_IK1);
        switch (m_nEarthing) {
        case 1:
            scLine(k1 + direct + eq + DoGetTextDirectIk1(1));
            scLine(k1 + direct + fw::LoadString(IDS_PE) + eq + DoGetTextDirectIk1PE(1));
            break;
        case 3:
            scLine(k1 + direct + eq + DoGetTextDirectIk1(1));
            break;
        case 4:
            if (m_nWireSystem == 2)
                scLine(k1 + direct + eq + DoGetTextDirectIk1(1));
            break;
        case 5:
            if (m_nWireSystem == 1)
                scLine(fw::LoadString(IDS_IK2) + direct + eq + DoGetTextDirectIk2(1));
            else if (m_nWireSystem == 2)
                scLine(k1 + direct + eq + DoGetTextDirectIk1(1));
            break;
        default:
            break;
        }
        text += "\r\n" + sc;
    } else {
        text += "\r\n" + fw::LoadString(IDS_IK2) + eq + DoGetTextIk1Sym(2, 1) + "\r\n" + eq +
                DoGetTextIk1Sym(1, 1);
    }
    return text;
}

fw::CRect CEleLVCB::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    const bool horizontal = m_nRotation == 1 || m_nRotation == 2;
    return m_listRefV1.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, horizontal ? kBelow : kLeft,
                                       DoGetRatingsText(settings.nMode),
                                       horizontal ? kAbove : kRight);
}

fw::CRect CEleLVCB::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return m_listRefV4.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, kLeft, DoGetTextOnOff(0),
                                       kRight);
}

void CEleLVCB::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetRatingsText(settings.nMode));
}

void CEleLVCB::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, DoGetTextOnOff(0));
}

int32_t CEleLVCB::DoEditElement(const CEleEditContext& ctx) {
    if (!GetAdjust())
        return kEditCancelled;
    const int32_t oldType = GetTypeID();
    const double oldRated = GetAdjust()->m_infoBase.m_dRatedValue;
    const uint32_t oldOff = m_nOff;
    const uint32_t oldCalc = m_nCalcPoint;
    const int32_t result = DoEditWithSeam(*this, ctx);
    if (result != 1)
        return result;
    CObjAdjust* adjust = GetAdjust();
    if (adjust) {
        adjust->m_listReadPart.DoDeleteAllReadParts();
        if (adjust->m_infoBase.IsOkSetCurveInfo() == 1) {
            DoCalcCurve(0);
            DoReadLimitCurve();
            DoReadI2tCurve();
        } else {
            m_nCriterion = kManual;
        }
    }
    // A result worked out against this breaker as upstream was for its old
    // type.
    if (oldType != GetTypeID() && ctx.clearUpstreamMarkers)
        ctx.clearUpstreamMarkers(static_cast<uint32_t>(kKindLVCB), m_nNumber);
    int32_t mode = ctx.settings.nMode;
    const bool topology =
        (mode >= 3 && oldOff != m_nOff) || (mode >= 3 && oldCalc != 1 && m_nCalcPoint == 1);
    if (topology && ctx.returnToCheckMode) {
        ctx.returnToCheckMode();
        mode = 2;
    }
    // Another rated current: the check of the conductors' capacity against
    // it and everything after the check are stale.
    const CObjAdjust* now = GetAdjust();
    if (mode >= 2 && now && now->m_infoBase.m_dRatedValue != oldRated && ctx.returnToDrawingMode)
        ctx.returnToDrawingMode();
    if (GetShockCheckFlag() == 1)
        DoCalcShockTripCurrent();
    return 1;
}

// ---- Shock check values ----

double CEleLVCB::GetDisconnectTime() const {
    if (!GetAdjust())
        return 0.4;
    const int32_t v = GetVoltage();
    auto byVoltage = [v](double a, double b, double c, double d) {
        if (v <= 240)
            return a;
        if (v <= 480)
            return b;
        if (v <= 690)
            return c;
        return d;
    };
    if (m_nEarthing == 1 || m_nEarthing == 3)
        return byVoltage(0.8, 0.4, 0.2, 0.1);
    if (m_nEarthing == 5) {
        if (m_nWireSystem == 1)
            return byVoltage(0.8, 0.4, 0.2, 0.1);
        if (m_nWireSystem == 2)
            return byVoltage(5.0, 0.8, 0.4, 0.2);
    }
    return 0.4;
}

double CEleLVCB::GetLoopImpedanceZs(uint32_t earthing) const {
    if (!GetAdjust() || !(m_dIa > 0.0))
        return 0.0;
    const double v = GetVoltage();
    if (earthing == 1 || earthing == 3)
        return v / std::sqrt(3.0) / m_dIa;
    if (earthing == 5 && m_nWireSystem == 1)
        return v / (2.0 * m_dIa);
    if (earthing == 5 && (m_nWireSystem == 2 || m_nWireSystem == 3))
        return v / std::sqrt(3.0) / (2.0 * m_dIa);
    return 0.0;
}

int32_t CEleLVCB::DoReadCapacity(const CObjAdjust& adjust, double* ics, double* icu, double* iq) {
    *ics = *icu = *iq = 0.0;
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db)
        return 0;
    double lockIcs = 0.0, lockIcu = 0.0, lockIq = 0.0;
    CRSBreak_Capacity capacity(db);
    const int32_t volts =
        capacity.DoReadByTypeVolt(adjust.m_infoBase.m_lTypeID, adjust.m_infoBase.m_nVoltage, ics,
                                  icu, iq, &lockIcs, &lockIcu, &lockIq);
    if (volts == 0)
        return 0;
    int32_t lastFlag = 0, lockFlag = 0;
    adjust.GetLastPartFlags(&lastFlag, &lockFlag);
    if (lastFlag == 1 && lockFlag == 1) {
        if (lockIcs != 0.0)
            *ics = lockIcs;
        if (lockIcu != 0.0)
            *icu = lockIcu;
        if (lockIq != 0.0)
            *iq = lockIq;
    }
    return volts;
}

void CEleLVCB::DoReadOwnCapacity() {
    const CObjAdjust* adjust = GetAdjust();
    if (!adjust)
        return;
    double ics = 0.0, icu = 0.0, iq = 0.0;
    if (DoReadCapacity(*adjust, &ics, &icu, &iq) == 0) {
        // No row: the number-to-text form of "no data".
        ics = icu = -1.0;
    }
    m_currentOwn.m_dIcs = ics;
    m_currentOwn.m_dIcu = icu;
}

int32_t CEleLVCB::DoReadLimitCurve() {
    m_listLimitPoints.DoDeleteAllPoints();
    const CObjAdjust* adjust = GetAdjust();
    const CModelDatabases& dbs = GetModelDatabases();
    if (!adjust || !dbs.pBreaker || !dbs.pCurve)
        return 0;
    CRSBreak_MPLTC curves(dbs.pBreaker);
    int32_t volts = 0;
    const int n = curves.DoReadByRatedValue(
        dbs.pCurve, adjust->m_infoBase.m_lTypeID, adjust->m_infoBase.m_nVoltage,
        adjust->m_infoBase.m_dRatedValue, &m_listLimitPoints, &volts);
    m_nLimitVoltage = n > 0 ? static_cast<uint32_t>(volts) : 0;
    return n;
}

int32_t CEleLVCB::DoReadI2tCurve() {
    m_listI2tPoints.DoDeleteAllPoints();
    const CObjAdjust* adjust = GetAdjust();
    const CModelDatabases& dbs = GetModelDatabases();
    if (!adjust || !dbs.pBreaker || !dbs.pCurve)
        return 0;
    CRSBreak_MPEI2t curves(dbs.pBreaker);
    int32_t volts = 0;
    const int n = curves.DoReadByRatedValue(
        dbs.pCurve, adjust->m_infoBase.m_lTypeID, adjust->m_infoBase.m_nVoltage,
        adjust->m_infoBase.m_dRatedValue, &m_listI2tPoints, &volts);
    m_nI2tVoltage = n > 0 ? static_cast<uint32_t>(volts) : 0;
    return n;
}

// ---- Record ----

void CEleLVCB::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nRotation << m_nPoles;
        ar << m_nCalcPoint << m_nUseCode;
        ar << m_nOff;
        ar << m_nCriterion << m_nErrorMark;
    } else {
        ar >> m_nRotation >> m_nPoles;
        ar >> m_nCalcPoint >> m_nUseCode;
        ar >> m_nOff;
        ar >> m_nCriterion >> m_nErrorMark;
        // A damaged orientation word would name no symbol: the breaker
        // stands upright.
        if (m_nRotation > 2)
            m_nRotation = 0;
    }
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    m_listAdjust.Serialize(ar);
    m_listCandidate.Serialize(ar);
    m_currentOwn.Serialize(ar);
    m_currentSelect.Serialize(ar);

    if (ar.IsStoring() || GetFileVersionNumber(ar) >= 1.1) {
        if (ar.IsStoring()) {
            ar << m_nEarthing << m_nWireSystem << m_strSecondPoint;
        } else {
            ar >> m_nEarthing >> m_nWireSystem >> m_strSecondPoint;
        }
        m_calcPoint2.Serialize(ar);
        if (ar.IsStoring())
            ar << m_nShockCheck << m_dDisconnectTime << m_dIa << m_strShockPoint;
        else
            ar >> m_nShockCheck >> m_dDisconnectTime >> m_dIa >> m_strShockPoint;
        m_calcPointShock.Serialize(ar);
        m_listGraphNoLimit.Serialize(ar);
        m_listGraphNoI2t.Serialize(ar);
        if (ar.IsStoring())
            ar << m_nLimitVoltage << m_nI2tVoltage << m_nSecondAdjust;
        else
            ar >> m_nLimitVoltage >> m_nI2tVoltage >> m_nSecondAdjust;
    } else {
        m_nEarthing = 4;
        m_nWireSystem = 1;
        m_strSecondPoint.clear();
        m_calcPoint2 = CCalcPoint();
        m_nShockCheck = 0;
        m_dIa = 0.0;
        m_strShockPoint.clear();
        m_calcPointShock = CCalcPoint();
        m_listGraphNoLimit.DoDeleteGraphNo(0);
        m_listGraphNoI2t.DoDeleteGraphNo(0);
        m_nLimitVoltage = 0;
        m_nI2tVoltage = 0;
        m_nSecondAdjust = 0;
        m_dDisconnectTime = GetDisconnectTime();
    }
    SerializeFrom<uint32_t>(ar, 1.2, m_nSinglePhase, 0);
    if (!ar.IsStoring())
        m_nVoltage = GetVoltage();
}
