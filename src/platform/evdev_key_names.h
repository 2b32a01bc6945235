#pragma once

#include "platform/key_name_source.h"

#include <cstdint>
#include <string_view>

namespace q417 {

// Key names from the Linux input layer's key codes: the physical key decides the name, not the
// layout's symbol on it, so the mouse later sends the usage of the very key that was pressed. Left
// and right modifiers differ by code ("Ctrl" and "Right Ctrl").
//
// Without a native code the toolkit's key code names the key; left and right can then no longer be
// told apart, so the left key's name is given.
class EvdevKeyNames : public KeyNameSource {
public:
    // X11 and Wayland key codes are the evdev codes shifted by this much.
    static constexpr std::uint32_t kNativeOffset = 8;

    [[nodiscard]] std::string keyName(std::uint32_t nativeScanCode, int qtKey, bool keypad) const override;

    // The name of evdev code `code`; empty for a code this table does not know.
    [[nodiscard]] static std::string_view evdevName(std::uint32_t code);
    // The name of a toolkit key code; empty for a key this table does not know.
    [[nodiscard]] static std::string_view qtKeyName(int qtKey, bool keypad);
};

} // namespace q417
