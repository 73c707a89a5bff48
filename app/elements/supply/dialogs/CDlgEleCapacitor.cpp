#include "CDlgEleCapacitor.h"

#include "app/records/ModelDatabases.h"
#include "framework/QtCombo.h"
#include "listdata/CRSList_Reactor.h"

#include <QComboBox>
#include <QLineEdit>

using namespace machinedlg;

CDlgEleCapacitor::CDlgEleCapacitor(CEleCapacitor& model, int32_t mode, int32_t frequency,
                                   QWidget* parent)
    : CRowDialog(179, "Capacitor", parent), m_model(model), m_nMode(mode), m_nFrequency(frequency) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddEdit(1089, "Voltage(V):", true);
    m_wndCapacity = AddEdit(1110, "Capacity(kvar):", false, 4);
    m_wndCapacitance = AddEdit(1114, "Electrostatic capacity(F):", true);
    m_wndRatedCurrent = AddEdit(1100, "Rated current Ic(A):", true);
    m_wndResistance = AddEdit(1193, "Total resistance of up-stream(mohms):");
    m_wndReactance = AddEdit(1195, "Total reactance of up-stream(mohms):");
    m_wndReactor = AddCombo(1200, "Reactor(%):", true, 3);
    m_wndPowerFactor = AddEdit(1190, "Power factor:");
    m_wndPhase = AddEdit(1191, "Phase of current(deg):", true);
    m_wndPeakCurrent = AddEdit(1109, "Peak current im/(Square root of 2)(A):", true);
    m_wndPeakTime = AddEdit(1116, "Peak time t0(ms):", true);

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        EnableOk(!text.empty());
    });
    struct Value {
        QLineEdit* edit;
        unsigned id;
        double CEleCapacitor::*field;
    };
    for (Value v : {Value{m_wndCapacity, 1110, &CEleCapacitor::m_dCapacity},
                    Value{m_wndResistance, 1193, &CEleCapacitor::m_dUpstreamResistance},
                    Value{m_wndReactance, 1195, &CEleCapacitor::m_dUpstreamReactance}}) {
        OnEdited(v.edit, [this, v](const std::string& text) {
            m_model.*v.field = ReadDecimal(text);
            EnableOk(m_model.*v.field > 0.0);
            DoRefresh(v.id);
        });
    }
    OnEdited(m_wndReactor, [this](const std::string& text) {
        m_model.m_dReactor = ReadDecimal(text);
        EnableOk(m_model.m_dReactor >= 0.0);
        DoRefresh(0);
    });
    OnChosen(m_wndReactor, [this](int index) {
        EnableOk(true);
        double reactor = ReadDecimal(m_wndReactor->itemText(index).toStdString());
        if (reactor != m_model.m_dReactor) {
            m_model.m_dReactor = reactor;
            DoRefresh(0);
        }
    });
    OnEdited(m_wndPowerFactor, [this](const std::string& text) {
        m_model.m_dPowerFactor = ReadDecimal(text);
        EnableOk(m_model.m_dPowerFactor >= 0.0 && m_model.m_dPowerFactor <= 1.0);
        DoRefresh(0);
    });
    SetCheck([this] { return m_model.DoCheckData(); });

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        if (fw::CDatabase* db = GetModelDatabases().pList) {
            fw::CQtCombo reactors(m_wndReactor);
            CRSList_Reactor list(db);
            double reactor = 0.0;
            list.DoReadSetDefaultLR(&reactors, &reactor);
        }
        SetText(m_wndReactor, m_model.DoGetTextReactor(0));
        SetText(m_wndPowerFactor, m_model.DoGetTextPowerFactor());
        DoRefresh(0);
    });
    if (m_nMode >= 2 && m_nMode <= 8)
        m_wndCapacity->setReadOnly(true);
}

void CDlgEleCapacitor::DoRefresh(unsigned controlId) {
    Quietly([this, controlId] {
        const double f = m_nFrequency;
        if (controlId != 1110)
            SetText(m_wndCapacity, m_model.DoGetTextCapacity(0));
        SetText(m_wndCapacitance, m_model.DoGetTextElectrostaticCapacity(f, 0));
        SetText(m_wndRatedCurrent, m_model.DoGetTextRatedCurrent(0));
        if (controlId != 1193)
            SetText(m_wndResistance, m_model.DoGetTextUpstreamResistance(0));
        if (controlId != 1195)
            SetText(m_wndReactance, m_model.DoGetTextUpstreamReactance(0));
        const double pf = m_model.m_dPowerFactor;
        SetText(m_wndPhase, pf >= 0.0 && pf <= 1.0 ? m_model.DoGetTextPhaseAngle(0) : "");
        SetText(m_wndPeakCurrent, m_model.DoGetTextPeakCurrent(f, 0));
        SetText(m_wndPeakTime, m_model.DoGetTextPeakTime(f, 0));
    });
}
