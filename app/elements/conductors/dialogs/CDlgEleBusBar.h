#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

#include <cstdint>

class CDlgEleBusBarSheet;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The bus-bar sheet's page "Basic" (dialog 167).
class CDlgEleBusBar : public conddlg::CRowPage {
public:
    explicit CDlgEleBusBar(CDlgEleBusBarSheet& sheet);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void DoUpdateReadOnly();

private:
    void DoUpdate();
    void DoUpdateVoltageDrop();
    void OnWireSystem(uint32_t wireSystem);
    // Material, surface or installation changed: every group again from the
    // table, its overrides replaced.
    void DoRecalcAll();
    void DoRecalcTemperatureFactors();

    CDlgEleBusBarSheet& m_sheet;
    QLineEdit* m_pName;
    QLineEdit* m_pVoltage;
    QLineEdit* m_pMaxTemp;
    QLineEdit* m_pAmbient;
    QLineEdit* m_pLoadCurrent;
    QLineEdit* m_pLength;
    QLineEdit* m_pVoltageDrop;
    QRadioButton* m_pWire[3];
    QRadioButton* m_pMaterial[2];
    QRadioButton* m_pSurface[2];
    QRadioButton* m_pInstallation[2];
    QCheckBox* m_pCalcPoint;
};
