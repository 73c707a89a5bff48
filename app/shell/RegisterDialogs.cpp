#include "RegisterDialogs.h"

#include "app/elements/conductors/dialogs/RegisterConductorDialogs.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/elements/protection/dialogs/RegisterProtectionDialogs.h"
#include "app/elements/supply/dialogs/CDlgEleCapacitor.h"
#include "app/elements/supply/dialogs/CDlgEleGenerator.h"
#include "app/elements/supply/dialogs/CDlgEleLoad.h"
#include "app/elements/supply/dialogs/CDlgEleMotor.h"
#include "app/elements/supply/dialogs/CDlgEleMotorEff.h"
#include "app/elements/supply/dialogs/CDlgEleText.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"
#include "app/elements/supply/dialogs/RegisterSupplyDialogs.h"
#include "app/protection/dialogs/RegisterCoordSheets.h"
#include "app/records/DialogSeam.h"

namespace {

// The document values of the edit that runs the dialog; the defaults of a
// new document outside an edit.
CEleDocSettings EditSettings() {
    const CEleEditContext* ctx = CEleEditContext::Current();
    return ctx ? ctx->settings : CEleDocSettings();
}

} // namespace

// One line a model: DialogSeam<Model>::run = [](Model& m) { ...dialog... };
void RegisterDialogs() {
    DialogSeam<CGeneratorEdit>::run = [](CGeneratorEdit& edit) {
        CDlgEleGenerator dlg(edit, EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleMotorEff>::run = [](CEleMotorEff& model) {
        CEleDocSettings s = EditSettings();
        CDlgEleMotorEff dlg(model, s.nMode, s.nFrequency, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleMotor>::run = [](CEleMotor& model) {
        CDlgEleMotor dlg(model, EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleLoad>::run = [](CEleLoad& model) {
        CDlgEleLoad dlg(model, EditSettings().nMode, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleCapacitor>::run = [](CEleCapacitor& model) {
        CEleDocSettings s = EditSettings();
        CDlgEleCapacitor dlg(model, s.nMode, s.nFrequency, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    DialogSeam<CEleText>::run = [](CEleText& model) {
        CDlgEleText dlg(model, machinedlg::DialogParent());
        return dlg.exec() == QDialog::Accepted;
    };
    RegisterSupplyDialogs();
    RegisterConductorDialogs();
    RegisterProtectionDialogs();
    RegisterCoordinationSheets();
}
