#include "tools/ComboThick.h"

#include "framework/DeviceContext.h"

#include <QString>

CComboThick::CComboThick(QWidget* parent, bool sortedStyle)
    : COwnerDrawCombo(sortedStyle, parent) {}

void CComboThick::DoLoadList() {
    SetItemHeight(kItemHeight);
    for (int width : {1, 2, 3, 4, 5, 7, 9})
        AddListItem(width);
}

int CComboThick::AddListItem(int value) {
    return AddEntry(QString::number(value), value);
}

int CComboThick::CompareItem(intptr_t value1, intptr_t value2) const {
    return CompareValuesLargerFirst(value1, value2);
}

void CComboThick::DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t width,
                           bool focusAction) const {
    if (width <= 0)
        return;
    fw::CRect inner = InnerRect(rcItem);
    DrawFramedBox(dc, inner, 0xFFFFFF);
    int value = static_cast<int>(width);
    fw::CPen old = dc->SelectObject(fw::CPen(fw::PS_SOLID, value, 0));
    int left = inner.left + 4;
    int top = inner.top + inner.Height() / 2 - value / 2 + 1;
    dc->FillSolidRect(fw::CRect(left, top, left + inner.Width() - 7, top + value), 0);
    dc->SelectObject(old);
    DrawFocus(dc, rcItem, focusAction);
}
