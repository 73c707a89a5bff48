#pragma once

#include "framework/Geometry.h"

#include <vector>

// Whether two polygon regions (winding rule) share a unit, as the region
// intersection would tell: NULLREGION, SIMPLEREGION, COMPLEXREGION, or
// RGN_ERROR when a region cannot be made (framework/Region.h).
//
// The curve algorithms build regions reaching 10000 units past the curves
// only to be sure they cover everything; a region costs time by the rows it
// spans. So a far edge (a horizontal edge beyond every other vertex, joined
// by vertical edges) is first brought in to just outside the rows the two
// polygons share. That leaves every shared row, and so the answer, as it was.
int DoIntersectPolygonRegions(std::vector<fw::CPoint> a, std::vector<fw::CPoint> b);
