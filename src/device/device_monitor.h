#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace q417 {

// A hidraw node that came or went.
struct DeviceChange {
    enum class Kind : std::uint8_t { Arrival, Removal };
    Kind kind = Kind::Arrival;
    std::string devpath; // sysfs path, e.g. /devices/.../0003:04D9:A09F.0005/hidraw/hidraw3
    std::string devnode; // e.g. /dev/hidraw3; may be empty

    bool operator==(const DeviceChange&) const = default;
};

// Arrival and removal of hidraw nodes, for an event loop: wait until fd() is readable (a
// QSocketNotifier, poll()), then processPending(). Whether a change concerns the mouse is the
// handler's to decide (isMouseDevicePath). The real one is UdevMonitor; tests script it.
class DeviceMonitor {
public:
    using ChangeHandler = std::function<void(const DeviceChange&)>;

    virtual ~DeviceMonitor() = default;

    // Readable while changes wait; -1 when the monitor could not be set up (no changes come).
    [[nodiscard]] virtual int fd() const = 0;

    // Hands every waiting change to `onChange`, in order, on the calling thread. Never blocks.
    virtual void processPending(const ChangeHandler& onChange) = 0;
};

} // namespace q417
