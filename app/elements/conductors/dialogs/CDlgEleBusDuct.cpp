#include "CDlgEleBusDuct.h"

#include "app/elements/conductors/dialogs/CDlgEleBusDuctGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctSheet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using conddlg::ReadDecimal;
using conddlg::SetText;

namespace {

constexpr unsigned IDD_BUSDUCT_BASIC = 171;
constexpr unsigned IDC_NAME = 1060;
constexpr unsigned IDC_VOLTAGE = 1089;
constexpr unsigned IDC_WIRE_SYSTEM[3] = {1160, 1161, 1163};
constexpr unsigned IDC_MATERIAL[2] = {1183, 1184};
constexpr unsigned IDC_INSULATION[2] = {1175, 1221}; // bare, with insulation
constexpr unsigned IDC_MAX_TEMP = 1222;
constexpr unsigned IDC_AMBIENT = 1130;
constexpr unsigned IDC_LOAD_CURRENT = 1192;
constexpr unsigned IDC_LENGTH = 1105;
constexpr unsigned IDC_VOLTAGE_DROP = 1111;
constexpr unsigned IDC_CALC_POINT = 1181;

} // namespace

CDlgEleBusDuct::CDlgEleBusDuct(CDlgEleBusDuctSheet& sheet)
    : conddlg::CRowPage(IDD_BUSDUCT_BASIC, "Basic"), m_sheet(sheet) {
    m_pName = AddEdit(IDC_NAME, "Reference No.:");
    m_pVoltage = AddEdit(IDC_VOLTAGE, "Voltage(V):", 0, true);
    QGroupBox* wire = AddGroup("Wire system");
    const char* wireTexts[3] = {"3Phases", "3Phases+N", "3Phases+N+PE"};
    for (int i = 0; i < 3; ++i)
        m_pWire[i] = AddRadio(wire, IDC_WIRE_SYSTEM[i], wireTexts[i]);
    QGroupBox* material = AddGroup("Material");
    m_pMaterial[0] = AddRadio(material, IDC_MATERIAL[0], "Cu");
    m_pMaterial[1] = AddRadio(material, IDC_MATERIAL[1], "Al");
    QGroupBox* insulation = AddGroup("Insulation of bus-duct");
    m_pInsulation[0] = AddRadio(insulation, IDC_INSULATION[0], "Bare");
    m_pInsulation[1] = AddRadio(insulation, IDC_INSULATION[1], "with insulation");
    // The table's data hold for these temperatures only: shown, not edited.
    m_pMaxTemp =
        AddEdit(IDC_MAX_TEMP, "Maximum temperature of bus-duct(degrees centigrade):", 3, true);
    m_pAmbient = AddEdit(IDC_AMBIENT, "Ambient temperature(degrees centigrade):", 3, true);
    m_pLoadCurrent = AddEdit(IDC_LOAD_CURRENT, "Load current for design IB(A):", 4);
    m_pLength = AddEdit(IDC_LENGTH, "Length(m):", 3);
    m_pVoltageDrop =
        AddEdit(IDC_VOLTAGE_DROP, "Voltage drop of this bus-duct(%) at Power factor = 1:", 0, true);
    m_pCalcPoint = AddCheck(IDC_CALC_POINT, "Calculation point");

    conddlg::OnEditedNameAndCalcPoint(*this, m_pName, m_sheet.GetElement().m_strName, m_pCalcPoint,
                                      m_sheet.GetElement().m_nCalcPoint);
    for (uint32_t i = 0; i < 3; ++i)
        OnClicked(m_pWire[i], [this, i] { OnWireSystem(i + 1); });
    for (uint32_t i = 0; i < 2; ++i) {
        OnClicked(m_pMaterial[i], [this, i] { OnMaterial(i + 1); });
        // The insulation chosen is the bus-duct's: its report shows it.
        OnClicked(m_pInsulation[i], [this, i] { m_sheet.GetBasic().m_nInsulation = i + 1; });
    }
    conddlg::OnEditedLoadAndLength(*this, m_sheet, m_pLoadCurrent, m_pLength,
                                   [this] { DoUpdateVoltageDrop(); });
}

void CDlgEleBusDuct::OnInitDialog() {
    const CEleBusDuct& d = m_sheet.GetElement();
    for (uint32_t i = 0; i < 3; ++i)
        m_pWire[i]->setChecked(d.m_basic.m_nWireSystem == i + 1);
    for (uint32_t i = 0; i < 2; ++i) {
        m_pMaterial[i]->setChecked(d.m_basic.m_nMaterial == i + 1);
        m_pInsulation[i]->setChecked(d.m_basic.m_nInsulation == i + 1);
    }
    conddlg::DoLockWireSystems(m_pWire, d.m_nEarthing);
    DoUpdate();
    DoUpdateReadOnly();
}

bool CDlgEleBusDuct::OnSetActive() {
    DoUpdateVoltageDrop();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleBusDuct::OnKillActive() {
    return conddlg::DoCheckPage(*this, m_sheet.GetElement(), 0);
}

void CDlgEleBusDuct::DoUpdate() {
    const CEleBusDuct& d = m_sheet.GetElement();
    conddlg::DoShowNameVoltageAndDrop(m_pName, d.m_strName, m_pVoltage, d.GetTextVoltage(0),
                                      m_pCalcPoint, d.m_nCalcPoint, m_pVoltageDrop,
                                      d.GetTextVoltageDrop(0));
    SetText(m_pMaxTemp, d.GetTextMaxTemp(0));
    SetText(m_pAmbient, d.GetTextAmbientTemp(0));
    SetText(m_pLoadCurrent, d.GetTextLoadCurrent(0));
    SetText(m_pLength, d.GetTextLength(0));
}

void CDlgEleBusDuct::DoUpdateVoltageDrop() {
    SetText(m_pVoltageDrop, m_sheet.GetElement().GetTextVoltageDrop(0));
}

void CDlgEleBusDuct::DoUpdateReadOnly() {
    conddlg::DoLockBasicByMode(m_sheet.GetMode(),
                               {m_pMaxTemp, m_pAmbient, m_pWire[0], m_pWire[1], m_pWire[2],
                                m_pMaterial[0], m_pMaterial[1], m_pInsulation[0], m_pInsulation[1]},
                               m_pLoadCurrent, m_pLength);
}

void CDlgEleBusDuct::OnWireSystem(uint32_t wireSystem) {
    conddlg::DoChangeWireSystem(m_sheet, wireSystem);
}

void CDlgEleBusDuct::OnMaterial(uint32_t material) {
    CEleBusDuct& d = m_sheet.GetElement();
    d.m_basic.m_nMaterial = material;
    for (uint32_t g = 1; g <= 3; ++g)
        d.GetGroup(g)->DoReadByRatedCurrent(m_sheet.GetFrequency(), d.m_basic);
    DoUpdateVoltageDrop();
}
