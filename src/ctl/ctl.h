#pragma once

#include "platform/data_folder_lock.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace q417 {

// Exit codes of q417ctl.
enum CtlExit : int {
    kExitOk = 0,
    kExitNoMouse = 1,
    kExitUsage = 2,
    kExitDataFile = 3,
};

class DeviceMonitor;
class HidSystem;
class Sleeper;

// What stands in for the system when tests run q417ctl; null or -1 means the real thing.
struct CtlSeams {
    Sleeper* sleeper = nullptr;         // the mouse's pacing pauses; null: waited for real
    HidSystem* hidSystem = nullptr;     // the HID interfaces; null: the system's hidraw nodes
    DeviceMonitor* monitor = nullptr;   // arrivals and removals for `watch`; null: udev
    int stopFd = -1;                    // readable: `watch` ends; -1: SIGINT or SIGTERM ends it
    LockWait lockWait{};                // while another program holds the data folder; null: real pauses
    std::filesystem::path programDir{}; // where the executables lie; empty: this executable's folder
    std::filesystem::path configHome{}; // the user's configuration folder; empty: $XDG_CONFIG_HOME or ~/.config
    std::istream* in = nullptr;         // what "-" reads; null: standard input
};

// Runs q417ctl with its arguments (without the program name); everything it prints goes to `out`
// and `err`, so tests call it in-process.
int runCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CtlSeams& seams = {});

} // namespace q417
