#pragma once

// Building blocks of the conductors' property sheets: a page of labelled
// rows whose controls carry their control ids, the sheet's OK button, and
// the moves of texts and numbers between the controls and the working copy.
// Only what the user does reaches a page's handlers (typing, choosing,
// clicking); what the page writes into its controls does not.

#include "framework/PropertySheet.h"
#include "framework/Resources.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace conddlg {

class CRowPage : public fw::CPropertyPage {
public:
    CRowPage(unsigned templateId, const std::string& caption);

    // A label and an edit; maxLength limits what the user can type (0: no
    // limit); starId adds the "*" mark of a value typed by the user.
    QLineEdit* AddEdit(unsigned id, const char* label, int maxLength = 0, bool readOnly = false,
                       unsigned starId = 0);
    // A label and a combo box: editable (the user may type a value) or a
    // drop-down list.
    QComboBox* AddCombo(unsigned id, const char* label, bool editable, int maxLength = 0);
    QGroupBox* AddGroup(const char* title);
    QRadioButton* AddRadio(QGroupBox* group, unsigned id, const char* text);
    QCheckBox* AddCheck(unsigned id, const char* text);
    QLabel* AddStatic(unsigned id, const char* text);

    void OnEdited(QLineEdit* edit, const std::function<void(const std::string&)>& changed);
    void OnEdited(QComboBox* box, const std::function<void(const std::string&)>& changed);
    void OnChosen(QComboBox* box, const std::function<void(int)>& chosen);
    void OnClicked(QAbstractButton* button, const std::function<void()>& clicked);

    // The sheet's OK button.
    void EnableOk(bool enable);
    // The focus on the control with the id, an edit's whole text selected.
    void FocusControl(unsigned id);
    // Edits read-only, other controls disabled.
    void SetReadOnly(unsigned id, bool readOnly);
    void EnableControl(unsigned id, bool enable);
    // A "*" mark: bright while the value in use differs from the calculated.
    void SetStar(unsigned id, bool changed);

private:
    QGridLayout* m_grid;
    int m_nRow = 0;
};

std::string GetText(const QLineEdit* edit);
std::string GetText(const QComboBox* box);
// Sets the text only when it differs, so that the caret of a field being
// typed into stays.
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QComboBox* box, const std::string& text);

// The number at the start of a text as the C library reads it, 0 when there
// is none; a value beyond a double reads as 0 too.
double ReadDecimal(const std::string& text);
// The whole number at the start of a text, 0 when there is none, clamped to
// 32 bits.
int32_t ReadWhole(const std::string& text);

// The parent for a modal sheet: the active window, if any.
QWidget* SheetParent();

// The wire-system buttons (three phases, with N, with N and PE) that the
// earthing code rules out, disabled: TN-C (1) has neither of the first two,
// 3 neither the first nor the last, TT and IT (4, 5) no separate PE.
void DoLockWireSystems(QRadioButton* const (&wire)[3], uint32_t earthing);

// The data check of one page of the bus-bar's or bus-duct's sheet as the
// page is left: the focus goes to the control of a bad value, and the page
// stays (false); true when the page's values are good.
template <class Model> bool DoCheckPage(CRowPage& page, const Model& model, uint32_t pageNumber) {
    const int32_t id = model.DoCheckData(&pageNumber);
    if (id <= 0)
        return true;
    page.FocusControl(static_cast<unsigned>(id));
    return false;
}

// The wire system chosen on a sheet's basic page: the sheet keeps the
// pages of the groups it has (1 the phases only, 2 with N, 3 with N and PE).
template <class Sheet> void DoChangeWireSystem(Sheet& sheet, uint32_t wireSystem) {
    sheet.GetBasic().m_nWireSystem = wireSystem;
    switch (wireSystem) {
    case 1:
        sheet.DoRemovePages(1);
        break;
    case 2:
        // The N page comes back after the PE page goes, at the end.
        sheet.DoRemovePages(2);
        sheet.DoAddPages(2);
        break;
    default:
        sheet.DoAddPages(3);
        break;
    }
}

// The load current and length edits of a sheet's basic page: a typed value
// goes into the basic record, OK stays enabled only for a value not below
// 0, and changed() follows (the voltage drop shown again).
template <class Sheet>
void OnEditedLoadAndLength(CRowPage& page, Sheet& sheet, QLineEdit* loadCurrent, QLineEdit* length,
                           const std::function<void()>& changed) {
    page.OnEdited(loadCurrent, [&page, &sheet, changed](const std::string& text) {
        const double value = ReadDecimal(text);
        sheet.GetBasic().m_dLoadCurrent = value;
        page.EnableOk(value >= 0.0);
        changed();
    });
    page.OnEdited(length, [&page, &sheet, changed](const std::string& text) {
        const double value = ReadDecimal(text);
        sheet.GetBasic().m_dLength = value;
        page.EnableOk(value >= 0.0);
        changed();
    });
}

// The lock of a conductor's basic page by the document's mode: from Check
// skeleton on (2) what changes the network or its tables (the edits become
// read-only, the other controls disabled), from Calculation on (3) also the
// load current and the length; outside modes 2 to 8 nothing is locked.
void DoLockBasicByMode(int32_t mode, std::initializer_list<QWidget*> tables, QLineEdit* loadCurrent,
                       QLineEdit* length);

// The name and calculation-point controls of a conductor's basic page: the
// typed name goes into the element (OK only while it is not empty), the
// check box sets or clears its calculation point. Both fields belong to the
// sheet's working copy and live as long as the page.
void OnEditedNameAndCalcPoint(CRowPage& page, QLineEdit* name, std::string& nameField,
                              QCheckBox* calcPoint, uint32_t& calcPointField);

// What every conductor's basic page shows whatever its kind: the name, the
// voltage, the calculation point and the voltage drop.
void DoShowNameVoltageAndDrop(QLineEdit* name, const std::string& nameText, QLineEdit* voltage,
                              const std::string& voltageText, QCheckBox* calcPoint,
                              uint32_t calcPointField, QLineEdit* voltageDrop,
                              const std::string& voltageDropText);

} // namespace conddlg
