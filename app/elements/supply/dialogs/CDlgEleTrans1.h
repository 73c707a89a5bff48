#pragma once

#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/dialogs/CDlgEleTransBase.h"

#include <cstdint>
#include <string>

// The properties dialog of the single-phase three-wire transformer (template
// 200, "Single-phase transformer"). It mirrors the three-phase dialog and
// edits the full-voltage winding (winding 2); the half voltage is shown
// beside it.
class CDlgEleTrans1 : public CDlgEleTransBase {
public:
    static constexpr unsigned IDD = 200;

    // The lists come from the databases the models read
    // (GetModelDatabases); a database that is not open leaves its lists empty.
    explicit CDlgEleTrans1(QWidget* parent = nullptr);
    ~CDlgEleTrans1() override;

    // Fills the controls from the copy, the document mode and frequency set
    // by the caller, and applies the mode's locks.
    void OnInitDialog();
    // The derived texts after an edit of the control with that id (0: none).
    void DoUpdateTexts(uint32_t editedId);

    // Notification handlers.
    void OnChangeName() override;
    void OnSelchangeVoltage1() override;
    void OnEditchangeVoltage1() override;
    void OnSelchangeVoltage2() override;
    void OnEditchangeVoltage2() override;
    void OnSelchangeEarthing() override;
    void OnSelchangeCapacity() override;
    void OnEditchangeCapacity() override;
    void OnChangePercentZ() override;
    void OnChangeXR() override;
    void OnChangeRushPeak() override;
    void OnChangeDampingTime() override;
    void OnCalcPoint() override;
    void OnOK() override;

    CEleTrans1 m_eleTrans1;    // the copy being edited
    int32_t m_nFrequency = 50; // Hz, the document's
    int32_t m_nMode = 1;       // the document's mode
};
