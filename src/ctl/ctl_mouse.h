#pragma once

#include "app/device_session.h"
#include "ctl/ctl_messages.h"

#include <functional>
#include <memory>
#include <ostream>

namespace q417 {

// How q417ctl reaches the mouse, with the seams its tests replace.
struct CtlMouseOptions : DeviceOptions {
    Sleeper* sleeper = nullptr;     // null: pause for real
    HidSystem* hidSystem = nullptr; // null: the system's hidraw nodes
};

// The mouse for one q417ctl command: a device session whose messages go to stderr and whose link
// status can be listened to.
class CtlMouse {
public:
    // Fails with a data-file error for a malformed state file or a trace file that cannot be opened.
    static Status open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::ostream& err,
                       std::unique_ptr<CtlMouse>& out);
    CtlMouse(std::ostream& err, const CtlMouseOptions& options);

    HidBackend& backend() { return session_.backend(); }
    Transport& transport() { return session_.transport(); }
    DeviceImage& image() { return session_.image(); }
    [[nodiscard]] bool simulated() const { return session_.simulated(); }
    // Device-status messages of the link (14, 15) also go to `listener`.
    void onStatus(std::function<void(DeviceStatusCode code, int value)> listener) {
        status_.listener = std::move(listener);
    }
    Status saveState() { return session_.saveState(); }
    // The end of a command: the simulated mouse's memory goes back to its state file, and the
    // trace is checked. Each failure is said on `err`; the first is returned.
    Status finish(std::ostream& err);

private:
    class StatusListener : public DeviceStatusSink {
    public:
        void deviceStatus(DeviceStatusCode code, int value) override {
            if (listener) {
                listener(code, value);
            }
        }
        std::function<void(DeviceStatusCode, int)> listener;
    };

    StderrMessages messages_;
    StatusListener status_;
    DeviceSession session_;
};

} // namespace q417
