#pragma once

#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <string>

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

// The geometry of the skeleton and the impedance map is read in two ways.
//
// What the user placed (symbol rectangles and the shifts given to labels)
// lies within kMaxDiagramCoordinate either way: the largest frame is 2000
// cells of 40 units, 80 000 a side. A file with such a coordinate beyond it
// is damaged and is refused: taken as it stands, the sums of sizes, offsets
// and label extents that lay out and draw a symbol would overflow.
//
// What the program works out from those (label rectangles, group rectangles,
// trackers and anchors, scroll and click points, in logical or device units)
// is laid out again before it is used; a value read beyond
// kMaxViewCoordinate either way is brought back to it. The bound is far
// above anything worked out from accepted positions (at the largest zoom,
// 1000 %, ten times the diagram's extent with its labels), so what the
// program stores reads back as it was.
constexpr int32_t kMaxDiagramCoordinate = 1000000;
constexpr int32_t kMaxViewCoordinate = 100000000;

inline bool IsDiagramCoordinate(int32_t v) {
    return v >= -kMaxDiagramCoordinate && v <= kMaxDiagramCoordinate;
}

inline void DoSerializeDiagramRect(fw::CArchive& ar, fw::CRect& rect) {
    DoSerializeRect(ar, rect);
    if (ar.IsLoading() && !(IsDiagramCoordinate(rect.left) && IsDiagramCoordinate(rect.top) &&
                            IsDiagramCoordinate(rect.right) && IsDiagramCoordinate(rect.bottom)))
        ar.Fail(fw::CArchiveException::generic,
                "The file is damaged: a rectangle of the diagram at byte " +
                    std::to_string(ar.Position() - 16) + " lies far outside any diagram.");
}

inline void DoSerializeDiagramPoint(fw::CArchive& ar, fw::CPoint& point) {
    DoSerializePoint(ar, point);
    if (ar.IsLoading() && !(IsDiagramCoordinate(point.x) && IsDiagramCoordinate(point.y)))
        ar.Fail(fw::CArchiveException::generic,
                "The file is damaged: a point of the diagram at byte " +
                    std::to_string(ar.Position() - 8) + " lies far outside any diagram.");
}

inline int32_t DoBoundViewCoordinate(int32_t v) {
    return v < -kMaxViewCoordinate ? -kMaxViewCoordinate
                                   : (v > kMaxViewCoordinate ? kMaxViewCoordinate : v);
}

inline void DoSerializeViewRect(fw::CArchive& ar, fw::CRect& rect) {
    DoSerializeRect(ar, rect);
    if (ar.IsLoading())
        rect = fw::CRect(DoBoundViewCoordinate(rect.left), DoBoundViewCoordinate(rect.top),
                         DoBoundViewCoordinate(rect.right), DoBoundViewCoordinate(rect.bottom));
}

inline void DoSerializeViewPoint(fw::CArchive& ar, fw::CPoint& point) {
    DoSerializePoint(ar, point);
    if (ar.IsLoading())
        point = fw::CPoint(DoBoundViewCoordinate(point.x), DoBoundViewCoordinate(point.y));
}
