#include "config/system_pointer.h"

#include <algorithm>
#include <cstdint>

namespace q417 {

namespace {

constexpr int kMinLevel = 1;
constexpr int kMaxLevel = 11;
constexpr int kMinSystemSpeed = 1;
constexpr int kMaxSystemSpeed = 20;
constexpr const char* kWarning = "Warning";

// A record from elsewhere may hold any byte; the rows only mean 1..11.
int keptLevel(int level) {
    return std::clamp(level, kMinLevel, kMaxLevel);
}

// The four values the system is given, in the system's units.
struct SystemValues {
    bool precision;
    int speed;
    int wheelLines;
    int doubleClickMs;
};

void warnIfFailed(SettingOutcome outcome, MessageSink& messages, const char* text) {
    if (outcome == SettingOutcome::Failed) {
        messages.showMessage(text, kWarning);
    }
}

// Each step runs whatever became of the one before; a setting the desktop does not keep is skipped
// without a word.
void writeSystem(PointerSettings& system, MessageSink& messages, const SystemValues& values) {
    warnIfFailed(system.writePrecision(values.precision), messages, "SETMOUSE failed.");
    warnIfFailed(system.writeSpeed(values.speed), messages, "SETMOUSESPEED failed.");
    warnIfFailed(system.writeWheelLines(values.wheelLines), messages, "SETWHEELSCROLLLINES failed.");
    warnIfFailed(system.writeDoubleClickTimeMs(values.doubleClickMs), messages, "SPI_SETDOUBLECLICKTIME failed.");
}

std::uint8_t toByte(int value) {
    return static_cast<std::uint8_t>(value); // the record keeps the low byte, as the system's own call does
}

} // namespace

int speedLevelFromSystem(int speed) {
    return std::clamp(speed, kMinSystemSpeed, kMaxSystemSpeed) / 2 + 1;
}

int systemSpeedFromLevel(int level) {
    const int kept = keptLevel(level);
    return kept == 1 ? 1 : kept * 2 - 2;
}

int doubleClickLevelFromSystem(int ms) {
    // Unsigned on purpose: a time above 900 ms wraps round and its level is whatever byte results.
    const std::uint32_t level = (900U - static_cast<std::uint32_t>(ms)) / 70U + 1U;
    return static_cast<int>(level & 0xFFU);
}

int systemDoubleClickFromLevel(int level) {
    return 970 - 70 * keptLevel(level);
}

void readSystemMouseSettings(PointerSettings& system, MessageSink& messages, MouseConfig& config) {
    // A failed read of the mouse values counts as no acceleration, without a word.
    const SettingRead<bool> precision = system.readPrecision();
    if (precision.outcome != SettingOutcome::Unavailable) {
        config.enhancePointerPrecision = precision.outcome == SettingOutcome::Done && precision.value ? 1 : 0;
    }

    // A failed speed read keeps the level the record had.
    const SettingRead<int> speed = system.readSpeed();
    warnIfFailed(speed.outcome, messages, "GETMOUSESPEED failed.");
    if (speed.outcome == SettingOutcome::Done) {
        config.pointerSpeedLevel = toByte(speedLevelFromSystem(speed.value));
    }

    const SettingRead<int> wheel = system.readWheelLines();
    warnIfFailed(wheel.outcome, messages, "GETWHEELSCROLLLINES failed.");
    // A failed read keeps the record's wheel setting: taking it as 0 lines would turn the user's
    // wheel down to a single line at the next Apply.
    if (wheel.outcome == SettingOutcome::Done) {
        const int lines = wheel.value;
        const bool oneScreen = lines == PointerSettings::kOneScreenPerNotch;
        config.scrollOneScreen = oneScreen ? 1 : 0;
        config.wheelScrollLines = oneScreen ? 0 : toByte(lines);
    }

    // A failed read keeps the record's level: taken as 0 ms it would become the fastest
    // double-click the rows allow (200 ms) at the next Apply.
    const SettingRead<int> doubleClick = system.readDoubleClickTimeMs();
    warnIfFailed(doubleClick.outcome, messages, "GetDoubleClickTime failed.");
    if (doubleClick.outcome == SettingOutcome::Done) {
        config.doubleClickLevel = toByte(doubleClickLevelFromSystem(doubleClick.value));
    }
}

void applySystemMouseSettings(PointerSettings& system, MessageSink& messages, const MouseConfig& config) {
    const int wheelLines =
        config.scrollOneScreen == 1 ? PointerSettings::kOneScreenPerNotch : keptLevel(config.wheelScrollLines);
    writeSystem(system, messages,
                {config.enhancePointerPrecision == 1, systemSpeedFromLevel(config.pointerSpeedLevel), wheelLines,
                 systemDoubleClickFromLevel(config.doubleClickLevel)});
}

void restoreSystemDefaults(PointerSettings& system, MessageSink& messages, MouseConfig& config) {
    writeSystem(system, messages, {false, 10, 3, 500});
    resetSystemMouseSettings(config);
}

} // namespace q417
