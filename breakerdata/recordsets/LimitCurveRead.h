#pragma once

// The walk shared by the current-limiting and let-through-energy links: among
// the link rows already filtered to a type and a rated value, the curve of the
// lowest voltage that the curve database offers for the circuit's voltage.

#include "breakerdata/model/CdPointList.h"
#include "framework/Database.h"

#include <cstdint>

namespace dorventa {

template <class CurveRecordset, class LinkRecordset>
int DoReadLimitCurve(LinkRecordset& links, fw::CDatabase* curveDatabase, int32_t voltage,
                     CdPointList* list, int32_t* voltageFound) {
    int32_t chosenHeader = 0;
    int32_t chosenVoltage = 0;
    bool chosen = false;
    links.Open();
    while (!links.IsEOF()) {
        CurveRecordset curves(curveDatabase);
        int32_t headerVoltage = voltage;
        if (curves.DoReadByHeaderVolt(links.m_lHeaderID, headerVoltage, nullptr) > 0 &&
            (!chosen || headerVoltage < chosenVoltage)) {
            chosen = true;
            chosenHeader = links.m_lHeaderID;
            chosenVoltage = headerVoltage;
        }
        links.MoveNext();
    }
    links.Close();
    if (!chosen)
        return 0;
    CurveRecordset curves(curveDatabase);
    int32_t headerVoltage = voltage;
    int count = curves.DoReadByHeaderVolt(chosenHeader, headerVoltage, list);
    if (voltageFound)
        *voltageFound = headerVoltage;
    return count;
}

} // namespace dorventa
