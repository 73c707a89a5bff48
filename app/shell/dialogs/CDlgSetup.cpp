#include "CDlgSetup.h"

#include "framework/Resources.h"
#include "tools/Filvaron.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <string>

using machinedlg::GetText;
using machinedlg::ReadWhole;
using machinedlg::SetText;

namespace {

std::string FromPlain(const QPlainTextEdit* edit) {
    // The comments keep the line breaks of the platform's multi-line field.
    std::string text = edit->toPlainText().toStdString();
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

QString ToPlain(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r')
            out += c;
    }
    return QString::fromStdString(out);
}

} // namespace

// --- "Project information" -------------------------------------------------------

CDlgSetupProject::CDlgSetupProject(CInfoProject& info, QWidget* parent)
    : CRowDialog(193, "Project information", parent), m_info(info) {
    const char* labels[7] = {"Messrs.:",      "Project:", "Reference:",   "Engineer:",
                             "Created date:", "Changed:", "Changed date:"};
    std::string* fields[7] = {&info.m_strCustomer, &info.m_strProject, &info.m_strReference,
                              &info.m_strEngineer, &info.m_strCreated, &info.m_strChangedBy,
                              &info.m_strChanged};
    for (int i = 0; i < 7; ++i) {
        m_edits[i] = AddEdit(setupid::kProjectFirst + static_cast<unsigned>(i), labels[i]);
        SetText(m_edits[i], *fields[i]);
    }
    // Comments run over several lines and take the Return key.
    m_comments = new QPlainTextEdit(this);
    fw::SetControlId(m_comments, setupid::kProjectFirst + 7);
    m_comments->setPlainText(ToPlain(info.m_strComments));
    Rows()->addRow(QStringLiteral("Comments:"), m_comments);
    SetCheck([this, fields]() -> uint32_t {
        for (int i = 0; i < 7; ++i)
            *fields[i] = GetText(m_edits[i]);
        m_info.m_strComments = FromPlain(m_comments);
        return 0;
    });
}

// --- "Skeleton setup" ----------------------------------------------------------------

CDlgSetupSkeleton::CDlgSetupSkeleton(CInfoSkeleton& info, int32_t mode, QWidget* parent)
    : CRowDialog(194, "Skeleton setup", parent), m_info(info) {
    auto* frequency = new QGroupBox(QStringLiteral("Frequency"), this);
    auto* row = new QHBoxLayout(frequency);
    m_freq50 = new QRadioButton(QStringLiteral("50Hz"), frequency);
    m_freq60 = new QRadioButton(QStringLiteral("60Hz"), frequency);
    fw::SetControlId(m_freq50, setupid::kFreq50);
    fw::SetControlId(m_freq60, setupid::kFreq60);
    row->addWidget(m_freq50);
    row->addWidget(m_freq60);
    Rows()->addRow(frequency);
    m_capacity = AddEdit(setupid::kCapacity, "Reference capacity(kVA):");
    m_frameX = AddEdit(setupid::kFrameX, "X frame count:");
    m_frameY = AddEdit(setupid::kFrameY, "Y frame count:");

    // Any frequency other than 50 or 60 checks neither button.
    m_freq50->setAutoExclusive(false);
    m_freq60->setAutoExclusive(false);
    m_freq50->setChecked(info.m_nFrequency == 50);
    m_freq60->setChecked(info.m_nFrequency == 60);
    m_freq50->setAutoExclusive(true);
    m_freq60->setAutoExclusive(true);
    const std::string shownCapacity = std::to_string(static_cast<long long>(info.m_dCapacity));
    SetText(m_capacity, shownCapacity);
    SetText(m_frameX, std::to_string(info.m_nFrameCountX));
    SetText(m_frameY, std::to_string(info.m_nFrameCountY));
    // After a calculation its results stand on this frequency and capacity.
    if (mode >= 3) {
        m_freq50->setEnabled(false);
        m_freq60->setEnabled(false);
        m_capacity->setReadOnly(true);
    }
    SetCheck([this, shownCapacity]() -> uint32_t {
        const int32_t capacity = ReadWhole(GetText(m_capacity));
        const int32_t x = ReadWhole(GetText(m_frameX));
        const int32_t y = ReadWhole(GetText(m_frameY));
        if (capacity <= 0)
            return setupid::kCapacity;
        // A count beyond the limit would make the view draw and scroll an
        // area no program can hold.
        if (x <= 0 || x > settings_limits::kMaxFrameCount)
            return setupid::kFrameX;
        if (y <= 0 || y > settings_limits::kMaxFrameCount)
            return setupid::kFrameY;
        m_info.m_nFrequency = m_freq50->isChecked() ? 50 : 60;
        m_info.m_nFrameCountX = x;
        m_info.m_nFrameCountY = y;
        // The field shows the capacity cut to a whole number: an untouched
        // field keeps the stored value (1000.5 stays 1000.5).
        if (GetText(m_capacity) != shownCapacity)
            m_info.m_dCapacity = capacity;
        return 0;
    });
}
