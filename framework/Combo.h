#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// The combo-box operations that library code performs on a box it is given.
// Indexes are 0-based; -1 (CB_ERR) means none.
class IComboBox {
public:
    static constexpr int CB_ERR = -1;

    virtual ~IComboBox() = default;
    virtual int AddString(const std::string& text) = 0;
    virtual int DeleteString(int index) = 0;
    virtual void ResetContent() = 0;
    virtual int GetCount() const = 0;
    virtual std::string GetLBText(int index) const = 0;
    virtual intptr_t GetItemData(int index) const = 0;
    virtual int SetItemData(int index, intptr_t data) = 0;
    // First entry after `startAfter` (-1: from the top) whose text equals
    // `text` ignoring case; the search wraps around, as the platform's does.
    virtual int FindStringExact(int startAfter, const std::string& text) const;
    virtual int GetCurSel() const = 0;
    virtual int SetCurSel(int index) = 0;
    virtual int SetItemHeight(int index, int height) = 0;
    virtual bool IsWindowEnabled() const { return true; }
};

// A combo box in memory, for library code run without widgets.
class CMemoryCombo : public IComboBox {
public:
    int AddString(const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    std::string GetLBText(int index) const override;
    intptr_t GetItemData(int index) const override;
    int SetItemData(int index, intptr_t data) override;
    int GetCurSel() const override { return m_curSel; }
    int SetCurSel(int index) override;
    int SetItemHeight(int index, int height) override;
    int GetItemHeight() const { return m_itemHeight; }

private:
    struct Item {
        std::string text;
        intptr_t data = 0;
    };
    std::vector<Item> m_items;
    int m_curSel = CB_ERR;
    int m_itemHeight = 0;
};

// Case-insensitive equality of two texts (ASCII letters and the Latin-1
// letters that Windows-1252 holds).
bool EqualsNoCase(const std::string& a, const std::string& b);

} // namespace fw
