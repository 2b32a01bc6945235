#include "pages/lighting_rules.h"
#include "texts/main_window_texts.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace q417 {
namespace {

using Rows = std::vector<std::string>;

bool sameRecord(const MouseConfig& a, const MouseConfig& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(LedNames, ModesAndEffectsComeFromTheMainWindowTexts) {
    const std::array<TextId, 4> modes{TextId::LedOff, TextId::LedStandard, TextId::LedRespiration, TextId::LedNeon};
    const std::array<TextId, 4> effects{TextId::DpiNoDisplay, TextId::RgbEffect, TextId::RgbFlash, TextId::RgbFixedOn};
    for (const Language language : kLanguages) {
        for (std::uint8_t value = 0; value < 4; ++value) {
            EXPECT_EQ(ledModeName(language, value), text(language, modes[value]))
                << "language " << static_cast<int>(language) << ", mode " << int{value};
            EXPECT_EQ(ledEffectName(language, value), text(language, effects[value]))
                << "language " << static_cast<int>(language) << ", effect " << int{value};
        }
        for (const std::uint8_t outside : {std::uint8_t{4}, std::uint8_t{255}}) {
            EXPECT_EQ(ledModeName(language, outside), "");
            EXPECT_EQ(ledEffectName(language, outside), "");
        }
    }
    EXPECT_EQ(ledModeRows(Language::English), (Rows{"Standard", "Respiration", "Neon"}));
    EXPECT_EQ(ledModeRows(Language::Span), (Rows{"Modo Estandar", "Modo Respiracion", "Modo Neon"}));
    EXPECT_EQ(ledModeName(Language::Chs, 0), "关闭模式");
    EXPECT_EQ(ledEffectName(Language::English, 0), "Non-Disolay"); // spelt so in the text table
}

TEST(LedLists, ParameterRowsAndListHeightByMode) {
    const Rows brightness{"5%", "15%", "25%", "35%", "45%", "55%", "65%", "75%", "85%", "100%"};
    const Rows breath{"8S", "7S", "6S", "5S", "4S"};
    const Rows neon{"0.5S",  "1S",  "1.5S",  "2S",  "2.5S",  "3S",  "3.5S",  "4S",  "4.5S",  "5S",
                    "5.5S",  "6S",  "6.5S",  "7S",  "7.5S",  "8S",  "8.5S",  "9S",  "9.5S",  "10S",
                    "10.5S", "11S", "11.5S", "12S", "12.5S", "13S", "13.5S", "14S", "14.5S", "15S"};
    struct Case {
        std::uint8_t mode;
        const Rows& rows;
        int height;
    };
    const Case cases[] = {
        {1, brightness, 173}, {2, breath, 93}, {3, neon, 203}, {0, neon, 203}, {4, neon, 203},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ledParameterRows(c.mode), c.rows) << "mode " << int{c.mode};
        EXPECT_EQ(ledParameterListHeight(c.mode), c.height) << "mode " << int{c.mode};
    }
    EXPECT_EQ(ledBrightnessName(10), "");
    EXPECT_EQ(ledBreathPeriodName(5), "");
    EXPECT_EQ(ledNeonPeriodName(30), "");
}

TEST(LedLists, EffectRowsExistForRespirationAndNeonOnly) {
    EXPECT_EQ(ledEffectRows(Language::English, 2), (Rows{"RGB Effect", "RGB Flash"}));
    EXPECT_EQ(ledEffectRows(Language::English, 3), (Rows{"RGB Flash", "RGB Fixed On"}));
    EXPECT_EQ(ledEffectRows(Language::Span, 3), (Rows{"RGB Flash", "RGB Fijo"}));
    for (const std::uint8_t mode : {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{4}}) {
        EXPECT_TRUE(ledEffectRows(Language::English, mode).empty()) << "mode " << int{mode};
    }
}

TEST(LedFields, TextsOfTheCurrentMode) {
    struct Case {
        std::uint8_t mode;
        std::array<std::uint8_t, 3> levels;
        std::uint8_t option1, option2, option3;
        bool hasFields;
        const char* parameter;
        const char* effect;
    };
    const Case cases[] = {
        {1, {9, 0, 0}, 0, 2, 3, true, "100%", "RGB Effect"}, // Standard shows its one effect whatever is stored
        {1, {12, 0, 0}, 1, 0, 0, true, "", "RGB Effect"},    // a level past the list
        {2, {0, 4, 0}, 1, 1, 0, true, "4S", "RGB Effect"},
        {3, {0, 0, 1}, 1, 0, 2, true, "1S", "RGB Flash"},
        {3, {0, 0, 0}, 1, 0, 0, true, "0.5S", "Non-Disolay"},
        {0, {1, 1, 1}, 1, 1, 2, false, "", ""},
        {4, {1, 1, 1}, 1, 1, 2, false, "", ""},
    };
    for (const Case& c : cases) {
        MouseConfig config{};
        config.ledMode = c.mode;
        config.ledLevel = c.levels;
        config.ledOption1 = c.option1;
        config.ledOption2 = c.option2;
        config.ledOption3 = c.option3;
        EXPECT_EQ(ledModeHasFields(c.mode), c.hasFields) << "mode " << int{c.mode};
        EXPECT_EQ(ledParameterText(config), c.parameter) << "mode " << int{c.mode};
        EXPECT_EQ(ledEffectText(config, Language::English), c.effect) << "mode " << int{c.mode};
    }
}

// A record in Standard with a parameter and an effect stored for each mode.
class LedChoice : public ::testing::Test {
protected:
    LedChoice() {
        config.ledMode = 1;
        config.ledLevel = {3, 2, 7};
        config.ledOption1 = 1;
        config.ledOption2 = 2;
        config.ledOption3 = 3;
    }
    std::string parameter() const { return ledParameterText(config); }
    std::string effect() const { return ledEffectText(config, Language::English); }

    MouseConfig config{};
};

TEST_F(LedChoice, RespirationBringsBackItsOwnParameterAndEffect) {
    chooseLedMode(config, 1);
    EXPECT_EQ(config.ledMode, 2);
    EXPECT_EQ(parameter(), "6S");
    EXPECT_EQ(effect(), "RGB Flash");
}

TEST_F(LedChoice, NeonStoresItsParameterAndEffectInItsOwnFields) {
    chooseLedMode(config, 2);
    ASSERT_EQ(config.ledMode, 3);
    chooseLedParameter(config, 29);
    chooseLedEffect(config, 0);
    EXPECT_EQ(parameter(), "15S");
    EXPECT_EQ(effect(), "RGB Flash");
    chooseLedEffect(config, 1);
    EXPECT_EQ(effect(), "RGB Fixed On");
    EXPECT_EQ(config.ledLevel, (std::array<std::uint8_t, 3>{3, 2, 29}));
    EXPECT_EQ(config.ledOption2, 2);
    EXPECT_EQ(config.ledOption3, 3);
}

TEST_F(LedChoice, EachModeKeepsWhatWasLastChosenForIt) {
    chooseLedParameter(config, 5); // Standard: 55%
    chooseLedMode(config, 1);
    chooseLedParameter(config, 0); // Respiration: 8S
    chooseLedEffect(config, 0);    // RGB Effect
    chooseLedMode(config, 2);
    chooseLedParameter(config, 10); // Neon: 5.5S
    chooseLedEffect(config, 0);     // RGB Flash

    struct Case {
        std::size_t row;
        const char* parameter;
        const char* effect;
    };
    const Case cases[] = {{0, "55%", "RGB Effect"}, {1, "8S", "RGB Effect"}, {2, "5.5S", "RGB Flash"}};
    for (const Case& c : cases) {
        chooseLedMode(config, c.row);
        EXPECT_EQ(parameter(), c.parameter) << "mode row " << c.row;
        EXPECT_EQ(effect(), c.effect) << "mode row " << c.row;
    }
    EXPECT_EQ(config.ledLevel, (std::array<std::uint8_t, 3>{5, 0, 10}));
    EXPECT_EQ(config.ledOption2, 1);
    EXPECT_EQ(config.ledOption3, 2);
}

TEST_F(LedChoice, StandardsEffectChoiceAlwaysStoresTheOneEffect) {
    config.ledOption1 = 0;
    chooseLedEffect(config, 1);
    EXPECT_EQ(config.ledOption1, 1);
    EXPECT_EQ(config.ledOption2, 2);
    EXPECT_EQ(config.ledOption3, 3);
}

TEST_F(LedChoice, ChoicesPastTheListsOrWithoutAFieldChangeNothing) {
    using Choose = std::function<void(MouseConfig&, std::size_t)>;
    struct Case {
        std::uint8_t mode;
        Choose choose;
        std::size_t row;
    };
    const Case cases[] = {
        {1, chooseLedMode, 3},       {1, chooseLedParameter, 10}, {2, chooseLedParameter, 5},
        {3, chooseLedParameter, 30}, {2, chooseLedEffect, 2},     {3, chooseLedEffect, 2},
        {0, chooseLedParameter, 0},  {0, chooseLedEffect, 0},     {4, chooseLedParameter, 0},
    };
    for (const Case& c : cases) {
        config.ledMode = c.mode;
        const MouseConfig before = config;
        c.choose(config, c.row);
        EXPECT_TRUE(sameRecord(config, before)) << "mode " << int{c.mode} << ", row " << c.row;
    }
}

} // namespace
} // namespace q417
