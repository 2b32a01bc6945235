#pragma once

#include <cstdint>

namespace q417 {

// How one read or write of a system setting went. Unavailable: the desktop in use does not keep
// that setting at all; the program then keeps its own value and says nothing. Failed: the desktop
// keeps it but the read or write went wrong; the user is warned.
enum class SettingOutcome : std::uint8_t { Done, Unavailable, Failed };

template <typename T> struct SettingRead {
    SettingOutcome outcome = SettingOutcome::Unavailable;
    T value{};
};

// The desktop's own pointer settings, in the desktop's units. One back end per desktop.
class PointerSettings {
public:
    static constexpr int kOneScreenPerNotch = -1; // wheel "lines" meaning a page per notch

    virtual ~PointerSettings() = default;

    virtual SettingRead<bool> readPrecision() = 0;        // pointer acceleration on
    virtual SettingRead<int> readSpeed() = 0;             // 1 (slowest) .. 20, 10 is neutral
    virtual SettingRead<int> readWheelLines() = 0;        // lines per notch, or kOneScreenPerNotch
    virtual SettingRead<int> readDoubleClickTimeMs() = 0; // milliseconds

    virtual SettingOutcome writePrecision(bool on) = 0;
    virtual SettingOutcome writeSpeed(int speed) = 0;
    virtual SettingOutcome writeWheelLines(int lines) = 0;
    virtual SettingOutcome writeDoubleClickTimeMs(int ms) = 0;
};

// For a desktop whose pointer settings the program cannot reach: every setting is unavailable.
class NoPointerSettings final : public PointerSettings {
public:
    SettingRead<bool> readPrecision() override { return {}; }
    SettingRead<int> readSpeed() override { return {}; }
    SettingRead<int> readWheelLines() override { return {}; }
    SettingRead<int> readDoubleClickTimeMs() override { return {}; }
    SettingOutcome writePrecision(bool) override { return SettingOutcome::Unavailable; }
    SettingOutcome writeSpeed(int) override { return SettingOutcome::Unavailable; }
    SettingOutcome writeWheelLines(int) override { return SettingOutcome::Unavailable; }
    SettingOutcome writeDoubleClickTimeMs(int) override { return SettingOutcome::Unavailable; }
};

} // namespace q417
