#pragma once

// Helpers shared by the database tests: fixture files opened as the
// application opens its databases, combo boxes that refuse entries, reading
// what a box holds, and a scoped string-table swap.

#include "framework/Combo.h"
#include "framework/Database.h"
#include "framework/StringTable.h"
#include "resources/StringTables.h"

#include <string>
#include <vector>

namespace tvtest {

// A fixture file opened as the application opens its databases.
class OpenFixture {
public:
    explicit OpenFixture(const std::string& path) { m_db.Open(path, false, true, ";PWD=x"); }
    fw::CDatabase* Get() { return &m_db; }

private:
    fw::CDatabase m_db;
};

// A box that accepts `accepted` entries and then answers every addition
// with `code` (CB_ERR -1 or CB_ERRSPACE -2).
class RefusingCombo : public fw::CMemoryCombo {
public:
    RefusingCombo(int accepted, int code) : m_accepted(accepted), m_code(code) {}
    int AddString(const std::string& text) override {
        if (GetCount() >= m_accepted)
            return m_code;
        return fw::CMemoryCombo::AddString(text);
    }

private:
    int m_accepted;
    int m_code;
};

inline std::vector<std::string> Texts(const fw::IComboBox& box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box.GetCount(); ++i)
        texts.push_back(box.GetLBText(i));
    return texts;
}

inline std::vector<intptr_t> Data(const fw::IComboBox& box) {
    std::vector<intptr_t> data;
    for (int i = 0; i < box.GetCount(); ++i)
        data.push_back(box.GetItemData(i));
    return data;
}

inline std::string Selected(const fw::IComboBox& box) {
    int sel = box.GetCurSel();
    return sel < 0 ? std::string("<none>") : box.GetLBText(sel);
}

// Replaces the program's string table for one test and puts it back.
class StringTableSwap {
public:
    explicit StringTableSwap(const char* table) { fw::RegisterStringTable(table); }
    ~StringTableSwap() { RegisterTovarineStrings(); }
    StringTableSwap(const StringTableSwap&) = delete;
    StringTableSwap& operator=(const StringTableSwap&) = delete;
};

} // namespace tvtest
