#include "RegisterProtectionDialogs.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/protection/dialogs/CDlgEleContactor.h"
#include "app/elements/protection/dialogs/CDlgEleHVCB.h"
#include "app/elements/protection/dialogs/CDlgEleLVCB.h"
#include "app/elements/protection/dialogs/CDlgEleThermal.h"
#include "app/elements/protection/dialogs/CDlgProtect.h"
#include "app/records/DialogSeam.h"

namespace {

// The document values of the edit that runs the dialog; a new document's
// outside an edit.
CEleDocSettings EditSettings() {
    const CEleEditContext* ctx = CEleEditContext::Current();
    return ctx ? ctx->settings : CEleDocSettings();
}

int32_t VoltageLock() {
    const CEleEditContext* ctx = CEleEditContext::Current();
    return ctx ? ctx->nVoltageLock : 0;
}

} // namespace

void RegisterProtectionDialogs() {
    DialogSeam<CEleContactor>::run = [](CEleContactor& model) {
        CDlgEleContactor dlg(model, EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleLVCB>::run = [](CEleLVCB& model) {
        CDlgEleLVCB dlg(model, VoltageLock(), EditSettings().nMode, machinedlg::DialogParent());
        const CEleEditContext* ctx = CEleEditContext::Current();
        dlg.SetUpstreamFinder(ctx ? ctx->findUpstream : nullptr, EditSettings().nFrequency);
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleHVCB>::run = [](CEleHVCB& model) {
        CDlgEleHVCB dlg(model, VoltageLock(), EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleThermal>::run = [](CEleThermal& model) {
        CDlgEleThermal dlg(model, VoltageLock(), EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CProtectCycles>::run = [](CProtectCycles& cycles) {
        CDlgProtect dlg(cycles, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
}
