#pragma once

#include <cstdint>
#include <string>

namespace q417 {

// The DPI value shown beside level cell `level` (0 = bottom cell) of sensor kind `sensorKind`, as in
// "1250". Empty for a kind above 3, and for a level past its kind's row (12 levels for kind 0, 8
// for kinds 1 to 3), so a foreign config.bin never shows a made-up value.
[[nodiscard]] std::string dpiValueName(std::uint8_t sensorKind, std::uint8_t level);

} // namespace q417
