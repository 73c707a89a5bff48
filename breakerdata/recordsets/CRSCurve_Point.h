#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CdPoint;
class CdPointList;

// The points of the characteristic curves of the curve database.
class CRSCurve_Point : public fw::CRecordset {
public:
    explicit CRSCurve_Point(fw::CDatabase* database = nullptr);

    int32_t m_lPointID = 0;
    int32_t m_lCurveHeaderID = 0;
    double m_dXPoint = 0.0;
    double m_dYPoint = 0.0;
    int32_t m_bUseInst = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Appends the points of a curve header to the list (null: only counted)
    // in rising X, and for equal X in falling time, each rounded to six
    // decimals. `instX` (may be null) is set to 0 and receives the X of the
    // last point marked as the instantaneous trip. Returns the row count.
    int DoReadByCurveHeaderID(int32_t curveHeaderID, CdPointList* list, double* instX);

private:
    void DoSetFilterCP(int32_t curveHeaderID);
    void DoCopyToReadPoint(CdPoint* point) const;
};
