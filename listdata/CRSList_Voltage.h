#pragma once

#include "listdata/CQuenlorRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// The column binding and the open (ascending voltage) that the high-voltage
// and the low-voltage tables share.
class CRSList_Voltage : public CQuenlorRecordset {
public:
    int32_t m_lVoltageID = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lVoltage = 0; // V

    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

protected:
    explicit CRSList_Voltage(fw::CDatabase* database);

    // Lists every voltage divided by `divisor` ("%d", item data the row id),
    // selects the default row and hands over its undivided voltage. Returns
    // the default row's id, 0 when there is none, the box refuses an entry or
    // the divisor is below 1.
    int32_t FillVoltages(fw::IComboBox* box, int32_t* voltage, int divisor);
};
