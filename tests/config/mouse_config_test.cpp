#include "config/mouse_config.h"

#include <cstring>
#include <gtest/gtest.h>

namespace q417 {
namespace {

constexpr auto kKeyOff = static_cast<std::uint8_t>(ButtonFunction::KeyOff);

// The byte image of a record, as config.bin holds it.
std::array<std::uint8_t, sizeof(MouseConfig)> bytesOf(const MouseConfig& c) {
    std::array<std::uint8_t, sizeof(MouseConfig)> out{};
    std::memcpy(out.data(), &c, sizeof c);
    return out;
}

TEST(MouseConfigLayout, FieldsLandAtTheirByteOffsets) {
    MouseConfig c{};
    c.banks[1].macroMode[11] = 0xA1;
    c.macroSlots[11].setRepeats(0x1234);
    c.reportRate = 0xA2;
    c.dpiColor[3][2] = 0xA3;
    c.doubleClickLevel = 0xA4;
    c.dpiSwitchMode[1][11] = 0xA5;
    const auto b = bytesOf(c);
    EXPECT_EQ(b[192 + 180 + 11], 0xA1);
    EXPECT_EQ(b[384 + 11 * 128], 0x12); // the repeat count is big-endian
    EXPECT_EQ(b[384 + 11 * 128 + 1], 0x34);
    EXPECT_EQ(b[1925], 0xA2);
    EXPECT_EQ(b[1935 + 3 * 3 + 2], 0xA3);
    EXPECT_EQ(b[1959], 0xA4);
    EXPECT_EQ(b[1984], 0xA5); // the second DPI-switch array ends at the last byte
}

TEST(MouseConfigLayout, ValueInitialisedRecordIsAllZeroSoEveryButtonIsLeftClick) {
    const MouseConfig c{};
    for (const auto byte : bytesOf(c)) {
        ASSERT_EQ(byte, 0);
    }
    EXPECT_EQ(c.banks[0].function[9], static_cast<std::uint8_t>(ButtonFunction::LeftClick));
}

TEST(MouseConfigDefaults, KeyAssignmentsTouchOnlyFunctionsDpiVariantsAndTheWinDCombo) {
    MouseConfig c{};
    std::memset(&c, 0x5A, sizeof c);
    const MouseConfig before = c;
    resetKeyAssignments(c);

    const std::array<std::uint8_t, kButtonCount> functions{0, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15};
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        EXPECT_EQ(c.banks[mode].function, functions);
        EXPECT_EQ(c.dpiSwitchMode[mode][5], 3);
        EXPECT_EQ(c.dpiSwitchMode[mode][7], 4);
        EXPECT_EQ(c.banks[mode].comboModifiers[8], 0x08);
        EXPECT_EQ(c.banks[mode].comboKey1[8], 0x07);
        EXPECT_EQ(c.banks[mode].comboKey2[8], 0x5A) << "the second combo key is not part of the default";
        EXPECT_EQ(c.dpiSwitchMode[mode][0], 0x5A);
    }
    // Everything outside the key banks and DPI-switch arrays is as it was.
    const auto after = bytesOf(c);
    const auto old = bytesOf(before);
    for (std::size_t i = offsetof(MouseConfig, macroSlots); i < offsetof(MouseConfig, dpiSwitchMode); ++i) {
        ASSERT_EQ(after[i], old[i]) << "byte " << i;
    }
    EXPECT_EQ(c.activeMode, 0x5A);
}

TEST(MouseConfigDefaults, DpiLevelsBySensorKind) {
    struct Case {
        std::uint8_t kind;
        std::array<std::uint8_t, 4> levels;
    };
    const Case cases[] = {
        {0, {1, 4, 7, 10}}, {2, {1, 3, 5, 7}}, {1, {9, 9, 9, 9}}, {3, {9, 9, 9, 9}}, {255, {9, 9, 9, 9}}};
    for (const Case& k : cases) {
        MouseConfig c{};
        c.dpiLevel = {9, 9, 9, 9};
        resetDpiLevelsForSensor(c, k.kind);
        EXPECT_EQ(c.dpiLevel, k.levels) << "sensor kind " << int{k.kind};
    }
}

TEST(MouseConfigDefaults, SystemMouseSettings) {
    MouseConfig c{};
    c.enhancePointerPrecision = 1;
    c.scrollOneScreen = 1;
    resetSystemMouseSettings(c);
    EXPECT_EQ(c.enhancePointerPrecision, 0);
    EXPECT_EQ(c.scrollOneScreen, 0);
    EXPECT_EQ(c.pointerSpeedLevel, 6);
    EXPECT_EQ(c.wheelScrollLines, 3);
    EXPECT_EQ(c.doubleClickLevel, 6);
}

class StoreButtonFunction : public ::testing::Test {
protected:
    void SetUp() override { resetKeyAssignments(config); }
    MouseConfig config{};
};

TEST_F(StoreButtonFunction, OverAnOrdinaryFunctionOnlyTheEditedModeChanges) {
    for (const std::uint8_t mode : std::array<std::uint8_t, 2>{0, 1}) {
        MouseConfig c = config;
        c.activeMode = mode;
        FunctionParameters p;
        p.singleKeyCode = 0x28;
        EXPECT_FALSE(storeButtonFunction(c, 3, ButtonFunction::SingleKey, p));
        EXPECT_EQ(c.banks[mode].function[3], 11);
        EXPECT_EQ(c.banks[mode].singleKeyCode[3], 0x28);
        EXPECT_EQ(c.banks[1 - mode].function[3], 3) << "mode " << int{mode};
        EXPECT_EQ(c.banks[1 - mode].singleKeyCode[3], 0);
    }
}

TEST_F(StoreButtonFunction, OverKeyOffFunctionAndParametersGoToBothModes) {
    config.activeMode = 1;
    config.banks[1].function[4] = kKeyOff;
    FunctionParameters p;
    p.fireKeyIndex = 3;
    p.fireKeyCode = 0x07;
    p.fireSpeed = 32;
    p.fireTimes = 1;
    EXPECT_TRUE(storeButtonFunction(config, 4, ButtonFunction::FireKey, p));
    for (const KeyBank& bank : config.banks) {
        EXPECT_EQ(bank.function[4], 10);
        EXPECT_EQ(bank.fireKeyIndex[4], 3);
        EXPECT_EQ(bank.fireKeyCode[4], 0x07);
        EXPECT_EQ(bank.fireSpeed[4], 32);
        EXPECT_EQ(bank.fireTimes[4], 1);
    }
}

TEST_F(StoreButtonFunction, DpiVariantFollowsTheModeItWasChosenIn) {
    config.banks[0].function[2] = kKeyOff;
    FunctionParameters p;
    p.dpiSwitch = static_cast<std::uint8_t>(DpiSwitchVariant::Down);
    storeButtonFunction(config, 2, ButtonFunction::DpiSwitch, p);
    EXPECT_EQ(config.dpiSwitchMode[0][2], 2);
    EXPECT_EQ(config.dpiSwitchMode[1][2], 2) << "over Key Off the other mode takes the variant too";
    EXPECT_EQ(config.banks[1].function[2], 6);
}

TEST_F(StoreButtonFunction, ParametersOfOtherFunctionsAreLeftAlone) {
    config.banks[0].singleKeyCode[1] = 0x11;
    FunctionParameters p;
    p.singleKeyCode = 0x22;
    p.macroNumber = 5;
    p.macroMode = 2;
    storeButtonFunction(config, 1, ButtonFunction::MacroKey, p);
    EXPECT_EQ(config.banks[0].singleKeyCode[1], 0x11);
    EXPECT_EQ(config.banks[0].macroNumber[1], 5);
    EXPECT_EQ(config.banks[0].macroMode[1], 2);
}

TEST_F(StoreButtonFunction, ButtonPastTheLastIsIgnored) {
    const MouseConfig before = config;
    EXPECT_FALSE(storeButtonFunction(config, kButtonCount, ButtonFunction::RightClick, {}));
    EXPECT_EQ(bytesOf(config), bytesOf(before));
}

} // namespace
} // namespace q417
