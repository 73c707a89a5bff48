#pragma once

#include "listdata/CQuenlorRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table List_CT1Current: rated primary currents of current transformers.
class CRSList_CT1Current : public CQuenlorRecordset {
public:
    explicit CRSList_CT1Current(fw::CDatabase* database = nullptr);

    int32_t m_lCurrentID = 0;
    int32_t m_bIsDefault = 0;
    int16_t m_nCT1Current = 0; // A

    std::string GetDefaultSQL() const override { return "[List_CT1Current]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

    // Lists the currents ("%d", item data the current), selects the default
    // row and hands over its current. Returns the number of rows walked:
    // without a box the walk stops at the default row, which is not counted;
    // 0 when the box refuses an entry.
    int DoReadSetDefaultLC(fw::IComboBox* box, int* current);
};
