#include "texts/device_balloons.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

namespace q417 {
namespace {

// Stage levels 1, 4, 7 and 10: "500", "1250", "2000" and "3500" on sensor kind 0.
class DeviceBalloons : public ::testing::Test {
protected:
    DeviceBalloons() { config.dpiLevel = {1, 4, 7, 10}; }
    MouseConfig config{};
};

// The kind byte of an event report as it arrives.
DeviceStatusCode code(int kind) {
    return static_cast<DeviceStatusCode>(kind);
}

struct BalloonCase {
    int code = 0;
    int value = 0;
    Language language = Language::English;
    std::optional<Balloon> balloon;
};

Balloon info(std::string text) {
    return {std::move(text), "Info", 5000};
}

TEST_F(DeviceBalloons, TableOfCodesAndValues) {
    const BalloonCase cases[] = {
        {5, 1, Language::English, info("Switch report rate into 1000HZ")},
        {5, 8, Language::English, info("Switch report rate into 125HZ")},
        {5, 4, Language::Span, info("Velocidad de Frecuencia 250HZ")},
        {5, 2, Language::Chs, info("报告率切换到500HZ")},
        {5, 3, Language::English, std::nullopt},
        {5, 0, Language::English, std::nullopt},
        {5, 16, Language::English, std::nullopt},
        {7, 1, Language::English, info("Switch DPI into the first stage 500")},
        {7, 2, Language::English, info("Switch DPI into the second stage 1250")},
        {7, 4, Language::English, info("Switch DPI into the fourth stage 3500")},
        {7, 2, Language::Span, info("Interruptor DPI en la Segunda Etapa 1250")},
        {7, 3, Language::Span, info("Interruptor DPI en la Tercera Etapa2000")},
        {7, 3, Language::Cht, info("DPI切換到第三段2000")},
        {7, 0, Language::English, std::nullopt},
        {7, 5, Language::English, std::nullopt},
        {7, -1, Language::English, std::nullopt},
        {8, 1, Language::English, info("Switch to key matrix 1")},
        {8, 2, Language::Cht, info("切換到按鍵群組2")},
        {8, 3, Language::English, std::nullopt},
        {8, 0, Language::English, std::nullopt},
        {9, 3, Language::English, info("Switch to macro key3")},
        {9, 12, Language::Chs, info("切换到宏12")},
        {9, -1, Language::English, info("Switch to macro key-1")},
        {9, 0, Language::English, std::nullopt},
        {14, 0, Language::English, Balloon{"The system detect the gaming mouse.", "Info", 100}},
        {14, 77, Language::Chs, Balloon{"系统检测到游戏鼠标。", "Info", 100}},
        {15, 0, Language::English, Balloon{"The system did not detect the gaming mouse!", "Warning", 100}},
        {15, -5, Language::Span, Balloon{"El Sistema NO ha Detectado el Mouse Gamer!", "Warning", 100}},
        {0, 0, Language::English, std::nullopt},
        {6, 1, Language::English, std::nullopt},
        {16, 0, Language::English, std::nullopt},
        {249, 1, Language::English, std::nullopt},
        {255, INT_MIN, Language::English, std::nullopt},
        {9, INT_MIN, Language::English, info("Switch to macro key" + std::to_string(INT_MIN))},
        {7, INT_MAX, Language::English, std::nullopt},
    };
    for (const BalloonCase& c : cases) {
        EXPECT_EQ(balloonFor(code(c.code), c.value, c.language, config, 0), c.balloon)
            << "code " << c.code << ", value " << c.value << ", language " << static_cast<int>(c.language);
    }
}

TEST_F(DeviceBalloons, StageValueFollowsTheSensorKind) {
    config.dpiLevel[1] = 6;
    EXPECT_EQ(balloonFor(code(7), 2, Language::English, config, 0)->text, "Switch DPI into the second stage 1750");
    EXPECT_EQ(balloonFor(code(7), 2, Language::English, config, 2)->text, "Switch DPI into the second stage 2000");
    EXPECT_EQ(balloonFor(code(7), 2, Language::English, config, 3)->text, "Switch DPI into the second stage 2800");
}

TEST_F(DeviceBalloons, StageWithoutADpiValueStillShowsItsText) {
    config.dpiLevel = {12, 8, 255, 0};
    EXPECT_EQ(balloonFor(code(7), 1, Language::English, config, 0)->text, "Switch DPI into the first stage ");
    EXPECT_EQ(balloonFor(code(7), 2, Language::English, config, 1)->text, "Switch DPI into the second stage ");
    EXPECT_EQ(balloonFor(code(7), 3, Language::Chs, config, 0)->text, "DPI切换到第三段");
    EXPECT_EQ(balloonFor(code(7), 4, Language::English, config, 4)->text, "Switch DPI into the fourth stage ");
}

TEST_F(DeviceBalloons, TitlesAreTheSameInEveryLanguage) {
    for (const Language language : {Language::Chs, Language::Cht, Language::Span}) {
        EXPECT_EQ(balloonFor(code(15), 0, language, config, 0)->title, "Warning");
        EXPECT_EQ(balloonFor(code(5), 1, language, config, 0)->title, "Info");
    }
}

} // namespace
} // namespace q417

namespace q417 {
namespace {

TEST(MacroSlotsBalloon, NamesEverySlotTheMouseDidNotStoreAndNothingElse) {
    EXPECT_EQ(macroSlotsNotStoredBalloon({}, Language::English), std::nullopt);
    EXPECT_EQ(macroSlotsNotStoredBalloon({3, 12}, Language::English),
              (Balloon{"The mouse did not store these macro slots: 3, 12", "Warning", 5000}));
    EXPECT_EQ(macroSlotsNotStoredBalloon({1}, Language::Chs)->text, "鼠标没有保存这些宏位置：1");
}

} // namespace
} // namespace q417
