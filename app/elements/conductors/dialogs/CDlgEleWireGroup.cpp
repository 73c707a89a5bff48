#include "CDlgEleWireGroup.h"

#include "app/elements/conductors/dialogs/CDlgEleWireSheet.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_WireZ.h"
#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

using conddlg::ReadDecimal;
using conddlg::ReadWhole;
using conddlg::SetText;

namespace {

constexpr unsigned IDC_SIZE = 1177;
constexpr unsigned IDC_CORES = 1123;
constexpr unsigned IDC_R_PER_M = 1081;
constexpr unsigned IDC_R = 1079;
constexpr unsigned IDC_DIAMETER = 1139;
constexpr unsigned IDC_INSULATION = 1124;
constexpr unsigned IDC_DISTANCE = 1169;
constexpr unsigned IDC_X_PER_M = 1082;
constexpr unsigned IDC_X = 1080;
constexpr unsigned IDC_BASIC_CURRENT = 1132;
constexpr unsigned IDC_AMBIENT_FACTOR = 1138;
constexpr unsigned IDC_GROUP_FACTOR = 1140;
constexpr unsigned IDC_IZ = 1110;
constexpr unsigned IDC_STAR_R = 1202;
constexpr unsigned IDC_STAR_X = 1203;
constexpr unsigned IDC_STAR_BASIC_CURRENT = 1204;
constexpr unsigned IDC_STAR_AMBIENT_FACTOR = 1205;
constexpr unsigned IDC_STAR_DIAMETER = 1209;
constexpr unsigned IDC_STAR_INSULATION = 1210;
constexpr unsigned IDC_STAR_DISTANCE = 1211;
constexpr unsigned IDC_STAR_GROUP_FACTOR = 1215;

// The values the user may type over, in the order of the page.
constexpr unsigned kOverrides[] = {IDC_R_PER_M,        IDC_DIAMETER,    IDC_INSULATION,
                                   IDC_DISTANCE,       IDC_X_PER_M,     IDC_BASIC_CURRENT,
                                   IDC_AMBIENT_FACTOR, IDC_GROUP_FACTOR};

} // namespace

CDlgEleWireGroup::CDlgEleWireGroup(CDlgEleWireSheet& sheet, uint32_t group, unsigned templateId,
                                   const char* caption, const char* sizeLabel,
                                   const char* coresLabel)
    : conddlg::CRowPage(templateId, caption), m_sheet(sheet), m_nGroup(group) {
    m_pSize = AddCombo(IDC_SIZE, sizeLabel, true, 3);
    m_pCores = AddCombo(IDC_CORES, coresLabel, false);
    AddEdit(IDC_R_PER_M, "Resistance/m(mohms/m/1core):", 0, false, IDC_STAR_R);
    AddEdit(IDC_R, "Resistance(mohms):", 0, true);
    AddEdit(IDC_DIAMETER, "Diameter of conductor(mm):", 0, false, IDC_STAR_DIAMETER);
    AddEdit(IDC_INSULATION, "Thickness of insulator(mm):", 0, false, IDC_STAR_INSULATION);
    AddEdit(IDC_DISTANCE, "Centre-line distance between phases(mm):", 0, false, IDC_STAR_DISTANCE);
    AddEdit(IDC_X_PER_M, "Reactance/m(mohms/m/1core):", 0, false, IDC_STAR_X);
    AddEdit(IDC_X, "Reactance(mohms):", 0, true);
    AddEdit(IDC_BASIC_CURRENT, "Basic current-carrying capacity(A):", 0, false,
            IDC_STAR_BASIC_CURRENT);
    AddEdit(IDC_AMBIENT_FACTOR, "Ambient temperature factor:", 0, false, IDC_STAR_AMBIENT_FACTOR);
    AddEdit(IDC_GROUP_FACTOR, "Group reduction factor:", 0, false, IDC_STAR_GROUP_FACTOR);
    AddEdit(IDC_IZ, "Current-carrying capacity(A):", 0, true);

    OnEdited(m_pSize, [this](const std::string& text) { OnSizeText(text, true); });
    OnChosen(m_pSize,
             [this](int index) { OnSizeText(m_pSize->itemText(index).toStdString(), false); });
    OnChosen(m_pCores, [this](int index) {
        OnCoresChosen(static_cast<uint32_t>(ReadWhole(m_pCores->itemText(index).toStdString())));
        DoUpdate();
    });
    for (unsigned id : kOverrides) {
        OnEdited(fw::FindControlAs<QLineEdit>(this, id), [this, id](const std::string& text) {
            const double value = ReadDecimal(text);
            EnableOk(value > 0.0);
            OnValueTyped(id, value);
            DoUpdate(id);
        });
    }
}

CEleWirePhase& CDlgEleWireGroup::Group() {
    return *m_sheet.GetElement().GetGroup(m_nGroup);
}

void CDlgEleWireGroup::OnInitDialog() {
    DoFillCombos();
    DoUpdate();
    DoUpdateReadOnly();
}

bool CDlgEleWireGroup::OnSetActive() {
    // Other pages may have changed the phases that this group's range and
    // cores depend on.
    DoFillCombos();
    DoUpdate();
    DoUpdateReadOnly();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleWireGroup::OnKillActive() {
    uint32_t group = m_nGroup;
    const int32_t id = m_sheet.GetElement().DoCheckData(&group);
    if (id == 0)
        return true;
    FocusControl(static_cast<unsigned>(id));
    return false;
}

void CDlgEleWireGroup::DoFillCombos() {
    double minSize = 0.0;
    double maxSize = 0.0;
    m_sheet.GetElement().GetGroupSizeRange(m_nGroup, minSize, maxSize);
    m_pSize->clear();
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        fw::CQtCombo box(m_pSize);
        CRSEquip_WireZ rs(db);
        rs.DoReadSetDefaultWZ(&box, minSize, maxSize, nullptr, nullptr, nullptr);
    }
    if (m_nGroup != 1 && m_pSize->count() == 0)
        m_pSize->addItem(QString::fromStdString(DLLGetTextByBeams(-1.0, 1)));
    SetText(m_pSize, DLLGetTextByBeams(Group().m_dCoreSize, 0));
    DoFillCores();
}

void CDlgEleWireGroup::DoFillCores() {
    m_pCores->clear();
    for (int n = 1; n <= 4; ++n)
        m_pCores->addItem(QString::number(n));
}

void CDlgEleWireGroup::DoUpdate(unsigned exceptId) {
    const CEleWire& w = m_sheet.GetElement();
    const CEleWirePhase& g = *w.GetGroup(m_nGroup);
    m_pCores->setCurrentIndex(m_pCores->findText(QString::number(g.m_nCores)));
    const struct {
        unsigned id;
        std::string text;
    } texts[] = {
        {IDC_R_PER_M, w.GetTextRPerMetre(m_nGroup, 0)},
        {IDC_DIAMETER, w.GetTextDiameter(m_nGroup, 0)},
        {IDC_INSULATION, w.GetTextInsulationThickness(m_nGroup, 0)},
        {IDC_DISTANCE, w.GetTextCentreDistance(m_nGroup, 0)},
        {IDC_X_PER_M, w.GetTextXPerMetre(m_nGroup, 0)},
        {IDC_BASIC_CURRENT, w.GetTextBasicCurrent(m_nGroup, 0)},
        {IDC_AMBIENT_FACTOR, w.GetTextAmbientFactor(m_nGroup)},
        {IDC_GROUP_FACTOR, w.GetTextGroupFactor(m_nGroup)},
        {IDC_R, w.GetTextR(m_nGroup, 0)},
        {IDC_X, w.GetTextX(m_nGroup, 0)},
        {IDC_IZ, w.GetTextIz(m_nGroup, 0)},
    };
    for (const auto& t : texts)
        if (t.id != exceptId)
            SetText(fw::FindControlAs<QLineEdit>(this, t.id), t.text);
    SetStar(IDC_STAR_R, w.IsChangedRPerMetre(m_nGroup) == 1);
    SetStar(IDC_STAR_DIAMETER, w.IsChangedDiameter(m_nGroup) == 1);
    SetStar(IDC_STAR_INSULATION, w.IsChangedInsulation(m_nGroup) == 1);
    SetStar(IDC_STAR_DISTANCE, w.IsChangedCentreDistance(m_nGroup) == 1);
    SetStar(IDC_STAR_X, w.IsChangedXPerMetre(m_nGroup) == 1);
    SetStar(IDC_STAR_BASIC_CURRENT, w.IsChangedBasicCurrent(m_nGroup) == 1);
    SetStar(IDC_STAR_AMBIENT_FACTOR, w.IsChangedAmbientFactor(m_nGroup) == 1);
    SetStar(IDC_STAR_GROUP_FACTOR, w.IsChangedGroupFactor(m_nGroup) == 1);
}

void CDlgEleWireGroup::DoUpdateReadOnly() {
    const int32_t mode = m_sheet.GetMode();
    // A multi-core cable has one core per conductor.
    const bool multiCore = m_sheet.GetBasic().m_nCoreKind == 2;
    const bool locked = mode >= 2 && mode <= 8;
    m_pSize->setEnabled(!locked);
    m_pCores->setEnabled(!locked && !multiCore);
    if (!locked)
        return;
    for (unsigned id : {IDC_BASIC_CURRENT, IDC_AMBIENT_FACTOR, IDC_GROUP_FACTOR})
        SetReadOnly(id, true);
    if (mode >= 3)
        for (unsigned id : {IDC_R_PER_M, IDC_DIAMETER, IDC_INSULATION, IDC_DISTANCE, IDC_X_PER_M})
            SetReadOnly(id, true);
}

void CDlgEleWireGroup::OnSizeText(const std::string& text, bool typed) {
    const double size = ReadDecimal(text);
    if (typed) {
        double minSize = 0.0;
        double maxSize = 0.0;
        m_sheet.GetElement().GetGroupSizeRange(m_nGroup, minSize, maxSize);
        EnableOk(size >= minSize && size <= maxSize);
    }
    OnSizeChanged(size);
    DoUpdate();
}

void CDlgEleWireGroup::OnSizeChanged(double size) {
    Group().m_dCoreSize = size;
    m_sheet.DoRecalcGroup(m_nGroup);
}

void CDlgEleWireGroup::OnCoresChosen(uint32_t cores) {
    Group().m_nCores = cores;
    m_sheet.DoRecalcGroup(m_nGroup);
}

void CDlgEleWireGroup::OnValueTyped(unsigned id, double value) {
    CEleWirePhase& g = Group();
    const double f = m_sheet.GetFrequency();
    const CEleWireBasic& basic = m_sheet.GetBasic();
    switch (id) {
    case IDC_R_PER_M:
        g.m_dRPerMetre = value;
        break;
    case IDC_X_PER_M:
        g.m_dXPerMetre = value;
        break;
    case IDC_BASIC_CURRENT:
        g.m_dBasicCurrent = value;
        break;
    case IDC_AMBIENT_FACTOR:
        g.m_dAmbientFactor = value;
        break;
    case IDC_GROUP_FACTOR:
        g.m_dGroupFactor = value;
        break;
    // A geometry value is an override: the distance and the reactance
    // that depend on it follow.
    case IDC_DIAMETER:
        g.CalcPhaseImpedance(f, basic, 0.0, value, 0.0);
        break;
    case IDC_INSULATION:
        g.CalcPhaseImpedance(f, basic, value, 0.0, 0.0);
        break;
    case IDC_DISTANCE:
        g.CalcPhaseImpedance(f, basic, 0.0, 0.0, value);
        break;
    default:
        break;
    }
}

// ---- 3Phases ----

CDlgEleWire1::CDlgEleWire1(CDlgEleWireSheet& sheet)
    : CDlgEleWireGroup(sheet, 1, 176, "3Phases",
                       "Core size for a phase(mm²):", "Number of cores for a phase:") {}

void CDlgEleWire1::OnSizeChanged(double size) {
    CDlgEleWireGroup::OnSizeChanged(size);
    for (uint32_t g = 2; g <= 3; ++g) {
        m_sheet.GetElement().GetGroup(g)->m_dCoreSize = size;
        m_sheet.DoRecalcGroup(g);
    }
}

void CDlgEleWire1::OnCoresChosen(uint32_t cores) {
    CDlgEleWireGroup::OnCoresChosen(cores);
    // The neutral runs in each parallel cable; one protective conductor.
    m_sheet.GetPhaseN().m_nCores = cores;
    m_sheet.GetPhasePE().m_nCores = 1;
    m_sheet.DoRecalcGroup(2);
    m_sheet.DoRecalcGroup(3);
}

void CDlgEleWire1::OnValueTyped(unsigned id, double value) {
    CDlgEleWireGroup::OnValueTyped(id, value);
    const double f = m_sheet.GetFrequency();
    const CEleWireBasic& basic = m_sheet.GetBasic();
    for (CEleWirePhase* g : {&m_sheet.GetPhaseN(), &m_sheet.GetPhasePE()}) {
        switch (id) {
        case IDC_R_PER_M:
            g->m_dRPerMetre = value;
            break;
        case IDC_X_PER_M:
            g->m_dXPerMetre = value;
            break;
        case IDC_BASIC_CURRENT:
            g->m_dBasicCurrent = value;
            break;
        case IDC_AMBIENT_FACTOR:
            g->m_dAmbientFactor = value;
            break;
        case IDC_GROUP_FACTOR:
            g->m_dGroupFactor = value;
            break;
        case IDC_DIAMETER:
            g->CalcPhaseImpedance(f, basic, 0.0, value, 0.0);
            break;
        case IDC_INSULATION:
            g->CalcPhaseImpedance(f, basic, value, 0.0, 0.0);
            break;
        case IDC_DISTANCE:
            g->CalcPhaseImpedance(f, basic, 0.0, 0.0, value);
            break;
        default:
            break;
        }
    }
}

// ---- N ----

CDlgEleWire2::CDlgEleWire2(CDlgEleWireSheet& sheet)
    : CDlgEleWireGroup(sheet, 2, 177, "N",
                       "Core size for neutral(mm²):", "Number of cores for neutral:") {}

uint32_t CDlgEleWire2::GetMinNeutralCores(double phaseSize, uint32_t phaseCores,
                                          double neutralSize) {
    // Whole millimetres on both sides, as the list has always counted them.
    const double halfSection = std::trunc(phaseCores * phaseSize / 2.0);
    const double neutral = std::trunc(neutralSize);
    // Sizes no table holds (none, or beyond any cable) ask for the most
    // cores the list has. So does an N below 1 mm2: it has no whole
    // millimetre to divide by.
    if (!(halfSection >= 0.0 && halfSection < 1e12) || !(neutral >= 1.0 && neutral < 1e12))
        return 4;
    const int64_t half = static_cast<int64_t>(halfSection);
    const int64_t divisor = static_cast<int64_t>(neutral);
    const int64_t quotient = half / divisor;
    const int64_t remainder = half % divisor;
    uint32_t cores = quotient > 4 ? 4u : static_cast<uint32_t>(quotient);
    if (remainder > 0)
        ++cores;
    // At least one core: a neutral is never left without a conductor.
    return cores < 1 ? 1u : cores;
}

void CDlgEleWire2::DoFillCores() {
    const CEleWirePhase& phase = m_sheet.GetPhase3();
    const uint32_t first =
        GetMinNeutralCores(phase.m_dCoreSize, phase.m_nCores, Group().m_dCoreSize);
    m_pCores->clear();
    for (uint32_t n = first; n <= 4; ++n)
        m_pCores->addItem(QString::number(n));
}

void CDlgEleWire2::OnSizeChanged(double size) {
    Group().m_dCoreSize = size;
    const CEleWirePhase& phase = m_sheet.GetPhase3();
    const uint32_t first = GetMinNeutralCores(phase.m_dCoreSize, phase.m_nCores, size);
    // The cores stay while the new size still offers them.
    if (Group().m_nCores < first || Group().m_nCores > 4)
        Group().m_nCores = first;
    DoFillCores();
    m_sheet.DoRecalcGroup(m_nGroup);
}

// ---- PE ----

CDlgEleWire3::CDlgEleWire3(CDlgEleWireSheet& sheet)
    : CDlgEleWireGroup(sheet, 3, 178, "PE", "Core size for protective conductor(mm²):",
                       "Number of cores for protective conductor:") {}

void CDlgEleWire3::OnCoresChosen(uint32_t) {}
