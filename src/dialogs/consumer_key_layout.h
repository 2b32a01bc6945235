#pragma once

#include "dialogs/dialog_backgrounds.h"
#include "skin/drop_down_regions.h"
#include "skin/rect.h"
#include "texts/language.h"
#include "texts/texts_media_launch.h"

#include <cstddef>
#include <string_view>

namespace q417 {

// What tells the media-key picker from the Windows-key picker: background, list and rows. Both
// share the name field and the box that toggles the list; OK, Cancel and close are every dialog's.
struct ConsumerKeyLayout {
    SkinnedDialogKind kind{};
    DropDownRegions regions;
    std::size_t rowCount = 0;
    std::string_view (*rowText)(Language language, std::size_t row) = nullptr;
};

inline constexpr Rect kConsumerNameFieldRect{42, 128, 136, 144};
inline constexpr Rect kConsumerListBoxRect{42, 128, 151, 144}; // the name field and its arrow

inline constexpr ConsumerKeyLayout kMediaKeyLayout{
    SkinnedDialogKind::MediaKey, {kConsumerListBoxRect, {42, 146, 151, 266}}, kMediaRowCount, &mediaRowText};
// Its list reaches past the dialog's bottom edge; the dialog cuts it at its edge (consumer_key_dialog.cpp).
inline constexpr ConsumerKeyLayout kWindowsKeyLayout{
    SkinnedDialogKind::WindowsKey, {kConsumerListBoxRect, {42, 146, 151, 306}}, kLaunchRowCount, &launchRowText};

} // namespace q417
