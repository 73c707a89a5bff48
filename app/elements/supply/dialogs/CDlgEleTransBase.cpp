#include "CDlgEleTransBase.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_VoltHigh.h"
#include "listdata/CRSList_VoltLow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>

using namespace supplydlg;

CDlgEleTransBase::CDlgEleTransBase(QWidget* parent, unsigned id, const char* title,
                                   bool halfVoltage)
    : QDialog(parent), m_pEquipDb(GetModelDatabases().pEquip),
      m_pListDb(GetModelDatabases().pList) {
    fw::SetControlId(this, id);
    setWindowTitle(QString::fromUtf8(title));
    SetDialogSize(this, 283, 210);

    m_cbVoltage1 = AddCombo(this, 1103, 120, 5, 45, 70, true);
    m_cbVoltage2 = AddCombo(this, 1104, 120, 20, 45, 70, true);
    m_cbEarthing = AddCombo(this, 1115, 120, 35, 45, 70, false);
    m_cbCapacity = AddCombo(this, 1110, 120, 50, 45, 70, true);
    m_edRatedCurrent = AddEdit(this, 1100, 120, 65, 45, 12, true);
    m_edPercentZ = AddEdit(this, 1083, 120, 80, 45, 12);
    m_edPercentR = AddEdit(this, 1084, 175, 80, 40, 12, true);
    m_edPercentX = AddEdit(this, 1085, 225, 80, 40, 12, true);
    m_edXR = AddEdit(this, 1086, 120, 95, 45, 12);
    m_edResistance = AddEdit(this, 1079, 120, 110, 45, 12, true);
    m_edReactance = AddEdit(this, 1080, 120, 125, 45, 12, true);
    m_edRushPeak = AddEdit(this, 1113, 120, 140, 45, 12);
    m_edRushPeakCurrent = AddEdit(this, 1120, 120, 155, 45, 12, true);
    m_edDampingTime = AddEdit(this, 1125, 120, 170, 45, 12);
    m_edName = AddEdit(this, 1060, 230, 5, 45, 12);
    if (halfVoltage) {
        AddStatic(this, "Half voltage(V):", 170, 37, 55, 10);
        m_edHalfVoltage = AddEdit(this, 1089, 230, 35, 45, 12, true);
    }
    m_btnCalcPoint = AddCheck(this, 1181, "Calculation point", 210, 20, 70, 10);
    m_btnOK = AddButton(this, 1, "OK", 85, 190, 50, 14, true);
    QPushButton* cancel = AddButton(this, 2, "Cancel", 150, 190, 50, 14);

    AddStatic(this, "Reference No.:", 175, 5, 50, 10);
    AddStatic(this, "Primary voltage(V):", 40, 5, 75, 10);
    AddStatic(this, "Secondary voltage(V):", 40, 20, 75, 10);
    AddStatic(this, "Earthing system on LV side:", 20, 35, 95, 10);
    AddStatic(this, "Capacity(kVA):", 50, 50, 65, 10);
    AddStatic(this, "Rated current of secondary It(A):", 5, 65, 110, 10);
    AddStatic(this, "%-impedance(%):", 50, 80, 65, 10);
    AddStatic(this, "=", 166, 80, 8, 10, Qt::AlignCenter);
    AddStatic(this, "+ j", 215, 80, 10, 10, Qt::AlignCenter);
    AddStatic(this, "X/R:", 70, 95, 46, 10);
    AddStatic(this, "Resistance(mohms):", 45, 110, 70, 10);
    AddStatic(this, "Reactance(mohms):", 45, 125, 70, 10);
    AddStatic(this, "Peak value of rush current(x It):", 5, 140, 110, 10);
    AddStatic(this, "Peak value of rush current(Arms):", 0, 155, 115, 10);
    AddStatic(this, "Damping time constant(msec):", 10, 170, 105, 10);

    connect(m_edName, &QLineEdit::textEdited, this, [this] { OnChangeName(); });
    connect(m_cbVoltage1, &QComboBox::activated, this, [this] { OnSelchangeVoltage1(); });
    connect(m_cbVoltage1->lineEdit(), &QLineEdit::textEdited, this,
            [this] { OnEditchangeVoltage1(); });
    connect(m_cbVoltage2, &QComboBox::activated, this, [this] { OnSelchangeVoltage2(); });
    connect(m_cbVoltage2->lineEdit(), &QLineEdit::textEdited, this,
            [this] { OnEditchangeVoltage2(); });
    connect(m_cbEarthing, &QComboBox::activated, this, [this] { OnSelchangeEarthing(); });
    connect(m_cbCapacity, &QComboBox::activated, this, [this] { OnSelchangeCapacity(); });
    connect(m_cbCapacity->lineEdit(), &QLineEdit::textEdited, this,
            [this] { OnEditchangeCapacity(); });
    connect(m_edPercentZ, &QLineEdit::textEdited, this, [this] { OnChangePercentZ(); });
    connect(m_edXR, &QLineEdit::textEdited, this, [this] { OnChangeXR(); });
    connect(m_edRushPeak, &QLineEdit::textEdited, this, [this] { OnChangeRushPeak(); });
    connect(m_edDampingTime, &QLineEdit::textEdited, this, [this] { OnChangeDampingTime(); });
    connect(m_btnCalcPoint, &QCheckBox::clicked, this, [this] { OnCalcPoint(); });
    connect(m_btnOK, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CDlgEleTransBase::~CDlgEleTransBase() = default;

void CDlgEleTransBase::Read() {
    m_strName = GetText(m_edName);
    m_strXR = GetText(m_edXR);
    m_strDampingTime = GetText(m_edDampingTime);
    m_strResistance = GetText(m_edResistance);
    m_strReactance = GetText(m_edReactance);
    m_strPercentZ = GetText(m_edPercentZ);
    m_strPercentR = GetText(m_edPercentR);
    m_strPercentX = GetText(m_edPercentX);
    m_strRatedCurrent = GetText(m_edRatedCurrent);
    m_strRushPeak = GetText(m_edRushPeak);
    m_strRushPeakCurrent = GetText(m_edRushPeakCurrent);
    if (m_edHalfVoltage)
        m_strHalfVoltage = GetText(m_edHalfVoltage);
}

void CDlgEleTransBase::Show() {
    SetText(m_edName, m_strName);
    SetText(m_edXR, m_strXR);
    SetText(m_edDampingTime, m_strDampingTime);
    SetText(m_edResistance, m_strResistance);
    SetText(m_edReactance, m_strReactance);
    SetText(m_edPercentZ, m_strPercentZ);
    SetText(m_edPercentR, m_strPercentR);
    SetText(m_edPercentX, m_strPercentX);
    SetText(m_edRatedCurrent, m_strRatedCurrent);
    SetText(m_edRushPeak, m_strRushPeak);
    SetText(m_edRushPeakCurrent, m_strRushPeakCurrent);
    if (m_edHalfVoltage)
        SetText(m_edHalfVoltage, m_strHalfVoltage);
}

void CDlgEleTransBase::EnableOK(bool enable) {
    m_btnOK->setEnabled(enable);
}

void CDlgEleTransBase::DoFillVoltages(int32_t primaryVoltage, const std::string& primaryText,
                                      const std::string& secondaryText) {
    {
        fw::CQtCombo box(m_cbVoltage1);
        int32_t voltage = 0;
        if (primaryVoltage < 1000) {
            if (m_pListDb) {
                CRSList_VoltLow rs(m_pListDb);
                rs.DoReadSetDefaultLV(&box, &voltage);
            }
            LimitText(m_cbVoltage1, 4);
        } else {
            if (m_pListDb) {
                CRSList_VoltHigh rs(m_pListDb);
                rs.DoReadSetDefaultLV(&box, &voltage, 1);
            }
            LimitText(m_cbVoltage1, 5);
        }
        SetText(m_cbVoltage1, primaryText);
    }
    fw::CQtCombo box(m_cbVoltage2);
    int32_t voltage = 0;
    if (m_pListDb) {
        CRSList_VoltLow rs(m_pListDb);
        rs.DoReadSetDefaultLV(&box, &voltage);
    }
    LimitText(m_cbVoltage2, 4);
    SetText(m_cbVoltage2, secondaryText);
}

void CDlgEleTransBase::DoLockByMode() {
    if (m_nMode == 2) {
        m_cbEarthing->setEnabled(false);
    } else if (m_nMode >= 3 && m_nMode <= 8) {
        m_cbVoltage1->setEnabled(false);
        m_cbVoltage2->setEnabled(false);
        m_cbEarthing->setEnabled(false);
        m_cbCapacity->setEnabled(false);
        m_edPercentZ->setReadOnly(true);
        m_edXR->setReadOnly(true);
    }
}

void CDlgEleTransBase::OnChangeName() {
    Read();
    GetEditedValues().name = m_strName;
    EnableOK(!m_strName.empty());
    Show();
}

void CDlgEleTransBase::OnSelchangeVoltage1() {
    Read();
    EnableOK(true);
    const int sel = m_cbVoltage1->currentIndex();
    if (sel >= 0)
        GetEditedValues().primaryVoltage =
            static_cast<int32_t>(std::atol(m_cbVoltage1->itemText(sel).toStdString().c_str()));
    Show();
}

void CDlgEleTransBase::OnEditchangeVoltage1() {
    Read();
    int32_t& voltage = GetEditedValues().primaryVoltage;
    voltage = static_cast<int32_t>(std::atol(GetText(m_cbVoltage1).c_str()));
    EnableOK(voltage >= 1);
    Show();
}

void CDlgEleTransBase::OnSelchangeVoltage2() {
    Read();
    EnableOK(true);
    const int sel = m_cbVoltage2->currentIndex();
    if (sel >= 0) {
        GetEditedValues().secondaryVoltage =
            static_cast<int32_t>(std::atol(m_cbVoltage2->itemText(sel).toStdString().c_str()));
        DoReadByCapacity(0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTransBase::OnEditchangeVoltage2() {
    Read();
    int32_t& voltage = GetEditedValues().secondaryVoltage;
    voltage = static_cast<int32_t>(std::atol(GetText(m_cbVoltage2).c_str()));
    EnableOK(voltage >= 1);
    DoReadByCapacity(0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTransBase::OnSelchangeEarthing() {
    Read();
    EnableOK(true);
    const int sel = m_cbEarthing->currentIndex();
    if (sel >= 0)
        GetEditedValues().earthing =
            static_cast<uint32_t>(m_cbEarthing->itemData(sel).toLongLong());
    Show();
}

void CDlgEleTransBase::OnSelchangeCapacity() {
    Read();
    EnableOK(true);
    const int sel = m_cbCapacity->currentIndex();
    if (sel >= 0) {
        GetEditedValues().capacity = std::atof(m_cbCapacity->itemText(sel).toStdString().c_str());
        DoReadByCapacity(0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTransBase::OnEditchangeCapacity() {
    Read();
    double& capacity = GetEditedValues().capacity;
    capacity = std::atof(GetText(m_cbCapacity).c_str());
    EnableOK(capacity > 0.0);
    DoReadByCapacity(0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTransBase::OnChangePercentZ() {
    Read();
    double& percentZ = GetEditedValues().percentZ;
    percentZ = std::atof(m_strPercentZ.c_str());
    EnableOK(percentZ > 0.0);
    DoReadByCapacity(1083);
    DoUpdateTexts(1083);
    Show();
}

void CDlgEleTransBase::OnChangeXR() {
    Read();
    double& xr = GetEditedValues().xr;
    xr = std::atof(m_strXR.c_str());
    EnableOK(xr > 0.0);
    DoReadByCapacity(1086);
    DoUpdateTexts(1086);
    Show();
}

void CDlgEleTransBase::OnChangeRushPeak() {
    Read();
    double& rushPeak = GetEditedValues().rushPeak;
    rushPeak = std::atof(m_strRushPeak.c_str());
    EnableOK(rushPeak > 0.0);
    DoUpdateTexts(1113);
    Show();
}

void CDlgEleTransBase::OnChangeDampingTime() {
    Read();
    double& dampingTime = GetEditedValues().dampingTime;
    dampingTime = std::atof(m_strDampingTime.c_str());
    EnableOK(dampingTime > 0.0);
    Show();
}

void CDlgEleTransBase::OnCalcPoint() {
    Read();
    GetEditedValues().calcPoint = m_btnCalcPoint->isChecked() ? 1 : 0;
    Show();
}

// The data check runs for both transformers: OK used to close the
// single-phase dialog on any values, so a transformer without impedance
// reached the calculation.
void CDlgEleTransBase::OnOK() {
    if (const int32_t id = DoCheckData(); id >= 1) {
        FocusControl(this, static_cast<unsigned>(id));
        return;
    }
    accept();
}
