#include "CDlgEleZeroCond.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "framework/Resources.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace supplydlg;

CDlgEleZeroCond::CDlgEleZeroCond(QWidget* parent) : QDialog(parent) {
    fw::SetControlId(this, IDD);
    setWindowTitle(QStringLiteral("Zero conductor"));
    SetDialogSize(this, 170, 80);

    AddStatic(this, "Reference No.:", 5, 7, 60, 10);
    m_edName = AddEdit(this, 1060, 70, 5, 60, 12);
    AddStatic(this, "Voltage(V):", 5, 22, 60, 10);
    m_edVoltage = AddEdit(this, 1089, 70, 20, 60, 12, true);
    m_btnCalcPoint = AddCheck(this, 1181, "Calculation point", 70, 37, 80, 10);
    m_btnOK = AddButton(this, 1, "OK", 25, 58, 50, 14, true);
    QPushButton* cancel = AddButton(this, 2, "Cancel", 90, 58, 50, 14);

    connect(m_edName, &QLineEdit::textEdited, this, [this] { OnChangeName(); });
    connect(m_btnCalcPoint, &QCheckBox::clicked, this, [this] { OnCalcPoint(); });
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CDlgEleZeroCond::~CDlgEleZeroCond() = default;

void CDlgEleZeroCond::OnInitDialog() {
    SetText(m_edName, m_eleZeroCond.m_strName);
    SetText(m_edVoltage, m_eleZeroCond.DoGetTextVoltage(0));
    m_btnCalcPoint->setChecked(m_eleZeroCond.m_nCalcPoint == 1);
}

void CDlgEleZeroCond::OnChangeName() {
    m_eleZeroCond.m_strName = GetText(m_edName);
    m_btnOK->setEnabled(!m_eleZeroCond.m_strName.empty());
}

void CDlgEleZeroCond::OnCalcPoint() {
    m_eleZeroCond.m_nCalcPoint = m_btnCalcPoint->isChecked() ? 1 : 0;
}
