#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_WireZ: cable geometry by core size, read in ascending size.
class CRSEquip_WireZ : public CSarquineRecordset {
public:
    explicit CRSEquip_WireZ(fw::CDatabase* database = nullptr);

    int32_t m_lWireZID = 0;
    int32_t m_bIsDefault = 0;
    double m_dCoreSize = 0.0;    // mm2
    double m_dCoefficient = 0.0; // conductor circle area / core size
    double m_dThickness = 0.0;   // mm, insulation
    double m_dOutsideDe = 0.0;   // mm, outside diameter of a single-core cable

    std::string GetDefaultSQL() const override { return "[Equip_WireZ]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Within the sizes from `minSize` to `maxSize` (a bound of 0 or less is
    // open), the first row whose size is at least `coreSize`; the rows below
    // it write their values on the way, so when no size reaches `coreSize`
    // the last row of the range stands. Returns the id of the row last
    // written, 0 at once when `minSize` is above `coreSize`, and 0 for an
    // empty range.
    int32_t DoReadByCoreSize(double coreSize, double minSize, double maxSize, double* coefficient,
                             double* thickness, double* outsideDe);

    // Lists the sizes of the range with as many decimals as each has (item
    // data that count of decimals), selects the default size and hands over
    // its values. Returns the default size, 0.0 when there is none or the box
    // refuses an entry. Without a box only the default is read.
    double DoReadSetDefaultWZ(fw::IComboBox* box, double minSize, double maxSize,
                              double* coefficient, double* thickness, double* outsideDe);

private:
    void SetFilterByRange(double minSize, double maxSize);
    void TakeValues(double* coefficient, double* thickness, double* outsideDe) const;
};
