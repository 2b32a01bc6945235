#include "texts/language.h"

#include <gtest/gtest.h>
#include <string_view>

namespace q417 {
namespace {

TEST(LanguageFromCode, OnlyTheExactCodesSelectALanguage) {
    struct Case {
        std::string_view code;
        Language language;
    };
    const Case cases[] = {
        {"CHS", Language::Chs},      {"CHT", Language::Cht},      {"SPAN", Language::Span},
        {"chs", Language::English},  {"Span", Language::English}, {"CHS ", Language::English},
        {" CHT", Language::English}, {"CHSX", Language::English}, {"CH", Language::English},
        {"EN", Language::English},   {"", Language::English},     {std::string_view("CHS\0", 4), Language::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageFromCode(c.code), c.language) << '"' << c.code << '"';
    }
}

TEST(LabelSectionName, OnePerLanguageAndEnglishForAnythingElse) {
    EXPECT_EQ(labelSectionName(Language::Chs), "Setting-CHS");
    EXPECT_EQ(labelSectionName(Language::Cht), "Setting-CHT");
    EXPECT_EQ(labelSectionName(Language::Span), "Setting-SPAN");
    EXPECT_EQ(labelSectionName(Language::English), "Setting-EN");
    EXPECT_EQ(labelSectionName(languageFromCode("")), "Setting-EN");
    EXPECT_EQ(labelSectionName(static_cast<Language>(200)), "Setting-EN");
}

} // namespace
} // namespace q417
