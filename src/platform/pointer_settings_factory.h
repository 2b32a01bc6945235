#pragma once

#include "platform/pointer_settings.h"

#include <filesystem>
#include <memory>
#include <string_view>

namespace q417 {

enum class PointerBackendKind { None, Gnome, Kde };

// The back end for a desktop, from XDG_CURRENT_DESKTOP (a colon-separated list, first known name
// wins): KDE Plasma, GNOME and the desktops that share its mouse settings, or none.
[[nodiscard]] PointerBackendKind pointerBackendFor(std::string_view xdgCurrentDesktop);

// `configHome` is $XDG_CONFIG_HOME (~/.config), where Plasma keeps its files.
[[nodiscard]] std::unique_ptr<PointerSettings> makePointerSettings(std::string_view xdgCurrentDesktop,
                                                                   const std::filesystem::path& configHome);

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; empty without either.
[[nodiscard]] std::filesystem::path userConfigHome(const char* xdgConfigHome, const char* home);

// The back end of the desktop this program runs on, from its environment.
[[nodiscard]] std::unique_ptr<PointerSettings> makePointerSettingsFromEnvironment();

// One line saying where the system pointer settings go, for --help and logs.
[[nodiscard]] std::string_view describePointerBackend(PointerBackendKind kind);

} // namespace q417
