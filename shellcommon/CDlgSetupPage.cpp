#include "shellcommon/CDlgSetupPage.h"

#include "framework/MessageBox.h"
#include "framework/Resources.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace {

// A whole number with blanks around it and an optional sign; nothing else.
std::optional<int> ReadWholeNumber(const QString& text) {
    bool ok = false;
    int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

CDlgSetupPage::CDlgSetupPage(const fw::CRect& margins, QWidget* parent, unsigned dialogId)
    : QDialog(parent), m_rectMargins(margins) {
    fw::SetControlId(this, dialogId);
    setWindowTitle(QStringLiteral("Page setup"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(QStringLiteral("Unfilled space is set up by mm."), this));
    auto* form = new QFormLayout;
    auto field = [&](unsigned id, const char* label, int value) {
        auto* edit = new QLineEdit(QString::number(value), this);
        fw::SetControlId(edit, id);
        form->addRow(QString::fromLatin1(label), edit);
        return edit;
    };
    m_wndLeft = field(IDC_LEFT, "Left(mm):", margins.left);
    m_wndTop = field(IDC_TOP, "Top(mm):", margins.top);
    m_wndRight = field(IDC_RIGHT, "Right(mm):", margins.right);
    m_wndBottom = field(IDC_BOTTOM, "Bottom(mm):", margins.bottom);
    top->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    fw::SetControlId(buttons->button(QDialogButtonBox::Ok), 1);
    fw::SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);
}

void CDlgSetupPage::accept() {
    struct Field {
        QLineEdit* edit;
        int32_t* value;
    };
    fw::CRect margins = m_rectMargins;
    const Field fields[] = {{m_wndTop, &margins.top},
                            {m_wndLeft, &margins.left},
                            {m_wndBottom, &margins.bottom},
                            {m_wndRight, &margins.right}};
    for (const Field& f : fields) {
        std::optional<int> value = ReadWholeNumber(f.edit->text());
        if (!value) {
            fw::AppMessageBox("Please enter an integer.", fw::mb::Ok | fw::mb::IconExclamation);
            f.edit->setFocus();
            f.edit->selectAll();
            return;
        }
        *f.value = *value;
    }
    for (const Field& f : fields) {
        if (*f.value < 0 || *f.value > kMaxMargin) {
            f.edit->setFocus();
            f.edit->selectAll();
            return;
        }
    }
    m_rectMargins = margins;
    QDialog::accept();
}
