#pragma once

#include "listdata/CRSList_Voltage.h"

// Table List_VoltLow: standard low voltages.
class CRSList_VoltLow : public CRSList_Voltage {
public:
    explicit CRSList_VoltLow(fw::CDatabase* database = nullptr);

    std::string GetDefaultSQL() const override { return "[List_VoltLow]"; }

    // Lists the voltages ("%d", item data the row id), selects the default
    // row and hands over its voltage. Returns the default row's id, 0 when
    // there is none or the box refuses an entry.
    int32_t DoReadSetDefaultLV(fw::IComboBox* box, int32_t* voltage);
};
