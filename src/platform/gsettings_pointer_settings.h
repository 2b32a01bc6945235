#pragma once

#include "platform/pointer_settings.h"

#include <memory>
#include <string_view>

// GLib's own type, declared here so that GLib's headers stay out of this one.
struct _GSettingsBackend; // NOLINT(bugprone-reserved-identifier)

namespace q417 {

// GNOME and the desktops built on its settings: the mouse's schema keeps the pointer speed, the
// acceleration profile and the double-click time. It keeps no wheel lines, so those are unavailable.
// Where the schema is not installed at all, every setting is unavailable.
class GSettingsPointerSettings final : public PointerSettings {
public:
    static constexpr std::string_view kMouseSchema = "org.gnome.desktop.peripherals.mouse";

    // `backend`: where the values live; null for the desktop's own store. Tests pass a memory
    // backend. `schemaId` is the mouse's schema except in tests of a missing one.
    explicit GSettingsPointerSettings(_GSettingsBackend* backend = nullptr, std::string_view schemaId = kMouseSchema);
    ~GSettingsPointerSettings() override;
    GSettingsPointerSettings(const GSettingsPointerSettings&) = delete;
    GSettingsPointerSettings& operator=(const GSettingsPointerSettings&) = delete;

    // Whether the schema was found.
    [[nodiscard]] bool available() const;

    SettingRead<bool> readPrecision() override;
    SettingRead<int> readSpeed() override;
    SettingRead<int> readWheelLines() override;
    SettingRead<int> readDoubleClickTimeMs() override;

    SettingOutcome writePrecision(bool on) override;
    SettingOutcome writeSpeed(int speed) override;
    SettingOutcome writeWheelLines(int lines) override;
    SettingOutcome writeDoubleClickTimeMs(int ms) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace q417
