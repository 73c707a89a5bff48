#include "breakerdata/model/CReadBase.h"

CReadBase* CReadBaseList::DoAddNewReadBase() {
    return AddNew();
}

void CReadBaseList::DoCopyAllReadBases(const CReadBaseList& other) {
    CopyFrom(other);
}

void CReadBaseList::DoDeleteAllReadBases() {
    DeleteAll();
}
