#include "tools/ComboKind.h"

#include "framework/DeviceContext.h"

#include <QString>

CComboKind::CComboKind(QWidget* parent, bool sortedStyle) : COwnerDrawCombo(sortedStyle, parent) {}

void CComboKind::DoLoadList() {
    SetItemHeight(kItemHeight);
    for (int style = 0; style <= 4; ++style)
        AddListItem(style);
}

int CComboKind::AddListItem(int value) {
    return AddEntry(QString::number(value), value);
}

int CComboKind::CompareItem(intptr_t value1, intptr_t value2) const {
    return CompareValuesLargerFirst(value1, value2);
}

void CComboKind::DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t style,
                          bool focusAction) const {
    if (style < 0)
        return;
    fw::CRect inner = InnerRect(rcItem);
    DrawFramedBox(dc, inner, isEnabled() ? 0xFFFFFF : 0xC0C0C0);
    fw::CPen old = dc->SelectObject(fw::CPen(static_cast<int>(style), 1, 0));
    int y = inner.top + inner.Height() / 2;
    dc->MoveTo(inner.left + 3, y);
    dc->LineTo(inner.right - 3, y);
    dc->SelectObject(old);
    DrawFocus(dc, rcItem, focusAction);
}
