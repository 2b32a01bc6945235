#pragma once

namespace q417 {

// A rectangle in client pixels; the right and bottom edges lie outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    [[nodiscard]] constexpr int width() const { return right - left; }
    [[nodiscard]] constexpr bool overlaps(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    [[nodiscard]] constexpr int height() const { return bottom - top; }
    constexpr bool operator==(const Rect&) const = default;
};

} // namespace q417
