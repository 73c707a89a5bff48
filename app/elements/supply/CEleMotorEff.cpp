#include "CEleMotorEff.h"

#include "app/elements/supply/MachineTexts.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_MotorEff.h"
#include "framework/StringTable.h"

#include <cmath>

using namespace machinetext;

namespace {

constexpr double kTwoPi = 6.28318530717958;
const double kSqrt2 = std::sqrt(2.0);
const double kSqrt3 = std::sqrt(3.0);

constexpr unsigned IDS_PREFIX = 25093; // "ME"
constexpr int kSymbolFont = 7;

} // namespace

CEleMotorEff::CEleMotorEff() : CEleFrame(fw::CRect(0, 0, 39, 79)) {}

double CEleMotorEff::GetRatedCurrent() const {
    if (m_nVoltage < 1)
        return 0.0;
    return Finite(m_dCapacity * 1000.0 / m_nVoltage / kSqrt3);
}

double CEleMotorEff::GetSubtransientImpedance() const {
    double r = m_dRotorResistance + m_dStatorResistance;
    return Finite(std::sqrt(r * r + m_dSubReactance * m_dSubReactance));
}

double CEleMotorEff::GetSubtransientTimeConstant(double f) const {
    if (f == 0.0 || m_dRotorResistance == 0.0)
        return 0.0;
    return Finite(m_dSubReactance / (kTwoPi * f * m_dRotorResistance));
}

double CEleMotorEff::GetDcTimeConstant(double f) const {
    if (f == 0.0 || m_dStatorResistance == 0.0)
        return 0.0;
    return Finite(m_dSubReactance / (kTwoPi * f * m_dStatorResistance));
}

double CEleMotorEff::GetInitialCurrent() const {
    double z = GetSubtransientImpedance();
    if (z == 0.0)
        return 0.0;
    return Finite(GetRatedCurrent() / z * 100.0);
}

double CEleMotorEff::GetIacm(double f) const {
    double t = GetSubtransientTimeConstant(f);
    if (f == 0.0 || t == 0.0)
        return 0.0;
    return Finite(std::exp(-1.0 / (2.0 * f * t)) * GetInitialCurrent());
}

double CEleMotorEff::GetIacPeak(double f) const {
    double ac = GetIacm(f);
    double t = GetDcTimeConstant(f);
    if (f == 0.0 || t == 0.0)
        return Finite(kSqrt2 * ac);
    return Finite(kSqrt2 * GetInitialCurrent() * std::exp(-1.0 / (2.0 * f * t)) + kSqrt2 * ac);
}

CPercentZ CEleMotorEff::DoCalcPercentZ(double baseCapacity) const {
    CPercentZ z;
    if (m_dCapacity == 0.0)
        return z;
    double k = baseCapacity / m_dCapacity;
    z.m_dR = Finite(k * (m_dRotorResistance + m_dStatorResistance));
    z.m_dX = Finite(k * m_dSubReactance);
    z.m_dRMotor = Finite(k * m_dStatorResistance);
    return z;
}

double CEleMotorEff::DoCalcDecayCurrent(double f, double baseCapacity, double r, double x) const {
    double rExt = 0.0;
    double xExt = 0.0;
    if (r >= 0.0 && baseCapacity != 0.0) {
        double k = m_dCapacity / baseCapacity;
        rExt = r * k;
        xExt = x * k;
    }
    double xt = m_dSubReactance + xExt;
    double t = 0.0;
    if (f != 0.0 && m_dRotorResistance != 0.0)
        t = xt / (kTwoPi * f * m_dRotorResistance);
    if (f == 0.0 || t == 0.0)
        return 0.0;
    double rt = m_dRotorResistance + m_dStatorResistance + rExt;
    double zt = std::sqrt(rt * rt + xt * xt);
    double initial = zt == 0.0 ? 0.0 : GetRatedCurrent() * 100.0 / zt;
    return Finite(initial * std::exp(-1.0 / (2.0 * f * t)));
}

void CEleMotorEff::DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const {
    result = DoCalcPercentZ(settings.dBaseCapacity);
}

double CEleMotorEff::DoCalcDecayCurrent(const CEleDocSettings& settings, double r, double x) const {
    return DoCalcDecayCurrent(settings.nFrequency, settings.dBaseCapacity, r, x);
}

double CEleMotorEff::DoCalcPercentZFromCurrent(double f, double baseCapacity,
                                               double voltage) const {
    double current = DoCalcDecayCurrent(f, baseCapacity, 0.0, 0.0);
    if (!(current > 0.0) || !(voltage > 0.0))
        return 0.0;
    return Finite(baseCapacity * 1000.0 * 100.0 / (kSqrt3 * voltage * current));
}

double CEleMotorEff::GetRatioXR(double baseCapacity) const {
    CPercentZ z = DoCalcPercentZ(baseCapacity);
    return z.m_dR > 0.0 ? Finite(z.m_dX / z.m_dR) : 0.0;
}

double CEleMotorEff::GetEquivalentPercentZ(double f, double baseCapacity) const {
    return DoCalcPercentZFromCurrent(f, baseCapacity, m_nVoltage);
}

double CEleMotorEff::GetEquivalentPercentR(double f, double baseCapacity) const {
    double r = GetRatioXR(baseCapacity);
    return Finite(GetEquivalentPercentZ(f, baseCapacity) / std::sqrt(r * r + 1.0));
}

double CEleMotorEff::GetEquivalentPercentX(double f, double baseCapacity) const {
    double r = GetRatioXR(baseCapacity);
    return Finite(GetEquivalentPercentZ(f, baseCapacity) / std::sqrt(r * r + 1.0) * r);
}

double CEleMotorEff::GetEquivalentPercentZRated(double f, double baseCapacity) const {
    if (baseCapacity == 0.0)
        return 0.0;
    return Finite(GetEquivalentPercentZ(f, baseCapacity) * m_dCapacity / baseCapacity);
}

void CEleMotorEff::DoReadByCapacity(double capacity) {
    if (!(capacity > 0.0)) {
        m_dSubReactance = 0.0;
        m_dRotorResistance = 0.0;
        m_dStatorResistance = 0.0;
        return;
    }
    fw::CDatabase* db = GetModelDatabases().pEquip;
    if (!db)
        return;
    // A capacity with no row keeps the values the fields hold.
    CRSEquip_MotorEff rs(db);
    rs.DoReadByCapacity(capacity, &m_dSubReactance, &m_dRotorResistance, &m_dStatorResistance);
}

uint32_t CEleMotorEff::DoCheckData() const {
    if (!(m_dCapacity > 0.0))
        return 1110;
    if (!(m_dSubReactance > 0.0))
        return 1118;
    if (!(m_dRotorResistance > 0.0))
        return 1127;
    if (!(m_dStatorResistance > 0.0))
        return 1122;
    return 0;
}

void CEleMotorEff::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX), args))
        return;
    // The motors are taken at 80 % of the supply that feeds them.
    m_dCapacity = Finite(0.8 * args.dSupplyCapacity);
    DoReadByCapacity(m_dCapacity);
    m_nCalcPoint = 0;
}

void CEleMotorEff::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage;
        ar << m_dCapacity << m_dSubReactance << m_dRotorResistance << m_dStatorResistance;
        ar << m_nCalcPoint;
    } else {
        ar >> m_nVoltage;
        ar >> m_dCapacity >> m_dSubReactance >> m_dRotorResistance >> m_dStatorResistance;
        ar >> m_nCalcPoint;
    }
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark);
}

void CEleMotorEff::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        const int y0 = c.y + 5;
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->Ellipse(c.x - 13, y0 + 6, c.x + 13, y0 + 33);
        dc->MoveTo(c.x, y0 - 45);
        dc->LineTo(c.x, y0 + 6);
        dc->Ellipse(c.x - 10, y0 + 9, c.x + 10, y0 + 30);
        dc->SelectObject(oldBrush);
        if (m_nCalcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, y0 - 14);
    });
    if (!pDC)
        return;
    const int cx = (m_rectSymbol.left + m_rectSymbol.right) / 2;
    const int y0 = (m_rectSymbol.top + m_rectSymbol.bottom) / 2 + 5;
    CTVFont font(pDC, kSymbolFont, 0);
    font.DoDrawTextRect(fw::LoadString(IDS_PREFIX), cx - 10, y0 + 9, cx + 10, y0 + 30, m_crPen);
}

std::string CEleMotorEff::DoGetTextLabelV1(const CEleDocSettings& settings) const {
    const double f = settings.nFrequency;
    const double base = settings.dBaseCapacity;
    std::string text = DoGetTextCapacity(1);
    text += "\r\n" + DoGetTextPercentZRated(f, base, 1);
    text += "\r\n" + fw::LoadString(IDS_XR) + "=" + DoGetTextXR(base);
    if (m_nCalcPoint == 1 && settings.nMode >= 3) {
        text += "\r\n" + fw::LoadString(IDS_IK3) + fw::LoadString(IDS_DIRECT) + "=" +
                DoGetTextDirectIk3Sym(1);
    }
    return text;
}

fw::CRect CEleMotorEff::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1(settings));
}

fw::CRect CEleMotorEff::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV4(pDC, DoGetTextLabelV4(settings));
}

void CEleMotorEff::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1(settings));
}

void CEleMotorEff::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV4(pDC, DoGetTextLabelV4(settings));
}

int32_t CEleMotorEff::DoEditElement(const CEleEditContext& ctx) {
    const fw::CRect oldArea = m_listRefV1.GetRect(0);
    const uint32_t oldCalcPoint = m_nCalcPoint;
    CEleEditContext::Scope scope(ctx);
    bool ok = DialogSeam<CEleMotorEff>::Edit(*this, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(m_rectSymbol);
    }
    CEleDocSettings settings = ctx.settings;
    if (settings.nMode >= 3 && oldCalcPoint != 1 && m_nCalcPoint == 1) {
        if (ctx.returnToCheckMode)
            ctx.returnToCheckMode();
        settings.nMode = 2;
    }
    const fw::CRect newArea = DoLayoutRefV1List(ctx.pDC, settings);
    if (ctx.invalidate)
        ctx.invalidate(newArea);
    return 1;
}

// --- report texts ---------------------------------------------------------

std::string CEleMotorEff::DoGetTextVoltage(int unit) const {
    return Beams(m_nVoltage) + Unit(IDS_VOLT, unit);
}

std::string CEleMotorEff::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity) + Unit(IDS_KVA, unit);
}

std::string CEleMotorEff::DoGetTextSubtransientReactance(int unit) const {
    return Beams(m_dSubReactance) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleMotorEff::DoGetTextRotorResistance(int unit) const {
    return Beams(m_dRotorResistance) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleMotorEff::DoGetTextStatorResistance(int unit) const {
    return Beams(m_dStatorResistance) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleMotorEff::DoGetTextRatedCurrent(int unit) const {
    return BeamsEx(GetRatedCurrent(), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleMotorEff::DoGetTextSubtransientImpedance(int unit) const {
    return BeamsEx(GetSubtransientImpedance(), 4) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleMotorEff::DoGetTextDcTimeConstant(double f, int unit) const {
    return BeamsEx(GetDcTimeConstant(f), 4) + Unit(IDS_SECOND, unit);
}

std::string CEleMotorEff::DoGetTextSubtransientTimeConstant(double f, int unit) const {
    return BeamsEx(GetSubtransientTimeConstant(f), 4) + Unit(IDS_SECOND, unit);
}

std::string CEleMotorEff::DoGetTextInitialCurrent(int unit) const {
    return BeamsEx(GetInitialCurrent() / 1000.0, 4) + Unit(IDS_KILOAMPERE, unit);
}

std::string CEleMotorEff::DoGetTextIacm(double f, int unit) const {
    return BeamsEx(GetIacm(f) / 1000.0, 4) + Unit(IDS_KILOAMPERE, unit);
}

std::string CEleMotorEff::DoGetTextIacPeak(double f, int unit) const {
    return BeamsEx(GetIacPeak(f) / 1000.0, 4) + Unit(IDS_KILOAMPERE, unit);
}

std::string CEleMotorEff::DoGetTextXR(double baseCapacity) const {
    return BeamsEx(GetRatioXR(baseCapacity), 4);
}

TV_MACHINE_IMPEDANCE_TEXTS(CEleMotorEff, m_zMotor, motor)
