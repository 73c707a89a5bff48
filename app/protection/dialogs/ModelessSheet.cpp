#include "ModelessSheet.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>

CModelessSheet::CModelessSheet(const std::string& title, QWidget* parent, int startPage)
    : fw::CPropertySheet(title, parent, startPage) {
    setModal(false);
    if (QWidget* buttons = GetOkButton()->parentWidget(); qobject_cast<QDialogButtonBox*>(buttons))
        buttons->hide();
}

void CModelessSheet::DoCreate() {
    DoStartPages();
    show();
}

void CModelessSheet::DoStartPages() {
    DoStart();
    if (m_nCreatePage > 0 && m_nCreatePage < GetPageCount())
        SetActivePage(m_nCreatePage);
}

void CModelessSheet::DoClose() {
    if (m_bClosing)
        return;
    m_bClosing = true;
    OnSheetClosing();
    hide();
    deleteLater();
}

void CModelessSheet::reject() {
    DoClose();
}

void CModelessSheet::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoClose();
}
