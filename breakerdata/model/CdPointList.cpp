#include "breakerdata/model/CdPointList.h"

CdPoint* CdPointList::DoAddNewPoint() {
    return AddNew();
}

void CdPointList::DoCopyAllPoints(const CdPointList& other) {
    CopyFrom(other);
}

void CdPointList::DoDeleteAllPoints() {
    DeleteAll();
}
