#pragma once

// Building blocks of the dialogs of the generator, motor effect, motor,
// general load, capacitor and text box: labelled controls in rows, each
// carrying its control id, and the moves of texts and numbers between the
// controls and the dialog's model.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace machinedlg {

// A dialog of labelled rows with OK (id 1) and Cancel (id 2) at the bottom.
// While it fills its controls it ignores their change signals, so that only
// what the user types reaches the model.
class CRowDialog : public QDialog {
public:
    CRowDialog(unsigned templateId, const char* caption, QWidget* parent);

    QLineEdit* AddEdit(unsigned id, const char* label, bool readOnly = false, int maxLength = 0);
    // An editable drop-down (a typed value or an entry of the list) or a
    // drop-down list.
    QComboBox* AddCombo(unsigned id, const char* label, bool editable, int maxLength = 0);
    QCheckBox* AddCheck(unsigned id, const char* text);
    QRadioButton* AddRadio(unsigned id, const char* text, QWidget* group);
    QFormLayout* Rows() const { return m_rows; }

    QPushButton* OkButton() const { return m_ok; }
    void EnableOk(bool enable);
    // Moves the focus to the control with the id and selects an edit's text.
    void FocusControl(unsigned id);

    // Runs fill with the change signals ignored.
    void Quietly(const std::function<void()>& fill);
    bool IsFilling() const { return m_bFilling; }

    // Connects a user change of an edit or a combo's edit text.
    void OnEdited(QLineEdit* edit, const std::function<void(const std::string&)>& changed);
    void OnEdited(QComboBox* box, const std::function<void(const std::string&)>& changed);
    // Connects the choice of a combo box's entry (its index).
    void OnChosen(QComboBox* box, const std::function<void(int)>& chosen);

    // OK runs check: a control id keeps the dialog open with the focus
    // there, 0 closes it with OK.
    void SetCheck(const std::function<uint32_t()>& check);

private:
    QFormLayout* m_rows;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_bFilling = false;
    std::function<uint32_t()> m_check;
};

std::string GetText(const QLineEdit* edit);
std::string GetText(const QComboBox* box);
// Sets the text only when it differs, so that the caret of a field being
// typed into stays where it is.
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QComboBox* box, const std::string& text);

// The number at the start of a text, as the platform's plain conversions
// read it: 0 when the text does not start with one. Values beyond a double
// ("1e999", "inf", "nan") read as 0 too, so that no typed text can put an
// infinite or undefined value into the model.
double ReadDecimal(const std::string& text);
// The whole number at the start of a text, 0 when there is none; clamped
// to the 32-bit range.
int32_t ReadWhole(const std::string& text);

// The parent for a modal dialog: the active window, if any.
QWidget* DialogParent();

} // namespace machinedlg
