#pragma once

#include "listdata/CRSList_Voltage.h"

// Table List_VoltHigh: standard high voltages.
class CRSList_VoltHigh : public CRSList_Voltage {
public:
    explicit CRSList_VoltHigh(fw::CDatabase* database = nullptr);

    std::string GetDefaultSQL() const override { return "[List_VoltHigh]"; }

    // Lists the voltages divided by `divisor` (whole-number division, for a
    // list in kV pass 1000), item data the row id; selects the default row
    // and hands over its undivided voltage. Returns the default row's id, 0
    // when there is none or the box refuses an entry. A divisor below 1 is
    // refused: 0, with nothing read, listed or written.
    int32_t DoReadSetDefaultLV(fw::IComboBox* box, int32_t* voltage, int divisor);
};
