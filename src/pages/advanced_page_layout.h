#pragma once

#include "skin/drop_down_regions.h"
#include "skin/rect.h"

#include <cstddef>

// Where everything of the advanced page sits, in client pixels of the main window. Rows and cells
// are counted from 1 as the page shows them: row 1 is the pointer speed, 2 the wheel, 3 the
// double-click speed.
namespace q417::advanced_layout {

inline constexpr std::size_t kSystemRowCount = 3;
inline constexpr std::size_t kCellCount = 11;

// The system pointer half.
inline constexpr Rect kSpeedCaption{38, 160, 143, 181};
inline constexpr Rect kScrollCaption{38, 310, 143, 331};
inline constexpr Rect kDoubleClickCaption{38, 460, 143, 481};
inline constexpr Rect kPrecisionBox{51, 255, 67, 271};
inline constexpr Rect kPrecisionText{77, 255, 408, 271};
inline constexpr Rect kOneScreenBox{51, 405, 67, 421};
inline constexpr Rect kOneScreenText{77, 405, 408, 421};
inline constexpr Rect kDefault{38, 584, 143, 605};

[[nodiscard]] constexpr int rowTop(std::size_t row) {
    return 200 + 150 * (static_cast<int>(row) - 1);
}

[[nodiscard]] constexpr Rect cell(std::size_t row, std::size_t cell) {
    const int left = 52 + 24 * (static_cast<int>(cell) - 1);
    return {left, rowTop(row), left + 24, rowTop(row) + 11};
}

// The cell's number, centred in the cell's width from 10 to 30 pixels below it.
[[nodiscard]] constexpr Rect cellNumber(std::size_t row, std::size_t c) {
    const Rect r = cell(row, c);
    return {r.left, r.bottom + 10, r.right, r.bottom + 30};
}

// The macro area.
inline constexpr Rect kMacroHeading{469, 160, 578, 181};
inline constexpr Rect kSelectMacroHeading{457, 196, 592, 220};
inline constexpr Rect kSequenceHeading{591, 196, 726, 220};
inline constexpr Rect kRecordOptionHeading{725, 196, 875, 220};
inline constexpr Rect kMacroList{462, 220, 591, 512};
inline constexpr Rect kEventList{592, 220, 725, 512};
inline constexpr Rect kStartRecording{735, 229, 764, 258};
inline constexpr Rect kStartRecordingCaption{765, 227, 874, 260};
inline constexpr Rect kStopRecording{735, 265, 764, 294};
inline constexpr Rect kStopRecordingCaption{765, 263, 874, 296};
inline constexpr Rect kNameCaption{735, 302, 874, 322};
inline constexpr Rect kNameBox{735, 322, 799, 336};
inline constexpr Rect kLoopCaption{735, 342, 874, 362};
inline constexpr Rect kLoopBox{735, 362, 799, 376};
inline constexpr Rect kMouseEventCaption{735, 382, 874, 402};
inline constexpr Rect kMouseEventBox{735, 402, 839, 416};
// The box and the skin's arrow toggle the drop-down below them.
inline constexpr DropDownRegions kMouseEventRegions{{735, 402, 854, 416}, {734, 419, 854, 569}};
inline constexpr Rect kNew{513, 528, 618, 549};
inline constexpr Rect kDelete{617, 528, 722, 549};
inline constexpr Rect kConfirm{721, 528, 826, 549};

} // namespace q417::advanced_layout
