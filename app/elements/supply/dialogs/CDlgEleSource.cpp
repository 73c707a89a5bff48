#include "CDlgEleSource.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_VoltHigh.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

using namespace supplydlg;

CDlgEleSource::CDlgEleSource(QWidget* parent)
    : QDialog(parent), m_pListDb(GetModelDatabases().pList) {
    fw::SetControlId(this, IDD);
    setWindowTitle(QStringLiteral("Source"));
    SetDialogSize(this, 230, 165);

    AddStatic(this, "Reference No.:", 5, 7, 70, 10);
    m_edName = AddEdit(this, 1060, 80, 5, 60, 12);
    AddStatic(this, "Voltage(V):", 5, 22, 70, 10);
    m_cbVoltage = AddCombo(this, 1089, 80, 20, 60, 70, true);
    AddStatic(this, "Capacity(MVA):", 5, 37, 70, 10);
    m_cbCapacity = AddCombo(this, 1110, 80, 35, 60, 50, true);
    AddStatic(this, "X/R:", 5, 52, 70, 10);
    m_edXR = AddEdit(this, 1086, 80, 50, 30, 12);
    AddStatic(this, "Frequency:", 5, 66, 70, 10);
    m_rb50 = AddRadio(this, 1150, "50Hz", 80, 65, 35, 10);
    m_rb60 = AddRadio(this, 1152, "60Hz", 120, 65, 35, 10);
    auto* group = new QButtonGroup(this);
    group->addButton(m_rb50);
    group->addButton(m_rb60);
    AddStatic(this, "%-Impedance(%):", 5, 82, 70, 10);
    m_edPercentR = AddEdit(this, 1084, 80, 80, 40, 12, true);
    AddStatic(this, "+ j", 121, 82, 10, 10, Qt::AlignCenter);
    m_edPercentX = AddEdit(this, 1085, 132, 80, 40, 12, true);
    AddStatic(this, "=", 173, 82, 8, 10, Qt::AlignCenter);
    m_edPercentZ = AddEdit(this, 1083, 182, 80, 40, 12, true);
    AddStatic(this, "Resistance(mohms):", 5, 97, 70, 10);
    m_edResistance = AddEdit(this, 1079, 80, 95, 60, 12, true);
    AddStatic(this, "Reactance(mohms):", 5, 112, 70, 10);
    m_edReactance = AddEdit(this, 1080, 80, 110, 60, 12, true);
    AddStatic(this, "Impedance(mohms):", 5, 127, 70, 10);
    m_edImpedance = AddEdit(this, 1078, 80, 125, 60, 12, true);
    m_btnOK = AddButton(this, 1, "OK", 55, 145, 50, 14, true);
    QPushButton* cancel = AddButton(this, 2, "Cancel", 120, 145, 50, 14);

    connect(m_edName, &QLineEdit::textEdited, this, [this] { OnChangeName(); });
    connect(m_cbVoltage, &QComboBox::activated, this, [this] { OnSelchangeVoltage(); });
    connect(m_cbVoltage->lineEdit(), &QLineEdit::textEdited, this,
            [this] { OnEditchangeVoltage(); });
    connect(m_cbCapacity, &QComboBox::activated, this, [this] { OnSelchangeCapacity(); });
    connect(m_cbCapacity->lineEdit(), &QLineEdit::textEdited, this,
            [this] { OnEditchangeCapacity(); });
    connect(m_edXR, &QLineEdit::textEdited, this, [this] { OnChangeXR(); });
    connect(m_rb50, &QRadioButton::clicked, this, [this] { OnFrequency50(); });
    connect(m_rb60, &QRadioButton::clicked, this, [this] { OnFrequency60(); });
    connect(m_btnOK, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CDlgEleSource::~CDlgEleSource() = default;

void CDlgEleSource::OnInitDialog() {
    SetText(m_edName, m_eleSource.m_strName);
    {
        fw::CQtCombo box(m_cbVoltage);
        int32_t voltage = 0;
        if (m_pListDb) {
            CRSList_VoltHigh rs(m_pListDb);
            rs.DoReadSetDefaultLV(&box, &voltage, 1);
        }
    }
    LimitText(m_cbVoltage, 5);
    SetText(m_cbVoltage, m_eleSource.DoGetTextVoltage(0));
    m_cbCapacity->addItem(QStringLiteral("500"));
    m_cbCapacity->addItem(QStringLiteral("1000"));
    LimitText(m_cbCapacity, 4);
    SetText(m_cbCapacity, m_eleSource.DoGetTextCapacity(0));
    LimitText(m_edXR, 2);
    SetText(m_edXR, m_eleSource.DoGetTextXR());
    m_rb50->setChecked(m_infoSkeleton.m_nFrequency == 50);
    m_rb60->setChecked(m_infoSkeleton.m_nFrequency == 60);
    DoUpdateTexts();

    if (m_nMode >= 3 && m_nMode <= 8) {
        m_cbVoltage->setEnabled(false);
        m_cbCapacity->setEnabled(false);
        m_rb50->setEnabled(false);
        m_rb60->setEnabled(false);
        m_edXR->setReadOnly(true);
    }
}

void CDlgEleSource::DoUpdateTexts() {
    double p = m_infoSkeleton.m_dCapacity;
    SetText(m_edPercentR, m_eleSource.DoGetTextPercentR(p, 0));
    SetText(m_edPercentX, m_eleSource.DoGetTextPercentX(p, 0));
    SetText(m_edPercentZ, m_eleSource.DoGetTextPercentZ(p, 0));
    SetText(m_edResistance, m_eleSource.DoGetTextResistance(p, 0));
    SetText(m_edReactance, m_eleSource.DoGetTextReactance(p, 0));
    SetText(m_edImpedance, m_eleSource.DoGetTextImpedance(p, 0));
}

void CDlgEleSource::OnChangeName() {
    m_eleSource.m_strName = GetText(m_edName);
    m_btnOK->setEnabled(!m_eleSource.m_strName.empty());
}

void CDlgEleSource::OnSelchangeVoltage() {
    int sel = m_cbVoltage->currentIndex();
    if (sel >= 0)
        m_eleSource.m_nVoltage =
            static_cast<int32_t>(std::atol(m_cbVoltage->itemText(sel).toStdString().c_str()));
    m_btnOK->setEnabled(true);
    DoUpdateTexts();
}

void CDlgEleSource::OnEditchangeVoltage() {
    m_eleSource.m_nVoltage = static_cast<int32_t>(std::atol(GetText(m_cbVoltage).c_str()));
    m_btnOK->setEnabled(m_eleSource.m_nVoltage >= 1);
    DoUpdateTexts();
}

void CDlgEleSource::OnSelchangeCapacity() {
    int sel = m_cbCapacity->currentIndex();
    if (sel >= 0)
        m_eleSource.m_nCapacity =
            static_cast<int32_t>(std::atol(m_cbCapacity->itemText(sel).toStdString().c_str()));
    m_btnOK->setEnabled(true);
    DoUpdateTexts();
}

void CDlgEleSource::OnEditchangeCapacity() {
    m_eleSource.m_nCapacity = static_cast<int32_t>(std::atol(GetText(m_cbCapacity).c_str()));
    m_btnOK->setEnabled(m_eleSource.m_nCapacity >= 1);
    DoUpdateTexts();
}

void CDlgEleSource::OnChangeXR() {
    m_eleSource.m_dXR = std::atof(GetText(m_edXR).c_str());
    m_btnOK->setEnabled(m_eleSource.m_dXR > 0.0);
    DoUpdateTexts();
}

void CDlgEleSource::OnFrequency50() {
    m_infoSkeleton.m_nFrequency = 50;
}

void CDlgEleSource::OnFrequency60() {
    m_infoSkeleton.m_nFrequency = 60;
}

void CDlgEleSource::OnOK() {
    if (uint32_t id = m_eleSource.DoCheckData(); id >= 1) {
        FocusControl(this, id);
        return;
    }
    accept();
}
