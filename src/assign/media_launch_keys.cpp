#include "assign/media_launch_keys.h"

#include "texts/texts_media_launch.h"

#include <array>

namespace q417 {

namespace {

// Next, previous, stop, play/pause, mute, volume up, volume down.
constexpr auto kMediaUsages = std::to_array<std::uint8_t>({0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA});
static_assert(kMediaUsages.size() == kMediaRowCount);

// Player, mail, calculator, my computer; then the browser keys: search, home, back, forward, stop,
// refresh, favourites.
constexpr auto kLaunchUsages = std::to_array<std::uint16_t>(
    {0x0183, 0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A});
static_assert(kLaunchUsages.size() == kLaunchRowCount);

// The high byte follows from the row alone; the boundaries are those of the usage table above.
constexpr std::size_t kLastApplicationRow = 3;
constexpr std::size_t kLastBrowserRow = 10;
static_assert(kLaunchUsages[kLastApplicationRow] >> 8 == 1 && kLaunchUsages[kLastApplicationRow + 1] >> 8 == 2);
static_assert(kLastBrowserRow + 1 == kLaunchRowCount);

} // namespace

std::uint8_t mediaUsage(std::size_t row) {
    return row < kMediaUsages.size() ? kMediaUsages[row] : 0;
}

std::uint16_t launchUsage(std::size_t row) {
    return row < kLaunchUsages.size() ? kLaunchUsages[row] : 0;
}

std::uint8_t launchCodeLow(std::size_t row) {
    return static_cast<std::uint8_t>(launchUsage(row) & 0xFFU);
}

std::uint8_t launchCodeHigh(std::size_t row) {
    if (row <= kLastApplicationRow) {
        return 1;
    }
    return row <= kLastBrowserRow ? 2 : 0;
}

} // namespace q417
