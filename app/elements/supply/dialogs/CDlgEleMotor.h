#pragma once

#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QLineEdit;

// The motor's properties (template 181, "Motor").
class CDlgEleMotor : public machinedlg::CRowDialog {
public:
    CDlgEleMotor(CEleMotor& model, int32_t mode, QWidget* parent = nullptr);

    // Im, the power factor (unless it is being typed), the phase angle
    // while the power factor lies in 0 to 1 (else empty) and the three
    // starting values.
    void DoRefresh(bool powerFactorTyped);

private:
    CEleMotor& m_model;
    int32_t m_nMode;

    QLineEdit* m_wndName;
    QLineEdit* m_wndVoltage;
    QLineEdit* m_wndCapacity;
    QLineEdit* m_wndFullLoadCurrent;
    QLineEdit* m_wndPowerFactor;
    QLineEdit* m_wndPhase;
    QLineEdit* m_wndStartingCurrent;
    QLineEdit* m_wndStartingTime;
    QLineEdit* m_wndInrushCurrent;
};
