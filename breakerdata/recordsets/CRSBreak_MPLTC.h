#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CdPointList;

// The links from a breaker type and a range of rated values to the current-limiting (MPLTC)
// curves of the curve database.
class CRSBreak_MPLTC : public fw::CRecordset {
public:
    explicit CRSBreak_MPLTC(fw::CDatabase* database = nullptr);

    int32_t m_lMPLTCID = 0;
    int32_t m_lTypeID = 0;
    int32_t m_lHeaderID = 0;
    double m_dRatedMin = 0.0;
    double m_dRatedMax = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Appends to the list the points of the MPLTC curve of a type (any type
    // when the id is not above 0) whose rated range holds `rated` (any range
    // when not above 0): of the linked curves at or above `voltage`, the one
    // of the lowest voltage, the first linked on a tie. `voltageFound` (may be
    // null) receives that curve's voltage. Returns the number of points read,
    // 0 when no curve applies.
    int DoReadByRatedValue(fw::CDatabase* curveDatabase, int32_t typeID, int32_t voltage,
                           double rated, CdPointList* list, int32_t* voltageFound);

private:
    void DoSetFilterByRated(int32_t typeID, double rated);
};
