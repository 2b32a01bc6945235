#pragma once

#include "platform/result.h"

#include <filesystem>
#include <string>

namespace q417 {

// The name of the tray program's executable, which the autostart entry starts.
inline constexpr const char* kTrayProgramName = "Tarvell-Q417";

// The user's XDG autostart entry that starts the tray program at login: a desktop entry in
// configHome/autostart, named as the applications menu entry is, so desktops that list startup
// programs show it with the program's name and icon.
class AutostartEntry {
public:
    explicit AutostartEntry(const std::filesystem::path& configHome)
        : file_(configHome / "autostart/example.tarvell.q417.desktop") {}

    [[nodiscard]] const std::filesystem::path& file() const { return file_; }

    // Writes the entry, replacing one that is there, so it starts `trayProgram` (an absolute path).
    Status enable(const std::filesystem::path& trayProgram) const;
    // Removes the entry; none there is no failure.
    Status disable() const;
    // The entry is there and the desktop has not been told to skip it (Hidden=true, or GNOME's
    // X-GNOME-Autostart-enabled=false, which the desktops' startup settings write).
    [[nodiscard]] bool enabled() const;

    // The entry's text. Fails for a path a desktop entry cannot hold (a line break in it).
    static Status text(const std::filesystem::path& trayProgram, std::string& out);

private:
    std::filesystem::path file_;
};

} // namespace q417
