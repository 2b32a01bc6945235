#pragma once

#include "texts/language.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q417 {

// Rows of every button's function list; the row index is the function number (function 15 has no row).
inline constexpr std::size_t kFunctionRowCount = 15;

// The text of function-list row `row` in `language`; empty for rows past the list.
[[nodiscard]] std::string_view functionRowText(Language language, std::size_t row);

// The DPI sub-list text of a DPI-switch variant (the dpiSwitchMode value 1..4), the same in every
// language; empty for any other value.
[[nodiscard]] std::string_view dpiSwitchVariantText(std::uint8_t variant);

// Shown when a list is refused because its button is the mode's last left click.
[[nodiscard]] std::string_view leftKeyRequiredText(Language language);

} // namespace q417
