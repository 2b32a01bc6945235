#pragma once

#include "skin/hover_regions.h"
#include "skin/rect.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace q417 {

// The buttons every skinned dialog shares, in the order a click or a hover tests them: OK and Cancel
// share the column 270, which belongs to OK.
enum class DialogButton : std::uint8_t { Ok, Cancel, Close };

inline constexpr Rect kDialogOkRect{166, 253, 271, 274};
inline constexpr Rect kDialogCancelRect{270, 253, 375, 274};
inline constexpr Rect kDialogCloseRect{352, 6, 370, 24};

[[nodiscard]] constexpr Rect dialogButtonRect(DialogButton button) {
    switch (button) {
    case DialogButton::Ok:
        return kDialogOkRect;
    case DialogButton::Cancel:
        return kDialogCancelRect;
    case DialogButton::Close:
        return kDialogCloseRect;
    }
    return {};
}

// The common button under a point, if any.
[[nodiscard]] constexpr std::optional<DialogButton> dialogButtonAt(int x, int y) {
    for (const DialogButton button : {DialogButton::Ok, DialogButton::Cancel, DialogButton::Close}) {
        if (dialogButtonRect(button).contains(x, y)) {
            return button;
        }
    }
    return std::nullopt;
}

// The buttons as hover elements, in the same order; an element's id is its DialogButton value. OK and
// Cancel hand the lit look to each other; the close button stays lit until the pointer leaves all
// three.
[[nodiscard]] constexpr std::array<HoverElement, 3> dialogHoverElements() {
    constexpr int kOkCancelGroup = 1;
    return {{
        {static_cast<int>(DialogButton::Ok), kDialogOkRect, kOkCancelGroup},
        {static_cast<int>(DialogButton::Cancel), kDialogCancelRect, kOkCancelGroup},
        {static_cast<int>(DialogButton::Close), kDialogCloseRect, 0},
    }};
}

} // namespace q417
