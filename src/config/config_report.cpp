#include "config/config_report.h"

#include "config/key_word.h"

#include <array>
#include <sstream>
#include <string_view>

namespace q417 {

namespace {

constexpr std::array<std::string_view, 16> kFunctionNames{
    "left click", "right click", "middle click", "forward",    "backward",  "triple click", "DPI switch", "RGB on/off",
    "launch key", "media key",   "fire key",     "single key", "combo key", "macro key",    "key off",    "none"};

std::string hex(unsigned v) {
    constexpr std::string_view digits = "0123456789abcdef";
    std::string s = "0x";
    s += digits[(v >> 4) & 0xF];
    s += digits[v & 0xF];
    return s;
}

template <std::size_t N> std::string list(const std::array<std::uint8_t, N>& values) {
    std::string s;
    for (std::size_t i = 0; i < N; ++i) {
        s += (i ? " " : "") + std::to_string(values[i]);
    }
    return s;
}

std::string describeButton(const MouseConfig& c, std::size_t mode, std::size_t b) {
    const KeyBank& k = c.banks[mode];
    const unsigned f = k.function[b];
    std::ostringstream os;
    os << f << " (" << (f < kFunctionNames.size() ? kFunctionNames[f] : std::string_view("none: out of range")) << ")";
    switch (static_cast<ButtonFunction>(f)) {
    case ButtonFunction::DpiSwitch:
        os << " variant " << unsigned{c.dpiSwitchMode[mode][b]};
        break;
    case ButtonFunction::WindowsKey:
        os << " row " << unsigned{k.launchIndex[b]} << " usage " << hex(k.launchCodeHigh[b])
           << hex(k.launchCodeLow[b]).substr(2);
        break;
    case ButtonFunction::MediaKey:
        os << " row " << unsigned{k.mediaIndex[b]} << " usage " << hex(k.mediaCode[b]);
        break;
    case ButtonFunction::FireKey:
        os << " row " << unsigned{k.fireKeyIndex[b]} << " key " << hex(k.fireKeyCode[b]) << " speed "
           << unsigned{k.fireSpeed[b]} << " times " << unsigned{k.fireTimes[b]};
        break;
    case ButtonFunction::SingleKey:
        os << " key " << hex(k.singleKeyCode[b]);
        break;
    case ButtonFunction::ComboKey:
        os << " modifiers " << hex(k.comboModifiers[b]) << " key1 " << hex(k.comboKey1[b]) << " key2 "
           << hex(k.comboKey2[b]);
        break;
    case ButtonFunction::MacroKey:
        os << " macro " << unsigned{k.macroNumber[b]} << " option " << unsigned{k.macroMode[b]} + 1;
        break;
    default:
        break;
    }
    const KeyWord word = encodeKeyWord(c, mode, b);
    os << ", word";
    for (const std::uint8_t byte : word) {
        os << ' ' << hex(byte).substr(2);
    }
    return os.str();
}

} // namespace

std::string describeConfig(const MouseConfig& c, std::uint8_t firstRunFlag) {
    std::ostringstream os;
    os << "firstRunFlag: " << unsigned{firstRunFlag} << '\n';
    os << "activeMode: " << unsigned{c.activeMode} << (c.activeMode ? " (Mode B)" : " (Mode A)") << '\n';
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            os << "mode " << (mode ? 'B' : 'A') << " button " << b + 1 << ": " << describeButton(c, mode, b) << '\n';
        }
    }
    os << "reportRate: " << unsigned{c.reportRate};
    switch (c.reportRate) {
    case 1:
        os << " (1000 Hz)";
        break;
    case 2:
        os << " (500 Hz)";
        break;
    case 4:
        os << " (250 Hz)";
        break;
    case 8:
        os << " (125 Hz)";
        break;
    default:
        os << " (unknown)";
        break;
    }
    os << '\n';
    for (std::size_t s = 0; s < kDpiStageCount; ++s) {
        const auto& rgb = c.dpiColor[s];
        os << "dpi stage " << s + 1 << ": level " << unsigned{c.dpiLevel[s]} << ", "
           << (c.dpiStageEnabled[s] ? "on" : "off") << ", colour " << unsigned{rgb[0]} << ' ' << unsigned{rgb[1]} << ' '
           << unsigned{rgb[2]} << '\n';
    }
    os << "ledMode: " << unsigned{c.ledMode} << '\n';
    os << "ledLevel: " << list(c.ledLevel) << '\n';
    os << "ledOptions: " << unsigned{c.ledOption1} << ' ' << unsigned{c.ledOption2} << ' ' << unsigned{c.ledOption3}
       << '\n';
    os << "enhancePointerPrecision: " << unsigned{c.enhancePointerPrecision} << '\n';
    os << "scrollOneScreen: " << unsigned{c.scrollOneScreen} << '\n';
    os << "pointerSpeedLevel: " << unsigned{c.pointerSpeedLevel} << '\n';
    os << "wheelScrollLines: " << unsigned{c.wheelScrollLines} << '\n';
    os << "doubleClickLevel: " << unsigned{c.doubleClickLevel} << '\n';
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        const MacroSlot& m = c.macroSlots[slot];
        std::size_t used = m.eventPairs.size();
        while (used > 0 && m.eventPairs[used - 1] == 0) {
            --used;
        }
        os << "macro slot " << slot + 1 << ": repeat " << m.repeats() << ", " << (used + 1) / 2 << " pairs\n";
    }
    return os.str();
}

} // namespace q417
