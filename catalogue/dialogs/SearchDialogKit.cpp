#include "catalogue/dialogs/SearchDialogKit.h"

#include "framework/Resources.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace searchdlg {

CWaitCursor::CWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor() {
    QApplication::restoreOverrideCursor();
}

CSearchDialog::CSearchDialog(unsigned resourceId, const char* caption, QWidget* parent)
    : QDialog(parent) {
    fw::SetControlId(this, resourceId);
    setWindowTitle(QString::fromLatin1(caption));
    new QVBoxLayout(this);
}

int CSearchDialog::DoModal() {
    OnInitDialog();
    return exec();
}

bool CSearchDialog::IsSearchEnabled() const {
    return m_search && m_search->isEnabled();
}

QGroupBox* CSearchDialog::AddGroup(const char* title, QGridLayout** grid) {
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    *grid = new QGridLayout(box);
    layout()->addWidget(box);
    return box;
}

QComboBox* CSearchDialog::AddCombo(QGridLayout* grid, int row, unsigned id, const char* label,
                                   bool editable, int maxLength) {
    QWidget* parent = grid->parentWidget() ? grid->parentWidget() : this;
    auto* box = new QComboBox(parent);
    fw::SetControlId(box, id);
    box->setEditable(editable);
    if (editable) {
        // A typed text stays typed: it never becomes an entry of the list.
        box->setInsertPolicy(QComboBox::NoInsert);
        if (maxLength > 0)
            box->lineEdit()->setMaxLength(maxLength);
    }
    box->setMinimumContentsLength(12);
    if (label)
        grid->addWidget(new QLabel(QString::fromLatin1(label), parent), row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QLineEdit* CSearchDialog::AddEdit(QGridLayout* grid, int row, unsigned id, const char* label,
                                  int maxLength) {
    QWidget* parent = grid->parentWidget() ? grid->parentWidget() : this;
    auto* edit = new QLineEdit(parent);
    fw::SetControlId(edit, id);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    grid->addWidget(new QLabel(QString::fromLatin1(label), parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QRadioButton* CSearchDialog::AddRadio(unsigned id, const char* text, QWidget* parent) {
    auto* radio = new QRadioButton(QString::fromLatin1(text), parent ? parent : this);
    fw::SetControlId(radio, id);
    // Radios are checked by the handlers alone, as the resource's plain
    // radio buttons are.
    radio->setAutoExclusive(false);
    return radio;
}

void CSearchDialog::AddButtons() {
    auto* buttons = new QDialogButtonBox(this);
    m_search = buttons->addButton(QStringLiteral("Search"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    fw::SetControlId(m_search, 1);
    fw::SetControlId(m_cancel, 2);
    m_search->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

void CSearchDialog::OnPicked(QComboBox* box, std::function<void()> handler) {
    connect(box, &QComboBox::activated, this, [handler](int) { handler(); });
}

void CSearchDialog::OnTyped(QComboBox* box, std::function<void()> handler) {
    if (box->lineEdit())
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [handler](const QString&) { handler(); });
}

void CSearchDialog::OnTyped(QLineEdit* edit, std::function<void()> handler) {
    connect(edit, &QLineEdit::textEdited, this, [handler](const QString&) { handler(); });
}

void CSearchDialog::EnableSearch(bool enable) {
    if (m_search)
        m_search->setEnabled(enable);
}

std::string Text(const QComboBox* box) {
    return box->currentText().toStdString();
}

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void SetText(QComboBox* box, const std::string& text) {
    QString value = QString::fromStdString(text);
    if (box->lineEdit() && box->lineEdit()->text() != value)
        box->lineEdit()->setText(value);
}

void SetText(QLineEdit* edit, const std::string& text) {
    QString value = QString::fromStdString(text);
    if (edit->text() != value)
        edit->setText(value);
}

} // namespace searchdlg
