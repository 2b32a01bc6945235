#pragma once

#include "texts/language.h"

#include <cstddef>
#include <string_view>

namespace q417 {

// Rows of the media-key picker and of the Windows (launch) key picker.
inline constexpr std::size_t kMediaRowCount = 7;
inline constexpr std::size_t kLaunchRowCount = 11;

// The text of media-key row `row` in `language`; empty past the list.
[[nodiscard]] std::string_view mediaRowText(Language language, std::size_t row);

// The text of launch-key row `row` in `language`; empty past the list.
[[nodiscard]] std::string_view launchRowText(Language language, std::size_t row);

} // namespace q417
