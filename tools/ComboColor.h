#pragma once

#include "tools/OwnerDrawCombo.h"

#include <cstdint>

// The colour box of the line settings: fifteen colour swatches, item data the
// colour (0x00BBGGRR). The line-setting page creates it sorted.
class CComboColor : public COwnerDrawCombo {
public:
    explicit CComboColor(QWidget* parent = nullptr, bool sortedStyle = true);

    // Sets the entry height and adds the fifteen colours.
    void DoLoadList();
    // Adds an entry without text whose data is the colour.
    int AddListItem(uint32_t colour);

    // Darker colours (smaller R + G + B) first.
    int CompareItem(intptr_t colour1, intptr_t colour2) const override;
    void DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t colour,
                  bool focusAction) const override;
};
