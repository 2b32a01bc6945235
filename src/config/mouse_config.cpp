#include "config/mouse_config.h"

namespace q417 {

namespace {

struct DefaultAssignment {
    ButtonFunction function;
    std::uint8_t dpiSwitch; // 0 = leave dpiSwitchMode alone
};

constexpr std::array<DefaultAssignment, kButtonCount> kDefaultAssignments{{
    {ButtonFunction::LeftClick, 0},
    {ButtonFunction::RightClick, 0},
    {ButtonFunction::MiddleClick, 0},
    {ButtonFunction::Forward, 0},
    {ButtonFunction::Backward, 0},
    {ButtonFunction::DpiSwitch, static_cast<std::uint8_t>(DpiSwitchVariant::Loop)},
    {ButtonFunction::TripleClick, 0},
    {ButtonFunction::DpiSwitch, static_cast<std::uint8_t>(DpiSwitchVariant::Shift)},
    {ButtonFunction::ComboKey, 0},
    {ButtonFunction::RgbOnOff, 0},
    {ButtonFunction::None, 0},
    {ButtonFunction::None, 0},
}};

constexpr std::size_t kWinDButton = 8;
constexpr std::uint8_t kLeftWinBit = 0x08;
constexpr std::uint8_t kUsageD = 0x07;

// Writes the parameters that belong to `f` into one bank; the others keep what they hold.
void storeParameters(MouseConfig& config, std::size_t bankIndex, std::size_t button, ButtonFunction f,
                     const FunctionParameters& p) {
    KeyBank& bank = config.banks[bankIndex];
    switch (f) {
    case ButtonFunction::DpiSwitch:
        config.dpiSwitchMode[bankIndex][button] = p.dpiSwitch;
        break;
    case ButtonFunction::WindowsKey:
        bank.launchIndex[button] = p.launchIndex;
        bank.launchCodeLow[button] = p.launchCodeLow;
        bank.launchCodeHigh[button] = p.launchCodeHigh;
        break;
    case ButtonFunction::MediaKey:
        bank.mediaIndex[button] = p.mediaIndex;
        bank.mediaCode[button] = p.mediaCode;
        break;
    case ButtonFunction::FireKey:
        bank.fireKeyIndex[button] = p.fireKeyIndex;
        bank.fireKeyCode[button] = p.fireKeyCode;
        bank.fireSpeed[button] = p.fireSpeed;
        bank.fireTimes[button] = p.fireTimes;
        break;
    case ButtonFunction::SingleKey:
        bank.singleKeyCode[button] = p.singleKeyCode;
        break;
    case ButtonFunction::ComboKey:
        bank.comboModifiers[button] = p.comboModifiers;
        bank.comboKey1[button] = p.comboKey1;
        bank.comboKey2[button] = p.comboKey2;
        break;
    case ButtonFunction::MacroKey:
        bank.macroNumber[button] = p.macroNumber;
        bank.macroMode[button] = p.macroMode;
        break;
    default: // the other functions carry no parameters
        break;
    }
    bank.function[button] = static_cast<std::uint8_t>(f);
}

} // namespace

void resetKeyAssignments(MouseConfig& config) {
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            const DefaultAssignment& d = kDefaultAssignments[button];
            config.banks[mode].function[button] = static_cast<std::uint8_t>(d.function);
            if (d.dpiSwitch != 0) {
                config.dpiSwitchMode[mode][button] = d.dpiSwitch;
            }
        }
        config.banks[mode].comboModifiers[kWinDButton] = kLeftWinBit;
        config.banks[mode].comboKey1[kWinDButton] = kUsageD;
    }
}

void resetDpiLevelsForSensor(MouseConfig& config, std::uint8_t sensorKind) {
    if (sensorKind == 0) {
        config.dpiLevel = {1, 4, 7, 10};
    } else if (sensorKind == 2) {
        config.dpiLevel = {1, 3, 5, 7};
    }
}

void resetSystemMouseSettings(MouseConfig& config) {
    config.enhancePointerPrecision = 0;
    config.scrollOneScreen = 0;
    config.pointerSpeedLevel = 6;
    config.wheelScrollLines = 3;
    config.doubleClickLevel = 6;
}

bool storeButtonFunction(MouseConfig& config, std::size_t button, ButtonFunction f, const FunctionParameters& params) {
    if (button >= kButtonCount) {
        return false;
    }
    const std::size_t edited = config.editedBankIndex();
    const bool overKeyOff = config.banks[edited].function[button] == static_cast<std::uint8_t>(ButtonFunction::KeyOff);
    storeParameters(config, edited, button, f, params);
    if (overKeyOff) {
        storeParameters(config, 1 - edited, button, f, params);
    }
    return overKeyOff;
}

} // namespace q417
