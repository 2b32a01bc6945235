#include "platform/evdev_key_names.h"

#include <array>
#include <linux/input-event-codes.h>
#include <optional>

namespace q417 {

namespace {

struct NamedKey {
    std::uint32_t code;
    std::string_view name;
};

struct NamedQtKey {
    int key;
    std::string_view name;
};

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";
constexpr std::array<std::string_view, 12> kFunctionKeyNames{"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                             "F7", "F8", "F9", "F10", "F11", "F12"};

// Every key of the key-name table by its evdev code. The non-US hash key has no code of its own:
// the kernel reports it as KEY_BACKSLASH, the same usage on every host. A few keys outside the
// table get names here too, so that a layout symbol on them can never pass for a table key.
constexpr auto kEvdevNames = std::to_array<NamedKey>({
    {KEY_A, "A"},
    {KEY_B, "B"},
    {KEY_C, "C"},
    {KEY_D, "D"},
    {KEY_E, "E"},
    {KEY_F, "F"},
    {KEY_G, "G"},
    {KEY_H, "H"},
    {KEY_I, "I"},
    {KEY_J, "J"},
    {KEY_K, "K"},
    {KEY_L, "L"},
    {KEY_M, "M"},
    {KEY_N, "N"},
    {KEY_O, "O"},
    {KEY_P, "P"},
    {KEY_Q, "Q"},
    {KEY_R, "R"},
    {KEY_S, "S"},
    {KEY_T, "T"},
    {KEY_U, "U"},
    {KEY_V, "V"},
    {KEY_W, "W"},
    {KEY_X, "X"},
    {KEY_Y, "Y"},
    {KEY_Z, "Z"},
    {KEY_1, "1"},
    {KEY_2, "2"},
    {KEY_3, "3"},
    {KEY_4, "4"},
    {KEY_5, "5"},
    {KEY_6, "6"},
    {KEY_7, "7"},
    {KEY_8, "8"},
    {KEY_9, "9"},
    {KEY_0, "0"},
    {KEY_ENTER, "Enter"},
    {KEY_ESC, "Esc"},
    {KEY_BACKSPACE, "Backspace"},
    {KEY_TAB, "Tab"},
    {KEY_SPACE, "Space"},
    {KEY_MINUS, "-"},
    {KEY_EQUAL, "="},
    {KEY_LEFTBRACE, "["},
    {KEY_RIGHTBRACE, "]"},
    {KEY_BACKSLASH, "\\"},
    {KEY_SEMICOLON, ";"},
    {KEY_APOSTROPHE, "'"},
    {KEY_GRAVE, "`"},
    {KEY_COMMA, ","},
    {KEY_DOT, "."},
    {KEY_SLASH, "/"},
    {KEY_CAPSLOCK, "Caps Lock"},
    {KEY_F1, "F1"},
    {KEY_F2, "F2"},
    {KEY_F3, "F3"},
    {KEY_F4, "F4"},
    {KEY_F5, "F5"},
    {KEY_F6, "F6"},
    {KEY_F7, "F7"},
    {KEY_F8, "F8"},
    {KEY_F9, "F9"},
    {KEY_F10, "F10"},
    {KEY_F11, "F11"},
    {KEY_F12, "F12"},
    {KEY_SYSRQ, "Prnt Scrn"},
    {KEY_SCROLLLOCK, "Scroll Lock"},
    {KEY_PAUSE, "Pause"},
    {KEY_INSERT, "Insert"},
    {KEY_HOME, "Home"},
    {KEY_PAGEUP, "Page Up"},
    {KEY_DELETE, "Delete"},
    {KEY_END, "End"},
    {KEY_PAGEDOWN, "Page Down"},
    {KEY_RIGHT, "Right"},
    {KEY_LEFT, "Left"},
    {KEY_DOWN, "Down"},
    {KEY_UP, "Up"},
    {KEY_NUMLOCK, "Num Lock"},
    {KEY_KPSLASH, "Num /"},
    {KEY_KPASTERISK, "Num *"},
    {KEY_KPMINUS, "Num -"},
    {KEY_KPPLUS, "Num +"},
    {KEY_KPENTER, "Num Enter"},
    {KEY_KP1, "Num 1"},
    {KEY_KP2, "Num 2"},
    {KEY_KP3, "Num 3"},
    {KEY_KP4, "Num 4"},
    {KEY_KP5, "Num 5"},
    {KEY_KP6, "Num 6"},
    {KEY_KP7, "Num 7"},
    {KEY_KP8, "Num 8"},
    {KEY_KP9, "Num 9"},
    {KEY_KP0, "Num 0"},
    {KEY_KPDOT, "Num Del"},
    {KEY_LEFTCTRL, "Ctrl"},
    {KEY_LEFTSHIFT, "Shift"},
    {KEY_LEFTALT, "Alt"},
    {KEY_LEFTMETA, "Left Windows"},
    {KEY_RIGHTCTRL, "Right Ctrl"},
    {KEY_RIGHTSHIFT, "Right Shift"},
    {KEY_RIGHTALT, "Right Alt"},
    {KEY_RIGHTMETA, "Right Windows"},
    // Outside the key-name table: they label the button and give no usage.
    {KEY_102ND, "Non-US \\"},
    {KEY_RO, "Ro"},
    {KEY_YEN, "Yen"},
    {KEY_KPEQUAL, "Num ="},
    {KEY_KPCOMMA, "Num ,"},
    {KEY_KPJPCOMMA, "Num Jp ,"},
    {KEY_COMPOSE, "Application"},
    {KEY_F13, "F13"},
    {KEY_F14, "F14"},
    {KEY_F15, "F15"},
    {KEY_F16, "F16"},
    {KEY_F17, "F17"},
    {KEY_F18, "F18"},
    {KEY_F19, "F19"},
    {KEY_F20, "F20"},
    {KEY_F21, "F21"},
    {KEY_F22, "F22"},
    {KEY_F23, "F23"},
    {KEY_F24, "F24"},
});

// A repeated code would leave the later name unreachable.
constexpr bool codesAreUnique() {
    for (std::size_t i = 0; i < kEvdevNames.size(); ++i) {
        for (std::size_t j = i + 1; j < kEvdevNames.size(); ++j) {
            if (kEvdevNames[i].code == kEvdevNames[j].code) {
                return false;
            }
        }
    }
    return true;
}
static_assert(codesAreUnique());

// Key codes of the toolkit (Qt::Key), which this layer cannot include; the values are part of the
// toolkit's stable interface. Letters, digits and printable symbols are their ASCII codes.
constexpr int kQtF1 = 0x01000030;
constexpr int kQtKeyA = 'A';
constexpr int kQtKey0 = '0';

// Keys that the keypad flag renames: the keypad's digits, and the same keys without Num Lock.
constexpr auto kQtKeypadNames = std::to_array<NamedQtKey>({
    {0x01000006, "Num 0"},   // Insert
    {0x01000011, "Num 1"},   // End
    {0x01000015, "Num 2"},   // Down
    {0x01000017, "Num 3"},   // PageDown
    {0x01000012, "Num 4"},   // Left
    {0x0100000b, "Num 5"},   // Clear
    {0x01000014, "Num 6"},   // Right
    {0x01000010, "Num 7"},   // Home
    {0x01000013, "Num 8"},   // Up
    {0x01000016, "Num 9"},   // PageUp
    {0x01000007, "Num Del"}, // Delete
    {'.', "Num Del"},
    {',', "Num Del"}, // the decimal key of layouts with a decimal comma
    {'/', "Num /"},
    {'*', "Num *"},
    {'-', "Num -"},
    {'+', "Num +"},
});

constexpr auto kQtNames = std::to_array<NamedQtKey>({
    {0x01000000, "Esc"},
    {0x01000001, "Tab"},
    {0x01000002, "Tab"}, // Backtab: Shift+Tab
    {0x01000003, "Backspace"},
    {0x01000004, "Enter"},     // Return
    {0x01000005, "Num Enter"}, // the keypad's Enter,
    {0x01000006, "Insert"},
    {0x01000007, "Delete"},
    {0x01000008, "Pause"},
    {0x01000009, "Prnt Scrn"}, // Print
    {0x0100000a, "Prnt Scrn"}, // SysReq: Alt+Print
    {0x01000010, "Home"},
    {0x01000011, "End"},
    {0x01000012, "Left"},
    {0x01000013, "Up"},
    {0x01000014, "Right"},
    {0x01000015, "Down"},
    {0x01000016, "Page Up"},
    {0x01000017, "Page Down"},
    {0x01000020, "Shift"},
    {0x01000021, "Ctrl"},
    {0x01000022, "Left Windows"}, // Meta
    {0x01000023, "Alt"},
    {0x01001103, "Right Alt"}, // AltGr
    {0x01000024, "Caps Lock"},
    {0x01000025, "Num Lock"},
    {0x01000026, "Scroll Lock"},
    {0x01000053, "Left Windows"},  // Super_L
    {0x01000054, "Right Windows"}, // Super_R
    {' ', "Space"},
    {'-', "-"},
    {'=', "="},
    {'[', "["},
    {']', "]"},
    {'\\', "\\"},
    {';', ";"},
    {'\'', "'"},
    {'`', "`"},
    {',', ","},
    {'.', "."},
    {'/', "/"},
});

constexpr std::string_view findEvdev(std::uint32_t code) {
    for (const NamedKey& entry : kEvdevNames) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return {};
}

constexpr std::string_view findQt(const auto& table, int key) {
    for (const NamedQtKey& entry : table) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    return {};
}

} // namespace

std::string EvdevKeyNames::keyName(std::uint32_t nativeScanCode, int qtKey, bool keypad) const {
    // A real keyboard is named by its key alone: a key this table lacks stays unnamed rather than
    // being named after whatever symbol the layout puts on it.
    if (nativeScanCode >= kNativeOffset) {
        return std::string(evdevName(nativeScanCode - kNativeOffset));
    }
    return std::string(qtKeyName(qtKey, keypad));
}

std::string_view EvdevKeyNames::evdevName(std::uint32_t code) {
    return findEvdev(code);
}

std::string_view EvdevKeyNames::qtKeyName(int qtKey, bool keypad) {
    const auto offsetIn = [qtKey](int first, std::size_t count) -> std::optional<std::size_t> {
        if (qtKey < first || qtKey - first >= static_cast<int>(count)) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(qtKey - first);
    };
    if (const auto letter = offsetIn(kQtKeyA, kLetters.size())) {
        return kLetters.substr(*letter, 1);
    }
    if (const auto digit = offsetIn(kQtKey0, kDigits.size())) {
        constexpr std::array<std::string_view, 10> kKeypadDigits{"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                                                 "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
        return keypad ? kKeypadDigits[*digit] : kDigits.substr(*digit, 1);
    }
    if (const auto function = offsetIn(kQtF1, kFunctionKeyNames.size())) {
        return kFunctionKeyNames[*function];
    }
    if (keypad) {
        if (const std::string_view name = findQt(kQtKeypadNames, qtKey); !name.empty()) {
            return name;
        }
    }
    return findQt(kQtNames, qtKey);
}

} // namespace q417
