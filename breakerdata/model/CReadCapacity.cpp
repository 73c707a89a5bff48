#include "breakerdata/model/CReadCapacity.h"

CReadCapacity* CReadCapacityList::DoAddNewReadCapacity() {
    return AddNew();
}

void CReadCapacityList::DoCopyAllReadCapacity(const CReadCapacityList& other) {
    CopyFrom(other);
}

void CReadCapacityList::DoDeleteAllReadCapacity() {
    DeleteAll();
}
