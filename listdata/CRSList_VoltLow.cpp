#include "listdata/CRSList_VoltLow.h"

CRSList_VoltLow::CRSList_VoltLow(fw::CDatabase* database) : CRSList_Voltage(database) {}

int32_t CRSList_VoltLow::DoReadSetDefaultLV(fw::IComboBox* box, int32_t* voltage) {
    return FillVoltages(box, voltage, 1);
}
