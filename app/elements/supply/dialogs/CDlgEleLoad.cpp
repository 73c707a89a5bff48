#include "CDlgEleLoad.h"

#include "framework/Resources.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <utility>

using namespace machinedlg;

CDlgEleLoad::CDlgEleLoad(CEleLoad& model, int32_t mode, QWidget* parent)
    : CRowDialog(183, "General load", parent), m_model(model), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddEdit(1089, "Voltage(V):", true);
    m_wndLoadCurrent = AddEdit(1192, "Load current(A):", false, 4);
    auto* group = new QGroupBox(QStringLiteral("Power factor"), this);
    auto* row = new QHBoxLayout(group);
    m_wndPowerFactor = new QLineEdit(group);
    fw::SetControlId(m_wndPowerFactor, 1190);
    m_wndLead = AddRadio(1144, "Lead", group);
    m_wndLag = AddRadio(1147, "Lag", group);
    row->addWidget(m_wndPowerFactor);
    row->addWidget(m_wndLead);
    row->addWidget(m_wndLag);
    Rows()->addRow(group);
    m_wndPhase = AddEdit(1191, "Phase of current(deg):", true);
    m_wndStartingCurrent = AddEdit(1108, "Starting current(xIL):", false, 4);
    m_wndStartingTime = AddEdit(1194, "Starting time(s):", false, 3);

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        EnableOk(!text.empty());
    });
    OnEdited(m_wndLoadCurrent, [this](const std::string& text) {
        m_model.m_dLoadCurrent = ReadDecimal(text);
        EnableOk(m_model.m_dLoadCurrent > 0.0);
        m_model.DoReadByLoadCurrent();
        DoShowValues(false);
    });
    OnEdited(m_wndPowerFactor, [this](const std::string& text) {
        m_model.m_dPowerFactor = ReadDecimal(text);
        EnableOk(m_model.m_dPowerFactor >= 0.0 && m_model.m_dPowerFactor <= 1.0);
        DoShowValues(true);
    });
    for (auto [edit, field] : {std::pair{m_wndStartingCurrent, &CEleLoad::m_dStartingCurrent},
                               std::pair{m_wndStartingTime, &CEleLoad::m_dStartingTime}}) {
        OnEdited(edit, [this, field](const std::string& text) {
            m_model.*field = ReadDecimal(text);
            EnableOk(m_model.*field > 0.0);
        });
    }
    connect(m_wndLead, &QRadioButton::clicked, this, [this] {
        m_model.m_nLeading = 1;
        DoShowValues(false);
    });
    connect(m_wndLag, &QRadioButton::clicked, this, [this] {
        m_model.m_nLeading = 0;
        DoShowValues(false);
    });
    SetCheck([this] { return m_model.DoCheckData(); });

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        SetText(m_wndVoltage, m_model.GetTextVoltage(0));
        SetText(m_wndLoadCurrent, m_model.GetTextLoadCurrent(0));
        m_wndLead->setChecked(m_model.m_nLeading == 1);
        m_wndLag->setChecked(m_model.m_nLeading != 1);
        DoShowValues(false);
    });
    if (m_nMode >= 2 && m_nMode <= 8)
        m_wndLoadCurrent->setReadOnly(true);
}

void CDlgEleLoad::DoShowValues(bool powerFactorTyped) {
    Quietly([this, powerFactorTyped] {
        if (!powerFactorTyped)
            SetText(m_wndPowerFactor, m_model.GetTextPowerFactor());
        const double pf = m_model.m_dPowerFactor;
        SetText(m_wndPhase, pf >= 0.0 && pf <= 1.0 ? m_model.GetTextPhaseAngle(0) : "");
        SetText(m_wndStartingCurrent, m_model.GetTextStartingTimes(0));
        SetText(m_wndStartingTime, m_model.GetTextStartingTime(0));
    });
}
