#pragma once

#include "config/mouse_config.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace q417 {

// The four bytes b0..b3 of one button in a key matrix; b0 selects the kind of action.
using KeyWord = std::array<std::uint8_t, 4>;

// The key word of `button` in key mode `mode` (0 = Mode A), built from that mode's bank and its
// dpiSwitchMode. Function 15 and above, and a mode or button out of range, give 00 00 00 00.
[[nodiscard]] KeyWord encodeKeyWord(const MouseConfig& config, std::size_t mode, std::size_t button);

} // namespace q417
