#pragma once

#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The generator's properties (template 163, "Generator"): its data, the
// short-circuit values computed from it as it is typed, and the frequency
// of the document, which this dialog may change.
class CDlgEleGenerator : public machinedlg::CRowDialog {
public:
    // Edits edit in place (the caller's copy); mode is the document's mode.
    CDlgEleGenerator(CGeneratorEdit& edit, int32_t mode, QWidget* parent = nullptr);

    // Rewrites the value texts: the rated current, the four machine values
    // except the one with the control id given (0 for all), and the
    // short-circuit values at the dialog's frequency.
    void DoUpdateTexts(unsigned controlId);

private:
    void OnInitDialog();

    CGeneratorEdit& m_edit;
    CEleGenerator& m_model;
    int32_t m_nMode;

    QLineEdit* m_wndName;
    QComboBox* m_wndVoltage;
    QComboBox* m_wndEarthing;
    QComboBox* m_wndCapacity;
    QLineEdit* m_wndRatedCurrent;
    QLineEdit* m_wndTransientReactance;
    QLineEdit* m_wndSubReactance;
    QLineEdit* m_wndDcConstant;
    QLineEdit* m_wndSubConstant;
    QLineEdit* m_wndStatorResistance;
    QLineEdit* m_wndIkdSub;
    QLineEdit* m_wndIkdTransient;
    QLineEdit* m_wndIacNoLoad;
    QLineEdit* m_wndIacLoad;
    QLineEdit* m_wndPeak;
    QRadioButton* m_wnd50Hz;
    QRadioButton* m_wnd60Hz;
    QCheckBox* m_wndCalcPoint;
};
