#include "listdata/CRSList_VoltHigh.h"

CRSList_VoltHigh::CRSList_VoltHigh(fw::CDatabase* database) : CRSList_Voltage(database) {}

int32_t CRSList_VoltHigh::DoReadSetDefaultLV(fw::IComboBox* box, int32_t* voltage, int divisor) {
    return FillVoltages(box, voltage, divisor);
}
