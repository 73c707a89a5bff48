#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

#include "breakerdata/model/CdPointList.h"

CRSMPEI2t_Curve::CRSMPEI2t_Curve(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSMPEI2t_Curve::GetDefaultDBName() const {
    return dorventa::GetPathMDBOrbelune();
}

std::string CRSMPEI2t_Curve::GetDefaultSQL() const {
    return "[MPEI2t_Header],[MPEI2t_Point]";
}

void CRSMPEI2t_Curve::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[MPEI2t_Header].[lHeaderID]", m_lHeaderID);
    fx.Long("[lManufactureID]", m_lManufactureID);
    fx.Long("[lGroupID]", m_lGroupID);
    fx.Text("[sCurveName]", m_sCurveName);
    fx.Long("[lVoltage]", m_lVoltage);
    fx.Long("[lPointID]", m_lPointID);
    fx.Long("[MPEI2t_Point].[lHeaderID]", m_lHeaderID_Point);
    fx.Double("[dXPoint]", m_dXPoint);
    fx.Double("[dYPoint]", m_dYPoint);
}

std::string CRSMPEI2t_Curve::GetTableOrder() const {
    return "[MPEI2t_Header].rowid,[MPEI2t_Point].rowid";
}

void CRSMPEI2t_Curve::DoSetFilterByHeaderID(int32_t headerID, int32_t voltage) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[MPEI2t_Header].[lHeaderID]", headerID);
    dorventa::DoAddFilterId(*this, "[MPEI2t_Point].[lHeaderID]", headerID);
    dorventa::DoAddFilterId(*this, "[lVoltage]", voltage, ">=");
}

int CRSMPEI2t_Curve::DoReadByHeaderVolt(int32_t headerID, int32_t& voltage, CdPointList* list) {
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
                point->m_dY = m_dYPoint * 1000.0;
            }
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
