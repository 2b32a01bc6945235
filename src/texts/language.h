#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q417 {

// The four interface languages, fixed for the whole run by the code in str.ini.
enum class Language : std::uint8_t { Chs, Cht, Span, English };

inline constexpr std::size_t kLanguageCount = 4;
// Every language, in the order above.
inline constexpr std::array<Language, kLanguageCount> kLanguages{Language::Chs, Language::Cht, Language::Span,
                                                                 Language::English};

// "CHS", "CHT" and "SPAN", compared whole and case-sensitively; anything else, empty included, is English.
[[nodiscard]] Language languageFromCode(std::string_view code);

// The str.ini section that holds the button labels of `language`.
[[nodiscard]] std::string_view labelSectionName(Language language);

} // namespace q417
