#pragma once

// Driving the catalogue's search dialogs as a user would, without a screen:
// controls found by their ids, entries picked and texts typed through the
// signals the user's actions send.

#include "framework/Resources.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cattest {

inline QComboBox* Combo(const QObject* dialog, unsigned id) {
    auto* box = fw::FindControlAs<QComboBox>(dialog, id);
    EXPECT_NE(box, nullptr) << "no combo box " << id;
    return box;
}

inline QLineEdit* Edit(const QObject* dialog, unsigned id) {
    auto* edit = fw::FindControlAs<QLineEdit>(dialog, id);
    EXPECT_NE(edit, nullptr) << "no edit " << id;
    return edit;
}

inline QRadioButton* Radio(const QObject* dialog, unsigned id) {
    auto* radio = fw::FindControlAs<QRadioButton>(dialog, id);
    EXPECT_NE(radio, nullptr) << "no radio button " << id;
    return radio;
}

inline std::vector<std::string> Items(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i)
        items.push_back(box->itemText(i).toStdString());
    return items;
}

// The selected entry's text, "" when none is selected.
inline std::string Selected(const QComboBox* box) {
    return box->currentIndex() < 0 ? std::string() : box->currentText().toStdString();
}

// The user picks the entry of that text (which must be there).
inline void Pick(QComboBox* box, const std::string& text) {
    int index = box->findText(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_GE(index, 0) << "no entry \"" << text << "\" in box " << fw::GetControlId(box);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// The user types a text into an edit or an editable combo box.
inline void Type(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
    emit edit->textEdited(edit->text());
}

inline void Type(QComboBox* box, const std::string& text) {
    ASSERT_NE(box->lineEdit(), nullptr);
    Type(box->lineEdit(), text);
}

} // namespace cattest
