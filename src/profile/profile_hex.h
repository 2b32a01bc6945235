#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// Lower-case hex, two digits a byte.
[[nodiscard]] std::string hexText(std::span<const std::uint8_t> bytes);
// The bytes of hex text (either case); nothing for an odd length or a non-hex character.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> bytesOfHex(std::string_view text);

} // namespace q417
