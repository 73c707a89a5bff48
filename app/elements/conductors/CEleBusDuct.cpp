#include "CEleBusDuct.h"

#include "app/calc/Impedance.h"
#include "app/elements/conductors/ConductorCalc.h"
#include "app/elements/conductors/ConductorEdit.h"
#include "app/elements/conductors/ConductorModel.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace condtext;

namespace {

constexpr unsigned IDS_SYMBOL_BUSDUCT = 25103;
constexpr unsigned IDS_BARE = 26503;
constexpr unsigned IDS_WITH_INSULATION = 26524;

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

// The table's data hold for 95 degC bars in 40 degC air only; other
// temperatures are refused, not derated.
int32_t CheckBasic(const CEleBusDuctBasic& b) {
    if (b.m_dMaxTemp != 95.0)
        return IDC_MAX_TEMP;
    if (b.m_dAmbientTemp != 40.0)
        return IDC_AMBIENT;
    if (!(b.m_dMaxTemp > b.m_dAmbientTemp))
        return IDC_AMBIENT;
    if (b.m_dLoadCurrent < 0.0)
        return IDC_LOAD_CURRENT;
    if (b.m_dLength < 0.0)
        return IDC_LENGTH;
    return 0;
}

} // namespace

CEleBusDuct::CEleBusDuct() : CEleFrame(fw::CRect(0, 0, 39, 159)) {}

uint32_t CEleBusDuct::SetWireSystem(uint32_t code) {
    return condmodel::SetWireSystem(*this, code);
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
    return condmodel::DoRotate(*this, pDC, mode);
}

void CEleBusDuct::DoReadZFromDB(int32_t frequency) {
    const double f = static_cast<double>(static_cast<uint32_t>(frequency));
    m_phase3.DoReadXForFrequency(f, m_basic);
    m_phaseN.DoReadXForFrequency(f, m_basic);
    m_phasePE.DoReadXForFrequency(f, m_basic);
}

CEleBusDuctPhase* CEleBusDuct::GetGroup(uint32_t group) {
    return condmodel::Group(*this, group);
}

const CEleBusDuctPhase* CEleBusDuct::GetGroup(uint32_t group) const {
    return condmodel::Group(*this, group);
}

void CEleBusDuct::DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group,
                                 uint32_t mode) const {
    condmodel::DoCalcGroupPercentZ(*this, out, baseCapacity, group, mode, 1.0);
}

void CEleBusDuct::DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const {
    DoCalcPercentZ(out, settings.dBaseCapacity, 1, 2);
}

void CEleBusDuct::DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const {
    condmodel::DoCalcPercentZNPE(*this, out, settings.dBaseCapacity);
}

double CEleBusDuct::DoCalcVoltageDrop() const {
    return condmodel::DoCalcVoltageDrop(m_nVoltage, m_nSinglePhase,
                                        m_phase3.m_dRPerMetre * m_basic.m_dLength,
                                        m_basic.m_dLoadCurrent);
}

int32_t CEleBusDuct::DoCheckData(uint32_t* page) const {
    return condmodel::DoCheckPages(*this, page, CheckBasic, CheckGroup);
}

int32_t CEleBusDuct::DoCheckCurrentCapacity(double current, uint32_t group) {
    const CEleBusDuctPhase* g = GetGroup(group);
    const double capacity = g ? g->m_dRatedCurrent : 0.0;
    return condmodel::DoMarkCurrentCapacity(m_nErrorMark, capacity, current);
}

void CEleBusDuct::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        condmodel::DoDrawLine(dc, c, m_rectSymbol, m_nHorizontal, m_nCalcPoint);
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
    return label + condmodel::LabelTail(*this, m_phase3.m_dRPerMetre * m_basic.m_dLength,
                                        m_phase3.m_dXPerMetre * m_basic.m_dLength, mode);
}

std::string CEleBusDuct::GetTextLabelV4(double baseCapacity) const {
    return condmodel::ImpedanceLabel(*this, baseCapacity, true);
}

fw::CRect CEleBusDuct::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV1, pDC, m_strName,
                                    GetTextLabel(settings.nMode));
}

void CEleBusDuct::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV1.DoDraw(pDC, m_strName, GetTextLabel(settings.nMode),
                       static_cast<int32_t>(m_nSelected));
}

fw::CRect CEleBusDuct::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV4, pDC, m_strName,
                                    GetTextLabelV4(settings.dBaseCapacity));
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
    return DLLGetTextByBeams(g->m_dWidth, 0) + Str(IDS_TIMES) +
           DLLGetTextByBeams(g->m_dThickness, 0) + Str(IDS_TIMES) +
           DLLGetTextByBeams(g->m_nNumber, 0);
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
TV_BUSDUCT_GROUP_TEXT(GetTextR, g->m_dRPerMetre* l, IDS_MOHMS, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextX, g->m_dXPerMetre* l, IDS_MOHMS, 1)
TV_BUSDUCT_GROUP_TEXT(GetTextZ, DoCalcMagnitude(g->m_dRPerMetre* l, g->m_dXPerMetre* l), IDS_MOHMS,
                      1)
#undef TV_BUSDUCT_GROUP_TEXT

std::string CEleBusDuct::GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                                int unit) const {
    return condmodel::GetTextPercentRByGroup(*this, group, mode, baseCapacity, unit);
}

std::string CEleBusDuct::GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                                int unit) const {
    return condmodel::GetTextPercentXByGroup(*this, group, mode, baseCapacity, unit);
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

TV_CONDUCTOR_POINT_TEXTS(CEleBusDuct)
