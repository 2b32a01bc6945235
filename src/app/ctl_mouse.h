#pragma once

#include "app/ctl_messages.h"
#include "config/device_image.h"
#include "device/device_status_sink.h"
#include "device/hid_backend.h"
#include "device/hid_mouse.h"
#include "device/hid_system.h"
#include "device/simulated_mouse.h"
#include "device/sleeper.h"
#include "device/trace.h"
#include "device/transport.h"
#include "platform/result.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace q417 {

// How q417ctl reaches the mouse.
struct CtlMouseOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simState; // implies simulate
    std::optional<std::filesystem::path> trace;    // "-" for stdout
    Sleeper* sleeper = nullptr;                    // null: pause for real
    HidSystem* hidSystem = nullptr;                // null: the system's hidraw nodes
};

// One connection for one q417ctl command: the back end (the mouse on the system's HID interfaces,
// or the simulated one), the trace, the transport and the device image. Nothing is opened until
// the command calls backend().openDevice(). The simulated mouse's memory is written back to its
// state file when the command ends.
class CtlMouse {
public:
    // Fails with a data-file error for a malformed state file or a trace file that cannot be
    // opened. Messages of the back end go to `err`.
    static Status open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::ostream& err,
                       std::unique_ptr<CtlMouse>& out);
    explicit CtlMouse(std::ostream& err);
    ~CtlMouse();
    CtlMouse(const CtlMouse&) = delete;
    CtlMouse& operator=(const CtlMouse&) = delete;

    HidBackend& backend() { return *backend_; }
    Transport& transport() { return *transport_; }
    DeviceImage& image() { return image_; }
    [[nodiscard]] bool simulated() const { return simulated_ != nullptr; }
    // Device-status messages of the link (14, 15) also go to `listener`.
    void onStatus(std::function<void(int code, int value)> listener) { status_.listener = std::move(listener); }
    // Writes the simulated memory back to the state file, once; later calls do nothing.
    Status saveState();

private:
    class StatusRecorder : public DeviceStatusSink {
    public:
        void deviceStatus(int code, int value) override {
            lastCode = code;
            lastValue = value;
            if (listener) {
                listener(code, value);
            }
        }
        int lastCode = 0;
        int lastValue = 0;
        std::function<void(int, int)> listener;
    };

    StderrMessages messages_;
    std::unique_ptr<HidSystem> ownSystem_;
    std::unique_ptr<HidMouse> hid_;
    std::unique_ptr<SimulatedMouse> simulated_;
    HidBackend* backend_ = nullptr;
    std::optional<std::filesystem::path> statePath_;
    std::unique_ptr<TraceSink> trace_;
    RealSleeper sleeper_;
    StatusRecorder status_;
    std::unique_ptr<Transport> transport_;
    DeviceImage image_;
};

} // namespace q417
