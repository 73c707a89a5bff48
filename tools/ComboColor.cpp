#include "tools/ComboColor.h"

#include "framework/DeviceContext.h"

CComboColor::CComboColor(QWidget* parent, bool sortedStyle)
    : COwnerDrawCombo(sortedStyle, parent) {}

void CComboColor::DoLoadList() {
    static const uint32_t kColours[] = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF,
                                        0xFF00FF, 0x00FFFF, 0x800000, 0x408000, 0x808000,
                                        0x000080, 0x800080, 0x008080, 0xC0C0C0, 0x808080};
    SetItemHeight(kItemHeight);
    for (uint32_t c : kColours)
        AddListItem(c);
}

int CComboColor::AddListItem(uint32_t colour) {
    return AddEntry(QString(), static_cast<intptr_t>(colour));
}

int CComboColor::CompareItem(intptr_t colour1, intptr_t colour2) const {
    auto c1 = static_cast<fw::COLORREF>(colour1);
    auto c2 = static_cast<fw::COLORREF>(colour2);
    if (c1 == c2)
        return 0;
    unsigned sum1 = fw::GetRValue(c1) + fw::GetGValue(c1) + fw::GetBValue(c1);
    unsigned sum2 = fw::GetRValue(c2) + fw::GetGValue(c2) + fw::GetBValue(c2);
    if (sum1 != sum2)
        return sum1 < sum2 ? -1 : 1;
    if (fw::GetBValue(c1) > fw::GetBValue(c2))
        return -1;
    if (fw::GetGValue(c1) > fw::GetGValue(c2))
        return -1;
    if (fw::GetRValue(c1) > fw::GetRValue(c2))
        return -1;
    return 1;
}

void CComboColor::DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t colour,
                           bool focusAction) const {
    dc->FillSolidRect(InnerRect(rcItem), static_cast<fw::COLORREF>(colour));
    DrawFocus(dc, rcItem, focusAction);
}
