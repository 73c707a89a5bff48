// Selection of the entry of a dial combo box that matches a stored setting.

#include "tools/Filvaron.h"
#include "tools/FixedText.h"

#include "framework/Combo.h"

#include <cstdint>

int DLLSetFixedDialCombo(fw::IComboBox* box, const std::string& text, unsigned tableNameId) {
    if (!box)
        return fw::IComboBox::CB_ERR;
    int index = box->FindStringExact(-1, text);
    if (index != fw::IComboBox::CB_ERR) {
        box->SetCurSel(index);
        return index;
    }
    if (!text.empty())
        DLLDispDatabaseWarning(tableNameId, text);
    return fw::IComboBox::CB_ERR;
}

int DLLSetContiDialCombo(fw::IComboBox* box, double value, unsigned tableNameId, int percentFlag) {
    if (!box)
        return fw::IComboBox::CB_ERR;
    // The filler keeps the decimal count of its entries in the first entry's
    // item data. An empty box has none: printf's reading of a negative
    // precision, six decimals, stands in.
    intptr_t decimals = box->GetItemData(0);
    if (decimals > 1100)
        decimals = 1100;
    if (percentFlag == 1)
        value /= 100.0;
    std::string text = FormatFixedDecimals(value, static_cast<int>(decimals));
    int index = box->FindStringExact(-1, text);
    if (index != fw::IComboBox::CB_ERR) {
        box->SetCurSel(index);
        return index;
    }
    DLLDispDatabaseWarning(tableNameId, text);
    return fw::IComboBox::CB_ERR;
}
