#pragma once

#include "pages/rect.h"

#include <array>
#include <cstddef>
#include <cstdint>
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
[[nodiscard]] std::optional<DialogButton> dialogButtonAt(int x, int y);

// Which common buttons show their look under the pointer. A button lights only after the pointer
// has rested on it (the window asks for a hover notification and calls `hoverAt` when it comes);
// any move off all three buttons puts every lit one back to normal.
class DialogButtonHover {
public:
    // A pointer move. True when the pointer is over a button, so a hover notification is wanted.
    bool pointerMoved(int x, int y);
    // The hover notification. Lighting OK returns Cancel to normal and the other way round; the
    // close button goes back to normal only when the pointer moves off the buttons.
    void hoverAt(int x, int y);

    [[nodiscard]] bool isLit(DialogButton button) const { return lit_[index(button)]; }
    [[nodiscard]] bool anyLit() const { return lit_[0] || lit_[1] || lit_[2]; }
    bool operator==(const DialogButtonHover&) const = default;

private:
    static constexpr std::size_t index(DialogButton button) { return static_cast<std::size_t>(button) % 3; }
    std::array<bool, 3> lit_{};
};

} // namespace q417
