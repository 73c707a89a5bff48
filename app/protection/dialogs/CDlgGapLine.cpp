#include "CDlgGapLine.h"

#include "CDlgGapLineSheet.h"
#include "UpDown.h"

#include "app/protection/CGapLine.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Resources.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kStepsPerDecade = 90;

// A product of decimal steps held to the twelve digits it has, so that the
// standard reads "0.15", not the binary neighbour the product lands on.
double Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", value);
    return std::strtod(text, nullptr);
}

QPushButton* Button(QWidget* parent, unsigned id, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    fw::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CDlgGapLine::CDlgGapLine(CTovarineDocData& doc, double currentMin, double currentMax,
                         double timeMin, double timeMax)
    : fw::CPropertyPage(199, "Standard of current and time"), m_dCurrentMin(currentMin),
      m_dCurrentMax(currentMax), m_dTimeMin(timeMin), m_dTimeMax(timeMax), m_doc(doc) {
    auto* grid = new QGridLayout(this);
    m_pMeasureTime = new QCheckBox(QStringLiteral("measure the time value"), this);
    fw::SetControlId(m_pMeasureTime, 1227);
    m_pCurrentEdit = new QLineEdit(this);
    fw::SetControlId(m_pCurrentEdit, 1026);
    m_pCurrentSpin = new CUpDown(this, 1225);
    m_pCurrentUp = Button(this, 1038, "+");
    m_pCurrentDown = Button(this, 1039, "-");
    m_pMeasureCurrent = new QCheckBox(QStringLiteral("measure the current value"), this);
    fw::SetControlId(m_pMeasureCurrent, 1228);
    m_pTimeEdit = new QLineEdit(this);
    fw::SetControlId(m_pTimeEdit, 1029);
    m_pTimeSpin = new CUpDown(this, 1224);
    m_pTimeUp = Button(this, 1040, "+");
    m_pTimeDown = Button(this, 1041, "-");
    // The standards move by the steps only: a typed value would be taken by
    // nothing.
    m_pCurrentEdit->setReadOnly(true);
    m_pTimeEdit->setReadOnly(true);

    grid->addWidget(m_pMeasureTime, 0, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Standard of current(A):"), this), 1, 0);
    grid->addWidget(m_pCurrentEdit, 1, 1);
    grid->addWidget(m_pCurrentSpin, 1, 2);
    grid->addWidget(m_pCurrentUp, 1, 3);
    grid->addWidget(m_pCurrentDown, 1, 4);
    grid->addWidget(m_pMeasureCurrent, 2, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Standard of time(s):"), this), 3, 0);
    grid->addWidget(m_pTimeEdit, 3, 1);
    grid->addWidget(m_pTimeSpin, 3, 2);
    grid->addWidget(m_pTimeUp, 3, 3);
    grid->addWidget(m_pTimeDown, 3, 4);

    connect(m_pMeasureTime, &QCheckBox::clicked, this, [this] { OnCheckMeasureTime(); });
    connect(m_pMeasureCurrent, &QCheckBox::clicked, this, [this] { OnCheckMeasureCurrent(); });
    m_pCurrentSpin->OnDelta = [this](int delta) { OnDeltaposCurrentSpin(delta); };
    m_pTimeSpin->OnDelta = [this](int delta) { OnDeltaposTimeSpin(delta); };
    connect(m_pCurrentUp, &QPushButton::clicked, this, [this] { OnCurrentUp(); });
    connect(m_pCurrentDown, &QPushButton::clicked, this, [this] { OnCurrentDown(); });
    connect(m_pTimeUp, &QPushButton::clicked, this, [this] { OnTimeUp(); });
    connect(m_pTimeDown, &QPushButton::clicked, this, [this] { OnTimeDown(); });
}

int32_t CDlgGapLine::GetSpinUpper(double axisMin, double axisMax) {
    if (!(axisMin > 0.0) || !(axisMax > axisMin) || !std::isfinite(axisMax))
        return 0;
    // A whole number of decades must not fall short by the last bit.
    const double steps = kStepsPerDecade * std::log10(axisMax / axisMin) + 1e-9;
    return steps < 1e9 ? static_cast<int32_t>(steps) : 1000000000;
}

double CDlgGapLine::GetValueAt(double axisMin, int32_t position) {
    const int32_t decade = position / kStepsPerDecade;
    const int32_t step = position - kStepsPerDecade * decade;
    return Decimal(axisMin * std::pow(10.0, decade) * (1.0 + step / 10.0));
}

int32_t CDlgGapLine::GetPositionOf(double axisMin, double axisMax, double value) {
    const int32_t upper = GetSpinUpper(axisMin, axisMax);
    if (upper <= 0 || !(value > 0.0) || !std::isfinite(value))
        return 0;
    const double decades = std::floor(std::log10(value / axisMin) + 1e-9);
    if (decades < 0.0)
        return 0;
    if (decades * kStepsPerDecade > upper)
        return upper;
    const double mantissa = value / (axisMin * std::pow(10.0, decades));
    const int32_t step =
        std::clamp(static_cast<int32_t>(std::lround((mantissa - 1.0) * 10.0)), 0, 89);
    return std::min(upper, static_cast<int32_t>(decades) * kStepsPerDecade + step);
}

CGapLineSheetHost* CDlgGapLine::Host() const {
    auto* sheet = dynamic_cast<CDlgGapLineSheet*>(GetSheet());
    return sheet ? sheet->GetHost() : nullptr;
}

CGapLine& CDlgGapLine::Gap() const {
    return m_doc.m_gapLine;
}

void CDlgGapLine::OnInitDialog() {
    DoRefresh();
}

void CDlgGapLine::DoRefresh() {
    m_pMeasureTime->setChecked(Gap().m_nMeasureTime == 1);
    m_pMeasureCurrent->setChecked(Gap().m_nMeasureCurrent == 1);
    m_nCurrentPos = GetPositionOf(m_dCurrentMin, m_dCurrentMax, Gap().m_dCurrentStd);
    m_nTimePos = GetPositionOf(m_dTimeMin, m_dTimeMax, Gap().m_dTimeStd);
    DoShowValues();
    DoEnableMeasures();
}

void CDlgGapLine::DoShowValues() {
    m_strCurrent = Gap().GetCurrentStdText(0);
    m_strTime = Gap().GetTimeStdText(0);
    m_pCurrentEdit->setText(QString::fromStdString(m_strCurrent));
    m_pTimeEdit->setText(QString::fromStdString(m_strTime));
}

void CDlgGapLine::DoEnableMeasures() {
    const bool time = Gap().m_nMeasureTime == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pCurrentEdit, m_pCurrentSpin, m_pCurrentUp,
                                                      m_pCurrentDown})
        w->setEnabled(time);
    const bool current = Gap().m_nMeasureCurrent == 1;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pTimeEdit, m_pTimeSpin, m_pTimeUp, m_pTimeDown})
        w->setEnabled(current);
}

void CDlgGapLine::OnCheckMeasureTime() {
    m_doc.SaveUndo();
    Gap().m_nMeasureTime = m_pMeasureTime->isChecked() ? 1 : 0;
    DoEnableMeasures();
    if (CGapLineSheetHost* host = Host())
        host->DoToggleMeasureTime(static_cast<int32_t>(Gap().m_nMeasureTime));
}

void CDlgGapLine::OnCheckMeasureCurrent() {
    m_doc.SaveUndo();
    Gap().m_nMeasureCurrent = m_pMeasureCurrent->isChecked() ? 1 : 0;
    DoEnableMeasures();
    if (CGapLineSheetHost* host = Host())
        host->DoToggleMeasureCurrent(static_cast<int32_t>(Gap().m_nMeasureCurrent));
}

void CDlgGapLine::DoSetStandard(bool current, int32_t position, double value) {
    m_doc.SaveUndo();
    CGapLineSheetHost* host = Host();
    // The current standard is where the times are measured, and the other
    // way round.
    if (host)
        current ? host->DoRedrawMeasureTime(1) : host->DoRedrawMeasureCurrent(1);
    if (current) {
        m_nCurrentPos = position;
        Gap().m_dCurrentStd = value;
    } else {
        m_nTimePos = position;
        Gap().m_dTimeStd = value;
    }
    DoShowValues();
    if ((host = Host()))
        current ? host->DoRedrawMeasureTime(0) : host->DoRedrawMeasureCurrent(0);
}

void CDlgGapLine::DoFocusEdit(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

void CDlgGapLine::OnDeltaposCurrentSpin(int delta) {
    const int32_t upper = GetSpinUpper(m_dCurrentMin, m_dCurrentMax);
    const int32_t next = std::clamp(m_nCurrentPos + (delta < 0 ? -1 : 1), 0, upper);
    if (delta == 0 || next == m_nCurrentPos)
        return;
    DoSetStandard(true, next, GetValueAt(m_dCurrentMin, next));
    DoFocusEdit(m_pCurrentEdit);
}

void CDlgGapLine::OnDeltaposTimeSpin(int delta) {
    const int32_t upper = GetSpinUpper(m_dTimeMin, m_dTimeMax);
    const int32_t next = std::clamp(m_nTimePos + (delta < 0 ? -1 : 1), 0, upper);
    if (delta == 0 || next == m_nTimePos)
        return;
    DoSetStandard(false, next, GetValueAt(m_dTimeMin, next));
    DoFocusEdit(m_pTimeEdit);
}

void CDlgGapLine::OnCurrentUp() {
    const int32_t upper = GetSpinUpper(m_dCurrentMin, m_dCurrentMax);
    if (m_nCurrentPos + kStepsPerDecade <= upper)
        DoSetStandard(true, m_nCurrentPos + kStepsPerDecade, Decimal(Gap().m_dCurrentStd * 10.0));
    else
        DoSetStandard(true, upper, m_dCurrentMax);
}

void CDlgGapLine::OnCurrentDown() {
    if (m_nCurrentPos - kStepsPerDecade >= 0)
        DoSetStandard(true, m_nCurrentPos - kStepsPerDecade, Decimal(Gap().m_dCurrentStd / 10.0));
    else
        DoSetStandard(true, 0, m_dCurrentMin);
}

void CDlgGapLine::OnTimeUp() {
    const int32_t upper = GetSpinUpper(m_dTimeMin, m_dTimeMax);
    if (m_nTimePos + kStepsPerDecade <= upper)
        DoSetStandard(false, m_nTimePos + kStepsPerDecade, Decimal(Gap().m_dTimeStd * 10.0));
    else
        DoSetStandard(false, upper, m_dTimeMax);
}

void CDlgGapLine::OnTimeDown() {
    if (m_nTimePos - kStepsPerDecade >= 0)
        DoSetStandard(false, m_nTimePos - kStepsPerDecade, Decimal(Gap().m_dTimeStd / 10.0));
    else
        DoSetStandard(false, 0, m_dTimeMin);
}
