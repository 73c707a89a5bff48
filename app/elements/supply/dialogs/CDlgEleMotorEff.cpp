#include "CDlgEleMotorEff.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace machinedlg;

CDlgEleMotorEff::CDlgEleMotorEff(CEleMotorEff& model, int32_t mode, int32_t frequency,
                                 QWidget* parent)
    : CRowDialog(182, "Motor effect", parent), m_model(model), m_nMode(mode),
      m_nFrequency(frequency) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddEdit(1089, "Voltage(V):", true);
    m_wndCapacity = AddEdit(1110, "Capacity(kVA):");
    m_wndRatedCurrent = AddEdit(1100, "Rated current(A):", true);
    m_wndSubReactance = AddEdit(1118, "Sub-transient reactance X\"m(%):");
    m_wndRotorResistance = AddEdit(1127, "Rotor resistance Rr(%):");
    m_wndStatorResistance = AddEdit(1122, "Stator resistance Rs(%):");
    m_wndSubImpedance = AddEdit(1141, "Sub-transient impedance Z\"m(%):", true);
    m_wndDcConstant = AddEdit(1187, "DC Time constant Tdcm(s):", true);
    m_wndSubConstant = AddEdit(1126, "Sub-transient time constance T\"m(s):", true);
    m_wndInitialCurrent =
        AddEdit(1143, "Initial symmetrical short-circuit current I\"m(kA):", true);
    m_wndIacm = AddEdit(1088, "Symmetrical short-circuit current Iacm(kA):", true);
    m_wndPeak = AddEdit(1120, "Peak value of short-circuit current Ipm(kA):", true);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        EnableOk(!text.empty());
    });
    OnEdited(m_wndCapacity, [this](const std::string& text) {
        m_model.m_dCapacity = ReadDecimal(text);
        EnableOk(m_model.m_dCapacity > 0.0);
        m_model.DoReadByCapacity(m_model.m_dCapacity);
        DoUpdateTexts(1110);
    });
    struct MachineValue {
        QLineEdit* edit;
        unsigned id;
        double CEleMotorEff::*field;
    };
    for (MachineValue v :
         {MachineValue{m_wndSubReactance, 1118, &CEleMotorEff::m_dSubReactance},
          MachineValue{m_wndRotorResistance, 1127, &CEleMotorEff::m_dRotorResistance},
          MachineValue{m_wndStatorResistance, 1122, &CEleMotorEff::m_dStatorResistance}}) {
        OnEdited(v.edit, [this, v](const std::string& text) {
            m_model.*v.field = ReadDecimal(text);
            EnableOk(m_model.*v.field > 0.0);
            DoUpdateTexts(v.id);
        });
    }
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    SetCheck([this] { return m_model.DoCheckData(); });

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        DoUpdateTexts(0);
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
    });
    if (m_nMode >= 3 && m_nMode <= 8) {
        for (QLineEdit* edit :
             {m_wndCapacity, m_wndSubReactance, m_wndRotorResistance, m_wndStatorResistance})
            edit->setReadOnly(true);
    }
}

void CDlgEleMotorEff::DoUpdateTexts(unsigned controlId) {
    Quietly([this, controlId] {
        const double f = m_nFrequency;
        if (controlId != 1110)
            SetText(m_wndCapacity, m_model.DoGetTextCapacity(0));
        if (controlId != 1118)
            SetText(m_wndSubReactance, m_model.DoGetTextSubtransientReactance(0));
        if (controlId != 1127)
            SetText(m_wndRotorResistance, m_model.DoGetTextRotorResistance(0));
        if (controlId != 1122)
            SetText(m_wndStatorResistance, m_model.DoGetTextStatorResistance(0));
        SetText(m_wndRatedCurrent, m_model.DoGetTextRatedCurrent(0));
        SetText(m_wndSubImpedance, m_model.DoGetTextSubtransientImpedance(0));
        SetText(m_wndDcConstant, m_model.DoGetTextDcTimeConstant(f, 0));
        SetText(m_wndSubConstant, m_model.DoGetTextSubtransientTimeConstant(f, 0));
        SetText(m_wndInitialCurrent, m_model.DoGetTextInitialCurrent(0));
        SetText(m_wndIacm, m_model.DoGetTextIacm(f, 0));
        SetText(m_wndPeak, m_model.DoGetTextIacPeak(f, 0));
    });
}
