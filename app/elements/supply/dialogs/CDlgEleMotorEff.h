#pragma once

#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QCheckBox;
class QLineEdit;

// The motor effect's properties (template 182, "Motor effect"). Every edit
// recomputes the derived values at once, at the document's frequency, which
// this dialog only reads.
class CDlgEleMotorEff : public machinedlg::CRowDialog {
public:
    CDlgEleMotorEff(CEleMotorEff& model, int32_t mode, int32_t frequency,
                    QWidget* parent = nullptr);

    // Rewrites capacity, X"m, Rr and Rs except the one with the control id
    // (0 for all), and always the derived values.
    void DoUpdateTexts(unsigned controlId);

private:
    CEleMotorEff& m_model;
    int32_t m_nMode;
    int32_t m_nFrequency;

    QLineEdit* m_wndName;
    QLineEdit* m_wndVoltage;
    QLineEdit* m_wndCapacity;
    QLineEdit* m_wndRatedCurrent;
    QLineEdit* m_wndSubReactance;
    QLineEdit* m_wndRotorResistance;
    QLineEdit* m_wndStatorResistance;
    QLineEdit* m_wndSubImpedance;
    QLineEdit* m_wndDcConstant;
    QLineEdit* m_wndSubConstant;
    QLineEdit* m_wndInitialCurrent;
    QLineEdit* m_wndIacm;
    QLineEdit* m_wndPeak;
    QCheckBox* m_wndCalcPoint;
};
