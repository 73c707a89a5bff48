#pragma once

#include "tools/OwnerDrawCombo.h"

// The line-thickness box of the line settings: widths 1 to 9 pixels drawn as
// black bars, item data the width.
class CComboThick : public COwnerDrawCombo {
public:
    explicit CComboThick(QWidget* parent = nullptr, bool sortedStyle = false);

    // Sets the entry height and adds the widths 1, 2, 3, 4, 5, 7, 9.
    void DoLoadList();
    // Adds an entry whose text is the value ("%d") and whose data is the value.
    int AddListItem(int value);

    // Shared with the line-kind box: larger values first.
    int CompareItem(intptr_t value1, intptr_t value2) const override;
    void DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t width,
                  bool focusAction) const override;
};
