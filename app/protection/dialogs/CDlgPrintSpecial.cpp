#include "CDlgPrintSpecial.h"

#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr unsigned IDS_NOT_A_NUMBER = 26601;
constexpr unsigned IDS_DECADE_TOO_LONG = 26603;

constexpr const char* kTimeLabel = "Size of one decade on time-axis(mm)";
constexpr const char* kCurrentLabel = "Size of one decade on current-axis(mm)";

// The whole text as one finite number (blanks around it allowed); an empty
// text reads as 0, as an emptied edit means no size.
std::optional<double> ReadSize(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty())
        return 0.0;
    char* stop = nullptr;
    const double value = std::strtod(s.c_str(), &stop);
    if (stop != s.c_str() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

CDlgPrintSpecial::CDlgPrintSpecial(int32_t mode, double currentDecade, double timeDecade,
                                   QWidget* parent)
    : QDialog(parent), m_nMode(mode), m_dCurrentDecade(currentDecade), m_dTimeDecade(timeDecade) {
    fw::SetControlId(this, IDD);
    setWindowTitle(QStringLiteral("Print in any size"));
    auto* grid = new QGridLayout(this);
    m_pSpecify = new QRadioButton(QStringLiteral("Specify size of one decade"), this);
    fw::SetControlId(m_pSpecify, IDC_SPECIFY_DECADE);
    m_pTimeEdit = new QLineEdit(this);
    fw::SetControlId(m_pTimeEdit, IDC_TIME_DECADE);
    m_pCurrentEdit = new QLineEdit(this);
    fw::SetControlId(m_pCurrentEdit, IDC_CURRENT_DECADE);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    fw::SetControlId(m_pOk, 1);
    fw::SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);

    grid->addWidget(m_pSpecify, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Size of one decade on time-axis(mm):"), this), 1, 0);
    grid->addWidget(m_pTimeEdit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Size of one decade on current-axis(mm):"), this), 2,
                    0);
    grid->addWidget(m_pCurrentEdit, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);

    // Opening: the sizes are given (the only choice this template offers).
    if (m_nMode < 2)
        m_nMode = 1;
    m_pSpecify->setChecked(true);
    m_pTimeEdit->setText(QString::fromStdString(DLLGetTextByBeams(m_dTimeDecade, 0)));
    m_pCurrentEdit->setText(QString::fromStdString(DLLGetTextByBeams(m_dCurrentDecade, 0)));
    DoEnableOk();

    connect(m_pTimeEdit, &QLineEdit::textEdited, this, [this] { OnChangeTimeDecade(); });
    connect(m_pCurrentEdit, &QLineEdit::textEdited, this, [this] { OnChangeCurrentDecade(); });
    connect(m_pSpecify, &QRadioButton::clicked, this, [this] { OnSpecifyDecade(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgPrintSpecial::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CDlgPrintSpecial::OnChangeTimeDecade() {
    const std::optional<double> value = ReadSize(m_pTimeEdit->text());
    if (value)
        m_dTimeDecade = *value;
    m_pOk->setEnabled(value && *value > 0.0);
}

void CDlgPrintSpecial::OnChangeCurrentDecade() {
    const std::optional<double> value = ReadSize(m_pCurrentEdit->text());
    if (value)
        m_dCurrentDecade = *value;
    m_pOk->setEnabled(value && *value > 0.0);
}

void CDlgPrintSpecial::OnSpecifyDecade() {
    if (!m_pSpecify->isChecked())
        return;
    m_nMode = 1;
    m_pTimeEdit->setEnabled(true);
    m_pCurrentEdit->setEnabled(true);
}

void CDlgPrintSpecial::accept() {
    struct Field {
        QLineEdit* edit;
        const char* label;
        double* value;
    };
    const Field fields[] = {{m_pTimeEdit, kTimeLabel, &m_dTimeDecade},
                            {m_pCurrentEdit, kCurrentLabel, &m_dCurrentDecade}};
    double read[2] = {0.0, 0.0};
    for (int i = 0; i < 2; ++i) {
        const Field& f = fields[i];
        const std::optional<double> value = ReadSize(f.edit->text());
        if (!value) {
            fw::AppMessageBox(fw::FormatStrings(fw::LoadString(IDS_NOT_A_NUMBER), {f.label}),
                              fw::mb::Ok | fw::mb::IconExclamation);
        } else if (*value > kMaxDecade) {
            fw::AppMessageBox(fw::FormatStrings(fw::LoadString(IDS_DECADE_TOO_LONG),
                                                {f.label, DLLGetTextByBeams(kMaxDecade, 0)}),
                              fw::mb::Ok | fw::mb::IconExclamation);
        } else if (*value > 0.0) {
            read[i] = *value;
            continue;
        }
        // A size of 0 or less takes the focus without a message.
        f.edit->setFocus();
        f.edit->selectAll();
        return;
    }
    m_dTimeDecade = read[0];
    m_dCurrentDecade = read[1];
    QDialog::accept();
}

void CDlgPrintSpecial::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgPrintSpecial::DoEnableOk() {
    m_pOk->setEnabled(m_dTimeDecade > 0.0 && m_dCurrentDecade > 0.0);
}
