#include "texts/texts_media_launch.h"

#include <array>
#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(MediaLaunchTexts, EveryRowHasATextInEveryLanguageAndNoneFollows) {
    for (const Language language : kLanguages) {
        for (std::size_t row = 0; row < kMediaRowCount; ++row) {
            EXPECT_FALSE(mediaRowText(language, row).empty()) << "media row " << row;
        }
        for (std::size_t row = 0; row < kLaunchRowCount; ++row) {
            EXPECT_FALSE(launchRowText(language, row).empty()) << "launch row " << row;
        }
        EXPECT_EQ(mediaRowText(language, kMediaRowCount), "");
        EXPECT_EQ(launchRowText(language, kLaunchRowCount), "");
    }
}

TEST(MediaLaunchTexts, FirstAndLastRows) {
    EXPECT_EQ(mediaRowText(Language::English, 0), "Next");
    EXPECT_EQ(mediaRowText(Language::Span, 3), "Reproducir/Pausar");
    EXPECT_EQ(mediaRowText(Language::English, 6), "Vol-");
    EXPECT_EQ(launchRowText(Language::English, 0), "Multimedia Player");
    EXPECT_EQ(launchRowText(Language::Span, 0), "Reproductor Multimedia");
    EXPECT_EQ(launchRowText(Language::Chs, 10), "浏览器-收藏夹");
    EXPECT_EQ(launchRowText(Language::Cht, 10), "瀏覽器-我的最愛");
}

TEST(MediaLaunchTexts, SpanishBrowserRowsReadInEnglish) {
    for (std::size_t row = 4; row < kLaunchRowCount; ++row) {
        EXPECT_EQ(launchRowText(Language::Span, row), launchRowText(Language::English, row)) << "row " << row;
    }
}

} // namespace
} // namespace q417
