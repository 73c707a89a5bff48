#pragma once

#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>

// Rectangles and points inside the stored records: a rectangle is its 16
// bytes left, top, right, bottom, a point its two words x, y, each a 32-bit
// little-endian word, exactly as the project file holds them.

inline void DoSerializeRect(fw::CArchive& ar, fw::CRect& rect) {
    if (ar.IsStoring()) {
        ar << rect.left << rect.top << rect.right << rect.bottom;
        return;
    }
    // One read of all 16 bytes: a record cut short inside the rectangle
    // leaves the rectangle untouched.
    uint8_t raw[16];
    ar.Read(raw, sizeof raw);
    int32_t words[4];
    for (int i = 0; i < 4; ++i)
        words[i] = static_cast<int32_t>(static_cast<uint32_t>(raw[4 * i]) |
                                        static_cast<uint32_t>(raw[4 * i + 1]) << 8 |
                                        static_cast<uint32_t>(raw[4 * i + 2]) << 16 |
                                        static_cast<uint32_t>(raw[4 * i + 3]) << 24);
    rect = fw::CRect(words[0], words[1], words[2], words[3]);
}

inline void DoSerializePoint(fw::CArchive& ar, fw::CPoint& point) {
    if (ar.IsStoring())
        ar << point.x << point.y;
    else
        ar >> point.x >> point.y;
}
