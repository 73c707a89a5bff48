#pragma once

// Working a property sheet as the user does: typing into an edit, choosing
// an entry, clicking a button, and reading what the pages show.

#include "framework/PropertySheet.h"
#include "framework/Resources.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

namespace sheettest {

template <class T> T* Control(const QObject* page, unsigned id) {
    T* control = fw::FindControlAs<T>(page, id);
    if (!control)
        throw std::runtime_error("no control " + std::to_string(id));
    return control;
}

// The user types a whole new text into an edit.
inline void Type(const QObject* page, unsigned id, const std::string& text) {
    QLineEdit* edit = fw::FindControlAs<QLineEdit>(page, id);
    if (!edit) {
        QComboBox* box = Control<QComboBox>(page, id);
        edit = box->lineEdit();
    }
    edit->setText(QString::fromStdString(text));
    emit edit->textEdited(edit->text());
}

// The user picks the entry with the text.
inline void Choose(const QObject* page, unsigned id, const std::string& text) {
    QComboBox* box = Control<QComboBox>(page, id);
    const int index = box->findText(QString::fromStdString(text));
    if (index < 0)
        throw std::runtime_error("no entry " + text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline void Click(const QObject* page, unsigned id) {
    Control<QAbstractButton>(page, id)->click();
}

inline std::string Text(const QObject* page, unsigned id) {
    if (QLineEdit* edit = fw::FindControlAs<QLineEdit>(page, id))
        return edit->text().toStdString();
    return Control<QComboBox>(page, id)->currentText().toStdString();
}

inline std::vector<std::string> Entries(const QObject* page, unsigned id) {
    QComboBox* box = Control<QComboBox>(page, id);
    std::vector<std::string> texts;
    for (int i = 0; i < box->count(); ++i)
        texts.push_back(box->itemText(i).toStdString());
    return texts;
}

inline std::vector<std::string> Captions(const fw::CPropertySheet& sheet) {
    std::vector<std::string> captions;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        captions.push_back(sheet.GetPage(i)->GetCaption());
    return captions;
}

inline bool Enabled(const QObject* page, unsigned id) {
    return Control<QWidget>(page, id)->isEnabled();
}

inline bool ReadOnly(const QObject* page, unsigned id) {
    return Control<QLineEdit>(page, id)->isReadOnly();
}

inline bool OkEnabled(const fw::CPropertySheet& sheet) {
    return sheet.GetOkButton()->isEnabled();
}

} // namespace sheettest
