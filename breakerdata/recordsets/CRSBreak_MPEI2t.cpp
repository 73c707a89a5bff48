#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"

#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_MPEI2t::CRSBreak_MPEI2t(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_MPEI2t::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_MPEI2t::GetDefaultSQL() const {
    return "[Break_MPEI2t]";
}

void CRSBreak_MPEI2t::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMPEI2tID]", m_lMPEI2tID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Long("[lHeaderID]", m_lHeaderID);
    fx.Double("[dRatedMin]", m_dRatedMin);
    fx.Double("[dRatedMax]", m_dRatedMax);
}

std::string CRSBreak_MPEI2t::GetTableOrder() const {
    return "[Break_MPEI2t].rowid";
}

void CRSBreak_MPEI2t::DoSetFilterByRated(int32_t typeID, double rated) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_MPEI2t].[lTypeID]", typeID);
    dorventa::DoAddFilterDouble(*this, "[dRatedMin]", rated, "<=");
    dorventa::DoAddFilterDouble(*this, "[dRatedMax]", rated, ">=");
}

int CRSBreak_MPEI2t::DoReadByRatedValue(fw::CDatabase* curveDatabase, int32_t typeID,
                                        int32_t voltage, double rated, CdPointList* list,
                                        int32_t* voltageFound) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int32_t chosenHeader = 0;
        int32_t chosenVoltage = 0;
        bool chosen = false;
        DoSetFilterByRated(typeID, rated);
        Open();
        while (!IsEOF()) {
            CRSMPEI2t_Curve curves(curveDatabase);
            int32_t headerVoltage = voltage;
            if (curves.DoReadByHeaderVolt(m_lHeaderID, headerVoltage, nullptr) > 0 &&
                (!chosen || headerVoltage < chosenVoltage)) {
                chosen = true;
                chosenHeader = m_lHeaderID;
                chosenVoltage = headerVoltage;
            }
            MoveNext();
        }
        Close();
        if (!chosen)
            return 0;
        CRSMPEI2t_Curve curves(curveDatabase);
        int32_t headerVoltage = voltage;
        int count = curves.DoReadByHeaderVolt(chosenHeader, headerVoltage, list);
        if (voltageFound)
            *voltageFound = headerVoltage;
        return count;
    });
}
