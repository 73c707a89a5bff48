#pragma once

// Whether a value is one of the values a continuous range offers. The test
// runs on the same whole-number grid that the dial expansion builds, so a
// value the dial shows is always admitted, and no other value is.

namespace dorventa {

// True when `value` equals one of the values min + k x width (k = 0, 1, ...)
// up to max exactly as the dial of that range computes them. A step of 0 or
// less (or one that vanishes on the grid) admits nothing.
bool IsOnRangeGrid(double mini, double width, double maxi, double value);

} // namespace dorventa
