#pragma once

#include "texts/language.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace q417 {

inline constexpr std::size_t kFontFallbackCount = 2;

// A font as the windows ask for it, free of any toolkit type.
struct FontSpec {
    std::string_view family; // the face the skins were drawn for
    // Tried in order where `family` is not installed: a face with the same metrics or script that
    // the packages install, then the desktop's generic sans-serif family.
    std::array<std::string_view, kFontFallbackCount> fallbacks;
    int pixelHeight;
    int weight; // 400 normal, 700 bold
};

// The text font of the main window and of every dialog. A language value outside the enum reads as
// English.
[[nodiscard]] FontSpec textFont(Language language);

// The title font of the main window. A language value outside the enum reads as English.
[[nodiscard]] FontSpec titleFont(Language language);

} // namespace q417
