#include "breakerdata/recordsets/CRSMPLTC_Curve.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

#include "breakerdata/model/CdPointList.h"

CRSMPLTC_Curve::CRSMPLTC_Curve(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSMPLTC_Curve::GetDefaultDBName() const {
    return dorventa::GetPathMDBOrbelune();
}

std::string CRSMPLTC_Curve::GetDefaultSQL() const {
    return "[MPLTC_Header],[MPLTC_Point]";
}

void CRSMPLTC_Curve::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[MPLTC_Header].[lHeaderID]", m_lHeaderID);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Text("[sCurveName]", m_sCurveName);
    fx.Long("[lVoltage]", m_lVoltage);
    fx.Long("[lPointID]", m_lPointID);
    fx.Long("[MPLTC_Point].[lHeaderID]", m_lHeaderID_Point);
    fx.Double("[dXPoint]", m_dXPoint);
    fx.Double("[dYPoint]", m_dYPoint);
}

std::string CRSMPLTC_Curve::GetTableOrder() const {
    return "[MPLTC_Header].rowid,[MPLTC_Point].rowid";
}

void CRSMPLTC_Curve::DoSetFilterByHeaderID(int32_t headerID, int32_t voltage) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[MPLTC_Header].[lHeaderID]", headerID);
    dorventa::DoAddFilterId(*this, "[MPLTC_Point].[lHeaderID]", headerID);
    dorventa::DoAddFilterId(*this, "[lVoltage]", voltage, ">=");
}

int CRSMPLTC_Curve::DoReadByHeaderVolt(int32_t headerID, int32_t& voltage, CdPointList* list) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int count = 0;
        DoSetFilterByHeaderID(headerID, voltage);
        m_strSort = "[dXPoint]";
        Open();
        while (!IsEOF()) {
            voltage = m_lVoltage;
            if (list) {
                CdPoint* point = list->DoAddNewPoint();
                point->m_dX = m_dXPoint;
                point->m_dY = m_dYPoint;
            }
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
