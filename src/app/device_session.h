#pragma once

#include "config/device_image.h"
#include "device/device_status_sink.h"
#include "device/hid_backend.h"
#include "device/simulated_mouse.h"
#include "device/sleeper.h"
#include "device/trace.h"
#include "device/transport.h"
#include "platform/result.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace q417 {

// How the program reaches the mouse: --simulate, --sim-state FILE, --trace FILE.
struct DeviceOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simState; // implies simulate
    std::optional<std::filesystem::path> trace;    // "-" for standard output
};

// The mouse as the program holds it for a run: the back end, the trace, the transport with its
// link state, and the device image. The simulated mouse's memory goes back to its state file when
// the session ends.
class DeviceSession {
public:
    // Device-status codes reach `status`; pauses go to `sleeper` (real ones when null).
    DeviceSession(DeviceStatusSink& status, Sleeper* sleeper);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the back end the options name. Fails with a data-file error for a malformed state file
    // or a trace file that cannot be opened; without --simulate there is no mouse (yet) to open.
    Status open(const DeviceOptions& options, std::ostream& standardOutput);

    [[nodiscard]] bool isOpen() const { return transport_ != nullptr; }
    Transport* transport() { return transport_.get(); }
    DeviceImage& image() { return image_; }
    SimulatedMouse* simulatedMouse() { return simulated_.get(); }
    [[nodiscard]] bool deviceReady() const { return transport_ && transport_->deviceReady(); }

    // Writes the simulated memory back to its state file, once.
    Status saveState();

private:
    DeviceStatusSink& status_;
    RealSleeper realSleeper_;
    Sleeper& sleeper_;
    std::unique_ptr<SimulatedMouse> simulated_;
    std::optional<std::filesystem::path> statePath_;
    std::unique_ptr<TraceSink> trace_;
    std::unique_ptr<Transport> transport_;
    DeviceImage image_;
};

} // namespace q417
