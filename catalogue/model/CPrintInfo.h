#pragma once

#include "framework/Geometry.h"

namespace fw {
class CDC;
}

// What the printing of a result table needs of the print job: the page being
// printed (from 1) and the printer's physical page in device units.
struct CPrintInfo {
    unsigned m_nCurPage = 1;
    fw::CSize m_sizePage;  // physical page size, device units
    fw::CPoint m_ptOffset; // offset of the printable area on the page, device units
};

// Conversions between tenths of a millimetre and the device units of a
// context (its resolution), and from device units to its logical units.
namespace print_units {
int LometricToDeviceX(const fw::CDC* dc, int lometric);
int LometricToDeviceY(const fw::CDC* dc, int lometric);
int DeviceToLometricX(const fw::CDC* dc, int device);
int DeviceToLometricY(const fw::CDC* dc, int device);
// A length along x or y in device units as logical units of the context's
// mapping (always 0 or more).
int DeviceToLogicalX(const fw::CDC* dc, int device);
int DeviceToLogicalY(const fw::CDC* dc, int device);
} // namespace print_units
