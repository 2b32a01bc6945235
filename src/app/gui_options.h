#pragma once

#include "app/device_session.h"

#include <filesystem>
#include <optional>
#include <ostream>
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

// The help text, ending with the data folder the program uses without --data-dir; written with <<.
struct GuiHelp {};
std::ostream& operator<<(std::ostream& out, GuiHelp help);
inline constexpr GuiHelp kGuiHelp{};

} // namespace q417
