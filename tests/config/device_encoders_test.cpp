#include "config/device_encoders.h"
#include "config/factory_defaults.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(DeviceEncoders, LightingModesSetOnlyTheirBytes) {
    struct Case {
        const char* name;
        std::uint8_t mode, option2, option3;
        std::array<std::uint8_t, 3> effect;
        std::array<std::uint8_t, 3> params;
    };
    // The reads leave effect EE EE EE and params DD DD DD; ledLevel is 4, 2, 9.
    const Case cases[] = {
        {"standard", 1, 0, 0, {1, 5, 2}, {1, 0xDD, 0xDD}},
        {"respiration, RGB effect", 2, 1, 0, {2, 3, 2}, {1, 0xDD, 0xDD}},
        {"respiration, RGB flash", 2, 2, 0, {2, 3, 3}, {2, 2, 3}},
        {"respiration, other option", 2, 7, 0, {2, 3, 0xEE}, {0xDD, 0xDD, 0xDD}},
        {"neon, RGB flash", 3, 0, 2, {3, 10, 0xEE}, {2, 100, 10}},
        {"neon, fixed on", 3, 0, 3, {3, 10, 0xEE}, {3, 5, 5}},
        {"neon, other option", 3, 0, 9, {3, 10, 0xEE}, {0xDD, 0xDD, 0xDD}},
        {"off", 0, 1, 2, {0xEE, 0xEE, 0xEE}, {0xDD, 0xDD, 0xDD}},
        {"unknown mode", 4, 1, 2, {0xEE, 0xEE, 0xEE}, {0xDD, 0xDD, 0xDD}},
    };
    for (const Case& c : cases) {
        MouseConfig config{};
        config.ledMode = c.mode;
        config.ledLevel = {4, 2, 9};
        config.ledOption2 = c.option2;
        config.ledOption3 = c.option3;
        DeviceImage image;
        image.effectBlock = {0xEE, 0xEE, 0xEE};
        image.ledParams = {{{0xDD, 0xDD, 0xDD}, {0xCC, 0xCC, 0xCC}}};
        encodeLighting(config, image);
        EXPECT_EQ(image.effectBlock, c.effect) << c.name;
        EXPECT_EQ(image.ledParams[0], c.params) << c.name;
        EXPECT_EQ(image.ledParams[1], (std::array<std::uint8_t, 3>{0xCC, 0xCC, 0xCC})) << c.name;
    }
}

TEST(DeviceEncoders, DpiStagesUseTheSensorsRowAndMarkStagesOff) {
    MouseConfig config{};
    config.dpiLevel = {0, 4, 11, 3};
    config.dpiStageEnabled = {1, 0, 1, 7};
    DeviceImage image;
    image.sensorKind = 0;
    encodeDpiStages(config, image);
    EXPECT_EQ(image.dpiStages, (std::array<std::uint8_t, 8>{0x01, 0x85, 0x28, 0x04, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(image.dpiStageCount, 4);

    // Levels past a row, and sensor kinds past the table, have no code.
    const std::tuple<std::uint8_t, std::uint8_t, std::uint8_t> codes[] = {
        {0, 12, 0}, {1, 7, 0x25}, {1, 8, 0}, {2, 0, 0x02}, {2, 7, 0x2A}, {3, 7, 0x08}, {4, 0, 0}, {255, 255, 0}};
    for (const auto& [kind, level, code] : codes) {
        EXPECT_EQ(dpiCode(kind, level), code) << int{kind} << "/" << int{level};
    }
}

TEST(DeviceEncoders, ColoursFillBlockOneAndClearTheRest) {
    MouseConfig config{};
    config.dpiColor = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}};
    DeviceImage image;
    image.configBlocks[0].fill(0xAB);
    image.configBlocks[1].fill(0xCD);
    encodeColours(config, image);
    for (std::size_t i = 0; i < kConfigBlockSize; ++i) {
        EXPECT_EQ(image.configBlocks[1][i], i < 12 ? i + 1 : 0) << i;
        EXPECT_EQ(image.configBlocks[0][i], 0xAB) << "block 0 goes back as read";
    }
}

TEST(DeviceEncoders, KeyMatricesPlaceButtonsBySlotOrder) {
    MouseConfig config = factoryConfig();
    config.banks[1].function[0] = 1; // right click in Mode B
    DeviceImage image;
    image.keyMatrices[0].fill(0xEE);
    image.keyMatrices[1].fill(0x11);
    encodeKeyMatrices(config, image);
    const KeyMatrix& m1 = image.keyMatrices[0];
    const KeyMatrix& m3 = image.keyMatrices[2];
    const auto word = [](const KeyMatrix& m, std::size_t slot) {
        return std::array<std::uint8_t, 4>{m[slot * 4], m[slot * 4 + 1], m[slot * 4 + 2], m[slot * 4 + 3]};
    };
    using W = std::array<std::uint8_t, 4>;
    EXPECT_EQ(word(m1, 0), (W{0x01, 0x00, 0xF0, 0x00}));
    EXPECT_EQ(word(m1, 8), (W{0x01, 0x00, 0xF4, 0x00})) << "button 3 (forward) lands in slot 8";
    EXPECT_EQ(word(m1, 9), (W{0x01, 0x00, 0xF3, 0x00})) << "button 4 (backward) lands in slot 9";
    EXPECT_EQ(word(m1, 7), (W{0x08, 0x00, 0x03, 0x00})) << "button 9 (RGB on/off) lands in slot 7";
    EXPECT_EQ(word(m1, 3), (W{0x07, 0x00, 0x04, 0x01})) << "button 7 (shift DPI) lands in slot 3";
    EXPECT_EQ(word(m1, 4), (W{0x00, 0x08, 0x07, 0x00})) << "button 8 (Win+D) lands in slot 4";
    for (std::size_t slot = 10; slot < 14; ++slot) {
        EXPECT_EQ(word(m1, slot), (W{0, 0, 0, 0})) << slot;
    }
    for (const KeyMatrix* m : {&m1, &m3}) {
        EXPECT_EQ(word(*m, 14), (W{0x01, 0x00, 0xF7, 0x00}));
        EXPECT_EQ(word(*m, 15), (W{0x01, 0x00, 0xF8, 0x00}));
    }
    EXPECT_EQ(word(m3, 0), (W{0x01, 0x00, 0xF1, 0x00})) << "matrix 3 is Mode B";
    EXPECT_EQ(image.keyMatrices[1][0], 0x11) << "matrix 2 is not the encoder's";

    config.activeMode = 1;
    encodeKeyMatrices(config, image);
    EXPECT_EQ(image.keyMatrices[0], image.keyMatrices[2]) << "with Mode B edited both matrices carry Mode B";
}

} // namespace
} // namespace q417
