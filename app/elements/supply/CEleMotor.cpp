#include "CEleMotor.h"

#include "app/elements/supply/MachineCurves.h"
#include "app/elements/supply/MachineTexts.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Motor.h"
#include "framework/StringTable.h"

#include <cmath>

using namespace machinetext;

namespace {

constexpr unsigned IDS_PREFIX = 25099; // "M"
constexpr int kSymbolFont = 12;

} // namespace

CEleMotor::CEleMotor() : CEleFrame(fw::CRect(0, 0, 39, 39)) {}

double CEleMotor::DoCalcFullLoadCurrent(double capacity, int32_t voltage,
                                        double powerFactor) const {
    if (voltage < 1)
        return 0.0;
    double current = capacity * 1000.0 / voltage;
    if (powerFactor != 0.0)
        current /= powerFactor;
    if (m_nSinglePhase != 1)
        current /= std::sqrt(3.0);
    return Finite(current);
}

double CEleMotor::GetFullLoadCurrent() const {
    return DoCalcFullLoadCurrent(m_dCapacity, m_nVoltage, m_dPowerFactor);
}

double CEleMotor::GetStartingCurrent() const {
    return Finite(m_dStartingCurrent * GetFullLoadCurrent());
}

double CEleMotor::GetInrushCurrent() const {
    return Finite(m_dInrushCurrent * GetFullLoadCurrent());
}

void CEleMotor::DoReadEquipByCapacity(double capacity) {
    double powerFactor = 0.0;
    double starting = 0.0;
    double time = 0.0;
    double inrush = 0.0;
    if (capacity > 0.0) {
        fw::CDatabase* db = GetModelDatabases().pEquip;
        if (db) {
            CRSEquip_Motor rs(db);
            rs.DoReadByCapacity(capacity, &powerFactor, &starting, &time, &inrush);
        }
    }
    m_dPowerFactor = powerFactor;
    m_dStartingCurrent = starting;
    m_dStartingTime = time;
    m_dInrushCurrent = inrush;
}

int CEleMotor::DoCalcCurve() {
    m_listPoints.DoDeleteAllPoints();
    double a = Finite(GetFullLoadCurrent() * m_nVoltage);
    if (!(a > 0.0))
        return 0;
    double s = m_dStartingCurrent;
    double t = m_dStartingTime;
    double n = m_dInrushCurrent;
    // The bend between the starting current and the inrush spreads over a
    // quarter of their distance, at most the whole of it. An inrush below
    // the starting current would give a negative spread and fold the curve
    // back on itself: the bend then has no width.
    double f = n - s > 4.0 ? 1.0 : 0.25 * (n - s);
    if (!(f > 0.0))
        f = 0.0;
    double sa = s * a;
    double na = n * a;
    double t5 = 5.0 * t;
    const double points[19][2] = {
        {a, t * 5000.0},
        {a, t * 5.0},
        {a + a / 50.0, t5 - t5 / 10.0},
        {a + a / 10.0, t5 - t5 / 5.0},
        {sa - sa / 10.0, t + t / 5.0},
        {sa - sa / 50.0, t + t / 10.0},
        {sa, t},
        {sa, 0.055},
        {sa + (sa / 100.0) * f, 0.052},
        {sa + (sa / 10.0) * f, 0.05},
        {na - (na / 10.0) * f, 0.045},
        {na - (na / 50.0) * f, 0.043},
        {na, 0.04},
        {na, 0.01},
        {na - na / 80.0, 0.0095},
        {na - na / 20.0, 0.009},
        {na - na / 10.0, 0.0085},
        {na - na / 5.0, 0.008},
        {a / 10.0, 0.005},
    };
    for (const auto& p : points) {
        CdPoint* point = m_listPoints.DoAddNewPoint();
        point->m_dX = Finite(p[0]);
        point->m_dY = Finite(p[1]);
    }
    return 1;
}

uint32_t CEleMotor::DoCheckData() const {
    if (!(m_dCapacity > 0.0))
        return 1110;
    if (!(m_dPowerFactor >= 0.0 && m_dPowerFactor <= 1.0))
        return 1190;
    if (!(m_dStartingCurrent > 0.0))
        return 1108;
    if (!(m_dStartingTime > 0.0))
        return 1194;
    if (!(m_dInrushCurrent > 0.0))
        return 1113;
    return 0;
}

int32_t CEleMotor::IsOkRatedCurrent(double rating) const {
    return GetFullLoadCurrent() <= rating ? 1 : 0;
}

void CEleMotor::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX), args))
        return;
    m_dCapacity = 7.5;
    DoReadEquipByCapacity(m_dCapacity);
    m_nLeading = 0;
}

void CEleMotor::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage << m_dCapacity << m_dPowerFactor << m_nLeading;
        ar << m_dStartingCurrent << m_dStartingTime << m_dInrushCurrent;
        ar << m_nCurveSelected;
    } else {
        ar >> m_nVoltage >> m_dCapacity >> m_dPowerFactor >> m_nLeading;
        ar >> m_dStartingCurrent >> m_dStartingTime >> m_dInrushCurrent;
        ar >> m_nCurveSelected;
    }
    SerializeRefLists(ar);
    m_listGraphNo.Serialize(ar);
    m_infoLine.Serialize(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
}

void CEleMotor::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [](fw::CDC* dc, fw::CPoint c) {
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->Ellipse(c.x - 13, c.y - 7, c.x + 13, c.y + 19);
        dc->SelectObject(oldBrush);
        dc->MoveTo(c.x, c.y - 20);
        dc->LineTo(c.x, c.y - 7);
    });
    if (!pDC)
        return;
    const int cx = (m_rectSymbol.left + m_rectSymbol.right) / 2;
    const int cy = (m_rectSymbol.top + m_rectSymbol.bottom) / 2;
    CTVFont font(pDC, kSymbolFont, 0);
    font.DoDrawTextRect(fw::LoadString(IDS_PREFIX), cx - 13, cy - 7, cx + 13, cy + 19, m_crPen);
}

std::string CEleMotor::DoGetTextLabelV1() const {
    return DoGetTextCapacity(1) + "\r\n" + DoGetTextFullLoadCurrent(1);
}

std::string CEleMotor::DoGetTextLabelGraph() const {
    return m_strName + "\r\n" + DoGetTextFullLoadCurrent(1) + "\r\n" + DoGetTextCapacity(1) +
           "\r\n" + DoGetTextStartingTimes(1) + "\r\n" + DoGetTextStartingTime(1) + "\r\n" +
           DoGetTextInrushTimes(1);
}

fw::CRect CEleMotor::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1());
}

fw::CRect CEleMotor::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV4(pDC, std::string());
}

void CEleMotor::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1());
}

void CEleMotor::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleMotor::DoEditElement(const CEleEditContext& ctx) {
    return DoEditWithSeam(*this, ctx);
}

int32_t CEleMotor::IsAddableToGraph(uint32_t graphNo) const {
    if (m_nVoltage < 1)
        return 0;
    return IsOnGraph(graphNo) ? 0 : 1;
}

void CEleMotor::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcCurve())
        return;
    machinecurve::DoDrawCurve(*this, pDC, graph, DoGetTextLabelGraph());
}

void CEleMotor::DoDXFOutCurve(std::ostream& file, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcCurve())
        return;
    machinecurve::DoDXFOutCurve(*this, file, graph, DoGetTextLabelGraph());
}

int32_t CEleMotor::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) {
    return machinecurve::IsHittedCurve(*this, pDC, graph, point, code);
}

void CEleMotor::DoInvalidateCurve(fw::CDC*, CObjGraph* graph, int32_t code,
                                  const CEleInvalidate& invalidate) {
    machinecurve::DoInvalidateCurve(*this, graph, code, invalidate);
}

// --- report texts ---------------------------------------------------------

std::string CEleMotor::DoGetTextVoltage(int unit) const {
    return VoltageText(m_nVoltage, m_nSinglePhase, unit);
}

std::string CEleMotor::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity) + Unit(IDS_KILOWATT, unit);
}

std::string CEleMotor::DoGetTextPowerFactor() const {
    return Beams(m_dPowerFactor);
}

std::string CEleMotor::DoGetTextFullLoadCurrent(int unit) const {
    return BeamsEx(GetFullLoadCurrent(), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleMotor::DoGetTextPhaseAngle(int unit) const {
    return PhaseText(m_dPowerFactor, m_nLeading, unit);
}

std::string CEleMotor::DoGetTextStartingTimes(int unit) const {
    return Beams(m_dStartingCurrent) + Unit(IDS_TIMES, unit);
}

std::string CEleMotor::DoGetTextStartingTime(int unit) const {
    return Beams(m_dStartingTime) + Unit(IDS_SECOND, unit);
}

std::string CEleMotor::DoGetTextInrushTimes(int unit) const {
    return Beams(m_dInrushCurrent) + Unit(IDS_TIMES, unit);
}

std::string CEleMotor::DoGetTextStartingCurrent(int unit) const {
    return BeamsEx(GetStartingCurrent(), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleMotor::DoGetTextInrushCurrent(int unit) const {
    return BeamsEx(GetInrushCurrent(), 4) + Unit(IDS_AMPERE, unit);
}
