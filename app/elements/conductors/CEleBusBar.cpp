#include "CEleBusBar.h"

#include "app/calc/Impedance.h"
#include "app/elements/conductors/BusBarFormulas.h"
#include "app/elements/conductors/ConductorCalc.h"
#include "app/elements/conductors/ConductorEdit.h"
#include "app/elements/conductors/ConductorModel.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace condtext;

namespace {

constexpr unsigned IDS_SYMBOL_BUSBAR = 25095;
constexpr unsigned IDS_BARE = 26503;
constexpr unsigned IDS_VERTICAL = 26505;

// Control ids of the sheet's pages, which the data check names.
constexpr int32_t IDC_MAX_TEMP = 1107;
constexpr int32_t IDC_AMBIENT = 1130;
constexpr int32_t IDC_LOAD_CURRENT = 1192;
constexpr int32_t IDC_LENGTH = 1105;
constexpr int32_t IDC_DISTANCE = 1169;
constexpr int32_t IDC_SKIN_EFFECT = 1090;
constexpr int32_t IDC_R_PER_M = 1081;
constexpr int32_t IDC_X_PER_M = 1082;
constexpr int32_t IDC_BASIC_CURRENT = 1132;
constexpr int32_t IDC_TEMP_FACTOR = 1138;
constexpr int32_t IDC_INSTALL_FACTOR = 1136;
constexpr int32_t IDC_PROXIMITY_FACTOR = 1134;

bool NotPositive(double value) {
    return !(value > 0.0);
}

int32_t CheckGroup(const CEleBusBarPhase& g) {
    if (g.m_nDistance <= 0)
        return IDC_DISTANCE;
    const struct {
        double value;
        int32_t id;
    } values[] = {{g.m_dSkinEffect, IDC_SKIN_EFFECT},
                  {g.m_dRPerMetre, IDC_R_PER_M},
                  {g.m_dXPerMetre, IDC_X_PER_M},
                  {g.m_dBasicCurrent, IDC_BASIC_CURRENT},
                  {g.m_dTemperatureFactor, IDC_TEMP_FACTOR},
                  {g.m_dInstallationFactor, IDC_INSTALL_FACTOR},
                  {g.m_dProximityFactor, IDC_PROXIMITY_FACTOR}};
    for (const auto& v : values)
        if (NotPositive(v.value))
            return v.id;
    return 0;
}

// Different unless equal: a value without a number differs from itself.
int32_t Changed(double inUse, double calculated) {
    return inUse == calculated ? 0 : 1;
}

std::string SizeText(const CEleBusBarPhase& g) {
    return DLLGetTextByBeams(g.m_nWidth, 0) + Str(IDS_TIMES) +
           DLLGetTextByBeams(g.m_nThickness, 0) + Str(IDS_TIMES) +
           DLLGetTextByBeams(g.m_nNumber, 0);
}

int32_t CheckBasic(const CEleBusBarBasic& b) {
    if (b.m_dMaxTemp < 50.0 || b.m_dMaxTemp > 125.0)
        return IDC_MAX_TEMP;
    if (b.m_dAmbientTemp < 0.0 || b.m_dAmbientTemp > 65.0)
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

CEleBusBar::CEleBusBar() : CEleFrame(fw::CRect(0, 0, 39, 159)) {}

uint32_t CEleBusBar::SetWireSystem(uint32_t code) {
    return condmodel::SetWireSystem(*this, code);
}

uint32_t CEleBusBar::SetEarthingSystem(uint32_t code) {
    return condmodel::SetEarthingSystem(*this, code);
}

void CEleBusBar::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_nHorizontal << m_nVoltage << m_nCalcPoint << m_nErrorMark << m_nActivePage;
    else
        ar >> m_nHorizontal >> m_nVoltage >> m_nCalcPoint >> m_nErrorMark >> m_nActivePage;
    m_calcPoint.Serialize(ar);
    m_basic.Serialize(ar);
    m_phase3.Serialize(ar);
    m_phaseN.Serialize(ar);
    m_phasePE.Serialize(ar);
    SerializeRefLists(ar);
    SerializeFrom<uint32_t>(ar, 1.1, m_nEarthing, 0);
    SerializeFrom<uint32_t>(ar, 1.2, m_nSinglePhase, 0);
}

void CEleBusBar::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_SYMBOL_BUSBAR), args))
        return;
    m_basic.m_nWireSystem = m_nWireSystem;
    m_basic.m_dMaxTemp = 65.0;
    m_basic.m_dAmbientTemp = 35.0;
    m_basic.m_dLoadCurrent = 0.0;
    m_basic.m_nMaterial = 1;
    m_basic.m_dLength = 0.0;
    m_basic.m_nSurface = 1;
    m_basic.m_nInstallation = 1;
    const double frequency = args.nFrequency;
    m_phase3.DoSetDefault(frequency, m_basic);
    m_phaseN.DoSetDefault(frequency, m_basic);
    m_phasePE.DoSetDefault(frequency, m_basic);
    m_nCalcPoint = 0;
}

int32_t CEleBusBar::DoEditElement(const CEleEditContext& ctx) {
    return DoEditConductor(*this, ctx);
}

fw::CRect CEleBusBar::DoRotate(fw::CDC* pDC, int32_t mode) {
    return condmodel::DoRotate(*this, pDC, mode);
}

void CEleBusBar::DoReadZFromDB(int32_t frequency) {
    const double f = static_cast<double>(static_cast<uint32_t>(frequency));
    m_phase3.DoReadXForFrequency(f);
    m_phaseN.DoReadXForFrequency(f);
    m_phasePE.DoReadXForFrequency(f);
}

CEleBusBarPhase* CEleBusBar::GetGroup(uint32_t group) {
    return condmodel::Group(*this, group);
}

const CEleBusBarPhase* CEleBusBar::GetGroup(uint32_t group) const {
    return condmodel::Group(*this, group);
}

void CEleBusBar::DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group,
                                uint32_t mode) const {
    condmodel::DoCalcGroupPercentZ(*this, out, baseCapacity, group, mode, 1.0);
}

void CEleBusBar::DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const {
    DoCalcPercentZ(out, settings.dBaseCapacity, 1, 2);
}

void CEleBusBar::DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const {
    condmodel::DoCalcPercentZNPE(*this, out, settings.dBaseCapacity);
}

double CEleBusBar::DoCalcVoltageDrop() const {
    return condmodel::DoCalcVoltageDrop(m_nVoltage, m_nSinglePhase,
                                        m_phase3.m_dRPerMetre * m_basic.m_dLength,
                                        m_basic.m_dLoadCurrent);
}

int32_t CEleBusBar::DoCheckData(uint32_t* page) const {
    return condmodel::DoCheckPages(*this, page, CheckBasic, CheckGroup);
}

int32_t CEleBusBar::DoCheckCurrentCapacity(double current, uint32_t group) {
    const CEleBusBarPhase* g = GetGroup(group);
    const double iz = g ? g->GetCurrentCapacity() : 0.0;
    // A capacity without a value (temperature factor of a maximum below the
    // ambient) carries nothing: only a capacity that compares as at least
    // the current passes.
    return condmodel::DoMarkCurrentCapacity(m_nErrorMark, iz, current);
}

void CEleBusBar::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        condmodel::DoDrawLine(dc, c, m_rectSymbol, m_nHorizontal, m_nCalcPoint);
    });
}

std::string CEleBusBar::GetTextLabel(int32_t mode) const {
    std::string label = GetTextGroupName(1) + SizeText(m_phase3);
    const uint32_t ws = m_basic.m_nWireSystem;
    if (ws != 1)
        label += "\r\n" + GetTextGroupName(2) + SizeText(m_phaseN);
    if (ws != 1 && ws != 2)
        label += "\r\n" + GetTextGroupName(3) + SizeText(m_phasePE);
    return label + condmodel::LabelTail(*this, m_phase3.m_dRPerMetre * m_basic.m_dLength,
                                        m_phase3.m_dXPerMetre * m_basic.m_dLength, mode);
}

std::string CEleBusBar::GetTextLabelV4(double baseCapacity) const {
    return condmodel::ImpedanceLabel(*this, baseCapacity, false);
}

fw::CRect CEleBusBar::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV1, pDC, m_strName,
                                    GetTextLabel(settings.nMode));
}

void CEleBusBar::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV1.DoDraw(pDC, m_strName, GetTextLabel(settings.nMode),
                       static_cast<int32_t>(m_nSelected));
}

fw::CRect CEleBusBar::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV4, pDC, m_strName,
                                    GetTextLabelV4(settings.dBaseCapacity));
}

void CEleBusBar::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV4.DoDraw(pDC, m_strName, GetTextLabelV4(settings.dBaseCapacity),
                       static_cast<int32_t>(m_nSelected));
}

#define TV_BUSBAR_CHANGED(name, use, calc)                                                         \
    int32_t CEleBusBar::name(uint32_t group) const {                                               \
        const CEleBusBarPhase* g = GetGroup(group);                                                \
        return g ? Changed(g->use, g->calc) : 1;                                                   \
    }
TV_BUSBAR_CHANGED(IsChangedSkinEffect, m_dSkinEffect, m_dSkinEffectCalc)
TV_BUSBAR_CHANGED(IsChangedRPerMetre, m_dRPerMetre, m_dRPerMetreCalc)
TV_BUSBAR_CHANGED(IsChangedXPerMetre, m_dXPerMetre, m_dXPerMetreCalc)
TV_BUSBAR_CHANGED(IsChangedBasicCurrent, m_dBasicCurrent, m_dBasicCurrentCalc)
TV_BUSBAR_CHANGED(IsChangedTemperatureFactor, m_dTemperatureFactor, m_dTemperatureFactorCalc)
TV_BUSBAR_CHANGED(IsChangedInstallationFactor, m_dInstallationFactor, m_dInstallationFactorCalc)
TV_BUSBAR_CHANGED(IsChangedProximityFactor, m_dProximityFactor, m_dProximityFactorCalc)
#undef TV_BUSBAR_CHANGED

// ---- Report texts ----

std::string CEleBusBar::GetTextGroupName(uint32_t group) const {
    return GroupName(group, m_nSinglePhase);
}

std::string CEleBusBar::GetTextSize(uint32_t group) const {
    const CEleBusBarPhase* g = GetGroup(group);
    return g ? SizeText(*g) : std::string();
}

std::string CEleBusBar::GetTextMaterial() const {
    return MaterialText(m_basic.m_nMaterial);
}

std::string CEleBusBar::GetTextSurface() const {
    const uint32_t code = m_basic.m_nSurface;
    return code == 1 || code == 2 ? Str(IDS_BARE + code - 1) : std::string();
}

std::string CEleBusBar::GetTextInstallation() const {
    const uint32_t code = m_basic.m_nInstallation;
    return code == 1 || code == 2 ? Str(IDS_VERTICAL + code - 1) : std::string();
}

std::string CEleBusBar::GetTextMaxTemp(int unit) const {
    return Beams(m_basic.m_dMaxTemp, unit, IDS_DEGREE);
}

std::string CEleBusBar::GetTextAmbientTemp(int unit) const {
    return Beams(m_basic.m_dAmbientTemp, unit, IDS_DEGREE);
}

std::string CEleBusBar::GetTextLoadCurrent(int unit) const {
    return Beams(m_basic.m_dLoadCurrent, unit, IDS_AMPERE);
}

std::string CEleBusBar::GetTextLength(int unit) const {
    return Beams(m_basic.m_dLength, unit, IDS_METRE);
}

std::string CEleBusBar::GetTextVoltage(int unit) const {
    return VoltageText(m_nVoltage, m_nSinglePhase, unit);
}

std::string CEleBusBar::GetTextVoltageDrop(int unit) const {
    return Ex(DoCalcVoltageDrop(), 4, unit, IDS_PERCENT, 1);
}

#define TV_BUSBAR_FACTOR_TEXT(name, field)                                                         \
    std::string CEleBusBar::name(uint32_t group) const {                                           \
        const CEleBusBarPhase* g = GetGroup(group);                                                \
        return g ? Ex(g->field, 4, 0, 0, 1) : std::string();                                       \
    }
TV_BUSBAR_FACTOR_TEXT(GetTextSkinEffect, m_dSkinEffect)
TV_BUSBAR_FACTOR_TEXT(GetTextTemperatureFactor, m_dTemperatureFactor)
TV_BUSBAR_FACTOR_TEXT(GetTextInstallationFactor, m_dInstallationFactor)
TV_BUSBAR_FACTOR_TEXT(GetTextProximityFactor, m_dProximityFactor)
#undef TV_BUSBAR_FACTOR_TEXT

#define TV_BUSBAR_GROUP_TEXT(name, expr, unitId, noData)                                           \
    std::string CEleBusBar::name(uint32_t group, int unit) const {                                 \
        const CEleBusBarPhase* g = GetGroup(group);                                                \
        if (!g)                                                                                    \
            return std::string();                                                                  \
        const double l = m_basic.m_dLength;                                                        \
        (void)l;                                                                                   \
        return Ex(expr, 4, unit, unitId, noData);                                                  \
    }
TV_BUSBAR_GROUP_TEXT(GetTextBasicCurrent, g->m_dBasicCurrent, IDS_AMPERE, 1)
TV_BUSBAR_GROUP_TEXT(GetTextIz, g->GetCurrentCapacity(), IDS_AMPERE, 1)
TV_BUSBAR_GROUP_TEXT(GetTextRPerMetre, g->m_dRPerMetre, IDS_MOHMS_PER_M, 1)
TV_BUSBAR_GROUP_TEXT(GetTextXPerMetre, g->m_dXPerMetre, IDS_MOHMS_PER_M, 1)
TV_BUSBAR_GROUP_TEXT(GetTextZPerMetre, DoCalcMagnitude(g->m_dRPerMetre, g->m_dXPerMetre),
                     IDS_MOHMS_PER_M, 0)
TV_BUSBAR_GROUP_TEXT(GetTextR, g->m_dRPerMetre* l, IDS_MOHMS, 1)
TV_BUSBAR_GROUP_TEXT(GetTextX, g->m_dXPerMetre* l, IDS_MOHMS, 1)
TV_BUSBAR_GROUP_TEXT(GetTextZ, DoCalcMagnitude(g->m_dRPerMetre* l, g->m_dXPerMetre* l), IDS_MOHMS,
                     1)
#undef TV_BUSBAR_GROUP_TEXT

std::string CEleBusBar::GetTextCentreDistance(uint32_t group, int unit) const {
    const CEleBusBarPhase* g = GetGroup(group);
    return g ? Beams(g->m_nDistance, unit, IDS_MM) : std::string();
}

std::string CEleBusBar::GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                               int unit) const {
    return condmodel::GetTextPercentRByGroup(*this, group, mode, baseCapacity, unit);
}

std::string CEleBusBar::GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                               int unit) const {
    return condmodel::GetTextPercentXByGroup(*this, group, mode, baseCapacity, unit);
}

std::string CEleBusBar::GetTextPercentZByGroup(uint32_t group, int mode, double baseCapacity,
                                               int unit) const {
    if (!GetGroup(group))
        return std::string();
    CPercentZ z;
    DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    double value = 0.0;
    if (group == 1)
        value = mode == 1 ? DoCalcMagnitude(z.m_dR + z.m_dRHalf, z.m_dX + z.m_dXHalf) : z.GetZ();
    else
        value = group == 2 ? z.GetZN() : z.GetZPE();
    return Ex(value, 4, unit, IDS_PERCENT_R, 1);
}

std::string CEleBusBar::GetTextPercentR(int mode, int unit) const {
    const CPercentZ& z = m_calcPoint.m_zSource;
    return Ex(mode == 1 ? z.m_dR - z.m_dRHalf : z.m_dR, 4, unit, IDS_PERCENT_R);
}

std::string CEleBusBar::GetTextOhmZ(int mode, double baseCapacity, int unit) const {
    const CPercentZ& z = m_calcPoint.m_zSource;
    double r = 0.0;
    double x = 0.0;
    if (mode == 1) {
        r = DoCalcOhmsFromPercent(m_nVoltage / 2, baseCapacity, z.m_dR - z.m_dRHalf);
        x = DoCalcOhmsFromPercent(m_nVoltage / 2, baseCapacity, z.m_dX - z.m_dXHalf);
    } else {
        r = DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, z.m_dR);
        x = DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, z.m_dX);
    }
    return Ex(DoCalcMagnitude(r, x), 4, unit, IDS_MOHMS);
}

std::string CEleBusBar::GetTextOhmZTotal(double baseCapacity, int unit) const {
    CPercentZ total;
    m_calcPoint.GetPercentZ3Total(total);
    const double r = DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, total.m_dR);
    const double x = DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, total.m_dX);
    return Ex(DoCalcMagnitude(r, x), 4, unit, IDS_MOHMS);
}

std::string CEleBusBar::GetTextIk3Sym(int unit) const {
    return condtext::GetTextIk3Sym(m_calcPoint, m_nVoltage, unit);
}

std::string CEleBusBar::GetTextIk3Asym(int unit) const {
    return condtext::GetTextIk3Asym(m_calcPoint, m_nVoltage, unit);
}

std::string CEleBusBar::GetTextIk1NTotal(int unit) const {
    return condtext::GetTextIk1NTotal(m_calcPoint, m_nVoltage, unit);
}

std::string CEleBusBar::GetTextIk2Total(int unit) const {
    return condtext::GetTextIk2Total(m_calcPoint, m_nVoltage, unit);
}

std::string CEleBusBar::GetTextForceNm(int unit) const {
    return GetTextForce(GetPeakCurrent(m_calcPoint, m_nVoltage, m_nSinglePhase),
                        2 * m_phase3.m_nDistance, 0.001, unit, IDS_NEWTON_PER_M);
}

std::string CEleBusBar::GetTextForceKgf(int unit) const {
    return GetTextForce(GetPeakCurrent(m_calcPoint, m_nVoltage, m_nSinglePhase),
                        2 * m_phase3.m_nDistance, 9.8, unit, IDS_KGF_PER_MM);
}

TV_CONDUCTOR_POINT_TEXTS(CEleBusBar)
