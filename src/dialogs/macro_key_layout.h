#pragma once

#include "skin/drop_down_regions.h"
#include "skin/rect.h"
#include "texts/macro_key_texts.h"

#include <array>

namespace q417 {

// The macro-key dialog's own regions, in client pixels; OK, Cancel and close are every dialog's.

// Centred over the drop-down: its box widened by 50 pixels each side and lifted above it. The left
// edge lies outside the dialog, so the text is centred on the same middle within the dialog.
inline constexpr Rect kMacroPromptRect{-8, 112, 201, 128};
// The name of the chosen macro, left of the drop-down's arrow.
inline constexpr Rect kMacroFieldRect{42, 128, 136, 144};
// The field and the arrow toggle the list of macros below them. The list stops one pixel above
// the dialog's bottom edge, so its lower border stays in sight.
inline constexpr DropDownRegions kMacroListRegions{{42, 128, 151, 144}, {42, 146, 151, 283}};

// The tick box and the text of each playback option, option 1 first.
inline constexpr std::array<Rect, kMacroPlaybackOptionCount> kMacroTickBoxRects{{
    {220, 78, 236, 94},
    {220, 128, 236, 144},
    {220, 178, 236, 194},
}};
inline constexpr std::array<Rect, kMacroPlaybackOptionCount> kMacroOptionTextRects{{
    {237, 70, 390, 102},
    {237, 120, 390, 152},
    {237, 170, 390, 202},
}};
// How far an option text that needs more lines than its rectangle holds may reach above and below
// it: up to the rules the skins draw between the options, 50 pixels apart.
inline constexpr int kMacroOptionTextOverhang = 8;

} // namespace q417
