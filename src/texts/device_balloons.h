#pragma once

#include "config/mouse_config.h"
#include "device/device_status_sink.h"
#include "texts/language.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace q417 {

// A tray balloon about the mouse's state.
struct Balloon {
    std::string text;
    std::string title;
    int timeoutMs = 0;

    bool operator==(const Balloon&) const = default;
};

// The balloon for device-status message `code` with `value`, in `language`: report rate (code 5,
// value 1, 2, 4 or 8), DPI stage (7, value 1 to 4, followed by the DPI value of that stage's level
// on `sensorKind`), key matrix (8, value 1 or 2), macro (9, any non-zero value, followed by the value
// in decimal), mouse detected (14) and not detected (15), whatever their value. Any other code or
// value shows nothing.
[[nodiscard]] std::optional<Balloon> balloonFor(DeviceStatusCode code, int value, Language language,
                                                const MouseConfig& config, std::uint8_t sensorKind);

// After an apply: the macro slots (1 to 12) the mouse read back otherwise than they were written.
// Nothing when every slot was stored.
[[nodiscard]] std::optional<Balloon> macroSlotsNotStoredBalloon(const std::vector<unsigned>& slots, Language language);

} // namespace q417
