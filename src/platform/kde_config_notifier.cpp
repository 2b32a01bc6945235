#include "platform/kde_config_notifier.h"

#include <cstdlib>
#include <filesystem>
#include <gio/gio.h>

namespace q417 {

namespace {

bool hasText(const char* value) {
    return value != nullptr && *value != '\0';
}

// Only a bus that is already there: asking GIO for one where none is known may start a new one.
GDBusConnection* openSessionBus() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    const bool known = hasText(std::getenv("DBUS_SESSION_BUS_ADDRESS")) ||
                       (hasText(runtimeDir) && std::filesystem::exists(std::filesystem::path(runtimeDir) / "bus", ec));
    if (!known) {
        return nullptr;
    }
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    g_clear_error(&error);
    return bus;
}

// A key's name as Plasma sends it: the bytes of the name, without a closing zero.
GVariant* byteName(const std::string& name) {
    return g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, name.data(), name.size(), 1);
}

// Sends one signal and consumes the floating `parameters`, whether or not there is a bus.
void emitSignal(GDBusConnection* bus, const char* path, const char* interface, const char* member,
                GVariant* parameters) {
    GVariant* const params = g_variant_ref_sink(parameters);
    if (bus != nullptr) {
        GError* error = nullptr;
        // Flushed at once, so a program closed right after Apply still has its signal out.
        if (g_dbus_connection_emit_signal(bus, nullptr, path, interface, member, params, &error) != FALSE) {
            g_dbus_connection_flush_sync(bus, nullptr, nullptr);
        }
        g_clear_error(&error);
    }
    g_variant_unref(params);
}

} // namespace

void DbusKdeConfigNotifier::BusUnref::operator()(_GDBusConnection* bus) const {
    g_object_unref(bus);
}

DbusKdeConfigNotifier::DbusKdeConfigNotifier() = default;
DbusKdeConfigNotifier::~DbusKdeConfigNotifier() = default;

_GDBusConnection* DbusKdeConfigNotifier::bus() {
    if (!busTried_) {
        busTried_ = true;
        bus_.reset(openSessionBus());
    }
    return bus_.get();
}

void DbusKdeConfigNotifier::configChanged(std::string_view file, std::string_view group,
                                          const std::vector<std::string>& keys) {
    // a{saay}: each changed group with the names of its changed keys.
    GVariantBuilder names;
    g_variant_builder_init(&names, G_VARIANT_TYPE("aay"));
    for (const std::string& key : keys) {
        g_variant_builder_add_value(&names, byteName(key));
    }
    GVariantBuilder groups;
    g_variant_builder_init(&groups, G_VARIANT_TYPE("a{saay}"));
    const std::string groupName(group);
    g_variant_builder_add(&groups, "{s@aay}", groupName.c_str(), g_variant_builder_end(&names));
    const std::string path = "/" + std::string(file);
    emitSignal(bus(), path.c_str(), "org.kde.kconfig.notify", "ConfigChanged", g_variant_new("(a{saay})", &groups));
}

void DbusKdeConfigNotifier::globalMouseSettingsChanged() {
    constexpr int kSettingsChanged = 3;
    constexpr int kMouseSettings = 0;
    emitSignal(bus(), "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
               g_variant_new("(ii)", kSettingsChanged, kMouseSettings));
}

} // namespace q417
