#pragma once

#include <algorithm>
#include <cstdint>

namespace fw {

// Whole-number point, size and rectangle of the drawing layer. A rectangle
// holds its four edges; its right and bottom edges lie outside it, as the
// drawing primitives and the point tests of the platform treat them.

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;

    constexpr CSize() = default;
    constexpr CSize(int32_t w, int32_t h) : cx(w), cy(h) {}
    bool operator==(const CSize&) const = default;
};

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b)
        : left(l), top(t), right(r), bottom(b) {}
    bool operator==(const CRect&) const = default;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint BottomRight() const { return {right, bottom}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    void NormalizeRect() {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    void OffsetRect(int32_t dx, int32_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(int32_t dx, int32_t dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void DeflateRect(int32_t dx, int32_t dy) { InflateRect(-dx, -dy); }
};

} // namespace fw
