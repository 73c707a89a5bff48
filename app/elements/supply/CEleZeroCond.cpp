#include "CEleZeroCond.h"

#include "app/calc/Impedance.h"
#include "app/elements/supply/SupplyEdit.h"
#include "app/elements/supply/SupplyTexts.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

using namespace supplytexts;

namespace {

constexpr unsigned IDS_PREFIX_ZC = 25094;
constexpr unsigned IDS_IK_HALF = 26525; // the half-voltage fault current

// Placement codes of the name and the label beside the bar.
constexpr uint32_t kLeft = 128;
constexpr uint32_t kRight = 32;
constexpr uint32_t kAbove = 16;
constexpr uint32_t kBelow = 64;

} // namespace

CEleZeroCond::CEleZeroCond() : CEleFrame(fw::CRect(0, 0, 239, 39)) {}

CEleZeroCond::~CEleZeroCond() = default;

void CEleZeroCond::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX_ZC), args))
        return;
    // The supply found above says whether the bar is single-phase; the
    // element object passes the bar's own flag on to what is connected.
    m_nSinglePhase = args.nSinglePhase == 1 ? 1 : 0;
    m_nCalcPoint = 0;
}

void CEleZeroCond::DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first,
                              const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ(out, base, first, second);
}

void CEleZeroCond::DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first,
                               const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2(out, base, first, second);
}

void CEleZeroCond::DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                                 const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2Ex(out, base, first, second);
}

void CEleZeroCond::DoClearCalcZ() {
    m_calcPoint.DoClearCalcZ();
}

void CEleZeroCond::DoClearCalcZ2() {
    m_calcPoint.DoClearCalcZ2();
}

void CEleZeroCond::DoClearCalcZ2Ex() {
    m_calcPoint.DoClearCalcZ2Ex();
}

std::string CEleZeroCond::DoGetTextVoltage(int unit) const {
    std::string text = DLLGetTextByBeams(m_nVoltage, 0);
    if (m_nSinglePhase == 1)
        text += "-" + DLLGetTextByBeams(GetHalfVoltage(), 0);
    if (unit == 1)
        text += fw::LoadString(IDS_UNIT_VOLT);
    return text;
}

namespace {

// The single-phase currents of the bar for the mode, A; 0 for another mode.
void SinglePhaseCurrents(const CEleZeroCond& zc, int mode, double* sym, double* asym,
                         double* peak) {
    if (mode == 1)
        zc.m_calcPoint.DoCalcIkSinglePhaseLoop(zc.GetHalfVoltage(), sym, asym, peak);
    else if (mode == 2)
        zc.m_calcPoint.DoCalcIkSinglePhase(zc.m_nVoltage, sym, asym, peak);
}

} // namespace

std::string CEleZeroCond::DoGetTextIk1Sym(int mode, int unit) const {
    double sym = 0.0;
    SinglePhaseCurrents(*this, mode, &sym, nullptr, nullptr);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleZeroCond::DoGetTextIk1Asym(int mode, int unit) const {
    double sym = 0.0, asym = 0.0;
    SinglePhaseCurrents(*this, mode, &sym, &asym, nullptr);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleZeroCond::DoGetTextIk1Peak(int mode, int unit) const {
    double sym = 0.0, peak = 0.0;
    SinglePhaseCurrents(*this, mode, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

void CEleZeroCond::TotalOf(int mode, double& r, double& x, int32_t& voltage) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    if (mode == 1) {
        r = z.m_dR - z.m_dRHalf;
        x = z.m_dX - z.m_dXHalf;
        voltage = GetHalfVoltage();
    } else {
        r = z.m_dR;
        x = z.m_dX;
        voltage = m_nVoltage;
    }
}

std::string CEleZeroCond::DoGetTextTotalPercentR(int mode, int unit) const {
    double r, x;
    int32_t voltage;
    TotalOf(mode, r, x, voltage);
    return BeamsEx(r, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleZeroCond::DoGetTextTotalPercentX(int mode, int unit) const {
    double r, x;
    int32_t voltage;
    TotalOf(mode, r, x, voltage);
    return BeamsEx(x, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleZeroCond::DoGetTextTotalPercentZ(int mode, int unit) const {
    CPercentZ z;
    m_calcPoint.GetPercentZ3Total(z);
    return BeamsEx(mode == 1 ? z.GetZLoop() : z.GetZ(), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleZeroCond::DoGetTextTotalResistance(int mode, double baseCapacity, int unit) const {
    double r, x;
    int32_t voltage;
    TotalOf(mode, r, x, voltage);
    return BeamsEx(DoCalcOhmsFromPercent(voltage, baseCapacity, r), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleZeroCond::DoGetTextTotalReactance(int mode, double baseCapacity, int unit) const {
    double r, x;
    int32_t voltage;
    TotalOf(mode, r, x, voltage);
    return BeamsEx(DoCalcOhmsFromPercent(voltage, baseCapacity, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleZeroCond::DoGetTextTotalImpedance(int mode, double baseCapacity, int unit) const {
    double r, x;
    int32_t voltage;
    TotalOf(mode, r, x, voltage);
    double ohmR = DoCalcOhmsFromPercent(voltage, baseCapacity, r);
    double ohmX = DoCalcOhmsFromPercent(voltage, baseCapacity, x);
    return BeamsEx(DoCalcMagnitude(ohmR, ohmX), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleZeroCond::DoGetTextTotalIk3Sym(int unit) const {
    double sym = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage, &sym);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleZeroCond::DoGetTextTotalIk3Asym(int unit) const {
    double sym = 0.0, asym = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage, &sym, &asym);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleZeroCond::DoGetTextTotalIk3Peak(int unit) const {
    double sym = 0.0, peak = 0.0;
    m_calcPoint.DoCalcIk3Total(m_nVoltage, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string CEleZeroCond::DoGetTextLabel(int32_t documentMode) const {
    if (m_nCalcPoint != 1 || documentMode < 3)
        return std::string();
    if (m_nSinglePhase != 1)
        return fw::LoadString(IDS_IK3) + "=" + DoGetTextTotalIk3Sym(1);
    return fw::LoadString(IDS_IK2) + "=" + DoGetTextIk1Sym(2, 1) + "\r\n" +
           fw::LoadString(IDS_IK_HALF) + "=" + DoGetTextIk1Sym(1, 1);
}

void CEleZeroCond::DoDrawSymbol(fw::CDC* pDC, int32_t mode, const std::vector<CConnected>& others) {
    DoDrawSymbolFrame(pDC, mode, [&](fw::CDC* dc, fw::CPoint centre) {
        const fw::CRect& r = m_rectSymbol;
        // The bar, in the pen colour.
        dc->FillSolidRect(fw::CRect(r.left - 1, centre.y - 3, r.right + 1, centre.y + 3), m_crPen);
        const int steps = (r.right - r.left + 1) / 40;
        for (const CConnected& other : others) {
            const bool above = other.hasLower && other.rect.bottom + 1 == r.top;
            const bool below = other.hasUpper && other.rect.top == r.bottom + 1;
            if (!above && !below)
                continue;
            for (int k = 0; k < steps; ++k) {
                if (other.rect.left != r.left + 40 * k)
                    continue;
                const int x = r.left + 19 + 40 * k;
                dc->MoveTo(x, centre.y);
                dc->LineTo(x, above ? r.top - 2 : r.bottom + 1);
            }
        }
        if (m_nCalcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, centre.x, centre.y - 1);
    });
}

namespace {

// Name and label sides by the neighbours at the left and right ends.
void Sides(const CEleZeroCond::CNeighbours& n, uint32_t& name, uint32_t& label) {
    if (!n.left && !n.right) {
        name = kLeft;
        label = kRight;
    } else if (!n.left && n.right) {
        name = kLeft;
        label = kBelow;
    } else if (n.left && !n.right) {
        name = kRight;
        label = kRight;
    } else {
        name = kAbove;
        label = kBelow;
    }
}

} // namespace

fw::CRect CEleZeroCond::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings,
                                          const CNeighbours& neighbours) {
    uint32_t name, label;
    Sides(neighbours, name, label);
    return m_listRefV1.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, name,
                                       DoGetTextLabel(settings.nMode), label);
}

fw::CRect CEleZeroCond::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&,
                                          const CNeighbours& neighbours) {
    uint32_t name, label;
    Sides(neighbours, name, label);
    return m_listRefV4.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, name, std::string(), label);
}

void CEleZeroCond::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabel(settings.nMode));
}

void CEleZeroCond::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleZeroCond::DoEditElement(const CEleEditContext& ctx) {
    return supplyedit::DoEditCalcPoint(*this, ctx,
                                       [](const CEleZeroCond& z) { return z.m_nCalcPoint; });
}

void CEleZeroCond::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_nVoltage << m_nCalcPoint;
    else
        ar >> m_nVoltage >> m_nCalcPoint;
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
}
