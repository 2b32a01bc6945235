#pragma once

#include "config/mouse_config.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// What a click on the basic page means and what it does to the record, without any widget.
namespace q417 {

// The thing a click on the basic page hit. Rows, positions, stages and cells count from 1.
struct BasicHit {
    enum class Kind : std::uint8_t {
        ModeA,
        ModeB,
        Default,
        KeyRow,
        RateCell,
        TickBox,
        Swatch,
        LedMode,
        LedParameter,
        LedEffect,
        LevelCell,
    };
    Kind kind{};
    std::size_t index = 0; // key row, report-rate position or stage
    std::size_t cell = 0;  // level cell, for LevelCell
    bool operator==(const BasicHit&) const = default;
};

// Level cells per stage column: 8 for sensor kinds 1 to 3, else 12.
[[nodiscard]] std::size_t dpiCellCount(std::uint8_t sensorKind);

// Resolves a click in the page's order: Mode A, Mode B, Default, key rows, report-rate cells, tick
// boxes, swatches, the three lighting fields, then the level cells stage by stage. Cells 9 to 12
// count only for sensor kind 0. Nothing when the click hit none (the window is dragged).
[[nodiscard]] std::optional<BasicHit> resolveBasicClick(int x, int y, std::uint8_t sensorKind);

// The report-rate position (1 = 125 Hz .. 4 = 1000 Hz) a reportRate code is shown at; a code
// other than 8, 4 or 2 shows at 1000 Hz.
[[nodiscard]] std::size_t reportRatePosition(std::uint8_t reportRate);
// The reportRate code of a position; positions outside 1..4 give the 1000 Hz code.
[[nodiscard]] std::uint8_t reportRateCode(std::size_t position);

// How many cells of a stage's column are lit: the level plus one while the stage is enabled, never
// more than the column holds (a foreign level draws a full column and is kept as it is).
[[nodiscard]] std::size_t litCells(const MouseConfig& config, std::size_t stage, std::size_t cellCount);

// A tick-box click: a disabled stage is enabled; an enabled one is disabled unless it is the only
// enabled stage. True when the stage changed.
bool toggleDpiStage(MouseConfig& config, std::size_t stage);

// A level-cell click: the stage's level becomes cell - 1, enabled or not.
void setDpiLevel(MouseConfig& config, std::size_t stage, std::size_t cell);

// The left-click guard: true when the button is the edited mode's only left click, so its list
// must not open.
[[nodiscard]] bool isLastLeftClick(const MouseConfig& config, std::size_t button);

// The labels of the factory assignment, in `language`.
[[nodiscard]] KeyLabels defaultKeyLabels(Language language);

// "Default": the factory assignment of both banks and their labels; the edited mode stays.
void restoreDefaultKeys(MouseConfig& config, KeyLabels& labels, Language language);

} // namespace q417
