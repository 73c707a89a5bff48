#pragma once

#include "breakerdata/model/COwnedList.h"
#include "breakerdata/model/CdPoint.h"

// A curve: its points in order of rising X. The list owns its points.
class CdPointList : public COwnedList<CdPoint> {
public:
    // Appends a new (0, 0) point and returns it for the caller to fill.
    CdPoint* DoAddNewPoint();
    // Frees the list's points and appends copies of the other list's points.
    void DoCopyAllPoints(const CdPointList& other);
    // Frees every point and empties the list.
    void DoDeleteAllPoints();
};
