#pragma once

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QComboBox;
class QLineEdit;

// The capacitor's properties (template 179, "Capacitor"), with its inrush
// values at the document's frequency.
class CDlgEleCapacitor : public machinedlg::CRowDialog {
public:
    CDlgEleCapacitor(CEleCapacitor& model, int32_t mode, int32_t frequency,
                     QWidget* parent = nullptr);

    // Capacity and the up-stream values except the one with the control id
    // (0 for all); always C, Ic, the phase (while the power factor lies in
    // 0 to 1, else empty), the peak current and t0.
    void DoRefresh(unsigned controlId);

private:
    CEleCapacitor& m_model;
    int32_t m_nMode;
    int32_t m_nFrequency;

    QLineEdit* m_wndName;
    QLineEdit* m_wndVoltage;
    QLineEdit* m_wndCapacity;
    QLineEdit* m_wndCapacitance;
    QLineEdit* m_wndRatedCurrent;
    QLineEdit* m_wndResistance;
    QLineEdit* m_wndReactance;
    QComboBox* m_wndReactor;
    QLineEdit* m_wndPowerFactor;
    QLineEdit* m_wndPhase;
    QLineEdit* m_wndPeakCurrent;
    QLineEdit* m_wndPeakTime;
};
