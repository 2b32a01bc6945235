#include "device/udev_monitor.h"

#include <libudev.h>
#include <string>

namespace q417 {

namespace {

struct DeviceUnref {
    void operator()(udev_device* d) const { udev_device_unref(d); }
};

std::string text(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

} // namespace

void UdevMonitor::UdevUnref::operator()(udev* u) const {
    udev_unref(u);
}

void UdevMonitor::MonitorUnref::operator()(udev_monitor* m) const {
    udev_monitor_unref(m);
}

UdevMonitor::UdevMonitor()
    : udev_(udev_new()) {
    if (!udev_) {
        return;
    }
    // "udev", not "kernel": the event comes once udev's rules (and the seat's access rights) are in place.
    std::unique_ptr<udev_monitor, MonitorUnref> monitor(udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return;
    }
    monitor_ = std::move(monitor);
}

UdevMonitor::~UdevMonitor() = default;

int UdevMonitor::fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

void UdevMonitor::processPending(const ChangeHandler& onChange) {
    if (!monitor_) {
        return;
    }
    // The monitor's socket does not block: a null device means nothing more is waiting.
    while (const std::unique_ptr<udev_device, DeviceUnref> device{udev_monitor_receive_device(monitor_.get())}) {
        const std::string action = text(udev_device_get_action(device.get()));
        DeviceChange change;
        if (action == "add") {
            change.kind = DeviceChange::Kind::Arrival;
        } else if (action == "remove") {
            change.kind = DeviceChange::Kind::Removal;
        } else {
            continue;
        }
        change.devpath = text(udev_device_get_devpath(device.get()));
        change.devnode = text(udev_device_get_devnode(device.get()));
        onChange(change);
    }
}

} // namespace q417
