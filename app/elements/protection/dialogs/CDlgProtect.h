#pragma once

#include "app/elements/protection/ProtectCycles.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QLineEdit;

// The interception times of a wire's I2t check (template 197, "Interception
// cycle"), in cycles: each a positive multiple of half a cycle, at 50 Hz at
// most 250 and at 60 Hz at most 300. The groups the wire system lacks are
// shown disabled, and OK still tests their stored values.
class CDlgProtect : public machinedlg::CRowDialog {
public:
    CDlgProtect(CProtectCycles& cycles, QWidget* parent = nullptr);

    // Whether OK takes the time: a whole number of half cycles, within the
    // limit of the frequency (none at other frequencies).
    static bool IsGoodCycles(double cycles, int32_t frequency);

private:
    // The control of the first bad time (phases, N, PE), else 0.
    uint32_t DoCheckCycles() const;

    CProtectCycles& m_cycles;
    QLineEdit* m_wndCycles[3];
};
