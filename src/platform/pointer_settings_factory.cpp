#include "platform/pointer_settings_factory.h"

#include "platform/gsettings_pointer_settings.h"
#include "platform/kde_pointer_settings.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace q417 {

namespace {

// Desktops that keep the mouse in GNOME's own schema.
constexpr std::array<std::string_view, 6> kGnomeFamily{"GNOME", "GNOME-Flashback", "GNOME-Classic",
                                                       "Unity", "Budgie",          "Pantheon"};

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

PointerBackendKind kindOfName(std::string_view name) {
    if (sameName(name, "KDE")) {
        return PointerBackendKind::Kde;
    }
    for (const std::string_view gnome : kGnomeFamily) {
        if (sameName(name, gnome)) {
            return PointerBackendKind::Gnome;
        }
    }
    return PointerBackendKind::None;
}

} // namespace

PointerBackendKind pointerBackendFor(std::string_view xdgCurrentDesktop) {
    std::string_view rest = xdgCurrentDesktop;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const PointerBackendKind kind = kindOfName(rest.substr(0, colon));
        if (kind != PointerBackendKind::None) {
            return kind;
        }
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return PointerBackendKind::None;
}

std::unique_ptr<PointerSettings> makePointerSettings(std::string_view xdgCurrentDesktop,
                                                     const std::filesystem::path& configHome) {
    switch (pointerBackendFor(xdgCurrentDesktop)) {
    case PointerBackendKind::Gnome:
        return std::make_unique<GSettingsPointerSettings>();
    case PointerBackendKind::Kde:
        return std::make_unique<KdePointerSettings>(configHome);
    case PointerBackendKind::None:
        break;
    }
    return std::make_unique<NoPointerSettings>();
}

std::filesystem::path userConfigHome(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && *xdgConfigHome == '/') {
        return xdgConfigHome;
    }
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".config";
    }
    return {};
}

std::unique_ptr<PointerSettings> makePointerSettingsFromEnvironment() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return makePointerSettings(desktop != nullptr ? desktop : "",
                               userConfigHome(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

std::string_view describePointerBackend(PointerBackendKind kind) {
    switch (kind) {
    case PointerBackendKind::Gnome:
        return "GNOME settings (org.gnome.desktop.peripherals.mouse): speed, precision, double-click; no wheel lines";
    case PointerBackendKind::Kde:
        return "KDE Plasma files (kcminputrc, kdeglobals): speed, precision, wheel lines, double-click";
    case PointerBackendKind::None:
        break;
    }
    return "none: this desktop's pointer settings are not reached; config.bin keeps them";
}

} // namespace q417
