#include "CEleTrans1.h"

#include "app/calc/Impedance.h"
#include "app/elements/supply/MachineCurves.h"
#include "app/elements/supply/SupplyEdit.h"
#include "app/elements/supply/SupplyTexts.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans1.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/Quenlor.h"

#include <cmath>

using namespace supplytexts;

namespace {

constexpr unsigned IDS_PREFIX_TRANS1 = 25104;
constexpr int32_t kDefaultSecondaryVoltage = 210;

constexpr unsigned IDS_PHASE_COUNT = 26175; // goes before "Phases"
constexpr unsigned IDS_IK_HALF = 26525;     // the half-voltage fault current

// The values of a winding's %Z and X/R read for a capacity.
void TakeWindingValues(CEleTrans1Part& part, double capacity, int32_t frequency, uint32_t controlId,
                       double percentR, double percentX, double peak, double cycles) {
    if (!(capacity > 0.0)) {
        part.m_dPercentZ = 0.0;
        part.m_dXR = 0.0;
    } else if (controlId != 1083 && controlId != 1086) {
        part.m_dPercentZ = std::sqrt(percentX * percentX + percentR * percentR);
        part.m_dXR = percentR == 0.0 ? 0.0 : percentX / percentR;
    }
    part.m_dRushPeak = peak;
    part.m_dDampingTime = transformer::DampingTimeMs(cycles, frequency);
}

// The winding's combined term at its calculation point: the full winding's
// phase values, or for the half winding the phase values less the
// half-voltage difference pair.
void TotalOf(const CEleTrans1Part& part, int n, double& r, double& x, double& z) {
    const CPercentZ& term = part.m_calcPoint.m_zSource;
    if (n == 1) {
        r = term.m_dR - term.m_dRHalf;
        x = term.m_dX - term.m_dXHalf;
        z = term.GetZLoop();
    } else {
        r = term.m_dR;
        x = term.m_dX;
        z = term.GetZ();
    }
}

} // namespace

CEleTrans1::CEleTrans1() : CEleFrame(fw::CRect(0, 0, 39, 159)) {}

CEleTrans1::~CEleTrans1() = default;

int32_t CEleTrans1::GetVoltage(int32_t side) const {
    return side == 1 ? m_nVoltage2 : m_nVoltage;
}

int32_t CEleTrans1::SetVoltage(int32_t volts, int32_t side) {
    if (volts < 1)
        return volts;
    int32_t& field = side == 1 ? m_nVoltage2 : m_nVoltage;
    int32_t old = field;
    field = volts;
    return old;
}

void CEleTrans1::DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first,
                            const CPercentZ* second) {
    m_part1.m_calcPoint.DoSetCalcZ(out, base, first, second);
    m_part2.m_calcPoint.DoSetCalcZ(out, base, first, second);
}

void CEleTrans1::DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first,
                             const CPercentZ* second) {
    m_part2.m_calcPoint.DoSetCalcZ2(out, base, first, second);
}

void CEleTrans1::DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                               const CPercentZ* second) {
    m_part2.m_calcPoint.DoSetCalcZ2Ex(out, base, first, second);
}

void CEleTrans1::DoClearCalcZ() {
    m_part1.m_calcPoint.DoClearCalcZ();
    m_part2.m_calcPoint.DoClearCalcZ();
}

void CEleTrans1::DoClearCalcZ2() {
    m_part1.m_calcPoint.DoClearCalcZ2();
    m_part2.m_calcPoint.DoClearCalcZ2();
}

void CEleTrans1::DoClearCalcZ2Ex() {
    m_part1.m_calcPoint.DoClearCalcZ2Ex();
    m_part2.m_calcPoint.DoClearCalcZ2Ex();
}

void CEleTrans1::DoInitNewElement(const CEleInitArgs& args) {
    // The single-phase earthing list offers only TT and IT, so the frame's
    // three-phase default does not serve: the head alone, then the rest here.
    if (!DoInitHead(fw::LoadString(IDS_PREFIX_TRANS1), args.nNumber))
        return;
    m_nVoltage = args.nVoltageUp;
    m_nVoltage2 = args.nVoltageDown > 0 ? args.nVoltageDown : kDefaultSecondaryVoltage;
    m_nEarthing = args.nEarthing;
    if (m_nEarthing == 0) {
        unsigned code = 0;
        if (fw::CDatabase* listDb = GetModelDatabases().pList) {
            CRSList_Earthing rs(listDb);
            rs.DoReadSetDefaultLE1(nullptr, &code);
        }
        m_nEarthing = code;
    }
    m_nWireSystem = args.nWireSystem != 0 ? args.nWireSystem : DLLGetDefaultWireSystem(m_nEarthing);
    double capacity = 0.0;
    if (fw::CDatabase* equipDb = GetModelDatabases().pEquip) {
        CRSEquip_Trans1 rs(equipDb);
        rs.DoReadSetDefaultT1(nullptr, &capacity, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr);
    }
    m_dCapacity = capacity;
    DoReadByCapacity(m_dCapacity, args.nFrequency, 0);
    m_part2.m_nCalcPoint = 0;
}

const CEleTrans1Part* CEleTrans1::GetPart(int n) const {
    return n == 1 ? &m_part1 : n == 2 ? &m_part2 : nullptr;
}

CEleTrans1Part* CEleTrans1::GetPart(int n) {
    return n == 1 ? &m_part1 : n == 2 ? &m_part2 : nullptr;
}

int32_t CEleTrans1::GetPartVoltage(int n) const {
    return n == 1 ? GetHalfVoltage() : n == 2 ? m_nVoltage2 : 0;
}

double CEleTrans1::GetPartCapacity(int n) const {
    return n == 1 ? 0.5 * m_dCapacity : n == 2 ? m_dCapacity : 0.0;
}

double CEleTrans1::GetRatedCurrent(int n) const {
    if (n != 1 && n != 2)
        return 0.0;
    // The half winding carries the full capacity at half the voltage.
    return transformer::RatedCurrent1(m_dCapacity, GetPartVoltage(n));
}

double CEleTrans1::GetOwnOhmR(int n) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return 0.0;
    return DoCalcOhmsFromPercent(GetPartVoltage(n), GetPartCapacity(n), part->GetOwnPercentR());
}

double CEleTrans1::GetOwnOhmX(int n) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return 0.0;
    return DoCalcOhmsFromPercent(GetPartVoltage(n), GetPartCapacity(n), part->GetOwnPercentX());
}

double CEleTrans1::GetRushPeakCurrent() const {
    double It = GetRatedCurrent(2);
    return It == 0.0 ? 0.0 : It * m_part2.m_dRushPeak;
}

void CEleTrans1::DoCalcPercentZ(CPercentZ& result, double baseCapacity, int n) const {
    result = CPercentZ();
    if (n == 1) {
        result.m_dR = m_part1.GetOwnPercentR();
        result.m_dX = m_part1.GetOwnPercentX();
    } else if (n == 2) {
        result.m_dR = m_part2.GetOwnPercentR();
        result.m_dX = m_part2.GetOwnPercentX();
        result.m_dRHalf = m_part1.GetOwnPercentR();
        result.m_dXHalf = m_part1.GetOwnPercentX();
    }
    if (m_dCapacity == 0.0) {
        // Without a capacity there is no impedance at all: the half-voltage
        // pair goes with the phase pair, or the half-voltage loop would show
        // the winding's own unscaled values as if they were on the
        // reference capacity.
        result.m_dR = result.m_dX = 0.0;
        result.m_dRHalf = result.m_dXHalf = 0.0;
        return;
    }
    if (n == 1) {
        double ratio = baseCapacity / (m_dCapacity * 0.5);
        result.m_dR *= ratio;
        result.m_dX *= ratio;
    } else if (n == 2) {
        double ratio = baseCapacity / m_dCapacity;
        result.m_dR *= ratio;
        result.m_dX *= ratio;
        double halfRatio = baseCapacity / (0.5 * m_dCapacity);
        result.m_dRHalf = result.m_dR - result.m_dRHalf * halfRatio;
        result.m_dXHalf = result.m_dX - result.m_dXHalf * halfRatio;
    }
}

void CEleTrans1::DoReadByCapacity(double capacity, int32_t frequency, uint32_t controlId) {
    double r1 = 0.0, x1 = 0.0, peak1 = 0.0, cycles1 = 0.0;
    double r2 = 0.0, x2 = 0.0, peak2 = 0.0, cycles2 = 0.0;
    if (fw::CDatabase* equipDb = GetModelDatabases().pEquip) {
        CRSEquip_Trans1 rs(equipDb);
        rs.DoReadByCapacityT1(capacity, &r1, &x1, &peak1, &cycles1, &r2, &x2, &peak2, &cycles2);
    }
    TakeWindingValues(m_part2, capacity, frequency, controlId, r2, x2, peak2, cycles2);
    TakeWindingValues(m_part1, capacity, frequency, controlId, r1, x1, peak1, cycles1);
}

int32_t CEleTrans1::DoCheckData() const {
    if (m_nVoltage <= 0)
        return 1103;
    if (m_nVoltage2 <= 0)
        return 1104;
    if (!transformer::IsAboveZero(m_dCapacity))
        return 1110;
    if (!transformer::IsAboveZero(m_part2.m_dPercentZ))
        return 1083;
    if (!transformer::IsAboveZero(m_part2.m_dXR))
        return 1086;
    if (!transformer::IsAboveZero(m_part2.m_dRushPeak))
        return 1113;
    if (!transformer::IsAboveZero(m_part2.m_dDampingTime))
        return 1125;
    return 0;
}

int CEleTrans1::DoCalcRushCurve() {
    double current = GetRatedCurrent(2) * m_nVoltage2;
    if (!(current > 0.0)) {
        m_part2.m_listPoints.DoDeleteAllPoints();
        return 0;
    }
    return m_part2.DoCalcRushCurve(current);
}

int32_t CEleTrans1::IsAddableToGraph(uint32_t graphNo) const {
    return GetRatedCurrent(2) * m_nVoltage2 > 0.0 && !IsOnGraph(graphNo) ? 1 : 0;
}

int32_t CEleTrans1::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    if (!graph || !IsOnGraph(graph->m_nGraphNo))
        return 0;
    return m_part2.IsSelectedCurve(graph, code);
}

void CEleTrans1::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcRushCurve())
        return;
    machinecurve::DoDrawCurve(m_part2, pDC, graph, DoGetTextCurveLabel(graph->m_nStdVoltage));
}

void CEleTrans1::DoDXFOutCurve(std::ostream& file, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcRushCurve())
        return;
    machinecurve::DoDXFOutCurve(m_part2, file, graph, DoGetTextCurveLabel(graph->m_nStdVoltage));
}

int32_t CEleTrans1::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) {
    return machinecurve::IsHittedCurve(m_part2, pDC, graph, point, code);
}

void CEleTrans1::DoInvalidateCurve(fw::CDC*, CObjGraph* graph, int32_t code,
                                   const CEleInvalidate& invalidate) {
    machinecurve::DoInvalidateCurve(m_part2, graph, code, invalidate);
}

// Texts.

std::string CEleTrans1::DoGetTextPrimaryVoltage(int unit) const {
    return Beams(m_nVoltage, unit, IDS_UNIT_VOLT);
}

std::string CEleTrans1::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity, unit, IDS_UNIT_KVA);
}

std::string CEleTrans1::DoGetTextRushPeakCurrent(int unit) const {
    std::string text = BeamsEx(GetRushPeakCurrent(), 4, unit, IDS_UNIT_AMPERE);
    if (unit == 1)
        text += fw::LoadString(IDS_UNIT_RMS);
    return text;
}

std::string CEleTrans1::DoGetTextVoltage(int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    return Beams(GetPartVoltage(n), unit, IDS_UNIT_VOLT);
}

std::string CEleTrans1::DoGetTextXR(int n) const {
    const CEleTrans1Part* part = GetPart(n);
    return part ? Beams(part->m_dXR, 0, 0) : std::string();
}

std::string CEleTrans1::DoGetTextOwnPercentZ(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    return part ? BeamsEx(part->m_dPercentZ, 4, unit, IDS_UNIT_PERCENT_OWN) : std::string();
}

std::string CEleTrans1::DoGetTextOwnPercentR(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    return part ? BeamsEx(part->GetOwnPercentR(), 4, unit, IDS_UNIT_PERCENT_OWN) : std::string();
}

std::string CEleTrans1::DoGetTextOwnPercentX(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    return part ? BeamsEx(part->GetOwnPercentX(), 4, unit, IDS_UNIT_PERCENT_OWN) : std::string();
}

std::string CEleTrans1::DoGetTextRatedCurrent(int n, int unit) const {
    return GetPart(n) ? BeamsEx(GetRatedCurrent(n), 4, unit, IDS_UNIT_AMPERE) : std::string();
}

std::string CEleTrans1::DoGetTextResistance(int n, int unit) const {
    return GetPart(n) ? BeamsEx(GetOwnOhmR(n), 4, unit, IDS_UNIT_MOHMS) : std::string();
}

std::string CEleTrans1::DoGetTextReactance(int n, int unit) const {
    return GetPart(n) ? BeamsEx(GetOwnOhmX(n), 4, unit, IDS_UNIT_MOHMS) : std::string();
}

std::string CEleTrans1::DoGetTextImpedance(int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    return BeamsEx(DoCalcMagnitude(GetOwnOhmR(n), GetOwnOhmX(n)), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans1::DoGetTextPercentR(double baseCapacity, int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, n);
    return BeamsEx(z.m_dR, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextPercentX(double baseCapacity, int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, n);
    return BeamsEx(z.m_dX, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextPercentZ(double baseCapacity, int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, n);
    return BeamsEx(z.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextTotalPercentR(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    return BeamsEx(r, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextTotalPercentX(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    return BeamsEx(x, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextTotalPercentZ(int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    return BeamsEx(z, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans1::DoGetTextTotalResistance(double baseCapacity, int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    return BeamsEx(DoCalcOhmsFromPercent(GetPartVoltage(n), baseCapacity, r), 4, unit,
                   IDS_UNIT_MOHMS);
}

std::string CEleTrans1::DoGetTextTotalReactance(double baseCapacity, int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    return BeamsEx(DoCalcOhmsFromPercent(GetPartVoltage(n), baseCapacity, x), 4, unit,
                   IDS_UNIT_MOHMS);
}

std::string CEleTrans1::DoGetTextTotalImpedance(double baseCapacity, int n, int unit) const {
    const CEleTrans1Part* part = GetPart(n);
    if (!part)
        return std::string();
    double r, x, z;
    TotalOf(*part, n, r, x, z);
    double ohmR = DoCalcOhmsFromPercent(GetPartVoltage(n), baseCapacity, r);
    double ohmX = DoCalcOhmsFromPercent(GetPartVoltage(n), baseCapacity, x);
    return BeamsEx(DoCalcMagnitude(ohmR, ohmX), 4, unit, IDS_UNIT_MOHMS);
}

namespace {

// The single-phase fault currents of a winding at its voltage, A.
void CurrentsOf(const CEleTrans1& t, int n, double* sym, double* asym, double* peak) {
    if (n == 1)
        t.m_part1.m_calcPoint.DoCalcIkSinglePhaseLoop(t.GetHalfVoltage(), sym, asym, peak);
    else
        t.m_part2.m_calcPoint.DoCalcIkSinglePhase(t.m_nVoltage2, sym, asym, peak);
}

} // namespace

std::string CEleTrans1::DoGetTextIk1Sym(int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    double sym = 0.0;
    CurrentsOf(*this, n, &sym, nullptr, nullptr);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans1::DoGetTextIk1Asym(int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    double sym = 0.0, asym = 0.0;
    CurrentsOf(*this, n, &sym, &asym, nullptr);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans1::DoGetTextIk1Peak(int n, int unit) const {
    if (!GetPart(n))
        return std::string();
    double sym = 0.0, peak = 0.0;
    CurrentsOf(*this, n, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans1::DoGetTextCurveLabel(double graphVoltage) const {
    return transformer::CurveLabel(m_strName, GetRatedCurrent(2) * m_nVoltage2, graphVoltage,
                                   m_dCapacity, m_part2.m_dRushPeak, m_part2.m_dDampingTime);
}

std::string CEleTrans1::DoGetTextLabelV1(int32_t documentMode) const {
    std::string text =
        DoGetTextPrimaryVoltage(1) + "/" + DoGetTextVoltage(2, 0) + "-" + DoGetTextVoltage(1, 1);
    text += "\r\n" + fw::LoadString(IDS_PHASE_COUNT) + fw::LoadString(IDS_PHASES) + "," +
            DLLGetTextEarthCode(m_nEarthing);
    text += "\r\n" + DoGetTextCapacity(1) + "," + DoGetTextRatedCurrent(2, 1);
    text += "\r\n" + DoGetTextOwnPercentZ(2, 1);
    text += "\r\n" + fw::LoadString(IDS_XR) + "=" + DoGetTextXR(2);
    if (m_part2.m_nCalcPoint == 1 && documentMode >= 3) {
        text += "\r\n" + fw::LoadString(IDS_IK2) + "=" + DoGetTextIk1Sym(2, 1);
        text += "\r\n" + fw::LoadString(IDS_IK_HALF) + "=" + DoGetTextIk1Sym(1, 1);
    }
    return text;
}

std::string CEleTrans1::DoGetTextLabelV4(double baseCapacity) const {
    return DoGetTextPercentZ(baseCapacity, 2, 1) + "\r\n=" + DoGetTextPercentR(baseCapacity, 2, 0) +
           "\r\n+j" + DoGetTextPercentX(baseCapacity, 2, 0);
}

void CEleTrans1::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        const fw::CRect& r = m_rectSymbol;
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->MoveTo(c.x, r.top - 1);
        dc->LineTo(c.x, c.y - 28);
        dc->Ellipse(c.x - 13, c.y - 28, c.x + 13, c.y - 1);
        dc->Ellipse(c.x - 13, c.y - 10, c.x + 13, c.y + 17);
        // The centre tap.
        dc->MoveTo(c.x, c.y - 10);
        dc->LineTo(c.x, c.y - 19);
        dc->LineTo(c.x + 18, c.y - 19);
        dc->MoveTo(c.x, r.bottom + 1);
        dc->LineTo(c.x, c.y + 16);
        dc->SelectObject(oldBrush);
        if (m_part2.m_nCalcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 36);
    });
}

fw::CRect CEleTrans1::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1(settings.nMode));
}

fw::CRect CEleTrans1::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

void CEleTrans1::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1(settings.nMode));
}

void CEleTrans1::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

int32_t CEleTrans1::DoEditElement(const CEleEditContext& ctx) {
    return supplyedit::DoEditCalcPoint(*this, ctx,
                                       [](const CEleTrans1& t) { return t.m_part2.m_nCalcPoint; });
}

void CEleTrans1::Serialize(fw::CArchive& ar) {
    SerializeHeadPenFirst(ar);
    if (ar.IsStoring()) {
        ar << m_nErrorMark << m_nVoltage << m_nVoltage2 << m_nWireSystem << m_nEarthing;
        ar << m_dCapacity;
    } else {
        ar >> m_nErrorMark >> m_nVoltage >> m_nVoltage2 >> m_nWireSystem >> m_nEarthing;
        ar >> m_dCapacity;
    }
    m_part1.Serialize(ar);
    m_part2.Serialize(ar);
    SerializeRefLists(ar);
}
