#pragma once

#include "app/elements/protection/CEleThermal.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

#include <cstdint>

class CInfoBase;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The thermal relay's properties (template 180, "Thermal") on the copy the
// model's edit hands it: its controls edit the characteristic's type data,
// reference data and parts directly.
class CDlgEleThermal : public machinedlg::CRowDialog {
public:
    // voltageFixed above 0 keeps the voltage list as it is.
    CDlgEleThermal(CEleThermal& model, int32_t voltageFixed, int32_t mode,
                   QWidget* parent = nullptr);

private:
    void DoFillProduct();
    // After a new maker (from the series), series (from the types) or type:
    // the type data and the setting parts read; "Detail..." and OK follow.
    void DoChainFrom(int step);
    void OnDetail();
    void DoUpdateOk();

    CEleThermal& m_model;
    int32_t m_nMode;
    CInfoBase* m_pInfoBase = nullptr;
    bool m_bBadName = false;
    bool m_bBadVoltage = false;
    bool m_bBadProduct = false;

    QLineEdit* m_wndName;
    QComboBox* m_wndVoltage;
    QComboBox* m_wndPoles;
    QComboBox* m_wndMaker;
    QComboBox* m_wndSeries;
    QComboBox* m_wndType;
    QRadioButton* m_wndType1;
    QRadioButton* m_wndType2;
    QCheckBox* m_wndCalcPoint;
    QPushButton* m_wndDetail;
};
