#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

#include <cstdint>

class CDlgEleBusDuctSheet;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The bus-duct sheet's page "Basic" (dialog 171).
class CDlgEleBusDuct : public conddlg::CRowPage {
public:
    explicit CDlgEleBusDuct(CDlgEleBusDuctSheet& sheet);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

private:
    void DoUpdate();
    void DoUpdateVoltageDrop();
    void DoUpdateReadOnly();
    void OnWireSystem(uint32_t wireSystem);
    void OnMaterial(uint32_t material);

    CDlgEleBusDuctSheet& m_sheet;
    QLineEdit* m_pName;
    QLineEdit* m_pVoltage;
    QLineEdit* m_pMaxTemp;
    QLineEdit* m_pAmbient;
    QLineEdit* m_pLoadCurrent;
    QLineEdit* m_pLength;
    QLineEdit* m_pVoltageDrop;
    QRadioButton* m_pWire[3];
    QRadioButton* m_pMaterial[2];
    QRadioButton* m_pInsulation[2];
    QCheckBox* m_pCalcPoint;
};
