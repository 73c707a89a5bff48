#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CdPointList;

// The let-through energy (MPEI2t) curves of the curve database: header and points joined.
class CRSMPEI2t_Curve : public fw::CRecordset {
public:
    explicit CRSMPEI2t_Curve(fw::CDatabase* database = nullptr);

    int32_t m_lHeaderID = 0; // [MPEI2t_Header].[lHeaderID]
    int32_t m_lManufactureID = 0;
    int32_t m_lGroupID = 0;
    std::string m_sCurveName;
    int32_t m_lVoltage = 0;
    int32_t m_lPointID = 0;
    int32_t m_lHeaderID_Point = 0; // [MPEI2t_Point].[lHeaderID]
    double m_dXPoint = 0.0;
    double m_dYPoint = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Reads the points of a header (every header when the id is not above
    // 0) whose voltage is at least `voltage` (any when not above 0), in
    // rising X. `voltage` receives each row's header voltage; with a list,
    // each row appends a point. The let-through energy Y is stored in 1000 A²s and read in A²s.
    // Returns the row count.
    int DoReadByHeaderVolt(int32_t headerID, int32_t& voltage, CdPointList* list);

private:
    void DoSetFilterByHeaderID(int32_t headerID, int32_t voltage);
};
