#include "breakerdata/model/CReadValue.h"

CReadValue* CReadValueList::DoAddNewReadValue() {
    return AddNew();
}

void CReadValueList::DoCopyAllReadValues(const CReadValueList& other) {
    CopyFrom(other);
}

void CReadValueList::DoDeleteAllReadValues() {
    DeleteAll();
}
