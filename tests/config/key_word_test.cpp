#include "config/key_word.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace q417 {
namespace {

constexpr std::size_t kButton = 4;

// A record full of noise, so a word that takes a byte from the wrong field shows.
class KeyWordTest : public ::testing::Test {
protected:
    KeyWordTest() { std::memset(&config, 0x5A, sizeof config); }

    KeyWord wordFor(std::uint8_t function, const FunctionParameters& parameters) {
        storeButtonFunction(config, kButton, static_cast<ButtonFunction>(function), parameters);
        return encodeKeyWord(config, config.editedBankIndex(), kButton);
    }

    MouseConfig config{};
};

TEST_F(KeyWordTest, EachFunctionTakesOnlyItsOwnParameters) {
    struct Case {
        const char* what = "";
        std::uint8_t function = 0;
        FunctionParameters parameters;
        KeyWord word{};
    };
    const Case cases[] = {
        {"left click", 0, {}, {0x01, 0x00, 0xF0, 0x00}},
        {"right click", 1, {}, {0x01, 0x00, 0xF1, 0x00}},
        {"middle click", 2, {}, {0x01, 0x00, 0xF2, 0x00}},
        {"forward", 3, {}, {0x01, 0x00, 0xF4, 0x00}},
        {"backward", 4, {}, {0x01, 0x00, 0xF3, 0x00}},
        {"triple click", 5, {}, {0x0A, 0xF0, 0x22, 0x03}},
        {"DPI +", 6, {.dpiSwitch = 1}, {0x07, 0x00, 0x01, 0x00}},
        {"DPI loop", 6, {.dpiSwitch = 3}, {0x07, 0x00, 0x03, 0x00}},
        {"shift DPI", 6, {.dpiSwitch = 4}, {0x07, 0x00, 0x04, 0x01}},
        {"RGB on/off", 7, {}, {0x08, 0x00, 0x03, 0x00}},
        {"favourites", 8, {.launchCodeLow = 0x2A, .launchCodeHigh = 0x02}, {0x03, 0x00, 0x2A, 0x02}},
        {"volume down", 9, {.mediaCode = 0xEA}, {0x03, 0x00, 0xEA, 0x00}},
        {"fire A", 10, {.fireKeyCode = 0x04, .fireSpeed = 32, .fireTimes = 1}, {0x0A, 0x04, 0x20, 0x01}},
        {"single Enter", 11, {.singleKeyCode = 0x28}, {0x00, 0x00, 0x28, 0x00}},
        {"Left Ctrl+C", 12, {.comboModifiers = 0x01, .comboKey1 = 0x06}, {0x00, 0x01, 0x06, 0x00}},
        {"macro B, option 3", 13, {.macroNumber = 1, .macroMode = 2}, {0x09, 0x02, 0x02, 0x00}},
        {"macro slot past 8 bits", 13, {.macroNumber = 255, .macroMode = 0}, {0x09, 0x00, 0x00, 0x00}},
        {"key off", 14, {}, {0x08, 0x00, 0x02, 0x00}},
        {"no function", 15, {}, {0x00, 0x00, 0x00, 0x00}},
        {"foreign function 16", 16, {}, {0x00, 0x00, 0x00, 0x00}},
        {"foreign function 255", 255, {}, {0x00, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wordFor(c.function, c.parameters), c.word) << c.what;
    }
}

TEST_F(KeyWordTest, LeftClickAsLittleEndianNumber) {
    const KeyWord w = wordFor(0, {});
    const auto value = static_cast<std::uint32_t>(w[0] | w[1] << 8 | w[2] << 16 | w[3] << 24);
    EXPECT_EQ(value, 0x00F00001U);
}

TEST_F(KeyWordTest, EachModeReadsItsOwnBankAndDpiVariant) {
    for (KeyBank& bank : config.banks) {
        bank.function[kButton] = static_cast<std::uint8_t>(ButtonFunction::DpiSwitch);
    }
    config.dpiSwitchMode[0][kButton] = 3;
    config.dpiSwitchMode[1][kButton] = 4;
    EXPECT_EQ(encodeKeyWord(config, 0, kButton), (KeyWord{0x07, 0x00, 0x03, 0x00}));
    EXPECT_EQ(encodeKeyWord(config, 1, kButton), (KeyWord{0x07, 0x00, 0x04, 0x01}));
}

TEST_F(KeyWordTest, ModeOrButtonOutOfRangeGivesZeros) {
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    const std::pair<std::size_t, std::size_t> places[] = {{kModeCount, 0}, {0, kButtonCount}, {kHuge, kHuge}};
    for (const auto& [mode, button] : places) {
        EXPECT_EQ(encodeKeyWord(config, mode, button), KeyWord{}) << "mode " << mode << ", button " << button;
    }
}

} // namespace
} // namespace q417
