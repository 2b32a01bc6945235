#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q417 {

inline constexpr std::size_t kKeyNameCount = 107;
inline constexpr std::size_t kModifierCount = 8;
inline constexpr std::size_t kFireKeyRowCount = 61;

// Keys arrive as their English display names; these lookups turn them into what the mouse wants.
// Matching is exact and case-sensitive: no trimming, no partial match. Unknown names give 0.

// Keyboard usage (0x04..0x63, 0xE0..0xE7) or mouse-button code (0xF0..0xF2) of a key name.
[[nodiscard]] std::uint8_t keyNameToUsage(std::string_view name);

// The key name of a keyboard usage or mouse-button code: the reverse of keyNameToUsage; empty for a
// code no name gives.
[[nodiscard]] std::string_view usageKeyName(std::uint8_t usage);

// Bit of the keyboard report's modifier byte for a modifier name such as "Left Ctrl".
[[nodiscard]] std::uint8_t modifierNameToBit(std::string_view name);

// Name of modifier-list row `row` (0..7, the combo dialog's order); empty past the list.
[[nodiscard]] std::string_view modifierName(std::size_t row);

// Code of fire-key row `row`: a keyboard usage, or 0xF0..0xF6 for mouse buttons and wheel tilt; 0 past row 60.
[[nodiscard]] std::uint8_t fireKeyCode(std::size_t row);

// Display name of fire-key row `row` (the same in every language); empty past row 60.
[[nodiscard]] std::string_view fireKeyName(std::size_t row);

} // namespace q417
