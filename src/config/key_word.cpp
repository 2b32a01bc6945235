#include "config/key_word.h"

namespace q417 {

namespace {

// Where one byte of a key word comes from.
enum class Source : std::uint8_t {
    Constant,     // `value`
    Field,        // the button's entry in `field`
    FieldPlusOne, // the same plus one, within eight bits (macro list row to device slot)
    DpiVariant,   // the button's dpiSwitchMode of the mode
    DpiShiftFlag, // 1 when that variant is "Shift DPI", else 0
};

struct ByteRule {
    Source source = Source::Constant;
    std::uint8_t value = 0;
    ButtonBytes KeyBank::*field = nullptr;
};

constexpr ByteRule fixed(std::uint8_t value) {
    return {Source::Constant, value, nullptr};
}
constexpr ByteRule from(ButtonBytes KeyBank::*field) {
    return {Source::Field, 0, field};
}
constexpr ByteRule fromPlusOne(ButtonBytes KeyBank::*field) {
    return {Source::FieldPlusOne, 0, field};
}
constexpr ByteRule dpiVariant() {
    return {Source::DpiVariant, 0, nullptr};
}
constexpr ByteRule dpiShiftFlag() {
    return {Source::DpiShiftFlag, 0, nullptr};
}

using WordRule = std::array<ByteRule, 4>;

// Indexed by ButtonFunction, 0..14.
constexpr auto kWordRules = std::to_array<WordRule>({
    {fixed(0x01), fixed(0x00), fixed(0xF0), fixed(0x00)}, // left click
    {fixed(0x01), fixed(0x00), fixed(0xF1), fixed(0x00)}, // right click
    {fixed(0x01), fixed(0x00), fixed(0xF2), fixed(0x00)}, // middle click
    {fixed(0x01), fixed(0x00), fixed(0xF4), fixed(0x00)}, // forward is mouse button 5
    {fixed(0x01), fixed(0x00), fixed(0xF3), fixed(0x00)}, // backward is mouse button 4
    {fixed(0x0A), fixed(0xF0), fixed(0x22), fixed(0x03)}, // triple click: left button auto-fired 3 times
    {fixed(0x07), fixed(0x00), dpiVariant(), dpiShiftFlag()},
    {fixed(0x08), fixed(0x00), fixed(0x03), fixed(0x00)}, // lighting on/off
    {fixed(0x03), fixed(0x00), from(&KeyBank::launchCodeLow), from(&KeyBank::launchCodeHigh)},
    {fixed(0x03), fixed(0x00), from(&KeyBank::mediaCode), fixed(0x00)},
    {fixed(0x0A), from(&KeyBank::fireKeyCode), from(&KeyBank::fireSpeed), from(&KeyBank::fireTimes)},
    {fixed(0x00), fixed(0x00), from(&KeyBank::singleKeyCode), fixed(0x00)},
    {fixed(0x00), from(&KeyBank::comboModifiers), from(&KeyBank::comboKey1), from(&KeyBank::comboKey2)},
    {fixed(0x09), from(&KeyBank::macroMode), fromPlusOne(&KeyBank::macroNumber), fixed(0x00)},
    {fixed(0x08), fixed(0x00), fixed(0x02), fixed(0x00)}, // key off
});
static_assert(kWordRules.size() == static_cast<std::size_t>(ButtonFunction::KeyOff) + 1);

std::uint8_t evaluate(const ByteRule& rule, const KeyBank& bank, std::uint8_t dpiSwitch, std::size_t button) {
    switch (rule.source) {
    case Source::Constant:
        return rule.value;
    case Source::Field:
        return (bank.*rule.field)[button];
    case Source::FieldPlusOne:
        return static_cast<std::uint8_t>((bank.*rule.field)[button] + 1U);
    case Source::DpiVariant:
        return dpiSwitch;
    case Source::DpiShiftFlag:
        return dpiSwitch == static_cast<std::uint8_t>(DpiSwitchVariant::Shift) ? 1 : 0;
    }
    return 0;
}

} // namespace

KeyWord encodeKeyWord(const MouseConfig& config, std::size_t mode, std::size_t button) {
    if (mode >= kModeCount || button >= kButtonCount) {
        return {};
    }
    const KeyBank& bank = config.banks[mode];
    const std::size_t function = bank.function[button];
    if (function >= kWordRules.size()) {
        return {};
    }
    const std::uint8_t dpiSwitch = config.dpiSwitchMode[mode][button];
    KeyWord word{};
    for (std::size_t i = 0; i < word.size(); ++i) {
        word[i] = evaluate(kWordRules[function][i], bank, dpiSwitch, button);
    }
    return word;
}

} // namespace q417
