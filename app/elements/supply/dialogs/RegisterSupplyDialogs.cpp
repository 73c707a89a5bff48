#include "RegisterSupplyDialogs.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/supply/dialogs/CDlgEleSource.h"
#include "app/elements/supply/dialogs/CDlgEleTrans1.h"
#include "app/elements/supply/dialogs/CDlgEleTrans3.h"
#include "app/elements/supply/dialogs/CDlgEleZeroCond.h"
#include "app/records/DialogSeam.h"

#include <QApplication>

namespace {

// The document values of the edit that runs the dialog; a new document's
// outside an edit.
CEleDocSettings EditSettings() {
    const CEleEditContext* ctx = CEleEditContext::Current();
    return ctx ? ctx->settings : CEleDocSettings();
}

QWidget* Parent() {
    return QApplication::activeWindow();
}

} // namespace

void RegisterSupplyDialogs() {
    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit& edit) {
        const CEleDocSettings s = EditSettings();
        CDlgEleSource dlg(Parent());
        dlg.m_eleSource = edit.source;
        dlg.m_infoSkeleton.m_nFrequency = edit.nFrequency;
        dlg.m_infoSkeleton.m_dCapacity = s.dBaseCapacity;
        dlg.m_nMode = s.nMode;
        dlg.OnInitDialog();
        if (dlg.exec() != QDialog::Accepted)
            return false;
        edit.source = dlg.m_eleSource;
        edit.nFrequency = dlg.m_infoSkeleton.m_nFrequency;
        return true;
    };
    DialogSeam<CEleTrans3>::run = [](CEleTrans3& model) {
        const CEleDocSettings s = EditSettings();
        CDlgEleTrans3 dlg(Parent());
        dlg.m_eleTrans3 = model;
        dlg.m_nMode = s.nMode;
        dlg.m_nFrequency = s.nFrequency;
        dlg.OnInitDialog();
        if (dlg.exec() != QDialog::Accepted)
            return false;
        model = dlg.m_eleTrans3;
        return true;
    };
    DialogSeam<CEleTrans1>::run = [](CEleTrans1& model) {
        const CEleDocSettings s = EditSettings();
        CDlgEleTrans1 dlg(Parent());
        dlg.m_eleTrans1 = model;
        dlg.m_nMode = s.nMode;
        dlg.m_nFrequency = s.nFrequency;
        dlg.OnInitDialog();
        if (dlg.exec() != QDialog::Accepted)
            return false;
        model = dlg.m_eleTrans1;
        return true;
    };
    DialogSeam<CEleZeroCond>::run = [](CEleZeroCond& model) {
        CDlgEleZeroCond dlg(Parent());
        dlg.m_eleZeroCond = model;
        dlg.OnInitDialog();
        if (dlg.exec() != QDialog::Accepted)
            return false;
        model = dlg.m_eleZeroCond;
        return true;
    };
}
