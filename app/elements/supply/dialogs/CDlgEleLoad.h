#pragma once

#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QLineEdit;
class QRadioButton;

// The general load's properties (template 183, "General load").
class CDlgEleLoad : public machinedlg::CRowDialog {
public:
    CDlgEleLoad(CEleLoad& model, int32_t mode, QWidget* parent = nullptr);

    // The power factor (unless it is being typed), the phase angle while
    // the power factor lies in 0 to 1 (else empty), the starting multiple
    // and time.
    void DoShowValues(bool powerFactorTyped);

private:
    CEleLoad& m_model;
    int32_t m_nMode;

    QLineEdit* m_wndName;
    QLineEdit* m_wndVoltage;
    QLineEdit* m_wndLoadCurrent;
    QLineEdit* m_wndPowerFactor;
    QRadioButton* m_wndLead;
    QRadioButton* m_wndLag;
    QLineEdit* m_wndPhase;
    QLineEdit* m_wndStartingCurrent;
    QLineEdit* m_wndStartingTime;
};
