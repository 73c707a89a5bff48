#include "CEleTrans3.h"

#include "app/calc/Impedance.h"
#include "app/elements/supply/MachineCurves.h"
#include "app/elements/supply/RushCurve.h"
#include "app/elements/supply/SupplyEdit.h"
#include "app/elements/supply/SupplyTexts.h"
#include "app/protection/CObjGraph.h"
#include "app/records/DialogSeam.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans3.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_VoltLow.h"
#include "listdata/Quenlor.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace supplytexts;

namespace {
constexpr unsigned IDS_PREFIX_T = 25091;
}

CEleTrans3::CEleTrans3() : CEleFrame(fw::CRect(0, 0, 39, 119)) {}

CEleTrans3::CEleTrans3(const CEleTrans3& other) : CEleFrame(other), CEleCurveOwner() {
    *this = other;
}

CEleTrans3& CEleTrans3::operator=(const CEleTrans3& other) {
    if (this == &other)
        return *this;
    CEleFrame::operator=(other);
    m_listPoints.DoCopyAllPoints(other.m_listPoints);
    m_nVoltage2 = other.m_nVoltage2;
    m_dCapacity = other.m_dCapacity;
    m_dPercentZ = other.m_dPercentZ;
    m_dXR = other.m_dXR;
    m_dRushPeak = other.m_dRushPeak;
    m_dDampingTime = other.m_dDampingTime;
    m_nCalcPoint = other.m_nCalcPoint;
    m_calcPoint = other.m_calcPoint;
    m_listGraphNo.DoCopyAllGraphNo(other.m_listGraphNo);
    m_infoLine = other.m_infoLine;
    m_nCurveSelected = other.m_nCurveSelected;
    return *this;
}

CEleTrans3::~CEleTrans3() = default;

int32_t CEleTrans3::GetVoltage(int32_t side) const {
    return side == 1 ? m_nVoltage2 : m_nVoltage;
}

int32_t CEleTrans3::SetVoltage(int32_t volts, int32_t side) {
    if (volts < 1)
        return volts;
    int32_t& field = side == 1 ? m_nVoltage2 : m_nVoltage;
    int32_t old = field;
    field = volts;
    return old;
}

void CEleTrans3::DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first,
                            const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ(out, base, first, second);
}

void CEleTrans3::DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first,
                             const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2(out, base, first, second);
}

void CEleTrans3::DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                               const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2Ex(out, base, first, second);
}

void CEleTrans3::DoClearCalcZ() {
    m_calcPoint.DoClearCalcZ();
}

void CEleTrans3::DoClearCalcZ2() {
    m_calcPoint.DoClearCalcZ2();
}

void CEleTrans3::DoClearCalcZ2Ex() {
    m_calcPoint.DoClearCalcZ2Ex();
}

void CEleTrans3::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX_T), args))
        return;
    m_nVoltage = args.nVoltageUp;
    m_nVoltage2 = args.nVoltageDown;
    fw::CDatabase* listDb = GetModelDatabases().pList;
    if (m_nVoltage2 <= 0) {
        int32_t voltage = 0;
        if (listDb) {
            CRSList_VoltLow rs(listDb);
            rs.DoReadSetDefaultLV(nullptr, &voltage);
        }
        m_nVoltage2 = voltage;
    }
    double capacity = 0.0;
    if (fw::CDatabase* equipDb = GetModelDatabases().pEquip) {
        CRSEquip_Trans3 rs(equipDb);
        rs.DoReadSetDefaultT3(nullptr, &capacity, nullptr, nullptr, nullptr, nullptr);
    }
    m_dCapacity = capacity;
    DoReadByCapacity(m_dCapacity, args.nFrequency, 0);
    m_nCalcPoint = 0;
}

double CEleTrans3::GetRatedCurrent() const {
    return transformer::RatedCurrent3(m_dCapacity, m_nVoltage2);
}

double CEleTrans3::GetOwnPercentR() const {
    return transformer::OwnPercentR(m_dPercentZ, m_dXR);
}

double CEleTrans3::GetOwnPercentX() const {
    return m_dXR * GetOwnPercentR();
}

double CEleTrans3::GetOwnOhmR() const {
    return DoCalcOhmsFromPercent(m_nVoltage2, m_dCapacity, GetOwnPercentR());
}

double CEleTrans3::GetOwnOhmX() const {
    return DoCalcOhmsFromPercent(m_nVoltage2, m_dCapacity, GetOwnPercentX());
}

double CEleTrans3::GetOwnOhmZ() const {
    return DoCalcMagnitude(GetOwnOhmR(), GetOwnOhmX());
}

double CEleTrans3::GetRushPeakCurrent() const {
    double It = GetRatedCurrent();
    return It == 0.0 ? 0.0 : m_dRushPeak * It;
}

void CEleTrans3::DoCalcPercentZ(CPercentZ& result, double baseCapacity) const {
    result = CPercentZ();
    double r = GetOwnPercentR();
    double x = m_dXR * r;
    if (m_dCapacity != 0.0) {
        // The ratio first, then the product: the last digits of the reports
        // rest on this order.
        double ratio = baseCapacity / m_dCapacity;
        result.m_dR = ratio * r;
        result.m_dX = ratio * x;
    }
}

void CEleTrans3::DoReadByCapacity(double capacity, int32_t frequency, uint32_t controlId) {
    double percentR = 0.0, percentX = 0.0, peak = 0.0, cycles = 0.0;
    if (fw::CDatabase* equipDb = GetModelDatabases().pEquip) {
        CRSEquip_Trans3 rs(equipDb);
        rs.DoReadByCapacityT3(capacity, &percentR, &percentX, &peak, &cycles);
    }
    if (!(capacity > 0.0)) {
        m_dPercentZ = 0.0;
        m_dXR = 0.0;
    } else if (controlId != 1083 && controlId != 1086) {
        m_dPercentZ = std::sqrt(percentX * percentX + percentR * percentR);
        m_dXR = percentR == 0.0 ? 0.0 : percentX / percentR;
    }
    m_dRushPeak = peak;
    m_dDampingTime = transformer::DampingTimeMs(cycles, frequency);
}

int32_t CEleTrans3::DoCheckData() const {
    if (m_nVoltage <= 0)
        return 1103;
    if (m_nVoltage2 <= 0)
        return 1104;
    if (!transformer::IsAboveZero(m_dCapacity))
        return 1110;
    if (!transformer::IsAboveZero(m_dPercentZ))
        return 1083;
    if (!transformer::IsAboveZero(m_dXR))
        return 1086;
    if (!transformer::IsAboveZero(m_dRushPeak))
        return 1113;
    if (!transformer::IsAboveZero(m_dDampingTime))
        return 1125;
    return 0;
}

int CEleTrans3::DoCalcRushCurve() {
    return DoCalcRushCurvePoints(m_listPoints, GetRatedCurrent() * m_nVoltage2, m_dRushPeak,
                                 m_dDampingTime);
}

int32_t CEleTrans3::IsAddableToGraph(uint32_t graphNo) const {
    return GetRatedCurrent() * m_nVoltage2 > 0.0 && !IsOnGraph(graphNo) ? 1 : 0;
}

int32_t CEleTrans3::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    if (!graph || !IsOnGraph(graph->m_nGraphNo))
        return 0;
    return CEleCurve::IsSelectedCurve(graph, code);
}

void CEleTrans3::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcRushCurve())
        return;
    machinecurve::DoDrawCurve(*this, pDC, graph, DoGetTextCurveLabel(graph->m_nStdVoltage));
}

void CEleTrans3::DoDXFOutCurve(std::ostream& file, CObjGraph* graph, const CEleDocSettings&) {
    if (!graph || !IsOnGraph(graph->m_nGraphNo) || !DoCalcRushCurve())
        return;
    machinecurve::DoDXFOutCurve(*this, file, graph, DoGetTextCurveLabel(graph->m_nStdVoltage));
}

int32_t CEleTrans3::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) {
    return machinecurve::IsHittedCurve(*this, pDC, graph, point, code);
}

void CEleTrans3::DoInvalidateCurve(fw::CDC*, CObjGraph* graph, int32_t code,
                                   const CEleInvalidate& invalidate) {
    machinecurve::DoInvalidateCurve(*this, graph, code, invalidate);
}

// Texts.

std::string CEleTrans3::DoGetTextPrimaryVoltage(int unit) const {
    return Beams(m_nVoltage, unit, IDS_UNIT_VOLT);
}

std::string CEleTrans3::DoGetTextSecondaryVoltage(int unit) const {
    return Beams(m_nVoltage2, unit, IDS_UNIT_VOLT);
}

std::string CEleTrans3::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity, unit, IDS_UNIT_KVA);
}

std::string CEleTrans3::DoGetTextXR() const {
    return Beams(m_dXR, 0, 0);
}

std::string CEleTrans3::DoGetTextOwnPercentZ(int unit) const {
    return BeamsEx(m_dPercentZ, 4, unit, IDS_UNIT_PERCENT_OWN);
}

std::string CEleTrans3::DoGetTextOwnPercentR(int unit) const {
    return BeamsEx(GetOwnPercentR(), 4, unit, IDS_UNIT_PERCENT_OWN);
}

std::string CEleTrans3::DoGetTextOwnPercentX(int unit) const {
    return BeamsEx(GetOwnPercentX(), 4, unit, IDS_UNIT_PERCENT_OWN);
}

std::string CEleTrans3::DoGetTextRatedCurrent(int unit) const {
    return BeamsEx(GetRatedCurrent(), 4, unit, IDS_UNIT_AMPERE);
}

std::string CEleTrans3::DoGetTextResistance(int unit) const {
    return BeamsEx(GetOwnOhmR(), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextReactance(int unit) const {
    return BeamsEx(GetOwnOhmX(), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextImpedance(int unit) const {
    return BeamsEx(GetOwnOhmZ(), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextRushPeakTimes(int unit) const {
    return Beams(m_dRushPeak, unit, IDS_UNIT_TIMES);
}

std::string CEleTrans3::DoGetTextRushPeakCurrent(int unit) const {
    std::string text = BeamsEx(GetRushPeakCurrent(), 4, unit, IDS_UNIT_AMPERE);
    if (unit == 1)
        text += fw::LoadString(IDS_UNIT_RMS);
    return text;
}

std::string CEleTrans3::DoGetTextDampingTime(int unit) const {
    return Beams(m_dDampingTime, unit, IDS_UNIT_MS);
}

std::string CEleTrans3::DoGetTextDampingCycles(int32_t frequency, int unit) const {
    return Beams(frequency * m_dDampingTime / 1000.0, unit, IDS_UNIT_CYCLES);
}

std::string CEleTrans3::DoGetTextEarthing() const {
    fw::CDatabase* listDb = GetModelDatabases().pList;
    if (!listDb)
        return std::string();
    CRSList_Earthing rs(listDb);
    return rs.DoReadByEarthCode(m_nEarthing);
}

std::string CEleTrans3::DoGetTextPercentR(double baseCapacity, int unit) const {
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity);
    return BeamsEx(z.m_dR, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextPercentX(double baseCapacity, int unit) const {
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity);
    return BeamsEx(z.m_dX, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextPercentZ(double baseCapacity, int unit) const {
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity);
    return BeamsEx(z.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextTotalPercentR(int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(z.m_dR, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextTotalPercentX(int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(z.m_dX, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextTotalPercentZ(int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(z.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextTotalResistance(double baseCapacity, int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, z.m_dR), 4, unit,
                   IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextTotalReactance(double baseCapacity, int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, z.m_dX), 4, unit,
                   IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextTotalImpedance(double baseCapacity, int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    double r = DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, z.m_dR);
    double x = DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, z.m_dX);
    return BeamsEx(DoCalcMagnitude(r, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextTotalIk3Sym(int unit) const {
    double sym = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage2, &sym);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextTotalIk3Asym(int unit) const {
    double sym = 0.0, asym = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage2, &sym, &asym);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextTotalIk3Peak(int unit) const {
    double sym = 0.0, peak = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage2, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextDirectPercentR(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.m_dR, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextDirectPercentX(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.m_dX, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextDirectPercentZ(int unit) const {
    return BeamsEx(m_calcPoint.m_zSource.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleTrans3::DoGetTextDirectResistance(double baseCapacity, int unit) const {
    return BeamsEx(DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, m_calcPoint.m_zSource.m_dR), 4,
                   unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextDirectReactance(double baseCapacity, int unit) const {
    return BeamsEx(DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, m_calcPoint.m_zSource.m_dX), 4,
                   unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextDirectImpedance(double baseCapacity, int unit) const {
    double r = DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, m_calcPoint.m_zSource.m_dR);
    double x = DoCalcOhmsFromPercent(m_nVoltage2, baseCapacity, m_calcPoint.m_zSource.m_dX);
    return BeamsEx(DoCalcMagnitude(r, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleTrans3::DoGetTextDirectIk3Sym(int unit) const {
    double sym = 0.0;
    m_calcPoint.DoCalcIk3Source(m_nVoltage2, &sym);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextDirectIk3Asym(int unit) const {
    double sym = 0.0, asym = 0.0;
    m_calcPoint.DoCalcIk3Source(m_nVoltage2, &sym, &asym);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextDirectIk3Peak(int unit) const {
    double sym = 0.0, peak = 0.0;
    m_calcPoint.DoCalcIk3Source(m_nVoltage2, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleTrans3::DoGetTextCurveLabel(double graphVoltage) const {
    return transformer::CurveLabel(m_strName, GetRatedCurrent() * m_nVoltage2, graphVoltage,
                                   m_dCapacity, m_dRushPeak, m_dDampingTime);
}

std::string CEleTrans3::DoGetTextLabelV1(int32_t documentMode) const {
    std::string text = DoGetTextPrimaryVoltage(1) + "/" + DoGetTextSecondaryVoltage(1);
    text += "\r\n" + DLLGetTextEarthCode(m_nEarthing);
    text += "\r\n" + DoGetTextCapacity(1) + "," + DoGetTextRatedCurrent(1);
    text += "\r\n" + DoGetTextOwnPercentZ(1);
    text += "\r\n" + fw::LoadString(IDS_XR) + "=" + DoGetTextXR();
    if (m_nCalcPoint == 1 && documentMode >= 3)
        text += "\r\n" + fw::LoadString(IDS_IK3) + fw::LoadString(IDS_DIRECT) + "=" +
                DoGetTextDirectIk3Sym(1);
    return text;
}

std::string CEleTrans3::DoGetTextLabelV4(double baseCapacity) const {
    return DoGetTextPercentZ(baseCapacity, 1) + "\r\n=" + DoGetTextPercentR(baseCapacity, 0) +
           "\r\n+j" + DoGetTextPercentX(baseCapacity, 0);
}

void CEleTrans3::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->MoveTo(c.x, c.y - 60);
        dc->LineTo(c.x, c.y - 28);
        dc->Ellipse(c.x - 13, c.y - 28, c.x + 13, c.y - 1);
        dc->Ellipse(c.x - 13, c.y - 10, c.x + 13, c.y + 17);
        dc->MoveTo(c.x, c.y + 60);
        dc->LineTo(c.x, c.y + 16);
        dc->SelectObject(oldBrush);
        if (m_nCalcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 36);
    });
}

fw::CRect CEleTrans3::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1(settings.nMode));
}

fw::CRect CEleTrans3::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

void CEleTrans3::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1(settings.nMode));
}

void CEleTrans3::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

int32_t CEleTrans3::DoEditElement(const CEleEditContext& ctx) {
    return supplyedit::DoEditCalcPoint(*this, ctx,
                                       [](const CEleTrans3& t) { return t.m_nCalcPoint; });
}

void CEleTrans3::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage << m_nVoltage2 << m_nEarthing;
        ar << m_dCapacity << m_dPercentZ << m_dXR << m_dRushPeak << m_dDampingTime;
        ar << m_nCalcPoint << m_nCurveSelected;
    } else {
        ar >> m_nVoltage >> m_nVoltage2 >> m_nEarthing;
        ar >> m_dCapacity >> m_dPercentZ >> m_dXR >> m_dRushPeak >> m_dDampingTime;
        ar >> m_nCalcPoint >> m_nCurveSelected;
    }
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    m_listGraphNo.Serialize(ar);
    m_infoLine.Serialize(ar);
    SerializeTail(ar, kTailWireSystem | kTailErrorMark);
}
