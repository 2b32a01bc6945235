#pragma once

#include "skin/rect.h"

namespace q417 {

// Where a skinned drop-down lives: the box that toggles it, and the list shown below the box while
// it is open. A click anywhere else closes the list.
struct DropDownRegions {
    Rect box;
    Rect list;

    [[nodiscard]] constexpr bool closesOn(int x, int y) const { return !box.contains(x, y) && !list.contains(x, y); }
};

} // namespace q417
