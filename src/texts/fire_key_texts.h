#pragma once

#include "texts/language.h"

#include <string_view>

namespace q417 {

// The fire-key dialog's own text set.
struct FireKeyTexts {
    std::string_view ok;
    std::string_view cancel;
    std::string_view speedLabel;       // above the speed field
    std::string_view timesLabel;       // above the times field
    std::string_view speedExplanation; // word-wrapped below the fields
    std::string_view timesExplanation;
};

// A language value outside the enum reads as English.
[[nodiscard]] FireKeyTexts fireKeyTexts(Language language);

} // namespace q417
