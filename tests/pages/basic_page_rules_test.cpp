#include "pages/basic_page_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>

namespace q417 {
namespace {

using Kind = BasicHit::Kind;

constexpr auto kLeft = static_cast<std::uint8_t>(ButtonFunction::LeftClick);
constexpr auto kKeyOff = static_cast<std::uint8_t>(ButtonFunction::KeyOff);

struct ClickCase {
    int x = 0;
    int y = 0;
    std::optional<BasicHit> hit;
};

void expectClicks(const ClickCase* begin, const ClickCase* end, std::uint8_t sensorKind) {
    for (const ClickCase* c = begin; c != end; ++c) {
        const std::optional<BasicHit> hit = resolveBasicClick(c->x, c->y, sensorKind);
        ASSERT_EQ(hit.has_value(), c->hit.has_value()) << c->x << ',' << c->y << " kind " << int{sensorKind};
        if (hit) {
            EXPECT_EQ(hit->kind, c->hit->kind) << c->x << ',' << c->y;
            EXPECT_EQ(hit->index, c->hit->index) << c->x << ',' << c->y;
            EXPECT_EQ(hit->cell, c->hit->cell) << c->x << ',' << c->y;
        }
    }
}

TEST(BasicPageClick, EveryControlAnswersInsideItsRectangleAndNotOnItsRightOrBottomEdge) {
    const ClickCase cases[] = {
        // Mode A and Mode B share column 357, which is Mode A's.
        {253, 518, BasicHit{Kind::ModeA}},
        {357, 530, BasicHit{Kind::ModeA}},
        {358, 530, BasicHit{Kind::ModeB}},
        {461, 538, BasicHit{Kind::ModeB}},
        {462, 530, std::nullopt},
        {300, 539, std::nullopt},
        {307, 549, BasicHit{Kind::Default}},
        {411, 569, BasicHit{Kind::Default}},
        {412, 560, std::nullopt},
        // Key rows are 21 pixels high, 23 apart.
        {252, 199, BasicHit{Kind::KeyRow, 1}},
        {462, 219, BasicHit{Kind::KeyRow, 1}},
        {463, 210, std::nullopt},
        {300, 220, std::nullopt},
        {300, 222, BasicHit{Kind::KeyRow, 2}},
        {300, 406, BasicHit{Kind::KeyRow, 10}},
        {462, 426, BasicHit{Kind::KeyRow, 10}},
        {300, 427, std::nullopt},
        // Report-rate cells, 125 Hz to 1000 Hz.
        {542, 204, BasicHit{Kind::RateCell, 1}},
        {611, 214, BasicHit{Kind::RateCell, 1}},
        {612, 210, std::nullopt},
        {614, 204, BasicHit{Kind::RateCell, 2}},
        {700, 210, BasicHit{Kind::RateCell, 3}},
        {827, 214, BasicHit{Kind::RateCell, 4}},
        {828, 210, std::nullopt},
        {700, 215, std::nullopt},
        // Tick boxes under the swatches, one column per stage.
        {554, 541, BasicHit{Kind::TickBox, 1}},
        {569, 556, BasicHit{Kind::TickBox, 1}},
        {570, 550, std::nullopt},
        {581, 550, BasicHit{Kind::TickBox, 2}},
        {650, 556, BasicHit{Kind::TickBox, 4}},
        {600, 557, std::nullopt},
        {554, 523, BasicHit{Kind::Swatch, 1}},
        {608, 538, BasicHit{Kind::Swatch, 3}},
        {650, 530, BasicHit{Kind::Swatch, 4}},
        {651, 530, std::nullopt},
        // The lighting fields.
        {767, 330, BasicHit{Kind::LedMode}},
        {850, 343, BasicHit{Kind::LedMode}},
        {851, 335, std::nullopt},
        {800, 360, BasicHit{Kind::LedParameter}},
        {800, 403, BasicHit{Kind::LedEffect}},
        {800, 404, std::nullopt},
        // Level cells, cell 1 at the bottom of each column.
        {554, 500, BasicHit{Kind::LevelCell, 1, 1}},
        {569, 515, BasicHit{Kind::LevelCell, 1, 1}},
        {560, 516, std::nullopt},
        {560, 499, std::nullopt},
        {560, 482, BasicHit{Kind::LevelCell, 1, 2}},
        {610, 410, BasicHit{Kind::LevelCell, 3, 6}},
        {640, 302, BasicHit{Kind::LevelCell, 4, 12}},
        {640, 301, std::nullopt},
        {10, 10, std::nullopt},
    };
    expectClicks(std::begin(cases), std::end(cases), 0);
}

TEST(BasicPageClick, LevelCellsNineToTwelveAnswerOnlyForSensorKindZero) {
    struct Case {
        std::uint8_t kind;
        std::size_t cellCount;
        bool upperCellsAnswer;
    };
    const Case kinds[] = {{0, 12, true}, {1, 8, false}, {2, 8, false}, {3, 8, false}, {4, 12, false}, {255, 12, false}};
    for (const Case& k : kinds) {
        EXPECT_EQ(dpiCellCount(k.kind), k.cellCount) << "sensor kind " << int{k.kind};
        const auto upperCell = [&k](std::size_t stage, std::size_t cell) -> std::optional<BasicHit> {
            return k.upperCellsAnswer ? std::optional(BasicHit{Kind::LevelCell, stage, cell}) : std::nullopt;
        };
        const ClickCase cases[] = {
            {640, 380, BasicHit{Kind::LevelCell, 4, 8}},
            {560, 356, upperCell(1, 9)},
            {640, 302, upperCell(4, 12)},
        };
        expectClicks(std::begin(cases), std::end(cases), k.kind);
    }
}

TEST(BasicPageReportRate, CodesAndPositions) {
    struct Case {
        std::uint8_t code;
        std::size_t position;
    };
    const Case shown[] = {{8, 1}, {4, 2}, {2, 3}, {1, 4}, {0, 4}, {3, 4}, {255, 4}};
    for (const Case& c : shown) {
        EXPECT_EQ(reportRatePosition(c.code), c.position) << "code " << int{c.code};
    }
    const Case stored[] = {{8, 1}, {4, 2}, {2, 3}, {1, 4}, {1, 0}, {1, 5}};
    for (const Case& c : stored) {
        EXPECT_EQ(reportRateCode(c.position), c.code) << "position " << c.position;
    }
}

TEST(BasicPageDpi, LitCellsAreTheLevelPlusOneOfAnEnabledStageCappedAtTheColumn) {
    struct Case {
        std::size_t stage;
        std::uint8_t enabled;
        std::uint8_t level;
        std::size_t cellCount;
        std::size_t lit;
    };
    const Case cases[] = {
        {1, 1, 0, 12, 1},   {2, 1, 7, 8, 8},     {3, 1, 8, 8, 8}, // a level the 8-cell column does not hold
        {4, 1, 11, 12, 12}, {4, 1, 255, 12, 12}, {2, 0, 5, 12, 0}, {0, 1, 5, 12, 0}, {5, 1, 5, 12, 0},
    };
    for (const Case& c : cases) {
        MouseConfig config{};
        config.dpiStageEnabled.fill(c.enabled);
        config.dpiLevel.fill(c.level);
        EXPECT_EQ(litCells(config, c.stage, c.cellCount), c.lit)
            << "stage " << c.stage << ", enabled " << int{c.enabled} << ", level " << int{c.level};
    }
}

TEST(BasicPageDpi, TheLastEnabledStageStaysOn) {
    MouseConfig config{};
    config.dpiStageEnabled = {0, 0, 1, 0};

    EXPECT_FALSE(toggleDpiStage(config, 3));
    EXPECT_EQ(config.dpiStageEnabled, (std::array<std::uint8_t, 4>{0, 0, 1, 0}));
    EXPECT_TRUE(toggleDpiStage(config, 1));
    EXPECT_EQ(config.dpiStageEnabled, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    EXPECT_TRUE(toggleDpiStage(config, 3));
    EXPECT_EQ(config.dpiStageEnabled, (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_FALSE(toggleDpiStage(config, 1));
    EXPECT_FALSE(toggleDpiStage(config, 0));
    EXPECT_FALSE(toggleDpiStage(config, 5));
    EXPECT_EQ(config.dpiStageEnabled, (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
}

TEST(BasicPageDpi, ALevelCellSetsTheLevelOfADisabledStageToo) {
    MouseConfig config{};
    config.dpiStageEnabled = {1, 0, 0, 0};
    config.dpiLevel = {3, 3, 3, 3};

    setDpiLevel(config, 2, 12);
    setDpiLevel(config, 4, 1);
    setDpiLevel(config, 1, 0);  // no such cell
    setDpiLevel(config, 1, 13); // no such cell
    setDpiLevel(config, 5, 2);  // no such stage
    EXPECT_EQ(config.dpiLevel, (std::array<std::uint8_t, 4>{3, 11, 3, 0}));
    EXPECT_EQ(config.dpiStageEnabled, (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
}

TEST(BasicPageKeys, TheLeftClickGuardLooksOnlyAtTheEditedBank) {
    MouseConfig config{};
    config.banks[0].function.fill(kKeyOff);
    config.banks[1].function.fill(kKeyOff);
    config.banks[0].function[0] = kLeft; // Mode A: two left clicks
    config.banks[0].function[3] = kLeft;
    config.banks[1].function[5] = kLeft; // Mode B: one

    struct Case {
        std::uint8_t activeMode;
        std::size_t button;
        bool last;
    };
    const Case cases[] = {
        {0, 0, false}, {0, 5, false}, {1, 5, true}, {1, 0, false}, {7, 5, true}, {1, 12, false},
    };
    for (const Case& c : cases) {
        config.activeMode = c.activeMode;
        EXPECT_EQ(isLastLeftClick(config, c.button), c.last) << "mode " << int{c.activeMode} << ", button " << c.button;
    }
}

TEST(BasicPageKeys, DefaultLabelsTakeTheFunctionRowsOfTheLanguageButNotTheDpiVariants) {
    using Row = std::array<std::string, kButtonCount>;
    struct Case {
        Language language{};
        Row labels;
    };
    const Case cases[] = {
        {Language::English,
         {"Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI Loop", "Triple-click", "Shift DPI",
          "Combo Key-left Win+D", "RGB On/Off", "Key Off", "Key Off"}},
        {Language::Span,
         {"Click Izquierdo", "Click Derecho", "Click Medio", "Avanzar", "Retroceder", "DPI Loop", "Triple-click",
          "Shift DPI", "Boton Combo-left Win+D", "RGB Encendido / Apagado", "Boton Apagado", "Boton Apagado"}},
        {Language::Chs,
         {"左键", "右键", "中键", "前进方向键", "后退方向键", "DPI Loop", "三连发", "Shift DPI", "组合键-left Win+D",
          "RGB打开/关闭", "按键关闭", "按键关闭"}},
        {Language::Cht,
         {"左鍵", "右鍵", "中鍵", "前進方向鍵", "後退方向鍵", "DPI Loop", "三連發", "Shift DPI", "複合鍵-left Win+D",
          "RGB打開/關閉", "按鍵關閉", "按鍵關閉"}},
    };
    for (const Case& c : cases) {
        const KeyLabels labels = defaultKeyLabels(c.language);
        EXPECT_EQ(labels[0], c.labels) << "language " << static_cast<int>(c.language);
        EXPECT_EQ(labels[1], c.labels) << "language " << static_cast<int>(c.language);
    }
}

TEST(BasicPageKeys, DefaultResetsBothBanksAndLabelsButNotTheEditedMode) {
    MouseConfig config{};
    std::memset(&config, 0x5A, sizeof config);
    config.activeMode = 1;
    MouseConfig expected = config;
    resetKeyAssignments(expected);
    KeyLabels labels;
    for (auto& mode : labels) {
        mode.fill("Macro 1");
    }

    restoreDefaultKeys(config, labels, Language::Span);
    EXPECT_EQ(std::memcmp(&config, &expected, sizeof config), 0);
    EXPECT_EQ(config.activeMode, 1);
    EXPECT_EQ(labels, defaultKeyLabels(Language::Span));
}

} // namespace
} // namespace q417
