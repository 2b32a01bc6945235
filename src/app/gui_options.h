#pragma once

#include "app/device_session.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace q417 {

// The tray program's command line: Tarvell-Q417 [--data-dir DIR] [--simulate] [--sim-state FILE]
// [--trace FILE] [--help].
struct GuiOptions {
    std::optional<std::filesystem::path> dataDir;
    DeviceOptions device;
    bool help = false;
    std::string error; // non-empty: the command line was malformed
};

GuiOptions parseGuiOptions(const std::vector<std::string>& args);

extern const char* const kGuiHelp;

} // namespace q417
