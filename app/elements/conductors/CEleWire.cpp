#include "CEleWire.h"

#include "app/calc/Impedance.h"
#include "app/elements/conductors/ConductorCalc.h"
#include "app/elements/conductors/ConductorEdit.h"
#include "app/elements/conductors/ConductorModel.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "app/elements/conductors/WireFormulas.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace condtext;

namespace {

constexpr unsigned IDS_SYMBOL_WIRE = 25096;
constexpr unsigned IDS_INSULATION_PVC = 26150;
constexpr unsigned IDS_CORE_SINGLE = 26152;
constexpr unsigned IDS_METHOD_E = 26154;
constexpr unsigned IDS_NG_SHORT_CIRCUIT = 26159;

// Control ids of the sheet's pages, which the data check names.
constexpr int32_t IDC_AMBIENT = 1130;
constexpr int32_t IDC_LOAD_CURRENT = 1192;
constexpr int32_t IDC_LENGTH = 1105;
constexpr int32_t IDC_CORE_SIZE = 1177;
constexpr int32_t IDC_R_PER_M = 1081;
constexpr int32_t IDC_DIAMETER = 1139;
constexpr int32_t IDC_INSULATION = 1124;
constexpr int32_t IDC_DISTANCE = 1169;
constexpr int32_t IDC_X_PER_M = 1082;
constexpr int32_t IDC_BASIC_CURRENT = 1132;
constexpr int32_t IDC_AMBIENT_FACTOR = 1138;
constexpr int32_t IDC_GROUP_FACTOR = 1140;

// A value that is not above 0 (a value without a number included).
bool NotPositive(double value) {
    return !(value > 0.0);
}

int32_t CheckGroupValues(const CEleWirePhase& g, double minSize, double maxSize) {
    if (g.m_dCoreSize < minSize || g.m_dCoreSize > maxSize)
        return IDC_CORE_SIZE;
    const struct {
        double value;
        int32_t id;
    } values[] = {{g.m_dRPerMetre, IDC_R_PER_M},
                  {g.m_dDiameter, IDC_DIAMETER},
                  {g.m_dInsulation, IDC_INSULATION},
                  {g.m_dDistance, IDC_DISTANCE},
                  {g.m_dXPerMetre, IDC_X_PER_M},
                  {g.m_dBasicCurrent, IDC_BASIC_CURRENT},
                  {g.m_dAmbientFactor, IDC_AMBIENT_FACTOR},
                  {g.m_dGroupFactor, IDC_GROUP_FACTOR}};
    for (const auto& v : values)
        if (NotPositive(v.value))
            return v.id;
    return 0;
}

int32_t Changed(double inUse, double calculated) {
    return inUse != calculated ? 1 : 0;
}

} // namespace

CEleWire::CEleWire() : CEleFrame(fw::CRect(0, 0, 39, 159)) {}

uint32_t CEleWire::SetWireSystem(uint32_t code) {
    return condmodel::SetWireSystem(*this, code);
}

uint32_t CEleWire::SetEarthingSystem(uint32_t code) {
    return condmodel::SetEarthingSystem(*this, code);
}

void CEleWire::Serialize(fw::CArchive& ar) {
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
    // The protection check's settings came with 1.1: older files have done
    // no check and take one cycle for each fault.
    if (ar.IsStoring() || GetFileVersionNumber(ar) >= 1.1) {
        if (ar.IsStoring())
            ar << m_nEarthing << m_nFailingGroup << m_nCheckDone << m_dDuration[0] << m_dDuration[1]
               << m_dDuration[2] << m_nCheckMode << m_nEnergySource;
        else
            ar >> m_nEarthing >> m_nFailingGroup >> m_nCheckDone >> m_dDuration[0] >>
                m_dDuration[1] >> m_dDuration[2] >> m_nCheckMode >> m_nEnergySource;
    } else {
        m_nEarthing = 0;
        m_nFailingGroup = 0;
        m_nCheckDone = 0;
        m_dDuration[0] = m_dDuration[1] = m_dDuration[2] = 1.0;
        m_nCheckMode = 0;
        m_nEnergySource = 0;
    }
    SerializeFrom<uint32_t>(ar, 1.2, m_nSinglePhase, 0);
}

void CEleWire::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_SYMBOL_WIRE), args))
        return;
    m_basic.m_nWireSystem = m_nWireSystem;
    m_basic.m_dAmbientTemp = 30.0;
    m_basic.m_dLoadCurrent = 0.0;
    m_basic.m_dLength = 0.0;
    m_basic.m_nMaterial = 1;
    m_basic.m_nInsulation = 1;
    m_basic.m_nCoreKind = 2;
    m_basic.m_nMethod = 5;
    m_basic.m_nCircuits = 1;
    const double frequency = args.nFrequency;
    m_phase3.DoSetDefault(frequency, m_basic);
    m_phaseN.DoSetDefault(frequency, m_basic);
    m_phasePE.DoSetDefault(frequency, m_basic);
    m_dDuration[0] = m_dDuration[1] = m_dDuration[2] = 1.0;
    m_nCalcPoint = 0;
    m_nCheckDone = 0;
    m_nCheckMode = 0;
    m_nEnergySource = 0;
}

int32_t CEleWire::DoEditElement(const CEleEditContext& ctx) {
    // An accepted edit clears the protection check's verdict.
    return DoEditConductor(*this, ctx, [this] { m_nFailingGroup = 0; });
}

fw::CRect CEleWire::DoRotate(fw::CDC* pDC, int32_t mode) {
    return condmodel::DoRotate(*this, pDC, mode);
}

void CEleWire::DoReadZFromDB(int32_t frequency) {
    const double f = static_cast<double>(static_cast<uint32_t>(frequency));
    m_phase3.DoReadXForFrequency(f);
    m_phaseN.DoReadXForFrequency(f);
    m_phasePE.DoReadXForFrequency(f);
}

CEleWirePhase* CEleWire::GetGroup(uint32_t group) {
    return condmodel::Group(*this, group);
}

const CEleWirePhase* CEleWire::GetGroup(uint32_t group) const {
    return condmodel::Group(*this, group);
}

void CEleWire::DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group,
                              uint32_t mode) const {
    const CEleWirePhase* g = GetGroup(group);
    condmodel::DoCalcGroupPercentZ(*this, out, baseCapacity, group, mode, g ? g->m_nCores : 1.0);
}

void CEleWire::DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const {
    DoCalcPercentZ(out, settings.dBaseCapacity, 1, 2);
}

void CEleWire::DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const {
    condmodel::DoCalcPercentZNPE(*this, out, settings.dBaseCapacity);
}

double CEleWire::DoCalcVoltageDrop() const {
    if (m_nVoltage < 1 || m_phase3.m_nCores == 0)
        return 0.0;
    const double r = m_phase3.m_dRPerMetre * m_basic.m_dLength / m_phase3.m_nCores;
    const double i = m_basic.m_dLoadCurrent;
    if (m_nSinglePhase == 1)
        return 2.0 * r * i * 100.0 / 1000.0 / m_nVoltage;
    return std::sqrt(3.0) * i * r * 100.0 / 1000.0 / m_nVoltage;
}

int32_t CEleWire::DoCheckBasic() const {
    if (m_basic.m_dAmbientTemp < 0.0)
        return IDC_AMBIENT;
    if (m_basic.m_dLoadCurrent < 0.0)
        return IDC_LOAD_CURRENT;
    if (m_basic.m_dLength < 0.0)
        return IDC_LENGTH;
    return 0;
}

void CEleWire::GetGroupSizeRange(uint32_t group, double& minSize, double& maxSize) const {
    GetWireSizeRange(m_basic.m_nMaterial, m_basic.m_nCoreKind, minSize, maxSize);
    // Only the minima of the N and PE ranges count; their maxima are the
    // wire's own.
    double unused = 0.0;
    if (group == 2)
        GetNeutralSizeRange(m_basic.m_nMaterial, m_phase3.m_dCoreSize, minSize, unused);
    else if (group == 3)
        GetProtectiveSizeRange(m_phase3.m_dCoreSize * m_phase3.m_nCores, minSize, unused);
}

int32_t CEleWire::DoCheckData(uint32_t* group) const {
    const uint32_t which = group ? *group : 0;
    const bool all = which == 0;
    int32_t id = 0;
    uint32_t failing = 0;
    auto take = [&](int32_t found, uint32_t g) {
        if (found != 0) {
            id = found;
            failing = g;
        }
    };
    if (all)
        take(DoCheckBasic(), 0);
    const uint32_t ws = m_basic.m_nWireSystem;
    for (uint32_t g = 1; g <= 3; ++g) {
        const bool has = g == 1 || (g == 2 && (ws == 2 || ws == 3)) || (g == 3 && ws == 3);
        if ((all && has) || which == g) {
            double minSize = 0.0;
            double maxSize = 0.0;
            GetGroupSizeRange(g, minSize, maxSize);
            take(CheckGroupValues(*GetGroup(g), minSize, maxSize), g);
        }
    }
    if (id != 0 && group)
        *group = failing;
    return id;
}

int32_t CEleWire::DoCheckCurrentCapacity(double current, uint32_t group) {
    const CEleWirePhase* g = GetGroup(group);
    const double iz = g ? g->GetCurrentCapacity() : 0.0;
    return condmodel::DoMarkCurrentCapacity(m_nErrorMark, iz, current);
}

void CEleWire::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        condmodel::DoDrawLine(dc, c, m_rectSymbol, m_nHorizontal, m_nCalcPoint);
    });
}

std::string CEleWire::GetTextNameLine() const {
    if (m_nFailingGroup >= 1 && m_nFailingGroup <= 3)
        return m_strName + "\r\n" + Str(IDS_NG_SHORT_CIRCUIT);
    return m_strName;
}

std::string CEleWire::GetTextLabel(int32_t mode) const {
    auto sizeLine = [this](uint32_t group) {
        const CEleWirePhase* g = GetGroup(group);
        return GetTextGroupName(group) + DLLGetTextByBeams(g->m_dCoreSize, 0) + Str(IDS_MM2) +
               Str(IDS_TIMES) + DLLGetTextByBeams(g->m_nCores, 0);
    };
    std::string label = sizeLine(1);
    if (m_basic.m_nWireSystem != 1)
        label += "\r\n" + sizeLine(2);
    if (m_basic.m_nWireSystem == 3)
        label += "\r\n" + sizeLine(3);
    return label + condmodel::LabelTail(*this, GroupR(1), GroupX(1), mode);
}

std::string CEleWire::GetTextImpedance(double baseCapacity) const {
    return condmodel::ImpedanceLabel(*this, baseCapacity, false);
}

fw::CRect CEleWire::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV1, pDC, GetTextNameLine(),
                                    GetTextLabel(settings.nMode));
}

void CEleWire::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV1.DoDraw(pDC, GetTextNameLine(), GetTextLabel(settings.nMode),
                       static_cast<int32_t>(m_nSelected));
}

fw::CRect CEleWire::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return condmodel::DoLayoutLabel(*this, m_listRefV4, pDC, m_strName,
                                    GetTextImpedance(settings.dBaseCapacity));
}

void CEleWire::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    m_listRefV4.DoDraw(pDC, m_strName, GetTextImpedance(settings.dBaseCapacity),
                       static_cast<int32_t>(m_nSelected));
}

// ---- Changed tests ----

#define TV_WIRE_CHANGED(name, use, calc)                                                           \
    int32_t CEleWire::name(uint32_t group) const {                                                 \
        const CEleWirePhase* g = GetGroup(group);                                                  \
        return g ? Changed(g->use, g->calc) : 1;                                                   \
    }
TV_WIRE_CHANGED(IsChangedRPerMetre, m_dRPerMetre, m_dRPerMetreCalc)
TV_WIRE_CHANGED(IsChangedDiameter, m_dDiameter, m_dDiameterCalc)
TV_WIRE_CHANGED(IsChangedInsulation, m_dInsulation, m_dInsulationCalc)
TV_WIRE_CHANGED(IsChangedCentreDistance, m_dDistance, m_dDistanceCalc)
TV_WIRE_CHANGED(IsChangedXPerMetre, m_dXPerMetre, m_dXPerMetreCalc)
TV_WIRE_CHANGED(IsChangedBasicCurrent, m_dBasicCurrent, m_dBasicCurrentCalc)
TV_WIRE_CHANGED(IsChangedAmbientFactor, m_dAmbientFactor, m_dAmbientFactorCalc)
TV_WIRE_CHANGED(IsChangedGroupFactor, m_dGroupFactor, m_dGroupFactorCalc)
#undef TV_WIRE_CHANGED

// ---- Report texts ----

double CEleWire::GroupR(uint32_t group) const {
    const CEleWirePhase* g = GetGroup(group);
    if (!g || g->m_nCores == 0)
        return 0.0;
    return g->m_dRPerMetre * m_basic.m_dLength / g->m_nCores;
}

double CEleWire::GroupX(uint32_t group) const {
    const CEleWirePhase* g = GetGroup(group);
    if (!g || g->m_nCores == 0)
        return 0.0;
    return g->m_dXPerMetre * m_basic.m_dLength / g->m_nCores;
}

std::string CEleWire::GetTextGroupName(uint32_t group) const {
    return GroupName(group, m_nSinglePhase);
}

std::string CEleWire::GetTextMaterial() const {
    return MaterialText(m_basic.m_nMaterial);
}

std::string CEleWire::GetTextInsulation() const {
    const uint32_t code = m_basic.m_nInsulation;
    return code == 1 || code == 2 ? Str(IDS_INSULATION_PVC + code - 1) : std::string();
}

std::string CEleWire::GetTextCoreKind() const {
    const uint32_t code = m_basic.m_nCoreKind;
    return code == 1 || code == 2 ? Str(IDS_CORE_SINGLE + code - 1) : std::string();
}

std::string CEleWire::GetTextInstallMethod() const {
    const uint32_t code = m_basic.m_nMethod;
    return code >= 5 && code <= 7 ? Str(IDS_METHOD_E + code - 5) : std::string();
}

std::string CEleWire::GetTextCircuitCount() const {
    return DLLGetTextByBeams(m_basic.m_nCircuits, 0);
}

std::string CEleWire::GetTextAmbientTemp(int unit) const {
    return Beams(m_basic.m_dAmbientTemp, unit, IDS_DEGREE);
}

std::string CEleWire::GetTextLoadCurrent(int unit) const {
    return Beams(m_basic.m_dLoadCurrent, unit, IDS_AMPERE);
}

std::string CEleWire::GetTextVoltage(int unit) const {
    return VoltageText(m_nVoltage, m_nSinglePhase, unit);
}

std::string CEleWire::GetTextLength(int unit) const {
    return Beams(m_basic.m_dLength, unit, IDS_METRE);
}

std::string CEleWire::GetTextVoltageDrop(int unit) const {
    return Ex(DoCalcVoltageDrop(), 4, unit, IDS_PERCENT, 0, true);
}

std::string CEleWire::GetTextCoreSize(uint32_t group, int unit) const {
    const CEleWirePhase* g = GetGroup(group);
    if (!g)
        return std::string();
    std::string text = Beams(g->m_dCoreSize, unit, IDS_MM2, 1);
    return text + Str(IDS_TIMES) + DLLGetTextByBeams(g->m_nCores, 0);
}

std::string CEleWire::GetTextCoreCount(uint32_t group) const {
    const CEleWirePhase* g = GetGroup(group);
    return g ? DLLGetTextByBeams(g->m_nCores, 0) : std::string();
}

#define TV_WIRE_GROUP_TEXT(name, expr, digits, unitId)                                             \
    std::string CEleWire::name(uint32_t group, int unit) const {                                   \
        const CEleWirePhase* g = GetGroup(group);                                                  \
        if (!g)                                                                                    \
            return std::string();                                                                  \
        return Ex(expr, digits, unit, unitId, 1);                                                  \
    }
TV_WIRE_GROUP_TEXT(GetTextDiameter, g->m_dDiameter, 4, IDS_MM)
TV_WIRE_GROUP_TEXT(GetTextInsulationThickness, g->m_dInsulation, 4, IDS_MM)
TV_WIRE_GROUP_TEXT(GetTextCentreDistance, g->m_dDistance, 4, IDS_MM)
TV_WIRE_GROUP_TEXT(GetTextRPerMetre, g->m_dRPerMetre, 4, IDS_MOHMS_PER_M)
TV_WIRE_GROUP_TEXT(GetTextXPerMetre, g->m_dXPerMetre, 4, IDS_MOHMS_PER_M)
TV_WIRE_GROUP_TEXT(GetTextRPerMetrePhase, g->m_nCores ? g->m_dRPerMetre / g->m_nCores : 0.0, 4,
                   IDS_MOHMS_PER_M)
TV_WIRE_GROUP_TEXT(GetTextXPerMetrePhase, g->m_nCores ? g->m_dXPerMetre / g->m_nCores : 0.0, 4,
                   IDS_MOHMS_PER_M)
TV_WIRE_GROUP_TEXT(GetTextZPerMetrePhase,
                   g->m_nCores ? DoCalcMagnitude(g->m_dRPerMetre, g->m_dXPerMetre) / g->m_nCores
                               : 0.0,
                   4, IDS_MOHMS_PER_M)
TV_WIRE_GROUP_TEXT(GetTextR, GroupR(group), 4, IDS_MOHMS)
TV_WIRE_GROUP_TEXT(GetTextX, GroupX(group), 4, IDS_MOHMS)
TV_WIRE_GROUP_TEXT(GetTextZ, DoCalcMagnitude(GroupR(group), GroupX(group)), 4, IDS_MOHMS)
TV_WIRE_GROUP_TEXT(GetTextBasicCurrent, g->m_dBasicCurrent, 4, IDS_AMPERE)
TV_WIRE_GROUP_TEXT(GetTextIz, g->GetCurrentCapacity(), 4, IDS_AMPERE)
#undef TV_WIRE_GROUP_TEXT

std::string CEleWire::GetTextAmbientFactor(uint32_t group) const {
    const CEleWirePhase* g = GetGroup(group);
    return g ? Ex(g->m_dAmbientFactor, 4, 0, 0, 1) : std::string();
}

std::string CEleWire::GetTextGroupFactor(uint32_t group) const {
    const CEleWirePhase* g = GetGroup(group);
    return g ? Ex(g->m_dGroupFactor, 4, 0, 0, 1) : std::string();
}

std::string CEleWire::GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                             int unit) const {
    return condmodel::GetTextPercentRByGroup(*this, group, mode, baseCapacity, unit);
}

std::string CEleWire::GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                             int unit) const {
    return condmodel::GetTextPercentXByGroup(*this, group, mode, baseCapacity, unit);
}

std::string CEleWire::GetTextPercentZByGroup(uint32_t group, int mode, double baseCapacity,
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

std::string CEleWire::GetTextPercentX(int mode, int unit) const {
    const CPercentZ& z = m_calcPoint.m_zSource;
    return Ex(mode == 1 ? z.m_dX - z.m_dXHalf : z.m_dX, 4, unit, IDS_PERCENT_R);
}

std::string CEleWire::GetTextOhmX(int mode, int unit) const {
    const CPercentZ& z = m_calcPoint.m_zSource;
    const double base = m_calcPoint.m_dBaseCapacity;
    const double ohms = mode == 1 ? DoCalcOhmsFromPercent(m_nVoltage / 2, base, z.m_dX - z.m_dXHalf)
                                  : DoCalcOhmsFromPercent(m_nVoltage, base, z.m_dX);
    return Ex(ohms, 4, unit, IDS_MOHMS);
}

std::string CEleWire::GetTextPercentRTotal(int unit) const {
    CPercentZ total;
    m_calcPoint.GetPercentZ3Total(total);
    return Ex(total.m_dR, 4, unit, IDS_PERCENT_R);
}

std::string CEleWire::GetTextOhmRTotal(int unit) const {
    CPercentZ total;
    m_calcPoint.GetPercentZ3Total(total);
    return Ex(DoCalcOhmsFromPercent(m_nVoltage, m_calcPoint.m_dBaseCapacity, total.m_dR), 4, unit,
              IDS_MOHMS);
}

std::string CEleWire::GetTextOhmXTotal(int unit) const {
    CPercentZ total;
    m_calcPoint.GetPercentZ3Total(total);
    return Ex(DoCalcOhmsFromPercent(m_nVoltage, m_calcPoint.m_dBaseCapacity, total.m_dX), 4, unit,
              IDS_MOHMS);
}

std::string CEleWire::GetTextIk1NTotal(int unit) const {
    return condtext::GetTextIk1NTotal(m_calcPoint, m_nVoltage, unit);
}

std::string CEleWire::GetTextIk2Total(int unit) const {
    return condtext::GetTextIk2Total(m_calcPoint, m_nVoltage, unit);
}

std::string CEleWire::GetTextIkPeakSinglePhase(int mode, int unit) const {
    if (m_nSinglePhase != 1)
        return std::string();
    return condtext::GetTextIkPeakSinglePhase(m_calcPoint, m_nVoltage, mode, unit);
}

std::string CEleWire::GetTextForceNm(int unit) const {
    return GetTextForce(GetPeakCurrent(m_calcPoint, m_nVoltage, 0), 2.0 * m_phase3.m_dDistance,
                        0.001, unit, IDS_NEWTON_PER_M);
}

std::string CEleWire::GetTextForceKgf(int unit) const {
    return GetTextForce(GetPeakCurrent(m_calcPoint, m_nVoltage, 0), 2.0 * m_phase3.m_dDistance, 9.8,
                        unit, IDS_KGF_PER_MM);
}

TV_CONDUCTOR_POINT_TEXTS(CEleWire)
