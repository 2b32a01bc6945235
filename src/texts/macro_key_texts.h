#pragma once

#include "texts/language.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace q417 {

// The macro-key dialog's playback options: 1 to 3, stored in the mouse as macroMode = option - 1.
inline constexpr std::size_t kMacroPlaybackOptionCount = 3;

// The macro-key dialog's own texts; OK and Cancel are the main window's.
struct MacroKeyTexts {
    std::string_view prompt;                                         // above the macro drop-down
    std::array<std::string_view, kMacroPlaybackOptionCount> options; // beside tick boxes 1 to 3
    std::string_view noSlot; // the tip of a macro listed past the slots the mouse has
};

// A language value outside the enum reads as English.
[[nodiscard]] MacroKeyTexts macroKeyTexts(Language language);

} // namespace q417
