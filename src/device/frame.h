#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q417 {

// One command frame: byte 0 the command code (bit 7 set = the mouse answers), bytes 1 to 6 the
// arguments, byte 7 the checksum.
inline constexpr std::size_t kFrameSize = 8;
using Frame = std::array<std::uint8_t, kFrameSize>;
static_assert(sizeof(Frame) == kFrameSize);

inline constexpr std::size_t kFrameChecksumIndex = 7;
inline constexpr std::uint8_t kReadCommandBit = 0x80;

[[nodiscard]] inline bool isReadCommand(const Frame& frame) {
    return (frame[0] & kReadCommandBit) != 0;
}

// 0xFF minus the sum of bytes 0 to 6, modulo 256.
[[nodiscard]] std::uint8_t frameChecksum(const Frame& frame);

// Writes the checksum into byte 7.
void fillFrameChecksum(Frame& frame);

// The link key: the six shared key bytes at positions 1 to 6, zero at 0 and 7.
[[nodiscard]] Frame linkKey();

// The link's scrambling of a whole frame in place: pair swaps, XOR of bytes 1 to 6 with the key,
// a 64-bit rotation left by 3 (byte 0 most significant), then the nibble-swapped mask added.
void scrambleFrame(Frame& frame, const Frame& key);

// The exact inverse of scrambleFrame with the same key.
void unscrambleFrame(Frame& frame, const Frame& key);

} // namespace q417
