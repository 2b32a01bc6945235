#pragma once

#include "texts/language.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace q417 {

// One interface text in each language. Text tables are arrays of these, written with designated
// initialisers so every language of every entry is visible at a glance.
struct LocalisedText {
    std::string_view chs;
    std::string_view cht;
    std::string_view span;
    std::string_view english;

    // The text in `language`; a value outside the enum reads as English.
    [[nodiscard]] constexpr std::string_view in(Language language) const {
        constexpr std::array<std::string_view LocalisedText::*, kLanguageCount> kByLanguage{
            &LocalisedText::chs, &LocalisedText::cht, &LocalisedText::span, &LocalisedText::english};
        const auto index = static_cast<std::size_t>(language);
        return this->*(index < kByLanguage.size() ? kByLanguage[index] : &LocalisedText::english);
    }
};

} // namespace q417
