#pragma once

#include <array>
#include <cstdint>

namespace q417 {

// Shared by the program and the mouse: the program builds its link key from these six bytes
// (frame positions 1 to 6) once a plain handshake has gone unanswered.
inline constexpr std::array<std::uint8_t, 6> kLinkKeyBytes{0x5C, 0xA3, 0x17, 0xE9, 0x4B, 0x86};

// The additive mask of the link, one byte per frame position; added nibble-swapped.
inline constexpr std::array<std::uint8_t, 8> kLinkMaskBytes{0x3D, 0x91, 0x6E, 0xB2, 0x08, 0xC7, 0x54, 0xFA};

} // namespace q417
