#include "CDlgSetupGraph.h"

#include "app/protection/CObjGraph.h"
#include "tools/Filvaron.h"

#include "framework/MessageBox.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "framework/TemplateLayout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

// The label texts of the two rows by graph kind.
constexpr unsigned IDS_CURRENT_SCALE = 25996;
constexpr unsigned IDS_TIME_SCALE = 25997;
constexpr unsigned IDS_LIMIT_CURRENT_SCALE = 25998;
constexpr unsigned IDS_LIMIT_SCALE = 25999;
constexpr unsigned IDS_I2T_CURRENT_SCALE = 26000;
constexpr unsigned IDS_I2T_SCALE = 26001;

// Template 195 in dialog units.
constexpr int kWidth = 223;
constexpr int kHeight = 119;

void Place(QWidget* dialog, QWidget* w, int x, int y, int width, int height) {
    if (auto* layout = dynamic_cast<fw::CTemplateLayout*>(dialog->layout()))
        layout->AddWidget(w, QRect(x, y, width, height));
}

QPushButton* AddButton(QDialog* dialog, unsigned id, const char* text, int x, int y, int w, int h) {
    auto* button = new QPushButton(QString::fromLatin1(text), dialog);
    fw::SetControlId(button, id);
    button->setAutoDefault(false);
    Place(dialog, button, x, y, w, h);
    return button;
}

QLineEdit* AddValue(QDialog* dialog, unsigned id, int x, int y) {
    auto* edit = new QLineEdit(dialog);
    fw::SetControlId(edit, id);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(dialog, edit, x, y, 40, 12);
    return edit;
}

QLabel* AddLabel(QDialog* dialog, unsigned id, const std::string& text, int x, int y, int w) {
    auto* label = new QLabel(QString::fromStdString(text), dialog);
    if (id != 0)
        fw::SetControlId(label, id);
    Place(dialog, label, x, y, w, 8);
    return label;
}

void AddLine(QDialog* dialog, QFrame::Shape shape, int x, int y, int w, int h) {
    auto* line = new QFrame(dialog);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    Place(dialog, line, x, y, w, h);
}

} // namespace

CDlgSetupGraph::CDlgSetupGraph(const std::string& name, double currentMin, double currentMax,
                               double timeMin, double timeMax, const std::string& currentLabel,
                               const std::string& timeLabel, QWidget* parent)
    : QDialog(parent), m_strName(name), m_dCurrentMin(currentMin), m_dCurrentMax(currentMax),
      m_dTimeMin(timeMin), m_dTimeMax(timeMax), m_strCurrentLabel(currentLabel),
      m_strTimeLabel(timeLabel) {
    fw::SetControlId(this, IDD);
    setWindowTitle(QStringLiteral("Co-ordination Setup"));
    new fw::CTemplateLayout(this, kWidth, kHeight);

    AddLabel(this, 0, "Name:", 7, 8, 25);
    m_wndName = new QLineEdit(QString::fromStdString(name), this);
    fw::SetControlId(m_wndName, IDC_NAME);
    Place(this, m_wndName, 34, 6, 122, 12);
    auto* ok = AddButton(this, 1, "OK", 164, 6, 52, 14);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancel = AddButton(this, 2, "Cancel", 164, 24, 52, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The vertical axis: its label, the maximum above the minimum beside
    // the axis line, "+" and "-" beside each.
    m_wndTimeLabel = AddLabel(this, IDC_TIME_LABEL, timeLabel, 7, 26, 150);
    m_wndTimeMax = AddValue(this, IDC_TIME_MAX, 7, 38);
    m_btnTimeMaxUp = AddButton(this, IDC_TIME_MAX_UP, "+", 49, 38, 13, 12);
    m_btnTimeMaxDown = AddButton(this, IDC_TIME_MAX_DOWN, "-", 63, 38, 13, 12);
    m_wndTimeMin = AddValue(this, IDC_TIME_MIN, 7, 68);
    m_btnTimeMinUp = AddButton(this, IDC_TIME_MIN_UP, "+", 49, 68, 13, 12);
    m_btnTimeMinDown = AddButton(this, IDC_TIME_MIN_DOWN, "-", 63, 68, 13, 12);
    // The two axes of a graph.
    AddLine(this, QFrame::VLine, 80, 38, 2, 47);
    AddLine(this, QFrame::HLine, 80, 84, 137, 2);
    // The current axis below its line: "-" left of each value, "+" right.
    m_wndCurrentLabel = AddLabel(this, IDC_CURRENT_LABEL, currentLabel, 84, 88, 132);
    m_btnCurrentMinDown = AddButton(this, IDC_CURRENT_MIN_DOWN, "-", 84, 100, 13, 12);
    m_wndCurrentMin = AddValue(this, IDC_CURRENT_MIN, 98, 100);
    m_btnCurrentMinUp = AddButton(this, IDC_CURRENT_MIN_UP, "+", 139, 100, 13, 12);
    m_btnCurrentMaxDown = AddButton(this, IDC_CURRENT_MAX_DOWN, "-", 155, 100, 13, 12);
    m_wndCurrentMax = AddValue(this, IDC_CURRENT_MAX, 169, 100);
    m_btnCurrentMaxUp = AddButton(this, IDC_CURRENT_MAX_UP, "+", 210, 100, 13, 12);

    connect(m_btnCurrentMinUp, &QPushButton::clicked, this, [this] { OnCurrentMinUp(); });
    connect(m_btnCurrentMinDown, &QPushButton::clicked, this, [this] { OnCurrentMinDown(); });
    connect(m_btnCurrentMaxUp, &QPushButton::clicked, this, [this] { OnCurrentMaxUp(); });
    connect(m_btnCurrentMaxDown, &QPushButton::clicked, this, [this] { OnCurrentMaxDown(); });
    connect(m_btnTimeMinUp, &QPushButton::clicked, this, [this] { OnTimeMinUp(); });
    connect(m_btnTimeMinDown, &QPushButton::clicked, this, [this] { OnTimeMinDown(); });
    connect(m_btnTimeMaxUp, &QPushButton::clicked, this, [this] { OnTimeMaxUp(); });
    connect(m_btnTimeMaxDown, &QPushButton::clicked, this, [this] { OnTimeMaxDown(); });

    auto show = [](QLineEdit* edit, double value) {
        edit->setText(QString::fromStdString(DLLGetTextByBeams(value, 0)));
    };
    show(m_wndCurrentMin, currentMin);
    show(m_wndCurrentMax, currentMax);
    show(m_wndTimeMin, timeMin);
    show(m_wndTimeMax, timeMax);
    DoEnableCurrent();
    DoEnableTime();
    m_wndName->setFocus();
}

void CDlgSetupGraph::GetLabels(uint32_t kind, std::string* currentLabel, std::string* timeLabel) {
    unsigned current = IDS_CURRENT_SCALE;
    unsigned time = IDS_TIME_SCALE;
    if (kind == CObjGraph::kCurrentLimiting) {
        current = IDS_LIMIT_CURRENT_SCALE;
        time = IDS_LIMIT_SCALE;
    } else if (kind == CObjGraph::kLetThrough) {
        current = IDS_I2T_CURRENT_SCALE;
        time = IDS_I2T_SCALE;
    }
    if (currentLabel)
        *currentLabel = fw::LoadString(current);
    if (timeLabel)
        *timeLabel = fw::LoadString(time);
}

double CDlgSetupGraph::ReadValue(const QLineEdit* edit) {
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

double CDlgSetupGraph::ThroughText(double value) {
    bool ok = false;
    const double read = QString::fromStdString(DLLGetTextByBeams(value, 0)).toDouble(&ok);
    return ok ? read : 0.0;
}

void CDlgSetupGraph::DoStep(QLineEdit* edit, double factor) {
    const double value = ReadValue(edit) * factor;
    edit->setText(QString::fromStdString(DLLGetTextByBeams(value, 0)));
}

void CDlgSetupGraph::DoEnableAxis(QLineEdit* minimum, QLineEdit* maximum, QPushButton* minDown,
                                  QPushButton* minUp, QPushButton* maxDown, QPushButton* maxUp) {
    const double m = ReadValue(minimum);
    const double M = ReadValue(maximum);
    // The minimum a step up would show, as its field would hold it.
    const bool roomBetween = ThroughText(m * 10.0) < M;
    minDown->setEnabled(m > kLowest);
    minUp->setEnabled(roomBetween);
    maxUp->setEnabled(M < kHighest);
    maxDown->setEnabled(roomBetween);
}

void CDlgSetupGraph::DoEnableCurrent() {
    DoEnableAxis(m_wndCurrentMin, m_wndCurrentMax, m_btnCurrentMinDown, m_btnCurrentMinUp,
                 m_btnCurrentMaxDown, m_btnCurrentMaxUp);
}

void CDlgSetupGraph::DoEnableTime() {
    DoEnableAxis(m_wndTimeMin, m_wndTimeMax, m_btnTimeMinDown, m_btnTimeMinUp, m_btnTimeMaxDown,
                 m_btnTimeMaxUp);
}

void CDlgSetupGraph::OnCurrentMinUp() {
    DoStep(m_wndCurrentMin, 10.0);
    DoEnableCurrent();
}

void CDlgSetupGraph::OnCurrentMinDown() {
    DoStep(m_wndCurrentMin, 0.1);
    DoEnableCurrent();
}

void CDlgSetupGraph::OnCurrentMaxUp() {
    DoStep(m_wndCurrentMax, 10.0);
    DoEnableCurrent();
}

void CDlgSetupGraph::OnCurrentMaxDown() {
    DoStep(m_wndCurrentMax, 0.1);
    DoEnableCurrent();
}

void CDlgSetupGraph::OnTimeMinUp() {
    DoStep(m_wndTimeMin, 10.0);
    DoEnableTime();
}

void CDlgSetupGraph::OnTimeMinDown() {
    DoStep(m_wndTimeMin, 0.1);
    DoEnableTime();
}

void CDlgSetupGraph::OnTimeMaxUp() {
    DoStep(m_wndTimeMax, 10.0);
    DoEnableTime();
}

void CDlgSetupGraph::OnTimeMaxDown() {
    DoStep(m_wndTimeMax, 0.1);
    DoEnableTime();
}

void CDlgSetupGraph::accept() {
    struct Field {
        QLineEdit* edit;
        double value;
    };
    // In the order of the fields on the dialog: name, vertical axis, current
    // axis.
    Field fields[] = {
        {m_wndTimeMax, 0.0}, {m_wndTimeMin, 0.0}, {m_wndCurrentMin, 0.0}, {m_wndCurrentMax, 0.0}};
    auto refuse = [this](QLineEdit* edit, unsigned message) {
        fw::AppMessageBox(fw::LoadString(message), fw::mb::Ok | fw::mb::IconExclamation);
        edit->setFocus();
        edit->selectAll();
    };
    for (Field& f : fields) {
        bool ok = false;
        f.value = f.edit->text().trimmed().toDouble(&ok);
        // A range must lay a graph out: the layout divides by its decades.
        if (!ok || !std::isfinite(f.value) || !(f.value > 0.0)) {
            refuse(f.edit, IDS_SCALE_NOT_POSITIVE);
            return;
        }
    }
    const double timeMax = fields[0].value;
    const double timeMin = fields[1].value;
    const double currentMin = fields[2].value;
    const double currentMax = fields[3].value;
    if (!(timeMin < timeMax)) {
        refuse(m_wndTimeMin, IDS_SCALE_NOT_RISING);
        return;
    }
    if (!(currentMin < currentMax)) {
        refuse(m_wndCurrentMin, IDS_SCALE_NOT_RISING);
        return;
    }
    m_strName = m_wndName->text().toStdString();
    m_dCurrentMin = currentMin;
    m_dCurrentMax = currentMax;
    m_dTimeMin = timeMin;
    m_dTimeMax = timeMax;
    QDialog::accept();
}
