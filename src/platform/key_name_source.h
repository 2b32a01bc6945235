#pragma once

#include <cstdint>
#include <string>

namespace q417 {

// Gives a pressed key its English display name, as the key-name table spells it ("A", "Enter",
// "Right Ctrl", "Num 1", ...), so that a captured key can be turned into a keyboard usage whatever
// the keyboard layout. The capture dialogs ask it for every key event they see.
class KeyNameSource {
public:
    virtual ~KeyNameSource() = default;

    // `nativeScanCode` is the event's native scan code as the toolkit reports it: on X11 and Wayland
    // the evdev code plus 8, and 0 where there is none (synthetic events, the offscreen platform).
    // `qtKey` is the toolkit's key code, `keypad` whether the key is on the numeric keypad. Empty
    // when the key has no name here; the caller then labels it by other means.
    [[nodiscard]] virtual std::string keyName(std::uint32_t nativeScanCode, int qtKey, bool keypad) const = 0;
};

} // namespace q417
