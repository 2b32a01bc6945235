#include "pages/basic_page_rules.h"

#include "pages/basic_page_layout.h"
#include "pages/lighting_layout.h"
#include "texts/texts_functions.h"

#include <algorithm>
#include <array>
#include <string>

namespace q417 {

namespace bl = basic_layout;

namespace {

constexpr std::size_t kKindZeroOnlyFromCell = 9;

constexpr std::array<std::uint8_t, bl::kRateCellCount> kRateCodes{8, 4, 2, 1};

bool validStage(std::size_t stage) {
    return stage >= 1 && stage <= kDpiStageCount;
}

} // namespace

std::size_t dpiCellCount(std::uint8_t sensorKind) {
    return sensorKind >= 1 && sensorKind <= 3 ? 8 : bl::kMaxDpiCells;
}

std::optional<BasicHit> resolveBasicClick(int x, int y, std::uint8_t sensorKind) {
    using Kind = BasicHit::Kind;
    if (bl::kModeA.contains(x, y)) {
        return BasicHit{Kind::ModeA};
    }
    if (bl::kModeB.contains(x, y)) {
        return BasicHit{Kind::ModeB};
    }
    if (bl::kDefault.contains(x, y)) {
        return BasicHit{Kind::Default};
    }
    for (std::size_t row = 1; row <= bl::kKeyRowCount; ++row) {
        if (bl::keyRow(row).contains(x, y)) {
            return BasicHit{Kind::KeyRow, row};
        }
    }
    for (std::size_t position = 1; position <= bl::kRateCellCount; ++position) {
        if (bl::rateCell(position).contains(x, y)) {
            return BasicHit{Kind::RateCell, position};
        }
    }
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        if (bl::tickBox(stage).contains(x, y)) {
            return BasicHit{Kind::TickBox, stage};
        }
    }
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        if (bl::colourSwatch(stage).contains(x, y)) {
            return BasicHit{Kind::Swatch, stage};
        }
    }
    if (lighting_layout::kMode.click.contains(x, y)) {
        return BasicHit{Kind::LedMode};
    }
    if (lighting_layout::kParameter.click.contains(x, y)) {
        return BasicHit{Kind::LedParameter};
    }
    if (lighting_layout::kEffect.click.contains(x, y)) {
        return BasicHit{Kind::LedEffect};
    }
    // Cells 9 to 12 are drawn for every kind above 3 too, but only kind 0 answers to them.
    const std::size_t cells = sensorKind == 0 ? bl::kMaxDpiCells : kKindZeroOnlyFromCell - 1;
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        for (std::size_t cell = 1; cell <= cells; ++cell) {
            if (bl::levelCell(stage, cell).contains(x, y)) {
                return BasicHit{Kind::LevelCell, stage, cell};
            }
        }
    }
    return std::nullopt;
}

std::size_t reportRatePosition(std::uint8_t reportRate) {
    for (std::size_t i = 0; i < kRateCodes.size(); ++i) {
        if (kRateCodes[i] == reportRate) {
            return i + 1;
        }
    }
    return bl::kRateCellCount;
}

std::uint8_t reportRateCode(std::size_t position) {
    return position >= 1 && position <= kRateCodes.size() ? kRateCodes[position - 1] : kRateCodes.back();
}

std::size_t litCells(const MouseConfig& config, std::size_t stage, std::size_t cellCount) {
    if (!validStage(stage) || config.dpiStageEnabled[stage - 1] != 1) {
        return 0;
    }
    return std::min<std::size_t>(config.dpiLevel[stage - 1] + 1U, cellCount);
}

bool toggleDpiStage(MouseConfig& config, std::size_t stage) {
    if (!validStage(stage)) {
        return false;
    }
    std::uint8_t& enabled = config.dpiStageEnabled[stage - 1];
    if (enabled != 1) {
        enabled = 1;
        return true;
    }
    std::size_t othersEnabled = 0;
    for (std::size_t s = 1; s <= kDpiStageCount; ++s) {
        othersEnabled += s != stage && config.dpiStageEnabled[s - 1] == 1 ? 1U : 0U;
    }
    if (othersEnabled == 0) {
        return false; // at least one stage stays on
    }
    enabled = 0;
    return true;
}

void setDpiLevel(MouseConfig& config, std::size_t stage, std::size_t cell) {
    if (validStage(stage) && cell >= 1 && cell <= bl::kMaxDpiCells) {
        config.dpiLevel[stage - 1] = static_cast<std::uint8_t>(cell - 1);
    }
}

bool isLastLeftClick(const MouseConfig& config, std::size_t button) {
    const KeyBank& bank = config.editedBank();
    if (button >= kButtonCount || bank.function[button] != static_cast<std::uint8_t>(ButtonFunction::LeftClick)) {
        return false;
    }
    for (std::size_t other = 0; other < kButtonCount; ++other) {
        if (other != button && bank.function[other] == static_cast<std::uint8_t>(ButtonFunction::LeftClick)) {
            return false;
        }
    }
    return true;
}

KeyLabels defaultKeyLabels(Language language) {
    const auto row = [language](ButtonFunction f) {
        return std::string(functionRowText(language, static_cast<std::size_t>(f)));
    };
    const std::array<std::string, kButtonCount> labels{
        row(ButtonFunction::LeftClick),
        row(ButtonFunction::RightClick),
        row(ButtonFunction::MiddleClick),
        row(ButtonFunction::Forward),
        row(ButtonFunction::Backward),
        std::string(dpiSwitchVariantText(static_cast<std::uint8_t>(DpiSwitchVariant::Loop))),
        row(ButtonFunction::TripleClick),
        std::string(dpiSwitchVariantText(static_cast<std::uint8_t>(DpiSwitchVariant::Shift))),
        row(ButtonFunction::ComboKey) + "-left Win+D",
        row(ButtonFunction::RgbOnOff),
        row(ButtonFunction::KeyOff),
        row(ButtonFunction::KeyOff),
    };
    return {labels, labels};
}

void restoreDefaultKeys(MouseConfig& config, KeyLabels& labels, Language language) {
    resetKeyAssignments(config);
    labels = defaultKeyLabels(language);
}

} // namespace q417
