#pragma once

#include <cstdint>
#include <string_view>

namespace q417 {

// The fire-key dialog's two number fields: what they start with and how their text is read. The
// dialog shows a field's value in place of its text whenever the text is out of range.
inline constexpr std::uint8_t kFireSpeedStart = 32;
inline constexpr std::uint8_t kFireTimesStart = 1;
inline constexpr int kFireSpeedMin = 5; // the fastest repeat the mouse is asked for
inline constexpr std::uint8_t kFireSpeedFallback = 5;
inline constexpr std::uint8_t kFireTimesFallback = 1;
inline constexpr int kFireFieldMax = 255; // both are stored in one byte

// A field's text as a decimal number: leading blanks, an optional sign, then the digits up to the
// first other character. Text without digits reads as 0. Long digit runs stop growing past
// kFireFieldMax, so they still read as too large instead of overflowing.
[[nodiscard]] constexpr int readFieldNumber(std::string_view text) {
    constexpr int kSaturated = 10 * (kFireFieldMax + 1);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kSaturated) {
            value = kSaturated;
        }
    }
    return negative ? -value : value;
}

// A field after checking: its value, and whether the text was out of range and must be replaced.
struct FireFieldValue {
    std::uint8_t value = 0;
    bool replaced = false;
    constexpr bool operator==(const FireFieldValue&) const = default;
};

// The speed field, checked when it loses the focus and when the dialog ends with OK.
[[nodiscard]] constexpr FireFieldValue checkFireSpeed(std::string_view text) {
    const int value = readFieldNumber(text);
    if (value < kFireSpeedMin || value > kFireFieldMax) {
        return {kFireSpeedFallback, true};
    }
    return {static_cast<std::uint8_t>(value), false};
}

// The times field, checked at every change; 0 repeats while the button is held.
[[nodiscard]] constexpr FireFieldValue checkFireTimes(std::string_view text) {
    const int value = readFieldNumber(text);
    if (value < 0 || value > kFireFieldMax) {
        return {kFireTimesFallback, true};
    }
    return {static_cast<std::uint8_t>(value), false};
}

} // namespace q417
