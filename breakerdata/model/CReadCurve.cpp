#include "breakerdata/model/CReadCurve.h"

CReadCurve* CReadCurveList::DoAddNewReadCurve() {
    return AddNew();
}

void CReadCurveList::DoCopyAllReadCurves(const CReadCurveList& other) {
    CopyFrom(other);
}

void CReadCurveList::DoDeleteAllReadCurves() {
    DeleteAll();
}
