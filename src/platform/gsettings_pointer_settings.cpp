#include "platform/gsettings_pointer_settings.h"

#include "platform/libinput_speed.h"

#include <gio/gio.h>
#include <string>

namespace q417 {

namespace {

constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";

struct SettingsUnref {
    void operator()(GSettings* settings) const { g_object_unref(settings); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct StringFree {
    void operator()(gchar* text) const { g_free(text); }
};

SettingOutcome written(gboolean ok) {
    if (!ok) {
        return SettingOutcome::Failed; // the key is locked down by the administrator
    }
    g_settings_sync(); // so the value lands before anyone reads it back
    return SettingOutcome::Done;
}

} // namespace

struct GSettingsPointerSettings::Impl {
    std::unique_ptr<GSettingsSchema, SchemaUnref> schema;
    std::unique_ptr<GSettings, SettingsUnref> settings;

    // An older schema may lack a key; asking GSettings for it would abort the program.
    [[nodiscard]] bool has(const char* key) const {
        return settings != nullptr && g_settings_schema_has_key(schema.get(), key) != FALSE;
    }
};

GSettingsPointerSettings::GSettingsPointerSettings(_GSettingsBackend* backend, std::string_view schemaId)
    : impl_(std::make_unique<Impl>()) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return; // no schemas installed at all
    }
    // g_settings_new() aborts on a schema that is not installed: look it up first.
    const std::string id(schemaId);
    impl_->schema.reset(g_settings_schema_source_lookup(source, id.c_str(), TRUE));
    if (impl_->schema != nullptr) {
        impl_->settings.reset(g_settings_new_full(impl_->schema.get(), backend, nullptr));
    }
}

GSettingsPointerSettings::~GSettingsPointerSettings() = default;

bool GSettingsPointerSettings::available() const {
    return impl_->settings != nullptr;
}

SettingRead<bool> GSettingsPointerSettings::readPrecision() {
    if (!impl_->has(kProfileKey)) {
        return {};
    }
    // "default" is libinput's default for a mouse, which is the adaptive profile.
    const std::unique_ptr<gchar, StringFree> profile(g_settings_get_string(impl_->settings.get(), kProfileKey));
    return {SettingOutcome::Done, std::string_view(profile.get()) != "flat"};
}

SettingRead<int> GSettingsPointerSettings::readSpeed() {
    if (!impl_->has(kSpeedKey)) {
        return {};
    }
    return {SettingOutcome::Done, systemSpeedFromLibinput(g_settings_get_double(impl_->settings.get(), kSpeedKey))};
}

SettingRead<int> GSettingsPointerSettings::readWheelLines() {
    return {};
}

SettingRead<int> GSettingsPointerSettings::readDoubleClickTimeMs() {
    if (!impl_->has(kDoubleClickKey)) {
        return {};
    }
    return {SettingOutcome::Done, g_settings_get_int(impl_->settings.get(), kDoubleClickKey)};
}

SettingOutcome GSettingsPointerSettings::writePrecision(bool on) {
    if (!impl_->has(kProfileKey)) {
        return SettingOutcome::Unavailable;
    }
    return written(g_settings_set_string(impl_->settings.get(), kProfileKey, on ? "adaptive" : "flat"));
}

SettingOutcome GSettingsPointerSettings::writeSpeed(int speed) {
    if (!impl_->has(kSpeedKey)) {
        return SettingOutcome::Unavailable;
    }
    return written(g_settings_set_double(impl_->settings.get(), kSpeedKey, libinputSpeedFromSystem(speed)));
}

SettingOutcome GSettingsPointerSettings::writeWheelLines(int) {
    return SettingOutcome::Unavailable;
}

SettingOutcome GSettingsPointerSettings::writeDoubleClickTimeMs(int ms) {
    if (!impl_->has(kDoubleClickKey)) {
        return SettingOutcome::Unavailable;
    }
    return written(g_settings_set_int(impl_->settings.get(), kDoubleClickKey, ms));
}

} // namespace q417
