#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The rated values of the operating kinds: fixed values or ranges. It has no
// order of its own; its operations set theirs.
class CRSBreak_Rated : public fw::CRecordset {
public:
    explicit CRSBreak_Rated(fw::CDatabase* database = nullptr);

    int32_t m_lBreakRatedID = 0;
    int32_t m_lOpeKindID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sFixedName;
    double m_dFixedValue = 0.0;
    double m_dContiDefValue = 0.0;
    double m_dContiMiniValue = 0.0;
    double m_dContiWidthValue = 0.0;
    double m_dContiMaxValue = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

protected:
    // Operating kind and rated row, each only when above 0.
    void DoSetFilterRated(int32_t opeKindID, int32_t breakRatedID);
    // Operating kind and fixed value, each only when above 0.
    void DoSetFilterRatedValue(int32_t opeKindID, double fixedValue);
};
