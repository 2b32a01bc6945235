#pragma once

#include "config/device_image.h"
#include "device/device_status_sink.h"
#include "device/simulated_mouse.h"
#include "device/sleeper.h"
#include "device/trace.h"
#include "device/transport.h"
#include "platform/result.h"

#include <filesystem>
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
};

// One connection for one q417ctl command: the back end, the trace, the transport and the device
// image. The simulated mouse's memory is written back to its state file when the command ends.
class CtlMouse {
public:
    // Fails with a data-file error for a malformed state file or a trace file that cannot be
    // opened, and with a device error when no mouse back end is available.
    static Status open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::unique_ptr<CtlMouse>& out);
    CtlMouse() = default;
    ~CtlMouse();
    CtlMouse(const CtlMouse&) = delete;
    CtlMouse& operator=(const CtlMouse&) = delete;

    Transport& transport() { return *transport_; }
    DeviceImage& image() { return image_; }
    // Writes the simulated memory back to the state file, once; later calls do nothing.
    Status saveState();

private:
    class StatusRecorder : public DeviceStatusSink {
    public:
        void deviceStatus(int code, int value) override {
            lastCode = code;
            lastValue = value;
        }
        int lastCode = 0;
        int lastValue = 0;
    };

    std::unique_ptr<SimulatedMouse> simulated_;
    std::optional<std::filesystem::path> statePath_;
    std::unique_ptr<TraceSink> trace_;
    RealSleeper sleeper_;
    StatusRecorder status_;
    std::unique_ptr<Transport> transport_;
    DeviceImage image_;
};

} // namespace q417
