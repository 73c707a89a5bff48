#include "Combo.h"

#include <QString>

#include <cctype>

namespace fw {

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() == b.size()) {
        bool ascii = true;
        for (size_t i = 0; i < a.size(); ++i) {
            unsigned char ca = a[i], cb = b[i];
            if (ca >= 0x80 || cb >= 0x80) {
                ascii = false;
                break;
            }
            if (std::tolower(ca) != std::tolower(cb))
                return false;
        }
        if (ascii)
            return true;
    }
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

int IComboBox::FindStringExact(int startAfter, const std::string& text) const {
    int n = GetCount();
    if (n == 0)
        return CB_ERR;
    int start = (startAfter < 0 || startAfter >= n) ? 0 : startAfter + 1;
    for (int k = 0; k < n; ++k) {
        int i = (start + k) % n;
        if (EqualsNoCase(GetLBText(i), text))
            return i;
    }
    return CB_ERR;
}

int CMemoryCombo::AddString(const std::string& text) {
    m_items.push_back(Item{text, 0});
    return GetCount() - 1;
}

int CMemoryCombo::DeleteString(int index) {
    if (index < 0 || index >= GetCount())
        return CB_ERR;
    m_items.erase(m_items.begin() + index);
    if (m_curSel == index)
        m_curSel = CB_ERR;
    else if (m_curSel > index)
        --m_curSel;
    return GetCount();
}

void CMemoryCombo::ResetContent() {
    m_items.clear();
    m_curSel = CB_ERR;
}

std::string CMemoryCombo::GetLBText(int index) const {
    return index >= 0 && index < GetCount() ? m_items[index].text : std::string();
}

intptr_t CMemoryCombo::GetItemData(int index) const {
    return index >= 0 && index < GetCount() ? m_items[index].data : CB_ERR;
}

int CMemoryCombo::SetItemData(int index, intptr_t data) {
    if (index < 0 || index >= GetCount())
        return CB_ERR;
    m_items[index].data = data;
    return 0;
}

int CMemoryCombo::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) {
        m_curSel = CB_ERR;
        return CB_ERR;
    }
    m_curSel = index;
    return index;
}

int CMemoryCombo::SetItemHeight(int, int height) {
    m_itemHeight = height;
    return 0;
}

} // namespace fw
