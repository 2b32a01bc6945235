#include "texts/language.h"

#include <array>

namespace q417 {

namespace {

struct LanguageCode {
    std::string_view code;
    Language language;
};

// Tested in this order; the first equal code wins.
constexpr std::array<LanguageCode, 3> kLanguageCodes{{
    {"CHS", Language::Chs},
    {"CHT", Language::Cht},
    {"SPAN", Language::Span},
}};

// Indexed by Language.
constexpr std::array<std::string_view, kLanguageCount> kLabelSections{
    "Setting-CHS",
    "Setting-CHT",
    "Setting-SPAN",
    "Setting-EN",
};

} // namespace

Language languageFromCode(std::string_view code) {
    for (const LanguageCode& entry : kLanguageCodes) {
        if (entry.code == code) {
            return entry.language;
        }
    }
    return Language::English;
}

std::string_view labelSectionName(Language language) {
    const auto index = static_cast<std::size_t>(language);
    // A value cast from outside the enum falls back to English, like an unknown code.
    return index < kLabelSections.size() ? kLabelSections[index] : kLabelSections.back();
}

} // namespace q417
