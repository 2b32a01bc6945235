#pragma once

#include "platform/pointer_settings.h"

#include <array>
#include <cstddef>
#include <vector>

namespace q417::test {

// A desktop that keeps all four pointer settings in memory. Each setting's reads and writes can be
// made to fail or to be unavailable; every write asked for is recorded, whatever its outcome.
class MemoryPointerSettings final : public PointerSettings {
public:
    enum class Setting : std::size_t { Precision, Speed, WheelLines, DoubleClick };
    static constexpr std::size_t kSettingCount = 4;
    // What a failed read answers: nonsense the caller must not use.
    static constexpr int kFailedReadValue = 12345;

    struct Write {
        Setting setting;
        int value; // precision as 0 or 1
        bool operator==(const Write&) const = default;
    };

    bool precision = false;
    int speed = 10;
    int wheelLines = 3;
    int doubleClickMs = 500;

    std::array<SettingOutcome, kSettingCount> readOutcome{SettingOutcome::Done, SettingOutcome::Done,
                                                          SettingOutcome::Done, SettingOutcome::Done};
    std::array<SettingOutcome, kSettingCount> writeOutcome = readOutcome;
    std::vector<Write> writes;

    void setOutcome(Setting setting, SettingOutcome outcome) {
        readOutcome[index(setting)] = outcome;
        writeOutcome[index(setting)] = outcome;
    }
    void setAllOutcomes(SettingOutcome outcome) { readOutcome = writeOutcome = {outcome, outcome, outcome, outcome}; }
    // How many times the whole set was written (OK, Apply, Default each write all four).
    [[nodiscard]] std::size_t applyCount() const { return writes.size() / kSettingCount; }

    SettingRead<bool> readPrecision() override { return read(Setting::Precision, precision); }
    SettingRead<int> readSpeed() override { return read(Setting::Speed, speed); }
    SettingRead<int> readWheelLines() override { return read(Setting::WheelLines, wheelLines); }
    SettingRead<int> readDoubleClickTimeMs() override { return read(Setting::DoubleClick, doubleClickMs); }

    SettingOutcome writePrecision(bool on) override { return write(Setting::Precision, on ? 1 : 0, precision, on); }
    SettingOutcome writeSpeed(int value) override { return write(Setting::Speed, value, speed, value); }
    SettingOutcome writeWheelLines(int lines) override { return write(Setting::WheelLines, lines, wheelLines, lines); }
    SettingOutcome writeDoubleClickTimeMs(int ms) override {
        return write(Setting::DoubleClick, ms, doubleClickMs, ms);
    }

private:
    static std::size_t index(Setting setting) { return static_cast<std::size_t>(setting); }

    template <typename T> SettingRead<T> read(Setting setting, T value) const {
        const SettingOutcome outcome = readOutcome[index(setting)];
        if (outcome == SettingOutcome::Failed) {
            return {outcome, static_cast<T>(kFailedReadValue)};
        }
        return {outcome, outcome == SettingOutcome::Done ? value : T{}};
    }
    template <typename T> SettingOutcome write(Setting setting, int recorded, T& stored, T value) {
        writes.push_back({setting, recorded});
        const SettingOutcome outcome = writeOutcome[index(setting)];
        if (outcome == SettingOutcome::Done) {
            stored = value;
        }
        return outcome;
    }
};

} // namespace q417::test
