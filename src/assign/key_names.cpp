#include "assign/key_names.h"

#include <algorithm>
#include <array>

namespace q417 {

namespace {

struct NamedCode {
    std::string_view name;
    std::uint8_t code = 0;
};

// Lookups return the first equal name, so a duplicate would silently shadow a later entry.
constexpr bool namesAreUnique(const auto& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].name == table[j].name) {
                return false;
            }
        }
    }
    return true;
}

// Both the key-name table and the fire-key list begin with the letters and the digit row.
constexpr auto kLettersAndDigits = std::to_array<NamedCode>({
    {"A", 0x04}, {"B", 0x05}, {"C", 0x06}, {"D", 0x07}, {"E", 0x08}, {"F", 0x09}, {"G", 0x0A}, {"H", 0x0B}, {"I", 0x0C},
    {"J", 0x0D}, {"K", 0x0E}, {"L", 0x0F}, {"M", 0x10}, {"N", 0x11}, {"O", 0x12}, {"P", 0x13}, {"Q", 0x14}, {"R", 0x15},
    {"S", 0x16}, {"T", 0x17}, {"U", 0x18}, {"V", 0x19}, {"W", 0x1A}, {"X", 0x1B}, {"Y", 0x1C}, {"Z", 0x1D}, {"1", 0x1E},
    {"2", 0x1F}, {"3", 0x20}, {"4", 0x21}, {"5", 0x22}, {"6", 0x23}, {"7", 0x24}, {"8", 0x25}, {"9", 0x26}, {"0", 0x27},
});

// The twelve function keys, in both tables too.
constexpr auto kFunctionKeys = std::to_array<NamedCode>({
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
});

template <std::size_t... N> constexpr auto joined(const std::array<NamedCode, N>&... parts) {
    std::array<NamedCode, (N + ...)> out{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + static_cast<std::ptrdiff_t>(at)), at += parts.size()), ...);
    return out;
}

// Names as an English keyboard layout reports them; codes are HID Keyboard/Keypad usages, except
// the mouse's own button codes at the end.
constexpr auto kKeyNames = joined(kLettersAndDigits,
                                  std::to_array<NamedCode>({
                                      // main block punctuation and editing keys; 0x32 is the non-US hash key
                                      {"Enter", 0x28},
                                      {"Esc", 0x29},
                                      {"Backspace", 0x2A},
                                      {"Tab", 0x2B},
                                      {"Space", 0x2C},
                                      {"-", 0x2D},
                                      {"=", 0x2E},
                                      {"[", 0x2F},
                                      {"]", 0x30},
                                      {"\\", 0x31},
                                      {"Eurpo(Note 2)", 0x32},
                                      {";", 0x33},
                                      {"'", 0x34},
                                      {"`", 0x35},
                                      {",", 0x36},
                                      {".", 0x37},
                                      {"/", 0x38},
                                      {"Caps Lock", 0x39},
                                  }),
                                  kFunctionKeys,
                                  std::to_array<NamedCode>({
                                      // navigation block
                                      {"Prnt Scrn", 0x46},
                                      {"Scroll Lock", 0x47},
                                      {"Pause", 0x48},
                                      {"Insert", 0x49},
                                      {"Home", 0x4A},
                                      {"Page Up", 0x4B},
                                      {"Delete", 0x4C},
                                      {"End", 0x4D},
                                      {"Page Down", 0x4E},
                                      {"Right", 0x4F},
                                      {"Left", 0x50},
                                      {"Down", 0x51},
                                      {"Up", 0x52},
                                      // keypad operators
                                      {"Num Lock", 0x53},
                                      {"Num /", 0x54},
                                      {"Num *", 0x55},
                                      {"Num -", 0x56},
                                      {"Num +", 0x57},
                                      {"Num Enter", 0x58},
                                      // keypad digits
                                      {"Num 1", 0x59},
                                      {"Num 2", 0x5A},
                                      {"Num 3", 0x5B},
                                      {"Num 4", 0x5C},
                                      {"Num 5", 0x5D},
                                      {"Num 6", 0x5E},
                                      {"Num 7", 0x5F},
                                      {"Num 8", 0x60},
                                      {"Num 9", 0x61},
                                      {"Num 0", 0x62},
                                      {"Num Del", 0x63},
                                      // modifier keys as keys; the unqualified names are the left ones
                                      {"Ctrl", 0xE0},
                                      {"Shift", 0xE1},
                                      {"Alt", 0xE2},
                                      {"Left Windows", 0xE3},
                                      {"Right Ctrl", 0xE4},
                                      {"Right Shift", 0xE5},
                                      {"Right Alt", 0xE6},
                                      {"Right Windows", 0xE7},
                                      // mouse buttons
                                      {"L-Button", 0xF0},
                                      {"R-Button", 0xF1},
                                      {"M-Button", 0xF2},
                                  }));
static_assert(kKeyNames.size() == kKeyNameCount);
static_assert(namesAreUnique(kKeyNames));

// In the combo dialog's list order. Separate from the key names: "Right Ctrl" is a bit here and a usage there.
constexpr auto kModifiers = std::to_array<NamedCode>({
    {"Left Ctrl", 0x01},
    {"Left Shift", 0x02},
    {"Left Alt", 0x04},
    {"Left Win", 0x08},
    {"Right Ctrl", 0x10},
    {"Right Shift", 0x20},
    {"Right Alt", 0x40},
    {"Right Win", 0x80},
});
static_assert(kModifiers.size() == kModifierCount);
static_assert(namesAreUnique(kModifiers));

// The fire-key dialog's list; the row is stored as fireKeyIndex, the code as fireKeyCode.
// Rows 0 to 35 are the letters and the digit row, rows 42 to 53 the function keys.
constexpr auto kFireKeys = joined(kLettersAndDigits,
                                  std::to_array<NamedCode>({
                                      // rows 36-41: modifiers as keys
                                      {"L-CTRL", 0xE0},
                                      {"L-SHIFT", 0xE1},
                                      {"L-ALT", 0xE2},
                                      {"R-CTRL", 0xE4},
                                      {"R-SHIFT", 0xE5},
                                      {"R-ALT", 0xE6},
                                  }),
                                  kFunctionKeys,
                                  std::to_array<NamedCode>({
                                      // rows 54-60: mouse buttons and wheel tilt
                                      {"L-Button", 0xF0},
                                      {"R-Button", 0xF1},
                                      {"M-Button", 0xF2},
                                      {"B4-Button", 0xF3},
                                      {"B5-Button", 0xF4},
                                      {"L-Tilt Wheel", 0xF5},
                                      {"R-Tilt Wheel", 0xF6},
                                  }));
static_assert(kFireKeys.size() == kFireKeyRowCount);
static_assert(namesAreUnique(kFireKeys));

constexpr std::uint8_t codeOfName(const auto& table, std::string_view name) {
    for (const NamedCode& entry : table) {
        if (entry.name == name) {
            return entry.code;
        }
    }
    return 0;
}

} // namespace

std::uint8_t keyNameToUsage(std::string_view name) {
    return codeOfName(kKeyNames, name);
}

std::string_view usageKeyName(std::uint8_t usage) {
    if (usage == 0) {
        return {};
    }
    for (const NamedCode& entry : kKeyNames) {
        if (entry.code == usage) {
            return entry.name;
        }
    }
    return {};
}

std::uint8_t modifierNameToBit(std::string_view name) {
    return codeOfName(kModifiers, name);
}

std::string_view modifierName(std::size_t row) {
    return row < kModifiers.size() ? kModifiers[row].name : "";
}

std::uint8_t fireKeyCode(std::size_t row) {
    return row < kFireKeys.size() ? kFireKeys[row].code : 0;
}

std::string_view fireKeyName(std::size_t row) {
    return row < kFireKeys.size() ? kFireKeys[row].name : "";
}

} // namespace q417
