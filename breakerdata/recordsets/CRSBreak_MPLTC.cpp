#include "breakerdata/recordsets/CRSBreak_MPLTC.h"

#include "breakerdata/recordsets/CRSMPLTC_Curve.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

CRSBreak_MPLTC::CRSBreak_MPLTC(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_MPLTC::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_MPLTC::GetDefaultSQL() const {
    return "[Break_MPLTC]";
}

void CRSBreak_MPLTC::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lMPLTCID]", m_lMPLTCID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Long("[lHeaderID]", m_lHeaderID);
    fx.Double("[dRatedMin]", m_dRatedMin);
    fx.Double("[dRatedMax]", m_dRatedMax);
}

std::string CRSBreak_MPLTC::GetTableOrder() const {
    return "[Break_MPLTC].rowid";
}

void CRSBreak_MPLTC::DoSetFilterByRated(int32_t typeID, double rated) {
    ClearFilter();
    dorventa::DoAddFilterId(*this, "[Break_MPLTC].[lTypeID]", typeID);
    dorventa::DoAddFilterDouble(*this, "[dRatedMin]", rated, "<=");
    dorventa::DoAddFilterDouble(*this, "[dRatedMax]", rated, ">=");
}

int CRSBreak_MPLTC::DoReadByRatedValue(fw::CDatabase* curveDatabase, int32_t typeID,
                                       int32_t voltage, double rated, CdPointList* list,
                                       int32_t* voltageFound) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int32_t chosenHeader = 0;
        int32_t chosenVoltage = 0;
        bool chosen = false;
        DoSetFilterByRated(typeID, rated);
        Open();
        while (!IsEOF()) {
            CRSMPLTC_Curve curves(curveDatabase);
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
        CRSMPLTC_Curve curves(curveDatabase);
        int32_t headerVoltage = voltage;
        int count = curves.DoReadByHeaderVolt(chosenHeader, headerVoltage, list);
        if (voltageFound)
            *voltageFound = headerVoltage;
        return count;
    });
}
