#include "MachineDialogKit.h"

#include "framework/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace machinedlg {

namespace {

// Limits what the user can type, as the platform's text limit does, while
// a text set by the dialog itself may be longer (QLineEdit's own maximum
// length would cut it).
class CLengthValidator : public QValidator {
public:
    CLengthValidator(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override {
        return input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_length;
};

} // namespace

CRowDialog::CRowDialog(unsigned templateId, const char* caption, QWidget* parent)
    : QDialog(parent) {
    fw::SetControlId(this, templateId);
    setWindowTitle(QString::fromLatin1(caption));
    auto* top = new QVBoxLayout(this);
    m_rows = new QFormLayout;
    top->addLayout(m_rows);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    fw::SetControlId(m_ok, 1);
    fw::SetControlId(m_cancel, 2);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        uint32_t id = m_check ? m_check() : 0;
        if (id != 0) {
            FocusControl(id);
            return;
        }
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    top->addWidget(buttons);
}

QLineEdit* CRowDialog::AddEdit(unsigned id, const char* label, bool readOnly, int maxLength) {
    auto* edit = new QLineEdit(this);
    fw::SetControlId(edit, id);
    edit->setReadOnly(readOnly);
    if (maxLength > 0)
        edit->setValidator(new CLengthValidator(maxLength, edit));
    m_rows->addRow(QString::fromLatin1(label), edit);
    return edit;
}

QComboBox* CRowDialog::AddCombo(unsigned id, const char* label, bool editable, int maxLength) {
    auto* box = new QComboBox(this);
    fw::SetControlId(box, id);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    if (editable && maxLength > 0)
        box->lineEdit()->setValidator(new CLengthValidator(maxLength, box));
    m_rows->addRow(QString::fromLatin1(label), box);
    return box;
}

QCheckBox* CRowDialog::AddCheck(unsigned id, const char* text) {
    auto* check = new QCheckBox(QString::fromLatin1(text), this);
    fw::SetControlId(check, id);
    m_rows->addRow(check);
    return check;
}

QRadioButton* CRowDialog::AddRadio(unsigned id, const char* text, QWidget* group) {
    auto* radio = new QRadioButton(QString::fromLatin1(text), group);
    fw::SetControlId(radio, id);
    return radio;
}

void CRowDialog::EnableOk(bool enable) {
    m_ok->setEnabled(enable);
}

void CRowDialog::FocusControl(unsigned id) {
    auto* widget = fw::FindControlAs<QWidget>(this, id);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit())
        box->lineEdit()->selectAll();
}

void CRowDialog::Quietly(const std::function<void()>& fill) {
    bool was = m_bFilling;
    m_bFilling = true;
    fill();
    m_bFilling = was;
}

void CRowDialog::OnEdited(QLineEdit* edit, const std::function<void(const std::string&)>& changed) {
    connect(edit, &QLineEdit::textChanged, this, [this, changed](const QString& text) {
        if (!m_bFilling)
            changed(text.toStdString());
    });
}

void CRowDialog::OnEdited(QComboBox* box, const std::function<void(const std::string&)>& changed) {
    connect(box, &QComboBox::editTextChanged, this, [this, changed](const QString& text) {
        if (!m_bFilling)
            changed(text.toStdString());
    });
}

void CRowDialog::OnChosen(QComboBox* box, const std::function<void(int)>& chosen) {
    connect(box, &QComboBox::activated, this, [this, chosen](int index) {
        if (!m_bFilling)
            chosen(index);
    });
}

void CRowDialog::SetCheck(const std::function<uint32_t()>& check) {
    m_check = check;
}

std::string GetText(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string GetText(const QComboBox* box) {
    return box->currentText().toStdString();
}

void SetText(QLineEdit* edit, const std::string& text) {
    QString value = QString::fromStdString(text);
    if (edit->text() != value)
        edit->setText(value);
}

void SetText(QComboBox* box, const std::string& text) {
    QString value = QString::fromStdString(text);
    if (box->currentText() != value)
        box->setEditText(value);
}

double ReadDecimal(const std::string& text) {
    // The numeric locale is "C" throughout the program.
    double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

int32_t ReadWhole(const std::string& text) {
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

} // namespace machinedlg
