#include "CPercentZ.h"

#include "app/calc/CRotatingMachine.h"
#include "app/records/FileVersion.h"
#include "app/records/GeometryRecords.h"

#include <cmath>

FW_IMPLEMENT_SERIAL(CPercentZ, 0)

namespace {

constexpr uint32_t kindSource = 4;
constexpr uint32_t kindTrans3 = 5;
constexpr uint32_t kindGenerator = 6;
constexpr uint32_t kindMotorEffect = 7;
constexpr uint32_t kindZeroCond = 8;
constexpr uint32_t kindTrans1 = 16;

double Magnitude(double r, double x) {
    return std::sqrt(r * r + x * x);
}

// (r1 + jx1) := (r1 + jx1) parallel (r2 + jx2); unchanged when the sum of the
// two is zero, where the combination has no value.
void ParallelPair(double& r1, double& x1, double r2, double x2) {
    double s = r1 + r2;
    double t = x1 + x2;
    double d = s * s + t * t;
    if (d == 0.0)
        return;
    double a = r1 * r2 - x1 * x2;
    double b = r1 * x2 + x1 * r2;
    r1 = (a * s + b * t) / d;
    x1 = (b * s - a * t) / d;
}

} // namespace

void CPercentZ::DoClear() {
    m_nKind = 0;
    m_rect = fw::CRect();
    m_nFaultPoint = 0;
    m_nChainDirection = 0;
    m_nJunctionAbove = 0;
    m_nJunctionBelow = 0;
    m_pElement = nullptr;
    m_pLinkUp = nullptr;
    m_pLinkDown = nullptr;
    m_pLinkSide128 = nullptr;
    m_pLinkSide32 = nullptr;
}

double CPercentZ::GetZ() const {
    return Magnitude(m_dR, m_dX);
}

double CPercentZ::GetZN() const {
    return Magnitude(m_dRN, m_dXN);
}

double CPercentZ::GetZPE() const {
    return Magnitude(m_dRPE, m_dXPE);
}

double CPercentZ::GetZLoop() const {
    return Magnitude(m_dR - m_dRHalf, m_dX - m_dXHalf);
}

void CPercentZ::DoAddSeries(const CPercentZ& other) {
    m_dR += other.m_dR;
    m_dX += other.m_dX;
    m_dRMotor += other.m_dRMotor;
    m_dRHalf += other.m_dRHalf;
    m_dXHalf += other.m_dXHalf;
}

void CPercentZ::DoAddN(const CPercentZ& other) {
    m_dRN += other.m_dRN;
    m_dXN += other.m_dXN;
}

void CPercentZ::DoAddPE(const CPercentZ& other) {
    m_dRPE += other.m_dRPE;
    m_dXPE += other.m_dXPE;
}

void CPercentZ::DoParallel(const CPercentZ& other) {
    double r1 = m_dR;
    double x1 = m_dX;
    double r2 = other.m_dR;
    double x2 = other.m_dX;
    double s = r1 + r2;
    double t = x1 + x2;
    if (s * s + t * t == 0.0)
        return;
    ParallelPair(m_dR, m_dX, r2, x2);

    // The motor-resistance share combines as the real part of
    // (t1 + jX1) parallel (t2 + jX2), with the reactances of the two terms.
    double t1 = m_dRMotor;
    double t2 = other.m_dRMotor;
    if (t1 + t2 > 0.0) {
        double ts = t1 + t2;
        m_dRMotor = ((t1 * t2 - x1 * x2) * ts + (t2 * x1 + x2 * t1) * t) / (ts * ts + t * t);
    } else {
        m_dRMotor = 0.0;
    }
}

void CPercentZ::DoParallelN(const CPercentZ& other) {
    ParallelPair(m_dRN, m_dXN, other.m_dRN, other.m_dXN);
}

void CPercentZ::DoParallelPE(const CPercentZ& other) {
    ParallelPair(m_dRPE, m_dXPE, other.m_dRPE, other.m_dXPE);
}

void CPercentZ::DoSetSideFlags(CPercentZ& sourceSide, CPercentZ& motorSide) const {
    uint32_t above = (m_pLinkUp || m_pLinkSide128) ? 1 : 0;
    uint32_t below = (m_pLinkDown || m_pLinkSide32) ? 1 : 0;
    sourceSide.m_nJunctionAbove = above;
    sourceSide.m_nJunctionBelow = below;
    motorSide.m_nJunctionAbove = above;
    motorSide.m_nJunctionBelow = below;
}

void CPercentZ::DoSetByElement(double baseCapacity, const CRotatingMachine* machine) {
    if ((m_nKind != kindGenerator && m_nKind != kindMotorEffect) || !machine)
        return;
    bool motorEffect = m_nKind == kindMotorEffect;

    CPercentZ own = machine->GetOwnPercentZ();
    double current = 0.0;
    double ratio = 0.0;
    if (m_dR == 0.0 && m_dX == 0.0) {
        // The machine itself is the fault point.
        current = machine->GetDecayCurrent(0.0, 0.0);
        double divisor = motorEffect ? own.m_dR - own.m_dRMotor : own.m_dR;
        ratio = divisor == 0.0 ? 0.0 : own.m_dX / divisor;
    } else {
        current = machine->GetDecayCurrent(m_dR - own.m_dR, m_dX - own.m_dX);
        double divisor = motorEffect ? m_dR - m_dRMotor : m_dR;
        ratio = divisor == 0.0 ? 0.0 : m_dX / divisor;
    }

    int voltage = machine->GetVoltage();
    if (voltage == 0 || current == 0.0) {
        m_dR = 0.0;
        m_dX = 0.0;
        return;
    }
    double z = baseCapacity * 1000.0 * 100.0 / (std::sqrt(3.0) * voltage * current);
    m_dR = z / std::sqrt(ratio * ratio + 1.0);
    m_dX = m_dR * ratio;
}

void CPercentZ::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nKind;
        DoSerializeViewRect(ar, m_rect);
        ar << m_nFaultPoint << m_nChainDirection;
        ar << m_dR << m_dX << m_dRMotor;
        ar << m_nJunctionAbove << m_nJunctionBelow;
        ar << m_dRN << m_dXN << m_dRPE << m_dXPE;
        ar << m_dRHalf << m_dXHalf;
        return;
    }
    ar >> m_nKind;
    DoSerializeViewRect(ar, m_rect);
    ar >> m_nFaultPoint >> m_nChainDirection;
    ar >> m_dR >> m_dX >> m_dRMotor;
    ar >> m_nJunctionAbove >> m_nJunctionBelow;
    double version = GetFileVersionNumber(ar);
    if (version >= 1.1) {
        ar >> m_dRN >> m_dXN >> m_dRPE >> m_dXPE;
    } else {
        m_dRN = m_dXN = m_dRPE = m_dXPE = 0.0;
    }
    if (version >= 1.2) {
        ar >> m_dRHalf >> m_dXHalf;
    } else {
        m_dRHalf = m_dXHalf = 0.0;
    }
}
