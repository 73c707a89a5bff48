#pragma once

// What the catalogue's search dialogs share: their controls made with the
// resource's ids, the user's changes told apart from the dialog's own, and
// the wait cursor of the handlers that read the databases.

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace searchdlg {

// The wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// A search dialog: its caption and resource id, "Search" (id 1, the
// default button and OK) and "Cancel" (id 2).
class CSearchDialog : public QDialog {
public:
    CSearchDialog(unsigned resourceId, const char* caption, QWidget* parent);

    // Fills the lists, as the dialog does when it opens; then runs it.
    virtual void OnInitDialog() = 0;
    int DoModal();

    QPushButton* SearchButton() const { return m_search; }
    bool IsSearchEnabled() const;

protected:
    // A row of a grid: a label and a control carrying its id.
    QComboBox* AddCombo(QGridLayout* grid, int row, unsigned id, const char* label, bool editable,
                        int maxLength = 0);
    QLineEdit* AddEdit(QGridLayout* grid, int row, unsigned id, const char* label, int maxLength);
    QRadioButton* AddRadio(unsigned id, const char* text, QWidget* parent);
    QGroupBox* AddGroup(const char* title, QGridLayout** grid);
    // The buttons at the bottom; call last.
    void AddButtons();

    // The choice of an entry by the user (not by the program), and text the
    // user typed into a box.
    void OnPicked(QComboBox* box, std::function<void()> handler);
    void OnTyped(QComboBox* box, std::function<void()> handler);
    void OnTyped(QLineEdit* edit, std::function<void()> handler);

    void EnableSearch(bool enable);

private:
    QPushButton* m_search = nullptr;
    QPushButton* m_cancel = nullptr;
};

std::string Text(const QComboBox* box);
std::string Text(const QLineEdit* edit);
// Sets the text only when it differs, so that the caret of a box being
// typed into stays where it is.
void SetText(QComboBox* box, const std::string& text);
void SetText(QLineEdit* edit, const std::string& text);

} // namespace searchdlg
