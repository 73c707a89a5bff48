#pragma once

#include "tools/OwnerDrawCombo.h"

// The line-kind box of the line settings: the five pen styles solid, dash,
// dot, dash-dot and dash-dot-dot drawn as lines, item data the style.
class CComboKind : public COwnerDrawCombo {
public:
    explicit CComboKind(QWidget* parent = nullptr, bool sortedStyle = false);

    // Sets the entry height and adds the styles 0 to 4.
    void DoLoadList();
    // Adds an entry whose text is the value ("%d") and whose data is the value.
    int AddListItem(int value);

    int CompareItem(intptr_t value1, intptr_t value2) const override;
    void DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t style,
                  bool focusAction) const override;
};
