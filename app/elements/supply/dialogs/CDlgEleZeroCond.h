#pragma once

#include "app/elements/supply/CEleZeroCond.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The properties dialog of the zero conductor (template 184, "Zero
// conductor"): its name and whether it is a calculation point; the voltage
// is shown only.
class CDlgEleZeroCond : public QDialog {
public:
    static constexpr unsigned IDD = 184;

    explicit CDlgEleZeroCond(QWidget* parent = nullptr);
    ~CDlgEleZeroCond() override;

    // Fills the controls from the copy.
    void OnInitDialog();

    void OnChangeName();
    void OnCalcPoint();

    CEleZeroCond m_eleZeroCond; // the copy being edited

    QLineEdit* m_edName = nullptr;       // 1060
    QLineEdit* m_edVoltage = nullptr;    // 1089, read-only
    QCheckBox* m_btnCalcPoint = nullptr; // 1181
    QPushButton* m_btnOK = nullptr;      // 1
};
