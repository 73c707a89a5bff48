#include "ConductorPageKit.h"

#include "framework/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace conddlg {

namespace {

// Limits what the user types, as the platform's text limit does, while a
// text the page writes itself may be longer.
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

CRowPage::CRowPage(unsigned templateId, const std::string& caption)
    : fw::CPropertyPage(templateId, caption) {
    // The pages' own face: 8.9-point Tahoma (the nearest face where it is
    // missing).
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.9);
    setFont(font);
    auto* top = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    top->addLayout(m_grid);
    top->addStretch(1);
}

QLineEdit* CRowPage::AddEdit(unsigned id, const char* label, int maxLength, bool readOnly,
                             unsigned starId) {
    auto* edit = new QLineEdit(this);
    fw::SetControlId(edit, id);
    edit->setReadOnly(readOnly);
    if (maxLength > 0)
        edit->setValidator(new CLengthValidator(maxLength, edit));
    m_grid->addWidget(new QLabel(QString::fromUtf8(label), this), m_nRow, 0);
    m_grid->addWidget(edit, m_nRow, 1);
    if (starId != 0) {
        auto* star = new QLabel(QStringLiteral("*"), this);
        fw::SetControlId(star, starId);
        star->setEnabled(false);
        m_grid->addWidget(star, m_nRow, 2);
    }
    ++m_nRow;
    return edit;
}

QComboBox* CRowPage::AddCombo(unsigned id, const char* label, bool editable, int maxLength) {
    auto* box = new QComboBox(this);
    fw::SetControlId(box, id);
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        if (maxLength > 0)
            box->lineEdit()->setValidator(new CLengthValidator(maxLength, box));
    }
    m_grid->addWidget(new QLabel(QString::fromUtf8(label), this), m_nRow, 0);
    m_grid->addWidget(box, m_nRow, 1);
    ++m_nRow;
    return box;
}

QGroupBox* CRowPage::AddGroup(const char* title) {
    auto* group = new QGroupBox(QString::fromUtf8(title), this);
    new QVBoxLayout(group);
    m_grid->addWidget(group, m_nRow++, 0, 1, 3);
    return group;
}

QRadioButton* CRowPage::AddRadio(QGroupBox* group, unsigned id, const char* text) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), group);
    fw::SetControlId(radio, id);
    group->layout()->addWidget(radio);
    return radio;
}

QCheckBox* CRowPage::AddCheck(unsigned id, const char* text) {
    auto* check = new QCheckBox(QString::fromUtf8(text), this);
    fw::SetControlId(check, id);
    m_grid->addWidget(check, m_nRow++, 0, 1, 3);
    return check;
}

QLabel* CRowPage::AddStatic(unsigned id, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    if (id != 0)
        fw::SetControlId(label, id);
    m_grid->addWidget(label, m_nRow++, 0, 1, 3);
    return label;
}

void CRowPage::OnEdited(QLineEdit* edit, const std::function<void(const std::string&)>& changed) {
    connect(edit, &QLineEdit::textEdited, this,
            [changed](const QString& text) { changed(text.toStdString()); });
}

void CRowPage::OnEdited(QComboBox* box, const std::function<void(const std::string&)>& changed) {
    if (box->lineEdit())
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [changed](const QString& text) { changed(text.toStdString()); });
}

void CRowPage::OnChosen(QComboBox* box, const std::function<void(int)>& chosen) {
    connect(box, &QComboBox::activated, this, [chosen](int index) { chosen(index); });
}

void CRowPage::OnClicked(QAbstractButton* button, const std::function<void()>& clicked) {
    connect(button, &QAbstractButton::clicked, this, [clicked] { clicked(); });
}

void CRowPage::EnableOk(bool enable) {
    if (GetSheet())
        GetSheet()->GetOkButton()->setEnabled(enable);
}

void CRowPage::FocusControl(unsigned id) {
    auto* widget = fw::FindControlAs<QWidget>(this, id);
    if (!widget)
        return;
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit())
        box->lineEdit()->selectAll();
}

void CRowPage::SetReadOnly(unsigned id, bool readOnly) {
    if (auto* edit = fw::FindControlAs<QLineEdit>(this, id))
        edit->setReadOnly(readOnly);
}

void CRowPage::EnableControl(unsigned id, bool enable) {
    if (auto* widget = fw::FindControlAs<QWidget>(this, id))
        widget->setEnabled(enable);
}

void CRowPage::SetStar(unsigned id, bool changed) {
    EnableControl(id, changed);
}

std::string GetText(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string GetText(const QComboBox* box) {
    return box->currentText().toStdString();
}

void SetText(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value)
        edit->setText(value);
}

void SetText(QComboBox* box, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (box->lineEdit()) {
        if (box->lineEdit()->text() != value)
            box->lineEdit()->setText(value);
        return;
    }
    box->setCurrentIndex(box->findText(value));
}

double ReadDecimal(const std::string& text) {
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

QWidget* SheetParent() {
    return QApplication::activeWindow();
}

void DoLockWireSystems(QRadioButton* const (&wire)[3], uint32_t earthing) {
    switch (earthing) {
    case 1:
        wire[0]->setEnabled(false);
        wire[1]->setEnabled(false);
        break;
    case 3:
        wire[0]->setEnabled(false);
        wire[2]->setEnabled(false);
        break;
    case 4:
    case 5:
        wire[2]->setEnabled(false);
        break;
    default:
        break;
    }
}

void DoLockBasicByMode(int32_t mode, std::initializer_list<QWidget*> tables, QLineEdit* loadCurrent,
                       QLineEdit* length) {
    if (mode < 2 || mode > 8)
        return;
    for (QWidget* control : tables) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setReadOnly(true);
        else
            control->setEnabled(false);
    }
    if (mode >= 3) {
        loadCurrent->setReadOnly(true);
        length->setReadOnly(true);
    }
}

void OnEditedNameAndCalcPoint(CRowPage& page, QLineEdit* name, std::string& nameField,
                              QCheckBox* calcPoint, uint32_t& calcPointField) {
    page.OnEdited(name, [&page, &nameField](const std::string& text) {
        nameField = text;
        page.EnableOk(!text.empty());
    });
    page.OnClicked(calcPoint, [calcPoint, &calcPointField] {
        calcPointField = calcPoint->isChecked() ? 1 : 0;
    });
}

void DoShowNameVoltageAndDrop(QLineEdit* name, const std::string& nameText, QLineEdit* voltage,
                              const std::string& voltageText, QCheckBox* calcPoint,
                              uint32_t calcPointField, QLineEdit* voltageDrop,
                              const std::string& voltageDropText) {
    SetText(name, nameText);
    SetText(voltage, voltageText);
    calcPoint->setChecked(calcPointField == 1);
    SetText(voltageDrop, voltageDropText);
}

} // namespace conddlg
