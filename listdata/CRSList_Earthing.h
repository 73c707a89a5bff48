#pragma once

#include "listdata/CQuenlorRecordset.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
}

// Table List_Earthing: the earthing systems, read in table order.
class CRSList_Earthing : public CQuenlorRecordset {
public:
    explicit CRSList_Earthing(fw::CDatabase* database = nullptr);

    int32_t m_lEarthingID = 0;
    int32_t m_bIsDefault = 0;
    int16_t m_nEarthCode = 0; // 1 TN-S, 2 TN-C-S, 3 TN-C, 4 TT, 5 IT
    std::string m_sSystemName;

    std::string GetDefaultSQL() const override { return "List_Earthing"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The systems a three-phase circuit offers (every code but TN-C-S):
    // lists the names (item data the code), selects the default row and
    // hands over its code. Returns the default row's id, 0 when there is
    // none among the listed rows or the box refuses an entry.
    int32_t DoReadSetDefaultLE3(fw::IComboBox* box, unsigned* earthCode);
    // The same for a single-phase transformer: every code but 1, 2 and 3.
    int32_t DoReadSetDefaultLE1(fw::IComboBox* box, unsigned* earthCode);

    // The name of an earthing code: the last row with that code (code 0:
    // the last row of the table); empty when no row matches.
    std::string DoReadByEarthCode(unsigned earthCode);

private:
    template <class Listed>
    int32_t FillSystems(fw::IComboBox* box, unsigned* earthCode, Listed listed);
};
