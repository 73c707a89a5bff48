#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

#include <cstdint>

class CDlgEleBusDuctSheet;
class CEleBusDuctPhase;
class QComboBox;

// A conductor-group page of the bus-duct sheet (dialogs 172, 173, 174, one
// layout): the rated current from the table's list, the row's bars, and the
// resistance and reactance, which the user may override.
class CDlgEleBusDuctGroup : public conddlg::CRowPage {
public:
    CDlgEleBusDuctGroup(CDlgEleBusDuctSheet& sheet, uint32_t group);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    uint32_t GetGroupNumber() const { return m_nGroup; }
    // The rated currents of the material (the N and PE pages from the
    // phases' rating on), the group's own selected.
    void DoFillRatedCombo();
    void DoUpdate(unsigned exceptId = 0);

private:
    CEleBusDuctPhase& Group();
    void DoUpdateReadOnly();
    void OnRatedChosen(int index);
    void OnValueTyped(unsigned id, double value);

    CDlgEleBusDuctSheet& m_sheet;
    uint32_t m_nGroup;
    QComboBox* m_pRated;
};
