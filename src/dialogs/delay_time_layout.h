#pragma once

#include "skin/rect.h"

namespace q417 {

// The delay dialog's own regions, in client pixels; OK, Cancel and close are every dialog's. The
// prompt and the range text are the edit box widened by 60 pixels each side, stacked above it.
inline constexpr Rect kDelayFieldRect{74, 129, 150, 143};
inline constexpr Rect kDelayPromptRect{14, 89, 210, 109};
inline constexpr Rect kDelayRangeRect{14, 109, 210, 129};

} // namespace q417
