#pragma once

#include "skin/drop_down_regions.h"
#include "skin/rect.h"

namespace q417 {

// The skins dialog's own regions, in client pixels; OK, Cancel and close are every dialog's.
inline constexpr Rect kSkinsColourPromptRect{12, 64, 181, 94};
inline constexpr Rect kSkinsColourSwatchRect{42, 94, 151, 110};
inline constexpr Rect kSkinsNameBoxRect{42, 128, 136, 144};
// The name box and its arrow toggle the list of skins below them.
inline constexpr DropDownRegions kSkinsListRegions{{42, 128, 151, 144}, {42, 146, 151, 266}};

} // namespace q417
