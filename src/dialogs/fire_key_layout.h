#pragma once

#include "skin/drop_down_regions.h"
#include "skin/rect.h"

namespace q417 {

// The fire-key dialog's own regions, in client pixels; OK, Cancel and close are every dialog's.

// The key field and its arrow toggle the list of fire keys below them.
inline constexpr DropDownRegions kFireKeyListRegions{{49, 69, 132, 85}, {49, 87, 132, 257}};
inline constexpr Rect kFireKeyFieldRect{49, 69, 117, 85};
inline constexpr Rect kFireSpeedFieldRect{50, 120, 131, 134};
inline constexpr Rect kFireTimesFieldRect{50, 170, 131, 184};

// A field's label sits right above it, 40 pixels wider on each side.
[[nodiscard]] constexpr Rect labelAbove(const Rect& field) {
    return {field.left - 40, field.top - 20, field.right + 40, field.top};
}
inline constexpr Rect kFireSpeedLabelRect = labelAbove(kFireSpeedFieldRect);
inline constexpr Rect kFireTimesLabelRect = labelAbove(kFireTimesFieldRect);
static_assert(kFireSpeedLabelRect == Rect{10, 100, 171, 120});

inline constexpr Rect kFireSpeedExplanationRect{15, 184, 390, 218};
inline constexpr Rect kFireTimesExplanationRect{15, 218, 390, 250};

// Where a block of wrapped text `height` pixels tall goes to sit centred in `rect`: the rectangle
// shrunk (or, for a taller block, grown) equally at top and bottom.
[[nodiscard]] constexpr Rect centredToHeight(const Rect& rect, int height) {
    const int top = rect.top + (rect.height() - height) / 2;
    return {rect.left, top, rect.right, top + height};
}

} // namespace q417
