#include "texts/language_fonts.h"

#include <gtest/gtest.h>
#include <string_view>

namespace q417 {
namespace {

struct FontCase {
    Language language;
    std::string_view textFamily;
    std::string_view titleFamily;
    std::string_view installedFace; // the first fallback, from the packages the program depends on
    int textHeight;
};

TEST(LanguageFonts, FamilyAndSizePerLanguage) {
    const FontCase cases[] = {
        {Language::Chs, "宋体", "宋体", "WenQuanYi Micro Hei", 13},
        {Language::Cht, "黑体", "黑体", "WenQuanYi Micro Hei", 13},
        {Language::Span, "Arial", "Tahoma", "Liberation Sans", 14},
        {Language::English, "Arial", "Tahoma", "Liberation Sans", 14},
        {static_cast<Language>(77), "Arial", "Tahoma", "Liberation Sans", 14},
    };
    for (const FontCase& c : cases) {
        const FontSpec text = textFont(c.language);
        const FontSpec title = titleFont(c.language);
        SCOPED_TRACE(static_cast<int>(c.language));
        EXPECT_EQ(text.family, c.textFamily);
        EXPECT_EQ(title.family, c.titleFamily);
        EXPECT_EQ(text.pixelHeight, c.textHeight);
        EXPECT_EQ(title.pixelHeight, 18);
        EXPECT_EQ(text.weight, 400);
        EXPECT_EQ(title.weight, 700);
        EXPECT_EQ(text.fallbacks.front(), c.installedFace);
        EXPECT_EQ(title.fallbacks.front(), c.installedFace);
    }
}

TEST(LanguageFonts, EveryFallbackListEndsInTheGenericFamily) {
    for (const Language language : kLanguages) {
        for (const FontSpec& font : {textFont(language), titleFont(language)}) {
            EXPECT_EQ(font.fallbacks.back(), "sans-serif");
            for (const std::string_view face : font.fallbacks) {
                EXPECT_FALSE(face.empty());
                EXPECT_NE(face, font.family);
            }
        }
    }
}

} // namespace
} // namespace q417
