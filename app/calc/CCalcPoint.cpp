#include "CCalcPoint.h"

#include "framework/DeviceContext.h"
#include "framework/StringTable.h"

#include <cmath>

FW_IMPLEMENT_SERIAL(CCalcPoint, 0)

namespace {

// The angle constants as the calculation has always written them (fifteen
// significant digits), so that results match those of older documents.
constexpr double kTwoPi = 6.28318530717958;
constexpr double kPi = 3.14159265358979;

constexpr unsigned IDS_IK1 = 26515;
constexpr unsigned IDS_PE = 26516;
constexpr unsigned IDS_IK2 = 26517;
constexpr unsigned IDS_IK1_HALF = 26526;

constexpr int32_t earthingTNS = 1;
constexpr int32_t earthingTNC = 3;
constexpr int32_t earthingIT = 5;

double Magnitude(double r, double x) {
    return std::sqrt(r * r + x * x);
}

// What a reduction's result writes into a stored term: the junction flags
// with the phase values, or with the loop values. Identity fields and the
// other values of the stored term stay.
void CopyPhaseResult(CPercentZ& stored, const CPercentZ& result) {
    stored.m_nJunctionAbove = result.m_nJunctionAbove;
    stored.m_nJunctionBelow = result.m_nJunctionBelow;
    stored.m_dR = result.m_dR;
    stored.m_dX = result.m_dX;
    stored.m_dRMotor = result.m_dRMotor;
    stored.m_dRHalf = result.m_dRHalf;
    stored.m_dXHalf = result.m_dXHalf;
}

void CopyLoopResult(CPercentZ& stored, const CPercentZ& result) {
    stored.m_nJunctionAbove = result.m_nJunctionAbove;
    stored.m_nJunctionBelow = result.m_nJunctionBelow;
    stored.m_dRN = result.m_dRN;
    stored.m_dXN = result.m_dXN;
    stored.m_dRPE = result.m_dRPE;
    stored.m_dXPE = result.m_dXPE;
}

void ClearPhaseValues(CPercentZ& term) {
    term.DoClear();
    term.m_dR = 0.0;
    term.m_dX = 0.0;
    term.m_dRMotor = 0.0;
    term.m_dRHalf = 0.0;
    term.m_dXHalf = 0.0;
}

// Two results of one side each: the first alone, the second alone, or both
// in parallel, whichever carry an impedance.
void CombinePhase(CPercentZ& out, const CPercentZ& first, double a, const CPercentZ& second,
                  double b) {
    if (a > 0.0) {
        out = first;
        if (b > 0.0)
            out.DoParallel(second);
    } else if (b > 0.0) {
        out = second;
    } else {
        out = CPercentZ();
    }
}

} // namespace

void CCalcPoint::DoSetCalcZ(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                            const CPercentZ* second) {
    m_dBaseCapacity = baseCapacity;
    if (first)
        CopyPhaseResult(m_zSource, *first);
    if (second)
        CopyPhaseResult(m_zMotor, *second);
    GetPercentZ3Total(out);
}

void CCalcPoint::DoSetCalcZ2(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                             const CPercentZ* second) {
    m_dBaseCapacity = baseCapacity;
    if (first)
        CopyPhaseResult(m_zLoop1, *first);
    if (second)
        CopyPhaseResult(m_zLoop2, *second);
    GetPercentZ1Total(out);
}

void CCalcPoint::DoSetCalcZ2Ex(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                               const CPercentZ* second) {
    m_dBaseCapacity = baseCapacity;
    if (first)
        CopyLoopResult(m_zLoop1, *first);
    if (second)
        CopyLoopResult(m_zLoop2, *second);
    CPercentZ withN;
    GetPercentZ3WithN(withN);
    CPercentZ withPE;
    GetPercentZ3WithPE(withPE);
    out = CPercentZ();
    out.m_dRN = withN.m_dRN;
    out.m_dXN = withN.m_dXN;
    out.m_dRPE = withPE.m_dRPE;
    out.m_dXPE = withPE.m_dXPE;
}

void CCalcPoint::DoClearCalcZ() {
    ClearPhaseValues(m_zSource);
    ClearPhaseValues(m_zMotor);
}

void CCalcPoint::DoClearCalcZ2() {
    ClearPhaseValues(m_zLoop1);
    ClearPhaseValues(m_zLoop2);
}

void CCalcPoint::DoClearCalcZ2Ex() {
    for (CPercentZ* term : {&m_zLoop1, &m_zLoop2}) {
        term->DoClear();
        term->m_dRN = 0.0;
        term->m_dXN = 0.0;
        term->m_dRPE = 0.0;
        term->m_dXPE = 0.0;
    }
}

void CCalcPoint::GetPercentZ3Total(CPercentZ& out) const {
    // A fault point linked to a junction below takes the motor side alone:
    // the junction's own calculation carries the source side.
    double a = m_zMotor.m_nJunctionBelow == 1 ? 0.0 : m_zSource.GetZ();
    double b = m_zMotor.GetZ();
    CombinePhase(out, m_zSource, a, m_zMotor, b);
}

void CCalcPoint::GetPercentZ1Total(CPercentZ& out) const {
    CombinePhase(out, m_zLoop1, m_zLoop1.GetZ(), m_zLoop2, m_zLoop2.GetZ());
}

void CCalcPoint::GetPercentZ3WithN(CPercentZ& out) const {
    GetPercentZ3Total(out);
    double a = m_zLoop2.m_nJunctionBelow == 1 ? 0.0 : m_zLoop1.GetZN();
    double b = m_zLoop2.GetZN();
    if (a > 0.0) {
        out.m_dRN = m_zLoop1.m_dRN;
        out.m_dXN = m_zLoop1.m_dXN;
        if (b > 0.0)
            out.DoParallelN(m_zLoop2);
    } else if (b > 0.0) {
        out.m_dRN = m_zLoop2.m_dRN;
        out.m_dXN = m_zLoop2.m_dXN;
    }
}

void CCalcPoint::GetPercentZ3WithPE(CPercentZ& out) const {
    GetPercentZ3Total(out);
    double a = m_zLoop2.m_nJunctionBelow == 1 ? 0.0 : m_zLoop1.GetZPE();
    double b = m_zLoop2.GetZPE();
    if (a > 0.0) {
        out.m_dRPE = m_zLoop1.m_dRPE;
        out.m_dXPE = m_zLoop1.m_dXPE;
        if (b > 0.0)
            out.DoParallelPE(m_zLoop2);
    } else if (b > 0.0) {
        out.m_dRPE = m_zLoop2.m_dRPE;
        out.m_dXPE = m_zLoop2.m_dXPE;
    }
}

void CCalcPoint::DoCalcIk3(const CPercentZ& term, double voltage, double* symmetrical,
                           double* asymmetrical, double* peak) const {
    double current = GetCurrentI3(voltage, term.GetZ());
    if (symmetrical)
        *symmetrical = current;
    if (asymmetrical)
        *asymmetrical = GetCurrentAsym3(term.m_dR, term.m_dX, current);
    if (peak)
        *peak = GetCurrentPeak(term.m_dR, term.m_dX, current);
}

void CCalcPoint::DoCalcIk3Source(double voltage, double* symmetrical, double* asymmetrical,
                                 double* peak) const {
    DoCalcIk3(m_zSource, voltage, symmetrical, asymmetrical, peak);
}

void CCalcPoint::DoCalcIk3Motor(double voltage, double* symmetrical, double* asymmetrical,
                                double* peak) const {
    DoCalcIk3(m_zMotor, voltage, symmetrical, asymmetrical, peak);
}

void CCalcPoint::DoCalcIk3Total(double voltage, double* symmetrical, double* asymmetrical,
                                double* peak) const {
    CPercentZ total;
    GetPercentZ3Total(total);
    DoCalcIk3(total, voltage, symmetrical, asymmetrical, peak);
}

double CCalcPoint::GetCurrentIk2(double voltage) const {
    return GetCurrentI2(voltage, m_zSource.GetZ());
}

double CCalcPoint::GetCurrentIk2Total(double voltage) const {
    CPercentZ total;
    GetPercentZ3Total(total);
    return GetCurrentI2(voltage, total.GetZ());
}

double CCalcPoint::GetCurrentIk1N(double voltage) const {
    return GetCurrentI3(
        voltage, Magnitude(m_zSource.m_dR + m_zLoop1.m_dRN, m_zSource.m_dX + m_zLoop1.m_dXN));
}

double CCalcPoint::GetCurrentIk1PE(double voltage) const {
    return GetCurrentI3(
        voltage, Magnitude(m_zSource.m_dR + m_zLoop1.m_dRPE, m_zSource.m_dX + m_zLoop1.m_dXPE));
}

double CCalcPoint::GetCurrentIk1NTotal(double voltage) const {
    CPercentZ total;
    GetPercentZ3WithN(total);
    return GetCurrentI3(voltage, Magnitude(total.m_dR + total.m_dRN, total.m_dX + total.m_dXN));
}

double CCalcPoint::GetCurrentIk1PETotal(double voltage) const {
    CPercentZ total;
    GetPercentZ3WithPE(total);
    return GetCurrentI3(voltage, Magnitude(total.m_dR + total.m_dRPE, total.m_dX + total.m_dXPE));
}

void CCalcPoint::DoCalcIkSinglePhase(double voltage, double* current, double* asymmetrical,
                                     double* peak) const {
    double i = GetCurrentI1(voltage, m_zSource.GetZ());
    if (current)
        *current = i;
    if (asymmetrical)
        *asymmetrical = GetCurrentAsym1(m_zSource.m_dR, m_zSource.m_dX, i);
    if (peak)
        *peak = GetCurrentPeak1(m_zSource.m_dR, m_zSource.m_dX, i);
}

void CCalcPoint::DoCalcIkSinglePhaseLoop(double voltage, double* current, double* asymmetrical,
                                         double* peak) const {
    // The half-voltage loop sets the current; its decay follows the whole
    // circuit's R and X.
    double i = GetCurrentI1(voltage, m_zSource.GetZLoop());
    if (current)
        *current = i;
    if (asymmetrical)
        *asymmetrical = GetCurrentAsym1(m_zSource.m_dR, m_zSource.m_dX, i);
    if (peak)
        *peak = GetCurrentPeak1(m_zSource.m_dR, m_zSource.m_dX, i);
}

double CCalcPoint::GetCurrentByKind(int32_t earthing, int32_t wireSystem, double voltage,
                                    std::string& label) const {
    switch (earthing) {
    case earthingTNS:
        label = fw::LoadString(IDS_IK1) + fw::LoadString(IDS_PE);
        return GetCurrentIk1PE(voltage);
    case earthingTNC:
        label = fw::LoadString(IDS_IK1);
        return GetCurrentIk1N(voltage);
    case earthingIT:
        if (wireSystem == 1) {
            label = fw::LoadString(IDS_IK2);
            return GetCurrentIk2(voltage);
        }
        if (wireSystem == 2) {
            label = fw::LoadString(IDS_IK1_HALF);
            return GetCurrentIk1N(voltage);
        }
        return 0.0;
    default:
        return 0.0;
    }
}

double CCalcPoint::GetCurrentI3(double voltage, double z) const {
    if (voltage == 0.0 || z == 0.0)
        return 0.0;
    return m_dBaseCapacity * 1000.0 * 100.0 / (std::sqrt(3.0) * voltage * z);
}

double CCalcPoint::GetCurrentI2(double voltage, double z) const {
    if (voltage == 0.0 || z == 0.0)
        return 0.0;
    return std::sqrt(3.0) * (m_dBaseCapacity * 1000.0 * 100.0 / (std::sqrt(3.0) * voltage * z)) *
           0.5;
}

double CCalcPoint::GetCurrentI1(double voltage, double z) const {
    if (voltage == 0.0 || z == 0.0)
        return 0.0;
    return m_dBaseCapacity * 1000.0 * 100.0 / (voltage * z);
}

// A path without reactance (X = 0, R > 0) carries no DC component: the
// asymmetrical current is the symmetrical one and the peak is its crest
// value. A purely reactive path (R = 0, X > 0) decays not at all and gives
// the largest peak, 2·√2·I. A negative reactance has no meaning here and
// gives 0, as does a path with neither R nor X.

double CCalcPoint::GetCurrentAsym3(double r, double x, double current) {
    if (x < 0.0)
        return 0.0;
    if (x == 0.0)
        return r > 0.0 ? current : 0.0;
    double e = std::exp(-kTwoPi * r / x);
    return (2.0 * std::sqrt(1.0 + 0.5 * e) + std::sqrt(1.0 + 2.0 * e)) / 3.0 * current;
}

double CCalcPoint::GetCurrentAsym1(double r, double x, double current) {
    if (x < 0.0)
        return 0.0;
    if (x == 0.0)
        return r > 0.0 ? current : 0.0;
    return current * std::sqrt(1.0 + 2.0 * std::exp(-kTwoPi * r / x));
}

double CCalcPoint::GetCurrentPeak(double r, double x, double current) {
    if (x < 0.0)
        return 0.0;
    if (x == 0.0)
        return r > 0.0 ? std::sqrt(2.0) * current : 0.0;
    return std::sqrt(2.0) * current * (1.0 + std::exp(-1.0 * kPi * r / x));
}

double CCalcPoint::GetCurrentPeak1(double r, double x, double current) {
    return GetCurrentPeak(r, x, current);
}

void CCalcPoint::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_crMark << m_nMarkWidth << m_nMarkLineKind;
        ar << m_dBaseCapacity;
    } else {
        ar >> m_crMark >> m_nMarkWidth >> m_nMarkLineKind;
        ar >> m_dBaseCapacity;
    }
    m_ptMarkStart.Serialize(ar);
    m_ptMarkEnd.Serialize(ar);
    m_zLoop1.Serialize(ar);
    m_zLoop2.Serialize(ar);
    m_zSource.Serialize(ar);
    m_zMotor.Serialize(ar);
    m_listGraphNo.Serialize(ar);
}

void CCalcPoint::DoDrawArrow(fw::CDC* dc, int x, int y) {
    constexpr fw::COLORREF red = 0x0000FF;
    fw::CPen oldPen = dc->SelectObject(fw::CPen(fw::PS_SOLID, 1, red));
    fw::CBrush oldBrush = dc->SelectObject(fw::CBrush(red));
    dc->MoveTo(x + 18, y - 11);
    dc->LineTo(x + 8, y - 3);
    dc->LineTo(x + 8, y - 9);
    dc->LineTo(x, y);
    const fw::CPoint head[] = {{x + 2, y - 6}, {x + 5, y - 2}, {x, y}};
    dc->Polygon(head, 3);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}
