#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

// The makers of the breaker database, in name order.
class CRSManufacture : public fw::CRecordset {
public:
    explicit CRSManufacture(fw::CDatabase* database = nullptr);

    int32_t m_lManufactureID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sManuName;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

protected:
    // "[lManufactureID] = " maker.
    void DoSetFilterManufacture(int32_t manufactureID);
};
