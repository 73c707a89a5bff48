#include "CDlgEleGenerator.h"

#include "app/elements/supply/MachineTexts.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Generator.h"
#include "framework/QtCombo.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_VoltLow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <charconv>

using namespace machinedlg;

namespace {

// The rated current as the dialog's double field shows it.
std::string DoubleText(double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, machinetext::Finite(value),
                           std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

} // namespace

CDlgEleGenerator::CDlgEleGenerator(CGeneratorEdit& edit, int32_t mode, QWidget* parent)
    : CRowDialog(163, "Generator", parent), m_edit(edit), m_model(edit.generator), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddCombo(1089, "Voltage(V):", true, 3);
    m_wndEarthing = AddCombo(1115, "Earthing system:", false);
    m_wndCapacity = AddCombo(1110, "Capacity(kVA):", true, 4);
    m_wndRatedCurrent = AddEdit(1100, "Rated current(A):", true);
    m_wndTransientReactance = AddEdit(1087, "Transient reactance(%):");
    m_wndSubReactance = AddEdit(1118, "Sub-transient reactance(%):");
    m_wndDcConstant = AddEdit(1187, "DC Time constant(s):");
    m_wndSubConstant = AddEdit(1126, "Sub-transient time constant(s):");
    m_wndStatorResistance = AddEdit(1122, "Stator resistance(%):", true);
    m_wndIkdSub = AddEdit(1128, "Subtransient short-circuit current I\"kd(kA):", true);
    m_wndIkdTransient = AddEdit(1129, "Transient short-circuit current I'kd(kA):", true);
    m_wndIacNoLoad = AddEdit(1135, "AC component of short-circuit current Iac no-load(kA):", true);
    m_wndIacLoad = AddEdit(1137, "AC component of short-circuit current Iac load(kA):", true);
    m_wndPeak = AddEdit(1120, "Peak value of short-circuit current Iac(kA):", true);
    auto* frequency = new QGroupBox(QStringLiteral("Frequency"), this);
    auto* row = new QHBoxLayout(frequency);
    m_wnd50Hz = AddRadio(1150, "50Hz", frequency);
    m_wnd60Hz = AddRadio(1152, "60Hz", frequency);
    row->addWidget(m_wnd50Hz);
    row->addWidget(m_wnd60Hz);
    Rows()->addRow(frequency);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        EnableOk(!text.empty());
    });
    OnEdited(m_wndVoltage, [this](const std::string& text) {
        m_model.m_nVoltage = ReadWhole(text);
        EnableOk(m_model.m_nVoltage >= 1);
        DoUpdateTexts(0);
    });
    OnChosen(m_wndVoltage, [this](int index) {
        EnableOk(true);
        m_model.m_nVoltage = ReadWhole(m_wndVoltage->itemText(index).toStdString());
        DoUpdateTexts(0);
    });
    OnChosen(m_wndEarthing, [this](int index) {
        EnableOk(true);
        m_model.m_nEarthing = static_cast<uint32_t>(m_wndEarthing->itemData(index).toLongLong());
    });
    OnEdited(m_wndCapacity, [this](const std::string& text) {
        m_model.m_dCapacity = ReadDecimal(text);
        EnableOk(m_model.m_dCapacity > 0.0);
        m_model.DoReadByCapacity(m_model.m_dCapacity);
        DoUpdateTexts(0);
    });
    OnChosen(m_wndCapacity, [this](int index) {
        EnableOk(true);
        m_model.m_dCapacity = ReadDecimal(m_wndCapacity->itemText(index).toStdString());
        m_model.DoReadByCapacity(m_model.m_dCapacity);
        DoUpdateTexts(0);
    });
    struct MachineValue {
        QLineEdit* edit;
        unsigned id;
        double CEleGenerator::*field;
    };
    for (MachineValue v :
         {MachineValue{m_wndTransientReactance, 1087, &CEleGenerator::m_dTransientReactance},
          MachineValue{m_wndSubReactance, 1118, &CEleGenerator::m_dSubReactance},
          MachineValue{m_wndDcConstant, 1187, &CEleGenerator::m_dDcConstant},
          MachineValue{m_wndSubConstant, 1126, &CEleGenerator::m_dSubConstant}}) {
        OnEdited(v.edit, [this, v](const std::string& text) {
            m_model.*v.field = ReadDecimal(text);
            EnableOk(m_model.*v.field > 0.0);
            DoUpdateTexts(v.id);
        });
    }
    connect(m_wnd50Hz, &QRadioButton::clicked, this, [this] {
        m_edit.nFrequency = 50;
        DoUpdateTexts(0);
    });
    connect(m_wnd60Hz, &QRadioButton::clicked, this, [this] {
        m_edit.nFrequency = 60;
        DoUpdateTexts(0);
    });
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    SetCheck([this] { return m_model.DoCheckData(); });

    OnInitDialog();
}

void CDlgEleGenerator::OnInitDialog() {
    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        m_wnd50Hz->setChecked(m_edit.nFrequency == 50);
        m_wnd60Hz->setChecked(m_edit.nFrequency == 60);

        const CModelDatabases& db = GetModelDatabases();
        fw::CQtCombo voltages(m_wndVoltage);
        if (db.pList) {
            CRSList_VoltLow list(db.pList);
            int32_t voltage = 0;
            list.DoReadSetDefaultLV(&voltages, &voltage);
        }
        SetText(m_wndVoltage, machinetext::Beams(m_model.m_nVoltage));

        fw::CQtCombo earthing(m_wndEarthing);
        std::string earthingName;
        if (db.pList) {
            CRSList_Earthing list(db.pList);
            unsigned code = 0;
            list.DoReadSetDefaultLE3(&earthing, &code);
            earthingName = list.DoReadByEarthCode(m_model.m_nEarthing);
        }
        // The entry whose text is the name of the model's code; none when
        // the code has no name.
        m_wndEarthing->setCurrentIndex(
            earthingName.empty() ? -1 : earthing.FindStringExact(-1, earthingName));

        fw::CQtCombo capacities(m_wndCapacity);
        if (db.pEquip) {
            CRSEquip_Generator list(db.pEquip);
            double capacity = 0.0;
            list.DoReadSetDefaultG(&capacities, &capacity, nullptr, nullptr, nullptr, nullptr);
        }
        SetText(m_wndCapacity, machinetext::Beams(m_model.m_dCapacity));

        DoUpdateTexts(0);
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
    });

    if (m_nMode == 2) {
        m_wndEarthing->setEnabled(false);
    } else if (m_nMode >= 3 && m_nMode <= 8) {
        m_wndVoltage->setEnabled(false);
        m_wndEarthing->setEnabled(false);
        m_wndCapacity->setEnabled(false);
        m_wnd50Hz->setEnabled(false);
        m_wnd60Hz->setEnabled(false);
        for (QLineEdit* edit :
             {m_wndTransientReactance, m_wndSubReactance, m_wndDcConstant, m_wndSubConstant})
            edit->setReadOnly(true);
    }
}

void CDlgEleGenerator::DoUpdateTexts(unsigned controlId) {
    using machinetext::BeamsEx;
    Quietly([this, controlId] {
        const double f = m_edit.nFrequency;
        SetText(m_wndRatedCurrent, DoubleText(m_model.GetRatedCurrent()));
        if (controlId != 1087)
            SetText(m_wndTransientReactance, m_model.DoGetTextTransientReactance(0));
        if (controlId != 1118)
            SetText(m_wndSubReactance, m_model.DoGetTextSubtransientReactance(0));
        if (controlId != 1187)
            SetText(m_wndDcConstant, m_model.DoGetTextDcTimeConstant(0));
        if (controlId != 1126)
            SetText(m_wndSubConstant, m_model.DoGetTextSubtransientTimeConstant(0));
        SetText(m_wndStatorResistance, m_model.DoGetTextStatorResistance(f, 0));
        SetText(m_wndIkdSub, m_model.DoGetTextIkdSubtransient(f));
        SetText(m_wndIkdTransient, m_model.DoGetTextIkdTransient(f));
        SetText(m_wndIacNoLoad, m_model.DoGetTextIacNoLoad(f));
        SetText(m_wndIacLoad, m_model.DoGetTextIacLoad(f, 0));
        SetText(m_wndPeak, m_model.DoGetTextIacPeak(f, 0));
    });
}
