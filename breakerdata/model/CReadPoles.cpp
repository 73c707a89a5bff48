#include "breakerdata/model/CReadPoles.h"

CReadPoles* CReadPolesList::DoAddNewReadPoles() {
    return AddNew();
}

void CReadPolesList::DoCopyAllReadPoles(const CReadPolesList& other) {
    CopyFrom(other);
}

void CReadPolesList::DoDeleteAllReadPoles() {
    DeleteAll();
}
