#pragma once

#include "listdata/CQuenlorRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table List_Reactor: series reactors of capacitors, read in table order.
class CRSList_Reactor : public CQuenlorRecordset {
public:
    explicit CRSList_Reactor(fw::CDatabase* database = nullptr);

    int32_t m_lReactorID = 0;
    int32_t m_bIsDefault = 0;
    double m_dReactor = 0.0; // % of the capacitor's reactance

    std::string GetDefaultSQL() const override { return "List_Reactor"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Lists the reactors with as many decimals as each has (item data the
    // row id), selects the default row and hands over its value. Returns the
    // default row's id, 0 when there is none or the box refuses an entry.
    int32_t DoReadSetDefaultLR(fw::IComboBox* box, double* reactor);
};
