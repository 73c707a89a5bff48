#include "catalogue/model/CPrintInfo.h"

#include "framework/DeviceContext.h"

#include <cmath>
#include <cstdlib>

namespace print_units {

namespace {

int Scale(int value, int numerator, int denominator) {
    if (denominator == 0)
        return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(value) * numerator / static_cast<double>(denominator)));
}

} // namespace

int LometricToDeviceX(const fw::CDC* dc, int lometric) {
    return Scale(lometric, dc->GetDeviceCaps(fw::LOGPIXELSX), 254);
}

int LometricToDeviceY(const fw::CDC* dc, int lometric) {
    return Scale(lometric, dc->GetDeviceCaps(fw::LOGPIXELSY), 254);
}

int DeviceToLometricX(const fw::CDC* dc, int device) {
    return Scale(device, 254, dc->GetDeviceCaps(fw::LOGPIXELSX));
}

int DeviceToLometricY(const fw::CDC* dc, int device) {
    return Scale(device, 254, dc->GetDeviceCaps(fw::LOGPIXELSY));
}

int DeviceToLogicalX(const fw::CDC* dc, int device) {
    double scale = std::abs(dc->ScaleX());
    return scale > 0 ? static_cast<int>(std::lround(device / scale)) : 0;
}

int DeviceToLogicalY(const fw::CDC* dc, int device) {
    double scale = std::abs(dc->ScaleY());
    return scale > 0 ? static_cast<int>(std::lround(device / scale)) : 0;
}

} // namespace print_units
