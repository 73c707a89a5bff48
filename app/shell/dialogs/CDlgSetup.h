#pragma once

#include "app/elements/supply/dialogs/MachineDialogKit.h"
#include "app/records/DocSettings.h"

#include <cstdint>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// Control ids of the project and skeleton dialogs (the page set-up dialog,
// shared with the catalogue program, is CDlgSetupPage).
namespace setupid {
constexpr unsigned kProjectFirst = 1001; // 1001 to 1008: the eight fields in order
constexpr unsigned kFreq50 = 1001;
constexpr unsigned kFreq60 = 1002;
constexpr unsigned kCapacity = 1003;
constexpr unsigned kFrameX = 1004;
constexpr unsigned kFrameY = 1005;
} // namespace setupid

// "Project information" (dialog 193): the eight texts of the title blocks,
// copied back on OK without any check.
class CDlgSetupProject : public machinedlg::CRowDialog {
public:
    CDlgSetupProject(CInfoProject& info, QWidget* parent = nullptr);

private:
    CInfoProject& m_info;
    QLineEdit* m_edits[7];
    QPlainTextEdit* m_comments;
};

// "Skeleton setup" (dialog 194): frequency, reference capacity and frame
// counts. From the calculation mode on, frequency and capacity are locked.
class CDlgSetupSkeleton : public machinedlg::CRowDialog {
public:
    CDlgSetupSkeleton(CInfoSkeleton& info, int32_t mode, QWidget* parent = nullptr);

private:
    CInfoSkeleton& m_info;
    QRadioButton* m_freq50;
    QRadioButton* m_freq60;
    QLineEdit* m_capacity;
    QLineEdit* m_frameX;
    QLineEdit* m_frameY;
};
