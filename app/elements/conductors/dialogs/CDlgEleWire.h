#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

class CDlgEleWireSheet;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The wire sheet's page "Basic" (dialog 175): name, circuit data, wire
// system, material, insulation, core kind, installation method and the
// calculation point.
class CDlgEleWire : public conddlg::CRowPage {
public:
    explicit CDlgEleWire(CDlgEleWireSheet& sheet);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

private:
    void DoUpdate();
    void DoUpdateReadOnly();
    void DoUpdateVoltageDrop();
    void OnWireSystem(uint32_t wireSystem);
    void OnMaterial(uint32_t material);
    void OnInsulation(uint32_t insulation);
    void OnCoreKind(uint32_t coreKind);
    void OnMethod(uint32_t method);
    void DoRecalcAll();

    CDlgEleWireSheet& m_sheet;
    QLineEdit* m_pName;
    QComboBox* m_pCircuits;
    QLineEdit* m_pAmbient;
    QLineEdit* m_pLoadCurrent;
    QLineEdit* m_pLength;
    QLineEdit* m_pVoltageDrop;
    QLineEdit* m_pVoltage;
    QRadioButton* m_pWire[3];
    QRadioButton* m_pMaterial[2];
    QRadioButton* m_pInsulation[2];
    QRadioButton* m_pCoreKind[2];
    QRadioButton* m_pMethod[3];
    QCheckBox* m_pCalcPoint;
};
