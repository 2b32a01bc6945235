#pragma once

#include "platform/kde_config_notifier.h"
#include "platform/pointer_settings.h"

#include <filesystem>
#include <memory>

namespace q417 {

// KDE Plasma keeps the pointer settings in its configuration files: kcminputrc's [Mouse] group the
// pointer acceleration (-1..1) and whether the acceleration profile is flat, kdeglobals' [KDE] group
// the wheel lines and the double-click interval. A missing file or key reads as Plasma's default.
// Plasma has no one-screen-per-notch scrolling: that one write is unavailable. Other keys and
// groups of the files stay as they are; after each write the running session is told.
class KdePointerSettings final : public PointerSettings {
public:
    // `configHome` is $XDG_CONFIG_HOME (~/.config). `notifier` null: Plasma's signals on the session bus.
    explicit KdePointerSettings(std::filesystem::path configHome,
                                std::unique_ptr<KdeConfigNotifier> notifier = nullptr);

    SettingRead<bool> readPrecision() override;
    SettingRead<int> readSpeed() override;
    SettingRead<int> readWheelLines() override;
    SettingRead<int> readDoubleClickTimeMs() override;

    SettingOutcome writePrecision(bool on) override;
    SettingOutcome writeSpeed(int speed) override;
    SettingOutcome writeWheelLines(int lines) override;
    SettingOutcome writeDoubleClickTimeMs(int ms) override;

private:
    std::filesystem::path configHome_;
    std::unique_ptr<KdeConfigNotifier> notifier_;
};

} // namespace q417
