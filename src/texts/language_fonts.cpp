#include "texts/language_fonts.h"

namespace q417 {

namespace {

constexpr int kNormal = 400;
constexpr int kBold = 700;

// fonts-wqy-microhei covers both Chinese scripts; fonts-liberation2 has Arial's metrics and stands
// in for Tahoma too.
constexpr std::array<std::string_view, kFontFallbackCount> kCjkFallbacks{"WenQuanYi Micro Hei", "sans-serif"};
constexpr std::array<std::string_view, kFontFallbackCount> kLatinFallbacks{"Liberation Sans", "sans-serif"};

struct LanguageFonts {
    FontSpec text;
    FontSpec title;
};

// Indexed by Language. Simplified Chinese takes "黑体" on one Windows release only and "宋体" on
// every other system, this one included.
constexpr std::array<LanguageFonts, kLanguageCount> kFonts{{
    {.text = {"宋体", kCjkFallbacks, 13, kNormal}, .title = {"宋体", kCjkFallbacks, 18, kBold}},
    {.text = {"黑体", kCjkFallbacks, 13, kNormal}, .title = {"黑体", kCjkFallbacks, 18, kBold}},
    {.text = {"Arial", kLatinFallbacks, 14, kNormal}, .title = {"Tahoma", kLatinFallbacks, 18, kBold}},
    {.text = {"Arial", kLatinFallbacks, 14, kNormal}, .title = {"Tahoma", kLatinFallbacks, 18, kBold}},
}};

const LanguageFonts& fontsOf(Language language) {
    const auto index = static_cast<std::size_t>(language);
    return index < kFonts.size() ? kFonts[index] : kFonts[static_cast<std::size_t>(Language::English)];
}

} // namespace

FontSpec textFont(Language language) {
    return fontsOf(language).text;
}

FontSpec titleFont(Language language) {
    return fontsOf(language).title;
}

} // namespace q417
