#pragma once

#include "Combo.h"

class QComboBox;

namespace fw {

// Lets library code fill and select a real combo box. Item data is kept in
// Qt::UserRole.
class CQtCombo : public IComboBox {
public:
    explicit CQtCombo(QComboBox* box) : m_box(box) {}

    int AddString(const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override;
    std::string GetLBText(int index) const override;
    intptr_t GetItemData(int index) const override;
    int SetItemData(int index, intptr_t data) override;
    int GetCurSel() const override;
    int SetCurSel(int index) override;
    int SetItemHeight(int index, int height) override;
    bool IsWindowEnabled() const override;

    QComboBox* Box() const { return m_box; }

private:
    QComboBox* m_box;
};

} // namespace fw
