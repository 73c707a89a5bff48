#pragma once

// Building blocks of the supply elements' dialogs: controls placed at their
// template positions (dialog units, grown with the font and the texts, see
// fw::CTemplateLayout) and carrying their control ids, and the moves of
// texts between controls and the dialog's members.

#include <QString>
#include <Qt>

#include <string>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace supplydlg {

// Gives the dialog its template of the size (dialog units); call it before
// any control is added.
void SetDialogSize(QDialog* dialog, int w, int h);

QLineEdit* AddEdit(QWidget* parent, unsigned id, int x, int y, int w, int h, bool readOnly = false);
// editable: a drop-down whose edit the user types into; otherwise a
// drop-down list.
QComboBox* AddCombo(QWidget* parent, unsigned id, int x, int y, int w, int h, bool editable);
QLabel* AddStatic(QWidget* parent, const char* text, int x, int y, int w, int h,
                  Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter);
QCheckBox* AddCheck(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h);
QRadioButton* AddRadio(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h);
QPushButton* AddButton(QWidget* parent, unsigned id, const char* text, int x, int y, int w, int h,
                       bool isDefault = false);

// The text of an edit or of a combo box's edit.
std::string GetText(const QLineEdit* edit);
std::string GetText(const QComboBox* box);
// Sets the text only when it differs, so that the caret of a field being
// typed into stays where it is.
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QComboBox* box, const std::string& text);
// Limits what the user can type into an edit or an editable combo box to a
// number of characters. A text the dialog sets itself is shown whole, as
// the platform's edit controls do (a limit of 4 must not cut 233.333333).
void LimitText(QLineEdit* edit, int length);
void LimitText(QComboBox* box, int length);
// The typing limit of an edit, -1 for none.
int GetTextLimit(const QLineEdit* edit);

// Puts the focus on the dialog's control with the id (the whole text of an
// edit selected, as the platform does when it moves the focus to an edit).
void FocusControl(QDialog* dialog, unsigned id);

} // namespace supplydlg
