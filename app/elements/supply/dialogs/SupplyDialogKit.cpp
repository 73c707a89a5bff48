#include "SupplyDialogKit.h"

#include "framework/Resources.h"
#include "framework/TemplateLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

namespace supplydlg {

namespace {

// Refuses what the user types beyond a number of characters; texts set by
// the program are not validated, so they stay whole.
class CTypingLimit : public QValidator {
public:
    CTypingLimit(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override {
        return input.size() <= m_length ? Acceptable : Invalid;
    }
    int Length() const { return m_length; }

private:
    int m_length;
};

// The dialog's template layout: controls at their template rectangles, the
// dialog unit worked out from the font and the controls' texts.
void Place(QWidget* w, int x, int y, int width, int height) {
    if (auto* layout = dynamic_cast<fw::CTemplateLayout*>(w->parentWidget()->layout()))
        layout->AddWidget(w, QRect(x, y, width, height));
}

} // namespace

void SetDialogSize(QDialog* dialog, int w, int h) {
    new fw::CTemplateLayout(dialog, w, h);
}

QLineEdit* AddEdit(QWidget* parent, unsigned id, int x, int y, int w, int h, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    fw::SetControlId(edit, id);
    edit->setReadOnly(readOnly);
    Place(edit, x, y, w, h);
    return edit;
}

QComboBox* AddCombo(QWidget* parent, unsigned id, int x, int y, int w, int h, bool editable) {
    auto* box = new QComboBox(parent);
    fw::SetControlId(box, id);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    // The template's height is that of the open list; the closed box is one
    // edit high.
    (void)h;
    Place(box, x, y, w, 12);
    return box;
}

QLabel* AddStatic(QWidget* parent, const char* text, int x, int y, int w, int h,
                  Qt::Alignment align) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(align);
    Place(label, x, y, w, h);
    return label;
}

QCheckBox* AddCheck(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h) {
    auto* check = new QCheckBox(QString::fromUtf8(text), parent);
    fw::SetControlId(check, id);
    Place(check, x, y, w, h);
    return check;
}

QRadioButton* AddRadio(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), parent);
    fw::SetControlId(radio, id);
    Place(radio, x, y, w, h);
    return radio;
}

QPushButton* AddButton(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h,
                       bool isDefault) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    fw::SetControlId(button, id);
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    Place(button, x, y, w, h);
    return button;
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
    if (box->isEditable()) {
        if (box->currentText() != value)
            box->setEditText(value);
        return;
    }
    int index = box->findText(value, Qt::MatchFixedString);
    box->setCurrentIndex(index);
}

void LimitText(QLineEdit* edit, int length) {
    edit->setValidator(new CTypingLimit(length, edit));
}

void LimitText(QComboBox* box, int length) {
    if (QLineEdit* edit = box->lineEdit())
        LimitText(edit, length);
}

int GetTextLimit(const QLineEdit* edit) {
    auto* limit = dynamic_cast<const CTypingLimit*>(edit->validator());
    return limit ? limit->Length() : -1;
}

void FocusControl(QDialog* dialog, unsigned id) {
    auto* widget = fw::FindControlAs<QWidget>(dialog, id);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* box = dynamic_cast<QComboBox*>(widget); box && box->lineEdit())
        box->lineEdit()->selectAll();
}

} // namespace supplydlg
