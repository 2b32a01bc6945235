#pragma once

#include "config/mouse_config.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

namespace q417 {

// What each assignment dialog hands back on OK. Rows are list rows counted from 0; texts and names
// are exactly what the dialog showed, since labels quote them.

struct WindowsKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::WindowsKey;
    std::size_t row = 0; // launch row 0..10
    std::string text;
};

struct MediaKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::MediaKey;
    std::size_t row = 0; // media row 0..6
    std::string text;
};

struct FireKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::FireKey;
    std::size_t row = 0; // fire-key row 0..60
    std::string text;
    std::uint8_t speed = 0; // 5..255, smaller is faster
    std::uint8_t times = 0; // 0 repeats while the button is held
};

struct SingleKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::SingleKey;
    std::string keyName; // captured display name; need not be in the key-name table
    bool operator==(const SingleKeyChoice&) const = default;
};

struct ComboKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::ComboKey;
    std::string modifierName; // a modifier-list name, or empty
    std::string key1Name;     // captured names, each possibly empty
    std::string key2Name;
    bool operator==(const ComboKeyChoice&) const = default;
};

struct MacroKeyChoice {
    static constexpr ButtonFunction kFunction = ButtonFunction::MacroKey;
    std::size_t row = 0; // macro list row = device slot - 1
    std::string name;
    std::uint8_t option = 0; // playback option 1..3
};

using DialogChoice =
    std::variant<WindowsKeyChoice, MediaKeyChoice, FireKeyChoice, SingleKeyChoice, ComboKeyChoice, MacroKeyChoice>;

// The function whose dialog produces `choice`.
[[nodiscard]] inline ButtonFunction functionOf(const DialogChoice& choice) {
    return std::visit([](const auto& c) { return std::decay_t<decltype(c)>::kFunction; }, choice);
}

} // namespace q417
