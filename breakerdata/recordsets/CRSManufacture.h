#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;

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

    // The maker row of an id into the selection (its maker always reset);
    // the row count.
    int DoReadByManufactureID(int32_t manufactureID, CInfoBase* selection);
    // Lists the makers (for relays, thermal relays and contactors only the
    // maker with id 1) and takes the default maker (init 1). Returns its id.
    int32_t DoReadSetDefaultM(fw::IComboBox* box, unsigned kindFlag, CInfoBase* selection,
                              int init);

protected:
    // "[lManufactureID] = " maker.
    void DoSetFilterManufacture(int32_t manufactureID);

private:
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection) const;
};
