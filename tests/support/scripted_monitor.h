#pragma once

#include "device/device_monitor.h"
#include "device/report_queue.h"

#include <array>
#include <deque>
#include <mutex>

namespace q417::test {

// Device changes a test queues, handed out as a monitor does: fd() is readable while some wait.
// Changes may be queued from any thread.
class ScriptedMonitor final : public DeviceMonitor {
public:
    void queue(DeviceChange change) {
        {
            const std::lock_guard lock(mutex_);
            changes_.push_back(std::move(change));
        }
        signal_.push(std::array<std::uint8_t, 1>{1});
    }

    [[nodiscard]] int fd() const override { return signal_.pollFd(); }

    void processPending(const ChangeHandler& onChange) override {
        std::array<std::uint8_t, 1> token{};
        while (signal_.readReport(token).ok()) {
            DeviceChange change;
            {
                const std::lock_guard lock(mutex_);
                change = changes_.front();
                changes_.pop_front();
            }
            onChange(change);
        }
    }

private:
    std::mutex mutex_;
    std::deque<DeviceChange> changes_;
    ReportQueue signal_;
};

// A hidraw node's change under the HID device `hidName` ("0003:04D9:A09F.0007" is the mouse's).
inline DeviceChange hidrawChange(DeviceChange::Kind kind, const std::string& hidName, const std::string& node) {
    return {kind, "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/" + hidName + "/hidraw/" + node, "/dev/" + node};
}

} // namespace q417::test
