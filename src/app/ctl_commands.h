#pragma once

#include "app/ctl_mouse.h"
#include "device/device_monitor.h"
#include "platform/data_paths.h"

#include <ostream>

namespace q417 {

// The q417ctl commands. Each prints its result to `out`, explains failures in one line on `err`,
// and returns a status whose kind decides the exit code.
struct CtlContext {
    DataPaths paths;
    CtlMouseOptions mouse;
    std::ostream& out;
    std::ostream& err;
    DeviceMonitor* monitor = nullptr; // null: udev
    int stopFd = -1;                  // -1: SIGINT and SIGTERM
};

Status ctlDetect(CtlContext& ctx);
Status ctlApply(CtlContext& ctx);
Status ctlShow(CtlContext& ctx);
Status ctlMacrosList(CtlContext& ctx);
Status ctlMacrosCompile(CtlContext& ctx);
// Follows the mouse until interrupted: one line per arrival, removal and event (ctl_watch.cpp).
Status ctlWatch(CtlContext& ctx);

} // namespace q417
