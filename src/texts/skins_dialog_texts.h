#pragma once

#include "texts/language.h"

#include <string_view>

namespace q417 {

// The skins dialog's own text set.
struct SkinsDialogTexts {
    std::string_view ok;
    std::string_view cancel;
    std::string_view colourPrompt; // above the colour swatch
};

// A language value outside the enum reads as English.
[[nodiscard]] SkinsDialogTexts skinsDialogTexts(Language language);

} // namespace q417
