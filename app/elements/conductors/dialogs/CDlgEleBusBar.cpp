#include "CDlgEleBusBar.h"

#include "app/elements/conductors/dialogs/CDlgEleBusBarGroup.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarSheet.h"
#include "tools/Filvaron.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using conddlg::ReadDecimal;
using conddlg::SetText;

namespace {

constexpr unsigned IDD_BUSBAR_BASIC = 167;
constexpr unsigned IDC_NAME = 1060;
constexpr unsigned IDC_VOLTAGE = 1089;
constexpr unsigned IDC_WIRE_SYSTEM[3] = {1160, 1161, 1163};
constexpr unsigned IDC_MATERIAL[2] = {1183, 1184};
constexpr unsigned IDC_SURFACE[2] = {1175, 1180};
constexpr unsigned IDC_INSTALLATION[2] = {1167, 1166}; // vertical, horizontal
constexpr unsigned IDC_MAX_TEMP = 1107;
constexpr unsigned IDC_AMBIENT = 1130;
constexpr unsigned IDC_LOAD_CURRENT = 1192;
constexpr unsigned IDC_LENGTH = 1105;
constexpr unsigned IDC_VOLTAGE_DROP = 1111;
constexpr unsigned IDC_CALC_POINT = 1181;
constexpr unsigned IDC_STANDARDS = 1232;
constexpr unsigned IDC_NAME_LABEL = 1233;

} // namespace

CDlgEleBusBar::CDlgEleBusBar(CDlgEleBusBarSheet& sheet)
    : conddlg::CRowPage(IDD_BUSBAR_BASIC, "Basic"), m_sheet(sheet) {
    AddStatic(IDC_STANDARDS, "DIN43670,DIN43671");
    AddStatic(IDC_NAME_LABEL, "Reference No.:");
    m_pName = AddEdit(IDC_NAME, "");
    m_pVoltage = AddEdit(IDC_VOLTAGE, "Voltage(V):", 0, true);
    QGroupBox* wire = AddGroup("Wire system");
    const char* wireTexts[3] = {"3Phases", "3Phases+N", "3Phases+N+PE"};
    for (int i = 0; i < 3; ++i)
        m_pWire[i] = AddRadio(wire, IDC_WIRE_SYSTEM[i], wireTexts[i]);
    QGroupBox* material = AddGroup("Material");
    m_pMaterial[0] = AddRadio(material, IDC_MATERIAL[0], "Cu");
    m_pMaterial[1] = AddRadio(material, IDC_MATERIAL[1], "Al");
    QGroupBox* surface = AddGroup("Type of surface of Bus-bar");
    m_pSurface[0] = AddRadio(surface, IDC_SURFACE[0], "Bare");
    m_pSurface[1] = AddRadio(surface, IDC_SURFACE[1], "Painted");
    QGroupBox* installation = AddGroup("Installation");
    m_pInstallation[0] = AddRadio(installation, IDC_INSTALLATION[0], "Vertical");
    m_pInstallation[1] = AddRadio(installation, IDC_INSTALLATION[1], "Horizontal");
    m_pMaxTemp = AddEdit(IDC_MAX_TEMP, "Maximum temperature of bus-bar(degrees centigrade):", 3);
    m_pAmbient = AddEdit(IDC_AMBIENT, "Ambient temperature(degrees centigrade):", 3);
    m_pLoadCurrent = AddEdit(IDC_LOAD_CURRENT, "Load current for design IB(A):", 4);
    m_pLength = AddEdit(IDC_LENGTH, "Length(m):", 3);
    m_pVoltageDrop =
        AddEdit(IDC_VOLTAGE_DROP, "Voltage drop of this bus-bar(%) at Power factor = 1:", 0, true);
    m_pCalcPoint = AddCheck(IDC_CALC_POINT, "Calculation point");

    conddlg::OnEditedNameAndCalcPoint(*this, m_pName, m_sheet.GetElement().m_strName, m_pCalcPoint,
                                      m_sheet.GetElement().m_nCalcPoint);
    for (uint32_t i = 0; i < 3; ++i)
        OnClicked(m_pWire[i], [this, i] { OnWireSystem(i + 1); });
    for (uint32_t i = 0; i < 2; ++i) {
        OnClicked(m_pMaterial[i], [this, i] {
            m_sheet.GetBasic().m_nMaterial = i + 1;
            DoRecalcAll();
        });
        OnClicked(m_pSurface[i], [this, i] {
            m_sheet.GetBasic().m_nSurface = i + 1;
            DoRecalcAll();
        });
        OnClicked(m_pInstallation[i], [this, i] {
            m_sheet.GetBasic().m_nInstallation = i + 1;
            DoRecalcAll();
        });
    }
    OnEdited(m_pMaxTemp, [this](const std::string& text) {
        const double value = ReadDecimal(text);
        m_sheet.GetBasic().m_dMaxTemp = value;
        EnableOk(value >= 50.0 && value <= 125.0);
        DoRecalcTemperatureFactors();
    });
    OnEdited(m_pAmbient, [this](const std::string& text) {
        const double value = ReadDecimal(text);
        m_sheet.GetBasic().m_dAmbientTemp = value;
        EnableOk(value >= 0.0 && value <= 65.0 && value < m_sheet.GetBasic().m_dMaxTemp);
        DoRecalcTemperatureFactors();
    });
    conddlg::OnEditedLoadAndLength(*this, m_sheet, m_pLoadCurrent, m_pLength,
                                   [this] { DoUpdateVoltageDrop(); });
}

void CDlgEleBusBar::OnInitDialog() {
    const CEleBusBar& b = m_sheet.GetElement();
    for (uint32_t i = 0; i < 3; ++i)
        m_pWire[i]->setChecked(b.m_basic.m_nWireSystem == i + 1);
    for (uint32_t i = 0; i < 2; ++i) {
        m_pMaterial[i]->setChecked(b.m_basic.m_nMaterial == i + 1);
        m_pSurface[i]->setChecked(b.m_basic.m_nSurface == i + 1);
        m_pInstallation[i]->setChecked(b.m_basic.m_nInstallation == i + 1);
    }
    conddlg::DoLockWireSystems(m_pWire, b.m_nEarthing);
    DoUpdate();
    DoUpdateReadOnly();
}

bool CDlgEleBusBar::OnSetActive() {
    DoUpdateVoltageDrop();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleBusBar::OnKillActive() {
    return conddlg::DoCheckPage(*this, m_sheet.GetElement(), 0);
}

void CDlgEleBusBar::DoUpdate() {
    const CEleBusBar& b = m_sheet.GetElement();
    conddlg::DoShowNameVoltageAndDrop(m_pName, b.m_strName, m_pVoltage, b.GetTextVoltage(0),
                                      m_pCalcPoint, b.m_nCalcPoint, m_pVoltageDrop,
                                      b.GetTextVoltageDrop(0));
    SetText(m_pMaxTemp, b.GetTextMaxTemp(0));
    SetText(m_pAmbient, b.GetTextAmbientTemp(0));
    SetText(m_pLoadCurrent, b.GetTextLoadCurrent(0));
    SetText(m_pLength, b.GetTextLength(0));
}

void CDlgEleBusBar::DoUpdateVoltageDrop() {
    SetText(m_pVoltageDrop, m_sheet.GetElement().GetTextVoltageDrop(0));
}

void CDlgEleBusBar::DoUpdateReadOnly() {
    conddlg::DoLockBasicByMode(m_sheet.GetMode(),
                               {m_pMaxTemp, m_pAmbient, m_pWire[0], m_pWire[1], m_pWire[2],
                                m_pMaterial[0], m_pMaterial[1], m_pSurface[0], m_pSurface[1],
                                m_pInstallation[0], m_pInstallation[1]},
                               m_pLoadCurrent, m_pLength);
}

void CDlgEleBusBar::OnWireSystem(uint32_t wireSystem) {
    conddlg::DoChangeWireSystem(m_sheet, wireSystem);
}

void CDlgEleBusBar::DoRecalcAll() {
    for (uint32_t g = 1; g <= 3; ++g)
        m_sheet.DoRecalcGroup(g);
    DoUpdateVoltageDrop();
}

void CDlgEleBusBar::DoRecalcTemperatureFactors() {
    for (uint32_t g = 1; g <= 3; ++g)
        m_sheet.GetElement().GetGroup(g)->DoRecalcTemperatureFactor(m_sheet.GetBasic());
}
