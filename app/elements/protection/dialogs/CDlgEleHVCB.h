#pragma once

#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

#include <cstdint>

class CInfoBase;
class CReadBase;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The high-voltage breaker's properties (template 165, "High-voltage circuit
// breaker") on the copy the model's edit hands it: the circuit voltage, the
// rated current and breaking capacity, the CT ratio, the relay product
// (maker, group, type) with its dial settings, and the flags.
class CDlgEleHVCB : public machinedlg::CRowDialog {
public:
    // voltageLock above 0 keeps the voltage as it is; mode is the
    // document's.
    CDlgEleHVCB(CEleHVCB& model, int32_t voltageLock, int32_t mode, QWidget* parent = nullptr);

private:
    void DoFillProduct();
    // The chain after a new maker (from the groups), group (from the types)
    // or type (from its defaults): the boxes, "Detail..." and OK follow what
    // the database gave.
    void DoChainFrom(int step);
    void OnDetail();
    void DoUpdateOk();

    CEleHVCB& m_model;
    int32_t m_nVoltageLock;
    int32_t m_nMode;
    CInfoBase* m_pInfoBase = nullptr;
    CReadBase* m_pReadBase = nullptr;
    // What keeps OK off: a typed value, the name or the product.
    bool m_bBadName = false;
    bool m_bBadTyped[5] = {};
    bool m_bBadProduct = false;

    QLineEdit* m_wndName;
    QComboBox* m_wndVoltage;
    QLineEdit* m_wndRated;
    QLineEdit* m_wndCapacity;
    QComboBox* m_wndCT1;
    QComboBox* m_wndCT2;
    QComboBox* m_wndMaker;
    QComboBox* m_wndGroup;
    QComboBox* m_wndType;
    QPushButton* m_wndDetail;
    QCheckBox* m_wndCalcPoint;
    QCheckBox* m_wndOff;
};
