#pragma once

#include "skin/rect.h"

#include <array>
#include <cstddef>

// Where everything of the basic page sits, in client pixels of the main window. Rows, stages and
// cells are counted from 1 as the page shows them; row k edits button k - 1.
namespace q417::basic_layout {

inline constexpr std::size_t kKeyRowCount = 10;
inline constexpr std::size_t kRateCellCount = 4;
inline constexpr std::size_t kMaxDpiCells = 12;

inline constexpr Rect kKeySettingHeading{259, 160, 364, 181};
inline constexpr Rect kReportRateHeading{504, 161, 609, 182};
inline constexpr Rect kDpiSettingHeading{504, 275, 609, 296};
inline constexpr Rect kDpiEffectHeading{704, 275, 809, 296};
inline constexpr Rect kModeA{253, 518, 358, 539};
inline constexpr Rect kModeB{357, 518, 462, 539};
inline constexpr Rect kDefault{307, 549, 412, 570};
inline constexpr Rect kColorLabel{494, 523, 544, 539};
inline constexpr Rect kSelectLabel{494, 541, 544, 557};

// The number takes the first 20 pixels of a key row, the label the rest up to the drop-down arrow
// the skins draw at the row's right end.
inline constexpr int kRowNumberWidth = 20;
inline constexpr int kRowArrowWidth = 18;

[[nodiscard]] constexpr Rect keyRow(std::size_t row) {
    const int offset = 23 * (static_cast<int>(row) - 1);
    return {252, 199 + offset, 463, 220 + offset};
}

// Rows 1 to 6 open their list under the row, rows 7 to 10 beside the upper rows.
[[nodiscard]] constexpr Rect functionList(std::size_t row) {
    if (row <= 6) {
        const int offset = 23 * (static_cast<int>(row) - 1);
        return {252, 221 + offset, 463, 491 + offset};
    }
    const int offset = 23 * (static_cast<int>(row) - 7);
    return {463, 100 + offset, 674, 370 + offset};
}

// The DPI sub-list: 60 by 80 pixels, its top-left corner given by the list's top-left corner plus
// the right and top edges of the row it opens beside (in the list's own coordinates).
inline constexpr int kDpiSubListWidth = 60;
inline constexpr int kDpiSubListHeight = 80;
[[nodiscard]] constexpr Rect dpiSubList(const Rect& list, const Rect& rowInList) {
    const int left = list.left + rowInList.right;
    const int top = list.top + rowInList.top;
    return {left, top, left + kDpiSubListWidth, top + kDpiSubListHeight};
}

// Report-rate cells, left to right: 125, 250, 500 and 1000 Hz.
[[nodiscard]] constexpr Rect rateCell(std::size_t position) {
    const int offset = 72 * (static_cast<int>(position) - 1);
    return {542 + offset, 204, 612 + offset, 215};
}
// The label under a report-rate cell: its width, 10 to 30 pixels below it.
[[nodiscard]] constexpr Rect rateLabel(std::size_t position) {
    const Rect cell = rateCell(position);
    return {cell.left, cell.top + 21, cell.right, cell.top + 41};
}

[[nodiscard]] constexpr int stageLeft(std::size_t stage) {
    return 554 + 27 * (static_cast<int>(stage) - 1);
}
[[nodiscard]] constexpr Rect colourSwatch(std::size_t stage) {
    return {stageLeft(stage), 523, stageLeft(stage) + 16, 539};
}
[[nodiscard]] constexpr Rect tickBox(std::size_t stage) {
    return {stageLeft(stage), 541, stageLeft(stage) + 16, 557};
}
// The stage's number, centred in the tick box's width from 5 to 30 pixels below it.
[[nodiscard]] constexpr Rect stageNumber(std::size_t stage) {
    const Rect box = tickBox(stage);
    return {box.left, box.bottom + 5, box.right, box.bottom + 30};
}
// Level cell `cell` (1 = the bottom one) of a stage's column.
[[nodiscard]] constexpr Rect levelCell(std::size_t stage, std::size_t cell) {
    const int offset = 18 * (static_cast<int>(cell) - 1);
    return {stageLeft(stage), 500 - offset, stageLeft(stage) + 16, 516 - offset};
}
// The DPI value beside level `level` (0 = the bottom cell), right-aligned; wider for 8 cells.
[[nodiscard]] constexpr Rect dpiValue(std::size_t level, std::size_t cellCount) {
    const int offset = 18 * static_cast<int>(level);
    return {cellCount == 8 ? 494 : 514, 500 - offset, 544, 516 - offset};
}

} // namespace q417::basic_layout
