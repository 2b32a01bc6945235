#pragma once

#include "ctl/ctl_mouse.h"
#include "device/device_monitor.h"
#include "platform/data_folder_lock.h"
#include "platform/data_paths.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace q417 {

// The q417ctl commands. Each prints its result to `out`, explains failures in one line on `err`,
// and returns a status whose kind decides the exit code.
struct CtlContext {
    DataPaths paths;
    CtlMouseOptions mouse;
    std::ostream& out;
    std::ostream& err;
    DeviceMonitor* monitor = nullptr;    // null: udev
    int stopFd = -1;                     // -1: SIGINT and SIGTERM
    LockWait lockWait{};                 // null: real pauses while another program holds the data folder
    std::filesystem::path programDir{};  // where the executables lie
    std::filesystem::path configHome{};  // the user's configuration folder; empty when unknown
    std::vector<std::string> operands{}; // the words after "profile <verb>": a name or a file
    bool applyToMouse = false;           // --apply: load and import also write the mouse
    std::istream* in = nullptr;          // "-" reads this; null: standard input
};

Status ctlDetect(CtlContext& ctx);
Status ctlApply(CtlContext& ctx);
Status ctlShow(CtlContext& ctx);
Status ctlMacrosList(CtlContext& ctx);
Status ctlMacrosCompile(CtlContext& ctx);
// Follows the mouse until interrupted: one line per arrival, removal and event (ctl_watch.cpp).
Status ctlWatch(CtlContext& ctx);
// The tray program's start at login (ctl_autostart.cpp).
Status ctlAutostartOn(CtlContext& ctx);
Status ctlAutostartOff(CtlContext& ctx);
Status ctlAutostartStatus(CtlContext& ctx);
// Profiles of the whole setup (ctl_profile.cpp).
Status ctlProfileList(CtlContext& ctx);
Status ctlProfileSave(CtlContext& ctx);
Status ctlProfileLoad(CtlContext& ctx);
Status ctlProfileExport(CtlContext& ctx);
Status ctlProfileImport(CtlContext& ctx);
Status ctlProfileDelete(CtlContext& ctx);

} // namespace q417
