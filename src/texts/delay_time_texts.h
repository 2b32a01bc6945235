#pragma once

#include "texts/language.h"

#include <string_view>

namespace q417 {

// The delay dialog's prompt and the range under it; OK and Cancel are the main window's.
struct DelayTimeTexts {
    std::string_view prompt;
    std::string_view range;
};

// A language value outside the enum reads as English.
[[nodiscard]] DelayTimeTexts delayTimeTexts(Language language);

} // namespace q417
