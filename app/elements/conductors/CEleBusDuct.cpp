#include "CEleBusDuct.h"

#include "app/calc/Impedance.h"
#include "app/elements/conductors/ConductorCalc.h"
#include "app/elements/conductors/ConductorEdit.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace condtext;

namespace {

constexpr unsigned IDS_SYMBOL_BUSDUCT = 25103;
constexpr unsigned IDS_BARE = 26503;
constexpr unsigned IDS_WITH_INSULATION = 26524;

constexpr uint32_t kNameVertical = 128;
constexpr uint32_t kLabelVertical = 32;
constexpr uint32_t kNameHorizontal = 16;
constexpr uint32_t kLabelHorizontal = 64;

// Control ids of the sheet's pages, which the data check names.
constexpr int32_t IDC_MAX_TEMP = 1222;
constexpr int32_t IDC_AMBIENT = 1130;
constexpr int32_t IDC_LOAD_CURRENT = 1192;
constexpr int32_t IDC_LENGTH = 1105;
constexpr int32_t IDC_RATED_CURRENT = 1100;
constexpr int32_t IDC_R_PER_M = 1081;
constexpr int32_t IDC_X_PER_M = 1082;

int32_t CheckGroup(const CEleBusDuctPhase& g) {
    if (!(g.m_dRatedCurrent > 0.0))
        return IDC_RATED_CURRENT;
    if (!(g.m_dRPerMetre > 0.0))
        return IDC_R_PER_M;
    if (!(g.m_dXPerMetre > 0.0))
        return IDC_X_PER_M;
    return 0;
}

} // namespace

CEleBusDuct::CEleBusDuct() : CEleFrame(fw::CRect(0, 0, 39, 159)) {}

uint32_t CEleBusDuct::SetWireSystem(uint32_t code) {
    uint32_t old = m_basic.m_nWireSystem;
    m_basic.m_nWireSystem = code;
    return old;
}

void CEleBusDuct::Serialize(fw::CArchive& ar) {
    SerializeHeadPenFirst(ar);
    if (ar.IsStoring())
        ar << m_nHorizontal << m_nVoltage << m_nCalcPoint << m_nErrorMark << m_nActivePage
           << m_nEarthing;
    else
        ar >> m_nHorizontal >> m_nVoltage >> m_nCalcPoint >> m_nErrorMark >> m_nActivePage >>
            m_nEarthing;
    m_calcPoint.Serialize(ar);
    m_basic.Serialize(ar);
    m_phase3.Serialize(ar);
    m_phaseN.Serialize(ar);
    m_phasePE.Serialize(ar);
    SerializeRefLists(ar);
    SerializeFrom<uint32_t>(ar, 1.2, m_nSinglePhase, 0);
}

void CEleBusDuct::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_SYMBOL_BUSDUCT), args))
        return;
    m_basic.m_nWireSystem = m_nWireSystem;
    m_basic.m_dMaxTemp = 95.0;
    m_basic.m_dAmbientTemp = 40.0;
    m_basic.m_dLoadCurrent = 0.0;
    m_basic.m_nMaterial = 1;
    m_basic.m_dLength = 0.0;
    m_basic.m_nInsulation = 2;
    const double frequency = args.nFrequency;
    m_phase3.DoSetDefault(frequency, m_basic);
    m_phaseN.DoSetDefault(frequency, m_basic);
    m_phasePE.DoSetDefault(frequency, m_basic);
    m_nCalcPoint = 0;
}

int32_t CEleBusDuct::DoEditElement(const CEleEditContext& ctx) {
    return DoEditConductor(*this, ctx);
}

fw::CRect CEleBusDuct::DoRotate(fw::CDC* pDC, int32_t mode) {
    DoRotateConductorRect(m_rectSymbol, m_nHorizontal);
    CEleDocSettings settings;
    settings.nMode = mode;
    DoLayoutRefV1List(pDC, settings);
    return m_rectSymbol;
}

void CEleBusDuct::DoSetCalcZ(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                             const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ(out, baseCapacity, first, second);
}

void CEleBusDuct::DoSetCalcZ2(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                              const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2(out, baseCapacity, first, second);
}

void CEleBusDuct::DoSetCalcZ2Ex(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                                const CPercentZ* second) {
    m_calcPoint.DoSetCalcZ2Ex(out, baseCapacity, first, second);
}

void CEleBusDuct::DoReadZFromDB(int32_t frequency) {
    const double f = static_cast<double>(static_cast<uint32_t>(frequency));
    m_phase3.DoReadXForFrequency(f, m_basic);
    m_phaseN.DoReadXForFrequency(f, m_basic);
    m_phasePE.DoReadXForFrequency(f, m_basic);
}

CEleBusDuctPhase* CEleBusDuct::GetGroup(uint32_t group) {
    return const_cast<CEleBusDuctPhase*>(static_cast<const CEleBusDuct*>(this)->GetGroup(group));
}

const CEleBusDuctPhase* CEleBusDuct::GetGroup(uint32_t group) const {
    switch (group) {
    case 1: return &m_phase3;
    case 2: return &m_phaseN;
    case 3: return &m_phasePE;
    default: return nullptr;
    }
}

void CEleBusDuct::DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group,
                                 uint32_t mode) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    DoCalcConductorPercentZ(out, m_nVoltage, baseCapacity, m_basic.m_dLength, group, mode,
                            m_nSinglePhase, m_basic.m_nWireSystem, g ? g->m_dRPerMetre : 0.0,
                            g ? g->m_dXPerMetre : 0.0, 1.0);
}

void CEleBusDuct::DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const {
    DoCalcPercentZ(out, settings.dBaseCapacity, 1, 2);
}

void CEleBusDuct::DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const {
    CPercentZ n;
    CPercentZ pe;
    DoCalcPercentZ(n, settings.dBaseCapacity, 2, 2);
    DoCalcPercentZ(pe, settings.dBaseCapacity, 3, 2);
    out = CPercentZ();
    out.m_dRN = n.m_dRN;
    out.m_dXN = n.m_dXN;
    out.m_dRPE = pe.m_dRPE;
    out.m_dXPE = pe.m_dXPE;
}

double CEleBusDuct::DoCalcVoltageDrop() const {
    if (m_nVoltage < 1)
        return 0.0;
    const double rt = m_phase3.m_dRPerMetre * m_basic.m_dLength;
    const double ib = m_basic.m_dLoadCurrent;
    if (m_nSinglePhase == 1)
        return 2.0 * ib * rt * 100.0 / 1000.0 / m_nVoltage;
    return std::sqrt(3.0) * rt * ib * 100.0 / 1000.0 / m_nVoltage;
}

int32_t CEleBusDuct::DoCheckData(uint32_t* page) const {
    const bool all = page == nullptr;
    const uint32_t which = page ? *page : 0;
    int32_t id = 0;
    uint32_t found = 0;
    auto take = [&](int32_t bad, uint32_t p) {
        if (bad != 0) {
            id = bad;
            found = p;
        }
    };
    if (all || which == 0) {
        // The table's data hold for 95 degC bars in 40 degC air only; other
        // temperatures are refused, not derated.
        const CEleBusDuctBasic& b = m_basic;
        int32_t bad = 0;
        if (b.m_dMaxTemp != 95.0)
            bad = IDC_MAX_TEMP;
        else if (b.m_dAmbientTemp != 40.0)
            bad = IDC_AMBIENT;
        else if (!(b.m_dMaxTemp > b.m_dAmbientTemp))
            bad = IDC_AMBIENT;
        else if (b.m_dLoadCurrent < 0.0)
            bad = IDC_LOAD_CURRENT;
        else if (b.m_dLength < 0.0)
            bad = IDC_LENGTH;
        take(bad, 0);
    }
    const uint32_t ws = m_basic.m_nWireSystem;
    if (all || which == 1)
        take(CheckGroup(m_phase3), 1);
    if ((all && (ws == 2 || ws == 3)) || (!all && which == 2))
        take(CheckGroup(m_phaseN), 2);
    if ((all && ws == 3) || (!all && which == 3))
        take(CheckGroup(m_phasePE), 3);
    if (id != 0 && page)
        *page = found;
    return id;
}

int32_t CEleBusDuct::DoCheckCurrentCapacity(double current, uint32_t group) {
    const CEleBusDuctPhase* g = GetGroup(group);
    const double capacity = g ? g->m_dRatedCurrent : 0.0;
    if (capacity >= current) {
        m_nErrorMark = 0;
        return 1;
    }
    m_nErrorMark = 1;
    return 0;
}

void CEleBusDuct::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        const fw::CRect& r = m_rectSymbol;
        if (m_nHorizontal == 0) {
            dc->MoveTo(c.x, r.top - 1);
            dc->LineTo(c.x, r.bottom + 1);
            if (m_nCalcPoint == 1)
                CCalcPoint::DoDrawArrow(dc, c.x, c.y + 33);
        } else {
            dc->MoveTo(r.left - 1, c.y);
            dc->LineTo(r.right + 1, c.y);
            if (m_nCalcPoint == 1)
                CCalcPoint::DoDrawArrow(dc, r.right - 20, c.y);
        }
    });
}

std::string CEleBusDuct::GetTextLabel(int32_t mode) const {
    auto ratedLine = [this](uint32_t group) {
        return GetTextGroupName(group) + GetTextIz(group, 1);
    };
    std::string label = ratedLine(1);
    const uint32_t ws = m_basic.m_nWireSystem;
    if (ws != 1)
        label += "\r\n" + ratedLine(2);
    if (ws == 3)
        label += "\r\n" + ratedLine(3);
    if (m_nVoltage > 0) {
        const double l = m_basic.m_dLength;
        label += "\r\n" + DLLGetTextByBeams(l, 0) + Str(IDS_METRE) + "," +
                 MaterialText(m_basic.m_nMaterial);
        const double r = m_phase3.m_dRPerMetre * l;
        const double x = m_phase3.m_dXPerMetre * l;
        label += "\r\n" + Ex(DoCalcMagnitude(r, x), 4, 0, 0) + "=" + Ex(r, 4, 0, 0) + "+j" +
                 Ex(x, 4, 0, 0);
    }
    if (m_nCalcPoint == 1 && mode >= 3)
        label += FaultCurrentLines(m_calcPoint, m_nVoltage, m_nSinglePhase, m_nEarthing,
                                   m_basic.m_nWireSystem);
    return label;
}

std::string CEleBusDuct::GetTextLabelV4(double baseCapacity) const {
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, 1, 2);
    return Ex(z.GetZ(), 4, 1, IDS_PERCENT_R, 0, true) + "\r\n=" + Ex(z.m_dR, 4, 0, 0) +
           "\r\n+j" + Ex(z.m_dX, 4, 0, 0);
}

fw::CRect CEleBusDuct::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    const bool horizontal = m_nHorizontal != 0;
    return m_listRefV1.DoCalcLabelRect(pDC, m_rectSymbol, m_strName,
                                       horizontal ? kNameHorizontal : kNameVertical,
                                       GetTextLabel(settings.nMode),
                                       horizontal ? kLabelHorizontal : kLabelVertical);
}

void CEleBusDuct::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV1.DoDraw(pDC, m_strName, GetTextLabel(settings.nMode),
                       static_cast<int32_t>(m_nSelected));
}

fw::CRect CEleBusDuct::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    const bool horizontal = m_nHorizontal != 0;
    return m_listRefV4.DoCalcLabelRect(pDC, m_rectSymbol, m_strName,
                                       horizontal ? kNameHorizontal : kNameVertical,
                                       GetTextLabelV4(settings.dBaseCapacity),
                                       horizontal ? kLabelHorizontal : kLabelVertical);
}

void CEleBusDuct::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV4.DoDraw(pDC, m_strName, GetTextLabelV4(settings.dBaseCapacity),
                       static_cast<int32_t>(m_nSelected));
}

int32_t CEleBusDuct::IsChangedRPerMetre(uint32_t group) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? (g->m_dRPerMetre != g->m_dRPerMetreTable ? 1 : 0) : 1;
}

int32_t CEleBusDuct::IsChangedXPerMetre(uint32_t group) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? (g->m_dXPerMetre != g->m_dXPerMetreTable ? 1 : 0) : 1;
}

// ---- Report texts ----

std::string CEleBusDuct::GetTextGroupName(uint32_t group) const {
    return GroupName(group, m_nSinglePhase);
}

std::string CEleBusDuct::GetTextVoltage(int unit) const {
    return VoltageText(m_nVoltage, m_nSinglePhase, unit);
}

std::string CEleBusDuct::GetTextMaterial() const {
    return MaterialText(m_basic.m_nMaterial);
}

std::string CEleBusDuct::GetTextInsulation() const {
    if (m_basic.m_nInsulation == 1)
        return Str(IDS_BARE);
    if (m_basic.m_nInsulation == 2)
        return Str(IDS_WITH_INSULATION);
    return std::string();
}

std::string CEleBusDuct::GetTextMaxTemp(int unit) const {
    return Beams(m_basic.m_dMaxTemp, unit, IDS_DEGREE);
}

std::string CEleBusDuct::GetTextAmbientTemp(int unit) const {
    return Beams(m_basic.m_dAmbientTemp, unit, IDS_DEGREE);
}

std::string CEleBusDuct::GetTextLoadCurrent(int unit) const {
    return Beams(m_basic.m_dLoadCurrent, unit, IDS_AMPERE);
}

std::string CEleBusDuct::GetTextVoltageDrop(int unit) const {
    return Ex(DoCalcVoltageDrop(), 4, unit, IDS_PERCENT, 1);
}

std::string CEleBusDuct::GetTextLength(int unit) const {
    return Beams(m_basic.m_dLength, unit, IDS_METRE);
}

std::string CEleBusDuct::GetTextSize(uint32_t group) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    if (!g)
        return std::string();
    return DLLGetTextByBeams(g->m_dWidth, 0) + Str(IDS_TIMES) + DLLGetTextByBeams(g->m_dThickness, 0) +
           Str(IDS_TIMES) + DLLGetTextByBeams(g->m_nNumber, 0);
}

std::string CEleBusDuct::GetTextIz(uint32_t group, int unit) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? Beams(std::trunc(g->m_dRatedCurrent), unit, IDS_AMPERE) : std::string();
}

std::string CEleBusDuct::GetTextWidth(uint32_t group, int unit) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? Beams(g->m_dWidth, unit, IDS_MM) : std::string();
}

std::string CEleBusDuct::GetTextThickness(uint32_t group, int unit) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? Beams(g->m_dThickness, unit, IDS_MM) : std::string();
}

std::string CEleBusDuct::GetTextNumber(uint32_t group) const {
    const CEleBusDuctPhase* g = GetGroup(group);
    return g ? DLLGetTextByBeams(g->m_nNumber, 0) : std::string();
}

#define TV_BUSDUCT_GROUP_TEXT(name, expr, unitId, noData)                                          \
    std::string CEleBusDuct::name(uint32_t group, int unit) const {                                \
        const CEleBusDuctPhase* g = GetGroup(group);                                               \
        if (!g)                                                                                    \
            return std::string();                                                                  \
        const double l = m_basic.m_dLength;                                                        \
        (void)l;                                                                                   \
        return Ex(expr, 4, unit, unitId, noData, true);                                            \
    }
TV_BUSDUCT_GROUP_TEXT(GetTextRPerMetre, g->m_dRPerMetre, IDS_MOHMS_PER_M, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextXPerMetre, g->m_dXPerMetre, IDS_MOHMS_PER_M, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextZPerMetre, DoCalcMagnitude(g->m_dRPerMetre, g->m_dXPerMetre),
                      IDS_MOHMS_PER_M, 0)
TV_BUSDUCT_GROUP_TEXT(GetTextR, g->m_dRPerMetre * l, IDS_MOHMS, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextX, g->m_dXPerMetre * l, IDS_MOHMS, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextZ, DoCalcMagnitude(g->m_dRPerMetre * l, g->m_dXPerMetre * l),
                      IDS_MOHMS, 1)
#undef TV_BUSDUCT_GROUP_TEXT

std::string CEleBusDuct::GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                                int unit) const {
    if (!GetGroup(group))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    const double r = group == 1 ? z.m_dR : group == 2 ? z.m_dRN : z.m_dRPE;
    return Ex(mode == 1 ? r - z.m_dRHalf : r, 4, unit, IDS_PERCENT_R, 1);
}

std::string CEleBusDuct::GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                                int unit) const {
    if (!GetGroup(group))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    const double x = group == 1 ? z.m_dX : group == 2 ? z.m_dXN : z.m_dXPE;
    return Ex(mode == 1 ? x - z.m_dXHalf : x, 4, unit, IDS_PERCENT_R, 1);
}

std::string CEleBusDuct::GetTextPercentZByGroup(uint32_t group, int mode, double baseCapacity,
                                                int unit) const {
    if (!GetGroup(group))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    double value = 0.0;
    if (group == 1)
        value = mode == 1 ? z.GetZLoop() : z.GetZ();
    else
        value = group == 2 ? z.GetZN() : z.GetZPE();
    return Ex(value, 4, unit, IDS_PERCENT_R, 1);
}

std::string CEleBusDuct::GetTextPercentZ(int mode, int unit) const {
    return condtext::GetTextPercentZ(m_calcPoint, mode, unit);
}

std::string CEleBusDuct::GetTextOhmR(int mode, double baseCapacity, int unit) const {
    return condtext::GetTextOhmR(m_calcPoint, m_nVoltage, mode, baseCapacity, unit);
}

std::string CEleBusDuct::GetTextIkSinglePhaseSym(int mode, int unit) const {
    return condtext::GetTextIkSinglePhaseSym(m_calcPoint, m_nVoltage, mode, unit);
}

std::string CEleBusDuct::GetTextIkSinglePhaseAsym(int mode, int unit) const {
    return condtext::GetTextIkSinglePhaseAsym(m_calcPoint, m_nVoltage, mode, unit);
}

std::string CEleBusDuct::GetTextPercentXTotal(int unit) const {
    return condtext::GetTextPercentXTotal(m_calcPoint, unit);
}

std::string CEleBusDuct::GetTextPercentZTotal(int unit) const {
    return condtext::GetTextPercentZTotal(m_calcPoint, unit);
}

std::string CEleBusDuct::GetTextIk1PETotal(int unit) const {
    return condtext::GetTextIk1PETotal(m_calcPoint, m_nVoltage, unit);
}

std::string CEleBusDuct::GetTextIk3Peak(int unit) const {
    return condtext::GetTextIk3Peak(m_calcPoint, m_nVoltage, unit);
}
