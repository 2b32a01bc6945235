#pragma once

#include "config/device_image.h"
#include "device/device_status_sink.h"
#include "device/hid_backend.h"
#include "device/hid_mouse.h"
#include "device/hid_system.h"
#include "device/simulated_mouse.h"
#include "device/sleeper.h"
#include "device/trace.h"
#include "device/transport.h"
#include "platform/message_sink.h"
#include "platform/result.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

namespace q417 {

// How the programs reach the mouse: --simulate, --sim-state FILE, --trace FILE.
struct DeviceOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simState; // implies simulate
    std::optional<std::filesystem::path> trace;    // "-" for standard output
};

// The mouse as a program holds it for a run: the back end (the mouse on the system's HID
// interfaces, or the simulated one), the trace, the transport with its link state, and the device
// image. Nothing is opened until the caller runs backend().openDevice(). The simulated mouse's
// memory goes back to its state file when the session ends.
class DeviceSession {
public:
    // Link status goes to `status`, the back end's messages to `messages`; pauses go to `sleeper`
    // (real ones when null); `hidSystem` replaces the system's hidraw nodes (tests).
    DeviceSession(DeviceStatusSink& status, MessageSink& messages, Sleeper* sleeper = nullptr,
                  HidSystem* hidSystem = nullptr);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Sets up the back end the options name. Fails with a data-file error for a malformed state
    // file or a trace file that cannot be opened.
    Status open(const DeviceOptions& options, std::ostream& standardOutput);

    [[nodiscard]] bool isOpen() const { return transport_ != nullptr; }
    HidBackend& backend() { return *backend_; }
    Transport& transport() { return *transport_; }
    DeviceImage& image() { return image_; }
    [[nodiscard]] bool simulated() const { return simulated_ != nullptr; }
    SimulatedMouse* simulatedMouse() { return simulated_.get(); }
    [[nodiscard]] bool deviceReady() const { return transport_ && transport_->deviceReady(); }

    // Writes the simulated memory back to its state file, once; later calls do nothing.
    Status saveState();
    // Whether every line of the trace could be written (success without a trace).
    [[nodiscard]] Status traceStatus() const { return trace_ ? trace_->status() : Status::success(); }

private:
    DeviceStatusSink& status_;
    MessageSink& messages_;
    RealSleeper realSleeper_;
    Sleeper& sleeper_;
    HidSystem* hidSystem_;
    std::unique_ptr<HidSystem> ownSystem_;
    std::unique_ptr<HidMouse> hid_;
    std::unique_ptr<SimulatedMouse> simulated_;
    HidBackend* backend_ = nullptr;
    std::optional<std::filesystem::path> statePath_;
    std::unique_ptr<TraceSink> trace_;
    std::unique_ptr<Transport> transport_;
    DeviceImage image_;
};

} // namespace q417
