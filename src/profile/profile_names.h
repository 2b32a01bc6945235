#pragma once

#include "texts/language.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace q417 {

// The words a profile uses for enumerated bytes. Each pair of functions is one table read both
// ways; a byte without a word gives an empty view, a word without a byte nothing.

[[nodiscard]] std::string_view functionWord(std::uint8_t function);
[[nodiscard]] std::optional<std::uint8_t> functionOfWord(std::string_view word);

[[nodiscard]] std::string_view dpiSwitchWord(std::uint8_t variant);
[[nodiscard]] std::optional<std::uint8_t> dpiSwitchOfWord(std::string_view word);

[[nodiscard]] std::string_view lightingWord(std::uint8_t ledMode);
[[nodiscard]] std::optional<std::uint8_t> lightingOfWord(std::string_view word);

// Report rate byte <-> Hz.
[[nodiscard]] std::optional<int> reportRateHz(std::uint8_t rate);
[[nodiscard]] std::optional<std::uint8_t> reportRateOfHz(long long hz);

// "English", "CHS", "CHT", "SPAN": the key of a language's labels.
[[nodiscard]] std::string_view languageWord(Language language);

} // namespace q417
