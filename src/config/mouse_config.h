#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace q417 {

inline constexpr std::size_t kButtonCount = 12;   // per-button arrays; buttons 10 and 11 are never sent
inline constexpr std::size_t kMatrixButtons = 10; // the buttons the mouse's key matrix knows
inline constexpr std::size_t kMacroSlotCount = 12;
inline constexpr std::size_t kDpiStageCount = 4;
inline constexpr std::size_t kModeCount = 2; // Mode A, Mode B

using ButtonBytes = std::array<std::uint8_t, kButtonCount>;

// Function numbers of KeyBank::function: rows of the function list, plus 15 for "nothing".
enum class ButtonFunction : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MiddleClick = 2,
    Forward = 3,
    Backward = 4,
    TripleClick = 5,
    DpiSwitch = 6,
    RgbOnOff = 7,
    WindowsKey = 8, // a launch key of the consumer page
    MediaKey = 9,
    FireKey = 10,
    SingleKey = 11,
    ComboKey = 12,
    MacroKey = 13,
    KeyOff = 14,
    None = 15,
};

// DPI-switch variants kept in MouseConfig::dpiSwitchMode.
enum class DpiSwitchVariant : std::uint8_t { Up = 1, Down = 2, Loop = 3, Shift = 4 };

// What each button of one key mode does: sixteen arrays of one byte per button.
struct KeyBank {
    ButtonBytes function;       // ButtonFunction value; anything above 14 encodes as no function
    ButtonBytes mediaIndex;     // row of the media-key list
    ButtonBytes mediaCode;      // consumer usage of that row (high byte 0)
    ButtonBytes launchIndex;    // row of the launch-key list
    ButtonBytes launchCodeLow;  // consumer usage, low byte
    ButtonBytes launchCodeHigh; // consumer usage, high byte
    ButtonBytes fireKeyIndex;   // row of the fire-key list
    ButtonBytes fireKeyCode;    // keyboard usage, or 0xF0..0xF6 for mouse buttons and tilt
    ButtonBytes fireSpeed;      // 5..255, smaller is faster
    ButtonBytes fireTimes;      // shots; 0 repeats while held
    ButtonBytes singleKeyCode;  // keyboard usage
    ButtonBytes comboModifiers; // one modifier bit of the keyboard report
    ButtonBytes comboKey1;      // keyboard usage, 0 = none
    ButtonBytes comboKey2;      // keyboard usage, 0 = none
    ButtonBytes macroNumber;    // macro list row = device slot - 1
    ButtonBytes macroMode;      // playback option 1..3, stored minus 1
};

// One macro in the mouse's own encoding: a big-endian repeat count, then timing/code pairs.
struct MacroSlot {
    std::array<std::uint8_t, 2> repeatCount; // byte 0 is the high byte
    std::array<std::uint8_t, 126> eventPairs;

    [[nodiscard]] std::uint16_t repeats() const {
        return static_cast<std::uint16_t>((repeatCount[0] << 8) | repeatCount[1]);
    }
    void setRepeats(std::uint16_t n) {
        repeatCount[0] = static_cast<std::uint8_t>(n >> 8);
        repeatCount[1] = static_cast<std::uint8_t>(n & 0xFF);
    }
};

// Everything the user can set, as one flat record that config.bin holds byte for byte.
// Zero-filled when value-initialised: `MouseConfig config{};`.
struct MouseConfig {
    std::array<KeyBank, kModeCount> banks;
    std::array<MacroSlot, kMacroSlotCount> macroSlots;
    std::array<std::uint8_t, 5> reserved0; // kept as loaded; nothing reads it
    std::uint8_t reportRate;               // 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz
    std::uint8_t reserved1;
    std::array<std::uint8_t, kDpiStageCount> dpiLevel; // index into the sensor's DPI code table
    std::array<std::uint8_t, kDpiStageCount> dpiStageEnabled;
    std::array<std::array<std::uint8_t, 3>, kDpiStageCount> dpiColor; // red, green, blue
    std::uint8_t ledMode;                                             // 0 off, 1 standard, 2 respiration, 3 neon
    std::array<std::uint8_t, 3> ledLevel;                             // list index of the parameter of modes 1, 2, 3
    std::uint8_t ledOption1;                                          // always 1; never sent
    std::uint8_t ledOption2;                                          // 1 RGB effect, 2 RGB flash
    std::uint8_t ledOption3;                                          // 2 RGB flash, 3 RGB fixed on
    std::uint8_t reserved2;
    std::uint8_t enhancePointerPrecision; // 1 = on
    std::uint8_t scrollOneScreen;         // 1 = one screen per notch
    std::uint8_t pointerSpeedLevel;       // 1..11
    std::uint8_t wheelScrollLines;
    std::uint8_t doubleClickLevel;
    std::uint8_t activeMode;                           // 0 = Mode A is edited, else Mode B
    std::array<ButtonBytes, kModeCount> dpiSwitchMode; // DpiSwitchVariant per button and mode

    // The bank the pages show and edit.
    [[nodiscard]] std::size_t editedBankIndex() const { return activeMode != 0 ? 1 : 0; }
    KeyBank& editedBank() { return banks[editedBankIndex()]; }
    [[nodiscard]] const KeyBank& editedBank() const { return banks[editedBankIndex()]; }
};

static_assert(std::is_trivially_copyable_v<MouseConfig> && std::is_standard_layout_v<MouseConfig>);
static_assert(sizeof(KeyBank) == 192);
static_assert(offsetof(KeyBank, function) == 0 && offsetof(KeyBank, mediaIndex) == 12);
static_assert(offsetof(KeyBank, mediaCode) == 24 && offsetof(KeyBank, launchIndex) == 36);
static_assert(offsetof(KeyBank, launchCodeLow) == 48 && offsetof(KeyBank, launchCodeHigh) == 60);
static_assert(offsetof(KeyBank, fireKeyIndex) == 72 && offsetof(KeyBank, fireKeyCode) == 84);
static_assert(offsetof(KeyBank, fireSpeed) == 96 && offsetof(KeyBank, fireTimes) == 108);
static_assert(offsetof(KeyBank, singleKeyCode) == 120 && offsetof(KeyBank, comboModifiers) == 132);
static_assert(offsetof(KeyBank, comboKey1) == 144 && offsetof(KeyBank, comboKey2) == 156);
static_assert(offsetof(KeyBank, macroNumber) == 168 && offsetof(KeyBank, macroMode) == 180);
static_assert(sizeof(MacroSlot) == 128 && offsetof(MacroSlot, eventPairs) == 2);
static_assert(sizeof(MouseConfig) == 1985);
static_assert(offsetof(MouseConfig, banks) == 0 && offsetof(MouseConfig, macroSlots) == 384);
static_assert(offsetof(MouseConfig, reserved0) == 1920 && offsetof(MouseConfig, reportRate) == 1925);
static_assert(offsetof(MouseConfig, dpiLevel) == 1927 && offsetof(MouseConfig, dpiStageEnabled) == 1931);
static_assert(offsetof(MouseConfig, dpiColor) == 1935 && offsetof(MouseConfig, ledMode) == 1947);
static_assert(offsetof(MouseConfig, ledLevel) == 1948 && offsetof(MouseConfig, ledOption1) == 1951);
static_assert(offsetof(MouseConfig, ledOption2) == 1952 && offsetof(MouseConfig, ledOption3) == 1953);
static_assert(offsetof(MouseConfig, enhancePointerPrecision) == 1955);
static_assert(offsetof(MouseConfig, scrollOneScreen) == 1956 && offsetof(MouseConfig, pointerSpeedLevel) == 1957);
static_assert(offsetof(MouseConfig, wheelScrollLines) == 1958 && offsetof(MouseConfig, doubleClickLevel) == 1959);
static_assert(offsetof(MouseConfig, activeMode) == 1960 && offsetof(MouseConfig, dpiSwitchMode) == 1961);

// Sets the "Default" key assignments in both banks; nothing else is touched.
void resetKeyAssignments(MouseConfig& config);

// Default DPI levels for sensor kinds 0 and 2; any other kind leaves the levels as they are.
void resetDpiLevelsForSensor(MouseConfig& config, std::uint8_t sensorKind);

// The system pointer defaults of the advanced page.
void resetSystemMouseSettings(MouseConfig& config);

// The parameters a function choice brings with it; only those of the chosen function are used.
struct FunctionParameters {
    std::uint8_t mediaIndex = 0, mediaCode = 0;
    std::uint8_t launchIndex = 0, launchCodeLow = 0, launchCodeHigh = 0;
    std::uint8_t fireKeyIndex = 0, fireKeyCode = 0, fireSpeed = 0, fireTimes = 0;
    std::uint8_t singleKeyCode = 0;
    std::uint8_t comboModifiers = 0, comboKey1 = 0, comboKey2 = 0;
    std::uint8_t macroNumber = 0, macroMode = 0;
    std::uint8_t dpiSwitch = 0; // DpiSwitchVariant, for DPI switch
};

// Stores function `f` and its parameters into button `button` of the edited bank. Over a "Key Off"
// button the function goes to both banks, and so do its parameters, so that the other mode's label
// and key word agree. Returns whether the other bank changed too. Buttons past 11 are ignored.
bool storeButtonFunction(MouseConfig& config, std::size_t button, ButtonFunction f, const FunctionParameters& params);

} // namespace q417
