#include "CDlgEleMotor.h"

#include <QLineEdit>

#include <utility>

using namespace machinedlg;

CDlgEleMotor::CDlgEleMotor(CEleMotor& model, int32_t mode, QWidget* parent)
    : CRowDialog(181, "Motor", parent), m_model(model), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddEdit(1089, "Voltage(V):", true);
    m_wndCapacity = AddEdit(1110, "Capacity(kW):");
    m_wndFullLoadCurrent = AddEdit(1188, "Full-load current Im(A):", true);
    m_wndPowerFactor = AddEdit(1190, "Power factor:");
    m_wndPhase = AddEdit(1191, "Phase of current(deg):", true);
    m_wndStartingCurrent = AddEdit(1108, "Starting current(x Im):");
    m_wndStartingTime = AddEdit(1194, "Starting time at 600%(s):");
    m_wndInrushCurrent = AddEdit(1113, "Starting inrush current(x Im):");

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        EnableOk(!text.empty());
    });
    OnEdited(m_wndCapacity, [this](const std::string& text) {
        m_model.m_dCapacity = ReadDecimal(text);
        EnableOk(m_model.m_dCapacity > 0.0);
        m_model.DoReadEquipByCapacity(m_model.m_dCapacity);
        DoRefresh(false);
    });
    OnEdited(m_wndPowerFactor, [this](const std::string& text) {
        m_model.m_dPowerFactor = ReadDecimal(text);
        EnableOk(m_model.m_dPowerFactor >= 0.0 && m_model.m_dPowerFactor <= 1.0);
        DoRefresh(true);
    });
    for (auto [edit, field] : {std::pair{m_wndStartingCurrent, &CEleMotor::m_dStartingCurrent},
                               std::pair{m_wndStartingTime, &CEleMotor::m_dStartingTime},
                               std::pair{m_wndInrushCurrent, &CEleMotor::m_dInrushCurrent}}) {
        OnEdited(edit, [this, field](const std::string& text) {
            m_model.*field = ReadDecimal(text);
            EnableOk(m_model.*field > 0.0);
        });
    }
    SetCheck([this] { return m_model.DoCheckData(); });

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        SetText(m_wndCapacity, m_model.DoGetTextCapacity(0));
        DoRefresh(false);
    });
    if (m_nMode >= 2 && m_nMode <= 8) {
        m_wndCapacity->setReadOnly(true);
        m_wndPowerFactor->setReadOnly(true);
    }
}

void CDlgEleMotor::DoRefresh(bool powerFactorTyped) {
    Quietly([this, powerFactorTyped] {
        SetText(m_wndFullLoadCurrent, m_model.DoGetTextFullLoadCurrent(0));
        if (!powerFactorTyped)
            SetText(m_wndPowerFactor, m_model.DoGetTextPowerFactor());
        const double pf = m_model.m_dPowerFactor;
        SetText(m_wndPhase, pf >= 0.0 && pf <= 1.0 ? m_model.DoGetTextPhaseAngle(0) : "");
        SetText(m_wndStartingCurrent, m_model.DoGetTextStartingTimes(0));
        SetText(m_wndStartingTime, m_model.DoGetTextStartingTime(0));
        SetText(m_wndInrushCurrent, m_model.DoGetTextInrushTimes(0));
    });
}
