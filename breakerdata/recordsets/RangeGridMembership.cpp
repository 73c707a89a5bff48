#include "breakerdata/recordsets/RangeGridMembership.h"

#include "breakerdata/recordsets/RowReading.h"

#include <algorithm>
#include <cmath>

namespace dorventa {

bool IsOnRangeGrid(double mini, double width, double maxi, double value) {
    if (!std::isfinite(value))
        return false;
    CRangeGrid grid;
    if (!DoMakeRangeGrid(mini, width, maxi, grid) || grid.count < 0)
        return false;
    // The grid's values rise with their index; outside the first and the
    // last there is nothing to find.
    if (value < DoGetRangeValue(grid, 0) || value > DoGetRangeValue(grid, grid.count))
        return false;
    // The nearest index, then its neighbours: the division of the scaled
    // values can round either way by less than one step.
    double position = (value * static_cast<double>(grid.s) - static_cast<double>(grid.smin)) /
                      static_cast<double>(grid.sw);
    int64_t nearest = std::clamp<int64_t>(std::llround(position), 0, grid.count);
    for (int64_t i = std::max<int64_t>(nearest - 1, 0); i <= std::min(nearest + 1, grid.count);
         ++i) {
        if (DoGetRangeValue(grid, i) == value)
            return true;
    }
    return false;
}

} // namespace dorventa
