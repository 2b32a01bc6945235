#pragma once

#include "device/device_monitor.h"

#include <memory>

struct udev;
struct udev_monitor;

namespace q417 {

// Hidraw arrivals and removals from udev, after its rules have run (so a node's permissions are
// set by the time its arrival is handled). Without udev the monitor stays silent: fd() is -1.
class UdevMonitor final : public DeviceMonitor {
public:
    UdevMonitor();
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    [[nodiscard]] bool ok() const { return monitor_ != nullptr; }
    [[nodiscard]] int fd() const override;
    void processPending(const ChangeHandler& onChange) override;

private:
    struct UdevUnref {
        void operator()(udev* u) const;
    };
    struct MonitorUnref {
        void operator()(udev_monitor* m) const;
    };

    std::unique_ptr<udev, UdevUnref> udev_;
    std::unique_ptr<udev_monitor, MonitorUnref> monitor_;
};

} // namespace q417
