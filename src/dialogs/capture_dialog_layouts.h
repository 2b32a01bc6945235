#pragma once

#include "skin/drop_down_regions.h"
#include "skin/rect.h"

namespace q417 {

// The key capture dialogs' own regions, in client pixels; OK, Cancel and close are every dialog's.
// Every other caption is part of the backgrounds.

// Single-key dialog: the prompt, and the field below it showing the last key.
inline constexpr Rect kSingleKeyPromptRect{23, 108, 201, 124};
inline constexpr Rect kSingleKeyNameRect{73, 128, 151, 144};

// Combo-key dialog: the modifier box (its arrow is drawn by the skin) toggles the modifier list
// below it; the field shows the chosen modifier; a key is captured into the key field that has the
// focus.
inline constexpr DropDownRegions kComboModifierRegions{{49, 69, 132, 85}, {49, 87, 132, 227}};
inline constexpr Rect kComboModifierFieldRect{49, 69, 117, 85};
inline constexpr Rect kComboFirstKeyRect{50, 120, 131, 134};
inline constexpr Rect kComboSecondKeyRect{50, 170, 131, 184};

} // namespace q417
