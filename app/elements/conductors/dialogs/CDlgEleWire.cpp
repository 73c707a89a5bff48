#include "CDlgEleWire.h"

#include "app/elements/conductors/dialogs/CDlgEleWireGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleWireSheet.h"
#include "tools/Filvaron.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <string>

using conddlg::ReadDecimal;
using conddlg::ReadWhole;
using conddlg::SetText;

namespace {

constexpr unsigned IDD_WIRE_BASIC = 175;
constexpr unsigned IDC_NAME = 1060;
constexpr unsigned IDC_CIRCUITS = 1117;
constexpr unsigned IDC_AMBIENT = 1130;
constexpr unsigned IDC_LOAD_CURRENT = 1192;
constexpr unsigned IDC_LENGTH = 1105;
constexpr unsigned IDC_VOLTAGE_DROP = 1111;
constexpr unsigned IDC_VOLTAGE = 1089;
constexpr unsigned IDC_WIRE_SYSTEM[3] = {1160, 1161, 1163};
constexpr unsigned IDC_MATERIAL[2] = {1183, 1184};
constexpr unsigned IDC_INSULATION[2] = {1185, 1186};
constexpr unsigned IDC_CORE_KIND[2] = {1164, 1165};
constexpr unsigned IDC_METHOD[3] = {1170, 1171, 1173};
constexpr unsigned IDC_CALC_POINT = 1181;

} // namespace

CDlgEleWire::CDlgEleWire(CDlgEleWireSheet& sheet)
    : conddlg::CRowPage(IDD_WIRE_BASIC, "Basic"), m_sheet(sheet) {
    m_pName = AddEdit(IDC_NAME, "Reference No.:");
    m_pCircuits = AddCombo(IDC_CIRCUITS, "Number of circuit in group:", false);
    for (int n = 1; n <= 9; ++n)
        m_pCircuits->addItem(QString::number(n));
    m_pAmbient = AddEdit(IDC_AMBIENT, "Ambient temperature(degrees centigrade):", 3);
    m_pLoadCurrent = AddEdit(IDC_LOAD_CURRENT, "Load current for design IB(A):", 4);
    m_pLength = AddEdit(IDC_LENGTH, "Length(m):", 5);
    m_pVoltageDrop =
        AddEdit(IDC_VOLTAGE_DROP, "Voltage drop of this wire(%)\nat Power factor = 1:", 0, true);
    m_pVoltage = AddEdit(IDC_VOLTAGE, "Voltage(V):", 0, true);

    QGroupBox* wire = AddGroup("Wire system");
    const char* wireTexts[3] = {"3Phases", "3Phases+N", "3Phases+N+PE"};
    for (int i = 0; i < 3; ++i)
        m_pWire[i] = AddRadio(wire, IDC_WIRE_SYSTEM[i], wireTexts[i]);
    QGroupBox* material = AddGroup("Material");
    m_pMaterial[0] = AddRadio(material, IDC_MATERIAL[0], "Cu");
    m_pMaterial[1] = AddRadio(material, IDC_MATERIAL[1], "Al");
    QGroupBox* insulation = AddGroup("Insulation");
    m_pInsulation[0] = AddRadio(insulation, IDC_INSULATION[0], "PVC 70 degrees centigrade");
    m_pInsulation[1] = AddRadio(insulation, IDC_INSULATION[1], "XLPE or EPR 90 degrees centigrade");
    QGroupBox* core = AddGroup("Core constraction");
    m_pCoreKind[0] = AddRadio(core, IDC_CORE_KIND[0], "Single-core");
    m_pCoreKind[1] = AddRadio(core, IDC_CORE_KIND[1], "Multi-core");
    QGroupBox* method = AddGroup("Installation by IEC60364-5-523");
    m_pMethod[0] =
        AddRadio(method, IDC_METHOD[0],
                 "Method E Multi-core cable on a perforated horizontal tray in free air.");
    m_pMethod[1] = AddRadio(method, IDC_METHOD[1],
                            "Method F Single-core cable touching the other on a perforated "
                            "horizontal tray in free air.");
    m_pMethod[2] = AddRadio(method, IDC_METHOD[2],
                            "Method G Single-core cable spacing the other on a horizontal ladder "
                            "support or cleats in free air.");
    m_pCalcPoint = AddCheck(IDC_CALC_POINT, "Calculation point");

    conddlg::OnEditedNameAndCalcPoint(*this, m_pName, m_sheet.GetElement().m_strName, m_pCalcPoint,
                                      m_sheet.GetElement().m_nCalcPoint);
    OnEdited(m_pAmbient, [this](const std::string& text) {
        const double value = ReadDecimal(text);
        m_sheet.GetBasic().m_dAmbientTemp = value;
        EnableOk(value >= 0.0);
        // The resistance follows the temperature as well as the ambient factor.
        DoRecalcAll();
        DoUpdateVoltageDrop();
    });
    conddlg::OnEditedLoadAndLength(*this, m_sheet, m_pLoadCurrent, m_pLength,
                                   [this] { DoUpdateVoltageDrop(); });
    OnChosen(m_pCircuits, [this](int index) {
        const uint32_t circuits =
            static_cast<uint32_t>(ReadWhole(m_pCircuits->itemText(index).toStdString()));
        if (circuits != m_sheet.GetBasic().m_nCircuits) {
            m_sheet.GetBasic().m_nCircuits = circuits;
            for (uint32_t g = 1; g <= 3; ++g)
                m_sheet.DoRecalcAmpacity(g);
        }
        DoUpdateVoltageDrop();
    });
    for (uint32_t i = 0; i < 3; ++i)
        OnClicked(m_pWire[i], [this, i] { OnWireSystem(i + 1); });
    for (uint32_t i = 0; i < 2; ++i) {
        OnClicked(m_pMaterial[i], [this, i] { OnMaterial(i + 1); });
        OnClicked(m_pInsulation[i], [this, i] { OnInsulation(i + 1); });
        OnClicked(m_pCoreKind[i], [this, i] { OnCoreKind(i + 1); });
    }
    for (uint32_t i = 0; i < 3; ++i)
        OnClicked(m_pMethod[i], [this, i] { OnMethod(i + 5); });
}

void CDlgEleWire::OnInitDialog() {
    const CEleWire& w = m_sheet.GetElement();
    const CEleWireBasic& b = w.m_basic;
    for (uint32_t i = 0; i < 3; ++i)
        m_pWire[i]->setChecked(b.m_nWireSystem == i + 1);
    for (uint32_t i = 0; i < 2; ++i) {
        m_pMaterial[i]->setChecked(b.m_nMaterial == i + 1);
        m_pInsulation[i]->setChecked(b.m_nInsulation == i + 1);
        m_pCoreKind[i]->setChecked(b.m_nCoreKind == i + 1);
    }
    for (uint32_t i = 0; i < 3; ++i)
        m_pMethod[i]->setChecked(b.m_nMethod == i + 5);
    // Method E belongs to multi-core cables, F and G to single-core ones.
    m_pMethod[0]->setEnabled(b.m_nCoreKind != 1);
    m_pMethod[1]->setEnabled(b.m_nCoreKind != 2);
    m_pMethod[2]->setEnabled(b.m_nCoreKind != 2);
    conddlg::DoLockWireSystems(m_pWire, w.m_nEarthing);
    DoUpdate();
    DoUpdateReadOnly();
}

bool CDlgEleWire::OnSetActive() {
    DoUpdate();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleWire::OnKillActive() {
    const int32_t id = m_sheet.GetElement().DoCheckBasic();
    if (id == 0)
        return true;
    FocusControl(static_cast<unsigned>(id));
    return false;
}

void CDlgEleWire::DoUpdate() {
    const CEleWire& w = m_sheet.GetElement();
    const CEleWireBasic& b = w.m_basic;
    conddlg::DoShowNameVoltageAndDrop(m_pName, w.m_strName, m_pVoltage, w.GetTextVoltage(0),
                                      m_pCalcPoint, w.m_nCalcPoint, m_pVoltageDrop,
                                      w.GetTextVoltageDrop(0));
    SetText(m_pAmbient, DLLGetTextByBeams(b.m_dAmbientTemp, 0));
    SetText(m_pLoadCurrent, DLLGetTextByBeams(b.m_dLoadCurrent, 0));
    SetText(m_pLength, DLLGetTextByBeams(b.m_dLength, 0));
    m_pCircuits->setCurrentIndex(m_pCircuits->findText(QString::number(b.m_nCircuits)));
}

void CDlgEleWire::DoUpdateVoltageDrop() {
    SetText(m_pVoltageDrop, m_sheet.GetElement().GetTextVoltageDrop(0));
}

void CDlgEleWire::DoUpdateReadOnly() {
    conddlg::DoLockBasicByMode(m_sheet.GetMode(),
                               {m_pAmbient, m_pCircuits, m_pWire[0], m_pWire[1], m_pWire[2],
                                m_pMaterial[0], m_pMaterial[1], m_pInsulation[0], m_pInsulation[1],
                                m_pCoreKind[0], m_pCoreKind[1], m_pMethod[0], m_pMethod[1],
                                m_pMethod[2]},
                               m_pLoadCurrent, m_pLength);
}

void CDlgEleWire::DoRecalcAll() {
    for (uint32_t g = 1; g <= 3; ++g)
        m_sheet.DoRecalcGroup(g);
}

void CDlgEleWire::OnWireSystem(uint32_t wireSystem) {
    conddlg::DoChangeWireSystem(m_sheet, wireSystem);
}

void CDlgEleWire::OnMaterial(uint32_t material) {
    m_sheet.GetBasic().m_nMaterial = material;
    DoRecalcAll();
    DoUpdateVoltageDrop();
}

void CDlgEleWire::OnInsulation(uint32_t insulation) {
    m_sheet.GetBasic().m_nInsulation = insulation;
    for (uint32_t g = 1; g <= 3; ++g)
        m_sheet.DoRecalcAmpacity(g);
}

void CDlgEleWire::OnCoreKind(uint32_t coreKind) {
    m_sheet.GetBasic().m_nCoreKind = coreKind;
    if (coreKind == 1) {
        m_pMethod[0]->setEnabled(false);
        m_pMethod[0]->setChecked(false);
        m_pMethod[1]->setEnabled(true);
        m_pMethod[1]->setChecked(true);
        m_pMethod[2]->setEnabled(true);
        m_pMethod[2]->setChecked(false);
        OnMethod(6);
        return;
    }
    // A multi-core cable is one core of each conductor.
    m_sheet.GetPhase3().m_nCores = 1;
    m_sheet.GetPhaseN().m_nCores = 1;
    m_sheet.GetPhasePE().m_nCores = 1;
    m_pMethod[0]->setEnabled(true);
    m_pMethod[0]->setChecked(true);
    m_pMethod[1]->setEnabled(false);
    m_pMethod[1]->setChecked(false);
    m_pMethod[2]->setEnabled(false);
    m_pMethod[2]->setChecked(false);
    OnMethod(5);
}

void CDlgEleWire::OnMethod(uint32_t method) {
    m_sheet.GetBasic().m_nMethod = method;
    DoRecalcAll();
    DoUpdateVoltageDrop();
}
