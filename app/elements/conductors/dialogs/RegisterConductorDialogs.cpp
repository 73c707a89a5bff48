#include "RegisterConductorDialogs.h"

#include "app/elements/conductors/dialogs/CDlgEleBusBarSheet.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctSheet.h"
#include "app/elements/conductors/dialogs/CDlgEleWireSheet.h"
#include "app/elements/conductors/dialogs/ConductorPageKit.h"
#include "app/records/DialogSeam.h"

namespace {

// The document values of the edit that runs the sheet; a new document's
// outside an edit.
CEleDocSettings EditSettings() {
    const CEleEditContext* ctx = CEleEditContext::Current();
    return ctx ? ctx->settings : CEleDocSettings();
}

} // namespace

void RegisterConductorDialogs() {
    DialogSeam<CEleWire>::run = [](CEleWire& wire) {
        const CEleDocSettings s = EditSettings();
        return CDlgEleWireSheet::DoEdit(wire, s.nFrequency, s.nMode, conddlg::SheetParent());
    };
    DialogSeam<CEleBusBar>::run = [](CEleBusBar& busBar) {
        const CEleDocSettings s = EditSettings();
        return CDlgEleBusBarSheet::DoEdit(busBar, s.nFrequency, s.nMode, conddlg::SheetParent());
    };
    DialogSeam<CEleBusDuct>::run = [](CEleBusDuct& busDuct) {
        const CEleDocSettings s = EditSettings();
        return CDlgEleBusDuctSheet::DoEdit(busDuct, s.nFrequency, s.nMode, conddlg::SheetParent());
    };
}
