#include "profile/profile_names.h"

#include <array>

namespace q417 {

namespace {

// Stable words rather than the function list's texts: those change with the language.
constexpr std::array<std::string_view, 16> kFunctionWords = {
    "left-click", "right-click", "middle-click", "forward",    "backward",  "triple-click", "dpi-switch", "rgb-on-off",
    "launch-key", "media-key",   "fire-key",     "single-key", "combo-key", "macro",        "key-off",    "none",
};

constexpr std::array<std::string_view, 4> kDpiSwitchWords = {"up", "down", "loop", "shift"}; // variants 1..4
constexpr std::array<std::string_view, 4> kLightingWords = {"off", "standard", "respiration", "neon"};

template <std::size_t N>
std::optional<std::size_t> indexOf(const std::array<std::string_view, N>& words, std::string_view w) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == w) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view functionWord(std::uint8_t function) {
    return function < kFunctionWords.size() ? kFunctionWords[function] : std::string_view{};
}

std::optional<std::uint8_t> functionOfWord(std::string_view word) {
    const auto i = indexOf(kFunctionWords, word);
    return i ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*i)) : std::nullopt;
}

std::string_view dpiSwitchWord(std::uint8_t variant) {
    return variant >= 1 && variant <= kDpiSwitchWords.size() ? kDpiSwitchWords[variant - 1] : std::string_view{};
}

std::optional<std::uint8_t> dpiSwitchOfWord(std::string_view word) {
    const auto i = indexOf(kDpiSwitchWords, word);
    return i ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*i + 1)) : std::nullopt;
}

std::string_view lightingWord(std::uint8_t ledMode) {
    return ledMode < kLightingWords.size() ? kLightingWords[ledMode] : std::string_view{};
}

std::optional<std::uint8_t> lightingOfWord(std::string_view word) {
    const auto i = indexOf(kLightingWords, word);
    return i ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*i)) : std::nullopt;
}

std::optional<int> reportRateHz(std::uint8_t rate) {
    switch (rate) {
    case 1:
        return 1000;
    case 2:
        return 500;
    case 4:
        return 250;
    case 8:
        return 125;
    default:
        return std::nullopt;
    }
}

std::optional<std::uint8_t> reportRateOfHz(long long hz) {
    for (const std::uint8_t rate : {std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{4}, std::uint8_t{8}}) {
        if (reportRateHz(rate) == hz) {
            return rate;
        }
    }
    return std::nullopt;
}

std::string_view languageWord(Language language) {
    switch (language) {
    case Language::Chs:
        return "CHS";
    case Language::Cht:
        return "CHT";
    case Language::Span:
        return "SPAN";
    case Language::English:
        break;
    }
    return "English";
}

} // namespace q417
